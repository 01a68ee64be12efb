// The Legend tab of the plot editor: one legend at a time, the one selected
// in the tab's hidden list (the Layout tab's "Edit" and the master manager
// select there).
#include "PageControl.h"
#include "gComponentEditorListBox.h"
#include "gPlotEditorForm.h"
#include "gPlotEditorTabs.h"

namespace {

// The sub-tabs.
const QString General = "LegendGeneralTabSheet", Columns = "LegendColumnsTabSheet", Hidden = "LegendHiddenTabSheet",
              Wrap = "LegendWrapTabSheet";

// The group of the "Wrap" sheet for wrapping columns (Axis "Col") or rows
// ("Row") at X: its frames and its rows, in the order they are written.
void AddWrapGroup(TgEditorTabBody &Body, const QString &Axis, int X)
{
    const QString group = "LegendWrap" + Axis + "GroupBox", autoCount = "LegendWrap" + Axis + "AutoCountGroupBox",
                  spacing = "LegendWrap" + Axis + "SpacingGroupBox", wrap = "LegendWrap" + Axis;
    Body.Frames.push_back(GroupFrame(group, Axis, Wrap, X, 4, 350, 146));
    Body.Frames.push_back(GroupFrame(autoCount, "Auto Count", group, 10, 52, 160, 82));
    Body.Frames.push_back(GroupFrame(spacing, "Spacing", group, 180, 52, 160, 82));
    Body.Rows.push_back(EditRow(wrap + "DesiredCountEdit", "Desired Count", "Wrap" + Axis + "DesiredCount", ievkInteger)
                            .In(group, 10, 20, 100, 60)
                            .WithUpDown("LegendWrapDesired" + Axis + "CountUpDown", 1, 1000));
    Body.Rows.push_back(CheckRow(wrap + "AutoCountEnabledCheckBox", "Enabled", "Wrap" + Axis + "AutoCountEnabled")
                            .In(autoCount, 10, 18, 0, 0));
    Body.Rows.push_back(EditRow(wrap + "AutoCountMaxEdit", "Max", "Wrap" + Axis + "AutoCountMax", ievkInteger)
                            .In(autoCount, 10, 46, 40, 60)
                            .WithUpDown("LegendWrapAutoMax" + Axis + "CountUpDown", 1, 1000));
    // The legend keeps its minimum row spacing and its row spacing as one
    // value, so the row group's "Min" sets the row spacing too.
    Body.Rows.push_back(
        EditRow(wrap + "SpacingMinEdit", "Min", "Wrap" + Axis + "SpacingMin", ievkFloat).In(spacing, 10, 20, 40, 60));
    Body.Rows.push_back(
        CheckRow(wrap + "SpacingAutoCheckBox", "Auto", "Wrap" + Axis + "SpacingAuto").In(spacing, 10, 48, 0, 0));
}

} // namespace

