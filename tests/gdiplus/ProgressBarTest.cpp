// The progress bar: levels, block geometry, percentage, clamping, text
// format, stacking, the sweep and transparent corners.

#include "SmProgressBar.h"

#include "Form.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace {
struct BarFixture : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TSmProgressBar *bar = new TSmProgressBar(form.get());
    BarFixture()
    {
        bar->SetParent(form.get());
        form->SetBounds(0, 0, 500, 100);
    }
    // The busy window's bar.
    void busyBar()
    {
        bar->SetBounds(0, 0, 431, 41);
        bar->SetLevel0ColorTo(0xE1FFE1);
        bar->SetLevel1ColorTo(0xCAFFFF);
        bar->SetLevel2Color(0x53A9FF);
        bar->SetLevel2ColorTo(0xA8D3FF);
        bar->SetLevel3ColorTo(0xCACAFF);
        bar->SetLevel1Perc(70);
        bar->SetLevel2Perc(90);
        bar->SetPosition(0);
        bar->Font()->SetName(QStringLiteral("Verdana"));
        bar->Font()->SetHeight(-13);
        bar->Font()->SetColor(clWindowText);
    }
    // A plain bar whose length n is 100 pixels: blocks in one colour, no text.
    void plainBar()
    {
        bar->SetBounds(0, 0, 102, 18);
        bar->SetShowGradient(false);
        bar->SetShowPosition(false);
        bar->SetRounded(false);
        bar->SetLevel0Color(clBlue);
        bar->SetLevel1Color(clBlue);
        bar->SetLevel2Color(clBlue);
        bar->SetLevel3Color(clBlue);
    }
    QImage paint() { return bar->PaintToImage(); }
    static bool is(const QImage &im, int x, int y, TColor c)
    {
        return QColor(im.pixel(x, y)) == ToQColor(c);
    }
    // The filled columns of the middle row.
    static std::vector<int> blue(const QImage &im)
    {
        std::vector<int> xs;
        for (int x = 0; x < im.width(); ++x)
            if (is(im, x, im.height() / 2, clBlue))
                xs.push_back(x);
        return xs;
    }
};

std::vector<int> span(int from, int to)
{
    std::vector<int> v;
    for (int x = from; x < to; ++x)
        v.push_back(x);
    return v;
}
std::vector<int> join(std::initializer_list<std::vector<int>> parts)
{
    std::vector<int> v;
    for (const auto &p : parts)
        v.insert(v.end(), p.begin(), p.end());
    return v;
}
} // namespace

TEST_F(BarFixture, LevelsOfTheBusyWindowsBar)
{
    busyBar();
    struct Case { int position; TColor colour; };
    for (const Case &c : {Case{69, clLime}, Case{70, clYellow}, Case{89, clYellow},
                          Case{90, TColor(0x53A9FF)}, Case{99, TColor(0x53A9FF)}, Case{100, clRed}}) {
        bar->SetPosition(c.position);
        const QImage im = paint();
        // The middle row of a shaded block shows the level's first colour.
        EXPECT_TRUE(is(im, 5, 20, c.colour)) << c.position;
        EXPECT_FALSE(is(im, 5, 3, c.colour)) << c.position;
    }
}

TEST_F(BarFixture, BlockGeometry)
{
    plainBar();
    bar->SetPosition(1);
    EXPECT_TRUE(blue(paint()).empty());
    bar->SetPosition(5);
    EXPECT_EQ(blue(paint()), span(2, 6));
    bar->SetPosition(30);
    EXPECT_EQ(blue(paint()), join({span(2, 9), span(11, 18), span(20, 27), span(29, 31)}));
    bar->SetCompletionSmooth(true);
    EXPECT_EQ(blue(paint()), span(2, 30));
}

TEST_F(BarFixture, PercentageCountsFromMin)
{
    plainBar();
    bar->SetMin(50);
    bar->SetMax(150);
    bar->SetPosition(100);
    EXPECT_EQ(bar->Percentage(), 50);
    EXPECT_EQ(blue(paint()).back(), 50);  // 50 px: five blocks to 44, last 47..50
    bar->SetPosition(50);
    EXPECT_EQ(bar->Percentage(), 0);
    EXPECT_TRUE(blue(paint()).empty());
    bar->SetMax(50);
    EXPECT_EQ(bar->Percentage(), 0);
}

// A range as wide as int itself: its distances do not wrap.
TEST_F(BarFixture, WidestRangeKeepsItsPercentage)
{
    plainBar();
    bar->SetMin(std::numeric_limits<int>::min());
    bar->SetMax(std::numeric_limits<int>::max());
    bar->SetPosition(0);
    EXPECT_EQ(bar->Percentage(), 50);
    bar->SetPosition(std::numeric_limits<int>::max());
    EXPECT_EQ(bar->Percentage(), 100);
    EXPECT_EQ(blue(paint()).size(), size_t(7 + 10 * 7));
}

TEST_F(BarFixture, ClampedPositionIsStoredAndPainted)
{
    plainBar();
    bar->SetMax(100);
    bar->SetPosition(40);
    bar->SetPosition(150);
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_EQ(bar->Percentage(), 100);
    EXPECT_EQ(blue(paint()).size(), size_t(7 + 10 * 7));  // the full row of blocks
    bar->SetPosition(-5);
    EXPECT_EQ(bar->Position(), 0);
}

