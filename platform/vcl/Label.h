#pragma once
#include "GraphicControl.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };

// A windowless text label. With AutoSize (the default) it takes the size of
// its text after every change of caption or font (keeping its width when
// WordWrap is set). Unless Transparent it fills itself with Color (which
// follows the parent's by default). A disabled label draws its text
// embossed. "&" marks an accelerator unless ShowAccelChar is off.
class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent *AOwner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout Value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool Value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool Value);

    void Paint() override;

protected:
    void TextChanged() override;
    void FontChanged() override;
    // Resizes to the text when AutoSize is set.
    virtual void AdjustBounds();
    unsigned TextFlags() const;

private:
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
};

class TLabel : public TCustomLabel {
public:
    explicit TLabel(TComponent *AOwner) : TCustomLabel(AOwner) {}
};
