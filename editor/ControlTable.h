#pragma once
#include "Color.h"

#include <QString>

#include <cstddef>
#include <vector>

class PageHost;
class TComponent;
class TControl;
class TWinControl;

// Layouts as data: a family row names one control, or one per input (suffix
// "A" to "D", tag 0-3), per output (suffix "1" to "8", tag 4-11) or per
// number (suffix "1" to count, tag 0 to count-1), at a base rectangle moved
// by the step for each member. Stretch rules set one edge of every member of
// a family from the window's growth.
namespace ControlTable {

enum class Each { One, Input, Output, Count };

using MakeFn = TControl *(*)(TComponent *Owner);

struct Family {
    const char *prefix;
    MakeFn make;
    Each each;
    const char *parent; // "" is the client area
    int left, top, width, height;
    int stepX; // added per member to the left edge
    const char *caption; // members of a channel family get " " + suffix
    int stepY = 0; // added per member to the top edge
    int count = 0; // members of an Each::Count family
};

struct Member {
    QString name;
    int tag;   // channel (0-3 inputs, 4-11 outputs), number, or 0
    int index; // 0-based within the family
};

std::vector<Member> Members(const char *Prefix, Each EachKind, int Count = 0);

// Makes every member of every row, owned by the host, parented to the row's
// parent (looked up by name; `Client` when none), and enters it in the
// host's name index. A parent that does not exist yet is a fault of the
// table's order and throws.
void Build(PageHost &Host, TWinControl *Client, const Family *Rows, size_t Count);
template <size_t N>
void Build(PageHost &Host, TWinControl *Client, const Family (&Rows)[N])
{
    Build(Host, Client, Rows, N);
}

enum class Edge { Left, Top, Width, Height };

// d is dh for vertical rules and dw for horizontal ones; x the member's tag.
struct Rule {
    const char *prefix;
    Each each;
    Edge edge;
    int (*value)(int d, int x);
    int count = 0;
};

// Applies the rules in order; stops at the first name that does not exist
// and returns false then.
bool Apply(PageHost &Host, const Rule *Rules, size_t Count, int d);
template <size_t N>
bool Apply(PageHost &Host, const Rule (&Rules)[N], int d)
{
    return Apply(Host, Rules, N, d);
}

// Makers of the window's common controls, for the `make` column.
TControl *MakeGroupBox(TComponent *Owner);
TControl *MakeBmpButton(TComponent *Owner);
TControl *MakeLabel(TComponent *Owner);
TControl *MakePanel(TComponent *Owner);
TControl *MakeFftDraw(TComponent *Owner);
TControl *MakeXYPlot(TComponent *Owner);
// A vertical page slider (TSmTrackBar; the page sets its range), a value
// edit box (TRoundedEdit: rounded 6, white edge, centred black text; white
// where the user types, light cyan where the box only shows a value), an
// up-down spinner, a level meter (LProgressBar) and a picture (TImage).
TControl *MakeSlider(TComponent *Owner);
TControl *MakeValueBox(TComponent *Owner);
TControl *MakeReadOnlyBox(TComponent *Owner);
constexpr TColor kReadOnlyBoxColor = 0xFFFFDF; // red 223, green and blue 255
TControl *MakeUpDown(TComponent *Owner);
// The response displays' bevelled push buttons (EQ bypass and reset: black,
// an 11-pixel Arial caption in the light border grey) and LED toggles
// (curve overlays and show-all: black, no bevel, an olive LED that turns
// yellow, an 11-pixel Tahoma caption that the page colours by channel).
TControl *MakeDisplayButton(TComponent *Owner);
TControl *MakeDisplayToggle(TComponent *Owner);
TControl *MakeMeter(TComponent *Owner);
TControl *MakeImage(TComponent *Owner);
// A windowless paint box (TPaintBox) drawn by its OnPaint handler.
TControl *MakePaintBox(TComponent *Owner);

} // namespace ControlTable
