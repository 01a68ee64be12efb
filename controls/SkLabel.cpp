#include "SkLabel.h"

#include "SkBlinkingControlsList.h"
#include "SkColorUtils.h"
#include "SkFrames.h"
#include "SkPanel.h"
#include "SkTextUtils.h"

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

// Nearest integer, halves to the even one.
int Rnd(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

} // namespace

TSkLabel::TSkLabel(TComponent *AOwner) : TLabel(AOwner)
{
    SetControlStyle(ControlStyle().Include(csOpaque));
    if (!BlinkingControls)
        BlinkingControls = std::make_unique<TSkBlinkingControlsList>();
    BlinkingControls->Add(this);
    initColor_ = true;
    SetColor(clBtnFace);
    SetParentColor(true);
    initColor_ = false;
    fontColor_ = currentColor_ = origColor_ = Font()->Color();
}

TSkLabel::~TSkLabel()
{
    if (frameController_)
        frameController_->RemoveControl(this);
    if (BlinkingControls) {
        BlinkingControls->Remove(this);
        ReleaseBlinkingControlsIfEmpty();
    }
}

void TSkLabel::Loaded()
{
    TLabel::Loaded();
    if (rotation_ == roNone && angle_ != 0)
        rotation_ = roFlat;
    if (rotation_ != roNone)
        UseVerdanaUnlessTrueType();
    fontColor_ = currentColor_ = Font()->Color();
}

void TSkLabel::UseVerdanaUnlessTrueType()
{
    if (!IsTrueTypeFont(*Font()))
        Font()->SetName(QStringLiteral("Verdana"));
}

void TSkLabel::WndProc(TMessage &Message)
{
    if (Message.Msg == CM_QUERYBLINKING) {
        Message.Result = blinking_ ? 1 : 0;
        return;
    }
    if (Message.Msg == CM_BLINKCHANGE) {
        if (blinking_)
            BlinkStateChanged(static_cast<TBlinkState>(Message.WParam));
        return;
    }
    TLabel::WndProc(Message);
}

void TSkLabel::BlinkStateChanged(TBlinkState State)
{
    // The list's state and the label's are opposite: the list turning "off"
    // lights the label.
    if (State == bsOff) {
        blinkState_ = bsOn;
        currentColor_ = blinkColor_;
    } else {
        blinkState_ = bsOff;
        currentColor_ = fontColor_;
    }
    Repaint();
}

void TSkLabel::MouseEnter()
{
    if (flyByEnabled_ && !ComponentState().Contains(csDesigning)) {
        origColor_ = Font()->Color();
        Font()->SetColor(flyByColor_);
    }
    TLabel::MouseEnter();
}

void TSkLabel::MouseLeave()
{
    if (flyByEnabled_)
        Font()->SetColor(origColor_);
    TLabel::MouseLeave();
}

void TSkLabel::FontChanged()
{
    if (!Loading()) {
        if (!blinking_)
            fontColor_ = currentColor_ = Font()->Color();
        // Only outline fonts turn; the check loads the font, so it waits
        // for a label that turns.
        if (angle_ != 0 && !IsTrueTypeFont(*Font()))
            angle_ = 0;
    }
    TLabel::FontChanged();
}

void TSkLabel::TextChanged()
{
    TLabel::TextChanged();
    Repaint();
}

void TSkLabel::Notification(TComponent *AComponent, TOperation Operation)
{
    TLabel::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == frameController_)
        frameController_ = nullptr;
}

void TSkLabel::AdjustRectForBorders(TRect &Rect, bool WithBorderWidth) const
{
    if (WithBorderWidth)
        Rect.Inflate(-borderWidth_, -borderWidth_);
    for (TFrameStyleEx style : {borderOuter_, borderInner_}) {
        const int w = FrameStyleWidth(style, bevelWidth_);
        Rect.Left += borderSides_.Contains(sdLeft) ? w : 0;
        Rect.Top += borderSides_.Contains(sdTop) ? w : 0;
        Rect.Right -= borderSides_.Contains(sdRight) ? w : 0;
        Rect.Bottom -= borderSides_.Contains(sdBottom) ? w : 0;
    }
}

