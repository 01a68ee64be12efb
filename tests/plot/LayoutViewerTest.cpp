// The layout viewer on a real default XY plot, as its user meets it: blocks
// and bands found in the rendered schematic, dragged with real mouse events;
// the outcome read from the plot's layout objects and from the schematic
// drawn again.
#include "ShownPlot.h"
#include "gPlotLabel.h"
#include "gPlotLayoutManager.h"
#include "gPlotLayoutObject.h"
#include "gPlotLayoutViewer.h"
#include "gPlotLegend.h"
#include "gPlotToolBar.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gXYPlot.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

constexpr QRgb Blue = 0x0000FF, White = 0xFFFFFF, Black = 0x000000, Silver = 0xC0C0C0, Yellow = 0xFFFF00;

QRgb At(const QImage &Image, int X, int Y)
{
    return Image.pixel(X, Y) & 0xFFFFFF;
}

// Fill, outline-free: grey or yellow and the text written on them.
bool IsBlockPixel(QRgb P)
{
    const QRgb c = P & 0xFFFFFF;
    return c != White && c != Blue && c != Black;
}

// Every block of the schematic with its outline: each region of block pixels
// that the black outlines, the white schematic and the blue margin close in.
std::vector<QRect> Blocks(const QImage &Image)
{
    std::vector<QRect> found;
    const int w = Image.width();
    std::vector<char> seen(size_t(w * Image.height()), 0);
    const auto visit = [&](QPoint p) {
        if (!Image.rect().contains(p) || seen[size_t(p.y() * w + p.x())] || !IsBlockPixel(Image.pixel(p)))
            return false;
        seen[size_t(p.y() * w + p.x())] = 1;
        return true;
    };
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < w; ++x) {
            if (!visit(QPoint(x, y)))
                continue;
            QRect box;
            int count = 0;
            std::vector<QPoint> stack{{x, y}};
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                box |= QRect(p, QSize(1, 1));
                ++count;
                for (QPoint n : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)})
                    if (visit(n))
                        stack.push_back(n);
            }
            if (count >= 20)
                found.push_back(box.adjusted(-1, -1, 1, 1));
        }
    return found;
}

enum TSide { sLeft, sRight, sTop, sBottom };

// The schematic as drawn: the data view (the largest block) and the blocks on
// each side of it, nearest to the data view first.
struct TSchematic {
    QRect dataView;
    std::vector<QRect> blocks;

    explicit TSchematic(const QImage &Image) : blocks(Blocks(Image))
    {
        for (const QRect &b : blocks)
            if (b.width() * b.height() > dataView.width() * dataView.height())
                dataView = b;
    }
    std::vector<QRect> Side(TSide S) const
    {
        std::vector<QRect> side;
        for (const QRect &b : blocks) {
            const bool on = S == sLeft    ? b.right() < dataView.left()
                            : S == sRight ? b.left() > dataView.right()
                            : S == sTop   ? b.bottom() < dataView.top()
                                          : b.top() > dataView.bottom();
            if (on)
                side.push_back(b);
        }
        const auto distance = [&](const QRect &b) {
            return S == sLeft    ? dataView.left() - b.right()
                   : S == sRight ? b.left() - dataView.right()
                   : S == sTop   ? dataView.top() - b.bottom()
                                 : b.top() - dataView.bottom();
        };
        std::stable_sort(side.begin(), side.end(),
                         [&](const QRect &a, const QRect &b) { return distance(a) < distance(b); });
        return side;
    }
    // Bands in use on a side: blocks one behind the other across it.
    int Bands(TSide S) const
    {
        std::vector<int> at;
        for (const QRect &b : Side(S)) {
            const int across = S == sLeft || S == sRight ? b.left() : b.top();
            if (std::find(at.begin(), at.end(), across) == at.end())
                at.push_back(across);
        }
        return int(at.size());
    }
};

