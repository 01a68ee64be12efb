#include "gPlotToolBar.h"

#include "Canvas.h"
#include "ImageList.h"
#include "Menus.h"
#include "gDrawing.h"
#include "gPlotComponent.h"
#include "gPlotDataCursor.h"
#include "gPlotMasterManager.h"
#include "gPlotObjectManager.h"
#include "gPlotToolBarImages.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

TgPlotToolBar::TgPlotToolBar(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                             TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TgPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)),
      FImageList(std::make_unique<TCustomImageList>(nullptr))
{
    FImageList->SetWidth(24);
    FImageList->SetHeight(24);
    using T = TgPlotToolBar;
    const auto button = iptbbsButton;
    FResumeButton = AddEntry(button, QStringLiteral("Resume All (Tracking)"), QStringLiteral("AUTO"), 0,
                             &T::DoButtonClickResume);
    FPauseButton = AddEntry(button, QStringLiteral("Pause All (Tracking)"), QStringLiteral("PAUSE"), 0,
                            &T::DoButtonClickPause);
    FResumePauseSpacer = AddEntry(iptbbsSpacer, {}, {}, 0, nullptr);
    FAxesModeScrollButton = AddEntry(button, QStringLiteral("Scroll (Axes)"), QStringLiteral("SCROLL"), 2,
                                     &T::DoButtonClickScrollAxesMode);
    FAxesModeZoomButton = AddEntry(button, QStringLiteral("Zoom (Axes)"), QStringLiteral("ZOOM"), 2,
                                   &T::DoButtonClickZoomAxesMode);
    FAxesModeSpacer = AddEntry(iptbbsSpacer, {}, {}, 0, nullptr);
    FZoomOutButton = AddEntry(button, QStringLiteral("Zoom Out All Axes"), QStringLiteral("ZOOMOUT"), 0,
                              &T::DoButtonClickZoomOut);
    FZoomInButton = AddEntry(button, QStringLiteral("Zoom In All Axes"), QStringLiteral("ZOOMIN"), 0,
                             &T::DoButtonClickZoomIn);
    FZoomInOutSpacer = AddEntry(iptbbsSpacer, {}, {}, 0, nullptr);
    FSelectButton = AddEntry(button, QStringLiteral("Select"), QStringLiteral("SELECT"), -1, &T::DoButtonClickSelect);
    FZoomBoxButton = AddEntry(button, QStringLiteral("Zoom Box"), QStringLiteral("SCROLLBOX"), -1,
                              &T::DoButtonClickZoomBox);
    FCursorButton = AddEntry(button, QStringLiteral("Cursor"), QStringLiteral("CURSOR"), -2, &T::DoButtonClickCursor);
    FZoomBoxCursorSpacer = AddEntry(iptbbsSpacer, {}, {}, 0, nullptr);
    FEditButton = AddEntry(button, QStringLiteral("Properties"), QStringLiteral("PROPERTIES"), 0,
                           &T::DoButtonClickEdit);
    FEditSpacer = AddEntry(iptbbsSpacer, {}, {}, 0, nullptr);
    FCopyButton = AddEntry(button, QStringLiteral("Copy to Clipboard"), QStringLiteral("COPY"), 0,
                           &T::DoButtonClickCopy);
    FSaveButton = AddEntry(button, QStringLiteral("Save to File"), QStringLiteral("SAVE"), 0, &T::DoButtonClickSave);
    FPrintButton = AddEntry(button, QStringLiteral("Print"), QStringLiteral("PRINTER"), 0, &T::DoButtonClickPrint);
    FPreviewButton = AddEntry(button, QStringLiteral("Preview"), QStringLiteral("PREVIEW"), 0,
                              &T::DoButtonClickPreview);
    FAxesModeScrollButton->SetDown(true);
    FSelectButton->SetVisible(false);
    FPreviewButton->SetVisible(false);
    SetHorizontal(true);
}

TgPlotToolBar::~TgPlotToolBar()
{
    AnnounceRemoval();
    // The plot may be going too: the buttons die without telling it.
    for (auto &b : FButtonList)
        b->SetOnChange(nullptr);
}

