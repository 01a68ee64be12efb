// The Labels tab of the plot editor: the selected label's text, margins,
// image and font. The plot's title is its first label, which the Control
// tab's title group edits too: the two show each other's changes, and the
// title cannot be removed here.
#include "Control.h"
#include "gPlotEditorForm.h"
#include "gPlotEditorTabs.h"

namespace {

const QString Pages = "LabelPageControl", General = "LabelGeneralTabSheet", Margin = "gLabelMarginGroupBox";

} // namespace

TgEditorTabBody LabelTabBody()
{
    TgEditorTabBody body;
    body.Frames = {
        PageControlFrame(Pages, "LabelsTabSheet"),
        SheetFrame(General, "General", Pages),
        GroupFrame(Margin, "Margin", General, 420, 4, 160, 100),
    };
    body.Rows = {
        EditRow("LabelNameEdit", "Name", "Name", ievkText).In(General, 8, 8, 110, 150),
        CheckRow("LabelVisibleCheckBox", "Visible", "Visible").In(General, 8, 180, 0, 0),
        EditRow("LabelCaptionMemo", "Caption", "Caption", ievkText).In(General, 8, 36, 110, 280),
        EditRow("LabelMarginLeftEdit", "", "MarginLeft", ievkFloat).In(Margin, 8, 44, 0, 44),
        EditRow("LabelMarginTopEdit", "", "MarginTop", ievkFloat).In(Margin, 58, 18, 0, 44),
        EditRow("LabelMarginRightEdit", "", "MarginRight", ievkFloat).In(Margin, 108, 44, 0, 44),
        EditRow("LabelMarginBottomEdit", "", "MarginBottom", ievkFloat).In(Margin, 58, 70, 0, 44),
        ComboIndexRow("LabelAlignmentComboBox", "Alignment", "Alignment", {"Center", "Left", "Right"})
            .In(General, 8, 64, 110, 100),
        EditRow("LabelImageListIndexEdit", "Image List Index", "ImageListIndex", ievkInteger)
            .In(General, 8, 92, 110, 45)
            .WithUpDown("gUpDown5", -1, 2),
        EditRow("LabelImageIndexEdit", "Image Index", "ImageIndex", ievkInteger)
            .In(General, 8, 120, 110, 45)
            .WithUpDown("gUpDown6", -1, 255),
        FontRow("LabelFontPicker", "Font", "Font").In(General, 8, 148, 110, 0),
    };
    body.AfterFill = [](TgPlotEditorForm &Form, TObject *Label) {
        static_cast<TControl *>(Form.FindComponent(QStringLiteral("LabelRemoveButton")))
            ->SetEnabled(Label != Form.TitleLabel());
    };
    body.AfterApply = [](TgPlotEditorForm &Form, TObject *Label) {
        if (Label == Form.TitleLabel())
            Form.RefreshTitleControls();
    };
    return body;
}
