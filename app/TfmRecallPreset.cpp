#include "TfmRecallPreset.h"

TfmRecallPreset::TfmRecallPreset(TComponent *AOwner, DialogHost *Host)
    : TPresetListForm(AOwner, Host, "fmRecallPreset", 21, true)
{
    OnShow = [this](TObject *) { FormShow("SID_RECALL_PRESET"); };
}
