#include "LimitPage.h"

#include "ControlTable.h"
#include "DynamicsText.h"
#include "FlagScope.h"
#include "LUnitControl.h"
#include "LinkGroup.h"
#include "RoundedControls.h"
#include "SmTrackBar.h"
#include "gXYPlot.h"
#include "Timer.h"
#include "TransferCurves.h"
#include "UpDown.h"

namespace {

using namespace ControlTable;
constexpr auto MakeCompactBox = DynamicsPage::MakeCompactBox;
constexpr auto MakeFieldLabel = DynamicsPage::MakeFieldLabel;
constexpr int kColumn = DynamicsPage::kOutputColumn;

const Family kFamilies[] = {
    {"lbLimitName", MakeLabel, Each::One, "skgFftLimit", 20, 22, 538, 20, 0, ""},
    {"lbHeadLimitOut", MakeLabel, Each::One, "skgFftLimit", 560, 22, 46, 20, 0, "Out 1"},
    {"lbLimitOut", MakeLabel, Each::Output, "skgParamLimit", 8, 12, 120, 16, kColumn, "Out"},
    // Each field's caption centred over its slider, its box below.
    DYNAMICS_SLIDER_FIELDS("Limit"),
    {"lbLimitKneeOut", MakeFieldLabel, Each::Output, "skgParamLimit", 2, 218, 62, 14, kColumn, ""},
    {"udLimitKneeOut", MakeUpDown, Each::Output, "skgParamLimit", 66, 214, 17, 22, kColumn, ""},
    {"cvdLimitKneeOut", MakeCompactBox, Each::Output, "skgParamLimit", 83, 214, 45, 22, kColumn, ""},
};

const char *const kSlider[] = {"isLimitThresholdOut", "isLimitAttackOut", "isLimitReleaseOut", "udLimitKneeOut"};
const char *const kBox[] = {"cvdLimitThresholdOut", "cvdLimitAttackOut", "cvdLimitReleaseOut", "cvdLimitKneeOut"};

QString FieldText(int Field, int Position)
{
    return Field == 0 ? ThresholdText(Position) : Field < 3 ? PaddedMsText(Position) : KneeText(Position);
}

} // namespace

LimitPage::LimitPage(PageHost &Host) : DynamicsPage(Host, DynamicsMeters::Kind::Limit, "lbLimitName", 538)
{
    plotChannel = 4;
}

void LimitPage::Build(TWinControl *Client)
{
    ControlTable::Build(host, Client, kFamilies);
    meters.Build(Client);
    CaptionChannelLabels("lbLimitOut");
    tmLimitDisp = MakeRedrawTimer([this] { DrawLimitCurve(limitRedrawChannel); });
    const struct {
        int min, max, position;
    } ranges[] = {{-180, 40, 40}, {0, 998, 50}, {9, 2999, 499}};
    for (int ch = 4; ch < 12; ++ch) {
        for (int field = 0; field < 3; ++field) {
            auto *s = Control<TSmTrackBar>(kSlider[field], ch);
            s->SetMin(ranges[field].min);
            s->SetMax(ranges[field].max);
            s->SetPosition(ranges[field].position);
            s->OnChange = [this, field](TObject *o) {
                if (Updating())
                    return;
                const int t = static_cast<TControl *>(o)->Tag();
                plotChannel = t;
                auto *box = Control<TRoundedEdit>(kBox[field], t);
                if (!box)
                    return;
                const int p = static_cast<TCustomTrackBar *>(o)->Position();
                box->SetText(FieldText(field, p));
                Changed(t, field, p);
            };
        }
        auto *knee = Control<TUpDown>("udLimitKneeOut", ch);
        knee->SetMin(0);
        knee->SetMax(12);
        knee->SetPosition(12);
        knee->OnChangingEx = [this](TObject *o, bool &, int v, TUpDownDirection) {
            auto *u = static_cast<TUpDown *>(o);
            if (Updating() || v < u->Min() || v > u->Max())
                return;
            plotChannel = u->Tag();
            auto *box = Control<TRoundedEdit>("cvdLimitKneeOut", u->Tag());
            if (!box)
                return;
            box->SetText(KneeText(v));
            Changed(u->Tag(), 3, v);
        };
    }
    for (int ch = 4; ch < 12; ++ch)
        for (int field = 0; field < 4; ++field)
            Control<TRoundedEdit>(kBox[field], ch)->SetText(FieldText(field, PositionOf(Control(kSlider[field], ch))));
    BindEntry("cvdLimitThresholdOut", "isLimitThresholdOut", [](const QString &t, TControl *s) {
        return TypedEntry::DbPosition(t, TypedEntry::DbField::Threshold, PositionOf(s));
    }, ThresholdText);
    BindEntry("cvdLimitKneeOut", "udLimitKneeOut", [](const QString &t, TControl *u) {
        return TypedEntry::DbPosition(t, TypedEntry::DbField::Knee, PositionOf(u));
    }, KneeText);
    for (int field = 1; field < 3; ++field)
        BindEntry(kBox[field], kSlider[field], [](const QString &t, TControl *s) {
            auto *bar = static_cast<TCustomTrackBar *>(s);
            return TypedEntry::MsPosition(t, bar->Min(), bar->Max(), bar->Position());
        }, PaddedMsText);
    const auto show = [this](int ch) { DrawLimitCurve(ch); };
    for (const char *prefix : {"lbLimitOut", "isLimitThresholdOut", "isLimitAttackOut", "isLimitReleaseOut",
                               "cvdLimitThresholdOut", "cvdLimitAttackOut", "cvdLimitReleaseOut", "cvdLimitKneeOut"})
        BindSelector(prefix, show);
    BindPageJump("lbMatrixPhaseOut", "skbMenuLimit");
}

