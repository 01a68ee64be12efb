// The curve list and the off-screen page of the response plot, and the plot's
// curve copies between controls.
#include "PaintPage.h"
#include "PlotFixture.h"
#include "PlotList.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<int> Keys(const TPlotList &list)
{
    std::vector<int> keys;
    for (const TPlotListMember *m = list.Head(); m; m = m->Next.get())
        keys.push_back(m->Key);
    return keys;
}

// A list of keys 1, 2, 3 added in that order, curve k holding k points of value k.
struct ListFixture : ::testing::Test {
    TPlotList list;
    void SetUp() override
    {
        for (int k = 1; k <= 3; ++k) {
            std::vector<double> v(static_cast<size_t>(k), double(k));
            EXPECT_FALSE(list.AddOrReplace(v.data(), v.data(), k, k, TColor(k), TMyPlotStyle(k)));
        }
    }
};

TEST_F(ListFixture, NewestFirstAndReplaceKeepsColourStyleAndPlace)
{
    EXPECT_EQ(Keys(list), (std::vector<int>{3, 2, 1}));
    const std::vector<double> x{10, 11, 12, 13, 14}, y{5, 4, 3, 2, 1};
    EXPECT_TRUE(list.AddOrReplace(x.data(), y.data(), 5, 2, clRed, TMyPlotStyle(4)));
    EXPECT_EQ(Keys(list), (std::vector<int>{3, 2, 1}));
    TPlotListMember *m = nullptr;
    ASSERT_TRUE(list.Find(m, 2));
    EXPECT_EQ(m->Count(), 5);
    EXPECT_EQ(m->X, x);
    EXPECT_EQ(m->Y, y);
    EXPECT_EQ(m->Colour, TColor(2));
    EXPECT_EQ(m->Style, TMyPlotStyle(2));
}

TEST_F(ListFixture, RemoveAndFind)
{
    EXPECT_FALSE(list.Remove(7));
    EXPECT_EQ(Keys(list), (std::vector<int>{3, 2, 1}));
    EXPECT_TRUE(list.Remove(3));
    EXPECT_EQ(Keys(list), (std::vector<int>{2, 1}));
    EXPECT_TRUE(list.Remove(1));
    EXPECT_EQ(Keys(list), (std::vector<int>{2}));
    TPlotList empty;
    TPlotListMember *m = list.Head();
    EXPECT_FALSE(empty.Find(m, 2));
    EXPECT_EQ(m, nullptr);
}

TEST_F(ListFixture, CopyReversesAndOwnsItsPoints)
{
    TPlotList copy(list);
    EXPECT_EQ(Keys(copy), (std::vector<int>{1, 2, 3}));
    list.Clear();
    TPlotListMember *m = nullptr;
    ASSERT_TRUE(copy.Find(m, 3));
    EXPECT_EQ(m->Y, std::vector<double>(3, 3.0));
}

TEST_F(ListFixture, AppendingAListToItselfReplacesEachCurveByItsOwnPoints)
{
    list.AddAll(list);
    EXPECT_EQ(Keys(list), (std::vector<int>{3, 2, 1}));
    for (int k = 1; k <= 3; ++k) {
        TPlotListMember *m = nullptr;
        ASSERT_TRUE(list.Find(m, k));
        EXPECT_EQ(m->Y, std::vector<double>(static_cast<size_t>(k), double(k)));
        EXPECT_EQ(m->X, std::vector<double>(static_cast<size_t>(k), double(k)));
    }
    // Replacing a curve by a part of its own points works the same way.
    TPlotListMember *m = nullptr;
    ASSERT_TRUE(list.Find(m, 3));
    EXPECT_TRUE(list.AddOrReplace(m->X.data() + 1, m->Y.data() + 1, 2, 3, clRed, TMyPlotStyle(0)));
    EXPECT_EQ(m->Y, std::vector<double>(2, 3.0));
}

TEST(PaintPage, PlaceSizesTheBitmapAndClearPaintsAllOfIt)
{
    TPaintPage page;
    EXPECT_TRUE(page.Empty());
    page.Place(10, 20, 110, 70);
    EXPECT_EQ(page.Bitmap()->Width(), 100);
    EXPECT_EQ(page.Bitmap()->Height(), 50);
    EXPECT_EQ(page.Source(), Rect(0, 0, 100, 50));
    EXPECT_EQ(page.Dest(), Rect(10, 20, 110, 70));
    page.Clear(clNavy);
    const QImage &img = static_cast<const TBitmap *>(page.Bitmap())->Image();
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(FromQColor(img.pixelColor(x, y)), clNavy) << x << "," << y;
}

TEST_F(PlotFixture, CopiesBetweenControlsReverseTheOrderAndSurviveCopyingFromItself)
{
    for (int k = 1; k <= 3; ++k) {
        const std::vector<double> y = Flat(k);
        plot.FFTDraw(y.data(), 4096, k, clRed, TMyPlotStyle(0));
    }
    LMyFFTDrawHpLp6dB other(nullptr);
    other.AssignPlot(&plot);
    EXPECT_EQ(Keys(other.Plots()), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(other.XMin(), 966);
    plot.AssignPlot(&plot);
    EXPECT_EQ(Keys(plot.Plots()), (std::vector<int>{1, 2, 3}));
    plot.AppendPlotData(&plot);
    EXPECT_EQ(Keys(plot.Plots()), (std::vector<int>{1, 2, 3}));
    std::vector<double> y(4096);
    ASSERT_TRUE(plot.GetPlotY(y.data(), 2));
    EXPECT_EQ(y, Flat(2));
    LMyFFTDrawHpLp6dB copy(plot);
    EXPECT_EQ(Keys(copy.Plots()), (std::vector<int>{3, 2, 1}));
}

} // namespace