// A point at fractions of a rectangle (0 the left or top edge, 1 the right or bottom).
QPoint Within(const QRect &R, double Fx, double Fy)
{
    return QPoint(R.left() + qRound((R.width() - 1) * Fx), R.top() + qRound((R.height() - 1) * Fy));
}

// The box of the pixels that are black in After and not in Before.
QRect NewBlack(const QImage &Before, const QImage &After)
{
    QRect box;
    for (int y = 0; y < After.height(); ++y)
        for (int x = 0; x < After.width(); ++x)
            if (At(After, x, y) == Black && At(Before, x, y) != Black)
                box |= QRect(x, y, 1, 1);
    return box;
}

// A default XY plot and a viewer on its layout, on a shown form.
struct TViewerOnPlot {
    TForm form{nullptr};
    TgXYPlot *plot = nullptr;
    TgPlotLayoutViewer *viewer = nullptr;
    int changes = 0;

    TViewerOnPlot()
    {
        form.SetBounds(0, 0, 520, 400);
        plot = new TgXYPlot(&form);
        viewer = new TgPlotLayoutViewer(&form);
        viewer->SetParent(&form);
        viewer->SetBounds(0, 0, 480, 360);
        viewer->SetLayoutManager(plot->LayoutManager());
        viewer->SetMaster(plot->Master());
        viewer->SetTranslationManager(plot->GetTranslationManager());
        viewer->OnChange = [this](TObject *) { ++changes; };
        form.Show();
    }
    QWidget *W() { return viewer->Widget(); }
    QImage Shot() { return viewer->PaintToImage().convertToFormat(QImage::Format_RGB32); }
    TSchematic Seen() { return TSchematic(Shot()); }

    // What the viewer shows with the button held at the press and then over
    // the drop point, before the release.
    struct TDrag {
        QImage held, over;
    };
    TDrag Drag(QPoint From, QPoint To)
    {
        TDrag d;
        SendMouse(W(), QEvent::MouseMove, From);
        QTest::mousePress(W(), Qt::LeftButton, Qt::NoModifier, From);
        d.held = Shot();
        SendMouse(W(), QEvent::MouseMove, To, Qt::NoButton, Qt::LeftButton);
        d.over = Shot();
        QTest::mouseRelease(W(), Qt::LeftButton, Qt::NoModifier, To);
        return d;
    }

    // Where every object stands: orientation (h, v) and z-order.
    std::string Layout() const
    {
        const auto of = [](const TgPlotLayoutObject *O) {
            return O ? QStringLiteral("%1%2").arg(QChar(O->Horizontal() ? u'h' : u'v')).arg(O->ZOrder()) : QStringLiteral("-");
        };
        TgPlotLayoutManager *m = plot->LayoutManager();
        return QStringLiteral("Title %1 | Legend %2 | Toolbar %3 | X %4 | Y %5 | DataView %6 %7")
            .arg(of(plot->GetLabel(0)), of(plot->GetLegend(0)), of(plot->ToolBarCount() ? plot->GetToolBar(0) : nullptr),
                 of(plot->GetXAxis(0)), of(plot->GetYAxis(0)), of(m->DataViewHorz()), of(m->DataViewVert()))
            .toStdString();
    }
};

const std::string DefaultLayout = "Title h2 | Legend v2 | Toolbar h3 | X h0 | Y v0 | DataView h1 v1";

