#include "SmSplashScreen.h"

#include "Application.h"
#include "GpPictureContainer.h"
#include "HandlerGuard.h"
#include "ImageList.h"

#include <QGuiApplication>
#include <QPainterPath>
#include <QPolygon>
#include <QWidget>
#include <algorithm>

namespace {

struct StyleColours {
    TOrvanStyle style;
    TColor color, colorTo, colorMirror, colorMirrorTo, border;
    bool mirrorVertical;
};

// The fill colours of each style preset (tsCustom changes nothing).
const StyleColours kStyles[] = {
    {tsOffice2003Blue, RGB(218, 234, 253), RGB(136, 174, 228), clNone, clNone, RGB(197, 210, 223), false},
    {tsOffice2003Silver, RGB(243, 243, 247), RGB(216, 216, 230), clNone, clNone, RGB(118, 116, 146), false},
    {tsOffice2003Olive, RGB(234, 240, 207), RGB(177, 192, 140), clNone, clNone, RGB(96, 119, 107), false},
    {tsOffice2003Classic, RGB(255, 255, 255), RGB(213, 209, 201), clNone, clNone, RGB(128, 128, 128), false},
    {tsOffice2007Luna, RGB(233, 241, 250), RGB(199, 216, 237), RGB(199, 216, 237), RGB(231, 242, 255),
     RGB(141, 178, 227), true},
    {tsOffice2007Obsidian, RGB(193, 198, 207), RGB(180, 187, 197), RGB(180, 187, 197), RGB(229, 236, 236),
     RGB(0, 0, 0), true},
    {tsWindowsXP, clBtnFace, clBtnFace, clNone, clNone, RGB(0, 0, 0), false},
    {tsWhidbey, RGB(255, 255, 255), RGB(236, 233, 217), clNone, clNone, RGB(146, 143, 130), false},
    {tsOffice2007Silver, RGB(238, 241, 246), RGB(213, 220, 231), RGB(213, 220, 231), RGB(238, 244, 244),
     RGB(111, 112, 116), true},
    {tsWindowsVista, RGB(241, 248, 253), RGB(213, 239, 252), clNone, clNone, RGB(153, 222, 253), false},
    {tsWindows7, RGB(220, 235, 252), RGB(193, 219, 252), clNone, clNone, RGB(125, 162, 206), false},
    {tsTerminal, clBtnFace, clBtnFace, clNone, clNone, RGB(128, 128, 128), false},
    {tsOffice2010Blue, RGB(239, 246, 253), RGB(199, 218, 240), clNone, clNone, RGB(159, 178, 199), false},
    {tsOffice2010Silver, RGB(255, 255, 255), RGB(224, 229, 237), clNone, clNone, RGB(200, 205, 210), false},
    {tsOffice2010Black, RGB(191, 191, 191), RGB(145, 145, 145), clNone, clNone, RGB(109, 109, 109), false},
};

// The region of a rounded rectangle (L, T, R, B) with corner ellipses w x w,
// as the window system makes it.
QRegion RoundRectRegion(int l, int t, int r, int b, int w)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(l, t, r - l, b - t), w / 2.0, w / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}

} // namespace

TSmSplashScreen::TSmSplashScreen(TComponent *AOwner)
    : TComponent(AOwner), items_(this), listItems_(this), topLayerItems_(this)
{
    closeTimer_ = new TTimer(this);
    closeTimer_->SetEnabled(false);
    closeTimer_->SetInterval(unsigned(timeOut_));
    closeTimer_->OnTimer = [this](TObject *) { CloseTimerTick(); };
    focusTimer_ = new TTimer(this);
    focusTimer_->SetEnabled(false);
    focusTimer_->SetInterval(20);
    focusTimer_->OnTimer = [this](TObject *) { FocusTimerTick(); };

    items_.OnChange = [this](TObject *) { Refresh(); };
    items_.OnItemRefresh = [this] { InvalidateWindow(); };
    listItems_.OnChange = [this](TObject *) { Refresh(); };
    basicProgramInfo_.OnChange = [this](TObject *) {
        if (!ComponentState().Contains(csLoading))
            Refresh();
    };
    progressBar_.OnChange = [this](TObject *) { ProgressBarChanged(); };
    topLayerItems_.OnUpdate = [this](TCollection *, TCollectionItem *) { InvalidateWindow(); };
}

