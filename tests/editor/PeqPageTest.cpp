// The parametric EQ page: band selection, the commit rules, the sliders and
// their tick, key stepping, EQ bypass, reset and the cleared selection.
#include "CommandClasses.h"
#include "CurveBuilder.h"
#include "Edit.h"
#include "LMyFFTDrawHpLp6dB.h"
#include "LdDemoButton.h"
#include "MonotonicClock.h"
#include "MyPEQType8.h"
#include "PeqFixture.h"
#include "PeqPage.h"
#include "Plot.h"
#include "SkBmpButton.h"
#include "SkButton.h"
#include "SmTrackBar.h"
#include "Timer.h"
#include "ValueScales.h"

#include <gtest/gtest.h>

namespace {

constexpr uint8_t kPeq = CM_MCS_PEQ::kCode;

TEST_F(PeqFixture, RefreshSelectsBandOneAndShowsItsValues)
{
    EXPECT_EQ(Table(4)->GetNowIndex(), 0);
    EXPECT_TRUE(Get<TSkBmpButton>("skbEq1Out1")->Down());
    EXPECT_EQ(Slider("isEqFreq", 4)->Position(), 31);
    EXPECT_EQ(Slider("isEqBw", 4)->Position(), 35);
    EXPECT_EQ(Slider("isEqGain", 4)->Position(), 120);
    EXPECT_EQ(Box("cvdEqBw", 4), "3.00");
    EXPECT_EQ(Table(0)->GetChannelNumber(), 8);
    EXPECT_EQ(Table(11)->GetChannelNumber(), 9);
    EXPECT_TRUE(sent.empty()); // a refresh sends nothing
}

// A table makes no rows before it is on screen (the pages are filled while
// hidden); then it makes the rows of its own bands only, the bypass buttons
// in the page's colour: rows that the table's default count or the cleared
// selection would make are never shown and cost a row of controls each.
TEST_F(PeqFixture, TablesMakeTheRowsOfTheirBandsOnly)
{
    for (int ch = 0; ch < 12; ++ch)
        EXPECT_EQ(Table(ch)->MadeRows(), 0) << ch;
    host.form->Show();
    for (int ch = 0; ch < 12; ++ch) {
        TMyPEQType8 *table = Table(ch);
        int edits = 0, buttons = 0;
        for (int i = 0; i < table->ComponentCount(); ++i) {
            edits += dynamic_cast<TEdit *>(table->Components(i)) != nullptr;
            if (auto *b = dynamic_cast<TSkButton *>(table->Components(i))) {
                ++buttons;
                EXPECT_EQ(b->Color(), clSilver) << ch;
            }
        }
        EXPECT_EQ(edits, 3 * table->GetChannelNumber()) << ch;
        EXPECT_EQ(buttons, table->GetChannelNumber()) << ch;
    }
}

TEST_F(PeqFixture, TypeChangeSetsItsQAndCommitsTwice)
{
    TMyPEQType8 *t = Table(4);
    t->SetTypeValue(0, 1); // Low Shelf
    auto peq = Codes(kPeq);
    ASSERT_EQ(peq.size(), 2u);
    EXPECT_EQ(host.model.GetPeqBand(4, 0).qIndex, 10);
    EXPECT_EQ(host.model.GetPeqBand(4, 0).type, 1);
    EXPECT_FLOAT_EQ(float(t->GetQValue(0)), 0.71f);
    EXPECT_EQ(Box("cvdEqBw", 4), "0.71");
    sent.clear();
    t->SetTypeValue(0, 0); // back to Peak: the default band's Q
    EXPECT_EQ(host.model.GetPeqBand(4, 0).qIndex, 35);
    EXPECT_EQ(Codes(kPeq).size(), 2u);
    // The drawn band is the committed one.
    EXPECT_EQ(host.Curves().PlotOf(4).Filter(0).code, PeqTypeFilterCode(0));
}

TEST_F(PeqFixture, FrequencySliderShowsAtOnceAndCommitsOnTheTick)
{
    Get<TSkBmpButton>("skbEq1InB")->Click();
    Slider("isEqFreq", 1)->SetPosition(160);
    Slider("isEqFreq", 1)->SetPosition(170);
    EXPECT_EQ(Box("cvdEqFreq", 1), "1.00KHz");
    EXPECT_TRUE(sent.empty());
    clock.Advance(1);
    auto peq = Codes(kPeq);
    ASSERT_EQ(peq.size(), 1u); // only the last move of the run
    EXPECT_EQ(peq[0].payload[0], 1);
    EXPECT_EQ(peq[0].payload[1], 0);
    EXPECT_EQ(peq[0].payload[4] | peq[0].payload[5] << 8, 170);
    EXPECT_FALSE(peq[0].append);
    EXPECT_EQ(host.model.GetPeqBand(1, 0).freqIndex, 170);
    EXPECT_DOUBLE_EQ(host.Curves().PlotOf(1).Filter(0).freqHz, IndexToFreq(170));
}

TEST_F(PeqFixture, GainTextsAndShelfQLimit)
{
    Slider("isEqGain", 4)->SetPosition(117);
    EXPECT_EQ(Box("cvdEqGain", 4), "-0.3dB");
    Slider("isEqGain", 4)->SetPosition(120);
    EXPECT_EQ(Box("cvdEqGain", 4), "+0.0dB");
    clock.Advance(1);
    Table(4)->SetTypeValue(0, 2); // High Shelf
    Slider("isEqBw", 4)->SetPosition(60);
    EXPECT_EQ(Slider("isEqBw", 4)->Position(), 35);
    EXPECT_EQ(Box("cvdEqBw", 4), "3.00");
}

TEST_F(PeqFixture, ArrowKeysStepTheSlidersAndEachTickCommits)
{
    auto *box = Get<TRoundedEdit>("cvdEqFreqOut2");
    const int start = Slider("isEqFreq", 5)->Position();
    for (int i = 0; i < 3; ++i) {
        Word key = 39; // right arrow
        box->OnKeyDown(box, key, {});
        clock.Advance(1);
    }
    EXPECT_EQ(Slider("isEqFreq", 5)->Position(), start + 3);
    EXPECT_EQ(Codes(kPeq).size(), 3u);
    Word up = 38, plus = 187, other = 65;
    box->OnKeyDown(box, up, {});
    box->OnKeyDown(box, plus, {});
    box->OnKeyDown(box, other, {});
    EXPECT_EQ(Slider("isEqGain", 5)->Position(), 121);
    EXPECT_EQ(Slider("isEqBw", 5)->Position(), 36);
}

// Pixels of the bypass text's colour where the text goes (the upper middle).
int BypassInk(LMyFFTDrawHpLp6dB *d)
{
    const QImage img = d->PaintToImage();
    const TColor face = ColorToRGB(clBtnFace);
    const QRgb rgb = qRgb(face & 0xFF, (face >> 8) & 0xFF, (face >> 16) & 0xFF);
    int n = 0;
    for (int y = d->Height() / 4; y < d->Height() / 4 + 60 && y < img.height(); ++y)
        for (int x = d->Width() / 3; x < d->Width() / 3 + 300 && x < img.width(); ++x)
            n += (img.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
    return n;
}

TEST_F(PeqFixture, EqBypassSetsTheGroupsBitsDrawsOnItsDisplayAndSendsOnce)
{
    host.model.SetLinkMask(6, 0x0C); // outputs 3 and 4 linked
    host.model.SetLinkMask(7, 0);
    sent.clear();
    const int before = BypassInk(host.Curves().Display(6));
    auto *button = Get<TLdDemoButton>("ldbEqBypassOut3");
    button->OnClick(button);
    EXPECT_EQ(host.model.GetEqBypassMask(6), 0x0C);
    auto cmd = Codes(60);
    ASSERT_EQ(cmd.size(), 1u);
    EXPECT_EQ(cmd[0].payload, (ByteVector{6, 1}));
    EXPECT_GT(BypassInk(host.Curves().Display(6)), before + 200);
    EXPECT_LT(BypassInk(host.Curves().Display(7)), before + 20); // on output 3 only
    button->OnClick(button);
    EXPECT_EQ(host.model.GetEqBypassMask(6), 0);
    EXPECT_EQ(Codes(60).back().payload, (ByteVector{6, 0}));
    EXPECT_LT(BypassInk(host.Curves().Display(6)), before + 20);
}

TEST_F(PeqFixture, ResetPutsTheDefaultsEverywhereWithBandOneSelected)
{
    Table(4)->SetGainValue(0, 6.0);
    Table(4)->SetNowIndex(4);
    Table(4)->SetTypeValue(4, 3);
    sent.clear();
    auto *reset = Get<TLdDemoButton>("ldbEqResetOut1");
    reset->OnClick(reset);
    EXPECT_EQ(host.eqResetTargets, (std::vector<int>{4}));
    page.ResetPeq(4);
    const int freq[] = {31, 63, 95, 127, 158, 190, 222, 253, 285};
    for (int b = 0; b < 9; ++b) {
        const PeqBand m = host.model.GetPeqBand(4, b);
        EXPECT_EQ(m.gainIndex, 120);
        EXPECT_EQ(m.qIndex, 35);
        EXPECT_EQ(m.type, 0);
        EXPECT_EQ(m.freqIndex, freq[b]);
        EXPECT_EQ(Table(4)->FreqPosition(b) + 170, freq[b]);
    }
    EXPECT_EQ(Table(4)->GetNowIndex(), 0);
    int appended = 0;
    for (const Sent &s : Codes(kPeq))
        appended += s.append;
    EXPECT_EQ(appended, 9);
}

TEST_F(PeqFixture, ClearedSelectionDisablesTheSlidersAtTheirNeutralValues)
{
    page.ClearPeqBandSelection();
    for (int ch : {0, 4, 11}) {
        EXPECT_FALSE(Slider("isEqFreq", ch)->Enabled());
        EXPECT_EQ(Slider("isEqFreq", ch)->Position(), 0);
        EXPECT_EQ(Slider("isEqGain", ch)->Position(), 120);
        EXPECT_EQ(Slider("isEqBw", ch)->Position(), 0);
        EXPECT_EQ(Box("cvdEqFreq", ch), " 19.7Hz");
        EXPECT_EQ(Box("cvdEqGain", ch), "+0.0dB");
        EXPECT_EQ(Box("cvdEqBw", ch), "0.40");
    }
    // A slider edit now lands in the hidden row 15 and commits nothing.
    Slider("isEqGain", 4)->SetEnabled(true);
    Slider("isEqGain", 4)->SetPosition(200);
    clock.Advance(1);
    EXPECT_TRUE(Codes(kPeq).empty());
}

TEST_F(PeqFixture, UnknownTypeFromTheModelIsShownAsBypassAndDrawnFlat)
{
    ParameterImage img = host.model.GetImage();
    img.outputs[0].peq[2].type = 12;
    img.outputs[0].peq[2].gainIndex = 240;
    host.model.SetImage(img);
    Refresh();
    EXPECT_TRUE(Table(4)->GetBypassValue(2));
    EXPECT_EQ(host.Curves().PlotOf(4).Filter(2).code, 10);
    EXPECT_TRUE(sent.empty());
}

} // namespace
