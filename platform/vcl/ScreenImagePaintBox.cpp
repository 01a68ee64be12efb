#include "ScreenImagePaintBox.h"

TScreenImagePaintBox::TScreenImagePaintBox(TComponent *AOwner) : TPaintBox(AOwner) {}

void TScreenImagePaintBox::FitScreen()
{
    if (screen_.Width() == Width() && screen_.Height() == Height())
        return;
    screen_.SetSize(Width(), Height());
    screen_.Canvas()->Brush()->SetStyle(bsSolid);
    screen_.Canvas()->Brush()->SetColor(Color());
    screen_.Canvas()->FillRect(Rect(0, 0, Width(), Height()));
}

TCanvas *TScreenImagePaintBox::ScreenCanvas()
{
    BringScreenUpToDate();
    FitScreen();
    return screen_.Canvas();
}

const QImage &TScreenImagePaintBox::ScreenImage()
{
    BringScreenUpToDate();
    FitScreen();
    return static_cast<const TBitmap &>(screen_).Image();
}

void TScreenImagePaintBox::CopyToScreen(const TRect &Dest, TCanvas *Source, const TRect &SourceRect)
{
    ScreenCanvas()->CopyRect(Dest, Source, SourceRect);
    if (!Canvas()->HandleAllocated())
        Invalidate();
}

void TScreenImagePaintBox::Paint()
{
    TCanvas *canvas = Canvas();
    canvas->CopyRect(ClientRect(), ScreenCanvas(), Rect(0, 0, Width(), Height()));
    PaintOverlay(canvas);
    TPaintBox::Paint();
}
