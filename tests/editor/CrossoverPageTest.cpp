// The high-pass and low-pass filters of the channel pages: model, commands
// and curves from the slider, the slope list and the bypass button.
#include "CommandClasses.h"
#include "CrossoverPage.h"
#include "EditorCurves.h"
#include "MonotonicClock.h"
#include "PeqPage.h"
#include "PageFixture.h"
#include "Plot.h"
#include "SkBmpButton.h"
#include "SkComboBox.h"
#include "SmTrackBar.h"
#include "TestInput.h"
#include "ValueScales.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <QImage>
#include <QWidget>

namespace {

constexpr uint8_t kHighPass = 0x32, kLowPass = 0x31;

struct CrossoverFixture : ::testing::Test {
    ManualClock clock; // the crossover tick runs on it
    ScopedClock scope{clock};
    PageFixture f;
    CrossoverPage &page = Build();

    CrossoverPage &Build()
    {
        CrossoverPage &p = f.Add<CrossoverPage>();
        f.host.form->Show(); // clicks need a shown window
        QCoreApplication::processEvents();
        return p;
    }

    TSkComboBox *Slope(const QString &Name) { return f.Get<TSkComboBox>(Name); }
    TSkBmpButton *Bypass(const QString &Name) { return f.Get<TSkBmpButton>(Name); }
    // A user's choice from the list: the item, then the list's change event.
    void Choose(const QString &Name, int Item)
    {
        Slope(Name)->SetItemIndex(Item);
        Slope(Name)->OnChange(Slope(Name));
    }
    void Toggle(const QString &Name) { Click(Bypass(Name)->Widget(), QPoint(5, 5)); }
    const PlotFilter &Slot(int Channel, int Slot) { return f.host.Curves().PlotOf(Channel).Filter(Slot); }
    static bool Flat(const PlotFilter &s)
    {
        return std::all_of(std::begin(s.response), std::end(s.response), [](double v) { return v == 0.0; });
    }
    void SetType(int Channel, bool HighPass, int Type)
    {
        CrossoverRecord x = f.host.model.GetCrossover(Channel);
        (HighPass ? x.hpfType : x.lpfType) = uint8_t(Type);
        f.host.updating = true;
        HighPass ? f.host.model.SetHighPass(Channel, x) : f.host.model.SetLowPass(Channel, x);
        f.host.updating = false;
    }
};

} // namespace

TEST_F(CrossoverFixture, ControlsStartAsTheDefaultImage)
{
    EXPECT_EQ(f.Get<TSmTrackBar>("isLowCutFreqInA")->Position(), 0);
    EXPECT_EQ(f.Get<TSmTrackBar>("isHighCutFreqOut8")->Position(), 300);
    EXPECT_EQ(f.Get<TSmTrackBar>("isHighCutFreqOut8")->Max(), 300);
    EXPECT_EQ(f.Get<TRoundedEdit>("cvdLowCutFreqInC")->Text(), "19.7Hz");
    EXPECT_EQ(f.Get<TRoundedEdit>("cvdHighCutFreqOut2")->Text(), "20.16KHz");
    EXPECT_EQ(Slope("skcLowCutSlopOut4")->Count(), 20);
    EXPECT_EQ(Slope("skcLowCutSlopOut4")->ItemIndex(), 19);
    EXPECT_EQ(Slope("skcHighCutSlopInD")->Items()->Strings(9), "LK -24");
    EXPECT_EQ(f.Get("isLowCutFreqOut2")->Tag(), 5);
    EXPECT_EQ(f.Get("isLowCutFreqOut2")->Parent(), f.Get("skgParamOut2"));
    page.ApplyLanguage();
    EXPECT_EQ(f.Get("lbLowCutFreqInB")->Caption(), "SID_HPF");
    EXPECT_EQ(f.Get("lbHighCutFreqOut7")->Caption(), "SID_LPF");
    EXPECT_EQ(f.Get("skbHighCutBypassOut7")->Caption(), "SID_HLP_BYPASS");
}

