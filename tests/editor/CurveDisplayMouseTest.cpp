// Dragging handles on the response displays: limits, grab order, buttons,
// hover tolerance, displays without a plot area, and the overlays.
#include "CommandClasses.h"
#include "CrossoverPage.h"
#include "FrequencyGrid.h"
#include "CurveDisplayMouse.h"
#include "LMyFFTDrawHpLp6dB.h"
#include "LdPowerButton.h"
#include "PeqFixture.h"
#include "Plot.h"
#include "RadioButton.h"
#include "Screen.h"
#include "SkBmpButton.h"
#include "ValueScales.h"

#include <cmath>
#include <cstring>

namespace {

struct DragFixture : PeqFixture {
    LMyFFTDrawHpLp6dB *Display(int ch) { return host.Curves().Display(ch); }
    // Where the display put its plot page.
    TRect PlotArea(int ch) { return Display(ch)->PlotPage()->Dest(); }
    // Handle i's centre in display pixels.
    TPoint Handle(int ch, int i)
    {
        const TPoint p = Display(ch)->GetBlockPos(i);
        return TPoint(PlotArea(ch).Left + p.X, PlotArea(ch).Top + p.Y);
    }
    void Down(int ch, TPoint p, TMouseButton b = mbLeft) { page.Mouse().MouseDown(Display(ch), b, p.X, p.Y); }
    void Move(int ch, int x, int y) { page.Mouse().MouseMove(Display(ch), x, y); }
    void Up(int ch) { page.Mouse().MouseUp(Display(ch)); }
    int Grabbed() { return host.Curves().dragBlock; }
};

TEST_F(DragFixture, BandDragClampsGainAndFrequencyAndSendsEveryStep)
{
    ASSERT_GT(Display(4)->GetPlotWidth(), 0);
    const TPoint h = Handle(4, 0);
    Down(4, h);
    ASSERT_EQ(Grabbed(), 0);
    const int w = Display(4)->GetPlotWidth(), ht = Display(4)->GetPlotHeight();
    const struct {
        int x, y;
        double gainDb;
        int freqIndex;
    } steps[] = {
        {h.X, PlotArea(4).Top, 12.0, -1},       // the top is +12, not +18
        {h.X, PlotArea(4).Top + ht, -12.0, -1}, // the bottom -12
        {0, h.Y, NAN, 0},                   // far left: 19.7 Hz
        {PlotArea(4).Left + w + 50, h.Y, NAN, 300}, // far right: 20160 Hz
    };
    size_t commands = 0;
    const QString shown = Box("cvdEqFreq", 4);
    for (const auto &s : steps) {
        Move(4, s.x, s.y);
        if (!std::isnan(s.gainDb)) {
            EXPECT_NEAR(Table(4)->GetGainValue(0), s.gainDb, 1e-9);
            EXPECT_EQ(host.model.GetPeqBand(4, 0).gainIndex, GainToIndex(s.gainDb));
        }
        if (s.freqIndex >= 0) {
            EXPECT_EQ(host.model.GetPeqBand(4, 0).freqIndex, s.freqIndex);
        }
        EXPECT_EQ(Codes(CM_MCS_PEQ::kCode).size(), ++commands);
    }
    EXPECT_EQ(Box("cvdEqFreq", 4), shown); // the tick shows the values
    clock.Advance(1);
    EXPECT_EQ(Box("cvdEqFreq", 4), "20.16KHz");
    EXPECT_NEAR(host.Curves().PlotOf(4).Filter(0).freqHz, 20160.0, 2.0);
    Up(4);
    EXPECT_EQ(Grabbed(), -1);
    // The table commits again once the grab is over.
    Table(4)->SetGainValue(0, 1.0);
    EXPECT_EQ(host.model.GetPeqBand(4, 0).gainIndex, 130);
}

TEST_F(DragFixture, FilterHandlesWinOverBandsAndTheRightButtonGrabsNothing)
{
    Get<TSkBmpButton>("skbEq4Out1")->Click();
    CrossoverRecord x = host.model.GetCrossover(4);
    x.lpfFreq = x.hpfFreq = host.model.GetPeqBand(4, 3).freqIndex; // under band 4's handle
    x.lpfType = x.hpfType = 8;
    host.model.SetHighPass(4, x);
    host.Curves().UpdateHighPassCurve(4);
    const TPoint band = Handle(4, 3);
    Down(4, band, mbRight);
    EXPECT_EQ(Grabbed(), -1);
    Down(4, band);
    EXPECT_EQ(Grabbed(), Plot::kHighPassSlot);
    host.model.SetLowPass(4, x);
    host.Curves().UpdateLowPassCurve(4);
    Down(4, band);
    EXPECT_EQ(Grabbed(), Plot::kLowPassSlot);
    EXPECT_EQ(Table(4)->GetNowIndex(), 3); // the band selection is left alone
}

TEST_F(DragFixture, HoverIsNarrowerThanAClickAt96Dpi)
{
    Screen->SetPixelsPerInchForTest(96);
    const TPoint h = Handle(4, 0);
    Move(4, h.X, h.Y);
    EXPECT_EQ(Display(4)->Cursor(), crCross);
    Move(4, h.X + 4, h.Y);
    EXPECT_EQ(Display(4)->Cursor(), crDefault);
    Down(4, TPoint(h.X + 4, h.Y));
    EXPECT_EQ(Grabbed(), 0);
    Screen->SetPixelsPerInchForTest(0);
    // The overviews hold no handles and keep their cursor.
    auto *overview = host.Curves().Display(EditorCurves::kGainOut);
    overview->SetCursor(crArrow);
    page.Mouse().MouseMove(overview, h.X, h.Y);
    page.Mouse().MouseDown(overview, mbLeft, h.X, h.Y);
    EXPECT_EQ(overview->Cursor(), crArrow);
    EXPECT_EQ(Grabbed(), -1);
}

TEST_F(DragFixture, ADisplayWithoutPlotAreaTakesNoMouseHandling)
{
    Display(5)->SetBounds(0, 0, 0, 0);
    ASSERT_EQ(Display(5)->Width(), 0);
    Down(5, TPoint(42, 7));
    Move(5, 50, 20);
    EXPECT_EQ(Grabbed(), -1);
    EXPECT_TRUE(sent.empty());
}

TEST_F(DragFixture, OverlaysCopyStaleCurvesAndToggleTheirDrawing)
{
    EditorCurves &c = host.Curves();
    c.overlayStale.fill(0);
    Table(1)->SetGainValue(0, 6.0); // input B's EQ
    for (int d : {0, 1, 2, 3, int(EditorCurves::kGainIn)})
        EXPECT_EQ(c.overlayStale[size_t(d)], 1 << 1) << d;
    EXPECT_EQ(c.overlayStale[4], 0);
    auto *toggle = Get<TLdPowerButton>("ldbShowBInA");
    toggle->SetActive(true);
    c.RefreshChannelOverlays(0);
    EXPECT_EQ(c.overlayStale[0], 0);
    EXPECT_EQ(0, std::memcmp(c.PlotOf(0).Filter(40).response, c.PlotOf(1).Filter(Plot::kSumSlot).response,
                             sizeof(double) * kGridPoints));
    int n = 0;
    EXPECT_TRUE(Display(0)->GetPlotNumPoints(n, 40));
    toggle->SetActive(false);
    toggle->OnClick(toggle);
    EXPECT_FALSE(Display(0)->GetPlotNumPoints(n, 40));
    // Outputs: output 3's curve goes to slot 39 + 2 of output 1's display.
    Table(6)->SetGainValue(0, 2.0);
    for (int d = 4; d < 12; ++d)
        EXPECT_TRUE(c.overlayStale[size_t(d)] & 1 << 6) << d;
    Get<TLdPowerButton>("ldbShow3Out1")->SetActive(true);
    c.RefreshChannelOverlays(4);
    EXPECT_EQ(0, std::memcmp(c.PlotOf(4).Filter(41).response, c.PlotOf(6).Filter(Plot::kSumSlot).response,
                             sizeof(double) * kGridPoints));
    EXPECT_TRUE(Display(4)->GetPlotNumPoints(n, 41));
    // An overview toggle that is off leaves its bit set.
    Table(8)->SetGainValue(0, 3.0); // output 5
    c.RefreshGainOverlays();
    EXPECT_TRUE(c.overlayStale[EditorCurves::kGainOut] & 1 << 8);
    auto *five = Get<TLdPowerButton>("ldbShow5Gain");
    five->SetActive(true);
    five->OnClick(five);
    EXPECT_FALSE(c.overlayStale[EditorCurves::kGainOut] & 1 << 8);
    // Page numbers that are not channels have no overlays.
    const auto before = c.overlayStale;
    c.RefreshChannelOverlays(14);
    EXPECT_EQ(c.overlayStale, before);
}

TEST_F(DragFixture, PhaseSwitchRebuildsInPhaseAndBackRestoresTheAxis)
{
    Table(0)->SetGainValue(0, 6.0);
    auto *phase = Get<TRadioButton>("rbShowPhaseInA");
    auto *mag = Get<TRadioButton>("rbShowGainInA");
    phase->OnClick(phase);
    EXPECT_EQ(host.Curves().PlotOf(0).GetPhaseMode(), 1);
    EXPECT_EQ(host.Curves().PlotOf(0).Filter(Plot::kSumSlot).phaseMode, 1);
    EXPECT_EQ(Display(0)->NumHorzGrid(), 7);
    EXPECT_EQ(Display(0)->YLabelScale(), 10.0);
    EXPECT_TRUE(Display(0)->YLabel().isEmpty());
    mag->OnClick(mag);
    EXPECT_EQ(Display(0)->NumHorzGrid(), 11);
    EXPECT_EQ(Display(0)->YLabel(), "dB");
    EXPECT_EQ(Display(0)->YLabelScale(), 1.0);
}

} // namespace

