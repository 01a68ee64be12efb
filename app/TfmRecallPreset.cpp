#include "TfmRecallPreset.h"

#include "TfmStoreName.h"

TfmRecallPreset::TfmRecallPreset(TComponent *AOwner, DialogHost *Host)
    : TPresetListForm(AOwner, Host, "fmRecallPreset", 21, true)
{
    OnShow = [this](TObject *) { FormShow("SID_RECALL_PRESET"); };
}

void TfmRecallPreset::RowSelected(int row)
{
    if (!nameDialog_)
        return;
    nameDialog_->SetPresetName(PresetName(row));
    nameDialog_->SetPresetIndex(row);
    nameDialog_->SetTitle(row == 0 ? QStringLiteral("F00 : ") : QStringLiteral("U%1 : ").arg(row, 2, 10, QChar('0')));
    nameDialog_->SetStoreMode(0);
    nameDialog_->Show();
}
