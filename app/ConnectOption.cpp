#include "ConnectOption.h"

#include <arpa/inet.h>

#include <cstdlib>

namespace {

bool IsLoopback(const std::string &host)
{
    in_addr a{};
    return inet_pton(AF_INET, host.c_str(), &a) == 1 && (ntohl(a.s_addr) >> 24) == 127;
}

bool ParsePort(const std::string &text, uint16_t &port)
{
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const long v = std::strtol(text.c_str(), nullptr, 10);
    if (v < 1 || v > 65535)
        return false;
    port = uint16_t(v);
    return true;
}

} // namespace

bool ParseConnectOption(int argc, const char *const *argv, ConnectOption &option, std::string &error)
{
    option = {};
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        std::string value;
        if (a == "--connect" && i + 1 < argc)
            value = argv[++i];
        else if (a.rfind("--connect=", 0) == 0)
            value = a.substr(10);
        else {
            error = "unknown argument: " + a + " (usage: tq62edit [--connect 127.0.0.1:PORT])";
            return false;
        }
        const size_t colon = value.rfind(':');
        uint16_t port = 0;
        if (colon == std::string::npos || !ParsePort(value.substr(colon + 1), port)) {
            error = "--connect wants HOST:PORT, got \"" + value + "\"";
            return false;
        }
        const std::string host = value.substr(0, colon);
        if (!IsLoopback(host)) {
            error = "--connect takes only a loopback address (127.x.x.x), not \"" + host + "\"";
            return false;
        }
        option.given = true;
        option.host = host;
        option.port = port;
    }
    return true;
}
