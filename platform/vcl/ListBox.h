#pragma once
#include "Strings.h"
#include "WinControl.h"

#include <memory>

class QListWidget;

// A list box (a Qt list widget inside) with its Items as TStrings. Setting
// ItemIndex from code fires nothing; a selection by the user (mouse or keys)
// fires OnClick.
class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent *AOwner);
    ~TListBox() override;

    TStrings *Items() { return items_.get(); }
    void SetItems(TStrings *Value) { items_->Assign(Value); }
    int ItemIndex() const;
    void SetItemIndex(int Value); // -1 clears; out of range is ignored
    int TopIndex() const;

private:
    QListWidget *list_;
    std::unique_ptr<TStrings> items_;
    bool fromCode_ = false;
};
