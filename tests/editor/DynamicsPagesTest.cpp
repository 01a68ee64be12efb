#include "CompPage.h"
#include "GatePage.h"
#include "LProgressBar.h"
#include "LimitPage.h"
#include "MonotonicClock.h"
#include "PageFixture.h"
#include "TestInput.h"
#include "SmTrackBar.h"
#include "PlotSeries.h"
#include "gXYPlot.h"
#include "Timer.h"
#include "SkBmpButton.h"
#include "SkLabel.h"
#include "UpDown.h"

#include "Application.h"

#include <gtest/gtest.h>

namespace {

constexpr uint8_t kComp = 0x30, kGate = 0x3E, kLimit = 0x3F;

using Points = std::vector<double>;

struct DynamicsFixture : ::testing::Test {
    ManualClock clock;
    ScopedClock scoped{clock};
    PageFixture f;
    GatePage &gate = f.Add<GatePage>();
    CompPage &comp = f.Add<CompPage>();
    LimitPage &limit = f.Add<LimitPage>();
    std::vector<QString> errors;

    DynamicsFixture()
    {
        Application->SetExceptionBoxHandler([this](const QString &m) { errors.push_back(m); });
    }
    ~DynamicsFixture() override { Application->SetExceptionBoxHandler(nullptr); }

    TCustomTrackBar *Slider(const QString &Name) { return f.Get<TCustomTrackBar>(Name); }
    TUpDown *Spinner(const QString &Name) { return f.Get<TUpDown>(Name); }
    QString Text(const QString &Name) { return f.Get<TRoundedEdit>(Name)->Text(); }
    PlotSeries Curve(const char *Plot, int Channel) { return SeriesOf(f.Get<TgXYPlot>(Plot)->GetChannel(Channel)); }
    // Links outputs (or inputs) by masks, offline and without commands.
    void Link(int Leader, std::initializer_list<int> Members, uint16_t Mask)
    {
        f.host.updating = true;
        f.host.model.SetLinkMask(Leader, Mask);
        for (int m : Members)
            f.host.model.SetLinkMask(m, 0);
        f.host.updating = false;
        f.sent.clear();
    }
};

} // namespace

TEST_F(DynamicsFixture, CompressorSliderCommitsSendsFollowsGroupAndRedrawsOnTheTimer)
{
    Link(4, {5}, 0x3);
    Spinner("udCompRatioOut2")->SetPosition(5);
    Spinner("udCompKneeOut2")->SetPosition(6);
    f.sent.clear();
    Slider("isCompThresholdOut2")->SetPosition(0);
    ASSERT_EQ(f.Codes(kComp).size(), 1u);
    // Ratio, attack, release, knee, threshold + 180 as words after the channel.
    const ByteVector p = f.Codes(kComp)[0].payload;
    EXPECT_EQ(p[0], 5);
    EXPECT_EQ(p[1] | p[2] << 8, 5);
    EXPECT_EQ(p[9] | p[10] << 8, 180);
    EXPECT_EQ(f.host.model.GetComp(4)[4], 180) << "the member's edit lands in its leader";
    EXPECT_EQ(f.host.model.GetComp(5)[4], 180);
    EXPECT_EQ(Slider("isCompThresholdOut1")->Position(), 0);
    EXPECT_EQ(Text("cvdCompThresholdOut1"), "+0.0dB");
    EXPECT_EQ(Text("cvdCompThresholdOut2"), "+0.0dB");

    // Drawn by the timer, not by the handler.
    EXPECT_TRUE(comp.RedrawTimer()->Enabled());
    clock.Advance(2);
    EXPECT_FALSE(comp.RedrawTimer()->Enabled());
    EXPECT_EQ(Curve("ipComp", 0).x, (Points{20, 6, -6, -100}));
    EXPECT_EQ(Curve("ipComp", 0).y, (Points{10, 3, -6, -100}));
    EXPECT_NEAR(Curve("ipComp", 1).x[0], 0.2, 1e-6);
    EXPECT_EQ(f.Get("lbCompName")->Caption(), "Out 2  SID_COMP");
    EXPECT_EQ(f.Get("lbHeadCompOut")->Caption(), "Out 2");

    // Threshold words at the ends of the slider.
    f.sent.clear();
    Slider("isCompThresholdOut3")->SetPosition(-180);
    Slider("isCompThresholdOut3")->SetPosition(40);
    ASSERT_EQ(f.Codes(kComp).size(), 2u);
    EXPECT_EQ(f.Codes(kComp)[0].payload[9], 0);
    EXPECT_EQ(f.Codes(kComp)[1].payload[9], 220);
}

