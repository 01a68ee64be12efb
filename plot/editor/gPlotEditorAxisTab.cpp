// The X-Axes and Y-Axes tabs of the plot editor. Both come from one table
// made for an axis direction: the control names carry the tab's prefix, the
// Cartesian child reference names the axes of the other direction, and the
// Y tab's own ranges and write order are applied beside the table.
#include "Button.h"
#include "gComponentEditorCheckBox.h"
#include "gComponentEditorComboBox.h"
#include "gComponentEditorEdit.h"
#include "gPlotEditorForm.h"
#include "gPlotEditorTabs.h"

#include <algorithm>

namespace {

const QStringList kFormatStyles{"Value", "Exponent", "Prefix", "Date/Time", "Price 32nds", "Thousands"};
const QStringList kDateTimeFormats{"hh:nn:ss",
                                   "hh:nn:ss.zzz",
                                   "m/d hh:nn:ss",
                                   "d mmm h:nn:ss am/pm",
                                   "m/d/yy h:nn:ss am/pm",
                                   "m/d/yyyy h:nn:ss am/pm"};
const QStringList kPrecisionStyles{"Significant Digits", "Fixed Decimal Points"};

// What sets the two tabs apart.
struct AxisTab {
    QString Prefix;            // "XAxis": every control name begins so
    QString Caption;           // the tab's caption, "X-Axes"
    QString LayerUpDown;       // the up-down of the Layer edit (one name a tab)
    TgEditorNameList Own;      // the names of the tab's own axes
    TgEditorNameList Other;    // the names of the axes of the other direction
    int LabelPrecisionMax;     // of the label and legend precision up-downs
    bool ChildRefOnDropDown;   // the child reference list refilled as it drops down
    bool YWriteOrder;          // the Y tab's order of writing (YWriteOrder)
};

AxisTab TabOf(TgPlotEditorKind Kind)
{
    if (Kind == iekXAxis)
        return {"XAxis", "X-Axes", "gUpDown3", ienlXAxis, ienlYAxis, 1000, true, false};
    return {"YAxis", "Y-Axes", "gUpDown4", ienlYAxis, ienlXAxis, 20, false, true};
}

// An editable combo whose text is the value.
TgEditorRow DateTimeFormatRow(const QString &Name, const QString &Path)
{
    TgEditorRow r = ComboTextRow(Name, "Date Time Format", Path);
    r.Items = kDateTimeFormats;
    return r;
}

// The Y tab writes DesiredIncrement before DesiredStart and LabelsRotation
// before LabelsFormatStyle, and CursorPrecision a second time right after
// ScaleType.
void YWriteOrder(std::vector<TgEditorRow> &Rows, const QString &Prefix)
{
    const auto at = [&Rows](const char *Path) {
        return std::find_if(Rows.begin(), Rows.end(), [Path](const TgEditorRow &r) { return r.Path == Path; });
    };
    std::iter_swap(at("DesiredStart"), at("DesiredIncrement"));
    std::iter_swap(at("LabelsFormatStyle"), at("LabelsRotation"));
    Rows.insert(at("ScaleType") + 1, BindRow(Prefix + "CursorPrecisionEdit", ierEdit, "CursorPrecision"));
}

// "Copy Default": the label format shown on "(Default)" copied silently
// into the Cursor or Legend controls (Target), then written into the axis.
void CopyDefault(TgPlotEditorForm &Form, TgPlotEditorKind Kind, const QString &Prefix, const QString &Target)
{
    const auto get = [&](const QString &Name) { return Form.FindComponent(Prefix + Name); };
    const auto combo = [&](const QString &Name) { return static_cast<TgComponentEditorComboBox *>(get(Name)); };
    const auto edit = [&](const QString &Name) { return static_cast<TgComponentEditorEdit *>(get(Name)); };
    const auto check = [&](const QString &Name) { return static_cast<TgComponentEditorCheckBox *>(get(Name)); };
    combo(Target + "FormatStyleComboBox")->SetAsInteger(combo("LabelFormatStyleComboBox")->AsInteger());
    combo(Target + "DateTimeFormatComboBox")->SetAsString(combo("DateTimeFormatComboBox")->AsString());
    combo(Target + "PrecisionStyleComboBox")->SetAsInteger(combo("LabelPrecisionStyleComboBox")->AsInteger());
    edit(Target + "PrecisionEdit")->SetAsString(edit("LabelPrecisionEdit")->Text());
    edit(Target + "MinLengthEdit")->SetAsString(edit("LabelMinLengthEdit")->Text());
    check(Target + "MinLengthAutoAdjustCheckBox")
        ->SetAsBoolean(check("LabelMinLengthAutoAdjustCheckBox")->AsBoolean());
    Form.ApplyKind(Kind);
}

} // namespace

