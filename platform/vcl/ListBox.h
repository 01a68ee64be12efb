#pragma once
#include "ComboBox.h"
#include "Strings.h"
#include "WinControl.h"

#include <memory>

class QListWidget;

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed };

// A list box (a Qt list widget inside) with its Items as TStrings. Setting
// ItemIndex from code fires nothing; a selection by the user (mouse or keys)
// fires OnClick, a double click on an item OnDblClick.
//
// lbOwnerDrawFixed: every item is ItemHeight pixels high and drawn by
// DrawItem on Canvas() (OnDrawItem), which starts with the control's font
// and a brush and font colour for the item's state.
//
// Positions (ItemAtPos, the mouse, drag and drop) are in the control's
// coordinates; the items lie inside its frame.
class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent *AOwner);
    ~TListBox() override;

    TStrings *Items() { return items_.get(); }
    void SetItems(TStrings *Value) { items_->Assign(Value); }
    int ItemIndex() const;
    void SetItemIndex(int Value); // -1 clears; out of range is ignored
    int TopIndex() const;
    // Items kept in the order of their texts (letter case aside).
    bool Sorted() const;
    void SetSorted(bool Value);
    TListBoxStyle Style() const { return style_; }
    void SetStyle(TListBoxStyle Value);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int Value);
    // The item under Pos; below the last item -1 when Existing, else Count.
    int ItemAtPos(TPoint Pos, bool Existing) const;
    // The rectangle item Index covers, in the control's coordinates.
    TRect ItemRect(int Index) const;

    // Draws item Index into Rect on Canvas() (owner-drawn style); fires
    // OnDrawItem, else writes the item's text.
    virtual void DrawItem(int Index, const TRect &Rect, TOwnerDrawState State);
    TDrawItemEvent OnDrawItem;

protected:
    QListWidget *List() const { return list_; }

private:
    friend class ListItemDelegate;
    QListWidget *list_;
    std::unique_ptr<TStrings> items_;
    bool fromCode_ = false;
    TListBoxStyle style_ = lbStandard;
    int itemHeight_ = 16;
};
