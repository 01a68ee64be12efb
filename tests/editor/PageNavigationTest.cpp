#include "PageNavigation.h"

#include "../device/RecordingHost.h"
#include "BlockDiagram.h"
#include "CommandClasses.h"
#include "EditorCurves.h"
#include "FakePageHost.h"
#include "LMyFFTDrawHpLp6dB.h"
#include "MainLayout.h"
#include "Plot.h"
#include "SharedConstants.h"
#include "Shape.h"
#include "SkBmpButton.h"
#include "TestInput.h"

#include <QImage>
#include <cstring>
#include <gtest/gtest.h>

namespace {

struct Navigation : ::testing::Test {
    FakePageHost host;
    RecordingHost commands;
    BlockDiagram diagram{host};
    PageNavigation nav{host};

    void SetUp() override
    {
        MainLayout::Build(host, host.form);
        diagram.Build(host.form);
        nav.Build(host.form);
        host.model.SetHost(&commands);
        host.form->Show();
        QApplication::setActiveWindow(host.form->Widget());
    }
    TControl *Find(const QString &name) { return host.FindControl(name); }
    TSkBmpButton *ButtonOf(int page) { return static_cast<TSkBmpButton *>(Find(PageNavigation::ButtonName(page))); }
    bool Up(int page)
    {
        return Find(PageNavigation::DisplayName(page))->Visible() && Find(PageNavigation::ParamName(page))->Visible();
    }
    TColor SumColour(const char *display)
    {
        TColor c = clNone;
        static_cast<LMyFFTDrawHpLp6dB *>(Find(display))->GetPlotColor(c, 33);
        return c;
    }
    static TColor ChannelColour(int ch) { return RGB(ChannelColours[ch].r, ChannelColours[ch].g, ChannelColours[ch].b); }
    // A user's click on a control that has no window of its own.
    void ClickOn(TControl *c)
    {
        if (auto *w = dynamic_cast<TWinControl *>(c))
            return Click(w->Widget(), QPoint(c->Width() / 2, c->Height() / 2));
        Click(c->Parent()->Widget(), QPoint(c->Left() + c->Width() / 2, c->Top() + c->Height() / 2));
    }
};

TEST_F(Navigation, StartsOnTheGainPageAlone)
{
    for (int page = 0; page < PageNavigation::kPages; ++page) {
        SCOPED_TRACE(page);
        EXPECT_EQ(Up(page), page == PageNavigation::kGainPage);
        EXPECT_EQ(ButtonOf(page)->Down(), page == PageNavigation::kGainPage);
        EXPECT_EQ(ButtonOf(page)->Tag(), page);
    }
    EXPECT_EQ(ButtonOf(0)->Caption(), "InA");
    EXPECT_EQ(ButtonOf(11)->Caption(), "Out8");
}

TEST_F(Navigation, EachButtonBringsItsPageAndOnlyItsPageToTheFront)
{
    for (int page : {0, 3, 4, 11, 12, 13, 15, 16, 17, 18, 14}) {
        SCOPED_TRACE(page);
        const int before = host.CurrentPage();
        ClickOn(ButtonOf(page));
        EXPECT_EQ(host.CurrentPage(), page);
        EXPECT_TRUE(Up(page));
        EXPECT_FALSE(Up(before));
        EXPECT_TRUE(ButtonOf(page)->Down());
        EXPECT_FALSE(ButtonOf(before)->Down());
        EXPECT_EQ(ButtonOf(page)->Font()->Color(), clLime);
        EXPECT_EQ(ButtonOf(before)->Font()->Color(), clWhite);
        ASSERT_FALSE(host.shown.empty());
        EXPECT_EQ(host.shown.back(), std::make_pair(page, page < 12 ? page : -1));
    }
}

TEST_F(Navigation, ThePageShownAgainChangesNothing)
{
    ClickOn(ButtonOf(PageNavigation::kGainPage));
    EXPECT_TRUE(host.shown.empty());
    EXPECT_TRUE(Up(PageNavigation::kGainPage));
    EXPECT_TRUE(commands.sent.empty());
    EXPECT_EQ(host.extraResends, 0); // not even a serial link's extra resend
}

// Every switch grants the link one resend that does not count (a serial link
// takes it; the others ignore it).
TEST_F(Navigation, ASwitchGrantsTheLinkAnExtraResend)
{
    ClickOn(ButtonOf(PageNavigation::kMatrixPage));
    EXPECT_EQ(host.extraResends, 1);
    ClickOn(ButtonOf(PageNavigation::kGainPage));
    EXPECT_EQ(host.extraResends, 2);
}

TEST_F(Navigation, AMemberShowsItsLeadersPageUnderItsOwnName)
{
    host.model.SetLinkMask(4, 0x03); // Out1 leads Out2
    host.model.SetLinkMask(5, 0);
    host.Curves().PlotOf(4).DrawSum(4);
    ClickOn(ButtonOf(5));
    EXPECT_EQ(host.CurrentPage(), 5);
    EXPECT_TRUE(Up(4));
    EXPECT_FALSE(Find("skgFftOut2")->Visible());
    EXPECT_EQ(Find("lbFftChannelOut1")->Caption(), "Out2");
    EXPECT_EQ(Find("lbGainNameOut1")->Caption(), "Out2");
    EXPECT_EQ(host.shown.back(), std::make_pair(5, 4));
    EXPECT_EQ(SumColour("fftDrawOut1"), ChannelColour(5));
    // The leader's own button titles its page with its own name again.
    ClickOn(ButtonOf(4));
    EXPECT_TRUE(Up(4));
    EXPECT_EQ(Find("lbFftChannelOut1")->Caption(), "Out1");
    EXPECT_EQ(SumColour("fftDrawOut1"), ChannelColour(4));
    // Off a leader's page to a block page: the leader's frames go down.
    ClickOn(ButtonOf(5));
    ClickOn(ButtonOf(PageNavigation::kDelayPage));
    EXPECT_FALSE(Find("skgFftOut1")->Visible());
}

TEST_F(Navigation, AChannelNoMaskHoldsAbandonsTheSwitch)
{
    host.model.SetLinkMask(2, 0);
    ClickOn(ButtonOf(2));
    EXPECT_EQ(host.CurrentPage(), PageNavigation::kGainPage);
    EXPECT_TRUE(host.shown.empty());
    EXPECT_FALSE(Up(2));
}

TEST_F(Navigation, BlockLabelsOpenTheirPages)
{
    struct Row {
        const char *label;
        int page;
    };
    const Row rows[] = {
        {"lbMatrixDelayInA", PageNavigation::kDelayPage}, {"lbMatrixDelayOut8", PageNavigation::kDelayPage},
        {"lbMatrixCompOut3", PageNavigation::kCompPage},  {"lbMatrixGateInC", PageNavigation::kGatePage},
        {"lbMatrixPhaseOut2", PageNavigation::kLimitPage}, {"lbMatrixGeqInB", PageNavigation::kGeqPage},
        {"lbMatrixXoverOut4", 7},                          {"lbMatrixGainInD", 3},
        {"lbMatrixHpLpInB", 1},                            {"lbMatrixPeqOut1", 4},
        {"lbMatrixMuteOut8", 11},                          {"lbMatrixGainOut5", 8},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.label);
        ClickOn(ButtonOf(PageNavigation::kMatrixPage));
        ASSERT_TRUE(Up(PageNavigation::kMatrixPage));
        ClickOn(Find(r.label));
        EXPECT_EQ(host.CurrentPage(), r.page);
        EXPECT_TRUE(Up(r.page));
        EXPECT_TRUE(ButtonOf(r.page)->Down());
        EXPECT_FALSE(ButtonOf(PageNavigation::kMatrixPage)->Down());
    }
}

