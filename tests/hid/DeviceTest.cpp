#include "FakeHidBus.h"
#include "HidError.h"
#include "ProcessCounts.h"
#include "PumpEvents.h"
#include "THidDeviceController.h"
#include "THidDeviceReadThread.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

namespace {

struct Report
{
    uint8_t id;
    std::vector<uint8_t> data;
};

// A processor on the fake bus, checked out with a data handler: what it
// sends on the far end of its packet pair arrives in `reports`.
class HidDeviceIo : public ::testing::Test
{
protected:
    void Open(std::vector<uint8_t> descriptor = {}, bool readWrite = true)
    {
        iface = bus.Add("p", 0x0168, 0x0821, std::move(descriptor));
        iface->readWrite = readWrite;
        c = std::make_unique<THidDeviceController>();
        c->SetOnDeviceData([this](THidDevice *, uint8_t id, const uint8_t *data, uint16_t size) {
            reports.push_back({id, std::vector<uint8_t>(data, data + size)});
        });
        c->SetOnDeviceDataError([this](THidDevice *, uint32_t e) { errors.push_back(e); });
        PumpFor(5);
        ASSERT_TRUE(c->CheckOutByID(dev, 0x0168, 0x0821));
    }
    void Send(const std::vector<uint8_t> &packet)
    {
        ASSERT_EQ(send(iface->far, packet.data(), packet.size(), 0), ssize_t(packet.size()));
    }
    void TearDown() override
    {
        if (c && dev)
            c->CheckIn(dev);
    }
    static std::vector<uint8_t> Frame(size_t n, uint8_t first = 0x10)
    {
        std::vector<uint8_t> v(n);
        for (size_t i = 0; i < n; ++i)
            v[i] = uint8_t(first + i);
        return v;
    }

    FakeHidBus bus;
    std::shared_ptr<FakeHidInterface> iface;
    std::unique_ptr<THidDeviceController> c;
    THidDevice *dev = nullptr;
    std::vector<Report> reports;
    std::vector<uint32_t> errors;
};

TEST_F(HidDeviceIo, ReportsWithoutIdsGetReportIdZeroBack)
{
    Open();
    EXPECT_EQ(dev->Caps().InputReportByteLength, 65);
    EXPECT_EQ(dev->Caps().OutputReportByteLength, 65);
    Send({});  // a read of no bytes is not handed over
    Send(Frame(64));
    Send(Frame(9, 0x20));  // a short report: never more than was received
    ASSERT_TRUE(PumpUntil([&] { return reports.size() == 2; }));
    EXPECT_EQ(reports[0].id, 0);
    EXPECT_EQ(reports[0].data, Frame(64));
    EXPECT_EQ(reports[1].data, Frame(9, 0x20));

    // An output report goes out whole, report ID first.
    std::vector<uint8_t> out(65, 0);
    auto frame = Frame(9);
    std::copy(frame.begin(), frame.end(), out.begin() + 1);
    uint32_t written = 0;
    ASSERT_TRUE(dev->WriteFile(out.data(), uint32_t(out.size()), written));
    EXPECT_EQ(written, 65u);
    uint8_t got[128];
    ASSERT_EQ(recv(iface->far, got, sizeof got, 0), 65);
    EXPECT_EQ(std::vector<uint8_t>(got, got + 65), out);
    EXPECT_TRUE(errors.empty());
}

TEST_F(HidDeviceIo, ReportsWithIdsKeepTheirId)
{
    Open(VendorDescriptor64(true));
    auto packet = Frame(64);
    packet.insert(packet.begin(), 1);
    Send({});
    Send(packet);
    ASSERT_TRUE(PumpUntil([&] { return reports.size() == 1; }));
    PumpFor(20);
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].id, 1);
    EXPECT_EQ(reports[0].data, Frame(64));
}

