#include "LdDrawing.h"

#include "Panel.h"

void DrawFrame3D(TCanvas *Canvas, TRect &R, TColor TopColor, TColor BottomColor, int Width)
{
    if (Width > 0)
        Frame3D(Canvas, R, TopColor, BottomColor, Width);
}

void TileBitmap(TCanvas *Canvas, const TRect &R, TBitmap *Bitmap)
{
    if (!Bitmap || Bitmap->Empty())
        return;
    Canvas->SaveState();
    Canvas->IntersectClipRect(R);
    for (int x = R.Left; x < R.Right; x += Bitmap->Width())
        for (int y = R.Top; y < R.Bottom; y += Bitmap->Height())
            Canvas->Draw(x, y, Bitmap);
    Canvas->RestoreState();
}

void DrawButtonCaption(TCanvas *Canvas, const QString &Text, const TRect &R, bool Enabled)
{
    Canvas->Brush()->SetStyle(bsClear);
    TRect r = R;
    if (Enabled) {
        Canvas->DrawText(Text, r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        return;
    }
    const TColor own = Canvas->Font()->Color();
    r.Offset(1, 1);
    Canvas->Font()->SetColor(clBtnHighlight);
    Canvas->DrawText(Text, r, 0);
    r = R;
    Canvas->Font()->SetColor(clBtnShadow);
    Canvas->DrawText(Text, r, 0);
    Canvas->Font()->SetColor(own);
}

void ImageTextLayout(const TRect &Client, TSize TextSize, TSize ImageSize, int Spacing, int Margin,
                     TLdImageTextLayout Layout, TPoint &ImagePos, TRect &TextBounds)
{
    const TSize client{Client.Width(), Client.Height()};
    TPoint image{0, 0}, text{0, 0};
    const bool across = Layout == ImageLeft || Layout == ImageRight;
    if (across) {
        image.Y = (client.cy - ImageSize.cy + 1) / 2;
        text.Y = (client.cy - TextSize.cy + 1) / 2;
    } else {
        image.X = (client.cx - ImageSize.cx + 1) / 2;
        text.X = (client.cx - TextSize.cx + 1) / 2;
    }
    if (TextSize.cx == 0 || ImageSize.cx == 0)
        Spacing = 0;
    const int c = across ? client.cx : client.cy, i = across ? ImageSize.cx : ImageSize.cy;
    const int t = across ? TextSize.cx : TextSize.cy;
    if (Margin == -1) {
        if (Spacing == -1) {
            Margin = (c - (i + t)) / 3;
            Spacing = Margin;
        } else {
            Margin = (c - (i + Spacing + t) + 1) / 2;
        }
    } else if (Spacing == -1) {
        Spacing = ((c - Margin - i) - t) / 2;
    }
    switch (Layout) {
    case ImageLeft:
        image.X = Margin;
        text.X = Margin + ImageSize.cx + Spacing;
        break;
    case ImageRight:
        image.X = client.cx - Margin - ImageSize.cx;
        text.X = image.X - Spacing - TextSize.cx;
        break;
    case ImageTop:
        image.Y = Margin;
        text.Y = Margin + ImageSize.cy + Spacing;
        break;
    case ImageBottom:
        image.Y = client.cy - Margin - ImageSize.cy;
        text.Y = image.Y - Spacing - TextSize.cy;
        break;
    }
    ImagePos = {image.X + Client.Left, image.Y + Client.Top};
    TextBounds = Bounds(text.X + Client.Left, text.Y + Client.Top, TextSize.cx, TextSize.cy);
}

void CalcImageTextLayout(TCanvas *Canvas, const TRect &Client, const QString &Caption, TSize ImageSize,
                         int Spacing, int Margin, TLdImageTextLayout Layout, TPoint &ImagePos, TRect &TextBounds)
{
    TSize text{0, 0};
    if (!Caption.isEmpty()) {
        TRect r = Rect(0, 0, Client.Width(), 0);
        Canvas->DrawText(Caption, r, DT_CALCRECT);
        text = {r.Width(), r.Height()};
    }
    ImageTextLayout(Client, text, ImageSize, Spacing, Margin, Layout, ImagePos, TextBounds);
}
