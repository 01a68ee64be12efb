#include "MainDialogs.h"

#include "LMainLink.h"
#include "Label.h"
#include "LUnitControl.h"
#include "Menus.h"
#include "PageNavigation.h"
#include "TProtocolViewer.h"
#include "TfmAbout.h"
#include "TfmChNameList.h"
#include "TfmChannelName.h"
#include "TfmCopy.h"
#include "TfmFactory.h"
#include "TfmHidData.h"
#include "TfmLinkSel.h"
#include "TfmLockPassWord.h"
#include "TfmLockSetup.h"
#include "TfmMain.h"
#include "TfmMemo.h"
#include "TfmNetworkSetup.h"
#include "TfmPeqRst.h"
#include "TfmRecallPreset.h"
#include "TfmStoreName.h"
#include "TfmStorePreset.h"
#include "TfmTest.h"

#include <QWidget>

namespace {
// Shown modally: no other window takes input until it closes (a window shown
// over it still does). The show returns at once; the dialog's own buttons end it.
void ShowModally(TForm *Form)
{
    Form->WindowWidget()->setWindowModality(Qt::ApplicationModal);
    Form->Show();
}
} // namespace

MainDialogs::MainDialogs(TfmMain *Main)
    : fmStorePreset([this] { MakePresetDialogs(); return storePreset_; }),
      fmRecallPreset([this] { MakePresetDialogs(); return recallPreset_; }),
      fmStoreName([this] { MakePresetDialogs(); return storeName_; }),
      fmChannelName([this] { return new TfmChannelName(main_, this); }),
      fmChNameList([this] { return new TfmChNameList(main_, this); }),
      fmTest([this] { return new TfmTest(main_, this); }),
      fmLockSetup([this] { return new TfmLockSetup(main_, this); }),
      fmLockPassWord([this] { return new TfmLockPassWord(main_, this); }),
      fmPeqRst([this] { return new TfmPeqRst(main_, this); }),
      fmFactory([this] { return new TfmFactory(main_, this); }),
      fmAbout([this] { return new TfmAbout(main_, this); }),
      fmNetworkSetup([this] { return new TfmNetworkSetup(main_, this); }),
      fmHidData([this] { return new TfmHidData(main_); }),
      fmMemo([this] { return new TfmMemo(main_); }),
      fmRs232CodeEnglish([this] { return new TfmRs232CodeEnglish(main_); }),
      fmRs232Code([this] { return new TfmRs232Code(main_); }),
      fmLinkSel([this] { return new TfmLinkSel(main_, this, main_); }),
      fmCopy([this] { return new TfmCopy(main_, this, main_); }),
      main_(Main)
{
}

void MainDialogs::MakePresetDialogs()
{
    if (storeName_)
        return;
    storePreset_ = new TfmStorePreset(main_, this);
    recallPreset_ = new TfmRecallPreset(main_, this);
    storeName_ = new TfmStoreName(main_, this, storePreset_, recallPreset_);
    storePreset_->SetNameDialog(storeName_);
    recallPreset_->SetNameDialog(storeName_);
}

// The forms belong to the main window, which frees them.
MainDialogs::~MainDialogs() = default;

void MainDialogs::Attach()
{
    main_->NetworkSetup->OnClick = [this](TObject *) { ShowNetworkSetup(); };
    main_->TestTone->OnClick = [this](TObject *) { ShowModally(fmTest); };
    main_->ChNameList->OnClick = [this](TObject *) { ShowModally(fmChNameList); };
    main_->Lock->OnClick = [this](TObject *) { ShowModally(fmLockSetup); };
    main_->LockSetup->OnClick = [this](TObject *) { ShowModally(fmLockSetup); };
    main_->About->OnClick = [this](TObject *) { ShowModally(fmAbout); };
    main_->Link->OnClick = [this](TObject *) { ShowModally(fmLinkSel); };
    main_->Copy->OnClick = [this](TObject *) { ShowModally(fmCopy); };
    main_->MemoShow->OnClick = [this](TObject *) { fmMemo->Show(); };
    main_->HidData->OnClick = [this](TObject *) { fmHidData->Show(); };
    main_->Rs232Code->OnClick = [this](TObject *) {
        if (IsEnglish())
            ShowModally(fmRs232CodeEnglish);
        else
            ShowModally(fmRs232Code);
    };
}

