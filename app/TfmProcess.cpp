#include "TfmProcess.h"

#include "SmProgressBar.h"
#include "StatusBar.h"
#include "TfmMain.h"

#include <QWidget>

TfmProcess *fmProcess = nullptr;

TfmProcess::TfmProcess(TComponent *AOwner) : TForm(AOwner, CreateNew)
{
    fmProcess = this;
    SetName("fmProcess");
    SetBorderStyle(bsSingle);
    SetBorderIcons({});
    SetFormStyle(fsStayOnTop);
    SetPosition(poScreenCenter);
    SetClientWidth(454);
    SetClientHeight(95);

    ProgressBar = new TSmProgressBar(this);
    ProgressBar->SetName("ProgressBar");
    ProgressBar->SetParent(this);
    ProgressBar->SetBounds(16, 20, 422, 24);
    ProgressBar->SetPosition(0);

    StatusBar = new TStatusBar(this);
    StatusBar->SetName("StatusBar");
    StatusBar->SetParent(this);
    StatusBar->SetSimpleText("download now");

    OnShow = [this](TObject *) { FormShow(); };
    // Only CloseBusy ends the window.
    OnCloseQuery = [this](TObject *, bool &CanClose) { CanClose = closing_; };
}

void TfmProcess::FormShow()
{
    if (fmMain)
        SetCaption(fmMain->TranslateQ("SID_PROCESS"));
}

void TfmProcess::ShowBusy(bool modal)
{
    WindowWidget()->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    Show();
}

void TfmProcess::CloseBusy()
{
    if (!Visible())
        return;
    closing_ = true;
    Close();
    closing_ = false;
}
