#pragma once
// A shown XY plot and its property editor as the user meets them: pages
// chosen by clicks on their tabs, values typed, chosen and picked in the
// controls, radio items and list entries found in the rendered controls,
// the colour, font and file questions and the modal loop answered by
// scripts. Exceptions that reach the event handlers are collected.
#include "Color.h"
#include "FileDialogs.h"
#include "Form.h"
#include "HandlerGuard.h"
#include "PageControl.h"
#include "RadioMarks.h"
#include "TestInput.h"
#include "gColorDialog.h"
#include "gComponentEditorCheckBox.h"
#include "gComponentEditorColorPicker.h"
#include "gComponentEditorComboBox.h"
#include "gComponentEditorEdit.h"
#include "gComponentEditorFontPicker.h"
#include "gComponentEditorListBox.h"
#include "gComponentEditorRadioGroup.h"
#include "gFontDialog.h"
#include "gPlotComponent.h"
#include "gPlotEditorForm.h"
#include "gPlotMasterManager.h"
#include "gUpDown.h"
#include "gXYPlot.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

// One control of a tab: what the user enters there and where that lands in
// the edited object; then a value set into the object, which the control
// shows once the editor opens again.
template <class T>
struct TEditorRow {
    const char *control;
    QVariant entered;
    QVariant stored;
    std::function<QVariant(T *)> read;
    std::function<void(T *, const QVariant &)> write;
};

// A row of an object of class Type read with Get and written with Set (v
// the value).
#define TQ62_EDITOR_ROW(Type, Control, Entered, Stored, Get, Set)                                                  \
    TEditorRow<Type>                                                                                               \
    {                                                                                                              \
        Control, Entered, Stored, [](Type *o) { return QVariant::fromValue(o->Get); },                            \
            [](Type *o, const QVariant &v) { o->Set; }                                                            \
    }

template <class P = TgXYPlot>
struct TPlotEditorFixture : ::testing::Test {
    TForm host{nullptr};
    P *plot = nullptr;
    TgPlotEditorForm *editor = nullptr;
    QStringList reports;

    void SetUp() override
    {
        host.SetBounds(0, 0, 660, 420);
        plot = new P(&host);
        plot->SetParent(&host);
        plot->SetBounds(0, 0, 640, 400);
        host.Show();
        SetExceptionReporter([this](const QString &Message) { reports << Message; });
    }
    void TearDown() override
    {
        TCustomForm::ModalRunner = nullptr;
        TFileDialog::Runner = nullptr;
        TgColorDialog::Runner = nullptr;
        TgFontDialog::Runner = nullptr;
        SetExceptionReporter(nullptr);
        QApplication::setActiveWindow(nullptr);
    }

    // The stay-on-top editor, opened as the plot opens it.
    void Open()
    {
        plot->SetEditorFormStyle(ipfsStayOnTop);
        plot->Master()->EditProperties();
        editor = dynamic_cast<TgPlotEditorForm *>(plot->Master()->EditorForm());
        ASSERT_NE(editor, nullptr);
    }
    template <class T> T *Get(const QString &Name) const
    {
        auto *c = dynamic_cast<T *>(editor->FindComponent(Name));
        EXPECT_NE(c, nullptr) << Name.toStdString();
        return c;
    }