TEST_F(DynamicsFixture, RatioSpinnerFollowsTheGroupButNotItself)
{
    Link(4, {5}, 0x3);
    Spinner("udCompRatioOut1")->SetPosition(15);
    EXPECT_EQ(Text("cvdCompRatioOut1"), "Limit");
    EXPECT_EQ(Spinner("udCompRatioOut2")->Position(), 15);
    EXPECT_EQ(Text("cvdCompRatioOut2"), "Limit");
    EXPECT_EQ(f.host.model.GetComp(5)[0], 15);
    EXPECT_EQ(f.Codes(kComp).size(), 1u);
    clock.Advance(2);
    EXPECT_EQ(Curve("ipComp", 0).y, (Points{20, 20, 8, -100})) << "flat at T above the knee";

    // A step beyond the range changes nothing.
    f.sent.clear();
    Spinner("udCompKneeOut3")->SetPosition(12);
    bool allow = true;
    Spinner("udCompKneeOut3")->OnChangingEx(Spinner("udCompKneeOut3"), allow, 13, updUp);
    EXPECT_TRUE(f.sent.empty());
}

TEST_F(DynamicsFixture, GateSlidersRedrawAtOnceAndHoldKeepsTheCurve)
{
    Slider("isGateThresholdInB")->SetPosition(-80);
    EXPECT_EQ(Curve("ipGate", 0).x, (Points{20, -40, -40}));
    EXPECT_EQ(Curve("ipGate", 0).y, (Points{20, -40, -100}));
    EXPECT_EQ(Text("cvdGateThresholdInB"), "-40.0dB");
    EXPECT_EQ(f.Get("lbGateName")->Caption(), "In B  SID_GATE");
    EXPECT_EQ(gate.PlotChannel(), 1);
    f.sent.clear();
    Slider("isGateHoldInB")->SetPosition(199);
    EXPECT_EQ(Text("cvdGateHoldInB"), "200ms");
    ASSERT_EQ(f.Codes(kGate).size(), 1u);
    const ByteVector p = f.Codes(kGate)[0].payload;
    EXPECT_EQ(p[0], 1);
    EXPECT_EQ(p[5] | p[6] << 8, 199) << "hold word";
    EXPECT_EQ(Curve("ipGate", 0).x, (Points{20, -40, -40}));
    EXPECT_NEAR(Curve("ipGate", 1).x[0], -39.8, 1e-5);
    EXPECT_NEAR(Curve("ipGate", 1).y[0], -40.4, 1e-5);

    // A member's gate edit lands in the group.
    Link(0, {2}, 0x5);
    Slider("isGateAttackInC")->SetPosition(9);
    EXPECT_EQ(f.host.model.GetGate(0)[0], 9);
    EXPECT_EQ(f.host.model.GetGate(2)[0], 9);
    EXPECT_EQ(Text("cvdGateAttackInA"), "10ms");
}

TEST_F(DynamicsFixture, LimiterSliderShowsSendsAndRedrawsOneTickLater)
{
    Slider("isLimitThresholdOut3")->SetPosition(-20);
    EXPECT_EQ(Text("cvdLimitThresholdOut3"), "-10.0dB");
    ASSERT_EQ(f.Codes(kLimit).size(), 1u);
    const ByteVector p = f.Codes(kLimit)[0].payload;
    EXPECT_EQ(p[0], 6);
    EXPECT_EQ(p[7] | p[8] << 8, 160);
    clock.Advance(2);
    EXPECT_EQ(Curve("ipLimit", 0).x, (Points{20, 2, -22, -100}));
    EXPECT_EQ(f.Get("lbHeadLimitOut")->Caption(), "Out 3");

    Link(4, {5}, 0x3);
    Slider("isLimitAttackOut1")->SetPosition(9);
    EXPECT_EQ(Slider("isLimitAttackOut2")->Position(), 9);
    EXPECT_EQ(Text("cvdLimitAttackOut2"), " 10ms");
    EXPECT_EQ(f.Codes(kLimit).size(), 1u);

    // While the window updates its controls nothing is written, sent or redrawn.
    clock.Advance(2);
    f.sent.clear();
    f.host.updating = true;
    Slider("isLimitThresholdOut4")->SetPosition(0);
    f.host.updating = false;
    EXPECT_TRUE(f.sent.empty());
    EXPECT_FALSE(limit.RedrawTimer()->Enabled());
}

