#pragma once
#include "Canvas.h"
#include "Color.h"
#include "Component.h"
#include "Cursors.h"
#include "Events.h"
#include "Font.h"
#include "Types.h"

#include <QString>
#include <memory>

class TWinControl;

// A control message: its number, two parameters and the answer.
struct TMessage {
    unsigned Msg = 0;
    unsigned long WParam = 0;
    long LParam = 0;
    long Result = 0;
};

// Control messages of the toolkit (its base 0xB000).
enum : unsigned {
    CM_FOCUSCHANGED = 0xB000 + 7,  // LParam: the control that now has the focus
    CM_SYSCOLORCHANGE = 0xB000 + 25,
    CM_DIALOGCHAR = 0xB000 + 6,    // WParam: the character typed with Alt
    CM_DIALOGKEY = 0xB000 + 5,     // WParam: Enter or Escape, LParam: the shift state's bits
    // WParam: Tab, an arrow key, Enter or Escape typed on the control; an
    // answer other than 0 keeps the key from the dialog navigation.
    CM_WANTSPECIALKEY = 0xB000 + 30,
    CM_PARENTCOLORCHANGED = 0xB000 + 9, // to every child when its parent's Color changed
    CM_PARENTSHOWHINTCHANGED = 0xB000 + 12, // to every child when its parent's ShowHint changed
};
// To the control that loses the mouse capture during a press; LParam: the
// control that takes it, or none.
enum : unsigned { WM_CAPTURECHANGED = 0x0215 };
class TControl;
class TPopupMenu;

enum TDragMode { dmManual, dmAutomatic };
enum TDragKind { dkDrag, dkDock };
// Where the mouse of a drag stands against a control asked to take it: it
// came over it, left it, or moves over it.
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
// What a drag carries when the source's OnStartDrag supplies one (the
// handler keeps it and frees it after OnEndDrag); otherwise the source
// control itself is the drag's Source.
class TDragObject : public TObject {
public:
    ~TDragObject() override = default;
};
// Accept starts true when the event is assigned; X, Y are in the client
// coordinates of the control asked.
using TDragOverEvent =
    std::function<void(TObject *Sender, TObject *Source, int X, int Y, TDragState State, bool &Accept)>;
using TDragDropEvent = std::function<void(TObject *Sender, TObject *Source, int X, int Y)>;
using TStartDragEvent = std::function<void(TObject *Sender, TDragObject *&DragObject)>;
// Target is the control that took the drop, none when the drag ended
// without one (X, Y then in the source's client coordinates).
using TEndDragEvent = std::function<void(TObject *Sender, TObject *Target, int X, int Y)>;

enum TControlStyleItem {
    csAcceptsControls,  // may hold child controls
    csCaptureMouse,     // keeps the mouse from button-down to button-up
    csClickEvents,      // a left press and release inside makes a Click
    csSetCaption,
    csOpaque,           // paints its whole area
    csDoubleClicks,     // a second quick press makes DblClick (else a plain press)
    csReplicatable,
    csParentBackground, // a windowed control lets its parent show through
};
using TControlStyle = TSet<TControlStyleItem>;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// What a hint about to show says and where; a control's HintShow may change
// it for the mouse position (CursorPos and CursorRect in the control's client
// coordinates). An empty HintStr shows no hint.
struct THintInfo {
    TControl *HintControl = nullptr;
    TPoint CursorPos;
    TRect CursorRect;
    QString HintStr;
};

// Alignment in the parent's client rectangle (see TWinControl::AlignControls).
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
// Edges whose distance to the same edge of the parent stays fixed when the
// parent is resized; both edges of a direction stretch the control.
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
// Size limits applied by every SetBounds; 0 is no limit.
struct TSizeConstraints {
    int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
    bool operator==(const TSizeConstraints &o) const
    {
        return MinWidth == o.MinWidth && MinHeight == o.MinHeight && MaxWidth == o.MaxWidth && MaxHeight == o.MaxHeight;
    }
};

