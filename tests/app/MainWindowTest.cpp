#include <QImage>
#include <QTimer>
#include <QKeyEvent>
#include <QMenuBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <stdexcept>

#include "Application.h"
#include "Button.h"
#include "HandlerGuard.h"
#include "ConnectOption.h"
#include "EditorWindows.h"
#include "FirstUpload.h"
#include "LMainLink.h"
#include "LUnitControl.h"
#include "Label.h"
#include "Menus.h"
#include "PumpEvents.h"
#include "LMyFFTDrawHpLp6dB.h"
#include "SimFrontEnd.h"
#include "SkBmpButton.h"
#include "SkGroupBox.h"
#include "SkLabel.h"
#include "PlotSeries.h"
#include "gXYPlot.h"
#include "TfmExit.h"
#include "TfmInformation.h"
#include "Edit.h"
#include "TfmLockSetup.h"
#include "MainDialogs.h"
#include "TfmMain.h"
#include "TfmNetwork.h"
#include "TfmNetworkSetup.h"
#include "TfmProcess.h"
#include "SmSplashScreen.h"
#include "FileDialogs.h"
#include "LUnitControl.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// The editor's windows as the program makes them, the scan pointed at `port`
// on loopback (a port nothing listens on unless a simulator is given).
class MainWindowTest : public testing::Test {
protected:
    void Create(uint16_t port)
    {
        TfmMain::connectOption = {true, "127.0.0.1", port};
        CreateEditorWindows();
    }
    void TearDown() override
    {
        DestroyEditorWindows();
        TfmMain::connectOption = {};
    }
    static QString Text(TControl *c) { return c->Caption(); }
    // A port that refuses: bound to nothing once the simulator is gone.
    static uint16_t DeadPort()
    {
        SimTcp probe;
        return probe.Port();
    }
};

TEST_F(MainWindowTest, SplashShowsWhileTheWindowIsBuiltAndGoesOnItsFirstShow)
{
    Create(DeadPort());
    ASSERT_NE(fmMain->asScreen, nullptr);
    EXPECT_TRUE(fmMain->asScreen->Showing());
    fmMain->Show();
    EXPECT_FALSE(fmMain->asScreen->Showing());
}

// The file names go to the file routines as Unicode: a preset saved under a
// name outside any 8-bit code page is the one that opens again.
TEST_F(MainWindowTest, PresetFilesKeepUnicodeNamesAndGetTheirExtension)
{
    Create(DeadPort());
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString typed = dir.filePath(QString::fromUtf8("Живой звук 现场"));
    const QString stored = typed + ".prs";
    TFileDialog::Runner = [&](const TFileDialog &d) { return d.IsSave() ? typed : stored; };
    fmMain->MainLink().Model().SetGain(2, 123);
    fmMain->Save->Click();
    EXPECT_TRUE(QFileInfo::exists(stored));
    fmMain->MainLink().Model().SetGain(2, 7);
    fmMain->Open->Click();
    TFileDialog::Runner = nullptr;
    EXPECT_EQ(fmMain->MainLink().Model().GetGain(2), 123);
}

TEST_F(MainWindowTest, StartsInItsStartState)
{
    Create(DeadPort());
    EXPECT_EQ(fmMain->Caption(), "Brelland TQ-62 DSP Processor Editor V1.0");
    EXPECT_EQ(Text(fmMain->lbShowIdNumber), "ID : 1");
    EXPECT_EQ(fmMain->CurrentPage(), 14);
    EXPECT_EQ(fmMain->Language(), "English");
    EXPECT_EQ(fmMain->Factory().Socket().RemoteAddress(), "127.0.0.1");
    EXPECT_FALSE(fmMain->MainLink().IsOnline());
    for (TForm *f : std::initializer_list<TForm *>{fmNetwork, fmProcess, fmInformation, fmExit})
        EXPECT_FALSE(f->Visible()) << f->Name().toStdString();
    // The nine hidden menu items, and NetworkSetup shown.
    std::vector<std::string> hidden;
    std::function<void(TMenuItem *)> walk = [&](TMenuItem *m) {
        for (int i = 0; i < m->Count(); ++i) {
            if (!m->Items(i)->Visible())
                hidden.push_back(m->Items(i)->Name().toStdString());
            walk(m->Items(i));
        }
    };
    walk(fmMain->MainMenu->Items());
    std::sort(hidden.begin(), hidden.end());
    EXPECT_EQ(hidden, (std::vector<std::string>{"BlockDiagram", "ChineseTraditional", "Connect", "ConnectHelp",
                                                "FactoryDefault", "HidData", "LockSetup", "MemoShow", "SettingID"}));
    EXPECT_TRUE(fmMain->NetworkSetup->Visible());
    EXPECT_TRUE(fmMain->English->Checked());
    EXPECT_EQ(fmMain->File->Caption(), "File");
    // Hidden items still run their handlers: SettingID does nothing, harmlessly.
    fmMain->SettingID->Click();
    EXPECT_FALSE(fmMain->Dialogs()->fmNetworkSetup->Visible());
}

