#pragma once
#include "Canvas.h"
#include "Color.h"
#include "Types.h"

// Stand-in for the desktop's visual styles. One switch, off by default:
// every layout of the program was made for the classic look. When it is on,
// the themed elements below are drawn by this fixed painter (never by the
// desktop's style), so that pictures are the same on every machine.
bool ThemesEnabled();
void SetThemesEnabled(bool Value);

enum class TThemedButtonState { Normal, Hot, Pressed, Disabled, Defaulted };

// A themed push button face filling R: rounded outline, a two-tone vertical
// gradient by state.
void DrawThemedPushButton(TCanvas *Canvas, const TRect &R, TThemedButtonState State);
// The drop-down button of a themed combo box, arrow included.
void DrawThemedComboButton(TCanvas *Canvas, const TRect &R, TThemedButtonState State);
// A themed group box frame: one-pixel rounded outline in the group box colour.
void DrawThemedGroupBox(TCanvas *Canvas, const TRect &R);

// Colours of theme elements that controls ask for.
enum class TThemeColor {
    EditBorder,
    ExplorerBarGroupText,
    ExplorerBarSpecialGroupText,
    ExplorerBarGroupFill,
    ExplorerBarGradient,
    ExplorerBarSpecialHeadFill,
    GroupBoxText,
    SpinBorder,
};
TColor ThemeColor(TThemeColor Kind);