// A control: a component with a place in a parent window, drawn and driven by
// the mouse. Two kinds exist, as in the original toolkit:
//  - windowed controls (TWinControl and below) own a Qt widget; they take the
//    keyboard focus and hold child controls;
//  - windowless controls (TGraphicControl and below: labels, plots, shaped
//    buttons) have no widget: the parent paints them inside its own paint,
//    after itself and in their z-order, and hands them the mouse events that
//    fall on them. They therefore always lie below windowed siblings.
//
// Properties are pairs of getter and setter (Width() / SetWidth()); a setter
// that changes nothing does nothing. Events are public callbacks, called only
// when assigned, with this control as Sender.
//
// Geometry: Left, Top relative to the parent's client area; ClientRect is
// (0, 0, Width, Height) (a form's leaves out its frame).
//
// Painting: Paint draws on Canvas() (a control's canvas has a device only
// during Paint). Invalidate asks for a paint later, Repaint paints at once.
// A control that must show a change at once (a progress bar moved from a long
// loop) calls Repaint, never Paint.
//
// Mouse: MouseDown, MouseMove, MouseUp, Click, DblClick, DoMouseWheel,
// MouseEnter and MouseLeave are virtual; the base versions fire the events.
// Click comes before the OnMouseUp of the same release, as in the original
// toolkit. A disabled control gets no mouse input (a windowless one lets it
// fall to its parent).
class TControl : public TComponent {
public:
    explicit TControl(TComponent *AOwner);
    ~TControl() override;