TEST_F(CrossoverFixture, SliderWritesAndSendsAtOnceAndTheCurveFollowsOnTheTick)
{
    Slope("skcLowCutSlopOut2")->SetItemIndex(7); // BW -24
    f.sent.clear();
    f.Get<TSmTrackBar>("isLowCutFreqOut2")->SetPosition(170);
    EXPECT_EQ(f.Get<TRoundedEdit>("cvdLowCutFreqOut2")->Text(), "1.00KHz");
    ASSERT_EQ(f.sent.size(), 1u);
    EXPECT_EQ(f.sent[0].code, kHighPass);
    EXPECT_EQ(f.sent[0].payload, CM_MCS_HIGH_PASS(1, 5, 170, 8).GetData());
    EXPECT_EQ(f.host.model.GetCrossover(5).hpfFreq, 170);
    EXPECT_EQ(f.host.model.GetCrossover(5).hpfType, 8);
    EXPECT_TRUE(Flat(Slot(5, Plot::kHighPassSlot))) << "the curve waits for the tick";

    clock.Advance(1);
    EXPECT_DOUBLE_EQ(Slot(5, Plot::kHighPassSlot).freqHz, double(float(IndexToFreq(170))));
    EXPECT_NEAR(Slot(5, Plot::kHighPassSlot).response[2625], -3.0, 0.1); // BW corner
    EXPECT_EQ(Slot(5, Plot::kSumSlot).response[1500], Slot(5, Plot::kHighPassSlot).response[1500]);

    f.sent.clear();
    f.Get<TSmTrackBar>("isHighCutFreqInC")->SetPosition(100);
    EXPECT_EQ(f.Get<TRoundedEdit>("cvdHighCutFreqInC")->Text(), " 198.4Hz");
    ASSERT_EQ(f.sent.size(), 1u);
    EXPECT_EQ(f.sent[0].payload, CM_MCS_LOW_PASS(1, 2, 100, 20).GetData()) << "the type the controls show";
}

TEST_F(CrossoverFixture, BypassButtonSendsTypeZeroAndItsReleaseTheListsType)
{
    SetType(1, false, 20);
    Bypass("skbHighCutBypassInB")->SetDown(false);
    f.sent.clear();
    Toggle("skbHighCutBypassInB");
    EXPECT_TRUE(Bypass("skbHighCutBypassInB")->Down());
    ASSERT_EQ(f.Codes(kLowPass).size(), 1u);
    EXPECT_EQ(f.Codes(kLowPass)[0].payload, CM_MCS_LOW_PASS(1, 1, 300, 0).GetData());
    EXPECT_TRUE(Flat(Slot(1, Plot::kLowPassSlot))) << "built at once, no tick";

    Toggle("skbHighCutBypassInB");
    ASSERT_EQ(f.Codes(kLowPass).size(), 2u);
    EXPECT_EQ(f.Codes(kLowPass)[1].payload, CM_MCS_LOW_PASS(1, 1, 300, 20).GetData());
    EXPECT_EQ(f.host.model.GetCrossover(1).lpfType, 20);
    EXPECT_LT(Slot(1, Plot::kLowPassSlot).response[4095], -6.0);
}

TEST_F(CrossoverFixture, SlopeWhileBypassedKeepsTypeZeroAndAFlatFilter)
{
    Bypass("skbLowCutBypassInA")->SetDown(true);
    f.Get<TSmTrackBar>("isLowCutFreqInA")->SetPosition(170);
    clock.Advance(1);
    f.sent.clear();
    Choose("skcLowCutSlopInA", 9); // LK -24
    EXPECT_EQ(Slope("skcLowCutSlopInA")->Text(), "LK -24");
    EXPECT_EQ(f.host.model.GetCrossover(0).hpfType, 0);
    ASSERT_EQ(f.sent.size(), 1u);
    EXPECT_EQ(f.sent[0].payload, CM_MCS_HIGH_PASS(1, 0, 170, 0).GetData());
    EXPECT_TRUE(Flat(Slot(0, Plot::kHighPassSlot)));

    // Released, the filter takes the list's slope: two cascaded sections.
    Toggle("skbLowCutBypassInA");
    EXPECT_EQ(f.host.model.GetCrossover(0).hpfType, 10);
    EXPECT_NEAR(Slot(0, Plot::kHighPassSlot).response[2625], -6.02, 0.1);
    EXPECT_EQ(Slot(0, 35).sectionA, 1.4142f);
    EXPECT_TRUE(Flat(Slot(0, 36)));
}

TEST_F(CrossoverFixture, TypedSlopeTextAndTheWheelChangeNothing)
{
    SetType(6, false, 18); // BW -48 on output 3
    Bypass("skbHighCutBypassOut3")->SetDown(false);
    Slope("skcHighCutSlopOut3")->SetItemIndex(17);
    f.Get<TSmTrackBar>("isHighCutFreqOut3")->SetPosition(200);
    clock.Advance(1);
    const double before = Slot(6, Plot::kLowPassSlot).response[3000];
    f.sent.clear();

    // Typed text: the list has no item (-1).
    Slope("skcHighCutSlopOut3")->SetItemIndex(-1);
    Slope("skcHighCutSlopOut3")->SetText("BW -99");
    Slope("skcHighCutSlopOut3")->OnChange(Slope("skcHighCutSlopOut3"));
    EXPECT_TRUE(f.sent.empty());
    EXPECT_EQ(f.host.model.GetCrossover(6).lpfType, 18);
    EXPECT_EQ(Slot(6, Plot::kLowPassSlot).response[3000], before);

    // A slider move meanwhile keeps the stored slope.
    f.Get<TSmTrackBar>("isHighCutFreqOut3")->SetPosition(201);
    ASSERT_EQ(f.sent.size(), 1u);
    EXPECT_EQ(f.sent[0].payload, CM_MCS_LOW_PASS(1, 6, 201, 18).GetData());

    // Bypass and release with no slope in the list: it stays bypassed.
    Toggle("skbHighCutBypassOut3");
    EXPECT_EQ(f.host.model.GetCrossover(6).lpfType, 0);
    Toggle("skbHighCutBypassOut3");
    EXPECT_TRUE(Bypass("skbHighCutBypassOut3")->Down());
    EXPECT_EQ(f.host.model.GetCrossover(6).lpfType, 0);
    EXPECT_EQ(f.sent.size(), 2u);

    // The wheel over a list never moves its item.
    Slope("skcLowCutSlopOut3")->SetItemIndex(5);
    const ParameterImage now = f.host.model.GetImage();
    Wheel(Slope("skcLowCutSlopOut3")->Widget(), QPoint(20, 10), -120);
    Wheel(Slope("skcLowCutSlopOut3")->Widget(), QPoint(20, 10), 120);
    Wheel(Slope("skcLowCutSlopOut3")->Widget(), QPoint(20, 10), 120);
    EXPECT_EQ(Slope("skcLowCutSlopOut3")->ItemIndex(), 5);
    EXPECT_EQ(memcmp(&now, &f.host.model.GetImage(), sizeof now), 0);
}

