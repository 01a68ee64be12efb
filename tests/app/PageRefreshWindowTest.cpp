#include <gtest/gtest.h>

#include "ConnectOption.h"
#include "Edit.h"
#include "MyPEQType8.h"
#include "PumpEvents.h"
#include "SkButton.h"
#include "UserInput.h"
#include "EditorWindows.h"
#include "LMainLink.h"
#include "LUnitControl.h"
#include "Label.h"
#include "MainDialogs.h"
#include "RadioButton.h"
#include "SimFrontEnd.h"
#include "SkBmpButton.h"
#include "SkComboBox.h"
#include "SmTrackBar.h"
#include "TfmMain.h"
#include "TfmTest.h"

#include "EditorWindowsFixture.h"

namespace {

class PageRefreshWindowTest : public OfflineEditorWindows {
protected:
    LUnitControl &Model() { return fmMain->Model(); }
    void SetImage(void (*edit)(ParameterImage &))
    {
        ParameterImage img = Model().GetImage();
        edit(img);
        Model().SetImage(img);
    }
};

TEST_F(PageRefreshWindowTest, FlagComesDownAndThePresetLabelsShowTheModel)
{
    SetImage([](ParameterImage &img) { std::memcpy(img.presetName, "Stage Left Mix", 14); });
    fmMain->SetUpdatingControls(true); // a file load raises it before the call
    fmMain->RefreshAllPages();
    EXPECT_FALSE(fmMain->IsUpdatingControls());
    EXPECT_EQ(fmMain->lbPstNum->Caption(), "F00");
    EXPECT_EQ(fmMain->lbPstName->Caption(), "Stage Left Mix");
}

// The model's unit button goes down (a unit above 2 is shown as ms) and the
// refresh sends nothing.
TEST_F(PageRefreshWindowTest, DelayUnitButtonOfTheModelGoesDown)
{
    const struct {
        uint16_t unit;
        int pressed;
    } cases[] = {{1, 1}, {2, 2}, {9, 0}};
    for (const auto &c : cases) {
        ParameterImage img = Model().GetImage();
        img.delayUnit = c.unit;
        Model().SetImage(img);
        fmMain->RefreshAllPages();
        auto *b = dynamic_cast<TSkBmpButton *>(fmMain->FindControl(QString("skbUnit%1").arg(c.pressed)));
        ASSERT_NE(b, nullptr);
        EXPECT_TRUE(b->Down()) << c.unit;
        EXPECT_EQ(Model().GetDelayUnit(), c.unit);
        EXPECT_FALSE(fmMain->IsUpdatingControls());
    }
}

TEST_F(PageRefreshWindowTest, TestSignalDialogFollowsModesZeroToThreeOnly)
{
    TfmTest *test = fmMain->Dialogs()->fmTest;
    SetImage([](ParameterImage &img) {
        img.testSignalMode = 3;
        img.sineFreqIndex = 5;
    });
    fmMain->RefreshAllPages();
    EXPECT_TRUE(test->rbSineWave->Checked());
    EXPECT_EQ(test->cbSineFreq->ItemIndex(), 5);

    SetImage([](ParameterImage &img) {
        img.testSignalMode = 7;
        img.sineFreqIndex = 9;
    });
    fmMain->RefreshAllPages();
    EXPECT_TRUE(test->rbSineWave->Checked());
    EXPECT_EQ(test->cbSineFreq->ItemIndex(), 5);
}

// A channel's band table makes its rows when its page is first opened; what
// the refresh gave it while hidden is what it shows then, and a refresh with
// the page open shows the same.
TEST_F(PageRefreshWindowTest, BandTableOfAHiddenPageShowsTheModelWhenOpened)
{
    fmMain->Show();
    auto *table = dynamic_cast<TMyPEQType8 *>(fmMain->FindControl("peqPeqOut1"));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->MadeRows(), 0) << "the start makes no row of a hidden page";
    PeqBand band = Model().GetPeqBand(4, 2);
    band.freqIndex = 200;
    band.gainIndex = uint16_t(band.gainIndex + 45);
    band.qIndex = 12;
    band.type = 2;
    Model().SetPeqBand(4, 2, band, true);
    fmMain->RefreshAllPages();
    EXPECT_EQ(table->MadeRows(), 0);

