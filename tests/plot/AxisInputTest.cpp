// The user scrolls and zooms a plot's axes: drags along an axis, wheel
// turns and keys on a selected axis, in scroll and zoom mode with Ctrl
// swapping the two; master axes carry the others along once; a zoom box
// drawn on the data view. Real mouse and key events at the places the
// rendered plot shows the axes.
#include "Form.h"
#include "RenderedPlot.h"
#include "TestInput.h"
#include "gPlotDataView.h"
#include "gPlotToolBar.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gXYPlot.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

// An XY plot in a shown window, both axes 0 to 100 and not tracking (the
// toolbar, whose button edges are white too, hidden).
struct TScreenPlot {
    TForm form{nullptr};
    TgXYPlot *plot;
    TScreenPlot()
    {
        form.SetBounds(0, 0, 600, 400);
        plot = new TgXYPlot(&form);
        plot->SetParent(&form);
        plot->SetBounds(0, 0, 500, 300);
        plot->GetToolBar(0)->SetVisible(false);
        for (TgPlotAxis *a : {static_cast<TgPlotAxis *>(plot->GetXAxis(0)), static_cast<TgPlotAxis *>(plot->GetYAxis(0))}) {
            a->SetRestoreValuesOnResume(false);
            a->SetTrackingEnabled(false);
            a->SetMinSpan(0, 100);
        }
        form.Show();
        QApplication::setActiveWindow(form.Widget());
    }
    QWidget *W() const { return plot->Widget(); }
    // The axis line as drawn (X: the longest white row, Y: the longest white
    // column) and a point on the axis beside it, where the user takes it.
    TRun Line(bool X) const { return LongestRun(Shot(W()), kWhite, X); }
    QPoint Grip(bool X) const
    {
        const TRun line = Line(X);
        return X ? QPoint(line.Middle(), line.At + 6) : QPoint(line.At - 6, line.Middle());
    }
    // Pixels along the axis from its Min to its Max.
    int ScaleLength(bool X) const { return Line(X).Length() - 1; }
    void Press(QPoint P) { QTest::mousePress(W(), Qt::LeftButton, Qt::NoModifier, P); }
    void Release(QPoint P, Qt::KeyboardModifiers Mods = Qt::NoModifier)
    {
        QTest::mouseRelease(W(), Qt::LeftButton, Mods, P);
    }
    void MoveHeld(QPoint P, Qt::KeyboardModifiers Mods = Qt::NoModifier)
    {
        SendMouse(W(), QEvent::MouseMove, P, Qt::NoButton, Qt::LeftButton, Mods);
    }
    // A click that selects the axis, so that the wheel and keys reach it.
    void Select(bool X) { QTest::mouseClick(W(), Qt::LeftButton, Qt::NoModifier, Grip(X)); }
};

// What a scroll by the fraction F or a zoom by the exponent E makes of the
// range 0..100 (log: 1..1000).
struct TRange {
    double min, span;
};
TRange Scrolled(bool Log, double F)
{
    if (!Log)
        return {100 * F, 100};
    const double k = std::pow(10.0, 3 * F);
    return {k, 1000 * k - k};
}
TRange Zoomed(bool Log, double E)
{
    const double k = std::pow(10.0, E);
    if (!Log)
        return {50 - 50 / k, 100 / k};
    return {k, 999 / k};
}

TgPlotAxis *AxisOf(TgXYPlot *Plot, bool X)
{
    return X ? static_cast<TgPlotAxis *>(Plot->GetXAxis(0)) : static_cast<TgPlotAxis *>(Plot->GetYAxis(0));
}

void Configure(TgPlotAxis *Axis, TgPlotAxisMode Mode, bool Reversed, bool Log)
{
    Axis->SetMode(Mode);
    Axis->SetReverseScale(Reversed);
    if (Log) {
        Axis->SetScaleType(ipstLog10);
        Axis->SetMinSpan(1, 999);
    }
}