TEST_F(Navigation, NameLabelsOpenTheNameDialogAndLabelsShowTheHand)
{
    ClickOn(ButtonOf(PageNavigation::kMatrixPage));
    ClickOn(Find("lbMatrixChNameInC"));
    ClickOn(Find("lbMatrixNameOut6"));
    EXPECT_EQ(host.nameDialogs, (std::vector<int>{2, 9}));

    TControl *label = Find("lbMatrixGeqInA");
    QWidget *panel = label->Parent()->Widget();
    Move(panel, QPoint(label->Left() + 5, label->Top() + 5));
    EXPECT_EQ(label->Cursor(), crHandPoint);
    Move(panel, QPoint(2, 2)); // onto the name frame's corner, off the label
    EXPECT_EQ(label->Cursor(), crDefault);
}

TEST_F(Navigation, ChannelNameReachesLabelHintAndModelWithOneCommand)
{
    const uint8_t kick[8] = {'K', 'i', 'c', 'k', 0, 0, 0, 0};
    EXPECT_TRUE(PageNavigation::SetChannelName(host, 2, kick));
    EXPECT_EQ(Find("lbMatrixChNameInC")->Caption(), "Kick");
    EXPECT_EQ(Find("skbMenuInC")->Hint(), "Kick");
    EXPECT_EQ(0, memcmp(host.model.GetChannelName(2), kick, 8));
    ASSERT_EQ(commands.sent.size(), 1u);
    EXPECT_EQ(commands.sent[0].frame[CommandFrame::kCodeByte], CM_MCS_CHANNEL_NAME::kCode);
    EXPECT_TRUE(commands.sent[0].append);

}

