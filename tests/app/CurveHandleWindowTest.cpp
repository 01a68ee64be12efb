// Curve handles on the main window as a user meets them: each handle is found
// by its colour in the rendered display, pressed there and dragged with real
// mouse input onto grid lines found in the same picture; the device receives
// the values of those lines and the handle is drawn where the pointer let go.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "CommandClasses.h"
#include "EditorWindows.h"
#include "FirstUpload.h"
#include "LCmd.h"
#include "LMainLink.h"
#include "LUnitControl.h"
#include "PumpEvents.h"
#include "SimFrontEnd.h"
#include "TfmMain.h"
#include "ValueScales.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The colours a user sees: the plot's frame and decade lines, its finer grid
// lines, and the handles: band 3 a magenta dot, the high-pass a cyan square
// (band 4's dot has its colour), the low-pass a green one (band 5's colour).
const QRgb kFrame = qRgb(0, 140, 0), kGrid = qRgb(0, 72, 0);
enum Which { Band3, HighPass, LowPass };
const QRgb kColour[] = {qRgb(215, 40, 215), qRgb(40, 215, 215), qRgb(40, 215, 40)};
const char *const kWhich[] = {"band 3", "high-pass", "low-pass"};

// Within the mixing of the translucent band fill drawn over a colour.
bool Near(QRgb a, QRgb b, int tolerance = 40)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// A handle as drawn: a blob of its colour about a dozen pixels across.
struct Blob {
    QRect box;
    int pixels = 0;
    QPoint Centre() const { return box.center(); }
    // A square fills its box; a dot leaves the corners out.
    bool Square() const { return pixels >= box.width() * box.height() * 9 / 10; }
};

std::vector<Blob> Handles(const QImage &img, const QRect &area, QRgb colour)
{
    std::vector<Blob> found;
    std::vector<char> seen(size_t(img.width()) * size_t(img.height()), 0);
    auto at = [&](int x, int y) -> char & { return seen[size_t(y) * size_t(img.width()) + size_t(x)]; };
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (at(x, y) || !Near(img.pixel(x, y), colour))
                continue;
            Blob b;
            b.box = QRect(x, y, 1, 1);
            std::vector<QPoint> todo{{x, y}};
            at(x, y) = 1;
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                ++b.pixels;
                b.box = b.box.united(QRect(p, QSize(1, 1)));
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (area.contains(q) && !at(q.x(), q.y()) && Near(img.pixel(q), colour)) {
                        at(q.x(), q.y()) = 1;
                        todo.push_back(q);
                    }
                }
            }
            if (b.box.width() >= 7 && b.box.width() <= 15 && b.box.height() >= 7 && b.box.height() <= 15)
                found.push_back(b);
        }
    return found;
}

std::optional<Blob> OneHandle(const QImage &img, const QRect &area, Which which)
{
    std::vector<Blob> all = Handles(img, area, kColour[which]);
    const bool square = which != Band3;
    all.erase(std::remove_if(all.begin(), all.end(), [&](const Blob &b) { return b.Square() != square; }),
              all.end());
    if (all.size() != 1)
        return std::nullopt;
    return all.front();
}

// The plot as drawn: its frame, the grid rows from +15 dB down to -15 dB
// (3 dB apart; the 0 dB row is a frame-coloured line and not among them) and
// the decade columns of 100 Hz, 1 kHz and 10 kHz.
struct DrawnPlot {
    int left = -1, right = -1, top = -1, bottom = -1;
    std::vector<int> rows, decades;

    bool Complete() const { return left >= 0 && top >= 0 && rows.size() == 10 && decades.size() == 3; }
    // The grid row of a whole multiple of 3 dB other than 0.
    int Row(int db) const { return rows[size_t(db > 0 ? 5 - db / 3 : 4 - db / 3)]; }
};

DrawnPlot FindPlot(const QImage &img, const QRect &display)
{
    DrawnPlot p;
    // The frame's sides along a row low in the display, where only grid lines cross.
    const int probeRow = display.top() + display.height() * 3 / 4;
    for (int x = display.left(); x <= display.right(); ++x)
        if (Near(img.pixel(x, probeRow), kFrame, 20)) {
            if (p.left < 0)
                p.left = x;
            p.right = x;
        }
    if (p.left < 0)
        return p;
    const int probeColumn = p.left + 3;
    for (int y = display.top(); y <= display.bottom(); ++y) {
        const QRgb c = img.pixel(probeColumn, y);
        if (Near(c, kFrame, 20)) {
            if (p.top < 0)
                p.top = y;
            p.bottom = y;
        } else if (Near(c, kGrid, 20)) {
            p.rows.push_back(y);
        }
    }
    if (p.rows.size() != 10)
        return p;
    // Decade lines between the two lowest grid rows, inside the frame.
    const int decadeRow = (p.rows[8] + p.rows[9]) / 2;
    for (int x = p.left + 1; x < p.right; ++x)
        if (Near(img.pixel(x, decadeRow), kFrame, 20))
            p.decades.push_back(x);
    return p;
}

