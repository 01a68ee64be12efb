#pragma once
// Every window of the editor by name, for the tests and tools that walk them
// all (renders, clicks, caption checks): the main window's pages through its
// own page navigation, and each dialog the program makes.
#include "MainDialogs.h"
#include "PageNavigation.h"
#include "TProtocolViewer.h"
#include "TfmAbout.h"
#include "TfmChNameList.h"
#include "TfmChannelName.h"
#include "TfmCopy.h"
#include "TfmExit.h"
#include "TfmFactory.h"
#include "TfmHidData.h"
#include "TfmInformation.h"
#include "TfmLinkSel.h"
#include "TfmLockPassWord.h"
#include "TfmLockSetup.h"
#include "TfmMain.h"
#include "TfmMemo.h"
#include "TfmNetwork.h"
#include "TfmNetworkSetup.h"
#include "TfmPeqRst.h"
#include "TfmProcess.h"
#include "TfmRecallPreset.h"
#include "TfmStoreName.h"
#include "TfmStorePreset.h"
#include "TfmTest.h"

#include <vector>

struct TourForm {
    const char *name;
    TCustomForm *form;
};

// The dialogs of the windows made by CreateEditorWindows, main window excluded.
inline std::vector<TourForm> TourDialogs()
{
    MainDialogs *d = fmMain->Dialogs();
    return {{"connect", fmNetwork},
            {"process", fmProcess},
            {"information", fmInformation},
            {"exit", fmExit},
            {"storepreset", d->fmStorePreset},
            {"recallpreset", d->fmRecallPreset},
            {"storename", d->fmStoreName},
            {"channelname", d->fmChannelName},
            {"chnamelist", d->fmChNameList},
            {"test", d->fmTest},
            {"locksetup", d->fmLockSetup},
            {"lockpassword", d->fmLockPassWord},
            {"peqrst", d->fmPeqRst},
            {"factory", d->fmFactory},
            {"about", d->fmAbout},
            {"networksetup", d->fmNetworkSetup},
            {"hiddata", d->fmHidData},
            {"memo", d->fmMemo},
            {"rs232english", d->fmRs232CodeEnglish},
            {"rs232chinese", d->fmRs232Code},
            {"linksel", d->fmLinkSel},
            {"copy", d->fmCopy}};
}

// The main window's page navigation (the page buttons and ShowPage).
inline PageNavigation *TourNavigation()
{
    for (auto &p : fmMain->Pages())
        if (auto *n = dynamic_cast<PageNavigation *>(p.get()))
            return n;
    return nullptr;
}
