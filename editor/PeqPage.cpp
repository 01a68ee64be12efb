#include "PeqPage.h"

#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "ControlTable.h"
#include "CurveBuilder.h"
#include "CurveDisplayMouse.h"
#include "EditorCurves.h"
#include "LMyFFTDrawHpLp6dB.h"
#include "LUnitControl.h"
#include "LdDemoButton.h"
#include "LdPowerButton.h"
#include "MyPEQType8.h"
#include "PageHost.h"
#include "PageNames.h"
#include "RadioButton.h"
#include "RoundedControls.h"
#include "SharedConstants.h"
#include "SkBmpButton.h"
#include "SkGroupBox.h"
#include "SmTrackBar.h"
#include "Timer.h"
#include "ValueScales.h"

#include <algorithm>

namespace {

using namespace ControlTable;

constexpr uint8_t kCmdEqBypass = 60;
constexpr int kNoBand = 15; // the selection after ClearPeqBandSelection
constexpr int kShelfQMaxPosition = 35; // Q 3.0
constexpr int kShelfQPosition = 10;    // Q 0.71

// The band count comes first: the table makes its rows when it is first
// laid out, and a table laid out with the default count would make rows
// that are never shown.
template <int Bands>
TControl *MakePeqTable(TComponent *Owner)
{
    auto *t = new TMyPEQType8(Owner);
    t->SetChannelNumber(Bands);
    t->SetTitleVisable(true);
    t->SetBypassBackColor(clSilver);
    return t;
}

TControl *MakeSlider(TComponent *Owner)
{
    auto *s = new TSmTrackBar(Owner);
    s->SetOrientation(trVertical);
    return s;
}

TControl *MakeRadio(TComponent *Owner) { return new TRadioButton(Owner); }
// The display's key help fits beside the overlay toggles.
TControl *MakeKeyHelp(TComponent *Owner)
{
    TControl *l = MakeLabel(Owner);
    l->Font()->SetSize(7);
    return l;
}

// The display's top row: magnitude/phase, key help, overlay toggles and the
// EQ buttons; the parameter area: band table, band buttons, sliders, boxes.
const Family kFamilies[] = {
    {"rbShowGainIn", MakeRadio, Each::Input, "skgFftIn", 21, 3, 52, 19, 0, ""},
    {"rbShowGainOut", MakeRadio, Each::Output, "skgFftOut", 21, 3, 52, 19, 0, ""},
    {"rbShowPhaseIn", MakeRadio, Each::Input, "skgFftIn", 76, 3, 62, 19, 0, ""},
    {"rbShowPhaseOut", MakeRadio, Each::Output, "skgFftOut", 76, 3, 62, 19, 0, ""},
    {"lbFftParamIn", MakeKeyHelp, Each::Input, "skgFftIn", 142, 5, 310, 16, 0, ""},
    {"lbFftParamOut", MakeKeyHelp, Each::Output, "skgFftOut", 142, 5, 276, 16, 0, ""},
    {"skgFftShowChIn", MakeGroupBox, Each::Input, "skgFftIn", 460, 1, 160, 22, 0, ""},
    {"skgFftShowChOut", MakeGroupBox, Each::Output, "skgFftOut", 420, 1, 352, 22, 0, ""},
    {"ldbEqBypassIn", MakeDisplayButton, Each::Input, "skgFftIn", 776, 3, 65, 17, 0, ""},
    {"ldbEqBypassOut", MakeDisplayButton, Each::Output, "skgFftOut", 776, 3, 65, 17, 0, ""},
    {"ldbEqResetIn", MakeDisplayButton, Each::Input, "skgFftIn", 857, 3, 65, 17, 0, ""},
    {"ldbEqResetOut", MakeDisplayButton, Each::Output, "skgFftOut", 857, 3, 65, 17, 0, ""},
    {"ldbEqShowAllIn", MakeDisplayToggle, Each::Input, "skgFftIn", 934, 3, 100, 16, 0, ""},
    {"ldbEqShowAllOut", MakeDisplayToggle, Each::Output, "skgFftOut", 934, 3, 100, 16, 0, ""},
    // "Parameter" heads the band table; the table (a window of its own, which
    // would hide a label on it) starts below.
    {"lbEqParamIn", MakeLabel, Each::Input, "skgParamIn", 12, 6, 200, 16, 0, ""},
    {"lbEqParamOut", MakeLabel, Each::Output, "skgParamOut", 12, 6, 200, 16, 0, ""},
    {"peqPeqIn", MakePeqTable<kInputPeqBands>, Each::Input, "skgParamIn", 8, 24, 520, 256, 0, ""},
    {"peqPeqOut", MakePeqTable<kOutputPeqBands>, Each::Output, "skgParamOut", 8, 24, 520, 256, 0, ""},
    {"lbEqIn", MakeLabel, Each::Input, "skgParamIn", 548, 8, 220, 16, 0, ""},
    {"lbEqOut", MakeLabel, Each::Output, "skgParamOut", 548, 8, 220, 16, 0, ""},
    {"lbEqFreqIn", MakeLabel, Each::Input, "skgParamIn", 548, 56, 64, 16, 0, ""},
    {"lbEqFreqOut", MakeLabel, Each::Output, "skgParamOut", 548, 56, 64, 16, 0, ""},
    {"lbEqBwIn", MakeLabel, Each::Input, "skgParamIn", 618, 56, 64, 16, 0, ""},
    {"lbEqBwOut", MakeLabel, Each::Output, "skgParamOut", 618, 56, 64, 16, 0, ""},
    {"lbEqGainIn", MakeLabel, Each::Input, "skgParamIn", 688, 56, 64, 16, 0, ""},
    {"lbEqGainOut", MakeLabel, Each::Output, "skgParamOut", 688, 56, 64, 16, 0, ""},
    {"isEqFreqIn", MakeSlider, Each::Input, "skgParamIn", 560, 74, 40, 168, 0, ""},
    {"isEqFreqOut", MakeSlider, Each::Output, "skgParamOut", 560, 74, 40, 168, 0, ""},
    {"isEqBwIn", MakeSlider, Each::Input, "skgParamIn", 630, 74, 40, 168, 0, ""},
    {"isEqBwOut", MakeSlider, Each::Output, "skgParamOut", 630, 74, 40, 168, 0, ""},
    {"isEqGainIn", MakeSlider, Each::Input, "skgParamIn", 700, 74, 40, 168, 0, ""},
    {"isEqGainOut", MakeSlider, Each::Output, "skgParamOut", 700, 74, 40, 168, 0, ""},
    {"cvdEqFreqIn", MakeReadOnlyBox, Each::Input, "skgParamIn", 546, 248, 68, 24, 0, ""},
    {"cvdEqFreqOut", MakeReadOnlyBox, Each::Output, "skgParamOut", 546, 248, 68, 24, 0, ""},
    {"cvdEqBwIn", MakeReadOnlyBox, Each::Input, "skgParamIn", 616, 248, 68, 24, 0, ""},
    {"cvdEqBwOut", MakeReadOnlyBox, Each::Output, "skgParamOut", 616, 248, 68, 24, 0, ""},
    {"cvdEqGainIn", MakeReadOnlyBox, Each::Input, "skgParamIn", 686, 248, 68, 24, 0, ""},
    {"cvdEqGainOut", MakeReadOnlyBox, Each::Output, "skgParamOut", 686, 248, 68, 24, 0, ""},
};

const Rule kHorizontal[] = {
    {"skgFftShowChIn", Each::Input, Edge::Left, [](int d, int) { return d / 2 + 460; }},
    {"skgFftShowChOut", Each::Output, Edge::Left, [](int d, int) { return d / 2 + 420; }},
    {"ldbEqBypassIn", Each::Input, Edge::Left, [](int d, int) { return d + 776; }},
    {"ldbEqBypassOut", Each::Output, Edge::Left, [](int d, int) { return d + 776; }},
    {"ldbEqResetIn", Each::Input, Edge::Left, [](int d, int) { return d + 857; }},
    {"ldbEqResetOut", Each::Output, Edge::Left, [](int d, int) { return d + 857; }},
    {"ldbEqShowAllIn", Each::Input, Edge::Left, [](int d, int) { return d + 934; }},
    {"ldbEqShowAllOut", Each::Output, Edge::Left, [](int d, int) { return d + 934; }},
};

int Bands(int ch) { return ch < 4 ? kInputPeqBands : kOutputPeqBands; }

// Peak and the all-passes keep their Q; shelves and filters hold Q at 3.0.
bool FreeQType(int type) { return type == 0 || type == 7 || type == 8; }

template <typename T> T *As(TControl *c) { return dynamic_cast<T *>(c); }

} // namespace

