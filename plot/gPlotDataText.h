#pragma once
#include <cstddef>
#include <string_view>

// Numbers in the plot's text data, channel data and log files. They are
// written as the toolkit's FloatToStr writes them (up to 15 significant
// digits, exponent form beyond 1E15 and below 1E-5, "NAN", "INF", "-INF")
// but always with "." as the point, whatever the settings, and read back
// with "." or, where the caller allows it (a file whose columns are
// separated by TAB), "," as the point.

// Room FormatDataNumber needs.
constexpr std::size_t DataNumberMaxLength = 32;
// Writes Value at Out and returns the number of characters.
std::size_t FormatDataNumber(double Value, char *Out);
// Text surrounded by blanks or tabs, a sign, digits with one point, an
// optional exponent, or NAN / INF (any case). False for anything else.
bool ParseDataNumber(std::string_view Text, bool CommaPoint, double &Value);
// The text without the blanks and tabs around it.
std::string_view TrimmedField(std::string_view Text);
// True when Text equals Word (ASCII letters compared without regard to case).
bool SameWord(std::string_view Text, std::string_view Word);
