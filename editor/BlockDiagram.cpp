#include "BlockDiagram.h"

#include "ControlTable.h"
#include "PageHost.h"
#include "PageNames.h"
#include "PageNavigation.h"
#include "Shape.h"
#include "SkBmpButton.h"
#include "SkLabel.h"

namespace {

using namespace ControlTable;

TControl *MakeFrameShape(TComponent *Owner)
{
    auto *s = new TShape(Owner);
    s->SetShape(stRoundRect);
    s->Pen()->SetColor(TColor(0x808080));
    s->Brush()->SetColor(TColor(0x3C3C3C));
    return s;
}

// One panel per channel; in each, a frame per block and the block's label on
// it (frames first, so that the labels paint over them). Inputs run name,
// GAIN, GATE, GEQ, PEQ, HP/LP, DELAY; outputs XOVER, PEQ, GAIN, COMP, LIMIT,
// DELAY, MUTE, name.
const Family kDiagram[] = {
    {"plMatrixIn", MakePanel, Each::Input, "skgFftMatrix", 20, 35, 415, 50, 0, "", 61},
    {"plMatrixOut", MakePanel, Each::Output, "skgFftMatrix", 561, 23, 510, 26, 0, "", 30},
    {"spMatrixNameIn", MakeFrameShape, Each::Input, "plMatrixIn", 0, 2, 58, 46, 0, ""},
    {"spMatrixGainIn", MakeFrameShape, Each::Input, "plMatrixIn", 77, 12, 50, 26, 0, ""},
    {"spMatrixGateIn", MakeFrameShape, Each::Input, "plMatrixIn", 134, 12, 50, 26, 0, ""},
    {"spMatrixGeqIn", MakeFrameShape, Each::Input, "plMatrixIn", 191, 12, 50, 26, 0, ""},
    {"spMatrixPeqIn", MakeFrameShape, Each::Input, "plMatrixIn", 248, 12, 50, 26, 0, ""},
    {"spMatrixHpLpIn", MakeFrameShape, Each::Input, "plMatrixIn", 305, 12, 50, 26, 0, ""},
    {"spMatrixDelayIn", MakeFrameShape, Each::Input, "plMatrixIn", 362, 12, 50, 26, 0, ""},
    {"lbMatrixNameIn", MakeLabel, Each::Input, "plMatrixIn", 0, 5, 70, 18, 0, ""},
    {"lbMatrixChNameIn", MakeLabel, Each::Input, "plMatrixIn", 0, 26, 70, 18, 0, ""},
    {"lbMatrixGainIn", MakeLabel, Each::Input, "plMatrixIn", 77, 12, 50, 26, 0, ""},
    {"lbMatrixGateIn", MakeLabel, Each::Input, "plMatrixIn", 134, 12, 50, 26, 0, ""},
    {"lbMatrixGeqIn", MakeLabel, Each::Input, "plMatrixIn", 191, 12, 50, 26, 0, ""},
    {"lbMatrixPeqIn", MakeLabel, Each::Input, "plMatrixIn", 248, 12, 50, 26, 0, ""},
    {"lbMatrixHpLpIn", MakeLabel, Each::Input, "plMatrixIn", 305, 12, 50, 26, 0, ""},
    {"lbMatrixDelayIn", MakeLabel, Each::Input, "plMatrixIn", 362, 12, 50, 26, 0, ""},
    {"spMatrixXoverOut", MakeFrameShape, Each::Output, "plMatrixOut", 2, 2, 50, 22, 0, ""},
    {"spMatrixPeqOut", MakeFrameShape, Each::Output, "plMatrixOut", 61, 2, 50, 22, 0, ""},
    {"spMatrixGainOut", MakeFrameShape, Each::Output, "plMatrixOut", 121, 2, 50, 22, 0, ""},
    {"spMatrixCompOut", MakeFrameShape, Each::Output, "plMatrixOut", 180, 2, 50, 22, 0, ""},
    {"spMatrixPhaseOut", MakeFrameShape, Each::Output, "plMatrixOut", 240, 2, 50, 22, 0, ""},
    {"spMatrixDelayOut", MakeFrameShape, Each::Output, "plMatrixOut", 298, 2, 50, 22, 0, ""},
    {"spMatrixMuteOut", MakeFrameShape, Each::Output, "plMatrixOut", 359, 2, 50, 22, 0, ""},
    {"spMatrixNameOut", MakeFrameShape, Each::Output, "plMatrixOut", 416, 1, 58, 24, 0, ""},
    {"lbMatrixXoverOut", MakeLabel, Each::Output, "plMatrixOut", 2, 2, 50, 22, 0, ""},
    {"lbMatrixPeqOut", MakeLabel, Each::Output, "plMatrixOut", 61, 2, 50, 22, 0, ""},
    {"lbMatrixGainOut", MakeLabel, Each::Output, "plMatrixOut", 121, 2, 50, 22, 0, ""},
    {"lbMatrixCompOut", MakeLabel, Each::Output, "plMatrixOut", 180, 2, 50, 22, 0, ""},
    {"lbMatrixPhaseOut", MakeLabel, Each::Output, "plMatrixOut", 240, 2, 50, 22, 0, ""},
    {"lbMatrixDelayOut", MakeLabel, Each::Output, "plMatrixOut", 298, 2, 50, 22, 0, ""},
    {"lbMatrixMuteOut", MakeLabel, Each::Output, "plMatrixOut", 359, 2, 50, 22, 0, ""},
    {"lbMatrixNameOut", MakeLabel, Each::Output, "plMatrixOut", 418, 1, 80, 12, 0, ""},
    {"lbMatrixChNameOut", MakeLabel, Each::Output, "plMatrixOut", 419, 13, 80, 12, 0, ""},
};

// Block captions; the channel names come from the model.
struct Caption {
    const char *prefix;
    Each each;
    const char *text;
};
const Caption kCaptions[] = {
    {"lbMatrixDelayIn", Each::Input, "DELAY"}, {"lbMatrixGainIn", Each::Input, "GAIN"},
    {"lbMatrixHpLpIn", Each::Input, "HP/LP"},  {"lbMatrixGateIn", Each::Input, "GATE"},
    {"lbMatrixPeqIn", Each::Input, "PEQ"},     {"lbMatrixGeqIn", Each::Input, "GEQ"},
    {"lbMatrixDelayOut", Each::Output, "DELAY"}, {"lbMatrixGainOut", Each::Output, "GAIN"},
    {"lbMatrixXoverOut", Each::Output, "XOVER"}, {"lbMatrixCompOut", Each::Output, "COMP"},
    {"lbMatrixPeqOut", Each::Output, "PEQ"},     {"lbMatrixPhaseOut", Each::Output, "LIMIT"},
    {"lbMatrixMuteOut", Each::Output, "MUTE"},
};

// Where a block label leads.
enum class Target { Channel, Delay, Comp, Gate, Limit, Geq, Name };
struct LabelTarget {
    const char *prefix;
    Each each;
    Target target;
};
const LabelTarget kTargets[] = {
    {"lbMatrixGainIn", Each::Input, Target::Channel},   {"lbMatrixHpLpIn", Each::Input, Target::Channel},
    {"lbMatrixPeqIn", Each::Input, Target::Channel},    {"lbMatrixGainOut", Each::Output, Target::Channel},
    {"lbMatrixMuteOut", Each::Output, Target::Channel}, {"lbMatrixPeqOut", Each::Output, Target::Channel},
    {"lbMatrixXoverOut", Each::Output, Target::Channel}, {"lbMatrixDelayIn", Each::Input, Target::Delay},
    {"lbMatrixDelayOut", Each::Output, Target::Delay},  {"lbMatrixCompOut", Each::Output, Target::Comp},
    {"lbMatrixGateIn", Each::Input, Target::Gate},      {"lbMatrixPhaseOut", Each::Output, Target::Limit},
    {"lbMatrixGeqIn", Each::Input, Target::Geq},        {"lbMatrixNameIn", Each::Input, Target::Name},
    {"lbMatrixChNameIn", Each::Input, Target::Name},    {"lbMatrixNameOut", Each::Output, Target::Name},
    {"lbMatrixChNameOut", Each::Output, Target::Name},
};

// Stretch of the block diagram; w = dw / 3 in the label rules.
const Rule kVertical[] = {
    {"plMatrixIn", Each::Input, Edge::Top, [](int d, int i) { return d / 5 * (i + 1) + 61 * i + 35; }},
    {"plMatrixOut", Each::Output, Edge::Top, [](int d, int c) { return d / 9 * (c - 3) + 30 * c - 97; }},
};

#define IN_BLOCK(stem, k, b)                                                                                  \
    {"lbMatrix" stem "In", Each::Input, Edge::Width, [](int d, int) { return d / 21 + 50; }},                 \
        {"lbMatrix" stem "In", Each::Input, Edge::Left, [](int d, int) { return d / 3 * (k) / 8 + (b); }},    \
        {"spMatrix" stem "In", Each::Input, Edge::Width, [](int d, int) { return d / 21 + 50; }},             \
    {                                                                                                         \
        "spMatrix" stem "In", Each::Input, Edge::Left, [](int d, int) { return d / 3 * (k) / 8 + (b); }      \
    }
#define OUT_BLOCK(stem, k, b)                                                                                 \
    {"lbMatrix" stem "Out", Each::Output, Edge::Width, [](int d, int) { return d / 3 / 8 + 50; }},            \
        {"lbMatrix" stem "Out", Each::Output, Edge::Left, [](int d, int) { return d / 3 * (k) / 9 + (b); }},  \
        {"spMatrix" stem "Out", Each::Output, Edge::Width, [](int d, int) { return d / 3 / 8 + 50; }},        \
    {                                                                                                         \
        "spMatrix" stem "Out", Each::Output, Edge::Left, [](int d, int) { return d / 3 * (k) / 9 + (b); }    \
    }

const Rule kHorizontal[] = {
    {"plMatrixIn", Each::Input, Edge::Width, [](int d, int) { return d / 3 + 415; }},
    {"plMatrixOut", Each::Output, Edge::Left, [](int d, int) { return d * 2 / 3 + 561; }},
    {"plMatrixOut", Each::Output, Edge::Width, [](int d, int) { return d / 3 + 510; }},
    {"lbMatrixNameIn", Each::Input, Edge::Width, [](int d, int) { return d / 21 + 70; }},
    {"lbMatrixNameIn", Each::Input, Edge::Left, [](int d, int) { return d / 3 / 8; }},
    {"lbMatrixChNameIn", Each::Input, Edge::Width, [](int d, int) { return d / 21 + 70; }},
    {"lbMatrixChNameIn", Each::Input, Edge::Left, [](int d, int) { return d / 3 / 8; }},
    {"spMatrixNameIn", Each::Input, Edge::Width, [](int d, int) { return d / 21 + 58; }},
    {"spMatrixNameIn", Each::Input, Edge::Left, [](int d, int) { return d / 24; }},
    IN_BLOCK("Gain", 2, 77),
    IN_BLOCK("Gate", 3, 134),
    IN_BLOCK("Geq", 4, 191),
    IN_BLOCK("Peq", 5, 248),
    IN_BLOCK("HpLp", 6, 305),
    IN_BLOCK("Delay", 7, 362),
    {"lbMatrixXoverOut", Each::Output, Edge::Width, [](int d, int) { return d / 3 / 8 + 50; }},
    {"lbMatrixXoverOut", Each::Output, Edge::Left, [](int, int) { return 2; }},
    {"spMatrixXoverOut", Each::Output, Edge::Width, [](int d, int) { return d / 3 / 8 + 50; }},
    {"spMatrixXoverOut", Each::Output, Edge::Left, [](int, int) { return 2; }},
    {"lbMatrixPeqOut", Each::Output, Edge::Width, [](int d, int) { return d / 3 / 8 + 50; }},
    {"lbMatrixPeqOut", Each::Output, Edge::Left, [](int d, int) { return d / 27 + 61; }},
    {"spMatrixPeqOut", Each::Output, Edge::Width, [](int d, int) { return d / 3 / 8 + 50; }},
    {"spMatrixPeqOut", Each::Output, Edge::Left, [](int d, int) { return d / 27 + 61; }},
    OUT_BLOCK("Gain", 2, 121),
    OUT_BLOCK("Comp", 3, 180),
    OUT_BLOCK("Phase", 4, 240),
    OUT_BLOCK("Delay", 5, 298),
    OUT_BLOCK("Mute", 6, 359),
    {"lbMatrixNameOut", Each::Output, Edge::Width, [](int d, int) { return d / 3 / 8 + 80; }},
    {"lbMatrixNameOut", Each::Output, Edge::Left, [](int d, int) { return d / 3 * 7 / 9 + 418; }},
    {"lbMatrixChNameOut", Each::Output, Edge::Width, [](int d, int) { return d / 3 / 8 + 80; }},
    {"lbMatrixChNameOut", Each::Output, Edge::Left, [](int d, int) { return d / 3 * 7 / 9 + 419; }},
    {"spMatrixNameOut", Each::Output, Edge::Width, [](int d, int) { return d / 3 / 8 + 58; }},
    {"spMatrixNameOut", Each::Output, Edge::Left, [](int d, int) { return d / 3 * 7 / 9 + 416; }},
};

#undef IN_BLOCK
#undef OUT_BLOCK

} // namespace

