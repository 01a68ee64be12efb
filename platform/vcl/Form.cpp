#include "Form.h"

#include "Application.h"
#include "Button.h"
#include "Exceptions.h"
#include "FormFrame.h"
#include "HandlerGuard.h"
#include "Menus.h"
#include "VirtualKeys.h"
#include "WindowActivation.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <memory>

TCustomForm::TCustomForm(TComponent *AOwner) : TCustomControl(AOwner)
{
    frame_ = new FormFrame;
    frame_->setAutoFillBackground(true);
    frame_->SetClient(Widget());
    QObject::connect(Widget(), &QObject::destroyed, frame_, &QObject::deleteLater);
    // The client paints its whole area itself.
    Widget()->setAutoFillBackground(false);
    frame_->OnGeometry = [this] { GuardHandler("resize", Name(), [this] { FrameMoved(); }); };
    frame_->OnCloseRequest = [this] { GuardHandler("close", Name(), [this] { FrameCloseRequest(); }); };
    frame_->OnActivation = [this] { GuardHandler("activation", Name(), [this] { FrameActivation(); }); };
    ApplyWindowFlags();
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    SetVisible(false);
}

TCustomForm::~TCustomForm()
{
    Destroying();
    if (modalLoop_)
        modalLoop_->quit();
    if (menu_)
        menu_->RemoveFreeNotification(this);
    // The frame's window goes once the client (freed with the control, after
    // the children) is gone: taking the client out now would move the focus
    // away from a child whose handlers may already be dead.
    frame_->OnGeometry = nullptr;
    frame_->OnCloseRequest = nullptr;
    frame_->OnActivation = nullptr;
}

QWidget *TCustomForm::WindowWidget() const
{
    return Parent() ? Widget() : frame_;
}

int TCustomForm::FrameWidth() const
{
    return Parent() || borderStyle_ == bsNone ? 0 : 2 * kBorderWidth;
}

int TCustomForm::FrameHeight() const
{
    if (Parent())
        return 0;
    const int menu = menu_ ? kMenuBarHeight : 0;
    return borderStyle_ == bsNone ? menu : 2 * kBorderWidth + kCaptionHeight + menu;
}

TPoint TCustomForm::WindowOffset() const
{
    if (Parent() || borderStyle_ == bsNone)
        return {0, 0};
    return {kBorderWidth, kBorderWidth + kCaptionHeight};
}

TRect TCustomForm::ClientRect() const
{
    return Rect(0, 0, std::max(0, Width() - FrameWidth()), std::max(0, Height() - FrameHeight()));
}

void TCustomForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (Parent()) {
        TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
        return;
    }
    const bool resized = AWidth != Width() || AHeight != Height();
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    UpdateFrame();
    if (resized)
        Realign();
}

void TCustomForm::SetParent(TWinControl *AParent)
{
    if (AParent && !Parent())
        frame_->TakeClient();
    TCustomControl::SetParent(AParent);
    if (!AParent && !frame_->Client() && Widget()) {
        frame_->SetClient(Widget());
    QObject::connect(Widget(), &QObject::destroyed, frame_, &QObject::deleteLater);
        UpdateFrame();
    }
}

void TCustomForm::SetMenu(TMainMenu *Value)
{
    if (Value == menu_)
        return;
    if (menu_) {
        menu_->RemoveFreeNotification(this);
        menu_->Attach(nullptr);
    }
    menu_ = Value;
    if (menu_) {
        menu_->FreeNotification(this);
        menu_->Attach(frame_);
        frame_->SetMenuBar(menu_->Bar());
    } else {
        frame_->SetMenuBar(nullptr);
    }
    // The outer size stays; the client gives the bar its room.
    UpdateFrame();
    Realign();
}

void TCustomForm::Notification(TComponent *AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == menu_) {
        menu_ = nullptr;
        frame_->SetMenuBar(nullptr);
        UpdateFrame();
    }
}

void TCustomForm::SetAutoScroll(bool Value)
{
    if (Value == autoScroll_)
        return;
    autoScroll_ = Value;
    UpdateFrame();
}

bool TCustomForm::HorzScrollBarVisible() const { return !Parent() && !frame_->HorzBar()->isHidden(); }
bool TCustomForm::VertScrollBarVisible() const { return !Parent() && !frame_->VertBar()->isHidden(); }

TPoint TCustomForm::ScrollPos() const
{
    return {frame_->HorzBar()->value(), frame_->VertBar()->value()};
}

void TCustomForm::SetScrollPos(TPoint Value)
{
    frame_->HorzBar()->setValue(Value.X);
    frame_->VertBar()->setValue(Value.Y);
}