TgPlotToolBarButton *TgPlotToolBar::AddEntry(TgPlotToolBarButtonStyle Style, const QString &Hint,
                                             const QString &ImageName, int GroupIndex,
                                             void (TgPlotToolBar::*Action)())
{
    auto entry = std::make_unique<TgPlotToolBarButton>(this, Owner(), OnChange(), Style);
    TgPlotToolBarButton *b = entry.get();
    b->SetHint(Hint);
    b->SetImageName(ImageName);
    b->SetImageList(FImageList.get());
    b->SetGroupIndex(GroupIndex);
    b->OnInvalidate = [this](TObject *) { NotifyInvalidateNow(); };
    b->OnGroupClick = [this](TObject *Sender) { ReleaseGroup(Sender); };
    b->OnDownChange = [this](TObject *Sender) { ButtonDownChange(Sender); };
    if (Action)
        b->OnClick = [this, Action](TObject *) { (this->*Action)(); };
    FButtonList.push_back(std::move(entry));
    return b;
}

TgPlotComponent *TgPlotToolBar::PlotComponent() const
{
    return dynamic_cast<TgPlotComponent *>(Owner());
}

TgPlotToolBarButton *TgPlotToolBar::ButtonOfType(TgPlotToolBarButtonType Type) const
{
    TgPlotToolBarButton *const byType[] = {FResumeButton,  FPauseButton,  FAxesModeScrollButton, FAxesModeZoomButton,
                                           FSelectButton,  FZoomBoxButton, FZoomOutButton,        FZoomInButton,
                                           FCursorButton,  FEditButton,    FCopyButton,           FSaveButton,
                                           FPrintButton,   FPreviewButton};
    return byType[Type];
}

// Visibility of the buttons.

bool TgPlotToolBar::ShowResumeButton() const { return FResumeButton->Visible(); }
void TgPlotToolBar::SetShowResumeButton(bool Value) { FResumeButton->SetVisible(Value); }
bool TgPlotToolBar::ShowPauseButton() const { return FPauseButton->Visible(); }
void TgPlotToolBar::SetShowPauseButton(bool Value) { FPauseButton->SetVisible(Value); }
bool TgPlotToolBar::ShowAxesModeButtons() const { return FAxesModeScrollButton->Visible(); }
void TgPlotToolBar::SetShowAxesModeButtons(bool Value)
{
    FAxesModeScrollButton->SetVisible(Value);
    FAxesModeZoomButton->SetVisible(Value);
}
bool TgPlotToolBar::ShowZoomInOutButtons() const { return FZoomInButton->Visible(); }
void TgPlotToolBar::SetShowZoomInOutButtons(bool Value)
{
    FZoomInButton->SetVisible(Value);
    FZoomOutButton->SetVisible(Value);
}
bool TgPlotToolBar::ShowSelectButton() const { return FSelectButton->Visible(); }
void TgPlotToolBar::SetShowSelectButton(bool Value) { FSelectButton->SetVisible(Value); }
bool TgPlotToolBar::ShowZoomBoxButton() const { return FZoomBoxButton->Visible(); }
void TgPlotToolBar::SetShowZoomBoxButton(bool Value) { FZoomBoxButton->SetVisible(Value); }
bool TgPlotToolBar::ShowCursorButton() const { return FCursorButton->Visible(); }
void TgPlotToolBar::SetShowCursorButton(bool Value) { FCursorButton->SetVisible(Value); }
bool TgPlotToolBar::ShowEditButton() const { return FEditButton->Visible(); }
void TgPlotToolBar::SetShowEditButton(bool Value) { FEditButton->SetVisible(Value); }
bool TgPlotToolBar::ShowCopyButton() const { return FCopyButton->Visible(); }
void TgPlotToolBar::SetShowCopyButton(bool Value) { FCopyButton->SetVisible(Value); }
bool TgPlotToolBar::ShowSaveButton() const { return FSaveButton->Visible(); }
void TgPlotToolBar::SetShowSaveButton(bool Value) { FSaveButton->SetVisible(Value); }
bool TgPlotToolBar::ShowPrintButton() const { return FPrintButton->Visible(); }
void TgPlotToolBar::SetShowPrintButton(bool Value) { FPrintButton->SetVisible(Value); }
bool TgPlotToolBar::ShowPreviewButton() const { return FPreviewButton->Visible(); }
void TgPlotToolBar::SetShowPreviewButton(bool Value) { FPreviewButton->SetVisible(Value); }

