// The Cursors tab of the plot editor: the selected data cursor's look, its
// hint and the channel it reads.
#include "gPlotDataCursor.h"
#include "gPlotEditorTabs.h"

namespace {

const QString Pages = "DataCursorPageControl", General = "DataCursorGeneralTabSheet",
              Channel = "DataCursorChannelTabSheet", Hint = "DataCursorHintTabSheet";

} // namespace

TgEditorTabBody DataCursorTabBody()
{
    TgEditorTabBody body;
    body.Frames = {
        PageControlFrame(Pages, "DataCursorTabSheet"),
        SheetFrame(General, "General", Pages),
        SheetFrame(Channel, "Channel", Pages),
        SheetFrame(Hint, "Hint", Pages),
    };
    body.Rows = {
        EditRow("DataCursorNameEdit", "Name", "Name", ievkText).In(General, 8, 8, 70, 150),
        CheckRow("DataCursorPopupEnabledCheckBox", "Popup Enabled", "PopupEnabled").In(General, 8, 128, 0, 0),
        CheckRow("DataCursorSnapToDataPointCheckBox", "Snap To Data Point", "SnapToDataPoint")
            .In(General, 8, 152, 0, 0),
        ComboIndexRow("DataCursorStyleComboBox", "Style", "Style",
                      {"Value XY", "Value X", "Value Y", "Delta X", "Delta Y", "Inverse Delta X"})
            .In(General, 8, 36, 70, 150),
        ColorRow("DataCursorColorPicker", "Color", "Color").In(General, 8, 64, 70, 0),
        CheckRow("DataCursorUseChannelColorCheckBox", "Use Channel Color", "UseChannelColor")
            .In(General, 8, 176, 0, 0),
        EditRow("DataCursorHintPositionEdit", "Position", "HintPosition", ievkFloat).In(Hint, 8, 8, 70, 70),
        CheckRow("DataCursorHintShowCheckBox", "Show", "HintShow").In(Hint, 8, 36, 0, 0),
        CheckRow("DataCursorHintHideOnReleaseCheckBox", "Hide On Release", "HintHideOnRelease").In(Hint, 8, 60, 0, 0),
        // The items read in the other order than the orientation's values.
        RadioRow("DataCursorOrientationSideRadioGroup", "Orientation Side", "HintOrientationSide",
                 {"Bottom-Right", "Top-Left"})
            .In(Hint, 200, 4, 0, 130, 66)
            .WithOrdinals({iosBottomRight, iosTopLeft}),
        EditRow("DataCursorPointer1PositionEdit", "Pointer 1 Position", "Pointer1Position", ievkFloat)
            .In(General, 270, 8, 120, 70),
        EditRow("DataCursorPointer2PositionEdit", "Pointer 2 Position", "Pointer2Position", ievkFloat)
            .In(General, 270, 36, 120, 70),
        EditRow("DataCursorPointerPenWidthEdit", "Pointer Pen Width", "PointerPenWidth", ievkInteger)
            .In(General, 270, 64, 120, 45)
            .WithUpDown("DataCursorPointerPenWidthUpDown", 1, 50),
        ComboTextRow("DataCursorChannelNameComboBox", "Name", "ChannelName", ienlChannelAll)
            .In(Channel, 8, 8, 50, 160),
        CheckRow("DataCursorChannelAllowAllCheckBox", "Allow All", "ChannelAllowAll").In(Channel, 8, 36, 0, 0),
        CheckRow("DataCursorChannelShowAllInLegendCheckBox", "Show All In Legend", "ChannelShowAllInLegend")
            .In(Channel, 8, 60, 0, 0),
        FontRow("DataCursorFontPicker", "Font", "Font").In(General, 8, 92, 70, 0),
    };
    return body;
}
