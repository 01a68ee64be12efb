// The plot's property editor as its user meets it: opened from the plot,
// its Control tab's controls set with the mouse and keys reaching the plot
// and showing it again, the enabling rule and the Add and Remove buttons of
// an object list, name lists that follow the plot, the Layout tab's popup,
// modal and stay-on-top editors with the pages they remember, the log
// buttons, the title and the data file commands.
#include "PlotEditorFixture.h"
#include "PlotEditorLayoutFixture.h"
#include "RenderedPlot.h"
#include "gComponentEditorButton.h"
#include "gComponentEditorOpenPicker.h"
#include "gComponentEditorSavePicker.h"
#include "gPlotChannelCustom.h"
#include "gPlotDataCursor.h"
#include "gPlotLabel.h"
#include "gPlotLayoutViewer.h"
#include "gPlotLegend.h"
#include "gPlotToolBar.h"
#include "gPlotXAxis.h"

#include "Menus.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <functional>
#include <tuple>

namespace {

using PlotEditor = TPlotEditorFixture<>;

// --- the Control tab, row by row -----------------------------------------------

// The Control tab's rows.
#define TQ62_ROW(...) TQ62_EDITOR_ROW(TgXYPlot, __VA_ARGS__)

const TEditorRow<TgXYPlot> kControlRows[] = {
    TQ62_ROW("UpdateFrameRateEdit", 30, 45, GetUpdateFrameRate(), SetUpdateFrameRate(v.toInt())),
    TQ62_ROW("AutoFrameRateCheckBox", true, false, AutoFrameRate(), SetAutoFrameRate(v.toBool())),
    TQ62_ROW("ClipAnnotationsToAxesCheckBox", false, true, ClipAnnotationsToAxes(),
             SetClipAnnotationsToAxes(v.toBool())),
    TQ62_ROW("BorderStyleRadioGroup", 1, 0, BorderStyle(), SetBorderStyle(TgBevelStyle(v.toInt()))),
    TQ62_ROW("CopyToClipBoardFormatComboBox", 2, 1, CopyToClipBoardFormat(),
             SetCopyToClipBoardFormat(TgPlotExportFormat(v.toInt()))),
    TQ62_ROW("FileColumnSeparatorComboBox", 1, 0, DataFileColumnSeparator(),
             SetDataFileColumnSeparator(TgPlotDataFileColumnSeparator(v.toInt()))),
    TQ62_ROW("BackGroundColorPicker", clNavy, clMaroon, BackGroundColor(), SetBackGroundColor(TColor(v.toInt()))),
    TQ62_ROW("BackGroundGradientDirectionComboBox", 5, 11, BackGroundGradientDirection(),
             SetBackGroundGradientDirection(TgFillDirection(v.toInt()))),
    TQ62_ROW("BackGroundGradientEnabledCheckBox", true, false, BackGroundGradientEnabled(),
             SetBackGroundGradientEnabled(v.toBool())),
    TQ62_ROW("BackGroundGradientStartColorPicker", clLime, clAqua, BackGroundGradientStartColor(),
             SetBackGroundGradientStartColor(TColor(v.toInt()))),
    TQ62_ROW("BackGroundGradientStopColorPicker", clTeal, clOlive, BackGroundGradientStopColor(),
             SetBackGroundGradientStopColor(TColor(v.toInt()))),
    TQ62_ROW("OuterMarginLeftEdit", 7, 9, OuterMarginLeft(), SetOuterMarginLeft(v.toInt())),
    TQ62_ROW("OuterMarginTopEdit", 8, 10, OuterMarginTop(), SetOuterMarginTop(v.toInt())),
    TQ62_ROW("OuterMarginRightEdit", 11, 2, OuterMarginRight(), SetOuterMarginRight(v.toInt())),
    TQ62_ROW("OuterMarginBottomEdit", 12, 3, OuterMarginBottom(), SetOuterMarginBottom(v.toInt())),
    TQ62_ROW("TitleVisibleCheckBox", false, true, TitleVisible(), SetTitleVisible(v.toBool())),
    TQ62_ROW("TitleMarginEdit", 2.5, 0.75, TitleMargin(), SetTitleMargin(v.toDouble())),
    TQ62_ROW("TitleTextEdit", "Level", "Pressure", TitleText(), SetTitleText(v.toString())),
    TQ62_ROW("TitleFontPicker", 20, 14, TitleFont()->Height() * -1, TitleFont()->SetHeight(-v.toInt())),
    TQ62_ROW("ControlLogFileNameEdit", "/tmp/a.log", "/tmp/b.log", LogFileName(), SetLogFileName(v.toString())),
    TQ62_ROW("ControlLogBufferSizeEdit", 64, 128, LogBufferSize(), SetLogBufferSize(v.toInt())),
    TQ62_ROW("HintsShowCheckBox", false, true, HintsShow(), SetHintsShow(v.toBool())),
    TQ62_ROW("HintsPauseEdit", 700, 300, HintsPause(), SetHintsPause(v.toInt())),
    TQ62_ROW("HintsHidePauseEdit", 3000, 1500, HintsHidePause(), SetHintsHidePause(v.toInt())),
    TQ62_ROW("HintsFontPicker", 15, 11, HintsFont()->Height() * -1, HintsFont()->SetHeight(-v.toInt())),
    TQ62_ROW("AnnotationDefaultPenColorPicker", clRed, clGreen, AnnotationDefaultPenColor(),
             SetAnnotationDefaultPenColor(TColor(v.toInt()))),
    TQ62_ROW("AnnotationDefaultPenStyleComboBox", 3, 1, AnnotationDefaultPenStlye(),
             SetAnnotationDefaultPenStlye(TPenStyle(v.toInt()))),
    TQ62_ROW("AnnotationDefaultPenWidthEdit", 4, 2, AnnotationDefaultPenWidth(),
             SetAnnotationDefaultPenWidth(v.toInt())),
    TQ62_ROW("AnnotationDefaultBrushColorPicker", clBlue, clYellow, AnnotationDefaultBrushColor(),
             SetAnnotationDefaultBrushColor(TColor(v.toInt()))),
    TQ62_ROW("AnnotationDefaultBrushStyleComboBox", 6, 2, AnnotationDefaultBrushStlye(),
             SetAnnotationDefaultBrushStlye(TBrushStyle(v.toInt()))),
    TQ62_ROW("AnnotationDefaultReferenceComboBox", 2, 3, AnnotationDefaultReference(),
             SetAnnotationDefaultReference(TgPlotReferenceType(v.toInt()))),
    TQ62_ROW("AnnotationDefaultReferencePositionXComboBox", 1, 0, AnnotationDefaultReferencePositionX(),
             SetAnnotationDefaultReferencePositionX(TgPlotReferenceIndividual(v.toInt()))),
    TQ62_ROW("AnnotationDefaultReferencePositionYComboBox", 0, 1, AnnotationDefaultReferencePositionY(),
             SetAnnotationDefaultReferencePositionY(TgPlotReferenceIndividual(v.toInt()))),
    TQ62_ROW("AnnotationDefaultReferenceSizeXComboBox", 1, 2, AnnotationDefaultReferenceSizeX(),
             SetAnnotationDefaultReferenceSizeX(TgPlotReferenceIndividual(v.toInt()))),
    TQ62_ROW("AnnotationDefaultReferenceSizeYComboBox", 0, 1, AnnotationDefaultReferenceSizeY(),
             SetAnnotationDefaultReferenceSizeY(TgPlotReferenceIndividual(v.toInt()))),
    TQ62_ROW("AnnotationDefaultFontPicker", 18, 12, AnnotationDefaultFont()->Height() * -1,
             AnnotationDefaultFont()->SetHeight(-v.toInt())),
    TQ62_ROW("PrintShowDialogCheckBox", false, true, PrintShowDialog(), SetPrintShowDialog(v.toBool())),
    TQ62_ROW("PrintOrientationRadioGroup", 0, 1, PrintOrientation(),
             SetPrintOrientation(TPrinterOrientation(v.toInt()))),
    TQ62_ROW("PrintMarginLeftEdit", 0.5, 2, PrintMarginLeft(), SetPrintMarginLeft(v.toDouble())),
    TQ62_ROW("PrintMarginTopEdit", 0.75, 2.5, PrintMarginTop(), SetPrintMarginTop(v.toDouble())),
    TQ62_ROW("PrintMarginRightEdit", 1.25, 3, PrintMarginRight(), SetPrintMarginRight(v.toDouble())),
    TQ62_ROW("PrintMarginBottomEdit", 1.5, 3.5, PrintMarginBottom(), SetPrintMarginBottom(v.toDouble())),
    TQ62_ROW("PrintDocumentNameEdit", "Run 7", "Run 8", PrintDocumentName(), SetPrintDocumentName(v.toString())),
};

#undef TQ62_ROW

TEST_F(PlotEditor, EveryControlTabRowReachesThePlotAndShowsItAgain)
{
    Open();
    EveryRowReachesAndShows(plot, kControlRows);
}

// A plot that notes two of its writes, so that their order shows.
class TNotingPlot : public TgXYPlot {
public:
    using TgXYPlot::TgXYPlot;
    QStringList writes;
    void SetBorderStyle(TgBevelStyle Value) override
    {
        writes << QStringLiteral("BorderStyle");
        TgXYPlot::SetBorderStyle(Value);
    }
    void SetBackGroundColor(TColor Value) override
    {
        writes << QStringLiteral("BackGroundColor");
        TgXYPlot::SetBackGroundColor(Value);
    }
};

// A change of one value writes the whole tab at once, in its order: what
// was changed in the plot behind the editor goes back to what the editor
// shows; a value the plot refuses is reported and the tab shows the plot
// as it is; text that does not read as a number is refused by its edit.
struct PlotEditorNoting : TPlotEditorFixture<TNotingPlot> {};

TEST_F(PlotEditorNoting, OneChangeWritesTheWholeControlTabInOrder)
{
    Open();
    const QString shownTitle = Get<TgComponentEditorEdit>("TitleTextEdit")->Text();
    plot->SetOuterMarginLeft(20);
    plot->SetTitleText(QStringLiteral("Behind"));
    plot->writes.clear();
    PickColor(Get<TgComponentEditorColorPicker>("BackGroundColorPicker"), clPurple);
    EXPECT_EQ(plot->BackGroundColor(), clPurple);
    EXPECT_EQ(plot->writes, QStringList({"BorderStyle", "BackGroundColor"}));
    EXPECT_EQ(plot->OuterMarginLeft(), 5);
    EXPECT_EQ(plot->TitleText(), shownTitle);

    auto *rate = Get<TgComponentEditorEdit>("UpdateFrameRateEdit");
    Type(rate, QStringLiteral("abc"));
    EXPECT_EQ(rate->Text(), "60");
    EXPECT_TRUE(rate->Refused());
    EXPECT_EQ(plot->GetUpdateFrameRate(), 60);

    // The separator cannot change while the plot logs.
    QTemporaryDir dir;
    Type(Get<TgComponentEditorEdit>("ControlLogFileNameEdit"), dir.filePath("run.log"));
    Click(Get<TgComponentEditorButton>("ControlLogActivateButton"));
    ASSERT_TRUE(plot->LoggingActive());
    auto *separator = Get<TgComponentEditorComboBox>("FileColumnSeparatorComboBox");
    Choose(separator, 1);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("can not be changed while logging")) << reports[0].toStdString();
    EXPECT_EQ(separator->AsInteger(), 0);
    EXPECT_EQ(plot->DataFileColumnSeparator(), ipdfcsTab);
    Type(Get<TgComponentEditorEdit>("HintsPauseEdit"), QStringLiteral("900"));
    EXPECT_EQ(plot->HintsPause(), 900);
    EXPECT_EQ(reports.size(), 1);
    plot->LogDeactivate();
}

