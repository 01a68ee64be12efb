// The graphic EQ page: band sliders, the deferred total redraw, the input
// selectors, the bypass of a link group and the block diagram's GEQ labels.
#include "CommandClasses.h"
#include "CM_MCS_CMD.h"
#include "EditorCurves.h"
#include "GeqPage.h"
#include "LMyFFTDrawHpLp6dB.h"
#include "LdDemoButton.h"
#include "MonotonicClock.h"
#include "PageFixture.h"
#include "Plot.h"
#include "SharedConstants.h"
#include "SkBmpButton.h"
#include "SkLabel.h"
#include "SmTrackBar.h"
#include "TestInput.h"
#include "Timer.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr uint8_t kGeq = 0x48;

TColor Colour(RgbColour c) { return TColor(c.r) | TColor(c.g) << 8 | TColor(c.b) << 16; }

struct GeqFixture : ::testing::Test {
    ManualClock clock; // the redraw timer runs on it
    ScopedClock scope{clock};
    PageFixture f;
    GeqPage &page = Build();

    GeqPage &Build()
    {
        f.host.unitHost = &f; // the page's own commands are recorded too
        // A block diagram label, as the navigation page makes it.
        auto *label = new TSkLabel(f.host.ControlOwner());
        label->SetName("lbMatrixGeqInC");
        label->SetTag(2);
        label->SetParent(f.Get<TWinControl>("skgFftMatrix"));
        f.host.RegisterControl(label);
        GeqPage &p = f.Add<GeqPage>();
        f.host.form->Show(); // clicks and the display pages need a shown window
        QCoreApplication::processEvents();
        return p;
    }

    TSmTrackBar *Band(int Band, char Input)
    {
        return f.Get<TSmTrackBar>(QString::asprintf("isGeqCh%02dIn%c", Band + 1, Input));
    }
    QString Label(int Band, char Input)
    {
        return f.Get(QString::asprintf("lbGeqGainCh%02dIn%c", Band + 1, Input))->Caption();
    }
    Plot &GeqPlot(int Input) { return f.host.Curves().PlotOf(GeqPage::kFirstPlot + Input); }
    LMyFFTDrawHpLp6dB *Display(char Input)
    {
        return f.Get<LMyFFTDrawHpLp6dB>(QStringLiteral("fftDrawGeqIn") + QChar(Input));
    }
    // The points the display shows under Key (empty when none).
    std::vector<double> Shown(char Input, int Key)
    {
        int n = 0;
        if (!Display(Input)->GetPlotNumPoints(n, Key))
            return {};
        std::vector<double> y(size_t(n), 0.0);
        Display(Input)->GetPlotY(y.data(), Key);
        return y;
    }
    void Link(uint16_t LeaderMask)
    {
        ParameterImage img = f.host.model.GetImage();
        for (int i = 0; i < 4; ++i)
            img.inputs[i].linkMask = i == 0 ? LeaderMask : (LeaderMask >> i & 1 ? 0 : uint16_t(1u << i));
        f.host.model.SetImage(img);
    }
    // Pixels of the button-face colour in the upper part of a display: the
    // "BYPASS" text.
    int FacePixels(char Input)
    {
        const QImage shot = Display(Input)->ScreenImage().convertToFormat(QImage::Format_RGB32);
        const QRgb face = ToQColor(clBtnFace).rgb();
        int n = 0;
        for (int y = 0; y < shot.height() / 2; ++y)
            for (int x = 0; x < shot.width(); ++x)
                n += shot.pixel(x, y) == face;
        return n;
    }
    // The control drawn on top at the centre of a parent.
    static bool OnTop(TWinControl *Parent, TWinControl *Box)
    {
        QWidget *w = Parent->Widget()->childAt(Box->Left() + Box->Width() / 2, Box->Top() + Box->Height() / 2);
        return w && (w == Box->Widget() || Box->Widget()->isAncestorOf(w));
    }
};

} // namespace

