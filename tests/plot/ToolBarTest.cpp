// The plot toolbar as its user meets it: the buttons found in the rendered
// plot and clicked with the mouse. Its entries and sizes, each button's
// action with the plot's before and after events, cancelling, the zoom
// factor on linear and log axes, group release, the cursor and select
// modes, the enabling of Resume and Pause, flat buttons and hints.
#include "FakePlotEditor.h"
#include "Form.h"
#include "RenderedPlot.h"
#include "ShownPlot.h"
#include "TestInput.h"
#include "gPlotDataCursor.h"
#include "gPlotDataView.h"
#include "gPlotMasterManager.h"
#include "gPlotToolBar.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gXYPlot.h"

#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The plot's clipboard, file and printing operations, counted.
class TCountingPlot : public TgXYPlot {
public:
    using TgXYPlot::TgXYPlot;
    QStringList calls;
    void CopyToClipBoard() override { calls << QStringLiteral("copy"); }
    void Save() override { calls << QStringLiteral("save"); }
    void PrintChart() override { calls << QStringLiteral("print"); }
    void PreviewChart() override { calls << QStringLiteral("preview"); }
};

// The toolbar's buttons in the order a new toolbar shows them.
const TgPlotToolBarButtonType kShownOrder[] = {
    iptbbtResume, iptbbtPause, iptbbtScrollAxesMode, iptbbtZoomAxesMode, iptbbtZoomOut, iptbbtZoomIn,
    iptbbtZoomBox, iptbbtCursor, iptbbtEdit, iptbbtCopy, iptbbtSave, iptbbtPrint};

// A shown XY plot whose toolbar events are written down as "before N" and
// "after N" (N the button type); a before-event of a type in cancel is
// cancelled.
struct ToolBarTest : ::testing::Test {
    TForm form{nullptr};
    TCountingPlot *plot = nullptr;
    TgPlotToolBar *toolBar = nullptr;
    QStringList events;
    std::vector<int> cancel;

    void SetUp() override
    {
        form.SetBounds(0, 0, 700, 400);
        plot = new TCountingPlot(&form);
        plot->SetParent(&form);
        plot->SetBounds(0, 0, 640, 300);
        toolBar = plot->GetToolBar(0);
        plot->OnBeforeToolBarButtonClick = [this](TObject *, int Index, int Type, bool &Cancel) {
            EXPECT_EQ(Index, 0);
            events << QStringLiteral("before %1").arg(Type);
            Cancel = std::find(cancel.begin(), cancel.end(), Type) != cancel.end();
        };
        plot->OnToolBarButtonClick = [this](TObject *, int, int Type) { events << QStringLiteral("after %1").arg(Type); };
        form.Show();
        QApplication::setActiveWindow(form.Widget());
    }
    QWidget *W() const { return plot->Widget(); }
    std::vector<QRect> Buttons() const { return ToolBarButtons(Shot(W())); }
    // A click on the index-th button the rendered toolbar shows.
    void ClickButton(size_t Index)
    {
        const std::vector<QRect> buttons = Buttons();
        ASSERT_LT(Index, buttons.size());
        QTest::mouseClick(W(), Qt::LeftButton, Qt::NoModifier, buttons[Index].center());
    }
    void ClickButton(TgPlotToolBarButtonType Type)
    {
        const auto at = std::find(std::begin(kShownOrder), std::end(kShownOrder), Type);
        ASSERT_NE(at, std::end(kShownOrder));
        ClickButton(size_t(at - std::begin(kShownOrder)));
    }
    std::vector<TgPlotAxis *> Axes() const
    {
        std::vector<TgPlotAxis *> axes;
        for (int i = 0; i < plot->XAxisCount(); ++i)
            axes.push_back(plot->GetXAxis(i));
        for (int i = 0; i < plot->YAxisCount(); ++i)
            axes.push_back(plot->GetYAxis(i));
        return axes;
    }
    void SetTracking(bool On)
    {
        for (TgPlotAxis *a : Axes()) {
            a->SetRestoreValuesOnResume(false);
            a->SetTrackingEnabled(On);
        }
    }
    static QString Before(int Type) { return QStringLiteral("before %1").arg(Type); }
    static QString After(int Type) { return QStringLiteral("after %1").arg(Type); }
};

