// The data cursor's settings, readings, pointer layout, focus and menu.
#include "gPlotDataCursor.h"

#include "Menus.h"
#include "gMenuItem.h"
#include "gPlot.h"
#include "gPlotChannelCustom.h"
#include "gPlotComponent.h"
#include "gPlotDataView.h"
#include "gPlotXAxis.h"
#include "gXYPlot.h"

namespace {

TgOrientation Inverted(TgOrientation Value)
{
    return Value == ioVertical ? ioHorizontal : ioVertical;
}

TMenuItem *NewItem(TComponent *Owner, const QString &Caption, bool Checked, TNotifyEvent OnClick)
{
    auto *item = new TMenuItem(Owner);
    item->SetCaption(Caption);
    item->SetChecked(Checked);
    item->OnClick = std::move(OnClick);
    return item;
}

} // namespace

TgPlotDataCursor::TgPlotDataCursor(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                   TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TgPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename))
{
    SetVisible(false);
    FFont.OnChange = [this](TObject *) { DoChange(); };
    UpdatePointerLayout();
}

const QString &TgPlotDataCursor::AllChannels()
{
    static const QString all = QStringLiteral("<All>");
    return all;
}

double TgPlotDataCursor::HeldPercent(double Value)
{
    if (!(Value >= 0))
        return 0;
    return Value > 100 ? 100 : Value;
}

TgPlotComponent *TgPlotDataCursor::PlotComponent() const
{
    return dynamic_cast<TgPlotComponent *>(Owner());
}

int TgPlotDataCursor::IndexInPlot() const
{
    TgPlotComponent *plot = PlotComponent();
    return plot ? plot->GetDataCursorIndexByName(Name()) : -1;
}

bool TgPlotDataCursor::OnXYPlot() const
{
    return dynamic_cast<TgXYPlot *>(Owner()) != nullptr;
}

bool TgPlotDataCursor::OnStripChart() const
{
    return dynamic_cast<TgPlot *>(Owner()) != nullptr;
}

bool TgPlotDataCursor::IsAll() const
{
    return FChannelName == AllChannels();
}

bool TgPlotDataCursor::IsDeltaStyle() const
{
    return FStyle == ipcsDeltaX || FStyle == ipcsDeltaY || FStyle == ipcsInverseDeltaX;
}

void TgPlotDataCursor::SetChannelName(const QString &Value)
{
    if (Value == FChannelName)
        return;
    FChannelName = Value;
    FChannel = nullptr;
    DoChange();
}

TgPlotChannelCustom *TgPlotDataCursor::FindChannel()
{
    if (!FChannel)
        if (IgPlotOwner *plot = Plot())
            FChannel = plot->GetChannelByName(FChannelName);
    return FChannel;
}

void TgPlotDataCursor::UpdateReadings()
{
    IgPlotOwner *plot = Plot();
    if (plot)
        plot->DoBeforeDataCursorUpdate(this);
    if (IsAll()) {
        for (int i = 0; plot && i < plot->ChannelCount(); ++i)
            plot->GetChannel(i)->DataCursorUpdate(this);
    } else if (TgPlotChannelCustom *channel = FindChannel()) {
        channel->DataCursorUpdate(this);
    }
}

void TgPlotDataCursor::SetVisible(bool Value)
{
    const bool shown = Value && !Visible();
    TgPlotManagerObject::SetVisible(Value);
    if (shown)
        UpdateReadings();
}

void TgPlotDataCursor::SetXYAxesReversed(bool Value)
{
    TgPlotManagerObject::SetXYAxesReversed(Value);
    UpdatePointerLayout();
}