void TgPlotToolBar::SetZoomInOutFactor(double Value)
{
    ChangeDouble(FZoomInOutFactor, Value < 1 ? 1.0 : Value, &TgPlotObject::DoChange);
}

void TgPlotToolBar::SetFlatButtons(bool Value)
{
    if (Value == FFlatButtons)
        return;
    FFlatButtons = Value;
    for (auto &b : FButtonList)
        b->SetFlat(Value);
    DoChange();
}

void TgPlotToolBar::SetSmallButtons(bool Value)
{
    if (Value == FSmallButtons)
        return;
    FSmallButtons = Value;
    const QString prefix = QStringLiteral("SMALL");
    for (auto &b : FButtonList) {
        if (b->ImageName().isEmpty())
            continue;
        const QString name = b->ImageName().startsWith(prefix) ? b->ImageName().mid(prefix.size()) : b->ImageName();
        b->SetImageName(Value ? prefix + name : name);
        b->SetImageIndex(-1);
    }
    FImageList->Clear();
    FImageList->SetWidth(Value ? 16 : 24);
    FImageList->SetHeight(Value ? 16 : 24);
    DoLayoutChange();
}

// Actions.

void TgPlotToolBar::RunAction(TgPlotToolBarButtonType Type, const std::function<void()> &Act, bool AfterEvent)
{
    TgPlotComponent *plot = PlotComponent();
    bool cancel = false;
    if (plot)
        plot->DoBeforeToolBarButtonClick(this, Type, cancel);
    if (cancel)
        return;
    Act();
    if (plot && AfterEvent)
        plot->DoToolBarButtonClick(this, Type);
}

void TgPlotToolBar::DoButtonClickResume()
{
    RunAction(iptbbtResume, [this] {
        if (FCursorButton->Down())
            DoButtonClickCursor();
        if (FSelectButton->Down())
            DoButtonClickSelect();
        if (TgPlotComponent *plot = PlotComponent()) {
            plot->GetObjectManager()->ClearAllUserSelections();
            plot->EnableAllTracking();
        }
    });
}

void TgPlotToolBar::DoButtonClickPause()
{
    RunAction(iptbbtPause, [this] {
        if (TgPlotComponent *plot = PlotComponent())
            plot->DisableAllTracking();
    });
}

void TgPlotToolBar::SetAxesMode(TgPlotAxisMode Mode)
{
    FAxesModeScrollButton->SetDown(Mode == ipamScroll);
    FAxesModeZoomButton->SetDown(Mode == ipamZoom);
    if (TgPlotComponent *plot = PlotComponent()) {
        for (int i = 0; i < plot->XAxisCount(); ++i)
            plot->GetXAxis(i)->SetMode(Mode);
        for (int i = 0; i < plot->YAxisCount(); ++i)
            plot->GetYAxis(i)->SetMode(Mode);
    }
}

void TgPlotToolBar::DoButtonClickScrollAxesMode()
{
    RunAction(iptbbtScrollAxesMode, [this] { SetAxesMode(ipamScroll); });
}

void TgPlotToolBar::DoButtonClickZoomAxesMode()
{
    RunAction(iptbbtZoomAxesMode, [this] { SetAxesMode(ipamZoom); });
}

void TgPlotToolBar::ZoomAllAxes(bool In)
{
    DoButtonClickPause();
    TgPlotComponent *plot = PlotComponent();
    if (!plot)
        return;
    // Linear axes by the factor around their middle, log axes by a decade.
    const auto zoom = [&](TgPlotAxis *Axis) {
        if (Axis->ScaleType() == ipstLinear)
            Axis->Zoom(In ? 1 / FZoomInOutFactor : FZoomInOutFactor);
        else
            Axis->Zoom(In ? -1 : 1);
    };
    for (int i = 0; i < plot->XAxisCount(); ++i)
        zoom(plot->GetXAxis(i));
    for (int i = 0; i < plot->YAxisCount(); ++i)
        zoom(plot->GetYAxis(i));
}

