// The Channels tab of the plot editor: the settings every channel has, the
// strip-chart settings (fill, bars, high-low figures, digital trace) that
// only strip-chart channels have, the channel's files and log, and its
// statistics, read on request.
#include "FloatFormat.h"
#include "Label.h"
#include "PageControl.h"
#include "gComponentEditorButton.h"
#include "gComponentEditorEdit.h"
#include "gComponentEditorListBox.h"
#include "gComponentEditorOpenPicker.h"
#include "gComponentEditorSavePicker.h"
#include "gPlotChannel.h"
#include "gPlotComponent.h"
#include "gPlotEditorFilters.h"
#include "gPlotEditorForm.h"
#include "gPlotEditorTabs.h"
#include "gPlotMasterManager.h"
#include "gPlotTranslationManager.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gXYPlotChannel.h"

namespace {

// The channel tab's own spelling of the last entry (the other tabs use
// PenStyleItems, with "Inside Frame").
const QStringList kPenStyles{"Solid", "Dash", "Dot", "DashDot", "DashDotDot", "Clear", "InsideFrame"};

// The sub-tabs, in their order.
const QString General = "ChannelGeneralTabSheet", Trace = "ChannelTraceTabSheet", Marker = "ChannelMarkerTabSheet",
              Bar = "ChannelBarTabSheet", HighLow = "ChannelHighLowTabSheet", Fill = "ChannelFillTabSheet",
              Digital = "ChannelDigitalTabSheet", Files = "ChannelFileTabSheet", Stats = "ChannelStatsTabSheet";
const QString OpenClose = "ChannelHighLowOpenCloseTabSheet", Candlestick = "ChannelHighLowCandlestickTabSheet";

// The parts that only strip-chart channels use.
const char *const kStripChartSheets[] = {"ChannelFillTabSheet", "ChannelDigitalTabSheet", "ChannelHighLowTabSheet",
                                         "ChannelBarTabSheet"};
const char *const kStripChartControls[] = {"ChannelFastDrawCheckBox", "ChannelInterpolationStyleComboBox",
                                           "ChannelInterpolationStyleLabel"};

// The statistics: caption and display, the counts first, then X and Y.
struct StatsRow {
    const char *Caption;
    const char *Display;
};
const StatsRow kStats[] = {
    {"Point Count", "ChannelStatsPointCountDisplay"},
    {"Point Capacity", "ChannelStatsPointCapacityDisplay"},
    {"Memory Used", "ChannelStatsMemoryDisplay"},
    {"Data Point Size", "ChannelStatsDataPointSizeDisplay"},
    {"Max Data Points", "ChannelStatsMaxDataPointsDisplay"},
    {"X-Min", "ChannelStatsXMinDisplay"},
    {"X-Max", "ChannelStatsXMaxDisplay"},
    {"X-Mean", "ChannelStatsXMeanDisplay"},
    {"Y-Min", "ChannelStatsYMinDisplay"},
    {"Y-Max", "ChannelStatsYMaxDisplay"},
    {"Y-Mean", "ChannelStatsYMeanDisplay"},
};
constexpr int kCountRows = 5;

bool IsStripChart(TObject *Object)
{
    return dynamic_cast<TgPlotChannel *>(Object) != nullptr;
}

TgEditorRow StripChart(TgEditorRow Row)
{
    return Row.Only(IsStripChart);
}

TgPlotChannelCustom *SelectedChannel(const TgPlotEditorForm &Form)
{
    return dynamic_cast<TgPlotChannelCustom *>(Form.SelectedObject(iekChannel));
}

template <class T>
T *Control(const TgPlotEditorForm &Form, const char *Name)
{
    return static_cast<T *>(Form.FindComponent(QString::fromLatin1(Name)));
}

void SetDisplay(const TgPlotEditorForm &Form, const char *Name, const QString &Text)
{
    Control<TLabel>(Form, Name)->SetCaption(Text);
}

// Every display shows "Click Refresh" while a channel is selected, nothing
// otherwise.
void ClearChannelStats(TgPlotEditorForm &Form)
{
    QString text;
    if (SelectedChannel(Form)) {
        text = QStringLiteral("Click Refresh");
        if (TgPlotTranslationManager *translation = Form.Master()->TranslationManager())
            text = translation->FindReplacement(text);
    }
    for (const StatsRow &s : kStats)
        SetDisplay(Form, s.Display, text);
}

void RefreshChannelStats(TgPlotEditorForm &Form)
{
    TgPlotChannelCustom *channel = SelectedChannel(Form);
    if (!channel) {
        ClearChannelStats(Form);
        return;
    }
    SetDisplay(Form, "ChannelStatsPointCountDisplay", QString::number(channel->Count()));
    SetDisplay(Form, "ChannelStatsPointCapacityDisplay", QString::number(channel->Capacity()));
    SetDisplay(Form, "ChannelStatsMemoryDisplay", QString::number(channel->MemoryUsed()) + " Bytes");
    SetDisplay(Form, "ChannelStatsDataPointSizeDisplay", QString::number(channel->DataPointSize()) + " Bytes");
    SetDisplay(Form, "ChannelStatsMaxDataPointsDisplay", QString::number(channel->MaxDataPoints()));
    channel->ReCalcRunningMinMaxMean();
    // Read as the axis labels read (dates included); plain numbers without
    // the axis.
    const auto text = [](TgPlotAxis *Axis, double Value) {
        return Axis ? Axis->GetLabelText(Value) : FloatToStr(Value);
    };
    TgPlotAxis *x = channel->XAxis();
    TgPlotAxis *y = channel->YAxis();
    SetDisplay(Form, "ChannelStatsXMinDisplay", text(x, channel->RunningXMin()));
    SetDisplay(Form, "ChannelStatsXMaxDisplay", text(x, channel->RunningXMax()));
    SetDisplay(Form, "ChannelStatsXMeanDisplay", text(x, channel->RunningXMean()));
    SetDisplay(Form, "ChannelStatsYMinDisplay", text(y, channel->RunningYMin()));
    SetDisplay(Form, "ChannelStatsYMaxDisplay", text(y, channel->RunningYMax()));
    SetDisplay(Form, "ChannelStatsYMeanDisplay", text(y, channel->RunningYMean()));
}

// The strip-chart parts show only on a plot of strip-chart channels; a
// hidden sub-tab does not stay the one shown. The Add and Remove buttons
// show while the plot lets the user add and remove channels.
void ShowPlotsParts(TgPlotEditorForm &Form, TObject *)
{
    const bool stripChart = Form.Master()->ChannelClass() != &CreateChannelOf<TgXYPlotChannel>;
    auto *pages = Control<TPageControl>(Form, "ChannelPageControl");
    for (const char *name : kStripChartSheets) {
        TTabSheet *sheet = Control<TTabSheet>(Form, name);
        sheet->SetTabVisible(stripChart);
        if (!stripChart && pages->ActivePage() == sheet)
            pages->SetActivePageIndex(0);
    }
    for (const char *name : kStripChartControls)
        Control<TControl>(Form, name)->SetVisible(stripChart);
    if (TgPlotComponent *plot = Form.PlotComponent())
        Form.SetChannelButtonsVisible(plot->UserCanAddRemoveChannels());
}

// While the channel logs, its log file stays as it is.
void ShowLogState(TgPlotEditorForm &Form, TObject *Object)
{
    Form.ShowLogState(QStringLiteral("Channel"), static_cast<TgPlotChannelCustom *>(Object)->LoggingActive());
}

QString OpenedFile(const TgPlotEditorForm &Form, const char *Picker)
{
    return Control<TgComponentEditorOpenPicker>(Form, Picker)->FileName;
}

QString SavedFile(const TgPlotEditorForm &Form, const char *Picker)
{
    return Control<TgComponentEditorSavePicker>(Form, Picker)->FileName;
}

// The buttons and pickers beside the table.
void WireChannelCommands(TgPlotEditorForm &Form)
{
    TgPlotEditorForm *form = &Form;
    const auto onChannel = [form](std::function<void(TgPlotChannelCustom *)> Act) {
        return [form, Act](TObject *) {
            if (TgPlotChannelCustom *channel = SelectedChannel(*form))
                Act(channel);
        };
    };
    Control<TgComponentEditorSavePicker>(Form, "ChannelLogFileNamePicker")->OnChange = [form](TObject *) {
        Control<TgComponentEditorEdit>(*form, "ChannelLogFileNameEdit")
            ->SetAsString(SavedFile(*form, "ChannelLogFileNamePicker"));
        form->ChannelChange(nullptr);
    };
    Control<TButton>(Form, "ChannelLogActivateButton")->OnClick = onChannel([form](TgPlotChannelCustom *c) {
        c->LogActivate(false);
        form->UpdateChannelEdit();
    });
    Control<TButton>(Form, "ChannelLogDeactivateButton")->OnClick = onChannel([form](TgPlotChannelCustom *c) {
        c->LogDeactivate();
        form->UpdateChannelEdit();
    });
    // The tab shows what the file set: a later change of any control then
    // writes the loaded settings back, not the ones from before.
    Control<TgComponentEditorOpenPicker>(Form, "ChannelPropertiesOpenPicker")->OnChange =
        onChannel([form](TgPlotChannelCustom *c) {
            c->LoadPropertiesFromFile(OpenedFile(*form, "ChannelPropertiesOpenPicker"));
            form->UpdateChannelEdit();
        });
    Control<TgComponentEditorSavePicker>(Form, "ChannelPropertiesSavePicker")->OnChange =
        onChannel([form](TgPlotChannelCustom *c) {
            c->SavePropertiesToFile(SavedFile(*form, "ChannelPropertiesSavePicker"));
        });
    // The file is read and checked whole before the points it replaces go.
    Control<TgComponentEditorOpenPicker>(Form, "ChannelDataOpenPicker")->OnChange =
        onChannel([form](TgPlotChannelCustom *c) {
            c->LoadDataFromFile(OpenedFile(*form, "ChannelDataOpenPicker"), true);
        });
    Control<TgComponentEditorSavePicker>(Form, "ChannelDataSavePicker")->OnChange =
        onChannel([form](TgPlotChannelCustom *c) { c->SaveDataToFile(SavedFile(*form, "ChannelDataSavePicker")); });
    Control<TButton>(Form, "ChannelStatsRefreshButton")->OnClick = [form](TObject *) { RefreshChannelStats(*form); };
}

std::vector<TgEditorRow> StatsRows()
{
    std::vector<TgEditorRow> rows;
    for (int i = 0; i < int(std::size(kStats)); ++i) {
        const bool counts = i < kCountRows;
        const int x = counts ? 8 : 300, y = 10 + 22 * (counts ? i : i - kCountRows);
        rows.push_back(LabelRow(QString(), kStats[i].Caption).In(Stats, x, y, 0, 0));
        rows.push_back(LabelRow(QString(), "=").In(Stats, x + (counts ? 104 : 56), y, 0, 0));
        rows.push_back(LabelRow(kStats[i].Display, "Click Refresh").In(Stats, x + (counts ? 118 : 70), y, 0, 0));
    }
    rows.push_back(ButtonRow("ChannelStatsRefreshButton", "Refresh").In(Stats, 8, 10 + 22 * kCountRows + 10, 0, 0));
    return rows;
}

} // namespace

