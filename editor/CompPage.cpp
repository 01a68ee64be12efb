#include "CompPage.h"

#include "ControlTable.h"
#include "DynamicsText.h"
#include "FlagScope.h"
#include "LUnitControl.h"
#include "LinkGroup.h"
#include "RoundedControls.h"
#include "SharedConstants.h"
#include "SmTrackBar.h"
#include "Timer.h"
#include "TransferCurves.h"
#include "gXYPlot.h"
#include "UpDown.h"

namespace {

using namespace ControlTable;
constexpr auto MakeCompactBox = DynamicsPage::MakeCompactBox;
constexpr auto MakeFieldLabel = DynamicsPage::MakeFieldLabel;
constexpr int kColumn = DynamicsPage::kOutputColumn;

// Columns of 133 pixels, one per output: the threshold, attack and release
// sliders, each with its box below it, then the ratio and knee spinners
// with their boxes beside.
const Family kFamilies[] = {
    {"lbCompName", MakeLabel, Each::One, "skgFftComp", 20, 22, 538, 20, 0, ""},
    {"lbHeadCompOut", MakeLabel, Each::One, "skgFftComp", 560, 22, 46, 20, 0, "Out 1"},
    {"lbCompOut", MakeLabel, Each::Output, "skgParamComp", 8, 12, 120, 16, kColumn, "Out"},
    // Each field's caption centred over its slider, its box below.
    DYNAMICS_SLIDER_FIELDS("Comp"),
    {"lbCompRatioOut", MakeFieldLabel, Each::Output, "skgParamComp", 2, 218, 62, 14, kColumn, ""},
    {"udCompRatioOut", MakeUpDown, Each::Output, "skgParamComp", 66, 214, 17, 22, kColumn, ""},
    {"cvdCompRatioOut", MakeCompactBox, Each::Output, "skgParamComp", 83, 214, 45, 22, kColumn, ""},
    {"lbCompKneeOut", MakeFieldLabel, Each::Output, "skgParamComp", 2, 242, 62, 14, kColumn, ""},
    {"udCompKneeOut", MakeUpDown, Each::Output, "skgParamComp", 66, 238, 17, 22, kColumn, ""},
    {"cvdCompKneeOut", MakeCompactBox, Each::Output, "skgParamComp", 83, 238, 45, 22, kColumn, ""},
};

struct Range {
    const char *prefix;
    int min, max, position;
};
const Range kSliders[] = {
    {"isCompThresholdOut", -180, 40, 40}, {"isCompAttackOut", 0, 998, 49}, {"isCompReleaseOut", 9, 2999, 499}};

} // namespace

CompPage::CompPage(PageHost &Host) : DynamicsPage(Host, DynamicsMeters::Kind::Comp, "lbCompName", 538)
{
    plotChannel = 4;
}

void CompPage::Build(TWinControl *Client)
{
    ControlTable::Build(host, Client, kFamilies);
    meters.Build(Client);
    CaptionChannelLabels("lbCompOut");
    tmCompDisp = MakeRedrawTimer([this] { DrawCompCurve(compRedrawChannel); });
    for (int ch = 4; ch < 12; ++ch) {
        for (int field = 0; field < 3; ++field) {
            auto *s = Control<TSmTrackBar>(kSliders[field].prefix, ch);
            s->SetMin(kSliders[field].min);
            s->SetMax(kSliders[field].max);
            s->SetPosition(kSliders[field].position);
            s->OnChange = [this, field](TObject *o) { SliderChange(o, field); };
        }
        auto *ratio = Control<TUpDown>("udCompRatioOut", ch);
        ratio->SetMin(0);
        ratio->SetMax(kRatioCount - 1);
        ratio->SetPosition(0);
        ratio->OnChangingEx = [this](TObject *o, bool &a, int v, TUpDownDirection) { SpinnerChanging(o, a, v, 3); };
        auto *knee = Control<TUpDown>("udCompKneeOut", ch);
        knee->SetMin(0);
        knee->SetMax(12);
        knee->SetPosition(12);
        knee->OnChangingEx = [this](TObject *o, bool &a, int v, TUpDownDirection) { SpinnerChanging(o, a, v, 4); };
    }
    for (int ch = 4; ch < 12; ++ch) {
        Control<TRoundedEdit>("cvdCompThresholdOut", ch)->SetText(ThresholdText(40));
        Control<TRoundedEdit>("cvdCompAttackOut", ch)->SetText(PaddedMsText(49));
        Control<TRoundedEdit>("cvdCompReleaseOut", ch)->SetText(PaddedMsText(499));
        Control<TRoundedEdit>("cvdCompRatioOut", ch)->SetText(RatioText(0));
        Control<TRoundedEdit>("cvdCompKneeOut", ch)->SetText(KneeText(12));
    }
    BindEntry("cvdCompThresholdOut", "isCompThresholdOut",
              [](const QString &t, TControl *s) { return TypedEntry::ThresholdPosition(t, PositionOf(s)); },
              ThresholdText);
    for (const char *kind : {"Attack", "Release"}) {
        const QString box = QString("cvdComp%1Out").arg(kind), slider = QString("isComp%1Out").arg(kind);
        BindEntry(box.toLatin1().constData(), slider.toLatin1().constData(), [](const QString &t, TControl *s) {
            auto *bar = static_cast<TCustomTrackBar *>(s);
            return TypedEntry::TimePosition(t, bar->Min(), bar->Max(), bar->Position());
        }, PaddedMsText);
    }
    BindEntry("cvdCompRatioOut", "udCompRatioOut",
              [](const QString &t, TControl *) { return TypedEntry::RatioIndex(t); }, RatioText);
    BindEntry("cvdCompKneeOut", "udCompKneeOut",
              [](const QString &t, TControl *u) { return TypedEntry::DbPosition(t, TypedEntry::DbField::Knee, PositionOf(u)); },
              KneeText);
    const auto show = [this](int ch) { DrawCompCurve(ch); };
    for (const char *prefix : {"isCompThresholdOut", "isCompAttackOut", "isCompReleaseOut", "cvdCompThresholdOut",
                               "cvdCompRatioOut", "cvdCompReleaseOut", "cvdCompAttackOut", "cvdCompKneeOut", "lbCompOut"})
        BindSelector(prefix, show);
}

