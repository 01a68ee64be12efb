// The editor and the processor over USB: the HID controller on a fake bus
// whose processor is the simulator behind a packet pair that reads like
// hidraw, the main window's HID handlers and the USB link between them.
#include <QElapsedTimer>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakeHidBus.h"
#include "LHeadlessUi.h"
#include "LMainLink.h"
#include "LMainLinkHid.h"
#include "LSysLinkFactory.h"
#include "LUnitControl.h"
#include "PumpEvents.h"
#include "SimFrontEnd.h"
#include "THidDevice.h"
#include "THidDeviceController.h"

namespace {

bool HasLineStartingWith(const std::vector<std::string> &lines, const std::string &prefix)
{
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string &l) { return l.compare(0, prefix.size(), prefix) == 0; });
}

// The connection logic and its HID side over a fake bus. The bus comes first:
// its services are bound before the controller loads them.
class UsbHid : public ::testing::Test {
protected:
    UsbHid() : main(&ui, &factory)
    {
        ui.SetMain(&main);
        ui.candidates.push_back({"USB", [](LMainLink &m) { m.OpenUsbLink(); }, 6000});
    }
    ~UsbHid() override
    {
        main.CloseLink();
        hid.reset();
    }

    // The processor, answered by the simulator.
    void PlugSimulatedProcessor()
    {
        sim = std::make_unique<SimHid>(1, SimHid::InputReports::Hidraw);
        processor = bus.Add("tq62");
        close(processor->node);
        close(processor->far);
        processor->far = -1;
        processor->node = fcntl(sim->HostFd(), F_DUPFD_CLOEXEC, 0);
    }

    // The HID side, with every data error it gets recorded on the way to its handler.
    void Start()
    {
        hid = std::make_unique<LMainLinkHid>(main, factory, &ui);
        THidDeviceController &c = hid->HidCtl();
        c.SetOnDeviceDataError([this](THidDevice *dev, uint32_t error) {
            dataErrors.push_back(error);
            hid->HidCtlDeviceDataError(dev, error);
        });
    }

    void StartAndTakeProcessor()
    {
        Start();
        ASSERT_TRUE(PumpUntil([&] { return hid->HidDevice() != nullptr; }));
    }

    bool UploadDone() const
    {
        return main.IsOnline() && ui.pageRefreshes > 0 && main.GetSequence() == LMainLink::Sequence::None;
    }

    // A device change as the monitor would report it.
    void Change()
    {
        const int before = bus.classDevCalls;
        bus.Signal();
        ASSERT_TRUE(PumpUntil([&] { return bus.classDevCalls > before; }));
    }

    FakeHidBus bus;
    std::unique_ptr<SimHid> sim;
    std::shared_ptr<FakeHidInterface> processor;
    LHeadlessUi ui;
    LSysLinkFactory factory;
    LMainLink main;
    std::unique_ptr<LMainLinkHid> hid;
    std::vector<uint32_t> dataErrors;
};

