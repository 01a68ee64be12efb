#include "gPlotDataFullList.h"

int TgPlotDataFullList::Add(double X, double Y, bool Null, bool Empty)
{
    TgPlotDataFullPoint p{};
    p.X = X;
    p.Y = Y;
    p.Null = Null;
    p.Empty = Empty;
    p.TraceLineColor = StoredTraceLineColor;
    p.TraceLineWidth = StoredTraceLineWidth;
    p.TraceLineStyle = StoredTraceLineStyle;
    p.MarkerVisible = StoredMarkerVisible;
    p.MarkerSize = StoredMarkerSize;
    p.MarkerStyle = StoredMarkerStyle;
    p.MarkerPenColor = StoredMarkerPenColor;
    p.MarkerPenWidth = StoredMarkerPenWidth;
    p.MarkerPenStyle = std::uint8_t(StoredMarkerPenStyle);
    p.MarkerBrushColor = StoredMarkerBrushColor;
    p.MarkerBrushStyle = std::uint8_t(StoredMarkerBrushStyle);
    p.MarkerCharacter = 0;
    p.BarVisible = StoredBarVisible;
    p.BarReference = StoredBarReference;
    p.BarWidth = StoredBarWidth;
    p.BarPenColor = StoredBarPenColor;
    p.BarPenWidth = StoredBarPenWidth;
    p.BarPenStyle = std::uint8_t(StoredBarPenStyle);
    p.BarBrushColor = StoredBarBrushColor;
    p.BarBrushStyle = std::uint8_t(StoredBarBrushStyle);
    return AddPoint(p);
}

void TgPlotDataFullList::GetXYEmptyNull(int Index, double &X, double &Y, bool &Empty, bool &Null) const
{
    const TgPlotDataFullPoint &p = At(Index);
    X = p.X;
    Y = p.Y;
    Empty = p.Empty;
    Null = p.Null;
}