TEST(NavigationNames, AMissingLabelChangesNothing)
{
    FakePageHost host;
    MainLayout::Build(host, host.form); // no block diagram
    uint8_t before[8];
    std::memcpy(before, host.model.GetChannelName(0), 8);
    const uint8_t name[8] = {'X', 0, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(PageNavigation::SetChannelName(host, 0, name));
    EXPECT_EQ(0, memcmp(host.model.GetChannelName(0), before, 8));
}

TEST_F(Navigation, DiagramStretchesByItsRules)
{
    ASSERT_TRUE(diagram.Stretch(0, 0, true, true));
    EXPECT_EQ(Find("plMatrixOut1")->Top(), 23);
    EXPECT_EQ(Find("plMatrixOut1")->Left(), 561);
    EXPECT_EQ(Find("spMatrixNameOut1")->Left(), 416);
    EXPECT_EQ(Find("spMatrixNameOut1")->Width(), 58);

    ASSERT_TRUE(diagram.Stretch(82, 80, true, true)); // 1200 x 800; w = 27
    EXPECT_EQ(Find("plMatrixInC")->Top(), 80 / 5 * 3 + 61 * 2 + 35);
    EXPECT_EQ(Find("plMatrixInC")->Width(), 27 + 415);
    EXPECT_EQ(Find("plMatrixOut8")->Top(), 80 / 9 * 8 + 30 * 11 - 97);
    EXPECT_EQ(Find("plMatrixOut8")->Left(), 82 * 2 / 3 + 561);
    EXPECT_EQ(Find("lbMatrixGeqInA")->Left(), 27 * 4 / 8 + 191);
    EXPECT_EQ(Find("spMatrixGeqInA")->Width(), 82 / 21 + 50);
    EXPECT_EQ(Find("spMatrixNameInA")->Left(), 82 / 24);
    EXPECT_EQ(Find("lbMatrixPeqOut2")->Left(), 82 / 27 + 61);
    EXPECT_EQ(Find("lbMatrixChNameOut2")->Left(), 27 * 7 / 9 + 419);
    EXPECT_EQ(Find("spMatrixNameOut2")->Width(), 27 / 8 + 58);

    // Only one direction: the other keeps its place.
    ASSERT_TRUE(diagram.Stretch(0, 160, true, false));
    EXPECT_EQ(Find("plMatrixOut8")->Left(), 82 * 2 / 3 + 561);
    EXPECT_EQ(Find("plMatrixOut8")->Top(), 160 / 9 * 8 + 30 * 11 - 97);
}

TEST_F(Navigation, DiagramDrawsAFramedBlockBehindEveryLabel)
{
    ClickOn(ButtonOf(PageNavigation::kMatrixPage));
    auto *frame = static_cast<TWinControl *>(Find("skgFftMatrix"));
    QImage image(frame->Width(), frame->Height(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    frame->Widget()->render(&image);
    for (const char *stem : {"GainInA", "DelayInD", "XoverOut1", "MuteOut8", "PhaseOut4"}) {
        SCOPED_TRACE(stem);
        auto *shape = static_cast<TShape *>(Find(QString("spMatrix") + stem));
        const QPoint origin = shape->Parent()->Widget()->mapTo(frame->Widget(), QPoint(shape->Left(), shape->Top()));
        // The outline on the left edge's middle, the fill just inside the corner.
        EXPECT_EQ(image.pixelColor(origin + QPoint(0, shape->Height() / 2)).rgb() & 0xFFFFFF, 0x808080u);
        EXPECT_EQ(image.pixelColor(origin + QPoint(3, 3)).rgb() & 0xFFFFFF, 0x3C3C3Cu);
    }
}

} // namespace
