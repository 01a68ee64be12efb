// The program online with a simulated device whose settings hold words outside
// the ranges of the editor's controls and files, of every kind the device
// sends back: the pages show what the model holds, the GEQ curve is drawn,
// and File > Save then File > Open round-trips.
#include "ComboBox.h"
#include "EditorWindowsFixture.h"
#include "FileDialogs.h"
#include "FirstUpload.h"
#include "ImageRanges.h"
#include "LMainLink.h"
#include "LUnitControl.h"
#include "Label.h"
#include "MainDialogs.h"
#include "Menus.h"
#include "PresetFile.h"
#include "PumpEvents.h"
#include "RadioButton.h"
#include "RenderedInk.h"
#include "RenderedPlot.h"
#include "ShownPosition.h"
#include "SkBmpButton.h"
#include "TfmInformation.h"
#include "TfmMain.h"
#include "TfmNetwork.h"
#include "TfmTest.h"
#include "UserInput.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

// A field the device holds outside its range: what it holds, and the value
// the model must take for it.
struct OddField {
    const char *what;
    std::function<uint16_t &(ParameterImage &)> field;
    uint16_t device, held;
};

const std::vector<OddField> &OddFields()
{
    static const std::vector<OddField> fields = {
        {"input D GEQ band 18", [](ParameterImage &i) -> uint16_t & { return i.inputs[3].geq[17]; }, 0xFFFF, 240},
        {"input A gain", [](ParameterImage &i) -> uint16_t & { return i.inputs[0].gain; }, 0xFFFF, 400},
        {"output 2 gain", [](ParameterImage &i) -> uint16_t & { return i.outputs[1].gain; }, 401, 400},
        {"output 3 mix B", [](ParameterImage &i) -> uint16_t & { return i.outputs[2].mix[1]; }, 0x8000, 280},
        {"input B PEQ band 3 gain", [](ParameterImage &i) -> uint16_t & { return i.inputs[1].peq[2].gainIndex; },
         0xFFFF, 240},
        {"output 5 PEQ band 6 frequency",
         [](ParameterImage &i) -> uint16_t & { return i.outputs[4].peq[5].freqIndex; }, 301, 300},
        {"input C high-pass frequency", [](ParameterImage &i) -> uint16_t & { return i.inputs[2].hpfFreq; }, 0xFFFF,
         300},
        {"output 6 low-pass frequency", [](ParameterImage &i) -> uint16_t & { return i.outputs[5].lpfFreq; }, 0x8000,
         300},
        {"input A delay", [](ParameterImage &i) -> uint16_t & { return i.inputs[0].delay; }, 0xFFFF, 65280},
        {"output 7 delay", [](ParameterImage &i) -> uint16_t & { return i.outputs[6].delay; }, 65281, 65280},
        {"input B gate attack", [](ParameterImage &i) -> uint16_t & { return i.inputs[1].gate[0]; }, 0xFFFF, 998},
        {"input B gate release", [](ParameterImage &i) -> uint16_t & { return i.inputs[1].gate[1]; }, 0, 9},
        {"input B gate hold", [](ParameterImage &i) -> uint16_t & { return i.inputs[1].gate[2]; }, 999, 998},
        {"input B gate threshold", [](ParameterImage &i) -> uint16_t & { return i.inputs[1].gate[3]; }, 0x8000, 180},
        {"output 4 compressor ratio", [](ParameterImage &i) -> uint16_t & { return i.outputs[3].comp[0]; }, 16, 15},
        {"output 4 compressor attack", [](ParameterImage &i) -> uint16_t & { return i.outputs[3].comp[1]; }, 999,
         998},
        {"output 4 compressor release", [](ParameterImage &i) -> uint16_t & { return i.outputs[3].comp[2]; }, 8, 9},
        {"output 4 compressor knee", [](ParameterImage &i) -> uint16_t & { return i.outputs[3].comp[3]; }, 0xFFFF,
         12},
        {"output 4 compressor threshold", [](ParameterImage &i) -> uint16_t & { return i.outputs[3].comp[4]; }, 221,
         220},
        {"output 8 limiter attack", [](ParameterImage &i) -> uint16_t & { return i.outputs[7].limit[0]; }, 0xFFFF,
         998},
        {"output 8 limiter release", [](ParameterImage &i) -> uint16_t & { return i.outputs[7].limit[1]; }, 0xFFFF,
         2999},
        {"output 8 limiter knee", [](ParameterImage &i) -> uint16_t & { return i.outputs[7].limit[2]; }, 13, 12},
        {"output 8 limiter threshold", [](ParameterImage &i) -> uint16_t & { return i.outputs[7].limit[3]; }, 0xFFFF,
         220},
        {"output 1 route mask", [](ParameterImage &i) -> uint16_t & { return i.outputs[0].routeMask; }, 0xFFF2, 0x2},
        {"input D polarity", [](ParameterImage &i) -> uint16_t & { return i.inputs[3].polarity; }, 0xFFFF, 1},
        {"output 4 polarity", [](ParameterImage &i) -> uint16_t & { return i.outputs[3].polarity; }, 2, 1},
        {"input mute mask", [](ParameterImage &i) -> uint16_t & { return i.inputMuteMask; }, 0xFFF0, 0},
        {"output 5 PEQ bypass mask", [](ParameterImage &i) -> uint16_t & { return i.peqBypassMasks[8]; }, 0xFE01, 1},
        {"delay unit", [](ParameterImage &i) -> uint16_t & { return i.delayUnit; }, 7, 2},
        {"test signal mode", [](ParameterImage &i) -> uint16_t & { return i.testSignalMode; }, 9, 3},
        {"sine frequency", [](ParameterImage &i) -> uint16_t & { return i.sineFreqIndex; }, 0xFFFF, 30},
    };
    return fields;
}

