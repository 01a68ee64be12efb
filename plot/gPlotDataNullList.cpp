#include "gPlotDataNullList.h"

TgPlotMarkerStyle TgPlotDataNullList::GetMarkerStyle(int Index) const
{
    return static_cast<TgPlotMarkerStyle>((At(Index).Flags & StyleMask) >> StyleShift);
}

void TgPlotDataNullList::SetMarkerStyle(int Index, TgPlotMarkerStyle Value)
{
    TgPlotDataNullPoint &p = At(Index);
    p.Flags = static_cast<std::uint16_t>((p.Flags & ~StyleMask) | ((Value << StyleShift) & StyleMask));
}

void TgPlotDataNullList::SetFlag(int Index, std::uint16_t Bit, bool Value)
{
    TgPlotDataNullPoint &p = At(Index);
    p.Flags = static_cast<std::uint16_t>(Value ? p.Flags | Bit : p.Flags & ~Bit);
}

int TgPlotDataNullList::Add(double X, double Y, bool Null, bool Empty)
{
    std::uint16_t flags = static_cast<std::uint16_t>(((StoredMarkerStyle & 0xF) << StyleShift));
    if (Null)
        flags |= NullBit;
    if (Empty)
        flags |= EmptyBit;
    if (StoredMarkerVisible)
        flags |= MarkerBit;
    return AddPoint({X, Y, flags});
}

void TgPlotDataNullList::GetXYEmptyNull(int Index, double &X, double &Y, bool &Empty, bool &Null) const
{
    const TgPlotDataNullPoint &p = At(Index);
    X = p.X;
    Y = p.Y;
    Empty = (p.Flags & EmptyBit) != 0;
    Null = (p.Flags & NullBit) != 0;
}

// The storage read in place, without a lookup per point.
void TgPlotDataNullList::GetXYEmptyNullBlock(int Index, int Count, XYEmptyNull *Out) const
{
    ForEachRun(Index, Count, [&Out](const TgPlotDataNullPoint *From, int N) {
        for (int i = 0; i < N; ++i, ++Out)
            *Out = {From[i].X, From[i].Y, IsEmpty(From[i]), IsNull(From[i])};
    });
}