TEST_F(MainWindowTest, LanguageSwitchRecaptionsTheMenu)
{
    Create(DeadPort());
    const QString english = fmMain->File->Caption();
    fmMain->ChineseSimplified->Click();
    EXPECT_EQ(fmMain->Language(), "ChineseGB");
    EXPECT_TRUE(fmMain->ChineseSimplified->Checked());
    EXPECT_FALSE(fmMain->English->Checked());
    EXPECT_NE(fmMain->File->Caption(), english);
    EXPECT_TRUE(std::any_of(fmMain->File->Caption().begin(), fmMain->File->Caption().end(),
                            [](QChar c) { return c.unicode() >= 0x4E00; }));
    fmMain->English->Click();
    EXPECT_EQ(fmMain->File->Caption(), english);
}

TEST_F(MainWindowTest, ChineseMenuBarRendersOtherPixelsAndEnglishComesBack)
{
    Create(DeadPort());
    fmMain->Show();
    auto bar = [] { return fmMain->MainMenu->Bar()->grab().toImage(); };
    const QImage english = bar();
    fmMain->SetLanguage("ChineseGB");
    const QImage chinese = bar();
    fmMain->SetLanguage("English");
    const QImage again = bar();
    ASSERT_FALSE(english.isNull());
    EXPECT_NE(english, chinese); // the captions are drawn in CJK glyphs
    EXPECT_EQ(english, again);
}

TEST_F(MainWindowTest, ExitTakesTwoPassesAndCancelKeepsRunning)
{
    Create(DeadPort());
    fmMain->Show();
    fmMain->Close();
    EXPECT_TRUE(fmMain->Visible());
    EXPECT_TRUE(fmExit->Visible());
    EXPECT_EQ(Text(fmExit->lbExit), "Are you sure to quit ?");
    fmMain->Close(); // a second request: still the one window, still running
    EXPECT_TRUE(fmMain->Visible());
    fmExit->btnCancel->Click();
    EXPECT_FALSE(fmExit->Visible());
    EXPECT_EQ(fmMain->MayClose(), 0);
    EXPECT_TRUE(fmMain->Visible());

    fmMain->Close();
    fmExit->btnOK->Click();
    EXPECT_EQ(fmMain->MayClose(), 1);
    EXPECT_FALSE(fmMain->Visible());
}

TEST_F(MainWindowTest, BusyWindowOnlyCodeClosesIt)
{
    Create(DeadPort());
    fmMain->SetBusyStatus("Upload preset now , please wait...");
    fmMain->ShowBusy(true);
    EXPECT_TRUE(fmProcess->Visible());
    fmProcess->Close(); // the window system's close, or Escape
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(fmProcess->Widget(), &esc);
    EXPECT_TRUE(fmProcess->Visible());
    fmMain->CloseBusy();
    EXPECT_FALSE(fmProcess->Visible());
    fmMain->CloseBusy(); // not shown: nothing happens
    EXPECT_FALSE(fmProcess->Visible());
}

