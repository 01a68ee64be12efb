#include "HidApi.h"

#include "Udev.h"

THidApi HidApi = {};

namespace {

int g_setupCount = 0;
TModuleHandle g_setupHandle = nullptr;
bool g_hidBound = false;
const THidApi *g_source = nullptr;
std::string g_setupLibrary = UdevLibraryName;

// A fake source holds no library; its handle only says "bound".
char g_fakeModule;

THidApi MakeLinuxApi()
{
    THidApi a = {};
    a.GetClassDevs = UdevGetHidrawDevs;
    a.EnumDeviceInterfaces = HidSetEnumDeviceInterface;
    a.GetDeviceRegistryProperty = HidSetGetProperty;
    a.DestroyDeviceInfoList = HidSetDestroy;
    a.MonitorOpen = []() -> void * { return UdevMonitorOpen(); };
    a.MonitorFd = [](void *m) { return UdevMonitorFd(static_cast<UdevMonitor *>(m)); };
    a.MonitorReceive = [](void *m) { return UdevMonitorReceive(static_cast<UdevMonitor *>(m)); };
    a.MonitorClose = [](void *m) { UdevMonitorClose(static_cast<UdevMonitor *>(m)); };

    a.Open = HidrawOpen;
    a.Close = HidrawClose;
    a.Read = HidrawRead;
    a.Write = HidrawWrite;
    a.GetAttributes = HidrawGetAttributes;
    a.GetPreparsedData = [](int fd) -> HidPreparsedData * {
        std::vector<uint8_t> d;
        if (!HidrawGetReportDescriptor(fd, d))
            return nullptr;
        auto *p = new HidPreparsedData;
        if (!p->Parse(d.data(), d.size())) {
            delete p;
            return nullptr;
        }
        return p;
    };
    a.FreePreparsedData = [](HidPreparsedData *p) { delete p; };
    a.GetNumInputBuffers = HidrawGetNumInputBuffers;
    a.SetNumInputBuffers = HidrawSetNumInputBuffers;
    a.GetManufacturerString = [](int fd, std::string &s) { return HidrawGetUsbString(fd, "manufacturer", s); };
    a.GetProductString = [](int fd, std::string &s) { return HidrawGetUsbString(fd, "product", s); };
    a.GetSerialNumberString = [](int fd, std::string &s) { return HidrawGetUsbString(fd, "serial", s); };
    a.FlushQueue = HidrawFlushQueue;
    a.GetFeature = HidrawGetFeature;
    a.SetFeature = HidrawSetFeature;
    a.GetInputReport = HidrawHasInputOutputReports ? HidrawGetInputReport : nullptr;
    a.SetOutputReport = HidrawHasInputOutputReports ? HidrawSetOutputReport : nullptr;

    a.GetCaps = [](const HidPreparsedData *p, HidCaps &caps) {
        if (!p)
            return HIDP_STATUS_INVALID_PREPARSED_DATA;
        caps = p->Caps();
        return HIDP_STATUS_SUCCESS;
    };
    a.GetLinkCollectionNodes = [](HidLinkCollectionNode *nodes, uint32_t &length, const HidPreparsedData *p) {
        return p ? p->GetLinkCollectionNodes(nodes, length) : HIDP_STATUS_INVALID_PREPARSED_DATA;
    };
    a.GetSpecificButtonCaps = [](uint32_t type, uint16_t page, uint16_t link, uint16_t usage, HidButtonCaps *caps,
                                 uint16_t &length, const HidPreparsedData *p) {
        return p ? p->GetSpecificButtonCaps(type, page, link, usage, caps, length)
                 : HIDP_STATUS_INVALID_PREPARSED_DATA;
    };
    a.GetSpecificValueCaps = [](uint32_t type, uint16_t page, uint16_t link, uint16_t usage, HidValueCaps *caps,
                                uint16_t &length, const HidPreparsedData *p) {
        return p ? p->GetSpecificValueCaps(type, page, link, usage, caps, length)
                 : HIDP_STATUS_INVALID_PREPARSED_DATA;
    };
    a.MaxDataListLength = [](uint32_t type, const HidPreparsedData *p) {
        return p ? p->MaxDataListLength(type) : 0u;
    };
    a.MaxUsageListLength = [](uint32_t type, uint16_t page, const HidPreparsedData *p) {
        return p ? p->MaxUsageListLength(type, page) : 0u;
    };
    return a;
}

void ClearSetupEntries()
{
    HidApi.GetClassDevs = nullptr;
    HidApi.EnumDeviceInterfaces = nullptr;
    HidApi.GetDeviceRegistryProperty = nullptr;
    HidApi.DestroyDeviceInfoList = nullptr;
    HidApi.MonitorOpen = nullptr;
    HidApi.MonitorFd = nullptr;
    HidApi.MonitorReceive = nullptr;
    HidApi.MonitorClose = nullptr;
}

template <typename F>
void Take(F &entry, F from, bool &ok)
{
    entry = from;
    ok = ok && from != nullptr;
}

} // namespace

const THidApi &LinuxHidApi()
{
    static const THidApi api = MakeLinuxApi();
    return api;
}

void SetHidApiSource(const THidApi *source)
{
    g_source = source;
}

void SetSetupApiLibraryName(const std::string &fileName)
{
    g_setupLibrary = fileName;
}

