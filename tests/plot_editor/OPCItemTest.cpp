#include "../plot/MessageOf.h"
#include "ComponentStream.h"
#include "ModuleLoader.h"
#include "Stream.h"
#include "gOPCItem.h"
#include "gOPCLibrary.h"
#include "gVCLComponent.h"

#include <gtest/gtest.h>

namespace {

// A control with one integer property whose setter reports the change, as
// the library's controls do.
class TMeter : public TgCustomComponent {
public:
    using TgCustomComponent::TgCustomComponent;
    int value = 0;
    int Value() const { return value; }
    void SetValue(int v)
    {
        if (v == value)
            return;
        value = v;
        OPCPropertyChanged(QStringLiteral("Value"), v);
    }
    void PaintToCanvas(TCanvas *) override {}
    const TPublishedClass *PublishedClass() const override
    {
        static const TPublishedClass info = TPublishedBuilder<TMeter>(TgComponent::StaticPublished())
                                                .Integer("Value", &TMeter::Value, &TMeter::SetValue, 0)
                                                .Build();
        return &info;
    }
};

struct OPCItemFixture : ::testing::Test {
    TgOPCLibrary fake{QStringLiteral(FAKE_OPC_FULL)};
    TModuleLoader hooks{FAKE_OPC_FULL};
    TMeter meter{nullptr};
    TgOPCItemManager &items = *meter.OPCItemManager();

