#include "GatePage.h"

#include "ControlTable.h"
#include "DynamicsText.h"
#include "FlagScope.h"
#include "LUnitControl.h"
#include "LinkGroup.h"
#include "RoundedControls.h"
#include "SmTrackBar.h"
#include "gXYPlot.h"
#include "TransferCurves.h"

namespace {

using namespace ControlTable;
constexpr auto MakeFieldLabel = DynamicsPage::MakeFieldLabel;

// Columns of 260 pixels, one per input, four sliders with their boxes.
const Family kFamilies[] = {
    {"lbGateName", MakeLabel, Each::One, "skgFftGate", 20, 22, 759, 20, 0, ""},
    {"lbHeadGateIn", MakeLabel, Each::One, "skgFftGate", 784, 22, 46, 20, 0, "In A"},
    {"lbGateIn", MakeLabel, Each::Input, "skgParamGate", 8, 12, 240, 16, 260, "In"},
    {"lbGateThresholdIn", MakeFieldLabel, Each::Input, "skgParamGate", 8, 30, 60, 14, 260, ""},
    {"lbGateAttackIn", MakeFieldLabel, Each::Input, "skgParamGate", 68, 30, 60, 14, 260, ""},
    {"lbGateReleaseIn", MakeFieldLabel, Each::Input, "skgParamGate", 128, 30, 60, 14, 260, ""},
    {"lbGateHoldIn", MakeFieldLabel, Each::Input, "skgParamGate", 188, 30, 60, 14, 260, ""},
    {"isGateThresholdIn", MakeSlider, Each::Input, "skgParamGate", 24, 44, 27, 168, 260, ""},
    {"isGateAttackIn", MakeSlider, Each::Input, "skgParamGate", 84, 44, 27, 168, 260, ""},
    {"isGateReleaseIn", MakeSlider, Each::Input, "skgParamGate", 144, 44, 27, 168, 260, ""},
    {"isGateHoldIn", MakeSlider, Each::Input, "skgParamGate", 204, 44, 27, 168, 260, ""},
    {"cvdGateThresholdIn", MakeValueBox, Each::Input, "skgParamGate", 8, 220, 58, 24, 260, ""},
    {"cvdGateAttackIn", MakeValueBox, Each::Input, "skgParamGate", 68, 220, 58, 24, 260, ""},
    {"cvdGateReleaseIn", MakeValueBox, Each::Input, "skgParamGate", 128, 220, 58, 24, 260, ""},
    {"cvdGateHoldIn", MakeValueBox, Each::Input, "skgParamGate", 188, 220, 58, 24, 260, ""},
};

const char *const kSlider[] = {"isGateThresholdIn", "isGateAttackIn", "isGateReleaseIn", "isGateHoldIn"};
const char *const kBox[] = {"cvdGateThresholdIn", "cvdGateAttackIn", "cvdGateReleaseIn", "cvdGateHoldIn"};

QString FieldText(int Field, int Position)
{
    return Field == 0 ? ThresholdText(Position) : MsText(Position);
}

} // namespace

GatePage::GatePage(PageHost &Host) : DynamicsPage(Host, DynamicsMeters::Kind::Gate, "lbGateName", 759)
{
    inputs = true;
    plotChannel = 0;
}

void GatePage::Build(TWinControl *Client)
{
    ControlTable::Build(host, Client, kFamilies);
    meters.Build(Client);
    CaptionChannelLabels("lbGateIn");
    const struct {
        int min, max, position;
    } ranges[] = {{-180, 0, -180}, {0, 998, 0}, {9, 2999, 99}, {9, 998, 99}};
    for (int ch = 0; ch < 4; ++ch)
        for (int field = 0; field < 4; ++field) {
            auto *s = Control<TSmTrackBar>(kSlider[field], ch);
            s->SetMin(ranges[field].min);
            s->SetMax(ranges[field].max);
            s->SetPosition(ranges[field].position);
            s->OnChange = [this, field](TObject *o) { SliderChange(o, field); };
        }
    for (int ch = 0; ch < 4; ++ch)
        for (int field = 0; field < 4; ++field)
            Control<TRoundedEdit>(kBox[field], ch)->SetText(FieldText(field, PositionOf(Control(kSlider[field], ch))));
    BindEntry("cvdGateThresholdIn", "isGateThresholdIn",
              [](const QString &t, TControl *s) { return TypedEntry::ThresholdPosition(t, PositionOf(s)); },
              ThresholdText);
    for (int field = 1; field < 3; ++field)
        BindEntry(kBox[field], kSlider[field], [](const QString &t, TControl *s) {
            auto *bar = static_cast<TCustomTrackBar *>(s);
            return TypedEntry::TimePosition(t, bar->Min(), bar->Max(), bar->Position());
        }, MsText);
    BindEntry("cvdGateHoldIn", "isGateHoldIn", [](const QString &t, TControl *s) {
        auto *bar = static_cast<TCustomTrackBar *>(s);
        return TypedEntry::MsPosition(t, bar->Min(), bar->Max(), bar->Position());
    }, MsText);
    const auto show = [this](int ch) { DrawGateCurve(ch); };
    for (const char *prefix : {"lbGateIn", "cvdGateThresholdIn", "isGateHoldIn"})
        BindSelector(prefix, show);
    for (const char *box : {"cvdGateAttackInA", "cvdGateReleaseInA"})
        if (TControl *c = host.FindControl(box))
            c->OnMouseDown = [this](TObject *, TMouseButton, TShiftState, int, int) { DrawGateCurve(0); };
    BindPageJump("lbMatrixGateIn", "skbMenuGate");
}

