#include "CrossoverPage.h"

#include "ControlTable.h"
#include "EditorCurves.h"
#include "LUnitControl.h"
#include "PageHost.h"
#include "PageNames.h"
#include "Plot.h"
#include "RoundedControls.h"
#include "SkBmpButton.h"
#include "SkComboBox.h"
#include "SmTrackBar.h"
#include "ValueScales.h"

namespace {

using namespace ControlTable;

constexpr int kFreqMax = 300; // frequency index of 20.16 kHz
constexpr int kSlopeCount = 20;
constexpr int kInitialSlopeItem = 19; // "LK -48"

// Item i is slope type i + 1.
constexpr const char *kSlopeItems[kSlopeCount] = {
    "BW -6",  "BL -6",  "BW -12", "BL -12", "LK -12", "BW -18", "BL -18", "BW -24", "BL -24", "LK -24",
    "BW -30", "BL -30", "BW -36", "BL -36", "LK -36", "BW -42", "BL -42", "BW -48", "BL -48", "LK -48",
};

TControl *MakeFreqSlider(TComponent *Owner)
{
    auto *s = static_cast<TSmTrackBar *>(MakeSlider(Owner));
    s->SetMin(0);
    s->SetMax(kFreqMax);
    s->SetPageSize(15);
    return s;
}

TControl *MakeSlopeList(TComponent *Owner)
{
    auto *c = new TSkComboBox(Owner);
    for (const char *item : kSlopeItems)
        c->Add(QString::fromLatin1(item));
    c->SetItemIndex(kInitialSlopeItem);
    return c;
}

TControl *MakeBypassButton(TComponent *Owner)
{
    auto *b = new TSkBmpButton(Owner);
    b->SetAllowAllUp(true);
    return b;
}

// One filter column in a channel's parameter frame: high-pass left of
// low-pass, right of the equaliser.
#define FILTER_COLUMN(side, each, cut, x)                                                                    \
    {"lb" cut "Freq" side, MakeLabel, each, "skgParam" side, x, 12, 86, 16, 0, ""},                          \
        {"is" cut "Freq" side, MakeFreqSlider, each, "skgParam" side, x + 26, 30, 34, 130, 0, ""},           \
        {"cvd" cut "Freq" side, MakeReadOnlyBox, each, "skgParam" side, x + 3, 164, 80, 24, 0, ""},              \
        {"lb" cut "Slop" side, MakeLabel, each, "skgParam" side, x, 192, 86, 16, 0, ""},                     \
        {"skc" cut "Slop" side, MakeSlopeList, each, "skgParam" side, x + 3, 210, 80, 22, 0, ""},            \
        {"skb" cut "Bypass" side, MakeBypassButton, each, "skgParam" side, x + 3, 240, 80, 24, 0, ""}

const Family kFamilies[] = {
    FILTER_COLUMN("In", Each::Input, "LowCut", 770),   FILTER_COLUMN("In", Each::Input, "HighCut", 866),
    FILTER_COLUMN("Out", Each::Output, "LowCut", 770), FILTER_COLUMN("Out", Each::Output, "HighCut", 866),
};

#undef FILTER_COLUMN

// The four controls of one filter of a channel; a missing one is null.
struct Filter {
    TSmTrackBar *freq;
    TRoundedEdit *box;
    TSkComboBox *slope;
    TSkBmpButton *bypass;
};

Filter FindFilter(PageHost &Host, bool HighPass, int Channel)
{
    const QByteArray cut = HighPass ? "LowCut" : "HighCut";
    auto find = [&](const char *Role, const char *What) {
        return Host.FindControl(PageNames::SideName((Role + cut + What).constData(), Channel));
    };
    return {dynamic_cast<TSmTrackBar *>(find("is", "Freq")), dynamic_cast<TRoundedEdit *>(find("cvd", "Freq")),
            dynamic_cast<TSkComboBox *>(find("skc", "Slop")), dynamic_cast<TSkBmpButton *>(find("skb", "Bypass"))};
}

bool IsSlopeItem(int Item) { return Item >= 0 && Item < kSlopeCount; }

// The type the controls stand for: 0 while bypassed, else slope item + 1. A
// typed slope text (item -1) names no slope, so the stored type stays.
int ShownType(const Filter &f, int Stored)
{
    if (f.bypass->Down())
        return 0;
    const int item = f.slope->ItemIndex();
    return IsSlopeItem(item) ? item + 1 : Stored;
}

int StoredType(const CrossoverRecord &x, bool HighPass) { return HighPass ? x.hpfType : x.lpfType; }

void Store(CrossoverRecord &x, bool HighPass, int FreqIndex, int Type)
{
    if (HighPass) {
        x.hpfFreq = uint16_t(FreqIndex);
        x.hpfType = uint8_t(Type);
    } else {
        x.lpfFreq = uint16_t(FreqIndex);
        x.lpfType = uint8_t(Type);
    }
}

void Commit(PageHost &Host, bool HighPass, int Channel, const CrossoverRecord &x)
{
    if (Host.IsUpdatingControls())
        return;
    if (HighPass)
        Host.Model().SetHighPass(Channel, x);
    else
        Host.Model().SetLowPass(Channel, x);
}

int ChannelOf(TObject *Sender)
{
    auto *c = dynamic_cast<TComponent *>(Sender);
    return c ? c->Tag() : -1;
}

} // namespace

