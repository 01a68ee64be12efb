#pragma once
// TSmProgressBar: a windowless progress bar coloured by level (below
// Level1Perc, below Level2Perc, below 100 %, at 100 %), drawn as a row of
// blocks or one smooth block, each shaded from its edges to its middle,
// optionally stacked in the colours of the levels passed, with tinted level
// zones, rounded corners, a text and an "infinite" sweep.

#include "Font.h"
#include "GraphicControl.h"
#include "Timer.h"

#include <memory>

class TCanvas;

enum TGaugeOrientation { goHorizontal, goVertical };

struct TGaugeSettings {
    TColor Level0Color, Level0ColorTo, Level1Color, Level1ColorTo;
    TColor Level2Color, Level2ColorTo, Level3Color, Level3ColorTo;
    int Level1Perc, Level2Perc;
    TColor BorderColor, Level0BkColor, Level1BkColor, Level2BkColor;
    bool ShowBorder, Stacked, ShowPercentage, ShowPosition;
    TFont *Font;
    bool CompletionSmooth, ShowGradient;
    int Steps;
    int Position;   // the percentage
    int Value;      // the raw position
    int Max;
    TColor BackgroundColor;
    TGaugeOrientation Orientation;
    bool Rounded;
    TColor ParentColor;
    QString Format;
    bool Infinite;
    int InfinitePos;
};

// Paints the bar into R (0, 0, W, H) on the canvas. Outside the rounded
// corners nothing is painted.
void DrawGauge(TCanvas *Canvas, const TRect &R, const TGaugeSettings &S);

#define TQ62_GAUGE_PROPERTY(Type, Name, field)                                                     \
    Type Name() const { return field; }                                                            \
    void Set##Name(Type Value)                                                                     \
    {                                                                                              \
        field = Value;                                                                             \
        Invalidate();                                                                              \
    }

class TSmProgressBar : public TGraphicControl {
public:
    explicit TSmProgressBar(TComponent *AOwner);
    ~TSmProgressBar() override;

    TQ62_GAUGE_PROPERTY(TColor, Level0Color, level0Color_)
    TQ62_GAUGE_PROPERTY(TColor, Level0ColorTo, level0ColorTo_)
    TQ62_GAUGE_PROPERTY(TColor, Level1Color, level1Color_)
    TQ62_GAUGE_PROPERTY(TColor, Level1ColorTo, level1ColorTo_)
    TQ62_GAUGE_PROPERTY(TColor, Level2Color, level2Color_)
    TQ62_GAUGE_PROPERTY(TColor, Level2ColorTo, level2ColorTo_)
    TQ62_GAUGE_PROPERTY(TColor, Level3Color, level3Color_)
    TQ62_GAUGE_PROPERTY(TColor, Level3ColorTo, level3ColorTo_)
    TQ62_GAUGE_PROPERTY(int, Level1Perc, level1Perc_)
    TQ62_GAUGE_PROPERTY(int, Level2Perc, level2Perc_)
    TQ62_GAUGE_PROPERTY(TColor, BorderColor, borderColor_)
    TQ62_GAUGE_PROPERTY(bool, ShowBorder, showBorder_)
    TQ62_GAUGE_PROPERTY(bool, Stacked, stacked_)
    TQ62_GAUGE_PROPERTY(bool, ShowPercentage, showPercentage_)
    TQ62_GAUGE_PROPERTY(bool, CompletionSmooth, completionSmooth_)
    TQ62_GAUGE_PROPERTY(bool, ShowGradient, showGradient_)
    TQ62_GAUGE_PROPERTY(int, Steps, steps_)
    TQ62_GAUGE_PROPERTY(TColor, BackgroundColor, backgroundColor_)
    TQ62_GAUGE_PROPERTY(TGaugeOrientation, Orientation, orientation_)
    TQ62_GAUGE_PROPERTY(bool, ShowPosition, showPosition_)
    TQ62_GAUGE_PROPERTY(bool, Rounded, rounded_)
    TQ62_GAUGE_PROPERTY(QString, Format, format_)

    TFont *Font() { return &font_; }
    void SetFont(TFont *Value);
    int Position() const { return position_; }
    // Clamped to Min..Max; the bar repaints at once when what it shows
    // changes (the clamped value too).
    void SetPosition(int Value);
    int Min() const { return min_; }
    void SetMin(int Value);
    int Max() const { return max_; }
    void SetMax(int Value);
    bool Animated() const { return animated_; }
    void SetAnimated(bool Value);
    bool Infinite() const { return infinite_; }
    void SetInfinite(bool Value);
    int InfiniteInterval() const { return infiniteInterval_; }
    void SetInfiniteInterval(int Value);
    TColor Level0BkColor() const { return level0BkColor_; }
    void SetLevel0BkColor(TColor Value);
    TColor Level1BkColor() const { return level1BkColor_; }
    void SetLevel1BkColor(TColor Value);
    TColor Level2BkColor() const { return level2BkColor_; }
    void SetLevel2BkColor(TColor Value);
    QString Version() const;
    void SetVersion(const QString &) {}

    // The percentage of the position within Min..Max (0 when Min = Max).
    int Percentage() const;
    int InfinitePos() const { return infinitePos_; }

    void Paint() override;
    // One step of the sweep of the infinite mode.
    void SweepStep();

private:
    void UpdateTimer();
    void SetBkColor(TColor &field, TColor Value);

    TColor level0Color_ = clLime, level0ColorTo_ = 0xE1FFE1;
    TColor level1Color_ = clYellow, level1ColorTo_ = 0xCAFFFF;
    TColor level2Color_ = 0x53A9FF, level2ColorTo_ = 0xA8D3FF;
    TColor level3Color_ = clRed, level3ColorTo_ = 0xCACAFF;
    int level1Perc_ = 70, level2Perc_ = 90;
    TColor borderColor_ = clGray;
    bool showBorder_ = true;
    bool stacked_ = false;
    bool showPercentage_ = true;
    TFont font_;
    bool completionSmooth_ = false;
    bool showGradient_ = true;
    int steps_ = 8;
    int position_ = 50;
    TColor backgroundColor_ = clWhite;
    TGaugeOrientation orientation_ = goHorizontal;
    bool showPosition_ = true;
    int min_ = 0, max_ = 100;
    bool rounded_ = true;
    QString format_;
    bool animated_ = false;
    bool infinite_ = false;
    int infiniteInterval_ = 50;
    TColor level0BkColor_ = clNone, level1BkColor_ = clNone, level2BkColor_ = clNone;
    int maxIncrement_ = 1;
    int infinitePos_ = 0;
    bool infiniteInc_ = false;
    int oldBlockPos_ = 0;
    int oldPos_ = 0;
    TTimer *timer_;
};

#undef TQ62_GAUGE_PROPERTY