void TgPlotToolBar::DoButtonClickZoomOut()
{
    RunAction(iptbbtZoomOut, [this] { ZoomAllAxes(false); });
}

void TgPlotToolBar::DoButtonClickZoomIn()
{
    RunAction(iptbbtZoomIn, [this] { ZoomAllAxes(true); });
}

void TgPlotToolBar::DoButtonClickSelect()
{
    RunAction(iptbbtSelect, [this] {
        FSelectButton->SetDown(!FSelectButton->Down());
        FZoomBoxButton->SetDown(false);
    });
}

void TgPlotToolBar::DoButtonClickZoomBox()
{
    RunAction(iptbbtZoomBox, [this] {
        FSelectButton->SetDown(false);
        FZoomBoxButton->SetDown(!FZoomBoxButton->Down());
    });
}

void TgPlotToolBar::DoButtonClickCursor()
{
    RunAction(iptbbtCursor, [this] { FCursorButton->SetDown(!FCursorButton->Down()); });
}

void TgPlotToolBar::DoButtonClickEdit()
{
    RunAction(
        iptbbtEdit,
        [this] {
            if (TgPlotComponent *plot = PlotComponent())
                plot->Master()->EditProperties();
        },
        false);
}

void TgPlotToolBar::RunPlotOperation(TgPlotToolBarButtonType Type, void (TgPlotComponent::*Operation)())
{
    RunAction(Type, [this, Operation] {
        if (TgPlotComponent *plot = PlotComponent())
            (plot->*Operation)();
    });
}

void TgPlotToolBar::DoButtonClickCopy() { RunPlotOperation(iptbbtCopy, &TgPlotComponent::CopyToClipBoard); }
void TgPlotToolBar::DoButtonClickSave() { RunPlotOperation(iptbbtSave, &TgPlotComponent::Save); }
void TgPlotToolBar::DoButtonClickPrint() { RunPlotOperation(iptbbtPrint, &TgPlotComponent::PrintChart); }
void TgPlotToolBar::DoButtonClickPreview() { RunPlotOperation(iptbbtPreview, &TgPlotComponent::PreviewChart); }

void TgPlotToolBar::TurnOffCursor()
{
    FCursorButton->SetDown(false);
}

void TgPlotToolBar::ReleaseGroup(TObject *Sender)
{
    auto *pressed = static_cast<TgPlotToolBarButton *>(Sender);
    for (auto &b : FButtonList)
        if (b.get() != pressed && b->GroupIndex() == pressed->GroupIndex())
            b->SetDown(false);
}

void TgPlotToolBar::ButtonDownChange(TObject *Sender)
{
    TgPlotComponent *plot = PlotComponent();
    if (!plot)
        return;
    if (Sender == FCursorButton) {
        const bool down = FCursorButton->Down();
        for (int i = 0; i < plot->DataCursorCount(); ++i)
            plot->GetDataCursor(i)->SetVisible(down);
        if (down) {
            plot->DisableAllTracking();
            if (plot->DataCursorCount() > 0)
                plot->GetDataCursor(0)->SetUserSelected(true);
        }
    } else if (Sender == FSelectButton) {
        if (FSelectButton->Down())
            plot->DisableAllTracking();
        plot->SetSelectActive(FSelectButton->Down());
    }
}

// Drawing and mouse.

void TgPlotToolBar::UpdateSpacersAndEnabling()
{
    FResumePauseSpacer->SetVisible(FResumeButton->Visible() || FPauseButton->Visible());
    FAxesModeSpacer->SetVisible(FAxesModeScrollButton->Visible() || FAxesModeZoomButton->Visible());
    FZoomInOutSpacer->SetVisible(FZoomInButton->Visible() || FZoomOutButton->Visible());
    FZoomBoxCursorSpacer->SetVisible(FZoomBoxButton->Visible() || FCursorButton->Visible());
    FEditSpacer->SetVisible(FEditButton->Visible());
    bool anyOff = false, anyOn = false;
    if (IgPlotOwner *plot = Plot()) {
        for (int i = 0; i < plot->XAxisCount(); ++i)
            (plot->GetXAxis(i)->TrackingEnabled() ? anyOn : anyOff) = true;
        for (int i = 0; i < plot->YAxisCount(); ++i)
            (plot->GetYAxis(i)->TrackingEnabled() ? anyOn : anyOff) = true;
    }
    FResumeButton->SetEnabled(anyOff);
    FPauseButton->SetEnabled(anyOn);
}

