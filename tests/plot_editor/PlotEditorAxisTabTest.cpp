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

#include "Label.h"
#include "Panel.h"

#include <QComboBox>
#include <QLineEdit>

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
            // A check box's entry differs from what it shows.
            if (auto *b = dynamic_cast<TgComponentEditorCheckBox *>(c)) {
                ASSERT_NE(b->AsBoolean(), value.toBool());
            }
            Enter(c, value);
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

// The format of the cursor or the legend texts of an axis.
struct TextFormat {
    int style;
    QString dateTime;
    int precisionStyle;
    int precision;
    double minLength;
    bool autoAdjust;
    bool operator==(const TextFormat &o) const
    {
        return style == o.style && dateTime == o.dateTime && precisionStyle == o.precisionStyle &&
               precision == o.precision && minLength == o.minLength && autoAdjust == o.autoAdjust;
    }
};

TextFormat CursorFormat(TgPlotAxis *a)
{
    return {int(a->CursorFormatStyle()), a->CursorDateTimeFormat(), int(a->CursorPrecisionStyle()),
            a->CursorPrecision(),        a->CursorMinLength(),      a->CursorMinLengthAutoAdjust()};
}

TextFormat LegendFormat(TgPlotAxis *a)
{
    return {int(a->LegendFormatStyle()), a->LegendDateTimeFormat(), int(a->LegendPrecisionStyle()),
            a->LegendPrecision(),        a->LegendMinLength(),      a->LegendMinLengthAutoAdjust()};
}

