#pragma once
#include <functional>
#include <string>
#include <vector>

#include <QTimer>

class LMainLink;
class LSysLinkFactory;

// The connect dialog's scan without its window: tries a list of candidate links
// one at a time, each under a watchdog, and moves to the next when one fails.
// The main window's connect-dialog calls drive it (Start, ConnectResult, Stop);
// what a window shows of it comes through the hooks.
class LConnectScan {
public:
    struct Candidate {
        std::string name;
        std::function<void(LMainLink &)> open; // calls one of the open routines
        int watchdogMs;                         // serial 10000, USB 6000, network 2000
    };

    // A serial candidate (port name or device path) and the network candidate,
    // which opens its link once the factory's socket has connected.
    static Candidate ComCandidate(const std::string &portName);
    static Candidate NetCandidate(LSysLinkFactory &factory);

    LConnectScan();
    LConnectScan(const LConnectScan &) = delete;
    LConnectScan &operator=(const LConnectScan &) = delete;
    void SetMain(LMainLink *m) { main = m; }

    std::vector<Candidate> candidates;

    // The dialog is showing: a hidden dialog does not move on to the next candidate.
    std::function<bool()> isDialogVisible;
    // A device answered: the dialog closes.
    std::function<void()> onConnected;
    // Every candidate failed (or there was none).
    std::function<void()> onExhausted;
    // Candidate `index` (0-based) is being opened.
    std::function<void(size_t index)> onAttempt;

    // Starts at the first candidate, dropping what an earlier scan had pending.
    void Start();
    // The main window's verdict on the attempt; evaluated 100 ms later.
    void ConnectResult(bool connected);
    // The link broke: the scan halts where it is.
    void Stop();

    bool Connected() const { return connected; }
    bool Scanning() const { return scanning; }
    bool Failed() const { return failed; }
    size_t CurrentIndex() const { return candidate; }

private:
    void OpenCandidate();
    void CandidateFailed();

    LMainLink *main = nullptr;
    size_t candidate = 0;
    bool scanning = false, connected = false, failed = false;
    QTimer watchdog, tmConnect;
};
