#pragma once
#include "gDrawing.h"
#include "gPlotLayoutObject.h"
#include "gTypes.h"

#include <memory>
#include <vector>

class TFont;
class TgPlotChannelCustom;
class TgPlotComponent;
class TgPlotLegendButton;
class TgPlotLegendItem;

enum TgPlotLegendChannelNameColorStyle {
    iplcncsFont, iplcncsChannelColor, iplcncsXAxisFontColor, iplcncsYAxisFontColor
};

// The list of the plot's channels shown in the legend: per channel a line
// sample, a marker sample, the name and, on request, the axis titles, the
// last values and the running Y maximum, minimum and mean. Items flow into
// rows and wrap columns; when not all fit, two scroll buttons move the
// window of shown items. An item's name area belongs to its channel (the
// channel is then the object under the mouse). Every computed divisor is at
// least 1, whatever the settings.
class TgPlotLegend : public TgPlotLayoutObject {
public:
    TgPlotLegend(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                 TNotifyEvent AOnRename);
    ~TgPlotLegend() override;

#define TQ62_DOUBLE(Name, Field)                                                                                   \
    double Name() const { return Field; }                                                                          \
    void Set##Name(double Value) { ChangeDouble(Field, Value, &TgPlotObject::DoChange); }
#define TQ62_INT(Name, Field)                                                                                      \
    int Name() const { return Field; }                                                                             \
    void Set##Name(int Value) { ChangeInteger(Field, Value, &TgPlotObject::DoChange); }
#define TQ62_BOOL(Name, Field)                                                                                     \
    bool Name() const { return Field; }                                                                            \
    void Set##Name(bool Value) { ChangeBoolean(Field, Value, &TgPlotObject::DoChange); }
#define TQ62_TEXT(Name, Field)                                                                                     \
    const QString &Name() const { return Field; }                                                                  \
    void Set##Name(const QString &Value) { ChangeString(Field, Value, &TgPlotObject::DoChange); }
    TQ62_DOUBLE(MarginLeft, FMarginLeft)
    TQ62_DOUBLE(MarginTop, FMarginTop)
    TQ62_DOUBLE(MarginRight, FMarginRight)
    TQ62_DOUBLE(MarginBottom, FMarginBottom)
    TQ62_INT(BackGroundColor, FBackGroundColor)
    TQ62_BOOL(BackGroundTransparent, FBackGroundTransparent)
    TQ62_INT(SelectedItemBackGroundColor, FSelectedItemBackGroundColor)
    TQ62_BOOL(ShowColumnLine, FShowColumnLine)
    TQ62_BOOL(ShowColumnMarker, FShowColumnMarker)
    TQ62_BOOL(ShowColumnXAxisTitle, FShowColumnXName)
    TQ62_BOOL(ShowColumnYAxisTitle, FShowColumnYName)
    TQ62_BOOL(ShowColumnXValue, FShowColumnXValue)
    TQ62_BOOL(ShowColumnYValue, FShowColumnYValue)
    TQ62_BOOL(ShowColumnYMax, FShowColumnYMax)
    TQ62_BOOL(ShowColumnYMin, FShowColumnYMin)
    TQ62_BOOL(ShowColumnYMean, FShowColumnYMean)
    TQ62_TEXT(CaptionColumnTitle, FCaptionColumnTitle)
    TQ62_TEXT(CaptionColumnXAxisTitle, FCaptionColumnXName)
    TQ62_TEXT(CaptionColumnYAxisTitle, FCaptionColumnYName)
    TQ62_TEXT(CaptionColumnXValue, FCaptionColumnXValue)
    TQ62_TEXT(CaptionColumnYValue, FCaptionColumnYValue)
    TQ62_TEXT(CaptionColumnYMax, FCaptionColumnYMax)
    TQ62_TEXT(CaptionColumnYMin, FCaptionColumnYMin)
    TQ62_TEXT(CaptionColumnYMean, FCaptionColumnYMean)
    TQ62_DOUBLE(ColumnSpacing, FColumnSpacing)
    // RowSpacing and WrapRowSpacingMin are one setting.
    TQ62_DOUBLE(RowSpacing, FWrapRowSpacingMin)
    TQ62_DOUBLE(WrapRowSpacingMin, FWrapRowSpacingMin)
    TQ62_DOUBLE(WrapColSpacingMin, FWrapColSpacingMin)
    TQ62_BOOL(WrapColAutoCountEnabled, FWrapColAutoCountEnabled)
    TQ62_BOOL(WrapRowAutoCountEnabled, FWrapRowAutoCountEnabled)
    TQ62_INT(WrapColAutoCountMax, FWrapColAutoCountMax)
    TQ62_INT(WrapRowAutoCountMax, FWrapRowAutoCountMax)
    TQ62_BOOL(WrapColSpacingAuto, FWrapColSpacingAuto)
    TQ62_BOOL(WrapRowSpacingAuto, FWrapRowSpacingAuto)
    TQ62_BOOL(ColumnTitlesVisible, FColumnTitlesVisible)
    TQ62_DOUBLE(ChannelNameMaxWidth, FChannelNameMaxWidth)
    TQ62_INT(LineColumnWidth, FLineColumnWidth)
    TQ62_INT(LineColumnHeight, FLineColumnHeight)
#undef TQ62_DOUBLE
#undef TQ62_INT
#undef TQ62_BOOL
#undef TQ62_TEXT
    // Values of 0 or less are stored as 1.
    int WrapColDesiredCount() const { return FWrapColDesiredCount; }
    void SetWrapColDesiredCount(int Value);
    int WrapRowDesiredCount() const { return FWrapRowDesiredCount; }
    void SetWrapRowDesiredCount(int Value);
    TgPlotLegendChannelNameColorStyle ChannelNameColorStyle() const { return FChannelNameColorStyle; }
    void SetChannelNameColorStyle(TgPlotLegendChannelNameColorStyle Value);
    TFont *Font() const { return FFont.get(); }
    void SetFont(TFont *Value);
    TFont *SelectedItemFont() const { return FSelectedItemFont.get(); }
    void SetSelectedItemFont(TFont *Value);
    TFont *ColumnTitlesFont() const { return FColumnTitlesFont.get(); }
    void SetColumnTitlesFont(TFont *Value);
    int ViewStartIndex() const { return FItemViewStartIndex; }
    void SetViewStartIndex(int Value) { ChangeInteger(FItemViewStartIndex, Value, &TgPlotObject::DoChange); }
    int ViewStopIndex() const { return FItemViewStopIndex; }
    // Set by the plot's paint when a data cursor shows every channel here.
    void SetCursorAllChannels(bool Value) { FCursorAllChannels = Value; }
    bool CursorAllChannels() const { return FCursorAllChannels; }

