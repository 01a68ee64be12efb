#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "Button.h"
#include "ComboBox.h"
#include "EditorWindows.h"
#include "ItemStrings.h"
#include "LMainLink.h"
#include "Label.h"
#include "PumpEvents.h"
#include "SerialPort.h"
#include "ScanAttempt.h"
#include "SimFrontEnd.h"
#include "SkBmpButton.h"
#include "SmProgressBar.h"
#include "MainDialogs.h"
#include "TfmInformation.h"
#include "TfmNetworkSetup.h"
#include "TfmMain.h"
#include "TfmNetwork.h"

namespace {

constexpr double kScale = 0.1; // serial watchdog 1000 ms, USB 600 ms, network 200 ms

// A fake serial-port directory: each port a /sys/class/tty entry and a /dev
// node (a link to a pseudo-terminal, or to nothing for a port that cannot be
// opened), listed by the layer's own port list.
class PortDir {
public:
    void Add(const std::string &name, const std::string &target)
    {
        // A ttyS entry counts as a port when a device stands behind it.
        QDir(dir.path()).mkpath(Q("sys/" + name + (name.rfind("ttyS", 0) == 0 ? "/device" : "")));
        QDir(dir.path()).mkpath("dev");
        QFile::link(Q(target), Q(Dev(name)));
    }
    std::string Dev(const std::string &name) const { return (dir.path() + "/dev/").toStdString() + name; }
    std::vector<std::string> List() const
    {
        return SerialPort::ListPorts((dir.path() + "/sys").toStdString(), (dir.path() + "/dev").toStdString());
    }

private:
    static QString Q(const std::string &s) { return QString::fromStdString(s); }
    QTemporaryDir dir;
};

// The editor's windows with the connect dialog's candidates replaced: no USB
// device and no network unless a test says so, the ports of `ports`, the
// watchdogs shortened. The start timer's press of the link button runs the scan.
class ConnectDialogTest : public testing::Test {
protected:
    void Create(uint16_t netPort, bool usb, bool net)
    {
        TfmMain::connectOption = {true, "127.0.0.1", netPort};
        CreateEditorWindows();
        fmNetwork->sources.hasHidDevice = [usb] { return usb; };
        fmNetwork->sources.hasDeviceAddress = [net] { return net; };
        fmNetwork->sources.listPorts = [this] { return ports.List(); };
        LConnectScan &scan = fmNetwork->Scan();
        scan.SetTimeScale(kScale);
        auto shown = scan.onAttempt;
        scan.onAttempt = [this, shown](size_t i) {
            shown(i);
            attempts.push_back({fmNetwork->lblDeviceID->Caption(), fmNetwork->lblScan->Caption()});
            watchdogs.push_back(fmNetwork->Scan().WatchdogInterval());
        };
        fmMain->Show();
    }
    void TearDown() override
    {
        DestroyEditorWindows();
        TfmMain::connectOption = {};
    }
    static bool ButtonsEnabled()
    {
        return fmNetwork->btnOK->Enabled() && fmNetwork->btnId->Enabled() && fmNetwork->btnExit->Enabled();
    }
    static bool Exhausted() { return fmNetwork->Visible() && fmNetwork->Scan().Failed() && ButtonsEnabled(); }
    static QString Scanning(const std::string &port) { return fmMain->TranslateQ("SID_SCAN") + QString::fromStdString(port) + " ......"; }
    static uint16_t DeadPort()
    {
        SimTcp probe;
        return probe.Port();
    }

