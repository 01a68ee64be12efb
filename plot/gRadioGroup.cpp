#include "gRadioGroup.h"

#include "Strings.h"
#include "VirtualKeys.h"
#include "gDrawing.h"
#include "gValueChange.h"

#include <cmath>

namespace {

// The sunken ring of a mark, 12 x 12 pixels from (centre X - 5, centre Y - 6):
// the outer edge in button shadow (S) and highlight (H), the inner edge in
// dark shadow (D) and button face (F); dots are left as they are.
const char *const kRing[12] = {
    "....SSSS....", "..SSDDDDSS..", ".SDD....FFH.", ".SD......FH.", "SD........FH", "SD........FH",
    "SD........FH", "SD........FH", ".SD......FH.", ".HFF....FFH.", "..HHFFFFHH..", "....HHHH....",
};

TColor RingColour(char C)
{
    switch (C) {
    case 'S': return clBtnShadow;
    case 'D': return cl3DDkShadow;
    case 'F': return clBtnFace;
    default: return clBtnHighlight;
    }
}

} // namespace

TgRadioGroup::TgRadioGroup(TComponent *AOwner) : TgCustomComponent(AOwner), FItems(std::make_unique<TStringList>())
{
    SetParentFont(false);
    SetTabStop(true);
    SetTransparent(true);
    FItems->OnChange = [this](TObject *) { ItemsChanged(); };
    SetCaption(QStringLiteral("Radio Group"));
    SetBounds(Left(), Top(), 97, 17);
}

TgRadioGroup::~TgRadioGroup() = default;

// -- properties -------------------------------------------------------------

TStrings *TgRadioGroup::Items() const
{
    return FItems.get();
}

void TgRadioGroup::SetItems(TStrings *Value)
{
    FItems->Assign(Value);
}

int TgRadioGroup::Count() const
{
    return FItems->Count();
}

void TgRadioGroup::SetItemIndex(int Value)
{
    const int a = std::clamp(Value, -1, Count() - 1);
    if (a == FItemIndex)
        return;
    FItemIndex = a;
    FMouseDownIndex = a;
    InvalidateChange();
    DoChange();
}

void TgRadioGroup::SetColumns(int Value)
{
    if (Value <= 0 || Value == FColumns)
        return;
    FColumns = Value;
    InvalidateChange();
}

void TgRadioGroup::ItemsChanged()
{
    FItemIndex = std::clamp(FItemIndex, -1, Count() - 1);
    InvalidateChange();
}

void TgRadioGroup::TextChanged()
{
    TgCustomComponent::TextChanged();
    InvalidateChange();
}

void TgRadioGroup::FontChanged()
{
    TgCustomComponent::FontChanged();
    ItemsChanged();
}

void TgRadioGroup::DoChange()
{
    FireValueChange(this, aliveToken_, QStringLiteral("ItemIndex"), OnChange, OnChangeUser);
}

// -- layout and painting ----------------------------------------------------

TPoint TgRadioGroup::ItemCentre(int Index) const
{
    const int row = Index % std::max(FMaxRows, 1);
    const int column = Index / std::max(FMaxRows, 1);
    return {FItemsColStart + int(std::nearbyint(column * FItemsColSpacing)),
            FItemsRowStart + int(std::nearbyint(row * FItemsRowSpacing))};
}

int TgRadioGroup::ItemAtPoint(int X, int Y) const
{
    // Marks less than a pixel apart cannot be told apart (nor divided by).
    if (FItemsRowSpacing < 1 || (FColumns > 1 && FItemsColSpacing < 1))
        return -1;
    const int row = int(std::nearbyint((Y - FItemsRowStart) / FItemsRowSpacing));
    int index = row;
    if (FColumns > 1) {
        const int column = int(std::trunc((X - FItemsColStart + 6) / FItemsColSpacing));
        if (row < 0 || row >= FMaxRows || column < 0 || column >= FColumns)
            return -1;
        index = row + column * FMaxRows;
    }
    return index >= 0 && index < Count() ? index : -1;
}

void TgRadioGroup::DrawMark(TCanvas *Canvas, int Index, TPoint Centre)
{
    const int cx = Centre.X, cy = Centre.Y;
    const bool pressed = (FMouseIsDown || FKeyIsDown) && Index == FMouseDownIndex;
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(pressed ? clBtnFace : clWhite);
    Canvas->FillRect(TRect(cx - 3, cy - 4, cx + 5, cy + 4));
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12;) {
            const char c = kRing[y][x];
            int run = x;
            while (run < 12 && kRing[y][run] == c)
                ++run;
            if (c != '.') {
                Canvas->Brush()->SetColor(RingColour(c));
                Canvas->FillRect(TRect(cx - 5 + x, cy - 6 + y, cx - 5 + run, cy - 5 + y));
            }
            x = run;
        }
    }
}

