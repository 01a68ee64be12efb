#include "TfmNetworkSetup.h"

#include "Button.h"
#include "DialogControls.h"
#include "DialogHost.h"
#include "Edit.h"
#include "Label.h"
#include "SkGroupBox.h"
#include "VirtualKeys.h"

#include <algorithm>
#include <iterator>

namespace {
// A whole decimal number of the edit (digits only); false for an empty text.
bool EditNumber(const TEdit *Edit, int &Value)
{
    bool ok = false;
    Value = Edit->Text().toInt(&ok);
    return ok;
}

void Replace(TEdit *Edit, int Value)
{
    Edit->SetText(QString::number(Value));
    Edit->SelectAll();
}
} // namespace

bool PackAddress(const QString (&Octets)[4], uint32_t &Packed)
{
    uint32_t p = 0;
    for (const QString &o : Octets) {
        bool ok = false;
        const int v = o.toInt(&ok);
        if (!ok)
            return false;
        p = (p << 8) | uint32_t(v & 0xFF);
    }
    Packed = p;
    return true;
}

QString AddressText(uint32_t Packed)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(Packed >> 24)
        .arg((Packed >> 16) & 0xFF)
        .arg((Packed >> 8) & 0xFF)
        .arg(Packed & 0xFF);
}

TfmNetworkSetup::TfmNetworkSetup(TComponent *AOwner, DialogHost *Host) : TForm(AOwner, CreateNew), host_(Host)
{
    SetName("fmNetworkSetup");
    SetCaption("Setting ID and IP");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(300);
    SetClientHeight(190);

    gbIpSetting = PlaceControl<TSkGroupBox>(this, "gbIpSetting", 12, 8, 276, 62, "IP Address");
    static const char *const names[4] = {"edIp1", "edIp2", "edIp3", "edIp4"};
    static const char *const dots[3] = {"Label1", "Label2", "Label3"};
    for (int i = 0; i < 4; ++i) {
        TEdit *e = PlaceControl<TEdit>(gbIpSetting, names[i], 12 + 66 * i, 26, 50, 21, "0");
        e->SetNumbersOnly(true);
        e->SetMaxLength(3);
        e->SetAlignment(taCenter);
        e->SetSelectAllOnClick(true);
        e->OnExit = [this, e](TObject *) { edIpExit(e); };
        e->OnKeyDown = [this, e](TObject *, Word &Key, TShiftState) { IpKey(e, Key); };
        edIp[i] = e;
        if (i < 3)
            PlaceControl<TLabel>(gbIpSetting, dots[i], 67 + 66 * i, 30, 6, 16, ".");
    }
    gbIdSetting = PlaceControl<TSkGroupBox>(this, "gbIdSetting", 12, 78, 276, 58, "Input ID");
    lbMessage = PlaceControl<TLabel>(gbIdSetting, "lbMessage", 12, 28, 84, 16, "Number :");
    edId = PlaceControl<TEdit>(gbIdSetting, "edId", 100, 24, 60, 21, "1");
    edId->SetNumbersOnly(true);
    edId->SetMaxLength(3);
    edId->SetAlignment(taCenter);
    edId->SetSelectAllOnClick(true);
    edId->OnExit = [this](TObject *) { edIdExit(); };
    edId->OnKeyDown = [this](TObject *, Word &Key, TShiftState) { IdKey(Key); };
    bnSet = PlaceControl<TButton>(this, "bnSet", 128, 150, 75, 25, "Set");
    bnSet->OnClick = [this](TObject *) { bnSetClick(); };
    bnExit = PlaceControl<TButton>(this, "bnExit", 209, 150, 75, 25, "Exit");
    bnExit->SetCancel(true);
    bnExit->OnClick = [this](TObject *) { bnExitClick(); };

    OnShow = [this](TObject *) { FormShow(); };
}

void TfmNetworkSetup::FormShow()
{
    shownAddress_ = host_->GetDeviceAddress();
    for (int i = 0; i < 4; ++i)
        edIp[i]->SetText(QString::number((shownAddress_ >> (24 - 8 * i)) & 0xFF));
    SetCaption(host_->Translate("SID_SET_NETWORK"));
    gbIpSetting->SetCaption(host_->Translate("SID_IP_ADDRESS"));
    gbIdSetting->SetCaption(host_->Translate("SID_INPUT_ID"));
    lbMessage->SetCaption(host_->Translate("SID_NUMBER"));
    bnSet->SetCaption(host_->Translate("SID_SET"));
    bnExit->SetCaption(host_->Translate("SID_EXIT"));
}

void TfmNetworkSetup::SetOnline(bool Online)
{
    gbIpSetting->SetEnabled(!Online);
    for (TEdit *e : edIp) {
        e->SetEnabled(!Online);
        e->SetColor(Online ? clSilver : clWindow);
    }
    edId->SetColor(Online ? clSilver : clWindow);
}

void TfmNetworkSetup::edIpExit(TEdit *Edit)
{
    int v = 0;
    if (!EditNumber(Edit, v)) {
        // Empty: the octet shown when the dialog opened comes back.
        const int i = int(std::find(std::begin(edIp), std::end(edIp), Edit) - std::begin(edIp));
        if (i < 4)
            Edit->SetText(QString::number((shownAddress_ >> (24 - 8 * i)) & 0xFF));
    } else if (v >= 256) {
        Replace(Edit, 255);
    }
}

void TfmNetworkSetup::IpKey(TEdit *Edit, Word &Key)
{
    if (Key != VK_RETURN)
        return;
    edIpExit(Edit);
    Edit->SelectAll();
}

void TfmNetworkSetup::edIdExit()
{
    int v = 0;
    if (!EditNumber(edId, v))
        edId->SetText(QString::number(host_->GetDeviceId()));
    else if (v > kMaxId)
        Replace(edId, kMaxId);
    else if (v <= 0)
        Replace(edId, 1);
}

void TfmNetworkSetup::IdKey(Word &Key)
{
    if (Key != VK_RETURN)
        return;
    edIdExit();
    edId->SelectAll();
}

void TfmNetworkSetup::bnSetClick()
{
    bool done = false;
    int id = 0;
    if (!EditNumber(edId, id) || id <= 0 || id > kMaxId) {
        host_->ShowInformation(host_->Translate("SID_ID_NUMBER_ERROR"));
        edId->SetText(QString::number(host_->GetDeviceId()));
    } else {
        host_->SetDeviceId(id);
        done = true;
    }
    if (!host_->IsLinked()) {
        QString octets[4];
        for (int i = 0; i < 4; ++i)
            octets[i] = edIp[i]->Text();
        uint32_t packed = 0;
        if (PackAddress(octets, packed)) {
            host_->PointSocketAt(AddressText(packed));
            host_->SetDeviceAddress(packed);
            done = true;
        } else {
            FormShow(); // an empty octet: the stored address comes back
        }
    }
    if (done)
        Close();
}

void TfmNetworkSetup::bnExitClick()
{
    edId->SetText(QString::number(host_->GetDeviceId()));
    Close();
}
