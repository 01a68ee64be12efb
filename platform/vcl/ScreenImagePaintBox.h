#pragma once
#include "Bitmap.h"
#include "PaintBox.h"

// A paint box that keeps a picture of its whole area, the screen image.
// Code outside Paint builds the picture by copying off-screen bitmaps onto it
// (CopyToScreen), each copy asking for a repaint; Paint shows the picture,
// then PaintOverlay (drawing that the next repaint removes again, such as a
// rubber band), then fires OnPaint. A subclass that rebuilds the picture in
// its own Paint calls this Paint last: copies made while the control paints
// ask for no further repaint. The picture is made on first use.
class TScreenImagePaintBox : public TPaintBox {
public:
    explicit TScreenImagePaintBox(TComponent *AOwner);

    // The picture, always the control's size (new area in Color).
    TCanvas *ScreenCanvas();
    const QImage &ScreenImage();
    void CopyToScreen(const TRect &Dest, TCanvas *Source, const TRect &SourceRect);
    // Whether the picture has been made (it holds pixels).
    bool ScreenMade() const { return !screen_.Empty(); }

    void Paint() override;

protected:
    virtual void PaintOverlay(TCanvas *ACanvas) {}
    // Called before the picture is handed out, so that a control that put
    // off building it (while hidden) can build it first.
    virtual void BringScreenUpToDate() {}

private:
    void FitScreen();

    TBitmap screen_;
};
