#include "FakeHidBus.h"
#include "PumpEvents.h"
#include "THidDeviceController.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

constexpr uint16_t kVid = 0x0168, kPid = 0x0821;

// A fake bus with a controller on it whose events are recorded.
class HidController : public ::testing::Test
{
protected:
    void MakeController(bool loading = true)
    {
        c = std::make_unique<THidDeviceController>();
        c->SetLoading(loading);
        c->SetOnArrival([this](THidDevice *d) { arrivals.push_back(d->PnPInfo()->DeviceID()); });
        c->SetOnRemoval([this](THidDevice *d) {
            // The device is alive here, whatever its unplug handler did.
            removals.push_back(d->PnPInfo()->DeviceID());
            removedPlugged.push_back(d->IsPluggedIn());
        });
        c->SetOnDeviceChange([this](THidDeviceController *) { ++changes; });
        c->SetLoading(false);
    }
    // One monitor event, handled.
    void Change()
    {
        int before = bus.classDevCalls;
        bus.Signal();
        ASSERT_TRUE(PumpUntil([&] { return bus.classDevCalls > before; }));
    }
    void Start()
    {
        MakeController();
        ASSERT_TRUE(PumpUntil([&] { return changes == 1; }));
    }
    std::vector<THidDevice *> Plugged()
    {
        std::vector<THidDevice *> out;
        c->SetOnEnumerate([&](THidDevice *d, int32_t) { out.push_back(d); return true; });
        c->Enumerate();
        c->SetOnEnumerate(nullptr);
        return out;
    }
    void ExpectCounts(int in, int out, int unplugged)
    {
        EXPECT_EQ(c->NumCheckedInDevices(), in);
        EXPECT_EQ(c->NumCheckedOutDevices(), out);
        EXPECT_EQ(c->NumUnpluggedDevices(), unplugged);
    }

    FakeHidBus bus;
    std::unique_ptr<THidDeviceController> c;
    std::vector<QString> arrivals, removals;
    std::vector<bool> removedPlugged;
    int changes = 0;
};

TEST_F(HidController, FirstRunReportsAChangeEvenWithoutDevices)
{
    Start();
    PumpFor(30);
    EXPECT_EQ(changes, 1);
    // Until a real broadcast arrives, a direct call reports a change too.
    c->DeviceChange();
    EXPECT_EQ(changes, 2);
    Change();  // a broadcast without change
    EXPECT_EQ(changes, 2);
    c->DeviceChange();
    EXPECT_EQ(changes, 2);
}

TEST_F(HidController, AssigningTheChangeHandlerEnumeratesAtOnce)
{
    bus.Add("p");
    c = std::make_unique<THidDeviceController>();
    c->SetOnDeviceChange([this](THidDeviceController *) { ++changes; });
    EXPECT_EQ(changes, 1);  // the arrival, before the event loop ran
    ASSERT_TRUE(PumpUntil([&] { return changes == 2; }));  // the start message
    EXPECT_EQ(c->CountByID(kVid, kPid), 1);
}

TEST_F(HidController, RemovalDuplicateAndArrivalPasses)
{
    bus.Add("a");
    bus.Add("p");
    auto kbd = bus.Add("k", 0x046D, 0xC31C, KeyboardDescriptor());
    Start();
    EXPECT_EQ(arrivals, (std::vector<QString>{"a", "p", "k"}));
    ExpectCounts(3, 0, 0);

    // The main window's way: check the processor out while enumerating.
    THidDevice *held = nullptr;
    c->SetOnEnumerate([&](THidDevice *d, int32_t idx) {
        THidDevice *dev = nullptr;
        if (d->Attributes().VendorID == kVid && d->PnPInfo()->DeviceID() == "p" && c->CheckOutByIndex(dev, idx))
            held = dev;
        return true;
    });
    EXPECT_EQ(c->Enumerate(), 3);
    ASSERT_NE(held, nullptr);
    EXPECT_TRUE(held->IsCheckedOut());
    ExpectCounts(2, 1, 0);

    // Nothing changed: every fresh device is a duplicate.
    Change();
    EXPECT_EQ(arrivals.size(), 3u);
    EXPECT_EQ(changes, 1);

    bus.Remove(kbd);
    auto k2 = bus.Add("k2", 0x046D, 0xC31C, KeyboardDescriptor());
    Change();
    EXPECT_EQ(removals, (std::vector<QString>{"k"}));
    EXPECT_EQ(arrivals.back(), "k2");
    EXPECT_EQ(changes, 2);
    ExpectCounts(2, 1, 0);
    EXPECT_EQ(c->CountByID(0x046D, -1), 1);
    c->CheckIn(held);
}

