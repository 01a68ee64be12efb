// The Data View tab of the plot editor: the data view chosen in the hidden
// list (the first one unless the Layout tab or the plot chose another), its
// background, grid and axes control, and its grid lines with the custom
// look of each kind of line.
#include "PageControl.h"
#include "TypInfo.h"
#include "gComponentEditorComboBox.h"
#include "gPlotEditorForm.h"
#include "gPlotEditorTabs.h"

namespace {

const QStringList kLineStyles{"Solid", "Dash", "Dot"};
const QStringList kAxesControlStyles{"X-Axis", "Y-Axis", "Both", "None"};

// The sub-tabs.
const QString General = "DataViewGeneralTabSheet", GridLines = "DataViewGridLinesTabSheet",
              Hidden = "DataViewHiddenTabSheet";

// One kind of grid line ("XMajor") on its sub-tab ("XMajors"): its Show
// check box (written with the other Show rows) and its custom look.
struct LineKind {
    QString Kind, Sheet, Group;
};

LineKind Line(const QString &Kind)
{
    return {Kind, QStringLiteral("DataViewGridLine%1sTabSheet").arg(Kind),
            QStringLiteral("DataView%1sCustomGroupBox").arg(Kind)};
}

const LineKind kLines[] = {Line("XMajor"), Line("XMinor"), Line("YMajor"), Line("YMinor")};

// The grid's axis name combos and their properties.
const std::pair<QString, QString> kAxisNameCombos[] = {
    {"DataViewGridXAxisNameComboBox", "GridXAxisName"},
    {"DataViewGridYAxisNameComboBox", "GridYAxisName"},
};

} // namespace

