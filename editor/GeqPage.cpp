#include "GeqPage.h"

#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "ControlTable.h"
#include "EditorCurves.h"
#include "LMyFFTDrawHpLp6dB.h"
#include "Label.h"
#include "LUnitControl.h"
#include "LdDemoButton.h"
#include "PageHost.h"
#include "Plot.h"
#include "SharedConstants.h"
#include "SkBmpButton.h"
#include "SmTrackBar.h"
#include "Timer.h"
#include "ValueScales.h"

#include <vector>

namespace {

using namespace ControlTable;

constexpr int kGeqMax = 240;
constexpr int kZeroDb = 120;
constexpr int kBandCode = 1; // peak
constexpr int kSumSlot = Plot::kSumSlot;

TControl *MakeSelector(TComponent *Owner)
{
    auto *b = new TSkBmpButton(Owner);
    b->SetGroupIndex(1);
    return b;
}

// The selectors stand left of the band boxes, which lie on top of each other
// in the GEQ parameter area; each input's display box fills the GEQ page's
// display frame.
const Family kFamilies[] = {
    {"skbGeqSelIn", MakeSelector, Each::Input, "skgParamGeq", 8, 30, 54, 40, 0, "", 52},
    {"skgGeqIn", MakeGroupBox, Each::Input, "skgParamGeq", 70, 4, 998, 282, 0, ""},
    {"lbGeqIn", MakeLabel, Each::Input, "skgGeqIn", 8, 4, 80, 16, 0, ""},
    {"lbFftChGeqIn", MakeLabel, Each::Input, "skgFftGeqIn", 21, 4, 120, 18, 0, ""},
    {"ldbEqBypassGeqIn", MakeDisplayButton, Each::Input, "skgFftGeqIn", 776, 3, 65, 17, 0, ""},
    {"ldbEqResetGeqIn", MakeDisplayButton, Each::Input, "skgFftGeqIn", 857, 3, 65, 17, 0, ""},
};

const Rule kHorizontal[] = {
    {"ldbEqBypassGeqIn", Each::Input, Edge::Left, [](int d, int) { return d + 776; }},
    {"ldbEqResetGeqIn", Each::Input, Edge::Left, [](int d, int) { return d + 857; }},
};

// Band columns inside an input's box.
constexpr int kBandLeft = 14, kBandStep = 31;

QChar Letter(int Input) { return QChar('A' + Input); }

QString BandName(const char *Prefix, int Band, int Input)
{
    return QString::asprintf("%s%02dIn", Prefix, Band + 1) + Letter(Input);
}

QString InputName(const char *Prefix, int Input) { return QString::fromLatin1(Prefix) + "In" + Letter(Input); }

// "+0.0" at 0 dB and above, "-12.0" below.
QString BandGainText(int Position)
{
    const double db = (Position - kZeroDb) * 0.1;
    return Position >= kZeroDb ? QString::asprintf("+%3.1f", db) : QString::asprintf("%4.1f", db);
}

int TagOf(TObject *Sender)
{
    auto *c = dynamic_cast<TComponent *>(Sender);
    return c ? c->Tag() : -1;
}

// Pressing a button from code: down, then its click.
void Press(TControl *Button)
{
    auto *b = dynamic_cast<TSkBmpButton *>(Button);
    if (!b)
        return;
    b->SetDown(true);
    if (b->OnClick)
        b->OnClick(b);
}

} // namespace