TgEditorTabBody AxisTabBody(TgPlotEditorKind Kind)
{
    const AxisTab t = TabOf(Kind);
    const QString &p = t.Prefix;
    const QString pages = p + "PageControl", labelPages = p + "LabelsPageControl";
    const QString General = p + "GeneralTabSheet", Title = p + "TitleTabSheet", Labels = p + "LabelsTabSheet",
                  Tracking = p + "TrackingTabSheet", Cursor = p + "CursorTabSheet", Scroll = p + "ScrollTabSheet",
                  Scale = p + "ScaleTabSheet", Cartesian = p + "CartesianTabSheet",
                  Default = p + "LabelsDefaultTabSheet", LabelCursor = p + "LabelsCursorTabSheet",
                  Legend = p + "LabelsLegendTabSheet";

    TgEditorTabBody body;
    body.Frames = {
        PageControlFrame(pages, QString::fromLatin1(EditorKindFrame(Kind).Sheet)),
        SheetFrame(General, "General", pages),
        SheetFrame(Title, "Title", pages),
        SheetFrame(Labels, "Labels", pages),
        SheetFrame(Tracking, "Tracking", pages),
        SheetFrame(Cursor, "Cursor", pages),
        SheetFrame(Scroll, "Scroll", pages),
        SheetFrame(Scale, "Scale", pages),
        SheetFrame(Cartesian, "Cartesian", pages),
        PageControlFrame(labelPages, Labels),
        SheetFrame(Default, "(Default)", labelPages),
        SheetFrame(LabelCursor, "Cursor", labelPages),
        SheetFrame(Legend, "Legend", labelPages),
    };
    // The Cursor and Legend sub-tabs of Labels are laid out alike.
    const auto texts = [&](const QString &Sheet, const QString &Which, int PrecisionMax) {
        const QString n = p + Which;
        return std::vector<TgEditorRow>{
            CheckRow(n + "UseDefaultFormatCheckBox", "Use Default Format", Which + "UseDefaultFormat")
                .In(Sheet, 8, 8, 0, 0),
            ComboIndexRow(n + "FormatStyleComboBox", "Format Style", Which + "FormatStyle", kFormatStyles)
                .In(Sheet, 8, 36, 110, 120),
            DateTimeFormatRow(n + "DateTimeFormatComboBox", Which + "DateTimeFormat").In(Sheet, 8, 64, 110, 170),
            ComboIndexRow(n + "PrecisionStyleComboBox", "Precision Style", Which + "PrecisionStyle", kPrecisionStyles)
                .In(Sheet, 8, 92, 110, 140),
            EditRow(n + "PrecisionEdit", "Precision", Which + "Precision", ievkInteger)
                .In(Sheet, 8, 120, 110, 50)
                .WithUpDown(n + "PrecisionUpDown", 0, PrecisionMax),
            EditRow(n + "MinLengthEdit", "Min Length", Which + "MinLength", ievkFloat).In(Sheet, 320, 8, 90, 60),
            CheckRow(n + "MinLengthAutoAdjustCheckBox", "Min Length Auto Adjust", Which + "MinLengthAutoAdjust")
                .In(Sheet, 320, 36, 0, 0),
        };
    };
    const std::vector<TgEditorRow> cursorTexts = texts(LabelCursor, "Cursor", 20);
    const std::vector<TgEditorRow> legendTexts = texts(Legend, "Legend", t.LabelPrecisionMax);

    // In the order of writing.
    body.Rows = {
        EditRow(p + "NameEdit", "Name", "Name", ievkText).In(General, 8, 8, 110, 130),
        CheckRow(p + "VisibleCheckBox", "Visible", "Visible").In(General, 280, 8, 0, 0),
        CheckRow(p + "GridLinesVisibleCheckBox", "Grid Lines Visible", "GridLinesVisible").In(General, 280, 32, 0, 0),
        CheckRow(p + "EnabledCheckBox", "Enabled", "Enabled").In(General, 280, 56, 0, 0),
        CheckRow(p + "PopupEnabledCheckBox", "Popup Enabled", "PopupEnabled").In(General, 280, 80, 0, 0),
        EditRow(p + "LayerEdit", "Layer", "Layer", ievkInteger)
            .In(Cartesian, 8, 8, 130, 50)
            .WithUpDown(t.LayerUpDown, 0, 0),
        EditRow(p + "StartPercentEdit", "Start Percent", "StartPercent", ievkFloat).In(Scale, 8, 8, 140, 60),
        EditRow(p + "StopPercentEdit", "Stop Percent", "StopPercent", ievkFloat).In(Scale, 8, 36, 140, 60),
        EditRow(p + "MinEdit", "Min", "Min", ievkFloat)
            .In(General, 8, 36, 110, 110)
            .WithPicker(p + "MinTimePicker", ivcptDateTime),
        EditRow(p + "SpanEdit", "Span", "Span", ievkFloat)
            .In(General, 8, 64, 110, 110)
            .WithPicker(p + "SpanTimePicker", ivcptInterval),
        EditRow(p + "DesiredStartEdit", "Desired Start", "DesiredStart", ievkFloat)
            .In(General, 8, 92, 110, 110)
            .WithPicker(p + "DesiredStartTimePicker", ivcptInterval),
        EditRow(p + "DesiredIncrementEdit", "Desired Increment", "DesiredIncrement", ievkFloat)
            .In(General, 8, 120, 110, 110)
            .WithPicker(p + "DesiredIncrementTimePicker", ivcptInterval),
        CheckRow(p + "ReverseScaleCheckBox", "Reverse Scale", "ReverseScale").In(General, 280, 104, 0, 0),
        CheckRow(p + "RestoreValuesOnResumeCheckBox", "Restore Values On Resume", "RestoreValuesOnResume")
            .In(General, 280, 128, 0, 0),
        CheckRow(p + "MasterUIInputCheckBox", "Master UI Input", "MasterUIInput").In(General, 280, 152, 0, 0),
        EditRow(p + "InnerMarginEdit", "Inner Margin", "InnerMargin", ievkInteger)
            .In(Scale, 8, 64, 140, 50)
            .WithUpDown(p + "InnerMarginUpDown", -1000, 1000),
        EditRow(p + "OuterMarginEdit", "Outer Margin", "OuterMargin", ievkInteger)
            .In(Scale, 8, 92, 140, 50)
            .WithUpDown(p + "OuterMarginUpDown", -1000, 1000),
        EditRow(p + "TitleTextEdit", "Text", "Title", ievkText).In(Title, 8, 8, 60, 250),
        EditRow(p + "TitleMarginEdit", "Margin", "TitleMargin", ievkFloat).In(Title, 8, 36, 60, 60),
        CheckRow(p + "TitleShowCheckBox", "Show", "TitleShow").In(Title, 8, 64, 0, 0),
        CheckRow(p + "TitleRotatedCheckBox", "Rotated", "TitleRotated").In(Title, 8, 88, 0, 0),
        CheckRow(p + "ScaleLinesShowCheckBox", "Lines Show", "ScaleLinesShow").In(Scale, 300, 8, 0, 0),
        ColorRow(p + "ScaleLinesColorPicker", "Lines Color", "ScaleLinesColor").In(Scale, 300, 36, 100, 0),
        EditRow(p + "MajorLengthEdit", "Major Length", "MajorLength", ievkInteger)
            .In(Scale, 300, 64, 100, 50)
            .WithUpDown(p + "MajorLengthUpDown", 0, 1000),
        EditRow(p + "MinorLengthEdit", "Minor Length", "MinorLength", ievkInteger)
            .In(Scale, 300, 92, 100, 50)
            .WithUpDown(p + "MinorLengthUpDown", 0, 1000),
        EditRow(p + "MinorCountEdit", "Minor Count", "MinorCount", ievkInteger)
            .In(Scale, 300, 120, 100, 50)
            .WithUpDown(p + "MinorCountUpDown", 0, 100),
        CheckRow(p + "LabelVisibleCheckBox", "Visible", "LabelsVisible").In(Default, 8, 8, 0, 0),
        EditRow(p + "LabelMarginEdit", "Margin", "LabelsMargin", ievkFloat).In(Default, 8, 36, 110, 60),
        ComboIndexRow(p + "LabelFormatStyleComboBox", "Format Style", "LabelsFormatStyle", kFormatStyles)
            .In(Default, 8, 64, 110, 120),
        ComboIndexRow(p + "LabelRotationComboBox", "Rotation", "LabelsRotation", {"0", "90", "180", "270"})
            .In(Default, 8, 92, 110, 60),
        DateTimeFormatRow(p + "DateTimeFormatComboBox", "DateTimeFormat").In(Default, 8, 120, 110, 170),
        ComboIndexRow(p + "LabelPrecisionStyleComboBox", "Precision Style", "LabelsPrecisionStyle", kPrecisionStyles)
            .In(Default, 320, 8, 110, 140),
        EditRow(p + "LabelPrecisionEdit", "Precision", "LabelsPrecision", ievkInteger)
            .In(Default, 320, 36, 110, 50)
            .WithUpDown(p + "LabelPrecisionUpDown", 0, t.LabelPrecisionMax),
        EditRow(p + "LabelMinLengthEdit", "Min Length", "LabelsMinLength", ievkFloat).In(Default, 320, 64, 110, 60),
        CheckRow(p + "LabelMinLengthAutoAdjustCheckBox", "Min Length Auto Adjust", "LabelsMinLengthAutoAdjust")
            .In(Default, 320, 92, 0, 0),
    };
    body.Rows.insert(body.Rows.end(), cursorTexts.begin(), cursorTexts.end());
    body.Rows.insert(body.Rows.end(), legendTexts.begin(), legendTexts.end());
    TgEditorRow childRef = ComboTextRow(p + "CartesianChildRefAxisNameComboBox", "Child Ref Axis Name",
                                        "CartesianChildRefAxisName", t.Other)
                               .In(Cartesian, 8, 64, 130, 140);
    if (!t.ChildRefOnDropDown)
        childRef.FilledOnRefreshOnly();
    const std::vector<TgEditorRow> rest = {
        CheckRow(p + "TrackingEnabledCheckBox", "Enabled", "TrackingEnabled").In(Tracking, 8, 8, 0, 0),
        ComboIndexRow(p + "TrackingStyleComboBox", "Style", "TrackingStyle",
                      {"Scale Min & Max", "Scale Max", "Scale Min", "Scroll Smooth", "Scroll Page", "Expand Collapse",
                       "Expand Collapse Fast", "Expand Min & Max"})
            .In(Tracking, 8, 36, 110, 150),
        ComboIndexRow(p + "TrackingIncrementStyleComboBox", "Increment Style", "TrackingIncrementStyle",
                      {"Minimum", "Major", "Minor"})
            .In(Tracking, 8, 64, 110, 100),
        ComboIndexRow(p + "TrackingAlignFirstStyleComboBox", "Align First Style", "TrackingAlignFirstStyle",
                      {"Min", "Max", "Auto", "None"})
            .In(Tracking, 8, 92, 110, 100),
        EditRow(p + "TrackingScrollCompressMaxEdit", "Scroll Compress Max", "TrackingScrollCompressMax", ievkFloat)
            .In(Tracking, 300, 8, 130, 70),
        EditRow(p + "TrackingSpanMinimumEdit", "Span Minimum", "TrackingSpanMinimum", ievkFloat)
            .In(Tracking, 300, 36, 130, 70),
        EditRow(p + "TrackingMaxMarginEdit", "Max Margin", "TrackingMaxMargin", ievkFloat)
            .In(Tracking, 300, 64, 130, 70),
        EditRow(p + "TrackingMinMarginEdit", "Min Margin", "TrackingMinMargin", ievkFloat)
            .In(Tracking, 300, 92, 130, 70),
        EditRow(p + "StackingEndsMarginEdit", "Stacking Ends Margin", "StackingEndsMargin", ievkFloat)
            .In(Scale, 8, 120, 140, 60),
        CheckRow(p + "ForceStackingCheckBox", "Force Stacking", "ForceStacking").In(Scale, 8, 148, 0, 0),
        EditRow(p + "LabelSeparationEdit", "Label Separation", "LabelSeparation", ievkFloat)
            .In(Default, 320, 120, 110, 60),
        RadioRow(p + "ScaleTypeRadioGroup", "Scale Type", "ScaleType", {"Linear", "Log10"})
            .In(General, 470, 4, 0, 110),
        EditRow(p + "CursorScalerEdit", "Scaler", "CursorScaler", ievkFloat).In(Cursor, 8, 8, 60, 80),
        CheckRow(p + "ScrollMinMaxEnabledCheckBox", "Min/Max Enabled", "ScrollMinMaxEnabled").In(Scroll, 8, 8, 0, 0),
        EditRow(p + "ScrollMinEdit", "Min", "ScrollMin", ievkFloat).In(Scroll, 8, 36, 60, 80),
        EditRow(p + "ScrollMaxEdit", "Max", "ScrollMax", ievkFloat).In(Scroll, 8, 64, 60, 80),
        ComboIndexRow(p + "CartesianStyleComboBox", "Style", "CartesianStyle", {"None", "Master", "Child"})
            .In(Cartesian, 8, 36, 130, 100),
        childRef,
        EditRow(p + "CartesianChildRefValueEdit", "Child Ref Value", "CartesianChildRefValue", ievkFloat)
            .In(Cartesian, 8, 92, 130, 80)
            .WithPicker(p + "CartesianChildRefValuePicker", ivcptInterval),
        ComboTextRow(p + "AlignRefAxisNameComboBox", "Align Ref Axis Name", "AlignRefAxisName", t.Own)
            .In(Scale, 8, 176, 140, 140),
        FontRow(p + "TitleFontPicker", "Font", "TitleFont").In(Title, 8, 114, 0, 0),
        FontRow(p + "LabelFontPicker", "Font", "LabelsFont").In(Default, 8, 150, 0, 0),
        // Placed only.
        ButtonRow(p + "CursorCopyDefaultButton", "Copy Default").In(LabelCursor, 320, 64, 0, 0),
        ButtonRow(p + "LegendCopyDefaultButton", "Copy Default").In(Legend, 320, 64, 0, 0),
        LabelRow(p + "CursorNoteLabel",
                 QStringLiteral("Note: See %1/Labels/Cursor Page For Additional Settings").arg(t.Caption))
            .In(Cursor, 8, 44, 0, 0),
    };
    body.Rows.insert(body.Rows.end(), rest.begin(), rest.end());
    if (t.YWriteOrder)
        YWriteOrder(body.Rows, p);

    body.Wire = [Kind, p](TgPlotEditorForm &Form) {
        for (const char *name : {"Cursor", "Legend"}) {
            const QString target = QString::fromLatin1(name);
            static_cast<TButton *>(Form.FindComponent(p + target + "CopyDefaultButton"))->OnClick =
                [&Form, Kind, p, target](TObject *) { CopyDefault(Form, Kind, p, target); };
        }
    };
    return body;
}
