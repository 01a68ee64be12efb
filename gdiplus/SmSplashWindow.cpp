#include "SmSplashScreen.h"

#include "Canvas.h"
#include "GpPictureContainer.h"
#include "ImageList.h"
#include "SmSplashHtml.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace {

struct TextSize {
    int w = 0;
    int h = 0;
};

struct Heading {
    TFont *font;
    TColor colorStart, colorEnd;
    Byte opacityStart, opacityEnd;
    TSmGradientType gradient;
    HatchStyle hatch;
    TSmGDIPPicture *picture;
    int angle;
};

Heading HeadingOf(TSplashHeadingText *t)
{
    return {t->Font(), t->ColorStart(), t->ColorEnd(), t->OpacityStart(), t->OpacityEnd(),
            t->GradientType(), t->HatchStyle_(), t->Picture(), t->Angle()};
}

Heading SolidHeading(TFont *font)
{
    return {font, font->Color(), clNone, 255, 255, gtSolid, HatchStyleHorizontal, nullptr, 0};
}

// The size of one styled text line, wherever it is drawn.
TextSize MeasureHeadingText(TGPGraphics *g, const QString &text, const Heading &h)
{
    if (text.isEmpty())
        return {};
    TGPFont *font = g->MakeFont(h.font);
    TGPStringFormat format;
    format.SetAlignment(StringAlignmentNear);
    TGPRectF box{};
    g->MeasureString(text, -1, font, MakeRectF(0, 0, 1500, 500), &format, box);
    delete font;
    return {RoundHalfEven(box.Width), RoundHalfEven(box.Height)};
}

// Draws one styled text line of that measured size with its top left at
// (x, y), coloured by the heading's brush rather than its font.
void DrawHeadingText(TGPGraphics *g, const QString &text, int x, int y, const Heading &h, TextSize size)
{
    if (text.isEmpty())
        return;
    TGPFont *font = g->MakeFont(h.font);
    TGPStringFormat format;
    format.SetAlignment(StringAlignmentNear);
    const ARGB start = ArgbFromColor(h.opacityStart, h.colorStart);
    const ARGB end = ArgbFromColor(h.opacityEnd, h.colorEnd == clNone ? clBlack : h.colorEnd);
    TSmGradientType kind = h.gradient;
    if (h.colorEnd == clNone && kind != gtTexture && kind != gtNone)
        kind = gtSolid;
    const REAL fx = REAL(x), fy = REAL(y), fw = REAL(std::max(1, size.w)), fh = REAL(std::max(1, size.h));
    TGPBrush *brush = nullptr;
    switch (kind) {
    case gtSolid: brush = new TGPSolidBrush(start); break;
    case gtVertical:
        brush = new TGPLinearGradientBrush(MakePointF(fx, fy), MakePointF(fx, fy + fh), start, end);
        break;
    case gtHorizontal:
        brush = new TGPLinearGradientBrush(MakePointF(fx, fy), MakePointF(fx + fw, fy), start, end);
        break;
    case gtForwardDiagonal:
        brush = new TGPLinearGradientBrush(MakePointF(fx, fy), MakePointF(fx + fw, fy + fh), start, end);
        break;
    case gtBackwardDiagonal:
        brush = new TGPLinearGradientBrush(MakePointF(fx + fw, fy), MakePointF(fx, fy + fh), start, end);
        break;
    case gtAngle: {
        auto *b = new TGPLinearGradientBrush(MakeRectF(fx, fy, fw + 10, fh + 10), start, end, REAL(h.angle), true);
        b->SetGammaCorrection(true);
        brush = b;
        break;
    }
    case gtHatch: brush = new TGPHatchBrush(h.hatch, start, end); break;
    case gtTexture:
        if (h.picture && !h.picture->Empty()) {
            QByteArray bytes = h.picture->Data();
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            TGPImage image(&buffer);
            brush = new TGPTextureBrush(&image, WrapModeTile);
        }
        break;
    case gtRadial:
    case gtPath:
    case gtNone:
        break;
    }
    if (brush)
        g->DrawString(text, -1, font, MakeRectF(fx, fy, fw + 10, fh + 10), &format, brush);
    delete brush;
    delete font;
}

