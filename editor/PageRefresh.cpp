#include "PageRefresh.h"

#include "CurveBuilder.h"
#include "LMyFFTDrawHpLp6dB.h"
#include "LUnitControl.h"
#include "LdPowerButton.h"
#include "MyPEQType8.h"
#include "PageHost.h"
#include "RoundedControls.h"
#include "SharedConstants.h"
#include "SkBmpButton.h"
#include "SkComboBox.h"
#include "SmTrackBar.h"
#include "UpDown.h"
#include "gXYPlot.h"
#include "DynamicsText.h"
#include "PageNames.h"
#include "TransferCurves.h"
#include "ValueTexts.h"

#include <algorithm>
#include <cmath>

namespace PageRefresh {
namespace {

using Texts = QString (*)(int);
using Word = int (*)(const LUnitControl &, int);

// A value shown by a slider or spinner and its value box: position = word + offset.
struct ValueRow {
    const char *control;
    const char *box;
    Word word;
    int offset;
    Texts text;
};

const ValueRow kGateRows[] = {
    {"isGateThresholdIn", "cvdGateThresholdIn", [](const LUnitControl &m, int c) { return int(m.GetGate(c)[3]); }, -180, ThresholdText},
    {"isGateAttackIn", "cvdGateAttackIn", [](const LUnitControl &m, int c) { return int(m.GetGate(c)[0]); }, 0, MsText},
    {"isGateReleaseIn", "cvdGateReleaseIn", [](const LUnitControl &m, int c) { return int(m.GetGate(c)[1]); }, 0, MsText},
    {"isGateHoldIn", "cvdGateHoldIn", [](const LUnitControl &m, int c) { return int(m.GetGate(c)[2]); }, 0, MsText},
};

const ValueRow kCompRows[] = {
    {"isCompThresholdOut", "cvdCompThresholdOut", [](const LUnitControl &m, int c) { return int(m.GetComp(c)[4]); }, -180, ThresholdText},
    {"udCompRatioOut", "cvdCompRatioOut", [](const LUnitControl &m, int c) { return int(m.GetComp(c)[0]); }, 0, RatioText},
    {"isCompAttackOut", "cvdCompAttackOut", [](const LUnitControl &m, int c) { return int(m.GetComp(c)[1]); }, 0, PaddedMsText},
    {"isCompReleaseOut", "cvdCompReleaseOut", [](const LUnitControl &m, int c) { return int(m.GetComp(c)[2]); }, 0, PaddedMsText},
    {"udCompKneeOut", "cvdCompKneeOut", [](const LUnitControl &m, int c) { return int(m.GetComp(c)[3]); }, 0, KneeText},
};

const ValueRow kLimitRows[] = {
    {"isLimitThresholdOut", "cvdLimitThresholdOut", [](const LUnitControl &m, int c) { return int(m.GetLimit(c)[3]); }, -180, ThresholdText},
    {"isLimitAttackOut", "cvdLimitAttackOut", [](const LUnitControl &m, int c) { return int(m.GetLimit(c)[0]); }, 0, PaddedMsText},
    {"isLimitReleaseOut", "cvdLimitReleaseOut", [](const LUnitControl &m, int c) { return int(m.GetLimit(c)[1]); }, 0, PaddedMsText},
    {"udLimitKneeOut", "cvdLimitKneeOut", [](const LUnitControl &m, int c) { return int(m.GetLimit(c)[2]); }, 0, KneeText},
};

const TColor kBypassTextColour = TColorFromBits(0xFF00000Fu);

class ChannelFill {
public:
    ChannelFill(PageHost &Host, int Channel)
        : host(Host), model(Host.Model()), ch(Channel), side(Channel < 4 ? "In" : "Out"), sx(PageNames::Suffix(Channel))
    {
    }

