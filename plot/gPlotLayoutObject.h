#pragma once
#include "gPlotManagerObject.h"

// A plot object that the layout pass places on one side of the data view:
// horizontal objects above or below it, vertical ones left or right of it,
// stacked by ZOrder, each spanning StartPercent..StopPercent of its side
// (always at least 1 apart). The layout pass writes the draw and layout
// rectangles; the layout manager keys its side lists by GetZOrderText +
// GetStartPercentText.
class TgPlotLayoutObject : public TgPlotManagerObject {
public:
    TgPlotLayoutObject(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                       TNotifyEvent AOnRename);
    ~TgPlotLayoutObject() override;

    bool Horizontal() const { return FHorizontal; }
    void SetHorizontal(bool Value);
    int ZOrder() const { return FZOrder; }
    void SetZOrder(int Value);
    double StartPercent() const { return FStartPercent; }
    void SetStartPercent(double Value);
    double StopPercent() const { return FStopPercent; }
    void SetStopPercent(double Value);
    // Both at once, unclamped, one change notice (the layout viewer).
    void SetStartStopPercent(double Start, double Stop);
    bool ForceStacking() const { return FForceStacking; }
    void SetForceStacking(bool Value);
    bool ReverseSide() const { return FReverseSide; }
    void SetReverseSide(bool Value);
    bool StartStacked() const { return FStartStacked; }
    void SetStartStacked(bool Value) { FStartStacked = Value; }
    bool StopStacked() const { return FStopStacked; }
    void SetStopStacked(bool Value) { FStopStacked = Value; }

    TRect DrawRect() const { return TRect(FLeft, FTop, FRight, FBottom); }
    void SetDrawRect(const TRect &R);
    TRect LayoutRect() const { return TRect(FLayoutLeft, FLayoutTop, FLayoutRight, FLayoutBottom); }
    void SetLayoutRect(const TRect &R);
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Right() const { return FRight; }
    int Bottom() const { return FBottom; }
    int Width() const { return FRight - FLeft; }
    int Height() const { return FBottom - FTop; }
    int LayoutWidth() const { return FLayoutRight - FLayoutLeft; }
    int LayoutHeight() const { return FLayoutBottom - FLayoutTop; }
    bool IsHorz() const { return GetIsHorz(); }
    bool IsVert() const { return GetIsVert(); }

    QString GetZOrderText() const;
    QString GetStartPercentText() const;

    bool gMouseHitTest(const TgPlotMouseData &MouseData) override;
    void DoInsert() override;

    virtual bool GetIsHorz() const { return FHorizontal; }
    virtual bool GetIsVert() const { return !FHorizontal; }
    // Thickness across its side in pixels, measured with the canvas's fonts.
    virtual int GetRequiredSpace(TCanvas *Canvas) { return 0; }
    // Pixels needed beyond both ends of its span.
    virtual int GetEndMargin(TCanvas *Canvas) { return 0; }

    const TPublishedClass *PublishedClass() const override;
    static const TPublishedClass *StaticPublished();

protected:
    bool GetKeyPopupPoint(TPoint &Point) const override;

private:
    double FStopPercent = 100;
    double FStartPercent = 0;
    int FZOrder = 0;
    bool FHorizontal = false;
    bool FReverseSide = false;
    int FBottom = 0, FLeft = 0, FTop = 0, FRight = 0;
    bool FStartStacked = false, FStopStacked = false;
    int FLayoutBottom = 0, FLayoutLeft = 0, FLayoutTop = 0, FLayoutRight = 0;
    bool FForceStacking = false;
};

// The data view's place among the horizontal (Horz) and the vertical (Vert)
// layout objects, kept by the layout manager; it draws nothing.
class TgPlotDataViewLayout : public TgPlotLayoutObject {
public:
    using TgPlotLayoutObject::TgPlotLayoutObject;
};
class TgPlotDataViewHorz : public TgPlotDataViewLayout {
public:
    using TgPlotDataViewLayout::TgPlotDataViewLayout;
};
class TgPlotDataViewVert : public TgPlotDataViewLayout {
public:
    using TgPlotDataViewLayout::TgPlotDataViewLayout;
};