TEST_F(DynamicsFixture, TypedEntryThroughTheBoxesMovesTheirControls)
{
    struct Row {
        const char *box, *target, *text;
        int position; // kKeep: refused, the position stays
        const char *shown;
    };
    constexpr int kKeep = -9999;
    const Row rows[] = {
        {"cvdCompThresholdOut1", "isCompThresholdOut1", "-12dB", -24, "-12.0dB"},
        {"cvdCompThresholdOut1", "isCompThresholdOut1", "-12 dB", kKeep, "-12.0dB"},
        {"cvdGateThresholdInA", "isGateThresholdInA", "10", 0, "+0.0dB"},
        {"cvdCompAttackOut2", "isCompAttackOut2", "50ms", 49, " 50ms"},
        {"cvdCompAttackOut2", "isCompAttackOut2", "12.5", kKeep, " 50ms"},
        {"cvdGateReleaseInB", "isGateReleaseInB", "5", 9, "10ms"},
        {"cvdCompRatioOut3", "udCompRatioOut3", "1:4", 9, "1:4.0"},
        {"cvdCompRatioOut3", "udCompRatioOut3", "2.2", 6, "1:2.5"},
        {"cvdCompRatioOut3", "udCompRatioOut3", ":4", kKeep, "1:2.5"},
        {"cvdCompKneeOut4", "udCompKneeOut4", "13", 12, "12dB"},
        {"cvdCompKneeOut4", "udCompKneeOut4", "3", 3, "3dB"},
        {"cvdLimitThresholdOut1", "isLimitThresholdOut1", "10.7", 21, "+10.5dB"},
        {"cvdLimitKneeOut2", "udLimitKneeOut2", "6.7", 6, "6dB"},
        {"cvdLimitAttackOut3", "isLimitAttackOut3", "1500ms", 998, "999ms"},
        {"cvdGateHoldInC", "isGateHoldInC", "5", 9, "10ms"},
    };
    for (const Row &r : rows) {
        TControl *target = f.Get(r.target);
        auto position = [&] {
            if (auto *s = dynamic_cast<TCustomTrackBar *>(target))
                return s->Position();
            return static_cast<TUpDown *>(target)->Position();
        };
        const int before = position();
        f.Type(r.box, r.text);
        EXPECT_EQ(position(), r.position == kKeep ? before : r.position) << r.box << " " << r.text;
        EXPECT_EQ(Text(r.box), r.shown) << r.box << " " << r.text;
    }
    EXPECT_EQ(f.host.model.GetComp(6)[0], 6) << "the spinner's own handler committed the ratio";
    EXPECT_EQ(f.host.model.GetGate(2)[2], 9);
    EXPECT_TRUE(errors.empty());
}

TEST_F(DynamicsFixture, AConversionFailureIsReportedAndTheTextStays)
{
    f.sent.clear();
    f.Type("cvdLimitThresholdOut1", "1-2");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].contains("not a valid floating point value"));
    EXPECT_EQ(Text("cvdLimitThresholdOut1"), "1-2");
    // Leaving the box tries the same text again.
    f.Type("cvdGateHoldInA", "12.5");
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_TRUE(errors[1].contains("not a valid floating point value"));
    EXPECT_TRUE(errors[2].contains("not a valid integer value"));
    EXPECT_EQ(Text("cvdGateHoldInA"), "12.5");
    EXPECT_TRUE(f.sent.empty());
}

TEST_F(DynamicsFixture, RefreshClampsStoredIndicesAndDrawsTheCurves)
{
    ParameterImage img = f.host.model.GetImage();
    img.outputs[0].comp[0] = 40; // ratio index beyond the table
    img.outputs[0].comp[1] = 0;
    img.outputs[0].comp[4] = 220;
    img.inputs[0].gate[3] = 0;
    img.outputs[0].limit[0] = 0;
    f.host.model.SetImage(img);
    f.host.updating = true;
    for (auto &p : f.pages)
        p->Refresh();
    f.host.updating = false;
    EXPECT_TRUE(f.sent.empty());
    EXPECT_EQ(Text("cvdCompRatioOut1"), "Limit");
    EXPECT_EQ(Text("cvdCompAttackOut1"), "  1ms");
    EXPECT_EQ(Text("cvdCompThresholdOut1"), "+20.0dB");
    EXPECT_EQ(Text("cvdGateThresholdInA"), "-90.0dB");
    EXPECT_EQ(Text("cvdLimitAttackOut1"), "  1ms");
    EXPECT_EQ(Curve("ipComp", 0).y[0], 20.0);
    EXPECT_EQ(Curve("ipGate", 0).x, (Points{20, -90, -90}));
    EXPECT_EQ(comp.PlotChannel(), 4);
}

