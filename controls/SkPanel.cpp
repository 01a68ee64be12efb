#include "SkPanel.h"

#include "SkColorUtils.h"
#include "SkFrames.h"

#include <QCursor>
#include <QWidget>
#include <algorithm>

int FrameStyleWidth(TFrameStyleEx Style, int BevelWidth)
{
    switch (Style) {
    case fsNone: return 0;
    case fsFlat: return 1;
    case fsStatus:
    case fsPopup: return BevelWidth;
    default: return 2;
    }
}

TSkCustomPanel::TSkCustomPanel(TComponent *AOwner) : TCustomPanel(AOwner)
{
    SetControlStyle(ControlStyle().Exclude(csSetCaption).Exclude(csParentBackground).Include(csOpaque));
    SetBevelOuter(bvNone);
}

TSkCustomPanel::~TSkCustomPanel()
{
    if (frameController_)
        frameController_->RemoveControl(this);
}

TRect TSkCustomPanel::ClientRect() const
{
    TRect r = TCustomPanel::ClientRect();
    AdjustRectForBorders(r, false);
    return r;
}

void TSkCustomPanel::AdjustClientRect(TRect &Rect)
{
    Rect.Inflate(-BorderWidth(), -BorderWidth());
}

void TSkCustomPanel::AdjustRectForBorders(TRect &Rect, bool IncludeBorderWidth) const
{
    if (IncludeBorderWidth)
        Rect.Inflate(-BorderWidth(), -BorderWidth());
    for (TFrameStyleEx style : {borderOuter_, borderInner_}) {
        const int w = FrameStyleWidth(style, BevelWidth());
        if (borderSides_.Contains(sdLeft))
            Rect.Left += w;
        if (borderSides_.Contains(sdTop))
            Rect.Top += w;
        if (borderSides_.Contains(sdRight))
            Rect.Right -= w;
        if (borderSides_.Contains(sdBottom))
            Rect.Bottom -= w;
    }
}

TPoint TSkCustomPanel::CursorPosition() const
{
    return ScreenToClient(TPoint(QCursor::pos().x(), QCursor::pos().y()));
}

void TSkCustomPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    // Docked to the bottom or right edge, a new size keeps that edge.
    if (Align() == alBottom && AHeight != Height() && ATop == Top())
        ATop += Height() - AHeight;
    if (Align() == alRight && AWidth != Width() && ALeft == Left())
        ALeft += Width() - AWidth;
    TCustomPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TSkCustomPanel::GetGradientColors(TColor &Start, TColor &Stop) const
{
    if (gradientColorStyle_ == gcsCustom) {
        Start = gradientColorStart_;
        Stop = gradientColorStop_;
    } else {
        GetPanelGradientColors(gradientColorStyle_, Start, Stop);
    }
}

void TSkCustomPanel::GetFrameColor(TColor &Color, int &Adjustment) const
{
    if (visualStyle_ != vsGradient || gradientColorStyle_ == gcsCustom) {
        Color = flatColor_;
        Adjustment = flatColorAdjustment_;
    } else {
        Color = GetPanelFrameColor(gradientColorStyle_);
        Adjustment = 0;
    }
}

void TSkCustomPanel::Paint()
{
    TCanvas *canvas = Canvas();
    const TRect bounds = GetPaintRect();
    TColor flat;
    int adjustment;
    GetFrameColor(flat, adjustment);
    const TColor parentColor = Parent() ? Parent()->Color() : Color();
    TRect inner = PaintPanelBorder(canvas, bounds, borderOuter_, borderInner_, BorderWidth(), borderSides_,
                                   BevelWidth(), borderColor_, borderHighlight_, borderShadow_, flat, adjustment,
                                   Color(), parentColor, transparent_, false);
    if (!transparent_ && paintClientArea_) {
        const bool rounded = (borderOuter_ == fsFlatRounded && borderInner_ == fsNone && BorderWidth() == 0) ||
                             borderInner_ == fsFlatRounded;
        TRect fill = inner;
        if (rounded) {
            fill.Left -= borderSides_.Contains(sdLeft);
            fill.Top -= borderSides_.Contains(sdTop);
            fill.Right += borderSides_.Contains(sdRight);
            fill.Bottom += borderSides_.Contains(sdBottom);
        }
        canvas->Brush()->SetStyle(bsSolid);
        if (visualStyle_ == vsGradient) {
            // The gradient shapes are drawn by the shared gradient painter
            // once it exists; until then a gradient panel fills with its
            // start colour.
            TColor start, stop;
            GetGradientColors(start, stop);
            canvas->Brush()->SetColor(start);
        } else {
            canvas->Brush()->SetColor(Color());
        }
        canvas->FillRect(fill);
        if (rounded) {
            const TColor corner = AdjustColorLightness(flat, adjustment);
            const bool l = borderSides_.Contains(sdLeft), t = borderSides_.Contains(sdTop),
                       r = borderSides_.Contains(sdRight), b = borderSides_.Contains(sdBottom);
            if (l && t)
                canvas->SetPixel(fill.Left, fill.Top, corner);
            if (t && r)
                canvas->SetPixel(fill.Right - 1, fill.Top, corner);
            if (r && b)
                canvas->SetPixel(fill.Right - 1, fill.Bottom - 1, corner);
            if (l && b)
                canvas->SetPixel(fill.Left, fill.Bottom - 1, corner);
        }
    }
    if (showGrid_)
        DrawGrid(inner);
    canvas->Brush()->SetStyle(bsClear);
    DrawCaption(inner);
    canvas->Brush()->SetStyle(bsSolid);
    if (OnPaint)
        OnPaint(this);
}