TgEditorTabBody ChannelTabBody()
{
    TgEditorTabBody body;
    const QString markerPen = "gChannelMarkersPenGroupBox", markerBrush = "gChannelMarkersBrushGroupBox",
                  barPen = "gChannelBarPenGroupBox", barBrush = "gChannelBarBrushGroupBox",
                  hlBar = "gChannelHighLowBarGroupBox", hlOpen = "gChannelHighLowOpenGroupBox",
                  hlClose = "gChannelHighLowCloseGroupBox", log = "gChannelLogGroupBox",
                  properties = "gChannelPropertiesGroupBox", data = "gChannelDataGroupBox";
    body.Frames = {
        PageControlFrame("ChannelPageControl", "ChannelsTabSheet"),
        SheetFrame(General, "General", "ChannelPageControl"),
        SheetFrame(Trace, "Trace", "ChannelPageControl"),
        SheetFrame(Marker, "Marker", "ChannelPageControl"),
        SheetFrame(Bar, "Bar", "ChannelPageControl"),
        SheetFrame(HighLow, "High/Low", "ChannelPageControl"),
        SheetFrame(Fill, "Fill", "ChannelPageControl"),
        SheetFrame(Digital, "Digital", "ChannelPageControl"),
        SheetFrame(Files, "File I/O", "ChannelPageControl"),
        SheetFrame(Stats, "Stats", "ChannelPageControl"),
        PageControlFrame("gComponentEditorPageControl1", HighLow, 8, 36, 596, 190),
        SheetFrame(OpenClose, "Open/Close", "gComponentEditorPageControl1"),
        SheetFrame(Candlestick, "Candlestick", "gComponentEditorPageControl1"),
        GroupFrame(markerPen, "Pen", Marker, 236, 4, 180, 132),
        GroupFrame(markerBrush, "Brush", Marker, 424, 4, 180, 104),
        GroupFrame(barPen, "Pen", Bar, 236, 4, 180, 132),
        GroupFrame(barBrush, "Brush", Bar, 424, 4, 180, 104),
        GroupFrame(hlBar, "Bar", OpenClose, 8, 4, 180, 80),
        GroupFrame(hlOpen, "Open", OpenClose, 196, 4, 184, 130),
        GroupFrame(hlClose, "Close", OpenClose, 388, 4, 184, 130),
        GroupFrame(properties, "Properties", Files, 8, 2, 180, 56),
        GroupFrame(data, "Data", Files, 8, 62, 180, 56),
        GroupFrame(log, "Log", Files, 200, 2, 330, 116),
    };
    body.Rows = {
        // Every channel, in the order they are written.
        EditRow("ChannelNameEdit", "Name", "Name", ievkText).In(General, 8, 8, 100, 130),
        CheckRow("ChannelVisibleCheckBox", "Visible", "Visible").In(General, 8, 170, 0, 0),
        CheckRow("ChannelPopupEnabledCheckBox", "Popup Enabled", "PopupEnabled").In(General, 8, 192, 0, 0),
        EditRow("ChannelLayerEdit", "Layer", "Layer", ievkInteger)
            .In(General, 8, 60, 100, 50)
            .WithUpDown("gUpDown2", 0, 0),
        EditRow("ChannelTitleEdit", "Title", "TitleText", ievkText).In(General, 8, 34, 100, 130),
        CheckRow("ChannelVisibleInLegendCheckBox", "Visible in Legend", "VisibleInLegend").In(General, 8, 214, 0, 0),
        CheckRow("ChannelUserCanMoveDataPointsCheckBox", "User Can Move Data Points", "UserCanMoveDataPoints")
            .In(General, 262, 110, 0, 0),
        ComboIndexRow("ChannelUserCanMoveDataPointsStyleComboBox", "Style", "UserCanMoveDataPointsStyle",
                      {"X and Y", "X Only", "Y Only"})
            .In(General, 262, 134, 100, 100),
        EditRow("ChannelRingBufferSizeEdit", "Ring Buffer Size", "RingBufferSize", ievkInteger)
            .In(General, 8, 86, 100, 70),
        ColorRow("ChannelColorPicker", "Color", "Color").In(General, 8, 112, 100, 0),
        ComboTextRow("ChannelXAxisNameComboBox", "X-Axis Name", "XAxisName", ienlXAxis).In(General, 262, 8, 100, 130),
        ComboTextRow("ChannelYAxisNameComboBox", "Y-Axis Name", "YAxisName", ienlYAxis).In(General, 262, 34, 100, 130),
        CheckRow("ChannelXAxisTrackingEnabled", "X-Axis Tracking Enabled", "XAxisTrackingEnabled")
            .In(General, 262, 62, 0, 0),
        CheckRow("ChannelYAxisTrackingEnabled", "Y-Axis Tracking Enabled", "YAxisTrackingEnabled")
            .In(General, 262, 84, 0, 0),
        ComboIndexRow("ChannelDataStyleComboBox", "Data Style", "DataStyle",
                      {"Standard", "Compact", "Compact Interval", "Full Feature"})
            .In(General, 8, 140, 100, 130),
        CheckRow("ChannelTraceVisibleCheckBox", "Visible", "TraceVisible").In(Trace, 8, 8, 0, 0),
        ComboIndexRow("ChannelTraceLineStyleComboBox", "Line Style", "TraceLineStyle",
                      {"Solid", "Dash", "Dot", "DashDot", "DashDotDot"})
            .In(Trace, 8, 34, 110, 130),
        EditRow("ChannelTraceLineWidthEdit", "Line Width", "TraceLineWidth", ievkInteger)
            .In(Trace, 8, 62, 110, 50)
            .WithUpDown("ChannelTraceLineWidthUpDown", 0, 100),
        CheckRow("ChannelMarkersVisible", "Visible", "MarkersVisible").In(Marker, 8, 8, 0, 0),
        CheckRow("ChannelMarkersAllowIndividual", "Allow Individual", "MarkersAllowIndividual").In(Marker, 8, 30, 0, 0),
        EditRow("ChannelMarkersSizeEdit", "Size", "MarkersSize", ievkInteger)
            .In(Marker, 8, 56, 90, 50)
            .WithUpDown("ChannelMarkersSizeUpDown", 0, 100),
        ComboIndexRow("ChannelMarkersStyleComboBox", "Style", "MarkersStyle",
                      {"Circle", "Square", "Diamond", "Cross", "Plus", "Triangle Up", "Triangle Down",
                       "Triangle Left", "Triangle Right", "Vertical Line", "Horizontal Line", "Character"})
            .In(Marker, 8, 84, 90, 120),
        ColorRow("ChannelMarkersPenColorPicker", "Color", "MarkersPenColor").In(markerPen, 10, 18, 50, 0),
        CheckRow("ChannelMarkersPenUseChannelColorCheckBox", "Use Channel Color", "MarkersPenUseChannelColor")
            .In(markerPen, 10, 46, 0, 0),
        ComboIndexRow("ChannelMarkersPenStyleComboBox", "Style", "MarkersPenStyle", kPenStyles)
            .In(markerPen, 10, 72, 50, 115),
        EditRow("ChannelMarkersPenWidthEdit", "Width", "MarkersPenWidth", ievkInteger)
            .In(markerPen, 10, 100, 50, 45)
            .WithUpDown("ChannelMarkersPenWidthUpDown", 0, 100),
        ColorRow("ChannelMarkersBrushColorPicker", "Color", "MarkersBrushColor").In(markerBrush, 10, 18, 50, 0),
        CheckRow("ChannelMarkersBrushUseChannelColorCheckBox", "Use Channel Color", "MarkersBrushUseChannelColor")
            .In(markerBrush, 10, 46, 0, 0),
        ComboIndexRow("ChannelMarkersBrushStyleComboBox", "Style", "MarkersBrushStyle", BrushStyleItems())
            .In(markerBrush, 10, 72, 50, 115),
        EditRow("ChannelMarkersTurnOffLimitEdit", "Turn Off Limit", "MarkersTurnOffLimit", ievkInteger)
            .In(Marker, 8, 112, 90, 60)
            .WithUpDown("ChannelMarkersTurnOffLimitUpDown", 0, 20000, 100),
        EditRow("ChannelLogFileNameEdit", "File Name", "LogFileName", ievkText).In(log, 10, 20, 80, 210),
        EditRow("ChannelLogBufferSizeEdit", "Buffer Size", "LogBufferSize", ievkInteger)
            .In(log, 10, 48, 80, 60)
            .WithUpDown("ChannelLogBufferSizeUpDown", 0, 32767),
        FontRow("ChannelMarkersFontPicker", "Font", "MarkersFont").In(Marker, 98, 140, 0, 0),

        // Strip-chart channels only, in the order they are written.
        StripChart(CheckRow("ChannelFillEnabledCheckBox", "Enabled", "FillEnabled").In(Fill, 8, 8, 0, 0)),
        StripChart(EditRow("ChannelFillReferenceEdit", "Reference", "FillReference", ievkFloat)
                       .In(Fill, 8, 34, 80, 80)),
        StripChart(ComboIndexRow("ChannelFillStyleComboBox", "Style", "FillStyle", BrushStyleItems())
                       .In(Fill, 8, 62, 80, 115)),
        StripChart(ColorRow("ChannelFillColorPicker", "Color", "FillColor").In(Fill, 8, 90, 80, 0)),
        StripChart(CheckRow("ChannelFillUseChannelColorCheckBox", "Use Channel Color", "FillUseChannelColor")
                       .In(Fill, 8, 118, 0, 0)),
        StripChart(CheckRow("ChannelBarEnabledCheckBox", "Enabled", "BarEnabled").In(Bar, 8, 8, 0, 0)),
        StripChart(EditRow("ChannelBarWidthEdit", "Width", "BarWidth", ievkFloat)
                       .In(Bar, 8, 34, 70, 80)
                       .WithPicker("gComponentEditorValueConverterPicker1", ivcptInterval)),
        StripChart(EditRow("ChannelBarReferenceEdit", "Reference", "BarReference", ievkFloat)
                       .In(Bar, 8, 62, 70, 80)),
        StripChart(CheckRow("ChannelBarPenUseChannelColorCheckBox", "Use Channel Color", "BarPenUseChannelColor")
                       .In(barPen, 10, 18, 0, 0)),
        StripChart(ComboIndexRow("ChannelBarPenStyleComboBox", "Style", "BarPenStyle", kPenStyles)
                       .In(barPen, 10, 44, 50, 115)),
        StripChart(ColorRow("ChannelBarPenColorPicker", "Color", "BarPenColor").In(barPen, 10, 72, 50, 0)),
        StripChart(EditRow("ChannelBarPenWidthEdit", "Width", "BarPenWidth", ievkInteger)
                       .In(barPen, 10, 100, 50, 45)
                       .WithUpDown("ChannelBarPenWidthUpDown", 0, 100)),
        StripChart(CheckRow("ChannelBarBrushUseChannelColorCheckBox", "Use Channel Color", "BarBrushUseChannelColor")
                       .In(barBrush, 10, 18, 0, 0)),
        StripChart(ComboIndexRow("ChannelBarBrushStyleComboBox", "Style", "BarBrushStyle", BrushStyleItems())
                       .In(barBrush, 10, 44, 50, 115)),
        StripChart(ColorRow("ChannelBarBrushColorPicker", "Color", "BarBrushColor").In(barBrush, 10, 72, 50, 0)),
        StripChart(ComboIndexRow("ChannelHighLowStyleComboBox", "Style", "HighLowStyle", {"Open/Close", "Candlestick"})
                       .In(HighLow, 8, 8, 50, 120)),
        StripChart(CheckRow("ChannelHighLowEnabledCheckBox", "Enabled", "HighLowEnabled").In(HighLow, 200, 8, 0, 0)),
        StripChart(ColorRow("ChannelHighLowBarColorPicker", "Color", "HighLowBarColor").In(hlBar, 10, 18, 50, 0)),
        StripChart(EditRow("ChannelHighLowBarWidthEdit", "Width", "HighLowBarWidth", ievkFloat)
                       .In(hlBar, 10, 46, 50, 70)
                       .WithPicker("ChannelHighLowBarWidthPicker", ivcptInterval)),
        StripChart(CheckRow("ChannelHighLowOpenShowCheckBox", "Show", "HighLowOpenShow").In(hlOpen, 10, 18, 0, 0)),
        StripChart(ColorRow("ChannelHighLowOpenColorPicker", "Color", "HighLowOpenColor").In(hlOpen, 10, 44, 50, 0)),
        StripChart(EditRow("ChannelHighLowOpenWidthEdit", "Width", "HighLowOpenWidth", ievkFloat)
                       .In(hlOpen, 10, 72, 50, 70)
                       .WithPicker("ChannelHighLowOpenWidthPicker", ivcptInterval)),
        StripChart(EditRow("ChannelHighLowOpenHeightEdit", "Height", "HighLowOpenHeight", ievkFloat)
                       .In(hlOpen, 10, 100, 50, 70)
                       .WithPicker("ChannelHighLowOpenHeightPicker", ivcptInterval)),
        StripChart(CheckRow("ChannelHighLowCloseShowCheckBox", "Show", "HighLowCloseShow").In(hlClose, 10, 18, 0, 0)),
        StripChart(
            ColorRow("ChannelHighLowCloseColorPicker", "Color", "HighLowCloseColor").In(hlClose, 10, 44, 50, 0)),
        StripChart(EditRow("ChannelHighLowCloseWidthEdit", "Width", "HighLowCloseWidth", ievkFloat)
                       .In(hlClose, 10, 72, 50, 70)
                       .WithPicker("ChannelHighLowCloseWidthPicker", ivcptInterval)),
        StripChart(EditRow("ChannelHighLowCloseHeightEdit", "Height", "HighLowCloseHeight", ievkFloat)
                       .In(hlClose, 10, 100, 50, 70)
                       .WithPicker("ChannelHighLowCloseHeightPicker", ivcptInterval)),
        StripChart(ColorRow("ChannelHighLowShadowColorPicker", "Shadow Color", "HighLowShadowColor")
                       .In(Candlestick, 8, 8, 90, 0)),
        StripChart(ColorRow("ChannelHighLowBullishColorPicker", "Bullish Color", "HighLowBullishColor")
                       .In(Candlestick, 8, 36, 90, 0)),
        StripChart(ColorRow("ChannelHighLowBearishColorPicker", "Bearish Color", "HighLowBearishColor")
                       .In(Candlestick, 8, 64, 90, 0)),
        StripChart(CheckRow("ChannelDigitalEnabledCheckBox", "Enabled", "DigitalEnabled").In(Digital, 8, 8, 0, 0)),
        StripChart(EditRow("ChannelDigitalReferenceHighEdit", "Reference High", "DigitalReferenceHigh", ievkFloat)
                       .In(Digital, 8, 34, 110, 80)),
        StripChart(EditRow("ChannelDigitalReferenceLowEdit", "Reference Low", "DigitalReferenceLow", ievkFloat)
                       .In(Digital, 8, 62, 110, 80)),
        StripChart(ComboIndexRow("ChannelDigitalReferenceStyleComboBox", "Reference Style", "DigitalReferenceStyle",
                                 {"Scale", "Percent"})
                       .In(Digital, 8, 90, 110, 100)),
        StripChart(CheckRow("ChannelFastDrawCheckBox", "Fast Draw", "FastDrawEnabled").In(General, 262, 170, 0, 0)),
        // Every channel has this setting: the check box follows XY channels
        // too.
        CheckRow("ChannelClipToAxesCheckBox", "Clip To Axes", "ClipToAxes").In(General, 262, 192, 0, 0),
        StripChart(ComboIndexRow("ChannelInterpolationStyleComboBox", "Interpolation Style", "InterpolationStyle",
                                 {"Straight Line", "Cubic Spline", "Polynomial", "Rational", "Differential",
                                  "Differential Terminated"})
                       .In(Trace, 8, 90, 110, 160)
                       .Named("ChannelInterpolationStyleLabel")),

        // The file and log commands, placed only.
        SavePickerRow("ChannelLogFileNamePicker", "...").In(log, 302, 20, 0, 21, 21).File(kEditorLogFilter, "log"),
        ButtonRow("ChannelLogActivateButton", "Activate").In(log, 90, 80, 0, 0),
        ButtonRow("ChannelLogDeactivateButton", "Deactivate").In(log, 175, 80, 0, 0),
        OpenPickerRow("ChannelPropertiesOpenPicker", "Load")
            .In(properties, 10, 20, 0, 0)
            .File(kEditorConfigFilter, "cfg"),
        SavePickerRow("ChannelPropertiesSavePicker", "Save")
            .In(properties, 94, 20, 0, 0)
            .File(kEditorConfigFilter, "cfg"),
        OpenPickerRow("ChannelDataOpenPicker", "Load").In(data, 10, 20, 0, 0).File(kEditorDataFilter, "dat"),
        SavePickerRow("ChannelDataSavePicker", "Save").In(data, 94, 20, 0, 0).File(kEditorDataFilter, "dat"),
    };
    for (TgEditorRow &r : StatsRows())
        body.Rows.push_back(std::move(r));

    body.Wire = WireChannelCommands;
    body.Refreshing = ShowPlotsParts;
    body.AfterFill = ShowLogState;
    body.AfterApply = [](TgPlotEditorForm &Form, TObject *Object) {
        Control<TgComponentEditorSavePicker>(Form, "ChannelLogFileNamePicker")->FileName =
            static_cast<TgPlotChannelCustom *>(Object)->LogFileName();
    };
    body.ListChanged = ClearChannelStats;
    return body;
}
