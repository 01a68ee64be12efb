#pragma once
#include "Color.h"
#include "Events.h"
#include "Persistent.h"
#include "TypInfo.h"
#include "Types.h"

#include <QString>

#include <exception>

class TCanvas;
class TComponent;
class TPopupMenu;
class IgPlotObjectHost;
class IgPlotOwner;

// What an object's mouse hooks receive. XAxisPixels/YAxisPixels are the
// coordinates along the X and the Y axis (swapped when the plot swaps its axes).
struct TgPlotMouseData {
    int X = 0, Y = 0;
    int ScreenX = 0, ScreenY = 0;
    int XAxisPixels = 0, YAxisPixels = 0;
    TShiftState Shift;
    TMouseButton Button = mbLeft;
    bool DblClickActive = false;
};

// The plot's hint as objects fill it while the mouse hovers.
struct TgHintData {
    QString Text;
    int Top = 0, Left = 0, Width = 0, Height = 0;
    bool Visible = false;
};

// Runs Call; an exception it raises is kept in First unless First holds one
// already, so that the rest of a removal still runs before it is raised.
template <class F>
void KeepFirstFailure(std::exception_ptr &First, F &&Call) noexcept
{
    try {
        Call();
    } catch (...) {
        if (!First)
            First = std::current_exception();
    }
}

// What managers and manager objects insist on, raising in this order: the
// owner (OwnerMessage), then OnChange, OnInsert, OnRemove and OnRename.
void CheckPlotArguments(const TComponent *AOwner, const QString &OwnerMessage, const TNotifyEvent &AOnChange,
                        const TNotifyEvent &AOnInsert, const TNotifyEvent &AOnRemove, const TNotifyEvent &AOnRename);

// The base of every element of a plot. An object never talks to the plot
// directly: it fires the callbacks that the master manager, the layout
// manager and the plot fill in, and asks its owner (the plot, through
// IgPlotObjectHost) to fire the user events on its behalf. Setters store a
// value only when it differs and then call DoChange (appearance) or
// DoLayoutChange (size or place). The creator calls DoInsert once the object
// is built; Free announces the removal and then destroys the object.
// A handler may add, remove or clear objects in a removal: each call completes; objects already going are left to it.
class TgPlotObject : public TPersistent {
public:
    TgPlotObject(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                 TNotifyEvent AOnRename);
    // A plain delete still announces the removal, from the destructors,
    // where the object is no longer of its own class to the handlers.
    ~TgPlotObject() override;

    // Announces the removal while the object is whole, then deletes it;
    // nothing when its removal is under way already. Every handler runs;
    // the first exception one raised reaches the caller once the object is
    // gone.
    void Free();
    // Its removal has begun (it is freed when that ends).
    bool Removing() const { return FRemovalAnnounced; }

    TComponent *Owner() const { return FOwner; }
    const QString &Name() const { return FName; }
    const QString &NameOld() const { return FNameOld; }
    void SetName(const QString &Value);
    // While the object takes its first name: no other object can hold it
    // yet (they find objects by name), so no other object need hear of it.
    bool FirstNaming() const { return FFirstNaming; }
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool Value);
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);
    int Layer() const { return FLayer; }
    void SetLayer(int Value);
    bool PopupEnabled() const { return FPopupEnabled; }
    void SetPopupEnabled(bool Value);
    bool CanFocus() const { return FCanFocus; }
    void SetCanFocus(bool Value);
    bool UserSelected() const { return FUserSelected; }
    void SetUserSelected(bool Value);
    bool UserCanEdit() const { return FUserCanEdit; }
    void SetUserCanEdit(bool Value) { FUserCanEdit = Value; }
    bool XYAxesReversed() const { return FXYAxesReversed; }
    virtual void SetXYAxesReversed(bool Value) { FXYAxesReversed = Value; }
    TShiftState ShiftState() const { return FShiftState; }
    void SetShiftState(TShiftState Value) { FShiftState = Value; }
    bool CanDraw() const { return FCanDraw; }
    bool MouseDown() const { return FMouseDown; }
    bool MouseDownPopup() const { return FMouseDownPopup; }
    TgPlotObject *MouseOverObject() const { return FMouseOverObject; }

    // The callbacks the managers and the plot fill in.
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
    void SetOnLayoutChange(TNotifyEvent Value) { FOnLayoutChange = std::move(Value); }
    void SetOnRemove(TNotifyEvent Value) { FOnRemove = std::move(Value); }
    void SetOnSetFocus(TNotifyEvent Value) { FOnSetFocus = std::move(Value); }
    void SetOnEdit(TNotifyEvent Value) { FOnEdit = std::move(Value); }
    void SetOnInvalidateNow(TNotifyEvent Value) { FOnInvalidateNow = std::move(Value); }

    virtual void DoChange();
    virtual void DoLayoutChange();
    // Another object is being removed / was renamed / became selected.
    virtual void NotificationRemove(TObject *Sender);
    // Whether the object may hold a pointer to another of its own manager:
    // a Clear of that manager then tells it of each removal all the same.
    virtual bool RefersToItsKind() const { return false; }
    virtual void NotificationRename(TObject *Sender) {}
    virtual void NotificationSetFocus(TObject *Sender) {}
    virtual void UpdateCanDraw() { FCanDraw = true; }
    virtual void Draw(TCanvas *Canvas, TColor BackGroundColor) {}

    // Input, as the plot passes it to the object under the mouse and the
    // object manager to every selected object.
    virtual void gMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                            TPopupMenu *PopupMenu);
    virtual void gMouseMove(TgHintData &HintData, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                            bool DblClickActive);
    virtual void gMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                          bool DblClickActive, TPopupMenu *PopupMenu);
    virtual bool gMouseHitTest(const TgPlotMouseData &MouseData) { return false; }
    virtual bool gMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos);
    // Shift+F10 and the menu key open the object's menu.
    virtual void gKeyDown(Word &CharCode, TShiftState Shift, TPopupMenu *PopupMenu);

    virtual void DoMouseHint(const TgPlotMouseData &MouseData, TgHintData &HintData) {}
    virtual void DoMouseLeft(const TgPlotMouseData &MouseData) {}
    virtual void DoMouseRight(const TgPlotMouseData &MouseData) {}
    virtual void DoMouseMove(const TgPlotMouseData &MouseData) {}
    virtual void DoMouseUp(const TgPlotMouseData &MouseData) {}
    virtual bool DoMouseWheel(int WheelDelta, TShiftState Shift, int X, int Y) { return false; }
    virtual void DoGotFocus();
    virtual void DoLostFocus();
    virtual void DoMouseNotOver() {}
    // The object or sub-object under the point; the object itself here.
    virtual TgPlotObject *GetMouseOverObject(int X, int Y);
    virtual int GetMouseCursor(TPoint Point);

    // Registers the finished object (the master manager takes it from here).
    virtual void DoInsert();
    // Empties the menu; descendants add their items after it.
    virtual void BuildPopupMenu(TPopupMenu *PopupMenu);

    bool HitTest(int X, int Y);
    void DoEditMenuItemClick() { EditMenuItemClick(this); }
    void AddEditMenuItem(TPopupMenu *PopupMenu);
    // Text as the plot's translation table replaces it.
    QString TranslateText(const QString &Text) const;
    // Layer as text padded with "0" to six characters: the drawing-order key.
    QString GetLayerText() const;
    void MapAxesPixels(int X, int Y, int &XAxisPixels, int &YAxisPixels) const;
    void CancelMouseDownPopup() { FMouseDownPopup = false; }

    const TPublishedClass *PublishedClass() const override;
    static const TPublishedClass *StaticPublished();

