#pragma once
// Records and status codes of the HID services, laid out for this program:
// attributes, capabilities, link-collection nodes and the button/value
// capabilities that the report-descriptor parser produces.

#include <cstdint>

// HID status codes (facility 0x11); 0x00110000 is success.
constexpr uint32_t HIDP_STATUS_SUCCESS = 0x00110000u;
constexpr uint32_t HIDP_STATUS_NULL = 0x80110001u;  // device not plugged in / not accessible
constexpr uint32_t HIDP_STATUS_INVALID_PREPARSED_DATA = 0xC0110001u;
constexpr uint32_t HIDP_STATUS_INVALID_REPORT_TYPE = 0xC0110002u;
constexpr uint32_t HIDP_STATUS_INVALID_REPORT_LENGTH = 0xC0110003u;
constexpr uint32_t HIDP_STATUS_USAGE_NOT_FOUND = 0xC0110004u;
constexpr uint32_t HIDP_STATUS_VALUE_OUT_OF_RANGE = 0xC0110005u;
constexpr uint32_t HIDP_STATUS_BAD_LOG_PHY_VALUES = 0xC0110006u;
constexpr uint32_t HIDP_STATUS_BUFFER_TOO_SMALL = 0xC0110007u;
constexpr uint32_t HIDP_STATUS_INTERNAL_ERROR = 0xC0110008u;
constexpr uint32_t HIDP_STATUS_I8042_TRANS_UNKNOWN = 0xC0110009u;
constexpr uint32_t HIDP_STATUS_INCOMPATIBLE_REPORT_ID = 0xC011000Au;
constexpr uint32_t HIDP_STATUS_NOT_VALUE_ARRAY = 0xC011000Bu;
constexpr uint32_t HIDP_STATUS_IS_VALUE_ARRAY = 0xC011000Cu;
constexpr uint32_t HIDP_STATUS_DATA_INDEX_NOT_FOUND = 0xC011000Du;
constexpr uint32_t HIDP_STATUS_DATA_INDEX_OUT_OF_RANGE = 0xC011000Eu;
constexpr uint32_t HIDP_STATUS_BUTTON_NOT_PRESSED = 0xC011000Fu;
constexpr uint32_t HIDP_STATUS_REPORT_DOES_NOT_EXIST = 0xC0110010u;
constexpr uint32_t HIDP_STATUS_NOT_IMPLEMENTED = 0xC0110020u;

// Report types of the parsing calls.
enum THidReportType : uint32_t { HidP_Input = 0, HidP_Output = 1, HidP_Feature = 2 };

// Vendor, product and release of a device (12 bytes, Size first).
struct HidAttributes
{
    uint32_t Size = 0;
    uint16_t VendorID = 0;
    uint16_t ProductID = 0;
    uint16_t VersionNumber = 0;
    uint16_t Reserved = 0;
};

// Configuration record of the configuration calls (12 bytes).
struct HidConfiguration
{
    void *cookie = nullptr;
    uint32_t size = 0;
    uint32_t RingBufferSize = 0;
};

// Capabilities of a device's top-level collection (64 bytes). Report byte
// lengths include the report-ID byte, which is there even when the
// descriptor declares no report IDs (it is 0 then).
struct HidCaps
{
    uint16_t Usage = 0;
    uint16_t UsagePage = 0;
    uint16_t InputReportByteLength = 0;
    uint16_t OutputReportByteLength = 0;
    uint16_t FeatureReportByteLength = 0;
    uint16_t Reserved[17] = {};
    uint16_t NumberLinkCollectionNodes = 0;
    uint16_t NumberInputButtonCaps = 0;
    uint16_t NumberInputValueCaps = 0;
    uint16_t NumberInputDataIndices = 0;
    uint16_t NumberOutputButtonCaps = 0;
    uint16_t NumberOutputValueCaps = 0;
    uint16_t NumberOutputDataIndices = 0;
    uint16_t NumberFeatureButtonCaps = 0;
    uint16_t NumberFeatureValueCaps = 0;
    uint16_t NumberFeatureDataIndices = 0;
};
static_assert(sizeof(HidCaps) == 64, "HidCaps is the 64-byte capability record");

// One collection of the descriptor. Node 0 is the first top-level
// collection; indices follow the order of the Collection items.
struct HidLinkCollectionNode
{
    uint16_t LinkUsage = 0;
    uint16_t LinkUsagePage = 0;
    uint16_t Parent = 0;
    uint16_t NumberOfChildren = 0;
    uint16_t NextSibling = 0;  // 0: none
    uint16_t FirstChild = 0;   // 0: none
    uint8_t CollectionType = 0;
    bool IsAlias = false;
    void *UserContext = nullptr;
};

// One button or value capability: a run of fields of one main item with
// either one usage (NotRange) or a usage range (Range).
struct HidItemCaps
{
    uint16_t UsagePage = 0;
    uint8_t ReportID = 0;
    bool IsAlias = false;
    uint16_t BitField = 0;  // the main item's data bits
    uint16_t LinkCollection = 0;
    uint16_t LinkUsage = 0;
    uint16_t LinkUsagePage = 0;
    bool IsRange = false;
    bool IsStringRange = false;
    bool IsDesignatorRange = false;
    bool IsAbsolute = false;
    bool HasNull = false;
    uint16_t BitSize = 0;
    uint16_t ReportCount = 0;
    uint32_t UnitsExp = 0;
    uint32_t Units = 0;
    int32_t LogicalMin = 0, LogicalMax = 0;
    int32_t PhysicalMin = 0, PhysicalMax = 0;
    // Range (IsRange) or the one usage (Usage == UsageMin == UsageMax).
    uint16_t UsageMin = 0, UsageMax = 0;
    uint16_t StringMin = 0, StringMax = 0;
    uint16_t DesignatorMin = 0, DesignatorMax = 0;
    uint16_t DataIndexMin = 0, DataIndexMax = 0;
    uint16_t Usage() const { return UsageMin; }
};
using HidButtonCaps = HidItemCaps;
using HidValueCaps = HidItemCaps;

// One entry of a data list: a data index with its value or button state.
struct HidData
{
    uint16_t DataIndex = 0;
    uint16_t Reserved = 0;
    uint32_t RawValue = 0;  // for buttons: non-zero when on
};

// A usage with its page.
struct HidUsageAndPage
{
    uint16_t Usage = 0;
    uint16_t UsagePage = 0;
};