void DrawHeadingText(TGPGraphics *g, const QString &text, int x, int y, const Heading &h)
{
    DrawHeadingText(g, text, x, y, h, MeasureHeadingText(g, text, h));
}

TextSize CanvasTextSize(TFont *font, const QString &text)
{
    if (text.isEmpty())
        return {};
    TCanvas canvas;
    canvas.SetFont(font);
    return {canvas.TextWidth(text), canvas.TextHeight(text)};
}

} // namespace

TSplashScreenWindow::TSplashScreenWindow(TComponent *AOwner, TSmSplashScreen *Splash)
    : TForm(AOwner, CreateNew), splash_(Splash)
{
}

TSplashScreenWindow::~TSplashScreenWindow() = default;

TRect TSplashScreenWindow::FillRect() const
{
    TRect r = Rect(0, 0, Width() - 1, Height() - 1);
    if (!splash_)
        return r;
    TGpFill *f = splash_->Fill();
    if (f->BorderColor() != clNone) {
        const int d = f->BorderWidth() == 1 ? 1 : (f->BorderWidth() + 1) / 2;
        r.Inflate(-d, -d);
    }
    return r;
}

TRect TSplashScreenWindow::ContentRect() const
{
    const TRect f = FillRect();
    TGpFill *fill = splash_ ? splash_->Fill() : nullptr;
    const int s = fill && fill->ShadowColor() != clNone ? fill->ShadowOffset() : 0;
    return Bounds(f.Left, f.Top, f.Right - f.Left - s, f.Bottom - f.Top - s);
}

TRect TSplashScreenWindow::ProgramInfoRect() const
{
    TRect r = ContentRect();
    const int inset = splash_ ? splash_->Fill()->Rounding() / 2 : 0;
    r.Inflate(-inset, -inset);
    r.Right -= 5;
    return r;
}

void TSplashScreenWindow::ApplyTextRendering(TGPGraphics *g)
{
    static const TextRenderingHint kHints[] = {TextRenderingHintAntiAlias, TextRenderingHintAntiAliasGridFit,
                                               TextRenderingHintClearTypeGridFit};
    g->SetTextRenderingHint(kHints[splash_->TextRendering()]);
}

void TSplashScreenWindow::DrawFill(TGPGraphics *g)
{
    g->SetSmoothingMode(SmoothingModeAntiAlias);
    splash_->Fill()->Fill(g, MakeRectF(0, 0, REAL(Width() - 1), REAL(Height() - 1)));
}

