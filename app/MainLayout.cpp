#include "MainLayout.h"

#include "LMyFFTDrawHpLp6dB.h"
#include "Panel.h"
#include "SkBmpButton.h"
#include "SkGroupBox.h"
#include "SkLabel.h"
#include "TfmMain.h"
#include "TgXYPlot.h"

#include <vector>

namespace MainLayout {
namespace {

enum class Kind { GroupBox, Button, Label, Panel, FftDraw, XYPlot };

// Which names a family has: one, or one per input (A-D) or output (1-8).
enum class Each { One, Input, Output };

struct Family {
    const char *prefix;
    Kind kind;
    Each each;
    const char *parent; // "" is the client area
    int left, top, width, height;
    int stepX; // added per channel to the left edge
    const char *caption;
};

// Page frames and parameter areas stand in one place, one above the other.
const Family kFamilies[] = {
    {"skgFunction", Kind::GroupBox, Each::One, "", 0, 0, 1115, 38, 0, ""},
    {"skbMenuGain", Kind::Button, Each::One, "skgFunction", 4, 4, 50, 30, 0, "GAIN"},
    {"skbMenuDelay", Kind::Button, Each::One, "skgFunction", 56, 4, 50, 30, 0, "DELAY"},
    {"skbMenuComp", Kind::Button, Each::One, "skgFunction", 108, 4, 50, 30, 0, "COMP"},
    {"skbMenuLimit", Kind::Button, Each::One, "skgFunction", 160, 4, 50, 30, 0, "LIMIT"},
    {"skbMenuGate", Kind::Button, Each::One, "skgFunction", 212, 4, 50, 30, 0, "GATE"},
    {"skbMenuGeq", Kind::Button, Each::One, "skgFunction", 264, 4, 50, 30, 0, "GEQ"},
    {"skbMenuMatrix", Kind::Button, Each::One, "skgFunction", 316, 4, 50, 30, 0, "MATRIX"},
    {"skbMenuIn", Kind::Button, Each::Input, "skgFunction", 380, 4, 42, 30, 44, "IN"},
    {"skbMenuOut", Kind::Button, Each::Output, "skgFunction", 564, 4, 42, 30, 44, "OUT"},
    {"skbMenuLink", Kind::Button, Each::One, "skgFunction", 1040, 4, 70, 30, 0, "OffLine"},
    {"skgMain", Kind::GroupBox, Each::One, "", 0, 39, 1112, 629, 0, ""},
    {"skgFftGain", Kind::GroupBox, Each::One, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgFftDelay", Kind::GroupBox, Each::One, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgFftComp", Kind::GroupBox, Each::One, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgFftLimit", Kind::GroupBox, Each::One, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgFftGate", Kind::GroupBox, Each::One, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgFftGeq", Kind::GroupBox, Each::One, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgFftMatrix", Kind::GroupBox, Each::One, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgFftIn", Kind::GroupBox, Each::Input, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgFftOut", Kind::GroupBox, Each::Output, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgFftGeqIn", Kind::GroupBox, Each::Input, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgParamGain", Kind::GroupBox, Each::One, "skgMain", 20, 292, 1072, 290, 0, ""},
    {"skgParamDelay", Kind::GroupBox, Each::One, "skgMain", 20, 292, 1072, 290, 0, ""},
    {"skgParamComp", Kind::GroupBox, Each::One, "skgMain", 20, 292, 1072, 290, 0, ""},
    {"skgParamLimit", Kind::GroupBox, Each::One, "skgMain", 20, 292, 1072, 290, 0, ""},
    {"skgParamGate", Kind::GroupBox, Each::One, "skgMain", 20, 292, 1072, 290, 0, ""},
    {"skgParamGeq", Kind::GroupBox, Each::One, "skgMain", 20, 292, 1072, 290, 0, ""},
    {"skgParamMatrix", Kind::GroupBox, Each::One, "skgMain", 20, 292, 1072, 290, 0, ""},
    {"skgParamIn", Kind::GroupBox, Each::Input, "skgMain", 20, 292, 1072, 290, 0, ""},
    {"skgParamOut", Kind::GroupBox, Each::Output, "skgMain", 20, 292, 1072, 290, 0, ""},
    {"fftDrawGainIn", Kind::FftDraw, Each::One, "skgFftGain", 20, 24, 530, 255, 0, ""},
    {"fftDrawGainOut", Kind::FftDraw, Each::One, "skgFftGain", 550, 24, 530, 255, 0, ""},
    {"fftDrawIn", Kind::FftDraw, Each::Input, "skgFftIn", 21, 24, 1070, 255, 0, ""},
    {"fftDrawOut", Kind::FftDraw, Each::Output, "skgFftOut", 21, 24, 1070, 255, 0, ""},
    {"fftDrawGeqIn", Kind::FftDraw, Each::Input, "skgFftGeqIn", 21, 24, 1070, 255, 0, ""},
    {"plFftDelayIn", Kind::Panel, Each::One, "skgFftDelay", 20, 44, 520, 234, 0, ""},
    {"plFftDelayOut", Kind::Panel, Each::One, "skgFftDelay", 560, 44, 520, 234, 0, ""},
    {"ipComp", Kind::XYPlot, Each::One, "skgFftComp", 20, 48, 587, 230, 0, ""},
    {"ipLimit", Kind::XYPlot, Each::One, "skgFftLimit", 20, 48, 587, 230, 0, ""},
    {"ipGate", Kind::XYPlot, Each::One, "skgFftGate", 20, 48, 810, 230, 0, ""},
    {"pbMatrix", Kind::Panel, Each::One, "skgFftMatrix", 465, 38, 97, 210, 0, ""},
    {"skgPreset", Kind::GroupBox, Each::One, "", 10, 626, 420, 38, 0, ""},
    {"lbPstNum", Kind::Label, Each::One, "skgPreset", 10, 10, 60, 18, 0, ""},
    {"lbPstName", Kind::Label, Each::One, "skgPreset", 80, 10, 300, 18, 0, ""},
    {"lbConInterface", Kind::Label, Each::One, "", 860, 630, 120, 16, 0, ""},
    {"lbShowIdNumber", Kind::Label, Each::One, "", 860, 648, 120, 16, 0, "ID : 1"},
    {"lbShowIp", Kind::Label, Each::One, "", 700, 648, 150, 16, 0, ""},
    {"lbStatus", Kind::Label, Each::One, "", 450, 640, 200, 16, 0, ""},
};

constexpr const char *kInputSuffix[] = {"A", "B", "C", "D"};
constexpr const char *kOutputSuffix[] = {"1", "2", "3", "4", "5", "6", "7", "8"};

// One expanded name: the family's name for one channel, and the channel
// index (0-3 inputs, 4-11 outputs, 0 for a single control).
struct Member {
    QString name;
    int channel;
    int index; // 0-based within the family
};

std::vector<Member> Members(const char *prefix, Each each)
{
    std::vector<Member> m;
    if (each == Each::One)
        m.push_back({QString::fromLatin1(prefix), 0, 0});
    if (each == Each::Input)
        for (int i = 0; i < 4; ++i)
            m.push_back({QString::fromLatin1(prefix) + kInputSuffix[i], i, i});
    if (each == Each::Output)
        for (int i = 0; i < 8; ++i)
            m.push_back({QString::fromLatin1(prefix) + kOutputSuffix[i], 4 + i, i});
    return m;
}

TControl *Make(Kind kind, TComponent *owner)
{
    switch (kind) {
    case Kind::GroupBox: {
        auto *g = new TSkGroupBox(owner);
        g->SetCaption("");
        return g;
    }
    case Kind::Button:
        return new TSkBmpButton(owner);
    case Kind::Label: {
        auto *l = new TSkLabel(owner);
        l->SetAutoSize(false);
        l->SetTransparent(true);
        return l;
    }
    case Kind::Panel: {
        auto *p = new TPanel(owner);
        p->SetCaption("");
        p->SetBevelOuter(bvNone);
        p->SetColor(clBlack);
        return p;
    }
    case Kind::FftDraw:
        return new LMyFFTDrawHpLp6dB(owner);
    case Kind::XYPlot:
        return new TgXYPlot(owner);
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// Stretch rules: d is dh for vertical rules, dw for horizontal ones; x the
// channel index.

enum class Edge { Left, Top, Width, Height };

struct Rule {
    const char *prefix;
    Each each;
    Edge edge;
    int (*value)(int d, int x);
};

const Rule kVertical[] = {
    {"skgMain", Each::One, Edge::Height, [](int d, int) { return d + 629; }},
    {"skgFftGain", Each::One, Edge::Height, [](int d, int) { return d + 284; }},
    {"skgFftDelay", Each::One, Edge::Height, [](int d, int) { return d + 284; }},
    {"skgFftComp", Each::One, Edge::Height, [](int d, int) { return d + 284; }},
    {"skgFftLimit", Each::One, Edge::Height, [](int d, int) { return d + 284; }},
    {"skgFftGate", Each::One, Edge::Height, [](int d, int) { return d + 284; }},
    {"skgFftGeq", Each::One, Edge::Height, [](int d, int) { return d + 284; }},
    {"skgFftMatrix", Each::One, Edge::Height, [](int d, int) { return d + 284; }},
    {"skgParamGain", Each::One, Edge::Top, [](int d, int) { return d + 292; }},
    {"skgParamDelay", Each::One, Edge::Top, [](int d, int) { return d + 292; }},
    {"skgParamComp", Each::One, Edge::Top, [](int d, int) { return d + 292; }},
    {"skgParamLimit", Each::One, Edge::Top, [](int d, int) { return d + 292; }},
    {"skgParamGate", Each::One, Edge::Top, [](int d, int) { return d + 292; }},
    {"skgParamGeq", Each::One, Edge::Top, [](int d, int) { return d + 292; }},
    {"skgParamMatrix", Each::One, Edge::Top, [](int d, int) { return d + 292; }},
    {"fftDrawGainIn", Each::One, Edge::Height, [](int d, int) { return d + 255; }},
    {"fftDrawGainOut", Each::One, Edge::Height, [](int d, int) { return d + 255; }},
    {"plFftDelayIn", Each::One, Edge::Height, [](int d, int) { return d + 234; }},
    {"plFftDelayOut", Each::One, Edge::Height, [](int d, int) { return d + 234; }},
    {"ipComp", Each::One, Edge::Height, [](int d, int) { return d + 230; }},
    {"ipLimit", Each::One, Edge::Height, [](int d, int) { return d + 230; }},
    {"ipGate", Each::One, Edge::Height, [](int d, int) { return d + 230; }},
    {"pbMatrix", Each::One, Edge::Top, [](int d, int) { return d / 9 + 38; }},
    {"pbMatrix", Each::One, Edge::Height, [](int d, int) { return d + 210; }},
    {"skgPreset", Each::One, Edge::Top, [](int d, int) { return d + 626; }},
    {"skgFftIn", Each::Input, Edge::Height, [](int d, int) { return d + 284; }},
    {"skgFftOut", Each::Output, Edge::Height, [](int d, int) { return d + 284; }},
    {"skgFftGeqIn", Each::Input, Edge::Height, [](int d, int) { return d + 284; }},
    {"fftDrawIn", Each::Input, Edge::Height, [](int d, int) { return d + 255; }},
    {"fftDrawOut", Each::Output, Edge::Height, [](int d, int) { return d + 255; }},
    {"fftDrawGeqIn", Each::Input, Edge::Height, [](int d, int) { return d + 255; }},
    {"skgParamIn", Each::Input, Edge::Top, [](int d, int) { return d + 292; }},
    {"skgParamOut", Each::Output, Edge::Top, [](int d, int) { return d + 292; }},
};

const Rule kHorizontal[] = {
    {"skbMenuLink", Each::One, Edge::Left, [](int d, int) { return d + 1040; }},
    {"skgFunction", Each::One, Edge::Width, [](int d, int) { return d + 1115; }},
    {"skgMain", Each::One, Edge::Width, [](int d, int) { return d + 1112; }},
    {"skgFftGain", Each::One, Edge::Width, [](int d, int) { return d + 1112; }},
    {"skgFftDelay", Each::One, Edge::Width, [](int d, int) { return d + 1112; }},
    {"skgFftComp", Each::One, Edge::Width, [](int d, int) { return d + 1112; }},
    {"skgFftLimit", Each::One, Edge::Width, [](int d, int) { return d + 1112; }},
    {"skgFftGate", Each::One, Edge::Width, [](int d, int) { return d + 1112; }},
    {"skgFftGeq", Each::One, Edge::Width, [](int d, int) { return d + 1112; }},
    {"skgFftMatrix", Each::One, Edge::Width, [](int d, int) { return d + 1112; }},
    {"skgParamGain", Each::One, Edge::Left, [](int d, int) { return d / 2 + 20; }},
    {"skgParamDelay", Each::One, Edge::Left, [](int d, int) { return d / 2 + 20; }},
    {"skgParamComp", Each::One, Edge::Left, [](int d, int) { return d / 2 + 20; }},
    {"skgParamLimit", Each::One, Edge::Left, [](int d, int) { return d / 2 + 20; }},
    {"skgParamGate", Each::One, Edge::Left, [](int d, int) { return d / 2 + 20; }},
    {"skgParamGeq", Each::One, Edge::Left, [](int d, int) { return d / 2 + 20; }},
    {"skgParamMatrix", Each::One, Edge::Left, [](int d, int) { return d / 2 + 20; }},
    {"fftDrawGainIn", Each::One, Edge::Width, [](int d, int) { return d / 2 + 530; }},
    {"fftDrawGainOut", Each::One, Edge::Width, [](int d, int) { return d / 2 + 530; }},
    {"fftDrawGainOut", Each::One, Edge::Left, [](int d, int) { return d / 2 + 550; }},
    {"plFftDelayIn", Each::One, Edge::Width, [](int d, int) { return d / 2 + 520; }},
    {"plFftDelayOut", Each::One, Edge::Width, [](int d, int) { return d / 2 + 520; }},
    {"plFftDelayOut", Each::One, Edge::Left, [](int d, int) { return d / 2 + 560; }},
    {"ipComp", Each::One, Edge::Width, [](int d, int) { return d + 587; }},
    {"ipLimit", Each::One, Edge::Width, [](int d, int) { return d + 587; }},
    {"ipGate", Each::One, Edge::Width, [](int d, int) { return d + 810; }},
    {"pbMatrix", Each::One, Edge::Left, [](int d, int) { return d / 3 + 465; }},
    {"pbMatrix", Each::One, Edge::Width, [](int d, int) { return d / 3 + 97; }},
    {"skgPreset", Each::One, Edge::Left, [](int d, int) { return d / 2 + 10; }},
    {"skgFftIn", Each::Input, Edge::Width, [](int d, int) { return d + 1112; }},
    {"skgFftOut", Each::Output, Edge::Width, [](int d, int) { return d + 1112; }},
    {"skgFftGeqIn", Each::Input, Edge::Width, [](int d, int) { return d + 1112; }},
    {"fftDrawIn", Each::Input, Edge::Width, [](int d, int) { return d + 1070; }},
    {"fftDrawOut", Each::Output, Edge::Width, [](int d, int) { return d + 1070; }},
    {"fftDrawGeqIn", Each::Input, Edge::Width, [](int d, int) { return d + 1070; }},
    {"skgParamIn", Each::Input, Edge::Left, [](int d, int) { return d / 2 + 20; }},
    {"skgParamOut", Each::Output, Edge::Left, [](int d, int) { return d / 2 + 20; }},
};

void SetEdge(TControl *c, Edge edge, int v)
{
    switch (edge) {
    case Edge::Left:
        c->SetLeft(v);
        break;
    case Edge::Top:
        c->SetTop(v);
        break;
    case Edge::Width:
        c->SetWidth(v);
        break;
    case Edge::Height:
        c->SetHeight(v);
        break;
    }
}

template <size_t N>
bool Apply(TfmMain &form, const Rule (&rules)[N], int d)
{
    for (const Rule &r : rules)
        for (const Member &m : Members(r.prefix, r.each)) {
            TControl *c = form.FindControl(m.name);
            if (!c)
                return false;
            SetEdge(c, r.edge, r.value(d, m.channel));
        }
    return true;
}

} // namespace

void Build(TfmMain &Form, TWinControl *Client)
{
    for (const Family &f : kFamilies) {
        TWinControl *parent = Client;
        if (*f.parent)
            parent = dynamic_cast<TWinControl *>(Form.FindControl(QString::fromLatin1(f.parent)));
        for (const Member &m : Members(f.prefix, f.each)) {
            TControl *c = Make(f.kind, &Form);
            c->SetName(m.name);
            c->SetTag(m.channel);
            c->SetParent(parent);
            c->SetBounds(f.left + f.stepX * m.index, f.top, f.width, f.height);
            if (*f.caption)
                c->SetCaption(f.each == Each::One ? QString::fromUtf8(f.caption)
                                                  : QString::fromUtf8(f.caption) + " " + m.name.right(1));
            Form.RegisterControl(c);
        }
    }
}

bool Stretch(TfmMain &Form, int dw, int dh, bool Vertical, bool Horizontal)
{
    if (Vertical && !Apply(Form, kVertical, dh))
        return false;
    return !Horizontal || Apply(Form, kHorizontal, dw);
}

} // namespace MainLayout
