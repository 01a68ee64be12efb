// A grab of a curve handle ends however its press ends, not only by the
// display's own release: after the link broke mid-drag, or a window came up
// over the drag and took the release, a value typed into the band table
// reaches the device and moves the curve. And a filter handle's drag sends
// each value it passes once.
#include "CurveHandleWindow.h"

#include "Button.h"
#include "Edit.h"
#include "Label.h"
#include "MyPEQType8.h"
#include "TfmInformation.h"
#include "TfmNetwork.h"
#include "UserInput.h"
#include "ValueScales.h"

#include <cstdlib>
#include <memory>
#include <string>

namespace {

using namespace CurveHandles;

// The simulated device on a loopback port of its own, which it can leave and
// come back to.
class CurveGrabEndTest : public CurveHandleWindowTest {
protected:
    void SetUp() override
    {
        {
            SimTcp probe; // a free loopback port for the device to come back to
            port = probe.Port();
        }
        ASSERT_NE(port, 0);
        StartDevice();
    }
    void StartDevice()
    {
        sim = std::make_unique<SimTcp>(1, port);
        ASSERT_EQ(sim->Port(), port);
    }

    // Output 1's plot and one of its handles as drawn now.
    struct Seen {
        DrawnPlot plot;
        std::optional<Blob> handle;
        bool Found() const { return plot.Complete() && handle; }
    };
    static Seen Look(Which which)
    {
        const QRect display = Where("fftDrawOut1");
        const QImage shot = Shot();
        return {FindPlot(shot, display), OneHandle(shot, display, which)};
    }

    // Band 3's dot of output 1 pressed a little off its centre and, with the
    // button held, moved up by the 3 dB between two grid rows: the device has
    // the new gain. The button stays down.
    testing::AssertionResult PressAndMoveBand3()
    {
        const Seen seen = Look(Band3);
        if (!seen.Found())
            return testing::AssertionFailure() << "no plot or no dot of band 3 on output 1's display";
        const Values before = DeviceValues(*sim, Band3);
        const QPoint press = seen.handle->Centre() + QPoint(2, 1);
        const QPoint up(0, -(seen.plot.Row(-3) - seen.plot.Row(3)) / 2);
        QTest::mousePress(Handle(), Qt::LeftButton, {}, press);
        for (int i = 1; i <= 4; ++i)
            QTest::mouseMove(Handle(), press + up * i / 4);
        if (!PumpUntil([&] { return DeviceValues(*sim, Band3).gain != before.gain && SameImage(*sim); }, 5000))
            return testing::AssertionFailure() << "the drag did not reach the device";
        return testing::AssertionSuccess();
    }

    // Online after the first upload, the device holding what the editor does,
    // no window over the main one.
    bool OnlineAgain() const
    {
        return FirstUploadEnded(fmMain->MainLink()) && UploadClosingPollArrived(*sim) && SameImage(*sim) &&
               !QApplication::activeModalWidget();
    }

    // A gain typed into band 3's cell of output 1's table as a user types it
    // (a click into the cell, all of it selected with the keys, the text,
    // Enter) reaches the device, and band 3's dot is drawn on that gain's
    // grid row.
    testing::AssertionResult TypedGainReachesDeviceAndCurve(int Db)
    {
        auto *table = dynamic_cast<TMyPEQType8 *>(fmMain->FindControl("peqPeqOut1"));
        if (!table)
            return testing::AssertionFailure() << "no band table";
        if (!UserInput::Click(table->GainEdit(2)))
            return testing::AssertionFailure() << "band 3's gain cell is not shown";
        QTest::keyClick(Handle(), Qt::Key_End);
        QTest::keyClick(Handle(), Qt::Key_Home, Qt::ShiftModifier);
        UserInput::Type(Window(), std::to_string(Db).c_str());
        UserInput::Key(Window(), Qt::Key_Return);
        const int want = GainToIndex(Db);
        if (!PumpUntil([&] { return DeviceValues(*sim, Band3).gain == want; }, 5000))
            return testing::AssertionFailure() << "the device holds gain index " << DeviceValues(*sim, Band3).gain
                                               << ", not the typed " << want << " (the cell shows "
                                               << table->GainEdit(2)->Text().toStdString() << ")";
        PumpFor(30);
        const Seen seen = Look(Band3);
        if (!seen.Found())
            return testing::AssertionFailure() << "no plot or no dot of band 3 after typing";
        if (std::abs(seen.handle->Centre().y() - seen.plot.Row(Db)) > 2)
            return testing::AssertionFailure() << "band 3's dot is drawn at row " << seen.handle->Centre().y()
                                               << ", the " << Db << " dB grid row at " << seen.plot.Row(Db);
        return testing::AssertionSuccess();
    }

