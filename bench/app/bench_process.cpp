// The editor as a user starts it: a separate process, offscreen, its scan
// pointed at a loopback port nobody answers. Figures: process start until the
// running window answers a second copy's request (the window is shown and
// its first paint queued in the same loop turn), and the resident memory of
// the idle editor.
#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

// One editor process in a runtime folder of its own, so that a copy the user
// runs is neither found nor disturbed.
class EditorProcess {
public:
    EditorProcess()
    {
        char dir[] = "/tmp/tq62bench.XXXXXX";
        runtime_ = mkdtemp(dir) ? dir : "";
        std::vector<std::string> env = {"QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + runtime_};
        for (char **e = environ; *e; ++e)
            if (std::string(*e).rfind("QT_QPA_PLATFORM=", 0) != 0 && std::string(*e).rfind("XDG_RUNTIME_DIR=", 0) != 0)
                env.push_back(*e);
        std::vector<char *> envp;
        for (auto &s : env)
            envp.push_back(s.data());
        envp.push_back(nullptr);
        std::string exe = TQ62EDIT, opt = "--connect", addr = "127.0.0.1:1";
        char *argv[] = {exe.data(), opt.data(), addr.data(), nullptr};
        started_ = Clock::now();
        if (posix_spawn(&pid_, exe.c_str(), nullptr, nullptr, argv, envp.data()) != 0)
            pid_ = -1;
    }
    ~EditorProcess()
    {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        const std::string sock = Socket();
        unlink(sock.c_str());
        unlink((sock + ".lock").c_str());
        rmdir(runtime_.c_str());
    }

    // Milliseconds from the start until the running editor has handled an
    // activation request (it closes the connection then); -1 after 20 s.
    double MsUntilAnswering()
    {
        const auto deadline = started_ + std::chrono::seconds(20);
        while (Clock::now() < deadline && pid_ > 0) {
            int fd = socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un a{};
            a.sun_family = AF_UNIX;
            std::snprintf(a.sun_path, sizeof a.sun_path, "%s", Socket().c_str());
            if (connect(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0) {
                char c;
                while (read(fd, &c, 1) > 0) {
                }
                close(fd);
                return std::chrono::duration<double, std::milli>(Clock::now() - started_).count();
            }
            close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return -1;
    }

    // Resident set size in MB, from the kernel's status of the process.
    double ResidentMb() const
    {
        std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
        std::string key;
        while (status >> key) {
            if (key == "VmRSS:") {
                double kb = 0;
                status >> kb;
                return kb / 1024.0;
            }
        }
        return -1;
    }

private:
    std::string Socket() const { return runtime_ + "/tq62edit-" + std::to_string(getuid()) + ".sock"; }

    std::string runtime_;
    pid_t pid_ = -1;
    Clock::time_point started_;
};

void BM_ProcessStartToRunningWindow(benchmark::State &state)
{
    double worst = 0;
    for (auto _ : state) {
        EditorProcess editor;
        const double ms = editor.MsUntilAnswering();
        if (ms < 0) {
            state.SkipWithError("the editor did not come up");
            return;
        }
        worst = std::max(worst, ms);
        state.SetIterationTime(ms / 1000.0);
    }
    state.counters["worst_ms"] = worst;
    state.counters["budget_ms"] = 400;
    state.SetLabel("process start to the shown, running main window; budget 400 ms");
}
BENCHMARK(BM_ProcessStartToRunningWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_IdleResidentMemory(benchmark::State &state)
{
    double mb = 0;
    for (auto _ : state) {
        EditorProcess editor;
        if (editor.MsUntilAnswering() < 0) {
            state.SkipWithError("the editor did not come up");
            return;
        }
        std::this_thread::sleep_for(std::chrono::seconds(2));
        mb = editor.ResidentMb();
        state.SetIterationTime(1);
    }
    state.counters["rss_MB"] = mb;
    state.counters["budget_MB"] = 80;
    state.SetLabel("resident memory of the idle editor, window shown; budget 80 MB");
}
BENCHMARK(BM_IdleResidentMemory)->UseManualTime()->Iterations(1);

} // namespace

BENCHMARK_MAIN();
