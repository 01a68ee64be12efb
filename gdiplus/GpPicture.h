#pragma once
// TGpPicture: an encoded picture decoded through the drawing layer, as the
// slider's thumbs, the office image and the hint information keep them.

#include "GdipPictureBase.h"

class TGpPicture : public TGdipPictureBase {
public:
    TGpPicture() = default;

    void Assign(TPersistent *Source) override;
    void Draw(TCanvas *ACanvas, const TRect &Rect) override;
    // Missing or unreadable files leave the picture empty, silently.
    void LoadFromFile(const QString &FileName) override;
    void LoadFromStream(TStream *Stream) override;
    void ReadData(TStream *Stream) override;

    // At its own size with the top-left at (X, Y), or scaled into
    // (X, Y, W, H); the stored size is not changed.
    void DrawImage(TGPGraphics *Graphics, int X, int Y);
    void DrawImageRect(TGPGraphics *Graphics, int X, int Y, int W, int H);
};
