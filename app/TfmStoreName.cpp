#include "TfmStoreName.h"

#include "Button.h"
#include "DialogControls.h"
#include "DialogHost.h"
#include "Edit.h"
#include "Label.h"
#include "TfmRecallPreset.h"
#include "TfmStorePreset.h"

TfmStoreName::TfmStoreName(TComponent *AOwner, DialogHost *Host, TfmStorePreset *StoreList,
                           TfmRecallPreset *RecallList)
    : TForm(AOwner, CreateNew), host_(Host), storeList_(StoreList), recallList_(RecallList)
{
    SetName("fmStoreName");
    SetBorderStyle(bsDialog);
    SetFormStyle(fsStayOnTop);
    SetPosition(poScreenCenter);
    SetClientWidth(300);
    SetClientHeight(120);

    lTitle = PlaceControl<TLabel>(this, "lTitle", 16, 20, 50, 16, "F00 : ");
    lblPresetName = PlaceControl<TLabel>(this, "lblPresetName", 16, 44, 80, 16, "Name");
    edName = PlaceControl<TEdit>(this, "edName", 100, 40, 180, 21, "Default Preset");
    edName->SetMaxLength(14);
    edName->SetPrintableAsciiOnly(true);
    EnterActsAs(edName, [this] { btnOKClick(); });
    btnOK = PlaceControl<TButton>(this, "btnOK", 124, 80, 75, 25, "OK");
    btnOK->OnClick = [this](TObject *) { btnOKClick(); };
    bnCancel = PlaceControl<TButton>(this, "bnCancel", 205, 80, 75, 25, "Cancel");
    bnCancel->SetCancel(true);
    bnCancel->OnClick = [this](TObject *) { Close(); };

    OnShow = [this](TObject *) {
        FormShow();
        FormActivate();
    };
}

void TfmStoreName::SetPresetName(const QString &Name)
{
    edName->SetText(Name);
}

void TfmStoreName::SetTitle(const QString &Title)
{
    lTitle->SetCaption(Title);
}

void TfmStoreName::FormShow()
{
    SetCaption(host_->Translate("SID_PST_NAME"));
    lblPresetName->SetCaption(host_->Translate("SID_PST_NAME"));
    btnOK->SetCaption(host_->Translate("SID_EXIT_OK"));
    bnCancel->SetCaption(host_->Translate("SID_EXIT_CANCEL"));
}

void TfmStoreName::FormActivate()
{
    edName->SetEnabled(storeMode_ == 1);
    if (storeMode_ == 1) {
        edName->SetFocus();
        edName->SelectAll();
    }
}

void TfmStoreName::btnOKClick()
{
    const std::string name = FixedBytes(edName->Text(), 14, ' ');
    const QString shown = QString::fromLatin1(name.data(), qsizetype(name.size()));
    edName->SetText(shown);
    TPresetListForm *list = storeMode_ == 1 ? static_cast<TPresetListForm *>(storeList_)
                                            : static_cast<TPresetListForm *>(recallList_);
    if (host_->IsLinked() && list)
        list->Hide();
    Close();
    if (list)
        list->Close();
    if (storeMode_ == 1) {
        host_->StorePreset(presetIndex_, reinterpret_cast<const uint8_t *>(name.data()));
        if (recallList_)
            recallList_->SetPresetName(presetIndex_ + 1, shown);
        if (storeList_)
            storeList_->SetPresetName(presetIndex_, shown);
    } else {
        host_->RecallPreset(presetIndex_);
    }
}
