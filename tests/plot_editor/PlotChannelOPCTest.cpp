// The strip-chart channel's OPC source modes on the fake support library:
// where an incoming value's X comes from, the item pair in the channel's own
// group, and the inert items without the library.
#include "../plot/MessageOf.h"
#include "ModuleLoader.h"
#include "gOPCItem.h"
#include "gOPCLibrary.h"
#include "gOPCManager.h"
#include "gPlot.h"

#include <gtest/gtest.h>

namespace {

const TDateTime Noon = EncodeDate(2026, 3, 7) + EncodeTime(12, 0, 0, 0);

struct PlotChannelOPC : ::testing::Test {
    ManualWallClock wall{Noon};
    ScopedWallClock useWall{wall};
    TgOPCLibrary fake{QStringLiteral(FAKE_OPC_FULL)};
    TModuleLoader hooks{FAKE_OPC_FULL};
    TgPlot plot{nullptr};
    TgPlotChannel *channel = plot.GetChannel(0);

    void SetUp() override
    {
        ASSERT_FALSE(fake.LibraryMissing());
        channel->SetOPCLibrary(&fake);
        channel->SetOPCServerName(QStringLiteral("Server"));
        channel->SetOPCGroupName(QStringLiteral("Plant"));
        channel->SetOPCItemName(QStringLiteral("A"));
        channel->SetOPCItem2Name(QStringLiteral("B"));
    }
    TgOPCItem *Item(int Index) { return channel->OPCItemManager()->Item(Index); }
    void DeliverGroup()
    {
        void *f = nullptr;
        ASSERT_TRUE(hooks.GetProcedure("FakeDeliverGroup", f));
        reinterpret_cast<void (*)(int32_t, uint8_t)>(f)(channel->OPCManager()->GetGroup(0)->DLLGroupHandle(), 0);
    }
    std::pair<double, double> Last() const
    {
        const int i = channel->Count() - 1;
        return {channel->Data().GetX(i), channel->Data().GetY(i)};
    }
};

// Item 0 alone feeds the channel; its X is the server's time stamp (the fake
// stamps 46000.5), the wall clock, or the time since ElapsedStartTime.
TEST_F(PlotChannelOPC, EachValueOfItemZeroAddsAPointByItsXSource)
{
    struct Case {
        TgOPCXValueSourceStyle source;
        double x;
    } const cases[] = {
        {iopcxvsOPCServerTimeStamp, 46000.5},
        {iopcxvsSystemTimeStamp, Noon + 60.0 / SecsPerDay},
        {iopcxvsElapsedTime, 60.0 / SecsPerDay},
        {iopcxvsElapsedSeconds, 60},
    };
    wall.AdvanceSeconds(60);
    for (const Case &c : cases) {
        channel->SetOPCXValueSource(c.source);
        channel->OPCActivate();
        EXPECT_TRUE(channel->OPCActive());
        EXPECT_FALSE(Item(1)->GetActive());
        EXPECT_EQ(Item(0)->GroupName(), QStringLiteral("Plant")); // its own group, not the channel's
        const int before = channel->Count();
        Item(0)->SetData(7.5);
        ASSERT_EQ(channel->Count(), before + 1) << c.source;
        // Within a millisecond (times in days carry about a microsecond).
        const double ms = c.source == iopcxvsElapsedSeconds ? 1e-3 : 1e-3 / SecsPerDay;
        EXPECT_NEAR(Last().first, c.x, ms) << c.source;
        EXPECT_EQ(Last().second, 7.5);
    }
    // A value that is no number adds nothing and shows the error state.
    const int before = channel->Count();
    Item(0)->SetData(QStringLiteral("abc"));
    EXPECT_EQ(channel->Count(), before);
    EXPECT_TRUE(plot.ErrorActive());
    Item(0)->SetData(1.0);
    EXPECT_FALSE(plot.ErrorActive());
    channel->OPCDeactivate();
    EXPECT_FALSE(channel->OPCActive());
}

// With the X from an item both items update in one group of the channel's
// own; each delivery adds (item 0, item 1) through the order check.
TEST_F(PlotChannelOPC, AnItemPairInTheChannelsGroupGivesXAndY)
{
    channel->SetOPCXValueSource(iopcxvsOPCItem);
    channel->SetAllowOutOfOrderXValues(false);
    channel->OPCActivate();
    ASSERT_EQ(channel->OPCManager()->GetGroupCount(), 1);
    const QString group = channel->OPCManager()->GetGroup(0)->Name();
    EXPECT_EQ(Item(0)->GroupName(), group);
    EXPECT_EQ(Item(1)->GroupName(), group);
    EXPECT_TRUE(Item(0)->GetActive());
    EXPECT_TRUE(Item(1)->GetActive());

    Item(0)->SetData(1.0);
    Item(1)->SetData(10.0);
    EXPECT_EQ(channel->Count(), 0); // an item's own value adds nothing
    DeliverGroup();
    ASSERT_EQ(channel->Count(), 1);
    EXPECT_EQ(Last(), std::make_pair(1.0, 10.0));
    Item(0)->SetData(2.0);
    DeliverGroup();
    Item(0)->SetData(1.5); // behind the last X: dropped, the error shows
    DeliverGroup();
    EXPECT_EQ(channel->Count(), 2);
    EXPECT_TRUE(plot.ErrorActive());
}

TEST(PlotChannelOPCSettings, PublishedAndInertWithoutTheLibrary)
{
    TgPlot plot(nullptr);
    TgPlotChannel *channel = plot.GetChannel(0);
    EXPECT_EQ(channel->OPCComputerName(), "Local");
    EXPECT_EQ(channel->OPCUpdateRate(), 500);
    EXPECT_TRUE(channel->OPCAutoConnect());
    EXPECT_EQ(channel->OPCXValueSource(), iopcxvsOPCServerTimeStamp);
    for (const char *name : {"OPCComputerName", "OPCServerName", "OPCGroupName", "OPCItemName", "OPCUpdateRate",
                             "OPCScalar", "OPCOffset", "OPCItem2Name", "OPCScalar2", "OPCOffset2", "OPCAutoConnect",
                             "OPCXValueSource"})
        EXPECT_NE(GetPropInfo(channel, QString::fromLatin1(name)), nullptr) << name;
    int changes = 0;
    channel->SetOnChange([&](TObject *) { ++changes; });
    channel->SetOPCScalar(2);
    channel->SetOPCOffset2(3);
    EXPECT_EQ(channel->OPCItemManager()->Item(0)->Scalar(), 2);
    EXPECT_EQ(channel->OPCItemManager()->Item(1)->Offset(), 3);
    EXPECT_EQ(changes, 0);

    if (!OPCLibrary().LibraryMissing())
        GTEST_SKIP() << "an OPC support library is installed";
    channel->SetOPCServerName(QStringLiteral("Server"));
    channel->SetOPCItemName(QStringLiteral("A"));
    for (TgOPCXValueSourceStyle source : {iopcxvsElapsedSeconds, iopcxvsOPCItem}) {
        channel->SetOPCXValueSource(source);
        EXPECT_NO_THROW(channel->OPCActivate());
        EXPECT_FALSE(channel->OPCActive());
    }
    EXPECT_EQ(channel->Count(), 0);
}

} // namespace
