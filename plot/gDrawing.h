#pragma once
#include "Canvas.h"
#include "Color.h"
#include "Types.h"

#include <QString>

// Drawing and text helpers shared by the plot library.

enum TgFillDirection {
    ifdTopBottom, ifdBottomTop, ifdLeftRight, ifdRightLeft, ifdTopLeftBottomRight, ifdBottomRightTopLeft,
    ifdBottomLeftTopRight, ifdTopRightBottomLeft, ifdRectangleOut, ifdRectangleIn, ifdCircleOut, ifdCircleIn
};
enum TgRotationAngle { ira000, ira090, ira180, ira270 };
enum TgAlignmentHorizontal { iahCenter, iahLeft, iahRight };
enum TgAlignmentVertical { iavCenter, iavTop, iavBottom };

// The library's 16-bit text-flag set; each bit stands for one DrawText flag.
enum TgTextFlag : unsigned {
    itfLeft = 1, itfCenter = 2, itfRight = 4, itfTop = 8, itfVCenter = 16, itfBottom = 32, itfWordBreak = 64,
    itfSingleLine = 128, itfExpandTabs = 256, itfNoClip = 512, itfPrefix = 1024, itfCalcRect = 2048,
    itfEndEllipsis = 4096, itfPathEllipsis = 8192, itfWordEllipsis = 16384, itfModifyString = 32768
};
// The DrawText flags of a text-flag set (DT_NOPREFIX unless itfPrefix).
unsigned TextFlagsToDrawText(unsigned Flags);

// Amount (0..255) added to (Up) or taken from each of red, green and blue of
// the colour (system colours resolved), each held to 0..255.
TColor ShiftColorBrightness(TColor Color, int Amount, bool Up);

// Draws Text into Rect; disabled text (unless measuring or on a black
// background) is embossed: a light copy one pixel down-right, then a shadow.
// Returns the text height.
int DrawTextWithFlags(TCanvas *Canvas, const QString &Text, TRect &Rect, unsigned Flags, bool Enabled,
                      TColor BackGroundColor);
// How a failed paint shows itself: Rect black, the message written in white
// from its top-left corner, wrapped at words.
void DrawFailureMessage(TCanvas *Canvas, const TRect &Rect, const QString &Message);
// Text centred on Rect, turned by Rotation; TextRect receives the rectangle
// the text covers.
void DrawRotatedText(TCanvas *Canvas, const QString &Text, const TRect &Rect, TgRotationAngle Rotation,
                     TgAlignmentHorizontal Alignment, bool Enabled, TColor BackGroundColor, TRect &TextRect);
// The widest line (lines end at CR, LF or CR LF); 0 for no text.
int MaxLineWidth(TCanvas *Canvas, const QString &Text);
int MultiLineTextHeight(TCanvas *Canvas, const QString &Text);
// The height of Text wrapped to Width.
int WrappedTextHeight(TCanvas *Canvas, const QString &Text, int Width);

void DrawFocusRectangle(TCanvas *Canvas, const TRect &Rect);
// 0 a sunken edge, 1 a raised edge, 2 an outline in clBtnShadow filled with
// the canvas brush; other styles draw nothing.
void DrawBorderFrame(TCanvas *Canvas, const TRect &Rect, int Style);

// A gradient of lines, rectangles or ellipses from StartColor to StopColor
// (colour values taken as they are). A single step draws in the start colour.
void FillGradient(TCanvas *Canvas, const TRect &Rect, TgFillDirection Direction, TColor StartColor,
                  TColor StopColor);
