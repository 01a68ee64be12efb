#pragma once
// The persistent descriptions of what a splash frame holds: the program
// information (name, version, legal notice), free items with a picture, the
// stacked HTML list and the filled top-layer panels. Each reports its
// changes through OnChange (collections through OnUpdate), which the splash
// answers with a repaint.

#include "ChangedProperty.h"
#include "Collection.h"
#include "GraphicsObject.h"
#include "Control.h"
#include "Font.h"
#include "GpFill.h"
#include "SmGDIPPicture.h"

#include <memory>

enum TItemLocation { ilTopLeft, ilTopCenter, ilTopRight, ilBottomLeft, ilBottomCenter, ilBottomRight, ilCustom };
enum TSmSplashScreenLocation {
    cpTopLeft, cpTopCenter, cpTopRight, cpCenterLeft, cpCenterCenter, cpCenterRight,
    cpBottomLeft, cpBottomCenter, cpBottomRight, cpCustom
};


// A persistent part that tells its owner of each effective change.
class TSplashPart : public TGraphicsObject {
protected:
    // Font changes count as changes of the part.
    void Watch(TFont &f)
    {
        f.OnChange = [this](TObject *) { Changed(); };
    }
};

// One styled text line (the program name or version): coloured by its own
// start and end colours and gradient, not by the font's colour.
class TSplashHeadingText : public TSplashPart {
public:
    TSplashHeadingText();
    TQ62_CHANGED_PROPERTY(QString, Text, text_)
    TQ62_CHANGED_PROPERTY(TItemLocation, Location, location_)
    TQ62_CHANGED_PROPERTY(int, PosX, posX_)
    TQ62_CHANGED_PROPERTY(int, PosY, posY_)
    TQ62_CHANGED_PROPERTY(TColor, ColorStart, colorStart_)
    TQ62_CHANGED_PROPERTY(TColor, ColorEnd, colorEnd_)
    TQ62_CHANGED_PROPERTY(Byte, OpacityStart, opacityStart_)
    TQ62_CHANGED_PROPERTY(Byte, OpacityEnd, opacityEnd_)
    TQ62_CHANGED_PROPERTY(TSmGradientType, GradientType, gradientType_)
    TQ62_CHANGED_PROPERTY(HatchStyle, HatchStyle_, hatchStyle_)
    TQ62_CHANGED_PROPERTY(int, Angle, angle_)
    TFont *Font() { return &font_; }
    TSmGDIPPicture *Picture() { return &picture_; }
    void Assign(TPersistent *Source) override;

private:
    QString text_;
    TFont font_;
    TItemLocation location_ = ilTopLeft;
    int posX_ = 10, posY_ = 100;
    TColor colorStart_ = clBlack, colorEnd_ = clNone;
    Byte opacityStart_ = 255, opacityEnd_ = 255;
    TSmGradientType gradientType_ = gtVertical;
    HatchStyle hatchStyle_ = HatchStyleHorizontal;
    TSmGDIPPicture picture_;
    int angle_ = 0;
};

class TBasicProgramInfo : public TSplashPart {
public:
    TBasicProgramInfo();
    TQ62_CHANGED_PROPERTY(bool, AutoLoad, autoLoad_)
    TQ62_CHANGED_PROPERTY(QString, CopyRight, copyRight_)
    TQ62_CHANGED_PROPERTY(TItemLocation, CopyRightLocation, copyRightLocation_)
    TQ62_CHANGED_PROPERTY(int, CopyRightPosX, copyRightPosX_)
    TQ62_CHANGED_PROPERTY(int, CopyRightPosY, copyRightPosY_)
    TSplashHeadingText *ProgramName() { return &programName_; }
    TSplashHeadingText *ProgramVersion() { return &programVersion_; }
    TFont *CopyRightFont() { return &copyRightFont_; }
    void Assign(TPersistent *Source) override;

private:
    bool autoLoad_ = true;
    TSplashHeadingText programName_;
    TSplashHeadingText programVersion_;
    QString copyRight_;
    TFont copyRightFont_;
    TItemLocation copyRightLocation_ = ilTopLeft;
    int copyRightPosX_ = 10, copyRightPosY_ = 130;
};

// A collection that reports to its owner only when an update of the whole
// collection leaves it empty, and names each item that goes away.
class TSplashCollection : public TCollection {
public:
    using TCollection::TCollection;
    std::function<void(int Index)> OnDeleteItem;
    TNotifyEvent OnChange;
    // An item asks for the whole splash window to be repainted.
    std::function<void()> OnItemRefresh;

protected:
    void Update(TCollectionItem *Item) override;
};

class TSplashItem : public TCollectionItem {
public:
    explicit TSplashItem(TCollection *Collection);
    ~TSplashItem() override;
    QString Text() const { return text_; }
    void SetText(const QString &Value) { text_ = Value; Refresh(); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value) { imageIndex_ = Value; Refresh(); }
    int Tag() const { return tag_; }
    void SetTag(int Value) { tag_ = Value; }
    int PosX() const { return posX_; }
    void SetPosX(int Value) { posX_ = Value; Refresh(); }
    int PosY() const { return posY_; }
    void SetPosY(int Value) { posY_ = Value; Refresh(); }
    bool Visible() const { return visible_; }
    void SetVisible(bool Value) { visible_ = Value; Refresh(); }
    TSmGDIPPicture *Picture() { return &picture_; }
    TFont *Font() { return &font_; }
    // Repaints the whole splash window (outside BeginUpdate / EndUpdate).
    void Refresh();
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    void Assign(TPersistent *Source) override;

private:
    QString text_;
    int imageIndex_ = -1;
    int tag_ = 0;
    TSmGDIPPicture picture_;
    int posX_ = 80, posY_ = 130;
    TFont font_;
    bool visible_ = true;
    int updateCount_ = 0;
};