void TSkLabel::AdjustSizeForBorders(TRect &Rect) const
{
    auto grow = [&](int w) {
        Rect.Right += (borderSides_.Contains(sdLeft) + borderSides_.Contains(sdRight)) * w;
        Rect.Bottom += (borderSides_.Contains(sdTop) + borderSides_.Contains(sdBottom)) * w;
    };
    grow(FrameStyleWidth(borderOuter_, bevelWidth_));
    grow(borderWidth_);
    Rect.Right += 2 * textMargin_;
    Rect.Bottom += 2 * textMargin_;
    grow(FrameStyleWidth(borderInner_, bevelWidth_));
    if (rotation_ == roNone && textStyle_ == tsShadow) {
        Rect.Right += shadowDepth_;
        Rect.Bottom += shadowDepth_;
    }
    if (rotation_ == roFlat && angle_ != 0 && angle_ != 180) {
        if (textStyle_ == tsShadow) {
            Rect.Right += shadowDepth_ / 2;
            Rect.Bottom += shadowDepth_ / 2;
        }
        const int w = Rect.Right, h = Rect.Bottom;
        double a = (angle_ % 90) * Pi / 180;
        if (angle_ == 90 || angle_ == 270)
            a += Pi / 2;
        Rect.Right = Rnd(std::cos(a) * w + std::sin(a) * h);
        Rect.Bottom = Rnd(std::sin(a) * w + std::cos(a) * h);
    }
}

void TSkLabel::AdjustBounds()
{
    if (!AutoSize() || Loading())
        return;
    TRect r = Rect(0, 0, Width(), Height());
    AdjustRectForBorders(r, true);
    r = Rect(0, 0, std::max(r.Width(), 0), std::max(r.Height(), 0));
    unsigned flags = DT_CALCRECT | DT_EXPANDTABS;
    if (WordWrap())
        flags |= DT_WORDBREAK;
    if (condenseCaption_ == ccAtEnd)
        flags |= DT_END_ELLIPSIS;
    else if (condenseCaption_ == ccWithinPath)
        flags |= DT_PATH_ELLIPSIS;
    TCanvas measure;
    measure.SetFont(Font());
    measure.DrawText(Caption(), r, flags);
    AdjustSizeForBorders(r);
    const int left = Alignment() == taRightJustify ? Left() + Width() - r.Right : Left();
    SetBounds(left, Top(), r.Right, r.Bottom);
}

unsigned TSkLabel::DrawFlags() const
{
    unsigned flags = DT_EXPANDTABS;
    flags |= Alignment() == taCenter ? DT_CENTER : Alignment() == taRightJustify ? DT_RIGHT : DT_LEFT;
    if (WordWrap())
        flags |= DT_WORDBREAK;
    if (!ShowAccelChar())
        flags |= DT_NOPREFIX;
    return flags;
}

void TSkLabel::Paint()
{
    TCanvas *canvas = Canvas();
    TColor flat = flatColor_;
    const TColor parentColor = Parent() ? Parent()->Color() : Color();
    const TRect inside = PaintPanelBorder(canvas, Rect(0, 0, Width(), Height()), borderOuter_, borderInner_, borderWidth_,
                                          borderSides_, bevelWidth_, borderColor_, borderHighlight_, borderShadow_, flat,
                                          flatColorAdjustment_, Color(), parentColor, Transparent(), false);
    if (!Transparent()) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(inside);
    }
    canvas->Brush()->SetStyle(bsClear);
    if (rotation_ == roCurve)
        DrawCurvedText();
    else
        DrawLabelText();
}

