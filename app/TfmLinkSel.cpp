#include "TfmLinkSel.h"

#include "Artwork.h"
#include "ChannelLinkHost.h"
#include "DialogControls.h"
#include "DialogHost.h"
#include "Label.h"
#include "SkBmpButton.h"
#include "SkGroupBox.h"

namespace {

constexpr int kInputs = 0, kOutputs = 1;
constexpr int kColumnLeft = 60, kColumnStep = 54, kRowStep = 30;

// "A".."D" for the inputs, "1".."8" for the outputs.
QString Mark(int Side, int Index) { return Side == kInputs ? QString(QChar('A' + Index)) : QString::number(Index + 1); }
QString SideWord(int Side) { return Side == kInputs ? "In" : "Out"; }

} // namespace

TfmLinkSel::TfmLinkSel(TComponent *AOwner, DialogHost *Dialogs, ChannelLinkHost *Links)
    : TForm(AOwner, CreateNew), dialogs_(Dialogs), links_(Links)
{
    SetName("fmLinkSel");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption("Link Selection");
    SetClientWidth(kColumnLeft + 8 * kColumnStep + 20);
    SetClientHeight(470);
    sides_[kInputs].first = 0;
    sides_[kInputs].rows = 4;
    sides_[kOutputs].first = 4;
    sides_[kOutputs].rows = 8;
    BuildSide(kInputs, 8);
    BuildSide(kOutputs, 8 + 5 * kRowStep + 10);
    bnSet = PlaceControl<TSkBmpButton>(this, "bnSet", ClientWidth() - 180, 430, 75, 28, "Set");
    bnSet->OnClick = [this](TObject *) { bnSetClick(); };
    bnExit = PlaceControl<TSkBmpButton>(this, "bnExit", ClientWidth() - 95, 430, 75, 28, "Exit");
    bnExit->OnClick = [this](TObject *) { bnExitClick(); };
    EscapeClicks(this, bnExit);
    OnShow = [this](TObject *) { FormShow(); };
    // The main window's button faces: a row's down button reads as down.
    Artwork::PaintControls(this);
}

void TfmLinkSel::BuildSide(int SideIndex, int Top)
{
    Side &side = sides_[size_t(SideIndex)];
    const QString word = SideWord(SideIndex);
    for (int c = 0; c < side.rows; ++c) {
        const QString name = "lbLinkSel" + word + Mark(SideIndex, c);
        PlaceControl<TLabel>(this, name.toLatin1().constData(), kColumnLeft + c * kColumnStep + 10, Top, 40, 16,
                             word + Mark(SideIndex, c));
    }
    side.buttons.resize(size_t(side.rows));
    for (int r = 0; r < side.rows; ++r) {
        // The layout's name of the last input row is spelt "Linl".
        const QString rowName = (SideIndex == kInputs && r == 3 ? "skgLinlSel" : "skgLinkSel") + word + Mark(SideIndex, r);
        auto *row = PlaceControl<TSkGroupBox>(this, rowName.toLatin1().constData(), 8, Top + 20 + r * kRowStep,
                                              kColumnLeft + (r + 1) * kColumnStep, kRowStep - 2, "");
        const bool hasHandler = r > 0 && r < side.rows - 1;
        for (int c = 0; c <= r; ++c) {
            const QString name = "skb" + Mark(SideIndex, r) + "Link" + word + Mark(SideIndex, c);
            // Owned by the form, so that the form finds every grid button by name.
            auto *b = new TSkBmpButton(this);
            b->SetName(name);
            b->SetParent(row);
            b->SetBounds(kColumnLeft - 8 + c * kColumnStep, 2, kColumnStep - 4, kRowStep - 6);
            b->SetCaption(word + Mark(SideIndex, r));
            b->SetTag(c);
            b->SetGroupIndex(1);
            b->SetAllowAllUp(false);
            b->SetDown(c == r);
            // The first row has no handler; the last only on its diagonal.
            if (hasHandler || (r > 0 && c == r))
                b->OnClick = [this, SideIndex, r, b](TObject *) { RowClick(SideIndex, r, b); };
            side.buttons[size_t(r)].push_back(b);
        }
    }
}