TEST_F(CrossoverFixture, UpdatingControlsSkipsTheModelButListAndButtonStillDrawTheCurve)
{
    f.host.updating = true;
    f.Get<TSmTrackBar>("isLowCutFreqOut5")->SetPosition(170);
    EXPECT_EQ(f.Get<TRoundedEdit>("cvdLowCutFreqOut5")->Text(), "19.7Hz") << "the slider handler returns at once";
    Choose("skcLowCutSlopOut5", 0); // BW -6
    EXPECT_EQ(f.host.model.GetCrossover(8).hpfType, 0);
    EXPECT_EQ(Slot(8, Plot::kHighPassSlot).code, 14);
    EXPECT_DOUBLE_EQ(Slot(8, Plot::kHighPassSlot).freqHz, double(float(IndexToFreq(170))));
    EXPECT_TRUE(f.sent.empty());
    EXPECT_FALSE(f.host.Curves().HpLpTimer()->Enabled());
}

TEST_F(CrossoverFixture, LinkedInputsTakeTheSlopeAndOnlyTheEditedCurveIsRedrawn)
{
    ParameterImage img = f.host.model.GetImage();
    img.inputs[0].linkMask = 0x3; // A leads A and B
    img.inputs[1].linkMask = 0;
    f.host.model.SetImage(img);
    f.sent.clear();
    Choose("skcHighCutSlopInA", 2); // BW -12
    Toggle("skbHighCutBypassInA");  // down: bypass
    Toggle("skbHighCutBypassInA");  // up: BW -12
    EXPECT_EQ(f.host.model.GetCrossover(0).lpfType, 3);
    EXPECT_EQ(f.host.model.GetCrossover(1).lpfType, 3);
    EXPECT_EQ(f.Codes(kLowPass).size(), 3u);
    for (const auto &s : f.Codes(kLowPass))
        EXPECT_EQ(s.payload[0], 0) << "one command, for the edited input";
    EXPECT_EQ(Slot(0, Plot::kLowPassSlot).code, 12);
    EXPECT_TRUE(Flat(Slot(1, Plot::kLowPassSlot)));
}

TEST(CrossoverLayout, FilterColumnsSitBesideTheEqualiserInsideEveryChannelFrame)
{
    PageFixture f;
    f.Add<PeqPage>().ApplyLanguage();
    f.Add<CrossoverPage>().ApplyLanguage();
    for (int ch = 0; ch < 12; ++ch) {
        auto *frame = f.Get<TWinControl>(PageNames::SideName("skgParam", ch));
        for (int i = 0; i < frame->ControlCount(); ++i) {
            const TRect a = frame->Controls(i)->BoundsRect();
            EXPECT_TRUE(a.Left >= 0 && a.Top >= 0 && a.Right <= frame->Width() && a.Bottom <= frame->Height())
                << frame->Controls(i)->Name().toStdString();
            for (int j = i + 1; j < frame->ControlCount(); ++j) {
                const TRect b = frame->Controls(j)->BoundsRect();
                const bool apart = a.Right <= b.Left || b.Right <= a.Left || a.Bottom <= b.Top || b.Bottom <= a.Top;
                EXPECT_TRUE(apart) << frame->Controls(i)->Name().toStdString() << " overlaps "
                                   << frame->Controls(j)->Name().toStdString();
            }
        }
    }
    // A look at output 3's page when asked for.
    if (const char *out = std::getenv("TQ62_CROSSOVER_PNG")) {
        f.Get("skgFftOut3")->BringToFront();
        f.Get("skgParamOut3")->BringToFront();
        f.host.form->Show();
        QCoreApplication::processEvents();
        f.host.form->Widget()->grab().toImage().save(out);
    }
}