void TgPlotDataCursor::UpdatePointerLayout()
{
    const bool xy = OnXYPlot();
    bool show1 = true, show2 = false;
    TgOrientation o1 = ioVertical, o2 = ioVertical, hint = ioVertical;
    switch (FStyle) {
    case ipcsValueXY:
        show2 = xy;
        o2 = ioHorizontal;
        break;
    case ipcsValueX:
        break;
    case ipcsValueY:
        if (xy) {
            show1 = false;
            show2 = true;
            o2 = ioHorizontal;
            hint = ioHorizontal;
        }
        break;
    case ipcsDeltaX:
    case ipcsInverseDeltaX:
        show2 = true;
        break;
    case ipcsDeltaY:
        show2 = true;
        o1 = o2 = hint = ioHorizontal;
        break;
    }
    if (XYAxesReversed()) {
        o1 = Inverted(o1);
        o2 = Inverted(o2);
        hint = Inverted(hint);
    }
    FPointer1Show = show1;
    FPointer2Show = show2;
    FPointer1Orientation = o1;
    FPointer2Orientation = o2;
    FHintOrientation = hint;
}

void TgPlotDataCursor::SetStyle(TgPlotDataCursorStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    UpdatePointerLayout();
    DoChange();
}

void TgPlotDataCursor::SetColor(TColor Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    DoChange();
}

void TgPlotDataCursor::SetHintOrientationSide(TgOrientationSide Value)
{
    if (Value == FHintOrientationSide)
        return;
    FHintOrientationSide = Value;
    DoChange();
}

void TgPlotDataCursor::SetPointer1Position(double Value)
{
    ChangeDouble(FPointer1Position, HeldPercent(Value), &TgPlotObject::DoChange);
}

void TgPlotDataCursor::SetPointer2Position(double Value)
{
    ChangeDouble(FPointer2Position, HeldPercent(Value), &TgPlotObject::DoChange);
}

void TgPlotDataCursor::ClampPositions()
{
    FHintPosition = HeldPercent(FHintPosition);
    FPointer1Position = HeldPercent(FPointer1Position);
    FPointer2Position = HeldPercent(FPointer2Position);
}

void TgPlotDataCursor::SetReading(TgPlotDataPointStatus Status, double Y, double X)
{
    if (X == FValueX && Y == FValueY && Status == FStatus)
        return;
    FStatus = Status;
    FValueY = Y;
    FValueX = X;
    if (IgPlotOwner *plot = Plot())
        plot->DoDataCursorChange(this);
}

void TgPlotDataCursor::NotificationRemove(TObject *Sender)
{
    TgPlotManagerObject::NotificationRemove(Sender);
    // Told from the object's base destructor: compare addresses only.
    if (static_cast<void *>(Sender) == static_cast<void *>(FDataView))
        FDataView = nullptr;
    if (static_cast<void *>(Sender) == static_cast<void *>(FChannel))
        FChannel = nullptr;
}

void TgPlotDataCursor::NotificationRename(TObject *Sender)
{
    TgPlotManagerObject::NotificationRename(Sender);
    if (FChannel && static_cast<void *>(Sender) == static_cast<void *>(FChannel))
        FChannelName = FChannel->Name();
}

void TgPlotDataCursor::NotificationSetFocus(TObject *Sender)
{
    auto *object = dynamic_cast<TgPlotObject *>(Sender);
    if (!object || object == this || !object->UserSelected())
        return;
    if (auto *channel = dynamic_cast<TgPlotChannelCustom *>(object)) {
        if (channel == FindChannel())
            return;
        if (UserSelected()) {
            SetChannelName(channel->Name());
            return;
        }
    }
    SetUserSelected(false);
}

void TgPlotDataCursor::DoGotFocus()
{
    TgPlotManagerObject::DoGotFocus();
    if (TgPlotChannelCustom *channel = FindChannel())
        channel->SetUserSelected(true);
}

