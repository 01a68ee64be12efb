// linkprobe: connects to a TQ-62 through the editor's own connection logic,
// without windows, runs the handshake and the upload, then the requested
// actions, and prints every information text the editor would have shown.
// Exit status 0 only when everything succeeded.
#include <QCoreApplication>
#include <QTimer>

#include <arpa/inet.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "LHeadlessUi.h"
#include "LMainLink.h"
#include "LSysLinkFactory.h"
#include "ToolOptions.h"

namespace {

struct Options {
    std::string tcpHost;
    uint16_t tcpPort = 0;
    std::string serialPath;
    int id = 1;
    std::string savePrs, loadPrs, saveUnt;
    int levels = 0;
    int timeoutSeconds = 20;
};

int Usage()
{
    std::fprintf(stderr, "usage: linkprobe (--tcp HOST:PORT | --serial PATH) [--id N] [--save-prs FILE] "
                         "[--load-prs FILE] [--save-unt FILE] [--levels N] [--timeout SECONDS]\n"
                         "  --timeout: the whole run's deadline (default 20), one second more per level line\n");
    return 2;
}

bool ParseOptions(int argc, char **argv, Options &o)
{
    const bool taken = ForEachOption(argc, argv, [&o](const std::string &a, const char *v) {
        if (a == "--tcp") {
            const std::string hp = v;
            const size_t colon = hp.rfind(':');
            int port = 0;
            if (colon == std::string::npos || !ParseIntOption(hp.c_str() + colon + 1, 1, 65535, port))
                return false;
            o.tcpHost = hp.substr(0, colon);
            o.tcpPort = uint16_t(port);
        } else if (a == "--serial") {
            o.serialPath = v;
        } else if (a == "--id") {
            if (!ParseIntOption(v, LMainLink::kMinDeviceId, LMainLink::kMaxDeviceId, o.id))
                return false;
        } else if (a == "--save-prs") {
            o.savePrs = v;
        } else if (a == "--load-prs") {
            o.loadPrs = v;
        } else if (a == "--save-unt") {
            o.saveUnt = v;
        } else if (a == "--levels") {
            if (!ParseIntOption(v, 0, 100000, o.levels))
                return false;
        } else if (a == "--timeout") {
            if (!ParseIntOption(v, 1, 86400, o.timeoutSeconds))
                return false;
        } else {
            return false;
        }
        return true;
    });
    return taken && o.tcpHost.empty() != o.serialPath.empty();
}

// This tool talks to loopback only.
bool IsLoopback(const std::string &host)
{
    in_addr a{};
    return inet_pton(AF_INET, host.c_str(), &a) == 1 && (ntohl(a.s_addr) >> 24) == 127;
}

std::string LevelText(const LMainLinkUi::LevelDisplay &d)
{
    std::string s = "levels: in";
    for (int v : d.inputSteps)
        s += " " + std::to_string(v);
    s += " out";
    for (int v : d.outputSteps)
        s += " " + std::to_string(v);
    char act[16];
    std::snprintf(act, sizeof act, " act %04X", d.activity);
    return s + act;
}

// Runs the steps one after the other, each when the one before has settled.
class Probe {
public:
    Probe(const Options &o) : opt(o), main(&ui, &factory)
    {
        ui.SetMain(&main);
        ui.onInformation = [this](const std::string &text) {
            std::printf("information: %s\n", text.c_str());
            std::fflush(stdout);
            failed = true;
        };
        // Every level reply is printed once, however closely two follow each other.
        ui.onLevels = [this](const LMainLinkUi::LevelDisplay &d) {
            if (step != kLevelStep || printedLevels >= opt.levels)
                return;
            ++printedLevels;
            std::printf("%s\n", LevelText(d).c_str());
            std::fflush(stdout);
        };
        main.SetDeviceId(opt.id);
        driver.setInterval(5);
        QObject::connect(&driver, &QTimer::timeout, &driver, [this] { Step(); });
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, &deadline, [this] {
            std::printf("timeout in step %d\n", step);
            failed = true;
            Finish();
        });
    }