TEST_F(MainWindowTest, InformationRunsItsContinuationOnOk)
{
    Create(DeadPort());
    int closed = 0;
    fmMain->ShowInformation("You Must Connect First !!", [&] { ++closed; });
    EXPECT_TRUE(fmInformation->Visible());
    EXPECT_EQ(fmInformation->Caption(), fmMain->TranslateQ("SID_INFO_TITLE"));
    EXPECT_EQ(closed, 0);
    fmInformation->btnOK->Click();
    EXPECT_FALSE(fmInformation->Visible());
    EXPECT_EQ(closed, 1);
}

TEST_F(MainWindowTest, GoesOnlineUploadsAndFallsBackOfflineOnHangUp)
{
    SimTcp sim;
    sim.WithSim([](SimProcessor &s) {
        s.image.outputs[2].gain = 311;
        s.currentPreset = 3;
        std::memset(s.image.presetName, ' ', sizeof s.image.presetName);
        std::memcpy(s.image.presetName, "Stage Left", 10);
        return 0;
    });
    Create(sim.Port());
    fmMain->Show();
    LMainLink &link = fmMain->MainLink();
    // The start timer presses the link button; the scan finds the simulator.
    // Online, the upload ended (it shows the preset labels), the connect window gone.
    ASSERT_TRUE(PumpUntil(
        [&] {
            return link.IsOnline() && !Text(fmMain->lbPstNum).isEmpty() && !fmNetwork->Visible() &&
                   link.GetSequence() == LMainLink::Sequence::None;
        },
        15000));
    EXPECT_FALSE(fmNetwork->Visible());
    EXPECT_EQ(Text(fmMain->lbPstNum), "U03");
    EXPECT_EQ(Text(fmMain->lbPstName), "Stage Left    ");
    EXPECT_FALSE(Text(fmMain->lbConInterface).isEmpty());
    const ParameterImage device = sim.WithSim([](SimProcessor &s) { return s.image; });
    const auto mine = link.Model().GetImage().ToBytes();
    const auto theirs = device.ToBytes();
    EXPECT_TRUE(std::equal(mine.begin() + 2, mine.end(), theirs.begin() + 2));

    sim.HangUp();
    ASSERT_TRUE(PumpUntil([&] { return !link.IsOnline() && fmNetwork->Visible(); }, 10000));
    EXPECT_EQ(Text(fmMain->skbMenuLink), fmMain->TranslateQ("SID_OFFLINE"));
}

TEST_F(MainWindowTest, LockSetupClosesTheLinkOnceTheDeviceAnsweredTheLockFrame)
{
    SimTcp sim;
    Create(sim.Port());
    fmMain->Show();
    LMainLink &link = fmMain->MainLink();
    ASSERT_TRUE(PumpUntil([&] { return FirstUploadEnded(link); }, 30000));
    fmMain->LockSetup->Click();
    TfmLockSetup *lock = fmMain->Dialogs()->fmLockSetup;
    ASSERT_TRUE(lock->Visible());
    // The reply time-out (a second) is a wall-clock time that a loaded
    // machine can overrun; the answer has to close the window all the same.
    lock->SetReplyTimeout(30000);
    lock->edName->SetText("AB");
    lock->SkBmpButton1Click();
    // The answer closes the dialog and the link well before the reply time-out,
    // with no error shown; the device got the lock first.
    ASSERT_TRUE(PumpUntil([&] { return !link.HasLink() && !lock->Visible(); }, 20000));
    EXPECT_FALSE(fmInformation->Visible());
    EXPECT_TRUE(sim.WithSim([](SimProcessor &s) { return s.locked; }));
}

TEST_F(MainWindowTest, DemoStaysOffline)
{
    Create(DeadPort());
    fmMain->Show();
    ASSERT_TRUE(PumpUntil([] { return fmNetwork->Visible() && fmNetwork->btnExit->Enabled(); }, 10000));
    fmNetwork->btnExit->Click();
    EXPECT_FALSE(fmNetwork->Visible());
    EXPECT_TRUE(fmMain->skbMenuLink->Enabled());
    PumpFor(200);
    EXPECT_FALSE(fmMain->MainLink().IsOnline());
    EXPECT_FALSE(fmNetwork->Visible());
}