PeqPage::PeqPage(PageHost &Host) : EditorPage(Host), mouse(std::make_unique<CurveDisplayMouse>(Host, *this)) {}

PeqPage::~PeqPage() = default;

void PeqPage::Build(TWinControl *Client)
{
    ControlTable::Build(host, Client, kFamilies);
    tmEqCurve = new TTimer(host.ControlOwner());
    tmEqCurve->SetEnabled(false);
    tmEqCurve->SetInterval(1);
    tmEqCurve->OnTimer = [this](TObject *) { EqCurveTick(); };
    for (int ch = 0; ch < 12; ++ch) {
        auto *table = Table(ch);
        table->OnChange = [this](TObject *S) { TableChange(S); };
        table->OnEditMouseDown = [this](TObject *S, TMouseButton, TShiftState, int, int) { TableEditMouseDown(S); };
        // The wheel never changes a band type.
        table->OnPeqTypeMouseWheel = [](TObject *, TShiftState, int, TPoint, bool &Handled) { Handled = true; };
        auto slider = [&](const char *prefix, int max, int page, int position, void (PeqPage::*handler)(TObject *)) {
            auto *s = As<TSmTrackBar>(Find(prefix, ch));
            s->SetMax(max);
            s->SetPageSize(page);
            s->SetPosition(position);
            s->OnChange = [this, handler](TObject *S) { (this->*handler)(S); };
        };
        slider("isEqFreq", kFreqIndexMax, 15, 0, &PeqPage::FreqSliderChange);
        slider("isEqBw", kQIndexMax, 5, 0, &PeqPage::BwSliderChange);
        slider("isEqGain", 240, 3, 120, &PeqPage::GainSliderChange);
        As<TRoundedEdit>(Find("cvdEqFreq", ch))->OnKeyDown = [this, ch](TObject *, Word &Key, TShiftState) {
            FreqBoxKeyDown(ch, Key);
        };
        As<TLdDemoButton>(Find("ldbEqBypass", ch))->OnClick = [this](TObject *S) { BypassClick(S); };
        As<TLdDemoButton>(Find("ldbEqReset", ch))->OnClick = [this](TObject *S) { ResetClick(S); };
        auto *showAll = As<TLdPowerButton>(Find("ldbEqShowAll", ch));
        showAll->OnClick = [this](TObject *S) { ShowAllClick(S); };
        const RgbColour &colour = ChannelColours[ch];
        showAll->Font()->SetColor(RGB(colour.r, colour.g, colour.b));
        auto *mag = As<TRadioButton>(Find("rbShowGain", ch));
        auto *phase = As<TRadioButton>(Find("rbShowPhase", ch));
        mag->SetChecked(true);
        mag->OnClick = [this, ch](TObject *) { host.Curves().ShowPhase(ch, false); };
        phase->OnClick = [this, ch](TObject *) { host.Curves().ShowPhase(ch, true); };
        BuildDisplayControls(ch);
    }
    mouse->Attach();
}

