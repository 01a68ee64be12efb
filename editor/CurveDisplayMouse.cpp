#include "CurveDisplayMouse.h"

#include "ComboBox.h"
#include "EditorCurves.h"
#include "FrequencyGrid.h"
#include "LMyFFTDrawHpLp6dB.h"
#include "LUnitControl.h"
#include "MyPEQType8.h"
#include "PageHost.h"
#include "PageNames.h"
#include "PeqPage.h"
#include "Plot.h"
#include "CurveBuilder.h"
#include "RoundedControls.h"
#include "Screen.h"
#include "SkBmpButton.h"
#include "SmTrackBar.h"
#include "Timer.h"
#include "ValueScales.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLowestHz = 19.7, kHighestHz = 20160;
constexpr double kGainLimitDb = 12.0;

template <typename T> T *As(TControl *c) { return dynamic_cast<T *>(c); }

int Bands(int ch) { return ch < 4 ? kInputPeqBands : kOutputPeqBands; }

// The mapping divides by the plot area's size: a display too small for one
// (never laid out, or shrunk to nothing) takes no mouse handling.
bool HasPlotArea(LMyFFTDrawHpLp6dB *d)
{
    return d->LaidOut() && d->Width() > 0 && d->Height() > 0 && d->GetPlotWidth() > 0 && d->GetPlotHeight() > 0;
}

// Where the display put its plot page: the page's corner moves with the
// width of the axis labels, so it is read from the display, never assumed.
TRect PlotRect(LMyFFTDrawHpLp6dB *d)
{
    return d->PlotPage()->Dest();
}

} // namespace

CurveDisplayMouse::CurveDisplayMouse(PageHost &Host, PeqPage &Page) : host(Host), page(Page) {}

void CurveDisplayMouse::Attach()
{
    tmMouseEqCurve = new TTimer(host.ControlOwner());
    tmMouseEqCurve->SetEnabled(false);
    tmMouseEqCurve->SetInterval(1);
    tmMouseEqCurve->OnTimer = [this](TObject *) { MouseEqCurveTick(); };
    for (int d = 0; d <= EditorCurves::kGainOut; ++d) {
        LMyFFTDrawHpLp6dB *display = host.Curves().Display(d);
        if (!display)
            continue;
        display->OnMouseDown = [this](TObject *S, TMouseButton B, TShiftState, int X, int Y) { MouseDown(S, B, X, Y); };
        display->OnMouseMove = [this](TObject *S, TShiftState, int X, int Y) { MouseMove(S, X, Y); };
        display->OnMouseUp = [this](TObject *S, TMouseButton, TShiftState, int, int) { MouseUp(S); };
        display->OnMouseCaptureLost = [this](TObject *) { EndGrab(); };
    }
}

std::vector<int> CurveDisplayMouse::Candidates(LMyFFTDrawHpLp6dB *Display) const
{
    const int ch = Display->Tag();
    if (ch < 0 || ch > 11 || host.Curves().Display(ch) != Display)
        return {}; // an overview
    std::vector<int> c{Plot::kLowPassSlot, Plot::kHighPassSlot};
    for (int b = Bands(ch) - 1; b >= 0; --b)
        c.push_back(b);
    return c;
}

double CurveDisplayMouse::HandleGain(int Channel, int Handle) const
{
    if (Handle >= Plot::kHighPassSlot)
        return 0.0;
    auto *table = As<TMyPEQType8>(host.FindControl(PageNames::SideName("peqPeq", Channel)));
    return table ? table->GetGainValue(Handle) : 0.0;
}

bool CurveDisplayMouse::Hit(LMyFFTDrawHpLp6dB *Display, int Handle, int X, int Y, double Scale) const
{
    const TRect plot = PlotRect(Display);
    const double h = Display->GetPlotHeight();
    const double yMin = Display->YMin(), yMax = Display->YMax();
    const double g = HandleGain(Display->Tag(), Handle);
    // Columns on the plot page, where the display keeps its handle positions.
    const int px = int((X - plot.Left) * Scale);
    const int hc = int(Display->GetBlockPos(Handle).X * Scale);
    // The pointer's level with its sign reversed (the top row gives YMin).
    int v = int((Y - plot.Top) / h * (yMax - yMin)) + int(yMin);
    if (g < 0)
        v += 1;
    return std::abs(px - hc) < 5 && int(std::fabs(v + g)) < 2;
}

