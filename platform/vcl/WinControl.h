#pragma once
#include "Control.h"

#include <QPointer>
#include <QWidget>
#include <vector>

class QEvent;
class QMouseEvent;
class QWheelEvent;
class QKeyEvent;
class QPainter;
class QObject;
class ControlEventBridge;

// A control with a Qt widget. It holds child controls (windowed ones as child
// widgets, windowless ones painted by this control and given their mouse
// input), takes the keyboard focus and receives keys.
//
// The widget is made at construction: our own painting widget (which erases
// with Color unless csParentBackground is in ControlStyle, then calls Paint,
// then paints the windowless children) or, for the standard controls, the Qt
// widget the subclass passes in.
//
// Keys: KeyDown and KeyUp get virtual-key codes, KeyPress the character;
// setting Key to 0 swallows the key (a standard widget then does not see it).
// Keys never travel on to the parent.
//
// Dialog navigation: Tab walks the window's controls in Tab order; an arrow
// key moves the focus to the next (Right, Down) or previous (Left, Up)
// sibling; Enter and Escape go to the form's dialog keys after KeyDown.
// Each of them is navigation unless the focused control claims it: its
// answer to WM_GETDLGCODE holds the DLGC_ flag of the key (arrows: WANTARROWS,
// Tab: WANTTAB, Enter and Escape: WANTALLKEYS), or it answers
// CM_WANTSPECIALKEY with the key non-zero. A claimed key is an ordinary key.
//
// Focus: DoEnter / OnEnter when the control gains the focus, DoExit / OnExit
// when it loses it to another control; a window losing or regaining
// activation fires neither.
// Window messages that Perform understands: keys sent to the control as if
// typed (wParam the virtual-key code, or the character for WM_CHAR).
enum : unsigned { WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101, WM_CHAR = 0x0102, WM_GETDLGCODE = 0x0087 };
// The keys a control claims from the dialog navigation (WM_GETDLGCODE).
enum : long { DLGC_WANTARROWS = 1, DLGC_WANTTAB = 2, DLGC_WANTALLKEYS = 4 };

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent *AOwner, QWidget *Widget = nullptr);
    ~TWinControl() override;

    QWidget *Widget() const { return widget_; }

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl *Controls(int Index) const; // throws EListError out of range
    void InsertControl(TControl *AControl);
    void RemoveControl(TControl *AControl);
    bool ContainsControl(TControl *AControl) const;
    // The topmost visible (and, unless AllowDisabled, enabled) windowless
    // child whose bounds hold Pos (client coordinates), or none.
    TControl *ControlAtPos(TPoint Pos, bool AllowDisabled = false) const;

    void SetFocus();
    bool Focused() const;
    bool CanFocus() const;
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool Value);
    // Place among the parent's windowed children in Tab order (0 first; -1
    // without a parent). Setting it moves the control there, clamped to the
    // list; the others keep their order.
    int TabOrder() const;
    void SetTabOrder(int Value);
    // The windowed controls below this one in Tab order, each followed by
    // its own children's list.
    void GetTabOrderList(std::vector<TWinControl *> &List) const;
    // The control after (before) CurControl in the Tab order below this one,
    // wrapping round, that can take the focus and, when asked, has TabStop
    // and this control as its parent; none when no control qualifies.
    TWinControl *FindNextControl(TWinControl *CurControl, bool GoForward, bool CheckTabStop,
                                 bool CheckParent) const;
    // Focuses the next control in Tab order (the Tab key walks with it, and
    // the arrow keys among siblings). A walk by keys is a keyboard focus
    // change: the window's controls show their focus marks from then on.
    void SelectNext(TWinControl *CurControl, bool GoForward, bool CheckTabStop);

    void SetParent(TWinControl *AParent) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // Places the aligned and anchored children again (after a resize, a
    // child's Align change, or a change of what the client rectangle holds).
    void Realign();
    void Invalidate() override;
    void Repaint() override;
    // Asks for a paint of R (client coordinates) only.
    void InvalidateRect(const TRect &R);

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    virtual void KeyDown(Word &Key, TShiftState Shift);
    virtual void KeyUp(Word &Key, TShiftState Shift);
    virtual void KeyPress(QChar &Key);
    virtual void DoEnter();
    virtual void DoExit();

    // Sends Message to every child in order until one answers non-zero.
    void Broadcast(TMessage &Message);
    // Tells this control and every control inside it that the system
    // colours changed.
    void NotifySysColorChange();

    // The control whose widget is Widget or the nearest widget above it that
    // belongs to a control; none for foreign widgets.
    static TWinControl *FindControl(const QWidget *Widget);

