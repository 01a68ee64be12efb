#pragma once
#include "Form.h"

class DialogHost;
class TButton;
class TEdit;
class TLabel;
class TfmRecallPreset;
class TfmStorePreset;

// The naming step of a store and the confirmation step of a recall. It holds
// the preset index picked in a list (store 0-19 for U01-U20; recall 0 for F00,
// 1-20 for U01-U20) and the mode (1 store, 0 recall). The name edit keeps
// printable ASCII only, so its 14 characters are the 14 name bytes.
class TfmStoreName : public TForm {
public:
    TfmStoreName(TComponent *AOwner, DialogHost *Host, TfmStorePreset *StoreList, TfmRecallPreset *RecallList);

    void SetPresetName(const QString &Name);
    void SetPresetIndex(int Index) { presetIndex_ = Index; }
    void SetStoreMode(int Mode) { storeMode_ = Mode; }
    void SetTitle(const QString &Title);
    int PresetIndex() const { return presetIndex_; }
    int StoreMode() const { return storeMode_; }

    TLabel *lTitle;
    TLabel *lblPresetName;
    TEdit *edName;
    TButton *btnOK;
    TButton *bnCancel;

    void btnOKClick();

private:
    void FormShow();
    void FormActivate();

    DialogHost *host_;
    TfmStorePreset *storeList_;
    TfmRecallPreset *recallList_;
    int presetIndex_ = 0;
    int storeMode_ = 0;
};