TEST_F(UsbHid, ArrivalHandshakeUploadUnplugAndLinkLoss)
{
    PlugSimulatedProcessor();
    auto keyboard = bus.Add("kbd", 0x046D, 0xC31C, KeyboardDescriptor());
    sim->WithSim([](SimProcessor &s) { s.image.outputs[4].gain = 222; });
    StartAndTakeProcessor();
    EXPECT_EQ(hid->StatusText(), "Detect HID");
    EXPECT_EQ(hid->HidDevice()->PnPInfo()->DeviceID(), QString("tq62"));
    EXPECT_EQ(hid->HidCtl().NumCheckedOutDevices(), 1);
    EXPECT_EQ(hid->HidCtl().NumCheckedInDevices(), 1);  // the keyboard is left alone

    ui.trafficLogVisible = true;
    main.skbMenuLinkClick();
    ASSERT_TRUE(PumpUntil([&] { return UploadDone(); }, 15000));
    EXPECT_EQ(ui.interfaceLabel, "USB");
    EXPECT_EQ(main.Model().GetGain(8), 222);
    ASSERT_FALSE(sim->Frames().empty());
    EXPECT_EQ(sim->Frames()[0], (ByteVector{0x10, 0x02, 0x00, 0x01, 0x01, 0x10, 0x10, 0x03, 0x11}));
    ASSERT_TRUE(PumpUntil([&] { return HasLineStartingWith(ui.trafficLines, "USB W 00  10 02 00 01 01 10 "); }));
    EXPECT_TRUE(HasLineStartingWith(ui.trafficLines, "USB R 00  10 02 01 "));
    // A read line holds the frame, not the report's filler.
    for (const std::string &l : ui.trafficLines)
        EXPECT_LT(l.size(), 10 + 3 * 64u) << l;

    // Another vendor's device leaving changes nothing.
    bus.Remove(keyboard);
    Change();
    PumpFor(400);
    EXPECT_TRUE(main.IsOnline());
    EXPECT_NE(hid->HidDevice(), nullptr);

    // The processor goes: its reads fail once, quietly, and the reader stops.
    sim->HangUp();
    ASSERT_TRUE(PumpUntil([&] { return !dataErrors.empty(); }));
    EXPECT_EQ(dataErrors, std::vector<uint32_t>{ENODEV});
    const int reads = bus.readCalls;
    PumpFor(250);
    EXPECT_EQ(bus.readCalls, reads);
    EXPECT_TRUE(ui.messageBoxes.empty());

    // Then the bus reports it gone: checked in at once, the link closed by the
    // link-lost timer, the window offline with the connect dialog shown.
    bus.Remove(processor);
    QElapsedTimer sinceUnplug;
    sinceUnplug.start();
    Change();
    EXPECT_EQ(hid->HidDevice(), nullptr);
    EXPECT_EQ(hid->StatusText(), "OffLine");
    EXPECT_EQ(hid->HidCtl().NumCheckedOutDevices(), 0);
    EXPECT_EQ(hid->HidCtl().NumUnpluggedDevices(), 0);
    EXPECT_TRUE(main.HasLinkOfKind(LLinkPort::Kind::Usb));
    const int changesBefore = bus.classDevCalls;
    ASSERT_TRUE(PumpUntil([&] { return !main.HasLink(); }));
    EXPECT_GE(sinceUnplug.elapsed(), 250);
    EXPECT_FALSE(main.IsOnline());
    EXPECT_EQ(factory.UsbLink(), nullptr);
    EXPECT_EQ(ui.linkButtonCaption, "OffLine");
    EXPECT_EQ(ui.interfaceLabel, "");
    EXPECT_EQ(ui.linkBrokenCount, 1);
    EXPECT_TRUE(ui.dialogVisible);
    EXPECT_GT(bus.classDevCalls, changesBefore);  // going offline enumerates again
    EXPECT_TRUE(ui.messageBoxes.empty());
}

TEST_F(UsbHid, RepliesInShortReportsReachTheLinkAsReceived)
{
    // Each reply comes in reports of 5 bytes: a report never gives the link
    // more than it carried, so the frames come out whole.
    PlugSimulatedProcessor();
    sim->knobs.splitBytes = 5;
    sim->knobs.splitGapMs = 0;
    StartAndTakeProcessor();
    main.skbMenuLinkClick();
    ASSERT_TRUE(PumpUntil([&] { return UploadDone(); }, 20000));
    EXPECT_EQ(ui.connectFailures, 0);
}

TEST_F(UsbHid, UnplugWhileTheReaderWaitsStopsItWithinOneSlice)
{
    PlugSimulatedProcessor();
    StartAndTakeProcessor();
    hid->HidDevice()->SetThreadSleepTime(1000);
    PumpFor(250);  // the reader is inside a 1000 ms wait now

    bus.Remove(processor);
    QElapsedTimer t;
    t.start();
    hid->HidCtl().DeviceChange();  // the unplug handler checks the device in
    EXPECT_LT(t.elapsed(), 1900);
    EXPECT_EQ(hid->HidDevice(), nullptr);
    EXPECT_EQ(hid->StatusText(), "OffLine");
    EXPECT_EQ(hid->HidCtl().NumCheckedOutDevices(), 0);
    EXPECT_EQ(hid->HidCtl().NumCheckedInDevices(), 0);
    EXPECT_EQ(hid->HidCtl().NumUnpluggedDevices(), 0);
    const int reads = bus.readCalls;
    PumpFor(150);
    EXPECT_EQ(bus.readCalls, reads);
    EXPECT_TRUE(dataErrors.empty());
    // No USB link was open: nothing to close.
    PumpFor(400);
    EXPECT_EQ(ui.linkBrokenCount, 0);
}

