#include "TfmExit.h"

#include "Button.h"
#include "Label.h"
#include "TfmMain.h"

TfmExit *fmExit = nullptr;

TfmExit::TfmExit(TComponent *AOwner) : TForm(AOwner, CreateNew)
{
    fmExit = this;
    SetName("fmExit");
    SetBorderStyle(bsDialog);
    SetBorderIcons({});
    SetPosition(poScreenCenter);
    SetClientWidth(265);
    SetClientHeight(174);

    lbExit = new TLabel(this);
    lbExit->SetName("lbExit");
    lbExit->SetParent(this);
    lbExit->SetAutoSize(false);
    lbExit->SetAlignment(taCenter);
    lbExit->SetTransparent(true);
    lbExit->SetBounds(16, 50, 233, 40);
    lbExit->SetCaption("Are you sure to quit ?");

    btnOK = new TButton(this);
    btnOK->SetName("btnOK");
    btnOK->SetParent(this);
    btnOK->SetBounds(40, 128, 75, 25);
    btnOK->SetDefault(true);
    btnOK->OnClick = [this](TObject *) { btnOKClick(); };

    btnCancel = new TButton(this);
    btnCancel->SetName("btnCancel");
    btnCancel->SetParent(this);
    btnCancel->SetBounds(150, 128, 75, 25);
    btnCancel->SetCancel(true);
    btnCancel->OnClick = [this](TObject *) { btnExitClick(); };

    OnShow = [this](TObject *) { FormShow(); };
}

void TfmExit::FormShow()
{
    if (!fmMain)
        return;
    SetCaption(fmMain->TranslateQ("SID_INFO_TITLE"));
    lbExit->SetCaption(fmMain->TranslateQ("SID_EXIT_QUIT"));
    btnOK->SetCaption(fmMain->TranslateQ("SID_EXIT_OK"));
    btnCancel->SetCaption(fmMain->TranslateQ("SID_EXIT_CANCEL"));
}

void TfmExit::btnOKClick()
{
    if (!fmMain)
        return;
    fmMain->SetMayClose(1);
    fmMain->Close();
}

void TfmExit::btnExitClick()
{
    Close();
    if (fmMain)
        fmMain->SetMayClose(0);
}