TEST_F(MainWindowTest, FirstPaintShowsTheWindow)
{
    Create(DeadPort());
    fmMain->Show();
    QImage img = fmMain->WindowWidget()->grab().toImage();
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.width(), 1108);
    EXPECT_GE(img.height(), 668);
    const char *out = std::getenv("TQ62_MAIN_PNG");
    if (out)
        img.save(out);
    // The Gain page is in front: its response plots paint a dark plot area
    // there, over the light page frame around them.
    EXPECT_LT(qGray(img.pixel(500, 300)), 80);
    EXPECT_GT(qGray(img.pixel(500, 500)), 160);
}

TEST_F(MainWindowTest, NamedControlsHaveTheirClassesAndAreFoundIgnoringCase)
{
    Create(DeadPort());
    struct Row {
        const char *name;
        bool (*is)(TControl *);
    };
    auto groupBox = [](TControl *c) { return dynamic_cast<TSkGroupBox *>(c) != nullptr; };
    auto button = [](TControl *c) { return dynamic_cast<TSkBmpButton *>(c) != nullptr; };
    auto label = [](TControl *c) { return dynamic_cast<TSkLabel *>(c) != nullptr; };
    auto fft = [](TControl *c) { return dynamic_cast<LMyFFTDrawHpLp6dB *>(c) != nullptr; };
    auto xy = [](TControl *c) { return dynamic_cast<TgXYPlot *>(c) != nullptr; };
    const Row rows[] = {
        {"skgMain", groupBox},       {"skgFunction", groupBox},   {"skgPreset", groupBox},
        {"skgFftGain", groupBox},    {"skgFftMatrix", groupBox},  {"skgParamGeq", groupBox},
        {"skbMenuLink", button},     {"skbMenuGain", button},     {"skbMenuOut8", button},
        {"skbMenuInD", button},      {"lbPstNum", label},         {"lbShowIdNumber", label},
        {"lbConInterface", label},   {"fftDrawGainIn", fft},      {"fftDrawOut8", fft},
        {"fftDrawGeqInD", fft},      {"ipComp", xy},              {"ipGate", xy},
        {"skgFftInA", groupBox},     {"skgParamOut1", groupBox},  {"SKGPARAMOUT8", groupBox},
    };
    for (const Row &r : rows) {
        TControl *c = fmMain->FindControl(r.name);
        ASSERT_NE(c, nullptr) << r.name;
        EXPECT_TRUE(r.is(c)) << r.name;
    }
    EXPECT_EQ(fmMain->FindControl("skgfftouT3")->Tag(), 6); // outputs take channels 4-11
    EXPECT_EQ(fmMain->FindControl("noSuchControl"), nullptr);
}

TEST_F(MainWindowTest, TransferPlotsAreSeeded)
{
    Create(DeadPort());
    EXPECT_EQ(SeriesOf(fmMain->ipComp->GetChannel(0)).Count(), 4);
    EXPECT_EQ(SeriesOf(fmMain->ipLimit->GetChannel(0)).Count(), 4);
    EXPECT_EQ(SeriesOf(fmMain->ipGate->GetChannel(0)).Count(), 3);
    EXPECT_DOUBLE_EQ(SeriesOf(fmMain->ipGate->GetChannel(1)).y[0], -90.4);
    EXPECT_DOUBLE_EQ(SeriesOf(fmMain->ipComp->GetChannel(1)).x[0], 19.8);
}