// Band buttons (Tag band, GroupIndex channel + 1) and the overlay toggles
// (Tag the channel they show), whose names carry two numbers.
void PeqPage::BuildDisplayControls(int ch)
{
    auto *param = As<TWinControl>(Find("skgParam", ch));
    for (int b = 0; b < Bands(ch); ++b) {
        auto *button = new TSkBmpButton(host.ControlOwner());
        button->SetName(PageNames::SideName(QString("skbEq%1").arg(b + 1).toLatin1().constData(), ch));
        button->SetParent(param);
        button->SetBounds(548 + 24 * b, 28, 22, 22);
        button->SetCaption(QString::number(b + 1));
        button->SetTag(b);
        button->SetGroupIndex(ch + 1);
        button->OnClick = [this](TObject *S) { BandButtonClick(S); };
        host.RegisterControl(button);
    }
    auto *group = As<TWinControl>(Find("skgFftShowCh", ch));
    const int first = ch < 4 ? 0 : 4, last = ch < 4 ? 3 : 11;
    int x = 4;
    for (int n = first; n <= last; ++n) {
        if (n == ch)
            continue;
        host.Curves().MakeOverlayToggle(ch, n, group, x);
        x += 50;
    }
}

bool PeqPage::Stretch(int dw, int, bool, bool Horizontal) { return !Horizontal || Apply(host, kHorizontal, dw); }

