#pragma once
#include "gPlotDataStorageList.h"

#include <cstdint>

// One point of the full-feature list: every value and style the list
// interface knows, in the stored layout.
struct TgPlotDataFullPoint {
    double X, Y;
    bool Null, Empty;
    double High, Low, Open, Close;
    TColor TraceLineColor;
    std::int32_t TraceLineWidth;
    TgPlotLineStyle TraceLineStyle;
    bool MarkerVisible;
    std::int32_t MarkerSize;
    TgPlotMarkerStyle MarkerStyle;
    TColor MarkerPenColor;
    std::int32_t MarkerPenWidth;
    std::uint8_t MarkerPenStyle;
    TColor MarkerBrushColor;
    std::uint8_t MarkerBrushStyle;
    char16_t MarkerCharacter;
    bool BarVisible;
    double BarReference, BarWidth;
    TColor BarPenColor;
    std::int32_t BarPenWidth;
    std::uint8_t BarPenStyle;
    TColor BarBrushColor;
    std::uint8_t BarBrushStyle;
};
static_assert(sizeof(TgPlotDataFullPoint) == 144, "the full-feature list stores 144 bytes per point");

// The list of the full-feature data style: each point keeps its own values
// and its whole trace, marker and bar style, copied from the stored values
// when it is added (its marker character starts at 0).
class TgPlotDataFullList : public TgPlotDataStorageList<TgPlotDataFullPoint> {
public:
    double GetX(int Index) const override { return At(Index).X; }
    double GetY(int Index) const override { return At(Index).Y; }
    bool GetEmpty(int Index) const override { return At(Index).Empty; }
    bool GetNull(int Index) const override { return At(Index).Null; }
    double GetHigh(int Index) const override { return At(Index).High; }
    double GetLow(int Index) const override { return At(Index).Low; }
    double GetOpen(int Index) const override { return At(Index).Open; }
    double GetClose(int Index) const override { return At(Index).Close; }
    void SetX(int Index, double Value) override { At(Index).X = Value; }
    void SetY(int Index, double Value) override { At(Index).Y = Value; }
    void SetEmpty(int Index, bool Value) override { At(Index).Empty = Value; }
    void SetNull(int Index, bool Value) override { At(Index).Null = Value; }
    void SetHigh(int Index, double Value) override { At(Index).High = Value; }
    void SetLow(int Index, double Value) override { At(Index).Low = Value; }
    void SetOpen(int Index, double Value) override { At(Index).Open = Value; }
    void SetClose(int Index, double Value) override { At(Index).Close = Value; }

    TColor GetTraceLineColor(int Index) const override { return At(Index).TraceLineColor; }
    int GetTraceLineWidth(int Index) const override { return At(Index).TraceLineWidth; }
    TgPlotLineStyle GetTraceLineStyle(int Index) const override { return At(Index).TraceLineStyle; }
    bool GetMarkerVisible(int Index) const override { return At(Index).MarkerVisible; }
    int GetMarkerSize(int Index) const override { return At(Index).MarkerSize; }
    TgPlotMarkerStyle GetMarkerStyle(int Index) const override { return At(Index).MarkerStyle; }
    TColor GetMarkerPenColor(int Index) const override { return At(Index).MarkerPenColor; }
    int GetMarkerPenWidth(int Index) const override { return At(Index).MarkerPenWidth; }
    TPenStyle GetMarkerPenStyle(int Index) const override { return TPenStyle(At(Index).MarkerPenStyle); }
    TColor GetMarkerBrushColor(int Index) const override { return At(Index).MarkerBrushColor; }
    TBrushStyle GetMarkerBrushStyle(int Index) const override { return TBrushStyle(At(Index).MarkerBrushStyle); }
    char16_t GetMarkerCharacter(int Index) const override { return At(Index).MarkerCharacter; }
    bool GetBarVisible(int Index) const override { return At(Index).BarVisible; }
    double GetBarReference(int Index) const override { return At(Index).BarReference; }
    double GetBarWidth(int Index) const override { return At(Index).BarWidth; }
    TColor GetBarPenColor(int Index) const override { return At(Index).BarPenColor; }
    int GetBarPenWidth(int Index) const override { return At(Index).BarPenWidth; }
    TPenStyle GetBarPenStyle(int Index) const override { return TPenStyle(At(Index).BarPenStyle); }
    TColor GetBarBrushColor(int Index) const override { return At(Index).BarBrushColor; }
    TBrushStyle GetBarBrushStyle(int Index) const override { return TBrushStyle(At(Index).BarBrushStyle); }
    void SetTraceLineColor(int Index, TColor Value) override { At(Index).TraceLineColor = Value; }
    void SetTraceLineWidth(int Index, int Value) override { At(Index).TraceLineWidth = Value; }
    void SetTraceLineStyle(int Index, TgPlotLineStyle Value) override { At(Index).TraceLineStyle = Value; }
    void SetMarkerVisible(int Index, bool Value) override { At(Index).MarkerVisible = Value; }
    void SetMarkerSize(int Index, int Value) override { At(Index).MarkerSize = Value; }
    void SetMarkerStyle(int Index, TgPlotMarkerStyle Value) override { At(Index).MarkerStyle = Value; }
    void SetMarkerPenColor(int Index, TColor Value) override { At(Index).MarkerPenColor = Value; }
    void SetMarkerPenWidth(int Index, int Value) override { At(Index).MarkerPenWidth = Value; }
    void SetMarkerPenStyle(int Index, TPenStyle Value) override { At(Index).MarkerPenStyle = std::uint8_t(Value); }
    void SetMarkerBrushColor(int Index, TColor Value) override { At(Index).MarkerBrushColor = Value; }
    void SetMarkerBrushStyle(int Index, TBrushStyle Value) override { At(Index).MarkerBrushStyle = std::uint8_t(Value); }
    void SetMarkerCharacter(int Index, char16_t Value) override { At(Index).MarkerCharacter = Value; }
    void SetBarVisible(int Index, bool Value) override { At(Index).BarVisible = Value; }
    void SetBarReference(int Index, double Value) override { At(Index).BarReference = Value; }
    void SetBarWidth(int Index, double Value) override { At(Index).BarWidth = Value; }
    void SetBarPenColor(int Index, TColor Value) override { At(Index).BarPenColor = Value; }
    void SetBarPenWidth(int Index, int Value) override { At(Index).BarPenWidth = Value; }
    void SetBarPenStyle(int Index, TPenStyle Value) override { At(Index).BarPenStyle = std::uint8_t(Value); }
    void SetBarBrushColor(int Index, TColor Value) override { At(Index).BarBrushColor = Value; }
    void SetBarBrushStyle(int Index, TBrushStyle Value) override { At(Index).BarBrushStyle = std::uint8_t(Value); }

    int Add(double X, double Y, bool Null, bool Empty) override;
    void GetXYEmptyNull(int Index, double &X, double &Y, bool &Empty, bool &Null) const override;

protected:
    QString DeleteRangeMessage() const override { return QStringLiteral("Delete Size Out Of Range"); }
};
