#pragma once
// Our own HID report-descriptor parser: it turns the descriptor that the
// hidraw node hands out into the "preparsed data" that the device class
// asks for its capabilities, button/value capabilities and link collections.

#include "HidTypes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class HidPreparsedData
{
public:
    // Parses a whole descriptor. A damaged one (truncated item, bad report
    // ID, unbalanced End Collection, a report longer than 65534 bytes, more
    // data indices than 16 bits count) gives false, a reason in error and
    // leaves this object empty.
    bool Parse(const uint8_t *descriptor, size_t length, std::string *error = nullptr);

    const HidCaps &Caps() const { return caps_; }
    // True when the descriptor declares report IDs; hidraw then keeps the
    // ID byte in every report, else it leaves it out.
    bool UsesReportIds() const { return usesReportIds_; }
    const std::vector<HidLinkCollectionNode> &LinkCollections() const { return nodes_; }
    const std::vector<HidItemCaps> &ButtonCaps(THidReportType type) const { return buttons_[type]; }
    const std::vector<HidItemCaps> &ValueCaps(THidReportType type) const { return values_[type]; }

    // The parsing calls. Each answers with a HID status; counts are in/out:
    // room in the buffer on entry, entries found on return. Usage page,
    // link collection and usage 0 match any.
    uint32_t GetLinkCollectionNodes(HidLinkCollectionNode *nodes, uint32_t &length) const;
    uint32_t GetSpecificButtonCaps(uint32_t reportType, uint16_t usagePage, uint16_t linkCollection,
                                   uint16_t usage, HidButtonCaps *caps, uint16_t &length) const;
    uint32_t GetSpecificValueCaps(uint32_t reportType, uint16_t usagePage, uint16_t linkCollection,
                                  uint16_t usage, HidValueCaps *caps, uint16_t &length) const;
    // Longest data list a report of the type can give, and the longest
    // usage list of the page's buttons (page 0: every page); 0 for a bad type.
    uint32_t MaxDataListLength(uint32_t reportType) const;
    uint32_t MaxUsageListLength(uint32_t reportType, uint16_t usagePage) const;

private:
    void Clear();
    HidCaps caps_;
    bool usesReportIds_ = false;
    std::vector<HidLinkCollectionNode> nodes_;
    std::vector<HidItemCaps> buttons_[3];
    std::vector<HidItemCaps> values_[3];
};
