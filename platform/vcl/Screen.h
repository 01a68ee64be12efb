#pragma once
#include "Types.h"

#include <memory>
#include <vector>

// One display of the desktop, in virtual-screen coordinates.
struct TMonitor {
    int MonitorNum = 0;
    TRect BoundsRect;
    // The part not covered by panels and docks.
    TRect WorkareaRect;
    bool Primary = false;
};

enum TMonitorDefaultTo { mdNearest, mdNull, mdPrimary };

// The desktop's displays and resolution as the windows see them. The answers
// come from Qt's screens unless a test has set its own monitors or DPI.
class TScreen {
public:
    int MonitorCount() const;
    TMonitor Monitors(int Index) const; // throws EListError out of range
    TMonitor PrimaryMonitor() const;
    // The monitor holding P; otherwise, by Default, the nearest one, none
    // (MonitorNum -1 and empty rectangles) or the primary one.
    TMonitor MonitorFromPoint(TPoint P, TMonitorDefaultTo Default = mdNearest) const;
    TRect WorkAreaRect() const { return PrimaryMonitor().WorkareaRect; }
    int Width() const { return PrimaryMonitor().BoundsRect.Width(); }
    int Height() const { return PrimaryMonitor().BoundsRect.Height(); }
    int PixelsPerInch() const;

    // Test seams: a fixed list of monitors (the first primary unless one
    // says so) and a fixed resolution; an empty list or 0 returns to Qt's.
    void SetMonitorsForTest(const std::vector<TMonitor> &Monitors);
    void SetPixelsPerInchForTest(int Value) { ppiOverride_ = Value; }

private:
    std::vector<TMonitor> List() const;
    std::vector<TMonitor> override_;
    int ppiOverride_ = 0;
};

// The mouse pointer, in screen coordinates.
class TMouse {
public:
    TPoint CursorPos() const;
    void SetCursorPos(TPoint Value);
    // Test seam: a fixed cursor position (the offscreen platform has no
    // pointer); cleared by ClearCursorPosForTest.
    void SetCursorPosForTest(TPoint Value);
    void ClearCursorPosForTest() { fixed_ = false; }

private:
    bool fixed_ = false;
    TPoint fixedPos_;
};

extern TScreen *const Screen;
extern TMouse *const Mouse;
