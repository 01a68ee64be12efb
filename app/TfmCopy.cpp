#include "TfmCopy.h"

#include "Artwork.h"
#include "ChannelLinkHost.h"
#include "ComboBox.h"
#include "DialogControls.h"
#include "DialogHost.h"
#include "Label.h"
#include "SkBmpButton.h"
#include "SkGroupBox.h"
#include "Strings.h"

namespace {

TComboBox *PlaceList(TWinControl *Parent, const char *Name, int Left, const char *Side, int Count, int Selected)
{
    auto *c = PlaceControl<TComboBox>(Parent, Name, Left, 24, 80, 22);
    c->SetStyle(csDropDownList);
    for (int i = 0; i < Count; ++i)
        c->Items()->Add(Side + (Count == 4 ? QString(QChar('A' + i)) : QString::number(i + 1)));
    c->SetItemIndex(Selected);
    return c;
}

} // namespace

TfmCopy::TfmCopy(TComponent *AOwner, DialogHost *Dialogs, ChannelLinkHost *Links)
    : TForm(AOwner, CreateNew), dialogs_(Dialogs), links_(Links)
{
    SetName("fmCopy");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption("Channel Copy");
    SetClientWidth(300);
    SetClientHeight(200);

    GroupBox1 = PlaceControl<TSkGroupBox>(this, "GroupBox1", 10, 8, 280, 56, " In ");
    cbInSource = PlaceList(GroupBox1, "cbInSource", 10, "In", 4, 0);
    Label1 = PlaceControl<TLabel>(GroupBox1, "Label1", 96, 27, 20, 16, "=>");
    cbInDestination = PlaceList(GroupBox1, "cbInDestination", 118, "In", 4, 1);
    bnInChCopy = PlaceControl<TSkBmpButton>(GroupBox1, "bnInChCopy", 206, 22, 64, 26, "Copy");
    bnInChCopy->SetTag(0);
    bnInChCopy->OnClick = [this](TObject *Sender) { bnInChCopyClick(Sender); };

    GroupBox2 = PlaceControl<TSkGroupBox>(this, "GroupBox2", 10, 72, 280, 56, " Out ");
    cbOutSource = PlaceList(GroupBox2, "cbOutSource", 10, "Out", 8, 0);
    Label2 = PlaceControl<TLabel>(GroupBox2, "Label2", 96, 27, 20, 16, "=>");
    cbOutDestination = PlaceList(GroupBox2, "cbOutDestination", 118, "Out", 8, 1);
    bnOutChCopy = PlaceControl<TSkBmpButton>(GroupBox2, "bnOutChCopy", 206, 22, 64, 26, "Copy");
    bnOutChCopy->SetTag(1);
    bnOutChCopy->OnClick = [this](TObject *Sender) { bnInChCopyClick(Sender); };

    bnExit = PlaceControl<TSkBmpButton>(this, "bnExit", 215, 150, 75, 28, "Exit");
    bnExit->OnClick = [this](TObject *) { bnExitClick(); };
    EscapeClicks(this, bnExit);
    OnShow = [this](TObject *) { FormShow(); };
    // The main window's button faces; each copy button belongs to its group.
    for (TComponent *owner : {static_cast<TComponent *>(this), static_cast<TComponent *>(GroupBox1),
                              static_cast<TComponent *>(GroupBox2)})
        Artwork::PaintControls(owner);
}

void TfmCopy::bnInChCopyClick(TObject *Sender)
{
    auto *button = dynamic_cast<TControl *>(Sender);
    if (!button)
        return;
    const bool outputs = button->Tag() == 1;
    const int from = (outputs ? cbOutSource : cbInSource)->ItemIndex();
    const int to = (outputs ? cbOutDestination : cbInDestination)->ItemIndex();
    if (from < 0 || to < 0)
        return;
    const int first = outputs ? 4 : 0;
    links_->CopyChannel(first + from, first + to, true);
}

void TfmCopy::FormShow()
{
    SetCaption(dialogs_->Translate("SID_COPY_TITLE"));
    bnInChCopy->SetCaption(dialogs_->Translate("SID_COPY"));
    bnOutChCopy->SetCaption(dialogs_->Translate("SID_COPY"));
    bnExit->SetCaption(dialogs_->Translate("SID_EXIT"));
}