void CrossoverPage::Build(TWinControl *Client)
{
    ControlTable::Build(host, Client, kFamilies);
    for (bool high : {true, false}) {
        for (int ch = 0; ch < 12; ++ch) {
            const Filter f = FindFilter(host, high, ch);
            f.freq->SetPosition(high ? 0 : kFreqMax);
            f.box->SetText(high ? QStringLiteral("19.7Hz") : QStringLiteral("20.16KHz"));
            // Each bypass button is a toggle of its own.
            f.bypass->SetGroupIndex(high ? 901 : 902);
            f.freq->OnChange = [this, high](TObject *s) { FreqChange(s, high); };
            f.slope->OnChange = [this, high](TObject *s) { SlopeChange(s, high); };
            f.bypass->OnClick = [this, high](TObject *s) { BypassClick(s, high); };
            // The wheel never changes a slope.
            f.slope->OnMouseWheel = [](TObject *, TShiftState, int, TPoint, bool &Handled) { Handled = true; };
        }
    }
}

void CrossoverPage::RefreshCurves()
{
    for (int c = 0; c < 12; ++c) {
        host.Curves().UpdateHighPassCurve(c);
        host.Curves().UpdateLowPassCurve(c);
    }
}

void CrossoverPage::ApplyLanguage()
{
    for (int ch = 0; ch < 12; ++ch) {
        for (bool high : {true, false}) {
            const char *cut = high ? "LowCut" : "HighCut";
            auto caption = [&](const char *Role, const char *What, const char *Sid) {
                if (TControl *c = host.FindControl(PageNames::SideName((QByteArray(Role) + cut + What).constData(), ch)))
                    c->SetCaption(host.TranslateQ(Sid));
            };
            caption("lb", "Freq", high ? "SID_HPF" : "SID_LPF");
            caption("lb", "Slop", "SID_HLP_SLOP");
            caption("skb", "Bypass", "SID_HLP_BYPASS");
        }
    }
}

void CrossoverPage::FreqChange(TObject *Sender, bool HighPass)
{
    if (host.IsUpdatingControls())
        return;
    auto *slider = dynamic_cast<TSmTrackBar *>(Sender);
    const int ch = ChannelOf(Sender);
    if (!slider || ch < 0 || ch > 11)
        return;
    const Filter f = FindFilter(host, HighPass, ch);
    if (!f.box || !f.slope || !f.bypass)
        return;
    const double hz = IndexToFreq(slider->Position());
    f.box->SetText(SliderFreqText(hz));

    CrossoverRecord x = host.Model().GetCrossover(ch);
    const int type = ShownType(f, StoredType(x, HighPass));
    Store(x, HighPass, slider->Position(), type);

    // The model follows every step; the curve waits for the timer's tick.
    PendingCurveEdit edit;
    edit.channel = ch;
    edit.freqHz = float(hz);
    edit.crossoverType = type;
    edit.kind = HighPass ? 1 : 0;
    host.Curves().ScheduleHpLpCurve(edit);
    Commit(host, HighPass, ch, x);
}

void CrossoverPage::SlopeChange(TObject *Sender, bool HighPass) { ListOrButtonEdit(Sender, HighPass, false); }

void CrossoverPage::BypassClick(TObject *Sender, bool HighPass) { ListOrButtonEdit(Sender, HighPass, true); }

void CrossoverPage::ListOrButtonEdit(TObject *Sender, bool HighPass, bool ByButton)
{
    const int ch = ChannelOf(Sender);
    if (ch < 0 || ch > 11)
        return;
    const Filter f = FindFilter(host, HighPass, ch);
    if (!f.freq || !f.slope || !f.bypass)
        return;
    // A typed text in the list names no slope: nothing changes. A release of
    // the button then has no slope to switch to, so the filter stays bypassed.
    if (!IsSlopeItem(f.slope->ItemIndex())) {
        if (!ByButton)
            return;
        if (!f.bypass->Down()) {
            f.bypass->SetDown(true);
            return;
        }
    }
    CrossoverRecord x = host.Model().GetCrossover(ch);
    const int type = ShownType(f, StoredType(x, HighPass));
    Store(x, HighPass, f.freq->Position(), type);

    EditorCurves &curves = host.Curves();
    curves.BuildHpLpCurve(HighPass, type, float(IndexToFreq(f.freq->Position())), Plot::kHighPassSlot, ch);
    Plot &plot = curves.PlotOf(ch);
    plot.DrawFilled(HighPass ? 5 : 6, HighPass ? Plot::kHighPassSlot : Plot::kLowPassSlot, 0, 0, true);
    plot.DrawSum(ch);
    curves.UpdateCurvePage(ch);
    Commit(host, HighPass, ch, x);
}
