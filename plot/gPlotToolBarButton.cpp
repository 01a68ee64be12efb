#include "gPlotToolBarButton.h"

#include "Canvas.h"
#include "ImageList.h"
#include "gDrawing.h"
#include "gPlotComponent.h"
#include "gPlotToolBarImages.h"

namespace {

// A one-pixel edge on Rect less its last column and row: lowered has the
// shadow at the left and top, raised at the right and bottom.
void DrawThinEdge(TCanvas *Canvas, const TRect &Rect, bool Lowered)
{
    const int l = Rect.Left, t = Rect.Top, r = Rect.Right - 1, b = Rect.Bottom - 1;
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(Lowered ? clBtnShadow : clBtnHighlight);
    Canvas->MoveTo(l, b);
    Canvas->LineTo(l, t);
    Canvas->LineTo(r, t);
    Canvas->Pen()->SetColor(Lowered ? clBtnHighlight : clBtnShadow);
    Canvas->LineTo(r, b);
    Canvas->LineTo(l, b);
}

} // namespace

TgPlotToolBarButton::TgPlotToolBarButton(TgPlotToolBar *AToolBar, TComponent *AOwner, TNotifyEvent AOnChange,
                                         TgPlotToolBarButtonStyle AStyle)
    : TgPlotButton(AOwner, std::move(AOnChange), nullptr, nullptr, nullptr), FStyle(AStyle), FToolBar(AToolBar)
{
}

void TgPlotToolBarButton::Draw(TCanvas *Canvas, TColor)
{
    if (FStyle == iptbbsSpacer || !FImageList)
        return;
    if (FImageIndex == -1 && !FImageName.isEmpty()) {
        const QImage image = PlotToolBarImage(FImageName);
        if (!image.isNull())
            FImageIndex = FImageList->AddMasked(image, kPlotToolBarTransparent);
    }
    int x = Left() + Width() / 2 - FImageList->Width() / 2;
    int y = Top() + Height() / 2 - FImageList->Height() / 2;
    const bool pressed = FMouseDown || Down();
    const auto fillPressed = [&] {
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(ShiftColorBrightness(clWhite, 16, false));
        Canvas->FillRect(DrawRect());
    };
    if (FFlat) {
        if (pressed && !FMouseOver)
            fillPressed();
        if (Enabled()) {
            if (pressed) {
                DrawThinEdge(Canvas, DrawRect(), true);
                ++x;
                ++y;
            } else if (FMouseOver) {
                DrawThinEdge(Canvas, DrawRect(), false);
            }
        }
    } else if (pressed) {
        fillPressed();
        DrawBorderFrame(Canvas, DrawRect(), 0);
        ++x;
        ++y;
    } else {
        DrawBorderFrame(Canvas, DrawRect(), 1);
    }
    FImageList->Draw(Canvas, x, y, FImageIndex, Enabled());
}

void TgPlotToolBarButton::gMouseMove(TgHintData &HintData, TShiftState Shift, int X, int Y, int ScreenX,
                                     int ScreenY, bool DblClickActive)
{
    TgPlotButton::gMouseMove(HintData, Shift, X, Y, ScreenX, ScreenY, DblClickActive);
    if (!FMouseOver) {
        FMouseOver = true;
        if (FFlat)
            DoInvalidate();
    }
}

void TgPlotToolBarButton::DoMouseNotOver()
{
    FMouseOver = false;
    DoInvalidate();
}

void TgPlotToolBarButton::DoMouseHint(const TgPlotMouseData &, TgHintData &HintData)
{
    if (FStyle == iptbbsSpacer)
        return;
    HintData.Text = TranslateText(FHint);
    TCanvas canvas;
    auto *plot = dynamic_cast<TgPlotComponent *>(Owner());
    if (plot)
        canvas.SetFont(plot->HintsFont());
    HintData.Left = Left();
    HintData.Top = Bottom() + 3;
    HintData.Width = canvas.TextWidth(HintData.Text) + 4;
    HintData.Height = canvas.TextHeight(HintData.Text) + 4;
    if (plot)
        plot->DoToolBarCustomizeHint(FToolBar, HintData.Text);
}
