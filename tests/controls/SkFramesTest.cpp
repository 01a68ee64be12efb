#include "PixelMap.h"
#include "SkColorUtils.h"
#include "SkFrames.h"

#include <gtest/gtest.h>

namespace {

using Map = std::vector<std::string>;

// An N x N canvas in a colour no frame uses ('.'), and the frame colours
// by letter.
struct FrameFixture : ::testing::Test {
    TBitmap bmp;
    TCanvas *c = nullptr;
    void Make(int n)
    {
        FillBitmap(bmp, n, n, clFuchsia);
        c = bmp.Canvas();
    }
    Map Picture()
    {
        return PixelMap(bmp, {{'.', clFuchsia}, {'S', clBtnShadow}, {'H', clBtnHighlight}, {'D', cl3DDkShadow},
                              {'L', cl3DLight}, {'T', clBtnText}, {'R', clRed}, {'B', clBlack}, {'b', clBlue},
                              {'g', clGreen}});
    }
};

TEST_F(FrameFixture, SideLinesPerSideSubsetAndClNoneStillMovesIn)
{
    struct Row {
        const char *name;
        TSides sides;
        TColor ul, lr;
        Map expected;
        TRect inside;
    } rows[] = {
        {"all", sdAllSides, clRed, clBlue,
         {"RRRRRRRb", "R......b", "R......b", "R......b", "R......b", "R......b", "R......b", "bbbbbbbb"},
         Rect(1, 1, 7, 7)},
        {"left and bottom", TSides{sdLeft, sdBottom}, clRed, clBlue,
         {"R.......", "R.......", "R.......", "R.......", "R.......", "R.......", "R.......", "bbbbbbbb"},
         Rect(1, 0, 8, 7)},
        {"upper-left none", sdAllSides, clNone, clBlue,
         {".......b", ".......b", ".......b", ".......b", ".......b", ".......b", ".......b", "bbbbbbbb"},
         Rect(1, 1, 7, 7)},
        {"both none", TSides{sdTop, sdRight}, clNone, clNone,
         {"........", "........", "........", "........", "........", "........", "........", "........"},
         Rect(0, 1, 7, 8)},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        Make(8);
        EXPECT_EQ(PaintSideLines(c, Rect(0, 0, 8, 8), r.ul, r.lr, r.sides), r.inside);
        EXPECT_EQ(Picture(), r.expected);
    }
}

TEST_F(FrameFixture, EtchedFramesMendTheCornersOfOmittedSides)
{
    struct Row {
        const char *name;
        TFrameStyleEx style;
        TSides sides;
        Map expected;
        TRect inside;
    } rows[] = {
        {"groove, all sides", fsGroove, sdAllSides,
         {"SSSSSSSH", "SHHHHHSH", "SH....SH", "SH....SH", "SH....SH", "SH....SH", "SSSSSSSH", "HHHHHHHH"},
         Rect(2, 2, 6, 6)},
        {"groove, left and top", fsGroove, TSides{sdLeft, sdTop},
         {"SSSSSSSS", "SHHHHHHH", "SH......", "SH......", "SH......", "SH......", "SH......", "SH......"},
         Rect(2, 2, 8, 8)},
        {"bump, right and bottom", fsBump, TSides{sdRight, sdBottom},
         {"......HS", "......HS", "......HS", "......HS", "......HS", "......HS", "HHHHHHHS", "SSSSSSSS"},
         Rect(0, 0, 6, 6)},
        {"groove, top only", fsGroove, TSides{sdTop},
         {"SSSSSSSS", "HHHHHHHH", "........", "........", "........", "........", "........", "........"},
         Rect(0, 2, 8, 8)},
        {"no sides", fsGroove, TSides{},
         {"........", "........", "........", "........", "........", "........", "........", "........"},
         Rect(0, 0, 8, 8)},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        Make(8);
        EXPECT_EQ(PaintFrameSides(c, Rect(0, 0, 8, 8), r.style, r.sides), r.inside);
        EXPECT_EQ(Picture(), r.expected);
    }
}

TEST_F(FrameFixture, TwoRingEdgesAndOneRingStylesUseTheirColours)
{
    struct Row {
        TFrameStyleEx style;
        char outerUL, outerLR, innerUL, innerLR;
        int width;
    } rows[] = {
        {fsRaised, 'L', 'D', 'H', 'S', 2},     {fsLowered, 'S', 'H', 'D', 'L', 2},
        {fsButtonUp, 'H', 'D', 'L', 'S', 2},   {fsButtonDown, 'B', 'B', 'S', 'S', 2}, // button text is black
        {fsFlat, 'D', 'D', '.', '.', 1},       {fsStatus, 'S', 'H', '.', '.', 1},
        {fsPopup, 'H', 'S', '.', '.', 1},      {fsFlatBold, 'S', 'S', 'S', 'S', 2},
        {fsFlatRounded, 'D', 'D', '.', '.', 1}, {fsNone, '.', '.', '.', '.', 0},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.style);
        Make(10);
        EXPECT_EQ(PaintFrame(c, Rect(0, 0, 10, 10), r.style), Rect(r.width, r.width, 10 - r.width, 10 - r.width));
        const Map m = Picture();
        EXPECT_EQ(m[0][4], r.outerUL);
        EXPECT_EQ(m[9][4], r.outerLR);
        EXPECT_EQ(m[1][4], r.innerUL);
        EXPECT_EQ(m[8][4], r.innerLR);
    }
}

