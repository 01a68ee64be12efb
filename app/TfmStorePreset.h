#pragma once
#include "PresetListForm.h"

// The store list: rows 0-19 are U01-U20. Picking a row opens the name dialog
// in store mode on that preset's name.
class TfmStorePreset : public TPresetListForm {
public:
    TfmStorePreset(TComponent *AOwner, DialogHost *Host);
};