TEST_F(MainWindowTest, ResizeStretchesByTheRules)
{
    Create(DeadPort());
    fmMain->Show();
    auto rect = [](const char *name) { return fmMain->FindControl(name)->BoundsRect(); };
    struct Row {
        int width, height;
        bool scroll;
        int mainW, mainH, gainInW, gainOutL, paramT, presetL, linkL, pitch;
    };
    const Row rows[] = {
        {1118, 720, false, 1112, 629, 530, 550, 292, 10, 1040, 0},
        {1200, 800, false, 1194, 709, 571, 591, 372, 51, 1122, 80},
        // Narrower than the base: scrolls; the horizontal values stay those of the last stretch.
        {1000, 800, true, 1194, 709, 571, 591, 372, 51, 1122, 80},
        {1118, 720, false, 1112, 629, 530, 550, 292, 10, 1040, 0},
    };
    for (const Row &r : rows) {
        fmMain->SetBounds(fmMain->Left(), fmMain->Top(), r.width, r.height);
        const std::string at = std::to_string(r.width) + "x" + std::to_string(r.height);
        // The outer size is the client's plus the frame with its menu bar.
        EXPECT_EQ(fmMain->ClientWidth(), r.width - 10) << at;
        EXPECT_EQ(fmMain->ClientHeight(), r.height - 52) << at;
        EXPECT_EQ(fmMain->AutoScroll(), r.scroll) << at;
        EXPECT_EQ(fmMain->HorzScrollBarVisible(), r.width < 1118) << at;
        EXPECT_EQ(rect("skgMain").Width(), r.mainW) << at;
        EXPECT_EQ(rect("skgMain").Height(), r.mainH) << at;
        EXPECT_EQ(rect("fftDrawGainIn").Width(), r.gainInW) << at;
        EXPECT_EQ(rect("fftDrawGainOut").Left, r.gainOutL) << at;
        EXPECT_EQ(rect("skgParamOut5").Top, r.paramT) << at;
        EXPECT_EQ(rect("skgPreset").Left, r.presetL) << at;
        EXPECT_EQ(rect("skbMenuLink").Left, r.linkL) << at;
        EXPECT_EQ(fmMain->MatrixRowPitch(), r.pitch) << at;
        EXPECT_EQ(rect("pbMatrix").Top, (r.height - 720) / 9 + 38) << at;
    }
}

TEST_F(MainWindowTest, AnExceptionInAHandlerShowsTheBoxAndTheLoopGoesOn)
{
    Create(DeadPort());
    std::vector<QString> boxes;
    Application->SetExceptionBoxHandler([&](const QString &m) { boxes.push_back(m); });
    Application->InstallExceptionBox();
    fmMain->SettingID->OnClick = [](TObject *) { throw std::runtime_error("broken handler"); };
    fmMain->MainMenu->Rebuild();
    // Through the menu's own entry: the guard stops the exception.
    GuardHandler("menu", "SettingID", [] { fmMain->SettingID->Click(); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].contains("broken handler"));
    bool later = false;
    QTimer::singleShot(0, [&] { later = true; });
    EXPECT_TRUE(PumpUntil([&] { return later; }, 2000));
    Application->SetExceptionBoxHandler(nullptr);
    SetExceptionReporter(nullptr);
}

struct OptionCase {
    std::vector<const char *> args;
    bool ok;
    bool given;
    uint16_t port;
};

TEST(ConnectOptionTest, OnlyLoopbackIsTaken)
{
    const OptionCase cases[] = {
        {{"tq62edit"}, true, false, 0},
        {{"tq62edit", "--connect", "127.0.0.1:9761"}, true, true, 9761},
        {{"tq62edit", "--connect=127.0.0.2:1"}, true, true, 1},
        {{"tq62edit", "--connect", "192.0.2.1:9761"}, false, false, 0},
        {{"tq62edit", "--connect", "localhost:9761"}, false, false, 0},
        {{"tq62edit", "--connect", "127.0.0.1"}, false, false, 0},
        {{"tq62edit", "--connect", "127.0.0.1:0"}, false, false, 0},
        {{"tq62edit", "--connect", "127.0.0.1:65536"}, false, false, 0},
        {{"tq62edit", "--connect"}, false, false, 0},
        {{"tq62edit", "--other"}, false, false, 0},
    };
    for (const OptionCase &c : cases) {
        ConnectOption o;
        std::string error;
        const bool ok = ParseConnectOption(int(c.args.size()), c.args.data(), o, error);
        const std::string row = c.args.size() > 2 ? c.args[2] : (c.args.size() > 1 ? c.args[1] : "none");
        EXPECT_EQ(ok, c.ok) << row;
        EXPECT_EQ(ok, error.empty()) << row;
        if (ok) {
            EXPECT_EQ(o.given, c.given) << row;
            EXPECT_EQ(o.port, c.port) << row;
        }
    }
}

} // namespace
