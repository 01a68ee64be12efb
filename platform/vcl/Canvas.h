#pragma once
#include "Brush.h"
#include "Font.h"
#include "Pen.h"
#include "Persistent.h"
#include "Region.h"
#include "Types.h"

#include <QImage>
#include <QPolygon>
#include <QRegion>
#include <QString>
#include <vector>

class QPainter;
class TGraphic;

// Raster operations of CopyRect (the Win32 values). S is the source, D the
// destination, P the brush colour; the operation works on every bit.
enum : unsigned {
    SRCCOPY = 0xCC0020,    // S
    SRCAND = 0x8800C6,     // S and D
    SRCPAINT = 0xEE0086,   // S or D
    SRCINVERT = 0x660046,  // S xor D
    SRCERASE = 0x440328,   // S and not D
    NOTSRCCOPY = 0x330008, // not S
    MERGEPAINT = 0xBB0226, // not S or D
    DSNA = 0x220326,       // D and not S
    DSPDXAX = 0xE20746,    // P where S is set, D where it is clear
    BLACKNESS = 0x000042,
    WHITENESS = 0xFF0062,
    DSTINVERT = 0x550009,
};
using TCopyMode = unsigned;

// Flags of TCanvas::DrawText (the Win32 values).
enum : unsigned {
    DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4, DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40, DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800, DT_PATH_ELLIPSIS = 0x4000, DT_END_ELLIPSIS = 0x8000,
    DT_WORD_ELLIPSIS = 0x40000, DT_HIDEPREFIX = 0x100000,
};

// Text background modes of SetBkMode (the Win32 values).
enum : int { TRANSPARENT = 1, OPAQUE = 2 };
// Text alignment of TextOut (the Win32 values): where (X, Y) lies on the
// text: left, right or centre; top, bottom or baseline.
enum : unsigned {
    TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6, TA_TOP = 0, TA_BOTTOM = 8, TA_BASELINE = 24,
};

// The drawing calls a recording canvas keeps (TRecordingCanvas).
enum TCanvasPrimitive {
    cpLine,      // LineTo: Points holds the two ends
    cpPolyline,  // Points: the points as given
    cpPolygon,   // Points: the corners
    cpRectangle, // Rectangle and RoundRect: Points holds the two corners as given
    cpEllipse,   // Points: the two corners of the box
    cpFillRect,  // FillRect, FrameRect and DrawFocusRect: Points holds Left-Top and Right-Bottom
    cpPixel,     // SetPixel
    cpText,      // TextOut, TextRect, DrawText (not measuring): Points holds the origin
    cpPicture,   // Draw, StretchDraw and CopyRect: Points holds the destination corners
};

// One recorded drawing call with the pen and brush it was made with.
struct TCanvasCall {
    TCanvasPrimitive Kind;
    std::vector<TPoint> Points;
    QString Text;
    TColor PenColor;
    TPenStyle PenStyle;
    int PenWidth;
    TColor BrushColor;
    TBrushStyle BrushStyle;
};

// A drawing surface with a pen, a brush and a font, drawing through a
// QPainter with the pixel rules of GDI:
//  - rectangles (Rectangle, FillRect, FrameRect, Ellipse, RoundRect, clip
//    rectangles) cover Left..Right-1 and Top..Bottom-1: the right and bottom
//    edges are left out; Rectangle with a clear pen fills one pixel less
//    in each direction, as GDI does;
//  - LineTo draws from the pen position up to, not including, the end point,
//    then moves the pen there; Polyline likewise leaves out its last point;
//  - pens wider than one pixel are solid whatever their style and have
//    round caps and joins: a disc of the pen's width stamped on every pixel
//    of the one-pixel line (width 2: the pixel and its right, lower and
//    lower-right neighbours);
//  - hatch brushes repeat an 8 x 8 pattern and leave their gaps untouched;
//  - shapes are drawn aliased; only text is smoothed;
//  - TextOut puts the top-left corner of the text cell at (X, Y), fills the
//    cell with the brush colour in the OPAQUE background mode, honours
//    Font.Orientation and moves the pen position to the end of the text.
//    Each change of the brush sets the mode from its style (OPAQUE for a
//    solid brush, TRANSPARENT otherwise); SetBkMode overrides it until the
//    brush changes again.
// Coordinates are the canvas owner's: a control's canvas has (0, 0) at the
// control's top-left corner, whatever window it is painted in.
//
// A control's canvas has a device only while the control paints (inside
// Paint); a bitmap's canvas always has one. Without a device every drawing
// call does nothing, measuring still works, and Pixels answers -1.
class TCanvas : public TPersistent {
public:
    TCanvas();
    ~TCanvas() override;

