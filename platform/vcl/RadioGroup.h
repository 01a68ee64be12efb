#pragma once
#include "GroupBox.h"
#include "Strings.h"

#include <vector>

class TRadioButton;

// A group box of radio buttons, one per line of Items, placed in Columns
// columns that share the area below the caption (filled column by column).
// ItemIndex is the checked item, -1 for none. OnClick fires when the user
// checks an item; setting ItemIndex from code fires nothing.
class TCustomRadioGroup : public TCustomGroupBox {
public:
    explicit TCustomRadioGroup(TComponent *AOwner);
    ~TCustomRadioGroup() override;

    TStrings *Items() { return &items_; }
    void SetItems(TStrings *Value) { items_.Assign(Value); }
    int ItemIndex() const { return itemIndex_; }
    // Clamped to -1 .. the last item.
    void SetItemIndex(int Value);
    int Columns() const { return columns_; }
    // 1 to 16.
    void SetColumns(int Value);
    // The button of item Index (none out of range).
    TRadioButton *Buttons(int Index) const;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void FontChanged() override;

private:
    void ItemsChanged();
    void ArrangeButtons();
    void ButtonClicked(int Index);

    TStringList items_;
    std::vector<TRadioButton *> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool updating_ = false;
};

class TRadioGroup : public TCustomRadioGroup {
public:
    explicit TRadioGroup(TComponent *AOwner) : TCustomRadioGroup(AOwner) {}
};