TSkBmpButton *TfmLinkSel::Button(int SideIndex, int Row, int Column) const
{
    if (SideIndex < 0 || SideIndex > 1)
        return nullptr;
    const Side &side = sides_[size_t(SideIndex)];
    if (Row < 0 || Row >= side.rows || Column < 0 || Column > Row)
        return nullptr;
    return side.buttons[size_t(Row)][size_t(Column)];
}

void TfmLinkSel::Press(TSkBmpButton *Button)
{
    Button->SetDown(true);
    Button->Click();
}

void TfmLinkSel::RowClick(int SideIndex, int Row, TSkBmpButton *Sender)
{
    isGridChanged = 1;
    const bool leadsItself = Sender->Tag() == Row;
    for (int k = Row + 1;; ++k) {
        TSkBmpButton *b = Button(SideIndex, k, Row);
        if (!b)
            break;
        if (leadsItself) {
            b->SetEnabled(true);
            continue;
        }
        // Row can lead no group now: a row that chose it stands alone again.
        b->SetEnabled(false);
        if (b->Down())
            Press(Button(SideIndex, k, k));
    }
}

void TfmLinkSel::ShowChannelLinks(int Channel, int Mask)
{
    const int sideIndex = Channel < 4 ? kInputs : kOutputs;
    const int r = Channel - sides_[size_t(sideIndex)].first;
    for (int k = r;; ++k) {
        TSkBmpButton *b = Button(sideIndex, k, r);
        if (!b)
            break;
        if (Mask >> k & 1)
            Press(b);
    }
}

void TfmLinkSel::PublishLinkStates()
{
    for (int s = 0; s < 2; ++s)
        for (int r = 0; r < sides_[size_t(s)].rows; ++r) {
            const int ch = sides_[size_t(s)].first + r;
            const bool leads = Button(s, r, r)->Down();
            links_->RefreshLinkedShowButtons(ch, leads);
            if (leads)
                links_->SetLinkedMenuCaption(ch, ch);
        }
}

void TfmLinkSel::PublishLinkPairs()
{
    for (int s = 0; s < 2; ++s) {
        const Side &side = sides_[size_t(s)];
        for (int c = 0; c < side.rows; ++c)
            for (int r = c; r < side.rows; ++r)
                if (Button(s, r, c)->Down())
                    links_->SetLinkedMenuCaption(side.first + c, side.first + r);
    }
}

void TfmLinkSel::bnSetClick()
{
    bool changed = false;
    for (int s = 0; s < 2; ++s) {
        const Side &side = sides_[size_t(s)];
        for (int c = 0; c < side.rows; ++c) {
            const int leader = side.first + c;
            int mask = 0;
            for (int r = c; r < side.rows; ++r) {
                if (!Button(s, r, c)->Down())
                    continue;
                mask |= 1 << r;
                if (!(links_->GetLinkMask(leader) >> r & 1)) {
                    // Newly linked: the member takes its leader's settings.
                    links_->SetLinkedMenuCaption(leader, side.first + r);
                    links_->CopyChannel(leader, side.first + r, false);
                    changed = true;
                }
            }
            if (mask != links_->GetLinkMask(leader)) {
                links_->SetLinkMask(leader, mask);
                changed = true;
            }
        }
    }
    if (changed) {
        links_->ReloadAfterLinkChange();
        PublishLinkStates();
        links_->ShowGainPage();
    }
    Close();
    links_->SelectGeqInputA();
}

void TfmLinkSel::bnExitClick()
{
    if (isGridChanged)
        for (int c = 0; c < 12; ++c)
            ShowChannelLinks(c, links_->GetLinkMask(c));
    Close();
}

void TfmLinkSel::FormShow()
{
    SetCaption(dialogs_->Translate("SID_LINK_TITLE"));
    bnSet->SetCaption(dialogs_->Translate("SID_SET"));
    bnExit->SetCaption(dialogs_->Translate("SID_EXIT"));
    isGridChanged = 0;
}
