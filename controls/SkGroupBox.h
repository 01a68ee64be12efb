#pragma once
#include "SkPanel.h"

#include <memory>

enum TSkGroupBoxStyle { gsStandard, gsCustom, gsTopLine, gsFlat, gsBanner, gsUnderline };

// The Sk panel as a captioned group. The style decides how the caption and
// the frame are drawn and how far the children are pushed down; gsCustom
// paints as the panel does. The caption has its own font, which follows
// Font until it is set on its own.
class TSkCustomGroupBox : public TSkCustomPanel {
public:
    explicit TSkCustomGroupBox(TComponent *AOwner);
    ~TSkCustomGroupBox() override;

    void Paint() override;
    void UpdateFromFrameController() override;

    int BannerHeight() const { return bannerHeight_; }
    void SetBannerHeight(int Value);
    TSkGroupBoxStyle GroupStyle() const { return groupStyle_; }
    void SetGroupStyle(TSkGroupBoxStyle Value);
    TFont *CaptionFont() { return captionFont_.get(); }
    void SetCaptionFont(TFont *Value) { captionFont_->Assign(Value); }
    bool CaptionFontChanged() const { return captionFontChanged_; }

protected:
    void AdjustClientRect(TRect &Rect) override;
    void FontChanged() override;
    void TextChanged() override;
    bool DialogChar(QChar Key) override;

private:
    // Text heights of "Yy" in Font (layout) and of "Pp" in CaptionFont (paint).
    int LayoutCaptionHeight();
    int PaintCaptionHeight();
    TRect CaptionRect();

    TSkGroupBoxStyle groupStyle_ = gsFlat;
    int bannerHeight_ = 0;
    std::unique_ptr<TFont> captionFont_;
    bool captionFontChanged_ = false;
    bool copyingFont_ = false;
};

class TSkGroupBox : public TSkCustomGroupBox {
public:
    explicit TSkGroupBox(TComponent *AOwner) : TSkCustomGroupBox(AOwner) {}
};
