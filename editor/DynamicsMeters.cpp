#include "DynamicsMeters.h"

#include "ControlTable.h"
#include "LProgressBar.h"
#include "LevelMeters.h"
#include "PageHost.h"
#include "PageNames.h"
#include "SkLabel.h"
#include "UpDown.h"

#include <deque>
#include <string>
#include <vector>

namespace {

using namespace ControlTable;
using PageNames::Find;

struct Scale {
    const char *stem;    // "lbClip" ...
    const char *caption; // "Clip" ...
};
const Scale kOutputScale[] = {{"lbClip", "Clip"}, {"lb12", "12"},   {"lb5", "5"},     {"lb0", "0"},
                              {"lbN5", "-5"},     {"lbN15", "-15"}, {"lbN30", "-30"}, {"lbN60", "-60"}};
const Scale kInputScale[] = {{"lbClip", "Clip"}, {"lb12", "12"},   {"lb5", "5"},     {"lb0", "0"},    {"lbN5", "-5"},
                             {"lbN15", "-15"},   {"lbN20", "-20"}, {"lbN30", "-30"}, {"lbN60", "-60"}};

// Tops of the scale labels at dh = 0 (the offsets b of T = dh x k / 9 + b).
const int kOutputTop[] = {58, 81, 105, 128, 151, 175, 198, 222};
const int kGateTop[] = {36, 59, 82, 105, 129, 152, 175, 198, 222};

// White on the meters' black panels.
TControl *MakeScaleLabel(TComponent *Owner)
{
    auto *l = static_cast<TSkLabel *>(MakeLabel(Owner));
    l->Font()->SetColor(clWhite);
    l->Font()->SetSize(7);
    return l;
}

struct Names {
    QString side;  // "CompOut", "LimitOut", "GateIn"
    QString frame; // "skgFftComp" ...
    bool input;
    const Scale *scale;
    int scaleCount;
};

Names NamesOf(DynamicsMeters::Kind k)
{
    switch (k) {
    case DynamicsMeters::Kind::Comp:
        return {"CompOut", "skgFftComp", false, kOutputScale, 8};
    case DynamicsMeters::Kind::Limit:
        return {"LimitOut", "skgFftLimit", false, kOutputScale, 8};
    default:
        return {"GateIn", "skgFftGate", true, kInputScale, 9};
    }
}

// The channels of the page's side with their tags.
std::vector<ControlTable::Member> Channels(bool Input)
{
    return ControlTable::Members("", Input ? Each::Input : Each::Output);
}

// Left of the plot channel's meter panel at the base size.
int FixedLeft(bool Input)
{
    return Input ? 830 : 608;
}

// The name suffixes of the page's meter panels: the plot channel's (none),
// then each channel's.
std::vector<QString> Panels(bool Input)
{
    std::vector<QString> out{QString()};
    for (const auto &m : Channels(Input))
        out.push_back(m.name);
    return out;
}

} // namespace

void DynamicsMeters::Build(TWinControl *Client)
{
    const Names n = NamesOf(kind);
    const std::string side = n.side.toStdString(), frame = n.frame.toStdString();
    // Names live while the table is built (the rows are read then only).
    std::deque<std::string> keep;
    auto name = [&](const char *Stem) { return keep.emplace_back(Stem + side).c_str(); };
    const Each each = n.input ? Each::Input : Each::Output;
    // Beside the plot, in a panel of its own between the plot and the
    // channels' panels: the plot channel's meters and scale; then one panel
    // per channel. Every panel holds the same set in the same places, so
    // that they all stand in one line.
    const char *panel = name("plLevel");
    const int fixedWidth = n.input ? 40 : 48;
    std::vector<Family> rows;
    rows.push_back({panel, MakePanel, Each::One, frame.c_str(), FixedLeft(n.input), 30, fixedWidth, 247, 0, ""});
    rows.push_back({panel, MakePanel, each, frame.c_str(), n.input ? 873 : 659, 30, 50, 247, 53, ""});
    for (const Each set : {Each::One, each}) {
        const int scaleWidth = (set == Each::One ? fixedWidth : 48) - 18;
        if (n.input) {
            rows.push_back({name("pbLevel"), MakeMeter, set, panel, 4, 32, 12, 208, 0, ""});
        } else {
            rows.push_back({name("pbLimit"), MakeMeter, set, panel, 4, 8, 12, 22, 0, ""});
            rows.push_back({name("lbLimit"), MakeScaleLabel, set, panel, 2, 35, 46, 14, 0, ""});
            rows.push_back({name("pbLevel"), MakeMeter, set, panel, 4, 55, 12, 185, 0, ""});
        }
        for (int j = 0; j < n.scaleCount; ++j)
            rows.push_back({name(n.scale[j].stem), MakeScaleLabel, set, panel, 18, n.input ? kGateTop[j] : kOutputTop[j],
                            scaleWidth, 14, 0, ""});
    }
    ControlTable::Build(host, Client, rows.data(), rows.size());

    // The captions, and the meters' scales, in every panel.
    for (const QString &suffix : Panels(n.input)) {
        for (int j = 0; j < n.scaleCount; ++j)
            host.FindControl(n.scale[j].stem + n.side + suffix)->SetCaption(n.scale[j].caption);
        SetUpLevelMeter(Find<LProgressBar>(host, "pbLevel" + n.side + suffix), n.input);
        if (!n.input) {
            SetUpActivityBar(Find<LProgressBar>(host, "pbLimit" + n.side + suffix));
            host.FindControl("lbLimit" + n.side + suffix)->SetCaption(kind == Kind::Comp ? "COMP" : "LIMIT");
        }
    }
}

