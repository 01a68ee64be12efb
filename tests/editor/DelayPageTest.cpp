#include "DelayPage.h"
#include "DynamicsText.h"
#include "PageFixture.h"
#include "SkBmpButton.h"
#include "SmTrackBar.h"

#include <gtest/gtest.h>

namespace {

constexpr uint8_t kDelay = 0x38;

struct DelayFixture : ::testing::Test {
    PageFixture f;
    DelayPage &page = f.Add<DelayPage>();

    TSmTrackBar *Slider(const char *Name) { return f.Get<TSmTrackBar>(Name); }
    QString BoxText(const char *Name) { return f.Get<TRoundedEdit>(Name)->Text(); }
    void SetUnit(int Unit)
    {
        ParameterImage img = f.host.model.GetImage();
        img.delayUnit = uint16_t(Unit);
        f.host.model.SetImage(img);
    }
    // Mouse on a delay line, in the line's own coordinates.
    void Press(TControl *Line, int X, int Y) { Line->OnMouseDown(Line, mbLeft, {}, X, Y); }
    void Drag(TControl *Line, int X, int Y) { Line->OnMouseMove(Line, {}, X, Y); }
    void Release(TControl *Line) { Line->OnMouseUp(Line, mbLeft, {}, 0, 0); }
};

} // namespace

TEST_F(DelayFixture, TypedEntryInEveryUnit)
{
    struct Row {
        int unit;
        const char *text;
        int samples; // -1: refused, the old value stays
    };
    const Row rows[] = {
        {0, "2.5ms", 240}, {0, "2.5MS", 240}, {0, "2.5", 240}, {0, "2.5 ms", -1}, {1, "1.2m", 335},
        {2, "1", 85},      {0, "-3", -1},     {0, "1e2", -1},  {0, "1.2.3", -1}, {0, ".", -1},
        {0, "700", 65280}, {9, "2.5", 240},
    };
    for (const Row &r : rows) {
        Slider("isDelayInB")->SetPosition(7);
        SetUnit(r.unit);
        f.sent.clear();
        f.Type("cvdDelayInB", r.text);
        const int expected = r.samples < 0 ? 7 : r.samples;
        EXPECT_EQ(Slider("isDelayInB")->Position(), expected) << r.text;
        EXPECT_EQ(f.host.model.GetDelay(1), expected) << r.text;
        EXPECT_EQ(BoxText("cvdDelayInB"), DelayText(expected, r.unit)) << r.text;
        EXPECT_EQ(f.Codes(kDelay).size(), r.samples < 0 || r.samples == 7 ? 0u : 1u) << r.text;
    }
    EXPECT_EQ(BoxText("cvdDelayInB"), "2.500 ms") << "a unit above 2 is shown as ms";
    SetUnit(0);
    f.Type("cvdDelayInB", "700");
    EXPECT_EQ(BoxText("cvdDelayInB"), "680.000 ms");
    EXPECT_EQ(f.Get("lbFftDelayTimeInB")->Caption(), "680.000 ms");
    f.Type("cvdDelayInB", QString(400, '7'));
    EXPECT_EQ(Slider("isDelayInB")->Position(), 65280);
    f.sent.clear();
    f.Type("cvdDelayInB", "680");
    EXPECT_TRUE(f.sent.empty()) << "the value already held sends nothing";
    EXPECT_EQ(BoxText("cvdDelayInB"), "680.000 ms");
}