// The byte fields (PEQ Q and type, crossover types) and the names.
void SetOddBytes(ParameterImage &i)
{
    i.inputs[1].peq[2].qIndex = 0xFF;
    i.inputs[1].peq[2].type = 0xFF;
    i.outputs[4].peq[5].type = 9;
    i.inputs[2].hpfType = 0xFF;
    i.outputs[5].lpfType = 21;
    const uint8_t name[8] = {'V', 'o', 0xFF, 'x', 0x01, 0, 'Z', 0};
    std::memcpy(i.inputs[1].name, name, 8);
    const uint8_t preset[14] = {'L', 'i', 'v', 'e', 0, 0x7F, 0xE9, 'S', 'e', 't', 0, 0, 0, 0};
    std::memcpy(i.presetName, preset, 14);
}

class DeviceRangeWindowTest : public EditorWindowsFixture {
protected:
    void SetUp() override
    {
        sim.WithSim([](SimProcessor &s) {
            for (const OddField &f : OddFields())
                f.field(s.image) = f.device;
            SetOddBytes(s.image);
            return 0;
        });
        CreateWindows(sim.Port());
        fmMain->Show();
        LMainLink &link = fmMain->MainLink();
        // Online, the upload ended and the connect window gone.
        ASSERT_TRUE(PumpUntil(
            [&] {
                return FirstUploadEnded(link) && UploadClosingPollArrived(sim) && !fmNetwork->Visible() &&
                       !QApplication::activeModalWidget();
            },
            30000));
        UserInput::Render();
    }
    void TearDown() override
    {
        TFileDialog::Runner = nullptr;
        EditorWindowsFixture::TearDown();
    }
    static LUnitControl &Model() { return fmMain->Model(); }
    static TControl *Main(const QString &name) { return fmMain->FindControl(name); }
    SimTcp sim;
};

// A slider or spinner of the pages and the model word it shows: position = word + offset.
struct ShownWord {
    const char *control;
    std::function<int(const LUnitControl &)> word;
    int offset;
};