    // The last layout's results.
    int ItemCount() const { return static_cast<int>(FItemList.size()); }
    const TgPlotLegendItem *Item(int Index) const { return FItemList[static_cast<size_t>(Index)].get(); }
    int ActualWrapColCount() const { return FActualWrapColCount; }
    int ActualWrapRowCount() const { return FActualWrapRowCount; }
    int RequiredWidth() const { return FRequiredWidth; }
    int RequiredHeight() const { return FRequiredHeight; }
    TRect ItemsRect() const { return FItemsRect; }
    TgPlotLegendButton *UpButton() const { return FUpButton.get(); }
    TgPlotLegendButton *DownButton() const { return FDownButton.get(); }

    // Column texts of a channel.
    QString ChannelNameText(TgPlotChannelCustom *Channel) const;
    QString GetXAxisNameText(TgPlotChannelCustom *Channel) const;
    QString GetYAxisNameText(TgPlotChannelCustom *Channel) const;
    QString GetLastXText(TgPlotChannelCustom *Channel) const;
    QString GetLastYText(TgPlotChannelCustom *Channel) const;
    QString GetYMaxText(TgPlotChannelCustom *Channel) const;
    QString GetYMinText(TgPlotChannelCustom *Channel) const;
    QString GetYMeanText(TgPlotChannelCustom *Channel) const;