TPoint TCustomForm::ContentExtent() const
{
    TPoint extent(0, 0);
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl *c = Controls(i);
        if (!c->Visible())
            continue;
        extent.X = std::max(extent.X, c->Left() + c->Width());
        extent.Y = std::max(extent.Y, c->Top() + c->Height());
    }
    return extent;
}

void TCustomForm::UpdateFrame()
{
    if (!frame_ || Parent() || updatingFrame_)
        return;
    updatingFrame_ = true;
    const TRect client = ClientRect();
    const TPoint offset = WindowOffset();
    const int barH = frame_->MenuBarHeight();
    const QRect window(Left() + offset.X, Top() + offset.Y, client.Width(), client.Height() + barH);
    // The user resizes (or maximises) only a sizeable frame; the others keep
    // the size the form gives them.
    if (UserSizeable()) {
        frame_->setMinimumSize(0, 0);
        frame_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        frame_->setFixedSize(window.size());
    }
    if (frame_->geometry() != window)
        frame_->setGeometry(window);
    const TPoint content = autoScroll_ ? ContentExtent() : TPoint(0, 0);
    frame_->Layout(QSize(client.Width(), client.Height()), QSize(content.X, content.Y), autoScroll_);
    updatingFrame_ = false;
}

void TCustomForm::FrameMoved()
{
    if (Parent() || updatingFrame_)
        return;
    const QRect g = frame_->geometry();
    const TPoint offset = WindowOffset();
    const int width = g.width() + FrameWidth();
    const int height = g.height() - frame_->MenuBarHeight() + FrameHeight();
    SetBounds(g.x() - offset.X, g.y() - offset.Y, width, height);
}

void TCustomForm::FrameCloseRequest()
{
    // A window without a close box closes only through its own operations.
    if (borderIcons_.Contains(biSystemMenu))
        Close();
}

void TCustomForm::ChildPlaced(TControl *Child)
{
    (void)Child;
    if (autoScroll_)
        UpdateFrame();
}

void TCustomForm::AlignControls(TControl *AControl, TRect &Rect)
{
    TCustomControl::AlignControls(AControl, Rect);
    if (autoScroll_)
        UpdateFrame();
}

void TCustomForm::UpdateWidgetVisibility()
{
    if (Parent()) {
        TCustomControl::UpdateWidgetVisibility();
        return;
    }
    if (Visible() && !frame_->isVisible()) {
        ApplyPosition();
        UpdateFrame();
        StandOverOwner();
    }
    frame_->setVisible(Visible());
}

void TCustomForm::StandOverOwner()
{
    // A modal window holds back only the windows that were there when it came
    // (as on the desktop the layer stands for): one shown later over it takes
    // input and stays above it, as Qt allows its transients. A modal window
    // itself stands over the window it belongs to, so that the window manager
    // keeps it above that one and minimises and restores the two together.
    QWidget *over = QApplication::activeModalWidget();
    if (over == frame_)
        over = nullptr;
    if (!over && frame_->windowModality() != Qt::NonModal)
        over = OwnerWindow();
    if (!over && !transient_)
        return;
    transient_ = over != nullptr;
    ApplyWindowFlags(); // the window system writes the owner of a dialog only
    frame_->winId();    // the window handle exists from here on
    if (QWindow *handle = frame_->windowHandle())
        handle->setTransientParent(over ? over->windowHandle() : nullptr);
}

QWidget *TCustomForm::OwnerWindow() const
{
    for (TCustomForm *form : {dynamic_cast<TCustomForm *>(Owner()), Application->MainForm()}) {
        QWidget *w = form && form != this ? form->WindowWidget() : nullptr;
        if (w && w->isWindow() && w->isVisible())
            return w;
    }
    return nullptr;
}