TEST_F(DeviceRangeWindowTest, ThePagesShowWhatTheModelHoldsAndTheGeqCurveIsDrawn)
{
    ParameterImage img = Model().GetImage();
    for (const OddField &f : OddFields())
        EXPECT_EQ(f.field(img), f.held) << f.what;
    const PeqBand band = Model().GetPeqBand(1, 2);
    EXPECT_EQ(band.qIndex, 100);
    EXPECT_EQ(band.type, 8);
    EXPECT_EQ(Model().GetPeqBand(8, 5).type, 8);
    EXPECT_EQ(Model().GetCrossover(2).hpfType, 20);
    EXPECT_EQ(Model().GetCrossover(9).lpfType, 20);
    EXPECT_EQ(ImageRanges::Fault(img, ImageFields::PresetBody), "");

    const ShownWord shown[] = {
        {"isGeqCh18InD", [](const LUnitControl &m) { return int(m.GetGeqBand(3, 17)); }, 0},
        {"isGainInA", [](const LUnitControl &m) { return int(m.GetGain(0)); }, -280},
        {"isGainOut2", [](const LUnitControl &m) { return int(m.GetGain(5)); }, -280},
        {"udMixGainBOut3", [](const LUnitControl &m) { return int(m.GetMixLevel(6, 1)); }, -280},
        {"isLowCutFreqInC", [](const LUnitControl &m) { return int(m.GetCrossover(2).hpfFreq); }, 0},
        {"isHighCutFreqOut6", [](const LUnitControl &m) { return int(m.GetCrossover(9).lpfFreq); }, 0},
        {"isDelayInA", [](const LUnitControl &m) { return int(m.GetDelay(0)); }, 0},
        {"isDelayOut7", [](const LUnitControl &m) { return int(m.GetDelay(10)); }, 0},
        {"isGateAttackInB", [](const LUnitControl &m) { return int(m.GetGate(1)[0]); }, 0},
        {"isGateReleaseInB", [](const LUnitControl &m) { return int(m.GetGate(1)[1]); }, 0},
        {"isGateHoldInB", [](const LUnitControl &m) { return int(m.GetGate(1)[2]); }, 0},
        {"isGateThresholdInB", [](const LUnitControl &m) { return int(m.GetGate(1)[3]); }, -180},
        {"udCompRatioOut4", [](const LUnitControl &m) { return int(m.GetComp(7)[0]); }, 0},
        {"isCompAttackOut4", [](const LUnitControl &m) { return int(m.GetComp(7)[1]); }, 0},
        {"isCompReleaseOut4", [](const LUnitControl &m) { return int(m.GetComp(7)[2]); }, 0},
        {"udCompKneeOut4", [](const LUnitControl &m) { return int(m.GetComp(7)[3]); }, 0},
        {"isCompThresholdOut4", [](const LUnitControl &m) { return int(m.GetComp(7)[4]); }, -180},
        {"isLimitAttackOut8", [](const LUnitControl &m) { return int(m.GetLimit(11)[0]); }, 0},
        {"isLimitReleaseOut8", [](const LUnitControl &m) { return int(m.GetLimit(11)[1]); }, 0},
        {"udLimitKneeOut8", [](const LUnitControl &m) { return int(m.GetLimit(11)[2]); }, 0},
        {"isLimitThresholdOut8", [](const LUnitControl &m) { return int(m.GetLimit(11)[3]); }, -180},
    };
    for (const ShownWord &w : shown) {
        TControl *c = Main(w.control);
        ASSERT_NE(c, nullptr) << w.control;
        EXPECT_EQ(ShownPosition(c), w.word(Model()) + w.offset) << w.control;
    }
    EXPECT_EQ(Main("lbGeqGainCh18InD")->Caption(), "+12.0");
    EXPECT_EQ(Main("lbMatrixChNameInB")->Caption(), "Vox");
    EXPECT_EQ(std::memcmp(Model().GetChannelName(1), "Vox\0\0\0\0\0", 8), 0);
    EXPECT_EQ(fmMain->lbPstName->Caption(), "Live Set      ");
    EXPECT_TRUE(dynamic_cast<TSkBmpButton *>(Main("skbUnit2"))->Down());
    EXPECT_TRUE(dynamic_cast<TSkBmpButton *>(Main("skbPhaseInD"))->Down());
    TfmTest *test = fmMain->Dialogs()->fmTest;
    EXPECT_TRUE(test->rbSineWave->Checked());
    EXPECT_EQ(test->cbSineFreq->ItemIndex(), Model().GetSineFreqIndex());

    // The GEQ page as the user opens it: input D's display beside input A's,
    // whose bands are flat. The two curves differ by input D's band 18, a
    // peak that rises a third of the display's height above the flat line.
    ASSERT_TRUE(UserInput::Click(Main("skbMenuGeq")));
    const auto shot = [&](const char *selector, const char *display, QRect *where) {
        QImage image;
        TControl *select = Main(selector);
        QWidget *window = nullptr;
        EXPECT_TRUE(PumpUntil([&] { return !UserInput::VisibleRect(select, &window).isEmpty(); }, 5000));
        EXPECT_TRUE(UserInput::Click(select));
        UserInput::Render();
        *where = UserInput::VisibleRect(Main(display), &window);
        return window ? Shot(window).copy(*where) : QImage();
    };
    QRect areaA, areaD;
    const QImage flat = shot("skbGeqSelInA", "fftDrawGeqInA", &areaA);
    const QImage peak = shot("skbGeqSelInD", "fftDrawGeqInD", &areaD);
    ASSERT_FALSE(areaD.isEmpty());
    ASSERT_EQ(areaA, areaD) << "the inputs' displays share one place";
    const QRect curves = DiffBox(flat, peak, QPoint());
    ASSERT_FALSE(curves.isEmpty()) << "input D shows no curve";
    EXPECT_GT(curves.height(), areaD.height() / 4) << "no peak: the curve is flat or gone";
    EXPECT_GT(curves.width(), areaD.width() / 2) << "the curve crosses the display";
}