void GeqPage::Build(TWinControl *Client)
{
    // The input display boxes belong to the GEQ page's display frame, so that
    // the page brings them to the front with it.
    if (auto *frame = dynamic_cast<TWinControl *>(host.FindControl("skgFftGeq")))
        for (int i = 0; i < 4; ++i)
            if (TControl *box = host.FindControl(InputName("skgFftGeq", i)))
                box->SetParent(frame);

    ControlTable::Build(host, Client, kFamilies);

    for (int i = 0; i < 4; ++i) {
        auto *box = dynamic_cast<TWinControl *>(host.FindControl(InputName("skgGeq", i)));
        for (int b = 0; b < kBands; ++b) {
            // The toolkit's label: a caption change only schedules its paint,
            // so the 31 labels of a burst of moves are painted together.
            auto *label = new TLabel(host.ControlOwner());
            label->SetAutoSize(false);
            label->SetTransparent(true);
            label->SetName(BandName("lbGeqGainCh", b, i));
            label->SetParent(box);
            label->SetBounds(kBandLeft + kBandStep * b - 1, 22, 30, 14);
            label->Font()->SetSize(7);
            label->SetAlignment(taCenter);
            label->SetCaption(QStringLiteral("+ 0.0"));
            host.RegisterControl(label);

            auto *slider = static_cast<TSmTrackBar *>(MakeSlider(host.ControlOwner()));
            slider->SetName(BandName("isGeqCh", b, i));
            slider->SetParent(box);
            slider->SetMin(0);
            slider->SetMax(kGeqMax);
            slider->SetPosition(kZeroDb);
            slider->SetPageSize(6);
            slider->SetTag(b);
            slider->SetBounds(kBandLeft + kBandStep * b, 40, 28, 234);
            slider->OnChange = [this, i](TObject *s) { BandChange(s, i); };
            host.RegisterControl(slider);
        }
        for (const char *prefix : {"skbGeqSel", "lbGeq", "lbFftChGeq"})
            host.FindControl(InputName(prefix, i))->SetCaption(QStringLiteral("In") + Letter(i));
        if (auto *display = host.FindControl(InputName("fftDrawGeq", i)))
            display->SetTag(kFirstPlot + i);
        if (auto *b = dynamic_cast<TSkBmpButton *>(host.FindControl(InputName("skbGeqSel", i))))
            b->OnClick = [this](TObject *s) { SelectClick(s); };
        if (auto *b = dynamic_cast<TLdDemoButton *>(host.FindControl(InputName("ldbEqBypassGeq", i))))
            b->OnClick = [this](TObject *s) { BypassClick(s); };
        if (auto *b = dynamic_cast<TLdDemoButton *>(host.FindControl(InputName("ldbEqResetGeq", i))))
            b->OnClick = [this](TObject *s) { ResetClick(s); };
    }
    WireMatrixLabels();
    if (auto *a = dynamic_cast<TSkBmpButton *>(host.FindControl("skbGeqSelInA")))
        a->SetDown(true);
    if (auto *a = host.FindControl("skgGeqInA"))
        a->BringToFront();
    if (auto *a = host.FindControl("skgFftGeqInA"))
        a->BringToFront();

    tmGeqCurve = new TTimer(host.ControlOwner());
    tmGeqCurve->SetEnabled(false);
    tmGeqCurve->SetInterval(1);
    tmGeqCurve->OnTimer = [this](TObject *) { GeqCurveTimer(); };
}

bool GeqPage::Stretch(int dw, int /*dh*/, bool /*Vertical*/, bool Horizontal)
{
    return !Horizontal || Apply(host, kHorizontal, dw);
}

void GeqPage::WireMatrixLabels()
{
    for (int i = 0; i < 4; ++i)
        if (auto *l = host.FindControl(InputName("lbMatrixGeq", i)))
            l->OnClick = [this](TObject *s) { MatrixGeqClick(s); };
}

void GeqPage::ApplyLanguage()
{
    WireMatrixLabels();
    for (int i = 0; i < 4; ++i) {
        if (TControl *c = host.FindControl(InputName("ldbEqResetGeq", i)))
            c->SetCaption(host.TranslateQ("SID_RESET_EQ"));
        if (TControl *c = host.FindControl(InputName("ldbEqBypassGeq", i)))
            c->SetCaption(host.TranslateQ("SID_BYPASS_EQ"));
    }
}

void GeqPage::BandChange(TObject *Sender, int Input)
{
    // Input A's sliders follow a refresh too (labels and curve), the others
    // not; no handler writes the model during one.
    const bool updating = host.IsUpdatingControls();
    if (Input != 0 && updating)
        return;
    auto *slider = dynamic_cast<TSmTrackBar *>(Sender);
    const int band = TagOf(Sender);
    if (!slider || band < 0 || band >= kBands || Input < 0 || Input > 3)
        return;
    TControl *label = host.FindControl(BandName("lbGeqGainCh", band, Input));
    if (!label)
        return;
    const int p = slider->Position();
    label->SetCaption(BandGainText(p));

    TControl *display = host.FindControl(InputName("fftDrawGeq", Input));
    const int plotIndex = display ? display->Tag() : kFirstPlot + Input;
    const double gain = IndexToGain(p);
    host.Curves().PlotOf(plotIndex).Filter(band).Set(gain, GeqCentreFrequencies[band], GeqBandQ, kBandCode);
    if (!tmGeqCurve->Enabled())
        tmGeqCurve->SetEnabled(true);

    geqEditPlot = plotIndex;
    geqEditBand = band;
    geqEditGain = gain;
    geqEditQ = float(GeqBandQ);

    if (!updating)
        host.Model().SetGeqBand(Input, band, uint16_t(p));
}

void GeqPage::GeqCurveTimer()
{
    tmGeqCurve->SetEnabled(false);
    EditorCurves &curves = host.Curves();
    Plot &plot = curves.PlotOf(geqEditPlot);
    plot.DrawFilled(1, geqEditBand, float(geqEditGain), geqEditQ, geqEditGain != 0);
    plot.DrawSum(geqEditPlot);
    curves.UpdateCurvePage(geqEditPlot);
}

