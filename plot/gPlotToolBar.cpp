#include "gPlotToolBar.h"

TgPlotToolBar::TgPlotToolBar(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                             TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TgPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename))
{
    SetHorizontal(true);
}

void TgPlotToolBar::SetZoomInOutFactor(double Value)
{
    ChangeDouble(FZoomInOutFactor, Value < 1 ? 1.0 : Value, &TgPlotObject::DoChange);
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
