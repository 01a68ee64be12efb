// The main window opens with the pages its start page shows and makes the
// others once it has painted. What the user meets must be what a window that
// made every page at once shows: the same controls, stacked alike, with the
// same places, states and captions, and the same pixels on every page.
#include <QImage>
#include <QMap>
#include <QWidget>
#include <QtTest/QtTest>

#include <gtest/gtest.h>

#include "Button.h"
#include "EditorWindowsFixture.h"
#include "Form.h"
#include "LConnectScan.h"
#include "PageNavigation.h"
#include "PumpEvents.h"
#include "TfmMain.h"
#include "TfmNetwork.h"
#include "WinControl.h"

namespace {

// What a control shows and where it stands among its siblings.
struct ControlState {
    QString parent;
    int index = -1;       // among the parent's controls
    int widgetIndex = -1; // among the parent window's widgets (their stacking)
    int tabOrder = -1;
    TRect bounds;
    bool visible = false, enabled = false;
    QString caption, hint;
    TColor font = clNone;
    int tag = 0;

    bool operator==(const ControlState &o) const
    {
        return parent == o.parent && index == o.index && widgetIndex == o.widgetIndex && tabOrder == o.tabOrder &&
               bounds == o.bounds &&
               visible == o.visible && enabled == o.enabled && caption == o.caption && hint == o.hint &&
               font == o.font && tag == o.tag;
    }
};

std::ostream &operator<<(std::ostream &out, const ControlState &s)
{
    return out << s.parent.toStdString() << "[" << s.index << "/" << s.widgetIndex << " tab " << s.tabOrder << "] (" << s.bounds.Left << ","
               << s.bounds.Top << " " << s.bounds.Width() << "x" << s.bounds.Height() << ") "
               << (s.visible ? "shown" : "hidden") << (s.enabled ? "" : " disabled") << " \""
               << s.caption.toStdString() << "\" font " << s.font << " tag " << s.tag;
}

int WidgetIndex(QWidget *Widget)
{
    if (!Widget || !Widget->parentWidget())
        return -1;
    int i = 0;
    for (QObject *o : Widget->parentWidget()->children()) {
        if (o == Widget)
            return i;
        if (o->isWidgetType())
            ++i;
    }
    return -1;
}

QMap<QString, ControlState> Snapshot()
{
    QMap<QString, ControlState> all;
    for (int i = 0; i < fmMain->ComponentCount(); ++i) {
        // The window's controls; the dialogs it owns are made on first use.
        auto *c = dynamic_cast<TControl *>(fmMain->Components(i));
        if (!c || c->Name().isEmpty() || dynamic_cast<TCustomForm *>(c))
            continue;
        ControlState s;
        if (TWinControl *p = c->Parent()) {
            s.parent = p->Name();
            for (int k = 0; k < p->ControlCount(); ++k)
                if (p->Controls(k) == c)
                    s.index = k;
        }
        if (auto *w = dynamic_cast<TWinControl *>(c)) {
            s.widgetIndex = WidgetIndex(w->Widget());
            s.tabOrder = w->TabOrder();
        }
        s.bounds = c->BoundsRect();
        s.visible = c->Visible();
        s.enabled = c->Enabled();
        s.caption = c->Caption();
        s.hint = c->Hint();
        s.font = c->Font()->Color();
        s.tag = c->Tag();
        all.insert(c->Name(), s);
    }
    return all;
}

QImage Shot(const QString &Frame)
{
    auto *w = dynamic_cast<TWinControl *>(fmMain->FindControl(Frame));
    return w ? w->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32) : QImage();
}

// A user's click on the page's button, at its middle.
void OpenPage(int Page)
{
    TControl *b = fmMain->FindControl(PageNavigation::ButtonName(Page));
    ASSERT_NE(b, nullptr);
    QWidget *at = b->Parent()->Widget();
    QPoint centre(b->Left() + b->Width() / 2, b->Top() + b->Height() / 2);
    if (auto *w = dynamic_cast<TWinControl *>(b)) {
        at = w->Widget();
        centre = QPoint(b->Width() / 2, b->Height() / 2);
    }
    QTest::mouseClick(at, Qt::LeftButton, {}, centre);
    QCoreApplication::processEvents();
}

