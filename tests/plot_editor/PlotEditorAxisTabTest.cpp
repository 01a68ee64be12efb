// The X-Axes and Y-Axes tabs of the plot's property editor as their user
// meets them: every control set with the mouse and keys reaches the
// selected axis and shows it again after a refresh, on both tabs; "Copy
// Default"; typed date-time formats; the up-down ranges that differ between
// the tabs; the Y tab's order of writing; the name lists of the Cartesian
// and align references; an empty axis list and Add.
#include "PlotEditorFixture.h"
#include "TestInput.h"
#include "gComponentEditorButton.h"
#include "gPlotEditorTabs.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gUpDown.h"

#include <functional>

namespace {

using PlotEditorAxes = TPlotEditorFixture<>;

const char *const kTabs[] = {"XAxis", "YAxis"};

TgPlotAxis *Axis(TgXYPlot *Plot, const QString &Tab, int Index)
{
    return Tab == "XAxis" ? static_cast<TgPlotAxis *>(Plot->GetXAxis(Index)) : Plot->GetYAxis(Index);
}

int AxisCount(TgXYPlot *Plot, const QString &Tab)
{
    return Tab == "XAxis" ? Plot->XAxisCount() : Plot->YAxisCount();
}

// The axis names a name entry stands for: the first axis of the tab's own
// direction, or of the other one.
const QString kOwnFirst = "@own", kOtherFirst = "@other";

// One control of an axis tab (its name after the tab's prefix): what the
// user enters there and where that lands in the axis; then a value set into
// the axis and shown there after a refresh.
struct AxisRow {
    const char *control;
    QVariant entered;
    QVariant stored;
    std::function<QVariant(TgPlotAxis *)> read;
    std::function<void(TgPlotAxis *, const QVariant &)> write;
};

#define TQ62_ROW(Control, Entered, Stored, Get, Set)                                                               \
    AxisRow                                                                                                        \
    {                                                                                                              \
        Control, Entered, Stored, [](TgPlotAxis *a) { return QVariant::fromValue(a->Get); },                       \
            [](TgPlotAxis *a, const QVariant &v) { a->Set; }                                                      \
    }

// Tracking first: an axis resuming tracking takes back the range it had
// when tracking stopped.
const AxisRow kAxisRows[] = {
    TQ62_ROW("TrackingEnabledCheckBox", false, true, TrackingEnabled(), SetTrackingEnabled(v.toBool())),
    TQ62_ROW("NameEdit", "Pressure", "Flow", Name(), SetName(v.toString())),
    TQ62_ROW("VisibleCheckBox", false, true, Visible(), SetVisible(v.toBool())),
    TQ62_ROW("GridLinesVisibleCheckBox", false, true, GridLinesVisible(), SetGridLinesVisible(v.toBool())),
    TQ62_ROW("EnabledCheckBox", false, true, Enabled(), SetEnabled(v.toBool())),
    TQ62_ROW("PopupEnabledCheckBox", false, true, PopupEnabled(), SetPopupEnabled(v.toBool())),
    TQ62_ROW("LayerEdit", 7, 12, Layer(), SetLayer(v.toInt())),
    TQ62_ROW("StartPercentEdit", 10, 20, StartPercent(), SetStartPercent(v.toDouble())),
    TQ62_ROW("StopPercentEdit", 90.5, 80, StopPercent(), SetStopPercent(v.toDouble())),
    TQ62_ROW("MinEdit", 2.5, 4, Min(), SetMin(v.toDouble())),
    TQ62_ROW("SpanEdit", 50, 40, Span(), SetSpan(v.toDouble())),
    TQ62_ROW("DesiredStartEdit", 1.5, 3, DesiredStart(), SetDesiredStart(v.toDouble())),
    TQ62_ROW("DesiredIncrementEdit", 5, 10, DesiredIncrement(), SetDesiredIncrement(v.toDouble())),
    TQ62_ROW("ReverseScaleCheckBox", true, false, ReverseScale(), SetReverseScale(v.toBool())),
    TQ62_ROW("RestoreValuesOnResumeCheckBox", false, true, RestoreValuesOnResume(),
             SetRestoreValuesOnResume(v.toBool())),
    TQ62_ROW("MasterUIInputCheckBox", true, false, MasterUIInput(), SetMasterUIInput(v.toBool())),
    TQ62_ROW("InnerMarginEdit", -12, 8, InnerMargin(), SetInnerMargin(v.toInt())),
    TQ62_ROW("OuterMarginEdit", 14, 6, OuterMargin(), SetOuterMargin(v.toInt())),
    TQ62_ROW("TitleTextEdit", "Time", "Depth", Title(), SetTitle(v.toString())),
    TQ62_ROW("TitleMarginEdit", 0.5, 1.25, TitleMargin(), SetTitleMargin(v.toDouble())),
    TQ62_ROW("TitleShowCheckBox", true, false, TitleShow(), SetTitleShow(v.toBool())),
    TQ62_ROW("TitleRotatedCheckBox", true, false, TitleRotated(), SetTitleRotated(v.toBool())),
    TQ62_ROW("ScaleLinesShowCheckBox", false, true, ScaleLinesShow(), SetScaleLinesShow(v.toBool())),
    TQ62_ROW("ScaleLinesColorPicker", clNavy, clMaroon, ScaleLinesColor(), SetScaleLinesColor(TColor(v.toInt()))),
    TQ62_ROW("MajorLengthEdit", 9, 11, MajorLength(), SetMajorLength(v.toInt())),
    TQ62_ROW("MinorLengthEdit", 4, 5, MinorLength(), SetMinorLength(v.toInt())),
    TQ62_ROW("MinorCountEdit", 3, 4, MinorCount(), SetMinorCount(v.toInt())),
    TQ62_ROW("LabelVisibleCheckBox", false, true, LabelsVisible(), SetLabelsVisible(v.toBool())),
    TQ62_ROW("LabelMarginEdit", 0.5, 0.75, LabelsMargin(), SetLabelsMargin(v.toDouble())),
    TQ62_ROW("LabelFormatStyleComboBox", 2, 1, LabelsFormatStyle(),
             SetLabelsFormatStyle(TgPlotTextFormat(v.toInt()))),
    TQ62_ROW("LabelRotationComboBox", 1, 2, LabelsRotation(), SetLabelsRotation(TgRotationAngle(v.toInt()))),
    TQ62_ROW("DateTimeFormatComboBox", "m/d hh:nn:ss", "hh:nn:ss.zzz", DateTimeFormat(),
             SetDateTimeFormat(v.toString())),
    TQ62_ROW("LabelPrecisionStyleComboBox", 1, 0, LabelsPrecisionStyle(),
             SetLabelsPrecisionStyle(TgPrecisionStyle(v.toInt()))),
    TQ62_ROW("LabelPrecisionEdit", 7, 5, LabelsPrecision(), SetLabelsPrecision(v.toInt())),
    TQ62_ROW("LabelMinLengthEdit", 6.5, 3, LabelsMinLength(), SetLabelsMinLength(v.toDouble())),
    TQ62_ROW("LabelMinLengthAutoAdjustCheckBox", true, false, LabelsMinLengthAutoAdjust(),
             SetLabelsMinLengthAutoAdjust(v.toBool())),
    TQ62_ROW("CursorUseDefaultFormatCheckBox", false, true, CursorUseDefaultFormat(),
             SetCursorUseDefaultFormat(v.toBool())),
    TQ62_ROW("CursorFormatStyleComboBox", 3, 4, CursorFormatStyle(),
             SetCursorFormatStyle(TgPlotTextFormat(v.toInt()))),
    TQ62_ROW("CursorDateTimeFormatComboBox", "hh:nn:ss.zzz", "d mmm h:nn:ss am/pm", CursorDateTimeFormat(),
             SetCursorDateTimeFormat(v.toString())),
    TQ62_ROW("CursorPrecisionStyleComboBox", 1, 0, CursorPrecisionStyle(),
             SetCursorPrecisionStyle(TgPrecisionStyle(v.toInt()))),
    TQ62_ROW("CursorPrecisionEdit", 6, 8, CursorPrecision(), SetCursorPrecision(v.toInt())),
    TQ62_ROW("CursorMinLengthEdit", 7, 4, CursorMinLength(), SetCursorMinLength(v.toDouble())),
    TQ62_ROW("CursorMinLengthAutoAdjustCheckBox", true, false, CursorMinLengthAutoAdjust(),
             SetCursorMinLengthAutoAdjust(v.toBool())),
    TQ62_ROW("LegendUseDefaultFormatCheckBox", false, true, LegendUseDefaultFormat(),
             SetLegendUseDefaultFormat(v.toBool())),
    TQ62_ROW("LegendFormatStyleComboBox", 5, 2, LegendFormatStyle(),
             SetLegendFormatStyle(TgPlotTextFormat(v.toInt()))),
    TQ62_ROW("LegendDateTimeFormatComboBox", "m/d/yy h:nn:ss am/pm", "m/d/yyyy h:nn:ss am/pm",
             LegendDateTimeFormat(), SetLegendDateTimeFormat(v.toString())),
    TQ62_ROW("LegendPrecisionStyleComboBox", 1, 0, LegendPrecisionStyle(),
             SetLegendPrecisionStyle(TgPrecisionStyle(v.toInt()))),
    TQ62_ROW("LegendPrecisionEdit", 9, 2, LegendPrecision(), SetLegendPrecision(v.toInt())),
    TQ62_ROW("LegendMinLengthEdit", 8.5, 6, LegendMinLength(), SetLegendMinLength(v.toDouble())),
    TQ62_ROW("LegendMinLengthAutoAdjustCheckBox", true, false, LegendMinLengthAutoAdjust(),
             SetLegendMinLengthAutoAdjust(v.toBool())),
    TQ62_ROW("TrackingStyleComboBox", 4, 6, TrackingStyle(), SetTrackingStyle(TgPlotTrackingStyle(v.toInt()))),
    TQ62_ROW("TrackingIncrementStyleComboBox", 2, 1, TrackingIncrementStyle(),
             SetTrackingIncrementStyle(TgPlotTrackingIncrementStyle(v.toInt()))),
    TQ62_ROW("TrackingAlignFirstStyleComboBox", 1, 0, TrackingAlignFirstStyle(),
             SetTrackingAlignFirstStyle(TgPlotAlignFirstStyle(v.toInt()))),
    TQ62_ROW("TrackingScrollCompressMaxEdit", 2.5, 3, TrackingScrollCompressMax(),
             SetTrackingScrollCompressMax(v.toDouble())),
    TQ62_ROW("TrackingSpanMinimumEdit", 0.5, 1, TrackingSpanMinimum(), SetTrackingSpanMinimum(v.toDouble())),
    TQ62_ROW("TrackingMaxMarginEdit", 10, 5, TrackingMaxMargin(), SetTrackingMaxMargin(v.toDouble())),
    TQ62_ROW("TrackingMinMarginEdit", 15, 20, TrackingMinMargin(), SetTrackingMinMargin(v.toDouble())),
    TQ62_ROW("StackingEndsMarginEdit", 1.5, 0.75, StackingEndsMargin(), SetStackingEndsMargin(v.toDouble())),
    TQ62_ROW("ForceStackingCheckBox", true, false, ForceStacking(), SetForceStacking(v.toBool())),
    TQ62_ROW("LabelSeparationEdit", 3.5, 2.5, LabelSeparation(), SetLabelSeparation(v.toDouble())),
    TQ62_ROW("ScaleTypeRadioGroup", 1, 0, ScaleType(), SetScaleType(TgPlotScaleType(v.toInt()))),
    TQ62_ROW("CursorScalerEdit", 2, 0.5, CursorScaler(), SetCursorScaler(v.toDouble())),
    TQ62_ROW("ScrollMinMaxEnabledCheckBox", true, false, ScrollMinMaxEnabled(), SetScrollMinMaxEnabled(v.toBool())),
    TQ62_ROW("ScrollMinEdit", -5, -10, ScrollMin(), SetScrollMin(v.toDouble())),
    TQ62_ROW("ScrollMaxEdit", 150, 200, ScrollMax(), SetScrollMax(v.toDouble())),
    TQ62_ROW("CartesianStyleComboBox", 2, 0, CartesianStyle(),
             SetCartesianStyle(TgPlotCartesianStyle(v.toInt()))),
    TQ62_ROW("CartesianChildRefAxisNameComboBox", kOtherFirst, "<None>", CartesianChildRefAxisName(),
             SetCartesianChildRefAxisName(v.toString())),
    TQ62_ROW("CartesianChildRefValueEdit", 2.5, 4, CartesianChildRefValue(), SetCartesianChildRefValue(v.toDouble())),
    TQ62_ROW("AlignRefAxisNameComboBox", kOwnFirst, "<None>", AlignRefAxisName(),
             SetAlignRefAxisName(v.toString())),
    TQ62_ROW("TitleFontPicker", 20, 14, TitleFont()->Height() * -1, TitleFont()->SetHeight(-v.toInt())),
    TQ62_ROW("LabelFontPicker", 15, 11, LabelsFont()->Height() * -1, LabelsFont()->SetHeight(-v.toInt())),
};

#undef TQ62_ROW

// The value a control shows, in the row's terms (a combo's text where the
// row holds text, else its item index).
QVariant Shown(TComponent *C, const QVariant &Like)
{
    if (auto *e = dynamic_cast<TgComponentEditorEdit *>(C))
        return e->ValueKind() == ievkInteger ? QVariant(e->AsInteger())
               : e->ValueKind() == ievkFloat ? QVariant(e->AsFloat())
                                             : QVariant(e->AsString());
    if (auto *b = dynamic_cast<TgComponentEditorCheckBox *>(C))
        return b->AsBoolean();
    if (auto *c = dynamic_cast<TgComponentEditorComboBox *>(C))
        return Like.typeId() == QMetaType::QString ? QVariant(c->AsString()) : QVariant(c->AsInteger());
    if (auto *r = dynamic_cast<TgComponentEditorRadioGroup *>(C))
        return r->AsInteger();
    if (auto *p = dynamic_cast<TgComponentEditorColorPicker *>(C))
        return int(p->Color());
    if (auto *f = dynamic_cast<TgComponentEditorFontPicker *>(C))
        return -f->Font()->Height();
    return QVariant();
}

bool Same(const QVariant &A, const QVariant &B)
{
    if (A.typeId() == QMetaType::QString || B.typeId() == QMetaType::QString)
        return A.toString() == B.toString();
    return qFuzzyCompare(1 + A.toDouble(), 1 + B.toDouble());
}

// Every row of both tabs, on a second axis added with the tab's "Add": set
// through its control reaches that axis (and leaves the first one as it
// was); the axis changed from code shows in the controls after a refresh.
TEST_F(PlotEditorAxes, EveryRowReachesTheSelectedAxisAndShowsItAgain)
{
    Open();
    for (const QString tab : kTabs) {
        SCOPED_TRACE(tab.toStdString());
        const bool x = tab == "XAxis";
        Click(Get<TgComponentEditorButton>(x ? "XAxesAddButton" : "YAxesAddButton"));
        ASSERT_EQ(AxisCount(plot, tab), 2);
        TgPlotAxis *first = Axis(plot, tab, 0), *edited = Axis(plot, tab, 1);
        const QString firstName = first->Name();
        const QString names[] = {firstName, Axis(plot, x ? "YAxis" : "XAxis", 0)->Name()};
        EXPECT_EQ(Get<TgComponentEditorEdit>(tab + "NameEdit")->Text(), edited->Name());
        const auto entered = [&](const AxisRow &Row) {
            return Row.entered == kOwnFirst ? QVariant(names[0])
                   : Row.entered == kOtherFirst ? QVariant(names[1])
                                                : Row.entered;
        };
        for (const AxisRow &row : kAxisRows) {
            SCOPED_TRACE(row.control);
            TComponent *c = editor->FindComponent(tab + row.control);
            ASSERT_NE(c, nullptr);
            const QVariant value = entered(row);
            if (auto *e = dynamic_cast<TgComponentEditorEdit *>(c))
                Type(e, value.toString());
            else if (auto *b = dynamic_cast<TgComponentEditorCheckBox *>(c)) {
                ASSERT_NE(b->AsBoolean(), value.toBool());
                Click(b);
            } else if (auto *combo = dynamic_cast<TgComponentEditorComboBox *>(c)) {
                const int index = value.typeId() == QMetaType::QString ? combo->Items()->IndexOf(value.toString())
                                                                        : value.toInt();
                Choose(combo, index);
            } else if (auto *r = dynamic_cast<TgComponentEditorRadioGroup *>(c))
                Pick(r, value.toInt());
            else if (auto *p = dynamic_cast<TgComponentEditorColorPicker *>(c))
                PickColor(p, TColor(value.toInt()));
            else if (auto *f = dynamic_cast<TgComponentEditorFontPicker *>(c))
                PickFont(f, value.toInt());
            EXPECT_TRUE(Same(row.read(edited), value)) << row.read(edited).toString().toStdString();
        }
        EXPECT_EQ(first->Name(), firstName);
        EXPECT_EQ(first->Span(), 100);
        EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();

        // The axis changed from code: the editor shows it when it opens again.
        for (const AxisRow &row : kAxisRows)
            row.write(edited, row.stored);
        plot->Master()->EditProperties();
        for (const AxisRow &row : kAxisRows)
            EXPECT_TRUE(Same(Shown(editor->FindComponent(tab + row.control), row.stored), row.stored)) << row.control;
    }
}

} // namespace