namespace {
struct CountingBar : TSmProgressBar {
    using TSmProgressBar::TSmProgressBar;
    int paints = 0;
    void Paint() override
    {
        ++paints;
        TSmProgressBar::Paint();
    }
};
} // namespace

// Every step of a small range repaints at once; a clamped value does too.
TEST(ProgressBarPainting, PositionChangesPaintAtOnce)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 60);
    auto *bar = new CountingBar(&form);
    bar->SetParent(&form);
    form.Show();
    // Paints reach a window once it is exposed.
    QElapsedTimer wait;
    wait.start();
    while (!(form.Widget()->windowHandle() && form.Widget()->windowHandle()->isExposed())
           && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    bar->SetMax(29);
    bar->SetPosition(0);
    const int before = bar->paints;
    bar->SetPosition(1);
    EXPECT_GT(bar->paints, before);
    bar->SetPosition(29);
    const int atMax = bar->paints;
    bar->SetPosition(40);
    EXPECT_GT(bar->paints, atMax);
    EXPECT_EQ(bar->Position(), 29);
}

TEST_F(BarFixture, FormatGetsPositionAndMax)
{
    busyBar();
    bar->SetMax(60);
    bar->SetPosition(30);
    EXPECT_EQ(bar->Percentage(), 50);
    const QImage withPercent = paint();
    bar->SetFormat(QStringLiteral("%d of %d"));
    const QImage withFormat = paint();
    EXPECT_NE(withPercent, withFormat);
}

TEST_F(BarFixture, StackedSegmentsUseEveryLevelPassed)
{
    plainBar();
    bar->SetStacked(true);
    bar->SetLevel0Color(clBlue);
    bar->SetLevel1Color(clLime);
    bar->SetLevel2Color(clRed);
    bar->SetPosition(95);
    const QImage im = paint();
    EXPECT_TRUE(is(im, 50, 9, clBlue));
    EXPECT_TRUE(is(im, 71, 9, clLime));
    EXPECT_TRUE(is(im, 91, 9, clRed));
    EXPECT_TRUE(is(im, 94, 9, clRed));
    EXPECT_FALSE(is(im, 96, 9, clRed));
}

// More shading bands than pixels: only the last band on each pixel shows,
// and painting takes no longer than the bar is long. The edges show the
// second colour, the middle the first.
TEST_F(BarFixture, ShadingWithMoreStepsThanPixels)
{
    busyBar();
    bar->SetShowPosition(false);
    bar->SetPosition(50);
    const QImage eight = paint();
    bar->SetSteps(5000000);
    QElapsedTimer timer;
    timer.start();
    const QImage many = paint();
    EXPECT_LT(timer.elapsed(), 2000);
    auto near = [&](int y, TColor c) {
        const QColor got(many.pixel(5, y)), want = ToQColor(c);
        return std::abs(got.red() - want.red()) <= 8 && std::abs(got.green() - want.green()) <= 8
               && std::abs(got.blue() - want.blue()) <= 8;
    };
    EXPECT_TRUE(near(2, TColor(0xE1FFE1)));   // top edge
    EXPECT_TRUE(near(20, clLime));            // middle
    EXPECT_TRUE(near(38, TColor(0xE1FFE1)));  // bottom edge
    EXPECT_NE(eight.pixel(5, 10), many.pixel(5, 10));  // finer bands
}

TEST_F(BarFixture, InfiniteModeSweeps)
{
    plainBar();
    bar->SetInfinite(true);
    const std::vector<int> still = blue(paint());
    ASSERT_FALSE(still.empty());
    EXPECT_EQ(still.front(), 2);
    EXPECT_LT(still.back(), 14);
    bar->SweepStep();  // moving down from 0 turns at once
    EXPECT_EQ(bar->InfinitePos(), 0);
    for (int i = 0; i < 25; ++i)
        bar->SweepStep();
    EXPECT_EQ(bar->InfinitePos(), 100);
    EXPECT_GT(blue(paint()).front(), 80);
}

// Corners outside the rounded rectangle are transparent, whatever colour
// the bar itself has (fuchsia included).
TEST_F(BarFixture, RoundedCornersAreTransparent)
{
    plainBar();
    bar->SetRounded(true);
    bar->SetBackgroundColor(clFuchsia);
    bar->SetBorderColor(clFuchsia);
    bar->SetLevel3Color(clFuchsia);
    bar->SetPosition(100);
    const QImage im = paint();
    for (auto [x, y] : {std::pair{0, 0}, {101, 0}, {0, 17}, {101, 17}})
        EXPECT_EQ(qAlpha(im.pixel(x, y)), 0) << x << "," << y;
    EXPECT_EQ(im.pixel(50, 9), qRgb(255, 0, 255));
    EXPECT_EQ(im.pixel(0, 9), qRgb(255, 0, 255));
    EXPECT_EQ(im.pixel(50, 0), qRgb(255, 0, 255));
}

TEST_F(BarFixture, DefaultsAndVersion)
{
    TSmProgressBar fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 128);
    EXPECT_EQ(fresh.Height(), 18);
    EXPECT_EQ(fresh.Position(), 50);
    EXPECT_EQ(fresh.Font()->Name(), QStringLiteral("Verdana"));
    EXPECT_EQ(fresh.Font()->Size(), 10);
    EXPECT_EQ(fresh.Version(), QStringLiteral("1.2.0.1"));
    fresh.SetVersion(QStringLiteral("9"));
    EXPECT_EQ(fresh.Version(), QStringLiteral("1.2.0.1"));
}
