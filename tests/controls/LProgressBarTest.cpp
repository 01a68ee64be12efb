#include "LProgressBar.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>
#include <string>

namespace {

// A meter that counts the paints it asks for.
class Meter : public LProgressBar {
public:
    Meter() : LProgressBar(nullptr) {}
    int invalidations = 0;
    void Invalidate() override
    {
        ++invalidations;
        LProgressBar::Invalidate();
    }
    // 'r', 'y', 'g' unlit, 'R', 'Y', 'G' lit, top to bottom; '?' other.
    std::string Lights() const
    {
        std::string s;
        for (int k = 1; k <= SegmentCount(); ++k) {
            const TColor c = SegmentColor(k);
            s += c == FirstColor() ? 'r' : c == SecondColor() ? 'y' : c == ThirdColor() ? 'g'
                 : c == LFirstColor() ? 'R' : c == LSecondColor() ? 'Y' : c == LThirdColor() ? 'G' : '?';
        }
        return s;
    }
};

TEST(LProgressBar, DefaultMeterLightsFromTheBottom)
{
    struct Row {
        int position;
        const char *lights;
    } rows[] = {{0, "ryggg"}, {20, "ryggG"}, {59, "rygGG"}, {99, "rYGGG"}, {100, "RYGGG"}, {150, "RYGGG"},
                {-5, "ryggg"}};
    for (const Row &r : rows) {
        Meter m;
        m.SetPosition(r.position);
        EXPECT_EQ(m.Lights(), r.lights) << r.position;
    }
    Meter m;
    EXPECT_EQ(m.Width(), 14);
    EXPECT_EQ(m.Height(), 132);
    EXPECT_EQ(m.Color(), clBlack);
    m.SetPosition(150);
    EXPECT_EQ(m.Position(), 100); // clamped
}

TEST(LProgressBar, NineOfNineAndTheOneSegmentIndicator)
{
    Meter m;
    m.SetFirstNum(3);
    m.SetSecondNum(3);
    m.SetThirdNum(3);
    m.SetMax(9);
    for (int n = 0; n <= 9; ++n) {
        m.SetPosition(n);
        const std::string lights = m.Lights();
        EXPECT_EQ(static_cast<int>(std::count_if(lights.begin(), lights.end(), ::isupper)), n);
    }
    EXPECT_EQ(m.Lights(), "RRRYYYGGG");

    Meter one;
    one.SetFirstNum(0);
    one.SetThirdNum(0);
    one.SetMax(1);
    ASSERT_EQ(one.SegmentCount(), 1);
    one.SetPosition(1);
    EXPECT_EQ(one.SegmentColor(1), one.LSecondColor());
    one.SetPosition(0);
    EXPECT_EQ(one.SegmentColor(1), one.SecondColor());
}

TEST(LProgressBar, MinOnlyClampsAndMaxOfZeroShowsAllDark)
{
    Meter m;
    m.SetMin(50);
    m.SetPosition(10);
    EXPECT_EQ(m.Position(), 50);
    EXPECT_EQ(m.Lights(), "rygGG"); // 50 of 100 on five segments: two
    for (int max : {0, -10}) {
        Meter dark;
        dark.SetPosition(60);
        dark.SetMax(max);
        dark.SetPosition(30);
        EXPECT_EQ(dark.Lights(), "ryggg") << max;
    }
}

TEST(LProgressBar, ZoneCountChangesRebuildEveryMemberDark)
{
    Meter m;
    m.SetPosition(100);
    m.SetThirdNum(6);
    EXPECT_EQ(m.Lights(), "rygggggg");
    EXPECT_EQ(m.Position(), 100); // kept, yet nothing is lit until it changes
    m.SetPosition(99);
    EXPECT_EQ(m.Lights(), "rYGGGGGG");
    m.SetFirstNum(0);
    EXPECT_EQ(m.Lights(), "ygggggg");
    EXPECT_EQ(m.SegmentCount(), 7);
    EXPECT_EQ(m.SegmentBounds(1), Bounds(0, -1, 14, 132 / 7 + 2));
    EXPECT_EQ(m.SegmentBounds(7).Top, static_cast<int>(132.0 / 7 * 6) - 1);
}

TEST(LProgressBar, ColourSettersAndForeignColours)
{
    Meter m;
    m.SetPosition(59); // two lit
    m.SetLThirdColor(clAqua);
    EXPECT_EQ(m.Lights(), "rygGG"); // lit ones stay lit in the new colour
    EXPECT_EQ(m.SegmentColor(5), clAqua);
    m.SetThirdColor(clNavy);
    EXPECT_EQ(m.Lights(), "ryggg"); // the zone shows dark
    m.SetSegmentColor(5, clFuchsia); // a colour of no zone is left alone
    m.SetPosition(100);
    EXPECT_EQ(m.Lights(), "RYGG?");
    m.SetPosition(0);
    EXPECT_EQ(m.Lights(), "rygg?");
}

TEST(LProgressBar, OnlyAChangedSegmentAsksForAPaint)
{
    Meter m;
    m.SetPosition(20);
    const int after = m.invalidations;
    m.SetPosition(20); // unchanged
    m.SetPosition(25); // still one segment
    EXPECT_EQ(m.invalidations, after);
    m.SetPosition(120);
    m.SetPosition(120); // stored 100 differs, recomputed, nothing changes
    EXPECT_EQ(m.invalidations, after + 1);
    m.SetMax(50); // bounds alone redraw nothing
    EXPECT_EQ(m.invalidations, after + 1);
}

TEST(LProgressBar, ResizeLaysOutAtTheNextPaint)
{
    Meter m;
    m.SetPosition(100);
    const TRect before = m.SegmentBounds(5);
    m.SetBounds(0, 0, 20, 100);
    EXPECT_EQ(m.SegmentBounds(5), before);
    const QImage img = m.PaintToImage();
    EXPECT_EQ(m.SegmentBounds(5), Bounds(0, 79, 20, 22));
    // The bottom segment is lit, its black outline drawn over the bevel.
    EXPECT_EQ(FromQColor(img.pixelColor(10, 90)), m.LThirdColor());
    EXPECT_EQ(FromQColor(img.pixelColor(0, 90)), clBlack);
    EXPECT_EQ(FromQColor(img.pixelColor(10, 10)), m.LFirstColor());
}

} // namespace
