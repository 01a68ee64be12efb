#pragma once
#include "LMyFFTDrawHpLp6dB.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

// A response plot set up as the channel pages set theirs: 1070 x 255, black,
// a fixed range of 966 to 3840 bins and -18 to 18 dB, F = 48 kHz, laid out.
struct PlotFixture : ::testing::Test {
    LMyFFTDrawHpLp6dB plot{nullptr};

    void SetUp() override { MainWindowSettings(plot, 1070, 255); }

    static void MainWindowSettings(LMyFFTDrawHpLp6dB &p, int w, int h)
    {
        p.SetBounds(0, 0, w, h);
        p.SetAutoRedraw(false);
        p.SetXAutoScale(false);
        p.SetYAutoScale(false);
        p.SetSampleRate(n96000);
        p.SetXYMinMax(966, 3840, -18, 18);
        TFont f;
        f.SetName(QStringLiteral("Tahoma"));
        f.SetHeight(-11);
        f.SetColor(clLime);
        p.SetPlotTitleFont(&f);
        p.SetAxisTitleFont(&f);
        p.SetMouseCoordFont(&f);
        f.SetColor(clActiveBorder);
        p.SetAxisLabelFont(&f);
        p.SetAutoRedraw(true);
        p.ResizePaintPage();
    }

    // A curve of 4096 points, point i at 48000^(i/4096) Hz.
    static std::vector<double> Curve(double (*Gain)(double Frequency))
    {
        std::vector<double> y(4096);
        for (int i = 0; i < 4096; ++i)
            y[i] = Gain(std::pow(48000.0, i / 4096.0));
        return y;
    }
    static std::vector<double> Flat(double Gain) { return std::vector<double>(4096, Gain); }

    QImage Screen() { return plot.ScreenImage().copy(); }
    // A pixel of the screen image in plot page coordinates.
    TColor PlotPixel(int X, int Y)
    {
        const TRect &d = plot.PlotPage()->Dest();
        return FromQColor(plot.ScreenImage().pixelColor(d.Left + X, d.Top + Y));
    }
    // A pixel of the plot page itself.
    TColor PagePixel(int X, int Y) { return plot.PlotPage()->Canvas()->Pixels(X, Y); }
};
