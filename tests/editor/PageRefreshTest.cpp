#include "PageRefresh.h"

#include "FakePageHost.h"
#include "LMyFFTDrawHpLp6dB.h"
#include "MainLayout.h"
#include "PageFixtures.h"
#include "PlotSeries.h"
#include "gXYPlot.h"
#include "UpdatingScope.h"
#include "DynamicsText.h"
#include "ValueTexts.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

namespace F = PageFixtures;

struct TextCase {
    const char *what;
    QString (*text)(int);
    int position;
    const char *shown;
};

TEST(ValueTexts, ShowStoredValuesInThePagesForms)
{
    const TextCase cases[] = {
        {"gain word 0", MixText, 0 - 280, "-60.0dB"},
        {"gain word 80", MixText, 80 - 280, "-20.0dB"},
        {"gain word 280", MixText, 280 - 280, "+0.0dB"},
        {"gain word 400", MixText, 400 - 280, "+12.0dB"},
        {"geq 0", ValueTexts::Geq, 0, "-12.0"},
        {"geq 120", ValueTexts::Geq, 120, "+0.0"},
        {"geq 240", ValueTexts::Geq, 240, "+12.0"},
        {"threshold word 0", ThresholdText, 0 - 180, "-90.0dB"},
        {"threshold word 180", ThresholdText, 180 - 180, "+0.0dB"},
        {"threshold word 220", ThresholdText, 220 - 180, "+20.0dB"},
        {"gate attack 0", MsText, 0, "1ms"},
        {"compressor attack 0", PaddedMsText, 0, "  1ms"},
        {"knee 12", KneeText, 12, "12dB"},
        {"ratio 0", RatioText, 0, "1:1.0"},
        {"ratio 14", RatioText, 14, "1:20"},
        {"ratio 15", RatioText, 15, "Limit"},
        {"ratio past the table", RatioText, 40, "Limit"},
        {"ratio below the table", RatioText, -2, "1:1.0"},
        {"frequency 0", ValueTexts::Frequency, 0, "19.7Hz"},
        {"frequency 170", ValueTexts::Frequency, 170, "1.00KHz"},
        {"frequency 300", ValueTexts::Frequency, 300, "20.16KHz"},
        {"preset 0", ValueTexts::PresetNumber, 0, "F00"},
        {"preset 7", ValueTexts::PresetNumber, 7, "U07"},
        {"preset 20", ValueTexts::PresetNumber, 20, "U20"},
    };
    for (const TextCase &c : cases)
        EXPECT_EQ(c.text(c.position), QString(c.shown)) << c.what;
}

TEST(ValueTexts, NamesEndAtTheirFirstNulOrTheirSize)
{
    const uint8_t eight[8] = {'S', 'u', 'b', 'w', 'o', 'o', 'f', 'r'};
    const uint8_t shortName[8] = {'K', 'i', 'c', 'k', 0, 'x', 'x', 'x'};
    EXPECT_EQ(ValueTexts::Name(eight, 8), "Subwoofr");
    EXPECT_EQ(ValueTexts::Name(shortName, 8), "Kick");
}

TEST(UpdatingScope, LowersTheFlagOnEveryWayOut)
{
    FakePageHost host;
    host.updating = true; // raised by a caller before: still lowered afterwards
    try {
        UpdatingScope scope(host);
        EXPECT_TRUE(host.updating);
        throw std::runtime_error("a step stops early");
    } catch (const std::runtime_error &) {
    }
    EXPECT_FALSE(host.updating);
    {
        UpdatingScope scope(host);
        scope.End();
        EXPECT_FALSE(host.updating);
        host.updating = true; // raised again by someone else: End ran once only
    }
    EXPECT_TRUE(host.updating);
}