TEST_F(UsbHid, UnpluggingAProcessorNotHeldKeepsTheOneHeld)
{
    // Two processors: the last one taken is the one held.
    auto first = bus.Add("tq62-a");
    bus.Add("tq62-b");
    StartAndTakeProcessor();
    ASSERT_EQ(hid->HidDevice()->PnPInfo()->DeviceID(), QString("tq62-b"));
    EXPECT_EQ(hid->HidCtl().NumCheckedOutDevices(), 2);
    main.OpenUsbLink();
    ASSERT_TRUE(main.HasLinkOfKind(LLinkPort::Kind::Usb));

    bus.Remove(first);
    Change();
    ASSERT_NE(hid->HidDevice(), nullptr);
    EXPECT_EQ(hid->HidDevice()->PnPInfo()->DeviceID(), QString("tq62-b"));
    EXPECT_EQ(hid->StatusText(), "Detect HID");
    EXPECT_EQ(hid->HidCtl().NumCheckedOutDevices(), 1);
    EXPECT_EQ(hid->HidCtl().NumUnpluggedDevices(), 0);
    PumpFor(400);  // no link-lost timer runs
    EXPECT_TRUE(main.HasLinkOfKind(LLinkPort::Kind::Usb));
    EXPECT_EQ(ui.linkBrokenCount, 0);
}

TEST_F(UsbHid, ReadErrorsOfAGoneDeviceStayQuiet)
{
    struct Case {
        int error;
        const char *box;  // nullptr: none
    };
    const Case cases[] = {
        {ENODEV, nullptr},
        {EIO, nullptr},
        {EPROTO, "READ ERROR: Protocol error"},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.error);
        hid.reset();
        dataErrors.clear();
        ui.messageBoxes.clear();
        bus.present.clear();
        bus.failReadsWith = k.error;
        bus.Add("tq62");
        StartAndTakeProcessor();
        ASSERT_TRUE(PumpUntil([&] { return !dataErrors.empty(); }));
        PumpFor(100);
        EXPECT_EQ(dataErrors, std::vector<uint32_t>{uint32_t(k.error)});  // once: the reader stops
        if (k.box)
            EXPECT_EQ(ui.messageBoxes, std::vector<std::string>{k.box});
        else
            EXPECT_TRUE(ui.messageBoxes.empty());
    }
}

TEST_F(UsbHid, OutputReportsCarryTheFrameAfterReportIdZero)
{
    auto dev = bus.Add("tq62");
    const ByteVector frame{0x10, 0x02, 0x00, 0x01, 0x01, 0x10, 0x10, 0x03, 0x11};
    EXPECT_FALSE(LMainLinkHid(main, factory, &ui).UsbWrite(frame.data(), frame.size()));  // no device yet

    StartAndTakeProcessor();
    ASSERT_TRUE(hid->UsbWrite(frame.data(), frame.size()));
    uint8_t report[128];
    ASSERT_EQ(recv(dev->far, report, sizeof report, 0), 65);
    EXPECT_EQ(report[0], 0);
    EXPECT_TRUE(std::equal(frame.begin(), frame.end(), report + 1));
    EXPECT_TRUE(std::all_of(report + 1 + frame.size(), report + 65, [](uint8_t b) { return b == 0; }));

    // A frame fills the 64 data bytes at most; a longer one is not written.
    const ByteVector full(64, 0x5A), over(65, 0x5A);
    ASSERT_TRUE(hid->UsbWrite(full.data(), full.size()));
    ASSERT_EQ(recv(dev->far, report, sizeof report, 0), 65);
    EXPECT_TRUE(std::equal(full.begin(), full.end(), report + 1));
    EXPECT_FALSE(hid->UsbWrite(over.data(), over.size()));
    EXPECT_LT(recv(dev->far, report, sizeof report, MSG_DONTWAIT), 0);
}

TEST_F(UsbHid, AUsbLinkOutlivingTheHidSideWritesNothing)
{
    PlugSimulatedProcessor();
    sim->knobs.silent = true;  // the probe is resent every 100 ms
    StartAndTakeProcessor();
    main.OpenUsbLink();
    ASSERT_TRUE(sim->WaitForFrames(2, 5000));
    hid.reset();  // the devices go back while the worker keeps resending
    const size_t frames = sim->FrameCount();
    PumpFor(400);
    EXPECT_LE(sim->FrameCount(), frames + 1);  // at most a write already under way
    EXPECT_TRUE(main.HasLinkOfKind(LLinkPort::Kind::Usb));
}

TEST_F(UsbHid, WithoutTheProcessorTheUsbProbeTimesOut)
{
    bus.Add("kbd", 0x046D, 0xC31C, KeyboardDescriptor());
    Start();
    PumpFor(100);
    EXPECT_EQ(hid->HidDevice(), nullptr);
    EXPECT_EQ(hid->StatusText(), "");
    main.skbMenuLinkClick();
    ASSERT_TRUE(PumpUntil([&] { return ui.scanFailed; }, 8000));
    EXPECT_EQ(ui.connectFailures, 1);
    EXPECT_FALSE(main.HasLink());
}

} // namespace
