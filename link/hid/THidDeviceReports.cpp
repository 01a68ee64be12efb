// Report parsing of THidDevice: thin calls of the parsing service with the
// device's preparsed data and parameters. Data lists, usages and usage
// values have no counterpart on hidraw: those calls answer "not implemented".

#include "HidApi.h"
#include "THidDevice.h"

void THidDevice::UpdateMaxLengths()
{
    if (!IsAccessible())
        return;
    const HidPreparsedData *p = PreparsedData();
    FMaxDataListLength = HidApi.MaxDataListLength ? HidApi.MaxDataListLength(FReportTypeParam, p) : 0;
    FMaxUsageListLength =
        HidApi.MaxUsageListLength ? HidApi.MaxUsageListLength(FReportTypeParam, FUsagePageParam, p) : 0;
    FMaxButtonListLength = FMaxUsageListLength;
}

void THidDevice::SetReportTypeParam(uint32_t value)
{
    FReportTypeParam = value;
    UpdateMaxLengths();
}

void THidDevice::SetUsagePageParam(uint16_t value)
{
    FUsagePageParam = value;
    UpdateMaxLengths();
}

uint32_t THidDevice::GetButtonCaps(HidButtonCaps *buttonCaps, uint16_t &count)
{
    if (!IsAccessible())
        return HIDP_STATUS_NULL;
    return HidP_GetButtonCaps_(FReportTypeParam, buttonCaps, count, PreparsedData());
}

uint32_t THidDevice::GetValueCaps(HidValueCaps *valueCaps, uint16_t &count)
{
    if (!IsAccessible())
        return HIDP_STATUS_NULL;
    return HidP_GetValueCaps_(FReportTypeParam, valueCaps, count, PreparsedData());
}

uint32_t THidDevice::GetSpecificButtonCaps(HidButtonCaps *buttonCaps, uint16_t &count)
{
    if (!IsAccessible())
        return HIDP_STATUS_NULL;
    if (!HidApi.GetSpecificButtonCaps)
        return HIDP_STATUS_NOT_IMPLEMENTED;
    return HidApi.GetSpecificButtonCaps(FReportTypeParam, FUsagePageParam, FLinkCollectionParam, FUsageParam,
                                        buttonCaps, count, PreparsedData());
}

uint32_t THidDevice::GetSpecificValueCaps(HidValueCaps *valueCaps, uint16_t &count)
{
    if (!IsAccessible())
        return HIDP_STATUS_NULL;
    if (!HidApi.GetSpecificValueCaps)
        return HIDP_STATUS_NOT_IMPLEMENTED;
    return HidApi.GetSpecificValueCaps(FReportTypeParam, FUsagePageParam, FLinkCollectionParam, FUsageParam,
                                       valueCaps, count, PreparsedData());
}

namespace {
// The answer of a call that hidraw has no counterpart for.
uint32_t Unsupported(bool accessible)
{
    return accessible ? HIDP_STATUS_NOT_IMPLEMENTED : HIDP_STATUS_NULL;
}
} // namespace

uint32_t THidDevice::GetData(HidData *, uint32_t &, uint8_t *, uint32_t)
{
    return Unsupported(IsAccessible());
}

uint32_t THidDevice::SetData(HidData *, uint32_t &, uint8_t *, uint32_t)
{
    return Unsupported(IsAccessible());
}

uint32_t THidDevice::GetUsages(uint16_t *, uint32_t &, uint8_t *, uint32_t)
{
    return Unsupported(IsAccessible());
}

uint32_t THidDevice::GetButtons(uint16_t *, uint32_t &, uint8_t *, uint32_t)
{
    return Unsupported(IsAccessible());
}

uint32_t THidDevice::GetUsagesEx(HidUsageAndPage *, uint32_t &, uint8_t *, uint32_t)
{
    return Unsupported(IsAccessible());
}

uint32_t THidDevice::GetButtonsEx(HidUsageAndPage *, uint32_t &, uint8_t *, uint32_t)
{
    return Unsupported(IsAccessible());
}

uint32_t THidDevice::SetUsages(uint16_t *, uint32_t &, uint8_t *, uint32_t)
{
    return Unsupported(IsAccessible());
}

uint32_t THidDevice::SetButtons(uint16_t *, uint32_t &, uint8_t *, uint32_t)
{
    return Unsupported(IsAccessible());
}

uint32_t THidDevice::UnsetUsages(uint16_t *, uint32_t &, uint8_t *, uint32_t)
{
    return Unsupported(IsAccessible());
}

uint32_t THidDevice::UnsetButtons(uint16_t *, uint32_t &, uint8_t *, uint32_t)
{
    return Unsupported(IsAccessible());
}

uint32_t THidDevice::GetUsageValue(uint32_t &, uint8_t *, uint32_t)
{
    return Unsupported(IsAccessible());
}

uint32_t THidDevice::GetScaledUsageValue(int32_t &, uint8_t *, uint32_t)
{
    return Unsupported(IsAccessible());
}

uint32_t THidDevice::GetUsageValueArray(uint8_t *, uint16_t, uint8_t *, uint32_t)
{
    return Unsupported(IsAccessible());
}

uint32_t THidDevice::SetUsageValue(uint32_t, uint8_t *, uint32_t)
{
    return Unsupported(IsAccessible());
}

uint32_t THidDevice::SetScaledUsageValue(int32_t, uint8_t *, uint32_t)
{
    return Unsupported(IsAccessible());
}

uint32_t THidDevice::SetUsageValueArray(uint8_t *, uint16_t, uint8_t *, uint32_t)
{
    return Unsupported(IsAccessible());
}

uint32_t THidDevice::GetExtendedAttributes(uint32_t, uint16_t, void *, uint32_t &)
{
    return HIDP_STATUS_NOT_IMPLEMENTED;
}

uint32_t THidDevice::InitializeReportForID(uint32_t, uint8_t, uint8_t *, uint32_t)
{
    return HIDP_STATUS_NOT_IMPLEMENTED;
}

HidLinkCollectionNode THidDevice::GetLinkCollectionNode(uint16_t idx)
{
    if (!FLinkCollectionRead) {
        HidCaps caps = Caps();
        const HidPreparsedData *p = PreparsedData();
        uint32_t n = caps.NumberLinkCollectionNodes;
        FLinkCollection.assign(n, HidLinkCollectionNode());
        if (p && n > 0 && HidApi.GetLinkCollectionNodes &&
            HidApi.GetLinkCollectionNodes(FLinkCollection.data(), n, p) == HIDP_STATUS_SUCCESS) {
            FLinkCollectionRead = true;
        } else {
            FLinkCollection.clear();
        }
    }
    return idx < FLinkCollection.size() ? FLinkCollection[idx] : HidLinkCollectionNode();
}
