#include "ChannelStrip.h"

#include "ControlTable.h"
#include "LProgressBar.h"
#include "Label.h"
#include "LUnitControl.h"
#include "LevelMeters.h"
#include "LinkGroup.h"
#include "PageHost.h"
#include "PageNames.h"
#include "RoundedControls.h"
#include "SkBmpButton.h"
#include "SkGroupBox.h"
#include "SmTrackBar.h"
#include "UpDown.h"
#include "UpdatingScope.h"
#include "ValueScales.h"

namespace {

using namespace ControlTable;
using PageNames::Find;
using PageNames::SideName;

TControl *MakeInputMeter(TComponent *Owner)
{
    auto *m = new LProgressBar(Owner);
    SetUpLevelMeter(m, true);
    return m;
}

TControl *MakeOutputMeter(TComponent *Owner)
{
    auto *m = new LProgressBar(Owner);
    SetUpLevelMeter(m, false);
    return m;
}

TControl *MakeActivity(TComponent *Owner)
{
    auto *m = new LProgressBar(Owner);
    SetUpActivityBar(m);
    return m;
}

TControl *MakeGainSlider(TComponent *Owner)
{
    auto *s = static_cast<TSmTrackBar *>(MakeSlider(Owner));
    s->SetMax(120);
    s->SetMin(-280);
    s->SetPageSize(6);
    return s;
}

TControl *MakeGainBox(TComponent *Owner)
{
    auto *b = static_cast<TRoundedEdit *>(MakeReadOnlyBox(Owner));
    b->SetText("+0.0dB");
    return b;
}

// Mute: group 2; polarity: group 1 on the channel page, 3 on the Gain page;
// each a toggle (all up allowed), whose pressed face reads as pressed.
template <int Group>
TControl *MakeToggle(TComponent *Owner)
{
    auto *b = new TSkBmpButton(Owner);
    b->SetGroupIndex(Group);
    b->SetAllowAllUp(true);
    return b;
}

// The Gain page's narrow strips take the toggles' captions in a smaller type.
template <int Group>
TControl *MakeSmallToggle(TComponent *Owner)
{
    TControl *b = MakeToggle<Group>(Owner);
    b->Font()->SetSize(7);
    return b;
}

TControl *MakeCentredLabel(TComponent *Owner)
{
    TControl *label = MakeLabel(Owner);
    static_cast<TCustomLabel *>(label)->SetAlignment(taCenter);
    return label;
}

// The channel page's strip stands right of the crossover columns, "Gain"
// over the toggles beside the slider; the Gain page's strips each have a
// frame of their own, so that the toggles of one channel never release those
// of another, under a title row naming the inputs' and the outputs' group.
const Family kStrips[] = {
    {"pbLevelIn", MakeInputMeter, Each::Input, "skgParamIn", 966, 30, 12, 204, 0, ""},
    {"pbLimitOut", MakeActivity, Each::Output, "skgParamOut", 966, 30, 12, 14, 0, ""},
    {"pbLevelOut", MakeOutputMeter, Each::Output, "skgParamOut", 966, 50, 12, 184, 0, ""},
    {"isGainIn", MakeGainSlider, Each::Input, "skgParamIn", 982, 26, 34, 210, 0, ""},
    {"isGainOut", MakeGainSlider, Each::Output, "skgParamOut", 982, 26, 34, 210, 0, ""},
    {"skbMuteIn", MakeToggle<2>, Each::Input, "skgParamIn", 1020, 60, 48, 24, 0, ""},
    {"skbMuteOut", MakeToggle<2>, Each::Output, "skgParamOut", 1020, 60, 48, 24, 0, ""},
    {"skbPhaseIn", MakeToggle<1>, Each::Input, "skgParamIn", 1020, 100, 48, 24, 0, ""},
    {"skbPhaseOut", MakeToggle<1>, Each::Output, "skgParamOut", 1020, 100, 48, 24, 0, ""},
    {"lbGainIn", MakeCentredLabel, Each::Input, "skgParamIn", 1020, 38, 48, 16, 0, ""},
    {"lbGainOut", MakeCentredLabel, Each::Output, "skgParamOut", 1020, 38, 48, 16, 0, ""},
    {"cvdGainIn", MakeGainBox, Each::Input, "skgParamIn", 964, 242, 104, 24, 0, ""},
    {"cvdGainOut", MakeGainBox, Each::Output, "skgParamOut", 964, 242, 104, 24, 0, ""},

    {"lbGainInput", MakeCentredLabel, Each::One, "skgParamGain", 8, 4, 342, 16, 0, ""},
    {"lbGainOutput", MakeCentredLabel, Each::One, "skgParamGain", 368, 4, 686, 16, 0, ""},
    {"skgGainBackupIn", MakeGroupBox, Each::Input, "skgParamGain", 8, 22, 84, 262, 86, ""},
    {"skgGainBackupOut", MakeGroupBox, Each::Output, "skgParamGain", 368, 22, 84, 262, 86, ""},
    {"pbLevelBackupIn", MakeInputMeter, Each::Input, "skgGainBackupIn", 6, 24, 12, 184, 0, ""},
    {"pbLimitBackupOut", MakeActivity, Each::Output, "skgGainBackupOut", 6, 24, 12, 14, 0, ""},
    {"pbLevelBackupOut", MakeOutputMeter, Each::Output, "skgGainBackupOut", 6, 42, 12, 166, 0, ""},
    {"isGainBackupIn", MakeGainSlider, Each::Input, "skgGainBackupIn", 30, 20, 34, 190, 0, ""},
    {"isGainBackupOut", MakeGainSlider, Each::Output, "skgGainBackupOut", 30, 20, 34, 190, 0, ""},
    {"cvdGainBackupIn", MakeGainBox, Each::Input, "skgGainBackupIn", 4, 212, 76, 22, 0, ""},
    {"cvdGainBackupOut", MakeGainBox, Each::Output, "skgGainBackupOut", 4, 212, 76, 22, 0, ""},
    {"skbMuteBackupIn", MakeSmallToggle<2>, Each::Input, "skgGainBackupIn", 2, 236, 38, 22, 0, ""},
    {"skbMuteBackupOut", MakeSmallToggle<2>, Each::Output, "skgGainBackupOut", 2, 236, 38, 22, 0, ""},
    {"skbPhaseBackupIn", MakeSmallToggle<3>, Each::Input, "skgGainBackupIn", 42, 236, 40, 22, 0, ""},
    {"skbPhaseBackupOut", MakeSmallToggle<3>, Each::Output, "skgGainBackupOut", 42, 236, 40, 22, 0, ""},
    // Titles of the Gain page's two overview displays.
    {"lbFftGainIn", MakeLabel, Each::One, "skgFftGain", 20, 4, 150, 18, 0, ""},
    {"lbFftGainOut", MakeLabel, Each::One, "skgFftGain", 600, 4, 60, 18, 0, ""},
};

const Rule kHorizontal[] = {
    {"lbFftGainOut", Each::One, Edge::Left, [](int d, int) { return d / 2 + 600; }},
};

// Name of one role of a channel's strip on the page (Backup false) or the
// Gain page.
QString RoleName(const char *Role, bool Backup, int Channel)
{
    return SideName((QByteArray(Role) + (Backup ? "Backup" : "")).constData(), Channel);
}

} // namespace

