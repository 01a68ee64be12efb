#include "gCheckBox.h"

#include "Bitmap.h"
#include "VirtualKeys.h"
#include "gDrawing.h"
#include "gValueChange.h"

#include <QVariant>

TgCheckBox::TgCheckBox(TComponent *AOwner) : TgCustomComponent(AOwner)
{
    SetParentFont(false);
    SetTabStop(true);
    SetTransparent(true);
    SetCaption(QStringLiteral("Caption"));
    SetBounds(Left(), Top(), 97, 17);
}

// -- properties -------------------------------------------------------------

void TgCheckBox::SetChecked(bool Value)
{
    if (Value == FChecked)
        return;
    bool canEdit = true;
    if (FOnRequestEdit)
        FOnRequestEdit(this, QStringLiteral("Checked"), canEdit);
    if (!canEdit)
        return;
    FChecked = Value;
    InvalidateChange();
    DoChange();
    OPCPropertyChanged(QStringLiteral("Checked"), QVariant(Value));
}

void TgCheckBox::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    InvalidateChange();
}

void TgCheckBox::SetAutoSize(bool Value)
{
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    AdjustSize();
    InvalidateChange();
}

void TgCheckBox::TextChanged()
{
    TgCustomComponent::TextChanged();
    AdjustSize();
    InvalidateChange();
}

void TgCheckBox::FontChanged()
{
    TgCustomComponent::FontChanged();
    AdjustSize();
    InvalidateChange();
}

void TgCheckBox::DoChange()
{
    FireValueChange(this, aliveToken_, QStringLiteral("Checked"), OnChange, OnChangeUser);
}

void TgCheckBox::AdjustSize()
{
    if (!FAutoSize || IsLoading() || FDoingAutoSize)
        return;
    FDoingAutoSize = true;
    TBitmap scratch(1, 1);
    TCanvas *c = scratch.Canvas();
    c->SetFont(Font());
    const int w = c->TextWidth(Caption()) + 20;
    const int h = c->TextHeight(Caption()) + 4;
    int left = Left();
    if (FAlignment == taLeftJustify && w != Width())
        left += Width() - w;
    SetBounds(left, Top(), w, h);
    FDoingAutoSize = false;
}

// -- painting ---------------------------------------------------------------

void TgCheckBox::PaintToCanvas(TCanvas *Canvas)
{
    DrawBackGround(Canvas, BackGroundColor());
    Canvas->SetFont(Font());
    Canvas->Brush()->SetStyle(bsSolid);

    const int m = Height() / 2;
    const int tw = Canvas->TextWidth(Caption());
    const int th = Canvas->TextHeight(Caption());
    const int top = m - th / 2 - 1;
    TRect box, caption;
    if (FAlignment == taLeftJustify) {
        box = TRect(Width() - 13, m - 7, Width(), m + 6);
        caption = TRect(1, top, tw + 1, top + th);
    } else {
        box = TRect(0, m - 7, 13, m + 6);
        caption = TRect(18, top, tw + 18, top + th);
    }

    const bool pressed = FMouseIsDown || FKeyIsDown;
    Canvas->Brush()->SetColor(pressed || !Enabled() ? BackGroundColor() : clWhite);
    Canvas->FillRect(box);
    DrawBorderFrame(Canvas, box, 0);

    Canvas->Brush()->SetStyle(bsClear);
    TRect text = caption;
    DrawTextWithFlags(Canvas, Caption(), text, itfLeft | itfVCenter, Enabled(), BackGroundColor());

    if (FChecked) {
        Canvas->Pen()->SetStyle(psSolid);
        Canvas->Pen()->SetWidth(1);
        Canvas->Pen()->SetColor(clBlack);
        for (int k = 0; k < 3; ++k)
            Canvas->Polyline({{box.Left + 3, m - k}, {box.Left + 5, m + 2 - k}, {box.Left + 10, m - 3 - k}});
    }

    if (HasFocus()) {
        TRect f(std::max(caption.Left - 1, 0), std::max(caption.Top - 1, 0), std::min(caption.Right + 1, Width() - 1),
                std::min(caption.Bottom + 2, Height() - 1));
        Canvas->Font()->SetColor(clWhite);
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(clBlack);
        DrawFocusRectangle(Canvas, f);
    }
}

// -- input ------------------------------------------------------------------

void TgCheckBox::gMouseDown(TMouseButton Button, TShiftState, int, int)
{
    if (Button != mbLeft)
        return;
    if (CanFocus())
        SetFocus();
    FMouseIsDown = true;
    InvalidateChange();
}

void TgCheckBox::gMouseUp(TMouseButton, TShiftState, int X, int Y)
{
    if (!FMouseIsDown)
        return;
    InvalidateChange();
    FMouseIsDown = false;
    if (UserGenerated() && X >= 0 && Y >= 0 && X < Width() && Y < Height())
        SetChecked(!FChecked);
}

void TgCheckBox::gKeyDown(Word &Key, TShiftState)
{
    if (Key != VK_SPACE)
        return;
    FMouseIsDown = false;
    FKeyIsDown = true;
    InvalidateChange();
}

void TgCheckBox::gKeyUp(Word &Key, TShiftState)
{
    if (Key == VK_SPACE && FKeyIsDown) {
        InvalidateChange();
        if (UserGenerated())
            SetChecked(!FChecked);
    }
    FKeyIsDown = false;
}

void TgCheckBox::DoKillFocus()
{
    FMouseIsDown = false;
    FKeyIsDown = false;
    InvalidateChange();
    TgCustomComponent::DoKillFocus();
}

void TgCheckBox::DoSetFocus()
{
    TgCustomComponent::DoSetFocus();
    InvalidateNow();
}

// -- published --------------------------------------------------------------

const TPublishedClass *TgCheckBox::StaticPublished()
{
    using C = TgCheckBox;
    static const TPublishedClass info =
        TPublishedBuilder<C>(TgComponent::StaticPublished())
            .String("Caption", [](C *c) { return c->Caption(); }, [](C *c, const QString &v) { c->SetCaption(v); })
            .Bool("Checked", &C::Checked, &C::SetChecked, false)
            .Enumeration("Alignment", &C::Alignment, &C::SetAlignment,
                         {QStringLiteral("taLeftJustify"), QStringLiteral("taRightJustify")}, taRightJustify)
            .Bool("AutoSize", &C::AutoSize, &C::SetAutoSize, true)
            .Object("Font", [](C *c) { return c->Font(); })
            .Integer("BackGroundColor", &C::BackGroundColor, &C::SetBackGroundColor, clBtnFace)
            .Bool("TabStop", &C::TabStop, &C::SetTabStop, true)
            .Build();
    return &info;
}

const TPublishedClass *TgCheckBox::PublishedClass() const
{
    return StaticPublished();
}