// The window's frames, the plots, and the named controls of input A and
// output 1 as the pages make them.
class PageRefreshTest : public testing::Test {
protected:
    void SetUp() override
    {
        MainLayout::Build(host, host.form);
        for (const char *side : {"InA", "Out1"}) {
            const QString s = QString::fromLatin1(side);
            F::Slider(host, "isGain" + s, -280, 120);
            F::Slider(host, "isGainBackup" + s, -280, 120);
            F::Box(host, "cvdGain" + s);
            F::Box(host, "cvdGainBackup" + s);
            F::Slider(host, "isLowCutFreq" + s, 0, 300);
            F::Box(host, "cvdLowCutFreq" + s);
            F::Combo(host, "skcLowCutSlop" + s, 20);
            F::Button(host, "skbLowCutBypass" + s);
            F::Button(host, "skbPhase" + s);
            F::Button(host, "skbMute" + s);
            F::Label(host, "lbMatrixChName" + s);
        }
        F::Slider(host, "isGateThresholdInA", -180, 0);
        F::Box(host, "cvdGateThresholdInA");
        F::Slider(host, "isGateAttackInA", 0, 998);
        F::Box(host, "cvdGateAttackInA");
        F::Slider(host, "isGeqCh01InA", 0, 240);
        F::Label(host, "lbGeqGainCh01InA");
        F::Spinner(host, "udCompRatioOut1", 0, 15);
        F::Box(host, "cvdCompRatioOut1");
        F::Slider(host, "isCompAttackOut1", 0, 998);
        F::Box(host, "cvdCompAttackOut1");
        F::Slider(host, "isLimitThresholdOut1", -180, 40);
        F::Box(host, "cvdLimitThresholdOut1");
        for (const char *input : {"A", "B", "C", "D"}) {
            F::Button(host, QString("skb%1MatrixOut1").arg(input));
            F::Spinner(host, QString("udMixGain%1Out1").arg(input), -280, 0);
            F::Box(host, QString("cvd%1MatrixOut1").arg(input));
        }
    }
    ParameterImage &Image() { return image; }
    void Apply() { host.model.SetImage(image); }
    TControl *C(const char *name) { return host.FindControl(QString::fromLatin1(name)); }

    FakePageHost host;
    ParameterImage image = ParameterImage::Default();
};

TEST_F(PageRefreshTest, InputControlsShowTheModel)
{
    InputChannelRecord &a = Image().inputs[0];
    a.gain = 80;
    a.gate[3] = 0;   // threshold -90 dB
    a.gate[0] = 0;   // attack 1 ms
    a.geq[0] = 240;
    a.hpfFreq = 170;
    a.hpfType = 5;
    a.polarity = 1;
    std::memcpy(a.name, "Kick\0\0\0\0", 8);
    Image().inputMuteMask = 1;
    Apply();
    PageRefresh::Input(host, 0, true);

    EXPECT_EQ(F::Position(C("isGainInA")), -200);
    EXPECT_EQ(F::Position(C("isGainBackupInA")), -200);
    EXPECT_EQ(F::Text(C("cvdGainInA")), "-20.0dB");
    EXPECT_EQ(F::Text(C("cvdGainBackupInA")), "-20.0dB");
    EXPECT_EQ(F::Position(C("isGateThresholdInA")), -180);
    EXPECT_EQ(F::Text(C("cvdGateThresholdInA")), "-90.0dB");
    EXPECT_EQ(F::Text(C("cvdGateAttackInA")), "1ms");
    EXPECT_EQ(F::Position(C("isGeqCh01InA")), 240);
    EXPECT_EQ(F::Text(C("lbGeqGainCh01InA")), "+12.0");
    EXPECT_EQ(F::Text(C("cvdLowCutFreqInA")), "1.00KHz");
    EXPECT_EQ(F::ItemIndex(C("skcLowCutSlopInA")), 4);
    EXPECT_FALSE(F::Down(C("skbLowCutBypassInA")));
    EXPECT_TRUE(F::Down(C("skbPhaseInA")));
    EXPECT_EQ(F::Text(C("skbPhaseInA")), "SID_PHASE_ON");
    EXPECT_TRUE(F::Down(C("skbMuteInA")));
    EXPECT_EQ(F::Text(C("lbMatrixChNameInA")), "Kick");
    EXPECT_EQ(C("skbMenuInA")->Hint(), "Kick");
}