template <typename DrawAt>
void TSkLabel::DrawStyleCopies(DrawAt Draw, int ShadowOffset)
{
    switch (textStyle_) {
    case tsRaised:
        if (!lightTextStyle_)
            Draw(1, 1, shadowColor_);
        Draw(-1, -1, highlightColor_);
        break;
    case tsRecessed:
        Draw(1, 1, highlightColor_);
        if (!lightTextStyle_)
            Draw(-1, -1, shadowColor_);
        break;
    case tsShadow:
        Draw(ShadowOffset, ShadowOffset, shadowColor_);
        break;
    case tsNormal:
        break;
    }
}

void TSkLabel::DrawLabelText()
{
    TCanvas *canvas = Canvas();
    TRect r = Rect(0, 0, Width(), Height());
    AdjustRectForBorders(r, true);
    r.Inflate(-textMargin_, -textMargin_);
    const unsigned flags = DrawFlags();
    canvas->SetFont(Font());
    const bool enabled = EnabledInParents();
    if (rotation_ == roNone) {
        TRect place = r;
        if (Layout() != tlTop) {
            TRect calc = r;
            const int h = canvas->DrawText(Caption(), calc, flags | DT_CALCRECT);
            place.Offset(0, Layout() == tlCenter ? (r.Height() - h) / 2 : r.Height() - h);
        }
        if (textStyle_ == tsShadow) {
            if (Alignment() == taRightJustify)
                place.Offset(-shadowDepth_, 0);
            if (Layout() == tlBottom)
                place.Offset(0, -shadowDepth_);
        }
        const unsigned all = flags | (condenseCaption_ == ccAtEnd ? unsigned(DT_END_ELLIPSIS)
                                      : condenseCaption_ == ccWithinPath ? unsigned(DT_PATH_ELLIPSIS) : 0u);
        auto draw = [&](int dx, int dy, TColor colour) {
            TRect at = place;
            at.Offset(dx, dy);
            canvas->Font()->SetColor(colour);
            DrawTextInRect(canvas, Caption(), at, all);
        };
        if (enabled) {
            DrawStyleCopies(draw, shadowDepth_);
            draw(0, 0, currentColor_);
        } else {
            draw(0, 0, clGrayText);
        }
        return;
    }
    // roFlat: the text turned about an anchor point.
    const int e = textStyle_ == tsShadow ? shadowDepth_ / 2 : 0;
    const int ppHeight = canvas->TextHeight(QStringLiteral("Pp"));
    const int w = canvas->TextWidth(Caption()) + e;
    const int h = ppHeight + e;
    const double d = ppHeight / 4.0;
    const double phi = (angle_ + 90) * Pi / 180;
    int x = Width() / 2, y = Height() / 2;
    unsigned align = TA_CENTER | TA_BASELINE;
    const TAlignment a = Alignment();
    switch (angle_) {
    case 0:
        align = a == taCenter ? TA_CENTER | TA_TOP : TA_LEFT | TA_TOP;
        if (a == taRightJustify)
            x = r.Right - w - e;
        else if (a == taLeftJustify)
            x = r.Left + e;
        y -= h / 2;
        break;
    case 90:
        align = TA_LEFT | TA_BASELINE;
        x -= Rnd(d * std::cos(phi));
        y = a == taCenter ? r.Bottom - (r.Bottom - w) / 2 : a == taRightJustify ? r.Top + w + e : r.Bottom - e;
        break;
    case 180:
        align = TA_LEFT | TA_BASELINE;
        x = a == taCenter ? r.Right - (r.Right - w) / 2 : a == taRightJustify ? r.Left + w : r.Right - e;
        y -= h / 4;
        break;
    case 270:
        align = TA_LEFT | TA_BASELINE;
        x -= Rnd(d * std::cos(phi));
        y = a == taCenter ? (r.Bottom - w) / 2 : a == taRightJustify ? r.Bottom - w - e : r.Top + e;
        break;
    default:
        x -= Rnd(d * std::cos(phi));
        y += Rnd(d * std::sin(phi));
        break;
    }
    const std::unique_ptr<TFont> turned = CreateRotatedFont(*Font(), angle_);
    canvas->SetFont(turned.get());
    const unsigned oldAlign = canvas->TextAlign();
    canvas->SetTextAlign(align);
    auto draw = [&](int dx, int dy, TColor colour) {
        canvas->Font()->SetColor(colour);
        canvas->TextRect(r, x + dx, y + dy, Caption());
    };
    if (enabled) {
        DrawStyleCopies(draw, e);
        draw(textStyle_ == tsShadow ? -e : 0, textStyle_ == tsShadow ? -e : 0, currentColor_);
    } else {
        draw(0, 0, clGrayText);
    }
    canvas->SetTextAlign(oldAlign);
    canvas->SetFont(Font());
}

