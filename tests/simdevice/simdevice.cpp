// simdevice: the simulated processor as a network device on 127.0.0.1, to try
// the editor by hand: `simdevice [--port N] [--id N]` (port 9761, ID 1 by
// default) answers until it is interrupted.
#include <csignal>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "SimFrontEnd.h"
#include "ToolOptions.h"

namespace {
volatile std::sig_atomic_t stop = 0;
void OnSignal(int) { stop = 1; }
} // namespace

int main(int argc, char **argv)
{
    int port = 9761, id = 1;
    const bool taken = ForEachOption(argc, argv, [&](const std::string &a, const char *v) {
        if (a == "--port")
            return ParseIntOption(v, 1, 65535, port);
        if (a == "--id")
            return ParseIntOption(v, 1, 254, id);
        return false;
    });
    if (!taken) {
        std::fprintf(stderr, "usage: simdevice [--port N] [--id N]\n");
        return 2;
    }
    SimTcp sim{uint8_t(id), uint16_t(port)};
    if (sim.Port() == 0) {
        std::fprintf(stderr, "simdevice: cannot listen on 127.0.0.1:%d\n", port);
        return 1;
    }
    std::printf("simulated TQ-62 (ID %d) listening on 127.0.0.1:%u\n", id, sim.Port());
    std::fflush(stdout);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    while (!stop)
        pause();
    return 0;
}