    void SetUp() override
    {
        ASSERT_FALSE(fake.LibraryMissing());
        items.SetLibrary(&fake);
    }
    TgOPCItem *Bound(const char *property = "Value")
    {
        TgOPCItem *item = items.Item(items.Add());
        item->SetPropertyName(property);
        item->SetServerName("Server");
        item->SetItemName("Tag1");
        item->Activate();
        return item;
    }
    void SetQuality(TgOPCItem *item, int quality)
    {
        void *f = nullptr;
        ASSERT_TRUE(hooks.GetProcedure("FakeSetQuality", f));
        reinterpret_cast<void (*)(int32_t, uint16_t)>(f)(item->SignalHandle(), static_cast<uint16_t>(quality));
    }
};

TEST(OPCItem, WithoutTheLibraryItemsAreInert)
{
    TMeter meter(nullptr);
    TgOPCItem *item = meter.OPCItem(meter.OPCAddItem());
    EXPECT_EQ(item->ComputerName(), "Local");
    EXPECT_EQ(item->UpdateRate(), 500);
    EXPECT_TRUE(item->AutoConnect());
    item->SetPropertyName("Value");
    item->SetServerName("S");
    item->SetItemName("I");
    item->Activate(); // the program's binding has no library here: nothing happens
    EXPECT_FALSE(item->GetActive());
    EXPECT_FALSE(item->GetUpdateSuspended());
    int quality = -1;
    EXPECT_FALSE(item->GetDataNow(quality).isValid());
    item->SetData(3);
    EXPECT_EQ(item->PropertyType(), tkInteger);
}

TEST_F(OPCItemFixture, ActivationRules)
{
    struct Case {
        const char *name;
        const char *property, *group, *server, *itemName;
        bool subscribed;
    } cases[] = {
        {"complete", "Value", "", "Server", "Tag", true},
        {"by group alone", "Value", "G", "", "Tag", true},
        {"no item name", "Value", "", "Server", "", false},
        {"neither group nor server", "Value", " ", "", "Tag", false},
        {"no property", "  ", "", "Server", "Tag", false},
    };
    for (const Case &c : cases) {
        TgOPCItem *item = items.Item(items.Add());
        item->SetPropertyName(c.property);
        item->SetGroupName(c.group);
        item->SetServerName(c.server);
        item->SetItemName(c.itemName);
        item->Activate();
        EXPECT_EQ(item->GetActive(), c.subscribed) << c.name;
    }
    TgOPCItem *item = Bound();
    const int first = item->SignalHandle();
    item->SetUpdateRate(100); // active: subscribes again
    EXPECT_NE(item->SignalHandle(), first);
    EXPECT_TRUE(item->GetActive());
    item->UpdateSuspend();
    EXPECT_TRUE(item->GetUpdateSuspended());
    item->UpdateResume();
    item->Deactivate();
    EXPECT_FALSE(item->GetActive());
}

TEST_F(OPCItemFixture, IncomingValuesAreScaledAndApplied)
{
    struct Case {
        QVariant sent;
        double scalar, offset;
        QVariant want;
    } cases[] = {
        {7, 1.5, 0, 10},   // 10.5 to the even 10
        {7, 1.5, 0.4, 10}, // then 10.4
        {9, 1.5, 0, 14},   // 13.5 to the even 14
        {2.0, 0, 1, 3.0},
        {QString("text"), 2, 1, QString("text")},
    };
    TgOPCItem *item = Bound("Caption");
    for (const Case &c : cases) {
        item->SetScalar(c.scalar);
        item->SetOffset(c.offset);
        item->SetData(c.sent); // the fake reports what it was sent
        EXPECT_EQ(item->Data(), c.want) << c.sent.toString().toStdString();
    }
}

TEST_F(OPCItemFixture, QualityBitsAndErrorState)
{
    TgOPCItem *item = Bound();
    item->SetAutoError(true);
    struct Case {
        int quality;
        bool good;
    } cases[] = {{0xC0, true}, {0xD8, true}, {0x40, false}, {0x00, false}};
    for (const Case &c : cases) {
        SetQuality(item, c.quality);
        item->SetData(5);
        EXPECT_EQ(item->GetQualityGood(), c.good) << c.quality;
        EXPECT_EQ(meter.ErrorActive(), !c.good) << c.quality;
    }
    // Values of bad quality are not applied to the property.
    meter.value = 0;
    SetQuality(item, 0x40);
    item->SetData(8);
    EXPECT_EQ(meter.Value(), 0);
}

TEST_F(OPCItemFixture, EchoesAreNotSentBack)
{
    TgOPCItem *item = Bound();
    int incoming = 0;
    meter.OnNewOPCData = [&](TObject *, int index) {
        EXPECT_EQ(index, 0);
        ++incoming;
    };
    // The server's value sets the property; the setter's report is the echo
    // and goes nowhere (the fake would report a sent value back at once).
    item->SetData(42);
    EXPECT_EQ(meter.Value(), 42);
    EXPECT_EQ(incoming, 1);
    // A change by the program afterwards is sent.
    meter.SetValue(43);
    EXPECT_EQ(incoming, 2);
    EXPECT_EQ(item->Data().toInt(), 43);
}

TEST_F(OPCItemFixture, ControlCallsReachTheItem)
{
    const int i = meter.OPCAddItem();
    meter.SetOPCItemPropertyName(i, "Value");
    meter.SetOPCItemServerName(i, "Server");
    meter.SetOPCItemItemName(i, "Tag");
    meter.SetOPCItemUpdateRate(i, 200);
    meter.SetOPCItemComputerName(i, "Host");
    EXPECT_EQ(meter.GetOPCItemComputerName(i), "Host");
    EXPECT_EQ(meter.GetOPCItemUpdateRate(i), 200);
    meter.OPCItemActivate(i);
    EXPECT_TRUE(meter.OPCItem(i)->GetActive());
    meter.SetOPCItemData(i, 12);
    EXPECT_EQ(meter.GetOPCItemData(i).toInt(), 12);
    EXPECT_EQ(meter.GetOPCItemQuality(i), 0xC0);
    EXPECT_EQ(meter.GetOPCItemTimeStamp(i), 46000.5);
    EXPECT_EQ(meter.Value(), 12);
    meter.OPCItemDeactivate(i);
    EXPECT_FALSE(meter.OPCItem(i)->GetActive());
    EXPECT_THROW(meter.GetOPCItemServerName(i + 1), EListError);
    meter.OPCDeleteItem(i);
    EXPECT_EQ(meter.OPCItemCount(), 0);
}

TEST_F(OPCItemFixture, FailingConversionSetsTheErrorStateAndDropsTheValue)
{
    TgOPCItem *item = Bound();
    meter.value = 1;
    item->SetData(QString("not a number"));
    EXPECT_EQ(meter.Value(), 1);
    EXPECT_TRUE(meter.ErrorActive());

    item->SetScalar(1e9); // 5e9 overflows an integer
    item->SetData(5);
    EXPECT_EQ(meter.Value(), 1);
}

TEST_F(OPCItemFixture, ItemsStreamAndReconnect)
{
    TgOPCItem *a = Bound();
    a->SetScalar(2.5);
    a->SetGroupName("G1");
    TgOPCItem *b = items.Item(items.Add());
    b->SetPropertyName("Value");
    b->SetServerName(QString::fromUtf8("Server \xE4\xB8\xAD"));
    b->SetItemName("Tag2");
    b->SetAutoConnect(false);
    b->SetUpdateRate(250);

    TMemoryStream stream;
    TWriter writer(&stream);
    writer.WriteProperties(&meter);
    writer.WriteListEnd();
    stream.SetPosition(0);

    TMeter copy(nullptr);
    copy.OPCItemManager()->SetLibrary(&fake);
    TReader reader(&stream);
    reader.ReadProperties(&copy);
    ASSERT_EQ(copy.OPCItemCount(), 2);
    EXPECT_EQ(copy.OPCItem(0)->GroupName(), "G1");
    EXPECT_EQ(copy.OPCItem(0)->Scalar(), 2.5);
    EXPECT_TRUE(copy.OPCItem(0)->GetActive()); // AutoConnect
    EXPECT_EQ(copy.OPCItem(1)->ServerName(), QString::fromUtf8("Server \xE4\xB8\xAD"));
    EXPECT_EQ(copy.OPCItem(1)->UpdateRate(), 250);
    EXPECT_FALSE(copy.OPCItem(1)->AutoConnect());
    EXPECT_FALSE(copy.OPCItem(1)->GetActive());

    // A control without items writes no "OPCItems".
    TMeter empty(nullptr);
    TMemoryStream none;
    TWriter w2(&none);
    w2.WriteProperties(&empty);
    EXPECT_FALSE(none.Bytes().contains("OPCItems"));
}

} // namespace