void TSplashScreenWindow::DrawProgramInfo(TGPGraphics *g)
{
    TBasicProgramInfo *info = splash_->BasicProgramInfo();
    TSplashHeadingText *name = info->ProgramName();
    TSplashHeadingText *version = info->ProgramVersion();
    const Heading nameStyle = HeadingOf(name), versionStyle = HeadingOf(version);
    const TextSize n = MeasureHeadingText(g, name->Text(), nameStyle);
    const TextSize v = MeasureHeadingText(g, version->Text(), versionStyle);
    const TextSize c = CanvasTextSize(info->CopyRightFont(), info->CopyRight());
    const TRect r = ProgramInfoRect();
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    auto centre = [&](int w) { return L + (R - L - w) / 2; };
    const TItemLocation nl = name->Location(), vl = version->Location(), cl = info->CopyRightLocation();

    int nx = L, ny = T;
    switch (nl) {
    case ilTopLeft: break;
    case ilTopCenter: nx = centre(n.w); break;
    case ilTopRight:
        nx = R - n.w;
        if (vl == ilTopRight && v.w > 0)
            nx -= v.w + 1;
        break;
    case ilBottomLeft:
        ny = B - n.h;
        if (cl == ilBottomLeft && c.h > 0)
            ny -= c.h + 3;
        break;
    case ilBottomCenter:
        nx = centre(n.w);
        ny = B - n.h;
        if (cl == ilBottomCenter)
            ny -= c.h + 3 + v.h;
        break;
    case ilBottomRight:
        nx = R - n.w;
        ny = B - n.h;
        if (vl == ilBottomRight && v.w > 0)
            nx -= v.w + 1;
        if (cl == ilBottomRight && c.h > 0)
            ny -= c.h + 3;
        break;
    case ilCustom: nx = name->PosX(); ny = name->PosY(); break;
    }

    int vx = L, vy = T;
    switch (vl) {
    case ilTopLeft:
        if (nl == ilTopLeft) {
            vx = L + n.w + 1;
            vy = T + (n.h - v.h) / 2;
        }
        break;
    case ilTopCenter:
        vx = centre(v.w);
        if (nl == ilTopCenter)
            vy += n.h + v.h;
        break;
    case ilTopRight: vx = R - v.w; break;
    case ilBottomLeft:
        if (nl == ilBottomLeft && n.w > 0) {
            vx = L + n.w + 1;
            vy = B - n.h;
        } else {
            vy = B - v.h;
        }
        if (cl == ilBottomLeft && c.h > 0)
            vy -= c.h + 3;
        break;
    case ilBottomCenter:
    case ilBottomRight:
        vx = vl == ilBottomCenter ? centre(v.w) : R - v.w;
        vy = n.h < 1 ? B - v.h : B - n.h;
        if (cl == vl && c.h > 0)
            vy -= c.h + 3;
        break;
    case ilCustom: vx = version->PosX(); vy = version->PosY(); break;
    }

    int cx = L, cy = T;
    switch (cl) {
    case ilTopLeft:
    case ilTopCenter:
    case ilTopRight:
        cx = cl == ilTopLeft ? L : cl == ilTopCenter ? centre(c.w) : R - c.w;
        if (nl == cl && n.h > 0)
            cy += n.h + 3;
        else if (vl == cl && v.h > 0)
            cy += v.h + 3;
        break;
    case ilBottomLeft: cy = B - c.h; break;
    case ilBottomCenter: cx = centre(c.w); cy = B - c.h; break;
    case ilBottomRight: cx = R - c.w; cy = B - c.h; break;
    case ilCustom: cx = info->CopyRightPosX(); cy = info->CopyRightPosY(); break;
    }

    DrawHeadingText(g, name->Text(), nx, ny, nameStyle, n);
    DrawHeadingText(g, version->Text(), vx, vy, versionStyle, v);
    // Placed by its canvas size, drawn at the size the drawing layer measures.
    DrawHeadingText(g, info->CopyRight(), cx, cy, SolidHeading(info->CopyRightFont()));
}

void TSplashScreenWindow::DrawItems(TGPGraphics *g)
{
    TSplashItems *items = splash_->Items();
    for (int i = 0; i < items->Count(); ++i) {
        TSplashItem *item = items->Items(i);
        if (!item->Visible())
            continue;
        int x = item->PosX();
        TSmGDIPPicture *pic = item->Picture();
        TCustomImageList *images = splash_->Images();
        if (!pic->Empty()) {
            pic->GpDraw(g, MakeRectF(REAL(item->PosX()), REAL(item->PosY()), REAL(pic->Width()),
                                     REAL(pic->Height())));
            x += pic->Width() + splash_->PictureGap();
        } else if (images && item->ImageIndex() >= 0) {
            if (item->ImageIndex() < images->Count())
                DrawQImage(g, images->Image(item->ImageIndex()),
                           MakeRectF(REAL(item->PosX()), REAL(item->PosY()), REAL(images->Width()),
                                     REAL(images->Height())));
            x += images->Width() + splash_->PictureGap();
        }
        DrawHeadingText(g, item->Text(), x, item->PosY(), SolidHeading(item->Font()));
    }
}

