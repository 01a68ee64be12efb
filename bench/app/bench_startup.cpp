// The editor's start as the user meets it, beside a bare Qt 6 window program
// (bare_window) in the same run: each is started as a process and timed from
// the start to its main window exposed on the X server. The platform is xcb,
// not offscreen, because only a real window system maps and exposes a
// window; the display is $DISPLAY, or a private Xvfb started here when there
// is none. The two programs take turns, one pair per iteration after a
// warm-up pair; the figures are the medians and their ratio, whose budget is
// at most 2.5 (aim 2).
//
// The editor runs in a runtime folder of its own (so that a copy the user runs
// is neither found nor disturbed), its scan pointed at a loopback port nobody
// answers, and is ended with SIGTERM once its window is exposed.
#include <benchmark/benchmark.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char *kEditorTitle = "Brelland TQ-62 DSP Processor Editor V1.0";
constexpr const char *kBareTitle = "tq62 bare window";
constexpr double kBudgetRatio = 2.5;
constexpr double kAimRatio = 2.0;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Starts a program with the given environment (NAME=value entries replace the
// inherited ones of that name, NAME= alone removes it); -1 on failure.
pid_t Spawn(const std::vector<std::string> &argv, const std::vector<std::string> &overrides, bool quiet)
{
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        const std::string entry(*e);
        const std::string name = entry.substr(0, entry.find('=') + 1);
        bool replaced = false;
        for (const std::string &o : overrides)
            replaced = replaced || o.rfind(name, 0) == 0;
        if (!replaced)
            env.push_back(entry);
    }
    for (const std::string &o : overrides)
        if (o.back() != '=')
            env.push_back(o);
    std::vector<char *> envp, args;
    for (auto &s : env)
        envp.push_back(const_cast<char *>(s.c_str()));
    envp.push_back(nullptr);
    for (auto &s : argv)
        args.push_back(const_cast<char *>(s.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (quiet) {
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// SIGTERM, then SIGKILL if the process is still there after two seconds; the
// process is reaped either way.
void End(pid_t pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(2);
    while (Clock::now() < deadline) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// The display the programs run on: $DISPLAY, or a private Xvfb.
class Display {
public:
    Display()
    {
        if (const char *d = std::getenv("DISPLAY"); d && *d) {
            name_ = d;
            return;
        }
        int fds[2];
        if (pipe(fds) != 0)
            return;
        xvfb_ = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1600x1200x24",
                       "-nolisten", "tcp", "-noreset"},
                      {}, true);
        close(fds[1]);
        std::string number;
        pollfd p{fds[0], POLLIN, 0};
        char c;
        while (xvfb_ > 0 && poll(&p, 1, 20000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        if (!number.empty())
            name_ = ":" + number;
    }
    ~Display() { End(xvfb_); }
    Display(const Display &) = delete;
    Display &operator=(const Display &) = delete;

    const std::string &Name() const { return name_; }
    bool Private() const { return xvfb_ > 0; }

private:
    std::string name_;
    pid_t xvfb_ = -1;
};

// An X client that sees every top-level window made on the display and the
// moment each is first exposed (or, when it was mapped before this client
// could ask for its exposures, first mapped).
class WindowWatch {
public:
    explicit WindowWatch(const std::string &display)
    {
        conn_ = xcb_connect(display.c_str(), nullptr);
        if (xcb_connection_has_error(conn_))
            return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(conn_, root_, XCB_CW_EVENT_MASK, &mask);
        pidAtom_ = Atom("_NET_WM_PID");
        xcb_flush(conn_);
    }
    ~WindowWatch() { xcb_disconnect(conn_); }
    WindowWatch(const WindowWatch &) = delete;
    WindowWatch &operator=(const WindowWatch &) = delete;

    bool Ok() const { return !xcb_connection_has_error(conn_); }

    // The time at which a window of `pid` titled `title` was first exposed;
    // nothing when the deadline passes first. `fromMap` tells that the map was
    // taken because the exposure came before the window was watched.
    bool WaitExposed(pid_t pid, const std::string &title, Clock::time_point deadline, Clock::time_point &at,
                     bool &fromMap)
    {
        for (;;) {
            Drain();
            for (auto &[window, seen] : seen_) {
                if (seen.checked || !(seen.exposed || (seen.mapped && !seen.exposable)))
                    continue;
                seen.checked = true;
                if (Pid(window) == pid && Title(window) == title) {
                    fromMap = !seen.exposed;
                    at = seen.exposed ? seen.exposedAt : seen.mappedAt;
                    return true;
                }
            }
            if (xcb_connection_has_error(conn_))
                return false;
            // The property requests above may have queued events.
            if (xcb_generic_event_t *e = xcb_poll_for_queued_event(conn_)) {
                Handle(e, Clock::now());
                continue;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0)
                return false;
            pollfd p{xcb_get_file_descriptor(conn_), POLLIN, 0};
            poll(&p, 1, int(left));
        }
    }

    // Forgets every window seen so far.
    void Reset()
    {
        Drain();
        seen_.clear();
    }

private:
    struct Seen {
        bool exposed = false, mapped = false, checked = false;
        // Asked for its exposures before it was mapped: an exposure will come.
        bool exposable = false;
        Clock::time_point exposedAt, mappedAt;
    };

    void Drain()
    {
        while (xcb_generic_event_t *e = xcb_poll_for_event(conn_))
            Handle(e, Clock::now());
    }

    // Notes the first time only.
    static void First(bool &Noted, Clock::time_point &At, Clock::time_point Now)
    {
        if (!Noted) {
            Noted = true;
            At = Now;
        }
    }

    // Watches each new top-level window and notes its first map and exposure.
    void Handle(xcb_generic_event_t *e, Clock::time_point now)
    {
        switch (e->response_type & 0x7f) {
        case XCB_CREATE_NOTIFY: {
            auto *c = reinterpret_cast<xcb_create_notify_event_t *>(e);
            const uint32_t mask = XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(conn_, c->window, XCB_CW_EVENT_MASK, &mask);
            xcb_get_window_attributes_reply_t *a =
                xcb_get_window_attributes_reply(conn_, xcb_get_window_attributes(conn_, c->window), nullptr);
            seen_[c->window].exposable = a && a->map_state == XCB_MAP_STATE_UNMAPPED;
            free(a);
            break;
        }
        case XCB_MAP_NOTIFY: {
            Seen &s = seen_[reinterpret_cast<xcb_map_notify_event_t *>(e)->window];
            First(s.mapped, s.mappedAt, now);
            break;
        }
        case XCB_EXPOSE: {
            Seen &s = seen_[reinterpret_cast<xcb_expose_event_t *>(e)->window];
            First(s.exposed, s.exposedAt, now);
            break;
        }
        default:
            break;
        }
        free(e);
    }

    xcb_atom_t Atom(const char *name)
    {
        xcb_intern_atom_reply_t *r =
            xcb_intern_atom_reply(conn_, xcb_intern_atom(conn_, 0, uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t atom = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(r);
        return atom;
    }

    std::string Property(xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
    {
        xcb_get_property_reply_t *r =
            xcb_get_property_reply(conn_, xcb_get_property(conn_, 0, window, property, type, 0, 256), nullptr);
        std::string value;
        if (r)
            value.assign(static_cast<const char *>(xcb_get_property_value(r)), xcb_get_property_value_length(r));
        free(r);
        return value;
    }

    pid_t Pid(xcb_window_t window)
    {
        const std::string v = Property(window, pidAtom_, XCB_ATOM_CARDINAL);
        uint32_t pid = 0;
        if (v.size() == 4)
            std::memcpy(&pid, v.data(), 4);
        return pid_t(pid);
    }

    std::string Title(xcb_window_t window) { return Property(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING); }

    xcb_connection_t *conn_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t pidAtom_ = XCB_ATOM_NONE;
    std::map<xcb_window_t, Seen> seen_;
};

struct Program {
    std::vector<std::string> argv;
    const char *title;
};

// One start: milliseconds from the spawn to the window exposed, -1 when it
// did not come within 20 s. The process is ended before this returns.
double TimeStart(const Program &program, const Display &display, WindowWatch &watch, const std::string &runtime,
                 int &fromMap)
{
    watch.Reset();
    const auto started = Clock::now();
    const pid_t pid = Spawn(program.argv,
                            {"DISPLAY=" + display.Name(), "QT_QPA_PLATFORM=xcb", "XDG_RUNTIME_DIR=" + runtime,
                             "WAYLAND_DISPLAY="},
                            true);
    if (pid <= 0)
        return -1;
    Clock::time_point at;
    bool mapOnly = false;
    const bool shown = watch.WaitExposed(pid, program.title, started + std::chrono::seconds(20), at, mapOnly);
    End(pid);
    fromMap += mapOnly;
    return shown ? Ms(at - started) : -1;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void BM_StartToWindowExposed(benchmark::State &state)
{
    Display display;
    if (display.Name().empty()) {
        state.SkipWithError("no display: $DISPLAY is unset and Xvfb did not start");
        return;
    }
    WindowWatch watch(display.Name());
    if (!watch.Ok()) {
        state.SkipWithError("cannot reach the display");
        return;
    }
    char dir[] = "/tmp/tq62startup.XXXXXX";
    const std::string runtime = mkdtemp(dir) ? dir : "/tmp";
    const Program editor{{TQ62EDIT, "--connect", "127.0.0.1:1"}, kEditorTitle};
    const Program bare{{BARE_WINDOW}, kBareTitle};
    std::vector<double> editorMs, bareMs;
    int fromMap = 0;
    bool failed = false;
    // The first pair fills the caches (files, fonts) that every later start finds.
    TimeStart(bare, display, watch, runtime, fromMap);
    TimeStart(editor, display, watch, runtime, fromMap);
    fromMap = 0;
    int turn = 0;
    for (auto _ : state) {
        double e, b;
        if (turn++ % 2) {
            e = TimeStart(editor, display, watch, runtime, fromMap);
            b = TimeStart(bare, display, watch, runtime, fromMap);
        } else {
            b = TimeStart(bare, display, watch, runtime, fromMap);
            e = TimeStart(editor, display, watch, runtime, fromMap);
        }
        if (e < 0 || b < 0) {
            failed = true;
            break;
        }
        editorMs.push_back(e);
        bareMs.push_back(b);
        state.SetIterationTime(e / 1000.0);
    }
    // The editor's single-instance socket, left by the ended processes.
    const std::string sock = runtime + "/tq62edit-" + std::to_string(getuid()) + ".sock";
    unlink(sock.c_str());
    unlink((sock + ".lock").c_str());
    rmdir(runtime.c_str());
    if (failed) {
        state.SkipWithError("a window did not come up within 20 s");
        return;
    }
    const double e = Median(editorMs), b = Median(bareMs), ratio = e / b;
    state.counters["editor_ms"] = e;
    state.counters["bare_ms"] = b;
    state.counters["ratio"] = ratio;
    state.counters["budget"] = kBudgetRatio;
    state.counters["aim"] = kAimRatio;
    state.counters["map_only"] = fromMap;
    char label[200];
    std::snprintf(label, sizeof label, "xcb on %s%s; median editor %.0f ms / bare %.0f ms = %.2f (at most %.1f, aim %.0f)",
                  display.Name().c_str(), display.Private() ? " (private Xvfb)" : "", e, b, ratio, kBudgetRatio,
                  kAimRatio);
    state.SetLabel(label);
}
BENCHMARK(BM_StartToWindowExposed)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

} // namespace

BENCHMARK_MAIN();