TEST_F(DynamicsFixture, MetersShowLevelsAndActivity)
{
    LMainLinkUi::LevelDisplay levels{{1, 2, 3, 9}, {8, 7, 6, 5, 4, 3, 2, 1}, 0x0101 | 0x0002};
    Spinner("udCompRatioOut2")->SetPosition(3);
    for (auto &p : f.pages)
        p->ShowLevels(levels);
    auto pos = [&](const char *n) { return f.Get<LProgressBar>(n)->Position(); };
    EXPECT_EQ(pos("pbLevelGateInD"), 9);
    EXPECT_EQ(pos("pbLevelGateIn"), 1) << "input A is on the gate plot";
    EXPECT_EQ(pos("pbLevelCompOut2"), 7);
    EXPECT_EQ(pos("pbLimitCompOut1"), 0) << "compressor activity needs a ratio above 1:1";
    EXPECT_EQ(pos("pbLimitCompOut2"), 1);
    EXPECT_EQ(pos("pbLimitLimitOut1"), 1);
    EXPECT_EQ(pos("pbLevelLimitOut"), 8);
    for (auto &p : f.pages)
        p->ResetMeters();
    EXPECT_EQ(pos("pbLevelGateInD"), 0);
    EXPECT_EQ(pos("pbLimitLimitOut1"), 0);
    EXPECT_EQ(pos("pbLevelCompOut"), 0);
}

TEST_F(DynamicsFixture, MetersAndScalesStretch)
{
    for (auto &p : f.pages)
        ASSERT_TRUE(p->Stretch(82, 80, true, true));
    EXPECT_EQ(f.Get("lb0CompOut")->Top(), 80 * 5 / 9 + 128);
    EXPECT_EQ(f.Get("lbN60GateIn")->Top(), 80 + 222);
    EXPECT_EQ(f.Get("lbN60LimitOut8")->Top(), 80 + 222);
    EXPECT_EQ(f.Get("pbLevelCompOut3")->Height(), 80 * 8 / 9 + 185);
    EXPECT_EQ(f.Get("plLevelLimitOut1")->Left(), 53 * 4 + 82 + 447);
    EXPECT_EQ(f.Get("plLevelGateInB")->Left(), 53 + 82 + 873);
    EXPECT_EQ(f.Get("lbLimitCompOut5")->Top(), 80 / 9 + 35);
}

// The plot channel's meter panel beside the plot holds its set where every
// channel's panel does, so all stand in one line, and each piece lies
// within its panel with room for the panel's edge: at the base size and
// grown.
TEST_F(DynamicsFixture, AllMeterPanelsOfAPageStandInOneLine)
{
    const struct Page {
        const char *side;
        std::vector<const char *> stems;
        std::vector<const char *> channels;
    } pages[] = {
        {"CompOut", {"pbLimit", "lbLimit", "pbLevel", "lbClip", "lb0", "lbN60"}, {"1", "5", "8"}},
        {"LimitOut", {"pbLimit", "lbLimit", "pbLevel", "lbClip", "lb0", "lbN60"}, {"1", "5", "8"}},
        {"GateIn", {"pbLevel", "lbClip", "lbN20", "lbN60"}, {"A", "D"}},
    };
    for (const int dh : {0, 80, 300}) {
        for (auto &p : f.pages)
            ASSERT_TRUE(p->Stretch(0, dh, true, true));
        for (const Page &page : pages)
            for (const char *stem : page.stems) {
                const QString fixed = QString(stem) + page.side;
                TControl *a = f.Get(fixed.toLatin1().constData());
                for (const char *ch : page.channels) {
                    const std::string at = (fixed + ch).toStdString() + " at dh " + std::to_string(dh);
                    TControl *b = f.Get((fixed + ch).toLatin1().constData());
                    EXPECT_EQ(a->Top(), b->Top()) << at;
                    EXPECT_EQ(a->Height(), b->Height()) << at;
                    for (TControl *c : {a, b}) {
                        EXPECT_GE(c->Top(), 2) << at;
                        EXPECT_LE(c->Top() + c->Height(), c->Parent()->Height() - 2) << at;
                    }
                }
            }
    }
}

