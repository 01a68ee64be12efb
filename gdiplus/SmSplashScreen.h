#pragma once
// TSmSplashScreen: the start-up splash. Asked to show, it builds a borderless
// top-level window (TSplashScreenWindow) and paints into it a fill, the
// program's name, version and legal notice, free items, stacked HTML list
// lines, top-layer panels and a progress bar. A translucent fill makes the
// window layered (per-pixel alpha, pushed as a whole frame); an opaque one an
// ordinary window, alpha-blended as a whole while it fades. It closes on a
// timeout, on the main form's first show, or on Hide.

#include "Component.h"
#include "Form.h"
#include "GpFill.h"
#include "SmSplashItems.h"
#include "SmSplashProgress.h"
#include "SmStyleIF.h"
#include "Timer.h"

#include <memory>

class TCustomImageList;
class TGpPictureContainer;
class TSmSplashScreen;

enum TDisplayStyle { dsNormal, dsFadeInOut };
enum TDisplayLocation { dlFixedPos, dlCenter };
enum TSmSplashScreenTextRenderingHint { tAntiAlias, tAntiAliasGridFit, tClearType };

// The splash's window; made and freed by the splash only.
class TSplashScreenWindow : public TForm {
public:
    TSplashScreenWindow(TComponent *AOwner, TSmSplashScreen *Splash);
    ~TSplashScreenWindow() override;

    TSmSplashProgressBar *ProgressBarControl() const { return progressBar_; }
    bool ForcedTransparent() const { return forcedTransparent_; }
    Byte Opacity() const { return opacity_; }
    TGPBitmap *MainBuffer() const { return mainBuffer_.get(); }
    // Layered frames pushed to the screen so far.
    int Pushes() const { return pushes_; }

    // The opacity a fade changes: the pushed constant alpha of a layered
    // window, else the whole window's alpha-blend value.
    Byte CurrentOpacity() const { return forcedTransparent_ ? opacity_ : AlphaBlendValue(); }
    void SetCurrentOpacity(Byte Value);

    // Layered mode: render every layer into the buffer and push it.
    void RenderLayered();
    void UpdateLayered();

    // The layers, in drawing order; each draws into g.
    void DrawFill(TGPGraphics *g);
    void DrawProgramInfo(TGPGraphics *g);
    void DrawListItems(TGPGraphics *g);
    void DrawTopLayerItems(TGPGraphics *g);
    void DrawItems(TGPGraphics *g);
    void DrawProgress(TGPGraphics *g);

    // Rectangles of the frame (fill, content, program information).
    TRect FillRect() const;
    TRect ContentRect() const;
    TRect ProgramInfoRect() const;

    void Paint() override;
    void Click() override;
    // True while the window handles a click (the splash then frees the
    // window once the click is over).
    bool InClick() const { return inClick_ > 0; }

private:
    friend class TSmSplashScreen;
    void ApplyTextRendering(TGPGraphics *g);

    TSmSplashScreen *splash_;
    TSmSplashProgressBar *progressBar_ = nullptr;
    bool forcedTransparent_ = false;
    std::unique_ptr<TGPBitmap> mainBuffer_;
    Byte opacity_ = 5;
    int pushes_ = 0;
    int inClick_ = 0;
};

class TSmSplashScreen : public TComponent {
public:
    explicit TSmSplashScreen(TComponent *AOwner);
    ~TSmSplashScreen() override;

    bool AutoShow() const { return autoShow_; }
    void SetAutoShow(bool Value) { autoShow_ = Value; }
    bool AutoAdaptPictureSize() const { return autoAdaptPictureSize_; }
    void SetAutoAdaptPictureSize(bool Value) { autoAdaptPictureSize_ = Value; }
    TBasicProgramInfo *BasicProgramInfo() { return &basicProgramInfo_; }
    bool CloseOnMainFormShow() const { return closeOnMainFormShow_; }
    void SetCloseOnMainFormShow(bool Value) { closeOnMainFormShow_ = Value; }
    bool CloseOnTimeout() const { return closeOnTimeout_; }
    void SetCloseOnTimeout(bool Value) { closeOnTimeout_ = Value; }
    TDisplayLocation DisplayLocation() const { return displayLocation_; }
    void SetDisplayLocation(TDisplayLocation Value) { displayLocation_ = Value; }
    int DisplayPosX() const { return displayPosX_; }
    void SetDisplayPosX(int Value) { displayPosX_ = Value; }
    int DisplayPosY() const { return displayPosY_; }
    void SetDisplayPosY(int Value) { displayPosY_ = Value; }
    TDisplayStyle DisplayStyle() const { return displayStyle_; }
    void SetDisplayStyle(TDisplayStyle Value) { displayStyle_ = Value; }
    TGpFill *Fill() { return &fill_; }
    int Width() const { return width_; }
    void SetWidth(int Value) { width_ = Value; }
    int Height() const { return height_; }
    void SetHeight(int Value) { height_ = Value; }
    TCustomImageList *Images() const { return images_; }
    void SetImages(TCustomImageList *Value);
    TSplashItems *Items() { return &items_; }
    TSplashListItems *ListItems() { return &listItems_; }
    TSplashListItemsSettings *ListItemsSettings() { return &listItemsSettings_; }
    Byte MaxOpacity() const { return maxOpacity_; }
    void SetMaxOpacity(Byte Value) { maxOpacity_ = Value; }
    TGpPictureContainer *PictureContainer() const { return pictureContainer_; }
    void SetPictureContainer(TGpPictureContainer *Value);
    int PictureGap() const { return pictureGap_; }
    void SetPictureGap(int Value) { pictureGap_ = Value; }
    TGpSplashProgress *ProgressBar() { return &progressBar_; }
    bool StayOnTop() const { return stayOnTop_; }
    void SetStayOnTop(bool Value);
    TSmSplashScreenTextRenderingHint TextRendering() const { return textRendering_; }
    void SetTextRendering(TSmSplashScreenTextRenderingHint Value);
    int TimeOut() const { return timeOut_; }
    void SetTimeOut(int Value) { timeOut_ = Value; }
    TSmSplashTopLayerItems *TopLayerItems() { return &topLayerItems_; }
    QString Version() const { return QStringLiteral("1.2.0.0"); }
    void SetVersion(const QString &) {}

