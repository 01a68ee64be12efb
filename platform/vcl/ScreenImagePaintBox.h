#pragma once
#include "Bitmap.h"
#include "PaintBox.h"

// A paint box that keeps a picture of its whole area, the screen image.
// Code outside Paint builds the picture by copying off-screen bitmaps onto it
// (CopyToScreen), each copy asking for a repaint; Paint shows the picture,
// then PaintOverlay (drawing that the next repaint removes again, such as a
// rubber band), then fires OnPaint. A subclass that rebuilds the picture in
// its own Paint calls this Paint last: copies made while the control paints
// ask for no further repaint.
class TScreenImagePaintBox : public TPaintBox {
public:
    explicit TScreenImagePaintBox(TComponent *AOwner);

    // The picture, always the control's size (new area in Color).
    TCanvas *ScreenCanvas();
    const QImage &ScreenImage();
    void CopyToScreen(const TRect &Dest, TCanvas *Source, const TRect &SourceRect);

    void Paint() override;

protected:
    virtual void PaintOverlay(TCanvas *ACanvas) {}

private:
    void FitScreen();

    TBitmap screen_;
};
