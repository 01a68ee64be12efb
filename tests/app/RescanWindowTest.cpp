#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <random>
#include <sstream>
#include <string>

#include "Button.h"
#include "CommandClasses.h"
#include "Edit.h"
#include "EditorWindows.h"
#include "FirstUpload.h"
#include "Label.h"
#include "LMainLink.h"
#include "LSysLinkFactory.h"
#include "MainDialogs.h"
#include "PumpEvents.h"
#include "SimFrontEnd.h"
#include "SkBmpButton.h"
#include "TfmInformation.h"
#include "TfmMain.h"
#include "TfmNetwork.h"
#include "TfmNetworkSetup.h"
#include "UserInput.h"

namespace {

// The editor started with `--connect 127.0.0.1:P`, and the simulated device
// on P coming and going as the test says. Everything the user does is a click
// or a key on the program's own windows.
class RescanWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        SimTcp probe; // a free loopback port for the device to come back to
        port = probe.Port();
        ASSERT_NE(port, 0);
    }
    void TearDown() override
    {
        DestroyEditorWindows();
        TfmMain::connectOption = {};
    }

    void StartEditor()
    {
        TfmMain::connectOption = {true, "127.0.0.1", port};
        CreateEditorWindows();
        fmMain->Show();
    }
    void StartDevice(uint8_t id = 1, const char *identity = "TQ62 V010")
    {
        sim = std::make_unique<SimTcp>(id, port);
        ASSERT_EQ(sim->Port(), port);
        sim->WithSim([identity](SimProcessor &s) {
            s.identity = identity;
            return 0;
        });
    }
    void StopDevice() { sim.reset(); }

    static LMainLink &Link() { return fmMain->MainLink(); }
    static QString Tr(const char *sid) { return fmMain->TranslateQ(sid); }
    static bool ButtonsEnabled()
    {
        return fmNetwork->btnOK->Enabled() && fmNetwork->btnId->Enabled() && fmNetwork->btnExit->Enabled();
    }
    // The connect dialog waits for the user: nothing found, or a link lost.
    static bool DialogWaits()
    {
        return fmNetwork->Visible() && ButtonsEnabled() && !fmNetwork->Scan().TimersActive();
    }
    static bool NoDeviceFound() { return DialogWaits() && fmNetwork->lblScan->Caption() == Tr("SID_NO_DEVICE"); }
    static bool OnlineAndUploaded() { return FirstUploadEnded(Link()) && !fmNetwork->Visible(); }
    static bool OfflineIdle()
    {
        return !fmNetwork->Visible() && !fmInformation->Visible() && !Link().HasLink() && !Link().IsOnline() &&
               fmMain->skbMenuLink->Enabled();
    }
    // Nothing runs that the user waits for.
    static bool Settled() { return DialogWaits() || OnlineAndUploaded() || OfflineIdle(); }

    // What the windows and the link show, for a failure's message.
    static std::string State()
    {
        std::ostringstream s;
        s << "dialog " << fmNetwork->Visible() << " \"" << fmNetwork->lblScan->Caption().toStdString()
          << "\" buttons " << ButtonsEnabled() << " timers " << fmNetwork->Scan().TimersActive() << "; button \""
          << fmMain->skbMenuLink->Caption().toStdString() << "\" enabled " << fmMain->skbMenuLink->Enabled()
          << "; online " << Link().IsOnline() << " link " << Link().HasLink() << " socket "
          << fmMain->Factory().Socket().IsConnected() << " polling " << Link().IsLevelPolling() << " sequence "
          << int(Link().GetSequence()) << "; information " << fmInformation->Visible();
        return s.str();
    }

    static bool Click(TControl *c)
    {
        UserInput::Render();
        return UserInput::Click(c);
    }

    // "OnLine" (and the "NET" interface) are shown only while the network
    // link is open over a connected socket that the device holds.
    testing::AssertionResult OnlineOnlyWithLiveSocket() const
    {
        const bool shown = fmMain->skbMenuLink->Caption() == Tr("SID_ONLINE");
        const bool net = fmMain->lbConInterface->Caption() == "NET";
        const bool live = Link().IsOnline() && Link().HasLinkOfKind(LLinkPort::Kind::Net) &&
                          fmMain->Factory().Socket().IsConnected() && sim && sim->HasClient();
        if ((shown || net) && !live)
            return testing::AssertionFailure()
                   << "the window shows " << (shown ? "\"OnLine\" " : "") << (net ? "\"NET\" " : "")
                   << "over online " << Link().IsOnline() << ", link " << Link().HasLink() << ", socket "
                   << fmMain->Factory().Socket().IsConnected() << ", device " << (sim != nullptr);
        if (Link().IsOnline() != shown)
            return testing::AssertionFailure() << "online " << Link().IsOnline() << " but the button reads "
                                               << fmMain->skbMenuLink->Caption().toStdString();
        return testing::AssertionSuccess();
    }

    // A click on input A's mute button on the Gain page reaches the device:
    // its mute bit follows the button.
    testing::AssertionResult MuteClickReachesDevice() const
    {
        auto *mute = dynamic_cast<TSkBmpButton *>(fmMain->FindControl("skbMuteBackupInA"));
        if (!mute || !sim)
            return testing::AssertionFailure() << "no mute button or no device";
        if (!Click(mute))
            return testing::AssertionFailure() << "the mute button is not shown";
        const bool down = mute->Down();
        const auto deviceMuted = [this] { return sim->WithSim([](SimProcessor &s) { return s.image.inputMuteMask & 1; }) != 0; };
        if (!PumpUntil([&] { return deviceMuted() == down; }, 5000))
            return testing::AssertionFailure() << "the device's mute stayed " << deviceMuted() << " after the click";
        return testing::AssertionSuccess();
    }

    uint16_t port = 0;
    std::unique_ptr<SimTcp> sim;
};

