#include "FakeHidBus.h"
#include "HidApi.h"
#include "PumpEvents.h"
#include "THidDeviceController.h"
#include "Udev.h"

#include <gtest/gtest.h>

namespace {

// Every test leaves the process-wide bindings as it found them: unbound,
// the real services, the real library name.
class HidBinding : public ::testing::Test
{
protected:
    void TearDown() override
    {
        SetSetupApiLibraryName(UdevLibraryName);
        SetHidApiSource(nullptr);
        EXPECT_FALSE(IsSetupApiLoaded());
        EXPECT_FALSE(IsHidLoaded());
    }
};

TEST_F(HidBinding, ModuleLoaderOverDlopen)
{
    TModuleHandle h = nullptr;
    ASSERT_TRUE(LoadModule(h, UdevLibraryName));
    TModuleHandle same = h;
    EXPECT_TRUE(LoadModule(h, "libtq62-missing.so.9"));  // a held handle loads nothing
    EXPECT_EQ(h, same);
    bool ok = true;
    EXPECT_NE(GetModuleSymbolEx(h, "udev_new", ok), nullptr);
    EXPECT_TRUE(ok);
    EXPECT_EQ(GetModuleSymbolEx(h, "udev_no_such_entry", ok), nullptr);
    EXPECT_FALSE(ok);
    EXPECT_NE(GetModuleSymbolEx(h, "udev_unref", ok), nullptr);  // found, but the flag stays false
    EXPECT_FALSE(ok);
    UnloadModule(h);
    EXPECT_EQ(h, nullptr);
    EXPECT_EQ(GetModuleSymbol(h, "udev_new"), nullptr);

    EXPECT_TRUE(TModuleLoader::IsAvaliable(UdevLibraryName));
    EXPECT_TRUE(TModuleLoader::IsAvaliable(UdevLibraryName, "udev_monitor_get_fd"));
    EXPECT_FALSE(TModuleLoader::IsAvaliable(UdevLibraryName, "udev_no_such_entry"));
    EXPECT_FALSE(TModuleLoader::IsAvaliable("libtq62-missing.so.9"));

    struct Counting : TModuleLoader
    {
        using TModuleLoader::TModuleLoader;
        void Error(unsigned code) override { errors.push_back(code); }
        std::vector<unsigned> errors;
    } loader(UdevLibraryName);
    EXPECT_TRUE(loader.Loaded());
    void *entry = nullptr;
    EXPECT_TRUE(loader.GetProcedure("udev_new", entry));
    EXPECT_NE(entry, nullptr);
    void *missing = reinterpret_cast<void *>(&loader);
    EXPECT_TRUE(loader.GetProcedure("udev_no_such_entry", missing));  // a set pointer is not looked up again
    missing = nullptr;
    EXPECT_FALSE(loader.GetProcedure("udev_no_such_entry", missing));
    EXPECT_EQ(loader.errors, std::vector<unsigned>{TModuleLoader::ErrorElementNotFound});
    loader.Unload();
    EXPECT_FALSE(loader.Loaded());
}

TEST_F(HidBinding, RealLibudevCountedLoadAndUnload)
{
    ASSERT_TRUE(LoadSetupApi());
    EXPECT_TRUE(IsSetupApiLoaded());
    EXPECT_NE(GetSetupApiModuleHandle(), nullptr);
    EXPECT_NE(HidApi.GetClassDevs, nullptr);
    ASSERT_TRUE(LoadSetupApi());
    UnloadSetupApi();
    EXPECT_TRUE(IsSetupApiLoaded());  // one user left
    EXPECT_NE(HidApi.MonitorOpen, nullptr);
    UnloadSetupApi();
    EXPECT_FALSE(IsSetupApiLoaded());
    EXPECT_EQ(GetSetupApiModuleHandle(), nullptr);
    EXPECT_EQ(HidApi.GetClassDevs, nullptr);
    EXPECT_EQ(HidApi.MonitorReceive, nullptr);

    ASSERT_TRUE(LoadHid());
    EXPECT_TRUE(IsHidLoaded());
    EXPECT_NE(HidApi.Open, nullptr);
    EXPECT_EQ(HidApi.GetInputReport != nullptr, HidrawHasInputOutputReports);
    UnloadHid();
    EXPECT_EQ(HidApi.Open, nullptr);
}

TEST_F(HidBinding, MissingLibraryOrEntryLeavesNothingBound)
{
    SetSetupApiLibraryName("libtq62-missing.so.9");
    EXPECT_FALSE(LoadSetupApi());
    EXPECT_FALSE(IsSetupApiLoaded());
    // The count went back to 0, so the next load tries again.
    SetSetupApiLibraryName(UdevLibraryName);
    ASSERT_TRUE(LoadSetupApi());
    UnloadSetupApi();

    // A library that lacks udev's entries.
    SetSetupApiLibraryName("libc.so.6");
    EXPECT_FALSE(LoadSetupApi());
    EXPECT_FALSE(IsSetupApiLoaded());
    EXPECT_EQ(HidApi.GetClassDevs, nullptr);
    EXPECT_FALSE(UdevIsBound());
}

// A controller without its services enumerates nothing, fires nothing and
// lends nothing.
void ExpectIdle(THidDeviceController &c)
{
    int changes = 0, enumerated = 0;
    c.SetOnDeviceChange([&](THidDeviceController *) { ++changes; });
    c.SetOnEnumerate([&](THidDevice *, int32_t) { ++enumerated; return true; });
    PumpFor(50);
    c.DeviceChange();
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(c.Enumerate(), 0);
    EXPECT_EQ(enumerated, 0);
    THidDevice *dev = reinterpret_cast<THidDevice *>(&c);
    EXPECT_FALSE(c.CheckOut(dev));
    EXPECT_EQ(dev, nullptr);
    EXPECT_EQ(c.CountByID(0x168, -1), 0);
    EXPECT_EQ(c.HidGuid(), QUuid(QStringLiteral("{4D1E55B2-F16F-11CF-88CB-001111000030}")));
}

TEST_F(HidBinding, ControllerStaysIdleWithoutItsServices)
{
    {
        SetSetupApiLibraryName("libtq62-missing.so.9");
        THidDeviceController c;
        EXPECT_FALSE(IsHidLoaded());
        ExpectIdle(c);
    }
    {
        SetSetupApiLibraryName("libc.so.6");
        THidDeviceController c;
        ExpectIdle(c);
    }
    SetSetupApiLibraryName(UdevLibraryName);
    {
        // A service table that lacks one HID entry.
        FakeHidBus bus;
        bus.Add("a");
        bus.table.GetPreparsedData = nullptr;
        THidDeviceController c;
        EXPECT_FALSE(IsHidLoaded());
        ExpectIdle(c);
    }
    {
        FakeHidBus bus;
        bus.Add("a");
        bus.table.MonitorFd = nullptr;  // and one device-setup entry
        THidDeviceController c;
        EXPECT_FALSE(IsSetupApiLoaded());
        ExpectIdle(c);
    }
    // Each controller gave its bindings back (checked on tear-down).
}

TEST_F(HidBinding, RealEnumerationFindsNoProcessor)
{
    ASSERT_TRUE(LoadSetupApi());
    HidDeviceInfoSet *set = HidApi.GetClassDevs();
    ASSERT_NE(set, nullptr);  // the hidraw class can be read, whatever it holds
    HidApi.DestroyDeviceInfoList(set);
    UnloadSetupApi();

    THidDeviceController c;
    ASSERT_TRUE(IsHidLoaded());
    int changes = 0;
    c.SetLoading(true);
    c.SetOnDeviceChange([&](THidDeviceController *) { ++changes; });
    c.SetLoading(false);
    ASSERT_TRUE(PumpUntil([&] { return changes == 1; }));
    EXPECT_EQ(c.CountByID(0x0168, 0x0821), 0);
    THidDevice *dev = nullptr;
    EXPECT_FALSE(c.CheckOutByID(dev, 0x0168, 0x0821));
    EXPECT_EQ(c.NumCheckedOutDevices(), 0);
    EXPECT_EQ(c.NumUnpluggedDevices(), 0);
    EXPECT_FALSE(THidDeviceController::HidVersion().isEmpty());
}

} // namespace
