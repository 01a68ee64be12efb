#include "Form.h"

#include "Button.h"
#include "Exceptions.h"
#include "VirtualKeys.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <memory>

TCustomForm::TCustomForm(TComponent *AOwner) : TCustomControl(AOwner)
{
    if (Widget())
        Widget()->setWindowFlag(Qt::Window, true);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    SetVisible(false);
}

TCustomForm::~TCustomForm()
{
    Destroying();
    if (modalLoop_)
        modalLoop_->quit();
}

void TCustomForm::UpdateWidgetVisibility()
{
    if (Parent()) {
        TCustomControl::UpdateWidgetVisibility();
        return;
    }
    if (Widget())
        Widget()->setVisible(Visible());
}

void TCustomForm::VisibleChanged()
{
    TCustomControl::VisibleChanged();
    if (Visible())
        DoShow();
    else
        DoHide();
    if (!Visible() && modalLoop_)
        modalLoop_->quit();
}

void TCustomForm::TextChanged()
{
    if (Widget())
        Widget()->setWindowTitle(Caption());
    TCustomControl::TextChanged();
}

void TCustomForm::Show()
{
    SetVisible(true);
    if (Widget() && !Parent()) {
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            Widget()->raise();
        Widget()->activateWindow();
    }
}

void TCustomForm::Hide()
{
    SetVisible(false);
}

void TCustomForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TCustomForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

void TCustomForm::DoClose(TCloseAction &Action)
{
    if (OnClose)
        OnClose(this, Action);
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

bool TCustomForm::Active() const
{
    return Widget() && Widget()->isActiveWindow();
}

void TCustomForm::Paint()
{
    if (OnPaint)
        OnPaint(this);
}

void TCustomForm::SetModalResult(TModalResult Value)
{
    modalResult_ = Value;
    if (modal_ && Value != mrNone && modalLoop_)
        modalLoop_->quit();
}

void TCustomForm::ApplyCloseAction(TCloseAction Action)
{
    switch (Action) {
    case caNone:
        break;
    case caHide:
        Hide();
        break;
    case caMinimize:
        if (Widget())
            Widget()->showMinimized();
        break;
    case caFree:
        Hide();
        Release();
        break;
    }
}

void TCustomForm::Close()
{
    if (modal_) {
        if (modalResult_ == mrNone)
            SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    DoClose(action);
    ApplyCloseAction(action);
}

bool TCustomForm::CloseModal()
{
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone) {
        modalResult_ = mrNone;
        return false;
    }
    if (action == caFree)
        Release();
    return true;
}

TModalResult TCustomForm::ShowModal()
{
    if (modal_ || Visible())
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    modal_ = true;
    modalResult_ = mrNone;
    std::shared_ptr<bool> alive = aliveToken_;
    if (Widget())
        Widget()->setWindowModality(Qt::ApplicationModal);
    Show();
    QEventLoop loop;
    modalLoop_ = &loop;
    for (;;) {
        if (modalResult_ == mrNone && Visible())
            loop.exec();
        if (!*alive)
            return mrCancel; // freed while modal
        if (modalResult_ != mrNone) {
            if (CloseModal())
                break;
            continue;
        }
        if (!Visible()) { // hidden from code
            modalResult_ = mrCancel;
            break;
        }
    }
    modalLoop_ = nullptr;
    modal_ = false;
    SetVisible(false);
    if (Widget())
        Widget()->setWindowModality(Qt::NonModal);
    return modalResult_;
}

void TCustomForm::Release()
{
    if (!Widget())
        return;
    // Once only, however often it is asked, and not after the form was freed otherwise.
    QTimer::singleShot(0, Widget(), [this, alive = std::weak_ptr<bool>(aliveToken_)]() {
        std::shared_ptr<bool> token = alive.lock();
        if (token && *token)
            delete this;
    });
}

bool TCustomForm::WidgetEvent(QObject *Watched, QEvent *Event)
{
    if (Event->type() == QEvent::Close && Watched == Widget()) {
        Event->ignore();
        Close();
        return true;
    }
    return TCustomControl::WidgetEvent(Watched, Event);
}

namespace {
TButton *FindDialogButton(TWinControl *Parent, Word Key)
{
    for (int i = 0; i < Parent->ControlCount(); ++i) {
        TControl *c = Parent->Controls(i);
        if (!c->Visible() || !c->Enabled())
            continue;
        if (auto *b = dynamic_cast<TButton *>(c)) {
            if (Key == VK_RETURN ? b->Default() : b->Cancel())
                return b;
        } else if (auto *w = dynamic_cast<TWinControl *>(c)) {
            if (TButton *found = FindDialogButton(w, Key))
                return found;
        }
    }
    return nullptr;
}
} // namespace

bool TCustomForm::DialogKey(Word Key, TWinControl *From)
{
    TButton *target = nullptr;
    if (Key == VK_RETURN)
        target = dynamic_cast<TButton *>(From);
    if (!target)
        target = FindDialogButton(this, Key);
    if (!target)
        return false;
    target->Click();
    return true;
}