void TgPlotDataCursor::BuildPopupMenu(TPopupMenu *PopupMenu)
{
    TgPlotManagerObject::BuildPopupMenu(PopupMenu);
    TMenuItem *items = PopupMenu->Items();
    IgPlotOwner *plot = Plot();

    auto *channels = NewItem(PopupMenu, TranslateText(QStringLiteral("Channel")), false, nullptr);
    if (FChannelAllowAll)
        channels->Add(NewItem(PopupMenu, TranslateText(AllChannels()), IsAll(), [this](TObject *) {
            SetChannelName(AllChannels());
            if (IgPlotOwner *owner = Plot())
                for (int i = 0; i < owner->ChannelCount(); ++i)
                    owner->GetChannel(i)->SetUserSelected(false);
        }));
    for (int i = 0; plot && i < plot->ChannelCount(); ++i) {
        TgPlotChannelCustom *channel = plot->GetChannel(i);
        if (!channel->Visible())
            continue;
        auto *item = new TgMenuItem(PopupMenu);
        item->SetCaption(QString(channel->TitleText()).remove(QStringLiteral("\r\n")));
        item->AString = channel->Name();
        item->SetChecked(channel->Name() == FChannelName);
        item->OnClick = [this, item](TObject *) {
            SetChannelName(item->AString);
            if (TgPlotChannelCustom *c = FindChannel())
                c->SetUserSelected(true);
            DoSnapToDataPoint();
        };
        channels->Add(item);
    }
    items->Add(channels);

    auto *styles = NewItem(PopupMenu, TranslateText(QStringLiteral("Style")), false, nullptr);
    for (int s = ipcsValueXY; s <= ipcsInverseDeltaX; ++s) {
        const auto style = static_cast<TgPlotDataCursorStyle>(s);
        TMenuItem *item = NewItem(PopupMenu, TranslateText(FMenuItemCaption[s]), style == FStyle,
                                  [this, style](TObject *) { SetStyle(style); });
        item->SetVisible(FMenuItemVisible[s]);
        styles->Add(item);
    }
    items->Add(styles);

    if (FMenuUserCanChangeOptions) {
        auto *options = NewItem(PopupMenu, TranslateText(QStringLiteral("Options")), false, nullptr);
        options->Add(NewItem(PopupMenu, TranslateText(QStringLiteral("Use Channel Color")), FUseChannelColor,
                             [this](TObject *) {
                                 SetUseChannelColor(!FUseChannelColor);
                                 NotifyInvalidateNow();
                             }));
        options->Add(NewItem(PopupMenu, TranslateText(QStringLiteral("Hide Hint On Release")), FHintHideOnRelease,
                             [this](TObject *) {
                                 SetHintHideOnRelease(!FHintHideOnRelease);
                                 NotifyInvalidateNow();
                             }));
        TMenuItem *flip = NewItem(PopupMenu, TranslateText(QStringLiteral("Flip Alignment")), false, [this](TObject *) {
            SetHintOrientationSide(FHintOrientationSide == iosTopLeft ? iosBottomRight : iosTopLeft);
            NotifyInvalidateNow();
        });
        flip->SetEnabled((FStyle == ipcsValueXY || FStyle == ipcsValueX || FStyle == ipcsValueY) &&
                         FChannelName.compare(AllChannels(), Qt::CaseInsensitive) != 0);
        options->Add(flip);
        items->Add(options);
    }

    if (!OnXYPlot())
        items->Add(NewItem(PopupMenu, TranslateText(QStringLiteral("Snap to Data-Point")), FSnapToDataPoint,
                           [this](TObject *) {
                               FSnapToDataPoint = !FSnapToDataPoint;
                               if (FSnapToDataPoint)
                                   DoSnapToDataPoint();
                           }));
    AddEditMenuItem(PopupMenu);
}

