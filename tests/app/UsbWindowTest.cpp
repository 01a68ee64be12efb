// The program's windows and the processor over USB: the simulated processor
// behind a fake HID bus, found by the main window's HID controller, tried
// first by the connect dialog's scan, lost when it is unplugged.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "Button.h"
#include "EditorWindowsFixture.h"
#include "FakeHidBus.h"
#include "LMainLink.h"
#include "LUnitControl.h"
#include "Label.h"
#include "PumpEvents.h"
#include "ScanAttempt.h"
#include "SimFrontEnd.h"
#include "SkBmpButton.h"
#include "TfmMain.h"
#include "TfmNetwork.h"

namespace {

// The editor's windows over a bus of the test's own: the network candidate
// points at a loopback port nothing listens on, the serial ports are the
// test's; every attempt of the scan and every message box is recorded.
class UsbWindowTest : public EditorWindowsFixture {
protected:
    // The simulator as the processor's node on the bus (reports as hidraw
    // hands them on for a descriptor without report IDs).
    void PlugProcessor()
    {
        processor = bus.Add("tq62");
        close(processor->node);
        close(processor->far);
        processor->far = -1;
        processor->node = fcntl(sim->HostFd(), F_DUPFD_CLOEXEC, 0);
    }
    void Create(std::vector<std::string> ports, bool show = true)
    {
        CreateWindows(DeadPort());
        fmMain->messageBox = [this](const QString &text) { boxes.push_back(text); };
        fmNetwork->sources.listPorts = [ports] { return ports; };
        LConnectScan &scan = fmNetwork->Scan();
        auto shown = scan.onAttempt;
        scan.onAttempt = [this, shown](size_t i) {
            shown(i);
            attempts.push_back({fmNetwork->lblDeviceID->Caption(), fmNetwork->lblScan->Caption()});
        };
        if (show)
            fmMain->Show();
    }
    // Online with the upload ended (it shows the preset labels; the upload
    // starts only after the device said whether it is locked).
    static bool Settled()
    {
        const LMainLink &link = fmMain->MainLink();
        return link.IsOnline() && !fmMain->lbPstNum->Caption().isEmpty() &&
               link.GetSequence() == LMainLink::Sequence::None && !fmNetwork->Visible();
    }
    static QString Tr(const char *sid) { return fmMain->TranslateQ(sid); }
    // The whole image but its first two bytes (the image's own header) equals the device's.
    void ExpectModelIsTheSimulators()
    {
        const ParameterImage device = sim->WithSim([](SimProcessor &s) { return s.image; });
        const auto mine = fmMain->MainLink().Model().GetImage().ToBytes();
        const auto theirs = device.ToBytes();
        ASSERT_EQ(mine.size(), theirs.size());
        EXPECT_TRUE(std::equal(mine.begin() + 2, mine.end(), theirs.begin() + 2));
    }