TEST_F(GeqFixture, BandMoveShowsItsGainSendsTheBandAndRedrawsOnTheTick)
{
    f.sent.clear();
    Band(17, 'A')->SetPosition(180); // 1000 Hz
    EXPECT_EQ(Label(17, 'A'), "+6.0");
    ASSERT_EQ(f.Codes(kGeq).size(), 1u);
    EXPECT_EQ(f.Codes(kGeq)[0].payload, (ByteVector{0, 17, 180, 0}));
    EXPECT_EQ(f.host.model.GetGeqBand(0, 17), 180);
    EXPECT_NEAR(GeqPlot(0).Filter(17).response[2625], 6.0, 0.01);
    EXPECT_TRUE(Shown('A', Plot::kSumSlot).empty()) << "the total waits for the tick";
    EXPECT_TRUE(page.CurveTimer()->Enabled());

    clock.Advance(1);
    EXPECT_FALSE(page.CurveTimer()->Enabled());
    const std::vector<double> sum = Shown('A', Plot::kSumSlot);
    ASSERT_EQ(sum.size(), size_t(kGridPoints));
    EXPECT_NEAR(sum[2625], 6.0, 0.01);
    TColor colour = clNone;
    ASSERT_TRUE(Display('A')->GetPlotColor(colour, Plot::kSumSlot));
    EXPECT_EQ(colour, Colour(ChannelColours[14]));

    // The fill of the edited band shows on the display; back at 0 dB it goes.
    const QImage filled = Display('A')->ScreenImage().copy();
    // The connection logic takes the band's fill away before an upload.
    page.HideGeqBandOverlay();
    EXPECT_NE(Display('A')->ScreenImage(), filled);
    Band(17, 'A')->SetPosition(120);
    EXPECT_EQ(Label(17, 'A'), "+0.0");
    clock.Advance(1);
    EXPECT_NE(Display('A')->ScreenImage(), filled);
    EXPECT_EQ(Label(0, 'A'), "+ 0.0") << "untouched labels keep their first caption";
    Band(0, 'A')->SetPosition(0);
    EXPECT_EQ(Label(0, 'A'), "-12.0");
}

TEST_F(GeqFixture, BurstOfMovesSharesOneRedraw)
{
    for (int b = 0; b < GeqPage::kBands; ++b)
        Band(b, 'B')->SetPosition(120 + (b % 2 ? 30 : -30));
    EXPECT_EQ(f.Codes(kGeq).size(), size_t(GeqPage::kBands));
    EXPECT_TRUE(Shown('B', Plot::kSumSlot).empty());
    int redraws = 0;
    Display('B')->OnPaint = [&](TObject *) { ++redraws; };
    clock.Advance(1);
    QCoreApplication::processEvents();
    EXPECT_FALSE(page.CurveTimer()->Enabled());
    EXPECT_EQ(redraws, 1) << "one repaint for the whole burst";
    const std::vector<double> sum = Shown('B', Plot::kSumSlot);
    ASSERT_EQ(sum.size(), size_t(kGridPoints));
    for (int i = 0; i < kGridPoints; i += 211) {
        double expected = 0;
        for (int b = 0; b < GeqPage::kBands; ++b)
            expected += GeqPlot(1).Filter(b).response[i];
        EXPECT_NEAR(sum[size_t(i)], expected, 1e-9);
    }
}

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

TEST_F(GeqFixture, BurstOfMovesPaintsTheGainLabelsOnceWithTheirNewTexts)
{
    f.Get("skgParamGeq")->BringToFront();
    QCoreApplication::processEvents();
    QWidget *window = f.host.form->Widget();
    auto *box = f.Get<TWinControl>("skgGeqInA");
    // The window as it stands on the screen, and the gain labels' places in it.
    auto screen = [&] { return QGuiApplication::primaryScreen()->grabWindow(window->winId()).toImage(); };
    std::vector<QRect> places;
    for (int b = 0; b < GeqPage::kBands; ++b) {
        TControl *l = f.Get(QString::asprintf("lbGeqGainCh%02dInA", b + 1));
        places.emplace_back(box->Widget()->mapTo(window, QPoint(l->Left(), l->Top())), QSize(l->Width(), l->Height()));
    }
    const QImage before = screen();

    PaintCounter counter;
    box->Widget()->installEventFilter(&counter);
    for (int b = 0; b < GeqPage::kBands; ++b)
        Band(b, 'A')->SetPosition(b % 2 ? 150 : 30);
    EXPECT_EQ(counter.paints, 0) << "the captions wait for the event loop";
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1) << "one paint of the box for the whole burst";
    box->Widget()->removeEventFilter(&counter);

    const QImage after = screen();
    const QImage fresh = window->grab().toImage().convertToFormat(after.format());
    for (int b = 0; b < GeqPage::kBands; ++b) {
        const QRect r = places[size_t(b)];
        EXPECT_EQ(Label(b, 'A'), b % 2 ? "+3.0" : "-9.0");
        EXPECT_NE(after.copy(r), before.copy(r)) << "band " << b + 1 << " shows its new gain";
        EXPECT_EQ(after.copy(r), fresh.copy(r)) << "band " << b + 1 << " as a full render draws it";
    }
}