void TSplashScreenWindow::DrawListItems(TGPGraphics *g)
{
    TSplashListItemsSettings *settings = splash_->ListItemsSettings();
    TListItemsRect *area = settings->Rect();
    const TRect list = area->GetRect();
    TSplashListItems *items = splash_->ListItems();
    THtmlDrawOptions o;
    o.Images = splash_->Images();
    o.PictureContainer = splash_->PictureContainer();
    o.URLColor = settings->HTMLURLColor();
    o.ShadowColor = settings->HTMLShadowColor();
    o.ShadowOffset = settings->HTMLShadowOffset();
    o.LineSpacing = 2;
    o.WordWrap = true;

    // Stack the items from the top, measured.
    std::vector<int> heights(size_t(items->Count()), 0);
    int top = list.Top;
    for (int i = 0; i < items->Count(); ++i) {
        THtmlDrawOptions measure = o;
        measure.MeasureOnly = true;
        THtmlDrawResult r;
        DrawHtmlTextGdip(g, settings->HTMLFont(), items->Items(i)->HTMLText(), Rect(0, 0, area->Width(), area->Height()),
                         measure, r);
        heights[size_t(i)] = r.YSize;
        items->Items(i)->SetDisplayRect(Rect(list.Left, top, list.Right, top + r.YSize));
        top += r.YSize + settings->Space();
    }
    // Let the oldest scroll out at the top when the newest do not fit.
    int first = 0;
    if (items->Count() > 0) {
        int overflow = items->Items(items->Count() - 1)->DisplayRect().Bottom - list.Bottom;
        while (overflow > 0 && first < items->Count()) {
            overflow -= heights[size_t(first)] + settings->Space();
            items->Items(first)->SetDisplayRect(Rect(list.Left, -1, list.Right, -1));
            ++first;
        }
        if (first > 0 && first < items->Count()) {
            const int shift = items->Items(first)->DisplayRect().Top - list.Top;
            for (int i = first; i < items->Count(); ++i) {
                TRect d = items->Items(i)->DisplayRect();
                d.Offset(0, -shift);
                items->Items(i)->SetDisplayRect(d);
            }
        }
    }
    for (int i = first; i < items->Count(); ++i) {
        TSplashListItem *item = items->Items(i);
        if (item->HTMLText().isEmpty())
            continue;
        const TRect d = item->DisplayRect();
        THtmlDrawResult r;
        DrawHtmlTextGdip(g, settings->HTMLFont(), item->HTMLText(),
                         Rect(d.Left, d.Top, d.Left + area->Width(), d.Top + area->Height()), o, r);
    }
}