    TWinControl *Parent() const { return parent_; }
    virtual void SetParent(TWinControl *AParent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int Value) { SetBounds(Value, top_, width_, height_); }
    void SetTop(int Value) { SetBounds(left_, Value, width_, height_); }
    void SetWidth(int Value) { SetBounds(left_, top_, Value, height_); }
    void SetHeight(int Value) { SetBounds(left_, top_, width_, Value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect &R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
    virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign Value);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors Value);
    const TSizeConstraints &Constraints() const { return constraints_; }
    void SetConstraints(const TSizeConstraints &Value);
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int Value) { SetWidth(Value + width_ - ClientWidth()); }
    void SetClientHeight(int Value) { SetHeight(Value + height_ - ClientHeight()); }
    TPoint ClientToScreen(TPoint P) const;
    TPoint ScreenToClient(TPoint P) const;
    // The point P of this control in its parent's client coordinates.
    TPoint ClientToParent(TPoint P) const { return {P.X + left_, P.Y + top_}; }

    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible here and in every parent up to a shown window.
    bool Showing() const;
    // The control's own setting. A control inside a disabled parent keeps it
    // (and gets it back when the parent is enabled) but takes no input and
    // paints disabled meanwhile: EnabledInParents.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    bool EnabledInParents() const;

    TColor Color() const { return color_; }
    void SetColor(TColor Value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool Value);
    TFont *Font() { return &font_; }
    void SetFont(TFont *Value) { font_.Assign(Value); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool Value);

    const QString &Caption() const { return text_; }
    void SetCaption(const QString &Value);
    const QString &Text() const { return text_; }
    void SetText(const QString &Value) { SetCaption(Value); }
    const QString &Hint() const { return hint_; }
    void SetHint(const QString &Value);
    bool ShowHint() const { return showHint_; }
    // A change also clears ParentShowHint.
    void SetShowHint(bool Value);
    // ShowHint follows the parent's while set (from the start).
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool Value);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor Value);
    // The menu a right click (or the menu key) pops up at the mouse; none
    // leaves the widget's own context menu, if it has one.
    TPopupMenu *PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu *Value);

    TControlStyle ControlStyle() const { return style_; }
    void SetControlStyle(TControlStyle Value) { style_ = Value; }
    TCanvas *Canvas() { return &canvas_; }

    virtual void Invalidate();
    virtual void Repaint();
    // Paints what is pending now.
    void Update();
    void Refresh() { Repaint(); }
    // The control goes to the top (the bottom) of its siblings: last (first)
    // among its parent's controls, its window raised (lowered). The tab order
    // stays.
    void BringToFront();
    void SendToBack();

    // Draws this control (and, for a windowed one, its children) into an
    // image of its size (a form's: its client widget); what a screenshot of it would show, without the
    // parent underneath.
    QImage PaintToImage();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TNotifyEvent OnResize;

    // Input entry points (the platform calls these; controls override them).
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void Click();
    virtual void DblClick();
    // Returns true when the wheel was handled here.
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual void MouseEnter();
    virtual void MouseLeave();
    bool MouseInControl() const { return mouseInControl_; }
    // True from a press that the control holds the mouse for (csCaptureMouse)
    // until the last button is released; Qt's own grab is implicit and does
    // not say so. Clearing it ends the capture: later moves go where the mouse is.
    // One control at a time holds it: a control that takes it takes it from
    // the holder.
    bool MouseCapture() const { return mouseCapture_; }
    void SetMouseCapture(bool Value);
    // Takes the mouse away from this control during a press: its window lost
    // the activation (another window, a modal one too, came up), a popup menu
    // opened, it (or a parent) was hidden or disabled, or another control
    // (Taker) took the capture. The capture ends, the press makes no Click,
    // the rest of the press reaches the control only over it, and the control
    // hears WM_CAPTURECHANGED (CaptureChanged), then OnMouseCaptureLost fires.
    // Nothing when the control does not hold the capture; its own release of
    // the capture is no loss and is not told.
    void LoseMouseCapture(TControl *Taker = nullptr);
    // The control lost the mouse during a press (LoseMouseCapture): the rest
    // of the press, its release too, may never reach it.
    TNotifyEvent OnMouseCaptureLost;

    // Called before this control's hint shows; the base leaves Info as it is.
    virtual void HintShow(THintInfo &Info) { (void)Info; }

    // Drag and drop between the program's controls. BeginDrag, called
    // while a mouse button is held on the control, starts a drag of it at
    // once or once the mouse has moved Threshold pixels (-1: 5); from then
    // until the release the mouse goes to the drag, not to the control.
    // Every control the mouse comes over is asked whether it takes the
    // drag (DragOver: enter, moves, leave); the release over one that takes
    // it drops it there (DragDrop); then the source hears the end (EndDrag
    // with the target or none). Escape, or EndDrag(false), cancels.
    void BeginDrag(bool Immediate, int Threshold = -1);
    // dmAutomatic: a left press on the control begins a drag of it (with
    // the threshold), before the control hears the press.
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode Value) { dragMode_ = Value; }
    void EndDrag(bool Drop);
    bool Dragging() const;
    // Accept starts false, and true when OnDragOver is assigned, which
    // decides.
    virtual void DragOver(TObject *Source, int X, int Y, TDragState State, bool &Accept);
    // Fires OnDragDrop.
    virtual void DragDrop(TObject *Source, int X, int Y);
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDrag;

    // Paints the control on Canvas(); nothing here.
    virtual void Paint() {}
    // Whether the point (X, Y) of the control's own area takes the mouse; a
    // windowless control shaped like its picture answers false beside the
    // shape, and the mouse goes to what lies below.
    virtual bool HitTest(int X, int Y) const { return true; }

    // Name, Tag, the bounds, Cursor, Hint, ShowHint, Visible, Enabled.
    const TPublishedClass *PublishedClass() const override;
    static const TPublishedClass *StaticControlPublished();

    // Delivers a message to the control at once through WndProc and returns
    // its answer.
    long Perform(unsigned Msg, unsigned long WParam, long LParam = 0);

