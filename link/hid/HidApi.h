#pragma once
// Run-time binding of the device-setup service (libudev: enumeration of
// hidraw nodes and the device-change monitor) and of the HID service (the
// hidraw node calls and our report-descriptor parser). Both are one table
// of entries, bound process-wide on the UI thread; tests bind a table of
// their own in place of the real services.

#include "HidDeviceInfoSet.h"
#include "HidReportDescriptor.h"
#include "HidTypes.h"
#include "Hidraw.h"
#include "ModuleLoader.h"

#include <cstdint>
#include <string>

struct THidApi
{
    // Device setup.
    HidDeviceInfoSet *(*GetClassDevs)();  // interfaces present now; nullptr when unreadable
    bool (*EnumDeviceInterfaces)(const HidDeviceInfoSet *set, uint32_t index, std::string &deviceId,
                                 std::string &devicePath);
    bool (*GetDeviceRegistryProperty)(const HidDeviceInfoSet *set, uint32_t index, uint32_t code,
                                      std::string &value);
    void (*DestroyDeviceInfoList)(HidDeviceInfoSet *set);
    // Device-change monitor: its descriptor is readable while an event waits.
    void *(*MonitorOpen)();
    int (*MonitorFd)(void *monitor);
    bool (*MonitorReceive)(void *monitor);  // takes one event; false when none waits
    void (*MonitorClose)(void *monitor);

    // HID: the device node.
    int (*Open)(const char *path, THidAccess access);  // -1 with errno on failure
    void (*Close)(int fd);
    int (*Read)(int fd, void *buffer, size_t length, int timeoutMs);  // bytes, 0 on timeout, -1
    int (*Write)(int fd, const void *buffer, size_t length);
    bool (*GetAttributes)(int fd, HidAttributes &attributes);
    HidPreparsedData *(*GetPreparsedData)(int fd);  // nullptr when the descriptor is unreadable
    void (*FreePreparsedData)(HidPreparsedData *data);
    bool (*GetNumInputBuffers)(int fd, uint32_t &count);
    bool (*SetNumInputBuffers)(int fd, uint32_t count);
    bool (*GetManufacturerString)(int fd, std::string &utf8);
    bool (*GetProductString)(int fd, std::string &utf8);
    bool (*GetSerialNumberString)(int fd, std::string &utf8);
    bool (*FlushQueue)(int fd);
    bool (*GetFeature)(int fd, void *report, size_t length);
    bool (*SetFeature)(int fd, const void *report, size_t length);
    bool (*GetInputReport)(int fd, void *report, size_t length);         // optional
    bool (*SetOutputReport)(int fd, const void *report, size_t length);  // optional
    // HID: parsing.
    uint32_t (*GetCaps)(const HidPreparsedData *data, HidCaps &caps);
    uint32_t (*GetLinkCollectionNodes)(HidLinkCollectionNode *nodes, uint32_t &length, const HidPreparsedData *data);
    uint32_t (*GetSpecificButtonCaps)(uint32_t reportType, uint16_t usagePage, uint16_t linkCollection,
                                      uint16_t usage, HidButtonCaps *caps, uint16_t &length,
                                      const HidPreparsedData *data);
    uint32_t (*GetSpecificValueCaps)(uint32_t reportType, uint16_t usagePage, uint16_t linkCollection,
                                     uint16_t usage, HidValueCaps *caps, uint16_t &length,
                                     const HidPreparsedData *data);
    uint32_t (*MaxDataListLength)(uint32_t reportType, const HidPreparsedData *data);
    uint32_t (*MaxUsageListLength)(uint32_t reportType, uint16_t usagePage, const HidPreparsedData *data);
};

// The bound entries; all empty while unbound.
extern THidApi HidApi;

// The real services' table (libudev, hidraw, our parser).
const THidApi &LinuxHidApi();
// Binds the entries of source in place of the real services from the next
// load on (nullptr: the real services again). For tests.
void SetHidApiSource(const THidApi *source);
// The device-setup library's file name; libudev.so.1 unless a test says otherwise.
void SetSetupApiLibraryName(const std::string &fileName);

// Device setup: counted. True when bound; a missing library or entry
// leaves nothing bound and the count at 0.
bool LoadSetupApi();
void UnloadSetupApi();
bool IsSetupApiLoaded();
TModuleHandle GetSetupApiModuleHandle();

// HID: uncounted. True when every required entry is there (the input and
// output report entries are optional); otherwise nothing stays bound.
bool LoadHid();
void UnloadHid();
bool IsHidLoaded();

// The caps of every usage page, link collection and usage of a report type.
uint32_t HidP_GetButtonCaps_(uint32_t reportType, HidButtonCaps *caps, uint16_t &length,
                             const HidPreparsedData *data);
uint32_t HidP_GetValueCaps_(uint32_t reportType, HidValueCaps *caps, uint16_t &length,
                            const HidPreparsedData *data);
// Both halves (usage low 16 bits, page high 16 bits) equal.
bool HidP_IsSameUsageAndPage_(uint32_t usageAndPage1, uint32_t usageAndPage2);