    void Start()
    {
        if (!opt.tcpHost.empty()) {
            factory.SetNetAddress(opt.tcpHost, opt.tcpPort);
            ui.candidates.push_back(LHeadlessUi::NetCandidate(factory));
        } else {
            ui.candidates.push_back(LHeadlessUi::ComCandidate(opt.serialPath));
        }
        // Two scan rounds: a device busy with something else may miss one probe.
        ui.candidates.push_back(ui.candidates.front());
        deadline.start(opt.timeoutSeconds * 1000 + opt.levels * 1000);
        driver.start();
        // Offline, the link button prepares the network candidate and scans.
        if (!opt.tcpHost.empty() && !factory.DiscoverDevices()) {
            std::printf("cannot start connecting to %s:%u\n", opt.tcpHost.c_str(), opt.tcpPort);
            failed = true;
            Finish();
            return;
        }
        main.skbMenuLinkClick();
    }

    bool Failed() const { return failed; }

private:
    bool Settled() const
    {
        return main.GetSequence() == LMainLink::Sequence::None && main.GetAfterLoadStep() == 0 && !ui.busyVisible;
    }

    static constexpr int kLevelStep = 6;

    void Step()
    {
        // A sequence cut short, or a link that broke, ends the run at once with its error.
        if (!failed && !ui.busyInterruptions.empty()) {
            std::printf("interrupted: %s\n", ui.busyInterruptions.front().c_str());
            failed = true;
        } else if (!failed && !main.GetLastLinkError().empty()) {
            std::printf("link broken: %s\n", main.GetLastLinkError().c_str());
            failed = true;
        }
        if (failed || ui.scanFailed) {
            failed = true;
            Finish();
            return;
        }
        switch (step) {
        case 0: // handshake and upload
            if (main.IsOnline() && ui.pageRefreshes > 0 && Settled()) {
                std::printf("online: device %d, preset %s \"%s\"\n", opt.id, ui.presetNumberLabel.c_str(),
                            ui.presetNameLabel.c_str());
                ++step;
            }
            break;
        case 1:
            if (!opt.savePrs.empty()) {
                ui.saveNames.push_back(opt.savePrs);
                main.SavePresetFile();
                if (!failed) // a file that cannot be written was reported above
                    std::printf("saved preset file %s\n", LMainLink::SaveFileName(opt.savePrs, LMainLinkUi::FileKind::Preset).c_str());
            }
            ++step;
            break;
        case 2:
            if (!opt.loadPrs.empty()) {
                ui.openNames.push_back(opt.loadPrs);
                main.OpenClick();
            }
            ++step;
            break;
        case 3:
            if (Settled()) {
                if (!opt.loadPrs.empty())
                    std::printf("loaded preset file %s\n", opt.loadPrs.c_str());
                ++step;
            }
            break;
        case 4:
            if (!opt.saveUnt.empty()) {
                ui.saveNames.push_back(opt.saveUnt);
                main.UploadUnit();
            }
            ++step;
            break;
        case 5: // the unit file is written 300 ms after the upload ended
            if (opt.saveUnt.empty() || (ui.saveNames.empty() && Settled())) {
                if (!opt.saveUnt.empty())
                    std::printf("saved unit file %s\n", LMainLink::SaveFileName(opt.saveUnt, LMainLinkUi::FileKind::Unit).c_str());
                ++step;
            }
            break;
        case kLevelStep:
            if (printedLevels >= opt.levels)
                Finish();
            break;
        default:
            break;
        }
        std::fflush(stdout);
    }

    void Finish()
    {
        driver.stop();
        deadline.stop();
        main.CloseLink();
        QCoreApplication::exit(failed ? 1 : 0);
    }

    Options opt;
    LHeadlessUi ui;
    LSysLinkFactory factory;
    LMainLink main;
    QTimer driver, deadline;
    int step = 0;
    int printedLevels = 0;
    bool failed = false;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Options opt;
    if (!ParseOptions(argc, argv, opt))
        return Usage();
    if (!opt.tcpHost.empty() && !IsLoopback(opt.tcpHost)) {
        std::fprintf(stderr, "linkprobe: only loopback addresses (127.x.x.x) are allowed\n");
        return 2;
    }
    Probe probe(opt);
    QTimer::singleShot(0, [&probe] { probe.Start(); });
    const int rc = app.exec();
    return rc != 0 || probe.Failed() ? 1 : 0;
}
