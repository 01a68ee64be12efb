// The colour presets of SetComponentStyle.
#include "SmTrackBar.h"

namespace {

// Normal colours: Color, ColorTo, ColorMirror, ColorMirrorTo, BorderColor.
struct Five {
    TColor color, colorTo, mirror, mirrorTo, border;
};

struct StylePreset {
    TOrvanStyle style;
    Five thumb;
    Five buttons; // the same as thumb where the row says so
    bool buttonsDiffer;
    int set;      // row of the hot / pressed table
    TColor slider; // the bar's border and the tick colour
};

constexpr TColor N = clNone;

// One row per style; tsCustom changes no colour.
const StylePreset kPresets[] = {
    {tsOffice2003Blue,
     {RGB(200, 219, 238), RGB(201, 221, 246), RGB(192, 212, 237), RGB(208, 225, 247), RGB(155, 185, 224)},
     {RGB(221, 236, 254), RGB(196, 219, 249), RGB(221, 236, 254), RGB(129, 169, 226), RGB(59, 97, 156)}, true, 1,
     RGB(116, 150, 194)},
    {tsOffice2003Silver,
     {RGB(192, 212, 237), RGB(216, 216, 230), RGB(192, 212, 237), RGB(179, 178, 200), RGB(118, 116, 146)}, {}, false, 1,
     RGB(118, 116, 146)},
    {tsOffice2003Olive,
     {RGB(234, 240, 207), RGB(234, 240, 207), RGB(234, 240, 207), RGB(177, 192, 140), RGB(177, 192, 140)}, {}, false, 1,
     RGB(177, 192, 140)},
    {tsOffice2003Classic, {RGB(255, 255, 255), RGB(213, 209, 201), RGB(255, 255, 255), RGB(213, 209, 201), clBlack},
     {}, false, 2, RGB(118, 116, 146)},
    {tsOffice2007Luna,
     {RGB(200, 219, 238), RGB(201, 221, 246), RGB(192, 212, 237), RGB(208, 225, 247), RGB(155, 185, 224)}, {}, false, 2,
     RGB(116, 150, 194)},
    {tsOffice2007Obsidian,
     {RGB(214, 222, 223), RGB(219, 226, 228), RGB(206, 213, 215), RGB(224, 229, 231), RGB(178, 188, 192)}, {}, false, 2,
     RGB(178, 188, 192)},
    {tsWindowsXP,
     {RGB(255, 255, 255), RGB(220, 216, 185), RGB(220, 216, 185), RGB(220, 216, 185), RGB(220, 216, 185)}, {}, false, 3,
     RGB(118, 116, 146)},
    {tsWhidbey,
     {RGB(255, 255, 255), RGB(240, 237, 223), RGB(240, 237, 223), RGB(240, 237, 223), RGB(172, 168, 153)}, {}, false, 1,
     RGB(118, 116, 146)},
    {tsOffice2007Silver,
     {RGB(241, 243, 243), RGB(243, 245, 245), RGB(231, 234, 238), RGB(246, 247, 248), RGB(201, 202, 204)}, {}, false, 2,
     RGB(201, 202, 204)},
    {tsWindowsVista, {RGB(249, 253, 255), RGB(215, 240, 253), N, N, RGB(154, 223, 254)},
     {RGB(249, 253, 255), RGB(215, 240, 253), RGB(249, 253, 255), RGB(215, 240, 253), RGB(154, 223, 254)}, true, 4,
     RGB(154, 223, 254)},
    {tsWindows7, {RGB(220, 235, 252), RGB(193, 219, 252), N, N, RGB(125, 162, 206)},
     {RGB(220, 235, 252), RGB(193, 219, 252), RGB(220, 235, 252), RGB(193, 219, 252), RGB(125, 162, 206)}, true, 5,
     RGB(125, 162, 206)},
    {tsTerminal, {clBtnFace, clBtnFace, N, N, clBlack}, {clBtnFace, clBtnFace, clBtnFace, clBtnFace, clBlack}, true, 6,
     clBlack},
    {tsOffice2010Blue, {RGB(249, 252, 254), RGB(205, 217, 234), N, N, RGB(115, 131, 153)},
     {RGB(249, 252, 254), RGB(205, 217, 234), RGB(205, 217, 234), RGB(205, 217, 234), RGB(115, 131, 153)}, true, 7,
     RGB(115, 131, 153)},
    {tsOffice2010Silver, {RGB(250, 252, 253), RGB(250, 252, 253), N, N, RGB(127, 137, 148)},
     {RGB(250, 252, 253), RGB(250, 252, 253), RGB(250, 252, 253), RGB(250, 252, 253), RGB(127, 137, 148)}, true, 7,
     RGB(127, 137, 148)},
    {tsOffice2010Black, {RGB(201, 201, 201), RGB(128, 128, 128), N, N, RGB(38, 38, 38)},
     {RGB(201, 201, 201), RGB(128, 128, 128), RGB(128, 128, 128), RGB(128, 128, 128), RGB(38, 38, 38)}, true, 7,
     RGB(38, 38, 38)},
};

// Hot and pressed sets 1 to 7, each as (hot, pressed).
const Five kStateSets[7][2] = {
    {{RGB(255, 244, 204), RGB(255, 236, 172), RGB(255, 218, 89), RGB(255, 208, 145), RGB(219, 206, 153)},
     {RGB(241, 175, 118), RGB(243, 144, 65), RGB(241, 114, 14), RGB(253, 159, 76), RGB(123, 102, 69)}},
    {{RGB(255, 253, 235), RGB(255, 236, 172), RGB(255, 218, 89), RGB(255, 233, 164), RGB(219, 206, 153)},
     {RGB(241, 175, 118), RGB(243, 144, 65), RGB(241, 114, 14), RGB(253, 159, 76), RGB(123, 102, 69)}},
    {{RGB(198, 211, 239), RGB(198, 211, 239), RGB(198, 211, 239), RGB(198, 211, 239), clHighlight},
     {RGB(132, 146, 181), RGB(132, 146, 181), RGB(132, 146, 181), RGB(132, 146, 181), clHighlight}},
    {{RGB(249, 253, 255), RGB(240, 250, 255), N, N, RGB(154, 223, 254)},
     {RGB(240, 249, 254), RGB(215, 240, 253), N, N, RGB(154, 223, 254)}},
    {{RGB(250, 251, 253), RGB(235, 243, 253), N, N, RGB(141, 178, 227)},
     {RGB(220, 235, 252), RGB(193, 219, 252), N, N, RGB(125, 162, 206)}},
    {{RGB(192, 192, 192), RGB(192, 192, 192), N, N, clBlack}, {clHighlight, clHighlight, N, N, clBlack}},
    {{RGB(253, 247, 223), RGB(251, 223, 121), RGB(251, 223, 121), RGB(253, 247, 223), RGB(240, 194, 52)},
     {RGB(245, 199, 101), RGB(255, 228, 138), RGB(255, 228, 138), RGB(245, 199, 101), RGB(194, 120, 44)}},
};

template <typename T> void ApplyColours(T *o, const Five &normal, const Five &hot, const Five &down)
{
    o->SetColor(normal.color);
    o->SetColorTo(normal.colorTo);
    o->SetColorMirror(normal.mirror);
    o->SetColorMirrorTo(normal.mirrorTo);
    o->SetBorderColor(normal.border);
    o->SetColorHot(hot.color);
    o->SetColorHotTo(hot.colorTo);
    o->SetColorMirrorHot(hot.mirror);
    o->SetColorMirrorHotTo(hot.mirrorTo);
    o->SetBorderColorHot(hot.border);
    o->SetColorDown(down.color);
    o->SetColorDownTo(down.colorTo);
    o->SetColorMirrorDown(down.mirror);
    o->SetColorMirrorDownTo(down.mirrorTo);
    o->SetBorderColorDown(down.border);
    o->SetGradient(ggVertical);
    o->SetGradientMirror(ggVertical);
}

} // namespace