    TSplashScreenWindow *SplashWindow() const { return splashWindow_; }
    bool Showing() const { return showing_; }
    TCustomForm *MainForm() const { return mainForm_; }
    void SetMainForm(TCustomForm *Value) { mainForm_ = Value; }
    bool FocusParentForm = false;

    void Show();
    void Show(int X, int Y) { Show(); }
    void Hide();
    void FadeIn(int Step, int Wait, int Max);
    void FadeOut(int Step, int Wait, int Min);
    void Refresh();
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    // Hands the keyboard focus to AForm 20 ms later: raised, activated, focused.
    void SetFocusToForm(TCustomForm *AForm);
    void SetComponentStyle(TOrvanStyle AStyle);
    QString GetThemeID() const { return QStringLiteral("TSmSplashScreen"); }
    void SaveToTheme(const QString &) {}
    void LoadFromTheme(const QString &) {}

    // Reads the name, version and legal notice of the running program; Linux
    // programs carry no version resource, so nothing changes.
    void ReadProgramInfoFromVersionResource();

    TNotifyEvent OnBeforeShow;
    TNotifyEvent OnClose;
    TNotifyEvent OnClick;
    TNotifyEvent OnProgressChange;
    TProgressPositionEvent OnProgressPositionChanged;

    // The timers, for tests that tick them by hand.
    TTimer *CloseTimer() const { return closeTimer_; }
    TTimer *FocusTimer() const { return focusTimer_; }

protected:
    void Loaded() override;
    void Notification(TComponent *AComponent, TOperation Operation) override;

private:
    friend class TSplashScreenWindow;
    bool Translucent();
    void CreateSplashWindow();
    void ApplyWindowRegion();
    void MainFormShow(TObject *Sender);
    void CloseTimerTick();
    void FocusTimerTick();
    void ProgressBarChanged();
    void InvalidateWindow();
    static void FocusForm(TCustomForm *Form);

    bool autoShow_ = true;
    bool autoAdaptPictureSize_ = true;
    TBasicProgramInfo basicProgramInfo_;
    bool closeOnMainFormShow_ = true;
    bool closeOnTimeout_ = false;
    TDisplayLocation displayLocation_ = dlCenter;
    int displayPosX_ = 0, displayPosY_ = 0;
    TDisplayStyle displayStyle_ = dsFadeInOut;
    TGpFill fill_;
    int width_ = 600, height_ = 400;
    TCustomImageList *images_ = nullptr;
    TSplashItems items_;
    TSplashListItems listItems_;
    TSplashListItemsSettings listItemsSettings_;
    Byte maxOpacity_ = 255;
    TGpPictureContainer *pictureContainer_ = nullptr;
    int pictureGap_ = 5;
    TGpSplashProgress progressBar_;
    bool stayOnTop_ = true;
    TSmSplashScreenTextRenderingHint textRendering_ = tClearType;
    int timeOut_ = 1000;
    TSmSplashTopLayerItems topLayerItems_;

    bool showing_ = false;
    TSplashScreenWindow *splashWindow_ = nullptr;
    TCustomForm *mainForm_ = nullptr;
    bool hookedMainForm_ = false;
    TNotifyEvent oldMainFormShow_;
    TTimer *closeTimer_;
    TTimer *focusTimer_;
    TTimer *focusFormTimer_ = nullptr;
    TCustomForm *newFocusForm_ = nullptr;
    int updateCount_ = 0;
};