// Activate and Deactivate: each enabled while it can act, the file name
// and its "..." fixed while the plot logs; "..." puts the chosen file's
// path into the name and the plot.
TEST_F(PlotEditor, LogButtonsFollowTheLog)
{
    Open();
    QTemporaryDir dir;
    auto *name = Get<TgComponentEditorEdit>("ControlLogFileNameEdit");
    auto *choose = Get<TgComponentEditorSavePicker>("ControlLogFileNamePicker");
    auto *activate = Get<TgComponentEditorButton>("ControlLogActivateButton");
    auto *deactivate = Get<TgComponentEditorButton>("ControlLogDeactivateButton");
    ExpectLogControls(activate, deactivate, name, choose, false);

    TFileDialog::Runner = [&](TFileDialog &q) {
        EXPECT_EQ(q.Filters(), QStringList({"Log (*.log)", "All Files (*)"}));
        return dir.filePath("run");
    };
    Click(choose);
    EXPECT_EQ(name->Text(), dir.filePath("run.log"));
    EXPECT_EQ(plot->LogFileName(), dir.filePath("run.log"));

    Click(activate);
    EXPECT_TRUE(plot->LoggingActive());
    EXPECT_TRUE(QFile::exists(dir.filePath("run.log")));
    ExpectLogControls(activate, deactivate, name, choose, true);
    EXPECT_EQ(name->Text(), dir.filePath("run.log"));

    Click(deactivate);
    EXPECT_FALSE(plot->LoggingActive());
    ExpectLogControls(activate, deactivate, name, choose, false);
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// The title group edits the plot's first label.
TEST_F(PlotEditor, TitleGroupEditsTheFirstLabel)
{
    Open();
    TgPlotLabel *title = plot->GetLabel(0);
    Type(Get<TgComponentEditorEdit>("TitleTextEdit"), QStringLiteral("Pressure"));
    EXPECT_EQ(title->Caption(), "Pressure");
    Click(Get<TgComponentEditorCheckBox>("TitleVisibleCheckBox"));
    EXPECT_FALSE(title->Visible());
    Type(Get<TgComponentEditorEdit>("TitleMarginEdit"), QStringLiteral("3"));
    EXPECT_EQ(title->MarginBottom(), 3);
    PickFont(Get<TgComponentEditorFontPicker>("TitleFontPicker"), 22);
    EXPECT_EQ(title->Font()->Height(), -22);
    EXPECT_EQ(title->Caption(), "Pressure");
}

// Load replaces the data only with a good file; a bad one is reported and
// the data stay.
TEST_F(PlotEditor, DataLoadKeepsTheDataOnABadFile)
{
    plot->GetChannel(0)->AddXY(1, 10);
    plot->GetChannel(0)->AddXY(2, 20);
    Open();
    QTemporaryDir dir;
    QFile bad(dir.filePath("bad.dat"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("A(X)\tA(Y)\r\n5\t50\r\n6\toops\r\n");
    bad.close();
    QString answer = bad.fileName();
    TFileDialog::Runner = [&](TFileDialog &) { return answer; };
    auto *load = Get<TgComponentEditorOpenPicker>("ControlDataOpenPicker");
    Click(load);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("Error Loading Data - ")) << reports[0].toStdString();
    EXPECT_EQ(plot->GetChannel(0)->Count(), 2);

    // Save, add a point, load: the saved data replace what is there.
    TFileDialog::Runner = [&](TFileDialog &) { return dir.filePath("good.dat"); };
    Click(Get<TgComponentEditorSavePicker>("ControlDataSavePicker"));
    plot->GetChannel(0)->AddXY(3, 30);
    Click(load);
    EXPECT_EQ(plot->GetChannel(0)->Count(), 2);
    EXPECT_EQ(reports.size(), 1);
}

// --- object lists ----------------------------------------------------------------

// A probe of controls added to the Cursors tab the way a tab is made.
TgEditorTabBody CursorProbe()
{
    TgEditorTabBody probe;
    const QString box = "gProbeGroupBox";
    probe.Frames = {GroupFrame(box, "Probe", "DataCursorTabSheet", 140, 8, 400, 220)};
    probe.Rows = {
        EditRow("DataCursorProbeNameEdit", "Name", "Name", ievkText).In(box, 10, 20, 70, 150),
        EditRow("DataCursorProbeWidthEdit", "Width", "PointerPenWidth", ievkInteger)
            .In(box, 10, 48, 70, 40)
            .WithUpDown("DataCursorProbeWidthUpDown", 1, 10),
        CheckRow("DataCursorProbeHintCheckBox", "Hint", "HintShow").In(box, 10, 76, 70, 0),
        ComboIndexRow("DataCursorProbeStyleComboBox", "Style", "Style", {"XY", "X", "Y", "dX", "dY", "1/dX"})
            .In(box, 10, 100, 70, 120),
        ComboTextRow("DataCursorProbeChannelComboBox", "Channel", "ChannelName", ienlChannelAll)
            .In(box, 10, 128, 70, 120),
        ColorRow("DataCursorProbeColorPicker", "Color", "Color").In(box, 10, 156, 70, 0),
    };
    return probe;
}

// An empty list disables its tab (values blanked, Remove too, Add not);
// Add selects the new last entry; Remove selects the entry that moved into
// the removed one's place, or the new last one.
TEST_F(PlotEditor, EnablingRuleAndTheListsAddAndRemove)
{
    Open();
    editor->AddToTab(iekDataCursor, CursorProbe());
    editor->UpdateDataCursorEdit();
    auto *list = Get<TgComponentEditorListBox>("DataCursorListBox");
    auto *add = Get<TgComponentEditorButton>("gDataCursorAddButton");
    auto *remove = Get<TgComponentEditorButton>("DataCursorRemoveButton");
    auto *name = Get<TgComponentEditorEdit>("DataCursorProbeNameEdit");
    auto *width = Get<TgComponentEditorEdit>("DataCursorProbeWidthEdit");
    auto *hint = Get<TgComponentEditorCheckBox>("DataCursorProbeHintCheckBox");
    auto *style = Get<TgComponentEditorComboBox>("DataCursorProbeStyleComboBox");
    auto *channel = Get<TgComponentEditorComboBox>("DataCursorProbeChannelComboBox");
    auto *colour = Get<TgComponentEditorColorPicker>("DataCursorProbeColorPicker");
    ASSERT_EQ(plot->DataCursorCount(), 1);
    EXPECT_EQ(name->Text(), plot->GetDataCursor(0)->Name());

    Click(add);
    Click(add);
    ASSERT_EQ(plot->DataCursorCount(), 3);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(name->Text(), plot->GetDataCursor(2)->Name());

    // The middle entry as drawn, picked with the mouse and edited.
    const std::vector<QPoint> entries = Entries(list, plot->GetDataCursor(0)->Color());
    ASSERT_EQ(entries.size(), 3u);
    ClickEntry(list, entries[1]);
    ASSERT_EQ(list->ItemIndex(), 1);
    TgPlotDataCursor *middle = plot->GetDataCursor(1), *last = plot->GetDataCursor(2);
    EXPECT_EQ(name->Text(), middle->Name());
    Type(name, QStringLiteral("Marker"));
    EXPECT_EQ(middle->Name(), "Marker");
    Choose(style, 2);
    EXPECT_EQ(int(middle->Style()), 2);
    EXPECT_EQ(middle->Name(), "Marker");

    Click(remove);
    EXPECT_EQ(plot->DataCursorCount(), 2);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(list->Items()->GetObject(1), last);
    EXPECT_EQ(name->Text(), last->Name());
    Click(remove);
    EXPECT_EQ(list->ItemIndex(), 0);
    Click(remove);
    ASSERT_EQ(list->Items()->Count(), 0);
    EXPECT_EQ(plot->DataCursorCount(), 0);

    for (TControl *c : std::initializer_list<TControl *>{name, width, hint, style, channel, colour, remove})
        EXPECT_FALSE(c->Enabled()) << c->Name().toStdString();
    EXPECT_TRUE(add->Enabled());
    EXPECT_EQ(name->Text(), "");
    EXPECT_EQ(name->Color(), clBtnFace);
    EXPECT_EQ(width->Text(), "");
    EXPECT_FALSE(hint->AsBoolean());
    EXPECT_EQ(style->AsInteger(), -1);
    EXPECT_EQ(channel->AsString(), "");

    Click(add);
    EXPECT_EQ(list->ItemIndex(), 0);
    for (TControl *c : std::initializer_list<TControl *>{name, width, hint, style, channel, colour, remove})
        EXPECT_TRUE(c->Enabled()) << c->Name().toStdString();
    EXPECT_EQ(name->Text(), plot->GetDataCursor(0)->Name());
    EXPECT_EQ(width->AsInteger(), plot->GetDataCursor(0)->PointerPenWidth());
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

TgEditorTabBody ChannelProbe()
{
    TgEditorTabBody probe;
    const QString box = "gProbeGroupBox";
    probe.Frames = {GroupFrame(box, "Probe", "ChannelsTabSheet", 140, 8, 400, 120)};
    probe.Rows = {
        EditRow("ChannelProbeTitleEdit", "Title", "TitleText", ievkText).In(box, 10, 20, 70, 150),
        ComboTextRow("ChannelProbeXAxisNameComboBox", "X-Axis", "XAxisName", ienlXAxis).In(box, 10, 48, 70, 150),
    };
    return probe;
}

// The lists follow the plot while the editor is open: objects added and
// removed there, an axis renamed there shown under its new name; a name
// combo without a selection leaves the object's name as it is.
TEST_F(PlotEditor, ListsAndNameCombosFollowThePlot)
{
    Open();
    editor->AddToTab(iekChannel, ChannelProbe());
    editor->UpdateAll();
    auto *channels = Get<TgComponentEditorListBox>("ChannelListBox");
    auto *axisName = Get<TgComponentEditorComboBox>("ChannelProbeXAxisNameComboBox");
    auto *title = Get<TgComponentEditorEdit>("ChannelProbeTitleEdit");
    TgPlotChannelCustom *first = plot->GetChannel(0);
    EXPECT_EQ(axisName->AsString(), "X-Axis 1");

    plot->GetXAxis(0)->SetName(QStringLiteral("Time"));
    EXPECT_EQ(axisName->AsString(), "Time");

    plot->AddXAxis();
    Choose(axisName, 2);
    EXPECT_EQ(first->XAxisName(), plot->GetXAxis(1)->Name());
    Choose(axisName, 0);
    EXPECT_EQ(first->XAxisName(), "<None>");

    first->SetXAxisName(QStringLiteral("Elsewhere"));
    editor->UpdateAll();
    EXPECT_EQ(axisName->AsInteger(), -1);
    Type(title, QStringLiteral("Flow"));
    EXPECT_EQ(first->TitleText(), "Flow");
    EXPECT_EQ(first->XAxisName(), "Elsewhere");

    plot->AddChannel();
    ASSERT_EQ(channels->Items()->Count(), 2);
    EXPECT_EQ(channels->ItemIndex(), 1);
    EXPECT_EQ(title->Text(), plot->GetChannel(1)->TitleText());
    plot->DeleteChannel(1);
    ASSERT_EQ(channels->Items()->Count(), 1);
    EXPECT_EQ(channels->ItemIndex(), 0);
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// --- the Layout tab -----------------------------------------------------------------

TEST_F(PlotEditorLayout, PopupStatesFollowTheBlockUnderTheMouse)
{
    ShowLayout();
    const struct {
        const char *block;
        QPoint at;
        bool deleteOn, visibleOn, editOn;
    } rows[] = {
        {"X axis", blocks.down[3], true, true, true},
        {"title, the first label", blocks.down[1], false, true, true},
        {"toolbar", blocks.down[0], false, true, true},
        {"legend", blocks.across[2], false, true, true},
        {"data view", blocks.across[1], false, false, true},
        {"no block", QPoint(1, 1), false, false, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.block);
        QMenu *menu = PopUpAt(row.at);
        const State s = Items();
        EXPECT_EQ(s.deleteOn, row.deleteOn);
        EXPECT_EQ(s.visibleOn, row.visibleOn);
        EXPECT_EQ(s.editOn, row.editOn);
        EXPECT_EQ(s.visibleChecked, row.editOn); // every block shown is visible
        EXPECT_TRUE(editor->AddXAxisMenuItem->Enabled());
        EXPECT_FALSE(editor->XYAxesReverseMenuItem->Checked());
        if (menu)
            menu->close();
    }
}

TEST_F(PlotEditorLayout, PopupCommandsActOnTheBlock)
{
    ShowLayout();
    // Edit on the legend: its tab, with it selected in the hidden list.
    ChooseItem(PopUpAt(blocks.across[2]), "Edit");
    EXPECT_EQ(editor->PageControl->ActivePage(), editor->KindSheet(iekLegend));
    EXPECT_EQ(editor->SelectedObject(iekLegend), plot->GetLegend(0));

    Reveal(viewer);
    ChooseItem(PopUpAt(blocks.down[1]), "Visible");
    EXPECT_FALSE(plot->GetLabel(0)->Visible());

    ChooseItem(PopUpAt(blocks.down[3]), "Delete");
    EXPECT_EQ(plot->XAxisCount(), 0);
    EXPECT_EQ(Get<TgComponentEditorListBox>("XAxisListBox")->Items()->Count(), 0);

    ChooseItem(PopUpAt(QPoint(1, 1)), "Add Label");
    EXPECT_EQ(plot->LabelCount(), 2);
    EXPECT_EQ(Get<TgComponentEditorListBox>("LabelListBox")->ItemIndex(), 1);

    ChooseItem(PopUpAt(QPoint(1, 1)), "XY-Axes Reverse");
    EXPECT_TRUE(plot->Master()->XYAxesReverse());
    QMenu *menu = PopUpAt(QPoint(1, 1));
    EXPECT_TRUE(editor->XYAxesReverseMenuItem->Checked());
    menu->close();
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// A right press raises the popup, which takes the release; a left press
// that a popup interrupts never gets its release either. Neither leaves a
// drag behind: a later left drag from the data view (which drags nothing)
// onto the X axis's band moves nothing.
TEST_F(PlotEditorLayout, APopupLeavesNoDragBehind)
{
    ShowLayout();
    QWidget *w = viewer->Widget();
    const QPoint title = blocks.down[1], dataView = blocks.down[2], xAxis = blocks.down[3];
    const auto where = [&] {
        const auto of = [](const TgPlotLayoutObject *O) { return std::make_pair(O->Horizontal(), O->ZOrder()); };
        return std::make_tuple(of(plot->GetLabel(0)), of(plot->GetXAxis(0)), of(plot->GetLegend(0)));
    };
    const auto before = where();
    // The popup as the desktop shows it: it holds the mouse, so the
    // release lands on it; Escape closes it.
    const auto popUp = [&](QPoint At, QContextMenuEvent::Reason Reason) {
        QContextMenuEvent ask(Reason, At, w->mapToGlobal(At));
        QApplication::sendEvent(w, &ask);
        QMenu *menu = editor->LayoutPopupMenu->Menu();
        EXPECT_NE(menu, nullptr);
        return menu;
    };
    const struct {
        const char *name;
        Qt::MouseButton button;
        QContextMenuEvent::Reason reason;
    } presses[] = {
        {"a right press on the title", Qt::RightButton, QContextMenuEvent::Mouse},
        {"a left press on the title, then the menu key", Qt::LeftButton, QContextMenuEvent::Keyboard},
    };
    for (const auto &p : presses) {
        SCOPED_TRACE(p.name);
        SendMouse(w, QEvent::MouseMove, title, Qt::NoButton, Qt::NoButton);
        QTest::mousePress(w, p.button, Qt::NoModifier, title);
        QMenu *menu = popUp(title, p.reason);
        if (!menu)
            continue;
        QTest::mouseRelease(menu, p.button, Qt::NoModifier, QPoint(2, 2));
        QTest::keyClick(menu, Qt::Key_Escape);
        EXPECT_EQ(viewer->SelectedObject(), nullptr);

        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, dataView);
        SendMouse(w, QEvent::MouseMove, xAxis, Qt::NoButton, Qt::LeftButton);
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, xAxis);
        EXPECT_TRUE(where() == before);
        blocks = FindBlocks(Shot(viewer));
        ASSERT_EQ(blocks.down.size(), 4u); // drawn as before
    }
    // A left drag still moves the title: onto the X axis's band, merged
    // with it.
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, title);
    SendMouse(w, QEvent::MouseMove, xAxis, Qt::NoButton, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, xAxis);
    EXPECT_FALSE(where() == before);
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// --- the editor's life -----------------------------------------------------------------

// A modal editor is made for each opening and freed when it closes; the
// next one shows the pages the last one was left on. A stay-on-top editor
// stays open after the opening and is freed once the user closes it.
TEST_F(PlotEditor, ModalAndStayOnTopEditorsLiveAsTheyShouldRememberingPages)
{
    int closed = 0;
    plot->OnAfterCloseEditor = [&](TObject *) { ++closed; };
    plot->SetEditorFormStyle(ipfsModal);
    int runs = 0;
    TCustomForm::ModalRunner = [&](TCustomForm &Form) {
        auto *e = dynamic_cast<TgPlotEditorForm *>(&Form);
        ASSERT_NE(e, nullptr);
        EXPECT_TRUE(e->Modal());
        auto *control = dynamic_cast<TPageControl *>(e->FindComponent("ControlPageControl"));
        if (++runs == 1) {
            EXPECT_EQ(e->PageControl->ActivePageIndex(), 0);
            ClickTab(control, 3);
            ClickTab(e->PageControl, 4);
        } else {
            EXPECT_EQ(e->PageControl->ActivePageIndex(), 4);
            EXPECT_EQ(control->ActivePageIndex(), 3);
        }
        Form.WindowWidget()->close();
    };
    plot->Master()->EditProperties();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(plot->Master()->EditorForm(), nullptr);
    EXPECT_EQ(closed, 1);
    plot->Master()->EditProperties();
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(closed, 2);

    TCustomForm::ModalRunner = nullptr;
    Open();
    EXPECT_TRUE(editor->Visible());
    EXPECT_EQ(editor->FormStyle(), fsStayOnTop);
    EXPECT_EQ(editor->PageControl->ActivePageIndex(), 4);
    editor->WindowWidget()->close();
    EXPECT_TRUE(editor->IsClosing());
    EXPECT_EQ(plot->Master()->EditorForm(), nullptr);
    EXPECT_EQ(closed, 2);
    QApplication::processEvents();
    EXPECT_EQ(closed, 3);
    Open();
    EXPECT_EQ(closed, 3);
}

// A stay-on-top editor shows changes made in the plot meanwhile as soon as
// the user comes back to it.
TEST_F(PlotEditor, StayOnTopEditorShowsThePlotAgainOnActivation)
{
    Open();
    TgEditorTabBody probe;
    probe.Frames = {GroupFrame("gProbeGroupBox", "Probe", "XAxesTabSheet", 140, 8, 300, 60)};
    probe.Rows = {EditRow("XAxisProbeSpanEdit", "Span", "Span", ievkFloat).In("gProbeGroupBox", 10, 20, 70, 120)};
    editor->AddToTab(iekXAxis, probe);
    editor->UpdateAll();
    auto *span = Get<TgComponentEditorEdit>("XAxisProbeSpanEdit");
    Reveal(span);
    const double before = plot->GetXAxis(0)->Span();
    EXPECT_EQ(span->AsFloat(), before);

    // Zoom In, the sixth button of the rendered toolbar.
    const std::vector<QRect> buttons = ToolBarButtons(Shot(plot));
    ASSERT_GE(buttons.size(), 6u);
    QTest::mouseClick(plot->Widget(), Qt::LeftButton, Qt::NoModifier, buttons[5].center());
    ASSERT_NE(plot->GetXAxis(0)->Span(), before);
    EXPECT_TRUE(host.Active());
    EXPECT_EQ(span->AsFloat(), before);

    Click(editor->PageControl);
    EXPECT_TRUE(editor->Active());
    EXPECT_EQ(span->AsFloat(), plot->GetXAxis(0)->Span());
}

// The toolbar's Edit button, found in the rendered plot, opens the editor.
TEST_F(PlotEditor, TheToolbarsEditButtonOpensTheEditor)
{
    TgPlotEditorForm *seen = nullptr;
    TCustomForm::ModalRunner = [&](TCustomForm &Form) {
        seen = dynamic_cast<TgPlotEditorForm *>(&Form);
        ASSERT_NE(seen, nullptr);
        EXPECT_EQ(Form.Caption(), "Plot");
        EXPECT_EQ(seen->PlotComponent(), plot);
    };
    const std::vector<QRect> buttons = ToolBarButtons(Shot(plot));
    ASSERT_GE(buttons.size(), 9u);
    QTest::mouseClick(plot->Widget(), Qt::LeftButton, Qt::NoModifier, buttons[8].center());
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(plot->Master()->EditorForm(), nullptr);
}

// The form's captions, combo and radio items pass through the plot's
// translation table; values in edits do not.
TEST_F(PlotEditor, TextsAreTranslated)
{
    plot->AddTranslation(QStringLiteral("Channels"), QStringLiteral("Kanäle"));
    plot->AddTranslation(QStringLiteral("Tab"), QStringLiteral("Tabulator"));
    plot->AddTranslation(QStringLiteral("Lowered"), QStringLiteral("Vertieft"));
    plot->AddTranslation(QStringLiteral("Title"), QStringLiteral("Titel"));
    plot->AddTranslation(plot->TitleText(), QStringLiteral("Translated"));
    plot->AddTranslation(QStringLiteral("Add X-Axis"), QStringLiteral("X-Achse dazu"));
    Open();
    EXPECT_EQ(Get<TTabSheet>("ChannelsTabSheet")->Caption(), "Kanäle");
    EXPECT_EQ(Get<TTabSheet>("ControlTitleTabSheet")->Caption(), "Titel");
    EXPECT_EQ(Get<TgComponentEditorComboBox>("FileColumnSeparatorComboBox")->Items()->Get(0), "Tabulator");
    EXPECT_EQ(Get<TgComponentEditorRadioGroup>("BorderStyleRadioGroup")->Items()->Get(2), "Vertieft");
    EXPECT_EQ(editor->AddXAxisMenuItem->Caption(), "X-Achse dazu");
    EXPECT_EQ(Get<TgComponentEditorEdit>("TitleTextEdit")->Text(), plot->TitleText());
}

} // namespace
