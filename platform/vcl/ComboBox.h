#pragma once
#include "Strings.h"
#include "WinControl.h"

#include <memory>

class QComboBox;

enum TComboBoxStyle { csDropDown, csDropDownList };

// A combo box (a Qt combo box inside) with its Items as TStrings. New items
// leave ItemIndex as it was (-1 in a new box). Setting ItemIndex from code
// fires nothing; a selection by the user fires OnClick, then OnSelect (or
// OnChange when OnSelect is not assigned); typing into a csDropDown box fires
// OnChange.
class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent *AOwner);
    ~TComboBox() override;

    TStrings *Items() { return items_.get(); }
    void SetItems(TStrings *Value) { items_->Assign(Value); }
    int ItemIndex() const;
    void SetItemIndex(int Value); // -1 clears; out of range is ignored
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle Value);
    int DropDownCount() const;
    void SetDropDownCount(int Value);

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;

protected:
    virtual void Change();
    virtual void Select();
    void TextChanged() override;

private:
    QComboBox *box_;
    std::unique_ptr<TStrings> items_;
    TComboBoxStyle style_ = csDropDown;
    bool syncing_ = false;
};