TEST_F(HidController, CheckInInsideTheUnplugHandler)
{
    bus.Add("a");
    auto p1 = bus.Add("p1");
    auto p2 = bus.Add("p2");
    Start();
    std::vector<THidDevice *> unplugged;
    c->SetOnDeviceUnplug([&](THidDevice *d) {
        unplugged.push_back(d);
        THidDevice *dev = d;
        c->CheckIn(dev);  // frees it: it is unplugged
        EXPECT_EQ(dev, nullptr);
    });
    c->SetOnDeviceData([](THidDevice *, uint8_t, const uint8_t *, uint16_t) {});
    THidDevice *d1 = nullptr, *d2 = nullptr;
    ASSERT_TRUE(c->CheckOutByIndex(d1, 1));
    ASSERT_TRUE(c->CheckOutByIndex(d2, 2));
    ExpectCounts(1, 2, 0);

    // Both vanish in one pass; each is checked in from its unplug handler.
    bus.Remove(p1);
    bus.Remove(p2);
    Change();
    EXPECT_EQ(unplugged.size(), 2u);
    EXPECT_EQ(removals, (std::vector<QString>{"p2", "p1"}));
    EXPECT_EQ(removedPlugged, (std::vector<bool>{false, false}));
    ExpectCounts(1, 0, 0);
    EXPECT_EQ(Plugged().size(), 1u);
    EXPECT_EQ(changes, 2);
}

TEST_F(HidController, UnpluggedWhileCheckedOutStaysUntilCheckIn)
{
    auto p = bus.Add("p");
    Start();
    THidDevice *dev = nullptr;
    ASSERT_TRUE(c->CheckOutByID(dev, kVid, kPid));
    bus.Remove(p);
    Change();
    EXPECT_FALSE(dev->IsPluggedIn());
    ExpectCounts(0, 0, 1);
    // Treated as vanished again at every pass.
    Change();
    EXPECT_EQ(removals.size(), 2u);
    EXPECT_EQ(changes, 3);
    c->CheckIn(dev);
    EXPECT_EQ(dev, nullptr);
    ExpectCounts(0, 0, 0);
    THidDevice *none = nullptr;
    c->CheckIn(none);  // nothing
}