    FakeHidBus bus; // stands in for the program's empty bus; made before the windows
    std::unique_ptr<SimHid> sim = std::make_unique<SimHid>(1, SimHid::InputReports::Hidraw);
    std::shared_ptr<FakeHidInterface> processor;
    std::vector<Attempt> attempts;
    std::vector<QString> boxes;
};

TEST_F(UsbWindowTest, ProcessorIsTriedFirstGoesOnlineAndItsUnplugBreaksTheLink)
{
    sim->WithSim([](SimProcessor &s) {
        s.image.outputs[4].gain = 222;
        std::memset(s.image.presetName, ' ', sizeof s.image.presetName);
        std::memcpy(s.image.presetName, "Over USB", 8);
        return 0;
    });
    PlugProcessor();
    SimPty port; // a serial port after the USB device, never reached
    port.knobs.silent = true;
    Create({port.SlavePath()});

    // The first enumeration takes the processor before the start timer's scan.
    ASSERT_TRUE(PumpUntil([] { return fmMain->HasHidDevice(); }, 20000));
    EXPECT_EQ(fmMain->lbStatus->Caption(), "Detect HID");
    EXPECT_FALSE(fmMain->lbStatus->Visible());
    ASSERT_TRUE(PumpUntil(Settled, 15000));
    // USB leads; the network is not tried with a USB device held.
    EXPECT_EQ(attempts, (std::vector<Attempt>{{"1/2", Tr("SID_SCAN_USB")}}));
    EXPECT_EQ(fmMain->lbConInterface->Caption(), "USB");
    EXPECT_EQ(fmMain->skbMenuLink->Caption(), Tr("SID_ONLINE"));
    EXPECT_EQ(fmMain->MainLink().Model().GetGain(8), 222);
    EXPECT_EQ(fmMain->lbPstName->Caption(), "Over USB      ");
    ExpectModelIsTheSimulators();
    EXPECT_EQ(port.FrameCount(), 0u);

    // Unplugged: checked in at once, the link closed by the link-lost timer,
    // the window offline and the connect dialog showing the broken link.
    sim->HangUp();
    bus.Remove(processor);
    bus.Signal();
    ASSERT_TRUE(PumpUntil([] { return !fmMain->HasHidDevice(); }, 20000));
    EXPECT_EQ(fmMain->lbStatus->Caption(), "OffLine");
    ASSERT_TRUE(PumpUntil(
        [] {
            return !fmMain->MainLink().HasLink() && fmNetwork->Visible() &&
                   fmNetwork->lblScan->Caption() == Tr("SID_LINK_BROKEN") && fmNetwork->btnOK->Enabled();
        },
        20000));
    EXPECT_FALSE(fmMain->MainLink().IsOnline());
    EXPECT_EQ(fmMain->skbMenuLink->Caption(), Tr("SID_OFFLINE"));
    EXPECT_EQ(fmMain->lbConInterface->Caption(), "");
    EXPECT_TRUE(boxes.empty()) << boxes.front().toStdString();
    // Nothing of the scan runs on behind the broken link.
    EXPECT_FALSE(fmNetwork->Scan().TimersActive());
    PumpFor(300);
    EXPECT_EQ(port.FrameCount(), 0u);
}

TEST_F(UsbWindowTest, WithoutAProcessorTheNetworkIsTriedAndOneThatArrivesIsTriedOnRescan)
{
    Create({});
    ASSERT_TRUE(PumpUntil([] { return fmNetwork->Visible() && fmNetwork->Scan().Failed() && fmNetwork->btnOK->Enabled(); },
                          15000));
    EXPECT_GT(bus.classDevCalls.load(), 0); // the window enumerated this bus
    EXPECT_EQ(attempts, (std::vector<Attempt>{{"1/1", Tr("SID_SCAN_NET")}}));
    EXPECT_EQ(fmMain->lbStatus->Caption(), "");

    // Plugged in while the dialog says no device was found: taken at once,
    // tried by the next scan.
    PlugProcessor();
    bus.Signal();
    ASSERT_TRUE(PumpUntil([] { return fmMain->HasHidDevice(); }, 5000));
    EXPECT_EQ(fmMain->lbStatus->Caption(), "Detect HID");
    attempts.clear();
    fmNetwork->btnOK->Click();
    ASSERT_TRUE(PumpUntil(Settled, 15000));
    EXPECT_EQ(attempts, (std::vector<Attempt>{{"1/1", Tr("SID_SCAN_USB")}}));
    EXPECT_EQ(fmMain->lbConInterface->Caption(), "USB");
    ExpectModelIsTheSimulators();
    EXPECT_TRUE(boxes.empty());
}

// A read that fails for another reason than the device leaving is shown in
// the window's message box, once; the processor stays held.
TEST_F(UsbWindowTest, AFailedReadIsShownOnceAndTheProcessorStaysHeld)
{
    bus.failReadsWith = EPROTO;
    PlugProcessor();
    Create({});
    ASSERT_TRUE(PumpUntil([this] { return !boxes.empty(); }, 5000));
    PumpFor(300);
    EXPECT_EQ(boxes, (std::vector<QString>{"READ ERROR: " + QString::fromLocal8Bit(std::strerror(EPROTO))}));
    EXPECT_TRUE(fmMain->HasHidDevice());
    EXPECT_EQ(fmMain->lbStatus->Caption(), "Detect HID");
}

// The processor leaving is shown in the status label only while the window is.
TEST_F(UsbWindowTest, UnpluggedWhileTheWindowIsHiddenTheStatusLabelStays)
{
    PlugProcessor();
    Create({}, false);
    ASSERT_TRUE(PumpUntil([] { return fmMain->HasHidDevice(); }, 5000));
    sim->HangUp();
    bus.Remove(processor);
    bus.Signal();
    ASSERT_TRUE(PumpUntil([] { return !fmMain->HasHidDevice(); }, 5000));
    EXPECT_EQ(fmMain->lbStatus->Caption(), "Detect HID");
}

} // namespace

// Without a bus of its own, a window enumerates the program's empty one and
// never the machine's devices.
TEST(UsbWindowDefaultBus, TheMainWindowEnumeratesTheEmptyFakeBus)
{
    ASSERT_NE(FakeHidBus::Current, nullptr);
    FakeHidBus &programBus = *FakeHidBus::Current;
    const int before = programBus.classDevCalls;
    TfmMain::connectOption = {true, "127.0.0.1", 1};
    CreateEditorWindows();
    const bool enumerated = PumpUntil([&] { return programBus.classDevCalls > before; }, 5000);
    EXPECT_FALSE(fmMain->HasHidDevice());
    DestroyEditorWindows();
    TfmMain::connectOption = {};
    EXPECT_TRUE(enumerated);
    EXPECT_EQ(FakeHidBus::Current, &programBus);
}
