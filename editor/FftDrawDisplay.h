#pragma once
#include "PlotDisplay.h"

class LMyFFTDrawHpLp6dB;

// The curve maths' drawing operations on a response display control.
class FftDrawDisplay : public PlotDisplay {
public:
    explicit FftDrawDisplay(LMyFFTDrawHpLp6dB &Display) : display(Display) {}

    void FFTDraw(const double *y, int count, int key, RgbColour colour, int style) override;
    bool RemovePlot(int key) override;
    void DrawBlock(double y, double x, RgbColour colour, int index, bool flag, int style) override;
    void SetBlockParameter(int index, double freqHz, double gainDb, double q, int code) override;
    void DrawParam(int bandType, double y, double x, float freqHz, double q, RgbColour colour) override;
    void DrawCurveFill(int bandType, const double *y, int count) override;
    void SetCurveDisplay(bool on) override;

private:
    LMyFFTDrawHpLp6dB &display;
};
