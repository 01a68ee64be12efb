#include "MatrixPage.h"

#include "Application.h"
#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "MixLevelEntry.h"
#include "PageFixture.h"
#include "PaintBox.h"
#include "SharedConstants.h"
#include "SkBmpButton.h"
#include "SkGroupBox.h"
#include "UpDown.h"

#include <gtest/gtest.h>

namespace {

struct MatrixFixture : ::testing::Test {
    PageFixture f;
    MatrixPage &page = f.Add<MatrixPage>();
    MixLevelEntry &entry = f.Add<MixLevelEntry>();
    std::vector<QString> errors;

    MatrixFixture()
    {
        Application->SetExceptionBoxHandler([this](const QString &m) { errors.push_back(m); });
    }
    ~MatrixFixture() override { Application->SetExceptionBoxHandler(nullptr); }

    void Press(const QString &Name)
    {
        auto *b = f.Get<TSkBmpButton>(Name);
        b->SetDown(!b->Down());
        b->Click();
    }
    TUpDown *Spinner(const QString &Name) { return f.Get<TUpDown>(Name); }
    QString Text(const QString &Name) { return f.Get<TRoundedEdit>(Name)->Text(); }
    void SetRoutes(const std::array<uint16_t, 8> &masks)
    {
        ParameterImage img = f.host.model.GetImage();
        for (int o = 0; o < 8; ++o)
            img.outputs[o].routeMask = masks[size_t(o)];
        f.host.model.SetImage(img);
    }
    // The routing picture as its frame draws it, in the picture's coordinates.
    QImage Picture()
    {
        auto *frame = f.Get<TWinControl>("skgFftMatrix");
        TControl *pb = f.Get("pbMatrix");
        return frame->PaintToImage().copy(pb->Left(), pb->Top(), pb->Width(), pb->Height());
    }
};

TEST_F(MatrixFixture, RouteButtonsSendTheWholeMaskOfTheirOutput)
{
    const uint16_t before = f.host.model.GetRouteMask(6); // output 3: input C at start
    Press("skbBMatrixOut3");
    Press("skbBMatrixOut3");
    const auto frames = f.Codes(CM_MCS_MATRIX::kCode);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].payload, (ByteVector{6, uint8_t(before | 2)}));
    EXPECT_EQ(frames[1].payload, (ByteVector{6, uint8_t(before & ~2)}));
    EXPECT_EQ(f.host.model.GetRouteMask(6), before & ~2);
}

TEST_F(MatrixFixture, MixSpinnerShowsSendsAndWritesLevelPlus280)
{
    const struct {
        int position;
        uint8_t level;
        const char *text;
    } cases[] = {{-210, 70, "-25.0dB"}, {-211, 69, "-25.5dB"}, {-280, 0, "-60.0dB"}, {0, 280 & 0xFF, "+0.0dB"}};
    for (const auto &c : cases) {
        f.sent.clear();
        Spinner("udMixGainCOut2")->SetPosition(c.position);
        EXPECT_EQ(Text("cvdCMatrixOut2"), c.text) << c.position;
        const auto frames = f.Codes(CM_MCS_MIX::kCode);
        ASSERT_EQ(frames.size(), 1u) << c.position;
        EXPECT_EQ(frames[0].payload, (ByteVector{5, 2, c.level, uint8_t((c.position + 280) >> 8)}));
        EXPECT_EQ(f.host.model.GetMixLevel(5, 2), c.position + 280);
    }
}

TEST_F(MatrixFixture, DownArrowAtTheBottomChangesNothing)
{
    TUpDown *spin = Spinner("udMixGainAOut1");
    spin->SetPosition(-280);
    f.sent.clear();
    f.Get<TRoundedEdit>("cvdAMatrixOut1")->SetText("x");
    spin->MouseDown(mbLeft, {}, spin->Width() / 2, spin->Height() - 2);
    EXPECT_EQ(spin->Position(), -280);
    EXPECT_EQ(Text("cvdAMatrixOut1"), "x");
    EXPECT_TRUE(f.sent.empty());
}

TEST_F(MatrixFixture, LinkedOutputsKeepTheirOwnRouteAndMix)
{
    ParameterImage img = f.host.model.GetImage();
    img.outputs[0].linkMask = 0b11; // output 1 leads 1 and 2
    img.outputs[1].linkMask = 0;
    f.host.model.SetImage(img);
    const uint16_t mask2 = f.host.model.GetRouteMask(5), mix2 = f.host.model.GetMixLevel(5, 0);
    Press("skbDMatrixOut1");
    Spinner("udMixGainAOut1")->SetPosition(-100);
    EXPECT_EQ(f.host.model.GetRouteMask(4) & 8, 8);
    EXPECT_EQ(f.host.model.GetMixLevel(4, 0), 180);
    EXPECT_EQ(f.host.model.GetRouteMask(5), mask2);
    EXPECT_EQ(f.host.model.GetMixLevel(5, 0), mix2);
}

