#include "gPlotDataCompactIntervalList.h"

void TgPlotDataCompactIntervalList::SetInterval(double Value)
{
    FInterval = Value;
    FIntervalKnown = true;
}

double TgPlotDataCompactIntervalList::GetX(int Index) const
{
    GetStorageIndex(Index);
    return Index * FInterval + FFirstX;
}

void TgPlotDataCompactIntervalList::SetX(int Index, double Value)
{
    if (Index != 0 || FCount == 0)
        throw Exception(QStringLiteral(
            "Data Style does not support setting individual X-Value with the exception of the first X-Value"));
    FFirstX = Value;
}

int TgPlotDataCompactIntervalList::Add(double X, double Y, bool Null, bool Empty)
{
    if (FCount == 0)
        FFirstX = X;
    else if (FCount == 1 && !FIntervalKnown)
        SetInterval(X - FFirstX);
    const bool overwrites = FRingBufferEnabled && FCount == FCapacity;
    const int index = AddPoint({TgPlotCompactY::Encode(Y, Null, Empty)});
    if (overwrites && FIntervalKnown)
        FFirstX += FInterval;
    return index;
}

void TgPlotDataCompactIntervalList::Clear()
{
    TgPlotDataStorageList::Clear();
    FInterval = -1;
    FIntervalKnown = false;
}

void TgPlotDataCompactIntervalList::DeletePoints(int Size)
{
    TgPlotDataStorageList::DeletePoints(Size);
    if (FIntervalKnown)
        FFirstX += Size * FInterval;
}

void TgPlotDataCompactIntervalList::GetXYEmptyNull(int Index, double &X, double &Y, bool &Empty, bool &Null) const
{
    const float y = At(Index).Y;
    X = Index * FInterval + FFirstX;
    Y = TgPlotCompactY::Value(y);
    Empty = TgPlotCompactY::IsEmpty(y);
    Null = TgPlotCompactY::IsNull(y);
}
