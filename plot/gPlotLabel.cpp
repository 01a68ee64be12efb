#include "gPlotLabel.h"

#include "Bitmap.h"
#include "Font.h"
#include "ImageList.h"
#include "gPlotObjectHost.h"

TgPlotLabel::TgPlotLabel(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                         TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TgPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)),
      FFont(std::make_unique<TFont>())
{
    FFont->SetName(QStringLiteral("Arial"));
    FFont->SetSize(14);
    FFont->SetStyle(TFontStyles{fsBold});
    FFont->SetColor(clWhite);
    FFont->OnChange = [this](TObject *) { DoChange(); };
    SetHorizontal(true);
}

TgPlotLabel::~TgPlotLabel()
{
    AnnounceRemoval();
}

void TgPlotLabel::SetFont(TFont *Value)
{
    FFont->Assign(Value);
}

void TgPlotLabel::SetAlignment(TgAlignmentHorizontal Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    DoChange();
}

void TgPlotLabel::SetImage(TBitmap *Value)
{
    FImage.Assign(Value);
    DoChange();
}

void TgPlotLabel::ImageClear()
{
    if (FImage.Clear())
        DoChange();
}

void TgPlotLabel::ImageLoadFromFile(const QString &FileName)
{
    FImage.LoadFromFile(FileName);
    DoChange();
}

void TgPlotLabel::CalcMetrics(TCanvas *Canvas)
{
    Canvas->Font()->Assign(FFont.get());
    const int w = Canvas->TextWidth(QStringLiteral("0"));
    const int h = Canvas->TextHeight(QStringLiteral("0"));
    FMarginTopPixels = RoundHalfEven(h * FMarginTop);
    FMarginBottomPixels = RoundHalfEven(h * FMarginBottom);
    FMarginLeftPixels = RoundHalfEven(w * FMarginLeft);
    FMarginRightPixels = RoundHalfEven(w * FMarginRight);
    FRequiredWidth = MultiLineTextHeight(Canvas, FCaption) + FMarginTopPixels + FMarginBottomPixels;
}

int TgPlotLabel::GetRequiredSpace(TCanvas *Canvas)
{
    CalcMetrics(Canvas);
    return FRequiredWidth;
}

int TgPlotLabel::ImageLeft(int ImageWidth) const
{
    switch (FAlignment) {
    case iahLeft:
        return Left() + FMarginLeftPixels;
    case iahRight:
        return Right() - FMarginRightPixels - ImageWidth;
    default:
        return (Left() + Right()) / 2 - ImageWidth / 2;
    }
}

void TgPlotLabel::Draw(TCanvas *Canvas, TColor BackGroundColor)
{
    if (!Visible())
        return;
    CalcMetrics(Canvas);
    TCustomImageList *list = Host() ? Host()->GetImageList(FImageListIndex) : nullptr;
    if (TBitmap *image = FImage.Get()) {
        image->SetTransparentMode(tmAuto); // the bottom-left pixel's colour
        image->SetTransparent(true);
        Canvas->Draw(ImageLeft(image->Width()), Top() + FMarginTopPixels, image);
        return;
    }
    if (list && FImageIndex >= 0 && FImageIndex < list->Count()) {
        list->Draw(Canvas, ImageLeft(list->Width()), Top() + FMarginTopPixels, FImageIndex, Enabled());
        return;
    }
    Canvas->Brush()->SetStyle(bsClear);
    if (Horizontal()) {
        static constexpr unsigned flags[] = {itfCenter | itfVCenter, itfLeft | itfVCenter, itfRight | itfVCenter};
        TRect r(Left() + FMarginLeftPixels, Top() + FMarginTopPixels, Right() - FMarginRightPixels,
                Bottom() - FMarginBottomPixels);
        DrawTextWithFlags(Canvas, FCaption, r, flags[FAlignment], true, BackGroundColor);
        return;
    }
    const int w = MaxLineWidth(Canvas, FCaption);
    int centre = (Top() + Bottom()) / 2;
    if (FAlignment == iahLeft)
        centre = Bottom() - w / 2 - FMarginLeftPixels;
    else if (FAlignment == iahRight)
        centre = Top() + w / 2 + FMarginRightPixels;
    const TRect r(Left() + FMarginTopPixels, centre - w / 2, Right() - FMarginBottomPixels, centre - w / 2 + w);
    TRect covered;
    DrawRotatedText(Canvas, FCaption, r, ira090, iahCenter, true, BackGroundColor, covered);
}

const TPublishedClass *TgPlotLabel::StaticPublished()
{
    static const TPublishedClass info =
        TPublishedBuilder<TgPlotLabel>(TgPlotLayoutObject::StaticPublished())
            .String("Caption", &TgPlotLabel::Caption, &TgPlotLabel::SetCaption)
            .Float("MarginLeft", &TgPlotLabel::MarginLeft, &TgPlotLabel::SetMarginLeft)
            .Float("MarginRight", &TgPlotLabel::MarginRight, &TgPlotLabel::SetMarginRight)
            .Float("MarginBottom", &TgPlotLabel::MarginBottom, &TgPlotLabel::SetMarginBottom)
            .Float("MarginTop", &TgPlotLabel::MarginTop, &TgPlotLabel::SetMarginTop)
            .Object("Font", &TgPlotLabel::Font)
            .Enumeration("Alignment", &TgPlotLabel::Alignment, &TgPlotLabel::SetAlignment,
                         {QStringLiteral("iahCenter"), QStringLiteral("iahLeft"), QStringLiteral("iahRight")},
                         iahCenter)
            .Integer("ImageListIndex", &TgPlotLabel::ImageListIndex, &TgPlotLabel::SetImageListIndex, -1)
            .Integer("ImageIndex", &TgPlotLabel::ImageIndex, &TgPlotLabel::SetImageIndex, 0)
            .Build();
    return &info;
}