void PeqPage::ApplyLanguage()
{
    for (int ch = 0; ch < 12; ++ch) {
        auto caption = [&](const char *prefix, const char *sid) {
            if (TControl *c = Find(prefix, ch))
                c->SetCaption(host.TranslateQ(sid));
        };
        caption("lbFftParam", "SID_PARAM_KEY");
        caption("lbEq", "SID_EQ_PARAM_TITLE");
        caption("lbEqParam", "SID_EQ_PARAM");
        caption("lbEqFreq", "SID_EQ_FREQ");
        caption("lbEqBw", "SID_EQ_BW");
        caption("lbEqGain", "SID_EQ_GAIN");
        caption("ldbEqBypass", "SID_BYPASS_EQ");
        caption("ldbEqReset", "SID_RESET_EQ");
        caption("ldbEqShowAll", "SID_SHOW_ALL_EQ");
        if (TControl *c = Find("rbShowGain", ch))
            c->SetCaption(QStringLiteral("Mag"));
        if (TControl *c = Find("rbShowPhase", ch))
            c->SetCaption(QStringLiteral("Phase"));
        if (TMyPEQType8 *t = Table(ch)) {
            for (int i = 0; i <= 8; ++i)
                t->SetEqTypeString(host.TranslateQ(QString("SID_EQ_TYPE%1").arg(i).toLatin1().constData()), i);
            t->SetBypassString(host.TranslateQ("SID_EQ_BYPASS"));
            t->ChangeLanguage();
        }
    }
}

bool PeqPage::Updating() const { return host.IsUpdatingControls() || showingValues; }

TControl *PeqPage::Find(const char *Prefix, int Channel) const
{
    return host.FindControl(PageNames::SideName(Prefix, Channel));
}

TMyPEQType8 *PeqPage::Table(int Channel) const { return As<TMyPEQType8>(Find("peqPeq", Channel)); }

TControl *PeqPage::BandButton(int Channel, int Band) const
{
    if (Band < 0 || Band >= Bands(Channel))
        return nullptr;
    return Find(QString("skbEq%1").arg(Band + 1).toLatin1().constData(), Channel);
}

void PeqPage::InvalidateCurve(int Channel) { host.Curves().InvalidateCurve(Channel); }

void PeqPage::RefreshCurves()
{
    for (int c = 0; c < 12; ++c)
        host.Curves().BuildPeqCurve(c);
    SelectFirstPeqBands();
}

void PeqPage::ShowPeqBandValues(int Channel, bool Enabled, double FreqHz, double GainDb, double Q)
{
    if (Updating())
        return;
    auto *freq = As<TSmTrackBar>(Find("isEqFreq", Channel));
    auto *bw = As<TSmTrackBar>(Find("isEqBw", Channel));
    auto *gain = As<TSmTrackBar>(Find("isEqGain", Channel));
    auto *freqBox = As<TRoundedEdit>(Find("cvdEqFreq", Channel));
    auto *bwBox = As<TRoundedEdit>(Find("cvdEqBw", Channel));
    auto *gainBox = As<TRoundedEdit>(Find("cvdEqGain", Channel));
    if (!freq || !bw || !gain || !freqBox || !bwBox || !gainBox)
        return;
    showingValues = true;
    freq->SetPosition(FreqToIndex(FreqHz));
    gain->SetPosition(GainToIndex(GainDb));
    bw->SetPosition(QToIndex(Q));
    freq->SetEnabled(Enabled);
    bw->SetEnabled(Enabled);
    gain->SetEnabled(Enabled);
    freqBox->SetText(SliderFreqText(FreqHz));
    gainBox->SetText(SliderGainText(gain->Position()));
    bwBox->SetText(SliderQText(bw->Position()));
    showingValues = false;
}