// Twelve buttons in five groups (Select and Preview hidden), 30 pixels
// square; small buttons are 22; the scroll mode is down.
TEST_F(ToolBarTest, NewToolBarShowsTwelveButtonsInFiveGroups)
{
    for (bool small : {false, true}) {
        toolBar->SetSmallButtons(small);
        const std::vector<QRect> buttons = Buttons();
        ASSERT_EQ(buttons.size(), 12u) << small;
        const int size = small ? 22 : 30;
        int gaps = 0;
        for (size_t i = 0; i < buttons.size(); ++i) {
            EXPECT_EQ(buttons[i].width(), size) << i;
            EXPECT_EQ(buttons[i].height(), size) << i;
            EXPECT_EQ(buttons[i].top(), buttons[0].top()) << i;
            if (i > 0) {
                const int gap = buttons[i].left() - buttons[i - 1].right() - 1;
                EXPECT_TRUE(gap == 0 || gap == 10) << i << " gap " << gap;
                gaps += gap == 10;
            }
        }
        EXPECT_EQ(gaps, 5);
        EXPECT_TRUE(toolBar->ButtonOfType(iptbbtScrollAxesMode)->Down());
    }
    // Hidden buttons leave no room, and a group without buttons no spacer.
    toolBar->SetShowSelectButton(true);
    toolBar->SetShowPreviewButton(true);
    EXPECT_EQ(Buttons().size(), 14u);
    toolBar->SetShowZoomInOutButtons(false);
    toolBar->SetShowResumeButton(false);
    toolBar->SetShowPauseButton(false);
    const std::vector<QRect> rest = Buttons();
    ASSERT_EQ(rest.size(), 10u);
    EXPECT_EQ(rest[2].left() - rest[1].right() - 1, 10); // the mode group, then Select
}

// Each button found on screen runs its action between the before and the
// after event (the editor's has no after event); the clipboard, file and
// printing buttons reach the plot's operations, Edit the property editor.
TEST_F(ToolBarTest, EveryButtonRunsItsAction)
{
    TFakeEditor::made = 0;
    TFakeEditor::log.clear();
    const TgPlotEditorFactory libraryFactory = TgPlotMasterManager::EditorFactory;
    TgPlotMasterManager::EditorFactory = [](TgPlotMasterManager *, TComponent *) { return new TFakeEditor; };
    plot->GetXAxis(0)->SetTrackingEnabled(false); // Resume and Pause both enabled
    toolBar->SetShowPreviewButton(true);
    const std::vector<QRect> buttons = Buttons();
    ASSERT_EQ(buttons.size(), 13u);
    for (size_t i = 0; i < buttons.size(); ++i) {
        const int type = i < 12 ? kShownOrder[i] : iptbbtPreview;
        if (type == iptbbtZoomBox || type == iptbbtCursor)
            continue; // their own tests
        events.clear();
        QTest::mouseClick(W(), Qt::LeftButton, Qt::NoModifier, buttons[i].center());
        QStringList want{Before(type)};
        if (type == iptbbtZoomOut || type == iptbbtZoomIn)
            want << Before(iptbbtPause) << After(iptbbtPause);
        if (type != iptbbtEdit)
            want << After(type);
        EXPECT_EQ(events, want) << i;
    }
    EXPECT_EQ(plot->calls, QStringList({"copy", "save", "print", "preview"}));
    EXPECT_EQ(TFakeEditor::made, 1);
    EXPECT_EQ(TFakeEditor::log, QStringList({"modal"}));
    TgPlotMasterManager::EditorFactory = libraryFactory;
}

// A cancelled before-event stops the action: Zoom in and Zoom out leave every
// axis as it was, and Zoom out does not pause either. A cancelled pause
// inside a zoom leaves tracking on but zooms.
TEST_F(ToolBarTest, CancelledBeforeEventStopsTheAction)
{
    struct Row {
        TgPlotToolBarButtonType button, cancelled;
        bool zooms, pauses;
    } rows[] = {
        {iptbbtZoomIn, iptbbtZoomIn, false, false},
        {iptbbtZoomOut, iptbbtZoomOut, false, false},
        {iptbbtZoomIn, iptbbtPause, true, false},
        {iptbbtZoomOut, iptbbtPause, true, false},
        {iptbbtZoomIn, iptbbtResume, true, true},
    };
    for (const Row &r : rows) {
        for (TgPlotAxis *a : Axes())
            a->SetMinSpan(0, 100);
        SetTracking(true);
        cancel = {r.cancelled};
        events.clear();
        ClickButton(r.button);
        for (TgPlotAxis *a : Axes()) {
            EXPECT_EQ(a->Span() != 100, r.zooms) << r.button << " " << r.cancelled;
            EXPECT_EQ(a->TrackingEnabled(), !r.pauses) << r.button << " " << r.cancelled;
        }
        EXPECT_EQ(events.contains(After(r.button)), r.zooms) << r.button;
    }
}

