// The editor's Legend and Tables tabs as their user meets them: each
// control set with the mouse and keys reaching the selected legend or table
// and showing it again after a refresh; the legend chosen through the Layout
// tab's "Edit"; the table list's Add and Remove.
#include "PlotEditorLayoutFixture.h"
#include "gComponentEditorButton.h"
#include "gPlotLegend.h"
#include "gPlotTable.h"

#include <QTabBar>

#include <functional>

namespace {

// One control of a tab: what the user enters there and where that lands in
// the object; then a value set into the object and shown after a refresh.
template <class O>
struct TabRow {
    const char *control;
    QVariant entered;
    QVariant stored;
    std::function<QVariant(O *)> read;
    std::function<void(O *, const QVariant &)> write;
};

#define TQ62_ROW(Type, Control, Entered, Stored, Get, Set)                                                         \
    TabRow<Type>                                                                                                   \
    {                                                                                                              \
        Control, Entered, Stored, [](Type *o) { return QVariant::fromValue(o->Get); },                           \
            [](Type *o, const QVariant &v) { o->Set; }                                                            \
    }
#define LEGEND_ROW(...) TQ62_ROW(TgPlotLegend, __VA_ARGS__)
#define TABLE_ROW(...) TQ62_ROW(TgPlotTable, __VA_ARGS__)

const TabRow<TgPlotLegend> kLegendRows[] = {
    LEGEND_ROW("LegendVisibleCheckbox", false, true, Visible(), SetVisible(v.toBool())),
    LEGEND_ROW("LegendEnabledCheckbox", false, true, Enabled(), SetEnabled(v.toBool())),
    LEGEND_ROW("LegendPopupEnabledCheckbox", false, true, PopupEnabled(), SetPopupEnabled(v.toBool())),
    LEGEND_ROW("LegendTopMarginEdit", 1.5, 2.5, MarginTop(), SetMarginTop(v.toDouble())),
    LEGEND_ROW("LegendBottomMarginEdit", 1.75, 2.75, MarginBottom(), SetMarginBottom(v.toDouble())),
    LEGEND_ROW("LegendLeftMarginEdit", 0.5, 3, MarginLeft(), SetMarginLeft(v.toDouble())),
    LEGEND_ROW("LegendRightMarginEdit", 0.25, 4, MarginRight(), SetMarginRight(v.toDouble())),
    LEGEND_ROW("LegendChannelNameMaxWidthEdit", 12.5, 7, ChannelNameMaxWidth(), SetChannelNameMaxWidth(v.toDouble())),
    LEGEND_ROW("LegendChannelNameColorStyleComboBox", 2, 3, ChannelNameColorStyle(),
               SetChannelNameColorStyle(TgPlotLegendChannelNameColorStyle(v.toInt()))),
    LEGEND_ROW("LegendLineColumnWidthEdit", 20, 9, LineColumnWidth(), SetLineColumnWidth(v.toInt())),
    LEGEND_ROW("LegendLineColumnHeightEdit", 5, 2, LineColumnHeight(), SetLineColumnHeight(v.toInt())),
    LEGEND_ROW("LegendColumnSpacingEdit", 1.25, 0.75, ColumnSpacing(), SetColumnSpacing(v.toDouble())),
    LEGEND_ROW("LegendBackGroundTransparentCheckBox", false, true, BackGroundTransparent(),
               SetBackGroundTransparent(v.toBool())),
    LEGEND_ROW("LegendBackgroundColorPicker", clNavy, clMaroon, BackGroundColor(), SetBackGroundColor(v.toInt())),
    LEGEND_ROW("LegendSelectedItemColorPicker", clLime, clTeal, SelectedItemBackGroundColor(),
               SetSelectedItemBackGroundColor(v.toInt())),
    LEGEND_ROW("LegendShowLineCheckbox", false, true, ShowColumnLine(), SetShowColumnLine(v.toBool())),
    LEGEND_ROW("LegendShowMarkerCheckbox", true, false, ShowColumnMarker(), SetShowColumnMarker(v.toBool())),
    LEGEND_ROW("LegendShowXAxisTitleCheckbox", true, false, ShowColumnXAxisTitle(),
               SetShowColumnXAxisTitle(v.toBool())),
    LEGEND_ROW("LegendShowYAxisTitleCheckbox", true, false, ShowColumnYAxisTitle(),
               SetShowColumnYAxisTitle(v.toBool())),
    LEGEND_ROW("LegendShowXValueCheckbox", true, false, ShowColumnXValue(), SetShowColumnXValue(v.toBool())),
    LEGEND_ROW("LegendShowYValueCheckbox", true, false, ShowColumnYValue(), SetShowColumnYValue(v.toBool())),
    LEGEND_ROW("LegendShowYMaxCheckbox", true, false, ShowColumnYMax(), SetShowColumnYMax(v.toBool())),
    LEGEND_ROW("LegendShowYMinCheckbox", true, false, ShowColumnYMin(), SetShowColumnYMin(v.toBool())),
    LEGEND_ROW("LegendShowYMeanCheckbox", true, false, ShowColumnYMean(), SetShowColumnYMean(v.toBool())),
    LEGEND_ROW("LegendWrapColDesiredCountEdit", 3, 4, WrapColDesiredCount(), SetWrapColDesiredCount(v.toInt())),
    LEGEND_ROW("LegendWrapColAutoCountEnabledCheckBox", true, false, WrapColAutoCountEnabled(),
               SetWrapColAutoCountEnabled(v.toBool())),
    LEGEND_ROW("LegendWrapColAutoCountMaxEdit", 40, 30, WrapColAutoCountMax(), SetWrapColAutoCountMax(v.toInt())),
    LEGEND_ROW("LegendWrapColSpacingMinEdit", 1.5, 3.5, WrapColSpacingMin(), SetWrapColSpacingMin(v.toDouble())),
    LEGEND_ROW("LegendWrapColSpacingAutoCheckBox", false, true, WrapColSpacingAuto(),
               SetWrapColSpacingAuto(v.toBool())),
    LEGEND_ROW("LegendWrapRowDesiredCountEdit", 7, 6, WrapRowDesiredCount(), SetWrapRowDesiredCount(v.toInt())),
    LEGEND_ROW("LegendWrapRowAutoCountEnabledCheckBox", false, true, WrapRowAutoCountEnabled(),
               SetWrapRowAutoCountEnabled(v.toBool())),
    LEGEND_ROW("LegendWrapRowAutoCountMaxEdit", 50, 60, WrapRowAutoCountMax(), SetWrapRowAutoCountMax(v.toInt())),
    // The minimum row spacing is the legend's row spacing: the edit sets
    // it and shows it.
    LEGEND_ROW("LegendWrapRowSpacingMinEdit", 2, 0.75, RowSpacing(), SetRowSpacing(v.toDouble())),
    LEGEND_ROW("LegendWrapRowSpacingAutoCheckBox", true, false, WrapRowSpacingAuto(),
               SetWrapRowSpacingAuto(v.toBool())),
    LEGEND_ROW("LegendColumnTitlesVisibleCheckbox", true, false, ColumnTitlesVisible(),
               SetColumnTitlesVisible(v.toBool())),
    LEGEND_ROW("LegendFontPicker", 17, 12, Font()->Height() * -1, Font()->SetHeight(-v.toInt())),
    LEGEND_ROW("LegendSelectedItemFontPicker", 15, 11, SelectedItemFont()->Height() * -1,
               SelectedItemFont()->SetHeight(-v.toInt())),
    LEGEND_ROW("LegendColumnTitlesFontPicker", 19, 13, ColumnTitlesFont()->Height() * -1,
               ColumnTitlesFont()->SetHeight(-v.toInt())),
};

const TabRow<TgPlotTable> kTableRows[] = {
    TABLE_ROW("TableNameEdit", "Readings", "Totals", Name(), SetName(v.toString())),
    TABLE_ROW("TableVisibleCheckbox", false, true, Visible(), SetVisible(v.toBool())),
    TABLE_ROW("TableEnabledCheckbox", false, true, Enabled(), SetEnabled(v.toBool())),
    TABLE_ROW("TablePopupEnabledCheckbox", false, true, PopupEnabled(), SetPopupEnabled(v.toBool())),
    TABLE_ROW("TableTopMarginEdit", 1.5, 2.5, MarginTop(), SetMarginTop(v.toDouble())),
    TABLE_ROW("TableLeftMarginEdit", 0.5, 3, MarginLeft(), SetMarginLeft(v.toDouble())),
    TABLE_ROW("TableRightMarginEdit", 0.25, 4, MarginRight(), SetMarginRight(v.toDouble())),
    TABLE_ROW("TableBottomMarginEdit", 1.75, 2.75, MarginBottom(), SetMarginBottom(v.toDouble())),
    TABLE_ROW("TableColumnSpacingEdit", 3.5, 1.5, ColumnSpacing(), SetColumnSpacing(v.toDouble())),
    TABLE_ROW("TableRowSpacingEdit", 0.75, 1.25, RowSpacing(), SetRowSpacing(v.toDouble())),
    TABLE_ROW("TableRowsMaxEdit", 8, 12, RowsMax(), SetRowsMax(v.toInt())),
    TABLE_ROW("TableColumnTitlesVisibleCheckBox", false, true, ColumnTitlesVisible(),
              SetColumnTitlesVisible(v.toBool())),
    TABLE_ROW("TableGridLinesShowCheckBox", false, true, GridLinesShow(), SetGridLinesShow(v.toBool())),
    TABLE_ROW("TableGridLinesColorPicker", clRed, clGreen, GridLinesColor(), SetGridLinesColor(TColor(v.toInt()))),
    TABLE_ROW("TableStartPercentEdit", 20, 30, StartPercent(), SetStartPercent(v.toDouble())),
    TABLE_ROW("TableStopPercentEdit", 80, 70, StopPercent(), SetStopPercent(v.toDouble())),
    TABLE_ROW("TableGridBackGroundTransparentCheckBox", true, false, GridBackGroundTransparent(),
              SetGridBackGroundTransparent(v.toBool())),
    TABLE_ROW("TableGridBackgroundColorPicker", clBlue, clYellow, GridBackGroundColor(),
              SetGridBackGroundColor(TColor(v.toInt()))),
    TABLE_ROW("TableDataFontPicker", 16, 10, DataFont()->Height() * -1, DataFont()->SetHeight(-v.toInt())),
    TABLE_ROW("TableColumnTitlesFontPicker", 18, 14, ColumnTitlesFont()->Height() * -1,
              ColumnTitlesFont()->SetHeight(-v.toInt())),
};

#undef LEGEND_ROW
#undef TABLE_ROW
#undef TQ62_ROW

struct PlotEditorLegendTable : PlotEditorLayout {
    // Each row entered through its control reaches Object; each stored value
    // set into Object shows after Refresh.
    template <class O, size_t N>
    void CheckRows(const TabRow<O> (&Rows)[N], O *Object, const std::function<void()> &Refresh)
    {
        for (const TabRow<O> &row : Rows) {
            SCOPED_TRACE(row.control);
            TComponent *c = editor->FindComponent(row.control);
            ASSERT_NE(c, nullptr);
            Enter(c, row.entered);
            EXPECT_TRUE(Same(row.read(Object), row.entered)) << row.read(Object).toString().toStdString();
        }
        EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
        for (const TabRow<O> &row : Rows)
            row.write(Object, row.stored);
        Refresh();
        for (const TabRow<O> &row : Rows)
            EXPECT_TRUE(Same(Shown(editor->FindComponent(row.control)), row.stored)) << row.control;
    }
};

TEST_F(PlotEditorLegendTable, EveryLegendTabRowReachesTheLegendAndShowsItAgain)
{
    Open();
    TgPlotLegend *legend = plot->GetLegend(0);
    CheckRows(kLegendRows, legend, [this] { editor->UpdateLegendEdit(); });

    // The name edit stands on the sheet whose tab is not shown: only the
    // refresh reaches it.
    auto *pages = Get<TPageControl>("LegendPageControl");
    auto *bar = pages->Widget()->findChild<QTabBar *>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(bar, nullptr);
    auto *name = Get<TgComponentEditorEdit>("LegendNameEdit");
    const int hidden = Get<TTabSheet>("LegendHiddenTabSheet")->PageIndex();
    for (int i = 0; i < pages->PageCount(); ++i)
        EXPECT_EQ(bar->isTabVisible(i), i != hidden) << i;
    pages->SetActivePageIndex(hidden);
    EXPECT_FALSE(name->Showing());
    legend->SetName(QStringLiteral("Key"));
    editor->UpdateLegendEdit();
    EXPECT_EQ(name->Text(), "Key");
}

// A plot with two legends: the tab edits the first; "Edit" on a legend's
// block in the Layout tab (the blocks that neither Delete nor lack Visible:
// not the axis, not the data view) makes the tab edit that legend.
TEST_F(PlotEditorLegendTable, LayoutEditChoosesTheLegendTheTabEdits)
{
    plot->GetLegend(plot->AddLegend())->SetColumnSpacing(3);
    ASSERT_EQ(plot->LegendCount(), 2);
    OpenLayout();
    ASSERT_EQ(blocks.across.size(), 4u); // Y axis, data view, the two legends
    auto *spacing = Get<TgComponentEditorEdit>("LegendColumnSpacingEdit");
    EXPECT_EQ(editor->SelectedObject(iekLegend), plot->GetLegend(0));
    EXPECT_EQ(spacing->AsFloat(), 0.5);

    std::vector<TObject *> chosen;
    for (const QPoint at : blocks.across) {
        Reveal(viewer);
        QMenu *menu = PopUpAt(at);
        const State s = Items();
        if (s.deleteOn || !s.visibleOn) {
            menu->close();
            continue;
        }
        ChooseItem(menu, "Edit");
        EXPECT_EQ(editor->PageControl->ActivePage(), editor->KindSheet(iekLegend));
        auto *legend = dynamic_cast<TgPlotLegend *>(editor->SelectedObject(iekLegend));
        ASSERT_NE(legend, nullptr);
        chosen.push_back(legend);
        EXPECT_EQ(spacing->AsFloat(), legend->ColumnSpacing());
    }
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_NE(chosen[0], chosen[1]);

    // The second legend chosen last or not, edits go to the chosen one only.
    TgPlotLegend *other = plot->GetLegend(chosen.back() == plot->GetLegend(0) ? 1 : 0);
    const double kept = other->ColumnSpacing();
    Type(spacing, QStringLiteral("1.75"));
    EXPECT_EQ(static_cast<TgPlotLegend *>(chosen.back())->ColumnSpacing(), 1.75);
    EXPECT_EQ(other->ColumnSpacing(), kept);
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// Without a table the tab is disabled but for "Add"; Add makes a table and
// selects it, each control then edits the selected one; Remove takes it.
TEST_F(PlotEditorLegendTable, TablesTabEditsTheSelectedTableAddedAndRemovedThere)
{
    Open();
    ASSERT_EQ(plot->TableCount(), 0);
    auto *add = Get<TgComponentEditorButton>("gTableAddButton");
    auto *remove = Get<TgComponentEditorButton>("TableRemoveButton");
    const auto enabled = [&](bool Expected) {
        for (const auto &row : kTableRows)
            EXPECT_EQ(static_cast<TControl *>(editor->FindComponent(row.control))->Enabled(), Expected)
                << row.control;
        EXPECT_EQ(remove->Enabled(), Expected);
        EXPECT_TRUE(add->Enabled());
    };
    enabled(false);

    Click(add);
    Click(add);
    ASSERT_EQ(plot->TableCount(), 2);
    EXPECT_EQ(editor->SelectedObject(iekTable), plot->GetTable(1));
    enabled(true);
    TgPlotTable *first = plot->GetTable(0), *second = plot->GetTable(1);
    const double firstStart = first->StartPercent();
    CheckRows(kTableRows, second, [this] { editor->UpdateTableEdit(); });
    EXPECT_EQ(first->StartPercent(), firstStart);
    EXPECT_EQ(first->RowsMax(), 0);

    Click(remove);
    Click(remove);
    EXPECT_EQ(plot->TableCount(), 0);
    enabled(false);
}

// A table renamed by the program while the editor is open keeps its new
// name when the user then changes another of its fields.
TEST_F(PlotEditorLegendTable, ANameGivenElsewhereIsNotUndoneByTheNextChange)
{
    Open();
    Click(Get<TgComponentEditorButton>("gTableAddButton"));
    ASSERT_EQ(plot->TableCount(), 1);
    TgPlotTable *table = plot->GetTable(0);
    table->SetName("Results");
    EXPECT_EQ(Shown(editor->FindComponent("TableNameEdit")).toString(), QString("Results"));
    Enter(editor->FindComponent("TableRowsMaxEdit"), 7);
    EXPECT_EQ(table->RowsMax(), 7);
    EXPECT_EQ(table->Name(), QString("Results"));
}

} // namespace