protected:
    // The rectangle the children are aligned in; ClientRect unless a
    // subclass keeps frames or captions out of it.
    virtual void AdjustClientRect(TRect &Rect) {}
    // Docks the visible aligned children to Rect's edges in the order top,
    // bottom, left, right, client (each group in child order), shrinking
    // Rect as it goes; then moves the anchored ones by the size change.
    virtual void AlignControls(TControl *AControl, TRect &Rect);
    // Keys (WM_KEYDOWN, WM_KEYUP, WM_CHAR) are delivered as if typed, through
    // the key handlers to the widget (a standard widget acts on them) and
    // answered 0. WM_GETDLGCODE is answered DLGC_WANTARROWS: a control keeps
    // the arrow keys unless it answers otherwise. Other messages as
    // TControl::WndProc.
    void WndProc(TMessage &Message) override;

    // Paints background, Paint and the windowless children (our own widget).
    virtual void PaintWindow(QPainter &Painter, const TRect &Dirty);
    // Paints the windowless children that meet Dirty.
    void PaintControls(QPainter &Painter, const TRect &Dirty);
    // Events of the widget before Qt handles them; true consumes the event.
    virtual bool WidgetEvent(QObject *Watched, QEvent *Event);
    // True when the widget is our own painting widget (not a standard one).
    bool OwnWidget() const { return ownWidget_; }
    // The mouse over Child, a part of a standard widget that takes the mouse
    // itself (a list's viewport), reaches this control as over the widget,
    // at positions in the widget's coordinates.
    void RouteMouseOf(QWidget *Child);
    // Every focus change of the widget, also one that only follows the
    // window's activation (DoEnter and DoExit do not see those).
    // A child came, went, was shown or hidden, or took new bounds; nothing here.
    virtual void ChildPlaced(TControl *Child) { (void)Child; }
    virtual void FocusGained() {}
    virtual void FocusLost() {}
    // Shows or hides the widget from Visible and the parent chain.
    virtual void UpdateWidgetVisibility();

    void FontChanged() override;
    void ColorChanged() override;
    void EnabledChanged() override;
    void VisibleChanged() override;
    void HintChanged() override;
    void CursorChanged() override;

private:
    friend class ControlEventBridge;
    friend class ControlWidget;
    friend class TControl;
    bool MouseEventFor(QObject *Watched, QMouseEvent *E);
    bool WheelEventFor(QObject *Watched, QWheelEvent *E);
    bool KeyEventFor(QKeyEvent *E);
    bool WantsKey(Word Key);
    bool PositionIsOurs(QObject *Watched, QPointF Pos) const;
    void TrackHover(TControl *Target);
    void ChildGone(TControl *Child);
    void ChildBoundsChanged(TControl *Child, const TRect &OldBounds);

    QPointer<QWidget> widget_;
    ControlEventBridge *bridge_ = nullptr;
    bool ownWidget_ = false;
    bool tabStop_ = false;
    bool aligning_ = false;
    std::vector<TControl *> controls_;
    std::vector<TWinControl *> tabList_;
    TControl *captureControl_ = nullptr;
    // The press under way lost its capture: until its last button is up the
    // mouse reaches this window only over it.
    bool captureLost_ = false;
    TControl *hoverControl_ = nullptr;
    TControl *pressTarget_ = nullptr;
};