    // The tab of page Index clicked.
    static void ClickTab(TPageControl *Pages, int Index)
    {
        auto *bar = Pages->Widget()->findChild<QTabBar *>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_NE(bar, nullptr);
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(Index).center());
        ASSERT_EQ(Pages->ActivePageIndex(), Index);
    }
    // Every page that holds Control chosen, the outermost first.
    static void Reveal(TControl *Control)
    {
        std::vector<TTabSheet *> sheets;
        for (TWinControl *p = Control->Parent(); p; p = p->Parent())
            if (auto *sheet = dynamic_cast<TTabSheet *>(p))
                sheets.insert(sheets.begin(), sheet);
        for (TTabSheet *sheet : sheets)
            ClickTab(sheet->PageControl(), sheet->PageIndex());
        ASSERT_TRUE(Control->Showing());
    }
    static QImage Shot(TControl *C)
    {
        QApplication::processEvents();
        return C->PaintToImage().convertToFormat(QImage::Format_RGB32);
    }

    // A click into the edit, its text replaced by Text, Enter.
    static void Type(TgComponentEditorEdit *Edit, const QString &Text)
    {
        Reveal(Edit);
        QTest::mouseClick(Edit->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(Edit->Width() / 2, Edit->Height() / 2));
        QTest::keyClick(Edit->Widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Edit->Widget(), Text);
        QTest::keyClick(Edit->Widget(), Qt::Key_Return);
    }
    // The list opened with a click (which refills a name list), entry
    // Index chosen with the keys.
    static void Choose(TgComponentEditorComboBox *Combo, int Index)
    {
        Reveal(Combo);
        QTest::mouseClick(Combo->Widget(), Qt::LeftButton, Qt::NoModifier, Combo->Widget()->rect().center());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
        for (int i = 0; i < Index; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    static void Click(TWinControl *Control)
    {
        Reveal(Control);
        QTest::mouseClick(Control->Widget(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(Control->Width() / 2, Control->Height() / 2));
    }
    // The mark of item Index, as drawn, clicked.
    static void Pick(TgComponentEditorRadioGroup *Group, int Index)
    {
        Reveal(Group);
        const std::vector<QPoint> marks = MarksInItemOrder(Shot(Group));
        ASSERT_LT(size_t(Index), marks.size());
        QTest::mouseClick(Group->Widget(), Qt::LeftButton, Qt::NoModifier, marks[size_t(Index)]);
    }
    // The "..." button clicked and Colour taken in the colour question.
    static void PickColor(TgComponentEditorColorPicker *Picker, TColor Colour)
    {
        Reveal(Picker);
        TgColorDialog::Runner = [Colour](const TgColorDialog &, QColor &Chosen) {
            Chosen = ToQColor(Colour);
            return true;
        };
        QTest::mouseClick(Picker->Widget()->findChild<QPushButton *>(), Qt::LeftButton);
        TgColorDialog::Runner = nullptr;
    }
    // The font button clicked and a font of PixelSize taken.
    static void PickFont(TgComponentEditorFontPicker *Picker, int PixelSize)
    {
        TgFontDialog::Runner = [PixelSize](const TgFontDialog &, QFont &Chosen, TColor &) {
            Chosen.setPixelSize(PixelSize);
            return true;
        };
        Click(Picker);
        TgFontDialog::Runner = nullptr;
    }
    // Value entered in control C as its user enters it: an edit typed, a
    // check box clicked unless it shows Value, a combo's entry chosen (the
    // entry at Value, or the entry reading Value when it is a text), a
    // radio item picked, a colour taken, a font of pixel size Value taken.
    static void Enter(TComponent *C, const QVariant &Value)
    {
        ASSERT_NE(C, nullptr);
        if (auto *e = dynamic_cast<TgComponentEditorEdit *>(C))
            Type(e, Value.toString());
        else if (auto *b = dynamic_cast<TgComponentEditorCheckBox *>(C)) {
            if (b->AsBoolean() != Value.toBool())
                Click(b);
        } else if (auto *combo = dynamic_cast<TgComponentEditorComboBox *>(C)) {
            if (Value.typeId() == QMetaType::QString) {
                const int at = combo->Items()->IndexOf(Value.toString());
                ASSERT_GE(at, 0) << Value.toString().toStdString();
                Choose(combo, at);
            } else
                Choose(combo, Value.toInt());
        } else if (auto *r = dynamic_cast<TgComponentEditorRadioGroup *>(C))
            Pick(r, Value.toInt());
        else if (auto *p = dynamic_cast<TgComponentEditorColorPicker *>(C))
            PickColor(p, TColor(Value.toInt()));
        else if (auto *f = dynamic_cast<TgComponentEditorFontPicker *>(C))
            PickFont(f, Value.toInt());
        else
            FAIL() << "no way to enter a value in " << C->Name().toStdString();
    }
    // The value control C shows, in Enter's terms (a combo's entry as its
    // place, or as its text when Like is a text).
    static QVariant Shown(TComponent *C, const QVariant &Like = QVariant())
    {
        if (auto *e = dynamic_cast<TgComponentEditorEdit *>(C))
            return e->ValueKind() == ievkInteger ? QVariant(e->AsInteger())
                   : e->ValueKind() == ievkFloat ? QVariant(e->AsFloat())
                                                 : QVariant(e->AsString());
        if (auto *b = dynamic_cast<TgComponentEditorCheckBox *>(C))
            return b->AsBoolean();
        if (auto *c = dynamic_cast<TgComponentEditorComboBox *>(C))
            return Like.typeId() == QMetaType::QString ? QVariant(c->AsString()) : QVariant(c->AsInteger());
        if (auto *r = dynamic_cast<TgComponentEditorRadioGroup *>(C))
            return r->AsInteger();
        if (auto *p = dynamic_cast<TgComponentEditorColorPicker *>(C))
            return int(p->Color());
        if (auto *f = dynamic_cast<TgComponentEditorFontPicker *>(C))
            return -f->Font()->Height();
        return QVariant();
    }
    // Texts alike, or numbers alike to rounding.
    static bool Same(const QVariant &A, const QVariant &B)
    {
        if (A.typeId() == QMetaType::QString || B.typeId() == QMetaType::QString)
            return A.toString() == B.toString();
        return qFuzzyCompare(1 + A.toDouble(), 1 + B.toDouble());
    }
    // Each row entered through its control reaches Object; each value then
    // set into Object shows when the editor opens again.
    template <class T, size_t N>
    void EveryRowReachesAndShows(T *Object, const TEditorRow<T> (&Rows)[N])
    {
        for (const TEditorRow<T> &row : Rows) {
            SCOPED_TRACE(row.control);
            Enter(editor->FindComponent(row.control), row.entered);
            EXPECT_TRUE(Same(row.read(Object), row.entered)) << row.read(Object).toString().toStdString();
        }
        EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
        for (const TEditorRow<T> &row : Rows)
            row.write(Object, row.stored);
        plot->Master()->EditProperties();
        for (const TEditorRow<T> &row : Rows)
            EXPECT_TRUE(Same(Shown(editor->FindComponent(row.control), row.stored), row.stored)) << row.control;
    }
    // The log's controls while the log is active or not: Activate and the
    // file name with its "..." only while it is not, Deactivate only while
    // it is.
    static void ExpectLogControls(TControl *Activate, TControl *Deactivate, TControl *Name, TControl *Choose,
                                  bool Logging)
    {
        EXPECT_EQ(Activate->Enabled(), !Logging);
        EXPECT_EQ(Deactivate->Enabled(), Logging);
        EXPECT_EQ(Name->Enabled(), !Logging);
        EXPECT_EQ(Choose->Enabled(), !Logging);
    }
    // One arrow of an up-down as drawn right of its edit (the black pixels
    // above or below the middle), in the coordinates of the edit's parent;
    // invalid when none is drawn.
    static QPoint UpDownArrow(TgUpDown *UpDown, bool Up)
    {
        TgComponentEditorEdit *edit = UpDown->Associate();
        if (!edit)
            return QPoint(-1, -1);
        Reveal(edit);
        const QImage shot = Shot(edit->Parent());
        const QRect area(edit->Left() + edit->Width(), edit->Top(), 24, edit->Height());
        QRect arrow;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right() && x < shot.width(); ++x)
                if (QColor(shot.pixel(x, y)) == QColor(Qt::black) &&
                    (Up ? y < area.center().y() : y > area.center().y()))
                    arrow |= QRect(x, y, 1, 1);
        return arrow.isValid() ? arrow.center() : QPoint(-1, -1);
    }
    // A press and release at At on the up-down's surface (its edit's parent).
    static void PressUpDown(TgUpDown *UpDown, QPoint At)
    {
        QWidget *surface = UpDown->Associate()->Parent()->Widget();
        SendMouse(surface, QEvent::MouseButtonPress, At);
        SendMouse(surface, QEvent::MouseButtonRelease, At);
    }
    // One arrow of an up-down, found as drawn, pressed and released.
    static void StepUpDown(TgUpDown *UpDown, bool Up)
    {
        const QPoint arrow = UpDownArrow(UpDown, Up);
        ASSERT_GE(arrow.x(), 0);
        PressUpDown(UpDown, arrow);
    }
    // The middle of each entry of an object list as drawn, with or without
    // colour boxes: the runs of rows that differ from the empty list below
    // the entries (text, boxes, the selection).
    static std::vector<QPoint> TextEntries(TgComponentEditorListBox *List)
    {
        const QImage shot = Shot(List);
        const QRgb empty = shot.pixel(shot.width() / 2, shot.height() - 6);
        std::vector<QPoint> found;
        int start = -1;
        for (int y = 3; y <= shot.height() - 3; ++y) {
            bool on = false;
            for (int x = 3; x < shot.width() - 3 && y < shot.height() - 3 && !on; ++x)
                on = shot.pixel(x, y) != empty;
            if (on && start < 0)
                start = y;
            if (!on && start >= 0) {
                if (y - start >= 3)
                    found.push_back(QPoint(List->Width() / 2, (start + y - 1) / 2));
                start = -1;
            }
        }
        return found;
    }
    // An entry pressed at From, dragged in small steps to To and dropped.
    static void DragEntry(TgComponentEditorListBox *List, QPoint From, QPoint To)
    {
        QWidget *items = static_cast<QListWidget *>(List->Widget())->viewport();
        const auto at = [&](QPoint Point) { return items->mapFrom(List->Widget(), Point); };
        SendMouse(items, QEvent::MouseButtonPress, at(From));
        for (int i = 1; i <= 8; ++i)
            SendMouse(items, QEvent::MouseMove, at(From + (To - From) * i / 8), Qt::NoButton, Qt::LeftButton);
        SendMouse(items, QEvent::MouseButtonRelease, at(To));
    }
    // A click on an object list at At (in the list's coordinates), which its
    // item area takes.
    static void ClickEntry(TgComponentEditorListBox *List, QPoint At)
    {
        QWidget *items = static_cast<QListWidget *>(List->Widget())->viewport();
        QTest::mouseClick(items, Qt::LeftButton, Qt::NoModifier, items->mapFrom(List->Widget(), At));
    }
    // The middle of each entry of an object list as drawn: the rows of its
    // colour boxes (Box) down the list.
    static std::vector<QPoint> Entries(TgComponentEditorListBox *List, TColor Box)
    {
        const QImage shot = Shot(List);
        std::vector<QPoint> found;
        int start = -1;
        const QRgb box = ToQColor(Box).rgb();
        for (int y = 0; y <= shot.height(); ++y) {
            bool on = false;
            for (int x = 0; x < 30 && y < shot.height() && !on; ++x)
                on = shot.pixel(x, y) == box;
            if (on && start < 0)
                start = y;
            if (!on && start >= 0) {
                found.push_back(QPoint(List->Width() / 2, (start + y - 1) / 2));
                start = -1;
            }
        }
        return found;
    }
};