void GatePage::ApplyLanguage()
{
    // The controls' names as hints and as the captions beside them; the
    // plot's title follows the language.
    NameFields({
        {"isGateThresholdIn", "lbGateThresholdIn", "SID_COMP_THRESHOLD"},
        {"isGateAttackIn", "lbGateAttackIn", "SID_COMP_ATTACK"},
        {"isGateReleaseIn", "lbGateReleaseIn", "SID_COMP_RELEASE"},
        {"isGateHoldIn", "lbGateHoldIn", "SID_GATE_HOLD"},
    });
    DrawGateCurve(plotChannel);
}

void GatePage::SliderChange(TObject *Sender, int Field)
{
    if (Updating())
        return;
    auto *slider = static_cast<TCustomTrackBar *>(Sender);
    const int ch = slider->Tag();
    plotChannel = ch;
    auto *box = Control<TRoundedEdit>(kBox[Field], ch);
    if (!box || !ShowCurve(ch))
        return;
    box->SetText(FieldText(Field, slider->Position()));
    CommitGateParam(ch, Field, slider->Position());
    RefreshLinkedGate(plotChannel, Field, slider->Position());
}

void GatePage::CommitGateParam(int Channel, int Field, int Value)
{
    static const int kWord[] = {3, 0, 1, 2};
    if (Field < 0 || Field > 3)
        return;
    std::array<uint16_t, 4> gate = host.Model().GetGate(Channel);
    gate[kWord[Field]] = uint16_t(Field == 0 ? Value + 180 : Value);
    if (!Updating())
        host.Model().SetGate(Channel, gate);
}

void GatePage::RefreshLinkedGate(int Channel, int Field, int Value)
{
    FlagScope scope(updating);
    ForEachInLinkGroup(host.Model(), Channel, [&](int ch) {
        ShowField(kSlider[Field], kBox[Field], ch, Value, [Field](int p) { return FieldText(Field, p); });
    });
}

bool GatePage::ShowCurve(int Channel)
{
    auto *threshold = Control<TSmTrackBar>("isGateThresholdIn", Channel);
    auto *plot = PageNames::Find<TgXYPlot>(host, "ipGate");
    if (!threshold || !plot)
        return false;
    ShowTransferCurve(*plot, GateCurve(threshold->Position()));
    // The title names the input by its letter ("In A  Gate").
    SetCaption("lbGateName", "In " + PageNames::Suffix(Channel) + "  " + host.TranslateQ("SID_GATE"));
    return true;
}

void GatePage::DrawGateCurve(int Channel)
{
    if (!ShowCurve(Channel))
        return;
    SetCaption("lbHeadGateIn", "In " + PageNames::Suffix(Channel));
    plotChannel = Channel;
}

void GatePage::Refresh()
{
    // The block diagram's labels may have been made after this page.
    BindPageJump("lbMatrixGateIn", "skbMenuGate");
    {
        FlagScope scope(updating);
        for (int ch = 0; ch < 4; ++ch) {
            const std::array<uint16_t, 4> g = host.Model().GetGate(ch);
            const int positions[] = {g[3] - 180, g[0], g[1], g[2]};
            for (int field = 0; field < 4; ++field)
                if (!ShowField(kSlider[field], kBox[field], ch, positions[field],
                               [field](int p) { return FieldText(field, p); }))
                    return;
        }
    }
    // Input A's curve; the head label and the plot's input stay as they were.
    ShowCurve(0);
}
