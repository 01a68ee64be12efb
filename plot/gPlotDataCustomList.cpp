#include "gPlotDataCustomList.h"

#include "Exceptions.h"

#include <climits>

TgPlotDataCustomList::TgPlotDataCustomList(int DataPointSize)
    : FDataPointSize(DataPointSize), FMaxDataPoints(INT_MAX / DataPointSize)
{
}

int TgPlotDataCustomList::GetStorageIndex(int Index) const
{
    if (Index < 0 || Index >= FCount)
        throw Exception(QStringLiteral("Index out of Bounds"));
    if (FTail == 0)
        return Index;
    int slot = Index + FTail;
    return slot > FCount - 1 ? slot - FCount : slot;
}

int TgPlotDataCustomList::GrownCapacity() const
{
    if (FCapacity >= FMaxDataPoints)
        throw Exception(QStringLiteral("Exceed Maximum List Size"));
    const long long step = FCapacity > 64 ? FCapacity / 4 : FCapacity > 8 ? 16 : 4;
    return static_cast<int>(std::min<long long>(FCapacity + step, FMaxDataPoints));
}

void TgPlotDataCustomList::CheckCapacity(int NewCapacity) const
{
    if (NewCapacity > FMaxDataPoints)
        throw Exception(QStringLiteral("Exceed Maximum List Size"));
    if (NewCapacity < 0)
        throw Exception(QStringLiteral("List Size out of Range"));
}

void TgPlotDataCustomList::Clear()
{
    FCount = 0;
    FTail = 0;
    if (!FRingBufferEnabled)
        SetCapacity(0);
}

void TgPlotDataCustomList::SetRingBufferSize(int Value)
{
    if (Value < 0)
        throw Exception(QStringLiteral("List Size out of Range"));
    if (Value == 0) {
        if (FRingBufferEnabled) {
            FRingBufferEnabled = false;
            if (FTail != 0)
                Clear();
        }
        return;
    }
    CheckCapacity(Value);
    FRingBufferEnabled = true;
    if (Value == FCapacity)
        return;
    if (FTail != 0)
        Clear();
    if (Value < FCapacity && Value < FCount)
        DeletePoints(FCount - Value);
    SetCapacity(Value);
}

void TgPlotDataCustomList::GetXYEmptyNullBlock(int Index, int Count, XYEmptyNull *Out) const
{
    if (Count <= 0)
        return;
    GetStorageIndex(Index);
    GetStorageIndex(Index + Count - 1);
    for (int i = 0; i < Count; ++i) {
        XYEmptyNull &o = Out[i];
        GetXYEmptyNull(Index + i, o.X, o.Y, o.Empty, o.Null);
    }
}

bool TgPlotDataCustomList::GetEmpty(int Index) const { GetStorageIndex(Index); return false; }
bool TgPlotDataCustomList::GetNull(int Index) const { GetStorageIndex(Index); return false; }
double TgPlotDataCustomList::GetHigh(int Index) const { GetStorageIndex(Index); return 0; }
double TgPlotDataCustomList::GetLow(int Index) const { GetStorageIndex(Index); return 0; }
double TgPlotDataCustomList::GetOpen(int Index) const { GetStorageIndex(Index); return 0; }
double TgPlotDataCustomList::GetClose(int Index) const { GetStorageIndex(Index); return 0; }
void TgPlotDataCustomList::SetEmpty(int, bool) {}
void TgPlotDataCustomList::SetNull(int, bool) {}
void TgPlotDataCustomList::SetHigh(int, double) {}
void TgPlotDataCustomList::SetLow(int, double) {}
void TgPlotDataCustomList::SetOpen(int, double) {}
void TgPlotDataCustomList::SetClose(int, double) {}

TColor TgPlotDataCustomList::GetTraceLineColor(int) const { return StoredTraceLineColor; }
int TgPlotDataCustomList::GetTraceLineWidth(int) const { return StoredTraceLineWidth; }
TgPlotLineStyle TgPlotDataCustomList::GetTraceLineStyle(int) const { return StoredTraceLineStyle; }
bool TgPlotDataCustomList::GetMarkerVisible(int) const { return StoredMarkerVisible; }
int TgPlotDataCustomList::GetMarkerSize(int) const { return StoredMarkerSize; }
TgPlotMarkerStyle TgPlotDataCustomList::GetMarkerStyle(int) const { return StoredMarkerStyle; }
TColor TgPlotDataCustomList::GetMarkerPenColor(int) const { return StoredMarkerPenColor; }
int TgPlotDataCustomList::GetMarkerPenWidth(int) const { return StoredMarkerPenWidth; }
TPenStyle TgPlotDataCustomList::GetMarkerPenStyle(int) const { return StoredMarkerPenStyle; }
TColor TgPlotDataCustomList::GetMarkerBrushColor(int) const { return StoredMarkerBrushColor; }
TBrushStyle TgPlotDataCustomList::GetMarkerBrushStyle(int) const { return StoredMarkerBrushStyle; }
char16_t TgPlotDataCustomList::GetMarkerCharacter(int) const { return StoredMarkerCharacter; }
bool TgPlotDataCustomList::GetBarVisible(int) const { return StoredBarVisible; }
double TgPlotDataCustomList::GetBarReference(int) const { return StoredBarReference; }
double TgPlotDataCustomList::GetBarWidth(int) const { return StoredBarWidth; }
TColor TgPlotDataCustomList::GetBarPenColor(int) const { return StoredBarPenColor; }
int TgPlotDataCustomList::GetBarPenWidth(int) const { return StoredBarPenWidth; }
TPenStyle TgPlotDataCustomList::GetBarPenStyle(int) const { return StoredBarPenStyle; }
TColor TgPlotDataCustomList::GetBarBrushColor(int) const { return StoredBarBrushColor; }
TBrushStyle TgPlotDataCustomList::GetBarBrushStyle(int) const { return StoredBarBrushStyle; }
void TgPlotDataCustomList::SetTraceLineColor(int, TColor) {}
void TgPlotDataCustomList::SetTraceLineWidth(int, int) {}
void TgPlotDataCustomList::SetTraceLineStyle(int, TgPlotLineStyle) {}
void TgPlotDataCustomList::SetMarkerVisible(int, bool) {}
void TgPlotDataCustomList::SetMarkerSize(int, int) {}
void TgPlotDataCustomList::SetMarkerStyle(int, TgPlotMarkerStyle) {}
void TgPlotDataCustomList::SetMarkerPenColor(int, TColor) {}
void TgPlotDataCustomList::SetMarkerPenWidth(int, int) {}
void TgPlotDataCustomList::SetMarkerPenStyle(int, TPenStyle) {}
void TgPlotDataCustomList::SetMarkerBrushColor(int, TColor) {}
void TgPlotDataCustomList::SetMarkerBrushStyle(int, TBrushStyle) {}
void TgPlotDataCustomList::SetMarkerCharacter(int, char16_t) {}
void TgPlotDataCustomList::SetBarVisible(int, bool) {}
void TgPlotDataCustomList::SetBarReference(int, double) {}
void TgPlotDataCustomList::SetBarWidth(int, double) {}
void TgPlotDataCustomList::SetBarPenColor(int, TColor) {}
void TgPlotDataCustomList::SetBarPenWidth(int, int) {}
void TgPlotDataCustomList::SetBarPenStyle(int, TPenStyle) {}
void TgPlotDataCustomList::SetBarBrushColor(int, TColor) {}
void TgPlotDataCustomList::SetBarBrushStyle(int, TBrushStyle) {}
