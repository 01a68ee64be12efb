#pragma once
#include "PresetListForm.h"

// The recall list: row 0 is F00, rows 1-20 are U01-U20. Picking a row opens
// the name dialog as the recall's confirmation.
class TfmRecallPreset : public TPresetListForm {
public:
    TfmRecallPreset(TComponent *AOwner, DialogHost *Host);
};
