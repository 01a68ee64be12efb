#pragma once
#include "Canvas.h"
#include "Font.h"
#include "Types.h"

#include <QString>
#include <memory>

// Text, font and system-version helpers of the Sk controls.

// A copy of Font turned by AngleDegrees counter-clockwise (its escapement,
// Orientation, is the angle in tenths of a degree); owned by the caller.
std::unique_ptr<TFont> CreateRotatedFont(const TFont &Font, int AngleDegrees);
// True when the font is drawn from outlines (it can be rotated).
bool IsTrueTypeFont(const TFont &Font);
// The caption without its accelerator marks: every "&" before another
// character is dropped unless that character is "&" too; the last character
// is always kept.
QString StripAccelerators(const QString &Caption);
// The last character, or a null character for an empty text.
QChar LastCharOf(const QString &Text);
// DrawText of the whole string with Flags in R; returns the text height.
int DrawTextInRect(TCanvas *Canvas, const QString &Text, TRect &R, unsigned Flags);
// One line centred both ways in (a copy of) R.
void DrawCenteredText(TCanvas *Canvas, const QString &Text, const TRect &R);

// Version tests (Kind 0..8: 95, NT 4, 98, Me, 2000, XP, 2003, Vista, 7)
// against the system version; other kinds answer false.
bool IsWindowsVersion(int Kind);
bool IsWindowsVersionOrLater(int Kind);
// The same tests for a given platform (1 the 9x family, 2 NT) and version.
bool IsWindowsVersionOf(int Kind, int Platform, int Major, int Minor);
bool IsWindowsVersionOrLaterOf(int Kind, int Platform, int Major, int Minor);
