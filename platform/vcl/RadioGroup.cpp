#include "RadioGroup.h"

#include "RadioButton.h"

#include <algorithm>

TCustomRadioGroup::TCustomRadioGroup(TComponent *AOwner) : TCustomGroupBox(AOwner)
{
    // Tab stops at the buttons, not at the frame around them.
    items_.OnChange = [this](TObject *) { ItemsChanged(); };
}

TCustomRadioGroup::~TCustomRadioGroup()
{
    items_.OnChange = nullptr;
    for (TRadioButton *b : buttons_)
        delete b;
}

TRadioButton *TCustomRadioGroup::Buttons(int Index) const
{
    return Index >= 0 && Index < static_cast<int>(buttons_.size()) ? buttons_[Index] : nullptr;
}

void TCustomRadioGroup::SetItemIndex(int Value)
{
    Value = std::clamp(Value, -1, static_cast<int>(buttons_.size()) - 1);
    if (Value == itemIndex_)
        return;
    updating_ = true;
    if (itemIndex_ >= 0)
        buttons_[itemIndex_]->SetChecked(false);
    itemIndex_ = Value;
    if (itemIndex_ >= 0)
        buttons_[itemIndex_]->SetChecked(true);
    updating_ = false;
}

void TCustomRadioGroup::SetColumns(int Value)
{
    Value = std::clamp(Value, 1, 16);
    if (Value == columns_)
        return;
    columns_ = Value;
    ArrangeButtons();
}

void TCustomRadioGroup::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomGroupBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    ArrangeButtons();
}

void TCustomRadioGroup::FontChanged()
{
    TCustomGroupBox::FontChanged();
    ArrangeButtons();
}

void TCustomRadioGroup::ItemsChanged()
{
    updating_ = true;
    const int count = items_.Count();
    while (static_cast<int>(buttons_.size()) > count) {
        delete buttons_.back();
        buttons_.pop_back();
    }
    while (static_cast<int>(buttons_.size()) < count) {
        auto *b = new TRadioButton(nullptr);
        const int index = static_cast<int>(buttons_.size());
        b->OnClick = [this, index](TObject *) { ButtonClicked(index); };
        b->SetParent(this);
        buttons_.push_back(b);
    }
    for (int i = 0; i < count; ++i)
        buttons_[i]->SetCaption(items_[i]);
    if (itemIndex_ >= count)
        itemIndex_ = -1;
    for (int i = 0; i < count; ++i)
        buttons_[i]->SetChecked(i == itemIndex_);
    updating_ = false;
    ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons()
{
    const int count = static_cast<int>(buttons_.size());
    if (count == 0)
        return;
    const int perColumn = (count + columns_ - 1) / columns_;
    const int captionHeight = CaptionHeight();
    const int buttonWidth = (Width() - 10) / columns_;
    const int free = Height() - captionHeight - 5;
    const int buttonHeight = free / perColumn;
    const int top = captionHeight + 1 + (free % perColumn) / 2;
    for (int i = 0; i < count; ++i)
        buttons_[i]->SetBounds(i / perColumn * buttonWidth + 8, i % perColumn * buttonHeight + top, buttonWidth,
                               buttonHeight);
}

void TCustomRadioGroup::ButtonClicked(int Index)
{
    if (updating_ || Index == itemIndex_)
        return;
    itemIndex_ = Index;
    Click();
}
