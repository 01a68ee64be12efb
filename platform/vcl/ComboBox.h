#pragma once
#include "Set.h"
#include "Strings.h"
#include "WinControl.h"

#include <functional>
#include <memory>

class QComboBox;
class QLineEdit;
class ComboWidget;

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

enum TOwnerDrawStateItem { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odComboBoxEdit };
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;
using TDrawItemEvent = std::function<void(TObject *Sender, int Index, const TRect &Rect, TOwnerDrawState State)>;
// Height comes in as ItemHeight; the handler sets the item's own height.
using TMeasureItemEvent = std::function<void(TWinControl *Control, int Index, int &Height)>;

// A combo box (a Qt combo box inside) with its Items as TStrings.
//  - csDropDown and csSimple have an edit field (the inner edit, LineEdit);
//    csDropDownList and the owner-drawn styles select from the list only.
//  - The owner-drawn styles draw each list item through DrawItem on
//    ItemCanvas (OnDrawItem); the others draw their item texts. Items of
//    csOwnerDrawVariable take the height MeasureItem gives (OnMeasureItem),
//    the other owner-drawn items ItemHeight.
//  - Qt's own keyboard search and completer are off: typed characters reach
//    KeyPress, and a list style without a handler for them ignores them.
// New items leave ItemIndex as it was (-1 in a new box). Setting ItemIndex
// from code fires nothing; a selection by the user fires OnClick, then
// OnSelect (or OnChange when OnSelect is not assigned); typing into the
// edit field fires OnChange. Opening and closing the list fire OnDropDown
// and OnCloseUp. With AutoCloseUp, a key that moves the open list to another
// item chooses that item as a click would: the list closes, then OnClick and
// OnSelect. Paint runs after Qt has painted the box, to draw over it.
// ItemDeleting hears of each item that Items' Delete or Clear takes away
// (not of those that go with the box).
class TCustomComboBox : public TWinControl {
public:
    // Made in InitialStyle: a list-only box need not make an edit line first.
    explicit TCustomComboBox(TComponent *AOwner, TComboBoxStyle InitialStyle = csDropDown);
    ~TCustomComboBox() override;

    TStrings *Items() { return items_.get(); }
    void SetItems(TStrings *Value) { items_->Assign(Value); }
    int ItemIndex() const;
    void SetItemIndex(int Value); // -1 clears; out of range is ignored
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle Value);
    int DropDownCount() const;
    void SetDropDownCount(int Value);
    // The list's width in pixels; 0 or less: the control's width.
    int DropDownWidth() const { return dropDownWidth_; }
    void SetDropDownWidth(int Value) { dropDownWidth_ = Value; }
    bool DroppedDown() const;
    void SetDroppedDown(bool Value);
    // Only counted here: a subclass decides what a full text refuses.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int Value) { maxLength_ = std::max(Value, 0); }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int Value);
    bool AutoDropDown() const { return autoDropDown_; }
    void SetAutoDropDown(bool Value) { autoDropDown_ = Value; }
    bool AutoCloseUp() const { return autoCloseUp_; }
    void SetAutoCloseUp(bool Value) { autoCloseUp_ = Value; }

    // The inner edit field, none for the list styles.
    QLineEdit *LineEdit() const;
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    // The first item whose text begins with Prefix, letters compared without
    // case, from the top; -1 when none (and for an empty prefix).
    int FindItemByPrefix(const QString &Prefix) const;
    // Draws the item Index into Rect on ItemCanvas (owner-drawn styles).
    virtual void DrawItem(int Index, const TRect &Rect, TOwnerDrawState State);
    // The height of item Index of a csOwnerDrawVariable list, asked when the
    // list lays out its items; Height comes in as ItemHeight. Fires
    // OnMeasureItem.
    virtual void MeasureItem(int Index, int &Height);
    TCanvas *ItemCanvas() { return &itemCanvas_; }
    // The width the list opens with (after OnDropDown).
    int ListWidth() const { return listWidth_; }

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    virtual void Change();
    virtual void Select();
    // Before the list opens: fires OnDropDown; a subclass may then set the
    // list's width with SetListWidth.
    virtual void DropDown();
    virtual void CloseUp();
    void SetListWidth(int Value) { listWidth_ = Value; }
    // Item Index is about to leave the list (Delete, Clear, Items replaced),
    // while Items still holds it and its object; nothing here. Called for
    // each item, from the first; an exception stops at the call and is
    // reported, and the item goes all the same.
    virtual void ItemDeleting(int Index) { (void)Index; }
    void TextChanged() override;
    void ColorChanged() override;
    bool WidgetEvent(QObject *Watched, QEvent *Event) override;
    QComboBox *Box() const { return box_; }

private:
    friend class ComboWidget;
    friend class ComboItemDelegate;
    void ApplyStyle();
    // The list measures its items again (style or item height changed).
    void RelayoutList();
    // The user chose the current item: the text follows, then OnClick and
    // OnSelect.
    void UserSelected();
    // The user edited the text: the item that carries it (letters compared
    // without case) becomes current, none when no item does, as the system's
    // list follows its edit field; the edit keeps the typed text and caret.
    void FollowEditedText(const QString &Typed);
    QComboBox *box_;
    std::unique_ptr<TStrings> items_;
    TComboBoxStyle style_ = csDropDown;
    bool syncing_ = false;
    int dropDownWidth_ = 0;
    int listWidth_ = 0;
    int maxLength_ = 0;
    int itemHeight_ = 16;
    bool autoDropDown_ = false;
    bool autoCloseUp_ = false;
    TCanvas itemCanvas_;
};

class TComboBox : public TCustomComboBox {
public:
    explicit TComboBox(TComponent *AOwner, TComboBoxStyle InitialStyle = csDropDown)
        : TCustomComboBox(AOwner, InitialStyle)
    {
    }
};
