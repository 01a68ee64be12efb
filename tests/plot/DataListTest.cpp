#include "MessageOf.h"
#include "gPlotDataCompactIntervalList.h"
#include "gPlotDataCompactList.h"
#include "gPlotDataFullList.h"
#include "gPlotDataNullList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace {

// The four list kinds share count, growth, ring and index mapping; points
// are added with X = Y / 10 = 1, 2, 3 ... so the interval list (which derives
// X) reads the same X as the others.
template <class List>
class DataListTest : public ::testing::Test {
protected:
    void AddRange(int From, int To)
    {
        for (int i = From; i <= To; ++i)
            list.Add(i, i * 10, false, false);
    }
    std::vector<double> Ys()
    {
        std::vector<double> ys;
        for (int i = 0; i < list.Count(); ++i)
            ys.push_back(list.GetY(i));
        return ys;
    }
    void ExpectXY(const std::vector<int> &Xs)
    {
        ASSERT_EQ(list.Count(), int(Xs.size()));
        for (int i = 0; i < list.Count(); ++i) {
            EXPECT_EQ(list.GetX(i), Xs[size_t(i)]) << "index " << i;
            EXPECT_EQ(list.GetY(i), Xs[size_t(i)] * 10) << "index " << i;
            double x, y;
            bool empty, null;
            list.GetXYEmptyNull(i, x, y, empty, null);
            EXPECT_EQ(x, Xs[size_t(i)]);
            EXPECT_EQ(y, Xs[size_t(i)] * 10);
        }
    }
    List list;
};

using ListKinds = ::testing::Types<TgPlotDataNullList, TgPlotDataFullList, TgPlotDataCompactList,
                                   TgPlotDataCompactIntervalList>;
TYPED_TEST_SUITE(DataListTest, ListKinds);

TYPED_TEST(DataListTest, CapacityGrowsByTheSequence)
{
    const int expected[] = {4, 4, 4, 4, 8, 8, 8, 8, 12, 12, 12, 12, 28};
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(this->list.Add(i + 1, (i + 1) * 10, false, false), i);
        EXPECT_EQ(this->list.Capacity(), expected[i]) << "after " << i + 1 << " points";
    }
    std::vector<int> caps;
    while (this->list.Capacity() < 95) {
        this->AddRange(this->list.Count() + 1, this->list.Capacity() + 1);
        caps.push_back(this->list.Capacity());
    }
    EXPECT_EQ(caps, (std::vector<int>{44, 60, 76, 95}));
    EXPECT_EQ(this->list.MemoryUsed(), 95LL * this->list.DataPointSize());
    EXPECT_EQ(this->list.MaxDataPoints(), INT_MAX / this->list.DataPointSize());
}

TYPED_TEST(DataListTest, RingMapsIndexesOverSeveralWraps)
{
    this->list.SetRingBufferSize(3);
    for (int i = 1; i <= 11; ++i) {
        const int index = this->list.Add(i, i * 10, false, false);
        EXPECT_EQ(index, std::min(i, 3) - 1);
        std::vector<int> xs;
        for (int k = std::max(1, i - 2); k <= i; ++k)
            xs.push_back(k);
        this->ExpectXY(xs);
    }
    EXPECT_EQ(this->list.Capacity(), 3);
    EXPECT_EQ(this->list.RingBufferSize(), 3);
}