// File > Save of the device's settings, then File > Open of that file: the
// file opens, the model takes it unchanged and the device takes every value.
TEST_F(DeviceRangeWindowTest, SaveThenOpenRoundTrips)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString typed = dir.filePath("device"), stored = typed + ".prs";
    TFileDialog::Runner = [&](const TFileDialog &d) { return d.IsSave() ? typed : stored; };
    const ParameterImage held = Model().GetImage();
    ASSERT_TRUE(UserInput::ChooseMenu(fmMain->MainMenu->Bar(), {fmMain->File->Caption(), fmMain->Save->Caption()}));
    QFile saved(stored);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    const ByteVector expected = PresetFile::ToBytes(held);
    EXPECT_EQ(bytes, QByteArray(reinterpret_cast<const char *>(expected.data()), qsizetype(expected.size())));

    const int refusedBefore = sim.WithSim([](SimProcessor &s) { return s.refusedCount; });
    ASSERT_TRUE(UserInput::ChooseMenu(fmMain->MainMenu->Bar(), {fmMain->File->Caption(), fmMain->Open->Caption()}));
    LMainLink &link = fmMain->MainLink();
    ASSERT_TRUE(PumpUntil(
        [&] {
            return fmInformation->Visible() ||
                   (link.GetAfterLoadStep() == 0 && link.GetSequence() == LMainLink::Sequence::None &&
                    !QApplication::activeModalWidget());
        },
        30000));
    EXPECT_FALSE(fmInformation->Visible()) << fmInformation->lbMessage->Caption().toStdString();
    EXPECT_EQ(std::memcmp(Model().GetImage().Bytes() + 2, held.Bytes() + 2, PresetFile::kBodySize), 0);
    // Mutes and PEQ bypasses go bit by bit: the device keeps its own bits
    // above the channels and bands.
    ParameterImage device = sim.WithSim([&](SimProcessor &s) {
        EXPECT_EQ(s.refusedCount, refusedBefore) << "the device refused values of the file";
        return s.image;
    });
    device.inputMuteMask &= 0x0F;
    device.peqBypassMasks[8] &= 0x1FF;
    EXPECT_EQ(device.inputs[3].geq[17], 240);
    EXPECT_EQ(std::memcmp(device.Bytes() + 2, held.Bytes() + 2, PresetFile::kBodySize), 0);
}

} // namespace
