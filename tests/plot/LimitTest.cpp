// Limits as their user meets them on a shown plot: each style found in the
// rendered picture, lines taken and dragged with the mouse at the pixels the
// picture shows, poly bands that leave out what lies below the axis and stop
// above it.
#include "Cursors.h"
#include "Exceptions.h"
#include "ShownPlot.h"
#include "gPlotLimit.h"
#include "gXYPlot.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const QRgb kRed = qRgb(255, 0, 0);

bool IsRed(const QImage &Image, int X, int Y)
{
    return (Image.pixel(X, Y) & 0xFFFFFF) == (kRed & 0xFFFFFF);
}

// The share of red pixels in a rectangle.
double RedShare(const QImage &Image, const QRect &Area)
{
    int red = 0;
    for (int y = Area.top(); y <= Area.bottom(); ++y)
        for (int x = Area.left(); x <= Area.right(); ++x)
            red += IsRed(Image, x, y);
    return double(red) / (Area.width() * Area.height());
}

struct LimitPlot : TShownPlot<TgXYPlot> {
    TgPlotLimit *limit;
    LimitPlot()
    {
        limit = plot->GetLimit(plot->AddLimit());
        limit->SetSelectModeOnlyInteraction(false);
    }
    // Red lines across the data view; those of a filled style lie beneath
    // the grid, which cuts them into pieces a fifth long (Part of the view).
    std::vector<int> Columns(const QImage &Img, double Part = 0.9)
    {
        return LinesOf(Img, kRed, true, int(DataViewFrame(Img).height() * Part));
    }
    std::vector<int> Rows(const QImage &Img, double Part = 0.9)
    {
        return LinesOf(Img, kRed, false, int(DataViewFrame(Img).width() * Part));
    }
};

// --- Drawing --------------------------------------------------------------------

struct StyleRow {
    const char *name;
    TgPlotLimitStyle style;
    TBrushStyle fill;
    double line1, line2;
    bool exchanged;
    std::function<void(const QImage &, const QRect &, LimitPlot &)> check;
};

TEST(LimitDrawing, EachStyle)
{
    const auto sameLines = [](const std::vector<int> &Seen, std::vector<int> Expected) {
        ASSERT_EQ(Seen.size(), Expected.size());
        for (size_t i = 0; i < Seen.size(); ++i)
            EXPECT_NEAR(Seen[i], Expected[i], 1);
    };
    const StyleRow rows[] = {
        {"line X", iplsLineX, bsSolid, 30, 0, false,
         [&](const QImage &img, const QRect &f, LimitPlot &p) {
             sameLines(p.Columns(img), {PercentX(f, 30)});
             EXPECT_TRUE(p.Rows(img).empty());
         }},
        {"line X outside the axis", iplsLineX, bsSolid, 150, 0, false,
         [](const QImage &img, const QRect &, LimitPlot &) { EXPECT_TRUE(BoxOf(img, kRed).isNull()); }},
        {"line Y", iplsLineY, bsSolid, 70, 0, false,
         [&](const QImage &img, const QRect &f, LimitPlot &p) {
             sameLines(p.Rows(img), {PercentY(f, 70)});
             EXPECT_TRUE(p.Columns(img).empty());
         }},
        {"line X, axes exchanged", iplsLineX, bsSolid, 30, 0, true,
         [&](const QImage &img, const QRect &f, LimitPlot &p) {
             sameLines(p.Rows(img), {PercentY(f, 30)});
             EXPECT_TRUE(p.Columns(img).empty());
         }},
        {"band X filled", iplsBandX, bsSolid, 30, 60, false,
         [](const QImage &img, const QRect &f, LimitPlot &) {
             EXPECT_TRUE(NearBox(BoxOf(img, kRed), PercentRect(f, 30, 60, 0, 100)));
             EXPECT_TRUE(IsRed(img, PercentX(f, 45), PercentY(f, 50)));
         }},
        {"band X clear: two lines", iplsBandX, bsClear, 30, 60, false,
         [&](const QImage &img, const QRect &f, LimitPlot &p) {
             sameLines(p.Columns(img), {PercentX(f, 30), PercentX(f, 60)});
             EXPECT_FALSE(IsRed(img, PercentX(f, 45), PercentY(f, 50)));
         }},
        // Off the grid lines, which cover the lines of a filled style.
        {"band X hatched: lines and a hatch between", iplsBandX, bsDiagCross, 30, 70, false,
         [&](const QImage &img, const QRect &f, LimitPlot &p) {
             sameLines(p.Columns(img, 0.15), {PercentX(f, 30), PercentX(f, 70)});
             const double share = RedShare(img, QRect(QPoint(PercentX(f, 33), PercentY(f, 70)),
                                                      QPoint(PercentX(f, 67), PercentY(f, 30))));
             EXPECT_GT(share, 0.1);
             EXPECT_LT(share, 0.6);
         }},
        {"band Y filled, axes exchanged", iplsBandY, bsSolid, 20, 40, true,
         [](const QImage &img, const QRect &f, LimitPlot &) {
             EXPECT_TRUE(NearBox(BoxOf(img, kRed), PercentRect(f, 20, 40, 0, 100)));
         }},
        {"band Y clear", iplsBandY, bsClear, 20, 40, false,
         [&](const QImage &img, const QRect &f, LimitPlot &p) {
             sameLines(p.Rows(img), {PercentY(f, 40), PercentY(f, 20)});
         }},
        // Elements (position, upper, lower): the band narrows from 40..70 at
        // 20 to 50..60 at 80.
        {"poly band X", iplsPolyBandX, bsSolid, 0, 0, false,
         [](const QImage &img, const QRect &f, LimitPlot &) {
             EXPECT_TRUE(NearBox(BoxOf(img, kRed), PercentRect(f, 40, 70, 20, 80)));
             EXPECT_TRUE(IsRed(img, PercentX(f, 55), PercentY(f, 50)));
             EXPECT_FALSE(IsRed(img, PercentX(f, 45), PercentY(f, 75))); // narrower near the top
         }},
        {"poly band Y hatched", iplsPolyBandY, bsCross, 0, 0, false,
         [](const QImage &img, const QRect &f, LimitPlot &) {
             EXPECT_TRUE(NearBox(BoxOf(img, kRed), PercentRect(f, 20, 80, 40, 70)));
             const double share = RedShare(img, QRect(QPoint(PercentX(f, 30), PercentY(f, 60)),
                                                      QPoint(PercentX(f, 40), PercentY(f, 50))));
             EXPECT_GT(share, 0.1);
             EXPECT_LT(share, 0.6);
         }},
    };
    for (const StyleRow &r : rows) {
        SCOPED_TRACE(r.name);
        LimitPlot p;
        p.plot->SetXYAxesReverse(r.exchanged);
        p.limit->SetStyle(r.style);
        p.limit->SetFillStyle(r.fill);
        p.limit->SetLine1Position(r.line1);
        p.limit->SetLine2Position(r.line2);
        p.limit->AddBandElement(20, 70, 40);
        p.limit->AddBandElement(80, 60, 50);
        const QImage img = p.Shot();
        r.check(img, DataViewFrame(img), p);
    }
}

