// The response plot's hot paths: a full redraw of a channel display, the
// cycle that a band drag runs on every mouse move, and a layout after a
// resize. Each prints its budget beside the measured time.
#include "LMyFFTDrawHpLp6dB.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

// A peak of Gain dB at Centre Hz, sampled as the channel pages sample their
// curves: point i at 48000^(i/4096) Hz.
std::vector<double> PeakCurve(double Centre, double Gain)
{
    std::vector<double> y(4096);
    for (int i = 0; i < 4096; ++i) {
        const double octaves = std::log2(std::pow(48000.0, i / 4096.0) / Centre);
        y[i] = Gain * std::exp(-2 * octaves * octaves);
    }
    return y;
}

double Bin(double f)
{
    return 4096 * std::log10(f) / std::log10(48000.0);
}

// A channel display as the main window builds it: 1070 x 255, fixed range,
// twelve curves (nine bands, two crossover filters, the sum), nine handles,
// the selected band's text and fill.
struct ChannelDisplay {
    LMyFFTDrawHpLp6dB plot{nullptr};
    std::vector<std::vector<double>> curves;

    ChannelDisplay()
    {
        plot.SetBounds(0, 0, 1070, 255);
        plot.SetAutoRedraw(false);
        plot.SetXAutoScale(false);
        plot.SetYAutoScale(false);
        plot.SetSampleRate(n96000);
        plot.SetXYMinMax(966, 3840, -18, 18);
        plot.SetAutoRedraw(true);
        plot.ResizePaintPage();
        for (int k = 0; k < 12; ++k) {
            curves.push_back(PeakCurve(30 * std::pow(2.0, k * 0.8), (k % 2 ? -1 : 1) * (3 + k % 5)));
            plot.FFTDraw(curves.back().data(), 4096, k, TColor(0x3070F0 + 0x101010 * k), TMyPlotStyle(0));
        }
        for (int band = 0; band < 9; ++band) {
            const double f = 30 * std::pow(2.0, band * 0.8);
            plot.DrawBlock(curves[band][static_cast<size_t>(Bin(f))], Bin(f), clRed, band, false, 1);
            plot.SetBlockParameter(band, f, 3, 1.4, 1);
        }
        plot.DrawParam(0, 3, Bin(1000), 1000.f, 1.4, clYellow);
        plot.DrawCurveFill(4, curves[4].data(), 4096);
        plot.SetCurveDisplay(true);
    }
};

void BM_FullRedraw(benchmark::State &state)
{
    ChannelDisplay d;
    for (auto _ : state)
        d.plot.Redraw();
    state.SetLabel("budget 8 ms");
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

void BM_BandDragCycle(benchmark::State &state)
{
    ChannelDisplay d;
    std::vector<std::vector<double>> positions;
    for (int k = 0; k < 40; ++k)
        positions.push_back(PeakCurve(800 + 10 * k, 6));
    int step = 0;
    for (auto _ : state) {
        const double f = 800 + 10 * (step % 40);
        const std::vector<double> &band = positions[static_cast<size_t>(step++ % 40)];
        d.plot.FFTDraw(band.data(), 4096, 4, clRed, TMyPlotStyle(0));
        d.plot.FFTDraw(d.curves[11].data(), 4096, 11, clRed, TMyPlotStyle(0));
        d.plot.DrawBlock(6, Bin(f), clRed, 4, false, 1);
        d.plot.DrawCurveFill(4, band.data(), 4096);
        d.plot.UpdateCurvePage();
    }
    state.SetLabel("budget 4 ms");
}
BENCHMARK(BM_BandDragCycle)->Unit(benchmark::kMillisecond);

// A resize with a font change each time, so that the label widths are
// measured anew (a plain resize reuses them).
void BM_LayoutAfterResize(benchmark::State &state)
{
    ChannelDisplay d;
    d.plot.SetAutoRedraw(false);
    int k = 0;
    for (auto _ : state) {
        ++k;
        TFont font;
        font.Assign(d.plot.AxisLabelFont());
        font.SetHeight(k % 2 ? -11 : -12);
        d.plot.AxisLabelFont()->Assign(&font);
        d.plot.SetBounds(0, 0, 1070 - k % 2, 255);
        d.plot.ResizePaintPage();
    }
    state.SetLabel("budget 5 ms");
}
BENCHMARK(BM_LayoutAfterResize)->Unit(benchmark::kMillisecond);

} // namespace
