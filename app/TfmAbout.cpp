#include "TfmAbout.h"

#include "Button.h"
#include "DialogControls.h"
#include "DialogHost.h"
#include "Label.h"

TfmAbout::TfmAbout(TComponent *AOwner, DialogHost *Host) : TForm(AOwner, CreateNew), host_(Host)
{
    SetName("fmAbout");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(330);
    SetClientHeight(150);
    ProductName =
        PlaceControl<TLabel>(this, "ProductName", 20, 20, 290, 16, "Product Name : TQ-62 DSP Processor Editor");
    Version = PlaceControl<TLabel>(this, "Version", 20, 44, 290, 16, "Version : V1.0");
    Copyright = PlaceControl<TLabel>(this, "Copyright", 20, 68, 290, 16, "Copyright (C) TQ-62 editor authors");
    btnOK = PlaceControl<TButton>(this, "btnOK", 127, 110, 75, 25, "OK");
    btnOK->SetDefault(true);
    btnOK->SetCancel(true);
    btnOK->OnClick = [this](TObject *) { Close(); };
    OnShow = [this](TObject *) { SetCaption(host_->Translate("SID_ABOUT")); };
}