TgEditorTabBody LegendTabBody()
{
    TgEditorTabBody body;
    const QString hidden = "LegendHiddenGroupBox", margin = "LegendMarginGroupBox",
                  channelName = "LegendChannelNameGroupBox", lineColumn = "LegendLineColumnGroupBox",
                  background = "LegendBackgroundGroupBox", selected = "LegendSelectedItemGroupBox",
                  show = "LegendShowGroupBox", titles = "LegendColumnTitlesGroupBox";
    body.Frames = {
        PageControlFrame("LegendPageControl", "LegendTabSheet"),
        SheetFrame(General, "General", "LegendPageControl"),
        SheetFrame(Columns, "Columns", "LegendPageControl"),
        SheetFrame(Hidden, "Hidden", "LegendPageControl"),
        SheetFrame(Wrap, "Wrap", "LegendPageControl"),
        GroupFrame(hidden, "Legend", Hidden, 8, 4, 220, 200),
        GroupFrame(margin, "Margin", General, 176, 4, 150, 100),
        GroupFrame(lineColumn, "Line Column", General, 176, 110, 150, 78),
        GroupFrame(channelName, "Channel Name", General, 336, 4, 210, 78),
        GroupFrame(background, "Background", General, 336, 88, 210, 78),
        GroupFrame(selected, "Selected Item", General, 556, 4, 175, 84),
        GroupFrame(show, "Show", Columns, 8, 4, 240, 136),
        GroupFrame(titles, "Titles", Columns, 258, 4, 150, 80),
    };
    body.Rows = {
        EditRow("LegendNameEdit", "Name", "Name", ievkText).In(hidden, 10, 20, 50, 150),
        CheckRow("LegendVisibleCheckbox", "Visible", "Visible").In(General, 8, 8, 0, 0),
        CheckRow("LegendEnabledCheckbox", "Enabled", "Enabled").In(General, 8, 32, 0, 0),
        CheckRow("LegendPopupEnabledCheckbox", "Popup Enabled", "PopupEnabled").In(General, 8, 56, 0, 0),
        EditRow("LegendTopMarginEdit", "", "MarginTop", ievkFloat).In(margin, 54, 18, 0, 42),
        EditRow("LegendBottomMarginEdit", "", "MarginBottom", ievkFloat).In(margin, 54, 70, 0, 42),
        EditRow("LegendLeftMarginEdit", "", "MarginLeft", ievkFloat).In(margin, 8, 44, 0, 42),
        EditRow("LegendRightMarginEdit", "", "MarginRight", ievkFloat).In(margin, 100, 44, 0, 42),
        EditRow("LegendChannelNameMaxWidthEdit", "Max Width", "ChannelNameMaxWidth", ievkFloat)
            .In(channelName, 10, 20, 75, 60),
        ComboIndexRow("LegendChannelNameColorStyleComboBox", "Color Style", "ChannelNameColorStyle",
                      {"Font", "ChannelColor", "XAxisFontColor ", "YAxisFontColor"})
            .In(channelName, 10, 48, 75, 115),
        EditRow("LegendLineColumnWidthEdit", "Width", "LineColumnWidth", ievkInteger).In(lineColumn, 10, 20, 50, 50),
        EditRow("LegendLineColumnHeightEdit", "Height", "LineColumnHeight", ievkInteger)
            .In(lineColumn, 10, 48, 50, 50),
        EditRow("LegendColumnSpacingEdit", "Column Spacing", "ColumnSpacing", ievkFloat).In(General, 8, 84, 100, 50),
        CheckRow("LegendBackGroundTransparentCheckBox", "Transparent", "BackGroundTransparent")
            .In(background, 10, 18, 0, 0),
        ColorRow("LegendBackgroundColorPicker", "Color", "BackGroundColor").In(background, 10, 46, 50, 0),
        ColorRow("LegendSelectedItemColorPicker", "Background Color", "SelectedItemBackGroundColor")
            .In(selected, 10, 20, 110, 0),
        CheckRow("LegendShowLineCheckbox", "Line", "ShowColumnLine").In(show, 10, 18, 0, 0),
        CheckRow("LegendShowMarkerCheckbox", "Marker", "ShowColumnMarker").In(show, 10, 40, 0, 0),
        CheckRow("LegendShowXAxisTitleCheckbox", "X-Axis Title", "ShowColumnXAxisTitle").In(show, 10, 62, 0, 0),
        CheckRow("LegendShowYAxisTitleCheckbox", "Y-Axis Title", "ShowColumnYAxisTitle").In(show, 10, 84, 0, 0),
        CheckRow("LegendShowXValueCheckbox", "X-Value", "ShowColumnXValue").In(show, 10, 106, 0, 0),
        CheckRow("LegendShowYValueCheckbox", "Y-Value", "ShowColumnYValue").In(show, 130, 18, 0, 0),
        CheckRow("LegendShowYMaxCheckbox", "Y-Max", "ShowColumnYMax").In(show, 130, 40, 0, 0),
        CheckRow("LegendShowYMinCheckbox", "Y-Min", "ShowColumnYMin").In(show, 130, 62, 0, 0),
        CheckRow("LegendShowYMeanCheckbox", "Y-Mean", "ShowColumnYMean").In(show, 130, 84, 0, 0),
    };
    AddWrapGroup(body, "Col", 8);
    AddWrapGroup(body, "Row", 368);
    body.Rows.insert(body.Rows.end(), {
        CheckRow("LegendColumnTitlesVisibleCheckbox", "Visible", "ColumnTitlesVisible").In(titles, 10, 18, 0, 0),
        FontRow("LegendFontPicker", "Font", "Font").In(General, 8, 116, 0, 0),
        FontRow("LegendSelectedItemFontPicker", "Font", "SelectedItemFont").In(selected, 10, 50, 0, 0),
        FontRow("LegendColumnTitlesFontPicker", "Font", "ColumnTitlesFont").In(titles, 10, 44, 0, 0),
    });
    // The legend list lives on a sheet whose tab is not shown, in a hidden
    // group with the name edit: only code selects a legend.
    body.Wire = [](TgPlotEditorForm &Form) {
        static_cast<TTabSheet *>(Form.FindComponent(Hidden))->SetTabVisible(false);
        auto *group = static_cast<TWinControl *>(Form.FindComponent(QStringLiteral("LegendHiddenGroupBox")));
        group->SetVisible(false);
        TgComponentEditorListBox *list = Form.ListBox(iekLegend);
        list->SetParent(group);
        list->SetBounds(10, 48, 200, 140);
    };
    return body;
}