TEST_F(FrameFixture, ColourFramesDeriveFromTheFace)
{
    Make(10);
    const TColor face = RGB(100, 140, 200);
    EXPECT_EQ(PaintColorFrame(c, Rect(0, 0, 10, 10), face, fsRaised), Rect(2, 2, 8, 8));
    EXPECT_EQ(c->Pixels(4, 0), LightenColor(face, 50));
    EXPECT_EQ(c->Pixels(4, 9), DarkenColor(face, 100));
    EXPECT_EQ(c->Pixels(4, 1), LightenColor(face, 100));
    EXPECT_EQ(c->Pixels(4, 8), DarkenColor(face, 50));

    Make(10);
    PaintColorButtonEdge(c, Rect(0, 0, 10, 10), face, true); // lowered: dark rings all round
    EXPECT_EQ(c->Pixels(0, 4), DarkenColor(face, 100));
    EXPECT_EQ(c->Pixels(9, 4), DarkenColor(face, 100));
    EXPECT_EQ(c->Pixels(8, 4), DarkenColor(face, 50));
}

TEST_F(FrameFixture, RoundedDottedAndFlatOutlines)
{
    Make(8);
    EXPECT_EQ(PaintRoundedOutline(c, Rect(0, 0, 8, 8), clRed, sdAllSides), Rect(2, 2, 6, 6));
    EXPECT_EQ(Picture(), (Map{"..RRRR..", ".R....R.", "R......R", "R......R", "R......R", "R......R", ".R....R.",
                              "..RRRR.."}));
    Make(8);
    EXPECT_EQ(PaintRoundedOutline(c, Rect(0, 0, 8, 8), clRed, TSides{sdLeft, sdTop}), Rect(2, 2, 8, 8));
    EXPECT_EQ(Picture(), (Map{"..RRRRRR", ".R......", "R.......", "R.......", "R.......", "R.......", "R.......",
                              "R......."}));
    Make(8);
    EXPECT_EQ(PaintDottedRect(c, Rect(0, 0, 8, 8)), Rect(1, 1, 7, 7));
    EXPECT_EQ(Picture(), (Map{".B.B.B.B", "B......B", "........", "B......B", "........", "B......B", "........",
                              "BB.B.B.B"}));
    Make(8);
    EXPECT_EQ(PaintFlatOutline(c, Rect(1, 1, 7, 7), clGreen), Rect(2, 2, 6, 6));
    EXPECT_EQ(Picture()[1], ".gggggg.");
}

TEST_F(FrameFixture, PanelBorderBranches)
{
    const TColor flat = clRed;
    struct Row {
        const char *name;
        TFrameStyleEx outer, inner;
        int borderWidth, bevelWidth;
        bool transparent, roundedInner;
        TRect inside;
        std::string row0, row1;
    } rows[] = {
        {"nothing", fsNone, fsNone, 0, 1, false, false, Rect(0, 0, 12, 12), "............", "............"},
        {"flat outer", fsFlat, fsNone, 0, 1, false, false, Rect(1, 1, 11, 11), "RRRRRRRRRRRR", "R..........R"},
        {"flat bold outer, band", fsFlatBold, fsNone, 1, 1, false, false, Rect(3, 3, 9, 9), "RRRRRRRRRRRR",
         "RRRRRRRRRRRR"},
        {"status outer, popup inner", fsStatus, fsPopup, 0, 2, false, false, Rect(4, 4, 8, 8), "bbbbbbbbbbbg",
         "bbbbbbbbbbgg"},
        {"rounded outer, opaque", fsFlatRounded, fsNone, 0, 1, false, false, Rect(2, 2, 10, 10), "SSRRRRRRRRSS",
         "SRbbbbbbbbRS"},
        {"rounded outer, transparent", fsFlatRounded, fsNone, 1, 1, true, false, Rect(3, 3, 9, 9), "..RRRRRRRR..",
         ".RBBBBBBBBR."},
        {"rounded flat inner", fsNone, fsFlat, 0, 1, false, true, Rect(1, 1, 11, 11), ".RRRRRRRRRR.",
         "R..........R"},
        {"frame styles", fsRaised, fsLowered, 0, 1, false, false, Rect(4, 4, 8, 8), "LLLLLLLLLLLD", "LHHHHHHHHHSD"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        Make(12);
        const TRect inside = PaintPanelBorder(c, Rect(0, 0, 12, 12), r.outer, r.inner, r.borderWidth, sdAllSides,
                                              r.bevelWidth, clBlack, clGreen, clBlue, flat, 0, clBlue, clBtnShadow,
                                              r.transparent, r.roundedInner);
        EXPECT_EQ(inside, r.inside);
        EXPECT_EQ(Picture()[0], r.row0);
        EXPECT_EQ(Picture()[1], r.row1);
    }
}

TEST_F(FrameFixture, DropDownArrowIsClassicAndCentred)
{
    Make(12);
    c->Brush()->SetColor(clWhite);
    PaintDropDownArrow(c, Rect(0, 0, 12, 12), 1, true); // themed asks draw classic from version 6 on
    // Centre (6, 5): the triangle's top row spans x 3..9 at y 3, its tip is at (6, 7).
    EXPECT_EQ(c->Pixels(6, 3), clBlack);
    EXPECT_EQ(c->Pixels(6, 6), clBlack);
    EXPECT_EQ(c->Pixels(6, 9), clFuchsia);
    EXPECT_EQ(c->Brush()->Color(), clWhite);
    Make(12);
    c->Brush()->SetColor(clBlack); // a black background gets a dark-shadow arrow
    PaintDropDownArrow(c, Rect(0, 0, 12, 12), 0, true);
    EXPECT_EQ(c->Pixels(6, 4), ColorToRGB(cl3DDkShadow));
    Make(12);
    PaintDropDownArrow(c, Rect(0, 0, 12, 12), 2, false);
    EXPECT_EQ(c->Pixels(6, 4), ColorToRGB(clBtnShadow));
}

} // namespace