void PeqPage::FocusPeqFreqEdit(int Channel)
{
    // A page that is not shown cannot take the focus.
    auto *box = As<TRoundedEdit>(Find("cvdEqFreq", Channel));
    if (box && box->Edit()->CanFocus())
        box->SetFocus();
}

bool PeqPage::SelectBand(int Channel, int Band)
{
    TMyPEQType8 *table = Table(Channel);
    TControl *label = Find("lbFftParam", Channel);
    if (!table || !BandButton(Channel, Band) || !label)
        return false;
    const double f = table->GetFreqValue(Band), g = table->GetGainValue(Band), q = table->GetQValue(Band);
    const int type = table->GetTypeValue(Band);
    table->SetNowIndex(Band);
    ShowPeqBandValues(Channel, true, f, g, q);
    Plot &plot = host.Curves().PlotOf(Channel);
    plot.DrawBlock(Band, float(g), 1);
    plot.DrawFilled(type, Band, float(g), float(q), true);
    plot.DrawSum(Channel);
    host.Curves().UpdateCurvePage(Channel);
    label->SetVisible(true);
    return true;
}

void PeqPage::BandButtonClick(TObject *Sender)
{
    auto *button = dynamic_cast<TSkBmpButton *>(Sender);
    if (!button)
        return;
    const int ch = button->GroupIndex() - 1;
    if (ch < 0 || ch > 11)
        return;
    if (SelectBand(ch, button->Tag()))
        FocusPeqFreqEdit(ch);
}

void PeqPage::TableEditMouseDown(TObject *Sender)
{
    auto *table = dynamic_cast<TMyPEQType8 *>(Sender);
    if (!table)
        return;
    const int ch = table->Tag(), band = table->GetNowIndex();
    auto *button = As<TSkBmpButton>(BandButton(ch, band));
    if (!button)
        return;
    button->SetDown(true);
    SelectBand(ch, band);
}

void PeqPage::TableChange(TObject *Sender)
{
    EditorCurves &curves = host.Curves();
    if (curves.dragBlock != -1)
        return;
    auto *table = dynamic_cast<TMyPEQType8 *>(Sender);
    if (!table)
        return;
    const int ch = table->Tag(), band = table->GetNowIndex();
    auto *button = As<TSkBmpButton>(BandButton(ch, band));
    if (!curves.Display(ch) || !button || !Find("lbFftParam", ch))
        return;
    const double f = table->GetFreqValue(band), g = table->GetGainValue(band);
    double q = table->GetQValue(band);
    const int type = table->GetTypeValue(band);
    const bool bypass = table->GetBypassValue(band);

    // A type change resets Q (the default band's for peak and all-passes,
    // 0.71 for the others); shelves and filters keep Q at 3.0 or below. The
    // corrected Q commits once inside this commit.
    const int modelType = host.Model().GetPeqBand(ch, band).type;
    int qPosition = table->QPosition(band);
    if (type != modelType)
        qPosition = FreeQType(type) ? LUnitControl::GetDefaultPeqBand(ch, band).qIndex : kShelfQPosition;
    else if (!FreeQType(type) && q > 3.0)
        qPosition = kShelfQMaxPosition;
    if (qPosition != table->QPosition(band)) {
        table->SetQValue(band, qPosition);
        q = table->GetQValue(band);
    }

    PeqBand value;
    value.freqIndex = uint16_t(std::clamp(FreqToIndex(f), 0, kFreqIndexMax));
    value.gainIndex = uint16_t(std::clamp(GainToIndex(g), 0, 240));
    value.qIndex = uint8_t(std::clamp(QToIndex(q), 0, kQIndexMax));
    value.type = uint8_t(type);
    if (Updating())
        return;

    button->SetDown(true);
    table->SetNowIndex(band);
    Plot &plot = curves.PlotOf(ch);
    SetPeqSlot(plot, band, {f, g, q, type, bypass});
    plot.DrawBlock(band, float(g), 1);
    plot.DrawFilled(type, band, float(g), float(q), true);
    plot.DrawSum(ch);
    curves.UpdateCurvePage(ch);
    host.Model().SetPeqBand(ch, band, value, bypass);
    ShowPeqBandValues(ch, true, f, g, q);
}