    TFont *Font() { return &font_; }
    TPen *Pen() { return &pen_; }
    TBrush *Brush() { return &brush_; }
    void SetFont(TFont *Value) { font_.Assign(Value); }
    void SetPen(TPen *Value) { pen_.Assign(Value); }
    void SetBrush(TBrush *Value) { brush_.Assign(Value); }

    // The painter the canvas draws with (it stands where GDI's device context
    // stood); none outside a paint. Code that draws on it directly saves and
    // restores the painter's state around its work.
    QPainter *Handle();
    bool HandleAllocated() const { return painter_ != nullptr; }

    TPoint PenPos() const { return penPos_; }
    void SetPenPos(TPoint Value) { penPos_ = Value; }
    void MoveTo(int X, int Y) { penPos_ = {X, Y}; }
    void LineTo(int X, int Y);
    void Polyline(const std::vector<TPoint> &Points);
    void Polyline(const TPoint *Points, size_t Count);
    // Separate lines, each from Ends[2i] up to, not including, Ends[2i + 1]:
    // the pixels and records of Polyline on each pair, with the pen set up
    // once for all of them where it can. The pen position stays.
    void Segments(const TPoint *Ends, size_t Count);
    void Polygon(const std::vector<TPoint> &Points);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect &R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void RoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth, int CornerHeight);
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Ellipse(const TRect &R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
    // Fills R with the brush; no outline.
    void FillRect(const TRect &R);
    // A one-pixel frame just inside R, in the brush colour.
    void FrameRect(const TRect &R);
    // The dotted focus frame just inside R, drawn by inverting pixels (so a
    // second call removes it).
    void DrawFocusRect(const TRect &R);

    TColor Pixels(int X, int Y);
    void SetPixel(int X, int Y, TColor Color);

    int BkMode() const { return bkMode_; }
    void SetBkMode(int Mode) { bkMode_ = Mode == TRANSPARENT ? TRANSPARENT : OPAQUE; }

    void TextOut(int X, int Y, const QString &Text);
    // TA_ flags; (X, Y) of TextOut and TextRect is the top-left corner of the
    // text cell with the default TA_LEFT | TA_TOP, otherwise the aligned point
    // (taken in the text's own direction when the font is rotated).
    unsigned TextAlign() const { return textAlign_; }
    void SetTextAlign(unsigned Value) { textAlign_ = Value; }
    // TextOut clipped to R; with a brush other than bsClear R is filled first.
    void TextRect(const TRect &R, int X, int Y, const QString &Text);
    int TextWidth(const QString &Text);
    // The cell height (ascent + descent) of the font, whatever the text.
    int TextHeight(const QString &Text);
    TSize TextExtent(const QString &Text);

    // Text laid out in a rectangle, as Win32 DrawText does, with the DT_ flags
    // below: horizontal alignment always, vertical alignment only with
    // DT_SINGLELINE, word wrapping with DT_WORDBREAK, "&" marking the next
    // character unless DT_NOPREFIX ("&&" gives "&"), ellipsis for single
    // lines. DT_CALCRECT draws nothing and sets R's right and bottom to the
    // text's extent. Returns the height of the text. Text backgrounds are
    // filled with the brush colour unless the brush is bsClear.
    int DrawText(const QString &Text, TRect &R, unsigned Flags);

    // Draws a picture at its own size with its top-left at (X, Y), or
    // stretched into R. The picture decides how (TGraphic::Draw).
    void Draw(int X, int Y, TGraphic *Graphic);
    void StretchDraw(const TRect &R, TGraphic *Graphic);
    // Copies the Source rectangle of another canvas (which must have an
    // image: a bitmap's canvas) stretched into Dest with CopyMode, as GDI's
    // StretchBlt does:
    //  - a rectangle whose Right is left of its Left (or Bottom above Top)
    //    has a negative extent: it covers the |extent| pixels ending at
    //    Left (Top) and mirrors the picture along that axis;
    //  - stretching picks the nearest pixel, never blends;
    //  - a monochrome source drawn on a colour canvas gives its black pixels
    //    this canvas's Font colour and its white ones the Brush colour
    //    (except with DSPDXAX, where white sets every bit and the Brush
    //    colour is the pattern);
    //  - a colour source drawn on a monochrome canvas gives white where the
    //    source pixel has the source canvas's Brush colour, black elsewhere.
    // SRCCOPY of a source with alpha blends it over the destination.
    void CopyRect(const TRect &Dest, TCanvas *Source, const TRect &SourceRect);
    // One of the raster operations above; any other value throws
    // EInvalidOperation and keeps the mode. New canvases copy with SRCCOPY.
    TCopyMode CopyMode() const { return copyMode_; }
    void SetCopyMode(TCopyMode Value);

    // Clipping, in canvas coordinates. ClipRect is the bounding box of what
    // can be drawn. SelectClipRgn replaces the clip by the region (within the
    // area the owner allows; none restores that area).
    TRect ClipRect();
    void IntersectClipRect(const TRect &R);
    void ExcludeClipRect(const TRect &R);
    void SelectClipRgn(const TRegion *Region);
    // Saves / restores pen position, clip and painter state (SaveDC /
    // RestoreDC); pairs must match.
    void SaveState();
    void RestoreState();

    // Binding to a device: the owner attaches its painter for the time of a
    // paint (Origin: where (0, 0) of the canvas lies on the painter, Bounds:
    // the canvas's own area in canvas coordinates, used as its base clip) and
    // detaches it afterwards.
    void Attach(QPainter *Painter, TPoint Origin, const TRect &Bounds);
    void Detach();

    void Assign(TPersistent *Source) override;

protected:
    // Called when a drawing call finds no painter; a bitmap's canvas begins
    // one on its image here.
    virtual void CreateHandle() {}
    // The image behind the canvas when it has one (bitmap canvases); it can be
    // read while the canvas keeps drawing on it.
    virtual const QImage *ReadableImage() { return nullptr; }
    // True for the canvas of a monochrome bitmap.
    virtual bool IsMonochrome() const { return false; }
    // The same image for drawing pixels straight into it while the canvas's
    // painter stays open on it.
    virtual QImage *WritableImage() { return nullptr; }
    // True for devices that keep shapes rather than pixels (a metafile):
    // lines and polylines go to the painter as lines with the pen's width
    // and dashes, so that they scale when the drawing is played back.
    virtual bool VectorLines() const { return false; }

    QPainter *painter_ = nullptr;
    // Where the drawing calls are written down, when a descendant records
    // them (with or without a device to draw on).
    std::vector<TCanvasCall> *record_ = nullptr;

private:
    void Record(TCanvasPrimitive Kind, std::vector<TPoint> Points, const QString &Text = QString());
    void Record(TCanvasPrimitive Kind, const TRect &R) { Record(Kind, {R.TopLeft(), R.BottomRight()}); }
    bool Ready();
    void ApplyPen();
    void ApplyBrush();
    void ApplyPenMode();
    void DrawTextAt(int X, int Y, const QString &Text, bool FillCell);
    void DrawLineExcludingEnd(int X1, int Y1, int X2, int Y2);
    // The pixels of the pen's lines: one-pixel pens leave out the gaps of
    // LinePattern; wide pens (always solid) stamp their disc on each pixel,
    // reaching LineReach pixels beyond the line.
    const std::vector<int> &LinePattern() const;
    long long LineReach() const;
    // The pixels of a line from (X1, Y1) up to, not including, (X2, Y2)
    // within Clip (widened by the reach), appended to Points.
    void AddLinePixels(int X1, int Y1, int X2, int Y2, const TRect &Clip, QPolygon &Points);
    void DrawLinePixels(const QPolygon &Points);
    // The lines from point to point as one polyline of the painter.
    void DrawVectorLines(const TPoint *Points, size_t Count);
    // The image to write a copying pen's pixels into, straight, when the
    // canvas draws on a 32-bit image under an integer offset and a
    // rectangular clip (Clip in image pixels); none when the painter must
    // draw them.
    QImage *DirectImage(QPoint &Offset, QRect &Clip);
    // The lines from point to point straight into DirectImage; false (and
    // nothing drawn) when there is none.
    // Step 1: a polyline; step 2: separate segments of two points each.
    bool DrawLinesDirect(const TPoint *Points, size_t Count, size_t Step = 1);
    // Pens wider than a pixel, but for the alternate pen, which is always one.
    bool WidePen() const { return pen_.Width() > 1 && pen_.Style() != psAlternate; }
    void FillPixelsRect(const QRect &r, const QColor &c);

    TFont font_;
    TPen pen_;
    TBrush brush_;
    TCopyMode copyMode_ = SRCCOPY;
    TPoint penPos_;
    int bkMode_ = OPAQUE;
    unsigned textAlign_ = TA_LEFT | TA_TOP;
    QRegion baseClip_;
    std::vector<TPoint> savedPenPos_;
};
