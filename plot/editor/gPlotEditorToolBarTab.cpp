// The ToolBar tab of the plot editor: the toolbar chosen in the hidden list
// (the first one unless the Layout tab or the plot chose another), its
// state and the buttons it shows.
#include "gPlotEditorTabs.h"

#include <iterator>

namespace {

// The buttons the toolbar can show ("Show" + Which), in the order the
// tab writes them.
const struct {
    const char *Which;
    const char *Caption;
} kButtons[] = {
    {"ResumeButton", "Resume"},         {"PauseButton", "Pause"},   {"AxesModeButtons", "Axes Mode"},
    {"ZoomInOutButtons", "Zoom In/Out"}, {"SelectButton", "Select"}, {"ZoomBoxButton", "Zoom Box"},
    {"CursorButton", "Cursor"},         {"EditButton", "Edit"},     {"CopyButton", "Copy"},
    {"SaveButton", "Save"},             {"PrintButton", "Print"},   {"PreviewButton", "Preview"},
};

} // namespace

TgEditorTabBody ToolBarTabBody()
{
    const QString sheet = "ToolBarTabSheet", show = "ToolBarShowGroupBox", hidden = "ToolBarHiddenGroupBox";
    TgEditorTabBody body;
    body.Frames = {
        GroupFrame(show, "Show Button", sheet, 200, 4, 290, 176),
        // Out of reach, in the form's hidden list panel beside the list.
        GroupFrame(hidden, "", "gToolBarListPanel", 0, 0, 120, 60),
    };
    body.Rows = {
        // Shows the toolbar's name; out of reach, it never renames it.
        EditRow("ToolBarNameEdit", "", "Name", ievkText).In(hidden, 4, 20, 0, 100),
        CheckRow("ToolBarVisibleCheckBox", "Visible", "Visible").In(sheet, 8, 8, 0, 0),
        CheckRow("ToolBarEnabledCheckBox", "Enabled", "Enabled").In(sheet, 8, 33, 0, 0),
        CheckRow("ToolBarPopupEnabledCheckBox", "Popup Enabled", "PopupEnabled").In(sheet, 8, 58, 0, 0),
        CheckRow("ToolBarFlatBorderCheckBox", "Flat Border", "FlatBorder").In(sheet, 8, 83, 0, 0),
        CheckRow("ToolBarFlatButtonsCheckBox", "Flat Buttons", "FlatButtons").In(sheet, 8, 108, 0, 0),
        CheckRow("ToolBarSmallButtonsCheckBox", "Small Buttons", "SmallButtons").In(sheet, 8, 133, 0, 0),
    };
    // The buttons' check boxes, in two columns of six.
    for (int i = 0; i < int(std::size(kButtons)); ++i) {
        const QString which = QString::fromLatin1(kButtons[i].Which);
        body.Rows.push_back(CheckRow("ToolBarShow" + which + "CheckBox", kButtons[i].Caption, "Show" + which)
                                .In(show, i < 6 ? 12 : 150, 20 + 25 * (i % 6), 0, 0));
    }
    body.Rows.push_back(EditRow("ToolBarZoomInOutFactorEdit", "Zoom In/Out Factor", "ZoomInOutFactor", ievkFloat)
                            .In(sheet, 8, 166, 120, 60));
    return body;
}