void PeqPage::FreqSliderChange(TObject *Sender)
{
    auto *slider = dynamic_cast<TSmTrackBar *>(Sender);
    if (Updating() || !slider)
        return;
    const int ch = slider->Tag();
    auto *box = As<TRoundedEdit>(Find("cvdEqFreq", ch));
    if (!box || !Table(ch))
        return;
    const double f = IndexToFreq(slider->Position());
    box->SetText(SliderFreqText(f));
    PendingCurveEdit &p = host.Curves().pending;
    p.kind = 0;
    p.channel = ch;
    p.freqHz = float(f);
    tmEqCurve->SetEnabled(true);
}

void PeqPage::BwSliderChange(TObject *Sender)
{
    auto *slider = dynamic_cast<TSmTrackBar *>(Sender);
    if (Updating() || !slider)
        return;
    const int ch = slider->Tag();
    auto *box = As<TRoundedEdit>(Find("cvdEqBw", ch));
    TMyPEQType8 *table = Table(ch);
    if (!box || !table)
        return;
    if (!FreeQType(table->GetTypeValue(table->GetNowIndex())) && slider->Position() > kShelfQMaxPosition) {
        slider->SetPosition(kShelfQMaxPosition); // runs this handler with 35
        return;
    }
    box->SetText(SliderQText(slider->Position()));
    PendingCurveEdit &p = host.Curves().pending;
    p.kind = 1;
    p.channel = ch;
    p.qValue = float(slider->Position());
    tmEqCurve->SetEnabled(true);
}

void PeqPage::GainSliderChange(TObject *Sender)
{
    auto *slider = dynamic_cast<TSmTrackBar *>(Sender);
    if (Updating() || !slider)
        return;
    const int ch = slider->Tag();
    auto *box = As<TRoundedEdit>(Find("cvdEqGain", ch));
    if (!box || !Table(ch))
        return;
    box->SetText(SliderGainText(slider->Position()));
    PendingCurveEdit &p = host.Curves().pending;
    p.kind = 2;
    p.channel = ch;
    p.gainDb = IndexToGain(slider->Position());
    tmEqCurve->SetEnabled(true);
}

void PeqPage::EqCurveTick()
{
    tmEqCurve->SetEnabled(false);
    const PendingCurveEdit p = host.Curves().pending;
    TMyPEQType8 *table = Table(p.channel);
    if (!table)
        return;
    const int row = table->GetNowIndex();
    switch (p.kind) {
    case 0:
        table->SetFreqValue(row, p.freqHz);
        break;
    case 1:
        table->SetQValue(row, p.qValue);
        break;
    default:
        table->SetGainValue(row, p.gainDb);
        break;
    }
}

void PeqPage::FreqBoxKeyDown(int ch, Word &Key)
{
    auto *freq = As<TSmTrackBar>(Find("isEqFreq", ch));
    auto *bw = As<TSmTrackBar>(Find("isEqBw", ch));
    auto *gain = As<TSmTrackBar>(Find("isEqGain", ch));
    if (!freq || !bw || !gain || !Table(ch) || !Find("lbFftParam", ch))
        return;
    auto step = [](TSmTrackBar *s, int d) { s->SetPosition(std::clamp(s->Position() + d, s->Min(), s->Max())); };
    switch (Key) {
    case 37:
        step(freq, -1);
        break;
    case 39:
        step(freq, 1);
        break;
    case 107:
    case 187:
        step(bw, 1);
        break;
    case 109:
    case 189:
        step(bw, -1);
        break;
    case 38:
        step(gain, 1);
        break;
    case 40:
        step(gain, -1);
        break;
    default:
        break;
    }
}