TEST_F(GeqFixture, RefreshMovesInputASlidersWithoutWritingTheModel)
{
    Link(0x3); // A leads A and B
    f.host.updating = true;
    Band(4, 'A')->SetPosition(200);
    Band(4, 'B')->SetPosition(40);
    f.host.updating = false;
    EXPECT_EQ(Label(4, 'A'), "+8.0") << "A's handler still follows a refresh";
    EXPECT_NEAR(GeqPlot(0).Filter(4).gainDb, 8.0, 1e-12);
    EXPECT_TRUE(page.CurveTimer()->Enabled());
    EXPECT_EQ(f.host.model.GetGeqBand(0, 4), 120) << "a read-back writes nothing";
    EXPECT_EQ(f.host.model.GetGeqBand(1, 4), 120);
    EXPECT_EQ(Label(4, 'B'), "+ 0.0") << "B's handler returns at once";
    EXPECT_EQ(GeqPlot(1).Filter(4).gainDb, 0.0);
    EXPECT_TRUE(f.sent.empty());

    // Outside a refresh a member's edit writes the whole group.
    Band(4, 'B')->SetPosition(150);
    EXPECT_EQ(f.host.model.GetGeqBand(0, 4), 150);
    EXPECT_EQ(f.host.model.GetGeqBand(1, 4), 150);
}

TEST_F(GeqFixture, SelectorOfAMemberShowsItsLeadersBoxesUnderItsOwnName)
{
    Link(0x3);
    Band(2, 'A')->SetPosition(160);
    clock.Advance(1);
    auto *selB = f.Get<TSkBmpButton>("skbGeqSelInB");
    Click(selB->Widget(), QPoint(5, 5));
    EXPECT_TRUE(selB->Down());
    EXPECT_FALSE(f.Get<TSkBmpButton>("skbGeqSelInA")->Down());
    EXPECT_EQ(f.Get("lbGeqInA")->Caption(), "InB");
    EXPECT_EQ(f.Get("lbFftChGeqInA")->Caption(), "InB");
    TColor colour = clNone;
    ASSERT_TRUE(Display('A')->GetPlotColor(colour, Plot::kSumSlot));
    EXPECT_EQ(colour, Colour(ChannelColours[1]));
    EXPECT_TRUE(OnTop(f.Get<TWinControl>("skgParamGeq"), f.Get<TWinControl>("skgGeqInA")));
    EXPECT_TRUE(OnTop(f.Get<TWinControl>("skgFftGeq"), f.Get<TWinControl>("skgFftGeqInA")));

    Link(0x1); // all single again
    Click(f.Get<TSkBmpButton>("skbGeqSelInD")->Widget(), QPoint(5, 5));
    EXPECT_EQ(f.Get("lbGeqInD")->Caption(), "InD");
    EXPECT_TRUE(OnTop(f.Get<TWinControl>("skgParamGeq"), f.Get<TWinControl>("skgGeqInD")));
    EXPECT_TRUE(OnTop(f.Get<TWinControl>("skgFftGeq"), f.Get<TWinControl>("skgFftGeqInD")));
}

TEST_F(GeqFixture, BypassOfALinkGroupMarksEveryMemberAndSendsOneCommand)
{
    Link(0x5); // A leads A and C
    const int blank = FacePixels('C');
    f.sent.clear();
    auto *bypassC = f.Get<TLdDemoButton>("ldbEqBypassGeqInC");
    bypassC->OnClick(bypassC);
    EXPECT_EQ(f.host.model.GetGeqBypassMask(), 0x5);
    ASSERT_EQ(f.sent.size(), 1u);
    EXPECT_EQ(f.sent[0].code, CMD_GEQ_BYPASS);
    EXPECT_EQ(f.sent[0].payload, (ByteVector{2, 1}));
    EXPECT_GT(FacePixels('A'), blank + 50);
    EXPECT_GT(FacePixels('C'), blank + 50);
    EXPECT_EQ(FacePixels('B'), blank);

    bypassC->OnClick(bypassC);
    EXPECT_EQ(f.host.model.GetGeqBypassMask(), 0);
    ASSERT_EQ(f.sent.size(), 2u);
    EXPECT_EQ(f.sent[1].payload, (ByteVector{2, 0}));
    EXPECT_EQ(FacePixels('A'), blank);
}