void TgPlotToolBar::Draw(TCanvas *Canvas, TColor BackGroundColor)
{
    TgPlotLayoutObject::Draw(Canvas, BackGroundColor);
    if (!Visible())
        return;
    const int s = FSmallButtons ? 22 : 30;
    UpdateSpacersAndEnabling();
    const TRect r = DrawRect();
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clBtnFace);
    Canvas->FillRect(TRect(r.Left, r.Top, r.Right + 1, r.Bottom));
    if (!FFlatBorder)
        DrawBorderFrame(Canvas, r, 1);
    int x = r.Left + 3;
    for (auto &b : FButtonList) {
        if (!b->Visible())
            continue;
        const int width = b->Style() == iptbbsSpacer ? 10 : s;
        b->SetDrawRect(TRect(x, r.Top + 3, x + width, r.Top + s + 3));
        b->Draw(Canvas, BackGroundColor);
        x += width;
    }
}

TgPlotObject *TgPlotToolBar::GetMouseOverObject(int X, int Y)
{
    TgPlotLayoutObject::GetMouseOverObject(X, Y);
    for (auto &b : FButtonList)
        if (b->Visible() && b->Style() == iptbbsButton && b->DrawRect().Contains(X, Y))
            return b.get();
    return this;
}

void TgPlotToolBar::BuildPopupMenu(TPopupMenu *PopupMenu)
{
    TgPlotLayoutObject::BuildPopupMenu(PopupMenu);
    AddEditMenuItem(PopupMenu);
}

void TgPlotToolBar::NotificationSetFocus(TObject *Sender)
{
    if (Sender != this)
        SetUserSelected(false);
}

const TPublishedClass *TgPlotToolBar::StaticPublished()
{
    using T = TgPlotToolBar;
    static const TPublishedClass info =
        TPublishedBuilder<T>(TgPlotLayoutObject::StaticPublished())
            .Bool("ShowResumeButton", &T::ShowResumeButton, &T::SetShowResumeButton, true)
            .Bool("ShowPauseButton", &T::ShowPauseButton, &T::SetShowPauseButton, true)
            .Bool("ShowAxesModeButtons", &T::ShowAxesModeButtons, &T::SetShowAxesModeButtons, true)
            .Bool("ShowZoomInOutButtons", &T::ShowZoomInOutButtons, &T::SetShowZoomInOutButtons, true)
            .Bool("ShowSelectButton", &T::ShowSelectButton, &T::SetShowSelectButton, false)
            .Bool("ShowZoomBoxButton", &T::ShowZoomBoxButton, &T::SetShowZoomBoxButton, true)
            .Bool("ShowCursorButton", &T::ShowCursorButton, &T::SetShowCursorButton, true)
            .Bool("ShowEditButton", &T::ShowEditButton, &T::SetShowEditButton, true)
            .Bool("ShowCopyButton", &T::ShowCopyButton, &T::SetShowCopyButton, true)
            .Bool("ShowSaveButton", &T::ShowSaveButton, &T::SetShowSaveButton, true)
            .Bool("ShowPrintButton", &T::ShowPrintButton, &T::SetShowPrintButton, true)
            .Bool("ShowPreviewButton", &T::ShowPreviewButton, &T::SetShowPreviewButton, false)
            .Float("ZoomInOutFactor", &T::ZoomInOutFactor, &T::SetZoomInOutFactor)
            .Bool("FlatButtons", &T::FlatButtons, &T::SetFlatButtons, false)
            .Bool("SmallButtons", &T::SmallButtons, &T::SetSmallButtons, false)
            .Bool("FlatBorder", &T::FlatBorder, &T::SetFlatBorder, false)
            .Build();
    return &info;
}