void PeqPage::BypassClick(TObject *Sender)
{
    auto *button = dynamic_cast<TControl *>(Sender);
    if (!button)
        return;
    const int ch = button->Tag();
    LMyFFTDrawHpLp6dB *display = host.Curves().Display(ch);
    if (!display || ch < 0 || ch > 11)
        return;
    LUnitControl &model = host.Model();
    uint16_t mask = model.GetEqBypassMask(ch);
    const int own = ch < 4 ? ch : ch - 4, n = ch < 4 ? 4 : 8;
    const uint16_t group = model.FindGroupLinkMask(ch);
    const bool bypassed = mask & (1 << own);
    display->DrawTextA(display->Width() / 3, display->Height() / 4, 60, clBtnFace, "Times New Roman",
                       bypassed ? QString() : QStringLiteral("BYPASS"));
    for (int i = 0; i < n; ++i)
        if (group & (1 << i))
            mask = bypassed ? uint16_t(mask & ~(1 << i)) : uint16_t(mask | (1 << i));
    model.SetEqBypassMask(ch, mask);
    display->UpdateCurvePage();
    display->Invalidate();
    host.SendCommand(CM_MCS_CMD(host.DeviceId(), kCmdEqBypass, uint8_t(ch), bypassed ? 0 : 1), false);
}

void PeqPage::ShowAllClick(TObject *Sender)
{
    auto *button = dynamic_cast<TLdPowerButton *>(Sender);
    if (!button)
        return;
    const int ch = button->Tag();
    LMyFFTDrawHpLp6dB *display = host.Curves().Display(ch);
    TControl *group = Find("skgFft", ch);
    if (!display || !group)
        return;
    display->SetParameterDisplay(button->Active());
    display->UpdateCurvePage();
    group->Invalidate();
}

void PeqPage::ResetClick(TObject *Sender)
{
    if (auto *button = dynamic_cast<TControl *>(Sender))
        host.ShowEqReset(button->Tag());
}

void PeqPage::ResetPeq(int Channel)
{
    TMyPEQType8 *table = Table(Channel);
    if (!table || Channel < 0 || Channel > 11)
        return;
    Plot &plot = host.Curves().PlotOf(Channel);
    for (int b = Bands(Channel) - 1; b >= 0; --b) {
        table->SetNowIndex(b);
        const PeqBand d = LUnitControl::GetDefaultPeqBand(Channel, b);
        host.SendCommand(CM_MCS_PEQ(host.DeviceId(), uint8_t(Channel), uint8_t(b), d.gainIndex, d.freqIndex, d.qIndex,
                                    d.type, 0),
                         true);
        table->SetEqParamValue(b, IndexToFreq(d.freqIndex), d.qIndex, IndexToGain(d.gainIndex), d.type, false);
        SetPeqSlot(plot, b, {IndexToFreq(d.freqIndex), IndexToGain(d.gainIndex), QTableValue(d.qIndex), d.type, false});
        plot.DrawBlock(b, float(IndexToGain(d.gainIndex)), 1);
    }
}

void PeqPage::EndGrab() { mouse->EndGrab(); }

void PeqPage::ClearPeqBandSelection()
{
    for (int ch = 0; ch < 12; ++ch) {
        TMyPEQType8 *table = Table(ch);
        const int selected = table ? table->GetNowIndex() : 0;
        auto *button = As<TSkBmpButton>(BandButton(ch, selected == kNoBand ? 0 : selected));
        LMyFFTDrawHpLp6dB *display = host.Curves().Display(ch);
        if (!table || !button || !display)
            return;
        button->SetDown(false);
        ShowPeqBandValues(ch, false, IndexToFreq(0), 0.0, 0.4);
        table->SetNowIndex(kNoBand);
        table->SetNowIndex(-1);
        Plot &plot = host.Curves().PlotOf(ch);
        plot.DrawFilled(0, 0, 0, 0, false);
        plot.DrawSum(ch);
        display->UpdateCurvePage();
    }
}

void PeqPage::SelectFirstPeqBands()
{
    for (int ch = 0; ch < 12; ++ch) {
        auto *button = As<TSkBmpButton>(BandButton(ch, 0));
        if (!button || !Table(ch))
            return;
        button->SetDown(true);
        TMyPEQType8 *table = Table(ch);
        table->SetNowIndex(0);
        const double f = table->GetFreqValue(0), g = table->GetGainValue(0), q = table->GetQValue(0);
        ShowPeqBandValues(ch, true, f, g, q);
        Plot &plot = host.Curves().PlotOf(ch);
        plot.DrawBlock(0, float(g), 1);
        plot.DrawFilled(table->GetTypeValue(0), 0, float(g), float(q), true);
        plot.DrawSum(ch);
        host.Curves().UpdateCurvePage(ch);
    }
}
