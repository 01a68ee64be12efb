#include "SkGroupBox.h"

#include "SkColorUtils.h"
#include "SkFrames.h"
#include "SkTextUtils.h"

TSkCustomGroupBox::TSkCustomGroupBox(TComponent *AOwner)
    : TSkCustomPanel(AOwner), captionFont_(std::make_unique<TFont>())
{
    SetControlStyle(ControlStyle().Include(csSetCaption).Include(csDoubleClicks));
    SetBorderOuter(fsNone);
    SetBorderInner(fsNone);
    SetAlignment(taLeftJustify);
    SetAlignmentVertical(avTop);
    SetHeight(105);
    copyingFont_ = true;
    captionFont_->Assign(Font());
    copyingFont_ = false;
    captionFont_->OnChange = [this](TObject *) {
        if (!copyingFont_)
            captionFontChanged_ = true;
        Invalidate();
    };
}

TSkCustomGroupBox::~TSkCustomGroupBox()
{
    captionFont_->OnChange = nullptr;
}

int TSkCustomGroupBox::LayoutCaptionHeight()
{
    TCanvas measure;
    measure.SetFont(Font());
    return measure.TextHeight(QStringLiteral("Yy"));
}

int TSkCustomGroupBox::PaintCaptionHeight()
{
    TCanvas measure;
    measure.SetFont(captionFont_.get());
    return measure.TextHeight(QStringLiteral("Pp"));
}

void TSkCustomGroupBox::AdjustClientRect(TRect &Rect)
{
    TSkCustomPanel::AdjustClientRect(Rect);
    const int hc = LayoutCaptionHeight();
    switch (groupStyle_) {
    case gsStandard:
    case gsFlat: {
        const int a = hc / 2 - 1;
        Rect.Top += a >= BorderWidth() ? hc - BorderWidth() : a;
        const int shrink = groupStyle_ == gsStandard ? 2 : 1;
        Rect.Inflate(-shrink, -shrink);
        break;
    }
    case gsCustom:
        if (!Caption().isEmpty())
            Rect.Top += hc;
        Rect.Inflate(-2, -2);
        break;
    case gsTopLine:
        Rect.Top += hc;
        break;
    case gsBanner:
        Rect.Top += bannerHeight_ != 0 ? bannerHeight_ : hc + 8;
        break;
    case gsUnderline:
        Rect.Top += hc + 4;
        break;
    }
}

TRect TSkCustomGroupBox::CaptionRect()
{
    if (Caption().isEmpty() || groupStyle_ == gsCustom)
        return TRect();
    TCanvas *canvas = Canvas();
    const TSize size = canvas->TextExtent(StripAccelerators(Caption()));
    const int w = Width();
    switch (groupStyle_) {
    case gsStandard:
    case gsFlat: return Rect(8, 0, 8 + size.cx, size.cy);
    case gsTopLine: return Rect(0, 0, size.cx + 4, size.cy);
    case gsBanner: return Rect(0, 0, w, bannerHeight_ != 0 ? bannerHeight_ : size.cy + 6);
    case gsUnderline: return Rect(0, 0, w, size.cy + 2);
    case gsCustom: break;
    }
    return TRect();
}

