// The Limits tab of the plot editor: the selected limit's lines or band,
// their look and the axes they stand on.
#include "gPlotEditorTabs.h"

namespace {

const QString Pages = "LimitPageControl", General = "LimitGeneralTabSheet";

} // namespace

TgEditorTabBody LimitTabBody()
{
    TgEditorTabBody body;
    body.Frames = {
        PageControlFrame(Pages, "LimitTabSheet"),
        SheetFrame(General, "General", Pages),
    };
    body.Rows = {
        EditRow("LimitNameEdit", "Name", "Name", ievkText).In(General, 8, 8, 100, 150),
        CheckRow("LimitVisibleCheckBox", "Visible", "Visible").In(General, 290, 124, 0, 0),
        CheckRow("LimitUserCanMoveCheckBox", "User Can Move", "UserCanMove").In(General, 290, 148, 0, 0),
        CheckRow("LimitPopUpEnabledCheckBox", "Popup Enabled", "PopupEnabled").In(General, 290, 172, 0, 0),
        CheckRow("LimitClipToAxesCheckBox", "Clip To Axes", "ClipToAxes").In(General, 290, 196, 0, 0),
        EditRow("LimitLayerEdit", "Layer", "Layer", ievkInteger)
            .In(General, 8, 120, 100, 50)
            .WithUpDown("LimitLayerUpDown", 0, 0),
        ComboIndexRow("LimitStyleComboBox", "Style", "Style",
                      {"Line X", "Line Y", "Band X", "Band Y", "Poly Band X", "Poly Band Y"})
            .In(General, 8, 36, 100, 150),
        EditRow("LimitLine1PositionEdit", "Line 1 Position", "Line1Position", ievkFloat).In(General, 8, 64, 100, 80),
        EditRow("LimitLine2PositionEdit", "Line 2 Position", "Line2Position", ievkFloat).In(General, 8, 92, 100, 80),
        ComboIndexRow("LimitFillStyleCombobox", "Fill Style", "FillStyle", BrushStyleItems())
            .In(General, 290, 8, 80, 130),
        ComboIndexRow("LimitLineStyleComboBox", "Line Style", "LineStyle", PenStyleItems())
            .In(General, 290, 36, 80, 130),
        EditRow("LimitLineWidthEdit", "Line Width", "LineWidth", ievkInteger)
            .In(General, 290, 64, 80, 45)
            .WithUpDown("LimitLineWidthUpDown", 0, 100),
        ColorRow("LimitColorPicker", "Color", "Color").In(General, 290, 92, 80, 0),
        ComboTextRow("LimitXAxisNameComboBox", "X-Axis Name", "XAxisName", ienlXAxis).In(General, 8, 148, 100, 150),
        ComboTextRow("LimitYAxisNameComboBox", "Y-Axis Name", "YAxisName", ienlYAxis).In(General, 8, 176, 100, 150),
    };
    return body;
}