TEST_F(HidController, CheckOutVariants)
{
    bus.Add("k", 0x046D, 0xC31C, KeyboardDescriptor())->product = "Keys";
    bus.Add("p")->product = "TQ-62";
    bus.Add("q", kVid, 0x0999)->manufacturer = "Other";
    Start();
    auto byPid = [](THidDevice *d) { return d->Attributes().ProductID == 0x0999; };
    struct Case
    {
        const char *name;
        std::function<bool(THidDevice *&)> op;
        const char *expect;  // device ID checked out, nullptr: none
    };
    const Case cases[] = {
        {"first", [&](THidDevice *&d) { return c->CheckOut(d); }, "k"},
        {"index 1", [&](THidDevice *&d) { return c->CheckOutByIndex(d, 1); }, "p"},
        {"index -1", [&](THidDevice *&d) { return c->CheckOutByIndex(d, -1); }, nullptr},
        {"index = count", [&](THidDevice *&d) { return c->CheckOutByIndex(d, 3); }, nullptr},
        {"ID", [&](THidDevice *&d) { return c->CheckOutByID(d, kVid, kPid); }, "p"},
        {"ID, any product", [&](THidDevice *&d) { return c->CheckOutByID(d, kVid, -1); }, "p"},
        {"ID, none", [&](THidDevice *&d) { return c->CheckOutByID(d, 0x1234, -1); }, nullptr},
        {"product name", [&](THidDevice *&d) { return c->CheckOutByProductName(d, "TQ-62"); }, "p"},
        {"empty product name", [&](THidDevice *&d) { return c->CheckOutByProductName(d, ""); }, nullptr},
        {"vendor name", [&](THidDevice *&d) { return c->CheckOutByVendorName(d, "Other"); }, "q"},
        {"class", [&](THidDevice *&d) { return c->CheckOutByClass(d, "hidraw"); }, "k"},
        {"empty class", [&](THidDevice *&d) { return c->CheckOutByClass(d, ""); }, nullptr},
        {"callback", [&](THidDevice *&d) { return c->CheckOutByCallback(d, byPid); }, "q"},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.name);
        THidDevice *d = reinterpret_cast<THidDevice *>(this);
        bool ok = k.op(d);
        EXPECT_EQ(ok, k.expect != nullptr);
        if (!k.expect) {
            EXPECT_EQ(d, nullptr);
            continue;
        }
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->PnPInfo()->DeviceID(), k.expect);
        EXPECT_EQ(c->NumCheckedOutDevices(), 1);
        // A second check-out of the same device fails.
        THidDevice *again = d;
        if (std::string(k.name) == "index 1") {
            EXPECT_FALSE(c->CheckOutByIndex(again, 1));
            EXPECT_EQ(again, nullptr);
        }
        c->CheckIn(d);
        EXPECT_EQ(d, nullptr);
        ExpectCounts(3, 0, 0);
    }
    EXPECT_EQ(c->CountByID(kVid, -1), 2);
    EXPECT_EQ(c->CountByID(kVid, kPid), 1);
    EXPECT_EQ(c->CountByProductName("Keys"), 1);
    EXPECT_EQ(c->CountByVendorName("Brelland"), 2);
    EXPECT_EQ(c->CountByClass("hidraw"), 3);
    EXPECT_EQ(c->CountByCallback(byPid), 1);
    // Enumerate without a handler stops after the first device.
    EXPECT_EQ(c->Enumerate(), 1);
    // Counting by name left no handle open on checked-in devices.
    for (THidDevice *d : Plugged())
        EXPECT_EQ(d->HidFileHandle(), -1);
}

TEST_F(HidController, FreeingAHeldDeviceLeavesAFreshOneInItsSlot)
{
    bus.Add("a");
    bus.Add("p");
    Start();
    THidDataEvent data = [](THidDevice *, uint8_t, const uint8_t *, uint16_t) {};
    THidPlugEvent unplug = [](THidDevice *) {};
    THidDevice *dev = nullptr;
    ASSERT_TRUE(c->CheckOutByIndex(dev, 1));
    dev->SetDataEvent(data);
    dev->SetOnUnplug(unplug);
    dev->SetThreadSleepTime(250);
    const THidPnPInfo *info = dev->PnPInfo();
    delete dev;
    ExpectCounts(2, 0, 0);
    auto list = Plugged();
    ASSERT_EQ(list.size(), 2u);
    THidDevice *fresh = list[1];
    EXPECT_FALSE(fresh->IsCheckedOut());
    EXPECT_EQ(fresh->PnPInfo(), info);
    EXPECT_TRUE(fresh->OnData() == data);
    EXPECT_TRUE(fresh->OnUnplug() == unplug);
    EXPECT_EQ(fresh->ThreadSleepTime(), 250);
}