    TControl *Find(const QString &Prefix) const { return host.FindControl(Prefix + sx); }
    TControl *Find(const char *Prefix) const { return Find(QString::fromLatin1(Prefix)); }
    // Prefix + "In"/"Out" + suffix.
    TControl *FindSided(const char *Prefix) const { return Find(QString::fromLatin1(Prefix) + side); }

    void Values(const ValueRow *Rows, size_t Count)
    {
        for (size_t i = 0; i < Count; ++i) {
            const ValueRow &r = Rows[i];
            const int p = SetPosition(Find(r.control), r.word(model, ch) + r.offset);
            SetText(Find(r.box), r.text(p));
        }
    }

    void Name()
    {
        const QString name = ValueTexts::Name(model.GetChannelName(ch), 8);
        SetText(FindSided("lbMatrixChName"), name);
        if (TControl *menu = FindSided("skbMenu"))
            menu->SetHint(name);
    }

    void Peq(int Bands)
    {
        auto *table = dynamic_cast<TMyPEQType8 *>(FindSided("PeqPeq"));
        if (!table)
            return;
        table->SetNowIndex(0);
        for (int n = 0; n < Bands; ++n) {
            const PeqBand b = model.GetPeqBand(ch, n);
            const float hz = float(1000.0 * std::pow(FreqStep, int(b.freqIndex) - 170));
            // A type the table does not offer (from a file or the device) is
            // shown as a bypassed peak, as its curve is drawn flat.
            const bool known = IsKnownPeqType(b.type);
            table->SetEqParamValue(n, hz, std::min<int>(b.qIndex, 100), (int(b.gainIndex) - 120) * 0.1,
                                   known ? b.type : 0, !known || model.IsPeqBandBypassed(ch, n));
        }
    }

    void Crossover()
    {
        const CrossoverRecord x = model.GetCrossover(ch);
        Filter("isLowCutFreq", "cvdLowCutFreq", "skcLowCutSlop", "skbLowCutBypass", x.hpfFreq, x.hpfType);
        Filter("isHighCutFreq", "cvdHighCutFreq", "skcHighCutSlop", "skbHighCutBypass", x.lpfFreq, x.lpfType);
    }

    void Gain()
    {
        const int p = SetPosition(FindSided("isGain"), int(model.GetGain(ch)) - 280);
        SetPosition(FindSided("isGainBackup"), p);
        const QString text = MixText(p);
        SetText(FindSided("cvdGain"), text);
        SetText(FindSided("cvdGainBackup"), text);
    }

    void Polarity()
    {
        const bool down = model.GetPolarity(ch) != 0;
        const QString caption = host.TranslateQ(down ? "SID_PHASE_ON" : "SID_PHASE_OFF");
        for (const char *prefix : {"skbPhase", "skbPhaseBackup"})
            if (TControl *b = FindSided(prefix)) {
                SetDown(b, down);
                b->SetCaption(caption);
            }
    }

    void Mute()
    {
        const bool muted = model.IsMuted(ch);
        SetDown(FindSided("skbMute"), muted);
        SetDown(FindSided("skbMuteBackup"), muted);
    }

    void BypassText(const char *Plot, bool Bypassed, bool Repaint)
    {
        auto *plot = dynamic_cast<LMyFFTDrawHpLp6dB *>(FindSided(Plot));
        if (!plot)
            return;
        plot->DrawTextA(plot->Width() / 3, plot->Height() / 4, 60, kBypassTextColour, "Times New Roman",
                        Bypassed ? "BYPASS" : "");
        if (Repaint)
            plot->Invalidate();
    }