// The window as the user meets it: the start page at its first paint, then
// every page's frames, one page after the other.
struct Seen {
    QImage start;
    QMap<QString, ControlState> controls;
    QMap<QString, QImage> frames;
};

class PagesMadeLater : public EditorWindowsFixture {
protected:
    void TearDown() override
    {
        EditorWindowsFixture::TearDown();
        TfmMain::makePagesAtOnce = false;
    }
    // Makes the windows, every page at once or the start page's first.
    Seen Open(bool AtOnce, int *ControlsBeforePaint = nullptr)
    {
        TfmMain::makePagesAtOnce = AtOnce;
        CreateWindows(DeadPort());
        if (ControlsBeforePaint)
            *ControlsBeforePaint = fmMain->ControlCount();
        Seen seen;
        fmMain->Show();
        // The first paint, before the event loop has run once more.
        seen.start = fmMain->WindowWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int made = fmMain->ControlCount();
        PumpUntil([made] { return fmMain->ControlCount() > made; }, AtOnce ? 50 : 5000);
        // The start's scan finds nothing; the user goes on offline (Demo).
        if (!PumpUntil([] { return fmNetwork->Visible() && fmNetwork->Scan().Failed(); }, 15000))
            ADD_FAILURE() << "the start's scan did not end";
        QTest::mouseClick(fmNetwork->btnExit->Widget(), Qt::LeftButton);
        PumpUntil([] { return !fmNetwork->Visible(); }, 5000);
        PumpFor(50);
        seen.controls = Snapshot();
        for (int page = 0; page < PageNavigation::kPages; ++page) {
            OpenPage(page);
            PumpFor(20);
            for (const QString &frame : {PageNavigation::DisplayName(page), PageNavigation::ParamName(page)})
                seen.frames.insert(QString::number(page) + " " + frame, Shot(frame));
        }
        DestroyEditorWindows();
        return seen;
    }
};

TEST_F(PagesMadeLater, TheWindowMatchesOneThatMadeEveryPageAtOnce)
{
    const Seen atOnce = Open(true);
    int beforePaint = 0;
    const Seen later = Open(false, &beforePaint);

    // The deferral is real: most controls wait for the first paint.
    EXPECT_LT(beforePaint, atOnce.controls.size() / 4);
    EXPECT_EQ(later.start, atOnce.start) << "the start page's first paint differs";
    QStringList missing, extra;
    for (const QString &name : atOnce.controls.keys())
        if (!later.controls.contains(name))
            missing << name;
    for (const QString &name : later.controls.keys())
        if (!atOnce.controls.contains(name))
            extra << name;
    ASSERT_TRUE(missing.isEmpty() && extra.isEmpty())
        << "made later lacks " << missing.join(' ').toStdString() << "; has besides " << extra.join(' ').toStdString();
    int differing = 0;
    for (auto it = atOnce.controls.begin(); it != atOnce.controls.end(); ++it)
        if (!(later.controls[it.key()] == it.value()) && ++differing <= 20)
            ADD_FAILURE() << it.key().toStdString() << ": made later " << later.controls[it.key()]
                          << ", made at once " << it.value();
    EXPECT_EQ(differing, 0);
    for (auto it = atOnce.frames.begin(); it != atOnce.frames.end(); ++it) {
        ASSERT_FALSE(it.value().isNull()) << it.key().toStdString();
        EXPECT_EQ(later.frames[it.key()], it.value()) << "page frame " << it.key().toStdString();

    }
}

// A control of a page not made yet is made when it is looked up, before the
// window has painted: callers never meet a missing control.
TEST_F(PagesMadeLater, ALookUpBeforeThePaintMakesThePages)
{
    CreateWindows(DeadPort());
    const int before = fmMain->ControlCount();
    TControl *geq = fmMain->FindControl("isGeqCh16InC");
    ASSERT_NE(geq, nullptr);
    EXPECT_GT(fmMain->ControlCount(), before);
    EXPECT_EQ(fmMain->FindControl("noSuchControl"), nullptr);
}

} // namespace