TEST_F(MatrixFixture, WhileUpdatingASpinnerMovesTheTextOnly)
{
    f.host.updating = true;
    Spinner("udMixGainBOut4")->SetPosition(-50);
    f.host.updating = false;
    EXPECT_EQ(Text("cvdBMatrixOut4"), "-5.0dB");
    EXPECT_EQ(f.host.model.GetMixLevel(7, 1), 280);
    EXPECT_TRUE(f.sent.empty());
}

TEST_F(MatrixFixture, TypedMixGoesThroughTheSpinner)
{
    const struct {
        const char *typed;
        int position;
    } cases[] = {{"-25.3", -210}, {"-25.7dB", -211}, {"-75", -280}, {"0", 0}};
    for (const auto &c : cases) {
        f.Type("cvdAMatrixOut6", c.typed);
        EXPECT_EQ(Spinner("udMixGainAOut6")->Position(), c.position) << c.typed;
        EXPECT_EQ(f.host.model.GetMixLevel(9, 0), c.position + 280) << c.typed;
    }
    // Refused: the shown value comes back; no number: the message, the text stays.
    for (const char *refused : {"+0", "1.2.3", "5a"}) {
        f.Type("cvdAMatrixOut6", refused);
        EXPECT_EQ(Text("cvdAMatrixOut6"), "+0.0dB") << refused;
    }
    EXPECT_TRUE(errors.empty());
    f.Type("cvdAMatrixOut6", "1-2");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(Text("cvdAMatrixOut6"), "1-2");
    EXPECT_EQ(Spinner("udMixGainAOut6")->Position(), 0);
}

QRgb Rgb(int input)
{
    const RgbColour &c = ChannelColours[input];
    return qRgb(c.r, c.g, c.b);
}

// Counts the pixels of the input's colour along the line from the input's
// end to the output's end (row pitch 0), sampled between the ends.
int OnLine(const QImage &img, int input, int output)
{
    const int inY[] = {16, 76, 138, 199}, outY[] = {0, 31, 61, 91, 121, 156, 182, 209};
    int hits = 0;
    for (int x = 8; x < img.width() - 8; x += 4) {
        const int y = inY[input] + (outY[output] - inY[input]) * x / img.width();
        bool hit = false;
        for (int dy = -1; dy <= 1; ++dy)
            if (y + dy >= 0 && y + dy < img.height() && (img.pixel(x, y + dy) & 0xFFFFFF) == (Rgb(input) & 0xFFFFFF))
                hit = true;
        hits += hit;
    }
    return hits;
}

TEST_F(MatrixFixture, RoutingLinesAreDrawnInTheInputsColoursAndGoWithTheirRoutes)
{
    SetRoutes({0, 0, 0, 0, 0, 0, 0, 0});
    QImage img = Picture();
    const int samples = (img.width() - 16 + 3) / 4;
    for (int i = 0; i < 4; ++i)
        for (int o = 0; o < 8; ++o)
            EXPECT_EQ(OnLine(img, i, o), 0);

    SetRoutes({0, 0, 0b0100, 0, 0, 0, 0, 0b1001});
    Press("skbBMatrixOut3"); // B joins C on output 3
    img = Picture();
    EXPECT_EQ(OnLine(img, 2, 2), samples);
    EXPECT_GE(OnLine(img, 1, 2), samples - 2); // C's line may cross it
    EXPECT_EQ(OnLine(img, 0, 7), samples);
    EXPECT_EQ(OnLine(img, 3, 7), samples);

    f.Render("skgFftMatrix", "skgParamMatrix", "matrix.png"); // for a look by eye
    Press("skbBMatrixOut3"); // un-routed: its line is gone
    img = Picture();
    EXPECT_EQ(OnLine(img, 1, 2), 0);
    EXPECT_EQ(OnLine(img, 2, 2), samples);
}

TEST_F(MatrixFixture, RowPitchSpreadsTheLineEnds)
{
    f.host.rowPitch = 18;
    SetRoutes({0, 0, 0, 0, 0, 0, 0, 0b0010});
    TPaintBox *pb = f.Get<TPaintBox>("pbMatrix");
    pb->SetHeight(240);
    const QImage img = Picture();
    // Input B starts at 76 + 18 / 4 = 80; output 8 ends at 18 / 9 * 8 + 209 = 225.
    const QRgb b = Rgb(1) & 0xFFFFFF;
    auto near = [&](int x, int y) {
        for (int dy = -2; dy <= 2; ++dy)
            if ((img.pixel(x, y + dy) & 0xFFFFFF) == b)
                return true;
        return false;
    };
    EXPECT_TRUE(near(1, 80));
    EXPECT_TRUE(near(img.width() - 2, 225 - 2 * 145 / img.width()));
}

} // namespace