void TSkCustomPanel::DrawCaption(const TRect &Rect)
{
    if (Caption().isEmpty())
        return;
    TCanvas *canvas = Canvas();
    canvas->SetFont(Font());
    TRect r(Rect.Left + textMargin_, Rect.Top + textMarginVertical_, Rect.Right - textMargin_,
            Rect.Bottom - textMarginVertical_);
    unsigned flags = DT_EXPANDTABS | DT_VCENTER;
    flags |= Alignment() == taRightJustify ? DT_RIGHT : Alignment() == taCenter ? DT_CENTER : DT_LEFT;
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    TRect measured = r;
    canvas->DrawText(Caption(), measured, flags | DT_CALCRECT);
    const int h = measured.Height();
    switch (alignmentVertical_) {
    case avTop:
        r.Bottom = std::min(r.Bottom, r.Top + h);
        break;
    case avCenter:
        r.Top = (r.Top + r.Bottom - h) / 2;
        r.Bottom = std::min(r.Bottom, r.Top + h);
        break;
    case avBottom:
        r.Top = std::max(r.Top, r.Bottom - h - 1);
        break;
    }
    canvas->Brush()->SetStyle(bsClear);
    if (!EnabledInParents())
        canvas->Font()->SetColor(clGrayText);
    canvas->DrawText(Caption(), r, flags);
}

void TSkCustomPanel::DrawGrid(const TRect &Rect)
{
    TCanvas *canvas = Canvas();
    canvas->Pen()->SetColor(gridColor_);
    canvas->Pen()->SetStyle(psSolid);
    const int cols = gridXSize_ > 0 ? Rect.Width() / gridXSize_ : 0;
    const int rows = gridYSize_ > 0 ? Rect.Height() / gridYSize_ : 0;
    if (gridStyle_ == gsDots) {
        for (int i = 1; i <= cols; ++i)
            for (int j = 1; j <= rows; ++j)
                canvas->SetPixel(Rect.Left + gridXSize_ * i - 1, Rect.Top + gridYSize_ * j - 1, gridColor_);
        return;
    }
    auto line = [&](int x1, int y1, int x2, int y2) {
        if (gridStyle_ == gsSolidLines) {
            canvas->MoveTo(x1, y1);
            canvas->LineTo(x2, y2);
            return;
        }
        for (int x = x1 + (x1 != x2), y = y1 + (y1 != y2); x < std::max(x2, x1 + 1) && y < std::max(y2, y1 + 1);
             x += (x1 != x2) * 2, y += (y1 != y2) * 2)
            canvas->SetPixel(x, y, gridColor_);
    };
    for (int i = 1; i <= cols; ++i)
        line(Rect.Left + gridXSize_ * i - 1, Rect.Top, Rect.Left + gridXSize_ * i - 1, Rect.Bottom);
    for (int j = 1; j <= rows; ++j)
        line(Rect.Left, Rect.Top + gridYSize_ * j - 1, Rect.Right, Rect.Top + gridYSize_ * j - 1);
}

void TSkCustomPanel::UpdateFromFrameController()
{
    if (!frameController_ || !frameController_->FrameVisible())
        return;
    const TSkFrameController &fc = *frameController_;
    if (notifications_.Contains(fcpFrameStyle))
        borderOuter_ = fc.FrameStyle();
    if (notifications_.Contains(fcpFrameSides))
        borderSides_ = fc.FrameSides();
    if (notifications_.Contains(fcpFrameColor)) {
        flatColor_ = fc.FrameColor();
        flatColorAdjustment_ = 0;
    }
    if (notifications_.Contains(fcpColor))
        SetColor(fc.Color());
    if (notifications_.Contains(fcpParentColor))
        SetParentColor(fc.ParentColor());
    if (notifications_.Contains(fcpColor)) {
        borderHighlight_ = LightenColor(Color(), 100);
        borderShadow_ = DarkenColor(Color(), 50);
    }
    Invalidate();
}

