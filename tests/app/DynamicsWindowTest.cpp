#include "EditorWindows.h"
#include "FirstUpload.h"
#include "LMainLink.h"
#include "PumpEvents.h"
#include "RoundedControls.h"
#include "SimFrontEnd.h"
#include "SkBmpButton.h"
#include "SmTrackBar.h"
#include "TfmMain.h"

#include <QApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

// The delay and dynamics pages in the program's window, online against the
// simulated device: what the upload brings is shown, and edits reach the
// device's image.
class DynamicsWindowTest : public testing::Test {
protected:
    void TearDown() override
    {
        DestroyEditorWindows();
        TfmMain::connectOption = {};
    }
    template <typename T = TControl>
    T *Get(const char *Name)
    {
        auto *c = dynamic_cast<T *>(fmMain->FindControl(Name));
        if (!c)
            throw std::runtime_error(Name);
        return c;
    }
    void Type(const char *Box, const QString &Text)
    {
        auto *box = Get<TRoundedEdit>(Box);
        QApplication::setActiveWindow(fmMain->Widget());
        box->Edit()->Widget()->setFocus(Qt::OtherFocusReason);
        box->SetText(Text);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(box->Edit()->Widget(), &down);
    }
};

} // namespace

TEST_F(DynamicsWindowTest, UploadShowsTheDeviceAndEditsReachIt)
{
    SimTcp sim;
    sim.WithSim([](SimProcessor &s) {
        s.image.delayUnit = 1;
        s.image.outputs[7].delay = 65280;
        s.image.inputs[1].gate[3] = 100; // -40 dB
        s.image.outputs[0].comp[0] = 40; // a ratio index beyond the table
        return 0;
    });
    TfmMain::connectOption = {true, "127.0.0.1", sim.Port()};
    CreateEditorWindows();
    fmMain->Show();
    LMainLink &link = fmMain->MainLink();
    ASSERT_TRUE(PumpUntil([&] { return FirstUploadEnded(link); }, 30000));
    ASSERT_TRUE(PumpUntil([&] { return Get<TSkBmpButton>("skbUnit1")->Down(); }, 20000));
    EXPECT_EQ(Get<TRoundedEdit>("cvdDelayOut8")->Text(), "233.580 m");
    EXPECT_EQ(Get<TRoundedEdit>("cvdGateThresholdInB")->Text(), "-40.0dB");
    EXPECT_EQ(Get<TRoundedEdit>("cvdCompRatioOut1")->Text(), "Limit");

    Type("cvdDelayInA", "1.2m");
    Get<TCustomTrackBar>("isLimitThresholdOut3")->SetPosition(-20);
    Get<TCustomTrackBar>("isGateHoldInB")->SetPosition(199);
    Type("cvdCompKneeOut2", "3");
    const auto reached = [&] {
        return sim.WithSim([](SimProcessor &s) {
            return s.image.inputs[0].delay == 335 && s.image.outputs[2].limit[3] == 160 &&
                   s.image.inputs[1].gate[2] == 199 && s.image.outputs[1].comp[3] == 3;
        });
    };
    EXPECT_TRUE(PumpUntil(reached, 20000));
}
