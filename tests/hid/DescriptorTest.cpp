#include "FakeHidBus.h"
#include "HidReportDescriptor.h"

#include <gtest/gtest.h>

namespace {

struct DescriptorCase
{
    const char *name;
    std::vector<uint8_t> descriptor;
    bool reportIds;
    uint16_t usagePage, usage;
    uint16_t in, out, feature;
    uint16_t inButtons, inValues, outButtons, outValues;
    uint16_t nodes;
};

TEST(HidReportDescriptor, CapsOfFixedDescriptors)
{
    const DescriptorCase cases[] = {
        {"vendor 64/64", VendorDescriptor64(false), false, 0xFF00, 1, 65, 65, 0, 0, 1, 0, 1, 1},
        {"vendor 64/64 with IDs", VendorDescriptor64(true), true, 0xFF00, 1, 65, 65, 0, 0, 1, 0, 1, 1},
        {"keyboard", KeyboardDescriptor(), false, 0x01, 0x06, 9, 2, 0, 2, 0, 1, 0, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        HidPreparsedData p;
        std::string error;
        ASSERT_TRUE(p.Parse(c.descriptor.data(), c.descriptor.size(), &error)) << error;
        const HidCaps &caps = p.Caps();
        EXPECT_EQ(p.UsesReportIds(), c.reportIds);
        EXPECT_EQ(caps.UsagePage, c.usagePage);
        EXPECT_EQ(caps.Usage, c.usage);
        EXPECT_EQ(caps.InputReportByteLength, c.in);
        EXPECT_EQ(caps.OutputReportByteLength, c.out);
        EXPECT_EQ(caps.FeatureReportByteLength, c.feature);
        EXPECT_EQ(caps.NumberInputButtonCaps, c.inButtons);
        EXPECT_EQ(caps.NumberInputValueCaps, c.inValues);
        EXPECT_EQ(caps.NumberOutputButtonCaps, c.outButtons);
        EXPECT_EQ(caps.NumberOutputValueCaps, c.outValues);
        EXPECT_EQ(caps.NumberLinkCollectionNodes, c.nodes);
    }
}

TEST(HidReportDescriptor, KeyboardCapsCarryUsagesAndDataIndices)
{
    auto d = KeyboardDescriptor();
    HidPreparsedData p;
    ASSERT_TRUE(p.Parse(d.data(), d.size()));
    HidButtonCaps caps[4];
    uint16_t n = 4;
    ASSERT_EQ(p.GetSpecificButtonCaps(HidP_Input, 0x07, 0, 0, caps, n), HIDP_STATUS_SUCCESS);
    ASSERT_EQ(n, 2);
    EXPECT_TRUE(caps[0].IsRange);
    EXPECT_EQ(caps[0].UsageMin, 0xE0);
    EXPECT_EQ(caps[0].UsageMax, 0xE7);
    EXPECT_EQ(caps[0].DataIndexMin, 0);
    EXPECT_EQ(caps[0].DataIndexMax, 7);
    EXPECT_EQ(caps[1].UsageMax, 0x65);
    EXPECT_EQ(caps[1].ReportCount, 6);
    EXPECT_EQ(p.Caps().NumberInputDataIndices, 8 + 0x66);
    // A usage filter, a page without buttons and a buffer too small.
    n = 4;
    EXPECT_EQ(p.GetSpecificButtonCaps(HidP_Input, 0x07, 0, 0xE3, caps, n), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(n, 1);
    n = 4;
    EXPECT_EQ(p.GetSpecificButtonCaps(HidP_Input, 0x09, 0, 0, caps, n), HIDP_STATUS_USAGE_NOT_FOUND);
    n = 1;
    EXPECT_EQ(p.GetSpecificButtonCaps(HidP_Input, 0, 0, 0, caps, n), HIDP_STATUS_BUFFER_TOO_SMALL);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(p.GetSpecificButtonCaps(3, 0, 0, 0, caps, n), HIDP_STATUS_INVALID_REPORT_TYPE);
    EXPECT_EQ(p.MaxUsageListLength(HidP_Output, 0x08), 5u);
}

TEST(HidReportDescriptor, VendorValueCapsSpanTheReport)
{
    auto d = VendorDescriptor64(true);
    HidPreparsedData p;
    ASSERT_TRUE(p.Parse(d.data(), d.size()));
    HidValueCaps v;
    uint16_t n = 1;
    ASSERT_EQ(p.GetSpecificValueCaps(HidP_Output, 0, 0, 0, &v, n), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(v.ReportID, 2);
    EXPECT_EQ(v.UsagePage, 0xFF00);
    EXPECT_EQ(v.Usage(), 3);
    EXPECT_EQ(v.BitSize, 8);
    EXPECT_EQ(v.ReportCount, 64);
    EXPECT_EQ(v.LogicalMax, 255);
}

TEST(HidReportDescriptor, LogicalMaximumReadsUnsignedOverANonNegativeMinimum)
{
    const std::vector<uint8_t> d = {
        0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x01,
        0x15, 0x80, 0x25, 0xFF, 0x09, 0x02, 0x81, 0x02,  // -128..-1
        0x15, 0x00, 0x09, 0x03, 0x81, 0x02,              // minimum 0 after maximum FF: 0..255
        0x27, 0xFF, 0xFF, 0xFF, 0xFF, 0x09, 0x04, 0x81, 0x02,  // four bytes are taken as they are
        0xC0,
    };
    HidPreparsedData p;
    ASSERT_TRUE(p.Parse(d.data(), d.size()));
    const auto &v = p.ValueCaps(HidP_Input);
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[0].LogicalMin, -128);
    EXPECT_EQ(v[0].LogicalMax, -1);
    EXPECT_EQ(v[1].LogicalMin, 0);
    EXPECT_EQ(v[1].LogicalMax, 255);
    EXPECT_EQ(v[2].LogicalMax, -1);
}

TEST(HidReportDescriptor, LinkCollectionsFormATree)
{
    // Application (0xFF00:1) holding two logical collections (usages 2 and 3).
    const std::vector<uint8_t> d = {
        0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,  // application
        0x09, 0x02, 0xA1, 0x02,                    //   logical, usage 2
        0x75, 0x08, 0x95, 0x04, 0x09, 0x10, 0x81, 0x02, 0xC0,
        0x09, 0x03, 0xA1, 0x02,                    //   logical, usage 3
        0x75, 0x08, 0x95, 0x02, 0x09, 0x11, 0x81, 0x02, 0xC0,
        0xC0,
    };
    HidPreparsedData p;
    ASSERT_TRUE(p.Parse(d.data(), d.size()));
    ASSERT_EQ(p.Caps().NumberLinkCollectionNodes, 3);
    EXPECT_EQ(p.Caps().InputReportByteLength, 1 + 6);
    HidLinkCollectionNode nodes[3];
    uint32_t n = 2;
    EXPECT_EQ(p.GetLinkCollectionNodes(nodes, n), HIDP_STATUS_BUFFER_TOO_SMALL);
    EXPECT_EQ(n, 3u);
    ASSERT_EQ(p.GetLinkCollectionNodes(nodes, n), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(nodes[0].LinkUsagePage, 0xFF00);
    EXPECT_EQ(nodes[0].CollectionType, 1);
    EXPECT_EQ(nodes[0].NumberOfChildren, 2);
    EXPECT_EQ(nodes[0].FirstChild, 1);
    EXPECT_EQ(nodes[1].NextSibling, 2);
    EXPECT_EQ(nodes[1].Parent, 0);
    EXPECT_EQ(nodes[2].Parent, 0);
    EXPECT_EQ(nodes[2].LinkUsage, 3);
    EXPECT_EQ(nodes[2].NextSibling, 0);
    // Each value belongs to its own collection.
    HidValueCaps v;
    uint16_t one = 1;
    ASSERT_EQ(p.GetSpecificValueCaps(HidP_Input, 0, 2, 0, &v, one), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(v.Usage(), 0x11);
    EXPECT_EQ(v.LinkUsage, 3);
}

TEST(HidReportDescriptor, DamagedDescriptorsAreRejected)
{
    const std::vector<std::vector<uint8_t>> bad = {
        {0x06, 0x00},              // item cut short
        {0xC0},                    // End Collection without Collection
        {0x85, 0x00},              // report ID 0
        {0xB4},                    // Pop without Push
        {0x75, 0x20, 0x96, 0xFF, 0xFF, 0x81, 0x02, 0x81, 0x02, 0x81, 0x02, 0x81, 0x02, 0x81, 0x02},  // too long
        {0xFE, 0x05, 0x00, 0x01, 0x02},  // long item cut short
        {0x19, 0x00, 0x2A, 0xFF, 0xFF, 0x75, 0x01, 0x95, 0x01, 0x81, 0x02},  // 65536 data indices
    };
    for (const auto &d : bad) {
        HidPreparsedData p;
        std::string error;
        EXPECT_FALSE(p.Parse(d.data(), d.size(), &error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(p.Caps().InputReportByteLength, 0);
    }
}

TEST(HidReportDescriptor, AnyPrefixOrNoiseParsesOrFailsCleanly)
{
    // Every prefix of the fixed descriptors and a run of random ones: a
    // result or a clean refusal, each read within the bytes given (the
    // copy is exactly as long as the prefix) and every count in range.
    std::vector<std::vector<uint8_t>> inputs;
    for (const auto &d : {VendorDescriptor64(false), VendorDescriptor64(true), KeyboardDescriptor()})
        for (size_t n = 0; n <= d.size(); ++n)
            inputs.emplace_back(d.begin(), d.begin() + long(n));
    uint32_t seed = 12345;
    for (int i = 0; i < 3000; ++i) {
        std::vector<uint8_t> d(size_t(seed % 48));
        for (uint8_t &b : d) {
            seed = seed * 1103515245u + 12345u;
            b = uint8_t(seed >> 16);
        }
        seed = seed * 1103515245u + 12345u;
        inputs.push_back(std::move(d));
    }
    for (const auto &d : inputs) {
        HidPreparsedData p;
        std::string error;
        const bool ok = p.Parse(d.data(), d.size(), &error);
        EXPECT_EQ(ok, error.empty());
        const HidCaps &caps = p.Caps();
        EXPECT_EQ(caps.NumberLinkCollectionNodes, p.LinkCollections().size());
        for (uint32_t t = HidP_Input; t <= HidP_Feature; ++t) {
            for (const HidItemCaps &c : p.ButtonCaps(THidReportType(t)))
                EXPECT_LE(c.DataIndexMin, c.DataIndexMax);
            EXPECT_LE(p.MaxDataListLength(t), 0xFFFFu);
        }
    }
}

} // namespace