// Zoom in divides the span of a linear axis by the factor around its middle
// and takes a log axis one decade in (Min x 10, span / 10); Zoom out the
// reverse. Factors below 1 count as 1.
TEST_F(ToolBarTest, ZoomFactorOnLinearAndLogAxes)
{
    struct Row {
        double factor;
        bool in;
        double linearMin, linearSpan, logMin, logSpan;
    } rows[] = {
        {2, true, 25, 50, 10, 99.9},
        {2, false, -50, 200, 0.1, 9990},
        {4, true, 37.5, 25, 10, 99.9},
        {0.5, true, 0, 100, 10, 99.9},
    };
    TgPlotYAxis *log = plot->GetYAxis(0);
    log->SetScaleType(ipstLog10);
    for (const Row &r : rows) {
        toolBar->SetZoomInOutFactor(r.factor);
        plot->GetXAxis(0)->SetMinSpan(0, 100);
        log->SetMinSpan(1, 999);
        ClickButton(r.in ? iptbbtZoomIn : iptbbtZoomOut);
        EXPECT_DOUBLE_EQ(plot->GetXAxis(0)->Min(), r.linearMin) << r.factor;
        EXPECT_DOUBLE_EQ(plot->GetXAxis(0)->Span(), r.linearSpan) << r.factor;
        EXPECT_DOUBLE_EQ(log->Min(), r.logMin) << r.factor;
        EXPECT_NEAR(log->Span(), r.logSpan, 1e-9 * r.logSpan) << r.factor;
    }
}

// The runs of columns (Vertical) or rows of Area holding a light grey or
// white pixel (text, smoothed), apart by more than Gap: one per label along
// an axis.
int LabelsAlong(const QImage &Image, const QRect &Area, bool Vertical, int Gap)
{
    const auto light = [](QRgb P) { return qRed(P) >= 0xA0 && qGreen(P) >= 0xA0 && qBlue(P) >= 0xA0; };
    int groups = 0, last = -Gap - 1;
    const int first = Vertical ? Area.left() : Area.top(), end = Vertical ? Area.right() : Area.bottom();
    for (int a = first; a <= end; ++a) {
        bool on = false;
        for (int b = Vertical ? Area.top() : Area.left(); b <= (Vertical ? Area.bottom() : Area.right()) && !on; ++b)
            on = light(Image.pixel(Vertical ? a : b, Vertical ? b : a));
        if (on) {
            groups += a - last > Gap;
            last = a;
        }
    }
    return groups;
}

// Zoom In pressed on and on stops where the axes can still label their
// ticks: the plot keeps its grid, two labels or more on each axis and its
// curve; Zoom Out then widens again. The X axis closes in on 50, the Y axis
// on 0.
TEST_F(ToolBarTest, ZoomInStopsWhereTheAxesStillLabelTheirTicks)
{
    SetTracking(false);
    plot->GetXAxis(0)->SetMinSpan(0, 100);
    plot->GetYAxis(0)->SetMinSpan(-1, 2);
    TgXYPlotChannel *channel = plot->GetChannel(0);
    channel->SetColor(clYellow);
    channel->AddXY(0, -1);
    channel->AddXY(100, 1);
    const size_t zoomIn = size_t(std::find(std::begin(kShownOrder), std::end(kShownOrder), iptbbtZoomIn) -
                                 std::begin(kShownOrder));
    const size_t zoomOut = zoomIn - 1;
    const std::vector<QRect> buttons = Buttons();
    ASSERT_GT(buttons.size(), zoomIn);
    double spans[2] = {0, 0};
    for (int press = 1; press <= 400; ++press) {
        QTest::mouseClick(W(), Qt::LeftButton, Qt::NoModifier, buttons[zoomIn].center());
        if (press == 390)
            spans[0] = plot->GetXAxis(0)->Span();
    }
    spans[1] = plot->GetXAxis(0)->Span();
    EXPECT_EQ(spans[0], spans[1]); // stopped
    EXPECT_LT(spans[1], 1e-6);     // after a good way in

    const QImage img = Shot(W());
    const QRect frame = BoxOf(img, Rgb(clGreen), img.rect().adjusted(0, buttons[0].bottom() + 4, 0, 0));
    ASSERT_FALSE(frame.isNull());
    EXPECT_GE(LinesOf(img, Rgb(clGreen), true, frame.height() * 9 / 10).size(), 4u); // frame edges and grid
    EXPECT_GE(LinesOf(img, Rgb(clGreen), false, frame.width() * 4 / 10).size(), 4u); // the curve crosses them
    EXPECT_FALSE(BoxOf(img, Rgb(clYellow), frame).isNull()); // the curve
    // Beyond the axis lines and their ticks.
    const QRect below(frame.left() - 20, frame.bottom() + 12, frame.width() + 40, 20);
    const QRect left(4, frame.top() - 10, frame.left() - 16, frame.height() + 20); // inside the border
    EXPECT_GE(LabelsAlong(img, below, true, 8), 2);
    EXPECT_GE(LabelsAlong(img, left, false, 4), 2);
    for (TgPlotAxis *axis : Axes()) {
        QStringList labels;
        for (int i = 0; i < axis->TickListCount(); ++i)
            if (axis->Tick(i).TickType == ipttMajor && axis->Tick(i).Show)
                labels << axis->Tick(i).Text;
        EXPECT_GE(labels.size(), 2) << labels.join(u' ').toStdString();
        EXPECT_EQ(labels.size(), QSet<QString>(labels.begin(), labels.end()).size()) << labels.join(u' ').toStdString();
    }
    EXPECT_NEAR(plot->GetXAxis(0)->Mid(), 50, 1e-6);
    EXPECT_NEAR(plot->GetYAxis(0)->Mid(), 0, 1e-6);

    QTest::mouseClick(W(), Qt::LeftButton, Qt::NoModifier, buttons[zoomOut].center());
    EXPECT_GT(plot->GetXAxis(0)->Span(), spans[1]);
}