void GeqPage::RefreshCurves()
{
    for (int input = 0; input < 4; ++input)
        host.Curves().BuildGeqCurve(input);
}

void GeqPage::HideGeqBandOverlay()
{
    EditorCurves &curves = host.Curves();
    curves.PlotOf(geqEditPlot).DrawFilled(1, geqEditBand, float(geqEditGain), geqEditQ, false);
    curves.UpdateCurvePage(geqEditPlot);
}

void GeqPage::ResetGeq(int Target)
{
    const int input = Target - 12;
    if (input < 0 || input > 3)
        return;
    for (int b = 0; b < kBands; ++b) {
        auto *slider = dynamic_cast<TSmTrackBar *>(host.FindControl(BandName("isGeqCh", b, input)));
        if (!slider)
            return;
        const uint16_t value = LUnitControl::GetDefaultGeqBand(input, b);
        slider->SetPosition(value);
        host.SendCommand(CM_MCS_GEQ(host.DeviceId(), uint8_t(input), uint8_t(b), value), true);
    }
}

void GeqPage::SelectClick(TObject *Sender)
{
    const int t = TagOf(Sender);
    if (t < 0 || t > 3)
        return;
    const LUnitControl &model = host.Model();
    // A link member shows its leader's boxes under its own name.
    int leader = -1;
    if (model.GetLinkMask(t) != 0)
        leader = t;
    else
        for (int k = 0; k < 4 && leader < 0; ++k)
            if (model.GetLinkMask(k) >> t & 1)
                leader = k;
    if (leader < 0)
        return;
    TControl *fftBox = host.FindControl(InputName("skgFftGeq", leader));
    TControl *bandBox = host.FindControl(InputName("skgGeq", leader));
    if (!fftBox || !bandBox)
        return;

    EditorCurves &curves = host.Curves();
    const int plotIndex = kFirstPlot + leader;
    Plot &plot = curves.PlotOf(plotIndex);
    plot.RemoveCurve(kSumSlot);
    plot.DrawCurve(kSumSlot, ChannelColours[t]);
    curves.UpdateCurvePage(plotIndex);

    TControl *fftTitle = host.FindControl(InputName("lbFftChGeq", leader));
    TControl *bandTitle = host.FindControl(InputName("lbGeq", leader));
    if (!fftTitle || !bandTitle)
        return;
    const QString title = QStringLiteral("In") + Letter(t);
    fftTitle->SetCaption(title);
    bandTitle->SetCaption(title);
    bandBox->BringToFront();
    fftBox->BringToFront();

    curves.PlotOf(geqEditPlot).DrawFilled(1, geqEditBand, float(geqEditGain), geqEditQ, false);
}

void GeqPage::BypassClick(TObject *Sender)
{
    const int t = TagOf(Sender);
    if (t < 0 || t > 3)
        return;
    LUnitControl &model = host.Model();
    uint16_t mask = model.GetGeqBypassMask();
    const uint16_t group = model.FindGroupLinkMask(t);
    const bool bypassed = mask >> t & 1;
    // Every display of the group first: a missing one leaves the model alone.
    std::vector<LMyFFTDrawHpLp6dB *> displays;
    for (int k = 0; k < 4; ++k) {
        if (!(group >> k & 1))
            continue;
        auto *d = dynamic_cast<LMyFFTDrawHpLp6dB *>(host.FindControl(InputName("fftDrawGeq", k)));
        if (!d)
            return;
        displays.push_back(d);
    }
    for (int k = 0; k < 4; ++k)
        if (group >> k & 1)
            mask = bypassed ? uint16_t(mask & ~(1u << k)) : uint16_t(mask | 1u << k);
    for (LMyFFTDrawHpLp6dB *d : displays) {
        d->DrawTextA(d->Width() / 3, d->Height() / 4, 60, clBtnFace, QStringLiteral("Times New Roman"),
                     bypassed ? QString() : QStringLiteral("BYPASS"));
        d->Repaint();
    }
    model.SetGeqBypassMask(mask);
    host.SendCommand(CM_MCS_CMD(host.DeviceId(), CMD_GEQ_BYPASS, uint8_t(t), bypassed ? 0 : 1), false);
}

void GeqPage::ResetClick(TObject *Sender)
{
    const int t = TagOf(Sender);
    if (t >= 0 && t <= 3)
        host.ShowEqReset(t + 12);
}

void GeqPage::MatrixGeqClick(TObject *Sender)
{
    const int t = TagOf(Sender);
    TControl *geq = host.FindControl("skbMenuGeq");
    if (!geq || t < 0 || t > 3)
        return;
    Press(geq);
    if (auto *matrix = dynamic_cast<TSkBmpButton *>(host.FindControl("skbMenuMatrix")))
        matrix->SetDown(false);
    if (TControl *selector = host.FindControl(InputName("skbGeqSel", t)))
        Press(selector);
}