void TCustomForm::ApplyWindowFlags()
{
    QWidget *w = frame_;
    if (!w || Parent())
        return;
    // A dialog frame, and a window that stands over another, are dialogs to
    // the window system (which then writes their owner); a dialog frame and
    // the tool frames have no minimise or maximise box, whatever BorderIcons say.
    const bool tool = borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin;
    const bool dialog = borderStyle_ == bsDialog || transient_;
    Qt::WindowFlags f = tool ? Qt::Tool : dialog ? Qt::Dialog : Qt::Window;
    const bool boxes = !tool && borderStyle_ != bsDialog;
    if (borderStyle_ == bsNone) {
        f |= Qt::FramelessWindowHint;
    } else {
        f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (borderIcons_.Contains(biSystemMenu))
            f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (boxes && borderIcons_.Contains(biMinimize))
            f |= Qt::WindowMinimizeButtonHint;
        if (boxes && borderIcons_.Contains(biMaximize))
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
    UpdateFrame();
    if (shown)
        w->show();
}

bool TCustomForm::UserSizeable() const
{
    return borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin ||
           (borderStyle_ == bsSingle && borderIcons_.Contains(biMaximize));
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value)
{
    if (Value == borderStyle_)
        return;
    // The outer size stays; the client gains or loses the border's room.
    borderStyle_ = Value;
    ApplyWindowFlags();
    UpdateFrame();
    Realign();
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
    frame_->setAttribute(Qt::WA_ShowWithoutActivating, Value);
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
    if (Parent() || QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    frame_->setWindowOpacity(WindowOpacity());
}

void TCustomForm::SetLayered(bool Value)
{
    if (Value == layered_)
        return;
    layered_ = Value;
    for (QWidget *w : {static_cast<QWidget *>(frame_), frame_->Viewport(), Widget()}) {
        if (!w)
            continue;
        w->setAttribute(Qt::WA_TranslucentBackground, Value);
        w->setAttribute(Qt::WA_NoSystemBackground, Value);
    }
    frame_->setAutoFillBackground(!Value);
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
    QWidget *w = WindowWidget();
    if (!w)
        return;
    if (Region)
        w->setMask(Region->ToQRegion());
    else
        w->clearMask();
}

TRegion TCustomForm::WindowRgn() const
{
    QWidget *w = WindowWidget();
    return w ? TRegion(w->mask()) : TRegion();
}

void TCustomForm::PaintWindow(QPainter &Painter, const TRect &Dirty)
{
    if (!layered_) {
        // Scrolled content can reach past the outer size the base erases.
        if (Widget() && (Widget()->width() > Width() || Widget()->height() > Height()))
            Painter.fillRect(Widget()->rect(), ToQColor(Color()));
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
    frame_->setWindowTitle(Caption());
    TCustomControl::TextChanged();
}

void TCustomForm::Show()
{
    QWidget *before = QApplication::activeWindow();
    const bool wasVisible = Visible();
    SetVisible(true);
    if (!Parent()) {
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            frame_->raise();
        if (!noActivate_ && ActivateWindowNow(frame_) && !wasVisible && before != frame_)
            activeBefore_ = before;
    }
}

void TCustomForm::Hide()
{
    const bool wasActive = !Parent() && frame_->isActiveWindow();
    SetVisible(false);
    // The window that was active before this one came takes the activation
    // back, as a closed dialog gives it back to the window that opened it.
    QWidget *back = activeBefore_;
    activeBefore_ = nullptr;
    if (wasActive && back && back->isVisible())
        ActivateWindowNow(back);
}

void TCustomForm::FrameActivation()
{
    const bool active = frame_->isActiveWindow();
    if (active == active_)
        return;
    active_ = active;
    // A copy: the handler may replace the event while it runs.
    const TNotifyEvent handler = active ? OnActivate : OnDeactivate;
    if (handler)
        handler(this);
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
    QWidget *w = WindowWidget();
    return w && w->isActiveWindow();
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
        WindowWidget()->showMinimized();
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

std::function<void(TCustomForm &Form)> TCustomForm::ModalRunner;

TModalResult TCustomForm::ShowModal()
{
    if (modal_ || Visible())
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    modal_ = true;
    modalResult_ = mrNone;
    std::shared_ptr<bool> alive = aliveToken_;
    WindowWidget()->setWindowModality(Qt::ApplicationModal);
    Show();
    QEventLoop loop;
    modalLoop_ = &loop;
    bool ran = false;
    for (;;) {
        if (modalResult_ == mrNone && Visible() && ModalRunner) {
            if (!ran) {
                ran = true;
                modalLoop_ = nullptr;
                ModalRunner(*this);
                modalLoop_ = &loop;
            }
            if (*alive && modalResult_ == mrNone && Visible()) {
                // The script left the dialog open: it ends as closed, even
                // when OnCloseQuery would keep it.
                modalResult_ = mrCancel;
                CloseModal();
                modalResult_ = mrCancel;
                break;
            }
        } else if (modalResult_ == mrNone && Visible()) {
            loop.exec();
        }
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
    Hide();
    WindowWidget()->setWindowModality(Qt::NonModal);
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
    // The client's place and size follow the form's, not the other way round.
    if ((Event->type() == QEvent::Resize || Event->type() == QEvent::Move) && Watched == Widget() && !Parent())
        return false;
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