TEST_F(DynamicsFixture, LanguageCaptionsThePlotAndHintsTheControls)
{
    comp.DrawCompCurve(7);
    for (auto &p : f.pages)
        p->ApplyLanguage();
    EXPECT_EQ(f.Get("lbCompName")->Caption(), "Out 4  SID_COMP");
    EXPECT_EQ(f.Get("udCompKneeOut3")->Hint(), "SID_COMP_KNEE");
    EXPECT_EQ(f.Get("isGateHoldInD")->Hint(), "SID_GATE_HOLD");
    EXPECT_EQ(f.Get("lbLimitOut8")->Caption(), "Out8");
    EXPECT_EQ(f.Get("lbGateInC")->Caption(), "InC");
}

TEST_F(DynamicsFixture, PagesDrawTheirCurvesAndMeters)
{
    comp.DrawCompCurve(4);
    QImage img = f.Render("skgFftComp", "skgParamComp", "comp.png");
    gate.DrawGateCurve(0);
    f.Render("skgFftGate", "skgParamGate", "gate.png");
    limit.DrawLimitCurve(4);
    f.Render("skgFftLimit", "skgParamLimit", "limit.png");
    ASSERT_FALSE(img.isNull());
}

TEST_F(DynamicsFixture, MemberEditsLandInASavedPreset)
{
    Link(4, {5}, 0x3);
    Link(0, {1}, 0x3);
    Slider("isCompReleaseOut2")->SetPosition(1000);
    Slider("isLimitThresholdOut2")->SetPosition(-20);
    Slider("isGateHoldInB")->SetPosition(300);
    // The preset file's body is the image from byte 2 on; a model that reads it
    // shows the edits on the leaders too.
    const ByteVector file = f.host.model.ToPresetString();
    LUnitControl loaded;
    ASSERT_EQ(loaded.ApplyPresetBytes(file.data() + 16, file.size() - 16), FileStatus::Ok);
    EXPECT_EQ(loaded.GetComp(4)[2], 1000);
    EXPECT_EQ(loaded.GetComp(5)[2], 1000);
    EXPECT_EQ(loaded.GetLimit(4)[3], 160);
    EXPECT_EQ(loaded.GetGate(0)[2], 300);
    EXPECT_EQ(loaded.GetGate(1)[2], 300);
}

TEST_F(DynamicsFixture, BlockDiagramLabelsOpenTheirPagesOnTheChannelShownLast)
{
    // The diagram's labels are made by another page, here after ours.
    auto *label = new TSkLabel(f.host.form);
    label->SetName("lbMatrixPhaseOut5");
    label->SetTag(8);
    f.host.RegisterControl(label);
    int pageClicks = 0;
    f.Get<TSkBmpButton>("skbMenuLimit")->OnClick = [&](TObject *) { ++pageClicks; };
    // The page buttons form one group, as the navigation makes them.
    f.Get<TSkBmpButton>("skbMenuLimit")->SetGroupIndex(7);
    f.Get<TSkBmpButton>("skbMenuMatrix")->SetGroupIndex(7);
    f.Get<TSkBmpButton>("skbMenuMatrix")->SetDown(true);
    limit.DrawLimitCurve(6);
    limit.Refresh();
    limit.DrawLimitCurve(6);
    label->OnClick(label);
    EXPECT_EQ(pageClicks, 1);
    EXPECT_TRUE(f.Get<TSkBmpButton>("skbMenuLimit")->Down());
    EXPECT_FALSE(f.Get<TSkBmpButton>("skbMenuMatrix")->Down());
    EXPECT_EQ(limit.PlotChannel(), 6) << "the label's output is not used";
}

TEST_F(DynamicsFixture, PressingAnOutputsControlsShowsItsCurve)
{
    f.host.form->Show();
    ::Click(Slider("isCompAttackOut6")->Widget(), QPoint(10, 20));
    EXPECT_EQ(comp.PlotChannel(), 9);
    EXPECT_EQ(f.Get("lbHeadCompOut")->Caption(), "Out 6");
    auto *box = f.Get<TRoundedEdit>("cvdLimitKneeOut3");
    ::Click(box->Edit()->Widget(), QPoint(5, 5));
    EXPECT_EQ(limit.PlotChannel(), 6);
    ::Click(box->Widget(), QPoint(2, 2));
    EXPECT_EQ(limit.PlotChannel(), 6);
}