void TSplashScreenWindow::DrawTopLayerItems(TGPGraphics *g)
{
    const TRect f = FillRect();
    const int X = f.Left, Y = f.Top, W = f.Width(), H = f.Height();
    TSmSplashTopLayerItems *items = splash_->TopLayerItems();
    for (int i = 0; i < items->Count(); ++i) {
        TSmSplashTopLayerItem *item = items->Items(i);
        if (!item->Visible())
            continue;
        TRect box;
        switch (item->Align()) {
        case alTop: box = Bounds(X, Y, W - X, item->Height()); break;
        case alBottom: box = Bounds(X, Y + H - item->Height(), W - X, item->Height()); break;
        case alLeft: box = Bounds(X, Y, item->Width(), H); break;
        case alRight: box = Bounds(W - item->Width(), Y, item->Width(), H); break;
        case alClient: box = Bounds(X, Y, W - X, H); break;
        case alCustom: box = Bounds(X + item->Left(), Y + item->Top(), item->Width(), item->Height()); break;
        case alNone: continue; // an empty box paints nothing
        }
        const bool rounded = item->Fill()->Rounding() > 0 && item->Fill()->RoundingType() != rtNone;
        g->SetSmoothingMode(rounded ? SmoothingModeAntiAlias : SmoothingModeDefault);
        item->Fill()->Fill(g, MakeRectF(REAL(box.Left), REAL(box.Top), REAL(box.Width()), REAL(box.Height())));
        TSmSplashHTMLText *html = item->HTMLText();
        if (html->Text().isEmpty())
            continue;
        THtmlDrawOptions o;
        o.Images = splash_->Images();
        o.PictureContainer = splash_->PictureContainer();
        o.URLColor = html->URLColor();
        o.ShadowColor = html->ShadowColor();
        o.ShadowOffset = html->ShadowOffset();
        o.MeasureOnly = true;
        THtmlDrawResult size;
        DrawHtmlTextGdip(g, html->Font(), html->Text(), Rect(0, 0, box.Width(), box.Height()), o, size);
        int x = 0, y = 0;
        const int loc = html->Location();
        if (loc == cpCustom) {
            x = html->Left();
            y = html->Top();
        } else {
            const int column = loc % 3, row = loc / 3;
            x = column == 0 ? 0 : column == 1 ? (box.Width() - size.XSize) / 2 : box.Width() - size.XSize;
            y = row == 0 ? 0 : row == 1 ? (box.Height() - size.YSize) / 2 : box.Height() - size.YSize;
            x += box.Left;
            y += box.Top;
        }
        o.MeasureOnly = false;
        THtmlDrawResult drawn;
        DrawHtmlTextGdip(g, html->Font(), html->Text(), Bounds(x, y, box.Width(), box.Height()), o, drawn);
    }
}

void TSplashScreenWindow::DrawProgress(TGPGraphics *g)
{
    if (!splash_->ProgressBar()->Visible() || !progressBar_)
        return;
    const TRect b = progressBar_->BoundsRect();
    progressBar_->Appearance()->Draw(g, MakeRectF(REAL(b.Left), REAL(b.Top), REAL(b.Width()), REAL(b.Height())), 0,
                                     100, progressBar_->DisplayedPosition());
}

void TSplashScreenWindow::SetCurrentOpacity(Byte Value)
{
    if (forcedTransparent_) {
        opacity_ = Value;
        UpdateLayered();
    } else {
        SetAlphaBlendValue(Value);
    }
}

void TSplashScreenWindow::RenderLayered()
{
    if (!forcedTransparent_ || !mainBuffer_ || !splash_)
        return;
    {
        TGPGraphics g(mainBuffer_.get());
        g.Clear(0);
        ApplyTextRendering(&g);
        DrawFill(&g);
        DrawProgramInfo(&g);
        DrawListItems(&g);
        DrawTopLayerItems(&g);
        DrawItems(&g);
        DrawProgress(&g);
    }
    SetFormStyle(fsStayOnTop);
    UpdateLayered();
}

void TSplashScreenWindow::UpdateLayered()
{
    if (!mainBuffer_)
        return;
    QImage frame;
    mainBuffer_->GetHBITMAP(0, frame);
    TForm::UpdateLayered(frame, opacity_);
    ++pushes_;
}

void TSplashScreenWindow::Paint()
{
    TForm::Paint();
    if (forcedTransparent_ || !splash_)
        return;
    QPainter *p = Canvas()->Handle();
    if (!p)
        return;
    TGPGraphics g(p);
    ApplyTextRendering(&g);
    DrawFill(&g);
    DrawProgramInfo(&g);
    DrawListItems(&g);
    DrawTopLayerItems(&g);
    DrawItems(&g);
}

void TSplashScreenWindow::Click()
{
    ++inClick_;
    TForm::Click();
    if (splash_ && splash_->OnClick)
        splash_->OnClick(splash_);
    --inClick_;
}
