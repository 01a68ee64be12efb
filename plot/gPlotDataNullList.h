#pragma once
#include "gPlotDataStorageList.h"

#include <cstdint>

// One point of the standard list: X, Y and a flag word (bit 0 Null, bit 1
// Empty, bit 2 marker visible, bits 3-6 marker style).
struct TgPlotDataNullPoint {
    double X;
    double Y;
    std::uint16_t Flags;
};
static_assert(sizeof(TgPlotDataNullPoint) == 24, "the standard list stores 24 bytes per point");

// The list of the standard data style: X and Y as doubles, Null and Empty,
// and each point's own marker visibility and marker style (taken from the
// stored values when the point is added).
class TgPlotDataNullList : public TgPlotDataStorageList<TgPlotDataNullPoint> {
public:
    double GetX(int Index) const override { return At(Index).X; }
    double GetY(int Index) const override { return At(Index).Y; }
    bool GetEmpty(int Index) const override { return (At(Index).Flags & EmptyBit) != 0; }
    bool GetNull(int Index) const override { return (At(Index).Flags & NullBit) != 0; }
    void SetX(int Index, double Value) override { At(Index).X = Value; }
    void SetY(int Index, double Value) override { At(Index).Y = Value; }
    void SetEmpty(int Index, bool Value) override { SetFlag(Index, EmptyBit, Value); }
    void SetNull(int Index, bool Value) override { SetFlag(Index, NullBit, Value); }
    bool GetMarkerVisible(int Index) const override { return (At(Index).Flags & MarkerBit) != 0; }
    TgPlotMarkerStyle GetMarkerStyle(int Index) const override;
    void SetMarkerVisible(int Index, bool Value) override { SetFlag(Index, MarkerBit, Value); }
    void SetMarkerStyle(int Index, TgPlotMarkerStyle Value) override;

    int Add(double X, double Y, bool Null, bool Empty) override;
    // A point's flags as the list keeps them (for ForEachRun readers).
    static bool IsNull(const TgPlotDataNullPoint &Point) { return (Point.Flags & NullBit) != 0; }
    static bool IsEmpty(const TgPlotDataNullPoint &Point) { return (Point.Flags & EmptyBit) != 0; }
    // Neither null nor empty: a point that plainly draws.
    static bool IsPlain(const TgPlotDataNullPoint &Point) { return (Point.Flags & (NullBit | EmptyBit)) == 0; }
    void GetXYEmptyNull(int Index, double &X, double &Y, bool &Empty, bool &Null) const override;
    void GetXYEmptyNullBlock(int Index, int Count, XYEmptyNull *Out) const override;

private:
    enum : std::uint16_t { NullBit = 1, EmptyBit = 2, MarkerBit = 4, StyleShift = 3, StyleMask = 0x78 };
    void SetFlag(int Index, std::uint16_t Bit, bool Value);
};
