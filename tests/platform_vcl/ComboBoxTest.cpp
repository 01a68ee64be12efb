#include "Bitmap.h"
#include "ComboBox.h"
#include "Form.h"
#include "MessageBeep.h"
#include "UpDown.h"
#include "TestInput.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

namespace {

TEST(CustomComboBox, StylesAndTheInnerEdit)
{
    TForm form(nullptr);
    auto *combo = new TComboBox(&form);
    combo->SetParent(&form);
    combo->Items()->SetText("BW -6\nBL -6\nLK -12");
    struct Row {
        TComboBoxStyle style;
        bool edit;
    } rows[] = {{csDropDown, true}, {csSimple, true}, {csDropDownList, false}, {csOwnerDrawFixed, false},
                {csOwnerDrawVariable, false}};
    for (const Row &r : rows) {
        combo->SetStyle(r.style);
        EXPECT_EQ(combo->LineEdit() != nullptr, r.edit) << r.style;
        if (r.edit) {
            EXPECT_EQ(static_cast<QComboBox *>(combo->Widget())->completer(), nullptr) << "Qt's completer is off";
        }
    }
    combo->SetStyle(csDropDown);
    combo->SetItemIndex(2);
    EXPECT_EQ(combo->LineEdit()->text(), "LK -12");
    combo->SetSelStart(1);
    combo->SetSelLength(3);
    EXPECT_EQ(combo->SelStart(), 1);
    EXPECT_EQ(combo->SelLength(), 3);

    struct Find {
        const char *prefix;
        int index;
    } finds[] = {{"b", 0}, {"BL", 1}, {"lk -1", 2}, {"x", -1}, {"", -1}};
    for (const Find &f : finds)
        EXPECT_EQ(combo->FindItemByPrefix(f.prefix), f.index) << f.prefix;
}

TEST(CustomComboBox, ListStyleKeysReachKeyPressAndQtDoesNotSearch)
{
    TForm form(nullptr);
    auto *combo = new TComboBox(&form);
    combo->SetParent(&form);
    combo->SetStyle(csDropDownList);
    combo->Items()->SetText("Alpha\nBeta\nGamma");
    combo->SetItemIndex(0);
    QString typed;
    combo->OnKeyPress = [&](TObject *, QChar &k) { typed += k; };
    Key(combo->Widget(), Qt::Key_G, "g");
    EXPECT_EQ(typed, "g");
    EXPECT_EQ(combo->ItemIndex(), 0) << "no search by Qt";
}

TEST(CustomComboBox, DropDownAndCloseUpWithTheListWidth)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto *combo = new TComboBox(&form);
    combo->SetParent(&form);
    combo->SetStyle(csDropDownList);
    combo->Items()->SetText("one\ntwo");
    form.Show();
    std::vector<std::string> events;
    combo->OnDropDown = [&](TObject *) { events.push_back("drop"); };
    combo->OnCloseUp = [&](TObject *) { events.push_back("close"); };
    combo->SetDropDownWidth(260);
    combo->SetDroppedDown(true);
    EXPECT_TRUE(combo->DroppedDown());
    EXPECT_EQ(combo->ListWidth(), 260);
    EXPECT_GE(static_cast<QComboBox *>(combo->Widget())->view()->window()->width(), 260);
    combo->SetDroppedDown(false);
    EXPECT_EQ(events, (std::vector<std::string>{"drop", "close"}));
}

// The drop-down list is made when it first opens, in the font the box has
// then; a list-only box is made without an edit line.
TEST(CustomComboBox, TheListIsMadeOnFirstOpeningInTheBoxFont)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto *combo = new TComboBox(&form, csDropDownList);
    combo->SetParent(&form);
    combo->Items()->SetText("one\ntwo");
    combo->Font()->SetSize(20);
    auto *box = static_cast<QComboBox *>(combo->Widget());
    EXPECT_EQ(combo->LineEdit(), nullptr);
    EXPECT_TRUE(box->findChildren<QAbstractItemView *>().isEmpty());
    EXPECT_FALSE(combo->DroppedDown());
    form.Show();
    combo->SetDroppedDown(true);
    ASSERT_TRUE(combo->DroppedDown());
    const QFont big = box->font();
    ASSERT_NE(big, QApplication::font());
    EXPECT_EQ(box->view()->window()->font(), big);
    EXPECT_EQ(box->view()->font(), big);
    combo->SetDroppedDown(false);
    // A later change of font reaches the list as well.
    combo->Font()->SetSize(9);
    EXPECT_NE(box->font(), big);
    EXPECT_EQ(box->view()->font(), box->font());
}

