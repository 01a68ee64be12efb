#pragma once
// Curve handles of the main window as a user finds them: by their colour in
// the rendered display, on a plot whose frame and grid lines are found in the
// same picture; and the main window online with the simulated device, output
// 1's page in front, driven by real mouse input.
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

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <vector>

namespace CurveHandles {

// The colours a user sees: the plot's frame and decade lines, its finer grid
// lines, and the handles: band 3 a magenta dot, the high-pass a cyan square
// (band 4's dot has its colour), the low-pass a green one (band 5's colour).
inline constexpr QRgb kFrame = qRgb(0, 140, 0), kGrid = qRgb(0, 72, 0);
enum Which { Band3, HighPass, LowPass };
inline constexpr QRgb kColour[] = {qRgb(215, 40, 215), qRgb(40, 215, 215), qRgb(40, 215, 40)};
inline constexpr const char *kWhich[] = {"band 3", "high-pass", "low-pass"};

// Within the mixing of the translucent band fill drawn over a colour.
inline bool Near(QRgb a, QRgb b, int tolerance = 40)
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

inline std::vector<Blob> Handles(const QImage &img, const QRect &area, QRgb colour)
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

inline std::optional<Blob> OneHandle(const QImage &img, const QRect &area, Which which)
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

inline DrawnPlot FindPlot(const QImage &img, const QRect &display)
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

} // namespace CurveHandles

class CurveHandleWindowTest : public testing::Test {
protected:
    using Which = CurveHandles::Which;
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
    // What the device holds for the handle: frequency and gain indexes.
    struct Values {
        int freq = 0, gain = 0;
        bool operator==(const Values &o) const { return freq == o.freq && gain == o.gain; }
        friend void PrintTo(const Values &v, std::ostream *os) { *os << "freq " << v.freq << ", gain " << v.gain; }
    };
    static Values DeviceValues(SimTcp &sim, Which which)
    {
        const OutputChannelRecord out = sim.WithSim([](SimProcessor &s) { return s.image.outputs[0]; });
        if (which == CurveHandles::HighPass)
            return {out.hpfFreq, 0};
        if (which == CurveHandles::LowPass)
            return {out.lpfFreq, 0};
        return {out.peq[2].freqIndex, out.peq[2].gainIndex};
    }
    static uint8_t Code(Which which)
    {
        return which == CurveHandles::HighPass  ? CM_MCS_HIGH_PASS::kCode
               : which == CurveHandles::LowPass ? CM_MCS_LOW_PASS::kCode
                                                : CM_MCS_PEQ::kCode;
    }
};
