#include "FftDrawDisplay.h"

#include "LMyFFTDrawHpLp6dB.h"

namespace {
TColor ToColor(RgbColour c) { return TColor(c.r) | TColor(c.g) << 8 | TColor(c.b) << 16; }
} // namespace

void FftDrawDisplay::FFTDraw(const double *y, int count, int key, RgbColour colour, int style)
{
    display.FFTDraw(y, count, key, ToColor(colour), TMyPlotStyle(style));
}

bool FftDrawDisplay::RemovePlot(int key) { return display.RemovePlot(key); }

void FftDrawDisplay::DrawBlock(double y, double x, RgbColour colour, int index, bool flag, int style)
{
    display.DrawBlock(y, x, ToColor(colour), index, flag, style);
}

void FftDrawDisplay::SetBlockParameter(int index, double freqHz, double gainDb, double q, int code)
{
    display.SetBlockParameter(index, freqHz, gainDb, q, code);
}

void FftDrawDisplay::DrawParam(int bandType, double y, double x, float freqHz, double q, RgbColour colour)
{
    display.DrawParam(bandType, y, x, freqHz, q, ToColor(colour));
}

void FftDrawDisplay::DrawCurveFill(int bandType, const double *y, int count)
{
    display.DrawCurveFill(bandType, y, count);
}

void FftDrawDisplay::SetCurveDisplay(bool on) { display.SetCurveDisplay(on); }
