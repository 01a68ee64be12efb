#pragma once
#include "Font.h"
#include "gPlotManagerObject.h"
#include "gTypes.h"

class TgPlotChannelCustom;
class TgPlotDataView;

enum TgOrientationSide { iosTopLeft, iosBottomRight };

// A measuring cursor over the plot's first data view: one or two pointers at
// percent positions and the reading of the channel it reads. This cursor
// keeps its settings and takes readings (each paint, and when it is made
// visible); it is created invisible and is not drawn or moved by the mouse
// yet.
class TgPlotDataCursor : public TgPlotManagerObject {
public:
    TgPlotDataCursor(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                     TNotifyEvent AOnRename);

    // "<All>" reads every channel.
    static const QString &AllChannels();
    const QString &ChannelName() const { return FChannelName; }
    void SetChannelName(const QString &Value);
    bool ChannelAllowAll() const { return FChannelAllowAll; }
    void SetChannelAllowAll(bool Value) { ChangeBoolean(FChannelAllowAll, Value, &TgPlotObject::DoChange); }
    bool ChannelShowAllInLegend() const { return FChannelShowAllInLegend; }
    void SetChannelShowAllInLegend(bool Value) { ChangeBoolean(FChannelShowAllInLegend, Value, &TgPlotObject::DoChange); }
    TgPlotDataCursorStyle Style() const { return FStyle; }
    void SetStyle(TgPlotDataCursorStyle Value);
    TFont *Font() { return &FFont; }
    void SetFont(TFont *Value) { FFont.Assign(Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool UseChannelColor() const { return FUseChannelColor; }
    void SetUseChannelColor(bool Value) { ChangeBoolean(FUseChannelColor, Value, &TgPlotObject::DoChange); }
    bool HintShow() const { return FHintShow; }
    void SetHintShow(bool Value) { ChangeBoolean(FHintShow, Value, &TgPlotObject::DoChange); }
    bool HintHideOnRelease() const { return FHintHideOnRelease; }
    void SetHintHideOnRelease(bool Value) { ChangeBoolean(FHintHideOnRelease, Value, &TgPlotObject::DoChange); }
    TgOrientationSide HintOrientationSide() const { return FHintOrientationSide; }
    void SetHintOrientationSide(TgOrientationSide Value);
    double HintPosition() const { return FHintPosition; }
    void SetHintPosition(double Value) { ChangeDouble(FHintPosition, Value, &TgPlotObject::DoChange); }
    // Percent positions, held to 0..100.
    double Pointer1Position() const { return FPointer1Position; }
    void SetPointer1Position(double Value);
    double Pointer2Position() const { return FPointer2Position; }
    void SetPointer2Position(double Value);
    int PointerPenWidth() const { return FPointerPenWidth; }
    void SetPointerPenWidth(int Value) { ChangeInteger(FPointerPenWidth, Value, &TgPlotObject::DoChange); }
    bool MenuUserCanChangeOptions = true;
    bool SnapToDataPoint = false;
    bool UseCachedInterpolatedData = false;
    bool MenuItemVisible[6] = {true, true, true, true, true, true};
    QString MenuItemCaption[6] = {QStringLiteral("Value X-Y"), QStringLiteral("Value X"), QStringLiteral("Value Y"),
                                  QStringLiteral("Period"),    QStringLiteral("Peak-Peak"), QStringLiteral("Frequency")};

    TgPlotDataView *DataView() const { return FDataView; }
    // Stored without notice (the manager and the paint hand it over).
    void SetDataView(TgPlotDataView *Value) { FDataView = Value; }

    // The last reading, set by the channel the cursor reads.
    double ValueX() const { return FValueX; }
    double ValueY() const { return FValueY; }
    TgPlotDataPointStatus Status() const { return FStatus; }
    // Stores a reading; a reading that differs from the last one is told to
    // the plot (OnDataCursorChange).
    void SetReading(TgPlotDataPointStatus Status, double Y, double X);
    const QString &CursorDisplayText() const { return FCursorDisplayText; }
    void SetCursorDisplayText(const QString &Value) { FCursorDisplayText = Value; }

    // The plot says a reading is about to be taken (OnBeforeDataCursorUpdate);
    // then every channel of the plot in order reads it with "<All>" (the
    // last one's reading stays), else the cursor's own channel when found.
    void UpdateReadings();
    // The plot's channel named ChannelName, looked up once and kept until
    // the name changes or the channel goes.
    TgPlotChannelCustom *FindChannel();

    void SetVisible(bool Value) override;
    void NotificationRemove(TObject *Sender) override;
    void NotificationRename(TObject *Sender) override;

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished();

private:
    QString FChannelName;
    bool FChannelAllowAll = true;
    bool FChannelShowAllInLegend = true;
    TgPlotDataCursorStyle FStyle = ipcsValueXY;
    TFont FFont;
    TColor FColor = 65535;
    bool FUseChannelColor = true;
    bool FHintShow = true;
    bool FHintHideOnRelease = false;
    TgOrientationSide FHintOrientationSide = iosBottomRight;
    double FHintPosition = 50;
    double FPointer1Position = 50;
    double FPointer2Position = 60;
    int FPointerPenWidth = 1;
    TgPlotDataView *FDataView = nullptr;
    TgPlotChannelCustom *FChannel = nullptr;
    double FValueX = 0, FValueY = 0;
    TgPlotDataPointStatus FStatus = ipdpsValid;
    QString FCursorDisplayText;
};