// A button of a group released by a click on another: Select and Zoom box
// share one; the two axis modes another, which also set every axis's mode.
TEST_F(ToolBarTest, GroupsReleaseTheirOtherButtons)
{
    toolBar->SetShowSelectButton(true); // now shown before Zoom box
    const auto click = [this](int ShownIndex) {
        const std::vector<QRect> buttons = Buttons();
        ASSERT_EQ(buttons.size(), 13u);
        QTest::mouseClick(W(), Qt::LeftButton, Qt::NoModifier, buttons[size_t(ShownIndex)].center());
    };
    const int select = 6, zoomBox = 7, zoomMode = 3, scrollMode = 2;
    click(zoomBox);
    EXPECT_TRUE(toolBar->ZoomBoxActive());
    click(select);
    EXPECT_TRUE(toolBar->SelectActive());
    EXPECT_FALSE(toolBar->ZoomBoxActive());
    EXPECT_TRUE(plot->GetSelectActive());
    EXPECT_FALSE(plot->GetXAxis(0)->TrackingEnabled()); // select mode pauses
    click(select);
    EXPECT_FALSE(toolBar->SelectActive());
    EXPECT_FALSE(toolBar->ZoomBoxActive());

    click(zoomMode);
    EXPECT_TRUE(toolBar->ButtonOfType(iptbbtZoomAxesMode)->Down());
    EXPECT_FALSE(toolBar->ButtonOfType(iptbbtScrollAxesMode)->Down());
    for (TgPlotAxis *a : Axes())
        EXPECT_EQ(a->Mode(), ipamZoom);
    click(zoomMode); // stays down
    EXPECT_TRUE(toolBar->ButtonOfType(iptbbtZoomAxesMode)->Down());
    click(scrollMode);
    EXPECT_FALSE(toolBar->ButtonOfType(iptbbtZoomAxesMode)->Down());
    for (TgPlotAxis *a : Axes())
        EXPECT_EQ(a->Mode(), ipamScroll);
}

// The cursor button shows the data cursors (the first selected) and pauses;
// Resume then releases it, hides them, clears every selection and tracks
// again on every axis.
TEST_F(ToolBarTest, ResumeWithTheCursorButtonDown)
{
    plot->AddDataCursor();
    SetTracking(true);
    ClickButton(iptbbtCursor);
    EXPECT_TRUE(toolBar->CursorActive());
    for (int i = 0; i < plot->DataCursorCount(); ++i)
        EXPECT_TRUE(plot->GetDataCursor(i)->Visible()) << i;
    EXPECT_TRUE(plot->GetDataCursor(0)->UserSelected());
    for (TgPlotAxis *a : Axes())
        EXPECT_FALSE(a->TrackingEnabled());
    plot->GetYAxis(0)->SetUserSelected(true);
    plot->GetChannel(0)->SetUserSelected(true);

    events.clear();
    ClickButton(iptbbtResume);
    EXPECT_EQ(events, QStringList({Before(iptbbtResume), Before(iptbbtCursor), After(iptbbtCursor),
                                   After(iptbbtResume)}));
    EXPECT_FALSE(toolBar->CursorActive());
    for (int i = 0; i < plot->DataCursorCount(); ++i) {
        EXPECT_FALSE(plot->GetDataCursor(i)->Visible()) << i;
        EXPECT_FALSE(plot->GetDataCursor(i)->UserSelected()) << i;
    }
    EXPECT_FALSE(plot->GetYAxis(0)->UserSelected());
    EXPECT_FALSE(plot->GetChannel(0)->UserSelected());
    for (TgPlotAxis *a : Axes())
        EXPECT_TRUE(a->TrackingEnabled());
}

