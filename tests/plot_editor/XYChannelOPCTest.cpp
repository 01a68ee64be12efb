// The XY channel's two OPC items: their published settings, activation in
// the channel's own group, points made of the group's deliveries (also from
// a library thread), conversion failures, and the form stream.
#include "../plot/MessageOf.h"
#include "ComponentStream.h"
#include "ModuleLoader.h"
#include "Stream.h"
#include "TypInfo.h"
#include "gOPCItem.h"
#include "gOPCLibrary.h"
#include "gOPCManager.h"
#include "gXYPlot.h"

#include <QCoreApplication>
#include <optional>
#include <gtest/gtest.h>

namespace {

struct Point {
    double x, y;
    bool operator==(const Point &o) const { return x == o.x && y == o.y; }
};

std::vector<Point> Points(const TgXYPlotChannel *Channel)
{
    std::vector<Point> result;
    for (int i = 0; i < Channel->Count(); ++i) {
        double x, y;
        bool empty, null;
        Channel->GetXYEmptyNull(i, x, y, empty, null);
        result.push_back({x, y});
    }
    return result;
}

void PrintTo(const Point &p, std::ostream *os)
{
    *os << "(" << p.x << ", " << p.y << ")";
}

// A channel of a plot, bound to the fake support library and named to a
// server with an X and a Y item.
struct XYChannelOPC : ::testing::Test {
    TgOPCLibrary fake{QStringLiteral(FAKE_OPC_FULL)};
    TModuleLoader hooks{FAKE_OPC_FULL};
    TgXYPlot plot{nullptr};
    TgXYPlotChannel *channel = plot.GetChannel(0);

