#include "LinkPropagation.h"

#include "FakePageHost.h"
#include "PageFixtures.h"

#include <gtest/gtest.h>

namespace {

namespace F = PageFixtures;

// Inputs A to C with both strips; A leads A and C.
struct LinkPropagationTest : ::testing::Test {
    FakePageHost host;

    LinkPropagationTest()
    {
        for (const char *s : {"InA", "InB", "InC"}) {
            for (const char *stem : {"isGain", "isGainBackup"})
                F::Slider(host, QString(stem) + s, -280, 120);
            for (const char *stem : {"cvdGain", "cvdGainBackup"})
                F::Box(host, QString(stem) + s);
            for (const char *stem : {"skbPhase", "skbPhaseBackup", "skbMute", "skbMuteBackup"})
                F::Button(host, QString(stem) + s);
        }
        ParameterImage img = host.model.GetImage();
        img.inputs[0].linkMask = 0b101;
        img.inputs[2].linkMask = 0;
        host.model.SetImage(img);
    }
    TControl *C(const QString &n) { return host.FindControl(n); }
};

TEST_F(LinkPropagationTest, GainMovesEveryMemberWithTheFlagUpAndBringsItDown)
{
    LinkPropagation::RefreshLinkedGain(host, 0, -200);
    for (const char *s : {"InA", "InC"}) {
        EXPECT_EQ(F::Position(C(QString("isGain") + s)), -200) << s;
        EXPECT_EQ(F::Position(C(QString("isGainBackup") + s)), -200) << s;
        EXPECT_EQ(F::Text(C(QString("cvdGain") + s)), "-20.0dB") << s;
        EXPECT_EQ(F::Text(C(QString("cvdGainBackup") + s)), "-20.0dB") << s;
    }
    EXPECT_EQ(F::Position(C("isGainInB")), 0);
    EXPECT_EQ(F::Text(C("cvdGainInB")), "");
    EXPECT_FALSE(host.updating);
}

TEST_F(LinkPropagationTest, AMembersEditReachesTheWholeGroup)
{
    LinkPropagation::RefreshLinkedPhase(host, 2, true);
    LinkPropagation::RefreshLinkedMute(host, 2, true);
    for (const char *s : {"InA", "InC"}) {
        EXPECT_TRUE(F::Down(C(QString("skbPhaseBackup") + s))) << s;
        EXPECT_EQ(F::Text(C(QString("skbPhase") + s)), "SID_PHASE_ON") << s;
        EXPECT_TRUE(F::Down(C(QString("skbMute") + s))) << s;
        EXPECT_TRUE(F::Down(C(QString("skbMuteBackup") + s))) << s;
    }
    EXPECT_FALSE(F::Down(C("skbPhaseInB")));
    EXPECT_FALSE(F::Down(C("skbMuteInB")));
}

} // namespace