void BlockDiagram::Build(TWinControl *Client)
{
    ControlTable::Build(host, Client, kDiagram);
    for (const Caption &c : kCaptions)
        for (const Member &m : Members(c.prefix, c.each))
            host.FindControl(m.name)->SetCaption(QString::fromLatin1(c.text));
    for (int ch = 0; ch < 12; ++ch) {
        const QString name = PageNames::SideName("", ch);
        host.FindControl("lbMatrixName" + name)->SetCaption(name);
    }
    // Every block label: white centred text, the hand pointer over it.
    for (const Family &f : kDiagram) {
        if (f.make != MakeLabel)
            continue;
        for (const Member &m : Members(f.prefix, f.each)) {
            auto *l = static_cast<TSkLabel *>(host.FindControl(m.name));
            l->Font()->SetColor(clWhite);
            l->SetAlignment(taCenter);
            l->SetLayout(tlCenter);
            if (f.height <= 12)
                l->Font()->SetSize(7);
            l->OnMouseMove = [](TObject *Sender, TShiftState, int, int) { LabelMouseMove(Sender); };
            l->OnMouseLeave = [](TObject *Sender) { LabelMouseLeave(Sender); };
        }
    }
    for (const LabelTarget &t : kTargets)
        for (const Member &m : Members(t.prefix, t.each)) {
            TControl *l = host.FindControl(m.name);
            switch (t.target) {
            case Target::Channel:
                l->OnClick = [this](TObject *Sender) { ChannelLabelClick(Sender); };
                break;
            case Target::Name:
                l->OnClick = [this](TObject *Sender) { host.ShowChannelName(static_cast<TControl *>(Sender)->Tag()); };
                break;
            default: {
                const int page = t.target == Target::Delay  ? PageNavigation::kDelayPage
                                 : t.target == Target::Comp ? PageNavigation::kCompPage
                                 : t.target == Target::Gate ? PageNavigation::kGatePage
                                 : t.target == Target::Limit ? PageNavigation::kLimitPage
                                                             : PageNavigation::kGeqPage;
                l->OnClick = [this, page](TObject *Sender) {
                    OpenPage(page);
                    // The GEQ page opens on the clicked input.
                    if (page == PageNavigation::kGeqPage)
                        if (auto *sel = dynamic_cast<TSkBmpButton *>(host.FindControl(
                                "skbGeqSelIn" + PageNames::Suffix(static_cast<TControl *>(Sender)->Tag()))))
                            sel->Click();
                };
            }
            }
        }
}

