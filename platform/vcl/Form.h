#pragma once
#include "CustomControl.h"
#include "Region.h"

#include <QImage>
#include <functional>
#include <memory>

class QEventLoop;
class FormFrame;
class TMainMenu;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;
constexpr TModalResult mrClose = 11;

enum TCloseAction { caNone, caHide, caFree, caMinimize };

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TPosition {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
    poMainFormCenter, poOwnerFormCenter
};

// Tag of the constructor that builds a form in code, without a stored layout.
struct TCreateNew {};
inline constexpr TCreateNew CreateNew{};
using TCloseEvent = std::function<void(TObject *Sender, TCloseAction &Action)>;
using TCloseQueryEvent = std::function<void(TObject *Sender, bool &CanClose)>;

// A top-level window. It starts hidden (Visible false); Show shows it,
// ShowModal shows it modally and returns when ModalResult becomes non-zero
// (a button with a ModalResult sets it) or the window is closed (mrCancel).
// Setting ModalResult on a window that is not modal changes nothing else: it
// stays open.
//
// Activation: Show makes the window the active one at once (not with
// NoActivate, nor while a modal window holds it back); Hide, or the end of
// ShowModal, gives the activation back to the window that had it before. A
// modal window holds back the windows that were there when it came; a window
// shown while it is up stands over it and takes input.
//
// OnActivate fires each time the window becomes the active window (shown,
// pressed into, which activates it at once as the desktop does, or chosen by
// the window system), OnDeactivate when another window takes the activation.
//
// A window whose BorderIcons lack biSystemMenu has no close box: the window
// system's close request (and Escape, unless a Cancel button takes it) leaves
// it open; Close from code still closes it.
// Closing (Close, the window's close button, or a modal result) asks
// OnCloseQuery, then OnClose with the action caHide (caNone keeps the window
// open, caFree frees it once the event loop is back, caMinimize minimises).
// Caption is the window title.
//
// Frame and client: the window is the client area (where the children lie,
// in client coordinates, and where the form paints) inside a frame of title
// bar, borders, the menu bar of Menu and the scroll bars. Left, Top, Width
// and Height are the outer rectangle, ClientWidth and ClientHeight the
// client's (the area below the menu bar, scroll bars included). The title
// bar and borders are the window system's; the form counts them as a fixed
// allowance (FrameWidth x FrameHeight, see below) so that sizes do not
// depend on the desktop. A form placed inside another control has no frame.
// KeyPreview: the form's OnKeyDown/OnKeyPress/OnKeyUp see keys before the
// focused control (Key set to 0 there swallows it).
class TCustomForm : public TCustomControl {
public:
    explicit TCustomForm(TComponent *AOwner);
    TCustomForm(TComponent *AOwner, TCreateNew) : TCustomForm(AOwner) {}
    ~TCustomForm() override;