// Filled limits lie beneath the data view's grid, lines above it.
TEST(LimitDrawing, FillsBeneathTheGridLinesAbove)
{
    LimitPlot p;
    TgPlotLimit *line = p.plot->GetLimit(p.plot->AddLimit());
    p.limit->SetStyle(iplsBandX);
    p.limit->SetLine1Position(10);
    p.limit->SetLine2Position(50);
    line->SetStyle(iplsLineY);
    line->SetLine1Position(40);
    const QImage img = p.Shot();
    const QRect f = DataViewFrame(img);
    const std::vector<int> grid = LinesOf(img, Rgb(clGreen), true, f.height() / 3);
    // The grid line at X 20 runs through the band; the limit line at Y 40
    // crosses it.
    const auto at20 = std::find_if(grid.begin(), grid.end(), [&](int x) { return std::abs(x - PercentX(f, 20)) <= 1; });
    ASSERT_NE(at20, grid.end());
    EXPECT_EQ(img.pixel(*at20, PercentY(f, 70)) & 0xFFFFFF, Rgb(clGreen) & 0xFFFFFF);
    EXPECT_TRUE(IsRed(img, *at20 + 2, PercentY(f, 70)));
    EXPECT_TRUE(IsRed(img, *at20, PercentY(f, 40)));
    const auto at80 = std::find_if(grid.begin(), grid.end(), [&](int x) { return std::abs(x - PercentX(f, 80)) <= 1; });
    ASSERT_NE(at80, grid.end());
    EXPECT_TRUE(IsRed(img, *at80, PercentY(f, 40)));
}

// With ClipToAxes a band ends where its axes end, also inside the data view:
// here the X axis spans the left half of it.
TEST(LimitDrawing, ClippedToItsAxes)
{
    LimitPlot p;
    TgPlotXAxis *left = p.plot->GetXAxis(0);
    TgPlotXAxis *right = p.plot->GetXAxis(p.plot->AddXAxis());
    left->SetStopPercent(50);
    right->SetStartPercent(50);
    p.limit->SetStyle(iplsBandX);
    p.limit->SetLine1Position(50);
    p.limit->SetLine2Position(180);
    p.Shot();
    const QImage img = p.Shot();
    const QRect f = DataViewFrame(img), beyond = BoxOf(img, kRed);
    EXPECT_GT(beyond.right(), PercentX(f, 75)); // 180 lies in the right half
    p.limit->SetClipToAxes(true);
    const QRect clipped = BoxOf(p.Shot(), kRed);
    EXPECT_EQ(clipped.left(), beyond.left());
    EXPECT_NEAR(clipped.right(), PercentX(f, 50), 3);
}

