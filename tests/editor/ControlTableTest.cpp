#include "ControlTable.h"

#include "Exceptions.h"
#include "FakePageHost.h"
#include "MainLayout.h"

#include <gtest/gtest.h>

namespace {

using namespace ControlTable;

const Family kRows[] = {
    {"skgFrame", MakeGroupBox, Each::Output, "", 0, 0, 300, 200, 0, ""},
    {"lbName", MakeLabel, Each::Output, "skgFrame", 10, 20, 50, 16, 0, ""},
    {"pnBand", MakePanel, Each::Count, "skgFrame1", 5, 100, 20, 30, 25, "", 2, 3},
};

TEST(ControlTable, ChannelMembersSitInTheirChannelsFrameWithChannelTags)
{
    FakePageHost host;
    Build(host, host.form, kRows);
    for (int i = 0; i < 8; ++i) {
        const QString suffix = QString::number(i + 1);
        TControl *label = host.FindControl("LBNAME" + suffix);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->Parent(), host.FindControl("skgFrame" + suffix));
        EXPECT_EQ(label->Tag(), 4 + i);
    }
    // Numbered members: tags from 0, steps on both edges.
    TControl *third = host.FindControl("pnBand3");
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->Tag(), 2);
    EXPECT_EQ(third->Left(), 5 + 2 * 25);
    EXPECT_EQ(third->Top(), 100 + 2 * 2);
    EXPECT_EQ(host.FindControl("pnBand4"), nullptr);
}

TEST(ControlTable, ParentBuiltAfterItsChildIsATableFault)
{
    FakePageHost host;
    const Family rows[] = {{"lbOrphan", MakeLabel, Each::One, "skgLater", 0, 0, 1, 1, 0, ""}};
    EXPECT_THROW(Build(host, host.form, rows), Exception);
    EXPECT_EQ(host.FindControl("lbOrphan"), nullptr);
}

TEST(ControlTable, RulesStopAtTheFirstMissingName)
{
    FakePageHost host;
    Build(host, host.form, kRows);
    const Rule rules[] = {
        {"skgFrame", Each::Output, Edge::Width, [](int d, int x) { return d + 300 + x; }},
        {"lbMissing", Each::One, Edge::Top, [](int d, int) { return d; }},
        {"lbName", Each::Output, Edge::Top, [](int d, int) { return d + 20; }},
    };
    EXPECT_FALSE(Apply(host, rules, 40));
    EXPECT_EQ(host.FindControl("skgFrame8")->Width(), 40 + 300 + 11);
    EXPECT_EQ(host.FindControl("lbName1")->Top(), 20); // after the missing name: untouched
}

} // namespace

namespace {

TEST(MainLayoutFrames, ChannelPlotsSitInTheirChannelFrames)
{
    FakePageHost host;
    MainLayout::Build(host, host.form);
    for (const char *suffix : {"A", "D"})
        EXPECT_EQ(host.FindControl(QString("fftDrawIn") + suffix)->Parent(),
                  host.FindControl(QString("skgFftIn") + suffix));
    EXPECT_EQ(host.FindControl("fftDrawOut8")->Parent(), host.FindControl("skgFftOut8"));
    EXPECT_EQ(host.FindControl("skgMain")->Parent(), host.form);
}

} // namespace
