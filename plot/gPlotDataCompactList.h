#pragma once
#include "gPlotDataStorageList.h"

#include <cstdint>

// A Y value of the compact lists as a 32-bit float. Null and Empty points are
// kept as NaNs with their own payloads (read back as Y 0); any other NaN the
// caller stores becomes the plain quiet NaN, so it never reads as a flag.
class TgPlotCompactY {
public:
    static float Encode(double Y, bool Null, bool Empty);
    static bool IsNull(float Stored) { return Flags(Stored) & NullFlag; }
    static bool IsEmpty(float Stored) { return Flags(Stored) & EmptyFlag; }
    // The value, 0 for a Null or Empty point.
    static double Value(float Stored) { return Flags(Stored) ? 0.0 : double(Stored); }

private:
    static constexpr std::uint32_t NullFlag = 1, EmptyFlag = 2, FlagNaN = 0x7FC00000;
    static std::uint32_t Flags(float Stored);
};

struct TgPlotDataCompactPoint {
    float X;
    float Y;
};
static_assert(sizeof(TgPlotDataCompactPoint) == 8, "the compact list stores 8 bytes per point");

// The list of the compact data style: X and Y rounded to 32-bit floats; the
// styles are the stored channel-wide values.
class TgPlotDataCompactList : public TgPlotDataStorageList<TgPlotDataCompactPoint> {
public:
    double GetX(int Index) const override { return At(Index).X; }
    double GetY(int Index) const override { return TgPlotCompactY::Value(At(Index).Y); }
    bool GetEmpty(int Index) const override { return TgPlotCompactY::IsEmpty(At(Index).Y); }
    bool GetNull(int Index) const override { return TgPlotCompactY::IsNull(At(Index).Y); }
    void SetX(int Index, double Value) override { At(Index).X = float(Value); }
    void SetY(int Index, double Value) override { At(Index).Y = TgPlotCompactY::Encode(Value, false, false); }

    int Add(double X, double Y, bool Null, bool Empty) override;
    void GetXYEmptyNull(int Index, double &X, double &Y, bool &Empty, bool &Null) const override;
};