TEST(LayoutViewer, BandsOfTheDefaultPlot)
{
    TViewerOnPlot v;
    const QImage shot = v.Shot();
    const TSchematic s(shot);
    ASSERT_EQ(s.blocks.size(), 6u);
    ASSERT_EQ(s.Side(sLeft).size(), 1u);
    ASSERT_EQ(s.Side(sRight).size(), 1u);
    ASSERT_EQ(s.Side(sBottom).size(), 1u);
    ASSERT_EQ(s.Side(sTop).size(), 2u);
    const QRect dv = s.dataView, y = s.Side(sLeft)[0], legend = s.Side(sRight)[0], x = s.Side(sBottom)[0];
    const QRect title = s.Side(sTop)[0], toolbar = s.Side(sTop)[1];
    // One band each, all as thick as each other, stacked without gaps.
    const int cell = y.width();
    EXPECT_GT(cell, 8);
    EXPECT_EQ(legend.width(), cell);
    EXPECT_EQ(x.height(), cell);
    EXPECT_EQ(title.height(), cell);
    EXPECT_EQ(toolbar.height(), cell);
    EXPECT_EQ(y.right() + 1, dv.left());
    EXPECT_EQ(legend.left(), dv.right() + 1);
    EXPECT_EQ(x.top(), dv.bottom() + 1);
    EXPECT_EQ(title.bottom() + 1, dv.top());
    EXPECT_EQ(toolbar.bottom() + 1, title.top());
    // Side blocks run along the data view; the axis across it only, the
    // title and the toolbar across the whole schematic.
    EXPECT_EQ(y.top(), dv.top());
    EXPECT_EQ(y.bottom(), dv.bottom());
    EXPECT_EQ(legend.top(), dv.top());
    EXPECT_EQ(x.left(), dv.left());
    EXPECT_EQ(x.right(), dv.right());
    EXPECT_EQ(title.left(), y.left());
    EXPECT_EQ(title.right(), legend.right());
    EXPECT_EQ(toolbar.left(), y.left());
    // White schematic on blue: the corners beside the X axis band are empty.
    EXPECT_EQ(At(shot, y.center().x(), x.center().y()), White);
    EXPECT_EQ(At(shot, 1, 1), Blue);
    EXPECT_EQ(At(shot, dv.center().x(), dv.top() + 2), Silver);

    // A hidden object stays in its band, hatched: grey lines on white.
    v.plot->SetTitleVisible(false);
    const QImage hidden = v.Shot();
    int white = 0, grey = 0;
    for (int px = title.left() + 1; px < title.right(); ++px)
        for (int py = title.top() + 1; py < title.bottom(); ++py) {
            white += At(hidden, px, py) == White;
            grey += At(hidden, px, py) == Silver;
        }
    EXPECT_GT(white, 100);
    EXPECT_GT(grey, 100);
}

TEST(LayoutViewer, WithoutALayoutManagerNothingIsShownOrEdited)
{
    TViewerOnPlot v;
    const QRect legend = v.Seen().Side(sRight)[0];
    v.viewer->SetLayoutManager(nullptr);
    const QImage shot = v.Shot();
    EXPECT_TRUE(Blocks(shot).empty());
    EXPECT_EQ(At(shot, shot.width() / 2, shot.height() / 2), White);
    v.Drag(legend.center(), QPoint(20, shot.height() / 2));
    EXPECT_EQ(v.Layout(), DefaultLayout);
    EXPECT_EQ(v.changes, 0);
}