protected:
    // Answers the messages the control knows: CM_PARENTCOLORCHANGED takes
    // the parent's colour when ParentColor is set, CM_PARENTSHOWHINTCHANGED
    // the parent's ShowHint when ParentShowHint is set; CM_SYSCOLORCHANGE calls
    // SysColorChanged, CM_FOCUSCHANGED calls FocusChanged, WM_CAPTURECHANGED
    // calls CaptureChanged, CM_DIALOGCHAR calls DialogChar (Result 1 when it took the character). Anything else
    // is answered 0.
    virtual void WndProc(TMessage &Message);
    // The system colours changed; nothing here.
    virtual void SysColorChanged() {}
    // WM_CAPTURECHANGED: the control lost the mouse to NewCapture (none when
    // no control took it); nothing here.
    virtual void CaptureChanged(TControl *NewCapture) { (void)NewCapture; }
    // The focus moved to Focused (a control of the same form); nothing here.
    virtual void FocusChanged(TWinControl *Focused) { (void)Focused; }
    // A character typed with Alt in the control's form: true when the control
    // acted on it (its caption's accelerator); nothing here.
    virtual bool DialogChar(QChar Key) { (void)Key; return false; }
    // A drag of this control starts (fires OnStartDrag) / ended (fires
    // OnEndDrag).
    virtual void DoStartDrag(TDragObject *&DragObject);
    virtual void DoEndDrag(TObject *Target, int X, int Y);

    // Change notifications, after the value is stored.
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void TextChanged();
    virtual void EnabledChanged();
    virtual void VisibleChanged();
    virtual void HintChanged();
    virtual void CursorChanged();
    // After a size change; fires OnResize.
    virtual void Resize();
    void Notification(TComponent *AComponent, TOperation Operation) override;

    // Runs Paint with Canvas() bound to Painter, whose origin is this
    // control's top-left corner. An exception of Paint stops there and is
    // reported (HandlerGuard.h).
    void PaintWith(QPainter *Painter, const TRect &Area);

private:
    void MoveInParent(bool Front);
    friend class TWinControl;
    friend class TDragSession;
    void ParentFontChanged();
    void ParentColorChanged();
    void ParentShowHintChanged();
    void StoreShowHint(bool Value);
    void ApplyParentStyle();
    // The window that routes the mouse to this control (itself when windowed).
    TWinControl *MouseRouter() const;
    // Capture bookkeeping: taking it (from the holder, who loses it) and
    // ending it quietly.
    void TakeCapture();
    void EndCapture();

    // Remembers where the control stands against its parent's client size,
    // for the anchors; not while the parent places it.
    void UpdateAnchorRules();

    TWinControl *parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_{akLeft, akTop};
    TSizeConstraints constraints_;
    TRect anchorBounds_;
    TSize anchorParentSize_;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    TFont font_;
    bool parentFont_ = true;
    bool applyingParent_ = false;
    QString text_;
    QString hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TCursor cursor_ = crDefault;
    TControlStyle style_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TCanvas canvas_;
    int wheelAccumulator_ = 0;
    bool clicked_ = false;
    bool mouseInControl_ = false;
    bool mouseCapture_ = false;
    TPopupMenu *popupMenu_ = nullptr;
    TDragMode dragMode_ = dmManual;

protected:
    bool IsWindowed() const { return windowed_; }
    bool windowed_ = false;
    // Turns false when the control is freed; dispatch code holds a copy
    // across user handlers that may free the control.
    std::shared_ptr<bool> aliveToken_ = std::make_shared<bool>(true);
};

// True when Key is the accelerator of Caption: the character after a single
// "&" ("&&" stands for "&"), compared without case.
bool IsAccel(QChar Key, const QString &Caption);

// Sends Msg (WParam GroupIndex, LParam Sender) to every direct child of
// Sender's parent, in the parent's order, until one answers non-zero; the
// button groups tell their members of a change so. Does nothing without a
// parent.
void broadcastToSiblings(unsigned Msg, int GroupIndex, TControl *Sender);

// The drag under way, for the windows that route the mouse: the control
// being dragged (none without a drag); each press (where a drag would
// start), a move of the mouse with the button held and the release, at
// screen points; the drag called off.
TControl *DragSourceControl();
void DragNotePress(TPoint Screen);
void DragMouseMove(TPoint Screen);
void DragMouseRelease(TPoint Screen);
void CancelDrag();
// A control being destroyed leaves the drag (as its source, the drag ends
// unheard).
void ForgetDragControl(TControl *Control);

// The control that holds the mouse capture, or none.
TControl *GetCaptureControl();
// The control that holds the mouse capture, if any, loses it (LoseMouseCapture
// with no taker): a popup menu or another window takes the mouse.
void CancelCaptureControl();
// The holder of the mouse capture loses it when it is Control or lies inside
// it (Control is being hidden or disabled).
void CancelCaptureWithin(TControl *Control);

// The form (top-level window) that holds the control, or none.
class TCustomForm;
TCustomForm *GetParentForm(TControl *Control);