namespace {

// The high-pass handle dragged with the crossover page present.
struct FilterDragFixture : DragFixture {
    FilterDragFixture()
    {
        Add<CrossoverPage>().ApplyLanguage();
        Refresh();
        sent.clear();
    }
};

TEST_F(FilterDragFixture, HighPassDragMovesItsSliderCommitsAndReleasesTheBand)
{
    const TPoint h = Handle(4, Plot::kHighPassSlot);
    Down(4, h);
    ASSERT_EQ(Grabbed(), Plot::kHighPassSlot);
    const int x = PlotArea(4).Left + int(Display(4)->ScreenX(GridPosition(IndexToFreq(170))));
    Move(4, x, h.Y);
    EXPECT_EQ(Slider("isLowCutFreq", 4)->Position(), 170);
    EXPECT_EQ(host.model.GetCrossover(4).hpfFreq, 170);
    EXPECT_EQ(Box("cvdLowCutFreq", 4), "1.00KHz");
    const auto hp = Codes(CM_MCS_HIGH_PASS::kCode);
    ASSERT_EQ(hp.size(), 1u);
    EXPECT_EQ(hp.back().payload[0], 4);
    EXPECT_EQ(Table(4)->GetNowIndex(), 0); // kept, only the highlight goes
    EXPECT_EQ(Get<TRoundedEdit>("cvdLowCutFreqOut1")->Font()->Color(), clGreen);
    clock.Advance(1);
    EXPECT_NEAR(host.Curves().PlotOf(4).Filter(Plot::kHighPassSlot).freqHz, IndexToFreq(170), 0.01);
    Up(4);
    EXPECT_EQ(Get<TRoundedEdit>("cvdLowCutFreqOut1")->Font()->Color(), clBlack);
    EXPECT_EQ(Grabbed(), -1);
}

// A slider already where the drag puts the filter (a link member's page shows
// the group's values only after a refresh) raises nothing: the drag step
// still sends the value, once.
TEST_F(FilterDragFixture, AStepOntoTheSlidersOwnPositionStillSendsOnce)
{
    host.SetUpdatingControls(true);
    Slider("isLowCutFreq", 4)->SetPosition(170);
    host.SetUpdatingControls(false);
    ASSERT_EQ(host.model.GetCrossover(4).hpfFreq, 0);
    const TPoint h = Handle(4, Plot::kHighPassSlot);
    Down(4, h);
    Move(4, PlotArea(4).Left + int(Display(4)->ScreenX(GridPosition(IndexToFreq(170)))), h.Y);
    EXPECT_EQ(host.model.GetCrossover(4).hpfFreq, 170);
    const auto hp = Codes(CM_MCS_HIGH_PASS::kCode);
    ASSERT_EQ(hp.size(), 1u);
    EXPECT_EQ(hp[0].payload[1] | hp[0].payload[2] << 8, 170);
    clock.Advance(1);
    EXPECT_NEAR(host.Curves().PlotOf(4).Filter(Plot::kHighPassSlot).freqHz, IndexToFreq(170), 0.01);
    Up(4);
}

} // namespace