TEST(CustomComboBox, OwnerDrawnItemsGoThroughOnDrawItem)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto *combo = new TComboBox(&form);
    combo->SetParent(&form);
    combo->SetStyle(csOwnerDrawFixed);
    combo->SetItemHeight(18);
    combo->Items()->SetText("red\ngreen");
    std::vector<int> drawn;
    combo->OnDrawItem = [&](TObject *, int index, const TRect &r, TOwnerDrawState) {
        drawn.push_back(index);
        combo->ItemCanvas()->Brush()->SetColor(index == 0 ? clRed : clLime);
        combo->ItemCanvas()->FillRect(r);
    };
    form.Show();
    combo->SetDroppedDown(true);
    QAbstractItemView *view = static_cast<QComboBox *>(combo->Widget())->view();
    QImage image = view->viewport()->grab().toImage();
    combo->SetDroppedDown(false);
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(view->visualRect(view->model()->index(1, 0)).height(), 18);
    EXPECT_EQ(image.pixelColor(5, 5), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(5, 18 + 5), QColor(0, 255, 0));
}

// A csOwnerDrawVariable list asks each item's height, starting from
// ItemHeight, and draws the items that tall; csOwnerDrawFixed asks nothing.
TEST(CustomComboBox, VariableItemsTakeTheMeasuredHeights)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 300);
    auto *combo = new TComboBox(&form, csOwnerDrawVariable);
    combo->SetParent(&form);
    combo->SetItemHeight(18);
    combo->Items()->SetText("red\ngreen\nblue");
    std::set<int> asked;
    combo->OnMeasureItem = [&](TWinControl *Control, int Index, int &Height) {
        EXPECT_EQ(Control, combo);
        EXPECT_EQ(Height, 18) << "starts from ItemHeight";
        asked.insert(Index);
        Height = 10 + 8 * Index;
    };
    const TColor colours[] = {clRed, clLime, clBlue};
    combo->OnDrawItem = [&](TObject *, int Index, const TRect &R, TOwnerDrawState) {
        combo->ItemCanvas()->Brush()->SetColor(colours[Index]);
        combo->ItemCanvas()->FillRect(R);
    };
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()->window()));
    // The heights as drawn: the run of each item's colour down the list.
    auto drawnHeights = [&] {
        QTest::mouseClick(combo->Widget(), Qt::LeftButton, {}, combo->Widget()->rect().center());
        EXPECT_TRUE(combo->DroppedDown());
        QAbstractItemView *list = static_cast<QComboBox *>(combo->Widget())->view();
        const QImage shot = list->viewport()->grab().toImage();
        QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Escape);
        std::vector<int> heights(3, 0);
        for (int y = 0; y < shot.height(); ++y)
            for (int i = 0; i < 3; ++i)
                if (shot.pixelColor(shot.width() / 2, y) == ToQColor(colours[i]))
                    ++heights[i];
        return heights;
    };
    EXPECT_EQ(drawnHeights(), (std::vector<int>{10, 18, 26}));
    EXPECT_EQ(asked, (std::set<int>{0, 1, 2}));

    combo->SetStyle(csOwnerDrawFixed);
    asked.clear();
    EXPECT_EQ(drawnHeights(), (std::vector<int>{18, 18, 18}));
    EXPECT_TRUE(asked.empty());
    combo->SetItemHeight(12);
    EXPECT_EQ(drawnHeights(), (std::vector<int>{12, 12, 12}));
}