void TCustomTrackBar::SetComponentStyle(TOrvanStyle AStyle)
{
    slider_->SetOffset(10);
    slider_->SetPicture(nullptr);
    slider_->SetPictureCompleted(nullptr);
    slider_->SetPictureDisabled(nullptr);
    slider_->SetPictureCompletedDisabled(nullptr);
    slider_->SetPictureStretched(false);
    tickMark_->SetPicture(nullptr);
    tickMark_->SetPictureDisabled(nullptr);
    tickMark_->SetPosition(tmBottomRight);
    thumb_->SetPicture(nullptr);
    thumb_->SetPictureDown(nullptr);
    thumb_->SetPictureHot(nullptr);
    thumb_->SetPictureDisabled(nullptr);
    thumb_->SetShape(tsPointer);
    buttons_->SetSpacing(2);
    for (const StylePreset &p : kPresets) {
        if (p.style != AStyle)
            continue;
        const Five &hot = kStateSets[p.set - 1][0], &down = kStateSets[p.set - 1][1];
        ApplyColours(thumb_.get(), p.thumb, hot, down);
        ApplyColours(buttons_.get(), p.buttonsDiffer ? p.buttons : p.thumb, hot, down);
        slider_->SetBorderColor(p.slider);
        tickMark_->SetColor(slider_->BorderColor());
    }
    Invalidate();
}