// A scan fails in one of three ways; the device is then there with the right
// identity, and the user scans again (Rescan in the dialog, else the link
// button): the editor goes online over a live link, and a mute click reaches
// the device.
enum class Failure { Refused, WrongIdentity, LinkLost };

class RescanAfterFailure : public RescanWindowTest, public testing::WithParamInterface<Failure> {};

TEST_P(RescanAfterFailure, TheNextScanGoesOnlineAndAClickReachesTheDevice)
{
    switch (GetParam()) {
    case Failure::Refused:
        // Online, then offline by the link button; the device goes; the
        // link button's scan finds nothing; the device comes back.
        StartDevice();
        StartEditor();
        ASSERT_TRUE(PumpUntil(OnlineAndUploaded, 30000));
        ASSERT_TRUE(Click(fmMain->skbMenuLink));
        ASSERT_TRUE(PumpUntil(OfflineIdle, 5000));
        StopDevice();
        ASSERT_TRUE(Click(fmMain->skbMenuLink));
        ASSERT_TRUE(PumpUntil(NoDeviceFound, 15000));
        StartDevice();
        break;
    case Failure::WrongIdentity:
        // Nothing found; a device of another type comes; Rescan finds it and
        // the editor refuses it; the device is then the right one.
        StartEditor();
        ASSERT_TRUE(PumpUntil(NoDeviceFound, 15000));
        StartDevice(1, "XX99 V010");
        ASSERT_TRUE(Click(fmNetwork->btnOK));
        ASSERT_TRUE(PumpUntil([] { return fmInformation->Visible(); }, 15000));
        EXPECT_EQ(fmInformation->lbMessage->Caption(), Tr("SID_INFO_ERROR_UNIT"));
        ASSERT_TRUE(Click(fmInformation->btnOK));
        ASSERT_TRUE(PumpUntil(OfflineIdle, 5000));
        EXPECT_TRUE(OnlineOnlyWithLiveSocket());
        StopDevice();
        StartDevice();
        break;
    case Failure::LinkLost:
        // Online; the device goes, the link breaks; the device comes back.
        StartDevice();
        StartEditor();
        ASSERT_TRUE(PumpUntil(OnlineAndUploaded, 30000));
        StopDevice();
        ASSERT_TRUE(PumpUntil(DialogWaits, 15000));
        EXPECT_EQ(fmNetwork->lblScan->Caption(), Tr("SID_LINK_BROKEN"));
        EXPECT_TRUE(OnlineOnlyWithLiveSocket());
        StartDevice();
        break;
    }
    ASSERT_TRUE(Click(fmNetwork->Visible() ? static_cast<TControl *>(fmNetwork->btnOK) : fmMain->skbMenuLink));
    ASSERT_TRUE(PumpUntil(OnlineAndUploaded, 30000));
    // Let whatever an earlier attempt left behind happen before looking.
    PumpFor(500);
    EXPECT_TRUE(OnlineOnlyWithLiveSocket());
    EXPECT_EQ(fmMain->skbMenuLink->Caption(), Tr("SID_ONLINE"));
    EXPECT_TRUE(Link().IsLevelPolling());
    EXPECT_TRUE(MuteClickReachesDevice());
    EXPECT_TRUE(MuteClickReachesDevice());
}

INSTANTIATE_TEST_SUITE_P(Scan, RescanAfterFailure,
                         testing::Values(Failure::Refused, Failure::WrongIdentity, Failure::LinkLost),
                         [](const testing::TestParamInfo<Failure> &p) {
                             return p.param == Failure::Refused         ? "Refused"
                                    : p.param == Failure::WrongIdentity ? "WrongIdentity"
                                                                        : "LinkLost";
                         });

