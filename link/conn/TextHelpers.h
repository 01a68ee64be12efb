#pragma once
#include <cstdint>
#include <string>

// Small text helpers of the main window, also used by the PEQ band table and
// the dialogs: a number as "%i", one byte as a one-character text ("%c").
std::string IntToText(int value);
std::string CharToText(uint8_t byte);