void MainDialogs::ShowNetworkSetup()
{
    fmNetworkSetup->SetOnline(main_->MainLink().IsOnline());
    ShowModally(fmNetworkSetup);
}

// One device address, the main window's: the connect scan reads it.
uint32_t MainDialogs::GetDeviceAddress() { return main_->DeviceAddress(); }
void MainDialogs::SetDeviceAddress(uint32_t packed) { main_->SetDeviceAddress(packed); }

void MainDialogs::SetStorePresetName(int row, const std::string &name)
{
    fmStorePreset->SetPresetName(row, name);
}

void MainDialogs::SetRecallPresetName(int row, const std::string &name)
{
    fmRecallPreset->SetPresetName(row, name);
}

void MainDialogs::ShowUnlockDialog()
{
    ShowModally(fmLockPassWord);
}

void MainDialogs::SetUnlockResult(uint8_t answer)
{
    fmLockPassWord->SetResult(answer);
}

void MainDialogs::ShowFactoryConfirmation()
{
    ShowModally(fmFactory);
}

bool MainDialogs::IsTrafficLogVisible()
{
    // A log never opened wants no lines.
    return fmHidData.Made() && fmHidData->Wanted();
}

void MainDialogs::AddTrafficLine(const std::string &line)
{
    if (fmHidData.Made())
        fmHidData->AddLine(line);
}

void MainDialogs::LockAnswered()
{
    fmLockSetup->LockAnswered();
}

void MainDialogs::ShowStorePresets()
{
    ShowModally(fmStorePreset);
}

void MainDialogs::ShowRecallPresets()
{
    ShowModally(fmRecallPreset);
}

void MainDialogs::ShowChannelName(int channel)
{
    fmChannelName->SetChannelName(GetChannelName(channel));
    fmChannelName->SetChannel(channel);
    ShowModally(fmChannelName);
}

void MainDialogs::ShowEqReset(int target)
{
    fmPeqRst->SetTarget(target);
    ShowModally(fmPeqRst);
}

QString MainDialogs::Translate(const char *sid)
{
    return main_->TranslateQ(sid);
}

bool MainDialogs::IsEnglish()
{
    return main_->Language() == "English";
}

uint8_t MainDialogs::GetDeviceId()
{
    return main_->MainLink().GetDeviceId();
}

bool MainDialogs::IsLinked()
{
    return main_->MainLink().IsLinked();
}

bool MainDialogs::IsUpdatingControls()
{
    return main_->MainLink().IsUpdatingControls();
}

void MainDialogs::SendCommand(const LCmd &cmd, bool append)
{
    main_->MainLink().SendCommand(cmd, append);
}

void MainDialogs::CallWhenAnswered(std::function<void()> done)
{
    main_->MainLink().CallWhenAnswered(std::move(done));
}

void MainDialogs::CloseLink()
{
    main_->MainLink().CloseLink();
}

void MainDialogs::SetDeviceId(int id)
{
    main_->MainLink().SetDeviceId(id);
}

void MainDialogs::PointSocketAt(const QString &address)
{
    main_->Factory().SetNetAddress(address.toStdString());
    main_->Factory().DiscoverDevices();
    if (main_->lbShowIp)
        main_->lbShowIp->SetCaption(QStringLiteral("IP : ") + address);
}

void MainDialogs::StorePreset(int slot, const uint8_t *name14)
{
    main_->MainLink().StorePreset(slot, name14);
}

void MainDialogs::RecallPreset(int number)
{
    main_->MainLink().RecallPreset(number);
}

std::string MainDialogs::GetChannelName(int channel)
{
    const uint8_t *n = main_->MainLink().Model().GetChannelName(channel);
    return std::string(reinterpret_cast<const char *>(n), 8);
}

void MainDialogs::SetChannelName(int channel, const uint8_t *name8)
{
    PageNavigation::SetChannelName(*main_, channel, name8);
}

void MainDialogs::ResetPeq(int channel)
{
    if (resetPeq)
        resetPeq(channel);
}

void MainDialogs::ResetGeq(int target)
{
    if (resetGeq)
        resetGeq(target);
}

void MainDialogs::StartFactoryDefault()
{
    main_->MainLink().StartFactoryDefault();
}

void MainDialogs::ShowInformation(const QString &text, std::function<void()> closed)
{
    main_->ShowInformation(text.toStdString(), std::move(closed));
}

void MainDialogs::ShowMessageBox(const QString &text)
{
    main_->ShowMessageBox(text.toStdString());
}
