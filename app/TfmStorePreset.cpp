#include "TfmStorePreset.h"

TfmStorePreset::TfmStorePreset(TComponent *AOwner, DialogHost *Host)
    : TPresetListForm(AOwner, Host, "fmStorePreset", 20, false)
{
    OnShow = [this](TObject *) { FormShow("SID_SAVE_PRESET"); };
}
