#pragma once
#include <QString>

// What the program asks of the operating system about itself, answered the
// same on every machine: the layouts and the look were made for one desktop
// (Windows 6.1, the classic colour scheme), and pictures must not depend on
// the machine that draws them.

// Platform id (2, the NT family) and version 6.1.
constexpr int Win32Platform = 2;
constexpr int Win32MajorVersion = 6;
constexpr int Win32MinorVersion = 1;
// Controls draw in the new style (set from a major version of 4 or more).
constexpr bool NewStyleControls = Win32MajorVersion >= 4;

// The desktop colour scheme's name ("ColorName" of the theme manager):
// none, so the default scheme applies.
QString DesktopColorSchemeName();

// System metrics that controls read.
enum TSystemMetric { SM_CXVSCROLL = 2, SM_CYHSCROLL = 3 };
// 17 for the scroll-bar width and height; 0 for anything else.
int GetSystemMetrics(int Metric);
// Lines scrolled per wheel notch.
constexpr int WheelScrollLines = 3;
// The screen shows full colour (more than 256 colours).
constexpr bool ScreenIsFullColor = true;
