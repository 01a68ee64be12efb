#include "HidDeviceInfoSet.h"

bool HidSetEnumDeviceInterface(const HidDeviceInfoSet *set, uint32_t index, std::string &deviceId,
                               std::string &devicePath)
{
    if (!set || index >= set->Interfaces.size())
        return false;
    deviceId = set->Interfaces[index].DeviceID;
    devicePath = set->Interfaces[index].DevicePath;
    return true;
}

bool HidSetGetProperty(const HidDeviceInfoSet *set, uint32_t index, uint32_t code, std::string &value)
{
    if (!set || index >= set->Interfaces.size())
        return false;
    const auto &props = set->Interfaces[index].Properties;
    auto it = props.find(code);
    if (it == props.end())
        return false;
    value = it->second;
    return true;
}

void HidSetDestroy(HidDeviceInfoSet *set)
{
    delete set;
}
