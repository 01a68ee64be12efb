#pragma once
#include "DialogHost.h"
#include "OnFirstUse.h"

#include <functional>
#include <memory>

class TfmAbout;
class TfmChNameList;
class TfmChannelName;
class TfmCopy;
class TfmLinkSel;
class TfmFactory;
class TfmHidData;
class TfmLockPassWord;
class TfmLockSetup;
class TfmMain;
class TfmMemo;
class TfmNetworkSetup;
class TfmPeqRst;
class TfmRecallPreset;
class TfmRs232Code;
class TfmRs232CodeEnglish;
class TfmStoreName;
class TfmStorePreset;
class TfmTest;

// The dialogs of the editor, each made once for the main window when it is
// first asked for (opened, filled or looked at), and the window's
// side of them: the DialogHost calls answered through the main window and its
// connection logic, the menu items that open them (Attach), and what the
// connection logic's window interface hands to them (preset names, the unlock
// dialog and its answer, the factory confirmation, the traffic log).
class MainDialogs : public DialogHost {
public:
    explicit MainDialogs(TfmMain *Main);
    ~MainDialogs() override;

    // Points the menu items at the dialogs.
    void Attach();

    // What the main window's LMainLinkUi calls forward here.
    void SetStorePresetName(int row, const std::string &name);
    void SetRecallPresetName(int row, const std::string &name);
    void ShowUnlockDialog();
    void SetUnlockResult(uint8_t answer);
    void ShowFactoryConfirmation();
    bool IsTrafficLogVisible();
    void AddTrafficLine(const std::string &line);
    // The lock frame was answered (the reply dispatcher, on the lock's code).
    void LockAnswered();

    // The store and recall buttons of the main window.
    void ShowStorePresets();
    void ShowRecallPresets();
    // A channel's name label was clicked.
    void ShowChannelName(int channel);
    // An EQ reset button (0-11 parametric EQ of the channel, 12-15 graphic EQ).
    void ShowEqReset(int target);

    // The pages' EQ resets; unset, an EQ reset confirmation does nothing.
    std::function<void(int)> resetPeq, resetGeq;

    // DialogHost.
    QString Translate(const char *sid) override;
    bool IsEnglish() override;
    uint8_t GetDeviceId() override;
    bool IsLinked() override;
    bool IsUpdatingControls() override;
    void SendCommand(const LCmd &cmd, bool append) override;
    void CallWhenAnswered(std::function<void()> done) override;
    void CloseLink() override;
    void SetDeviceId(int id) override;
    uint32_t GetDeviceAddress() override;
    void SetDeviceAddress(uint32_t packed) override;
    void PointSocketAt(const QString &address) override;
    void StorePreset(int slot, const uint8_t *name14) override;
    void RecallPreset(int number) override;
    std::string GetChannelName(int channel) override;
    void SetChannelName(int channel, const uint8_t *name8) override;
    void ResetPeq(int channel) override;
    void ResetGeq(int target) override;
    void StartFactoryDefault() override;
    void ShowInformation(const QString &text, std::function<void()> closed = {}) override;
    void ShowMessageBox(const QString &text) override;

    OnFirstUse<TfmStorePreset> fmStorePreset;
    OnFirstUse<TfmRecallPreset> fmRecallPreset;
    OnFirstUse<TfmStoreName> fmStoreName;
    OnFirstUse<TfmChannelName> fmChannelName;
    OnFirstUse<TfmChNameList> fmChNameList;
    OnFirstUse<TfmTest> fmTest;
    OnFirstUse<TfmLockSetup> fmLockSetup;
    OnFirstUse<TfmLockPassWord> fmLockPassWord;
    OnFirstUse<TfmPeqRst> fmPeqRst;
    OnFirstUse<TfmFactory> fmFactory;
    OnFirstUse<TfmAbout> fmAbout;
    OnFirstUse<TfmNetworkSetup> fmNetworkSetup;
    OnFirstUse<TfmHidData> fmHidData;
    OnFirstUse<TfmMemo> fmMemo;
    OnFirstUse<TfmRs232CodeEnglish> fmRs232CodeEnglish;
    OnFirstUse<TfmRs232Code> fmRs232Code;
    OnFirstUse<TfmLinkSel> fmLinkSel;
    OnFirstUse<TfmCopy> fmCopy;

private:
    void ShowNetworkSetup();
    // The store and recall lists share the naming dialog: the three are made together.
    void MakePresetDialogs();

    TfmMain *main_;
    TfmStorePreset *storePreset_ = nullptr;
    TfmRecallPreset *recallPreset_ = nullptr;
    TfmStoreName *storeName_ = nullptr;
};