TEST_F(GeqFixture, ResetPutsEveryBandBackAndSendsEachWithTheAppendFlag)
{
    Band(3, 'B')->SetPosition(200);
    Band(30, 'B')->SetPosition(10);
    f.sent.clear();
    page.ResetGeq(13);
    for (int b = 0; b < GeqPage::kBands; ++b) {
        EXPECT_EQ(Band(b, 'B')->Position(), 120) << b;
        EXPECT_EQ(f.host.model.GetGeqBand(1, b), 120) << b;
    }
    EXPECT_EQ(Label(30, 'B'), "+0.0");
    // The two moved bands also through their sliders' own commands.
    std::vector<ByteVector> own, appended;
    for (const auto &s : f.Codes(kGeq))
        (s.append ? appended : own).push_back(s.payload);
    EXPECT_EQ(own, (std::vector<ByteVector>{{1, 3, 120, 0}, {1, 30, 120, 0}}));
    ASSERT_EQ(appended.size(), size_t(GeqPage::kBands));
    for (int b = 0; b < GeqPage::kBands; ++b)
        EXPECT_EQ(appended[size_t(b)], (ByteVector{1, uint8_t(b), 120, 0}));
    page.ResetGeq(11); // a PEQ target: not this page's
    EXPECT_EQ(f.Codes(kGeq).size(), 2u + GeqPage::kBands);
}

TEST_F(GeqFixture, ResetAndTheBlockDiagramLabelLeadToTheirTargets)
{
    auto *reset = f.Get<TLdDemoButton>("ldbEqResetGeqInD");
    reset->OnClick(reset);
    EXPECT_EQ(f.host.eqResetTargets, std::vector<int>{15});

    int geqClicks = 0;
    auto *menuGeq = f.Get<TSkBmpButton>("skbMenuGeq");
    menuGeq->SetGroupIndex(7);
    f.Get<TSkBmpButton>("skbMenuMatrix")->SetGroupIndex(7);
    f.Get<TSkBmpButton>("skbMenuMatrix")->SetDown(true);
    menuGeq->OnClick = [&](TObject *) { ++geqClicks; };
    TControl *label = f.Get("lbMatrixGeqInC");
    label->OnClick(label);
    EXPECT_EQ(geqClicks, 1);
    EXPECT_TRUE(menuGeq->Down());
    EXPECT_FALSE(f.Get<TSkBmpButton>("skbMenuMatrix")->Down());
    EXPECT_TRUE(f.Get<TSkBmpButton>("skbGeqSelInC")->Down());
    EXPECT_EQ(f.Get("lbGeqInC")->Caption(), "InC");
    EXPECT_TRUE(OnTop(f.Get<TWinControl>("skgParamGeq"), f.Get<TWinControl>("skgGeqInC")));
}

TEST_F(GeqFixture, BandColumnsFitTheirBoxAndTheBoxesTheParameterArea)
{
    auto *area = f.Get<TWinControl>("skgParamGeq");
    for (char in : {'A', 'B', 'C', 'D'}) {
        auto *box = f.Get<TWinControl>(QStringLiteral("skgGeqIn") + QChar(in));
        EXPECT_LE(box->Left() + box->Width(), area->Width());
        EXPECT_LE(box->Top() + box->Height(), area->Height());
        int right = 0;
        for (int b = 0; b < GeqPage::kBands; ++b) {
            TControl *s = Band(b, in);
            TControl *l = f.Get(QString::asprintf("lbGeqGainCh%02dIn%c", b + 1, in));
            EXPECT_EQ(s->Parent(), box);
            EXPECT_GE(s->Left(), right) << "columns left to right without overlap";
            EXPECT_LE(l->Top() + l->Height(), s->Top());
            right = s->Left() + s->Width();
        }
        EXPECT_LE(right, box->Width());
        EXPECT_EQ(Display(in)->Tag(), GeqPage::kFirstPlot + (in - 'A'));
    }
    page.ApplyLanguage();
    f.Get("skgFftGeq")->BringToFront();
    f.Get("skgParamGeq")->BringToFront();
    QCoreApplication::processEvents();
    if (const char *out = std::getenv("TQ62_GEQ_PNG"))
        f.host.form->Widget()->grab().toImage().save(out);
}