// A drag of the grip along the axis; the content follows the mouse in
// scroll mode, zoom mode zooms by a quarter of the fraction dragged (log:
// twice it), and Ctrl held while dragging swaps the two.
TEST(AxisDrag, ScrollsOrZoomsByTheDistance)
{
    struct Row {
        const char *name;
        bool x;
        TgPlotAxisMode mode;
        bool ctrl, reversed, log;
        int pixels; // right or up
        bool scrolls;
    } rows[] = {
        {"X scroll right", true, ipamScroll, false, false, false, 100, true},
        {"X scroll left", true, ipamScroll, false, false, false, -60, true},
        {"X zoom", true, ipamZoom, false, false, false, 100, false},
        {"X scroll, Ctrl zooms", true, ipamScroll, true, false, false, 100, false},
        {"X zoom, Ctrl scrolls", true, ipamZoom, true, false, false, 100, true},
        {"X reversed scroll", true, ipamScroll, false, true, false, 100, true},
        {"X log scroll", true, ipamScroll, false, false, true, 80, true},
        {"X log zoom", true, ipamZoom, false, false, true, 80, false},
        {"Y scroll up", false, ipamScroll, false, false, false, 60, true},
        {"Y zoom", false, ipamZoom, false, false, false, 60, false},
        {"Y scroll, Ctrl zooms", false, ipamScroll, true, false, false, -60, false},
        {"Y reversed zoom", false, ipamZoom, false, true, false, 60, false},
    };
    for (const Row &r : rows) {
        TScreenPlot s;
        TgPlotAxis *axis = AxisOf(s.plot, r.x);
        Configure(axis, r.mode, r.reversed, r.log);
        axis->SetTrackingEnabled(true);
        int finished = 0;
        s.plot->OnXAxisMinSpanChangeFinished = s.plot->OnYAxisMinSpanChangeFinished =
            [&](TObject *, int, double, double, double, double) { ++finished; };
        const QPoint from = s.Grip(r.x);
        const double f = (r.reversed ? -r.pixels : r.pixels) / double(s.ScaleLength(r.x));
        const QPoint by = r.x ? QPoint(r.pixels, 0) : QPoint(0, -r.pixels);
        const auto mods = r.ctrl ? Qt::ControlModifier : Qt::NoModifier;
        s.Press(from);
        s.MoveHeld(from + by, mods);
        s.Release(from + by, mods);
        const TRange want = r.scrolls ? Scrolled(r.log, -f) : Zoomed(r.log, r.log ? 2 * f : f / 4);
        const double tolerance = 0.002 * want.span;
        EXPECT_NEAR(axis->Min(), want.min, tolerance) << r.name;
        EXPECT_NEAR(axis->Span(), want.span, tolerance) << r.name;
        EXPECT_FALSE(axis->TrackingEnabled()) << r.name;
        EXPECT_EQ(finished, 1) << r.name;
    }
}

// The distance counts from the last point: two moves make one.
TEST(AxisDrag, MovesAddUpAndAClickChangesNothing)
{
    TScreenPlot s;
    TgPlotXAxis *x = s.plot->GetXAxis(0);
    int clicks = 0, finished = 0;
    s.plot->OnClickXAxis = [&](TObject *, int) { ++clicks; };
    s.plot->OnXAxisMinSpanChangeFinished = [&](TObject *, int, double, double, double, double) { ++finished; };
    const QPoint from = s.Grip(true);
    const int length = s.ScaleLength(true);
    s.Press(from);
    s.MoveHeld(from + QPoint(40, 0));
    s.MoveHeld(from + QPoint(100, 0));
    s.Release(from + QPoint(100, 0));
    EXPECT_NEAR(x->Min(), -100.0 * 100 / length, 0.3);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(clicks, 1); // released over the axis

    const double min = x->Min();
    s.Select(true);
    EXPECT_EQ(x->Min(), min);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(clicks, 2);
}

