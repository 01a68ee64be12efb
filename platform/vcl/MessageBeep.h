#pragma once
#include <functional>

// The system beep of a refused key. Every beep of the program goes through
// here, so tests count them with a handler instead of hearing them.
constexpr unsigned MB_OK = 0;
void MessageBeep(unsigned Type = MB_OK);
// Replaces the beep; an empty handler restores the real one.
void SetMessageBeepHandler(std::function<void(unsigned)> Handler);