bool BlockDiagram::Stretch(int dw, int dh, bool Vertical, bool Horizontal)
{
    if (Vertical && !Apply(host, kVertical, dh))
        return false;
    return !Horizontal || Apply(host, kHorizontal, dw);
}

void BlockDiagram::OpenPage(int Page)
{
    auto *target = ButtonOf(Page);
    if (!target)
        return;
    target->Click();
    target->SetDown(true);
    if (TSkBmpButton *matrix = ButtonOf(PageNavigation::kMatrixPage); matrix && matrix != target)
        matrix->SetDown(false);
}

void BlockDiagram::ChannelLabelClick(TObject *Sender)
{
    const int ch = static_cast<TControl *>(Sender)->Tag();
    if (ch >= 0 && ch < 12)
        OpenPage(ch);
}

void BlockDiagram::LabelMouseMove(TObject *Sender)
{
    if (auto *l = dynamic_cast<TCustomLabel *>(Sender))
        l->SetCursor(crHandPoint);
}

void BlockDiagram::LabelMouseLeave(TObject *Sender)
{
    if (auto *l = dynamic_cast<TCustomLabel *>(Sender))
        l->SetCursor(crDefault);
}

TSkBmpButton *BlockDiagram::ButtonOf(int Page) const
{
    return dynamic_cast<TSkBmpButton *>(host.FindControl(PageNavigation::ButtonName(Page)));
}