// "Copy Default" on the Cursor and on the Legend sub-tab of Labels: the
// format set on "(Default)" is shown there and is the axis's at once; the
// other texts keep theirs.
TEST_F(PlotEditorAxes, CopyDefaultTakesTheLabelFormatAtOnce)
{
    Open();
    for (const QString tab : kTabs) {
        TgPlotAxis *axis = Axis(plot, tab, 0);
        const auto get = [&](const QString &Name) { return editor->FindComponent(tab + Name); };
        const auto combo = [&](const QString &Name) { return static_cast<TgComponentEditorComboBox *>(get(Name)); };
        const auto edit = [&](const QString &Name) { return static_cast<TgComponentEditorEdit *>(get(Name)); };
        const auto check = [&](const QString &Name) { return static_cast<TgComponentEditorCheckBox *>(get(Name)); };
        Choose(combo("LabelFormatStyleComboBox"), 3);
        Choose(combo("DateTimeFormatComboBox"), 4);
        Choose(combo("LabelPrecisionStyleComboBox"), 1);
        Type(edit("LabelPrecisionEdit"), "12");
        Type(edit("LabelMinLengthEdit"), "6.5");
        Click(check("LabelMinLengthAutoAdjustCheckBox"));
        const TextFormat labels{3, "m/d/yy h:nn:ss am/pm", 1, 12, 6.5, true};
        ASSERT_EQ(axis->LabelsPrecision(), 12);
        ASSERT_TRUE(axis->LabelsMinLengthAutoAdjust());

        for (const QString target : {"Cursor", "Legend"}) {
            SCOPED_TRACE((tab + target).toStdString());
            const bool cursor = target == "Cursor";
            const TextFormat other = cursor ? LegendFormat(axis) : CursorFormat(axis);
            Click(Get<TgComponentEditorButton>(tab + target + "CopyDefaultButton"));
            EXPECT_EQ(cursor ? CursorFormat(axis) : LegendFormat(axis), labels);
            EXPECT_EQ(cursor ? LegendFormat(axis) : CursorFormat(axis), other);
            EXPECT_EQ(combo(target + "FormatStyleComboBox")->AsInteger(), 3);
            EXPECT_EQ(combo(target + "DateTimeFormatComboBox")->AsString(), labels.dateTime);
            EXPECT_EQ(combo(target + "PrecisionStyleComboBox")->AsInteger(), 1);
            EXPECT_EQ(edit(target + "PrecisionEdit")->AsInteger(), 12);
            EXPECT_EQ(edit(target + "MinLengthEdit")->AsFloat(), 6.5);
            EXPECT_TRUE(check(target + "MinLengthAutoAdjustCheckBox")->AsBoolean());
        }
    }
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// A date-time format typed into the editable list, not one of its entries,
// is the axis's as typed and shows again after a refresh.
TEST_F(PlotEditorAxes, TypedDateTimeFormatIsStoredAsTyped)
{
    Open();
    const struct {
        const char *combo;
        std::function<QString(TgPlotAxis *)> read;
    } cases[] = {
        {"XAxisDateTimeFormatComboBox", [](TgPlotAxis *a) { return a->DateTimeFormat(); }},
        {"YAxisCursorDateTimeFormatComboBox", [](TgPlotAxis *a) { return a->CursorDateTimeFormat(); }},
        {"XAxisLegendDateTimeFormatComboBox", [](TgPlotAxis *a) { return a->LegendDateTimeFormat(); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.combo);
        auto *combo = Get<TgComponentEditorComboBox>(c.combo);
        TgPlotAxis *axis = Axis(plot, QString(c.combo).left(5), 0);
        Reveal(combo);
        QWidget *line = static_cast<QComboBox *>(combo->Widget())->lineEdit();
        ASSERT_NE(line, nullptr);
        QTest::mouseClick(line, Qt::LeftButton, Qt::NoModifier, line->rect().center());
        QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(line, "yyyy-mm-dd hh:nn");
        EXPECT_EQ(c.read(axis), "yyyy-mm-dd hh:nn");
        plot->Master()->EditProperties();
        EXPECT_EQ(combo->AsString(), "yyyy-mm-dd hh:nn");
    }
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// Text that does not read as a number is refused by its edit and nothing
// is written; a reference naming an axis that is not in the list is left
// as it is when another field of the tab changes.
TEST_F(PlotEditorAxes, UnreadableTextAndUnlistedReferencesLeaveTheAxisAsItIs)
{
    Open();
    TgPlotAxis *axis = plot->GetYAxis(0);
    auto *span = Get<TgComponentEditorEdit>("YAxisSpanEdit");
    const QString shown = span->Text();
    Type(span, "abc");
    EXPECT_TRUE(span->Refused());
    EXPECT_EQ(span->Text(), shown);
    EXPECT_EQ(axis->Span(), 100);

    axis->SetCartesianChildRefAxisName("Elsewhere");
    axis->SetAlignRefAxisName("Gone");
    plot->Master()->EditProperties();
    EXPECT_EQ(Get<TgComponentEditorComboBox>("YAxisCartesianChildRefAxisNameComboBox")->AsInteger(), -1);
    EXPECT_EQ(Get<TgComponentEditorComboBox>("YAxisAlignRefAxisNameComboBox")->AsInteger(), -1);
    Type(Get<TgComponentEditorEdit>("YAxisTitleTextEdit"), "Level");
    EXPECT_EQ(axis->Title(), "Level");
    EXPECT_EQ(axis->CartesianChildRefAxisName(), "Elsewhere");
    EXPECT_EQ(axis->AlignRefAxisName(), "Gone");
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// The up arrow of an up-down as drawn right of its edit: the black pixels
// above the middle of the edit's height, in the edit's parent.
QPoint UpArrow(TgComponentEditorEdit *Edit)
{
    const QImage shot = TPlotEditorFixture<>::Shot(Edit->Parent());
    const QRect area(Edit->Left() + Edit->Width(), Edit->Top(), 30, Edit->Height() / 2);
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (QColor(shot.pixel(x, y)) == QColor(Qt::black))
                box |= QRect(x, y, 1, 1);
    EXPECT_TRUE(box.isValid());
    return box.center();
}

// The label and legend precisions run to 1000 on the X tab and to 20 on the
// Y tab; the cursor precision runs to 20 on both. A step up from the top
// stays there; below it the step reaches the axis.
TEST_F(PlotEditorAxes, PrecisionUpDownsStopWhereTheirTabSays)
{
    Open();
    const struct {
        const char *edit;
        int from, after;
        std::function<int(TgXYPlot *)> read;
    } cases[] = {
        {"XAxisLabelPrecisionEdit", 1000, 1000, [](TgXYPlot *p) { return p->GetXAxis(0)->LabelsPrecision(); }},
        {"XAxisLabelPrecisionEdit", 20, 21, [](TgXYPlot *p) { return p->GetXAxis(0)->LabelsPrecision(); }},
        {"XAxisLegendPrecisionEdit", 20, 21, [](TgXYPlot *p) { return p->GetXAxis(0)->LegendPrecision(); }},
        {"XAxisCursorPrecisionEdit", 20, 20, [](TgXYPlot *p) { return p->GetXAxis(0)->CursorPrecision(); }},
        {"YAxisLabelPrecisionEdit", 20, 20, [](TgXYPlot *p) { return p->GetYAxis(0)->LabelsPrecision(); }},
        {"YAxisLegendPrecisionEdit", 20, 20, [](TgXYPlot *p) { return p->GetYAxis(0)->LegendPrecision(); }},
        {"YAxisCursorPrecisionEdit", 19, 20, [](TgXYPlot *p) { return p->GetYAxis(0)->CursorPrecision(); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.edit);
        auto *edit = Get<TgComponentEditorEdit>(c.edit);
        Type(edit, QString::number(c.from));
        ASSERT_EQ(c.read(plot), c.from);
        const QPoint up = UpArrow(edit);
        SendMouse(edit->Parent()->Widget(), QEvent::MouseButtonPress, up);
        SendMouse(edit->Parent()->Widget(), QEvent::MouseButtonRelease, up);
        EXPECT_EQ(edit->AsInteger(), c.after);
        EXPECT_EQ(c.read(plot), c.after);
    }
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// The order in which a change writes the tab into the axis: the Y tab
// writes DesiredIncrement before DesiredStart and LabelsRotation before
// LabelsFormatStyle, and CursorPrecision again right after ScaleType.
TEST(PlotEditorAxisTables, YTabWritesInItsOwnOrder)
{
    const auto paths = [](TgPlotEditorKind Kind) {
        QStringList bound;
        for (const TgEditorRow &r : EditorTabBody(Kind).Rows)
            if (!r.Path.isEmpty())
                bound << r.Path;
        return bound;
    };
    const QStringList x = paths(iekXAxis), y = paths(iekYAxis);
    EXPECT_LT(x.indexOf("DesiredStart"), x.indexOf("DesiredIncrement"));
    EXPECT_LT(x.indexOf("LabelsFormatStyle"), x.indexOf("LabelsRotation"));
    EXPECT_EQ(x.count("CursorPrecision"), 1);
    EXPECT_EQ(x.indexOf("DesiredIncrement") - x.indexOf("DesiredStart"),
              y.indexOf("DesiredStart") - y.indexOf("DesiredIncrement"));
    EXPECT_EQ(x.indexOf("LabelsRotation") - x.indexOf("LabelsFormatStyle"),
              y.indexOf("LabelsFormatStyle") - y.indexOf("LabelsRotation"));
    EXPECT_EQ(y.count("CursorPrecision"), 2);
    EXPECT_EQ(y.lastIndexOf("CursorPrecision"), y.indexOf("ScaleType") + 1);
    // Otherwise the same order.
    QStringList rest = y;
    rest.removeAt(y.lastIndexOf("CursorPrecision"));
    rest.swapItemsAt(rest.indexOf("DesiredStart"), rest.indexOf("DesiredIncrement"));
    rest.swapItemsAt(rest.indexOf("LabelsFormatStyle"), rest.indexOf("LabelsRotation"));
    EXPECT_EQ(rest, x);
}

// The reference lists: the X tab's Cartesian child reference lists the Y
// axes and takes them again as it drops down; the Y tab's lists the X axes
// and takes them only when the tab refreshes, as after an X axis renamed
// on the X tab; each align reference lists its own tab's axes.
TEST_F(PlotEditorAxes, ReferenceListsNameTheAxesTheySay)
{
    Open();
    auto *xChild = Get<TgComponentEditorComboBox>("XAxisCartesianChildRefAxisNameComboBox");
    auto *yChild = Get<TgComponentEditorComboBox>("YAxisCartesianChildRefAxisNameComboBox");
    auto *xAlign = Get<TgComponentEditorComboBox>("XAxisAlignRefAxisNameComboBox");
    auto *yAlign = Get<TgComponentEditorComboBox>("YAxisAlignRefAxisNameComboBox");
    const auto items = [](TgComponentEditorComboBox *Combo) {
        QStringList all;
        for (int i = 0; i < Combo->Items()->Count(); ++i)
            all << Combo->Items()->Get(i);
        return all;
    };
    const QString x1 = plot->GetXAxis(0)->Name(), y1 = plot->GetYAxis(0)->Name();
    EXPECT_EQ(items(xChild), QStringList({"<None>", y1}));
    EXPECT_EQ(items(yChild), QStringList({"<None>", x1}));
    EXPECT_EQ(items(xAlign), QStringList({"<None>", x1}));
    EXPECT_EQ(items(yAlign), QStringList({"<None>", y1}));

    Type(Get<TgComponentEditorEdit>("XAxisNameEdit"), "Time");
    EXPECT_EQ(items(yChild), QStringList({"<None>", "Time"}));
    EXPECT_EQ(items(xAlign), QStringList({"<None>", "Time"}));

    // Renamed from code: dropped down, the X tab's list names the Y axis
    // anew, the Y tab's shows the old name until the tab refreshes.
    plot->GetXAxis(0)->SetName("Clock");
    plot->GetYAxis(0)->SetName("Level");
    const auto dropped = [&](TgComponentEditorComboBox *Combo) {
        Reveal(Combo);
        QTest::mouseClick(Combo->Widget(), Qt::LeftButton, Qt::NoModifier, Combo->Widget()->rect().center());
        const QStringList shown = items(Combo);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        return shown;
    };
    EXPECT_EQ(dropped(xChild), QStringList({"<None>", "Level"}));
    EXPECT_EQ(dropped(yChild), QStringList({"<None>", "Time"}));
    plot->Master()->EditProperties();
    EXPECT_EQ(items(yChild), QStringList({"<None>", "Clock"}));
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// Without an X axis every control of the X-Axes tab is blank and disabled,
// "Add" aside; "Add" makes an axis, selects it and fills the tab.
TEST_F(PlotEditorAxes, EmptyListLeavesOnlyAddThenAddFillsTheTab)
{
    Open();
    auto *list = Get<TgComponentEditorListBox>("XAxisListBox");
    auto *add = Get<TgComponentEditorButton>("XAxesAddButton");
    auto *name = Get<TgComponentEditorEdit>("XAxisNameEdit");
    auto *layer = Get<TgComponentEditorEdit>("XAxisLayerEdit");
    auto *format = Get<TgComponentEditorComboBox>("XAxisLabelFormatStyleComboBox");
    Click(Get<TgComponentEditorButton>("XAxisRemoveButton"));
    ASSERT_EQ(plot->XAxisCount(), 0);
    // Every control on the tab's pages, as the user finds them.
    std::vector<TControl *> controls;
    std::function<void(TWinControl *)> walk = [&](TWinControl *Parent) {
        for (int i = 0; i < Parent->ControlCount(); ++i) {
            TControl *c = Parent->Controls(i);
            auto *w = dynamic_cast<TWinControl *>(c);
            if (dynamic_cast<TPageControl *>(c) || dynamic_cast<TTabSheet *>(c) || dynamic_cast<TPanel *>(c))
                walk(w);
            else if (!dynamic_cast<TCustomLabel *>(c))
                controls.push_back(c);
        }
    };
    walk(editor->KindSheet(iekXAxis));
    ASSERT_GT(controls.size(), 70u);
    for (TControl *c : controls)
        EXPECT_EQ(c->Enabled(), c == add) << c->Name().toStdString();
    EXPECT_EQ(name->Text(), "");
    EXPECT_EQ(layer->Text(), "");
    EXPECT_EQ(format->AsInteger(), -1);

    Click(add);
    ASSERT_EQ(plot->XAxisCount(), 1);
    EXPECT_EQ(list->ItemIndex(), 0);
    for (TControl *c : controls)
        EXPECT_TRUE(c->Enabled()) << c->Name().toStdString();
    EXPECT_EQ(name->Text(), plot->GetXAxis(0)->Name());
    EXPECT_EQ(layer->AsInteger(), plot->GetXAxis(0)->Layer());
    EXPECT_EQ(format->AsInteger(), int(plot->GetXAxis(0)->LabelsFormatStyle()));
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

} // namespace
