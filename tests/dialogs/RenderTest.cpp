#include "FakeDialogHost.h"
#include "RenderCheck.h"

#include "TfmAbout.h"
#include "TfmChNameList.h"
#include "TfmChannelName.h"
#include "TfmFactory.h"
#include "TfmHidData.h"
#include "TfmLockPassWord.h"
#include "TfmLockSetup.h"
#include "TfmMemo.h"
#include "TfmNetworkSetup.h"
#include "TfmPeqRst.h"
#include "TfmRecallPreset.h"
#include "TfmStoreName.h"
#include "TfmStorePreset.h"
#include "TfmTest.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Every dialog, shown in each language, draws its controls over the whole
// client area: a blank or half-built window has only a few colours.
TEST(DialogRendering, EachDialogDrawsInBothLanguages)
{
    using Maker = std::function<std::unique_ptr<TForm>(DialogHost *)>;
    struct Case {
        const char *name;
        Maker make;
    } cases[] = {
        {"store", [](DialogHost *h) { return std::make_unique<TfmStorePreset>(nullptr, h); }},
        {"recall", [](DialogHost *h) { return std::make_unique<TfmRecallPreset>(nullptr, h); }},
        {"storename", [](DialogHost *h) { return std::make_unique<TfmStoreName>(nullptr, h, nullptr, nullptr); }},
        {"channelname", [](DialogHost *h) { return std::make_unique<TfmChannelName>(nullptr, h); }},
        {"chnamelist", [](DialogHost *h) { return std::make_unique<TfmChNameList>(nullptr, h); }},
        {"test", [](DialogHost *h) { return std::make_unique<TfmTest>(nullptr, h); }},
        {"locksetup", [](DialogHost *h) { return std::make_unique<TfmLockSetup>(nullptr, h); }},
        {"unlock", [](DialogHost *h) { return std::make_unique<TfmLockPassWord>(nullptr, h); }},
        {"peqrst", [](DialogHost *h) { return std::make_unique<TfmPeqRst>(nullptr, h); }},
        {"factory", [](DialogHost *h) { return std::make_unique<TfmFactory>(nullptr, h); }},
        {"about", [](DialogHost *h) { return std::make_unique<TfmAbout>(nullptr, h); }},
        {"network", [](DialogHost *h) { return std::make_unique<TfmNetworkSetup>(nullptr, h); }},
        {"hiddata", [](DialogHost *) { return std::make_unique<TfmHidData>(nullptr); }},
        {"memo", [](DialogHost *) { return std::make_unique<TfmMemo>(nullptr); }},
    };
    for (bool english : {true, false}) {
        for (const Case &c : cases) {
            FakeDialogHost host;
            host.english = english;
            std::unique_ptr<TForm> form = c.make(&host);
            form->Show();
            const QImage img = RenderForm(*form, QString("%1-%2").arg(c.name, english ? "en" : "zh"));
            EXPECT_EQ(img.width(), form->ClientWidth() * int(img.devicePixelRatio())) << c.name;
            EXPECT_GT(DistinctColours(img), 4) << c.name << (english ? " en" : " zh");
        }
    }
}