// One notch scrolls 5 % of the span or zooms by 10^0.025 (log: 10^0.05);
// Ctrl swaps; the wheel reaches the selected axis.
TEST(AxisWheel, ScrollsOrZoomsANotch)
{
    struct Row {
        const char *name;
        TgPlotAxisMode mode;
        bool ctrl, log;
        int delta;
        TRange want;
    } rows[] = {
        {"scroll up", ipamScroll, false, false, 120, Scrolled(false, 0.05)},
        {"scroll down", ipamScroll, false, false, -120, Scrolled(false, -0.05)},
        {"zoom in", ipamZoom, false, false, 120, Zoomed(false, 0.025)},
        {"zoom out", ipamZoom, false, false, -120, Zoomed(false, -0.025)},
        {"scroll, Ctrl zooms", ipamScroll, true, false, 120, Zoomed(false, 0.025)},
        {"zoom, Ctrl scrolls", ipamZoom, true, false, -120, Scrolled(false, -0.05)},
        {"log scroll", ipamScroll, false, true, 120, Scrolled(true, 0.05)},
        {"log zoom", ipamZoom, false, true, 120, Zoomed(true, 0.05)},
    };
    for (const Row &r : rows) {
        for (bool x : {true, false}) {
            TScreenPlot s;
            TgPlotAxis *axis = AxisOf(s.plot, x);
            Configure(axis, r.mode, false, r.log);
            s.Select(x);
            axis->SetTrackingEnabled(true);
            EXPECT_TRUE(Wheel(s.W(), s.Grip(x), r.delta, r.ctrl ? Qt::ControlModifier : Qt::NoModifier));
            EXPECT_NEAR(axis->Min(), r.want.min, 1e-9 * r.want.span) << r.name << (x ? " X" : " Y");
            EXPECT_NEAR(axis->Span(), r.want.span, 1e-9 * r.want.span) << r.name << (x ? " X" : " Y");
            EXPECT_FALSE(axis->TrackingEnabled()) << r.name;
        }
    }
    // An axis that is not selected stays.
    TScreenPlot s;
    Wheel(s.W(), s.Grip(true), 120);
    EXPECT_EQ(s.plot->GetXAxis(0)->Min(), 0);
}

// Page keys and Home/End step a whole span (zoom: a decade), the arrows a
// hundredth, in the axis's mode: Ctrl does not swap. Scrolling stops at
// ScrollMin and ScrollMax when they are enabled. The finished event fires
// for a key that changed the range.
TEST(AxisKeys, StepByMode)
{
    struct Row {
        const char *name;
        TgPlotAxisMode mode;
        int key;
        Qt::KeyboardModifiers mods;
        TRange want;
        TRange from = {0, 100};
        bool limited = false;
    } rows[] = {
        {"page up", ipamScroll, Qt::Key_PageUp, Qt::NoModifier, {100, 100}},
        {"page down", ipamScroll, Qt::Key_PageDown, Qt::NoModifier, {-100, 100}},
        {"end", ipamScroll, Qt::Key_End, Qt::NoModifier, {100, 100}},
        {"home", ipamScroll, Qt::Key_Home, Qt::NoModifier, {-100, 100}},
        {"up", ipamScroll, Qt::Key_Up, Qt::NoModifier, {1, 100}},
        {"right", ipamScroll, Qt::Key_Right, Qt::NoModifier, {1, 100}},
        {"left", ipamScroll, Qt::Key_Left, Qt::NoModifier, {-1, 100}},
        {"down", ipamScroll, Qt::Key_Down, Qt::NoModifier, {-1, 100}},
        {"Ctrl page up still scrolls", ipamScroll, Qt::Key_PageUp, Qt::ControlModifier, {100, 100}},
        {"zoom page up", ipamZoom, Qt::Key_PageUp, Qt::NoModifier, {45, 10}},
        {"zoom page down", ipamZoom, Qt::Key_PageDown, Qt::NoModifier, {-450, 1000}},
        {"zoom up", ipamZoom, Qt::Key_Up, Qt::NoModifier, Zoomed(false, 0.01)},
        {"another key", ipamScroll, Qt::Key_A, Qt::NoModifier, {0, 100}},
        {"home stops at ScrollMin", ipamScroll, Qt::Key_Home, Qt::NoModifier, {0, 20}, {10, 20}, true},
        {"end stops at ScrollMax", ipamScroll, Qt::Key_End, Qt::NoModifier, {80, 20}, {70, 20}, true},
    };
    for (const Row &r : rows) {
        TScreenPlot s;
        TgPlotYAxis *y = s.plot->GetYAxis(0);
        y->SetMode(r.mode);
        y->SetMinSpan(r.from.min, r.from.span);
        y->SetScrollMinMaxEnabled(r.limited);
        int finished = 0;
        s.plot->OnYAxisMinSpanChangeFinished = [&](TObject *, int, double, double, double, double) { ++finished; };
        s.Select(false);
        y->SetTrackingEnabled(true);
        QTest::keyClick(s.W(), Qt::Key(r.key), r.mods);
        EXPECT_NEAR(y->Min(), r.want.min, 1e-9) << r.name;
        EXPECT_NEAR(y->Span(), r.want.span, 1e-9) << r.name;
        EXPECT_FALSE(y->TrackingEnabled()) << r.name;
        EXPECT_EQ(finished, r.want.min == r.from.min && r.want.span == r.from.span ? 0 : 1) << r.name;
    }
}