    void SetUp() override
    {
        ASSERT_FALSE(fake.LibraryMissing());
        channel->SetOPCLibrary(&fake);
        channel->SetOPCServerName(QStringLiteral("Server"));
        channel->SetOPCItemName(QStringLiteral("X"));
        channel->SetOPCItem2Name(QStringLiteral("Y"));
    }
    TgOPCItem *Item(int Index) { return channel->OPCItemManager()->Item(Index); }
    TgOPCGroupObject *Group() { return channel->OPCManager()->GetGroup(0); }
    // The server's next values of both items (each one's new data reaches
    // its item at once, the channel only with the group's delivery).
    void Serve(const QVariant &X, const QVariant &Y)
    {
        Item(0)->SetData(X);
        Item(1)->SetData(Y);
    }
    void Deliver(bool FromThread = false)
    {
        void *f = nullptr;
        ASSERT_TRUE(hooks.GetProcedure("FakeDeliverGroup", f));
        reinterpret_cast<void (*)(int32_t, uint8_t)>(f)(Group()->DLLGroupHandle(), FromThread ? 1 : 0);
    }
};

TEST(XYChannelOPCSettings, PublishedInOrderWithTheirDefaults)
{
    TgXYPlot plot(nullptr);
    TgXYPlotChannel *channel = plot.GetChannel(0);
    EXPECT_EQ(channel->OPCComputerName(), "Local");
    EXPECT_EQ(channel->OPCServerName(), "");
    EXPECT_EQ(channel->OPCUpdateRate(), 500);
    EXPECT_TRUE(channel->OPCAutoConnect());
    ASSERT_EQ(channel->OPCItemManager()->Count(), 2);
    EXPECT_EQ(channel->OPCItemManager()->Item(0)->PropertyName(), "Data");
    EXPECT_EQ(channel->OPCItemManager()->Item(1)->PropertyName(), "Data");

    struct Expected {
        const char *name;
        TTypeKind kind;
        std::optional<long long> def;
    } const expected[] = {
        {"OPCComputerName", tkUString, {}}, {"OPCServerName", tkUString, {}}, {"OPCItemName", tkUString, {}},
        {"OPCItem2Name", tkUString, {}},    {"OPCUpdateRate", tkInteger, 500}, {"OPCScalar", tkFloat, {}},
        {"OPCOffset", tkFloat, {}},         {"OPCScalar2", tkFloat, {}},       {"OPCOffset2", tkFloat, {}},
        {"OPCAutoConnect", tkEnumeration, 1},
    };
    const std::vector<TPropInfo> &props = GetPropList(channel);
    const size_t n = std::size(expected);
    ASSERT_GE(props.size(), n);
    for (size_t i = 0; i < n; ++i) {
        const TPropInfo &p = props[props.size() - n + i];
        EXPECT_EQ(p.Name, expected[i].name);
        EXPECT_EQ(p.Kind, expected[i].kind) << expected[i].name;
        EXPECT_EQ(p.Default, expected[i].def) << expected[i].name;
    }

    // Every setting lands in its item; scalar and offset without a repaint.
    int changes = 0;
    channel->SetOnChange([&](TObject *) { ++changes; });
    SetStrProp(channel, *GetPropInfo(channel, QStringLiteral("OPCComputerName")), QStringLiteral("Host"));
    channel->SetOPCScalar(2);
    channel->SetOPCOffset(3);
    channel->SetOPCScalar2(4);
    channel->SetOPCOffset2(5);
    channel->SetOPCUpdateRate(250);
    channel->SetOPCItem2Name(QStringLiteral("Y"));
    const TgOPCItem *x = channel->OPCItemManager()->Item(0), *y = channel->OPCItemManager()->Item(1);
    EXPECT_EQ(x->ComputerName(), "Host");
    EXPECT_EQ(x->Scalar(), 2);
    EXPECT_EQ(x->Offset(), 3);
    EXPECT_EQ(y->Scalar(), 4);
    EXPECT_EQ(y->Offset(), 5);
    EXPECT_EQ(x->UpdateRate(), 250);
    EXPECT_EQ(y->ItemName(), "Y");
    EXPECT_EQ(changes, 0);
}

TEST(XYChannelOPCSettings, WithoutTheLibraryTheItemsStayInert)
{
    if (!OPCLibrary().LibraryMissing())
        GTEST_SKIP() << "an OPC support library is installed";
    TgXYPlot plot(nullptr);
    TgXYPlotChannel *channel = plot.GetChannel(0);
    channel->SetOPCServerName(QStringLiteral("Server"));
    channel->SetOPCItemName(QStringLiteral("X"));
    channel->OPCActivate();
    EXPECT_FALSE(channel->OPCActive());
    EXPECT_FALSE(channel->OPCQualityGood());
    // The group is recorded by name only; its updates need the library.
    ASSERT_EQ(channel->OPCManager()->GetGroupCount(), 1);
    EXPECT_EQ(channel->OPCManager()->GetGroup(0)->DLLGroupHandle(), 0);
    EXPECT_EQ(MessageOf([&] { channel->OPCUpdateSuspend(); }), "Tarvex OPC DLL Not Found.");
    EXPECT_EQ(MessageOf([&] { channel->OPCActivateSuspend(); }), "Tarvex OPC DLL Not Found.");
    EXPECT_EQ(MessageOf([&] { channel->OPCUpdateResume(); }), "Tarvex OPC DLL Not Found.");
    channel->OPCDeactivate();
    EXPECT_EQ(channel->Count(), 0);
    EXPECT_FALSE(plot.ErrorActive());
}

TEST_F(XYChannelOPC, ActivationMakesTheChannelsOwnGroup)
{
    channel->SetOPCComputerName(QStringLiteral("Host"));
    channel->SetOPCUpdateRate(250);
    channel->OPCActivate();
    ASSERT_EQ(channel->OPCManager()->GetGroupCount(), 1);
    const QString name = Group()->Name();
    EXPECT_EQ(name, QStringLiteral("%1").arg(reinterpret_cast<quintptr>(channel), QT_POINTER_SIZE * 2, 16,
                                             QLatin1Char('0')).toUpper());
    EXPECT_NE(Group()->DLLGroupHandle(), 0);
    EXPECT_EQ(Group()->ComputerName(), "Host");
    EXPECT_EQ(Group()->OPCServerName(), "Server");
    EXPECT_EQ(Group()->UpdateRate(), 250);
    EXPECT_EQ(Item(0)->GroupName(), name);
    EXPECT_EQ(Item(1)->GroupName(), name);
    EXPECT_TRUE(channel->OPCActive());
    EXPECT_TRUE(Item(1)->GetActive());

    // Again: the old group and subscriptions are replaced, not doubled.
    const int oldGroup = Group()->DLLGroupHandle();
    channel->OPCActivate();
    EXPECT_EQ(channel->OPCManager()->GetGroupCount(), 1);
    EXPECT_NE(Group()->DLLGroupHandle(), oldGroup);
    EXPECT_TRUE(channel->OPCActive());

    channel->OPCDeactivate();
    EXPECT_FALSE(channel->OPCActive());
    EXPECT_FALSE(Item(1)->GetActive());

    // Without a second item name only X subscribes.
    channel->SetOPCItem2Name(QString());
    channel->OPCActivate();
    EXPECT_TRUE(channel->OPCActive());
    EXPECT_FALSE(Item(1)->GetActive());

    // A plot being designed connects nothing.
    channel->OPCDeactivate();
    plot.FOnGetDesigning = [](TObject *, bool &Designing) { Designing = true; };
    channel->OPCActivate();
    EXPECT_FALSE(channel->OPCActive());
}

TEST_F(XYChannelOPC, InsertionConnectsOnlyWithAutoConnect)
{
    for (bool autoConnect : {true, false}) {
        auto noop = [](TObject *) {};
        TgXYPlotChannel loose(&plot, noop, noop, noop, noop);
        loose.SetOPCLibrary(&fake);
        loose.SetOPCServerName(QStringLiteral("Server"));
        loose.SetOPCItemName(QStringLiteral("X"));
        loose.SetOPCAutoConnect(autoConnect);
        EXPECT_FALSE(loose.OPCActive()); // the switch alone subscribes nothing
        loose.DoInsert();
        EXPECT_EQ(loose.OPCActive(), autoConnect);
        EXPECT_EQ(loose.OPCManager()->GetGroupCount(), autoConnect ? 1 : 0);
    }
}

TEST_F(XYChannelOPC, EachGroupDeliveryAddsOnePoint)
{
    channel->SetOPCScalar(2);     // X, a double: 3 x 2
    channel->SetOPCOffset2(0.5);  // Y, an integer: -7 + 0.5 rounds to the even -6
    channel->OPCActivate();
    Serve(3.0, -7);
    EXPECT_EQ(channel->Count(), 0); // new data of the items alone adds nothing
    Deliver();
    EXPECT_EQ(Points(channel), (std::vector<Point>{{6, -6}}));
    EXPECT_EQ(channel->RunningXMax(), 6); // through AddXY: statistics and tracking

    // Text and Booleans convert (scaling is for numbers only).
    Serve(QStringLiteral(" 1.25 "), true);
    Deliver();
    channel->SetOPCItem2Name(QString());
    channel->OPCActivate(); // item 1 unsubscribed: its last value stays
    Serve(4.0, 9.0);
    Deliver();
    EXPECT_EQ(Points(channel), (std::vector<Point>{{6, -6}, {1.25, 1}, {8, 1}}));

    // A suspended group delivers nothing until resumed.
    channel->OPCUpdateSuspend();
    Deliver();
    EXPECT_EQ(channel->Count(), 3);
    channel->OPCUpdateResume();
    Deliver();
    EXPECT_EQ(channel->Count(), 4);
    EXPECT_FALSE(plot.ErrorActive());
}

TEST_F(XYChannelOPC, DeliveriesFromALibraryThreadArriveOnTheUIThread)
{
    channel->OPCActivate();
    Serve(1.0, 2.0);
    Deliver(true);
    EXPECT_EQ(channel->Count(), 0); // posted, not yet run
    QCoreApplication::processEvents();
    EXPECT_EQ(Points(channel), (std::vector<Point>{{1, 2}}));

    // A delivery still queued when the channel goes reaches nothing.
    Serve(5.0, 6.0);
    Deliver(true);
    plot.DeleteChannel(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(plot.ChannelCount(), 0);
}

TEST_F(XYChannelOPC, AValueThatDoesNotConvertAddsNoPointAndShowsTheError)
{
    channel->OPCActivate();
    Serve(1.0, 1.0);
    Deliver();

    Serve(QStringLiteral("abc"), 2.0);
    Deliver();
    EXPECT_EQ(channel->Count(), 1);
    EXPECT_TRUE(plot.ErrorActive());

    Serve(QStringLiteral("2.5"), 3.0); // the next good pair clears it
    Deliver();
    EXPECT_EQ(channel->Count(), 2);
    EXPECT_FALSE(plot.ErrorActive());

    // X overflows its integer scaling: no point is made of its old value.
    channel->SetOPCScalar(1e10);
    Serve(5, 4.0);
    Deliver();
    EXPECT_EQ(channel->Count(), 2);
    EXPECT_TRUE(plot.ErrorActive());
}

TEST(XYChannelOPCStream, SettingsRoundTripAndConnectOnLoad)
{
    if (!OPCLibrary().LibraryMissing())
        GTEST_SKIP() << "an OPC support library is installed";
    TMemoryStream stream;
    {
        TgXYPlot plot(nullptr);
        plot.AddChannel();
        TgXYPlotChannel *a = plot.GetChannel(0);
        a->SetOPCComputerName(QStringLiteral("Host"));
        a->SetOPCServerName(QString::fromUtf8("Server \xE4\xB8\xAD"));
        a->SetOPCItemName(QStringLiteral("X"));
        a->SetOPCItem2Name(QStringLiteral("Y"));
        a->SetOPCUpdateRate(250);
        a->SetOPCScalar(2);
        a->SetOPCOffset(-1.5);
        a->SetOPCScalar2(3);
        a->SetOPCOffset2(4);
        a->SetOPCAutoConnect(false);
        plot.GetChannel(1)->SetOPCServerName(QStringLiteral("Other"));
        TWriter writer(&stream);
        writer.WriteProperties(&plot);
        writer.WriteListEnd();
    }
    stream.SetPosition(0);
    TgXYPlot copy(nullptr);
    TReader reader(&stream);
    copy.BeginLoading();
    reader.ReadProperties(&copy);
    copy.EndLoading();
    ASSERT_EQ(copy.ChannelCount(), 2);
    TgXYPlotChannel *a = copy.GetChannel(0);
    EXPECT_EQ(a->OPCComputerName(), "Host");
    EXPECT_EQ(a->OPCServerName(), QString::fromUtf8("Server \xE4\xB8\xAD"));
    EXPECT_EQ(a->OPCItemName(), "X");
    EXPECT_EQ(a->OPCItem2Name(), "Y");
    EXPECT_EQ(a->OPCUpdateRate(), 250);
    EXPECT_EQ(a->OPCScalar(), 2);
    EXPECT_EQ(a->OPCOffset(), -1.5);
    EXPECT_EQ(a->OPCScalar2(), 3);
    EXPECT_EQ(a->OPCOffset2(), 4);
    EXPECT_FALSE(a->OPCAutoConnect());
    EXPECT_EQ(a->OPCManager()->GetGroupCount(), 0); // not connected on load
    // The other channel connected as it was read: its group names its server.
    TgXYPlotChannel *b = copy.GetChannel(1);
    EXPECT_TRUE(b->OPCAutoConnect());
    ASSERT_EQ(b->OPCManager()->GetGroupCount(), 1);
    EXPECT_EQ(b->OPCManager()->GetGroup(0)->OPCServerName(), "Other");
}

} // namespace
