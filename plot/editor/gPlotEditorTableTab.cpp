// The Tables tab of the plot editor: the table selected in the tab's list.
#include "gPlotEditorTabs.h"

namespace {

// The sub-tabs.
const QString General = "TableGeneralTabSheet", Grid = "TableGridTabSheet", Layout = "TableLayoutTabSheet";

} // namespace

TgEditorTabBody TableTabBody()
{
    TgEditorTabBody body;
    const QString margin = "TableMarginGroupBox", titles = "TableColumnTitlesGroupBox", data = "TableDataGroupBox",
                  lines = "TableGridLinesGroupBox", background = "TableGridBackgroundGroupBox";
    body.Frames = {
        PageControlFrame("TablePageControl", "TablesTabSheet"),
        SheetFrame(General, "General", "TablePageControl"),
        SheetFrame(Grid, "Grid", "TablePageControl"),
        SheetFrame(Layout, "Layout", "TablePageControl"),
        GroupFrame(margin, "Margin", General, 230, 4, 150, 100),
        GroupFrame(titles, "Column Titles", General, 390, 4, 150, 80),
        GroupFrame(data, "Data", General, 390, 90, 150, 56),
        GroupFrame(lines, "Lines", Grid, 8, 4, 180, 78),
        GroupFrame(background, "Background", Grid, 198, 4, 180, 78),
    };
    body.Rows = {
        EditRow("TableNameEdit", "Name", "Name", ievkText).In(General, 8, 8, 50, 150),
        CheckRow("TableVisibleCheckbox", "Visible", "Visible").In(General, 8, 34, 0, 0),
        CheckRow("TableEnabledCheckbox", "Enabled", "Enabled").In(General, 8, 56, 0, 0),
        CheckRow("TablePopupEnabledCheckbox", "Popup Enabled", "PopupEnabled").In(General, 8, 78, 0, 0),
        EditRow("TableTopMarginEdit", "", "MarginTop", ievkFloat).In(margin, 54, 18, 0, 42),
        EditRow("TableLeftMarginEdit", "", "MarginLeft", ievkFloat).In(margin, 8, 44, 0, 42),
        EditRow("TableRightMarginEdit", "", "MarginRight", ievkFloat).In(margin, 100, 44, 0, 42),
        EditRow("TableBottomMarginEdit", "", "MarginBottom", ievkFloat).In(margin, 54, 70, 0, 42),
        EditRow("TableColumnSpacingEdit", "Column Spacing", "ColumnSpacing", ievkFloat).In(General, 8, 106, 100, 50),
        EditRow("TableRowSpacingEdit", "Row Spacing", "RowSpacing", ievkFloat).In(General, 8, 134, 100, 50),
        EditRow("TableRowsMaxEdit", "Rows Max", "RowsMax", ievkInteger).In(General, 8, 162, 100, 50),
        CheckRow("TableColumnTitlesVisibleCheckBox", "Visible", "ColumnTitlesVisible").In(titles, 10, 18, 0, 0),
        CheckRow("TableGridLinesShowCheckBox", "Show", "GridLinesShow").In(lines, 10, 18, 0, 0),
        ColorRow("TableGridLinesColorPicker", "Color", "GridLinesColor").In(lines, 10, 46, 50, 0),
        EditRow("TableStartPercentEdit", "Start Percent", "StartPercent", ievkFloat).In(Layout, 8, 8, 90, 60),
        EditRow("TableStopPercentEdit", "Stop Percent", "StopPercent", ievkFloat).In(Layout, 8, 36, 90, 60),
        CheckRow("TableGridBackGroundTransparentCheckBox", "Transparent", "GridBackGroundTransparent")
            .In(background, 10, 18, 0, 0),
        ColorRow("TableGridBackgroundColorPicker", "Color", "GridBackGroundColor").In(background, 10, 46, 50, 0),
        FontRow("TableDataFontPicker", "Font", "DataFont").In(data, 10, 20, 0, 0),
        FontRow("TableColumnTitlesFontPicker", "Font", "ColumnTitlesFont").In(titles, 10, 44, 0, 0),
    };
    return body;
}
