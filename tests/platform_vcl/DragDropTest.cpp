// Drag and drop between controls of a shown form, by Qt mouse and key
// events on the source's widget (which holds the press, as Qt's grab does).
#include "Form.h"
#include "PaintBox.h"
#include "Panel.h"
#include "TestInput.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct DragDrop : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr, CreateNew);
    TPanel *source = new TPanel(form.get());
    TPanel *target = new TPanel(form.get());
    TPaintBox *box = new TPaintBox(form.get());
    QStringList events;
    bool accept = true;
    std::string Events() const { return events.join(QStringLiteral(" | ")).toStdString(); }

    DragDrop()
    {
        form->SetClientWidth(300);
        form->SetClientHeight(200);
        for (TControl *c : {static_cast<TControl *>(source), static_cast<TControl *>(target),
                            static_cast<TControl *>(box)})
            c->SetParent(form.get());
        source->SetName(QStringLiteral("source"));
        target->SetName(QStringLiteral("target"));
        box->SetName(QStringLiteral("box"));
        source->SetBounds(10, 10, 80, 60);
        target->SetBounds(150, 10, 80, 60);
        box->SetBounds(150, 100, 80, 60);
        source->OnMouseDown = [this](TObject *, TMouseButton, TShiftState, int, int) {
            events << QStringLiteral("down");
            source->BeginDrag(false);
        };
        source->OnMouseUp = [this](TObject *, TMouseButton, TShiftState, int, int) { events << QStringLiteral("up"); };
        source->OnClick = [this](TObject *) { events << QStringLiteral("click"); };
        source->OnStartDrag = [this](TObject *, TDragObject *&) { events << QStringLiteral("start"); };
        source->OnEndDrag = [this](TObject *, TObject *Target, int X, int Y) {
            const auto *c = dynamic_cast<TComponent *>(Target);
            events << QStringLiteral("end %1 %2,%3").arg(c ? c->Name() : QStringLiteral("none")).arg(X).arg(Y);
        };
        for (TControl *c : {static_cast<TControl *>(target), static_cast<TControl *>(box)}) {
            c->OnDragOver = [this, c](TObject *, TObject *Source, int X, int Y, TDragState State, bool &Accept) {
                static const char *const states[] = {"enter", "leave", "move"};
                EXPECT_EQ(Source, source);
                events << QStringLiteral("%1 %2 %3,%4").arg(c->Name(), QLatin1String(states[State])).arg(X).arg(Y);
                Accept = accept;
            };
            c->OnDragDrop = [this, c](TObject *, TObject *Source, int X, int Y) {
                EXPECT_EQ(Source, source);
                events << QStringLiteral("drop %1 %2,%3").arg(c->Name()).arg(X).arg(Y);
            };
        }
        form->Show();
    }
    QWidget *W() const { return source->Widget(); }
    // A point of the form's client area in the source's coordinates.
    QPoint At(int FormX, int FormY) const { return QPoint(FormX - source->Left(), FormY - source->Top()); }
    void Press(QPoint P) { SendMouse(W(), QEvent::MouseButtonPress, P); }
    void DragTo(QPoint P) { SendMouse(W(), QEvent::MouseMove, P, Qt::NoButton, Qt::LeftButton); }
    void Release(QPoint P) { SendMouse(W(), QEvent::MouseButtonRelease, P); }
};

TEST_F(DragDrop, DroppedOnAControlThatTakesIt)
{
    Press(QPoint(20, 20));
    DragTo(QPoint(22, 21)); // within the threshold: no drag yet
    DragTo(At(160, 20));
    DragTo(At(170, 30));
    Release(At(170, 30));
    EXPECT_EQ(Events(), QStringList({"down", "start", "target enter 10,10", "target move 20,20",
                                   "drop target 20,20", "end target 20,20"}).join(QStringLiteral(" | ")).toStdString());
    EXPECT_FALSE(source->Dragging());
}

TEST_F(DragDrop, RefusedLeftAndWindowlessTargets)
{
    accept = false;
    Press(QPoint(20, 20));
    DragTo(At(160, 20));
    DragTo(At(160, 110)); // leaves the panel for the paint box
    Release(At(165, 115));
    EXPECT_EQ(Events(), QStringList({"down", "start", "target enter 10,10", "target leave 10,100", "box enter 10,10",
                                   "box move 15,15", "box leave 15,15", "end none 155,105"}).join(QStringLiteral(" | ")).toStdString());

    events.clear();
    accept = true;
    Press(QPoint(20, 20));
    DragTo(At(160, 110));
    Release(At(160, 110));
    EXPECT_EQ(events.mid(events.size() - 2).join(u'|').toStdString(), "drop box 10,10|end box 10,10");
}

// A press released within the threshold ends a drag that never began:
// nobody is asked, the source hears the end and no release or click.
TEST_F(DragDrop, BelowTheThresholdNothingIsDragged)
{
    Press(QPoint(20, 20));
    DragTo(QPoint(24, 16));
    Release(QPoint(24, 16));
    EXPECT_EQ(Events(), QStringList({"down", "start", "end none 24,16"}).join(QStringLiteral(" | ")).toStdString());
}

TEST_F(DragDrop, EscapeCallsItOff)
{
    source->SetTabStop(true);
    source->SetFocus();
    Press(QPoint(20, 20));
    DragTo(At(160, 20));
    Key(W(), Qt::Key_Escape);
    EXPECT_FALSE(source->Dragging());
    DragTo(At(170, 30));
    Release(At(170, 30));
    EXPECT_EQ(Events(), QStringList({"down", "start", "target enter 10,10", "target leave 10,10", "end none 150,10",
                                   "up"}).join(QStringLiteral(" | ")).toStdString()) << "the press goes on without the drag";
}

} // namespace
