#pragma once
#include <cstdlib>
#include <functional>
#include <string>

// Command-line reading shared by the test-build tools: every option takes one
// value ("--name value").

// True, with out set, when text is a whole decimal number within lo to hi.
inline bool ParseIntOption(const char *text, int lo, int hi, int &out)
{
    char *end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (!*text || *end || v < lo || v > hi)
        return false;
    out = int(v);
    return true;
}

// Hands each (name, value) pair to take; false when an option lacks its value
// or take refuses one.
inline bool ForEachOption(int argc, char **argv, const std::function<bool(const std::string &, const char *)> &take)
{
    for (int i = 1; i < argc; i += 2) {
        if (i + 1 >= argc || !take(argv[i], argv[i + 1]))
            return false;
    }
    return true;
}
