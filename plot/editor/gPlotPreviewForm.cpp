#include "gPlotPreviewForm.h"

#include "Bitmap.h"
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "PaintBox.h"
#include "Panel.h"
#include "Picture.h"
#include "RadioGroup.h"
#include "gPlotComponent.h"
#include "gPlotMasterManager.h"
#include "gPlotPreviewSettingsForm.h"
#include "gPlotToolBar.h"
#include "gPlotToolBarImages.h"
#include "gUtilities.h"

#include <cmath>
#include <memory>
#include <utility>

namespace {

int Near(double Value)
{
    return static_cast<int>(std::nearbyint(Value));
}

// The printer picture of the toolbar's Print button, teal made transparent.
QImage PrinterGlyph()
{
    QImage image = PlotToolBarImage(QStringLiteral("PRINTER")).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(kPlotToolBarTransparent).rgb() & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == key)
                image.setPixel(x, y, 0);
    return image;
}

// The plot's snapshot picture: its size, and the picture played scaled into
// a rectangle of a canvas.
QSize SnapShotSize(TgPlotComponent *Plot)
{
    const TGraphic *picture = Plot->GetSnapShotPicture()->Graphic();
    return picture ? QSize(picture->Width(), picture->Height()) : QSize();
}

void DrawSnapShot(TgPlotComponent *Plot, TCanvas *Canvas, const TRect &Rect)
{
    if (TGraphic *picture = Plot->GetSnapShotPicture()->Graphic())
        picture->Draw(Canvas, Rect);
}

} // namespace

TgPlotPreviewForm::TgPlotPreviewForm(TComponent *AOwner) : TForm(AOwner, CreateNew)
{
    SetCaption("Tarvex Plot Preview");
    SetBounds(0, 0, 836, 563);
    SetConstraints({500, 300, 0, 0});
    SetPosition(poScreenCenter);
    SetBorderIcons(TBorderIcons{biSystemMenu, biMaximize});
    Font()->SetName("MS Sans Serif");
    Font()->SetSize(8);

    Panel2 = new TPanel(this);
    Panel2->SetName("Panel2");
    Panel2->SetParent(this);
    Panel2->SetAlign(alTop);
    Panel2->SetHeight(41);
    const auto button = [this](const char *Name, const QString &Caption, int Left, int Width) {
        auto *b = new TButton(this);
        b->SetName(QString::fromLatin1(Name));
        b->SetParent(Panel2);
        b->SetBounds(Left, 8, Width, 25);
        b->SetCaption(Caption);
        return b;
    };
    CloseButton = button("CloseButton", "Close", 8, 75);
    PrintButton = button("PrintButton", QString(), 91, 33);
    PrintButton->SetGlyph(PrinterGlyph());
    SettingsButton = button("SettingsButton", "Settings", 132, 75);
    CloseButton->OnClick = [this](TObject *Sender) { CloseButtonClick(Sender); };
    PrintButton->OnClick = [this](TObject *Sender) { PrintButtonClick(Sender); };
    SettingsButton->OnClick = [this](TObject *Sender) { SettingsButtonClick(Sender); };

    Preview = new TPaintBox(this);
    Preview->SetName("Preview");
    Preview->SetParent(this);
    Preview->SetAlign(alClient);
    Preview->OnPaint = [this](TObject *Sender) { PreviewPaint(Sender); };
}

void TgPlotPreviewForm::PreviewPaint(TObject *)
{
    TBitmap bitmap(std::max(Preview->Width(), 1), std::max(Preview->Height(), 1));
    TCanvas *c = bitmap.Canvas();
    c->Pen()->SetColor(clBlack);
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetWidth(1);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(TRect(0, 0, bitmap.Width(), bitmap.Height()));

    // The toolbar does not go on paper; it shows again whatever happens.
    TgPlotComponent *plot = PreviewComponent;
    struct ToolBarHidden {
        TgPlotToolBar *toolBar = nullptr;
        bool visible = false;
        ~ToolBarHidden()
        {
            if (toolBar)
                toolBar->SetVisible(visible);
        }
    } hidden;
    if (plot && plot->ToolBarCount() > 0) {
        hidden.toolBar = plot->GetToolBar(0);
        hidden.visible = hidden.toolBar->Visible();
        hidden.toolBar->SetVisible(false);
    }
    if (plot && plot->OnBeforePrint)
        plot->OnBeforePrint(this);
    DrawPage(&bitmap);
    Preview->Canvas()->Draw(0, 0, &bitmap);
    if (hidden.toolBar) {
        hidden.toolBar->SetVisible(hidden.visible);
        hidden.toolBar = nullptr;
    }
    if (plot && plot->OnAfterPrint)
        plot->OnAfterPrint(this);
}