// Deleting, resizing or shrinking a ring that has wrapped keeps the index
// mapping: point 0 stays the oldest remaining point.
TYPED_TEST(DataListTest, DeleteAndResizeOnAWrappedRing)
{
    this->list.SetRingBufferSize(5);
    this->AddRange(1, 8); // holds 4..8, wrapped
    ASSERT_NE(this->list.Tail(), 0);
    this->list.DeletePoints(2);
    this->ExpectXY({6, 7, 8});
    this->AddRange(9, 10);
    this->ExpectXY({6, 7, 8, 9, 10});
    this->AddRange(11, 13); // wraps again
    this->ExpectXY({9, 10, 11, 12, 13});

    this->list.SetCapacity(7); // grows the wrapped ring
    this->ExpectXY({9, 10, 11, 12, 13});
    this->AddRange(14, 16);
    this->ExpectXY({10, 11, 12, 13, 14, 15, 16});

    this->list.SetCapacity(4); // cuts to the oldest four
    this->ExpectXY({10, 11, 12, 13});
    this->AddRange(14, 14);
    this->ExpectXY({11, 12, 13, 14});
}

TYPED_TEST(DataListTest, RingBufferSizeChanges)
{
    this->AddRange(1, 6);
    this->list.SetRingBufferSize(4); // drops the two oldest
    this->ExpectXY({3, 4, 5, 6});
    this->list.SetRingBufferSize(0); // not wrapped: points stay
    this->ExpectXY({3, 4, 5, 6});
    EXPECT_FALSE(this->list.RingBufferEnabled());

    this->list.Clear();
    this->list.SetRingBufferSize(2);
    this->AddRange(1, 3); // wrapped
    this->list.SetRingBufferSize(0);
    EXPECT_EQ(this->list.Count(), 0);
    EXPECT_EQ(this->list.Capacity(), 0);

    this->list.SetRingBufferSize(3);
    this->AddRange(1, 2);
    this->list.Clear(); // a ring keeps its storage
    EXPECT_EQ(this->list.Capacity(), 3);
    this->list.SetRingBufferSize(0);
    this->list.Clear();
    EXPECT_EQ(this->list.Capacity(), 0);
    EXPECT_EQ(this->list.MemoryUsed(), 0);
}

TYPED_TEST(DataListTest, BoundsAndSizeErrorsChangeNothing)
{
    this->AddRange(1, 3);
    auto &list = this->list;
    for (int bad : {-1, 3})
        EXPECT_EQ(MessageOf([&] { list.GetY(bad); }), "Index out of Bounds") << bad;
    EXPECT_EQ(MessageOf([&] { list.GetX(3); }), "Index out of Bounds");
    EXPECT_EQ(MessageOf([&] { list.SetY(5, 1); }), "Index out of Bounds");
    EXPECT_EQ(MessageOf([&] { list.SetCapacity(list.MaxDataPoints() + 1); }), "Exceed Maximum List Size");
    EXPECT_EQ(MessageOf([&] { list.SetCapacity(-1); }), "List Size out of Range");
    EXPECT_EQ(MessageOf([&] { list.SetRingBufferSize(-2); }), "List Size out of Range");
    const QString deleteMessage = std::is_same_v<TypeParam, TgPlotDataFullList> ? "Delete Size Out Of Range"
                                                                               : "Delete size out of Range";
    EXPECT_EQ(MessageOf([&] { list.DeletePoints(4); }), deleteMessage);
    EXPECT_EQ(MessageOf([&] { list.DeletePoints(-1); }), deleteMessage);
    this->ExpectXY({1, 2, 3});
    list.DeletePoints(0);
    this->ExpectXY({1, 2, 3});
    if (std::is_same_v<TypeParam, TgPlotDataCompactIntervalList>) {
        list.DeletePoints(3);
        EXPECT_EQ(list.Count(), 0);
    } else {
        EXPECT_EQ(MessageOf([&] { list.DeletePoints(3); }), deleteMessage);
        this->ExpectXY({1, 2, 3});
    }
}

