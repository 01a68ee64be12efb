#pragma once
#include <functional>
#include <string>
#include <vector>

#include <QTimer>

class LMainLink;
class LSysLinkFactory;

// The connect dialog's scan without its window: tries a list of candidate links
// one at a time, each opened 100 ms after it was armed and guarded by a
// watchdog, evaluates each attempt 100 ms after its verdict and moves to the
// next when one fails. The main window's connect-dialog calls drive it (Start,
// ConnectResult, LinkBroken); the window halts it when it closes. What a window
// shows of it comes through the hooks.
class LConnectScan {
public:
    enum class Kind { Usb, Net, Com };

    struct Candidate {
        std::string name;
        std::function<void(LMainLink &)> open; // calls one of the open routines
        int watchdogMs;                         // serial 10000, USB 6000, network 2000
        Kind kind = Kind::Com;
        // Ends what `open` left waiting (the network candidate's connect hook)
        // once its attempt is over; empty when nothing waits.
        std::function<void()> disarm = nullptr;
    };

    // The USB device held by the main window, a serial candidate (port name or
    // device path), and the network candidate, which opens its link once the
    // factory's socket has connected; `status` gets the socket's progress
    // ("Network Connecting", then "Connecting IP:" and the address).
    static Candidate UsbCandidate();
    static Candidate ComCandidate(const std::string &portName);
    static Candidate NetCandidate(LSysLinkFactory &factory, std::function<void(const std::string &)> status = {});

    // Where a dialog's candidates come from; each is asked at every scan, so
    // that a device or converter plugged in meanwhile is found. Tests replace them.
    struct Sources {
        std::function<bool()> hasHidDevice;
        std::function<bool()> hasDeviceAddress;
        std::function<std::vector<std::string>()> listPorts; // in the order to try them
        LSysLinkFactory *factory = nullptr;                   // the network candidate's socket
    };

    LConnectScan();
    ~LConnectScan();
    LConnectScan(const LConnectScan &) = delete;
    LConnectScan &operator=(const LConnectScan &) = delete;
    void SetMain(LMainLink *m) { main = m; }

    std::vector<Candidate> candidates;

    // Fills `candidates` from the sources: the USB device when one is held,
    // else the network when an address is set (never both), then every serial
    // port. Returns the port names.
    std::vector<std::string> BuildCandidates(const Sources &sources);
    // 1 when the USB device or the network leads the list.
    int ExtraCandidates() const { return extraCandidates; }

    // A device answered: the dialog closes.
    std::function<void()> onConnected;
    // Every candidate failed (or there was none).
    std::function<void()> onExhausted;
    // Candidate `index` (0-based) is armed.
    std::function<void(size_t index)> onAttempt;
    // 100 ms after LinkBroken.
    std::function<void()> onLinkBroken;
    // The network candidate's socket progress (built by BuildCandidates).
    std::function<void(const std::string &)> onStatus;

    // Starts at the first candidate, dropping what an earlier scan had pending.
    // Without candidates the evaluation reports the list exhausted 100 ms later.
    void Start();
    // The main window's verdict on the attempt; evaluated 100 ms later.
    void ConnectResult(bool connected);
    // The open link broke, or a serial port could not be opened: reported
    // 100 ms later. The attempt's watchdog runs on and moves the scan to the
    // next candidate when it fires.
    void LinkBroken();
    // The dialog closed (a device answered, Demo, or it was hidden): every
    // timer stops and the attempt's hooks are disarmed, so nothing is opened
    // or closed behind the user's back.
    void Halt();

    // Tests shorten the watchdogs by this factor (1 by default).
    void SetTimeScale(double scale) { timeScale = scale; }

    bool Connected() const { return connected; }
    bool Scanning() const { return scanning; }
    bool Failed() const { return failed; }
    size_t CurrentIndex() const { return candidate; }
    // The armed attempt's watchdog as the candidate asks for it (unscaled).
    int WatchdogInterval() const { return watchdogMs; }
    bool WatchdogActive() const { return watchdog.isActive(); }
    // Any of the scan's timers is running.
    bool TimersActive() const;

private:
    void Arm();
    void Evaluate();
    // The attempt is over (evaluated, or dropped by Halt): whatever its open
    // left waiting opens nothing any more. One attempt owns the link at a time.
    void EndAttempt();

    LMainLink *main = nullptr;
    size_t candidate = 0;
    int extraCandidates = 0;
    int watchdogMs = 0;
    double timeScale = 1.0;
    bool scanning = false, connected = false, failed = false;
    QTimer tmRunUsbConnect, tmRunNetConnect, tmRunComConnect;
    QTimer watchdog, tmConnect, tmLinkBroken;
    std::function<void()> armedDisarm; // of the attempt whose open ran
};
