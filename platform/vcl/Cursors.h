#pragma once
#include <QCursor>

// Mouse cursors by number, as controls name them: the predefined ones are
// negative (crArrow ...), programs may register their own (positive numbers).
using TCursor = int;

constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// Registers (or replaces) a program cursor under a number.
void RegisterCursor(TCursor Id, const QCursor &Cursor);
// The Qt cursor for a number; unknown numbers give the arrow.
QCursor CursorToQt(TCursor Cursor);

// The program's pointing hand, registered at start-up as cursor 99.
constexpr TCursor crProgramHandPoint = 99;
void RegisterProgramCursors();