TgEditorTabBody DataViewTabBody()
{
    const QString background = "DataViewBackgroundGroupBox", grid = "DataViewGridGroupBox",
                  axesControl = "DataViewAxesControlGroupBox", show = "DataViewGridLineShowGroupBox",
                  custom = "DataViewGridLinesCustomPageControl", hidden = "DataViewHiddenGroupBox";
    TgEditorTabBody body;
    body.Frames = {
        PageControlFrame("DataViewPageControl", "DataViewTabSheet"),
        SheetFrame(General, "General", "DataViewPageControl"),
        SheetFrame(GridLines, "Grid Lines", "DataViewPageControl"),
        SheetFrame(Hidden, "Hidden", "DataViewPageControl"),
        GroupFrame(hidden, "", Hidden, 8, 8, 200, 60),
        GroupFrame(background, "Background", General, 8, 62, 190, 78),
        GroupFrame(grid, "Grid", General, 210, 4, 250, 106),
        GroupFrame(axesControl, "Axes Control", General, 472, 4, 262, 134),
        GroupFrame(show, "Show", GridLines, 8, 120, 190, 72),
        PageControlFrame(custom, GridLines, 210, 4, 520, 180),
    };
    for (const LineKind &l : kLines) {
        QString caption = l.Kind;
        caption.insert(1, '-');
        body.Frames.push_back(SheetFrame(l.Sheet, caption + 's', custom));
    }
    for (const LineKind &l : kLines)
        body.Frames.push_back(GroupFrame(l.Group, "Custom Properties", l.Sheet, 100, 6, 260, 112));

    body.Rows = {
        // Shows the data view's name; out of reach, it never renames it.
        EditRow("DataViewNameEdit", "", "Name", ievkText).In(hidden, 8, 20, 0, 150),
        CheckRow("DataViewEnabledCheckBox", "Enabled", "Enabled").In(General, 8, 8, 0, 0),
        CheckRow("DataViewPopupEnabledCheckBox", "Popup Enabled", "PopupEnabled").In(General, 8, 33, 0, 0),
        EditRow("DataViewLayerEdit", "Layer", "Layer", ievkInteger)
            .In(GridLines, 8, 8, 80, 50)
            .WithUpDown("DataViewLayerUpDown", 0, 0),
        CheckRow("DataViewBackGroundTransparentCheckBox", "Transparent", "BackgroundTransparent")
            .In(background, 10, 18, 0, 0),
        ColorRow("DataViewBackgroundColorPicker", "Color", "BackgroundColor").In(background, 10, 44, 50, 0),
        CheckRow("DataViewGridShow", "Show", "GridShow").In(grid, 10, 18, 0, 0),
        ComboTextRow("DataViewGridXAxisNameComboBox", "X-Axis Name", "GridXAxisName", ienlXAxisAll)
            .In(grid, 10, 44, 90, 140),
        ComboTextRow("DataViewGridYAxisNameComboBox", "Y-Axis Name", "GridYAxisName", ienlYAxisAll)
            .In(grid, 10, 72, 90, 140),
        CheckRow("DataViewAxesControlEnabledCheckBox", "Enabled", "AxesControlEnabled").In(axesControl, 10, 18, 0, 0),
        CheckRow("DataViewAxesControlAllowInSelectModeCheckBox", "Allow In Select Mode", "AxesControlAllowInSelectMode")
            .In(axesControl, 10, 42, 0, 0),
        ComboIndexRow("DataViewAxesControlMouseStyleComboBox", "Mouse Style", "AxesControlMouseStyle",
                      kAxesControlStyles)
            .In(axesControl, 10, 72, 90, 150),
        ComboIndexRow("DataViewAxesControlWheelStyleComboBox", "Wheel Style", "AxesControlWheelStyle",
                      kAxesControlStyles)
            .In(axesControl, 10, 100, 90, 150),
        ColorRow("DataViewGridLineColorPicker", "Color", "GridLineColor").In(GridLines, 8, 36, 80, 0),
        CheckRow("DataViewGridLineShowLeft", "Left", "GridLineShowLeft").In(show, 10, 18, 0, 0),
        CheckRow("DataViewGridLineShowRight", "Right", "GridLineShowRight").In(show, 96, 18, 0, 0),
        CheckRow("DataViewGridLineShowTop", "Top", "GridLineShowTop").In(show, 10, 42, 0, 0),
        CheckRow("DataViewGridLineShowBottom", "Bottom", "GridLineShowBottom").In(show, 96, 42, 0, 0),
    };
    for (const LineKind &l : kLines)
        body.Rows.push_back(CheckRow(QStringLiteral("DataViewGridLineShow%1sCheckBox").arg(l.Kind), "Show",
                                     QStringLiteral("GridLineShow%1s").arg(l.Kind))
                                .In(l.Sheet, 8, 34, 0, 0));
    body.Rows.push_back(ComboIndexRow("DataViewGridLineMajorStyleComboBox", "Major Style", "GridLineMajorStyle",
                                      kLineStyles)
                            .In(GridLines, 8, 64, 80, 110));
    body.Rows.push_back(ComboIndexRow("DataViewGridLineMinorStyleComboBox", "Minor Style", "GridLineMinorStyle",
                                      kLineStyles)
                            .In(GridLines, 8, 92, 80, 110));
    for (const LineKind &l : kLines) {
        const QString name = "DataViewGridLine" + l.Kind, path = "GridLine" + l.Kind;
        body.Rows.push_back(CheckRow(name + "CustomCheckBox", "Custom", path + "Custom").In(l.Sheet, 8, 10, 0, 0));
        body.Rows.push_back(ColorRow(name + "ColorColorPicker", "Color", path + "Color").In(l.Group, 10, 22, 50, 0));
        body.Rows.push_back(EditRow(name + "WidthEdit", "Width", path + "Width", ievkInteger)
                                .In(l.Group, 10, 50, 50, 45)
                                .WithUpDown(name + "WidthUpDown", 0, 100));
        body.Rows.push_back(
            ComboIndexRow(name + "StyleComboBox", "Style", path + "Style", kLineStyles).In(l.Group, 10, 78, 50, 110));
    }
    // The sheet that holds the name edit is out of reach.
    body.Wire = [hidden](TgPlotEditorForm &Form) {
        static_cast<TTabSheet *>(Form.FindComponent(Hidden))->SetTabVisible(false);
        static_cast<TControl *>(Form.FindComponent(hidden))->SetVisible(false);
    };
    // The data view reads "<All>" (any case) as every axis of the kind, in
    // whatever language the combo shows that entry (its last): the entry
    // is stored as "<All>", and "<All>" shows as the entry.
    body.AfterFill = [](TgPlotEditorForm &Form, TObject *Object) {
        for (const auto &[combo, path] : kAxisNameCombos)
            if (GetPropValue(Object, path).toString().toUpper() == QLatin1String("<ALL>")) {
                auto *c = static_cast<TgComponentEditorComboBox *>(Form.FindComponent(combo));
                c->SetAsInteger(c->Items()->Count() - 1);
            }
    };
    body.AfterApply = [](TgPlotEditorForm &Form, TObject *Object) {
        for (const auto &[combo, path] : kAxisNameCombos) {
            auto *c = static_cast<TgComponentEditorComboBox *>(Form.FindComponent(combo));
            if (c->AsInteger() >= 0 && c->AsInteger() == c->Items()->Count() - 1 &&
                GetPropValue(Object, path).toString().toUpper() != QLatin1String("<ALL>"))
                SetPropValue(Object, path, QStringLiteral("<All>"));
        }
    };
    return body;
}
