#pragma once
#include "gDrawing.h"
#include "gOwnedBitmap.h"
#include "gPlotLayoutObject.h"

#include <memory>

class TBitmap;
class TFont;

// A block of text or a picture placed on a side of the data view (label 0
// is the plot's title). It shows, in this order of precedence, its own
// bitmap, an image of one of the plot's three image lists, or its caption.
// Margins count in characters: "0" high (top, bottom) or wide (left, right).
class TgPlotLabel : public TgPlotLayoutObject {
public:
    TgPlotLabel(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                TNotifyEvent AOnRename);
    ~TgPlotLabel() override;

    const QString &Caption() const { return FCaption; }
    void SetCaption(const QString &Value) { ChangeString(FCaption, Value, &TgPlotObject::DoChange); }
    double MarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(double Value) { ChangeDouble(FMarginLeft, Value, &TgPlotObject::DoChange); }
    double MarginRight() const { return FMarginRight; }
    void SetMarginRight(double Value) { ChangeDouble(FMarginRight, Value, &TgPlotObject::DoChange); }
    double MarginTop() const { return FMarginTop; }
    void SetMarginTop(double Value) { ChangeDouble(FMarginTop, Value, &TgPlotObject::DoChange); }
    double MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(double Value) { ChangeDouble(FMarginBottom, Value, &TgPlotObject::DoChange); }
    TFont *Font() const { return FFont.get(); }
    void SetFont(TFont *Value);
    TgAlignmentHorizontal Alignment() const { return FAlignment; }
    void SetAlignment(TgAlignmentHorizontal Value);
    int ImageListIndex() const { return FImageListIndex; }
    void SetImageListIndex(int Value) { ChangeInteger(FImageListIndex, Value, &TgPlotObject::DoChange); }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { ChangeInteger(FImageIndex, Value, &TgPlotObject::DoChange); }
    TBitmap *Image() const { return FImage.Get(); }
    // A copy of Value becomes the label's bitmap; null drops it.
    void SetImage(TBitmap *Value);
    void ImageClear();
    void ImageLoadFromFile(const QString &FileName);

    // Computed by the last measure (GetRequiredSpace or Draw).
    int MarginTopPixels() const { return FMarginTopPixels; }
    int MarginBottomPixels() const { return FMarginBottomPixels; }
    int MarginLeftPixels() const { return FMarginLeftPixels; }
    int MarginRightPixels() const { return FMarginRightPixels; }

    int GetRequiredSpace(TCanvas *Canvas) override;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished();

private:
    void CalcMetrics(TCanvas *Canvas);
    int ImageLeft(int ImageWidth) const;

    int FRequiredWidth = 0;
    int FMarginTopPixels = 0, FMarginBottomPixels = 0, FMarginLeftPixels = 0, FMarginRightPixels = 0;
    QString FCaption;
    double FMarginLeft = 0, FMarginRight = 0, FMarginBottom = 0, FMarginTop = 0;
    std::unique_ptr<TFont> FFont;
    TgAlignmentHorizontal FAlignment = iahCenter;
    TgOwnedBitmap FImage;
    int FImageListIndex = -1;
    int FImageIndex = 0;
};
