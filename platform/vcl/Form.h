#pragma once
#include "CustomControl.h"

#include <functional>

class QEventLoop;

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
using TCloseEvent = std::function<void(TObject *Sender, TCloseAction &Action)>;
using TCloseQueryEvent = std::function<void(TObject *Sender, bool &CanClose)>;

// A top-level window. It starts hidden (Visible false); Show shows it,
// ShowModal shows it modally and returns when ModalResult becomes non-zero
// (a button with a ModalResult sets it) or the window is closed (mrCancel).
// Setting ModalResult on a window that is not modal changes nothing else: it
// stays open.
//
// Closing (Close, the window's close button, or a modal result) asks
// OnCloseQuery, then OnClose with the action caHide (caNone keeps the window
// open, caFree frees it once the event loop is back, caMinimize minimises).
// Caption is the window title; Width and Height are the client size.
// KeyPreview: the form's OnKeyDown/OnKeyPress/OnKeyUp see keys before the
// focused control (Key set to 0 there swallows it).
class TCustomForm : public TCustomControl {
public:
    explicit TCustomForm(TComponent *AOwner);
    ~TCustomForm() override;

    void Show();
    void Hide();
    void Close();
    TModalResult ShowModal();
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
    virtual bool DialogKey(Word Key, TWinControl *From);

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    void Paint() override;

protected:
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction &Action);
    void UpdateWidgetVisibility() override;
    void VisibleChanged() override;
    void TextChanged() override;
    bool WidgetEvent(QObject *Watched, QEvent *Event) override;

private:
    friend class TWinControl;
    bool CloseModal();
    void ApplyCloseAction(TCloseAction Action);

    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool keyPreview_ = false;
    QEventLoop *modalLoop_ = nullptr;
    QPointer<QWidget> lastFocused_;
};

class TForm : public TCustomForm {
public:
    explicit TForm(TComponent *AOwner) : TCustomForm(AOwner) {}
};
