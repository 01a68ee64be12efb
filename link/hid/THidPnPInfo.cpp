#include "THidPnPInfo.h"

#include "HidApi.h"

namespace {

struct Reader
{
    const HidDeviceInfoSet *set;
    uint32_t index;

    bool Raw(uint32_t code, std::string &value) const
    {
        return HidApi.GetDeviceRegistryProperty && HidApi.GetDeviceRegistryProperty(set, index, code, value);
    }
    QString Text(uint32_t code) const
    {
        std::string v;
        return Raw(code, v) ? QString::fromUtf8(v.c_str()) : QString();  // up to the first NUL
    }
    QStringList List(uint32_t code) const
    {
        std::string v;
        QStringList out;
        if (!Raw(code, v))
            return out;
        size_t start = 0;
        while (start < v.size()) {
            size_t end = v.find('\0', start);
            if (end == std::string::npos)
                end = v.size();
            if (end == start)
                break;  // the list ends at its first empty string
            out << QString::fromUtf8(v.data() + start, int(end - start));
            start = end + 1;
        }
        return out;
    }
    uint32_t Number(uint32_t code) const
    {
        std::string v;
        return Raw(code, v) ? uint32_t(std::strtoul(v.c_str(), nullptr, 10)) : 0;
    }
};

} // namespace

THidPnPInfo::THidPnPInfo(const HidDeviceInfoSet *set, uint32_t index, const QString &deviceId,
                         const QString &devicePath)
    : FDeviceID(deviceId), FDevicePath(devicePath)
{
    Reader r{set, index};
    FCapabilities = r.Number(SPDRP_CAPABILITIES);
    FClassDescr = r.Text(SPDRP_CLASS);
    FClassGUID = r.Text(SPDRP_CLASSGUID);
    FCompatibleIDs = r.List(SPDRP_COMPATIBLEIDS);
    FConfigFlags = r.Number(SPDRP_CONFIGFLAGS);
    FDeviceDescr = r.Text(SPDRP_DEVICEDESC);
    FDriver = r.Text(SPDRP_DRIVER);
    FFriendlyName = r.Text(SPDRP_FRIENDLYNAME);
    FHardwareID = r.List(SPDRP_HARDWAREID);
    FLowerFilters = r.List(SPDRP_LOWERFILTERS);
    FMfg = r.Text(SPDRP_MFG);
    FUpperFilters = r.List(SPDRP_UPPERFILTERS);
    FAddress = r.Text(SPDRP_ADDRESS);
    FBusNumber = r.Number(SPDRP_BUSNUMBER);
    FBusType = r.Text(SPDRP_BUSTYPEGUID);
    FCharacteristics = r.Text(SPDRP_CHARACTERISTICS);
    FDevType = r.Number(SPDRP_DEVTYPE);
    FEnumeratorName = r.Text(SPDRP_ENUMERATOR_NAME);
    FExclusive = r.Number(SPDRP_EXCLUSIVE);
    FLegacyBusType = r.Number(SPDRP_LEGACYBUSTYPE);
    FLocationInfo = r.Text(SPDRP_LOCATION_INFORMATION);
    FPhysDevObjName = r.Text(SPDRP_PHYSICAL_DEVICE_OBJECT_NAME);
    FSecuritySDS = r.Text(SPDRP_SECURITY_SDS);
    FService = r.Text(SPDRP_SERVICE);
    FUINumber = r.Number(SPDRP_UI_NUMBER);
    FUINumberFormat = r.Text(SPDRP_UI_NUMBER_DESC_FORMAT);
}
