#include "TfmNetwork.h"

#include "Button.h"
#include "ComboBox.h"
#include "DialogControls.h"
#include "Label.h"
#include "Menus.h"
#include "SerialPort.h"
#include "SmProgressBar.h"
#include "TfmMain.h"

#include <QWidget>

TfmNetwork *fmNetwork = nullptr;

namespace {
QString Tr(const char *sid)
{
    return fmMain ? fmMain->TranslateQ(sid) : QString::fromLatin1(sid);
}
} // namespace

TfmNetwork::TfmNetwork(TComponent *AOwner) : TForm(AOwner, CreateNew)
{
    fmNetwork = this;
    SetName("fmNetwork");
    SetBorderStyle(bsDialog);
    SetBorderIcons({});
    SetFormStyle(fsStayOnTop);
    SetPosition(poScreenCenter);
    SetClientWidth(360);
    SetClientHeight(130);
    WindowWidget()->setWindowModality(Qt::ApplicationModal);

    pbScan = PlaceControl<TSmProgressBar>(this, "pbScan", 16, 16, 328, 20);
    lblScan = PlaceControl<TLabel>(this, "lblScan", 16, 48, 260, 16);
    lblDeviceID = PlaceControl<TLabel>(this, "lblDeviceID", 290, 48, 54, 16);
    cbCOM = PlaceControl<TComboBox>(this, "cbCOM", 16, 48, 100, 21);
    cbCOM->SetVisible(false);
    btnOK = PlaceControl<TButton>(this, "btnOK", 16, 88, 100, 26);
    btnOK->OnClick = [this](TObject *) { btnOKClick(); };
    btnId = PlaceControl<TButton>(this, "btnId", 130, 88, 100, 26);
    btnId->OnClick = [this](TObject *) { btnIdClick(); };
    btnExit = PlaceControl<TButton>(this, "btnExit", 244, 88, 100, 26);
    btnExit->OnClick = [this](TObject *) { btnExitClick(); };

    OnShow = [this](TObject *) { FormShow(); };
    OnCloseQuery = [this](TObject *, bool &CanClose) { CanClose = closing_; };
    // Closed for whatever reason, the dialog leaves nothing running: a late
    // watchdog would otherwise close the link and open the next port.
    OnHide = [this](TObject *) { scan_.Halt(); };

    sources.hasHidDevice = [] { return fmMain && fmMain->HasHidDevice(); };
    sources.hasDeviceAddress = [] { return fmMain && fmMain->HasDeviceAddress(); };
    sources.listPorts = [] {
        // The one address given for a loopback run is the only candidate.
        return TfmMain::connectOption.given ? std::vector<std::string>{} : SerialPort::ListPorts();
    };

    scan_.onAttempt = [this](size_t index) { ShowAttempt(index); };
    scan_.onConnected = [this] { HideDialog(); };
    scan_.onExhausted = [this] {
        ShowExhausted();
        EnableButtons(true);
    };
    scan_.onLinkBroken = [this] {
        EnableButtons(true);
        lblScan->SetCaption(Tr("SID_LINK_BROKEN"));
        lblDeviceID->SetCaption("");
    };
    scan_.onStatus = [this](const std::string &text) { lblScan->SetCaption(QString::fromStdString(text)); };
}

void TfmNetwork::FormShow()
{
    SetCaption(Tr("SID_CONNECT"));
    btnOK->SetCaption(Tr("SID_START_SCAN"));
    btnExit->SetCaption(Tr("SID_DEMO"));
    btnId->SetCaption(Tr("SID_SET"));
}

void TfmNetwork::EnableButtons(bool on)
{
    btnOK->SetEnabled(on);
    btnId->SetEnabled(on);
    btnExit->SetEnabled(on);
}

void TfmNetwork::StartScan()
{
    EnableButtons(false);
    ScanPorts();
}

void TfmNetwork::ScanPorts()
{
    if (fmMain) {
        scan_.SetMain(&fmMain->MainLink());
        if (!sources.factory)
            sources.factory = &fmMain->Factory();
    }
    const std::vector<std::string> ports = scan_.BuildCandidates(sources);
    cbCOM->Items()->Clear();
    for (const std::string &port : ports)
        cbCOM->Items()->Add(QString::fromStdString(port));
    if (!ports.empty())
        cbCOM->SetItemIndex(0);
    if (scan_.candidates.empty())
        ShowExhausted(); // the buttons follow with the evaluation, 100 ms later
    scan_.Start();
}

void TfmNetwork::ShowAttempt(size_t index)
{
    const int total = int(scan_.candidates.size());
    pbScan->SetMax(total);
    pbScan->SetPosition(int(index) + 1);
    lblDeviceID->SetCaption(QString("%1/%2").arg(index + 1).arg(total));
    const LConnectScan::Candidate &c = scan_.candidates[index];
    switch (c.kind) {
    case LConnectScan::Kind::Usb:
        lblScan->SetCaption(Tr("SID_SCAN_USB"));
        break;
    case LConnectScan::Kind::Net:
        lblScan->SetCaption(Tr("SID_SCAN_NET"));
        break;
    case LConnectScan::Kind::Com:
        lblScan->SetCaption(Tr("SID_SCAN") + QString::fromStdString(c.name) + " ......");
        break;
    }
}

void TfmNetwork::ShowExhausted()
{
    pbScan->SetPosition(pbScan->Max());
    lblScan->SetCaption(Tr("SID_NO_DEVICE"));
    lblDeviceID->SetCaption("");
}

void TfmNetwork::ShowLinkBroken()
{
    scan_.LinkBroken();
}

void TfmNetwork::HideDialog()
{
    closing_ = true;
    Close();
    closing_ = false;
}

void TfmNetwork::btnOKClick()
{
    if (fmMain)
        fmMain->DiscoverDevices();
    StartScan();
}

void TfmNetwork::btnIdClick()
{
    if (fmMain)
        fmMain->NetworkSetup->Click();
}

void TfmNetwork::btnExitClick()
{
    // Offline: the editor works on its own model; the link button can scan again.
    scan_.Halt();
    if (fmMain) {
        fmMain->SetLinkButtonEnabled(true);
        fmMain->SetConnectItemCaption(fmMain->Translate("SID_CONNECT"));
    }
    HideDialog();
}