    void CalcLayout(TCanvas *Canvas);
    void NotificationSetFocus(TObject *Sender) override;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    void DoMouseUp(const TgPlotMouseData &MouseData) override;
    TgPlotObject *GetMouseOverObject(int X, int Y) override;
    void BuildPopupMenu(TPopupMenu *PopupMenu) override;
    int GetRequiredSpace(TCanvas *Canvas) override;

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished();

private:
    TgPlotComponent *Plot() const;
    void DrawLineSample(TCanvas *Canvas, int X, int Y, TgPlotLineStyle Style, TColor Color);
    void DrawText(TCanvas *Canvas, const QString &Text, TRect Rect, unsigned Flags);
    QString ValueText(TgPlotChannelCustom *Channel, bool YAxis, double Value) const;

    double FMarginLeft = 1, FMarginTop = 1, FMarginRight = 1, FMarginBottom = 1;
    TColor FBackGroundColor = 0x808080;
    bool FBackGroundTransparent = true;
    TColor FSelectedItemBackGroundColor = 0x00FFFF;
    std::unique_ptr<TFont> FSelectedItemFont, FFont, FColumnTitlesFont;
    bool FShowColumnLine = true;
    bool FShowColumnMarker = false, FShowColumnXName = false, FShowColumnYName = false, FShowColumnXValue = false,
         FShowColumnYValue = false, FShowColumnYMax = false, FShowColumnYMin = false, FShowColumnYMean = false;
    QString FCaptionColumnTitle = QStringLiteral("Title");
    QString FCaptionColumnXName = QStringLiteral("X-Axis");
    QString FCaptionColumnYName = QStringLiteral("Y-Axis");
    QString FCaptionColumnXValue = QStringLiteral("X");
    QString FCaptionColumnYValue = QStringLiteral("Y");
    QString FCaptionColumnYMax = QStringLiteral("Y-Max");
    QString FCaptionColumnYMin = QStringLiteral("Y-Min");
    QString FCaptionColumnYMean = QStringLiteral("Y-Mean");
    double FColumnSpacing = 0.5;
    double FWrapRowSpacingMin = 0.25;
    double FWrapColSpacingMin = 2;
    int FWrapColDesiredCount = 1;
    int FWrapRowDesiredCount = 5;
    bool FWrapColAutoCountEnabled = false;
    bool FWrapRowAutoCountEnabled = true;
    int FWrapColAutoCountMax = 100;
    int FWrapRowAutoCountMax = 100;
    bool FWrapColSpacingAuto = true;
    bool FWrapRowSpacingAuto = false;
    bool FColumnTitlesVisible = false;
    double FChannelNameMaxWidth = 0;
    TgPlotLegendChannelNameColorStyle FChannelNameColorStyle = iplcncsFont;
    int FLineColumnWidth = 13;
    int FLineColumnHeight = 3;

    std::unique_ptr<TgPlotLegendButton> FUpButton, FDownButton;
    int FRequiredWidth = 0, FRequiredHeight = 0;
    TRect FInnerRect;
    std::vector<std::unique_ptr<TgPlotLegendItem>> FItemList;
    std::vector<int> FColumnList;
    int FItemWidth = 0;
    int FActualWrapColCount = 0, FActualWrapRowCount = 0;
    int FColumnSpacingPixels = 0, FRowSpacingPixels = 0, FWrapSpacingPixels = 0;
    int FColumnStartLine = 0, FColumnStartMarker = 0, FColumnStartChannel = 0, FColumnStartXName = 0,
        FColumnStartYName = 0, FColumnStartXValue = 0, FColumnStartYValue = 0, FColumnStartYMax = 0,
        FColumnStartYMin = 0, FColumnStartYMean = 0;
    int FMaxWidthLine = 0, FMaxWidthMarker = 0, FMaxWidthChannelLabel = 0, FMaxWidthXName = 0, FMaxWidthYName = 0,
        FMaxWidthXValue = 0, FMaxWidthYValue = 0, FMaxWidthYMax = 0, FMaxWidthYMin = 0, FMaxWidthYMean = 0;
    int FItemViewStartIndex = 0, FItemViewStopIndex = 0;
    int FItemHeight = 0, FMaxItemHeight = 0;
    int FColumnTitlesHeightPixels = 0, FColumnTitlesMarginPixels = 0;
    TRect FColumnTitlesRect, FItemsRect;
    bool FCursorAllChannels = false;
    bool FShowColumnXValue2 = false, FShowColumnYValue2 = false;
};
