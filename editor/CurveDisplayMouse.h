#pragma once
#include "Events.h"
#include "Types.h"

#include <vector>

class LMyFFTDrawHpLp6dB;
class PageHost;
class PeqPage;
class TObject;
class TTimer;

// Mouse handling of the 14 curve displays: hovering over a handle shows a
// cross, the left button grabs a PEQ band handle (dragged in frequency and
// gain) or the high-pass or low-pass handle (dragged in frequency). The
// handle keeps the point where it was grabbed: it moves by what the pointer
// moved, and an axis the pointer has not left keeps its value. A move that
// changes a value writes the model and sends; the curve waits for a 1 ms tick.
// A display too small for a plot area takes no mouse handling. A grab ends
// however its press ends: the release, wherever it lands; the display losing
// the mouse (another window, a popup, the display hidden); the link going or
// coming (EndGrab).
class CurveDisplayMouse {
public:
    CurveDisplayMouse(PageHost &Host, PeqPage &Page);

    // Wires the displays' mouse events and makes the tick's timer.
    void Attach();
    TTimer *MouseEqCurveTimer() const { return tmMouseEqCurve; }

    void MouseDown(TObject *Sender, TMouseButton Button, int X, int Y);
    void MouseMove(TObject *Sender, int X, int Y);
    void MouseUp(TObject *Sender);
    void MouseEqCurveTick();
    // Ends a grab, if any: no handle is grabbed, so the band table commits
    // again, and the grabbed channel's crossover value boxes are black again.
    void EndGrab();

private:
    // The handle indexes to try, highest first; none on the overviews.
    std::vector<int> Candidates(LMyFFTDrawHpLp6dB *Display) const;
    bool Hit(LMyFFTDrawHpLp6dB *Display, int Handle, int X, int Y, double Scale) const;
    double HandleGain(int Channel, int Handle) const;
    // What a grab holds: its channel, where the press was, how far it lay
    // from the handle's centre, and the values last sent (those at the press
    // first).
    struct Grab {
        int channel = -1;
        TPoint press{0, 0};
        TPoint offset{0, 0};
        int pressFreqIndex = 0, pressGainIndex = 0;
        int sentFreqIndex = 0, sentGainIndex = 0;
    };
    void StartGrab(LMyFFTDrawHpLp6dB *Display, int Handle, int X, int Y);
    void DragBand(int Channel, int Band, double FreqHz, double GainDb);
    void DragFilter(int Channel, bool HighPass, double FreqHz);

    PageHost &host;
    PeqPage &page;
    TTimer *tmMouseEqCurve = nullptr;
    TPoint lastMovePoint{0, 0};
    Grab grab;
};