class TSplashItems : public TSplashCollection {
public:
    explicit TSplashItems(TPersistent *Owner);
    TSplashItem *Add() { return static_cast<TSplashItem *>(TCollection::Add()); }
    TSplashItem *Items(int Index) const { return static_cast<TSplashItem *>(TCollection::Items(Index)); }
};

class TSplashListItem : public TCollectionItem {
public:
    explicit TSplashListItem(TCollection *Collection);
    ~TSplashListItem() override;
    QString HTMLText() const { return htmlText_; }
    void SetHTMLText(const QString &Value) { htmlText_ = Value; }
    int Tag() const { return tag_; }
    void SetTag(int Value) { tag_ = Value; }
    int ImageIndex() const { return imageIndex_; }
    // Where the list layout put the item; -1 on every side when not shown.
    TRect DisplayRect() const { return displayRect_; }
    void SetDisplayRect(const TRect &R) { displayRect_ = R; }
    void Assign(TPersistent *Source) override;

private:
    QString htmlText_;
    int tag_ = 0;
    int imageIndex_ = -1;
    TRect displayRect_{-1, -1, -1, -1};
};

class TSplashListItems : public TSplashCollection {
public:
    explicit TSplashListItems(TPersistent *Owner);
    TSplashListItem *Add() { return static_cast<TSplashListItem *>(TCollection::Add()); }
    TSplashListItem *Items(int Index) const { return static_cast<TSplashListItem *>(TCollection::Items(Index)); }
};

class TListItemsRect : public TSplashPart {
public:
    TQ62_CHANGED_PROPERTY(int, Left, left_)
    TQ62_CHANGED_PROPERTY(int, Top, top_)
    TQ62_CHANGED_PROPERTY(int, Width, width_)
    TQ62_CHANGED_PROPERTY(int, Height, height_)
    TRect GetRect() const { return Rect(left_, top_, left_ + width_, top_ + height_); }
    void Assign(TPersistent *Source) override;

private:
    int left_ = 30, top_ = 150, width_ = 300, height_ = 200;
};

class TSplashListItemsSettings : public TSplashPart {
public:
    TSplashListItemsSettings();
    TListItemsRect *Rect() { return &rect_; }
    TQ62_CHANGED_PROPERTY(int, Space, space_)
    TQ62_CHANGED_PROPERTY(TColor, HTMLURLColor, urlColor_)
    TQ62_CHANGED_PROPERTY(TColor, HTMLShadowColor, shadowColor_)
    TQ62_CHANGED_PROPERTY(int, HTMLShadowOffset, shadowOffset_)
    TFont *HTMLFont() { return &font_; }
    void Assign(TPersistent *Source) override;

private:
    TListItemsRect rect_;
    int space_ = 8;
    TFont font_;
    TColor urlColor_ = clBlue;
    TColor shadowColor_ = clGray;
    int shadowOffset_ = 5;
};

class TSmSplashHTMLText : public TSplashPart {
public:
    TSmSplashHTMLText();
    TQ62_CHANGED_PROPERTY(QString, Text, text_)
    TQ62_CHANGED_PROPERTY(TSmSplashScreenLocation, Location, location_)
    TQ62_CHANGED_PROPERTY(int, Left, left_)
    TQ62_CHANGED_PROPERTY(int, Top, top_)
    TQ62_CHANGED_PROPERTY(TColor, URLColor, urlColor_)
    TQ62_CHANGED_PROPERTY(TColor, ShadowColor, shadowColor_)
    TQ62_CHANGED_PROPERTY(int, ShadowOffset, shadowOffset_)
    TFont *Font() { return &font_; }
    void Assign(TPersistent *Source) override;

private:
    QString text_;
    TFont font_;
    TSmSplashScreenLocation location_ = cpTopLeft;
    int left_ = 0, top_ = 0;
    TColor urlColor_ = clBlue;
    TColor shadowColor_ = clGray;
    int shadowOffset_ = 5;
};

class TSmSplashTopLayerItem : public TCollectionItem {
public:
    explicit TSmSplashTopLayerItem(TCollection *Collection);
    bool Visible() const { return visible_; }
    void SetVisible(bool Value) { visible_ = Value; Changed(false); }
    int Left() const { return left_; }
    void SetLeft(int Value) { left_ = Value; Changed(false); }
    int Top() const { return top_; }
    void SetTop(int Value) { top_ = Value; Changed(false); }
    int Width() const { return width_; }
    void SetWidth(int Value) { width_ = Value; Changed(false); }
    int Height() const { return height_; }
    void SetHeight(int Value) { height_ = Value; Changed(false); }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign Value) { align_ = Value; Changed(false); }
    TGpFill *Fill() { return &fill_; }
    TSmSplashHTMLText *HTMLText() { return &htmlText_; }
    void Assign(TPersistent *Source) override;

private:
    bool visible_ = true;
    int left_ = 0, top_ = 0, width_ = 100, height_ = 100;
    TAlign align_ = alCustom;
    TGpFill fill_;
    TSmSplashHTMLText htmlText_;
};

class TSmSplashTopLayerItems : public TCollection {
public:
    explicit TSmSplashTopLayerItems(TPersistent *Owner);
    TSmSplashTopLayerItem *Add() { return static_cast<TSmSplashTopLayerItem *>(TCollection::Add()); }
    TSmSplashTopLayerItem *Items(int Index) const
    {
        return static_cast<TSmSplashTopLayerItem *>(TCollection::Items(Index));
    }
};

