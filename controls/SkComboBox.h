#pragma once
#include "ComboBox.h"
#include "SkCommon.h"
#include "SkFrameController.h"

#include <memory>

class TTimer;
class TStringList;

// ItemData: the object the deleted item carried.
using TSkDeleteComboItemEvent = std::function<void(TObject *Sender, TObject *ItemData)>;

// The Sk combo box: its colour follows its state (disabled, focused,
// read-only, normal); it can draw a flat frame and a flat drop-down button
// with hot tracking; it has a read-only mode; it searches the list as the
// user types (list styles: characters typed within 1.5 s of each other) and
// completes typed text from the items (edit styles). Each item that leaves
// the list with an object (Delete, ClearItems, the box's end) is reported
// once through DeleteItemData (OnDeleteItem), so that its owner can free the
// object; the item lets go of it then.
class TSkCustomComboBox : public TCustomComboBox, public ISkFramePropertyTarget {
public:
    explicit TSkCustomComboBox(TComponent *AOwner, TComboBoxStyle InitialStyle = csDropDown);
    ~TSkCustomComboBox() override;

    void Paint() override;
    void KeyDown(Word &Key, TShiftState Shift) override;
    void KeyPress(QChar &Key) override;
    void DoEnter() override;
    void DoExit() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool WriteFrameProperty(const QString &Name, int Value) override;
    TSkFrameControllerNotifications FrameControllerNotifications() const override { return notifications_; }
    void SetFrameControllerNotifications(TSkFrameControllerNotifications Value) { notifications_ = Value; }

    // Item forwarding.
    int Add(const QString &S) { return Items()->Add(S); }
    int AddObject(const QString &S, TObject *AObject) { return Items()->AddObject(S, AObject); }
    void Delete(int Index) { Items()->Delete(Index); }
    void ClearItems() { Items()->Clear(); }
    void Insert(int Index, const QString &S) { Items()->Insert(Index, S); }
    void InsertObject(int Index, const QString &S, TObject *AObject) { Items()->InsertObject(Index, S, AObject); }
    int Count() { return Items()->Count(); }
    // The exact search: the whole text, letters compared without case.
    virtual int IndexOf(const QString &S);
    bool FindItem(const QString &S);
    bool FindClosestItem(const QString &S);
    // Sets Text without completing it.
    virtual void ForceText(const QString &S);
    virtual bool UseThemes() const;
    // The focus flag (the system focus may lie on the inner edit).
    bool Focused() const { return focused_; }

    const QString &SearchString() const { return searchString_; }
    void ClearSearchString() { searchString_.clear(); }
    TTimer *SearchTimer() const { return searchTimer_.get(); }

    bool AllowEdit() const { return allowEdit_; }
    void SetAllowEdit(bool Value) { allowEdit_ = Value; }
    bool AutoComplete() const { return autoComplete_; }
    void SetAutoComplete(bool Value) { autoComplete_ = Value; }
    bool BeepOnInvalidKey() const { return beepOnInvalidKey_; }
    void SetBeepOnInvalidKey(bool Value) { beepOnInvalidKey_ = Value; }
    TColor DisabledColor() const { return disabledColor_; }
    virtual void SetDisabledColor(TColor Value);
    TColor FlatButtonColor() const { return flatButtonColor_; }
    virtual void SetFlatButtonColor(TColor Value);
    bool FlatButtons() const { return flatButtons_; }
    virtual void SetFlatButtons(bool Value);
    TColor FocusColor() const { return focusColor_; }
    virtual void SetFocusColor(TColor Value);
    TColor FrameColor() const { return frameColor_; }
    virtual void SetFrameColor(TColor Value);
    TSkFrameController *FrameController() const { return frameController_; }
    virtual void SetFrameController(TSkFrameController *Value);
    TColor FrameHotColor() const { return frameHotColor_; }
    virtual void SetFrameHotColor(TColor Value);
    bool FrameHotTrack() const { return frameHotTrack_; }
    virtual void SetFrameHotTrack(bool Value);
    TFrameStyle FrameHotStyle() const { return frameHotStyle_; }
    virtual void SetFrameHotStyle(TFrameStyle Value);
    TSides FrameSides() const { return frameSides_; }
    virtual void SetFrameSides(TSides Value);
    TFrameStyle FrameStyle() const { return frameStyle_; }
    virtual void SetFrameStyle(TFrameStyle Value);
    bool FrameVisible() const { return frameVisible_; }
    virtual void SetFrameVisible(bool Value);
    TFramingPreference FramingPreference() const { return framingPreference_; }
    virtual void SetFramingPreference(TFramingPreference Value);
    bool KeepSearchCase() const { return keepSearchCase_; }
    void SetKeepSearchCase(bool Value) { keepSearchCase_ = Value; }
    bool ReadOnly() const { return readOnly_; }
    virtual void SetReadOnly(bool Value);
    TColor ReadOnlyColor() const { return readOnlyColor_; }
    virtual void SetReadOnlyColor(TColor Value);
    bool ReadOnlyColorOnFocus() const { return readOnlyColorOnFocus_; }
    void SetReadOnlyColorOnFocus(bool Value);
    bool TabOnEnter() const { return tabOnEnter_; }
    void SetTabOnEnter(bool Value) { tabOnEnter_ = Value; }

