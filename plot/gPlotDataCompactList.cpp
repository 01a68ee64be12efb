#include "gPlotDataCompactList.h"

#include <cmath>
#include <cstring>
#include <limits>

float TgPlotCompactY::Encode(double Y, bool Null, bool Empty)
{
    if (!Null && !Empty)
        return std::isnan(Y) ? std::numeric_limits<float>::quiet_NaN() : float(Y);
    const std::uint32_t bits = FlagNaN | (Null ? NullFlag : 0) | (Empty ? EmptyFlag : 0);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

std::uint32_t TgPlotCompactY::Flags(float Stored)
{
    std::uint32_t bits;
    std::memcpy(&bits, &Stored, sizeof bits);
    return (bits & ~std::uint32_t(NullFlag | EmptyFlag)) == FlagNaN ? bits & (NullFlag | EmptyFlag) : 0;
}

int TgPlotDataCompactList::Add(double X, double Y, bool Null, bool Empty)
{
    return AddPoint({float(X), TgPlotCompactY::Encode(Y, Null, Empty)});
}

void TgPlotDataCompactList::GetXYEmptyNull(int Index, double &X, double &Y, bool &Empty, bool &Null) const
{
    const TgPlotDataCompactPoint &p = At(Index);
    X = p.X;
    Y = TgPlotCompactY::Value(p.Y);
    Empty = TgPlotCompactY::IsEmpty(p.Y);
    Null = TgPlotCompactY::IsNull(p.Y);
}