// The scan's paths (link button, Rescan, Set, Demo) in random order while the
// device comes and goes: after each step the window shows "OnLine" only over
// a live link, a scan with the device there goes online, and online a click
// reaches the device.
TEST_F(RescanWindowTest, ScanPathsInRandomOrderAgainstADeviceThatComesAndGoes)
{
    enum Action { LinkButton, Rescan, Set, Demo, DeviceGoes, DeviceComes };
    static const char *const kNames[] = {"link button", "Rescan", "Set", "Demo", "device goes", "device comes"};
    constexpr unsigned kSeed = 33062;
    constexpr int kSteps = 20;
    std::cout << "[ sweep    ] seed " << kSeed << std::endl;
    std::mt19937 random(kSeed);

    StartDevice();
    StartEditor();
    ASSERT_TRUE(PumpUntil(Settled, 30000));
    std::ostringstream path;
    for (int step = 0; step < kSteps; ++step) {
        // What the user can reach now: the dialog's buttons while it shows,
        // else the link button; and the device can always come or go.
        Action choices[4];
        int count = 0;
        if (fmNetwork->Visible()) {
            choices[count++] = Rescan;
            choices[count++] = Set;
            choices[count++] = Demo;
        } else {
            choices[count++] = LinkButton;
        }
        choices[count++] = sim ? DeviceGoes : DeviceComes;
        const Action action = choices[std::uniform_int_distribution<int>(0, count - 1)(random)];
        path << " " << step << ":" << kNames[action];
        SCOPED_TRACE("seed " + std::to_string(kSeed) + ", steps" + path.str());

        const bool wasOnline = Link().IsOnline();
        bool scans = false;
        switch (action) {
        case LinkButton:
            ASSERT_TRUE(Click(fmMain->skbMenuLink));
            scans = !wasOnline;
            if (wasOnline) {
                ASSERT_TRUE(PumpUntil([] { return !Link().HasLink(); }, 5000));
            }
            break;
        case Rescan:
            ASSERT_TRUE(Click(fmNetwork->btnOK));
            scans = true;
            break;
        case Set: {
            // The network setup over the dialog; Set keeps what it shows.
            ASSERT_TRUE(Click(fmNetwork->btnId));
            TfmNetworkSetup *setup = fmMain->Dialogs()->fmNetworkSetup;
            ASSERT_TRUE(setup->Visible());
            ASSERT_TRUE(Click(setup->bnSet));
            ASSERT_FALSE(setup->Visible());
            break;
        }
        case Demo:
            ASSERT_TRUE(Click(fmNetwork->btnExit));
            break;
        case DeviceGoes:
            StopDevice();
            if (wasOnline) {
                ASSERT_TRUE(PumpUntil([] { return !Link().IsOnline(); }, 10000));
            }
            break;
        case DeviceComes:
            StartDevice();
            break;
        }
        ASSERT_TRUE(PumpUntil(Settled, 30000)) << State();
        PumpFor(300);
        ASSERT_TRUE(Settled()) << State();
        EXPECT_TRUE(OnlineOnlyWithLiveSocket());
        if (scans && sim) {
            EXPECT_TRUE(Link().IsOnline()) << "the device is there";
        }
        if (Link().IsOnline()) {
            EXPECT_TRUE(MuteClickReachesDevice());
        }
    }
    std::cout << "[ sweep    ]" << path.str() << std::endl;
}

// With `--connect 127.0.0.1:P`, setting the ID in the network setup keeps
// the port: the next scan finds the device on P (under the new ID).
TEST_F(RescanWindowTest, NetworkSetupKeepsThePortGiven)
{
    StartEditor();
    ASSERT_TRUE(PumpUntil(NoDeviceFound, 15000));
    ASSERT_TRUE(Click(fmNetwork->btnId));
    TfmNetworkSetup *setup = fmMain->Dialogs()->fmNetworkSetup;
    ASSERT_TRUE(setup->Visible());
    ASSERT_TRUE(Click(setup->edId)); // a click selects the whole ID
    UserInput::Type(setup->WindowWidget(), "3");
    EXPECT_EQ(setup->edId->Text(), "3");
    ASSERT_TRUE(Click(setup->bnSet));
    EXPECT_FALSE(setup->Visible());
    EXPECT_EQ(Link().GetDeviceId(), 3);
    EXPECT_EQ(fmMain->lbShowIp->Caption(), "IP : 127.0.0.1");
    EXPECT_EQ(fmMain->Factory().Socket().Port(), port);

    StartDevice(3);
    ASSERT_TRUE(Click(fmNetwork->btnOK));
    ASSERT_TRUE(PumpUntil(OnlineAndUploaded, 30000));
    EXPECT_TRUE(OnlineOnlyWithLiveSocket());
    EXPECT_TRUE(MuteClickReachesDevice());
}

} // namespace