// Every kind keeps Null and Empty points (the compact kinds as NaN payloads
// with Y 0); a NaN the caller stores stays an ordinary point.
TYPED_TEST(DataListTest, NullAndEmptyAreKept)
{
    auto &list = this->list;
    list.Add(1, 10, false, false);
    list.Add(2, 20, true, false);
    list.Add(3, 30, false, true);
    list.Add(4, std::nan(""), false, false);
    EXPECT_TRUE(list.GetNull(1));
    EXPECT_FALSE(list.GetEmpty(1));
    EXPECT_TRUE(list.GetEmpty(2));
    EXPECT_FALSE(list.GetNull(2));
    EXPECT_FALSE(list.GetNull(3) || list.GetEmpty(3));
    EXPECT_TRUE(std::isnan(list.GetY(3)));
    EXPECT_FALSE(list.GetNull(0) || list.GetEmpty(0));
    double x, y;
    bool empty, null;
    list.GetXYEmptyNull(1, x, y, empty, null);
    EXPECT_TRUE(null);
    EXPECT_FALSE(empty);
    EXPECT_EQ(x, 2);
    list.GetXYEmptyNull(2, x, y, empty, null);
    EXPECT_TRUE(empty);
    if (!std::is_same_v<TypeParam, TgPlotDataNullList> && !std::is_same_v<TypeParam, TgPlotDataFullList>) {
        EXPECT_EQ(list.GetY(1), 0);
    }
}

TEST(DataListKinds, SizesAndLimits)
{
    EXPECT_EQ(TgPlotDataNullList().DataPointSize(), 24);
    EXPECT_EQ(TgPlotDataNullList().MaxDataPoints(), 89478485);
    EXPECT_EQ(TgPlotDataFullList().MaxDataPoints(), 14913080);
    EXPECT_EQ(TgPlotDataCompactList().MaxDataPoints(), 268435455);
    EXPECT_EQ(TgPlotDataCompactIntervalList().MaxDataPoints(), 536870911);
}

// Growth near the limit stops at MaxDataPoints; only a full list refuses.
TEST(DataListKinds, GrowthStopsAtTheLimit)
{
    struct Probe : TgPlotDataNullList {
        int GrowFrom(int Capacity)
        {
            FCapacity = Capacity;
            const int grown = GrownCapacity();
            FCapacity = 0;
            return grown;
        }
    } probe;
    const int max = probe.MaxDataPoints();
    EXPECT_EQ(probe.GrowFrom(max - 10), max);
    EXPECT_EQ(probe.GrowFrom(80000000), 89478485);
    EXPECT_EQ(probe.GrowFrom(80), 100);
    EXPECT_EQ(MessageOf([&] { probe.GrowFrom(max); }), "Exceed Maximum List Size");
}

TEST(DataListKinds, NullListKeepsEachPointsMarker)
{
    TgPlotDataNullList list;
    list.StoredMarkerVisible = false;
    list.StoredMarkerStyle = ipmsCross;
    list.Add(1, 1, false, false);
    list.StoredMarkerVisible = true;
    list.StoredMarkerStyle = ipmsCharacter;
    list.Add(2, 2, false, false);
    EXPECT_FALSE(list.GetMarkerVisible(0));
    EXPECT_EQ(list.GetMarkerStyle(0), ipmsCross);
    EXPECT_TRUE(list.GetMarkerVisible(1));
    EXPECT_EQ(list.GetMarkerStyle(1), ipmsCharacter);
    list.SetMarkerStyle(0, ipmsDiamond);
    list.SetNull(0, true);
    EXPECT_EQ(list.GetMarkerStyle(0), ipmsDiamond);
    EXPECT_TRUE(list.GetNull(0));
    EXPECT_FALSE(list.GetMarkerVisible(0));
    // Styles the null list does not keep per point read the stored value.
    list.StoredTraceLineColor = 0x123456;
    EXPECT_EQ(list.GetTraceLineColor(0), 0x123456);
}

