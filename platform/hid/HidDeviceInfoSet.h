#pragma once
// The set of HID interfaces present at one moment, as the device-setup
// service hands it out: per interface a stable instance identifier, the
// device node and the plug-and-play properties under their property codes.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Property codes of the plug-and-play data (the device-setup service's numbers).
enum THidPnPProperty : uint32_t {
    SPDRP_DEVICEDESC = 0,
    SPDRP_HARDWAREID = 1,
    SPDRP_COMPATIBLEIDS = 2,
    SPDRP_SERVICE = 4,
    SPDRP_CLASS = 7,
    SPDRP_CLASSGUID = 8,
    SPDRP_DRIVER = 9,
    SPDRP_CONFIGFLAGS = 10,
    SPDRP_MFG = 11,
    SPDRP_FRIENDLYNAME = 12,
    SPDRP_LOCATION_INFORMATION = 13,
    SPDRP_PHYSICAL_DEVICE_OBJECT_NAME = 14,
    SPDRP_CAPABILITIES = 15,
    SPDRP_UI_NUMBER = 16,
    SPDRP_UPPERFILTERS = 17,
    SPDRP_LOWERFILTERS = 18,
    SPDRP_BUSTYPEGUID = 19,
    SPDRP_LEGACYBUSTYPE = 20,
    SPDRP_BUSNUMBER = 21,
    SPDRP_ENUMERATOR_NAME = 22,
    SPDRP_SECURITY_SDS = 24,
    SPDRP_DEVTYPE = 25,
    SPDRP_EXCLUSIVE = 26,
    SPDRP_CHARACTERISTICS = 27,
    SPDRP_ADDRESS = 28,
    SPDRP_UI_NUMBER_DESC_FORMAT = 30,
};

struct HidInterfaceRecord
{
    std::string DeviceID;    // the same for as long as the device stays plugged in
    std::string DevicePath;  // device node, e.g. /dev/hidraw0
    // Present properties only: texts as UTF-8, lists joined with '\0',
    // numbers in decimal.
    std::map<uint32_t, std::string> Properties;
};

struct HidDeviceInfoSet
{
    std::vector<HidInterfaceRecord> Interfaces;
};

// The set's interface at index; false past the end.
bool HidSetEnumDeviceInterface(const HidDeviceInfoSet *set, uint32_t index, std::string &deviceId,
                               std::string &devicePath);
// One property of the interface at index; false when it has none.
bool HidSetGetProperty(const HidDeviceInfoSet *set, uint32_t index, uint32_t code, std::string &value);
void HidSetDestroy(HidDeviceInfoSet *set);
