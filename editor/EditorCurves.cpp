#include "EditorCurves.h"

#include "CurveBuilder.h"
#include "FftDrawDisplay.h"
#include "LMyFFTDrawHpLp6dB.h"
#include "LUnitControl.h"
#include "MyPEQType8.h"
#include "PageHost.h"
#include "PageNames.h"
#include "Plot.h"
#include "RadioButton.h"
#include "SharedConstants.h"
#include "Timer.h"
#include "ValueScales.h"

#include <algorithm>
#include <cstring>

namespace {

// The x range of the main window's displays (about 12.7 Hz to 24.5 kHz) and
// the level range.
constexpr double kXMin = 966, kXMax = 3840, kYMin = -18, kYMax = 18;

constexpr TColor kCaptionOn = clYellow, kCaptionOff = clSilver;

// The window's displays: a fixed range, bins of 4096 over 48 kHz, the
// editor's fonts, laid out at once.
void Configure(LMyFFTDrawHpLp6dB &d)
{
    d.SetAutoRedraw(false);
    d.SetXAutoScale(false);
    d.SetYAutoScale(false);
    d.SetSampleRate(n96000);
    d.SetXYMinMax(kXMin, kXMax, kYMin, kYMax);
    TFont f;
    f.SetName(QStringLiteral("Tahoma"));
    f.SetHeight(-11);
    f.SetColor(clLime);
    d.SetPlotTitleFont(&f);
    d.SetAxisTitleFont(&f);
    d.SetMouseCoordFont(&f);
    f.SetColor(clActiveBorder);
    d.SetAxisLabelFont(&f);
    d.SetAutoRedraw(true);
    d.ResizePaintPage();
}

} // namespace

struct EditorCurves::Binding {
    std::unique_ptr<FftDrawDisplay> adapter;
    std::unique_ptr<Plot> plot;
    LMyFFTDrawHpLp6dB *display = nullptr;
};

QString SliderFreqText(double Hz)
{
    return Hz >= 1000 ? QString::asprintf("%4.2fKHz", Hz * 0.001) : QString::asprintf(" %4.1fHz", Hz);
}

QString SliderGainText(int Position)
{
    const double db = (Position - 120) * 0.1;
    return Position >= 120 ? QString::asprintf("+%3.1fdB", db) : QString::asprintf("%4.1fdB", db);
}

QString SliderQText(int Position) { return QString::asprintf("%3.2f", double(QTableValue(Position))); }

EditorCurves::EditorCurves(PageHost &Host) : host(Host), tmHpLpCurve(new TTimer(Host.ControlOwner()))
{
    tmHpLpCurve->SetEnabled(false);
    tmHpLpCurve->SetInterval(1);
    tmHpLpCurve->OnTimer = [this](TObject *) { HpLpCurveTimer(); };
}

EditorCurves::~EditorCurves() = default;

QString EditorCurves::DisplayName(int Index)
{
    if (Index == kGainIn)
        return QStringLiteral("fftDrawGainIn");
    if (Index == kGainOut)
        return QStringLiteral("fftDrawGainOut");
    if (Index >= kFirstGeq)
        return QStringLiteral("fftDrawGeqIn") + QChar('A' + Index - kFirstGeq);
    return PageNames::SideName("fftDraw", Index);
}

Plot &EditorCurves::PlotOf(int Index)
{
    Index = std::clamp(Index, 0, kDisplays - 1);
    auto &b = bindings[size_t(Index)];
    if (!b) {
        b = std::make_unique<Binding>();
        b->display = dynamic_cast<LMyFFTDrawHpLp6dB *>(host.FindControl(DisplayName(Index)));
        if (b->display) {
            Configure(*b->display);
            b->adapter = std::make_unique<FftDrawDisplay>(*b->display);
        }
        b->plot = std::make_unique<Plot>(b->adapter.get());
    }
    return *b->plot;
}

LMyFFTDrawHpLp6dB *EditorCurves::Display(int Index)
{
    PlotOf(Index);
    return bindings[size_t(std::clamp(Index, 0, kDisplays - 1))]->display;
}

void EditorCurves::UpdateCurvePage(int Index)
{
    if (auto *d = Display(Index))
        d->UpdateCurvePage();
}