// --- Mouse ---------------------------------------------------------------------------

struct Moved {
    int index;
    double from, to;
};

TEST(LimitMouse, LineTakenWithinFivePixelsAndDragged)
{
    LimitPlot p;
    TgPlotLimit *l = p.limit;
    l->SetStyle(iplsLineX);
    l->SetLine1Position(30);
    l->SetUserCanMove(true);
    std::vector<Moved> moves;
    p.plot->OnLimitLine1PositionChange = [&](TObject *, int i, double From, double To) { moves.push_back({i, From, To}); };
    QStringList clicks;
    p.plot->OnClickLimit = [&](TObject *, int i) { clicks << QString::number(i); };

    for (int offset : {-6, -5, 5, 6}) {
        SCOPED_TRACE(offset);
        l->SetLine1Position(30);
        moves.clear();
        const QImage img = p.Shot();
        const QRect f = DataViewFrame(img);
        const int x = p.Columns(img).at(0);
        const QPoint grip(x + offset, f.center().y());
        Move(p.Widget(), grip);
        EXPECT_EQ(p.plot->Cursor(), std::abs(offset) <= 5 ? crHandPoint : crDefault);
        const QPoint a = grip + QPoint(20, 0), b = grip + QPoint(45, 10);
        p.Drag(grip, {a, b});
        const std::vector<int> now = p.Columns(p.Shot());
        ASSERT_EQ(now.size(), 1u);
        if (std::abs(offset) > 5) {
            EXPECT_EQ(now[0], x);
            EXPECT_TRUE(moves.empty());
            continue;
        }
        // The line goes where the mouse is, each move told with the old and
        // the new value.
        EXPECT_EQ(now[0], b.x());
        ASSERT_EQ(moves.size(), 2u);
        EXPECT_EQ(moves[0].index, 0);
        EXPECT_EQ(moves[0].from, 30);
        EXPECT_EQ(moves[1].from, moves[0].to);
        EXPECT_EQ(moves[1].to, l->Line1Position());
        EXPECT_GT(l->Line1Position(), 30);
    }

    // Without UserCanMove the line stays.
    l->SetUserCanMove(false);
    l->SetLine1Position(30);
    moves.clear();
    QImage img = p.Shot();
    const int x = p.Columns(img).at(0);
    const QPoint grip(x, DataViewFrame(img).center().y());
    Move(p.Widget(), grip);
    EXPECT_EQ(p.plot->Cursor(), crDefault);
    p.Drag(grip, {grip + QPoint(30, 0)});
    EXPECT_EQ(p.Columns(p.Shot()).at(0), x);
    EXPECT_TRUE(moves.empty());
    clicks.clear();
    p.ClickAt(grip); // clicked all the same
    EXPECT_EQ(clicks, QStringList({"0"}));
    // Only in the toolbar's select mode unless told otherwise.
    clicks.clear();
    l->SetSelectModeOnlyInteraction(true);
    p.ClickAt(grip);
    EXPECT_TRUE(clicks.isEmpty());
    // The toolbar's select mode on, the limit answers again.
    ASSERT_GT(p.plot->ToolBarCount(), 0);
    p.plot->SetSelectActive(true);
    p.ClickAt(grip);
    EXPECT_EQ(clicks, QStringList({"0"}));
}