TEST_F(HidDeviceIo, ReaderNeverWaitsForTheUiThread)
{
    Open();
    // The UI thread is busy: the reader goes on reading meanwhile.
    for (int i = 0; i < 20; ++i)
        Send(Frame(64, uint8_t(i)));
    QElapsedTimer t;
    t.start();
    while (bus.readCalls < 21 && t.elapsed() < 5000)
        QThread::msleep(2);
    EXPECT_GE(bus.readCalls.load(), 21);
    EXPECT_TRUE(reports.empty());
    ASSERT_TRUE(PumpUntil([&] { return reports.size() == 20; }));
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(reports[size_t(i)].data[0], uint8_t(i));  // in arrival order

    // Reports that wait when the device is checked in reach no one, and
    // the check-in does not wait for the UI thread.
    Send(Frame(64));
    t.restart();
    while (bus.readCalls < 22 && t.elapsed() < 5000)
        QThread::msleep(2);
    c->CheckIn(dev);
    PumpFor(50);
    EXPECT_EQ(reports.size(), 20u);
}

TEST_F(HidDeviceIo, FailedReadIsReportedOnceAndEndsTheReader)
{
    struct Case
    {
        const char *name;
        int injected;  // 0: the device end hangs up
        uint32_t expected;
    };
    for (const Case &k : {Case{"hang-up", 0, ENODEV}, Case{"EIO", EIO, EIO}, Case{"ENODEV", ENODEV, ENODEV}}) {
        SCOPED_TRACE(k.name);
        errors.clear();
        bus.failReadsWith = 0;
        Open();
        if (k.injected)
            bus.failReadsWith = k.injected;
        else
            close(std::exchange(iface->far, -1));
        ASSERT_TRUE(PumpUntil([&] { return !errors.empty(); }));
        int reads = bus.readCalls;
        PumpFor(350);  // several wait slices
        EXPECT_EQ(errors, std::vector<uint32_t>{k.expected});
        EXPECT_EQ(bus.readCalls.load(), reads);  // no retries
        c->CheckIn(dev);
        c.reset();
        bus.Remove(iface);
    }
}

TEST_F(HidDeviceIo, ReaderStopsWithinOneWaitSlice)
{
    Open();
    ASSERT_EQ(dev->ThreadSleepTime(), 100);
    PumpFor(30);  // the reader is waiting for a report
    QElapsedTimer t;
    t.start();
    c->CheckIn(dev);
    // One slice of 100 ms, with room for a loaded machine.
    EXPECT_LT(t.elapsed(), 100 + 400);
    EXPECT_EQ(dev, nullptr);
}

TEST_F(HidDeviceIo, InputReportsWithoutDataLeaveNoReaderRunning)
{
    // Input items of no bits: each input report would be its ID byte alone.
    const std::vector<uint8_t> descriptor = {
        0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,        // vendor page, usage 1, application
        0x75, 0x08, 0x95, 0x00, 0x09, 0x02, 0x81, 0x02,  //   no input fields
        0x95, 0x40, 0x09, 0x03, 0x91, 0x02, 0xC0,        //   64 output bytes
    };
    const int threads = CountThreads();
    Open(descriptor);
    EXPECT_EQ(dev->Caps().InputReportByteLength, 1);
    // The reader ends at once rather than spinning on reads of no bytes.
    EXPECT_TRUE(PumpUntil([&] { return CountThreads() == threads; }));
    EXPECT_TRUE(errors.empty());
}

TEST_F(HidDeviceIo, DataHandlerStartsAndStopsTheReader)
{
    Open();
    THidDataEvent handler = dev->OnData();
    dev->SetDataEvent(nullptr);
    Send(Frame(64));
    PumpFor(250);
    EXPECT_TRUE(reports.empty());
    dev->SetDataEvent(handler);  // the queued report is read now
    ASSERT_TRUE(PumpUntil([&] { return reports.size() == 1; }));
}

TEST_F(HidDeviceIo, DeviceWithoutReadWriteAccessGetsNoReader)
{
    Open({}, false);
    EXPECT_FALSE(dev->HasReadWriteAccess());
    Send(Frame(64));
    PumpFor(250);
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(bus.readCalls.load(), 0);
}

