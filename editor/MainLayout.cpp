#include "MainLayout.h"

#include "ControlTable.h"
#include "PageHost.h"

namespace MainLayout {
namespace {

using namespace ControlTable;

// Page frames and parameter areas stand in one place, one above the other.
const Family kFamilies[] = {
    {"skgFunction", MakeGroupBox, Each::One, "", 0, 0, 1115, 38, 0, ""},
    {"skbMenuGain", MakeBmpButton, Each::One, "skgFunction", 4, 4, 50, 30, 0, "GAIN"},
    {"skbMenuDelay", MakeBmpButton, Each::One, "skgFunction", 56, 4, 50, 30, 0, "DELAY"},
    {"skbMenuComp", MakeBmpButton, Each::One, "skgFunction", 108, 4, 50, 30, 0, "COMP"},
    {"skbMenuLimit", MakeBmpButton, Each::One, "skgFunction", 160, 4, 50, 30, 0, "LIMIT"},
    {"skbMenuGate", MakeBmpButton, Each::One, "skgFunction", 212, 4, 50, 30, 0, "GATE"},
    {"skbMenuGeq", MakeBmpButton, Each::One, "skgFunction", 264, 4, 50, 30, 0, "GEQ"},
    {"skbMenuMatrix", MakeBmpButton, Each::One, "skgFunction", 316, 4, 50, 30, 0, "MATRIX"},
    {"skbMenuIn", MakeBmpButton, Each::Input, "skgFunction", 380, 4, 42, 30, 44, "IN"},
    {"skbMenuOut", MakeBmpButton, Each::Output, "skgFunction", 564, 4, 42, 30, 44, "OUT"},
    // 66 wide: its right edge stays inside the window's 1108-pixel client area.
    {"skbMenuLink", MakeBmpButton, Each::One, "skgFunction", 1040, 4, 66, 30, 0, "OffLine"},
    {"skgMain", MakeGroupBox, Each::One, "", 0, 39, 1112, 629, 0, ""},
    {"skgFftGain", MakeGroupBox, Each::One, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgFftDelay", MakeGroupBox, Each::One, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgFftComp", MakeGroupBox, Each::One, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgFftLimit", MakeGroupBox, Each::One, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgFftGate", MakeGroupBox, Each::One, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgFftGeq", MakeGroupBox, Each::One, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgFftMatrix", MakeGroupBox, Each::One, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgFftIn", MakeGroupBox, Each::Input, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgFftOut", MakeGroupBox, Each::Output, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgFftGeqIn", MakeGroupBox, Each::Input, "skgMain", 0, 0, 1112, 284, 0, ""},
    {"skgParamGain", MakeGroupBox, Each::One, "skgMain", 20, 292, 1072, 290, 0, ""},
    {"skgParamDelay", MakeGroupBox, Each::One, "skgMain", 20, 292, 1072, 290, 0, ""},
    {"skgParamComp", MakeGroupBox, Each::One, "skgMain", 20, 292, 1072, 290, 0, ""},
    {"skgParamLimit", MakeGroupBox, Each::One, "skgMain", 20, 292, 1072, 290, 0, ""},
    {"skgParamGate", MakeGroupBox, Each::One, "skgMain", 20, 292, 1072, 290, 0, ""},
    {"skgParamGeq", MakeGroupBox, Each::One, "skgMain", 20, 292, 1072, 290, 0, ""},
    {"skgParamMatrix", MakeGroupBox, Each::One, "skgMain", 20, 292, 1072, 290, 0, ""},
    {"skgParamIn", MakeGroupBox, Each::Input, "skgMain", 20, 292, 1072, 290, 0, ""},
    {"skgParamOut", MakeGroupBox, Each::Output, "skgMain", 20, 292, 1072, 290, 0, ""},
    {"fftDrawGainIn", MakeFftDraw, Each::One, "skgFftGain", 20, 24, 530, 255, 0, ""},
    {"fftDrawGainOut", MakeFftDraw, Each::One, "skgFftGain", 550, 24, 530, 255, 0, ""},
    {"fftDrawIn", MakeFftDraw, Each::Input, "skgFftIn", 21, 24, 1070, 255, 0, ""},
    {"fftDrawOut", MakeFftDraw, Each::Output, "skgFftOut", 21, 24, 1070, 255, 0, ""},
    {"fftDrawGeqIn", MakeFftDraw, Each::Input, "skgFftGeqIn", 21, 24, 1070, 255, 0, ""},
    {"plFftDelayIn", MakePanel, Each::One, "skgFftDelay", 20, 44, 520, 234, 0, ""},
    {"plFftDelayOut", MakePanel, Each::One, "skgFftDelay", 560, 44, 520, 234, 0, ""},
    {"ipComp", MakeXYPlot, Each::One, "skgFftComp", 20, 48, 587, 230, 0, ""},
    {"ipLimit", MakeXYPlot, Each::One, "skgFftLimit", 20, 48, 587, 230, 0, ""},
    {"ipGate", MakeXYPlot, Each::One, "skgFftGate", 20, 48, 810, 230, 0, ""},
    {"pbMatrix", MakePaintBox, Each::One, "skgFftMatrix", 465, 38, 97, 210, 0, ""},
    {"skgPreset", MakeGroupBox, Each::One, "", 10, 626, 420, 38, 0, ""},
    {"lAddress", MakeLabel, Each::One, "skgPreset", 8, 11, 52, 16, 0, ""},
    {"lbPstNum", MakeLabel, Each::One, "skgPreset", 62, 11, 34, 16, 0, ""},
    {"lPreset", MakeLabel, Each::One, "skgPreset", 100, 11, 46, 16, 0, ""},
    {"lbPstName", MakeLabel, Each::One, "skgPreset", 148, 11, 132, 16, 0, ""},
    {"bStore", MakeBmpButton, Each::One, "skgPreset", 284, 7, 62, 24, 0, "Store"},
    {"bRecall", MakeBmpButton, Each::One, "skgPreset", 350, 7, 62, 24, 0, "Recall"},
    // The link's kind, device ID and address at the window's foot (client
    // y 630 to 664): on the main frame, whose lower edge they stand on, so
    // that the frame does not cover them.
    {"lbConInterface", MakeLabel, Each::One, "skgMain", 860, 591, 120, 16, 0, ""},
    {"lbShowIdNumber", MakeLabel, Each::One, "skgMain", 860, 609, 120, 16, 0, "ID : 1"},
    {"lbShowIp", MakeLabel, Each::One, "skgMain", 700, 609, 150, 16, 0, ""},
    {"lbStatus", MakeLabel, Each::One, "skgMain", 450, 601, 200, 16, 0, ""},
};

// Stretch rules of the window's frames; d is dh for vertical rules, dw for
// horizontal ones.
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
    // The foot's labels stay at the frame's lower edge, beside the preset area.
    {"lbConInterface", Each::One, Edge::Top, [](int d, int) { return d + 591; }},
    {"lbShowIdNumber", Each::One, Edge::Top, [](int d, int) { return d + 609; }},
    {"lbShowIp", Each::One, Edge::Top, [](int d, int) { return d + 609; }},
    {"lbStatus", Each::One, Edge::Top, [](int d, int) { return d + 601; }},
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
    // The head labels over the plot channel's meter panel follow it.
    {"lbHeadCompOut", Each::One, Edge::Left, [](int d, int) { return d + 560; }},
    {"lbHeadLimitOut", Each::One, Edge::Left, [](int d, int) { return d + 560; }},
    {"lbHeadGateIn", Each::One, Edge::Left, [](int d, int) { return d + 784; }},
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
    // The channel's name stays right of the EQ buttons, which move with dw.
    {"lbFftChannelIn", Each::Input, Edge::Left, [](int d, int) { return d + 1036; }},
    {"lbFftChannelOut", Each::Output, Edge::Left, [](int d, int) { return d + 1036; }},
};

} // namespace

void Build(PageHost &Form, TWinControl *Client)
{
    ControlTable::Build(Form, Client, kFamilies);
}

bool Stretch(PageHost &Form, int dw, int dh, bool Vertical, bool Horizontal)
{
    if (Vertical && !Apply(Form, kVertical, dh))
        return false;
    return !Horizontal || Apply(Form, kHorizontal, dw);
}

} // namespace MainLayout