    PortDir ports;
    std::vector<Attempt> attempts;
    std::vector<int> watchdogs;
};

struct ScanCase {
    const char *name;
    bool usb, net;
    std::vector<std::string> ports; // each on a silent pseudo-terminal
    std::vector<std::pair<const char *, std::string>> expected; // number, port ("USB", "NET")
    std::vector<int> watchdogs;
};

const ScanCase kScanCases[] = {
    {"UsbAndTwoPorts", true, true, {"ttyS1", "ttyS3"}, {{"1/3", "USB"}, {"2/3", "ttyS1"}, {"3/3", "ttyS3"}},
     {6000, 10000, 10000}},
    {"NetworkOnly", false, true, {}, {{"1/1", "NET"}}, {2000}},
    {"PortsByNumber", false, false, {"ttyUSB10", "ttyUSB2", "ttyUSB4"},
     {{"1/3", "ttyUSB2"}, {"2/3", "ttyUSB4"}, {"3/3", "ttyUSB10"}}, {10000, 10000, 10000}},
};

class ConnectScanCases : public ConnectDialogTest, public testing::WithParamInterface<ScanCase> {};

TEST_P(ConnectScanCases, CandidatesInTheirOrderThenNoDevice)
{
    const ScanCase &c = GetParam();
    std::vector<std::unique_ptr<SimPty>> silent;
    for (const std::string &port : c.ports) {
        silent.push_back(std::make_unique<SimPty>());
        silent.back()->knobs.silent = true;
        ports.Add(port, silent.back()->SlavePath());
    }
    Create(DeadPort(), c.usb, c.net);
    ASSERT_TRUE(PumpUntil(Exhausted, 15000));
    std::vector<Attempt> expected;
    for (const auto &e : c.expected)
        expected.push_back({e.first, e.second == "USB"   ? fmMain->TranslateQ("SID_SCAN_USB")
                                     : e.second == "NET" ? fmMain->TranslateQ("SID_SCAN_NET")
                                                         : Scanning(ports.Dev(e.second))});
    EXPECT_EQ(attempts, expected);
    EXPECT_EQ(watchdogs, c.watchdogs);
    EXPECT_EQ(fmNetwork->lblScan->Caption(), "No Device found.");
    EXPECT_EQ(fmNetwork->lblDeviceID->Caption(), "");
    EXPECT_EQ(fmNetwork->pbScan->Position(), fmNetwork->pbScan->Max());
    EXPECT_EQ(fmNetwork->cbCOM->Items()->Count(), int(c.ports.size()));
    EXPECT_FALSE(fmMain->MainLink().HasLink());
    EXPECT_FALSE(fmNetwork->Scan().TimersActive());
}

INSTANTIATE_TEST_SUITE_P(Scan, ConnectScanCases, testing::ValuesIn(kScanCases),
                         [](const testing::TestParamInfo<ScanCase> &p) { return std::string(p.param.name); });

// The start timer's press of the link button arms the first attempt and
// shows the dialog: it shows the progress that attempt reached.
TEST_F(ConnectDialogTest, TheDialogShowsTheProgressOfTheFirstAttempt)
{
    Create(DeadPort(), false, true);
    std::vector<std::pair<QString, int>> shown;
    auto show = fmNetwork->OnShow;
    fmNetwork->OnShow = [&shown, show](TObject *Sender) {
        show(Sender);
        shown.push_back({fmNetwork->lblDeviceID->Caption(), fmNetwork->pbScan->Position()});
    };
    ASSERT_TRUE(PumpUntil([&] { return !shown.empty(); }, 5000));
    EXPECT_EQ(shown[0].first, "1/1");
    EXPECT_EQ(shown[0].second, 1);
    EXPECT_EQ(fmNetwork->pbScan->Max(), 1);
}

TEST_F(ConnectDialogTest, NothingToTryShowsNoDeviceAtOnceAndTheButtonsAfterTheEvaluation)
{
    Create(DeadPort(), false, false);
    ASSERT_TRUE(PumpUntil(Exhausted, 5000));
    EXPECT_TRUE(attempts.empty());
    // A second press scans again: the text at once, the buttons 100 ms later.
    QElapsedTimer t;
    t.start();
    fmNetwork->btnOK->Click();
    EXPECT_EQ(fmNetwork->lblScan->Caption(), "No Device found.");
    EXPECT_EQ(fmNetwork->pbScan->Position(), fmNetwork->pbScan->Max());
    EXPECT_FALSE(ButtonsEnabled());
    ASSERT_TRUE(PumpUntil(ButtonsEnabled, 3000));
    EXPECT_GE(t.elapsed(), 90);
    // Set opens the network setup over the dialog.
    fmNetwork->btnId->Click();
    EXPECT_TRUE(fmMain->Dialogs()->fmNetworkSetup->Visible());
    EXPECT_TRUE(fmNetwork->Visible());
}

// A port that cannot be opened shows "Link Broken" with the buttons; Demo
// then leaves the editor offline and nothing is opened afterwards, although
// the attempt's watchdog was still running.
TEST_F(ConnectDialogTest, DemoAfterALinkBrokenStaysOfflineAndOpensNoPort)
{
    SimPty sim;
    ports.Add("ttyS1", "/nonexistent-port");
    ports.Add("ttyS2", sim.SlavePath());
    Create(DeadPort(), false, false);
    ASSERT_TRUE(PumpUntil([] { return fmNetwork->lblScan->Caption() == "Link Broken" && ButtonsEnabled(); }, 5000));
    EXPECT_EQ(fmNetwork->lblDeviceID->Caption(), "");
    fmNetwork->btnExit->Click();
    EXPECT_FALSE(fmNetwork->Visible());
    EXPECT_TRUE(fmMain->skbMenuLink->Enabled());
    EXPECT_FALSE(fmNetwork->Scan().TimersActive());
    PumpFor(int(10000 * kScale * 1.5));
    EXPECT_EQ(sim.FrameCount(), 0u);
    EXPECT_FALSE(fmMain->MainLink().HasLink());
    EXPECT_FALSE(fmNetwork->Visible());

    // The link button scans again; this time the watchdog moves on from the
    // broken port to the device, and once online nothing of the scan runs on.
    // The device's attempt runs with its full watchdog: shortened, it can run
    // out on a loaded machine before the handshake is through, and closing
    // the port then flushes the probe unread.
    attempts.clear();
    LConnectScan &scan = fmNetwork->Scan();
    auto shown = scan.onAttempt;
    scan.onAttempt = [&scan, shown](size_t i) {
        shown(i);
        if (i == 0)
            scan.SetTimeScale(1);
    };
    fmMain->MainLink().skbMenuLinkClick();
    EXPECT_TRUE(fmNetwork->Visible());
    LMainLink &link = fmMain->MainLink();
    ASSERT_TRUE(PumpUntil([&] { return link.IsOnline() && !fmNetwork->Visible(); }, 30000));
    EXPECT_EQ(attempts, (std::vector<Attempt>{{"1/2", Scanning(ports.Dev("ttyS1"))},
                                              {"2/2", Scanning(ports.Dev("ttyS2"))}}));
    EXPECT_FALSE(fmNetwork->Scan().TimersActive());
    ASSERT_TRUE(PumpUntil([&] { return link.GetSequence() == LMainLink::Sequence::None; }, 30000));
    PumpFor(int(10000 * kScale * 1.2));
    EXPECT_TRUE(link.IsOnline());
    EXPECT_TRUE(link.HasLink());
    EXPECT_EQ(link.GetComPortName(), ports.Dev("ttyS2"));
}

// A device that fails the identity check: its text in the information
// window, the connect dialog hidden with its scan halted, the link closed once
// the window is closed.
TEST_F(ConnectDialogTest, IdentityFailureShowsItsTextAndHaltsTheScan)
{
    SimTcp sim;
    sim.WithSim([](SimProcessor &s) {
        s.identity = "XX99 V010";
        return 0;
    });
    SimPty other;
    ports.Add("ttyS1", other.SlavePath());
    Create(sim.Port(), false, true);
    std::vector<QString> status;
    auto shown = fmNetwork->Scan().onStatus;
    fmNetwork->Scan().onStatus = [&](const std::string &s) {
        shown(s);
        status.push_back(fmNetwork->lblScan->Caption());
    };
    ASSERT_TRUE(PumpUntil([] { return fmInformation->Visible(); }, 10000));
    EXPECT_EQ(fmInformation->lbMessage->Caption(), fmMain->TranslateQ("SID_INFO_ERROR_UNIT"));
    EXPECT_FALSE(fmNetwork->Visible());
    EXPECT_FALSE(fmNetwork->Scan().TimersActive());
    EXPECT_NE(std::find(status.begin(), status.end(), "Connecting IP:127.0.0.1"), status.end());
    PumpFor(int(2000 * kScale * 2));
    EXPECT_EQ(other.FrameCount(), 0u) << "the next port is not tried behind the information window";
    fmInformation->Close();
    ASSERT_TRUE(PumpUntil([] { return !fmMain->MainLink().HasLink(); }, 3000));
    EXPECT_FALSE(fmMain->MainLink().IsOnline());
}

TEST_F(ConnectDialogTest, RendersInBothLanguages)
{
    Create(DeadPort(), false, false);
    ASSERT_TRUE(PumpUntil(Exhausted, 5000));
    QImage shots[2];
    for (int i = 0; i < 2; ++i) {
        fmMain->SetLanguage(i == 0 ? "English" : "ChineseGB");
        fmNetwork->Hide();
        fmNetwork->Show();
        shots[i] = fmNetwork->Widget()->grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < shots[i].height(); y += 2)
            for (int x = 0; x < shots[i].width(); x += 2)
                colours.insert(shots[i].pixel(x, y));
        EXPECT_GT(colours.size(), 4);
        EXPECT_EQ(shots[i].width(), fmNetwork->ClientWidth() * int(shots[i].devicePixelRatio()));
    }
    EXPECT_EQ(fmNetwork->btnExit->Caption(), fmMain->TranslateQ("SID_DEMO"));
    EXPECT_NE(fmMain->TranslateQ("SID_DEMO"), "Demo");
    EXPECT_NE(shots[0], shots[1]);
}

} // namespace
