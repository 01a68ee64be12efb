#include "Label.h"

TCustomLabel::TCustomLabel(TComponent *AOwner) : TGraphicControl(AOwner)
{
    SetControlStyle(ControlStyle().Include(csReplicatable));
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

unsigned TCustomLabel::TextFlags() const
{
    unsigned f = DT_EXPANDTABS;
    f |= alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT;
    if (wordWrap_)
        f |= DT_WORDBREAK;
    else
        f |= DT_SINGLELINE | (layout_ == tlCenter ? DT_VCENTER : layout_ == tlBottom ? DT_BOTTOM : DT_TOP);
    if (!showAccelChar_)
        f |= DT_NOPREFIX;
    return f;
}

void TCustomLabel::Paint()
{
    TCanvas *c = Canvas();
    TRect r = ClientRect();
    if (!transparent_) {
        c->Brush()->SetColor(Color());
        c->FillRect(r);
    }
    c->Brush()->SetStyle(bsClear);
    c->SetFont(Font());
    TRect text = r;
    if (wordWrap_ && layout_ != tlTop) { // vertical placement of wrapped text
        TRect calc = r;
        int h = c->DrawText(Caption(), calc, TextFlags() | DT_CALCRECT);
        text.Top = layout_ == tlCenter ? r.Top + (r.Height() - h) / 2 : r.Bottom - h;
    }
    if (!EnabledInParents()) {
        TRect shifted = text;
        shifted.Offset(1, 1);
        c->Font()->SetColor(clBtnHighlight);
        c->DrawText(Caption(), shifted, TextFlags());
        c->Font()->SetColor(clBtnShadow);
    }
    c->DrawText(Caption(), text, TextFlags());
}

void TCustomLabel::AdjustBounds()
{
    if (!autoSize_ || ComponentState().Contains(csLoading))
        return;
    TCanvas measure;
    measure.SetFont(Font());
    TRect r = Rect(0, 0, wordWrap_ ? Width() : 0, 0);
    unsigned flags = TextFlags() & ~(DT_VCENTER | DT_BOTTOM | DT_CENTER | DT_RIGHT);
    measure.DrawText(Caption().isEmpty() ? QStringLiteral(" ") : Caption(), r, flags | DT_CALCRECT);
    int w = wordWrap_ ? Width() : r.Width();
    int left = alignment_ == taRightJustify && !wordWrap_ ? Left() + Width() - w : Left();
    SetBounds(left, Top(), w, r.Height());
}

void TCustomLabel::TextChanged()
{
    AdjustBounds();
    TGraphicControl::TextChanged();
}

void TCustomLabel::FontChanged()
{
    AdjustBounds();
    TGraphicControl::FontChanged();
}

void TCustomLabel::SetAlignment(TAlignment Value)
{
    if (Value == alignment_)
        return;
    alignment_ = Value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value)
{
    if (Value == layout_)
        return;
    layout_ = Value;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value)
{
    if (Value == autoSize_)
        return;
    autoSize_ = Value;
    AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool Value)
{
    if (Value == wordWrap_)
        return;
    wordWrap_ = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool Value)
{
    if (Value == transparent_)
        return;
    transparent_ = Value;
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value)
{
    if (Value == showAccelChar_)
        return;
    showAccelChar_ = Value;
    AdjustBounds();
    Invalidate();
}