void TgRadioGroup::PaintToCanvas(TCanvas *Canvas)
{
    DrawBackGround(Canvas, BackGroundColor());
    Canvas->SetFont(Font());
    const int cw = Canvas->TextWidth(QStringLiteral("A"));
    const int th = Canvas->TextHeight(QStringLiteral("ABC"));
    const int h = th / 2;
    const int w = Width(), hh = Height();

    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(clBtnShadow);
    Canvas->Polyline({{0, h}, {w - 2, h}, {w - 2, hh - 2}, {0, hh - 2}, {0, h}});
    Canvas->Pen()->SetColor(clBtnHighlight);
    Canvas->Polyline({{1, h + 1}, {w - 2, h + 1}});
    Canvas->Polyline({{1, h + 1}, {1, hh - 1}});
    Canvas->Polyline({{w - 1, h + 1}, {w - 1, hh - 1}});
    Canvas->Polyline({{w - 1, hh - 1}, {0, hh - 1}});

    TRect caption(cw, 0, cw + Canvas->TextWidth(Caption()), Canvas->TextHeight(Caption()));
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clWindow);
    Canvas->FillRect(caption);
    Canvas->Brush()->SetStyle(bsClear);
    DrawTextWithFlags(Canvas, Caption(), caption, itfLeft | itfVCenter, Enabled(), BackGroundColor());

    const int count = Count();
    if (count == 0)
        return;
    FMaxRows = count / FColumns + (count % FColumns != 0 ? 1 : 0);
    FItemsRowSpacing = (hh - th - th / 4) / FMaxRows;
    FItemsRowStart = th + int(std::nearbyint(FItemsRowSpacing / 2));
    FItemsColStart = 14;
    FItemsColSpacing = (w - 14) / FColumns;

    for (int i = 0; i < count; ++i) {
        const TPoint c = ItemCentre(i);
        DrawMark(Canvas, i, c);
        const QString text = FItems->Get(i);
        const int ith = Canvas->TextHeight(text);
        TRect r(c.X + 12, c.Y - ith / 2, c.X + 12 + Canvas->TextWidth(text), c.Y + ith / 2);
        const TRect textRect = r;
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Font()->SetColor(Font()->Color());
        DrawTextWithFlags(Canvas, text, r, itfLeft | itfVCenter | itfNoClip, Enabled(), BackGroundColor());
        if (i == FItemIndex) {
            Canvas->Pen()->SetColor(clBlack);
            Canvas->Brush()->SetStyle(bsSolid);
            Canvas->Brush()->SetColor(clBlack);
            Canvas->Ellipse(c.X - 1, c.Y - 2, c.X + 3, c.Y + 2);
        }
        const int focused = FMouseIsDown ? FMouseDownIndex : FItemIndex;
        if (HasFocus() && i == focused) {
            Canvas->Font()->SetColor(clWhite);
            Canvas->Brush()->SetStyle(bsSolid);
            Canvas->Brush()->SetColor(clBlack);
            DrawFocusRectangle(Canvas, TRect(textRect.Left - 1, textRect.Top - 1, textRect.Right + 1, textRect.Bottom + 3));
        }
    }
}

// -- input ------------------------------------------------------------------

void TgRadioGroup::IsWantedKey(Word &Key, int &Result)
{
    if (Key >= VK_LEFT && Key <= VK_DOWN)
        Result = 1;
}

void TgRadioGroup::gKeyDown(Word &Key, TShiftState)
{
    FKeyIsDown = true;
    const int count = Count();
    int next = FItemIndex;
    if (Key == VK_RIGHT || Key == VK_DOWN) {
        Key = 0;
        next = FItemIndex + 1 >= count ? 0 : FItemIndex + 1;
    } else if (Key == VK_LEFT || Key == VK_UP) {
        Key = 0;
        next = FItemIndex - 1;
        if (FItemIndex == 0)
            next = count - 1;
    } else {
        InvalidateChange();
        return;
    }
    SetItemIndex(next); // the key handler runs with UserGenerated set
    InvalidateChange();
}

void TgRadioGroup::gKeyUp(Word &, TShiftState)
{
    FKeyIsDown = false;
    InvalidateChange();
}

void TgRadioGroup::gMouseDown(TMouseButton Button, TShiftState, int X, int Y)
{
    if (Button != mbLeft)
        return;
    if (CanFocus())
        SetFocus();
    FMouseIsDown = true;
    FMouseDownIndex = ItemAtPoint(X, Y);
    InvalidateChange();
}

void TgRadioGroup::gMouseMove(TShiftState, int X, int Y)
{
    if (!FMouseIsDown)
        return;
    FMouseDownIndex = ItemAtPoint(X, Y);
    InvalidateChange();
}

void TgRadioGroup::gMouseUp(TMouseButton, TShiftState, int X, int Y)
{
    if (!FMouseIsDown)
        return;
    InvalidateChange();
    FMouseIsDown = false;
    if (UserGenerated() && FMouseDownIndex >= 0 && FMouseDownIndex < Count() &&
        ItemAtPoint(X, Y) == FMouseDownIndex)
        SetItemIndex(FMouseDownIndex);
}

void TgRadioGroup::DoKillFocus()
{
    FMouseIsDown = false;
    FKeyIsDown = false;
    InvalidateChange();
    TgCustomComponent::DoKillFocus();
}

void TgRadioGroup::DoSetFocus()
{
    TgCustomComponent::DoSetFocus();
    InvalidateNow();
}

// -- published --------------------------------------------------------------

const TPublishedClass *TgRadioGroup::StaticPublished()
{
    using C = TgRadioGroup;
    static const TPublishedClass info =
        TPublishedBuilder<C>(TgComponent::StaticPublished())
            .String("Caption", [](C *c) { return c->Caption(); }, [](C *c, const QString &v) { c->SetCaption(v); })
            .Object("Font", [](C *c) { return c->Font(); })
            .Object("Items", [](C *c) { return c->Items(); })
            .Integer("ItemIndex", &C::ItemIndex, &C::SetItemIndex, 0)
            .Integer("Columns", &C::Columns, &C::SetColumns, 1)
            .Integer("BackGroundColor", &C::BackGroundColor, &C::SetBackGroundColor, clBtnFace)
            .Bool("TabStop", &C::TabStop, &C::SetTabStop, true)
            .Build();
    return &info;
}

const TPublishedClass *TgRadioGroup::PublishedClass() const
{
    return StaticPublished();
}
