#pragma once
// The small tagged-text renderer of the splash screen: lays out and draws a
// short text with HTML-like tags (B I U S, FONT, A, BR, P, UL/LI, IMG, HR,
// SUB/SUP, shadows, highlights and a few more) into a rectangle, line by
// line, and reports the size it needs and the link under a point.
//
// It ends on any input: every step consumes text, numbers saturate, sizes
// are clamped (font sizes to 1..kHtmlMaxFontPoints points, image sizes to
// 0..kHtmlMaxImageSize pixels) and list levels to kHtmlMaxListLevel.

#include "SmGDIP.h"

#include "Color.h"
#include "Types.h"

#include <QImage>
#include <QString>

class TFont;
class TGpPictureContainer;
class TCustomImageList;

inline constexpr int kHtmlMaxFontPoints = 400;
inline constexpr int kHtmlMaxImageSize = 4096;
inline constexpr int kHtmlMaxListLevel = 64;

// What the caller asks of one call; the defaults are those of the splash.
struct THtmlDrawOptions {
    TCustomImageList *Images = nullptr;
    int XPos = 0, YPos = 0;          // point of the link hit test
    int FocusLink = -1;              // link with the keyboard focus, -1 none
    int HoverLink = -1;              // link under the mouse, -1 none
    int ShadowOffset = 5;
    bool HitOnly = false;            // second pass measures only (hit test)
    bool MeasureOnly = false;        // no second pass: sizes only
    bool Print = false;              // system icons scaled, list images not drawn
    bool Selected = false;           // colours of the markup ignored
    bool Blink = false;              // blink phase
    bool HoverStyle = false;         // only HoverLink underlined and hover-coloured
    bool WordWrap = true;            // break lines at blanks
    double Scale = 1.0;              // system icons in print mode
    TColor URLColor = clBlue;
    TColor HoverColor = clNone;
    TColor HoverFontColor = clNone;
    TColor ShadowColor = clGray;
    TGpPictureContainer *PictureContainer = nullptr;
    int LineSpacing = 2;             // below every line followed by another
};

// What one call found.
struct THtmlDrawResult {
    QString AnchorValue;   // target of the link under the point
    QString StrippedText;  // the text without tags; a carriage return per BR
    QString FocusAnchor;   // target of the FocusLink link
    int XSize = 0;         // widest line + 2
    int YSize = 0;         // sum of the line heights + 2
    int LinkCount = 0;
    int MouseLink = -1;    // link under the point
    TRect HoverRect;       // rectangle of the link under the point
};

// Lays out Text in Rect and, unless MeasureOnly, draws it on Graphics with
// Font as the base font (left unchanged). True when the point lies on a link.
bool DrawHtmlTextGdip(TGPGraphics *Graphics, TFont *Font, const QString &Text, const TRect &Rect,
                      const THtmlDrawOptions &Options, THtmlDrawResult &Result);

// The colour of a lower-case colour name ("clred", "clbtnface", ...); black
// for any other name.
TColor HtmlColorNameToColor(const QString &Name);
// "#RRGGBB" (upper-case hexadecimal digits) as a colour; missing or foreign
// digits count 0.
TColor HtmlHexToColor(const QString &Value);
// Draws a picture made in memory (an icon, an image-list entry) into dest
// through the drawing layer, which takes pictures as encoded streams.
void DrawQImage(TGPGraphics *Graphics, const QImage &Image, const TGPRectF &Dest);

// Replaces the first occurrence of Old in Text, found without regard to
// case; true when there was one.
bool ReplaceFirstText(const QString &Old, const QString &New, QString &Text);