TEST(LimitMouse, BandLineTwoDraggedWithItsEvents)
{
    LimitPlot p;
    TgPlotLimit *l = p.limit;
    l->SetStyle(iplsBandY);
    l->SetLine1Position(20);
    l->SetLine2Position(60);
    l->SetUserCanMove(true);
    std::vector<Moved> ones, twos;
    p.plot->OnLimitLine1PositionChange = [&](TObject *, int i, double From, double To) { ones.push_back({i, From, To}); };
    p.plot->OnLimitLine2PositionChange = [&](TObject *, int i, double From, double To) { twos.push_back({i, From, To}); };
    const QImage img = p.Shot();
    const QRect f = DataViewFrame(img);
    const QRect band = BoxOf(img, kRed);
    const QPoint grip(f.center().x(), band.top());
    Move(p.Widget(), grip);
    EXPECT_EQ(p.plot->Cursor(), crSizeNS);
    // Three moves, the middle one along the line: two changes.
    p.Drag(grip, {grip + QPoint(0, -20), grip + QPoint(30, -20), grip + QPoint(0, -40)});
    EXPECT_TRUE(ones.empty());
    ASSERT_EQ(twos.size(), 2u);
    EXPECT_EQ(twos[0].from, 60);
    EXPECT_EQ(twos[1].from, twos[0].to);
    EXPECT_GT(twos[1].to, twos[0].to);
    EXPECT_EQ(l->Line2Position(), twos[1].to);
    EXPECT_EQ(l->Line1Position(), 20);
    const QRect after = BoxOf(p.Shot(), kRed);
    EXPECT_EQ(after.top(), grip.y() - 40);
    EXPECT_EQ(after.bottom(), band.bottom());

    // With the axes exchanged an X band sizes north-south.
    l->SetStyle(iplsBandX);
    p.plot->SetXYAxesReverse(true);
    const QRect exchanged = BoxOf(p.Shot(), kRed);
    Move(p.Widget(), QPoint(exchanged.center().x(), exchanged.top()));
    EXPECT_EQ(p.plot->Cursor(), crSizeNS);
}

// --- Poly bands ---------------------------------------------------------------------

// Y axis 0 takes the upper half of the data view and Y axis 1 the lower
// half, so that what a poly band draws beyond an axis's range still shows.
struct HalvesPlot : LimitPlot {
    TgPlotYAxis *upper, *lower;
    HalvesPlot()
    {
        upper = plot->GetYAxis(0);
        lower = plot->GetYAxis(plot->AddYAxis());
        upper->SetStartPercent(50);
        lower->SetStopPercent(50);
        upper->SetZOrder(0);
        lower->SetZOrder(0);
        lower->SetTrackingEnabled(false);
        lower->SetMinSpan(0, 100);
        limit->SetStyle(iplsPolyBandX);
    }
    QRect BandOf(std::initializer_list<double> Positions)
    {
        limit->ClearAllElements();
        for (double position : Positions)
            limit->AddBandElement(position, 60, 40);
        return BoxOf(Shot(), kRed);
    }
};

TEST(LimitPolyBand, SkipsWhatLiesBelowAndStopsAbove)
{
    HalvesPlot p;
    // Upper axis 12..100: the pair 0-10 lies below it and is left out.
    p.upper->SetMinSpan(12, 88);
    p.Shot(); // the labels of the new range take their room
    const QRect drawn = p.BandOf({10, 20});
    ASSERT_FALSE(drawn.isNull());
    EXPECT_EQ(p.BandOf({0, 10, 20}), drawn);
    EXPECT_GT(p.BandOf({0, 13, 20}).height(), drawn.height()); // a pair reaching into the range is drawn

    // Lower axis 0..100: drawing stops at the pair starting above 100.
    p.limit->SetYAxisName(p.lower->Name());
    p.Shot();
    const QRect first = p.BandOf({0, 150});
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(p.BandOf({0, 150, 200}), first);
    EXPECT_EQ(p.BandOf({0, 150, 50}), first); // out of order: stopped all the same
    EXPECT_LT(p.BandOf({0, 99, 200}).top(), first.top());

    // A single element draws nothing.
    EXPECT_TRUE(p.BandOf({50}).isNull());
}

// --- Elements and names -----------------------------------------------------------

TEST(LimitElements, CheckedAsAdded)
{
    LimitPlot p;
    TgPlotLimit *l = p.limit;
    EXPECT_EQ(l->Style(), iplsLineY);
    EXPECT_EQ(l->Line1Position(), 50);
    EXPECT_EQ(l->Color(), clRed);
    EXPECT_EQ(l->LineWidth(), 0);
    EXPECT_FALSE(l->Line1Drawn()); // nothing drawn before the first paint
    try {
        l->AddBandElement(5, 1, 2);
        ADD_FAILURE() << "accepted a lower limit above the upper";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("the Upper Limit must be greater than or equal to the Lower Limit"));
    }
    EXPECT_EQ(l->Elements().Count(), 0);
    l->AddBandElement(5, 2, 2);
    l->AddBandElement(1, 3, 2);
    ASSERT_EQ(l->Elements().Count(), 2);
    EXPECT_EQ(l->Elements().GetValue1(1), 1); // kept in the order added
    l->ClearAllElements();
    EXPECT_EQ(l->Elements().Count(), 0);

    // Bound to its axes by name, and following their renaming.
    EXPECT_EQ(l->XAxisName(), p.plot->GetXAxis(0)->Name());
    p.Shot();
    p.plot->GetXAxis(0)->SetName(QStringLiteral("Time"));
    EXPECT_EQ(l->XAxisName(), QStringLiteral("Time"));
    EXPECT_EQ(l->XAxis(), p.plot->GetXAxis(0));
}

} // namespace