    uint16_t port = 0;
    std::unique_ptr<SimTcp> sim;
};

// The device closes its socket while band 3's dot is held; the release lands
// on the "Link Broken" window; the device comes back and Rescan finds it.
TEST_F(CurveGrabEndTest, ALinkBrokenMidDragLeavesNoGrabBehind)
{
    ASSERT_TRUE(ShowOutput1(*sim));
    ASSERT_TRUE(PressAndMoveBand3());
    sim.reset();
    ASSERT_TRUE(PumpUntil([] { return fmNetwork->Visible() && fmNetwork->btnOK->Enabled(); }, 15000));
    ASSERT_EQ(fmNetwork->lblScan->Caption(), fmMain->TranslateQ("SID_LINK_BROKEN"));
    QWidget *dialog = fmNetwork->WindowWidget();
    QTest::mouseRelease(dialog->windowHandle(), Qt::LeftButton, {}, QPoint(dialog->width() / 2, 4));

    StartDevice();
    ASSERT_TRUE(UserInput::Click(fmNetwork->btnOK));
    ASSERT_TRUE(PumpUntil([this] { return OnlineAgain(); }, 30000));
    EXPECT_TRUE(TypedGainReachesDeviceAndCurve(-6));
}

// The program opens its information window while band 3's dot is held; the
// release lands on it, and its OK closes it.
TEST_F(CurveGrabEndTest, AWindowOpenedMidDragLeavesNoGrabBehind)
{
    ASSERT_TRUE(ShowOutput1(*sim));
    ASSERT_TRUE(PressAndMoveBand3());
    fmMain->ShowInformation(fmMain->Translate("SID_INFO_ERROR_FILE"), {});
    ASSERT_TRUE(fmInformation->Visible());
    QWidget *info = fmInformation->WindowWidget();
    QTest::mouseRelease(info->windowHandle(), Qt::LeftButton, {}, QPoint(info->width() / 2, 4));
    ASSERT_TRUE(UserInput::Click(fmInformation->btnOK));
    ASSERT_TRUE(PumpUntil([] { return !fmInformation->Visible() && !QApplication::activeModalWidget(); }, 5000));
    EXPECT_TRUE(TypedGainReachesDeviceAndCurve(-6));
}

// A high-pass and a low-pass handle dragged in steps toward the middle of the
// plot, each step waited for at the device: one frame per value the filter
// passes, none repeating the frame before it.
TEST_F(CurveGrabEndTest, AFilterDragSendsEachValueOnce)
{
    ASSERT_TRUE(ShowOutput1(*sim));
    for (Which which : {HighPass, LowPass}) {
        SCOPED_TRACE(kWhich[which]);
        const Seen seen = Look(which);
        ASSERT_TRUE(seen.Found());
        const DrawnPlot &plot = seen.plot;
        const QPoint from = seen.handle->Centre();
        const int decadePx = (plot.decades[2] - plot.decades[0]) / 2;
        const QPoint step((from.x() < (plot.left + plot.right) / 2 ? 1 : -1) * decadePx / 12, 0);

        sim->ClearFrames();
        QTest::mousePress(Handle(), Qt::LeftButton, {}, from);
        size_t changes = 0;
        Values last = DeviceValues(*sim, which);
        const int steps = 8;
        for (int i = 1; i <= steps; ++i) {
            QTest::mouseMove(Handle(), from + step * i);
            PumpFor(5);
            ASSERT_TRUE(PumpUntil([this] { return SameImage(*sim); }, 5000)) << "step " << i;
            const Values now = DeviceValues(*sim, which);
            if (!(now == last))
                ++changes;
            last = now;
        }
        QTest::mouseRelease(Handle(), Qt::LeftButton, {}, from + step * steps);
        PumpFor(30);

        const std::vector<LCmd> frames = Received(*sim, Code(which));
        EXPECT_EQ(changes, size_t(steps)) << "every step moves the filter";
        EXPECT_EQ(frames.size(), changes);
        for (size_t i = 1; i < frames.size(); ++i)
            EXPECT_NE(frames[i].GetData(), frames[i - 1].GetData()) << "frame " << i << " repeats the one before";
    }
}

} // namespace
