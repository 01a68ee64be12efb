#include "FakeDialogHost.h"

#include "Button.h"
#include "Edit.h"
#include "Label.h"
#include "TfmRecallPreset.h"
#include "TfmStoreName.h"
#include "TfmStorePreset.h"
#include "TestInput.h"
#include "ValueListEditor.h"

#include <QTableWidget>
#include <gtest/gtest.h>

namespace {
struct PresetFixture : ::testing::Test {
    FakeDialogHost host;
    TfmStorePreset store{nullptr, &host};
    TfmRecallPreset recall{nullptr, &host};
    TfmStoreName name{nullptr, &host, &store, &recall};

    PresetFixture()
    {
        store.SetNameDialog(&name);
        recall.SetNameDialog(&name);
    }
    // A user's click on list row `row` (the grid's title row not counted),
    // where the shown list draws it.
    static void Pick(TPresetListForm &list, int row)
    {
        if (!list.Visible())
            list.Show();
        QTableWidget *table = list.vledPresetName->Table();
        table->scrollTo(table->model()->index(row, 1));
        Click(table->viewport(), table->visualRect(table->model()->index(row, 1)).center());
    }
};

// Every row is 27 characters and reads back the name put into it.
void ExpectRowsIntact(const TPresetListForm &list)
{
    const QString text = list.RowsText();
    ASSERT_EQ(text.size(), 27 * list.RowCount());
    for (int r = 0; r < list.RowCount(); ++r) {
        EXPECT_EQ(text.mid(27 * r, 5), "     ") << r;
        EXPECT_EQ(text.mid(27 * r + 8, 3), "=  ") << r;
        EXPECT_EQ(text.mid(27 * r + 25, 2), "\r\n") << r;
        EXPECT_EQ(text.mid(27 * r + 11, 14), list.PresetName(r)) << r;
    }
}
} // namespace

TEST_F(PresetFixture, InitialRowsAreKeyedAndFixedWidth)
{
    EXPECT_EQ(store.RowCount(), 20);
    EXPECT_EQ(recall.RowCount(), 21);
    EXPECT_TRUE(store.RowsText().startsWith("     U01=  Default Preset\r\n"));
    EXPECT_TRUE(store.RowsText().endsWith("     U20=  Default Preset\r\n"));
    EXPECT_TRUE(recall.RowsText().startsWith("     F00=  Default Preset\r\n     U01=  Default Preset\r\n"));
    ExpectRowsIntact(store);
    ExpectRowsIntact(recall);
}

TEST_F(PresetFixture, StoreSendsPaddedNameAndRenamesBothLists)
{
    store.Show();
    Pick(store, 2);
    ASSERT_TRUE(name.Visible());
    EXPECT_EQ(name.lTitle->Caption(), "U03 : ");
    EXPECT_EQ(name.edName->Text(), "Default Preset");
    EXPECT_TRUE(name.edName->Enabled());
    name.edName->SetText("Live");
    name.btnOKClick();

    ASSERT_EQ(host.stored.size(), 1u);
    EXPECT_EQ(host.stored[0].first, 2);
    EXPECT_EQ(host.stored[0].second, "Live          ");
    EXPECT_EQ(store.PresetName(2), "Live          ");
    EXPECT_EQ(recall.PresetName(3), "Live          ");
    EXPECT_FALSE(name.Visible());
    EXPECT_FALSE(store.Visible());
    ExpectRowsIntact(store);
    ExpectRowsIntact(recall);
}

TEST_F(PresetFixture, SlotsAndPresetNumbersFollowTheRows)
{
    struct Case {
        bool storeList;
        int row;
        int expected;
        const char *title;
    } cases[] = {
        {true, 19, 19, "U20 : "}, {false, 0, 0, "F00 : "}, {false, 20, 20, "U20 : "}, {false, 1, 1, "U01 : "}};
    for (const Case &c : cases) {
        host.stored.clear();
        host.recalled.clear();
        TPresetListForm &list = c.storeList ? static_cast<TPresetListForm &>(store) : recall;
        Pick(list, c.row);
        EXPECT_EQ(name.lTitle->Caption(), c.title);
        EXPECT_EQ(name.edName->Enabled(), c.storeList);
        name.btnOKClick();
        if (c.storeList) {
            ASSERT_EQ(host.stored.size(), 1u);
            EXPECT_EQ(host.stored[0].first, c.expected);
        } else {
            EXPECT_EQ(host.recalled, std::vector<int>{c.expected});
            EXPECT_TRUE(host.stored.empty());
        }
    }
}

TEST_F(PresetFixture, DeviceNamesOfAnyByteCountKeepNeighbourRows)
{
    // Bytes above 0x7F (that a code page would turn into other counts), a
    // short name and a long one: each row takes 14 characters on its own.
    recall.SetPresetName(4, std::string("Caf\xC3\xA9 \xE4\xB8\xAD\xE6\x96\x87XY", 14));
    recall.SetPresetName(5, std::string("ab"));
    recall.SetPresetName(6, std::string("0123456789abcdefgh"));
    recall.SetPresetName(99, std::string("ignored"));
    EXPECT_EQ(recall.PresetName(3), "Default Preset");
    EXPECT_EQ(recall.PresetName(5), "ab            ");
    EXPECT_EQ(recall.PresetName(6), "0123456789abcd");
    EXPECT_EQ(recall.PresetName(7), "Default Preset");
    ExpectRowsIntact(recall);
}

TEST_F(PresetFixture, OfflineStoreStillRenamesRows)
{
    host.linked = false;
    store.Show();
    Pick(store, 0);
    name.edName->SetText("");
    name.btnOKClick();
    EXPECT_EQ(store.PresetName(0), QString(14, ' '));
    EXPECT_EQ(recall.PresetName(1), QString(14, ' '));
    EXPECT_TRUE(host.sent.empty());
}

TEST_F(PresetFixture, NameEditKeepsPrintableAsciiOnly)
{
    name.edName->SetText(QStringLiteral("Bühne\x01中Mix"));
    EXPECT_EQ(name.edName->Text(), "BhneMix");
    name.edName->SetText("0123456789abcdefgh");
    EXPECT_EQ(name.edName->Text(), "0123456789abcd");
}

TEST_F(PresetFixture, ShownListsTakeTranslatedCaptions)
{
    host.english = false;
    recall.Show();
    EXPECT_EQ(recall.Caption(), "中SID_RECALL_PRESET");
    EXPECT_EQ(recall.vledPresetName->Cell(1, 0), "中SID_PST_NAME");
    EXPECT_EQ(recall.bnCancel->Caption(), "中SID_CANCEL");
}