    TNotifyEvent OnMatch;
    TNotifyEvent OnNotInList;
    TNotifyEvent OnSelEndCancel;
    TNotifyEvent OnSelEndOk;
    TSkDeleteComboItemEvent OnDeleteItem;

protected:
    virtual void UpdateColors();
    virtual void UpdateFrame(bool ByMouse, bool On);
    virtual void InvalidKeyPressed();
    virtual void SelectBySearch(const QString &S);
    virtual bool CompleteFromSearch(const QString &S);
    // An item that carried Data left the list; fires OnDeleteItem.
    virtual void DeleteItemData(TObject *Data);
    void ItemDeleting(int Index) override;
    virtual void Match();
    virtual void NotInList();
    virtual void SelEndCancel();
    virtual void SelEndOk();
    // The toolkit's key press of a character: Enter as Tab, the MaxLength
    // refusal, OnKeyPress and the automatic drop-down.
    void KeyPressStep(QChar &Key);
    void SearchTimerTick();
    void DropDown() override;
    void CloseUp() override;
    void ColorChanged() override;
    void EnabledChanged() override;
    void TextChanged() override;
    void Loaded() override;
    void Resize() override;
    void Notification(TComponent *AComponent, TOperation Operation) override;
    bool WidgetEvent(QObject *Watched, QEvent *Event) override;
    bool Loading() const { return ComponentState().Contains(csLoading); }
    bool EditStyle() const { return Style() == csDropDown || Style() == csSimple; }
    bool Hot() const { return overControl_ || inControl_; }
    void PostTab();

private:
    void ListStyleKeyPress(QChar &Key);
    void EditStyleKeyPress(QChar &Key);
    void SyncSearchString();

    bool allowEdit_ = true;
    bool autoComplete_ = true;
    bool beepOnInvalidKey_ = true;
    TColor disabledColor_ = clBtnFace;
    TColor flatButtonColor_ = clBtnFace;
    bool flatButtons_ = false;
    TColor focusColor_ = clWindow;
    TColor frameColor_ = clBtnShadow;
    TSkFrameController *frameController_ = nullptr;
    TSkFrameControllerNotifications notifications_ = fcpAllNotifications;
    TColor frameHotColor_ = clBtnShadow;
    bool frameHotTrack_ = false;
    TFrameStyle frameHotStyle_ = fsFlatBold;
    TSides frameSides_ = sdAllSides;
    TFrameStyle frameStyle_ = fsFlat;
    bool frameVisible_ = false;
    TFramingPreference framingPreference_ = fpXPThemes;
    bool keepSearchCase_ = false;
    bool readOnly_ = false;
    TColor readOnlyColor_ = clInfoBk;
    bool readOnlyColorOnFocus_ = false;
    bool tabOnEnter_ = false;

    TColor normalColor_ = clWindow;
    bool updatingColor_ = false;
    bool focused_ = false;
    bool inControl_ = false;
    bool overControl_ = false;
    QString searchString_;
    std::unique_ptr<TTimer> searchTimer_;
    int keyInProgress_ = 0;
    bool typing_ = false;
    bool enterPressed_ = false;
    bool systemKey_ = false;
    bool syncing_ = false;
};

// The Sk combo box with a value per item: Values runs beside Items, and
// Value reads and selects by value rather than by caption.
class TSkComboBox : public TSkCustomComboBox {
public:
    explicit TSkComboBox(TComponent *AOwner, TComboBoxStyle InitialStyle = csDropDown);
    ~TSkComboBox() override;

    TStrings *Values();
    void SetValues(TStrings *Value);
    QString Value();
    void SetValue(const QString &V);
    QString GetItemValue(int N);
    void ClearItemsValues();
    void AddItemValue(const QString &Item, const QString &V);
    void InsertItemValue(int Index, const QString &Item, const QString &V);
    void DeleteItemValue(int Index);

    void Click() override;

protected:
    void Change() override;

private:
    void ValuesChanged();
    std::unique_ptr<TStringList> values_;
    QString value_;
    bool inSetValue_ = false;
    bool forceSetValue_ = false;
};
