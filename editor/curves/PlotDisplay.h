#pragma once
#include "SharedConstants.h"

// What a Plot draws on: the operations of a response display that the curve
// maths calls. The display control implements it; headless users (tools,
// tests) pass no display at all. x values are fractional grid indices
// (0 to 4096 on a logarithmic frequency scale), y values dB or phase units.
class PlotDisplay {
public:
    virtual ~PlotDisplay();
    // Adds the curve y[0..count-1] under key, or replaces the one with that key.
    virtual void FFTDraw(const double *y, int count, int key, RgbColour colour, int style) = 0;
    // Removes the curve with that key; false when there is none.
    virtual bool RemovePlot(int key) = 0;
    // Places band handle index at (x, y); style 0 square, 1 ellipse, 2 "LPF", 3 "HPF".
    virtual void DrawBlock(double y, double x, RgbColour colour, int index, bool flag, int style) = 0;
    // The handle's parameters, for hit-testing and its texts.
    virtual void SetBlockParameter(int index, double freqHz, double gainDb, double q, int code) = 0;
    // The selected band's texts next to (x, y), laid out by band type.
    virtual void DrawParam(int bandType, double y, double x, float freqHz, double q, RgbColour colour) = 0;
    // Fills the area under the given curve for the selected band.
    virtual void DrawCurveFill(int bandType, const double *y, int count) = 0;
    // Shows or hides the selected band's fill and texts; no redraw by itself.
    virtual void SetCurveDisplay(bool on) = 0;
};
