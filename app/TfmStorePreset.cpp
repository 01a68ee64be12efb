#include "TfmStorePreset.h"

#include "TfmStoreName.h"

TfmStorePreset::TfmStorePreset(TComponent *AOwner, DialogHost *Host)
    : TPresetListForm(AOwner, Host, "fmStorePreset", 20, false)
{
    OnShow = [this](TObject *) { FormShow("SID_SAVE_PRESET"); };
}

void TfmStorePreset::RowSelected(int row)
{
    if (!nameDialog_)
        return;
    nameDialog_->SetPresetName(PresetName(row));
    nameDialog_->SetPresetIndex(row);
    nameDialog_->SetTitle(QStringLiteral("U%1 : ").arg(row + 1, 2, 10, QChar('0')));
    nameDialog_->SetStoreMode(1);
    nameDialog_->Show();
}