TEST_F(DelayFixture, SliderMovesMarkerTextsModelAndSendsOnce)
{
    f.sent.clear();
    Slider("isDelayOut3")->SetPosition(65280);
    TControl *line = f.Get("lbDelayLineOut3");
    TControl *marker = f.Get("imDelayOut3");
    EXPECT_EQ(marker->Left(), line->Width() - 50);
    EXPECT_EQ(f.Get("lbFftDelayTimeOut3")->Left(), marker->Left() + 30);
    EXPECT_EQ(BoxText("cvdDelayOut3"), "680.000 ms");
    ASSERT_EQ(f.Codes(kDelay).size(), 1u);
    EXPECT_EQ(f.Codes(kDelay)[0].payload, (ByteVector{6, 0x00, 0xFF}));
    EXPECT_EQ(f.host.model.GetDelay(6), 65280);

    // Switching the unit re-renders all twelve texts and sends no delay.
    f.sent.clear();
    f.Get<TSkBmpButton>("skbUnit2")->Click();
    EXPECT_EQ(BoxText("cvdDelayOut3"), "766.329 ft");
    EXPECT_EQ(BoxText("cvdDelayInA"), "0.000 ft");
    f.Get<TSkBmpButton>("skbUnit1")->Click();
    EXPECT_EQ(f.Get("lbFftDelayTimeOut3")->Caption(), "233.580 m");
    EXPECT_TRUE(f.Codes(kDelay).empty());
    EXPECT_EQ(f.host.model.GetDelayUnit(), 1);
    EXPECT_EQ(Slider("isDelayOut3")->Position(), 65280);

    // While the window updates its controls nothing is written or sent.
    f.sent.clear();
    f.host.updating = true;
    Slider("isDelayOut3")->SetPosition(10);
    f.host.updating = false;
    EXPECT_TRUE(f.sent.empty());
    EXPECT_EQ(f.host.model.GetDelay(6), 65280);
}

TEST_F(DelayFixture, MarkerDragLimits)
{
    TControl *line = f.Get("lbDelayLineInA");
    ASSERT_EQ(line->Width(), 475);
    const int y = line->Height() / 2;
    // Grabbed at the marker's centre, dragged beyond Width - 75: the maximum.
    Press(line, 15, y);
    Drag(line, 1000, y);
    EXPECT_EQ(Slider("isDelayInA")->Position(), 65280);
    EXPECT_EQ(f.Get("imDelayInA")->Left(), 475 - 50);
    EXPECT_EQ(line->Caption(), QString((475 - 75 - 15) / 6, '-'));
    // Left of X = 15: nothing, and no line.
    Drag(line, 3, y);
    EXPECT_EQ(Slider("isDelayInA")->Position(), 0);
    EXPECT_EQ(line->Caption(), "");
    Drag(line, 15 + 192, y);
    EXPECT_EQ(Slider("isDelayInA")->Position(), 192 * 65280 / 385);
    Release(line);

    // A press outside the grab zone followed by a move does not drag.
    Press(line, 100, y); // the marker's centre is at 206
    Drag(line, 300, y);
    EXPECT_EQ(Slider("isDelayInA")->Position(), 192 * 65280 / 385);
    EXPECT_EQ(line->Cursor(), crDefault);
    Drag(line, f.Get("imDelayInA")->Left() - 25, y);
    EXPECT_EQ(line->Cursor(), crHandPoint);

    // A line 90 pixels wide or narrower takes no mouse (its drag would divide by zero).
    line->SetWidth(90);
    Press(line, f.Get("imDelayInA")->Left() - 25, y);
    Drag(line, 50, y);
    EXPECT_EQ(Slider("isDelayInA")->Position(), 192 * 65280 / 385);
}

TEST_F(DelayFixture, LinkMemberEditLandsInTheGroupAndFollowsOnPage)
{
    // Outputs 1 and 2 linked, output 1 leading.
    f.host.updating = true;
    f.host.model.SetLinkMask(4, 0x3);
    f.host.model.SetLinkMask(5, 0);
    f.host.updating = false;
    f.sent.clear();
    Slider("isDelayOut2")->SetPosition(960);
    EXPECT_EQ(f.host.model.GetDelay(4), 960);
    EXPECT_EQ(f.host.model.GetDelay(5), 960);
    EXPECT_EQ(f.host.model.GetDelay(6), 0);
    EXPECT_EQ(Slider("isDelayOut1")->Position(), 960);
    EXPECT_EQ(BoxText("cvdDelayOut1"), "10.000 ms");
    EXPECT_EQ(f.Get("imDelayOut1")->Left(), f.Get("imDelayOut2")->Left());
    EXPECT_EQ(f.Codes(kDelay).size(), 1u) << "one command, for the edited channel";
}