void TSkLabel::DrawCurvedText()
{
    TCanvas *canvas = Canvas();
    canvas->SetFont(Font());
    const int b = borderWidth_, W = Width(), H = Height(), m = 2 * b;
    int cx = W / 2, cy = H / 2, rx = W / 2 - m, ry = H / 2 - m;
    switch (centerPoint_) {
    case cpUpperLeft: cx = b; cy = b; rx = W - m; ry = H - m; break;
    case cpUpperCenter: cy = b; ry = H - m; break;
    case cpUpperRight: cx = W - b; cy = b; rx = W - m; ry = H - m; break;
    case cpLeftCenter: cx = b; rx = W - m; break;
    case cpCenter: break;
    case cpRightCenter: cx = W - b; rx = W - m; break;
    case cpLowerLeft: cx = b; cy = H - b; rx = W - m; ry = H - m; break;
    case cpLowerCenter: cy = H - b; ry = H - m; break;
    case cpLowerRight: cx = W - b; cy = H - b; rx = W - m; ry = H - m; break;
    }
    if (rx <= 0)
        return;
    const unsigned oldAlign = canvas->TextAlign();
    canvas->SetTextAlign(TA_CENTER | TA_BASELINE);
    const int t = canvas->TextHeight(QStringLiteral("Yy"));
    const int step = canvas->TextWidth(QStringLiteral("w")) + 2;
    const bool enabled = EnabledInParents();
    double a = angle_ * Pi / 180;
    for (QChar ch : Caption()) {
        const int x = cx - Rnd((rx - t) * std::sin(a));
        const int y = cy - Rnd((ry - t) * std::cos(a));
        const std::unique_ptr<TFont> turned = CreateRotatedFont(*Font(), 0);
        turned->SetOrientation(Rnd(a * 1800 / Pi));
        canvas->SetFont(turned.get());
        auto draw = [&](int dx, int dy, TColor colour) {
            canvas->Font()->SetColor(colour);
            canvas->TextOut(x + dx, y + dy, QString(ch));
        };
        DrawStyleCopies(draw, shadowDepth_);
        if (enabled) {
            draw(0, 0, currentColor_);
        } else {
            draw(1, 1, clBtnHighlight);
            draw(0, 0, clBtnShadow);
        }
        a -= double(step) / rx;
    }
    canvas->SetTextAlign(oldAlign);
    canvas->SetFont(Font());
}

void TSkLabel::UpdateFromFrameController()
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

void TSkLabel::SetFrameController(TSkFrameController *Value)
{
    TSkFrameController::Attach(frameController_, Value, this);
}

void TSkLabel::SetAngle(int Value)
{
    Value %= 360;
    if (Value < 0)
        Value += 360;
    if (Value == angle_)
        return;
    angle_ = Value;
    if (!Loading() && angle_ != 0)
        UseVerdanaUnlessTrueType();
    if (angle_ != 0 && rotation_ == roNone)
        rotation_ = roFlat;
    AdjustBounds();
    Invalidate();
}