// An end dragged along its block changes the span in steps of 1.25 %.
TEST(LayoutViewer, EndDragSnapsToSteps)
{
    enum TWhich { wLegend, wX, wY };
    struct Row {
        const char *name;
        TWhich which;
        bool stopEnd;
        double drag; // percent of the data view's length, towards higher percents
        double start, stop;
        bool drawn; // the block keeps room for its name
    } rows[] = {
        {"legend's top end down a quarter", wLegend, true, -25.0, 0, 75, true},
        {"a fifth of a step more still gives the quarter", wLegend, true, -25.25, 0, 75, true},
        {"past half a step gives the next step", wLegend, true, -26.0, 0, 73.75, true},
        {"X axis's right end left a quarter", wX, true, -25.0, 0, 75, true},
        {"Y axis's bottom end up a tenth", wY, false, 10.0, 10, 100, true},
        {"Y axis's bottom end past its top keeps 1 % of span", wY, false, 100.0, 99, 100, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TViewerOnPlot v;
        const TSchematic before = v.Seen();
        const TSide side = row.which == wLegend ? sRight : row.which == wX ? sBottom : sLeft;
        const QRect block = before.Side(side)[0];
        const QRect dv = before.dataView;
        const bool horizontal = row.which == wX;
        const int length = horizontal ? dv.width() : dv.height();
        const int px = qRound(length * row.drag / 100);
        ASSERT_LT(std::abs(px * 100.0 / length - row.drag), 0.2);
        // Grips two pixels inside the end; higher percents lie right or up.
        QPoint grip = horizontal ? QPoint(row.stopEnd ? block.right() - 1 : block.left() + 2, block.center().y())
                                 : QPoint(block.center().x(), row.stopEnd ? block.top() + 2 : block.bottom() - 1);
        const QPoint to = grip + (horizontal ? QPoint(px, 0) : QPoint(0, -px));
        v.Drag(grip, to);

        const TgPlotLayoutObject *object = row.which == wLegend ? static_cast<TgPlotLayoutObject *>(v.plot->GetLegend(0))
                                           : row.which == wX    ? static_cast<TgPlotLayoutObject *>(v.plot->GetXAxis(0))
                                                                : v.plot->GetYAxis(0);
        EXPECT_DOUBLE_EQ(object->StartPercent(), row.start);
        EXPECT_DOUBLE_EQ(object->StopPercent(), row.stop);
        EXPECT_EQ(v.changes, 1);
        EXPECT_EQ(v.Layout(), DefaultLayout);
        if (!row.drawn)
            continue;
        const TSchematic after = v.Seen();
        ASSERT_EQ(after.Side(side).size(), 1u);
        const QRect moved = after.Side(side)[0];
        if (horizontal) {
            EXPECT_NEAR(moved.left(), dv.left() + dv.width() * row.start / 100, 1);
            EXPECT_NEAR(moved.right() + 1, dv.left() + dv.width() * row.stop / 100, 1);
        } else {
            EXPECT_NEAR(moved.top(), dv.top() + dv.height() * (100 - row.stop) / 100, 1);
            EXPECT_NEAR(moved.bottom() + 1, dv.top() + dv.height() * (100 - row.start) / 100, 1);
        }
    }
}

// Drops and where the viewer marks them. The places are found in the
// schematic of the default plot: the Y axis left, the legend right, the X
// axis below, the title above and the toolbar outermost above.
// The data view is a band in both orders: across its width (pDataViewVert)
// and across its height (pDataViewHorz).
enum TPlace { pLeft, pRight, pBottom, pTitle, pToolBar, pDataViewVert, pDataViewHorz };
enum TMark { mNone, mBelow, mMerge, mAbove };

struct TDropRow {
    const char *name;
    TPlace dragged, target;
    double across; // where in the target band: from its top (horizontal) or its left (vertical)
    TMark mark;    // the outline while over it
    const char *layout; // after the release; none: unchanged
    bool noToolBar = false;
};

QRect PlaceOf(const TSchematic &S, TPlace P)
{
    switch (P) {
    default:
    case pLeft: return S.Side(sLeft).at(0);
    case pRight: return S.Side(sRight).at(0);
    case pBottom: return S.Side(sBottom).at(0);
    case pTitle: return S.Side(sTop).at(0);
    case pToolBar: return S.Side(sTop).back();
    case pDataViewVert:
    case pDataViewHorz: return S.dataView;
    }
}

void RunDropRows(const std::vector<TDropRow> &Rows)
{
    for (const TDropRow &row : Rows) {
        SCOPED_TRACE(row.name);
        TViewerOnPlot v;
        if (row.noToolBar)
            v.plot->DeleteToolBar(0);
        const std::string before = v.Layout();
        const TSchematic s = v.Seen();
        const QRect from = PlaceOf(s, row.dragged), band = PlaceOf(s, row.target);
        const bool vertical = row.target == pLeft || row.target == pRight || row.target == pDataViewVert;
        // Across the band as asked, along it in the middle.
        const QPoint to = vertical ? Within(band, row.across, 0.5) : Within(band, 0.5, row.across);
        const TViewerOnPlot::TDrag d = v.Drag(from.center(), to);

        // The pressed block turns yellow, unless it cannot be dragged.
        int yellow = 0;
        for (int y = from.top(); y <= from.bottom(); ++y)
            for (int x = from.left(); x <= from.right(); ++x)
                yellow += At(d.held, x, y) == Yellow;
        if (row.dragged == pToolBar || row.dragged == pDataViewVert || row.dragged == pDataViewHorz)
            EXPECT_EQ(yellow, 0);
        else
            EXPECT_GT(yellow, 50);

        // The 2-pixel outline: the band moved half a band to the side a new
        // band goes (down or left: below), or in place to share it; on the
        // data view a band along its edge on that side.
        const QRect outline = NewBlack(d.held, d.over);
        if (row.mark == mNone) {
            EXPECT_TRUE(outline.isNull());
        } else {
            EXPECT_FALSE(outline.isNull());
            const int cell = s.Side(sLeft).at(0).width();
            const int sign = row.mark == mBelow ? 1 : row.mark == mAbove ? -1 : 0;
            if (row.target == pDataViewVert) {
                EXPECT_NEAR(outline.center().x(), sign > 0 ? band.left() : band.right() + 1, 2);
                EXPECT_NEAR(outline.width(), cell, 2);
            } else if (row.target == pDataViewHorz) {
                EXPECT_NEAR(outline.center().y(), sign > 0 ? band.bottom() + 1 : band.top(), 2);
                EXPECT_NEAR(outline.height(), cell, 2);
                EXPECT_GT(outline.width(), band.width()); // the whole schematic's width
            } else if (vertical) {
                EXPECT_NEAR(outline.center().x(), band.center().x() - sign * cell / 2, 2);
                EXPECT_NEAR(outline.height(), band.height(), 2);
            } else {
                EXPECT_NEAR(outline.center().y(), band.center().y() + sign * cell / 2, 2);
                EXPECT_NEAR(outline.width(), band.width(), 2);
            }
        }
        EXPECT_EQ(v.Layout(), row.layout ? std::string(row.layout) : before);
        EXPECT_EQ(v.changes, row.layout ? 1 : 0);
    }
}

TEST(LayoutViewer, InsertDirectionTables)
{
    RunDropRows({
        // Legend and label may share a band: thirds of a horizontal band.
        {"legend on the title's band, lower third: a band below it", pRight, pTitle, 0.85, mBelow,
         "Title h3 | Legend h2 | Toolbar h4 | X h0 | Y v0 | DataView h1 v1"},
        {"middle third: shares it, but the spans clash, so below", pRight, pTitle, 0.5, mMerge,
         "Title h3 | Legend h2 | Toolbar h4 | X h0 | Y v0 | DataView h1 v1"},
        {"upper third: a band above it", pRight, pTitle, 0.15, mAbove,
         "Title h2 | Legend h3 | Toolbar h4 | X h0 | Y v0 | DataView h1 v1"},
        // ... and of a vertical band, below on the left.
        {"title on the legend's band, left third", pTitle, pRight, 0.15, mBelow,
         "Title v2 | Legend v3 | Toolbar h2 | X h0 | Y v0 | DataView h1 v1"},
        {"title on the legend's band, middle third", pTitle, pRight, 0.5, mMerge,
         "Title v2 | Legend v3 | Toolbar h2 | X h0 | Y v0 | DataView h1 v1"},
        {"title on the legend's band, right third", pTitle, pRight, 0.85, mAbove,
         "Title v3 | Legend v2 | Toolbar h2 | X h0 | Y v0 | DataView h1 v1"},
        // Any other pair: halves.
        {"Y axis on the legend's band, left half", pLeft, pRight, 0.3, mBelow,
         "Title h2 | Legend v2 | Toolbar h3 | X h0 | Y v1 | DataView h1 v0"},
        {"Y axis on the legend's band, right half", pLeft, pRight, 0.7, mAbove,
         "Title h2 | Legend v1 | Toolbar h3 | X h0 | Y v2 | DataView h1 v0"},
        // The toolbar band is a target in its lower half only, and below.
        {"legend on the toolbar band, lower half", pRight, pToolBar, 0.6, mBelow,
         "Title h2 | Legend h3 | Toolbar h4 | X h0 | Y v0 | DataView h1 v1"},
        {"legend on the toolbar band, upper half", pRight, pToolBar, 0.4, mNone, nullptr},
        // With a label outermost and a legend dragged there: its lower third only.
        {"no toolbar: legend on the outermost band, lower third", pRight, pToolBar, 0.85, mBelow,
         "Title h3 | Legend h2 | Toolbar - | X h0 | Y v0 | DataView h1 v1", true},
        {"no toolbar: legend on the outermost band, between half and two thirds", pRight, pToolBar, 0.58, mNone,
         nullptr, true},
        // The data view's edges: next to it, on that side.
        {"Y axis on the data view's right edge", pLeft, pDataViewVert, 0.99, mAbove,
         "Title h2 | Legend v2 | Toolbar h3 | X h0 | Y v1 | DataView h1 v0"},
        {"title on the data view's bottom edge", pTitle, pDataViewHorz, 0.99, mBelow,
         "Title h1 | Legend v2 | Toolbar h3 | X h0 | Y v0 | DataView h2 v1"},
    });
}

// Axes keep their orientation; the toolbar and the data view stay where they are.
TEST(LayoutViewer, RefusedDrops)
{
    RunDropRows({
        {"Y axis on the X axis's band", pLeft, pBottom, 0.5, mNone, nullptr},
        {"Y axis on the title's band", pLeft, pTitle, 0.5, mNone, nullptr},
        {"Y axis on the data view's bottom edge", pLeft, pDataViewHorz, 0.99, mNone, nullptr},
        {"X axis on the legend's band", pBottom, pRight, 0.5, mNone, nullptr},
        {"X axis on the data view's left edge", pBottom, pDataViewVert, 0.01, mNone, nullptr},
        {"the toolbar pressed and dragged", pToolBar, pRight, 0.5, mNone, nullptr},
        {"the data view pressed and dragged", pDataViewVert, pRight, 0.5, mNone, nullptr},
    });
}

// A label dropped on the middle third of a legend's band shares it half and
// half, whichever side of the legend it came from, and leaves no empty band;
// dragged onto its partner the two swap their halves.
TEST(LayoutViewer, MergeHalfAndHalfThenSwap)
{
    struct Row {
        const char *name;
        double first; // across the legend's band: where the title goes first
        const char *firstLayout;
    } rows[] = {
        {"from a band outside the legend's", 0.85, "Title v3 | Legend v2 | Toolbar h2 | X h0 | Y v0 | DataView h1 v1"},
        {"from a band between the legend and the data view", 0.15,
         "Title v2 | Legend v3 | Toolbar h2 | X h0 | Y v0 | DataView h1 v1"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TViewerOnPlot v;
        TgPlotLabel *title = v.plot->GetLabel(0);
        TgPlotLegend *legend = v.plot->GetLegend(0);
        TSchematic s = v.Seen();
        v.Drag(s.Side(sTop).at(0).center(), Within(s.Side(sRight).at(0), row.first, 0.5));
        ASSERT_EQ(v.Layout(), row.firstLayout);

        s = v.Seen();
        ASSERT_EQ(s.Bands(sRight), 2);
        const QRect titleBlock = s.Side(sRight).at(row.first > 0.5 ? 1 : 0);
        const QRect legendBand = s.Side(sRight).at(row.first > 0.5 ? 0 : 1);
        v.Drag(titleBlock.center(), Within(legendBand, 0.5, 0.5));
        EXPECT_EQ(v.Layout(), "Title v2 | Legend v2 | Toolbar h2 | X h0 | Y v0 | DataView h1 v1");
        EXPECT_DOUBLE_EQ(legend->StartPercent(), 0);
        EXPECT_DOUBLE_EQ(legend->StopPercent(), 50);
        EXPECT_DOUBLE_EQ(title->StartPercent(), 50);
        EXPECT_DOUBLE_EQ(title->StopPercent(), 100);
        EXPECT_EQ(v.changes, 2);

        // One band beside the data view: the title's half above the legend's.
        s = v.Seen();
        const QRect dv = s.dataView;
        ASSERT_EQ(s.Side(sRight).size(), 2u);
        EXPECT_EQ(s.Bands(sRight), 1);
        QRect upper = s.Side(sRight)[0], lower = s.Side(sRight)[1];
        if (upper.top() > lower.top())
            std::swap(upper, lower);
        EXPECT_EQ(upper.left(), dv.right() + 1);
        EXPECT_EQ(upper.top(), dv.top());
        EXPECT_EQ(lower.bottom(), dv.bottom());
        EXPECT_NEAR(upper.height(), dv.height() / 2.0, 1);
        EXPECT_NEAR(lower.height(), dv.height() / 2.0, 1);

        // The title's half dragged onto the legend's: the partner is outlined,
        // and the halves change places.
        const TViewerOnPlot::TDrag d = v.Drag(upper.center(), lower.center());
        EXPECT_TRUE(NearBox(NewBlack(d.held, d.over), lower));
        EXPECT_DOUBLE_EQ(title->StartPercent(), 0);
        EXPECT_DOUBLE_EQ(title->StopPercent(), 50);
        EXPECT_DOUBLE_EQ(legend->StartPercent(), 50);
        EXPECT_DOUBLE_EQ(legend->StopPercent(), 100);
        EXPECT_EQ(v.Layout(), "Title v2 | Legend v2 | Toolbar h2 | X h0 | Y v0 | DataView h1 v1");
        EXPECT_EQ(v.changes, 3);
        // The side list follows the spans, bottom first, as the plot stacks them.
        const TStringList *right = v.plot->LayoutManager()->RightList();
        ASSERT_EQ(right->Count(), 2);
        EXPECT_EQ(right->GetObject(0), title);
    }
}

// A layout read back with a gap in its z-orders shows a band that holds no
// block; a block turned to that band's orientation and dropped on it takes
// the band's place.
TEST(LayoutViewer, DropOnAnEmptyBand)
{
    TViewerOnPlot v;
    v.plot->GetLegend(0)->SetZOrder(3);
    const QImage shot = v.Shot();
    const TSchematic s(shot);
    const QRect dv = s.dataView;
    const int cell = s.Side(sLeft).at(0).width();
    int white = 0;
    while (At(shot, dv.right() + 1 + white, dv.center().y()) == White)
        ++white;
    ASSERT_EQ(white, cell);
    const QRect empty(dv.right() + 1, dv.top(), cell, dv.height());

    const TViewerOnPlot::TDrag d = v.Drag(s.Side(sTop).at(0).center(), empty.center());
    EXPECT_TRUE(NearBox(NewBlack(d.held, d.over), empty, 2));
    EXPECT_EQ(v.Layout(), "Title v2 | Legend v3 | Toolbar h2 | X h0 | Y v0 | DataView h1 v1");
    EXPECT_EQ(v.changes, 1);

    // Both blocks now stand in bands of their own beside the data view.
    const TSchematic after = v.Seen();
    ASSERT_EQ(after.Side(sRight).size(), 2u);
    EXPECT_EQ(after.Bands(sRight), 2);
    EXPECT_EQ(after.Side(sRight)[0].left(), after.dataView.right() + 1);
    EXPECT_EQ(after.Side(sRight)[1].left(), after.Side(sRight)[0].right() + 1);
    EXPECT_LT(after.Side(sRight)[1].right(), shot.width() - 5);
}

} // namespace