void TSkCustomGroupBox::Paint()
{
    TCanvas *canvas = Canvas();
    if (groupStyle_ == gsCustom) {
        TSkCustomPanel::Paint();
        return;
    }
    canvas->SetFont(captionFont_.get());
    const int hp = PaintCaptionHeight();
    TRect c = CaptionRect();
    const int f = hp / 2 - 1;
    const TRect frame(0, f, Width(), Height());
    const TColor flat = AdjustColorLightness(FlatColor(), FlatColorAdjustment());
    canvas->SaveState();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    if (!Transparent())
        canvas->FillRect(Rect(0, 0, Width(), Height()));
    else if (groupStyle_ != gsBanner && !c.IsEmpty())
        canvas->ExcludeClipRect(c);
    auto line = [&](int x1, int y1, int x2, int y2, TColor colour) {
        canvas->Pen()->SetColor(colour);
        canvas->MoveTo(x1, y1);
        canvas->LineTo(x2, y2);
    };
    const TSides all = sdAllSides;
    switch (groupStyle_) {
    case gsStandard:
        if (BorderOuter() == fsNone)
            PaintFrameSides(canvas, frame, fsGroove, all);
        else if (BorderOuter() == fsFlat)
            PaintFlatOutline(canvas, frame, flat);
        else if (BorderOuter() == fsFlatBold)
            PaintBevelRings(canvas, frame, flat, flat, 2, all);
        else
            PaintFrameSides(canvas, frame, BorderOuter(), all);
        break;
    case gsTopLine:
        if (BorderOuter() == fsNone) {
            PaintFrameSides(canvas, frame, fsGroove, TSides{sdTop});
        } else if (BorderOuter() == fsFlat || BorderOuter() == fsFlatBold) {
            line(frame.Left + 2, frame.Top, frame.Right - 2, frame.Top, flat);
            if (BorderOuter() == fsFlatBold)
                line(frame.Left + 2, frame.Top + 1, frame.Right - 2, frame.Top + 1, flat);
        } else {
            PaintFrameSides(canvas, frame, BorderOuter(), TSides{sdTop});
        }
        break;
    case gsFlat: {
        const TRect &F = frame;
        line(F.Left, F.Top + 2, F.Left, F.Bottom - 2, flat);
        line(F.Left + 2, F.Top, F.Right - 2, F.Top, flat);
        line(F.Right - 1, F.Top + 2, F.Right - 1, F.Bottom - 2, flat);
        line(F.Left + 2, F.Bottom - 1, F.Right - 2, F.Bottom - 1, flat);
        for (TPoint p : {TPoint(F.Left + 1, F.Top + 1), TPoint(F.Right - 2, F.Top + 1), TPoint(F.Right - 2, F.Bottom - 2),
                         TPoint(F.Left + 1, F.Bottom - 2)})
            canvas->SetPixel(p.X, p.Y, flat);
        break;
    }
    case gsBanner: {
        TColor start, stop, lineColour;
        if (GradientColorStyle() == gcsCustom) {
            start = GradientColorStart();
            stop = GradientColorStop();
            lineColour = flat;
        } else {
            GetBannerColors(GradientColorStyle(), start, stop, lineColour);
        }
        line(c.Left, c.Top + 1, c.Left, c.Bottom - 1, lineColour);
        line(c.Left + 1, c.Top, c.Right - 1, c.Top, lineColour);
        line(c.Right - 1, c.Top + 1, c.Right - 1, c.Bottom - 1, lineColour);
        line(c.Left + 1, c.Bottom - 1, c.Right - 1, c.Bottom - 1, lineColour);
        // A two-colour band from the start colour at the top.
        TRect band = c;
        band.Inflate(-1, -1);
        for (int y = band.Top; y < band.Bottom; ++y) {
            const int weight = band.Height() > 1 ? 255 - 255 * (y - band.Top) / (band.Height() - 1) : 255;
            canvas->Brush()->SetColor(MixColors(start, stop, static_cast<std::uint8_t>(weight)));
            canvas->FillRect(Rect(band.Left, y, band.Right, y + 1));
        }
        break;
    }
    case gsUnderline:
        line(c.Left, c.Bottom, c.Right, c.Bottom, flat);
        break;
    case gsCustom:
        break;
    }
    canvas->RestoreState();
    if (!Caption().isEmpty()) {
        if (!Transparent() && groupStyle_ != gsBanner) {
            canvas->Brush()->SetColor(Color());
            canvas->FillRect(c);
        }
        if (groupStyle_ == gsBanner)
            c = TRect(c.Left + 4, c.Top + 1, c.Right - 4, c.Bottom - 1);
        canvas->Brush()->SetStyle(bsClear);
        canvas->Font()->SetColor(EnabledInParents() ? captionFont_->Color() : clGrayText);
        unsigned flags = DT_SINGLELINE | DT_VCENTER;
        flags |= Alignment() == taRightJustify ? DT_RIGHT : Alignment() == taCenter ? DT_CENTER : DT_LEFT;
        canvas->DrawText(Caption(), c, flags);
        canvas->Brush()->SetStyle(bsSolid);
    }
    canvas->SetFont(Font());
    if (OnPaint)
        OnPaint(this);
}

void TSkCustomGroupBox::UpdateFromFrameController()
{
    if (FrameController() && FrameController()->FrameVisible() && groupStyle_ == gsCustom)
        TSkCustomPanel::UpdateFromFrameController();
}

void TSkCustomGroupBox::SetBannerHeight(int Value)
{
    if (Change(bannerHeight_, Value))
        Realign();
}

void TSkCustomGroupBox::SetGroupStyle(TSkGroupBoxStyle Value)
{
    if (Change(groupStyle_, Value))
        Realign();
}

void TSkCustomGroupBox::FontChanged()
{
    TSkCustomPanel::FontChanged();
    if (!captionFontChanged_) {
        copyingFont_ = true;
        captionFont_->Assign(Font());
        copyingFont_ = false;
    }
    Realign();
    Invalidate();
}

void TSkCustomGroupBox::TextChanged()
{
    TSkCustomPanel::TextChanged();
    Realign(); // gsCustom moves its children below a caption
    Invalidate();
}

bool TSkCustomGroupBox::DialogChar(QChar Key)
{
    if (!IsAccel(Key, Caption()) || !CanFocus())
        return false;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto *w = dynamic_cast<TWinControl *>(Controls(i)); w && w->CanFocus()) {
            w->SetFocus();
            return true;
        }
    return false;
}
