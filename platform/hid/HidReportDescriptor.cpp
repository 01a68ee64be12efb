#include "HidReportDescriptor.h"

#include <algorithm>
#include <map>

namespace {

struct Globals
{
    uint16_t usagePage = 0;
    int32_t logicalMin = 0, logicalMax = 0;
    int64_t logicalMaxUnsigned = 0;  // the Logical Maximum read unsigned (4 bytes: as it is)
    int32_t physicalMin = 0, physicalMax = 0;
    uint32_t unitExp = 0, unit = 0;
    uint32_t reportSize = 0, reportCount = 0;
    uint8_t reportId = 0;
};

struct Usage
{
    uint16_t page, id;
};

struct Locals
{
    std::vector<Usage> usages;
    bool hasMin = false, hasMax = false;
    Usage usageMin{0, 0}, usageMax{0, 0};
    uint16_t stringIdx = 0, stringMin = 0, stringMax = 0;
    bool hasStringRange = false;
    uint16_t designatorIdx = 0, designatorMin = 0, designatorMax = 0;
    bool hasDesignatorRange = false;
};

uint32_t Unsigned(const uint8_t *p, int size)
{
    uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

int32_t Signed(const uint8_t *p, int size)
{
    uint32_t v = Unsigned(p, size);
    if (size == 1)
        return int8_t(v);
    if (size == 2)
        return int16_t(v);
    return int32_t(v);
}

// A Usage of 1 or 2 bytes takes the current usage page; one of 4 bytes
// carries its own page in the high half.
Usage MakeUsage(uint32_t raw, int size, uint16_t page)
{
    if (size == 4)
        return {uint16_t(raw >> 16), uint16_t(raw)};
    return {page, uint16_t(raw)};
}

bool Fail(std::string *error, const char *why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

void HidPreparsedData::Clear()
{
    caps_ = HidCaps();
    usesReportIds_ = false;
    nodes_.clear();
    for (int t = 0; t < 3; ++t) {
        buttons_[t].clear();
        values_[t].clear();
    }
}

bool HidPreparsedData::Parse(const uint8_t *d, size_t n, std::string *error)
{
    Clear();
    Globals g;
    std::vector<Globals> pushed;
    Locals l;
    std::vector<uint16_t> open;  // indices of open collections
    std::map<uint8_t, uint32_t> bits[3];
    bool hasReport[3] = {false, false, false};
    uint16_t dataIndex[3] = {0, 0, 0};
    auto fail = [&](const char *why) {
        Clear();
        return Fail(error, why);
    };

    size_t pos = 0;
    while (pos < n) {
        uint8_t prefix = d[pos];
        if (prefix == 0xFE) {  // long item: skipped, it has no standard meaning
            if (pos + 2 >= n || pos + 3 + d[pos + 1] > n)
                return fail("truncated long item");
            pos += 3 + d[pos + 1];
            continue;
        }
        int size = prefix & 3;
        if (size == 3)
            size = 4;
        if (pos + 1 + size > n)
            return fail("truncated item");
        const uint8_t *p = d + pos + 1;
        uint32_t u = Unsigned(p, size);
        int32_t s = Signed(p, size);
        int type = (prefix >> 2) & 3;
        int tag = prefix >> 4;
        pos += 1 + size;

        if (type == 1) {  // global
            switch (tag) {
            case 0x0: g.usagePage = uint16_t(u); break;
            case 0x1: g.logicalMin = s; break;
            case 0x2:
                g.logicalMax = s;
                g.logicalMaxUnsigned = size < 4 ? int64_t(u) : int64_t(s);
                break;
            case 0x3: g.physicalMin = s; break;
            case 0x4: g.physicalMax = s; break;
            case 0x5: g.unitExp = u; break;
            case 0x6: g.unit = u; break;
            case 0x7: g.reportSize = u; break;
            case 0x8:
                if (u == 0 || u > 255)
                    return fail("bad report ID");
                g.reportId = uint8_t(u);
                usesReportIds_ = true;
                break;
            case 0x9: g.reportCount = u; break;
            case 0xA: pushed.push_back(g); break;
            case 0xB:
                if (pushed.empty())
                    return fail("Pop without Push");
                g = pushed.back();
                pushed.pop_back();
                break;
            default: break;
            }
            // A logical maximum below a non-negative minimum was written
            // unsigned (e.g. 0..255 as one byte), whichever item came last.
            if ((tag == 0x1 || tag == 0x2) && g.logicalMin >= 0 && g.logicalMax < g.logicalMin &&
                g.logicalMaxUnsigned >= g.logicalMin)
                g.logicalMax = int32_t(g.logicalMaxUnsigned);
            continue;
        }
        if (type == 2) {  // local
            switch (tag) {
            case 0x0: l.usages.push_back(MakeUsage(u, size, g.usagePage)); break;
            case 0x1: l.usageMin = MakeUsage(u, size, g.usagePage); l.hasMin = true; break;
            case 0x2: l.usageMax = MakeUsage(u, size, g.usagePage); l.hasMax = true; break;
            case 0x3: l.designatorIdx = uint16_t(u); break;
            case 0x4: l.designatorMin = uint16_t(u); l.hasDesignatorRange = true; break;
            case 0x5: l.designatorMax = uint16_t(u); l.hasDesignatorRange = true; break;
            case 0x7: l.stringIdx = uint16_t(u); break;
            case 0x8: l.stringMin = uint16_t(u); l.hasStringRange = true; break;
            case 0x9: l.stringMax = uint16_t(u); l.hasStringRange = true; break;
            default: break;
            }
            continue;
        }
        if (type != 0)
            return fail("reserved item type");

        // Main items.
        if (tag == 0xA) {  // Collection
            HidLinkCollectionNode node;
            if (!l.usages.empty()) {
                node.LinkUsage = l.usages.front().id;
                node.LinkUsagePage = l.usages.front().page;
            }
            node.CollectionType = uint8_t(u);
            uint16_t index = uint16_t(nodes_.size());
            if (!open.empty()) {
                uint16_t parent = open.back();
                node.Parent = parent;
                HidLinkCollectionNode &pn = nodes_[parent];
                if (pn.FirstChild == 0) {
                    pn.FirstChild = index;
                } else {
                    uint16_t c = pn.FirstChild;
                    while (nodes_[c].NextSibling != 0)
                        c = nodes_[c].NextSibling;
                    nodes_[c].NextSibling = index;
                }
                ++pn.NumberOfChildren;
            }
            if (nodes_.size() >= 0xFFFF)
                return fail("too many collections");
            nodes_.push_back(node);
            open.push_back(index);
        } else if (tag == 0xC) {  // End Collection
            if (open.empty())
                return fail("End Collection without Collection");
            open.pop_back();
        } else if (tag == 0x8 || tag == 0x9 || tag == 0xB) {  // Input, Output, Feature
            THidReportType rt = tag == 0x8 ? HidP_Input : tag == 0x9 ? HidP_Output : HidP_Feature;
            uint64_t total = uint64_t(bits[rt][g.reportId]) + uint64_t(g.reportSize) * g.reportCount;
            if (total > 65534u * 8u)
                return fail("report too long");
            bits[rt][g.reportId] = uint32_t(total);
            hasReport[rt] = true;
            bool constant = u & 0x01;
            bool variable = u & 0x02;
            if (!constant && g.reportCount > 0 && g.reportSize > 0) {
                HidItemCaps base;
                base.ReportID = g.reportId;
                base.BitField = uint16_t(u & 0x1FF);
                base.LinkCollection = open.empty() ? 0 : open.back();
                if (!nodes_.empty()) {
                    base.LinkUsage = nodes_[base.LinkCollection].LinkUsage;
                    base.LinkUsagePage = nodes_[base.LinkCollection].LinkUsagePage;
                }
                base.IsAbsolute = !(u & 0x04);
                base.HasNull = u & 0x40;
                base.BitSize = uint16_t(std::min<uint32_t>(g.reportSize, 0xFFFF));
                base.ReportCount = uint16_t(std::min<uint32_t>(g.reportCount, 0xFFFF));
                base.UnitsExp = g.unitExp;
                base.Units = g.unit;
                base.LogicalMin = g.logicalMin;
                base.LogicalMax = g.logicalMax;
                base.PhysicalMin = g.physicalMin;
                base.PhysicalMax = g.physicalMax;
                base.IsStringRange = l.hasStringRange;
                base.StringMin = l.hasStringRange ? l.stringMin : l.stringIdx;
                base.StringMax = l.hasStringRange ? l.stringMax : l.stringIdx;
                base.IsDesignatorRange = l.hasDesignatorRange;
                base.DesignatorMin = l.hasDesignatorRange ? l.designatorMin : l.designatorIdx;
                base.DesignatorMax = l.hasDesignatorRange ? l.designatorMax : l.designatorIdx;
                bool button = !variable || g.reportSize == 1;
                std::vector<HidItemCaps> &out = button ? buttons_[rt] : values_[rt];
                // Data indices are 16 bits wide and the count of them too:
                // a descriptor that needs more is refused, never wrapped.
                bool tooMany = false;
                auto add = [&](HidItemCaps c) {
                    uint32_t count = c.IsRange ? uint32_t(c.UsageMax - c.UsageMin) + 1 : 1;
                    if (uint32_t(dataIndex[rt]) + count > 0xFFFFu) {
                        tooMany = true;
                        return;
                    }
                    c.DataIndexMin = dataIndex[rt];
                    c.DataIndexMax = uint16_t(dataIndex[rt] + count - 1);
                    dataIndex[rt] = uint16_t(dataIndex[rt] + count);
                    out.push_back(c);
                };
                if (l.hasMin && l.hasMax && l.usageMax.id >= l.usageMin.id) {
                    HidItemCaps c = base;
                    c.IsRange = true;
                    c.UsagePage = l.usageMin.page;
                    c.UsageMin = l.usageMin.id;
                    c.UsageMax = l.usageMax.id;
                    add(c);
                } else if (l.usages.empty()) {
                    HidItemCaps c = base;
                    c.UsagePage = g.usagePage;
                    add(c);
                } else if (!variable) {
                    // An array selects among its usages: one entry each.
                    for (const Usage &us : l.usages) {
                        HidItemCaps c = base;
                        c.UsagePage = us.page;
                        c.UsageMin = c.UsageMax = us.id;
                        add(c);
                    }
                } else {
                    // Fields take the usages in order; the last usage covers
                    // every remaining field.
                    uint32_t used = std::min<uint32_t>(uint32_t(l.usages.size()), g.reportCount);
                    for (uint32_t i = 0; i < used; ++i) {
                        HidItemCaps c = base;
                        c.UsagePage = l.usages[i].page;
                        c.UsageMin = c.UsageMax = l.usages[i].id;
                        c.ReportCount = uint16_t(i + 1 < used ? 1 : std::min<uint32_t>(g.reportCount - i, 0xFFFF));
                        add(c);
                    }
                }
                if (tooMany)
                    return fail("too many data indices");
            }
        } else {
            return fail("unknown main item");
        }
        l = Locals();
    }

    for (int t = 0; t < 3; ++t) {
        uint32_t longest = 0;
        for (const auto &r : bits[t])
            longest = std::max(longest, (r.second + 7) / 8);
        uint16_t length = hasReport[t] ? uint16_t(longest + 1) : 0;
        if (t == HidP_Input)
            caps_.InputReportByteLength = length;
        else if (t == HidP_Output)
            caps_.OutputReportByteLength = length;
        else
            caps_.FeatureReportByteLength = length;
    }
    if (!nodes_.empty()) {
        caps_.Usage = nodes_[0].LinkUsage;
        caps_.UsagePage = nodes_[0].LinkUsagePage;
    }
    caps_.NumberLinkCollectionNodes = uint16_t(nodes_.size());
    caps_.NumberInputButtonCaps = uint16_t(buttons_[HidP_Input].size());
    caps_.NumberInputValueCaps = uint16_t(values_[HidP_Input].size());
    caps_.NumberInputDataIndices = dataIndex[HidP_Input];
    caps_.NumberOutputButtonCaps = uint16_t(buttons_[HidP_Output].size());
    caps_.NumberOutputValueCaps = uint16_t(values_[HidP_Output].size());
    caps_.NumberOutputDataIndices = dataIndex[HidP_Output];
    caps_.NumberFeatureButtonCaps = uint16_t(buttons_[HidP_Feature].size());
    caps_.NumberFeatureValueCaps = uint16_t(values_[HidP_Feature].size());
    caps_.NumberFeatureDataIndices = dataIndex[HidP_Feature];
    return true;
}

uint32_t HidPreparsedData::GetLinkCollectionNodes(HidLinkCollectionNode *nodes, uint32_t &length) const
{
    uint32_t room = length;
    length = uint32_t(nodes_.size());
    if (room < nodes_.size())
        return HIDP_STATUS_BUFFER_TOO_SMALL;
    std::copy(nodes_.begin(), nodes_.end(), nodes);
    return HIDP_STATUS_SUCCESS;
}

namespace {

uint32_t FindCaps(const std::vector<HidItemCaps> &all, uint16_t page, uint16_t link, uint16_t usage,
                  HidItemCaps *out, uint16_t &length)
{
    uint16_t room = length;
    uint16_t found = 0;
    for (const HidItemCaps &c : all) {
        if (page != 0 && c.UsagePage != page)
            continue;
        if (link != 0 && c.LinkCollection != link)
            continue;
        if (usage != 0 && (usage < c.UsageMin || usage > c.UsageMax))
            continue;
        if (found < room && out)
            out[found] = c;
        ++found;
    }
    length = found;
    if (found == 0)
        return HIDP_STATUS_USAGE_NOT_FOUND;
    return found > room ? HIDP_STATUS_BUFFER_TOO_SMALL : HIDP_STATUS_SUCCESS;
}

} // namespace

uint32_t HidPreparsedData::GetSpecificButtonCaps(uint32_t reportType, uint16_t usagePage, uint16_t linkCollection,
                                                 uint16_t usage, HidButtonCaps *caps, uint16_t &length) const
{
    if (reportType > HidP_Feature)
        return HIDP_STATUS_INVALID_REPORT_TYPE;
    return FindCaps(buttons_[reportType], usagePage, linkCollection, usage, caps, length);
}

uint32_t HidPreparsedData::GetSpecificValueCaps(uint32_t reportType, uint16_t usagePage, uint16_t linkCollection,
                                                uint16_t usage, HidValueCaps *caps, uint16_t &length) const
{
    if (reportType > HidP_Feature)
        return HIDP_STATUS_INVALID_REPORT_TYPE;
    return FindCaps(values_[reportType], usagePage, linkCollection, usage, caps, length);
}

uint32_t HidPreparsedData::MaxDataListLength(uint32_t reportType) const
{
    if (reportType > HidP_Feature)
        return 0;
    uint32_t n = 0;
    for (const auto *list : {&buttons_[reportType], &values_[reportType]})
        for (const HidItemCaps &c : *list)
            n += uint32_t(c.DataIndexMax - c.DataIndexMin) + 1;
    return n;
}

uint32_t HidPreparsedData::MaxUsageListLength(uint32_t reportType, uint16_t usagePage) const
{
    if (reportType > HidP_Feature)
        return 0;
    uint32_t n = 0;
    for (const HidItemCaps &c : buttons_[reportType]) {
        if (usagePage != 0 && c.UsagePage != usagePage)
            continue;
        // An array reports at most ReportCount usages at once; a run of
        // one-bit variables at most one per field.
        bool array = !(c.BitField & 0x02);
        n += array ? c.ReportCount : uint32_t(c.UsageMax - c.UsageMin) + 1;
    }
    return n;
}