const TPublishedClass *TgPlotDataCursor::StaticPublished()
{
    using D = TgPlotDataCursor;
    static const QStringList styles{QStringLiteral("ipcsValueXY"), QStringLiteral("ipcsValueX"),
                                    QStringLiteral("ipcsValueY"),  QStringLiteral("ipcsDeltaX"),
                                    QStringLiteral("ipcsDeltaY"),  QStringLiteral("ipcsInverseDeltaX")};
    static const QStringList sides{QStringLiteral("iosTopLeft"), QStringLiteral("iosBottomRight")};
    static const TPublishedClass info =
        TPublishedBuilder<D>(TgPlotManagerObject::StaticPublished())
            .String("ChannelName", &D::ChannelName, &D::SetChannelName)
            .Bool("ChannelAllowAll", &D::ChannelAllowAll, &D::SetChannelAllowAll, true)
            .Bool("ChannelShowAllInLegend", &D::ChannelShowAllInLegend, &D::SetChannelShowAllInLegend, true)
            .Enumeration("Style", &D::Style, &D::SetStyle, styles, ipcsValueXY)
            .Object("Font", [](D *d) -> TObject * { return d->Font(); })
            .Integer("Color", &D::Color, &D::SetColor, 65535)
            .Bool("UseChannelColor", &D::UseChannelColor, &D::SetUseChannelColor, true)
            .Bool("HintShow", &D::HintShow, &D::SetHintShow, true)
            .Bool("HintHideOnRelease", &D::HintHideOnRelease, &D::SetHintHideOnRelease, false)
            .Enumeration("HintOrientationSide", &D::HintOrientationSide, &D::SetHintOrientationSide, sides,
                         iosBottomRight)
            .Float("HintPosition", &D::HintPosition, &D::SetHintPosition)
            .Float("Pointer1Position", &D::Pointer1Position, &D::SetPointer1Position)
            .Float("Pointer2Position", &D::Pointer2Position, &D::SetPointer2Position)
            .Integer("PointerPenWidth", &D::PointerPenWidth, &D::SetPointerPenWidth, 1)
            .Bool("MenuUserCanChangeOptions", &D::MenuUserCanChangeOptions, &D::SetMenuUserCanChangeOptions, true)
            .Bool("SnapToDataPoint", &D::SnapToDataPoint, &D::SetSnapToDataPoint, false)
            .Bool("UseCachedInterpolatedData", &D::UseCachedInterpolatedData, &D::SetUseCachedInterpolatedData, false)
            .Bool("MenuItemVisibleValueXY", &D::MenuItemVisibleOf<ipcsValueXY>, &D::SetMenuItemVisibleOf<ipcsValueXY>,
                  true)
            .Bool("MenuItemVisibleValueX", &D::MenuItemVisibleOf<ipcsValueX>, &D::SetMenuItemVisibleOf<ipcsValueX>,
                  true)
            .Bool("MenuItemVisibleValueY", &D::MenuItemVisibleOf<ipcsValueY>, &D::SetMenuItemVisibleOf<ipcsValueY>,
                  true)
            .Bool("MenuItemVisibleDeltaX", &D::MenuItemVisibleOf<ipcsDeltaX>, &D::SetMenuItemVisibleOf<ipcsDeltaX>,
                  true)
            .Bool("MenuItemVisibleDeltaY", &D::MenuItemVisibleOf<ipcsDeltaY>, &D::SetMenuItemVisibleOf<ipcsDeltaY>,
                  true)
            .Bool("MenuItemVisibleInverseDeltaX", &D::MenuItemVisibleOf<ipcsInverseDeltaX>,
                  &D::SetMenuItemVisibleOf<ipcsInverseDeltaX>, true)
            .String("MenuItemCaptionValueXY", &D::MenuItemCaptionOf<ipcsValueXY>, &D::SetMenuItemCaptionOf<ipcsValueXY>)
            .String("MenuItemCaptionValueX", &D::MenuItemCaptionOf<ipcsValueX>, &D::SetMenuItemCaptionOf<ipcsValueX>)
            .String("MenuItemCaptionValueY", &D::MenuItemCaptionOf<ipcsValueY>, &D::SetMenuItemCaptionOf<ipcsValueY>)
            .String("MenuItemCaptionDeltaX", &D::MenuItemCaptionOf<ipcsDeltaX>, &D::SetMenuItemCaptionOf<ipcsDeltaX>)
            .String("MenuItemCaptionDeltaY", &D::MenuItemCaptionOf<ipcsDeltaY>, &D::SetMenuItemCaptionOf<ipcsDeltaY>)
            .String("MenuItemCaptionInverseDeltaX", &D::MenuItemCaptionOf<ipcsInverseDeltaX>,
                    &D::SetMenuItemCaptionOf<ipcsInverseDeltaX>)
            .Build();
    return &info;
}