TEST_F(HidController, HandlersAndSleepTimeAreHandedToDevices)
{
    bus.Add("a");
    bus.Add("b");
    Start();
    auto list = Plugged();
    ASSERT_EQ(list.size(), 2u);
    THidDataErrorEvent own = [](THidDevice *, uint32_t) {};
    list[1]->SetOnDataError(own);
    THidDataErrorEvent shared = [](THidDevice *, uint32_t) {};
    c->SetOnDeviceDataError(shared);
    EXPECT_TRUE(list[0]->OnDataError() == shared);
    EXPECT_TRUE(list[1]->OnDataError() == own);
    THidPlugEvent unplug = [](THidDevice *) {};
    c->SetOnDeviceUnplug(unplug);
    EXPECT_TRUE(list[0]->OnUnplug() == unplug);

    list[1]->SetThreadSleepTime(300);
    c->SetDevThreadSleepTime(5);  // stored, but devices take 10 to 10000 only
    EXPECT_EQ(c->DevThreadSleepTime(), 5);
    EXPECT_EQ(list[0]->ThreadSleepTime(), 100);
    c->SetDevThreadSleepTime(100);
    c->SetDevThreadSleepTime(200);
    EXPECT_EQ(list[0]->ThreadSleepTime(), 200);
    EXPECT_EQ(list[1]->ThreadSleepTime(), 300);
    bus.Add("c");
    Change();
    EXPECT_EQ(Plugged()[2]->ThreadSleepTime(), 100);  // new devices start at 100
    EXPECT_TRUE(Plugged()[2]->OnDataError() == shared);

    c->SetVersion("2.0");
    EXPECT_EQ(c->Version(), "1.0.34");
}

TEST_F(HidController, UnopenableDevicesAreLeftOut)
{
    bus.Add("gone")->openable = false;
    auto ro = bus.Add("ro");
    ro->readWrite = false;
    Start();
    auto list = Plugged();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_FALSE(list[0]->HasReadWriteAccess());
    EXPECT_EQ(arrivals, (std::vector<QString>{"ro"}));
}

TEST_F(HidController, DestructionUnplugsHeldDevices)
{
    bus.Add("p");
    Start();
    int unplugs = 0;
    THidDeviceController *ctl = c.get();  // c is already empty while it is destroyed
    c->SetOnDeviceUnplug([&](THidDevice *d) {
        ++unplugs;
        ctl->CheckIn(d);
    });
    c->SetOnDeviceData([](THidDevice *, uint8_t, const uint8_t *, uint16_t) {});
    THidDevice *dev = nullptr;
    ASSERT_TRUE(c->CheckOut(dev));
    c.reset();
    EXPECT_EQ(unplugs, 1);
}

int g_preparsedFreed = 0;

TEST_F(HidController, AThrowingHandlerStillEndsItsPass)
{
    g_preparsedFreed = 0;
    bus.table.FreePreparsedData = [](HidPreparsedData *p) {
        ++g_preparsedFreed;
        delete p;
    };
    auto p = bus.Add("p");
    Start();
    c->SetOnDeviceData([](THidDevice *, uint8_t, const uint8_t *, uint16_t) {});
    THidDevice *dev = nullptr;
    ASSERT_TRUE(c->CheckOutByID(dev, kVid, kPid));  // its reader fetched the preparsed data
    c->SetOnDeviceUnplug([&](THidDevice *d) {
        c->CheckIn(d);
        throw std::runtime_error("unplug handler");
    });
    bus.Remove(p);
    bus.Add("q");
    EXPECT_THROW(c->DeviceChange(), std::runtime_error);
    // The device given back inside the pass is freed when the pass ends,
    // exception or not.
    EXPECT_EQ(g_preparsedFreed, 1);
    c->DeviceChange();
    EXPECT_EQ(arrivals.back(), "q");
    ExpectCounts(1, 0, 0);
}

} // namespace
