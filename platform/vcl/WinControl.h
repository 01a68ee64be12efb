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
// Keys never travel on to the parent. Tab moves the focus and is not
// delivered.
//
// Focus: DoEnter / OnEnter when the control gains the focus, DoExit / OnExit
// when it loses it to another control; a window losing or regaining
// activation fires neither.
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

    void SetParent(TWinControl *AParent) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Invalidate() override;
    void Repaint() override;

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

    // The control whose widget is Widget or the nearest widget above it that
    // belongs to a control; none for foreign widgets.
    static TWinControl *FindControl(const QWidget *Widget);

protected:
    // Paints background, Paint and the windowless children (our own widget).
    virtual void PaintWindow(QPainter &Painter, const TRect &Dirty);
    // Paints the windowless children that meet Dirty.
    void PaintControls(QPainter &Painter, const TRect &Dirty);
    // Events of the widget before Qt handles them; true consumes the event.
    virtual bool WidgetEvent(QObject *Watched, QEvent *Event);
    // True when the widget is our own painting widget (not a standard one).
    bool OwnWidget() const { return ownWidget_; }
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
    bool PositionIsOurs(QObject *Watched, QPointF Pos) const;
    void TrackHover(TControl *Target);
    void ChildGone(TControl *Child);
    void ChildBoundsChanged(TControl *Child, const TRect &OldBounds);

    QPointer<QWidget> widget_;
    ControlEventBridge *bridge_ = nullptr;
    bool ownWidget_ = false;
    bool tabStop_ = false;
    std::vector<TControl *> controls_;
    TControl *captureControl_ = nullptr;
    TControl *hoverControl_ = nullptr;
    TControl *pressTarget_ = nullptr;
};
