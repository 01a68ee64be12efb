#include "Form.h"

#include "Button.h"
#include "Exceptions.h"
#include "VirtualKeys.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
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
    if (!Widget())
        return;
    if (Visible() && !Widget()->isVisible())
        ApplyPosition();
    Widget()->setVisible(Visible());
}

void TCustomForm::ApplyWindowFlags()
{
    QWidget *w = Widget();
    if (!w || Parent())
        return;
    Qt::WindowFlags f = borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin ? Qt::Tool : Qt::Window;
    if (borderStyle_ == bsNone) {
        f |= Qt::FramelessWindowHint;
    } else {
        f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (borderIcons_.Contains(biSystemMenu))
            f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (borderIcons_.Contains(biMinimize))
            f |= Qt::WindowMinimizeButtonHint;
        if (borderIcons_.Contains(biMaximize))
            f |= Qt::WindowMaximizeButtonHint;
        if (borderIcons_.Contains(biHelp))
            f |= Qt::WindowContextHelpButtonHint;
    }
    if (formStyle_ == fsStayOnTop)
        f |= Qt::WindowStaysOnTopHint;
    if (noActivate_)
        f |= Qt::WindowDoesNotAcceptFocus;
    if (w->windowFlags() == f)
        return;
    // Qt hides a window whose flags change; show it again where it was.
    const bool shown = w->isVisible();
    w->setWindowFlags(f);
    w->setGeometry(ToQRect(BoundsRect()));
    if (shown)
        w->show();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value)
{
    borderStyle_ = Value;
    ApplyWindowFlags();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value)
{
    borderIcons_ = Value;
    ApplyWindowFlags();
}

void TCustomForm::SetFormStyle(TFormStyle Value)
{
    formStyle_ = Value;
    ApplyWindowFlags();
}

void TCustomForm::SetNoActivate(bool Value)
{
    noActivate_ = Value;
    if (Widget())
        Widget()->setAttribute(Qt::WA_ShowWithoutActivating, Value);
    ApplyWindowFlags();
}

void TCustomForm::SetPosition(TPosition Value)
{
    position_ = Value;
}

void TCustomForm::ApplyPosition()
{
    if (position_ != poScreenCenter && position_ != poDesktopCenter)
        return;
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    SetBounds(area.x() + (area.width() - Width()) / 2, area.y() + (area.height() - Height()) / 2,
              Width(), Height());
}

void TCustomForm::SetAlphaBlend(bool Value)
{
    alphaBlend_ = Value;
    ApplyOpacity();
}

void TCustomForm::SetAlphaBlendValue(Byte Value)
{
    alphaBlendValue_ = Value;
    ApplyOpacity();
}

double TCustomForm::WindowOpacity() const
{
    const Byte alpha = layered_ ? layeredOpacity_ : alphaBlend_ ? alphaBlendValue_ : 255;
    return alpha / 255.0;
}

void TCustomForm::ApplyOpacity()
{
    // The offscreen platform has no opacity (and says so on every call).
    if (!Widget() || Parent() || QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    Widget()->setWindowOpacity(WindowOpacity());
}

void TCustomForm::SetLayered(bool Value)
{
    if (Value == layered_)
        return;
    layered_ = Value;
    if (QWidget *w = Widget()) {
        w->setAttribute(Qt::WA_TranslucentBackground, Value);
        w->setAttribute(Qt::WA_NoSystemBackground, Value);
    }
    if (!Value)
        layeredImage_ = QImage();
    ApplyOpacity();
}

void TCustomForm::UpdateLayered(const QImage &Premultiplied, Byte Opacity)
{
    if (!layered_)
        SetLayered(true);
    layeredImage_ = Premultiplied;
    layeredOpacity_ = Opacity;
    ApplyOpacity();
    if (Widget() && Widget()->isVisible())
        Widget()->repaint();
}

void TCustomForm::SetWindowRgn(const TRegion *Region)
{
    if (!Widget())
        return;
    if (Region)
        Widget()->setMask(Region->ToQRegion());
    else
        Widget()->clearMask();
}

TRegion TCustomForm::WindowRgn() const
{
    return Widget() ? TRegion(Widget()->mask()) : TRegion();
}

void TCustomForm::PaintWindow(QPainter &Painter, const TRect &Dirty)
{
    if (!layered_) {
        TCustomControl::PaintWindow(Painter, Dirty);
        return;
    }
    Painter.setCompositionMode(QPainter::CompositionMode_Source);
    Painter.fillRect(ToQRect(ClientRect()), Qt::transparent);
    if (!layeredImage_.isNull())
        Painter.drawImage(0, 0, layeredImage_);
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
        if (!noActivate_)
            Widget()->activateWindow();
    }
}

void TCustomForm::Hide()
{
    SetVisible(false);
}

void TCustomForm::DoShow()
{
    // A copy: the handler may replace OnShow while it runs.
    const TNotifyEvent handler = OnShow;
    if (handler)
        handler(this);
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
        // A window without a close box closes only through its own operations.
        if (borderIcons_.Contains(biSystemMenu))
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
    if (Key >= VK_LEFT && Key <= VK_DOWN) {
        if (!From || !From->Parent())
            return false;
        From->Parent()->SelectNext(From, Key == VK_RIGHT || Key == VK_DOWN, false);
        return true;
    }
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