protected:
    // The setters' one rule: store Value and repaint only when it differs.
    template <class T>
    void Change(T &Field, T Value)
    {
        if (Field != Value) {
            Field = Value;
            DoChange();
        }
    }
    // Where a key-opened menu pops up, in client pixels; false: built, not shown.
    virtual bool GetKeyPopupPoint(TPoint &Point) const { return false; }
    IgPlotObjectHost *Host() const;
    // The plot as its objects see it, when the owner is one.
    IgPlotOwner *Plot() const;
    void EditMenuItemClick(TObject *Sender);
    void NotifyInvalidateNow();
    // For destructors, after a plain delete: fires the removal unless Free
    // did. The base destructor calls it; a descendant that wants to be told
    // apart by its class calls it in its own destructor (layout objects do).
    // A handler's exception is dropped: none may leave a destructor.
    void AnnounceRemoval() noexcept { (void)NotifyRemoval(); }
    // FOnLayoutChange alone (DoLayoutChange adds DoChange).
    void NotifyLayoutChange();
    void DoRename();

    // Store Value in Field when it differs, then call Notify (when given).
    void ChangeBoolean(bool &Field, bool Value, void (TgPlotObject::*Notify)() = nullptr);
    void ChangeInteger(int &Field, int Value, void (TgPlotObject::*Notify)() = nullptr);
    void ChangeDouble(double &Field, double Value, void (TgPlotObject::*Notify)() = nullptr);
    void ChangeString(QString &Field, const QString &Value, void (TgPlotObject::*Notify)() = nullptr);

    TgPlotMouseData MakeMouseData(int X, int Y, bool DblClickActive = false) const;

    TgPlotObject *FMouseOverObject = nullptr;
    bool FMouseDown = false;
    bool FMouseDownPopup = false;
    bool FCanDraw = false;

private:
    // Fires the removal (OnRemove, then OnLayoutChange and OnChange) once;
    // every callback runs, and the first exception raised is returned.
    std::exception_ptr NotifyRemoval() noexcept;

    QString FName;
    QString FNameOld;
    bool FNamed = false, FFirstNaming = false;
    TComponent *FOwner;
    TShiftState FShiftState;
    TNotifyEvent FOnChange;
    TNotifyEvent FOnLayoutChange;
    TNotifyEvent FOnRemove;
    TNotifyEvent FOnInsert;
    TNotifyEvent FOnRename;
    TNotifyEvent FOnSetFocus;
    TNotifyEvent FOnEdit;
    TNotifyEvent FOnInvalidateNow;
    bool FVisible = true;
    bool FEnabled = true;
    int FLayer = 100;
    bool FPopupEnabled = true;
    bool FCanFocus = true;
    bool FUserSelected = false;
    bool FUserCanEdit = true;
    bool FXYAxesReversed = false;
    bool FRemovalAnnounced = false;
};