// Resume is enabled while an axis does not track, Pause while one does; a
// disabled button shows its picture greyed and ignores clicks. Without axes
// both are disabled.
TEST_F(ToolBarTest, ResumeAndPauseEnabledStates)
{
    // The pictures' own colours: the resume arrow's green, the pause bars' blue.
    const auto coloured = [this](size_t Index, QRgb Colour) {
        const QImage shot = Shot(W());
        return !ColourBox(shot, Colour, ToolBarButtons(shot)[Index]).isEmpty();
    };
    const QRgb green = 0xFF00FF00, blue = 0xFF0000FF;
    struct Row {
        const char *name;
        bool xTracks, yTracks, resume, pause;
    } rows[] = {
        {"all tracking", true, true, false, true},
        {"none tracking", false, false, true, false},
        {"one tracking", true, false, true, true},
    };
    for (const Row &r : rows) {
        plot->GetXAxis(0)->SetTrackingEnabled(r.xTracks);
        plot->GetYAxis(0)->SetTrackingEnabled(r.yTracks);
        EXPECT_EQ(coloured(0, green), r.resume) << r.name;
        EXPECT_EQ(coloured(1, blue), r.pause) << r.name;
        EXPECT_EQ(toolBar->ButtonOfType(iptbbtResume)->Enabled(), r.resume) << r.name;
        EXPECT_EQ(toolBar->ButtonOfType(iptbbtPause)->Enabled(), r.pause) << r.name;
        // A disabled button ignores the click.
        events.clear();
        if (!r.resume)
            ClickButton(size_t(0));
        if (!r.pause)
            ClickButton(size_t(1));
        EXPECT_TRUE(events.isEmpty()) << r.name;
    }
    plot->RemoveAllXAxes();
    plot->RemoveAllYAxes();
    Shot(W());
    EXPECT_FALSE(toolBar->ButtonOfType(iptbbtResume)->Enabled());
    EXPECT_FALSE(toolBar->ButtonOfType(iptbbtPause)->Enabled());
}

// Flat buttons show an edge only while the mouse is over them or they are
// down; the edge stands where the raised button stood.
TEST_F(ToolBarTest, FlatButtonsShowTheirEdgeUnderTheMouse)
{
    const std::vector<QRect> raised = Buttons();
    ASSERT_EQ(raised.size(), 12u);
    toolBar->SetFlatButtons(true);
    std::vector<QRect> flat = Buttons();
    ASSERT_EQ(flat.size(), 1u); // the scroll mode, down
    EXPECT_EQ(flat[0], raised[2]);
    Move(W(), raised[5].center());
    flat = Buttons();
    ASSERT_EQ(flat.size(), 2u);
    EXPECT_EQ(flat[1], raised[5]);
    Move(W(), QPoint(raised[5].center().x(), 200)); // away, over the data view
    EXPECT_EQ(Buttons().size(), 1u);
}

// The hint of the button under the mouse: its text, translated and then
// customized by the plot's event, just below the button.
TEST_F(ToolBarTest, HintNamesTheButtonBelowIt)
{
    const std::vector<QRect> buttons = Buttons();
    ASSERT_EQ(buttons.size(), 12u);
    plot->AddTranslation(QStringLiteral("Zoom In All Axes"), QStringLiteral("Closer"));
    plot->OnToolBarCustomizeHint = [](TObject *, int Index, QString &Text) { Text += QString::number(Index); };
    Move(W(), buttons[5].center());
    EXPECT_EQ(plot->Hint().Text, QStringLiteral("Closer0"));
    EXPECT_EQ(plot->Hint().Left, buttons[5].left());
    EXPECT_GT(plot->Hint().Top, buttons[5].bottom());
    EXPECT_LT(plot->Hint().Top, buttons[5].bottom() + 6);
}

} // namespace