void CompPage::ApplyLanguage()
{
    // The controls' names as hints and as the captions beside them; the
    // plot's title follows the language.
    NameFields({
        {"isCompThresholdOut", "lbCompThresholdOut", "SID_COMP_THRESHOLD"},
        {"isCompAttackOut", "lbCompAttackOut", "SID_COMP_ATTACK"},
        {"isCompReleaseOut", "lbCompReleaseOut", "SID_COMP_RELEASE"},
        {"udCompRatioOut", "lbCompRatioOut", "SID_COMP_RATIO"},
        {"udCompKneeOut", "lbCompKneeOut", "SID_COMP_KNEE"},
    });
    DrawCompCurve(plotChannel);
}

void CompPage::SliderChange(TObject *Sender, int Field)
{
    if (Updating())
        return;
    const int ch = static_cast<TControl *>(Sender)->Tag();
    Changed(ch, Field, static_cast<TCustomTrackBar *>(Sender)->Position());
}

void CompPage::SpinnerChanging(TObject *Sender, bool &, int NewValue, int Field)
{
    auto *spinner = static_cast<TUpDown *>(Sender);
    if (Updating() || NewValue < spinner->Min() || NewValue > spinner->Max())
        return;
    const int ch = spinner->Tag();
    auto *box = Control<TRoundedEdit>(Field == 3 ? "cvdCompRatioOut" : "cvdCompKneeOut", ch);
    if (!box)
        return;
    box->SetText(Field == 3 ? RatioText(NewValue) : KneeText(NewValue));
    Changed(ch, Field, NewValue);
}

// The curve is redrawn by the timer once the burst of changes has passed.
void CompPage::Changed(int Channel, int Field, int Value)
{
    Arm(tmCompDisp);
    compRedrawChannel = plotChannel = Channel;
    CommitCompParam(Channel, Field, Value);
    RefreshLinkedComp(plotChannel, Field, Value);
}

void CompPage::CommitCompParam(int Channel, int Field, int Value)
{
    std::array<uint16_t, 5> comp = host.Model().GetComp(Channel);
    static const int kWord[] = {4, 1, 2, 0, 3};
    if (Field < 0 || Field > 4)
        return;
    comp[kWord[Field]] = uint16_t(Field == 0 ? Value + 180 : Value);
    if (Field == 0) {
        if (auto *s = Control<TSmTrackBar>("isCompThresholdOut", Channel)) {
            FlagScope scope(updating);
            s->SetPosition(Value);
        }
    }
    if (!Updating())
        host.Model().SetComp(Channel, comp);
}

void CompPage::RefreshLinkedComp(int Channel, int Field, int Value)
{
    FlagScope scope(updating);
    ForEachInLinkGroup(host.Model(), Channel, [&](int ch) {
        if (Field >= 3 && ch == Channel)
            return;
        static const char *const kBox[] = {"cvdCompThresholdOut", "cvdCompAttackOut", "cvdCompReleaseOut",
                                           "cvdCompRatioOut", "cvdCompKneeOut"};
        static const char *const kTarget[] = {"isCompThresholdOut", "isCompAttackOut", "isCompReleaseOut",
                                              "udCompRatioOut", "udCompKneeOut"};
        static QString (*const kText[])(int) = {ThresholdText, PaddedMsText, PaddedMsText, RatioText, KneeText};
        ShowField(kTarget[Field], kBox[Field], ch, Value, kText[Field]);
    });
}

void CompPage::DrawCompCurve(int Channel)
{
    auto *threshold = Control<TSmTrackBar>("isCompThresholdOut", Channel);
    auto *ratio = Control<TUpDown>("udCompRatioOut", Channel);
    auto *knee = Control<TUpDown>("udCompKneeOut", Channel);
    auto *plot = PageNames::Find<TgXYPlot>(host, "ipComp");
    if (!threshold || !ratio || !knee || !plot)
        return;
    ShowTransferCurve(*plot, CompressorCurve(threshold->Position(), ratio->Position(), knee->Position()));
    const QString out = "Out " + PageNames::Suffix(Channel);
    SetCaption("lbCompName", out + "  " + host.TranslateQ("SID_COMP"));
    SetCaption("lbHeadCompOut", out);
    plotChannel = Channel;
}

void CompPage::Refresh()
{
    {
        FlagScope scope(updating);
        const LUnitControl &model = host.Model();
        for (int ch = 4; ch < 12; ++ch) {
            const std::array<uint16_t, 5> c = model.GetComp(ch);
            const struct {
                const char *target, *box;
                int position;
                QString (*text)(int);
            } rows[] = {
                {"isCompThresholdOut", "cvdCompThresholdOut", c[4] - 180, ThresholdText},
                {"udCompRatioOut", "cvdCompRatioOut", ClampRatioIndex(c[0]), RatioText},
                {"isCompAttackOut", "cvdCompAttackOut", c[1], PaddedMsText},
                {"isCompReleaseOut", "cvdCompReleaseOut", c[2], PaddedMsText},
                {"udCompKneeOut", "cvdCompKneeOut", c[3], KneeText},
            };
            for (const auto &r : rows)
                if (!ShowField(r.target, r.box, ch, r.position, r.text))
                    return;
        }
    }
    DrawCompCurve(4);
}