bool LoadSetupApi()
{
    if (++g_setupCount > 1)
        return true;
    const THidApi &src = g_source ? *g_source : LinuxHidApi();
    bool ok;
    if (g_source) {
        g_setupHandle = &g_fakeModule;
        ok = true;
    } else {
        ok = UdevBind(g_setupLibrary);
        g_setupHandle = ok ? UdevModuleHandle() : nullptr;
    }
    if (!ok) {
        g_setupCount = 0;
        return false;
    }
    Take(HidApi.GetClassDevs, src.GetClassDevs, ok);
    Take(HidApi.EnumDeviceInterfaces, src.EnumDeviceInterfaces, ok);
    Take(HidApi.GetDeviceRegistryProperty, src.GetDeviceRegistryProperty, ok);
    Take(HidApi.DestroyDeviceInfoList, src.DestroyDeviceInfoList, ok);
    Take(HidApi.MonitorOpen, src.MonitorOpen, ok);
    Take(HidApi.MonitorFd, src.MonitorFd, ok);
    Take(HidApi.MonitorReceive, src.MonitorReceive, ok);
    Take(HidApi.MonitorClose, src.MonitorClose, ok);
    if (!ok) {
        g_setupCount = 1;
        UnloadSetupApi();
    }
    return ok;
}

void UnloadSetupApi()
{
    if (--g_setupCount > 0)
        return;
    g_setupCount = 0;
    if (g_setupHandle && g_setupHandle != &g_fakeModule)
        UdevUnbind();
    g_setupHandle = nullptr;
    ClearSetupEntries();
}

bool IsSetupApiLoaded()
{
    return g_setupHandle != nullptr;
}

TModuleHandle GetSetupApiModuleHandle()
{
    return g_setupHandle;
}

bool LoadHid()
{
    // hidraw is a kernel service: there is no library to load, only the
    // entries to take.
    const THidApi &src = g_source ? *g_source : LinuxHidApi();
    bool ok = true;
    THidApi &a = HidApi;
    Take(a.Open, src.Open, ok);
    Take(a.Close, src.Close, ok);
    Take(a.Read, src.Read, ok);
    Take(a.Write, src.Write, ok);
    Take(a.GetAttributes, src.GetAttributes, ok);
    Take(a.GetPreparsedData, src.GetPreparsedData, ok);
    Take(a.FreePreparsedData, src.FreePreparsedData, ok);
    Take(a.GetNumInputBuffers, src.GetNumInputBuffers, ok);
    Take(a.SetNumInputBuffers, src.SetNumInputBuffers, ok);
    Take(a.GetManufacturerString, src.GetManufacturerString, ok);
    Take(a.GetProductString, src.GetProductString, ok);
    Take(a.GetSerialNumberString, src.GetSerialNumberString, ok);
    Take(a.FlushQueue, src.FlushQueue, ok);
    Take(a.GetFeature, src.GetFeature, ok);
    Take(a.SetFeature, src.SetFeature, ok);
    Take(a.GetCaps, src.GetCaps, ok);
    Take(a.GetLinkCollectionNodes, src.GetLinkCollectionNodes, ok);
    Take(a.GetSpecificButtonCaps, src.GetSpecificButtonCaps, ok);
    Take(a.GetSpecificValueCaps, src.GetSpecificValueCaps, ok);
    Take(a.MaxDataListLength, src.MaxDataListLength, ok);
    Take(a.MaxUsageListLength, src.MaxUsageListLength, ok);
    a.GetInputReport = src.GetInputReport;
    a.SetOutputReport = src.SetOutputReport;
    g_hidBound = ok;
    if (!ok)
        UnloadHid();
    return ok;
}

void UnloadHid()
{
    THidApi setup = HidApi;
    HidApi = THidApi();
    HidApi.GetClassDevs = setup.GetClassDevs;
    HidApi.EnumDeviceInterfaces = setup.EnumDeviceInterfaces;
    HidApi.GetDeviceRegistryProperty = setup.GetDeviceRegistryProperty;
    HidApi.DestroyDeviceInfoList = setup.DestroyDeviceInfoList;
    HidApi.MonitorOpen = setup.MonitorOpen;
    HidApi.MonitorFd = setup.MonitorFd;
    HidApi.MonitorReceive = setup.MonitorReceive;
    HidApi.MonitorClose = setup.MonitorClose;
    g_hidBound = false;
}

bool IsHidLoaded()
{
    return g_hidBound;
}

uint32_t HidP_GetButtonCaps_(uint32_t reportType, HidButtonCaps *caps, uint16_t &length,
                             const HidPreparsedData *data)
{
    if (!HidApi.GetSpecificButtonCaps)
        return HIDP_STATUS_NOT_IMPLEMENTED;
    return HidApi.GetSpecificButtonCaps(reportType, 0, 0, 0, caps, length, data);
}

uint32_t HidP_GetValueCaps_(uint32_t reportType, HidValueCaps *caps, uint16_t &length,
                            const HidPreparsedData *data)
{
    if (!HidApi.GetSpecificValueCaps)
        return HIDP_STATUS_NOT_IMPLEMENTED;
    return HidApi.GetSpecificValueCaps(reportType, 0, 0, 0, caps, length, data);
}

bool HidP_IsSameUsageAndPage_(uint32_t usageAndPage1, uint32_t usageAndPage2)
{
    return (usageAndPage1 & 0xFFFF) == (usageAndPage2 & 0xFFFF) && (usageAndPage1 >> 16) == (usageAndPage2 >> 16);
}
