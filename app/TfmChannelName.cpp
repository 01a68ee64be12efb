#include "TfmChannelName.h"

#include "Button.h"
#include "DialogControls.h"
#include "DialogHost.h"
#include "Edit.h"
#include "Label.h"

QString ChannelLabel(int Channel)
{
    return Channel < 4 ? QStringLiteral("In") + QChar('A' + Channel) : QStringLiteral("Out%1").arg(Channel - 3);
}

QString StoredNameText(const std::string &Name)
{
    const std::string s = Name.substr(0, std::min(Name.find('\0'), size_t(8)));
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

TfmChannelName::TfmChannelName(TComponent *AOwner, DialogHost *Host) : TForm(AOwner, CreateNew), host_(Host)
{
    SetName("fmChannelName");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(280);
    SetClientHeight(120);

    lbChannel = PlaceControl<TLabel>(this, "lbChannel", 16, 20, 60, 16, "InA :");
    lbChannelName = PlaceControl<TLabel>(this, "lbChannelName", 16, 44, 90, 16, "Channel Name");
    edName = PlaceControl<TEdit>(this, "edName", 120, 40, 140, 21, "");
    edName->SetMaxLength(8);
    edName->SetPrintableAsciiOnly(true);
    EnterActsAs(edName, [this] { btnOKClick(); });
    btnOK = PlaceControl<TButton>(this, "btnOK", 104, 80, 75, 25, "OK");
    btnOK->OnClick = [this](TObject *) { btnOKClick(); };
    bnCancel = PlaceControl<TButton>(this, "bnCancel", 185, 80, 75, 25, "Cancel");
    bnCancel->SetCancel(true);
    bnCancel->OnClick = [this](TObject *) { Close(); };

    OnShow = [this](TObject *) { FormShow(); };
}

void TfmChannelName::SetChannelName(const std::string &Name)
{
    edName->SetText(StoredNameText(Name));
}

void TfmChannelName::SetChannel(int Channel)
{
    channel_ = Channel;
    lbChannel->SetCaption(ChannelLabel(Channel) + QStringLiteral(" :"));
}

void TfmChannelName::FormShow()
{
    SetCaption(host_->Translate("SID_CH_NAME"));
    lbChannelName->SetCaption(host_->Translate("SID_CH_NAME"));
    btnOK->SetCaption(host_->Translate("SID_EXIT_OK"));
    bnCancel->SetCaption(host_->Translate("SID_EXIT_CANCEL"));
    edName->SetEnabled(true);
    edName->SetFocus();
    edName->SelectAll();
}

void TfmChannelName::btnOKClick()
{
    const std::string name = FixedBytes(edName->Text(), 8, '\0');
    edName->SetText(StoredNameText(name));
    Close();
    host_->SetChannelName(channel_, reinterpret_cast<const uint8_t *>(name.data()));
}