    ASSERT_TRUE(UserInput::Click(fmMain->FindControl("skbMenuOut1")));
    ASSERT_TRUE(PumpUntil([&] { return table->Showing(); }, 2000));
    EXPECT_EQ(table->MadeRows(), table->GetChannelNumber());
    struct Row {
        QString freq, q, gain;
        int type;
        TColor bypass, values;
        bool operator==(const Row &o) const
        {
            return freq == o.freq && q == o.q && gain == o.gain && type == o.type && bypass == o.bypass &&
                   values == o.values;
        }
    };
    const auto rows = [&] {
        std::vector<Row> out;
        for (int i = 0; i < table->GetChannelNumber(); ++i)
            out.push_back({table->FreqEdit(i)->Text(), table->QEdit(i)->Text(), table->GainEdit(i)->Text(),
                           table->GetTypeValue(i), table->BypassButton(i)->Color(),
                           table->FreqEdit(i)->Font()->Color()});
        return out;
    };
    const std::vector<Row> opened = rows();
    EXPECT_EQ(opened[2].type, 2);
    EXPECT_EQ(opened[2].bypass, TMyPEQType8::BypassedColor);
    EXPECT_NE(opened[2].freq, opened[1].freq);
    UserInput::Render();
    const QImage shownFirst = table->Widget()->grab().toImage();
    fmMain->RefreshAllPages();
    EXPECT_TRUE(rows() == opened) << "a refresh of the open page shows what opening it showed";
    UserInput::Render();
    EXPECT_EQ(table->Widget()->grab().toImage(), shownFirst);
}

} // namespace

// A file may hold a group whose members' GEQ words differ from the leader's:
// the refresh shows them, and neither the leader's nor the member's words
// change (input A's sliders follow a refresh, yet write nothing then).
TEST_F(PageRefreshWindowTest, GeqReadBackShowsTheBandsAndKeepsEveryInputsWords)
{
    SetImage([](ParameterImage &img) {
        img.inputs[0].linkMask = 0x3; // A leads A and B
        img.inputs[1].linkMask = 0;
        for (int b = 0; b < kGeqBands; ++b) {
            img.inputs[0].geq[b] = uint16_t(150 + b % 3);
            img.inputs[1].geq[b] = 90;
        }
    });
    fmMain->RefreshAllPages();
    auto band = [](int b, char in) {
        return dynamic_cast<TSmTrackBar *>(fmMain->FindControl(QString::asprintf("isGeqCh%02dIn%c", b + 1, in)));
    };
    for (int b = 0; b < kGeqBands; ++b) {
        ASSERT_NE(band(b, 'A'), nullptr);
        EXPECT_EQ(band(b, 'A')->Position(), 150 + b % 3);
        EXPECT_EQ(band(b, 'B')->Position(), 90);
        EXPECT_EQ(Model().GetGeqBand(0, b), 150 + b % 3) << b;
        EXPECT_EQ(Model().GetGeqBand(1, b), 90) << b;
    }
    EXPECT_EQ(fmMain->FindControl("lbGeqGainCh01InA")->Caption(), "+3.0");
    EXPECT_FALSE(fmMain->IsUpdatingControls());
}

// A slope type no list item names (from a file or the device) shows as bypass
// (the curve maths draws it flat).
TEST_F(PageRefreshWindowTest, UnknownSlopeShowsAsBypassAndDrawsFlat)
{
    SetImage([](ParameterImage &img) {
        img.inputs[3].hpfType = 25;
        img.inputs[3].hpfFreq = 170;
        img.outputs[0].lpfType = 7;
    });
    fmMain->RefreshAllPages();
    auto *bypass = dynamic_cast<TSkBmpButton *>(fmMain->FindControl("skbLowCutBypassInD"));
    ASSERT_NE(bypass, nullptr);
    EXPECT_TRUE(bypass->Down());
    EXPECT_FALSE(dynamic_cast<TSkBmpButton *>(fmMain->FindControl("skbHighCutBypassOut1"))->Down());
    EXPECT_EQ(dynamic_cast<TSkComboBox *>(fmMain->FindControl("skcHighCutSlopOut1"))->ItemIndex(), 6);
    EXPECT_EQ(Model().GetCrossover(3).hpfType, 25) << "the refresh writes nothing";
}