void TgPlotPreviewForm::DrawPage(TBitmap *Bitmap)
{
    double paperWidth = 0, paperHeight = 0;
    TgPlotPreviewSettingsForm::PaperInches(PrintSize, PrintOrientation, paperWidth, paperHeight);

    const int areaWidth = Preview->Width() - 20, areaHeight = Preview->Height() - 20;
    int pageWidth, pageHeight;
    if (areaHeight / paperHeight > areaWidth / paperWidth) {
        pageWidth = areaWidth;
        pageHeight = Near(paperHeight * areaWidth / paperWidth);
    } else {
        pageHeight = areaHeight;
        pageWidth = Near(paperWidth * areaHeight / paperHeight);
    }
    // The margins on the page are the plot's.
    TgPlotComponent *plot = PreviewComponent;
    const double marginLeft = plot ? plot->PrintMarginLeft() : PrintMarginLeft;
    const double marginTop = plot ? plot->PrintMarginTop() : PrintMarginTop;
    const double marginRight = plot ? plot->PrintMarginRight() : PrintMarginRight;
    const double marginBottom = plot ? plot->PrintMarginBottom() : PrintMarginBottom;
    const int ppi = Near(pageWidth / paperWidth);
    const int printWidth = pageWidth - Near((marginLeft + marginRight) * ppi);
    const int printHeight = pageHeight - Near((marginTop + marginBottom) * ppi);

    TCanvas *c = Bitmap->Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(TRect(0, 0, Bitmap->Width(), Bitmap->Height()));
    if (pageWidth <= 0 || pageHeight <= 0)
        return;
    // The page reaches its full width and height also when they are odd.
    const int cx = Preview->Width() / 2, cy = Preview->Height() / 2;
    const int left = cx - pageWidth / 2 - 5, top = cy - pageHeight / 2 - 5;
    const TRect page(left, top, left + pageWidth, top + pageHeight);
    c->Brush()->SetColor(clBlack);
    c->Rectangle(page.Left + 7, page.Top + 7, page.Right + 7, page.Bottom + 7);
    c->Brush()->SetColor(clWhite);
    c->Rectangle(page);

    // A plot without area, or margins that leave none, gives the empty page.
    const QSize picture = plot ? SnapShotSize(plot) : QSize();
    if (picture.width() <= 0 || picture.height() <= 0 || printWidth <= 0 || printHeight <= 0)
        return;
    const double s = double(printWidth) / picture.width();
    const double sHeight = double(printHeight) / picture.height();
    int drawWidth, drawHeight;
    if (s >= sHeight) {
        drawWidth = Near(picture.width() * sHeight);
        drawHeight = printHeight;
    } else {
        drawWidth = printWidth;
        drawHeight = Near(picture.height() * s);
    }
    const int x = page.Left + Near(ppi * marginLeft), y = page.Top + Near(ppi * marginTop);
    DrawSnapShot(plot, c, TRect(x, y, x + drawWidth, y + drawHeight));
}

void TgPlotPreviewForm::CloseButtonClick(TObject *)
{
    SetModalResult(mrOk);
}

void TgPlotPreviewForm::PrintButtonClick(TObject *)
{
    if (PreviewComponent)
        PreviewComponent->PrintChart();
    Preview->Invalidate();
}

void TgPlotPreviewForm::SettingsButtonClick(TObject *)
{
    auto settings = std::make_unique<TgPlotPreviewSettingsForm>(nullptr);
    TgPlotPreviewSettingsForm::ShowMargin(settings->PrintMarginLeftEdit, PrintMarginLeft);
    TgPlotPreviewSettingsForm::ShowMargin(settings->PrintMarginTopEdit, PrintMarginTop);
    TgPlotPreviewSettingsForm::ShowMargin(settings->PrintMarginRightEdit, PrintMarginRight);
    TgPlotPreviewSettingsForm::ShowMargin(settings->PrintMarginBottomEdit, PrintMarginBottom);
    settings->PrintOrientationRadioGroup->SetItemIndex(PrintOrientation == poLandscape ? 1 : 0);
    settings->PrintDocumentNameEdit->SetText(PrintDocumentName);
    settings->PrintPaperSizeComboBox->SetItemIndex(PrintSize >= 1 && PrintSize <= 4 ? PrintSize : 0);
    if (PreviewComponent)
        PreviewComponent->Master()->TranslateForm(settings.get());
    if (settings->ShowModal() != mrOk)
        return;

    TgPlotPreviewSettingsForm::ReadMargin(settings->PrintMarginLeftEdit, PrintMarginLeft);
    TgPlotPreviewSettingsForm::ReadMargin(settings->PrintMarginTopEdit, PrintMarginTop);
    TgPlotPreviewSettingsForm::ReadMargin(settings->PrintMarginRightEdit, PrintMarginRight);
    TgPlotPreviewSettingsForm::ReadMargin(settings->PrintMarginBottomEdit, PrintMarginBottom);
    PrintOrientation = settings->PrintOrientationRadioGroup->ItemIndex() == 1 ? poLandscape : poPortrait;
    PrintDocumentName = settings->PrintDocumentNameEdit->Text();
    PrintSize = settings->PrintPaperSizeComboBox->ItemIndex();
    if (TgPlotComponent *plot = PreviewComponent) {
        plot->SetPrintMarginLeft(PrintMarginLeft);
        plot->SetPrintMarginTop(PrintMarginTop);
        plot->SetPrintMarginRight(PrintMarginRight);
        plot->SetPrintMarginBottom(PrintMarginBottom);
        plot->SetPrintOrientation(PrintOrientation);
        plot->SetPrintDocumentName(PrintDocumentName);
    }
    SetCaption(PrintDocumentName + QStringLiteral(" (Preview)"));
    Preview->Invalidate();
}

void TgPlotPreviewForm::DoTranslation()
{
    if (PreviewComponent)
        PreviewComponent->Master()->TranslateForm(this);
}