void LimitPage::ApplyLanguage()
{
    // The controls' names as hints and as the captions beside them; the
    // plot's title follows the language.
    NameFields({
        {"isLimitThresholdOut", "lbLimitThresholdOut", "SID_COMP_THRESHOLD"},
        {"isLimitAttackOut", "lbLimitAttackOut", "SID_COMP_ATTACK"},
        {"isLimitReleaseOut", "lbLimitReleaseOut", "SID_COMP_RELEASE"},
        {"udLimitKneeOut", "lbLimitKneeOut", "SID_COMP_KNEE"},
    });
    DrawLimitCurve(plotChannel);
}

void LimitPage::Changed(int Channel, int Field, int Value)
{
    Arm(tmLimitDisp);
    limitRedrawChannel = Channel;
    CommitLimitParam(Channel, Field, Value);
    RefreshLinkedLimit(plotChannel, Field, Value);
}

void LimitPage::CommitLimitParam(int Channel, int Field, int Value)
{
    static const int kWord[] = {3, 0, 1, 2};
    if (Field < 0 || Field > 3)
        return;
    std::array<uint16_t, 4> limit = host.Model().GetLimit(Channel);
    limit[kWord[Field]] = uint16_t(Field == 0 ? Value + 180 : Value);
    if (!Updating())
        host.Model().SetLimit(Channel, limit);
}

void LimitPage::RefreshLinkedLimit(int Channel, int Field, int Value)
{
    FlagScope scope(updating);
    ForEachInLinkGroup(host.Model(), Channel, [&](int ch) {
        if (Field != 3 || ch != Channel)
            ShowField(kSlider[Field], kBox[Field], ch, Value, [Field](int p) { return FieldText(Field, p); });
    });
}

void LimitPage::DrawLimitCurve(int Channel)
{
    auto *threshold = Control<TSmTrackBar>("isLimitThresholdOut", Channel);
    auto *knee = Control<TUpDown>("udLimitKneeOut", Channel);
    auto *plot = PageNames::Find<TgXYPlot>(host, "ipLimit");
    if (!threshold || !knee || !plot)
        return;
    ShowTransferCurve(*plot, LimiterCurve(threshold->Position(), knee->Position()));
    const QString out = "Out " + PageNames::Suffix(Channel);
    SetCaption("lbLimitName", out + "  " + host.TranslateQ("SID_LIMIT"));
    SetCaption("lbHeadLimitOut", out);
    plotChannel = Channel;
}

void LimitPage::Refresh()
{
    // The block diagram's labels may have been made after this page.
    BindPageJump("lbMatrixPhaseOut", "skbMenuLimit");
    {
        FlagScope scope(updating);
        for (int ch = 4; ch < 12; ++ch) {
            const std::array<uint16_t, 4> l = host.Model().GetLimit(ch);
            const int positions[] = {l[3] - 180, l[0], l[1], l[2]};
            for (int field = 0; field < 4; ++field)
                if (!ShowField(kSlider[field], kBox[field], ch, positions[field],
                               [field](int p) { return FieldText(field, p); }))
                    return;
        }
    }
    DrawLimitCurve(4);
}