void ChannelStrip::Build(TWinControl *Client)
{
    ControlTable::Build(host, Client, kStrips);
    for (int ch = 0; ch < 12; ++ch) {
        if (auto *frame = Find<TSkGroupBox>(host, SideName("skgGainBackup", ch)))
            frame->SetCaption(SideName("", ch));
        for (bool backup : {false, true}) {
            Find<TSmTrackBar>(host, RoleName("isGain", backup, ch))->OnChange = [this, backup](TObject *Sender) {
                GainChange(Sender, backup);
            };
            Find<TSkBmpButton>(host, RoleName("skbMute", backup, ch))->OnClick = [this, backup](TObject *Sender) {
                MuteClick(Sender, backup);
            };
            Find<TSkBmpButton>(host, RoleName("skbPhase", backup, ch))->OnClick = [this, backup](TObject *Sender) {
                PhaseClick(Sender, backup);
            };
        }
    }
}

bool ChannelStrip::Stretch(int dw, int, bool, bool Horizontal)
{
    return !Horizontal || Apply(host, kHorizontal, dw);
}

void ChannelStrip::ApplyLanguage()
{
    for (const auto &[name, sid] : {std::pair{"lbFftGainIn", "SID_IN"}, std::pair{"lbFftGainOut", "SID_OUT"},
                                    std::pair{"lbGainInput", "SID_IN"}, std::pair{"lbGainOutput", "SID_OUT"}})
        if (TControl *c = host.FindControl(name))
            c->SetCaption(host.TranslateQ(sid));
    const QString gain = host.TranslateQ("SID_GAIN");
    for (int ch = 0; ch < 12; ++ch)
        if (TControl *c = host.FindControl(SideName("lbGain", ch)))
            c->SetCaption(gain);
    const QString mute = host.TranslateQ("SID_MUTE");
    const QString on = host.TranslateQ("SID_PHASE_ON"), off = host.TranslateQ("SID_PHASE_OFF");
    for (int ch = 0; ch < 12; ++ch)
        for (bool backup : {false, true}) {
            auto *m = Find<TSkBmpButton>(host, RoleName("skbMute", backup, ch));
            auto *p = Find<TSkBmpButton>(host, RoleName("skbPhase", backup, ch));
            if (!m || !p)
                return;
            m->SetCaption(mute);
            p->SetCaption(p->Down() ? on : off);
        }
}