    PageHost &host;
    LUnitControl &model;
    const int ch;
    const QString side, sx;

private:
    void Filter(const char *Slider, const char *Box, const char *Slope, const char *Bypass, int Freq, int Type)
    {
        const int p = SetPosition(FindSided(Slider), Freq);
        SetText(FindSided(Box), ValueTexts::Frequency(p));
        // Bypass, and a slope the list does not know (drawn flat), show the
        // button down; the list keeps its item.
        if (Type == 0 || !IsKnownSlopeType(Type)) {
            SetDown(FindSided(Bypass), true);
            return;
        }
        if (auto *list = dynamic_cast<TCustomComboBox *>(FindSided(Slope)))
            list->SetItemIndex(Type - 1);
        SetDown(FindSided(Bypass), false);
    }
};

// The gate plot shows input A's curve; lbHeadGateIn and the plot's channel
// choice stay as they are.
void DrawGateOfInputA(PageHost &Host)
{
    auto *plot = dynamic_cast<TgXYPlot *>(Host.FindControl("ipGate"));
    auto *threshold = dynamic_cast<TCustomTrackBar *>(Host.FindControl("isGateThresholdInA"));
    if (!plot || !threshold)
        return;
    ShowTransferCurve(*plot, GateCurve(threshold->Position()));
    if (TControl *name = Host.FindControl("lbGateName"))
        name->SetCaption("In A  " + Host.TranslateQ("SID_GATE"));
}

} // namespace

int SetPosition(TControl *Control, int Value)
{
    if (auto *track = dynamic_cast<TCustomTrackBar *>(Control)) {
        track->SetPosition(Value);
        return track->Position();
    }
    if (auto *spin = dynamic_cast<TUpDown *>(Control)) {
        spin->SetPosition(Value);
        return spin->Position();
    }
    return Value;
}

void SetText(TControl *Control, const QString &Text)
{
    if (auto *edit = dynamic_cast<TRoundedEdit *>(Control))
        edit->SetText(Text);
    else if (Control)
        Control->SetCaption(Text);
}

void SetDown(TControl *Control, bool Down)
{
    if (auto *button = dynamic_cast<TSkBmpButton *>(Control))
        button->SetDown(Down);
    else if (auto *toggle = dynamic_cast<TLdPowerButton *>(Control))
        toggle->SetActive(Down);
}

void Input(PageHost &Host, int Channel, bool BuildingPages)
{
    ChannelFill f(Host, Channel);
    f.Name();
    for (int b = 1; b <= 31; ++b) {
        const QString band = QString("%1In%2").arg(b, 2, 10, QChar('0')).arg(f.sx);
        const int p = SetPosition(Host.FindControl("isGeqCh" + band), f.model.GetGeqBand(Channel, b - 1));
        SetText(Host.FindControl("lbGeqGainCh" + band), ValueTexts::Geq(p));
    }
    f.Peq(8);
    f.Values(kGateRows, std::size(kGateRows));
    if (Channel == 0 && !BuildingPages)
        DrawGateOfInputA(Host);
    f.Crossover();
    f.Gain();
    f.Polarity();
    f.Mute();
    f.BypassText("fftDraw", f.model.GetEqBypassMask(Channel) >> Channel & 1, false);
    f.BypassText("fftDrawGeq", f.model.GetGeqBypassMask() >> Channel & 1, true);
}

void Output(PageHost &Host, int Channel)
{
    ChannelFill f(Host, Channel);
    f.Name();
    const int routes = f.model.GetRouteMask(Channel);
    for (int i = 0; i < 4; ++i) {
        const QString input(QChar('A' + i));
        SetDown(Host.FindControl("skb" + input + "MatrixOut" + f.sx), routes >> i & 1);
        const int p = SetPosition(Host.FindControl("udMixGain" + input + "Out" + f.sx),
                                  int(f.model.GetMixLevel(Channel, i)) - 280);
        SetText(Host.FindControl("cvd" + input + "MatrixOut" + f.sx), MixText(p));
    }
    f.Crossover();
    f.Peq(9);
    f.Values(kCompRows, std::size(kCompRows));
    f.Values(kLimitRows, std::size(kLimitRows));
    f.Gain();
    f.Polarity();
    f.Mute();
    f.BypassText("fftDraw", f.model.GetEqBypassMask(Channel) >> (Channel - 4) & 1, false);
}

} // namespace PageRefresh
