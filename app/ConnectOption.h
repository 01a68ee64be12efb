#pragma once
#include <cstdint>
#include <string>

// The test option `--connect HOST:PORT`: the scan tries only that address.
// Only IPv4 loopback addresses (127.x.x.x) are taken.
struct ConnectOption {
    bool given = false;
    std::string host;
    uint16_t port = 0;
};

// Reads the program's arguments. False (with `error` set) for an unknown
// argument, a malformed address or one that is not loopback.
bool ParseConnectOption(int argc, const char *const *argv, ConnectOption &option, std::string &error);