class CurveHandleWindowTest : public testing::Test {
protected:
    void TearDown() override
    {
        DestroyEditorWindows();
        TfmMain::connectOption = {};
    }
    static bool SameImage(SimTcp &sim)
    {
        const ParameterImage device = sim.WithSim([](SimProcessor &s) { return s.image; });
        const auto mine = fmMain->Model().GetImage().ToBytes(), theirs = device.ToBytes();
        return std::equal(mine.begin() + 2, mine.end(), theirs.begin() + 2);
    }
    // The windows made as the program makes them, online with the simulated
    // device, the first upload over and the connect window gone.
    bool GoOnline(SimTcp &sim)
    {
        TfmMain::connectOption = {true, "127.0.0.1", sim.Port()};
        CreateEditorWindows();
        fmMain->Show();
        LMainLink &link = fmMain->MainLink();
        return PumpUntil(
            [&] {
                return FirstUploadEnded(link) && UploadClosingPollArrived(sim) && SameImage(sim) &&
                       !QApplication::activeModalWidget();
            },
            30000);
    }
    // Output 1's page, shown through its page button in the active window.
    testing::AssertionResult ShowOutput1(SimTcp &sim)
    {
        if (!GoOnline(sim))
            return testing::AssertionFailure() << "not online";
        Click(Where("skbMenuOut1"));
        if (fmMain->CurrentPage() != 4)
            return testing::AssertionFailure() << "page " << fmMain->CurrentPage() << " in front";
        return testing::AssertionSuccess();
    }
    static QWidget *Window() { return fmMain->WindowWidget(); }
    static QWindow *Handle() { return Window()->windowHandle(); }
    static QImage Shot() { return Window()->grab().toImage(); }
    // A control's rectangle in the window.
    static QRect Where(const char *name)
    {
        TControl *c = fmMain->FindControl(name);
        if (!c)
            return {};
        const TPoint g = c->ClientToScreen(TPoint(0, 0));
        return QRect(Window()->mapFromGlobal(QPoint(g.X, g.Y)), QSize(c->Width(), c->Height()));
    }
    // The window at that size; output 1's display in it.
    static QRect Resized(int Width, int Height)
    {
        fmMain->SetBounds(fmMain->Left(), fmMain->Top(), Width, Height);
        PumpFor(20);
        return Where("fftDrawOut1");
    }
    static void Click(const QRect &r) { QTest::mouseClick(Handle(), Qt::LeftButton, {}, r.center()); }
    // Press, move there in a few steps, let go.
    static void Drag(QPoint from, QPoint to)
    {
        QTest::mousePress(Handle(), Qt::LeftButton, {}, from);
        const int steps = 6;
        for (int i = 1; i <= steps; ++i)
            QTest::mouseMove(Handle(), from + (to - from) * i / steps);
        QTest::mouseRelease(Handle(), Qt::LeftButton, {}, to);
        PumpFor(30); // the curve's tick
    }
    static std::vector<LCmd> Received(SimTcp &sim, uint8_t code)
    {
        std::vector<LCmd> out;
        for (const ByteVector &f : sim.Frames()) {
            LCmd c(f, 1);
            if (c.GetCode() == code)
                out.push_back(c);
        }
        return out;
    }
};

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
    // What the device holds for the handle: frequency and gain indexes.
    struct Values {
        int freq = 0, gain = 0;
        bool operator==(const Values &o) const { return freq == o.freq && gain == o.gain; }
        friend void PrintTo(const Values &v, std::ostream *os) { *os << "freq " << v.freq << ", gain " << v.gain; }
    };
    static Values DeviceValues(SimTcp &sim, Which which)
    {
        const OutputChannelRecord out = sim.WithSim([](SimProcessor &s) { return s.image.outputs[0]; });
        if (which == HighPass)
            return {out.hpfFreq, 0};
        if (which == LowPass)
            return {out.lpfFreq, 0};
        return {out.peq[2].freqIndex, out.peq[2].gainIndex};
    }
    static uint8_t Code(Which which)
    {
        return which == HighPass ? CM_MCS_HIGH_PASS::kCode : which == LowPass ? CM_MCS_LOW_PASS::kCode
                                                                               : CM_MCS_PEQ::kCode;
    }
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
