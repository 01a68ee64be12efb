#include "MainDialogs.h"

#include "LMainLink.h"
#include "Label.h"
#include "LUnitControl.h"
#include "Menus.h"
#include "PageNavigation.h"
#include "SharedConstants.h"
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

MainDialogs::MainDialogs(TfmMain *Main) : main_(Main)
{
    fmStorePreset = new TfmStorePreset(Main, this);
    fmRecallPreset = new TfmRecallPreset(Main, this);
    fmStoreName = new TfmStoreName(Main, this, fmStorePreset, fmRecallPreset);
    fmStorePreset->SetNameDialog(fmStoreName);
    fmRecallPreset->SetNameDialog(fmStoreName);
    fmChannelName = new TfmChannelName(Main, this);
    fmChNameList = new TfmChNameList(Main, this);
    fmTest = new TfmTest(Main, this);
    fmLockSetup = new TfmLockSetup(Main, this);
    fmLockPassWord = new TfmLockPassWord(Main, this);
    fmPeqRst = new TfmPeqRst(Main, this);
    fmFactory = new TfmFactory(Main, this);
    fmAbout = new TfmAbout(Main, this);
    fmNetworkSetup = new TfmNetworkSetup(Main, this);
    fmHidData = new TfmHidData(Main);
    fmMemo = new TfmMemo(Main);
    fmRs232CodeEnglish = new TfmRs232CodeEnglish(Main);
    fmRs232Code = new TfmRs232Code(Main);
    fmLinkSel = new TfmLinkSel(Main, this, Main);
    fmCopy = new TfmCopy(Main, this, Main);
}

// The forms belong to the main window, which frees them.
MainDialogs::~MainDialogs() = default;

void MainDialogs::Attach()
{
    main_->NetworkSetup->OnClick = [this](TObject *) { ShowNetworkSetup(); };
    main_->SettingID->OnClick = [this](TObject *) { ShowNetworkSetup(); };
    main_->TestTone->OnClick = [this](TObject *) { fmTest->Show(); };
    main_->ChNameList->OnClick = [this](TObject *) { fmChNameList->Show(); };
    main_->LockSetup->OnClick = [this](TObject *) { fmLockSetup->Show(); };
    main_->About->OnClick = [this](TObject *) { fmAbout->Show(); };
    main_->Link->OnClick = [this](TObject *) { fmLinkSel->Show(); };
    main_->Copy->OnClick = [this](TObject *) { fmCopy->Show(); };
    main_->MemoShow->OnClick = [this](TObject *) { fmMemo->Show(); };
    main_->HidData->OnClick = [this](TObject *) { fmHidData->Show(); };
    main_->Rs232Code->OnClick = [this](TObject *) {
        if (IsEnglish())
            fmRs232CodeEnglish->Show();
        else
            fmRs232Code->Show();
    };
}

void MainDialogs::ShowNetworkSetup()
{
    fmNetworkSetup->SetOnline(main_->MainLink().IsOnline());
    fmNetworkSetup->Show();
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
    fmLockPassWord->Show();
}

void MainDialogs::SetUnlockResult(uint8_t answer)
{
    fmLockPassWord->SetResult(answer);
}

void MainDialogs::ShowFactoryConfirmation()
{
    fmFactory->Show();
}

bool MainDialogs::IsTrafficLogVisible()
{
    return fmHidData->Wanted();
}

void MainDialogs::AddTrafficLine(const std::string &line)
{
    fmHidData->AddLine(line);
}

void MainDialogs::LockAnswered()
{
    fmLockSetup->LockAnswered();
}

void MainDialogs::ShowStorePresets()
{
    fmStorePreset->Show();
}

void MainDialogs::ShowRecallPresets()
{
    fmRecallPreset->Show();
}

void MainDialogs::ShowChannelName(int channel)
{
    fmChannelName->SetChannelName(GetChannelName(channel));
    fmChannelName->SetChannel(channel);
    fmChannelName->Show();
}

void MainDialogs::ShowEqReset(int target)
{
    fmPeqRst->SetTarget(target);
    fmPeqRst->Show();
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
    main_->Factory().SetNetAddress(address.toStdString(), SharedConstants::kDevicePort);
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