TEST(DataListKinds, FullListCopiesStylesWhenAdded)
{
    TgPlotDataFullList list;
    list.StoredMarkerSize = 7;
    list.StoredMarkerCharacter = u'Q';
    list.StoredBarPenStyle = psDot;
    list.Add(1, 2, false, false);
    list.StoredMarkerSize = 9;
    EXPECT_EQ(list.GetMarkerSize(0), 7);
    EXPECT_EQ(list.GetMarkerCharacter(0), 0);
    EXPECT_EQ(list.GetBarPenStyle(0), psDot);
    EXPECT_EQ(list.GetHigh(0), 0);
    list.SetHigh(0, 5);
    EXPECT_EQ(list.GetHigh(0), 5);
}

TEST(DataListKinds, CompactListRoundsToFloat)
{
    TgPlotDataCompactList list;
    list.Add(0.1, 0.1, false, false);
    EXPECT_NEAR(list.GetX(0), 0.100000001490116, 1e-15);
    EXPECT_EQ(list.GetX(0), double(0.1f));
    EXPECT_EQ(list.GetY(0), double(0.1f));
}

TEST(DataListKinds, IntervalListDerivesX)
{
    TgPlotDataCompactIntervalList list;
    EXPECT_EQ(list.Interval(), -1);
    for (double x : {10.0, 12.0, 20.0})
        list.Add(x, 1, false, false);
    EXPECT_EQ(list.Interval(), 2);
    EXPECT_EQ(list.GetX(2), 14);
    EXPECT_EQ(MessageOf([&] { list.GetX(3); }), "Index out of Bounds");

    list.SetX(0, 5); // moves every point
    EXPECT_EQ(list.GetX(0), 5);
    EXPECT_EQ(list.GetX(2), 9);
    EXPECT_EQ(MessageOf([&] { list.SetX(1, 5); }),
              "Data Style does not support setting individual X-Value with the exception of the first X-Value");

    list.DeletePoints(1); // the rest keep their X
    EXPECT_EQ(list.GetX(0), 7);
    EXPECT_EQ(list.GetX(1), 9);

    list.Clear(); // learns again, from the next two points
    EXPECT_EQ(list.Interval(), -1);
    list.Add(100, 1, false, false);
    list.Add(95, 1, false, false);
    EXPECT_EQ(list.Interval(), -5);
    EXPECT_EQ(list.GetX(1), 95);

    TgPlotDataCompactIntervalList ring;
    ring.SetRingBufferSize(3);
    for (double x : {10.0, 12.0, 20.0, 99.0})
        ring.Add(x, 1, false, false);
    EXPECT_EQ(ring.GetX(0), 12);
    EXPECT_EQ(ring.GetX(2), 16);
}

} // namespace

// A block read gives what the point reads give, across the seam of a
// wrapped ring; a range leaving the list raises before anything is written.
TYPED_TEST(DataListTest, BlockReadsMatchPointReadsOnAWrappedRing)
{
    auto &list = this->list;
    list.SetRingBufferSize(5);
    this->AddRange(1, 8); // holds 4..8, wrapped
    list.SetNull(1, true);
    list.SetEmpty(3, true);
    ASSERT_NE(list.Tail(), 0);
    TgPlotDataCustomList::XYEmptyNull block[5];
    list.GetXYEmptyNullBlock(0, 5, block);
    for (int i = 0; i < 5; ++i) {
        double x, y;
        bool empty, null;
        list.GetXYEmptyNull(i, x, y, empty, null);
        const auto &b = block[i];
        EXPECT_TRUE(b.X == x && b.Empty == empty && b.Null == null) << i;
        EXPECT_TRUE(b.Y == y || (std::isnan(b.Y) && std::isnan(y))) << i;
    }
    const TgPlotDataCustomList::XYEmptyNull marker{-7, -7, true, true};
    std::fill(std::begin(block), std::end(block), marker);
    EXPECT_EQ(MessageOf([&] { list.GetXYEmptyNullBlock(2, 4, block); }), "Index out of Bounds");
    EXPECT_EQ(MessageOf([&] { list.GetXYEmptyNullBlock(-1, 2, block); }), "Index out of Bounds");
    for (const auto &b : block)
        EXPECT_EQ(b.X, -7);
}