void EditorCurves::BuildPeqCurve(int Channel)
{
    auto *table = dynamic_cast<TMyPEQType8 *>(host.FindControl(PageNames::SideName("peqPeq", Channel)));
    if (!table || !Display(Channel))
        return;
    PeqCurveBand bands[kOutputPeqBands];
    const int n = std::min(table->GetChannelNumber(), kOutputPeqBands);
    for (int b = 0; b < n; ++b)
        bands[b] = {table->GetFreqValue(b), table->GetGainValue(b), table->GetQValue(b), table->GetTypeValue(b),
                    table->GetBypassValue(b)};
    ::BuildPeqCurve(PlotOf(Channel), bands, n, Channel);
}

void EditorCurves::BuildHpLpCurve(bool IsHighPass, int SlopeType, double CornerHz, int BaseSlot, int Channel)
{
    ::BuildHpLpCurve(PlotOf(Channel), IsHighPass, SlopeType, CornerHz, BaseSlot);
}

void EditorCurves::UpdateHighPassCurve(int Channel)
{
    ::UpdateHighPassCurve(PlotOf(Channel), host.Model(), Channel);
}

void EditorCurves::UpdateLowPassCurve(int Channel) { ::UpdateLowPassCurve(PlotOf(Channel), host.Model(), Channel); }

void EditorCurves::BuildGeqCurve(int Input)
{
    if (Input < 0 || Input > 3)
        return;
    const int index = kFirstGeq + Input;
    if (!Display(index))
        return;
    uint16_t geq[kGeqBands];
    for (int b = 0; b < kGeqBands; ++b)
        geq[b] = host.Model().GetGeqBand(Input, b);
    ::BuildGeqCurve(PlotOf(index), geq, index);
    UpdateCurvePage(index);
}

void EditorCurves::BuildChannel(int Channel)
{
    BuildPeqCurve(Channel);
    UpdateHighPassCurve(Channel);
    UpdateLowPassCurve(Channel);
}

void EditorCurves::ScheduleHpLpCurve(const PendingCurveEdit &Edit)
{
    pending = Edit;
    tmHpLpCurve->SetEnabled(true);
}

void EditorCurves::HpLpCurveTimer()
{
    tmHpLpCurve->SetEnabled(false);
    const PendingCurveEdit e = pending;
    const bool high = e.kind == 1;
    BuildHpLpCurve(high, e.crossoverType, e.freqHz, Plot::kHighPassSlot, e.channel);
    Plot &plot = PlotOf(e.channel);
    plot.DrawFilled(high ? 5 : 6, high ? Plot::kHighPassSlot : Plot::kLowPassSlot, 0, 0, true);
    plot.DrawSum(e.channel);
    UpdateCurvePage(e.channel);
}

void EditorCurves::ShowPhase(int Channel, bool Phase)
{
    if (Channel < 0 || Channel > 11)
        return;
    Plot &plot = PlotOf(Channel);
    if (plot.GetPhaseMode() == uint8_t(Phase))
        return;
    plot.SetPhaseMode(Phase);
    auto *display = Display(Channel);
    auto *table = dynamic_cast<TMyPEQType8 *>(host.FindControl(PageNames::SideName("peqPeq", Channel)));
    TControl *group = host.FindControl(PageNames::SideName("skgFft", Channel));
    auto *mag = dynamic_cast<TRadioButton *>(host.FindControl(PageNames::SideName("rbShowGain", Channel)));
    auto *phase = dynamic_cast<TRadioButton *>(host.FindControl(PageNames::SideName("rbShowPhase", Channel)));
    if (!display || !table || !group || !mag || !phase)
        return;
    (Phase ? phase : mag)->Font()->SetColor(kCaptionOn);
    (Phase ? mag : phase)->Font()->SetColor(kCaptionOff);
    BuildChannel(Channel);
    display->SetNumHorzGrid(Phase ? 7 : 11);
    display->SetYLabel(Phase ? QString() : QStringLiteral("dB"));
    display->SetYLabelScale(Phase ? 10.0 : 1.0);
    display->SetYMax(18.0);
    display->SetYMin(-18.0);
    // A selection cleared by the refresh (row 15) has no band to fill.
    const int band = table->GetNowIndex();
    if (band >= 0 && band < table->GetChannelNumber())
        plot.DrawFilled(table->GetTypeValue(band), band, float(table->GetGainValue(band)),
                        float(table->GetQValue(band)), true);
    else
        plot.DrawFilled(0, 0, 0, 0, false);
    display->UpdateCurvePage();
    group->Invalidate();
    InvalidateCurve(Channel);
    RefreshChannelOverlays(Channel);
}