    // Window frame and placement. BorderStyle bsNone gives a frameless window,
    // the tool styles a tool window; only bsSizeable and bsSizeToolWin (and
    // bsSingle with biMaximize) let the user resize the window. BorderIcons
    // are the title-bar buttons; bsDialog and the tool styles have neither
    // minimise nor maximise box. fsStayOnTop keeps the window above ordinary
    // ones. A modal window (its window modality set before it shows) stands
    // over its Owner form's window, else the main form's: the window manager
    // keeps it above that one and minimises it only together with it. Position is applied
    // each time the window is shown: poScreenCenter and poDesktopCenter centre
    // it on the primary screen, poDesigned keeps Left and Top, the others
    // leave the place to the window system.
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons Value);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle Value);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition Value);
    // Whole-window translucency: with AlphaBlend the window's opacity is
    // AlphaBlendValue / 255, else it is opaque.
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool Value);
    Byte AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(Byte Value);
    // The opacity the window system is given (0..1): the layered constant
    // alpha, else AlphaBlendValue with AlphaBlend, else 1.
    double WindowOpacity() const;
    // A window that never takes the focus: showing or clicking it leaves the
    // active window as it was.
    bool NoActivate() const { return noActivate_; }
    void SetNoActivate(bool Value);

    // Layered windows: the window shows exactly the pixels last pushed (an
    // ARGB premultiplied image of the window's size; per-pixel alpha where the
    // window system composites), at the constant alpha Opacity / 255. Paint
    // is not called while the window is layered. The push repaints at once.
    // Without a compositing window manager transparent pixels show black;
    // the offscreen platform keeps the opacity value without applying it.
    bool Layered() const { return layered_; }
    void SetLayered(bool Value);
    void UpdateLayered(const QImage &Premultiplied, Byte Opacity);
    const QImage &LayeredImage() const { return layeredImage_; }
    Byte LayeredOpacity() const { return layeredOpacity_; }
    // The window's shape: only pixels inside the region show and take the
    // mouse; none restores the whole window.
    void SetWindowRgn(const TRegion *Region);
    TRegion WindowRgn() const;

    // The fixed allowance of the frame: a border of kBorderWidth on each side
    // and a title bar of kCaptionHeight (none with bsNone), plus
    // kMenuBarHeight with a Menu.
    static constexpr int kBorderWidth = 5, kCaptionHeight = 23, kMenuBarHeight = 19;
    int FrameWidth() const;
    int FrameHeight() const;
    TRect ClientRect() const override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(TWinControl *AParent) override;
    // The top-level window (the frame); Widget() is the client inside it.
    // A form placed inside another control is its client widget alone.
    QWidget *WindowWidget() const;

    // The menu bar along the top of the client; none removes it.
    TMainMenu *Menu() const { return menu_; }
    void SetMenu(TMainMenu *Value);
    // With AutoScroll, a scroll bar shows in each direction in which the
    // visible children reach past the client area, and scrolls the client
    // (children keep their Left and Top). Off by default.
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool Value);
    bool HorzScrollBarVisible() const;
    bool VertScrollBarVisible() const;
    // How far the client is scrolled (0, 0 without scroll bars).
    TPoint ScrollPos() const;
    void SetScrollPos(TPoint Value);

    void Show();
    void Hide();
    void Close();
    TModalResult ShowModal();
    // Stands in for the modal loop when set (tests): ShowModal shows the
    // form and calls it; it drives the form as its user would and returns,
    // and ShowModal ends with the result the form got by then (mrCancel
    // when none). Nothing waits, so a test never blocks in a dialog.
    static std::function<void(TCustomForm &Form)> ModalRunner;
    // Frees the form once the event loop is back (safe inside its own handlers).
    void Release();

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult Value);
    bool Modal() const { return modal_; }
    bool Active() const;
    // The control that has (or last had) the focus in this form.
    TWinControl *ActiveControl() const { return TWinControl::FindControl(lastFocused_); }
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool Value) { keyPreview_ = Value; }
    // True when the form would close; runs OnCloseQuery.
    virtual bool CloseQuery();
    // Enter or Escape typed in From and not swallowed there: clicks the
    // focused button (Enter), else the Default (Enter) or Cancel (Escape)
    // button of the form. True when a button was clicked.
    // An arrow key that From leaves to the dialog: the focus moves to From's
    // next (Right, Down) or previous (Left, Up) sibling that can take it,
    // TabStop or not; true (the key is used up) whenever From has a parent.
    virtual bool DialogKey(Word Key, TWinControl *From);

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    void Paint() override;

protected:
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction &Action);
    void UpdateWidgetVisibility() override;
    void PaintWindow(QPainter &Painter, const TRect &Dirty) override;
    void VisibleChanged() override;
    void TextChanged() override;
    bool WidgetEvent(QObject *Watched, QEvent *Event) override;
    void ChildPlaced(TControl *Child) override;
    void Notification(TComponent *AComponent, TOperation Operation) override;
    void AlignControls(TControl *AControl, TRect &Rect) override;

private:
    friend class TWinControl;
    bool CloseModal();
    void ApplyCloseAction(TCloseAction Action);
    void ApplyWindowFlags();
    void ApplyOpacity();
    void ApplyPosition();
    // Makes the window, about to show, a transient of the modal window that
    // is showing, or, when it is modal itself, of its owner (none: it stands
    // alone again).
    void StandOverOwner();
    // The shown window of the Owner form, else of the main form; none when
    // neither is shown.
    QWidget *OwnerWindow() const;
    // Whether the user may resize the window: a sizeable frame, or a single
    // one that can be maximised.
    bool UserSizeable() const;
    // Places the frame's window, bar, viewport and scroll bars for the
    // bounds and the children as they are now.
    void UpdateFrame();
    // The window system moved or resized the frame's window.
    void FrameMoved();
    void FrameCloseRequest();
    void FrameActivation();
    TPoint ContentExtent() const;
    // Offset of the frame's window from the outer rectangle's top-left.
    TPoint WindowOffset() const;

    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool keyPreview_ = false;
    QEventLoop *modalLoop_ = nullptr;
    QPointer<QWidget> lastFocused_;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
    TFormStyle formStyle_ = fsNormal;
    TPosition position_ = poDefaultPosOnly;
    bool alphaBlend_ = false;
    Byte alphaBlendValue_ = 255;
    bool noActivate_ = false;
    bool layered_ = false;
    Byte layeredOpacity_ = 255;
    QImage layeredImage_;
    FormFrame *frame_ = nullptr;
    TMainMenu *menu_ = nullptr;
    bool autoScroll_ = false;
    bool updatingFrame_ = false;
    bool transient_ = false; // the window stands over another (its transient)
    bool active_ = false;    // as last told to OnActivate / OnDeactivate
    QPointer<QWidget> activeBefore_; // the active window when this one was shown
};

class TForm : public TCustomForm {
public:
    explicit TForm(TComponent *AOwner) : TCustomForm(AOwner) {}
    TForm(TComponent *AOwner, TCreateNew Tag) : TCustomForm(AOwner, Tag) {}
};