// Three X axes, drawn in their own colours; the first two are masters. A
// drag, a wheel turn or a key on the first moves all three by the same
// amount, each once: the second, reached by a replay, does not replay again.
TEST(MasterAxis, ReplaysOnceOnEveryAxisOfItsKind)
{
    TScreenPlot s;
    const TColor colours[] = {clWhite, 0x00FFFF, 0xFFFF00}; // white, yellow, aqua
    const QRgb drawn[] = {kWhite, 0xFFFFFF00, 0xFF00FFFF};
    std::vector<TgPlotXAxis *> axes{s.plot->GetXAxis(0)};
    for (int i = 0; i < 2; ++i)
        axes.push_back(s.plot->GetXAxis(s.plot->AddXAxis()));
    int finished[3] = {};
    s.plot->OnXAxisMinSpanChangeFinished = [&](TObject *, int Index, double, double, double, double) {
        ++finished[Index];
    };
    for (int i = 0; i < 3; ++i) {
        axes[i]->SetTrackingEnabled(false);
        axes[i]->SetMinSpan(0, 100);
        axes[i]->SetScaleLinesColor(colours[i]);
    }
    axes[0]->SetMasterUIInput(true);
    axes[1]->SetMasterUIInput(true);
    const QImage shot = Shot(s.W());
    const TRun first = LongestRun(shot, drawn[0], true);
    ASSERT_GT(first.Length(), 100);
    for (int i = 1; i < 3; ++i)
        ASSERT_GT(LongestRun(shot, drawn[i], true).Length(), 100) << i; // each is drawn
    const QPoint grip(first.Middle(), first.At + 6);
    s.Press(grip);
    s.MoveHeld(grip + QPoint(50, 0));
    s.Release(grip + QPoint(50, 0));
    const double dragged = axes[0]->Min();
    EXPECT_LT(dragged, -5);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(axes[i]->Min(), dragged) << i;
        EXPECT_EQ(finished[i], 1) << i;
    }

    axes[0]->SetUserSelected(true); // the drag's press selected it already
    Wheel(s.W(), grip, 120);
    for (int i = 0; i < 3; ++i)
        EXPECT_DOUBLE_EQ(axes[i]->Min(), dragged + 5) << i;
    QTest::keyClick(s.W(), Qt::Key_PageUp);
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(axes[i]->Min(), dragged + 105) << i;
        EXPECT_EQ(finished[i], 2) << i;
    }
    // The Y axis is of the other kind.
    EXPECT_EQ(s.plot->GetYAxis(0)->Min(), 0);
}

// A box drawn with the right button on the data view becomes the range of
// both axes: its left and right edges on X, its bottom and top on Y.
TEST(DataViewZoomBox, ZoomsBothAxesToTheBox)
{
    TScreenPlot s;
    s.plot->GetDataView(0)->SetAxesControlEnabled(true);
    const TRun x = s.Line(true), y = s.Line(false);
    const auto xAt = [&](int Px) { return 100.0 * (Px - x.From) / (x.Length() - 1); };
    const auto yAt = [&](int Py) { return 100.0 * (y.To - Py) / (y.Length() - 1); };
    const QPoint a(x.From + 100, y.From + 40), b(x.From + 200, y.From + 120);
    QTest::mousePress(s.W(), Qt::RightButton, Qt::NoModifier, a);
    SendMouse(s.W(), QEvent::MouseMove, (a + b) / 2, Qt::NoButton, Qt::RightButton);
    SendMouse(s.W(), QEvent::MouseMove, b, Qt::NoButton, Qt::RightButton);
    QTest::mouseRelease(s.W(), Qt::RightButton, Qt::NoModifier, b);
    EXPECT_NEAR(s.plot->GetXAxis(0)->Min(), xAt(a.x()), 0.5);
    EXPECT_NEAR(s.plot->GetXAxis(0)->Max(), xAt(b.x()), 0.5);
    EXPECT_NEAR(s.plot->GetYAxis(0)->Min(), yAt(b.y()), 0.6);
    EXPECT_NEAR(s.plot->GetYAxis(0)->Max(), yAt(a.y()), 0.6);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr); // the drag opened no menu
}

} // namespace