void TSkCustomPanel::SetFrameController(TSkFrameController *Value)
{
    TSkFrameController::Attach(frameController_, Value, this);
}

void TSkCustomPanel::Notification(TComponent *AComponent, TOperation Operation)
{
    TCustomPanel::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == frameController_)
        frameController_ = nullptr;
}

void TSkCustomPanel::EnabledChanged()
{
    TCustomPanel::EnabledChanged();
    Repaint();
}

void TSkCustomPanel::UpdateBackgroundStyle()
{
    TControlStyle style = ControlStyle();
    if (transparent_) {
        style.Exclude(csOpaque);
        paintClientArea_ ? style.Include(csParentBackground) : style.Exclude(csParentBackground);
    } else {
        style.Include(csOpaque).Exclude(csParentBackground);
    }
    SetControlStyle(style);
}

void TSkCustomPanel::SetTransparent(bool Value)
{
    if (!Change(transparent_, Value))
        return;
    UpdateBackgroundStyle();
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->Invalidate();
}

void TSkCustomPanel::SetPaintClientArea(bool Value)
{
    if (Change(paintClientArea_, Value))
        UpdateBackgroundStyle();
}

void TSkCustomPanel::SetBorderInner(TFrameStyleEx Value)
{
    if (Change(borderInner_, Value))
        Realign();
}

void TSkCustomPanel::SetBorderOuter(TFrameStyleEx Value)
{
    if (Change(borderOuter_, Value))
        Realign();
}

void TSkCustomPanel::SetBorderSides(TSides Value)
{
    if (Change(borderSides_, Value))
        Realign();
}

void TSkCustomPanel::SetGradientColorStart(TColor Value)
{
    if (Change(gradientColorStart_, Value))
        InvalidateTransparentChildren(this);
}

void TSkCustomPanel::SetGradientColorStop(TColor Value)
{
    if (Change(gradientColorStop_, Value))
        InvalidateTransparentChildren(this);
}

void TSkCustomPanel::SetGradientDirection(TGradientDirection Value)
{
    if (Change(gradientDirection_, Value))
        InvalidateTransparentChildren(this);
}

void TSkCustomPanel::SetAlignmentVertical(TAlignmentVertical Value) { Change(alignmentVertical_, Value); }
void TSkCustomPanel::SetBorderColor(TColor Value) { Change(borderColor_, Value); }
void TSkCustomPanel::SetBorderHighlight(TColor Value) { Change(borderHighlight_, Value); }
void TSkCustomPanel::SetBorderShadow(TColor Value) { Change(borderShadow_, Value); }
void TSkCustomPanel::SetFlatColor(TColor Value) { Change(flatColor_, Value); }
void TSkCustomPanel::SetFlatColorAdjustment(int Value) { Change(flatColorAdjustment_, Value); }
void TSkCustomPanel::SetGradientColorStyle(TSkGradientColorStyle Value) { Change(gradientColorStyle_, Value); }
void TSkCustomPanel::SetGridColor(TColor Value) { Change(gridColor_, Value); }
void TSkCustomPanel::SetGridStyle(TSkGridStyle Value) { Change(gridStyle_, Value); }
void TSkCustomPanel::SetGridXSize(int Value) { Change(gridXSize_, std::clamp(Value, 0, 0xFFFF)); }
void TSkCustomPanel::SetGridYSize(int Value) { Change(gridYSize_, std::clamp(Value, 0, 0xFFFF)); }
void TSkCustomPanel::SetShowGrid(bool Value) { Change(showGrid_, Value); }
void TSkCustomPanel::SetTextMargin(int Value) { Change(textMargin_, Value); }
void TSkCustomPanel::SetTextMarginVertical(int Value) { Change(textMarginVertical_, Value); }
void TSkCustomPanel::SetWordWrap(bool Value) { Change(wordWrap_, Value); }
void TSkCustomPanel::SetVisualStyle(TSkVisualStyle Value) { Change(visualStyle_, Value); }

void TSkCustomPanel::SetGridSize(int XSize, int YSize)
{
    SetGridXSize(XSize);
    SetGridYSize(YSize);
}
