// Curve handles on the main window as a user meets them: each handle is found
// by its colour in the rendered display, pressed there and dragged with real
// mouse input onto grid lines found in the same picture; the device receives
// the values of those lines and the handle is drawn where the pointer let go.
#include "CurveHandleWindow.h"

#include "ValueScales.h"

#include <cmath>
#include <string>

namespace {

using namespace CurveHandles;

// Output 1's page: band 3 and the filter handles dragged onto grid lines,
// at the window's base size and stretched.
TEST_F(CurveHandleWindowTest, HandlesFollowThePointerAndTheDeviceGetsTheValuesUnderIt)
{
    SimTcp sim;
    ASSERT_TRUE(ShowOutput1(sim));
    const struct Case {
        int width, height;
        Which which;
        int decade, db; // where the handle is dropped: a decade line, a grid row (bands only)
    } cases[] = {
        {1118, 720, Band3, 1, 6},   // 1 kHz, +6 dB
        {1118, 720, Band3, 2, -6},  // 10 kHz, -6 dB: a cut follows the pointer too
        {1118, 720, HighPass, 0, 0}, // 100 Hz
        {1118, 720, LowPass, 2, 0},  // 10 kHz
        {1300, 860, Band3, 0, 9},   // stretched: 100 Hz, +9 dB
        {1300, 860, HighPass, 1, 0}, // stretched: 1 kHz
    };
    const double decadeHz[] = {100, 1000, 10000};
    for (const Case &c : cases) {
        const std::string at = std::to_string(c.width) + "x" + std::to_string(c.height) + " " + kWhich[c.which] +
                               " to decade " + std::to_string(c.decade) + ", " + std::to_string(c.db) + " dB";
        const QRect display = Resized(c.width, c.height);
        const QImage before = Shot();
        const DrawnPlot plot = FindPlot(before, display);
        ASSERT_TRUE(plot.Complete()) << at;
        const std::optional<Blob> handle = OneHandle(before, display, c.which);
        ASSERT_TRUE(handle) << at;
        // A filter handle moves along its row; a band handle to the grid row.
        const QPoint to(plot.decades[size_t(c.decade)], c.which == Band3 ? plot.Row(c.db) : handle->Centre().y());
        sim.ClearFrames();
        Drag(handle->Centre(), to);
        ASSERT_TRUE(PumpUntil([&] { return SameImage(sim); }, 5000)) << at;
        const OutputChannelRecord out = sim.WithSim([](SimProcessor &s) { return s.image.outputs[0]; });
        const int wantFreq = FreqToIndex(decadeHz[c.decade]);
        if (c.which == HighPass) {
            ASSERT_FALSE(Received(sim, CM_MCS_HIGH_PASS::kCode).empty()) << at;
            EXPECT_NEAR(out.hpfFreq, wantFreq, 1) << at;
        } else if (c.which == LowPass) {
            ASSERT_FALSE(Received(sim, CM_MCS_LOW_PASS::kCode).empty()) << at;
            EXPECT_NEAR(out.lpfFreq, wantFreq, 1) << at;
        } else {
            const std::vector<LCmd> peq = Received(sim, CM_MCS_PEQ::kCode);
            ASSERT_FALSE(peq.empty()) << at;
            const PeqBand &b = out.peq[2];
            EXPECT_EQ(peq.back().GetData(),
                      CM_MCS_PEQ(1, 4, 2, b.gainIndex, b.freqIndex, b.qIndex, b.type, 0).GetData())
                << at;
            EXPECT_NEAR(b.freqIndex, wantFreq, 1) << at;
            // One pixel of the plot is about 0.16 dB.
            EXPECT_NEAR(IndexToGain(b.gainIndex), c.db, 0.25) << at;
        }
        const std::optional<Blob> moved = OneHandle(Shot(), display, c.which);
        ASSERT_TRUE(moved) << at;
        // Frequencies go in 1/30 octave steps (a decade holds about 100):
        // half a step off, and a pixel each for the drawing of line and handle.
        const int stepHalf = (plot.decades[1] - plot.decades[0]) / 200;
        EXPECT_LE(std::abs(moved->Centre().x() - to.x()), stepHalf + 2) << at;
        EXPECT_LE(std::abs(moved->Centre().y() - to.y()), 2) << at;
    }
}

// Pointing at a handle shows a cross; a little beside it the arrow comes back.
TEST_F(CurveHandleWindowTest, PointingAtAHandleShowsACross)
{
    SimTcp sim;
    ASSERT_TRUE(ShowOutput1(sim));
    const struct Case {
        int width, height;
        Which which;
    } cases[] = {
        {1118, 720, Band3},
        {1118, 720, HighPass},
        {1118, 720, LowPass},
        {1300, 860, Band3},
        {1300, 860, HighPass},
    };
    for (const Case &c : cases) {
        const std::string at = std::to_string(c.width) + "x" + std::to_string(c.height) + " " + kWhich[c.which];
        const QRect display = Resized(c.width, c.height);
        const std::optional<Blob> handle = OneHandle(Shot(), display, c.which);
        ASSERT_TRUE(handle) << at;
        auto cursorAt = [&](QPoint p) {
            QTest::mouseMove(Handle(), p);
            QWidget *under = Window()->childAt(p);
            return under ? under->cursor().shape() : Qt::BlankCursor;
        };
        EXPECT_EQ(cursorAt(handle->Centre()), Qt::CrossCursor) << at;
        EXPECT_EQ(cursorAt(handle->Centre() + QPoint(12, 0)), Qt::ArrowCursor) << at;
        EXPECT_EQ(cursorAt(handle->Centre() + QPoint(0, 1)), Qt::CrossCursor) << at;
    }
}

// Band 3's dot stands on the column its frequency maps to on the decade
// lines drawn, and a press at its centre dragged straight up changes the gain
// only: the device keeps the frequency. At the base size and stretched, with
// the band put on and a little beside a decade line, so that its frequency
// falls at several places within a pixel.
TEST_F(CurveHandleWindowTest, ADotStandsOnItsFrequencyAndAStraightDragKeepsIt)
{
    SimTcp sim;
    ASSERT_TRUE(ShowOutput1(sim));
    const struct Case {
        int width, height;
        int decade; // where the band is put first: beside a decade line
        int upDb;   // then dragged straight up onto this grid row
    } cases[] = {
        {1118, 720, 1, 6}, {1118, 720, 2, 3}, {1300, 860, 0, 6}, {1300, 860, 1, 3},
    };
    for (const Case &c : cases)
        for (int beside = 0; beside < 4; ++beside) {
            const std::string at = std::to_string(c.width) + "x" + std::to_string(c.height) + " decade " +
                                   std::to_string(c.decade) + " + " + std::to_string(beside) + " px";
            const QRect display = Resized(c.width, c.height);
            const QImage before = Shot();
            const DrawnPlot plot = FindPlot(before, display);
            ASSERT_TRUE(plot.Complete()) << at;
            std::optional<Blob> handle = OneHandle(before, display, Band3);
            ASSERT_TRUE(handle) << at;
            Drag(handle->Centre(), QPoint(plot.decades[size_t(c.decade)] + beside, plot.Row(-3)));
            ASSERT_TRUE(PumpUntil([&] { return SameImage(sim); }, 5000)) << at;
            const int freqIndex =
                sim.WithSim([](SimProcessor &s) { return int(s.image.outputs[0].peq[2].freqIndex); });

            // Where that frequency lies between the decade lines drawn (a
            // decade line stands on the column its exact frequency falls in).
            const double decadePx = double(plot.decades[2] - plot.decades[0]) / 2;
            const double mapped = plot.decades[1] + decadePx * std::log10(IndexToFreq(freqIndex) / 1000.0);
            handle = OneHandle(Shot(), display, Band3);
            ASSERT_TRUE(handle) << at;
            EXPECT_LE(std::abs(handle->Centre().x() - mapped), 1.0)
                << at << ": the dot's centre column " << handle->Centre().x() << ", its frequency at " << mapped;

            sim.ClearFrames();
            const QPoint from = handle->Centre();
            Drag(from, QPoint(from.x(), plot.Row(c.upDb)));
            ASSERT_TRUE(PumpUntil([&] { return SameImage(sim); }, 5000)) << at;
            ASSERT_FALSE(Received(sim, CM_MCS_PEQ::kCode).empty()) << at;
            const PeqBand b = sim.WithSim([](SimProcessor &s) { return s.image.outputs[0].peq[2]; });
            EXPECT_EQ(b.freqIndex, freqIndex) << at << ": a straight drag moved the frequency";
            EXPECT_NEAR(IndexToGain(b.gainIndex), c.upDb, 0.25) << at;
        }
}

// A handle grabbed anywhere within its hit area keeps the point where it was
// grabbed: it moves by what the pointer moved, so every press about the
// centre gives the device the same values for the same drag, an axis the
// pointer has not left keeps its value, and back at the press point the
// device has its values from before. Band 3's dot and the filter squares,
// at the base size and stretched.
struct GrabCase {
    int width, height;
    Which which;
};

class CurveGrabTest : public CurveHandleWindowTest, public testing::WithParamInterface<GrabCase> {
protected:
    // Every frame but the keep-alive and level polls.
    static std::vector<int> Settings(SimTcp &sim)
    {
        std::vector<int> codes;
        for (const ByteVector &f : sim.Frames()) {
            const int code = f.size() > CommandFrame::kCodeByte ? f[CommandFrame::kCodeByte] : -1;
            if (code != CMD_POLL && code != CMD_LEVELS)
                codes.push_back(code);
        }
        return codes;
    }
    // The held button moved from one point to another in a few steps; the
    // device's values once it has all that was sent, and how many frames of
    // the handle's kind carried them.
    static Values Move(SimTcp &sim, Which which, QPoint from, QPoint to, size_t *frames)
    {
        sim.ClearFrames();
        const int steps = 4;
        for (int i = 1; i <= steps; ++i)
            QTest::mouseMove(Handle(), from + (to - from) * i / steps);
        PumpFor(5);
        PumpUntil([&] { return SameImage(sim); }, 5000);
        *frames = Received(sim, Code(which)).size();
        return DeviceValues(sim, which);
    }
};

TEST_P(CurveGrabTest, EveryPressAboutTheCentreMovesTheHandleByWhatThePointerMoved)
{
    const GrabCase c = GetParam();
    SimTcp sim;
    ASSERT_TRUE(ShowOutput1(sim));
    const QRect display = Resized(c.width, c.height);
    const QImage shot = Shot();
    const DrawnPlot plot = FindPlot(shot, display);
    ASSERT_TRUE(plot.Complete());
    const std::optional<Blob> handle = OneHandle(shot, display, c.which);
    ASSERT_TRUE(handle);
    const QPoint centre = handle->Centre();
    const Values start = DeviceValues(sim, c.which);
    const bool band = c.which == Band3;
    if (band) {
        ASSERT_LE(IndexToGain(start.gain), 9.0);
    }

    // Up by the 3 dB between grid rows; sideways a quarter decade toward the
    // middle of the plot (the filters start at its ends).
    const QPoint up(0, -(plot.Row(-3) - plot.Row(3)) / 2);
    const double decadePx = double(plot.decades[2] - plot.decades[0]) / 2;
    const QPoint side((centre.x() < (plot.left + plot.right) / 2 ? 1 : -1) * int(decadePx / 4), 0);
    // A 1/30-octave step is about a hundredth of a decade: half a step off,
    // and a pixel for where the drawn centre lies within its frequency.
    const double freqSlackPx = decadePx / 200 + 1;
    std::optional<Values> firstUp, firstSide;

    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -4; dx <= 4; ++dx) {
            const QPoint press = centre + QPoint(dx, dy);
            const std::string at = std::to_string(c.width) + "x" + std::to_string(c.height) + " " +
                                   kWhich[c.which] + " pressed at (" + std::to_string(dx) + ", " +
                                   std::to_string(dy) + ") from its centre";

            sim.ClearFrames();
            QTest::mousePress(Handle(), Qt::LeftButton, {}, press);
            QTest::mouseRelease(Handle(), Qt::LeftButton, {}, press);
            PumpFor(20);
            EXPECT_TRUE(Settings(sim).empty()) << at << ": a press without a move sent a setting";
            ASSERT_EQ(DeviceValues(sim, c.which), start) << at;

            size_t frames = 0;
            QTest::mousePress(Handle(), Qt::LeftButton, {}, press);
            const Values upped = Move(sim, c.which, press, press + up, &frames);
            if (band) {
                EXPECT_EQ(upped.freq, start.freq) << at << ": straight up moved the frequency";
                EXPECT_NEAR(IndexToGain(upped.gain), IndexToGain(start.gain) + 3, 0.25) << at;
                EXPECT_GT(frames, 0u) << at;
                if (!firstUp)
                    firstUp = upped;
                EXPECT_EQ(upped.gain, firstUp->gain) << at << ": the same drag from elsewhere in the dot";
            } else {
                EXPECT_EQ(upped, start) << at;
                EXPECT_EQ(frames, 0u) << at << ": a filter handle moved up sent its frequency";
            }
            EXPECT_EQ(Move(sim, c.which, press + up, press, &frames), start) << at << ": back at the press";

            const Values moved = Move(sim, c.which, press, press + side, &frames);
            EXPECT_EQ(moved.gain, start.gain) << at << ": sideways moved the gain";
            const double movedPx = decadePx * std::log10(IndexToFreq(moved.freq) / IndexToFreq(start.freq));
            EXPECT_NEAR(movedPx, side.x(), freqSlackPx) << at;
            EXPECT_GT(frames, 0u) << at;
            if (!firstSide)
                firstSide = moved;
            EXPECT_EQ(moved.freq, firstSide->freq) << at << ": the same drag from elsewhere in the handle";
            EXPECT_EQ(Move(sim, c.which, press + side, press, &frames), start) << at << ": back at the press";
            QTest::mouseRelease(Handle(), Qt::LeftButton, {}, press);
            PumpFor(5);
            if (HasFailure())
                return;
        }
}

INSTANTIATE_TEST_SUITE_P(TwoSizes, CurveGrabTest,
                         testing::Values(GrabCase{1118, 720, Band3}, GrabCase{1118, 720, HighPass},
                                         GrabCase{1118, 720, LowPass}, GrabCase{1300, 860, Band3},
                                         GrabCase{1300, 860, HighPass}, GrabCase{1300, 860, LowPass}),
                         [](const testing::TestParamInfo<GrabCase> &i) {
                             return std::to_string(i.param.width) + "x" + std::to_string(i.param.height) +
                                    (i.param.which == Band3      ? "Band3"
                                     : i.param.which == HighPass ? "HighPass"
                                                                 : "LowPass");
                         });

} // namespace