TSmSplashScreen::~TSmSplashScreen()
{
    // Freed while it shows: put the main form's handler back and free the
    // window at once, without a fade.
    Destroying();
    Hide();
}

void TSmSplashScreen::SetImages(TCustomImageList *Value)
{
    images_ = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TSmSplashScreen::SetPictureContainer(TGpPictureContainer *Value)
{
    pictureContainer_ = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TSmSplashScreen::SetStayOnTop(bool Value)
{
    stayOnTop_ = Value;
    InvalidateWindow();
}

void TSmSplashScreen::SetTextRendering(TSmSplashScreenTextRenderingHint Value)
{
    textRendering_ = Value;
    InvalidateWindow();
}

void TSmSplashScreen::Notification(TComponent *AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == images_)
        images_ = nullptr;
    if (AComponent == pictureContainer_)
        pictureContainer_ = nullptr;
    if (AComponent == mainForm_) {
        mainForm_ = nullptr;
        hookedMainForm_ = false;
    }
    if (AComponent == newFocusForm_)
        newFocusForm_ = nullptr;
}

void TSmSplashScreen::Loaded()
{
    TComponent::Loaded();
    if (ComponentState().Contains(csDesigning))
        return;
    if (basicProgramInfo_.AutoLoad())
        ReadProgramInfoFromVersionResource();
    if (autoShow_)
        Show();
}

void TSmSplashScreen::ReadProgramInfoFromVersionResource()
{
    // Linux executables have no version resource: the texts keep their values.
}

bool TSmSplashScreen::Translucent()
{
    return fill_.Opacity() < 255 || fill_.OpacityTo() < 255;
}

void TSmSplashScreen::Show()
{
    if (showing_)
        return;
    if (OnBeforeShow)
        OnBeforeShow(this);
    if (auto *ownerForm = dynamic_cast<TCustomForm *>(Owner()))
        mainForm_ = ownerForm;
    if (Application->MainForm())
        mainForm_ = Application->MainForm();
    if (mainForm_)
        mainForm_->FreeNotification(this);
    if (closeOnMainFormShow_ && mainForm_) {
        oldMainFormShow_ = mainForm_->OnShow;
        mainForm_->OnShow = [this](TObject *Sender) { MainFormShow(Sender); };
        hookedMainForm_ = true;
    }
    CreateSplashWindow();
}

void TSmSplashScreen::CreateSplashWindow()
{
    if (showing_)
        return;
    const bool translucent = Translucent();
    auto *w = new TSplashScreenWindow(Application, this);
    splashWindow_ = w;
    w->SetBorderIcons({});
    w->SetBorderStyle(bsNone);
    // A layered splash is topmost whatever StayOnTop says.
    if (stayOnTop_ || translucent)
        w->SetFormStyle(fsStayOnTop);
    w->SetNoActivate(true);
    w->SetColor(RGB(255, 255, 255));

    int width = width_, height = height_;
    TSmGDIPPicture *picture = fill_.Picture();
    if (autoAdaptPictureSize_ && picture && !picture->Empty()) {
        const int d = fill_.BorderWidth() == 1 ? 1 : (fill_.BorderWidth() + 1) / 2;
        width = picture->Width() + 2 * d;
        height = picture->Height() + 2 * d;
    }
    if (displayLocation_ == dlCenter) {
        w->SetPosition(poScreenCenter);
        w->SetBounds(0, 0, width, height);
    } else {
        w->SetPosition(poDesigned);
        w->SetBounds(displayPosX_, displayPosY_, width, height);
    }

    auto *bar = new TSmSplashProgressBar(w);
    w->progressBar_ = bar;
    bar->SetParent(w);
    bar->SetVisible(false);
    bar->SetAppearance(&progressBar_);
    bar->OnChange = [this](TObject *) {
        if (OnProgressChange)
            OnProgressChange(this);
    };
    bar->OnPositionChanged = [this](TObject *, double Position) {
        if (OnProgressPositionChanged)
            OnProgressPositionChanged(this, Position);
    };

    if (displayStyle_ == dsNormal) {
        w->opacity_ = 255;
    } else if (translucent) {
        w->opacity_ = 5;
    } else {
        w->SetAlphaBlend(true);
        w->SetAlphaBlendValue(5);
    }
    if (translucent) {
        w->forcedTransparent_ = true;
        w->SetLayered(true);
    }
    w->Show();
    showing_ = true;
    ApplyWindowRegion();

    if (translucent) {
        w->mainBuffer_ = std::make_unique<TGPBitmap>(w->Width(), w->Height(), PixelFormat32bppARGB);
        w->RenderLayered();
    } else {
        w->Repaint();
    }
    // No event loop runs while the main window is built: let the window
    // system expose the new window now.
    Application->ProcessPendingNonInput();

    if (displayStyle_ == dsFadeInOut && splashWindow_ == w) {
        if (translucent) {
            while (w->opacity_ < 255) {
                w->opacity_ = Byte(std::min(255, w->opacity_ + 20));
                w->UpdateLayered();
                Sleep(5);
            }
        } else {
            int alpha = 5;
            while (alpha < maxOpacity_) {
                alpha = std::min<int>(maxOpacity_, alpha + 5);
                w->SetAlphaBlendValue(Byte(alpha));
                Sleep(5);
            }
        }
    }
    if (!translucent && splashWindow_ == w)
        w->SetAlphaBlendValue(maxOpacity_);
    closeTimer_->SetInterval(unsigned(std::max(0, timeOut_)));
    closeTimer_->SetEnabled(closeOnTimeout_);
}

void TSmSplashScreen::ApplyWindowRegion()
{
    TSplashScreenWindow *w = splashWindow_;
    if (!w || !w->Widget() || fill_.Rounding() <= 0 || fill_.RoundingType() == rtNone)
        return;
    const TRect c = w->ClientRect();
    const int l = c.Left, t = c.Top, r = c.Right, b = c.Bottom;
    const int d = 2 * fill_.Rounding();
    QRegion region;
    switch (fill_.RoundingType()) {
    case rtTop:
        region = RoundRectRegion(l, t, r + 1, b, d).united(QRect(l, t + d, r - l, b - t - d));
        break;
    case rtBottom:
        region = RoundRectRegion(l, t, r + 1, b, d).united(QRect(l, t, r - l, b - d - t));
        break;
    case rtBoth:
        region = RoundRectRegion(0, 0, r - l, b - t, d);
        break;
    case rtLeft:
        region = RoundRectRegion(l, t, r, b + 1, d).united(QRect(l + d, t, r - l - d, b - t));
        break;
    case rtRight:
        region = RoundRectRegion(l, t, r, b + 1, d).united(QRect(l, t, r - d - l, b - t));
        break;
    case rtNone:
        return;
    }
    const TRegion shape(region);
    w->SetWindowRgn(&shape);
}

void TSmSplashScreen::Hide()
{
    if (!showing_)
        return;
    closeTimer_->SetEnabled(false);
    TSplashScreenWindow *w = splashWindow_;
    const bool fade = displayStyle_ == dsFadeInOut && w && w->Visible() &&
                      !ComponentState().Contains(csDestroying);
    if (fade) {
        if (w->forcedTransparent_) {
            while (w->opacity_ > 10) {
                w->opacity_ = Byte(std::max(10, w->opacity_ - 20));
                w->UpdateLayered();
                Sleep(5);
            }
        } else {
            int alpha = w->AlphaBlendValue();
            while (alpha > 10) {
                alpha = std::max(10, alpha - 20);
                w->SetAlphaBlendValue(Byte(alpha));
                Sleep(15);
            }
        }
    }
    showing_ = false;
    if (hookedMainForm_ && mainForm_)
        mainForm_->OnShow = oldMainFormShow_;
    hookedMainForm_ = false;
    splashWindow_ = nullptr;
    if (w) {
        w->splash_ = nullptr;
        w->Hide();
        // Asked from the window's own click: free it once the click is over.
        if (w->InClick())
            w->Release();
        else
            delete w;
    }
    if (OnClose)
        OnClose(this);
}

void TSmSplashScreen::MainFormShow(TObject *Sender)
{
    const TNotifyEvent previous = oldMainFormShow_;
    Hide();
    if (previous)
        previous(Sender);
    if (FocusParentForm && mainForm_)
        focusTimer_->SetEnabled(true);
}

void TSmSplashScreen::CloseTimerTick()
{
    const bool wasShowing = showing_;
    Hide();
    if (FocusParentForm && mainForm_ && wasShowing)
        focusTimer_->SetEnabled(true);
}

void TSmSplashScreen::FocusForm(TCustomForm *Form)
{
    // Raise, activate and focus the form itself: no synthetic click that
    // would press a control or move the user's cursor.
    if (!Form || !Form->Widget())
        return;
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        Form->WindowWidget()->raise();
    Form->WindowWidget()->activateWindow();
    if (Form->CanFocus())
        Form->Widget()->setFocus(Qt::ActiveWindowFocusReason);
}

void TSmSplashScreen::FocusTimerTick()
{
    focusTimer_->SetEnabled(false);
    FocusForm(mainForm_);
}

void TSmSplashScreen::SetFocusToForm(TCustomForm *AForm)
{
    newFocusForm_ = AForm;
    if (AForm)
        AForm->FreeNotification(this);
    if (!focusFormTimer_) {
        focusFormTimer_ = new TTimer(this);
        focusFormTimer_->SetInterval(20);
        focusFormTimer_->OnTimer = [this](TObject *) {
            focusFormTimer_->SetEnabled(false);
            FocusForm(newFocusForm_);
        };
    }
    focusFormTimer_->SetEnabled(false);
    focusFormTimer_->SetEnabled(true);
}

void TSmSplashScreen::FadeIn(int Step, int Wait, int Max)
{
    TSplashScreenWindow *w = splashWindow_;
    if (!w || !w->Visible() || Step <= 0)
        return;
    const int top = std::clamp(Max, 0, 255);
    int value = w->CurrentOpacity();
    while (value + Step < top) {
        value += Step;
        w->SetCurrentOpacity(Byte(value));
        Sleep(unsigned(3 * std::max(0, Wait)));
    }
    w->SetCurrentOpacity(Byte(top));
}

void TSmSplashScreen::FadeOut(int Step, int Wait, int Min)
{
    TSplashScreenWindow *w = splashWindow_;
    if (!w || !w->Visible() || Step <= 0)
        return;
    const int bottom = std::clamp(Min, 0, 255);
    int value = w->CurrentOpacity();
    const unsigned pause = unsigned(std::max(0, Wait) * (w->forcedTransparent_ ? 1 : 3));
    while (value - Step > bottom) {
        value -= Step;
        w->SetCurrentOpacity(Byte(value));
        Sleep(pause);
    }
    w->SetCurrentOpacity(Byte(bottom));
}

void TSmSplashScreen::Refresh()
{
    if (!showing_ || !splashWindow_)
        return;
    if (splashWindow_->forcedTransparent_)
        splashWindow_->RenderLayered();
    else
        splashWindow_->Refresh();
}

void TSmSplashScreen::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        Refresh();
}

void TSmSplashScreen::InvalidateWindow()
{
    if (splashWindow_)
        splashWindow_->Invalidate();
}

void TSmSplashScreen::ProgressBarChanged()
{
    if (!showing_ || !splashWindow_ || !splashWindow_->progressBar_ ||
        ComponentState().Contains(csDesigning))
        return;
    splashWindow_->progressBar_->SetAppearance(&progressBar_);
    if (splashWindow_->forcedTransparent_)
        splashWindow_->RenderLayered();
}

void TSmSplashScreen::SetComponentStyle(TOrvanStyle AStyle)
{
    fill_.SetGradientType(gtVertical);
    for (const StyleColours &s : kStyles) {
        if (s.style != AStyle)
            continue;
        fill_.SetColor(s.color);
        fill_.SetColorTo(s.colorTo);
        fill_.SetColorMirror(s.colorMirror);
        fill_.SetColorMirrorTo(s.colorMirrorTo);
        fill_.SetBorderColor(s.border);
        if (s.mirrorVertical)
            fill_.SetGradientMirrorType(gtVertical);
        return;
    }
}
