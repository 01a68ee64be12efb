#pragma once
#include "Canvas.h"
#include "Types.h"

// Button faces and 3-D edges as the toolkit draws them.

// The paint state of a self-drawn button.
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
// bsAutoDetect follows NewStyleControls; bsWin31 is the old look.
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Edges of DrawEdge: an outer and an inner ring, raised or sunken.
enum : unsigned {
    BDR_RAISEDOUTER = 0x1,
    BDR_SUNKENOUTER = 0x2,
    BDR_RAISEDINNER = 0x4,
    BDR_SUNKENINNER = 0x8,
    EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
    EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
    EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER,
    EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER,
};
enum : unsigned {
    BF_LEFT = 0x1,
    BF_TOP = 0x2,
    BF_RIGHT = 0x4,
    BF_BOTTOM = 0x8,
    BF_RECT = 0xF,
    BF_MIDDLE = 0x800,
    BF_ADJUST = 0x2000,
};

// Draws the rings of Edge on the sides in Flags (outer ring on R, inner ring
// one pixel inside), raised rings light at the top-left (outer cl3DLight /
// cl3DDkShadow, inner clBtnHighlight / clBtnShadow), sunken ones dark there
// (outer clBtnShadow / clBtnHighlight, inner cl3DDkShadow / cl3DLight);
// BF_MIDDLE fills the inside with clBtnFace; BF_ADJUST moves R inside the
// rings drawn.
void DrawEdge(TCanvas *Canvas, TRect &R, unsigned Edge, unsigned Flags);

// The standard button face on Client. New style: the face colour with raised
// (sunken when IsDown) edges. Old style: a face-coloured rectangle outlined in
// clWindowFrame, its corner pixels in the face colour when IsRounded, a second
// outline inside when IsFocused, then a clBtnShadow line along the left and
// top (IsDown) or a highlight / shadow bevel of BevelWidth. Returns the client
// rectangle less 1 at the left and top and 2 at the right and bottom, moved
// 1 right and down when IsDown.
TRect DrawButtonFace(TCanvas *Canvas, const TRect &Client, int BevelWidth, TButtonStyle Style, bool IsRounded,
                     bool IsDown, bool IsFocused);
