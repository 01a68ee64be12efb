// The ToolBar tab of the plot editor: the toolbar chosen in the hidden list
// (the first one unless the Layout tab or the plot chose another), its
// state and the buttons it shows.
#include "gPlotEditorTabs.h"

TgEditorTabBody ToolBarTabBody()
{
    const QString sheet = "ToolBarTabSheet", show = "ToolBarShowGroupBox", hidden = "ToolBarHiddenGroupBox";
    TgEditorTabBody body;
    body.Frames = {
        GroupFrame("ToolBarShowGroupBox", "Show Button", sheet, 200, 4, 290, 176),
        // Out of reach, in the form's hidden list panel beside the list.
        GroupFrame(hidden, "", "gToolBarListPanel", 0, 0, 120, 60),
    };
    // The buttons' check boxes in two columns of six.
    const auto button = [&](int Index) {
        return std::pair{Index < 6 ? 12 : 150, 20 + 25 * (Index % 6)};
    };
    const auto at = [&](TgEditorRow Row, int Index) {
        const auto [x, y] = button(Index);
        return Row.In(show, x, y, 0, 0);
    };
    body.Rows = {
        // Shows the toolbar's name; out of reach, it never renames it.
        EditRow("ToolBarNameEdit", "", "Name", ievkText).In(hidden, 4, 20, 0, 100).ShownOnly(),
        CheckRow("ToolBarVisibleCheckBox", "Visible", "Visible").In(sheet, 8, 8, 0, 0),
        CheckRow("ToolBarEnabledCheckBox", "Enabled", "Enabled").In(sheet, 8, 33, 0, 0),
        CheckRow("ToolBarPopupEnabledCheckBox", "Popup Enabled", "PopupEnabled").In(sheet, 8, 58, 0, 0),
        CheckRow("ToolBarFlatBorderCheckBox", "Flat Border", "FlatBorder").In(sheet, 8, 83, 0, 0),
        CheckRow("ToolBarFlatButtonsCheckBox", "Flat Buttons", "FlatButtons").In(sheet, 8, 108, 0, 0),
        CheckRow("ToolBarSmallButtonsCheckBox", "Small Buttons", "SmallButtons").In(sheet, 8, 133, 0, 0),
        at(CheckRow("ToolBarShowResumeButtonCheckBox", "Resume", "ShowResumeButton"), 0),
        at(CheckRow("ToolBarShowPauseButtonCheckBox", "Pause", "ShowPauseButton"), 1),
        at(CheckRow("ToolBarShowAxesModeButtonsCheckBox", "Axes Mode", "ShowAxesModeButtons"), 2),
        at(CheckRow("ToolBarShowZoomInOutButtonsCheckBox", "Zoom In/Out", "ShowZoomInOutButtons"), 3),
        at(CheckRow("ToolBarShowSelectButtonCheckBox", "Select", "ShowSelectButton"), 4),
        at(CheckRow("ToolBarShowZoomBoxButtonCheckBox", "Zoom Box", "ShowZoomBoxButton"), 5),
        at(CheckRow("ToolBarShowCursorButtonCheckBox", "Cursor", "ShowCursorButton"), 6),
        at(CheckRow("ToolBarShowEditButtonCheckBox", "Edit", "ShowEditButton"), 7),
        at(CheckRow("ToolBarShowCopyButtonCheckBox", "Copy", "ShowCopyButton"), 8),
        at(CheckRow("ToolBarShowSaveButtonCheckBox", "Save", "ShowSaveButton"), 9),
        at(CheckRow("ToolBarShowPrintButtonCheckBox", "Print", "ShowPrintButton"), 10),
        at(CheckRow("ToolBarShowPreviewButtonCheckBox", "Preview", "ShowPreviewButton"), 11),
        EditRow("ToolBarZoomInOutFactorEdit", "Zoom In/Out Factor", "ZoomInOutFactor", ievkFloat)
            .In(sheet, 8, 166, 120, 60),
    };
    return body;
}
