#pragma once
// Rounded, anti-aliased controls: a panel that shows its parent through its
// corners, the same panel with a row of small picture buttons, an edit that
// shows a grey placeholder while empty, and the value edit box of the pages
// (TRoundedEdit): the button panel hosting a frameless edit whose
// properties and events it passes on as its own, with itself as Sender.
#include "Collection.h"
#include "CustomControl.h"
#include "Edit.h"
#include "ImageList.h"
#include "Menus.h"
#include "SmGDIPPicture.h"

#include <functional>
#include <memory>

enum TControlPosition { cpLeftInControl, cpRightInControl, cpLeft, cpRight };
enum TControlState { csNormal, csHover, csDown };
using TControlClickEvent = std::function<void(TObject *Sender, int Index)>;

class TRoundedPanel : public TCustomControl {
public:
    explicit TRoundedPanel(TComponent *AOwner);

    int Rounding() const { return rounding_; }
    void SetRounding(int Value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor Value);
    // The inner top highlight line; clNone switches it off.
    TColor ShadowColor = 0xD9D9D9;

    void Paint() override;

protected:
    // After Color changed: repaints at once.
    void ColorChanged() override;
    int indentLeft_ = 0;
    int indentRight_ = 0;

private:
    int rounding_ = 8;
    TColor borderColor_ = clGray;
};

class TRoundedControlPanel;

// One embedded button: a picture (or an image-list entry) per state.
class TRoundedControl : public TCollectionItem {
public:
    explicit TRoundedControl(TCollection *Collection);

    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    // Below 0: ImageIndex is used in that state.
    int ImageIndexHover() const { return imageIndexHover_; }
    void SetImageIndexHover(int Value) { imageIndexHover_ = Value; }
    int ImageIndexDown() const { return imageIndexDown_; }
    void SetImageIndexDown(int Value) { imageIndexDown_ = Value; }
    TSmGDIPPicture *Picture() const { return picture_.get(); }
    TSmGDIPPicture *PictureHover() const { return pictureHover_.get(); }
    TSmGDIPPicture *PictureDown() const { return pictureDown_.get(); }
    void SetPicture(TSmGDIPPicture *Value) { picture_->Assign(Value); }
    void SetPictureHover(TSmGDIPPicture *Value) { pictureHover_->Assign(Value); }
    void SetPictureDown(TSmGDIPPicture *Value) { pictureDown_->Assign(Value); }
    const QString &Hint() const { return hint_; }
    void SetHint(const QString &Value) { hint_ = Value; }
    bool DropDown() const { return dropDown_; }
    void SetDropDown(bool Value);
    TPopupMenu *PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu *Value);
    TControlPosition Position() const { return position_; }
    void SetPosition(TControlPosition Value);
    TControlState State() const { return state_; }
    void SetState(TControlState Value) { state_ = Value; }

    // Width (picture or image list, plus the drop-down arrow) and height.
    TSize ControlSize();
    void Assign(TPersistent *Source) override;

private:
    friend class TRoundedControlPanel;
    int imageIndex_ = -1, imageIndexHover_ = -1, imageIndexDown_ = -1;
    std::unique_ptr<TSmGDIPPicture> picture_, pictureHover_, pictureDown_;
    QString hint_;
    bool dropDown_ = false;
    TPopupMenu *popupMenu_ = nullptr;
    TControlPosition position_ = cpRightInControl;
    TControlState state_ = csNormal;
};

class TRoundedControls : public TOwnedCollection {
public:
    explicit TRoundedControls(TPersistent *AOwner);
    TRoundedControl *Add() { return static_cast<TRoundedControl *>(TCollection::Add()); }
    TRoundedControl *Insert(int Index) { return static_cast<TRoundedControl *>(TCollection::Insert(Index)); }
    TRoundedControl *Items(int Index) const { return static_cast<TRoundedControl *>(TCollection::Items(Index)); }

    // Summed widths by position; RightControlSize keeps 2 pixels free.
    void UpdateSizes();
    int LeftSize() const { return leftSize_; }
    int LeftControlSize() const { return leftControlSize_; }
    int RightSize() const { return rightSize_; }
    int RightControlSize() const { return rightControlSize_; }
    int ImageListImageWidth = 0;
    int ImageListImageHeight = 0;
    TNotifyEvent OnChange;

protected:
    void Update(TCollectionItem *Item) override;

private:
    int leftSize_ = 0, leftControlSize_ = 0, rightSize_ = 0, rightControlSize_ = 0;
};

class TRoundedControlPanel : public TRoundedPanel {
public:
    explicit TRoundedControlPanel(TComponent *AOwner);
    ~TRoundedControlPanel() override;

    TRoundedControls *Controls() const { return controls_.get(); }
    void SetControls(TRoundedControls *Value) { controls_->Assign(Value); }
    TCustomImageList *Images() const { return images_; }
    void SetImages(TCustomImageList *Value);
    QString Version() const { return QStringLiteral("1.0.3.1"); }
    void SetVersion(const QString &) {}
    TControlClickEvent OnControlClick;

    // Sizes, indents and the inner layout after a change of the buttons.
    void UpdateControls();
    // Places the buttons (drawing them with Draw) and returns the button
    // whose inside holds X, or -1; Left is set to its left edge.
    int LayoutControls(int X, bool Draw, int *Left = nullptr);