void TSkLabel::SetRotation(TRotation Value)
{
    if (Value == rotation_)
        return;
    rotation_ = Value;
    if (!Loading() && Value != roNone)
        UseVerdanaUnlessTrueType();
    if (Value != roCurve)
        angle_ = 0;
    if (Value == roFlat)
        centerPoint_ = cpCenter;
    Invalidate();
}

void TSkLabel::SetBlinking(bool Value)
{
    if (Value == blinking_)
        return;
    blinking_ = Value;
    if (!Value) {
        blinkState_ = bsOff;
        currentColor_ = fontColor_;
        Invalidate();
    }
}

int TSkLabel::BlinkIntervalOff() const { return BlinkingControls ? BlinkingControls->IntervalOff() : 500; }
int TSkLabel::BlinkIntervalOn() const { return BlinkingControls ? BlinkingControls->IntervalOn() : 500; }

void TSkLabel::SetBlinkIntervalOff(int Value)
{
    if (BlinkingControls)
        BlinkingControls->SetIntervalOff(static_cast<std::uint16_t>(Value));
}

void TSkLabel::SetBlinkIntervalOn(int Value)
{
    if (BlinkingControls)
        BlinkingControls->SetIntervalOn(static_cast<std::uint16_t>(Value));
}

void TSkLabel::SetCondenseCaption(TSkCondenseCaption Value)
{
    if (Change(condenseCaption_, Value) && Value != ccNone)
        SetAutoSize(false);
}

void TSkLabel::SetFlyByEnabled(bool Value)
{
    if (Value == flyByEnabled_)
        return;
    flyByEnabled_ = Value;
    // Turned off while the pointer is over the label: the colour comes back.
    if (!Value && MouseInControl())
        Font()->SetColor(origColor_);
}

void TSkLabel::SetBevelWidth(int Value)
{
    if (Change(bevelWidth_, Value))
        AdjustBounds();
}

void TSkLabel::SetBorderInner(TFrameStyleEx Value)
{
    if (Change(borderInner_, Value))
        AdjustBounds();
}

void TSkLabel::SetBorderOuter(TFrameStyleEx Value)
{
    if (Change(borderOuter_, Value))
        AdjustBounds();
}

void TSkLabel::SetBorderSides(TSides Value)
{
    if (Change(borderSides_, Value))
        AdjustBounds();
}

void TSkLabel::SetBorderWidth(int Value)
{
    if (Change(borderWidth_, Value))
        AdjustBounds();
}

void TSkLabel::SetBlinkColor(TColor Value) { Change(blinkColor_, Value); }
void TSkLabel::SetBorderColor(TColor Value) { Change(borderColor_, Value); }
void TSkLabel::SetBorderHighlight(TColor Value) { Change(borderHighlight_, Value); }
void TSkLabel::SetBorderShadow(TColor Value) { Change(borderShadow_, Value); }
void TSkLabel::SetFlatColor(TColor Value) { Change(flatColor_, Value); }
void TSkLabel::SetFlatColorAdjustment(int Value) { Change(flatColorAdjustment_, Value); }
void TSkLabel::SetCenterPoint(TCenterPoint Value) { Change(centerPoint_, Value); }
void TSkLabel::SetFlyByColor(TColor Value) { Change(flyByColor_, Value); }
void TSkLabel::SetLightTextStyle(bool Value) { Change(lightTextStyle_, Value); }
void TSkLabel::SetTextMargin(int Value) { Change(textMargin_, Value); }
void TSkLabel::SetTextStyle(TTextStyle Value) { Change(textStyle_, Value); }
void TSkLabel::SetHighlightColor(TColor Value) { Change(highlightColor_, Value); }
void TSkLabel::SetShadowColor(TColor Value) { Change(shadowColor_, Value); }
void TSkLabel::SetShadowDepth(int Value) { Change(shadowDepth_, Value); }
