#include "SmSplashItems.h"

TSplashHeadingText::TSplashHeadingText()
{
    font_.SetName(QStringLiteral("Tahoma"));
    Watch(font_);
}

void TSplashHeadingText::Assign(TPersistent *Source)
{
    auto *o = dynamic_cast<TSplashHeadingText *>(Source);
    if (!o) {
        TPersistent::Assign(Source);
        return;
    }
    text_ = o->text_;
    font_.Assign(&o->font_);
    location_ = o->location_;
    posX_ = o->posX_;
    posY_ = o->posY_;
    colorStart_ = o->colorStart_;
    colorEnd_ = o->colorEnd_;
    opacityStart_ = o->opacityStart_;
    opacityEnd_ = o->opacityEnd_;
    gradientType_ = o->gradientType_;
    hatchStyle_ = o->hatchStyle_;
    picture_.Assign(&o->picture_);
    angle_ = o->angle_;
    Changed();
}

TBasicProgramInfo::TBasicProgramInfo()
{
    programName_.Font()->SetSize(14);
    programName_.Font()->SetStyle({fsBold});
    programVersion_.Font()->SetSize(14);
    programVersion_.SetPosX(80);
    programVersion_.SetPosY(100);
    programName_.OnChange = [this](TObject *) { Changed(); };
    programVersion_.OnChange = [this](TObject *) { Changed(); };
    Watch(copyRightFont_);
}

void TBasicProgramInfo::Assign(TPersistent *Source)
{
    auto *o = dynamic_cast<TBasicProgramInfo *>(Source);
    if (!o) {
        TPersistent::Assign(Source);
        return;
    }
    autoLoad_ = o->autoLoad_;
    programName_.Assign(&o->programName_);
    programVersion_.Assign(&o->programVersion_);
    copyRight_ = o->copyRight_;
    copyRightFont_.Assign(&o->copyRightFont_);
    copyRightLocation_ = o->copyRightLocation_;
    copyRightPosX_ = o->copyRightPosX_;
    copyRightPosY_ = o->copyRightPosY_;
    Changed();
}

void TSplashCollection::Update(TCollectionItem *Item)
{
    TCollection::Update(Item);
    if (!Item && Count() == 0 && OnChange)
        OnChange(this);
}

// -- items -----------------------------------------------------------------

TSplashItem::TSplashItem(TCollection *Collection) : TCollectionItem(Collection) {}

TSplashItem::~TSplashItem()
{
    auto *c = dynamic_cast<TSplashCollection *>(Collection());
    if (c && c->OnDeleteItem)
        c->OnDeleteItem(Index());
}

void TSplashItem::Refresh()
{
    auto *c = dynamic_cast<TSplashCollection *>(Collection());
    if (updateCount_ == 0 && c && c->OnItemRefresh)
        c->OnItemRefresh();
}

void TSplashItem::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        Refresh();
}

void TSplashItem::Assign(TPersistent *Source)
{
    auto *o = dynamic_cast<TSplashItem *>(Source);
    if (!o) {
        TPersistent::Assign(Source);
        return;
    }
    text_ = o->text_;
    imageIndex_ = o->imageIndex_;
    tag_ = o->tag_;
    picture_.Assign(&o->picture_);
    posX_ = o->posX_;
    posY_ = o->posY_;
    font_.Assign(&o->font_);
    visible_ = o->visible_;
}

TSplashItems::TSplashItems(TPersistent *Owner)
    : TSplashCollection([](TCollection *c) { return new TSplashItem(c); }, Owner)
{
}

TSplashListItem::TSplashListItem(TCollection *Collection) : TCollectionItem(Collection) {}

TSplashListItem::~TSplashListItem()
{
    auto *c = dynamic_cast<TSplashCollection *>(Collection());
    if (c && c->OnDeleteItem)
        c->OnDeleteItem(Index());
}

void TSplashListItem::Assign(TPersistent *Source)
{
    auto *o = dynamic_cast<TSplashListItem *>(Source);
    if (!o) {
        TPersistent::Assign(Source);
        return;
    }
    htmlText_ = o->htmlText_;
    tag_ = o->tag_;
}

TSplashListItems::TSplashListItems(TPersistent *Owner)
    : TSplashCollection([](TCollection *c) { return new TSplashListItem(c); }, Owner)
{
}

// -- list settings -----------------------------------------------------------

void TListItemsRect::Assign(TPersistent *Source)
{
    auto *o = dynamic_cast<TListItemsRect *>(Source);
    if (!o) {
        TPersistent::Assign(Source);
        return;
    }
    left_ = o->left_;
    top_ = o->top_;
    width_ = o->width_;
    height_ = o->height_;
    Changed();
}

TSplashListItemsSettings::TSplashListItemsSettings()
{
    font_.SetName(QStringLiteral("Tahoma"));
    Watch(font_);
    rect_.OnChange = [this](TObject *) { Changed(); };
}

void TSplashListItemsSettings::Assign(TPersistent *Source)
{
    auto *o = dynamic_cast<TSplashListItemsSettings *>(Source);
    if (!o) {
        TPersistent::Assign(Source);
        return;
    }
    rect_.Assign(&o->rect_);
    space_ = o->space_;
    font_.Assign(&o->font_);
    urlColor_ = o->urlColor_;
    shadowColor_ = o->shadowColor_;
    shadowOffset_ = o->shadowOffset_;
    Changed();
}

// -- top layer -----------------------------------------------------------------

TSmSplashHTMLText::TSmSplashHTMLText()
{
    Watch(font_);
}

void TSmSplashHTMLText::Assign(TPersistent *Source)
{
    auto *o = dynamic_cast<TSmSplashHTMLText *>(Source);
    if (!o) {
        TPersistent::Assign(Source);
        return;
    }
    text_ = o->text_;
    font_.Assign(&o->font_);
    location_ = o->location_;
    left_ = o->left_;
    top_ = o->top_;
    urlColor_ = o->urlColor_;
    shadowColor_ = o->shadowColor_;
    shadowOffset_ = o->shadowOffset_;
    Changed();
}

TSmSplashTopLayerItem::TSmSplashTopLayerItem(TCollection *Collection) : TCollectionItem(Collection)
{
    fill_.OnChange = [this](TObject *) { Changed(false); };
    htmlText_.OnChange = [this](TObject *) { Changed(false); };
}

void TSmSplashTopLayerItem::Assign(TPersistent *Source)
{
    auto *o = dynamic_cast<TSmSplashTopLayerItem *>(Source);
    if (!o) {
        TPersistent::Assign(Source);
        return;
    }
    visible_ = o->visible_;
    left_ = o->left_;
    top_ = o->top_;
    width_ = o->width_;
    height_ = o->height_;
    align_ = o->align_;
    fill_.Assign(&o->fill_);
    htmlText_.Assign(&o->htmlText_);
    Changed(false);
}

TSmSplashTopLayerItems::TSmSplashTopLayerItems(TPersistent *Owner)
    : TCollection([](TCollection *c) { return new TSmSplashTopLayerItem(c); }, Owner)
{
}