TEST_F(DelayFixture, RefreshShowsModelDelaysInItsUnitAndSendsNothing)
{
    ParameterImage img = f.host.model.GetImage();
    img.outputs[7].delay = 65280;
    img.inputs[0].delay = 96;
    img.delayUnit = 2;
    f.host.model.SetImage(img);
    f.sent.clear();
    f.host.updating = true;
    page.Refresh();
    f.host.updating = false;
    EXPECT_TRUE(f.sent.empty());
    EXPECT_TRUE(f.Get<TSkBmpButton>("skbUnit2")->Down());
    EXPECT_FALSE(f.Get<TSkBmpButton>("skbUnit0")->Down());
    EXPECT_EQ(BoxText("cvdDelayOut8"), "766.329 ft");
    EXPECT_EQ(Slider("isDelayInA")->Position(), 96);
    TControl *line = f.Get("lbDelayLineOut8");
    EXPECT_EQ(f.Get("imDelayOut8")->Left(), line->Width() - 50);
    EXPECT_EQ(line->Caption(), QString((line->Width() - 90) / 6, '-'));
}

TEST_F(DelayFixture, StretchPlacesRowsLinesAndMarkers)
{
    Slider("isDelayOut2")->SetPosition(65280);
    ASSERT_TRUE(page.Stretch(0, 0, true, true));
    EXPECT_EQ(f.Get("imDelayOut2")->Top(), 30);
    ASSERT_TRUE(page.Stretch(82, 80, true, true));
    EXPECT_EQ(f.Get("lbDelayLineOut2")->Width(), 41 + 475);
    EXPECT_EQ(f.Get("imDelayOut2")->Left(), 41 + 475 - 50);
    EXPECT_EQ(f.Get("imDelayInD")->Top(), 80 / 5 * 4 + 55 * 3 + 19);
    EXPECT_EQ(f.Get("lbDelayShowOut8")->Top(), 80 / 8 * 8 + 28 * 11 - 104);
}

TEST_F(DelayFixture, PictureShowsMarkersAlongTheirLines)
{
    Slider("isDelayInC")->SetPosition(65280);
    page.DrawDelayLine(2);
    const QImage img = f.Render("skgFftDelay", "skgParamDelay", "delay.png");
    // The speaker of input C stands at the far end of its line, that of input
    // D at home: the cone's light grey is there.
    const TPoint c = f.Get("imDelayInC")->ClientToScreen(TPoint(18, 15));
    const TPoint d = f.Get("imDelayInD")->ClientToScreen(TPoint(18, 15));
    const TPoint origin = f.host.form->ClientToScreen(TPoint(0, 0));
    EXPECT_GT(qGray(img.pixel(c.X - origin.X, c.Y - origin.Y)), 200);
    EXPECT_GT(qGray(img.pixel(d.X - origin.X, d.Y - origin.Y)), 200);
    EXPECT_LT(qGray(img.pixel(c.X - origin.X - 200, c.Y - origin.Y)), 120) << "the old place is dark";
    // The dashed line runs up to the marker: light dashes just left of it.
    const TPoint line = f.Get("lbDelayLineInC")->ClientToScreen(TPoint(0, f.Get("lbDelayLineInC")->Height() / 2));
    int lit = 0;
    for (int x = c.X - 18 - 14; x < c.X - 18; ++x)
        for (int dy = -3; dy <= 3; ++dy)
            lit += qGray(img.pixel(x - origin.X, line.Y - origin.Y + dy)) > 150;
    EXPECT_GE(lit, 3);
}