void CurveDisplayMouse::MouseDown(TObject *Sender, TMouseButton Button, int X, int Y)
{
    auto *display = dynamic_cast<LMyFFTDrawHpLp6dB *>(Sender);
    EditorCurves &curves = host.Curves();
    EndGrab();
    if (!display || Button != mbLeft || !HasPlotArea(display))
        return;
    const int ch = display->Tag();
    if (!host.FindControl(PageNames::SideName("peqPeq", ch)))
        return;
    for (int i : Candidates(display)) {
        if (!Hit(display, i, X, Y, 1.0))
            continue;
        curves.dragBlock = i;
        StartGrab(display, i, X, Y);
        if (i >= Plot::kHighPassSlot)
            break; // a filter handle has no band button
        if (auto *button = As<TSkBmpButton>(
                host.FindControl(PageNames::SideName(QString("skbEq%1").arg(i + 1).toLatin1().constData(), ch)))) {
            button->SetDown(true);
            button->Click();
        }
    }
}

void CurveDisplayMouse::MouseMove(TObject *Sender, int X, int Y)
{
    auto *display = dynamic_cast<LMyFFTDrawHpLp6dB *>(Sender);
    if (!display || TPoint(X, Y) == lastMovePoint)
        return;
    lastMovePoint = TPoint(X, Y);
    const int ch = display->Tag();
    const std::vector<int> candidates = Candidates(display);
    if (!HasPlotArea(display) || candidates.empty() || !host.FindControl(PageNames::SideName("peqPeq", ch)))
        return;
    const int grabbed = host.Curves().dragBlock;
    if (grabbed == -1) {
        const double scale = Screen->PixelsPerInch() == 96 ? 1.5 : 1.0;
        display->SetCursor(crDefault);
        for (int i : candidates)
            if (Hit(display, i, X, Y, scale)) {
                display->SetCursor(crCross);
                break;
            }
        return;
    }
    // The handle goes where the pointer is less the grab's offset, through the
    // display's own mapping, so that it is drawn that far from the pointer.
    // The gain goes in 0.1 dB steps toward zero; a level a rounding error
    // short of a step counts as the step.
    int freqIndex = grab.pressFreqIndex;
    if (X != grab.press.X) {
        const double f = IndexToFreq(FreqToIndex(GridFrequencyAt(display->PlotX(X - grab.offset.X))));
        freqIndex = FreqToIndex(f < 19.6 ? kLowestHz : std::min(f, kHighestHz));
    }
    int gainIndex = grab.pressGainIndex;
    if (grabbed < Plot::kHighPassSlot && Y != grab.press.Y) {
        const double level = std::clamp(display->PlotY(Y - grab.offset.Y), -kGainLimitDb, kGainLimitDb);
        gainIndex = GainToIndex(std::trunc(level * 10 + std::copysign(1e-9, level)) * 0.1);
    }
    if (freqIndex == grab.sentFreqIndex && gainIndex == grab.sentGainIndex)
        return;
    grab.sentFreqIndex = freqIndex;
    grab.sentGainIndex = gainIndex;
    if (grabbed < Plot::kHighPassSlot)
        DragBand(ch, grabbed, IndexToFreq(freqIndex), IndexToGain(gainIndex));
    else
        DragFilter(ch, grabbed == Plot::kHighPassSlot, IndexToFreq(freqIndex));
}

// The values at the press are the device's own, so that a pointer back where
// it pressed gives them back whatever the pixels round to.
void CurveDisplayMouse::StartGrab(LMyFFTDrawHpLp6dB *Display, int Handle, int X, int Y)
{
    const TRect plot = PlotRect(Display);
    const TPoint centre = Display->GetBlockPos(Handle);
    grab.channel = Display->Tag();
    grab.press = TPoint(X, Y);
    grab.offset = TPoint(X - (plot.Left + centre.X), Y - (plot.Top + centre.Y));
    const int ch = grab.channel;
    const LUnitControl &model = host.Model();
    if (Handle < Plot::kHighPassSlot) {
        const PeqBand band = model.GetPeqBand(ch, Handle);
        grab.pressFreqIndex = band.freqIndex;
        grab.pressGainIndex = band.gainIndex;
    } else {
        const CrossoverRecord x = model.GetCrossover(ch);
        grab.pressFreqIndex = Handle == Plot::kHighPassSlot ? x.hpfFreq : x.lpfFreq;
        grab.pressGainIndex = 0;
    }
    grab.sentFreqIndex = grab.pressFreqIndex;
    grab.sentGainIndex = grab.pressGainIndex;
}

