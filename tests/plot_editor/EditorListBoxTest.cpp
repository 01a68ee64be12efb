// The editor's object list as its user meets it: entries found by their
// colour boxes in the drawn list, picked and dragged with the mouse; the
// deletion rules that keep a selection.
#include "EditorFormHost.h"
#include "gComponentEditorListBox.h"

#include <QListWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

// An object that says when it goes.
class TEntryObject : public TObject {
public:
    TEntryObject(QString Name, TColor Colour, QStringList *Gone) : name(std::move(Name)), colour(Colour), gone(Gone) {}
    ~TEntryObject() override { *gone << name; }
    QString name;
    TColor colour;
    QStringList *gone;
};

struct EditorList : ::testing::Test {
    EditorFormHost host;
    TgComponentEditorListBox *list = nullptr;
    QStringList gone, events;
    const TColor colours[4] = {clRed, clLime, clBlue, clFuchsia};
    const char *names[4] = {"Alpha", "Beta", "Gamma", "Delta"};

    void SetUp() override
    {
        list = host.Add<TgComponentEditorListBox>(10, 10, 160, 120);
        list->OnGetData = [](TObject *Sender, int Index, bool &, TColor &Colour, QString &Text) {
            auto *o = static_cast<TEntryObject *>(static_cast<TListBox *>(Sender)->Items()->GetObject(Index));
            Colour = o->colour;
            Text = o->name;
        };
        list->OnClick = [this](TObject *) { events << QStringLiteral("click %1").arg(list->ItemIndex()); };
        list->OnItemMove = [this](TObject *) { events << QStringLiteral("move"); };
    }
    void Fill(int Count)
    {
        for (int i = 0; i < Count; ++i)
            list->Items()->AddObject(QString(), new TEntryObject(names[i], colours[i], &gone));
    }
    // Names in list order.
    QStringList Order() const
    {
        QStringList out;
        for (int i = 0; i < list->Items()->Count(); ++i)
            out << static_cast<TEntryObject *>(list->Items()->GetObject(i))->name;
        return out;
    }
    QImage Shot()
    {
        QApplication::processEvents();
        return list->PaintToImage().convertToFormat(QImage::Format_RGB32);
    }
    // The centre of the colour box drawn in a colour, in the list's
    // coordinates (invalid when none is drawn).
    QPoint BoxOf(TColor Colour)
    {
        const QImage shot = Shot();
        QRect box;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (QColor(shot.pixel(x, y)) == ToQColor(Colour))
                    box |= QRect(x, y, 1, 1);
        return box.isValid() ? box.center() : QPoint(-1, -1);
    }
    QWidget *Viewport() const { return static_cast<QListWidget *>(list->Widget())->viewport(); }
    QPoint InViewport(QPoint P) const { return Viewport()->mapFrom(list->Widget(), P); }
    void ClickOn(QPoint P) { QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, InViewport(P)); }
    // Pressed at From, moved down in small steps to To, released there.
    void Drag(QPoint From, QPoint To)
    {
        QWidget *v = Viewport();
        SendMouse(v, QEvent::MouseButtonPress, InViewport(From));
        for (int i = 1; i <= 8; ++i) {
            const QPoint p = From + (To - From) * i / 8;
            SendMouse(v, QEvent::MouseMove, InViewport(p), Qt::NoButton, Qt::LeftButton);
        }
        SendMouse(v, QEvent::MouseButtonRelease, InViewport(To));
    }
};

TEST_F(EditorList, EntriesShowTheirDataAndAClickPicksOne)
{
    Fill(3);
    const QPoint beta = BoxOf(clLime);
    ASSERT_GE(beta.x(), 0);
    EXPECT_GT(beta.y(), BoxOf(clRed).y());
    EXPECT_LT(beta.y(), BoxOf(clBlue).y());
    ClickOn(beta);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(events, QStringList{"click 1"});
    // The picked entry is drawn on teal.
    const QImage shot = Shot();
    EXPECT_EQ(QColor(shot.pixel(list->Width() - 20, beta.y())), QColor(0, 128, 128));
    EXPECT_NE(QColor(shot.pixel(list->Width() - 20, BoxOf(clRed).y())), QColor(0, 128, 128));

    // Without a colour box the text starts at the left.
    list->OnGetData = [](TObject *, int, bool &Box, TColor &, QString &) { Box = false; };
    EXPECT_LT(BoxOf(clLime).x(), 0);
}

TEST_F(EditorList, DroppedBelowTheLastEntryTheDraggedOneMovesToTheEnd)
{
    Fill(4);
    const QPoint alpha = BoxOf(clRed), delta = BoxOf(clFuchsia);
    Drag(alpha, QPoint(alpha.x(), std::min(delta.y() + 40, list->Height() - 6)));
    EXPECT_EQ(Order(), (QStringList{"Beta", "Gamma", "Delta", "Alpha"}));
    EXPECT_EQ(list->ItemIndex(), 3);
    EXPECT_EQ(events.last(), QStringLiteral("move"));

    // Onto another entry: it takes that place; onto itself: nothing moves.
    events.clear();
    Drag(BoxOf(clRed), BoxOf(clLime));
    EXPECT_EQ(Order(), (QStringList{"Alpha", "Beta", "Gamma", "Delta"}));
    EXPECT_EQ(list->ItemIndex(), 0);
    events.clear();
    const QPoint gamma = BoxOf(clBlue);
    Drag(gamma, gamma + QPoint(30, 2));
    EXPECT_EQ(Order(), (QStringList{"Alpha", "Beta", "Gamma", "Delta"}));
    EXPECT_FALSE(events.contains("move"));
    EXPECT_TRUE(gone.isEmpty()); // moving frees nothing
}

TEST_F(EditorList, DeletingTheSelectedEntryFreesItsObjectAndKeepsASelection)
{
    list->DeleteSelectedObject(); // empty: nothing
    Fill(3);
    list->SelectLast();
    EXPECT_EQ(list->ItemIndex(), 2);
    list->DeleteSelectedObject();
    EXPECT_EQ(gone, QStringList{"Gamma"});
    EXPECT_EQ(list->ItemIndex(), 1); // the new last
    ClickOn(BoxOf(clRed));
    list->DeleteSelectedObject();
    EXPECT_EQ(Order(), QStringList{"Beta"});
    EXPECT_EQ(list->ItemIndex(), 0); // the entry that moved into its place
    list->DeleteSelectedObject();
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(gone, (QStringList{"Gamma", "Alpha", "Beta"}));
    list->SelectLast();
    EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(EditorList, AnObjectTakenOutElsewhereLeavesItsEntryAndTheSelectionNearby)
{
    Fill(3);
    auto *beta = list->Items()->GetObject(1);
    list->SetItemIndex(1);
    list->DeleteObjectIndex(beta);
    EXPECT_EQ(Order(), (QStringList{"Alpha", "Gamma"}));
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_TRUE(gone.isEmpty()); // the object is the caller's
    delete beta;
    list->DeleteObjectIndex(beta); // no longer listed: nothing
    EXPECT_EQ(list->Items()->Count(), 2);
    std::unique_ptr<TObject> gamma(list->Items()->GetObject(1));
    list->DeleteObjectIndex(gamma.get());
    EXPECT_EQ(list->ItemIndex(), 0); // past the end: the new last
    EXPECT_TRUE(events.isEmpty()); // none of this is the user's
    delete list->Items()->GetObject(0);
}

} // namespace