TEST(UpDown, ClicksStepInsideTheRangeButCodeIsNotLimited)
{
    TForm form(nullptr);
    auto *ud = new TUpDown(&form);
    ud->SetParent(&form);
    ud->SetBounds(0, 0, 17, 20);
    ud->SetMin(-2);
    ud->SetMax(2);
    std::vector<TUDBtnType> clicks;
    ud->OnClick = [&](TObject *, TUDBtnType b) { clicks.push_back(b); };
    ud->SetPosition(40);
    EXPECT_EQ(ud->Position(), 40);
    Click(ud->Widget(), QPoint(8, 15));
    EXPECT_EQ(ud->Position(), 2) << "back inside the range";
    Click(ud->Widget(), QPoint(8, 3));
    EXPECT_EQ(ud->Position(), 2);
    EXPECT_EQ(clicks, (std::vector<TUDBtnType>{btPrev, btNext}));
}

TEST(UpDown, ChangingIsAskedFirstAndCanRefuse)
{
    TForm form(nullptr);
    auto *ud = new TUpDown(&form);
    ud->SetParent(&form);
    ud->SetBounds(0, 0, 17, 20);
    ud->SetMin(0);
    ud->SetMax(12);
    struct Asked {
        int value;
        TUpDownDirection dir;
        bool operator==(const Asked &o) const { return value == o.value && dir == o.dir; }
    };
    std::vector<Asked> asked;
    bool allow = true;
    ud->OnChangingEx = [&](TObject *, bool &Allow, int NewValue, TUpDownDirection Dir) {
        asked.push_back({NewValue, Dir});
        Allow = allow;
    };
    ud->SetPosition(12);
    ud->SetPosition(12); // same value: not asked
    Click(ud->Widget(), QPoint(8, 3)); // up at the top asks for 13, stays at 12
    EXPECT_EQ(ud->Position(), 12);
    allow = false;
    Click(ud->Widget(), QPoint(8, 15));
    ud->SetPosition(3);
    EXPECT_EQ(ud->Position(), 12) << "a refused change keeps the position";
    EXPECT_EQ(asked, (std::vector<Asked>{{12, updNone}, {13, updUp}, {11, updDown}, {3, updNone}}));
}

TEST(MessageBeep, GoesThroughTheHook)
{
    std::vector<unsigned> beeps;
    SetMessageBeepHandler([&](unsigned t) { beeps.push_back(t); });
    MessageBeep();
    MessageBeep(0x30);
    SetMessageBeepHandler(nullptr);
    EXPECT_EQ(beeps, (std::vector<unsigned>{MB_OK, 0x30u}));
}

TEST(Canvas, TextAlignPlacesTheReferencePoint)
{
    // The ink of "H" against the point (50, 40) under each alignment.
    struct Row {
        unsigned align;
        bool leftOfX, aboveY;
    } rows[] = {{TA_LEFT | TA_TOP, false, false}, {TA_RIGHT | TA_TOP, true, false}, {TA_LEFT | TA_BASELINE, false, true},
                {TA_LEFT | TA_BOTTOM, false, true}};
    for (const Row &r : rows) {
        TBitmap bmp;
        bmp.SetSize(100, 80);
        TCanvas *c = bmp.Canvas();
        c->Brush()->SetColor(clWhite);
        c->FillRect(Rect(0, 0, 100, 80));
        c->Brush()->SetStyle(bsClear);
        c->Font()->SetHeight(-20);
        c->SetTextAlign(r.align);
        c->TextOut(50, 40, "H");
        int minX = 100, maxX = -1, minY = 80, maxY = -1;
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 100; ++x)
                if (c->Pixels(x, y) != clWhite) {
                    minX = std::min(minX, x), maxX = std::max(maxX, x);
                    minY = std::min(minY, y), maxY = std::max(maxY, y);
                }
        ASSERT_GE(maxX, 0) << r.align;
        EXPECT_EQ(maxX < 50, r.leftOfX) << r.align;
        EXPECT_EQ(maxY < 41, r.aboveY) << r.align;
        if (!r.leftOfX) {
            EXPECT_GE(minX, 49) << r.align;
        }
    }
}

} // namespace
