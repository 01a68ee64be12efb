#pragma once
#include "gPlotDataCompactList.h"

struct TgPlotDataCompactIntervalPoint {
    float Y;
};
static_assert(sizeof(TgPlotDataCompactIntervalPoint) == 4, "the interval list stores 4 bytes per point");

// The list of the compact-interval data style: only Y is stored (32-bit
// float); X of point i is FirstX + i * Interval. FirstX is the X of the first
// point added to an empty list, Interval is learned from the second point
// (-1 until then). Deleting or overwriting the oldest points moves FirstX on,
// so the remaining points keep their X.
class TgPlotDataCompactIntervalList : public TgPlotDataStorageList<TgPlotDataCompactIntervalPoint> {
public:
    double Interval() const { return FInterval; }
    void SetInterval(double Value);
    double FirstX() const { return FFirstX; }

    double GetX(int Index) const override;
    double GetY(int Index) const override { return TgPlotCompactY::Value(At(Index).Y); }
    bool GetEmpty(int Index) const override { return TgPlotCompactY::IsEmpty(At(Index).Y); }
    bool GetNull(int Index) const override { return TgPlotCompactY::IsNull(At(Index).Y); }
    // Only the first point's X can be set (it moves every point); any other
    // index raises.
    void SetX(int Index, double Value) override;
    void SetY(int Index, double Value) override { At(Index).Y = TgPlotCompactY::Encode(Value, false, false); }

    int Add(double X, double Y, bool Null, bool Empty) override;
    void Clear() override;
    // Size may equal Count here (the list is emptied).
    void DeletePoints(int Size) override;
    void GetXYEmptyNull(int Index, double &X, double &Y, bool &Empty, bool &Null) const override;

protected:
    bool DeleteMayEmpty() const override { return true; }

private:
    double FInterval = -1;
    double FFirstX = 0;
    bool FIntervalKnown = false;
};
