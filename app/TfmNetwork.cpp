#include "TfmNetwork.h"

#include "Button.h"
#include "Label.h"
#include "SmProgressBar.h"
#include "TfmMain.h"

#include <QWidget>

TfmNetwork *fmNetwork = nullptr;

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
    Widget()->setWindowModality(Qt::ApplicationModal);

    pbScan = new TSmProgressBar(this);
    pbScan->SetName("pbScan");
    pbScan->SetParent(this);
    pbScan->SetBounds(16, 16, 328, 20);

    lblScan = new TLabel(this);
    lblScan->SetName("lblScan");
    lblScan->SetParent(this);
    lblScan->SetBounds(16, 48, 260, 16);
    lblDeviceID = new TLabel(this);
    lblDeviceID->SetName("lblDeviceID");
    lblDeviceID->SetParent(this);
    lblDeviceID->SetBounds(290, 48, 54, 16);

    btnOK = new TButton(this);
    btnOK->SetName("btnOK");
    btnOK->SetParent(this);
    btnOK->SetBounds(60, 88, 100, 26);
    btnOK->OnClick = [this](TObject *) { btnOKClick(); };
    btnExit = new TButton(this);
    btnExit->SetName("btnExit");
    btnExit->SetParent(this);
    btnExit->SetBounds(200, 88, 100, 26);
    btnExit->OnClick = [this](TObject *) { btnExitClick(); };

    OnShow = [this](TObject *) { FormShow(); };
    OnCloseQuery = [this](TObject *, bool &CanClose) { CanClose = closing_; };

    scan_.isDialogVisible = [this] { return Visible(); };
    scan_.onConnected = [this] { HideDialog(); };
    scan_.onAttempt = [this](size_t index) {
        const int total = int(scan_.candidates.size());
        pbScan->SetMax(total);
        pbScan->SetPosition(int(index) + 1);
        lblDeviceID->SetCaption(QString("%1/%2").arg(index + 1).arg(total));
        const std::string &name = scan_.candidates[index].name;
        if (!fmMain)
            return;
        lblScan->SetCaption(name == "NET" ? fmMain->TranslateQ("SID_SCAN_NET")
                                          : fmMain->TranslateQ("SID_SCAN") + QString::fromStdString(name) +
                                                " ......");
    };
    scan_.onExhausted = [this] {
        pbScan->SetPosition(pbScan->Max());
        if (fmMain)
            lblScan->SetCaption(fmMain->TranslateQ("SID_NO_DEVICE"));
        lblDeviceID->SetCaption("");
        EnableButtons(true);
    };
}

void TfmNetwork::FormShow()
{
    if (!fmMain)
        return;
    SetCaption(fmMain->TranslateQ("SID_CONNECT"));
    btnOK->SetCaption(fmMain->TranslateQ("SID_START_SCAN"));
    btnExit->SetCaption(fmMain->TranslateQ("SID_DEMO"));
}

void TfmNetwork::EnableButtons(bool on)
{
    btnOK->SetEnabled(on);
    btnExit->SetEnabled(on);
}

void TfmNetwork::StartScan()
{
    EnableButtons(false);
    pbScan->SetPosition(0);
    scan_.Start();
}

void TfmNetwork::ShowLinkBroken()
{
    scan_.Stop();
    if (fmMain)
        lblScan->SetCaption(fmMain->TranslateQ("SID_LINK_BROKEN"));
    lblDeviceID->SetCaption("");
    EnableButtons(true);
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

void TfmNetwork::btnExitClick()
{
    // Offline: the editor works on its own model; the link button can scan again.
    scan_.Stop();
    if (fmMain) {
        fmMain->SetLinkButtonEnabled(true);
        fmMain->SetConnectItemCaption(fmMain->Translate("SID_CONNECT"));
    }
    HideDialog();
}