bool DynamicsMeters::Stretch(int dw, int dh, bool Vertical, bool Horizontal)
{
    const Names n = NamesOf(kind);
    auto find = [&](const QString &Name) { return host.FindControl(Name); };
    if (Vertical) {
        // Every panel alike: the meter ends 7 pixels above the panel's foot
        // at every height.
        for (const QString &suffix : Panels(n.input)) {
            TControl *panel = find("plLevel" + n.side + suffix), *level = find("pbLevel" + n.side + suffix);
            if (!panel || !level)
                return false;
            panel->SetHeight(dh + 247);
            if (n.input) {
                level->SetHeight(dh * 8 / 9 + 208);
                level->SetTop(dh / 9 + 32);
            } else {
                TControl *bar = find("pbLimit" + n.side + suffix), *label = find("lbLimit" + n.side + suffix);
                if (!bar || !label)
                    return false;
                level->SetHeight(dh * 8 / 9 + 185);
                level->SetTop(dh / 9 + 55);
                bar->SetHeight(dh / 9 + 22);
                label->SetTop(dh / 9 + 35);
            }
            for (int j = 0; j < n.scaleCount; ++j) {
                TControl *l = find(n.scale[j].stem + n.side + suffix);
                if (!l)
                    return false;
                l->SetTop(dh * (j + (n.input ? 1 : 2)) / 9 + (n.input ? kGateTop[j] : kOutputTop[j]));
            }
        }
    }
    if (Horizontal) {
        // The plot channel's panel keeps between the plot (W = dw + ...) and
        // the channels' panels.
        TControl *fixedPanel = find("plLevel" + n.side);
        if (!fixedPanel)
            return false;
        fixedPanel->SetLeft(dw + FixedLeft(n.input));
        for (const auto &m : Channels(n.input)) {
            TControl *panel = find("plLevel" + n.side + m.name);
            if (!panel)
                return false;
            panel->SetLeft(53 * m.tag + dw + (n.input ? 873 : 447));
        }
    }
    return true;
}

void DynamicsMeters::Show(const LMainLinkUi::LevelDisplay &Levels, int PlotChannel)
{
    const Names n = NamesOf(kind);
    auto meter = [&](const QString &Name) { return Find<LProgressBar>(host, Name); };
    for (const auto &m : Channels(n.input)) {
        const int ch = m.tag;
        const int steps = n.input ? Levels.inputSteps[ch] : Levels.outputSteps[ch - 4];
        LProgressBar *level = meter("pbLevel" + n.side + m.name);
        if (!level)
            return;
        level->SetPosition(steps);
        const bool onPlot = ch == PlotChannel;
        if (onPlot) {
            LProgressBar *plotLevel = meter("pbLevel" + n.side);
            if (!plotLevel)
                return;
            plotLevel->SetPosition(steps);
        }
        if (n.input)
            continue;
        int active = 0;
        if (kind == Kind::Comp) {
            auto *ratio = Find<TUpDown>(host, PageNames::Name("udCompRatioOut", ch));
            if (!ratio)
                return;
            active = (Levels.activity >> (ch - 4)) & 1 && ratio->Position() != 0;
        } else {
            active = (Levels.activity >> (8 + ch - 4)) & 1;
        }
        LProgressBar *bar = meter("pbLimit" + n.side + m.name);
        LProgressBar *plotBar = meter("pbLimit" + n.side);
        if (!bar || !plotBar)
            return;
        bar->SetPosition(active);
        if (onPlot)
            plotBar->SetPosition(active);
    }
}

void DynamicsMeters::Reset()
{
    const Names n = NamesOf(kind);
    std::vector<QString> names;
    for (const auto &m : Channels(n.input)) {
        names.push_back("pbLevel" + n.side + m.name);
        if (!n.input)
            names.push_back("pbLimit" + n.side + m.name);
    }
    names.push_back("pbLevel" + n.side);
    if (!n.input)
        names.push_back("pbLimit" + n.side);
    for (const QString &name : names) {
        auto *m = Find<LProgressBar>(host, name);
        if (!m)
            return;
        m->SetPosition(0);
    }
}