void ChannelStrip::GainChange(TObject *Sender, bool Backup)
{
    if (host.IsUpdatingControls())
        return;
    auto *slider = static_cast<TSmTrackBar *>(Sender);
    const int ch = slider->Tag();
    auto *box = Find<TRoundedEdit>(host, RoleName("cvdGain", Backup, ch));
    auto *twinBox = Find<TRoundedEdit>(host, RoleName("cvdGain", !Backup, ch));
    auto *twin = Find<TSmTrackBar>(host, RoleName("isGain", !Backup, ch));
    if (!box || !twinBox || !twin)
        return;
    const int p = slider->Position();
    // The twin's own change event runs its handler to its end here.
    twin->SetPosition(p);
    const QString text = QString::fromStdString(GainText(p));
    box->SetText(text);
    twinBox->SetText(text);
    host.Model().SetGain(ch, uint16_t(p - slider->Min()));
    RefreshLinkedGain(ch, p);
}

void ChannelStrip::MuteClick(TObject *Sender, bool Backup)
{
    auto *button = static_cast<TSkBmpButton *>(Sender);
    const int ch = button->Tag();
    auto *twin = Find<TSkBmpButton>(host, RoleName("skbMute", !Backup, ch));
    if (!twin)
        return;
    const bool down = button->Down();
    twin->SetDown(down);
    host.Model().SetMute(ch, down);
    RefreshLinkedMute(ch, down);
}

void ChannelStrip::PhaseClick(TObject *Sender, bool Backup)
{
    auto *button = static_cast<TSkBmpButton *>(Sender);
    const int ch = button->Tag();
    auto *twin = Find<TSkBmpButton>(host, RoleName("skbPhase", !Backup, ch));
    if (!twin)
        return;
    const bool down = button->Down();
    twin->SetDown(down);
    const QString caption = host.TranslateQ(down ? "SID_PHASE_ON" : "SID_PHASE_OFF");
    button->SetCaption(caption);
    twin->SetCaption(caption);
    host.Model().SetPolarity(ch, down ? 1 : 0);
    RefreshLinkedPhase(ch, down);
}

void ChannelStrip::RefreshLinkedGain(int Channel, int Position)
{
    UpdatingScope updating(host);
    const QString text = QString::fromStdString(GainText(Position));
    bool whole = true;
    ForEachInLinkGroup(host.Model(), Channel, [&](int ch) {
        for (bool backup : {false, true}) {
            auto *box = Find<TRoundedEdit>(host, RoleName("cvdGain", backup, ch));
            auto *slider = Find<TSmTrackBar>(host, RoleName("isGain", backup, ch));
            if (!whole || !box || !slider) {
                whole = false;
                return;
            }
            box->SetText(text);
            slider->SetPosition(Position);
        }
    });
}

void ChannelStrip::RefreshLinkedMute(int Channel, bool Down)
{
    bool whole = true;
    ForEachInLinkGroup(host.Model(), Channel, [&](int ch) {
        for (bool backup : {false, true}) {
            auto *b = Find<TSkBmpButton>(host, RoleName("skbMute", backup, ch));
            if (!whole || !b) {
                whole = false;
                return;
            }
            b->SetDown(Down);
        }
    });
}

void ChannelStrip::RefreshLinkedPhase(int Channel, bool Down)
{
    const QString caption = host.TranslateQ(Down ? "SID_PHASE_ON" : "SID_PHASE_OFF");
    bool whole = true;
    ForEachInLinkGroup(host.Model(), Channel, [&](int ch) {
        for (bool backup : {false, true}) {
            auto *b = Find<TSkBmpButton>(host, RoleName("skbPhase", backup, ch));
            if (!whole || !b) {
                whole = false;
                return;
            }
            b->SetDown(Down);
            b->SetCaption(caption);
        }
    });
}

void ChannelStrip::ShowLevels(const LMainLinkUi::LevelDisplay &Levels)
{
    for (int ch = 0; ch < 12; ++ch) {
        const int steps = ch < 4 ? Levels.inputSteps[ch] : Levels.outputSteps[ch - 4];
        auto *backup = Find<LProgressBar>(host, SideName("pbLevelBackup", ch));
        auto *page = Find<LProgressBar>(host, SideName("pbLevel", ch));
        if (!backup || !page)
            return;
        backup->SetPosition(steps);
        page->SetPosition(steps);
        if (ch < 4)
            continue;
        // The compressor lights only while its ratio is above 1:1.
        auto *ratio = Find<TUpDown>(host, PageNames::Name("udCompRatioOut", ch));
        auto *activity = Find<LProgressBar>(host, PageNames::Name("pbLimitBackupOut", ch));
        if (!ratio || !activity)
            return;
        activity->SetPosition((Levels.activity >> (ch - 4)) & 1 && ratio->Position() != 0 ? 1 : 0);
    }
}

void ChannelStrip::ResetMeters()
{
    for (int ch = 0; ch < 12; ++ch)
        for (const char *prefix : {"pbLevel", "pbLevelBackup", "pbLimit", "pbLimitBackup"}) {
            if (ch < 4 && QByteArray(prefix).startsWith("pbLimit"))
                continue;
            auto *m = Find<LProgressBar>(host, SideName(prefix, ch));
            if (!m)
                return;
            m->SetPosition(0);
        }
}