TEST_F(HidDeviceIo, PropertiesAndBuffers)
{
    Open();
    EXPECT_EQ(dev->ProductName(), "TQ-62");
    EXPECT_EQ(dev->VendorName(), "Brelland");
    EXPECT_EQ(dev->SerialNumber(), "0001");
    EXPECT_EQ(dev->PnPInfo()->HardwareID(), (QStringList{"HID_ID", "MODALIAS"}));
    EXPECT_EQ(dev->PnPInfo()->BusNumber(), 3u);
    EXPECT_TRUE(dev->PhysicalDescriptor().empty());
    EXPECT_TRUE(dev->GetDeviceStringUnicode(1).isEmpty());

    for (int bad : {9, 10001})
        dev->SetThreadSleepTime(bad);
    EXPECT_EQ(dev->ThreadSleepTime(), 100);
    dev->SetThreadSleepTime(10);
    EXPECT_EQ(dev->ThreadSleepTime(), 10);
    dev->SetThreadSleepTime(10000);
    EXPECT_EQ(dev->ThreadSleepTime(), 10000);
    dev->SetThreadSleepTime(100);

    // hidraw queues a fixed number of reports per handle.
    dev->SetNumInputBuffers(32);
    EXPECT_EQ(dev->NumInputBuffers(), 64);
    dev->CloseFile();
    EXPECT_EQ(dev->NumInputBuffers(), 0);

    EXPECT_THROW(THidDevice(), EControllerError);
    try {
        THidDevice d;
    } catch (const EControllerError &e) {
        EXPECT_STREQ(e.what(), "Direct creation of a THidDevice object is not allowed");
    }
    EXPECT_THROW(THidDeviceReadThread(false), EControllerError);
}

TEST_F(HidDeviceIo, ParsingWrappers)
{
    Open();
    HidValueCaps v[2];
    uint16_t n = 2;
    dev->SetReportTypeParam(HidP_Output);
    EXPECT_EQ(dev->MaxDataListLength(), 1u);
    ASSERT_EQ(dev->GetValueCaps(v, n), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(v[0].Usage(), 3);
    HidButtonCaps b;
    n = 1;
    EXPECT_EQ(dev->GetButtonCaps(&b, n), HIDP_STATUS_USAGE_NOT_FOUND);
    dev->SetUsagePageParam(0xFF00);
    dev->SetUsageParam(3);
    n = 2;
    EXPECT_EQ(dev->GetSpecificValueCaps(v, n), HIDP_STATUS_SUCCESS);
    uint32_t len = 4, value = 0;
    uint16_t usages[4];
    uint8_t report[65] = {};
    EXPECT_EQ(dev->GetUsages(usages, len, report, 65), HIDP_STATUS_NOT_IMPLEMENTED);
    EXPECT_EQ(dev->GetUsageValue(value, report, 65), HIDP_STATUS_NOT_IMPLEMENTED);
    HidLinkCollectionNode node = dev->GetLinkCollectionNode(0);
    EXPECT_EQ(node.LinkUsagePage, 0xFF00);
    EXPECT_EQ(dev->GetLinkCollectionNode(1).LinkUsagePage, 0);  // index = node count

    // Checked in and outside a callback: not accessible.
    THidDevice *held = dev;
    c->CheckIn(dev);
    n = 2;
    EXPECT_EQ(held->GetValueCaps(v, n), HIDP_STATUS_NULL);
    EXPECT_EQ(held->GetUsages(usages, len, report, 65), HIDP_STATUS_NULL);
    EXPECT_EQ(HidErrorString(HIDP_STATUS_NULL), "HID Error: device not plugged in");
    held->SetReportTypeParam(HidP_Input);
    EXPECT_EQ(held->ReportTypeParam(), uint32_t(HidP_Input));
    EXPECT_EQ(held->MaxDataListLength(), 1u);  // unchanged
    EXPECT_EQ(held->GetExtendedAttributes(0, 0, nullptr, len), HIDP_STATUS_NOT_IMPLEMENTED);
    EXPECT_EQ(held->InitializeReportForID(0, 0, report, 65), HIDP_STATUS_NOT_IMPLEMENTED);
}

} // namespace
