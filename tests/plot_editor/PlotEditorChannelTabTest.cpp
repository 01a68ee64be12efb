// The editor's Channels tab as its user meets it: every control set with
// the mouse and keys reaching the selected channel and showing it again,
// the strip-chart settings on a strip chart and out of sight on an XY plot,
// the axis names kept when the combo cannot show them, the channel's log,
// files and statistics, and Add and Remove offered only when the plot
// allows them.
#include "FloatFormat.h"
#include "Label.h"
#include "PlotEditorFixture.h"
#include "gComponentEditorButton.h"
#include "gComponentEditorOpenPicker.h"
#include "gComponentEditorSavePicker.h"
#include "gPlot.h"
#include "gPlotChannel.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <vector>

namespace {

// One control: what the user enters there and where that lands in the
// channel; then a value set into the channel and shown when the editor
// opens again.
template <class C>
struct ChannelRow {
    const char *control;
    QVariant entered;
    QVariant stored;
    std::function<QVariant(C *)> read;
    std::function<void(C *, const QVariant &)> write;
};

#define TQ62_ROW(C, Control, Entered, Stored, Get, Set)                                                            \
    ChannelRow<C>                                                                                                  \
    {                                                                                                              \
        Control, Entered, Stored, [](C *c) { return QVariant::fromValue(c->Get); },                              \
            [](C *c, const QVariant &v) { c->Set; }                                                               \
    }

// The place of an axis name in the axis-name combos: "<None>" first, then
// the axes "X-Axis 1", "X-Axis 2", ... (or Y); -1 for no name.
int AxisEntry(const QString &Name)
{
    return Name.isEmpty() ? -1 : Name == "<None>" ? 0 : Name.section(' ', -1).toInt();
}
QString AxisAt(const char *Kind, int Entry)
{
    return Entry == 0 ? QStringLiteral("<None>") : QStringLiteral("%1-Axis %2").arg(Kind).arg(Entry);
}

using Custom = TgPlotChannelCustom;
const std::vector<ChannelRow<Custom>> kChannelRows = {
    TQ62_ROW(Custom, "ChannelNameEdit", "Flow", "Level", Name(), SetName(v.toString())),
    TQ62_ROW(Custom, "ChannelVisibleCheckBox", false, true, Visible(), SetVisible(v.toBool())),
    TQ62_ROW(Custom, "ChannelPopupEnabledCheckBox", false, true, PopupEnabled(), SetPopupEnabled(v.toBool())),
    TQ62_ROW(Custom, "ChannelLayerEdit", 7, 12, Layer(), SetLayer(v.toInt())),
    TQ62_ROW(Custom, "ChannelTitleEdit", "Flow rate", "Tank level", TitleText(), SetTitleText(v.toString())),
    TQ62_ROW(Custom, "ChannelVisibleInLegendCheckBox", false, true, VisibleInLegend(),
             SetVisibleInLegend(v.toBool())),
    TQ62_ROW(Custom, "ChannelUserCanMoveDataPointsCheckBox", true, false, UserCanMoveDataPoints(),
             SetUserCanMoveDataPoints(v.toBool())),
    TQ62_ROW(Custom, "ChannelUserCanMoveDataPointsStyleComboBox", 2, 1, UserCanMoveDataPointsStyle(),
             SetUserCanMoveDataPointsStyle(TgPlotChannelDataPointMoveStyle(v.toInt()))),
    TQ62_ROW(Custom, "ChannelRingBufferSizeEdit", 50, 20, RingBufferSize(), SetRingBufferSize(v.toInt())),
    TQ62_ROW(Custom, "ChannelColorPicker", clBlue, clGreen, Color(), SetColor(TColor(v.toInt()))),
    {"ChannelXAxisNameComboBox", 2, 1, [](Custom *c) { return QVariant(AxisEntry(c->XAxisName())); },
     [](Custom *c, const QVariant &v) { c->SetXAxisName(AxisAt("X", v.toInt())); }},
    {"ChannelYAxisNameComboBox", 2, 1, [](Custom *c) { return QVariant(AxisEntry(c->YAxisName())); },
     [](Custom *c, const QVariant &v) { c->SetYAxisName(AxisAt("Y", v.toInt())); }},
    TQ62_ROW(Custom, "ChannelXAxisTrackingEnabled", false, true, XAxisTrackingEnabled(),
             SetXAxisTrackingEnabled(v.toBool())),
    TQ62_ROW(Custom, "ChannelYAxisTrackingEnabled", false, true, YAxisTrackingEnabled(),
             SetYAxisTrackingEnabled(v.toBool())),
    TQ62_ROW(Custom, "ChannelDataStyleComboBox", 3, 1, DataStyle(), SetDataStyle(TgPlotDataStyle(v.toInt()))),
    TQ62_ROW(Custom, "ChannelTraceVisibleCheckBox", false, true, TraceVisible(), SetTraceVisible(v.toBool())),
    TQ62_ROW(Custom, "ChannelTraceLineStyleComboBox", 2, 4, TraceLineStyle(),
             SetTraceLineStyle(TgPlotLineStyle(v.toInt()))),
    TQ62_ROW(Custom, "ChannelTraceLineWidthEdit", 3, 5, TraceLineWidth(), SetTraceLineWidth(v.toInt())),
    TQ62_ROW(Custom, "ChannelMarkersVisible", true, false, MarkersVisible(), SetMarkersVisible(v.toBool())),
    TQ62_ROW(Custom, "ChannelMarkersAllowIndividual", true, false, MarkersAllowIndividual(),
             SetMarkersAllowIndividual(v.toBool())),
    TQ62_ROW(Custom, "ChannelMarkersSizeEdit", 6, 8, MarkersSize(), SetMarkersSize(v.toInt())),
    TQ62_ROW(Custom, "ChannelMarkersStyleComboBox", 11, 4, MarkersStyle(),
             SetMarkersStyle(TgPlotMarkerStyle(v.toInt()))),
    TQ62_ROW(Custom, "ChannelMarkersPenColorPicker", clLime, clNavy, MarkersPenColor(),
             SetMarkersPenColor(TColor(v.toInt()))),
    TQ62_ROW(Custom, "ChannelMarkersPenUseChannelColorCheckBox", false, true, MarkersPenUseChannelColor(),
             SetMarkersPenUseChannelColor(v.toBool())),
    TQ62_ROW(Custom, "ChannelMarkersPenStyleComboBox", 6, 2, MarkersPenStyle(),
             SetMarkersPenStyle(TPenStyle(v.toInt()))),
    TQ62_ROW(Custom, "ChannelMarkersPenWidthEdit", 3, 2, MarkersPenWidth(), SetMarkersPenWidth(v.toInt())),
    TQ62_ROW(Custom, "ChannelMarkersBrushColorPicker", clAqua, clMaroon, MarkersBrushColor(),
             SetMarkersBrushColor(TColor(v.toInt()))),
    TQ62_ROW(Custom, "ChannelMarkersBrushUseChannelColorCheckBox", false, true, MarkersBrushUseChannelColor(),
             SetMarkersBrushUseChannelColor(v.toBool())),
    TQ62_ROW(Custom, "ChannelMarkersBrushStyleComboBox", 7, 3, MarkersBrushStyle(),
             SetMarkersBrushStyle(TBrushStyle(v.toInt()))),
    TQ62_ROW(Custom, "ChannelMarkersTurnOffLimitEdit", 500, 1200, MarkersTurnOffLimit(),
             SetMarkersTurnOffLimit(v.toInt())),
    TQ62_ROW(Custom, "ChannelLogFileNameEdit", "run-a.log", "run-b.log", LogFileName(),
             SetLogFileName(v.toString())),
    TQ62_ROW(Custom, "ChannelLogBufferSizeEdit", 64, 128, LogBufferSize(), SetLogBufferSize(v.toInt())),
    TQ62_ROW(Custom, "ChannelMarkersFontPicker", 15, 11, MarkersFont()->Height() * -1,
             MarkersFont()->SetHeight(-v.toInt())),
    TQ62_ROW(Custom, "ChannelClipToAxesCheckBox", true, false, ClipToAxes(), SetClipToAxes(v.toBool())),
};

using Strip = TgPlotChannel;
const std::vector<ChannelRow<Strip>> kStripChartRows = {
    TQ62_ROW(Strip, "ChannelFillEnabledCheckBox", true, false, FillEnabled(), SetFillEnabled(v.toBool())),
    TQ62_ROW(Strip, "ChannelFillReferenceEdit", 2.5, -1.5, FillReference(), SetFillReference(v.toDouble())),
    TQ62_ROW(Strip, "ChannelFillStyleComboBox", 4, 6, FillStyle(), SetFillStyle(TBrushStyle(v.toInt()))),
    TQ62_ROW(Strip, "ChannelFillColorPicker", clTeal, clOlive, FillColor(), SetFillColor(TColor(v.toInt()))),
    TQ62_ROW(Strip, "ChannelFillUseChannelColorCheckBox", false, true, FillUseChannelColor(),
             SetFillUseChannelColor(v.toBool())),
    TQ62_ROW(Strip, "ChannelBarEnabledCheckBox", true, false, BarEnabled(), SetBarEnabled(v.toBool())),
    TQ62_ROW(Strip, "ChannelBarWidthEdit", 0.25, 0.75, BarWidth(), SetBarWidth(v.toDouble())),
    TQ62_ROW(Strip, "ChannelBarReferenceEdit", 1.5, 3, BarReference(), SetBarReference(v.toDouble())),
    TQ62_ROW(Strip, "ChannelBarPenUseChannelColorCheckBox", false, true, BarPenUseChannelColor(),
             SetBarPenUseChannelColor(v.toBool())),
    TQ62_ROW(Strip, "ChannelBarPenStyleComboBox", 2, 1, BarPenStyle(), SetBarPenStyle(TPenStyle(v.toInt()))),
    TQ62_ROW(Strip, "ChannelBarPenColorPicker", clPurple, clFuchsia, BarPenColor(), SetBarPenColor(TColor(v.toInt()))),
    TQ62_ROW(Strip, "ChannelBarPenWidthEdit", 4, 2, BarPenWidth(), SetBarPenWidth(v.toInt())),
    TQ62_ROW(Strip, "ChannelBarBrushUseChannelColorCheckBox", false, true, BarBrushUseChannelColor(),
             SetBarBrushUseChannelColor(v.toBool())),
    TQ62_ROW(Strip, "ChannelBarBrushStyleComboBox", 5, 7, BarBrushStyle(), SetBarBrushStyle(TBrushStyle(v.toInt()))),
    TQ62_ROW(Strip, "ChannelBarBrushColorPicker", clYellow, clSilver, BarBrushColor(),
             SetBarBrushColor(TColor(v.toInt()))),
    TQ62_ROW(Strip, "ChannelHighLowStyleComboBox", 1, 0, HighLowStyle(),
             SetHighLowStyle(TgPlotHighLowStyle(v.toInt()))),
    TQ62_ROW(Strip, "ChannelHighLowEnabledCheckBox", true, false, HighLowEnabled(), SetHighLowEnabled(v.toBool())),
    TQ62_ROW(Strip, "ChannelHighLowBarColorPicker", clRed, clGreen, HighLowBarColor(),
             SetHighLowBarColor(TColor(v.toInt()))),
    TQ62_ROW(Strip, "ChannelHighLowBarWidthEdit", 0.75, 0.25, HighLowBarWidth(), SetHighLowBarWidth(v.toDouble())),
    TQ62_ROW(Strip, "ChannelHighLowOpenShowCheckBox", false, true, HighLowOpenShow(), SetHighLowOpenShow(v.toBool())),
    TQ62_ROW(Strip, "ChannelHighLowOpenColorPicker", clNavy, clMaroon, HighLowOpenColor(),
             SetHighLowOpenColor(TColor(v.toInt()))),
    TQ62_ROW(Strip, "ChannelHighLowOpenWidthEdit", 2, 3, HighLowOpenWidth(), SetHighLowOpenWidth(v.toDouble())),
    TQ62_ROW(Strip, "ChannelHighLowOpenHeightEdit", 1.5, 2.5, HighLowOpenHeight(),
             SetHighLowOpenHeight(v.toDouble())),
    TQ62_ROW(Strip, "ChannelHighLowCloseShowCheckBox", false, true, HighLowCloseShow(),
             SetHighLowCloseShow(v.toBool())),
    TQ62_ROW(Strip, "ChannelHighLowCloseColorPicker", clBlue, clLime, HighLowCloseColor(),
             SetHighLowCloseColor(TColor(v.toInt()))),
    TQ62_ROW(Strip, "ChannelHighLowCloseWidthEdit", 4, 0.5, HighLowCloseWidth(), SetHighLowCloseWidth(v.toDouble())),
    TQ62_ROW(Strip, "ChannelHighLowCloseHeightEdit", 3.5, 4.5, HighLowCloseHeight(),
             SetHighLowCloseHeight(v.toDouble())),
    TQ62_ROW(Strip, "ChannelHighLowShadowColorPicker", clBlack, clSilver, HighLowShadowColor(),
             SetHighLowShadowColor(TColor(v.toInt()))),
    TQ62_ROW(Strip, "ChannelHighLowBullishColorPicker", clAqua, clTeal, HighLowBullishColor(),
             SetHighLowBullishColor(TColor(v.toInt()))),
    TQ62_ROW(Strip, "ChannelHighLowBearishColorPicker", clFuchsia, clPurple, HighLowBearishColor(),
             SetHighLowBearishColor(TColor(v.toInt()))),
    TQ62_ROW(Strip, "ChannelDigitalEnabledCheckBox", true, false, DigitalEnabled(), SetDigitalEnabled(v.toBool())),
    TQ62_ROW(Strip, "ChannelDigitalReferenceHighEdit", 80, 70, DigitalReferenceHigh(),
             SetDigitalReferenceHigh(v.toDouble())),
    TQ62_ROW(Strip, "ChannelDigitalReferenceLowEdit", 20, 30, DigitalReferenceLow(),
             SetDigitalReferenceLow(v.toDouble())),
    TQ62_ROW(Strip, "ChannelDigitalReferenceStyleComboBox", 1, 0, DigitalReferenceStyle(),
             SetDigitalReferenceStyle(TgPlotDigitalReferenceStyle(v.toInt()))),
    TQ62_ROW(Strip, "ChannelFastDrawCheckBox", false, true, FastDrawEnabled(), SetFastDrawEnabled(v.toBool())),
    TQ62_ROW(Strip, "ChannelClipToAxesCheckBox", true, false, ClipToAxes(), SetClipToAxes(v.toBool())),
    TQ62_ROW(Strip, "ChannelInterpolationStyleComboBox", 5, 2, InterpolationStyle(),
             SetInterpolationStyle(TgPlotInterpolationStyle(v.toInt()))),
};

#undef TQ62_ROW

// Each row entered through its control lands in Channel, and all of them
// are still there once the last is entered (no control writes another's
// value); the values written into Channel from code show when the editor
// opens again.
template <class Fixture, class C>
void CheckRows(Fixture &F, C *Channel, const std::vector<ChannelRow<C>> &Rows)
{
    for (const ChannelRow<C> &row : Rows) {
        SCOPED_TRACE(row.control);
        TComponent *c = F.editor->FindComponent(row.control);
        ASSERT_NE(c, nullptr);
        Fixture::Enter(c, row.entered);
        EXPECT_TRUE(Fixture::Same(row.read(Channel), row.entered)) << row.read(Channel).toString().toStdString();
    }
    for (const ChannelRow<C> &row : Rows)
        EXPECT_TRUE(Fixture::Same(row.read(Channel), row.entered)) << row.control << " changed by a later control";
    EXPECT_TRUE(F.reports.isEmpty()) << F.reports.join('\n').toStdString();

    for (const ChannelRow<C> &row : Rows)
        row.write(Channel, row.stored);
    F.plot->Master()->EditProperties();
    for (const ChannelRow<C> &row : Rows)
        EXPECT_TRUE(Fixture::Same(Fixture::Shown(F.editor->FindComponent(row.control)), row.stored)) << row.control;
}

// The captions of the sub-tabs the user can see.
QStringList ShownTabs(TPageControl *Pages)
{
    auto *bar = Pages->Widget()->findChild<QTabBar *>(QString(), Qt::FindDirectChildrenOnly);
    QStringList shown;
    for (int i = 0; bar && i < bar->count(); ++i)
        if (bar->isTabVisible(i))
            shown << bar->tabText(i);
    return shown;
}

struct PlotEditorChannels : TPlotEditorFixture<> {
    TLabel *Display(const char *Name) { return Get<TLabel>(QString::fromLatin1(Name)); }
    TgComponentEditorListBox *List() { return Get<TgComponentEditorListBox>("ChannelListBox"); }
    // The list entries as drawn, every channel given one colour first so
    // that the boxes show where the entries are.
    std::vector<QPoint> ChannelEntries()
    {
        for (int i = 0; i < plot->ChannelCount(); ++i)
            plot->GetChannel(i)->SetColor(clBlue);
        return Entries(List(), clBlue);
    }
};
struct PlotEditorStripChannels : TPlotEditorFixture<TgPlot> {};

TEST_F(PlotEditorChannels, EveryRowReachesTheChannelAndShowsItAgain)
{
    plot->AddXAxis();
    plot->AddYAxis();
    ASSERT_EQ(plot->GetXAxis(1)->Name(), "X-Axis 2");
    ASSERT_EQ(plot->GetYAxis(1)->Name(), "Y-Axis 2");
    Open();
    CheckRows<PlotEditorChannels, Custom>(*this, plot->GetChannel(0), kChannelRows);
}

TEST_F(PlotEditorStripChannels, StripChartRowsReachTheChannelAndShowItAgain)
{
    Open();
    EXPECT_EQ(ShownTabs(Get<TPageControl>("ChannelPageControl")),
              QStringList({"General", "Trace", "Marker", "Bar", "High/Low", "Fill", "Digital", "File I/O", "Stats"}));
    CheckRows(*this, plot->GetChannel(0), kStripChartRows);
    // The settings every channel has work on a strip chart too.
    Type(Get<TgComponentEditorEdit>("ChannelTitleEdit"), QStringLiteral("Pressure"));
    EXPECT_EQ(plot->GetChannel(0)->TitleText(), "Pressure");
    EXPECT_FALSE(plot->GetChannel(0)->FillEnabled());
}

// An XY plot's channels have no fill, bars, high-low figures, digital
// trace, fast drawing or interpolation: their controls are out of sight,
// and a sub-tab left open on a strip chart does not stay shown.
TEST_F(PlotEditorChannels, XYPlotHidesTheStripChartParts)
{
    Open();
    auto *pages = Get<TPageControl>("ChannelPageControl");
    EXPECT_EQ(ShownTabs(pages), QStringList({"General", "Trace", "Marker", "File I/O", "Stats"}));
    Reveal(Get<TgComponentEditorCheckBox>("ChannelClipToAxesCheckBox"));
    EXPECT_FALSE(Get<TControl>("ChannelFastDrawCheckBox")->Showing());
    Reveal(Get<TgComponentEditorComboBox>("ChannelTraceLineStyleComboBox"));
    EXPECT_FALSE(Get<TControl>("ChannelInterpolationStyleComboBox")->Showing());
    EXPECT_FALSE(Get<TControl>("ChannelInterpolationStyleLabel")->Showing());

    pages->SetActivePage(Get<TTabSheet>("ChannelFillTabSheet"));
    plot->Master()->EditProperties();
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// A channel whose axis names the combos cannot show keeps them when
// another control changes; the first entry names no axis.
TEST_F(PlotEditorChannels, AxisNamesNotInTheCombosAreKept)
{
    TgPlotChannelCustom *channel = plot->GetChannel(0);
    channel->SetXAxisName(QStringLiteral("Elsewhere"));
    channel->SetYAxisName(QStringLiteral("Nowhere"));
    Open();
    auto *x = Get<TgComponentEditorComboBox>("ChannelXAxisNameComboBox");
    auto *y = Get<TgComponentEditorComboBox>("ChannelYAxisNameComboBox");
    EXPECT_EQ(x->AsInteger(), -1);
    EXPECT_EQ(y->AsInteger(), -1);
    Type(Get<TgComponentEditorEdit>("ChannelTitleEdit"), QStringLiteral("Flow"));
    Click(Get<TgComponentEditorCheckBox>("ChannelMarkersVisible"));
    EXPECT_EQ(channel->TitleText(), "Flow");
    EXPECT_TRUE(channel->MarkersVisible());
    EXPECT_EQ(channel->XAxisName(), "Elsewhere");
    EXPECT_EQ(channel->YAxisName(), "Nowhere");

    Choose(y, 1);
    EXPECT_EQ(channel->YAxisName(), plot->GetYAxis(0)->Name());
    EXPECT_EQ(channel->XAxisName(), "Elsewhere");
    Choose(x, 0);
    EXPECT_EQ(channel->XAxisName(), "<None>");
    EXPECT_EQ(channel->XAxis(), nullptr);
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// The log of the selected channel: "..." puts the chosen file into the
// name and the channel; while the channel logs its file stays fixed and
// only Deactivate acts.
TEST_F(PlotEditorChannels, LogButtonsFollowTheChannelsLog)
{
    Open();
    TgPlotChannelCustom *channel = plot->GetChannel(0);
    QTemporaryDir dir;
    auto *name = Get<TgComponentEditorEdit>("ChannelLogFileNameEdit");
    auto *choose = Get<TgComponentEditorSavePicker>("ChannelLogFileNamePicker");
    auto *activate = Get<TgComponentEditorButton>("ChannelLogActivateButton");
    auto *deactivate = Get<TgComponentEditorButton>("ChannelLogDeactivateButton");
    ExpectLogControls(activate, deactivate, name, choose, false);

    // A name typed into the edit is where the next question starts.
    Type(name, dir.filePath("typed.log"));
    QString proposed;
    TFileDialog::Runner = [&](TFileDialog &q) {
        proposed = q.FileName;
        EXPECT_EQ(q.Filters(), QStringList({"Log (*.log)", "All Files (*)"}));
        return dir.filePath("run");
    };
    Click(choose);
    EXPECT_EQ(proposed, dir.filePath("typed.log"));
    EXPECT_EQ(name->Text(), dir.filePath("run.log"));
    EXPECT_EQ(channel->LogFileName(), dir.filePath("run.log"));

    Click(activate);
    EXPECT_TRUE(channel->LoggingActive());
    EXPECT_TRUE(QFile::exists(dir.filePath("run.log")));
    ExpectLogControls(activate, deactivate, name, choose, true);
    // Other settings still change while it logs.
    Type(Get<TgComponentEditorEdit>("ChannelTitleEdit"), QStringLiteral("Logged"));
    EXPECT_EQ(channel->TitleText(), "Logged");
    EXPECT_TRUE(channel->LoggingActive());

    Click(deactivate);
    EXPECT_FALSE(channel->LoggingActive());
    ExpectLogControls(activate, deactivate, name, choose, false);
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();

    // Without a file name the log refuses to start and says why.
    Type(name, QStringLiteral(" "));
    Click(activate);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("Log File Name not Defined")) << reports[0].toStdString();
    EXPECT_FALSE(channel->LoggingActive());
}

// Settings and data of the selected channel saved and loaded; loaded
// settings show at once, so the next change keeps them.
TEST_F(PlotEditorChannels, FileCommandsActOnTheSelectedChannel)
{
    TgPlotChannelCustom *channel = plot->GetChannel(0);
    channel->AddXY(1, 10);
    channel->AddXY(2, 20);
    Open();
    QTemporaryDir dir;
    QString answer;
    TFileDialog::Runner = [&](TFileDialog &) { return answer; };
    auto *title = Get<TgComponentEditorEdit>("ChannelTitleEdit");

    Type(title, QStringLiteral("Saved"));
    answer = dir.filePath("channel.cfg");
    Click(Get<TgComponentEditorSavePicker>("ChannelPropertiesSavePicker"));
    ASSERT_TRUE(QFile::exists(answer));
    Type(title, QStringLiteral("Changed"));
    Click(Get<TgComponentEditorOpenPicker>("ChannelPropertiesOpenPicker"));
    EXPECT_EQ(channel->TitleText(), "Saved");
    EXPECT_EQ(title->Text(), "Saved");
    Click(Get<TgComponentEditorCheckBox>("ChannelMarkersVisible"));
    EXPECT_EQ(channel->TitleText(), "Saved");

    answer = dir.filePath("points.dat");
    Click(Get<TgComponentEditorSavePicker>("ChannelDataSavePicker"));
    channel->AddXY(3, 30);
    auto *load = Get<TgComponentEditorOpenPicker>("ChannelDataOpenPicker");
    Click(load);
    EXPECT_EQ(channel->Count(), 2);
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();

    // A bad file is reported and the points stay.
    QFile bad(dir.filePath("bad.dat"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("5\t50\r\n6\toops\r\n");
    bad.close();
    answer = bad.fileName();
    Click(load);
    EXPECT_EQ(reports.size(), 1);
    EXPECT_EQ(channel->Count(), 2);
}

// The statistics read "Click Refresh" until asked for, and again once
// another channel is chosen; the X and Y values read as their axes' labels,
// or as plain numbers for a channel without the axis.
TEST_F(PlotEditorChannels, StatisticsShowOnRefresh)
{
    plot->AddChannel();
    TgPlotChannelCustom *first = plot->GetChannel(0), *second = plot->GetChannel(1);
    TgPlotXAxis *x = plot->GetXAxis(0);
    x->SetLabelsFormatStyle(iptfDateTime);
    x->SetDateTimeFormat(QStringLiteral("yyyy-mm-dd"));
    for (double v : {40000.0, 40002.0, 40010.0})
        first->AddXY(v, v / 1000);
    second->SetXAxisName(QStringLiteral("<None>"));
    second->AddXY(1.5, 3);
    second->AddXY(2.5, 5);
    Open();
    const std::vector<QPoint> entries = ChannelEntries();
    ASSERT_EQ(entries.size(), 2u);
    ClickEntry(List(), entries[0]);
    ASSERT_EQ(List()->ItemIndex(), 0);
    for (const char *d : {"ChannelStatsPointCountDisplay", "ChannelStatsXMinDisplay", "ChannelStatsYMeanDisplay"})
        EXPECT_EQ(Display(d)->Caption(), "Click Refresh") << d;

    Click(Get<TgComponentEditorButton>("ChannelStatsRefreshButton"));
    EXPECT_EQ(Display("ChannelStatsPointCountDisplay")->Caption(), "3");
    EXPECT_EQ(Display("ChannelStatsPointCapacityDisplay")->Caption(), QString::number(first->Capacity()));
    EXPECT_EQ(Display("ChannelStatsMemoryDisplay")->Caption(), QString::number(first->MemoryUsed()) + " Bytes");
    EXPECT_EQ(Display("ChannelStatsDataPointSizeDisplay")->Caption(),
              QString::number(first->DataPointSize()) + " Bytes");
    EXPECT_EQ(Display("ChannelStatsMaxDataPointsDisplay")->Caption(), QString::number(first->MaxDataPoints()));
    EXPECT_EQ(Display("ChannelStatsXMinDisplay")->Caption(), x->GetLabelText(40000));
    EXPECT_NE(Display("ChannelStatsXMinDisplay")->Caption(), FloatToStr(40000));
    EXPECT_EQ(Display("ChannelStatsXMaxDisplay")->Caption(), x->GetLabelText(40010));
    EXPECT_EQ(Display("ChannelStatsXMeanDisplay")->Caption(), x->GetLabelText(40004));
    EXPECT_EQ(Display("ChannelStatsYMaxDisplay")->Caption(), plot->GetYAxis(0)->GetLabelText(40.01));

    ClickEntry(List(), entries[1]);
    ASSERT_EQ(List()->ItemIndex(), 1);
    EXPECT_EQ(Display("ChannelStatsPointCountDisplay")->Caption(), "Click Refresh");
    Click(Get<TgComponentEditorButton>("ChannelStatsRefreshButton"));
    EXPECT_EQ(Display("ChannelStatsPointCountDisplay")->Caption(), "2");
    EXPECT_EQ(Display("ChannelStatsXMinDisplay")->Caption(), "1.5");
    EXPECT_EQ(Display("ChannelStatsXMaxDisplay")->Caption(), "2.5");
    EXPECT_EQ(Display("ChannelStatsXMeanDisplay")->Caption(), "2");
    EXPECT_EQ(Display("ChannelStatsYMeanDisplay")->Caption(), plot->GetYAxis(0)->GetLabelText(4));
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// Add and Remove are there only while the plot lets the user add and remove
// channels; removing the last channel leaves the statistics empty.
TEST_F(PlotEditorChannels, AddAndRemoveOnlyWhenThePlotAllowsThem)
{
    Open();
    auto *add = Get<TgComponentEditorButton>("gChannelAddButton");
    auto *remove = Get<TgComponentEditorButton>("ChannelRemoveButton");
    Reveal(List());
    EXPECT_FALSE(add->Showing());
    EXPECT_FALSE(remove->Showing());
    editor->Close();
    QApplication::processEvents();

    plot->SetUserCanAddRemoveChannels(true);
    Open();
    add = Get<TgComponentEditorButton>("gChannelAddButton");
    remove = Get<TgComponentEditorButton>("ChannelRemoveButton");
    Click(Get<TgComponentEditorButton>("ChannelStatsRefreshButton"));
    ASSERT_EQ(Display("ChannelStatsPointCountDisplay")->Caption(), "0");
    Click(add);
    EXPECT_EQ(plot->ChannelCount(), 2);
    EXPECT_EQ(List()->ItemIndex(), 1);
    EXPECT_EQ(Display("ChannelStatsPointCountDisplay")->Caption(), "Click Refresh");
    Click(remove);
    Click(remove);
    EXPECT_EQ(plot->ChannelCount(), 0);
    EXPECT_EQ(Display("ChannelStatsPointCountDisplay")->Caption(), "");
    EXPECT_FALSE(Get<TgComponentEditorButton>("ChannelStatsRefreshButton")->Enabled());

    // Taken back while the editor stays open: gone when it shows the plot
    // again.
    plot->SetUserCanAddRemoveChannels(false);
    plot->Master()->EditProperties();
    EXPECT_FALSE(add->Showing());
    EXPECT_FALSE(remove->Showing());
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

} // namespace