void CurveDisplayMouse::DragBand(int Channel, int Band, double FreqHz, double GainDb)
{
    auto *table = As<TMyPEQType8>(host.FindControl(PageNames::SideName("peqPeq", Channel)));
    auto *button = As<TSkBmpButton>(
        host.FindControl(PageNames::SideName(QString("skbEq%1").arg(Band + 1).toLatin1().constData(), Channel)));
    if (!table || !button || !host.FindControl(PageNames::SideName("lbFftParam", Channel)))
        return;
    const double q = table->GetQValue(Band);
    const int type = table->GetTypeValue(Band);
    table->SetFreqValue(Band, FreqHz); // the commit ignores both: a handle is grabbed
    table->SetGainValue(Band, GainDb);
    button->SetDown(true);
    const bool bypass = table->GetBypassValue(Band);
    PendingCurveEdit &p = host.Curves().pending;
    p.channel = Channel;
    p.freqHz = float(FreqHz);
    p.gainDb = GainDb;
    p.qValue = float(q);
    p.bandType = type;
    p.band = Band;
    p.bypass = bypass;
    tmMouseEqCurve->SetEnabled(true);
    PeqBand value;
    value.freqIndex = uint16_t(std::clamp(FreqToIndex(FreqHz), 0, kFreqIndexMax));
    value.gainIndex = uint16_t(std::clamp(GainToIndex(GainDb), 0, 240));
    value.qIndex = uint8_t(std::clamp(QToIndex(q), 0, kQIndexMax));
    value.type = uint8_t(type);
    table->SetNowIndex(Band);
    host.Model().SetPeqBand(Channel, Band, value, bypass);
}

// The high-pass is the "LowCut" family of the crossover page, the low-pass
// the "HighCut" family.
void CurveDisplayMouse::DragFilter(int Channel, bool HighPass, double FreqHz)
{
    auto find = [&](const char *hp, const char *lp) { return host.FindControl(PageNames::SideName(HighPass ? hp : lp, Channel)); };
    auto *box = As<TRoundedEdit>(find("cvdLowCutFreq", "cvdHighCutFreq"));
    auto *bypass = As<TSkBmpButton>(find("skbLowCutBypass", "skbHighCutBypass"));
    auto *combo = As<TCustomComboBox>(find("skcLowCutSlop", "skcHighCutSlop"));
    auto *slider = As<TSmTrackBar>(find("isLowCutFreq", "isHighCutFreq"));
    if (!box || !bypass || !combo || !slider)
        return;
    if (HighPass)
        box->SetText(SliderFreqText(FreqHz));
    // The slider's handler writes the model, sends once and schedules the
    // curve. A slider already there (a link member's page shows its values
    // only after a refresh) raises nothing: the value goes out from here.
    const int index = FreqToIndex(FreqHz);
    const bool sliderMoves = slider->Position() != index;
    slider->SetPosition(index);
    if (!sliderMoves) {
        PendingCurveEdit p = host.Curves().pending;
        p.channel = Channel;
        p.freqHz = float(FreqHz);
        p.crossoverType = bypass->Down() ? 0 : combo->ItemIndex() + 1;
        p.kind = HighPass ? 1 : 0;
        host.Curves().ScheduleHpLpCurve(p);
        LUnitControl &model = host.Model();
        CrossoverRecord x = model.GetCrossover(Channel);
        if (HighPass) {
            x.hpfFreq = uint16_t(index);
            model.SetHighPass(Channel, x);
        } else {
            x.lpfFreq = uint16_t(index);
            model.SetLowPass(Channel, x);
        }
    }
    auto *table = As<TMyPEQType8>(host.FindControl(PageNames::SideName("peqPeq", Channel)));
    const int selected = table ? table->GetNowIndex() : 15;
    if (table && selected != 15) {
        auto *button = As<TSkBmpButton>(
            host.FindControl(PageNames::SideName(QString("skbEq%1").arg(selected + 1).toLatin1().constData(), Channel)));
        if (!button)
            return;
        table->SetNowIndex(-1);
        button->SetDown(false);
    }
    box->Font()->SetColor(clGreen);
}

void CurveDisplayMouse::MouseUp(TObject *) { EndGrab(); }

void CurveDisplayMouse::EndGrab()
{
    // The grab ends whatever the page holds, so that the band table commits again.
    host.Curves().dragBlock = -1;
    if (grab.channel < 0)
        return;
    for (const char *prefix : {"cvdLowCutFreq", "cvdHighCutFreq"})
        if (auto *box = As<TRoundedEdit>(host.FindControl(PageNames::SideName(prefix, grab.channel))))
            box->Font()->SetColor(clBlack);
}

void CurveDisplayMouse::MouseEqCurveTick()
{
    tmMouseEqCurve->SetEnabled(false);
    const PendingCurveEdit p = host.Curves().pending;
    page.ShowPeqBandValues(p.channel, true, p.freqHz, p.gainDb, p.qValue);
    page.FocusPeqFreqEdit(p.channel);
    Plot &plot = host.Curves().PlotOf(p.channel);
    SetPeqSlot(plot, p.band, {p.freqHz, p.gainDb, p.qValue, p.bandType, p.bypass != 0});
    plot.DrawBlock(p.band, float(p.gainDb), 1);
    plot.DrawFilled(p.bandType, p.band, float(p.gainDb), p.qValue, true);
    plot.DrawSum(p.channel);
    if (TControl *label = host.FindControl(PageNames::SideName("lbFftParam", p.channel)))
        label->SetVisible(true);
    host.Curves().UpdateCurvePage(p.channel);
}