    void Paint() override;
    void HintShow(THintInfo &Info) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    void Loaded() override;

protected:
    virtual void DoControlClick(int Index);
    virtual void LayoutInnerEdit() {}
    void Notification(TComponent *AComponent, TOperation Operation) override;
    // The button handling of the mouse, without the control's own events.
    void ButtonsMouseDown(int X);
    void ButtonsMouseMove(int X);
    void ButtonsMouseUp(int X);
    void ButtonsMouseLeave();

private:
    void DrawControl(TRoundedControl *Control, int X, int Y);
    std::unique_ptr<TRoundedControls> controls_;
    TCustomImageList *images_ = nullptr;
    int pressed_ = -1; // the button a press began on
};

// An edit that shows EmptyText in grey at (3, 0) while it holds no text.
class TEmptyEdit : public TEdit {
public:
    explicit TEmptyEdit(TComponent *AOwner) : TEdit(AOwner) {}
    const QString &EmptyText() const { return emptyText_; }
    void SetEmptyText(const QString &Value) { emptyText_ = Value; }
    TCursor DragCursor = crDrag;
    TDragKind DragKind = dkDrag;
    TDragMode DragMode = dmManual;

    void Paint() override;

protected:
    void FocusGained() override;
    void FocusLost() override;

private:
    QString emptyText_;
};

class TRoundedEdit : public TRoundedControlPanel {
public:
    explicit TRoundedEdit(TComponent *AOwner);
    ~TRoundedEdit() override;

    TEmptyEdit *Edit() const { return edit_; }
    QString Text() const { return edit_->Text(); }
    void SetText(const QString &Value) { edit_->SetText(Value); }
    // A box is 24 pixels high whatever is asked.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetFocus() { edit_->SetFocus(); }
    bool Focused() const { return edit_->Focused(); }

    // Properties of the inner edit.
    TAlignment Alignment() const { return edit_->Alignment(); }
    void SetAlignment(TAlignment Value) { edit_->SetAlignment(Value); }
    bool AutoSelect() const { return edit_->AutoSelect(); }
    void SetAutoSelect(bool Value) { edit_->SetAutoSelect(Value); }
    TEditCharCase CharCase() const { return edit_->CharCase(); }
    void SetCharCase(TEditCharCase Value) { edit_->SetCharCase(Value); }
    bool HideSelection() const { return edit_->HideSelection(); }
    void SetHideSelection(bool Value) { edit_->SetHideSelection(Value); }
    int MaxLength() const { return edit_->MaxLength(); }
    void SetMaxLength(int Value) { edit_->SetMaxLength(Value); }
    bool NumbersOnly() const { return edit_->NumbersOnly(); }
    void SetNumbersOnly(bool Value) { edit_->SetNumbersOnly(Value); }
    bool OEMConvert() const { return edit_->OEMConvert(); }
    void SetOEMConvert(bool Value) { edit_->SetOEMConvert(Value); }
    QChar PasswordChar() const { return edit_->PasswordChar(); }
    void SetPasswordChar(QChar Value) { edit_->SetPasswordChar(Value); }
    bool ReadOnly() const { return edit_->ReadOnly(); }
    void SetReadOnly(bool Value) { edit_->SetReadOnly(Value); }
    QString TextHint() const { return edit_->TextHint(); }
    void SetTextHint(const QString &Value) { edit_->SetTextHint(Value); }
    const QString &EmptyText() const { return edit_->EmptyText(); }
    void SetEmptyText(const QString &Value) { edit_->SetEmptyText(Value); }
    TImeMode ImeMode() const { return edit_->ImeMode(); }
    void SetImeMode(TImeMode Value) { edit_->SetImeMode(Value); }
    const QString &ImeName() const { return edit_->ImeName(); }
    void SetImeName(const QString &Value) { edit_->SetImeName(Value); }
    TCursor DragCursor() const { return edit_->DragCursor; }
    void SetDragCursor(TCursor Value) { edit_->DragCursor = Value; }
    TDragKind DragKind() const { return edit_->DragKind; }
    void SetDragKind(TDragKind Value) { edit_->DragKind = Value; }
    TDragMode DragMode() const { return edit_->DragMode; }
    void SetDragMode(TDragMode Value) { edit_->DragMode = Value; }
    // Enabled is the inner edit's: the box itself stays enabled.
    bool Enabled() const { return edit_->Enabled(); }
    void SetEnabled(bool Value) { edit_->SetEnabled(Value); }
    TPopupMenu *PopupMenu() const { return edit_->PopupMenu(); }
    void SetPopupMenu(TPopupMenu *Value) { edit_->SetPopupMenu(Value); }
    int TabOrder() const { return edit_->TabOrder(); }
    void SetTabOrder(int Value) { edit_->SetTabOrder(Value); }
    bool TabStop() const { return edit_->TabStop(); }
    void SetTabStop(bool Value) { edit_->SetTabStop(Value); }
    // The box's; copied to the edit.
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode Value);

    // Raised by the inner edit, with the box as Sender (the other events
    // are the control's own: OnClick, OnDblClick, OnEnter, OnExit, OnKey...,
    // OnMouse...).
    TNotifyEvent OnChange;

    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void Click() override {}
    void DblClick() override {}

protected:
    // Keys sent to the box go to the inner edit.
    void WndProc(TMessage &Message) override;
    void LayoutInnerEdit() override;
    void ColorChanged() override;
    void FontChanged() override;
    void Resize() override;

private:
    void BindForwarders();
    TEmptyEdit *edit_;
    TBiDiMode biDiMode_ = bdLeftToRight;
};