TEST_F(PageRefreshTest, CrossoverTypeZeroBypassesAndKeepsTheSlopeList)
{
    Image().inputs[0].hpfType = 5;
    Apply();
    PageRefresh::Input(host, 0, true);
    Image().inputs[0].hpfType = 0;
    Apply();
    PageRefresh::Input(host, 0, true);
    EXPECT_EQ(F::ItemIndex(C("skcLowCutSlopInA")), 4);
    EXPECT_TRUE(F::Down(C("skbLowCutBypassInA")));
}

TEST_F(PageRefreshTest, TextsFollowTheControlsClampedPosition)
{
    Image().inputs[0].gain = 900;        // beyond the slider
    Image().outputs[0].comp[0] = 40;     // ratio index past the table
    Apply();
    PageRefresh::Input(host, 0, true);
    PageRefresh::Output(host, 4);
    EXPECT_EQ(F::Position(C("isGainInA")), 120);
    EXPECT_EQ(F::Text(C("cvdGainInA")), "+12.0dB");
    EXPECT_EQ(F::Text(C("cvdCompRatioOut1")), "Limit");
}

TEST_F(PageRefreshTest, OutputControlsShowTheModel)
{
    OutputChannelRecord &o = Image().outputs[0];
    o.routeMask = 0b1010;
    o.mix[1] = 70;
    o.comp[0] = 15;
    o.comp[1] = 0;
    o.limit[3] = 220;
    Apply();
    PageRefresh::Output(host, 4);
    EXPECT_FALSE(F::Down(C("skbAMatrixOut1")));
    EXPECT_TRUE(F::Down(C("skbBMatrixOut1")));
    EXPECT_TRUE(F::Down(C("skbDMatrixOut1")));
    EXPECT_EQ(F::Position(C("udMixGainBOut1")), -210);
    EXPECT_EQ(F::Text(C("cvdBMatrixOut1")), "-25.0dB");
    EXPECT_EQ(F::Text(C("cvdCompRatioOut1")), "Limit");
    EXPECT_EQ(F::Text(C("cvdCompAttackOut1")), "  1ms");
    EXPECT_EQ(F::Text(C("cvdLimitThresholdOut1")), "+20.0dB");
}

// The gate plot shows input A's curve, drawn again from empty channels each
// time; while the window makes its pages it stays as seeded.
TEST_F(PageRefreshTest, GateCurveOfInputAIsReplacedWholeAndLeftAloneWhileBuilding)
{
    auto *plot = static_cast<TgXYPlot *>(C("ipGate"));
    Image().inputs[0].gate[3] = 100; // -40 dB
    Apply();
    PageRefresh::Input(host, 0, true);
    EXPECT_EQ(SeriesOf(plot->GetChannel(0)).Count(), 0);

    PageRefresh::Input(host, 0, false); // nothing seeded: no fault
    PageRefresh::Input(host, 0, false);
    const PlotSeries curve = SeriesOf(plot->GetChannel(0));
    ASSERT_EQ(curve.Count(), 3);
    EXPECT_EQ(curve.x, (std::vector<double>{20, -40, -40}));
    EXPECT_EQ(curve.y, (std::vector<double>{20, -40, -100}));
    ASSERT_EQ(SeriesOf(plot->GetChannel(1)).Count(), 1);
    EXPECT_NEAR(SeriesOf(plot->GetChannel(1)).x[0], -39.8, 1e-5);
    EXPECT_NEAR(SeriesOf(plot->GetChannel(1)).y[0], -40.4, 1e-5);
}

QImage Render(TControl *c) { return static_cast<TWinControl *>(c)->PaintToImage(); }

TEST_F(PageRefreshTest, EqBypassBitWritesAndRemovesTheBypassText)
{
    TControl *plot = C("fftDrawInA");
    Apply();
    PageRefresh::Input(host, 0, true);
    const QImage clear = Render(plot);
    Image().inputEqBypassMask = 1;
    Apply();
    PageRefresh::Input(host, 0, true);
    EXPECT_NE(Render(plot), clear);
    Image().inputEqBypassMask = 0;
    Apply();
    PageRefresh::Input(host, 0, true);
    EXPECT_EQ(Render(plot), clear);
}

} // namespace
