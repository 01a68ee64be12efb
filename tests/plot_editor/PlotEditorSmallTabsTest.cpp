// The Cursors, Limits and Labels tabs of the plot editor as their user
// meets them: every control set with the mouse and keys reaching the
// selected object and showing it again after a refresh, a change
// refreshing its own tab only, the spinners' bounds, the title kept in
// step with the Control tab's title group and kept from removal.
#include "PlotEditorFixture.h"
#include "gComponentEditorButton.h"
#include "gPlotChannelCustom.h"
#include "gPlotDataCursor.h"
#include "gPlotLabel.h"
#include "gPlotLimit.h"
#include "gPlotXAxis.h"

#include <functional>

namespace {

// A plot with two channels, two X and two Y axes, a limit and a second
// label beside its title, so that every name list offers a choice.
struct SmallTabs : TPlotEditorFixture<> {
    void SetUp() override
    {
        TPlotEditorFixture<>::SetUp();
        plot->AddChannel();
        plot->AddXAxis();
        plot->AddYAxis();
        plot->AddLimit();
        plot->AddLabel();
        Open();
    }
    // A click on entry Index of the list as drawn.
    void PickEntry(const char *List, size_t Index)
    {
        auto *list = Get<TgComponentEditorListBox>(List);
        Reveal(list);
        const std::vector<QPoint> entries = TextEntries(list);
        ASSERT_LT(Index, entries.size());
        ClickEntry(list, entries[Index]);
        ASSERT_EQ(list->ItemIndex(), int(Index));
    }
};

// One control: what the user enters there and the property it gives; then
// a value set into the object from code and what the control shows of it
// after a refresh.
struct TabRow {
    const char *control;
    QVariant enter, expect, store, show;
    std::function<QVariant(TObject *)> read;
    std::function<void(TObject *, const QVariant &)> write;
};

// Enter, Store: the property's own value (shown as entered).
#define TQ62_ROW(Type, Control, Enter, Store, Get, Set) TQ62_ROW2(Type, Control, Enter, Enter, Store, Store, Get, Set)
// Enter, Expect: entered item, property it gives; Store, Show: property set,
// item shown.
#define TQ62_ROW2(Type, Control, Enter, Expect, Store, Show, Get, Set)                                           \
    TabRow                                                                                                       \
    {                                                                                                            \
        Control, Enter, Expect, Store, Show,                                                                     \
            [](TObject *o) { return QVariant::fromValue(static_cast<Type *>(o)->Get); },                         \
            [](TObject *o, const QVariant &v) { static_cast<Type *>(o)->Set; }                                   \
    }

using C = TgPlotDataCursor;
const TabRow kCursorRows[] = {
    TQ62_ROW(C, "DataCursorNameEdit", "Probe", "Marker", Name(), SetName(v.toString())),
    TQ62_ROW(C, "DataCursorPopupEnabledCheckBox", false, true, PopupEnabled(), SetPopupEnabled(v.toBool())),
    TQ62_ROW(C, "DataCursorSnapToDataPointCheckBox", true, false, SnapToDataPoint(), SetSnapToDataPoint(v.toBool())),
    TQ62_ROW(C, "DataCursorStyleComboBox", 3, 5, Style(), SetStyle(TgPlotDataCursorStyle(v.toInt()))),
    TQ62_ROW(C, "DataCursorColorPicker", clRed, clLime, Color(), SetColor(TColor(v.toInt()))),
    TQ62_ROW(C, "DataCursorUseChannelColorCheckBox", false, true, UseChannelColor(), SetUseChannelColor(v.toBool())),
    TQ62_ROW(C, "DataCursorHintPositionEdit", 30.5, 70, HintPosition(), SetHintPosition(v.toDouble())),
    TQ62_ROW(C, "DataCursorHintShowCheckBox", false, true, HintShow(), SetHintShow(v.toBool())),
    TQ62_ROW(C, "DataCursorHintHideOnReleaseCheckBox", true, false, HintHideOnRelease(),
             SetHintHideOnRelease(v.toBool())),
    // The first item reads "Bottom-Right", the second "Top-Left".
    TQ62_ROW2(C, "DataCursorOrientationSideRadioGroup", 1, int(iosTopLeft), int(iosBottomRight), 0,
              HintOrientationSide(), SetHintOrientationSide(TgOrientationSide(v.toInt()))),
    TQ62_ROW(C, "DataCursorPointer1PositionEdit", 25, 40, Pointer1Position(), SetPointer1Position(v.toDouble())),
    TQ62_ROW(C, "DataCursorPointer2PositionEdit", 75, 80, Pointer2Position(), SetPointer2Position(v.toDouble())),
    TQ62_ROW(C, "DataCursorPointerPenWidthEdit", 3, 5, PointerPenWidth(), SetPointerPenWidth(v.toInt())),
    TQ62_ROW2(C, "DataCursorChannelNameComboBox", 2, "Channel 2", "Channel 1", 1, ChannelName(),
              SetChannelName(v.toString())),
    TQ62_ROW(C, "DataCursorChannelAllowAllCheckBox", false, true, ChannelAllowAll(), SetChannelAllowAll(v.toBool())),
    TQ62_ROW(C, "DataCursorChannelShowAllInLegendCheckBox", false, true, ChannelShowAllInLegend(),
             SetChannelShowAllInLegend(v.toBool())),
    TQ62_ROW(C, "DataCursorFontPicker", 17, 12, Font()->Height() * -1, Font()->SetHeight(-v.toInt())),
};

using L = TgPlotLimit;
const TabRow kLimitRows[] = {
    TQ62_ROW(L, "LimitNameEdit", "High", "Low", Name(), SetName(v.toString())),
    TQ62_ROW(L, "LimitVisibleCheckBox", false, true, Visible(), SetVisible(v.toBool())),
    TQ62_ROW(L, "LimitUserCanMoveCheckBox", true, false, UserCanMove(), SetUserCanMove(v.toBool())),
    TQ62_ROW(L, "LimitPopUpEnabledCheckBox", false, true, PopupEnabled(), SetPopupEnabled(v.toBool())),
    TQ62_ROW(L, "LimitClipToAxesCheckBox", true, false, ClipToAxes(), SetClipToAxes(v.toBool())),
    TQ62_ROW(L, "LimitLayerEdit", 120, 90, Layer(), SetLayer(v.toInt())),
    TQ62_ROW(L, "LimitStyleComboBox", 2, 4, Style(), SetStyle(TgPlotLimitStyle(v.toInt()))),
    TQ62_ROW(L, "LimitLine1PositionEdit", 12.5, 3, Line1Position(), SetLine1Position(v.toDouble())),
    TQ62_ROW(L, "LimitLine2PositionEdit", 40, 60, Line2Position(), SetLine2Position(v.toDouble())),
    TQ62_ROW(L, "LimitFillStyleCombobox", 6, 2, FillStyle(), SetFillStyle(TBrushStyle(v.toInt()))),
    TQ62_ROW(L, "LimitLineStyleComboBox", 3, 1, LineStyle(), SetLineStyle(TPenStyle(v.toInt()))),
    TQ62_ROW(L, "LimitLineWidthEdit", 4, 2, LineWidth(), SetLineWidth(v.toInt())),
    TQ62_ROW(L, "LimitColorPicker", clBlue, clFuchsia, Color(), SetColor(TColor(v.toInt()))),
    TQ62_ROW2(L, "LimitXAxisNameComboBox", 2, "X-Axis 2", "X-Axis 1", 1, XAxisName(), SetXAxisName(v.toString())),
    TQ62_ROW2(L, "LimitYAxisNameComboBox", 2, "Y-Axis 2", "Y-Axis 1", 1, YAxisName(), SetYAxisName(v.toString())),
};

using B = TgPlotLabel;
const TabRow kLabelRows[] = {
    TQ62_ROW(B, "LabelNameEdit", "Note", "Remark", Name(), SetName(v.toString())),
    TQ62_ROW(B, "LabelVisibleCheckBox", false, true, Visible(), SetVisible(v.toBool())),
    TQ62_ROW(B, "LabelCaptionMemo", "Inlet", "Outlet", Caption(), SetCaption(v.toString())),
    TQ62_ROW(B, "LabelMarginLeftEdit", 1.5, 2.5, MarginLeft(), SetMarginLeft(v.toDouble())),
    TQ62_ROW(B, "LabelMarginTopEdit", 0.75, 1.25, MarginTop(), SetMarginTop(v.toDouble())),
    TQ62_ROW(B, "LabelMarginRightEdit", 2, 3, MarginRight(), SetMarginRight(v.toDouble())),
    TQ62_ROW(B, "LabelMarginBottomEdit", 0.5, 4, MarginBottom(), SetMarginBottom(v.toDouble())),
    TQ62_ROW(B, "LabelAlignmentComboBox", 2, 1, Alignment(), SetAlignment(TgAlignmentHorizontal(v.toInt()))),
    TQ62_ROW(B, "LabelImageListIndexEdit", 1, 2, ImageListIndex(), SetImageListIndex(v.toInt())),
    TQ62_ROW(B, "LabelImageIndexEdit", 7, 9, ImageIndex(), SetImageIndex(v.toInt())),
    TQ62_ROW(B, "LabelFontPicker", 19, 13, Font()->Height() * -1, Font()->SetHeight(-v.toInt())),
};

#undef TQ62_ROW
#undef TQ62_ROW2

struct TabCase {
    const char *name, *list;
    size_t entry;
    const TabRow *rows;
    size_t count;
    std::function<TObject *(TgXYPlot *)> object;
};

const TabCase kTabs[] = {
    {"Cursors", "DataCursorListBox", 0, kCursorRows, std::size(kCursorRows),
     [](TgXYPlot *p) -> TObject * { return p->GetDataCursor(0); }},
    {"Limits", "LimitListBox", 0, kLimitRows, std::size(kLimitRows),
     [](TgXYPlot *p) -> TObject * { return p->GetLimit(0); }},
    {"Labels", "LabelListBox", 1, kLabelRows, std::size(kLabelRows),
     [](TgXYPlot *p) -> TObject * { return p->GetLabel(1); }},
};

TEST_F(SmallTabs, EveryRowReachesTheSelectedObjectAndARefreshShowsIt)
{
    for (const TabCase &tab : kTabs) {
        SCOPED_TRACE(tab.name);
        PickEntry(tab.list, tab.entry);
        TObject *object = tab.object(plot);
        for (const TabRow *row = tab.rows; row != tab.rows + tab.count; ++row) {
            SCOPED_TRACE(row->control);
            TComponent *c = editor->FindComponent(row->control);
            ASSERT_NE(c, nullptr);
            Enter(c, row->enter);
            EXPECT_TRUE(Same(row->read(object), row->expect)) << row->read(object).toString().toStdString();
        }
        // Every value entered still stands: each change wrote the whole tab.
        for (const TabRow *row = tab.rows; row != tab.rows + tab.count; ++row)
            EXPECT_TRUE(Same(row->read(object), row->expect)) << row->control;

        // Changed from code, shown once the user picks the entry again.
        for (const TabRow *row = tab.rows; row != tab.rows + tab.count; ++row)
            row->write(object, row->store);
        PickEntry(tab.list, tab.entry);
        for (const TabRow *row = tab.rows; row != tab.rows + tab.count; ++row)
            EXPECT_TRUE(Same(Shown(editor->FindComponent(row->control)), row->show)) << row->control;
    }
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// A change on one of these tabs refreshes that tab (a value the object
// holds to its range shows as held) and no other.
TEST_F(SmallTabs, AChangeRefreshesItsOwnTabOnly)
{
    TgPlotDataCursor *cursor = plot->GetDataCursor(0);
    TgPlotLimit *limit = plot->GetLimit(0);
    auto *line1 = Get<TgComponentEditorEdit>("LimitLine1PositionEdit");
    auto *caption = Get<TgComponentEditorEdit>("LabelCaptionMemo");
    const QString shownLine = line1->Text(), shownCaption = caption->Text();
    limit->SetLine1Position(limit->Line1Position() + 7);
    plot->GetLabel(0)->SetCaption(QStringLiteral("Behind"));

    auto *pointer = Get<TgComponentEditorEdit>("DataCursorPointer1PositionEdit");
    Type(pointer, QStringLiteral("150"));
    EXPECT_EQ(cursor->Pointer1Position(), 100);
    EXPECT_EQ(pointer->AsFloat(), 100);
    Type(Get<TgComponentEditorEdit>("DataCursorNameEdit"), QStringLiteral("Probe"));
    EXPECT_EQ(cursor->Name(), "Probe");
    EXPECT_EQ(line1->Text(), shownLine);
    EXPECT_EQ(caption->Text(), shownCaption);

    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// The spinners keep their bounds while an edit takes what is typed: a pen
// width of 0 typed stands, stepped down it becomes 1; an image list index
// runs from -1 to 2 and an image index from -1 to 255; a layer has no
// bounds.
TEST_F(SmallTabs, SpinnersStepWithinTheirBounds)
{
    TgPlotDataCursor *cursor = plot->GetDataCursor(0);
    auto *width = Get<TgComponentEditorEdit>("DataCursorPointerPenWidthEdit");
    Type(width, QStringLiteral("0"));
    EXPECT_EQ(cursor->PointerPenWidth(), 0);
    StepUpDown(Get<TgUpDown>("DataCursorPointerPenWidthUpDown"), false);
    EXPECT_EQ(cursor->PointerPenWidth(), 1);
    EXPECT_EQ(width->AsInteger(), 1);

    PickEntry("LabelListBox", 1);
    TgPlotLabel *label = plot->GetLabel(1);
    ASSERT_EQ(label->ImageListIndex(), -1);
    for (int expected : {0, 1, 2, 2}) {
        StepUpDown(Get<TgUpDown>("gUpDown5"), true);
        EXPECT_EQ(label->ImageListIndex(), expected);
    }
    for (int expected : {1, 0, -1, -1}) {
        StepUpDown(Get<TgUpDown>("gUpDown5"), false);
        EXPECT_EQ(label->ImageListIndex(), expected);
    }
    auto *upDown6 = Get<TgUpDown>("gUpDown6");
    Type(Get<TgComponentEditorEdit>("LabelImageIndexEdit"), QStringLiteral("0"));
    for (int expected : {-1, -1}) {
        StepUpDown(upDown6, false);
        EXPECT_EQ(label->ImageIndex(), expected);
    }
    Type(Get<TgComponentEditorEdit>("LabelImageIndexEdit"), QStringLiteral("254"));
    for (int expected : {255, 255}) {
        StepUpDown(upDown6, true);
        EXPECT_EQ(label->ImageIndex(), expected);
    }

    Type(Get<TgComponentEditorEdit>("LimitLayerEdit"), QStringLiteral("-5"));
    StepUpDown(Get<TgUpDown>("LimitLayerUpDown"), false);
    EXPECT_EQ(plot->GetLimit(0)->Layer(), -6);
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// "<All>" in the cursor's channel list is stored as shown, translated when
// the plot translates it; none of the lists offers a choice the plot does
// not have.
TEST_F(SmallTabs, AllChannelsIsStoredAsShown)
{
    TgPlotDataCursor *cursor = plot->GetDataCursor(0);
    auto *channel = Get<TgComponentEditorComboBox>("DataCursorChannelNameComboBox");
    Choose(channel, 1);
    ASSERT_EQ(cursor->ChannelName(), "Channel 1");
    Choose(channel, 0);
    EXPECT_EQ(cursor->ChannelName(), "<All>");
    EXPECT_EQ(channel->Items()->Count(), 3);

    plot->AddTranslation(QStringLiteral("<All>"), QStringLiteral("<Alle>"));
    Choose(channel, 1);
    Choose(channel, 0);
    EXPECT_EQ(cursor->ChannelName(), "<Alle>");
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// An empty list disables the whole tab, the spinners beside its edits too
// whatever their names (the Labels tab's are "gUpDown5" and "gUpDown6"), so
// that nothing can be stepped into a blank edit. Shown on the Limits tab,
// whose list the user can empty, with a spinner named so.
TEST_F(SmallTabs, AnEmptyListDisablesTheSpinnersToo)
{
    TgEditorTabBody probe;
    probe.Rows = {EditRow("LimitProbeWidthEdit", "Probe", "LineWidth", ievkInteger)
                      .In("LimitGeneralTabSheet", 8, 220, 100, 45)
                      .WithUpDown("gProbeUpDown", 0, 100)};
    editor->AddToTab(iekLimit, probe);
    editor->UpdateLimitEdit();
    auto *spinner = Get<TgUpDown>("gProbeUpDown");
    auto *edit = Get<TgComponentEditorEdit>("LimitProbeWidthEdit");
    const QPoint up = UpDownArrow(spinner, true);
    ASSERT_GE(up.x(), 0);
    Click(Get<TgComponentEditorButton>("LimitRemoveButton"));
    ASSERT_EQ(plot->LimitCount(), 0);
    EXPECT_FALSE(spinner->Enabled());
    EXPECT_EQ(edit->Text(), "");
    PressUpDown(spinner, up);
    EXPECT_EQ(edit->Text(), "");

    Click(Get<TgComponentEditorButton>("gLimitAddButton"));
    EXPECT_TRUE(spinner->Enabled());
    StepUpDown(spinner, true);
    EXPECT_EQ(plot->GetLimit(0)->LineWidth(), edit->AsInteger());
    EXPECT_EQ(Get<TgComponentEditorEdit>("LimitLineWidthEdit")->AsInteger(), edit->AsInteger());
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// An axis or a channel renamed in the plot shows under its new name in
// the limit's and the cursor's name lists, still chosen.
TEST_F(SmallTabs, NameListsFollowRenames)
{
    auto *xAxis = Get<TgComponentEditorComboBox>("LimitXAxisNameComboBox");
    auto *channel = Get<TgComponentEditorComboBox>("DataCursorChannelNameComboBox");
    Choose(xAxis, 1);
    Choose(channel, 2);
    ASSERT_EQ(plot->GetLimit(0)->XAxisName(), "X-Axis 1");
    ASSERT_EQ(plot->GetDataCursor(0)->ChannelName(), "Channel 2");
    plot->GetXAxis(0)->SetName(QStringLiteral("Time"));
    plot->GetChannel(1)->SetName(QStringLiteral("Flow"));
    EXPECT_EQ(xAxis->AsString(), "Time");
    EXPECT_EQ(channel->AsString(), "Flow");
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// --- the title ----------------------------------------------------------------------

// The title, the plot's first label: not removable on the Labels tab; a
// change there shows in the Control tab's title group at once, and a change
// in the title group shows on the Labels tab; another label's change
// leaves the title group alone.
TEST_F(SmallTabs, TheTitleStaysInStepWithTheControlTab)
{
    TgPlotLabel *title = plot->GetLabel(0);
    auto *remove = Get<TgComponentEditorButton>("LabelRemoveButton");
    auto *caption = Get<TgComponentEditorEdit>("LabelCaptionMemo");
    auto *titleText = Get<TgComponentEditorEdit>("TitleTextEdit");
    auto *titleMargin = Get<TgComponentEditorEdit>("TitleMarginEdit");
    auto *titleVisible = Get<TgComponentEditorCheckBox>("TitleVisibleCheckBox");
    auto *titleFont = Get<TgComponentEditorFontPicker>("TitleFontPicker");

    PickEntry("LabelListBox", 0);
    EXPECT_FALSE(remove->Enabled());
    Type(caption, QStringLiteral("Pressure"));
    EXPECT_EQ(title->Caption(), "Pressure");
    EXPECT_EQ(titleText->Text(), "Pressure");
    Type(Get<TgComponentEditorEdit>("LabelMarginBottomEdit"), QStringLiteral("2.5"));
    EXPECT_EQ(titleMargin->AsFloat(), 2.5);
    Click(Get<TgComponentEditorCheckBox>("LabelVisibleCheckBox"));
    EXPECT_FALSE(title->Visible());
    EXPECT_FALSE(titleVisible->AsBoolean());
    PickFont(Get<TgComponentEditorFontPicker>("LabelFontPicker"), 23);
    EXPECT_EQ(titleFont->Font()->Height(), -23);
    EXPECT_FALSE(remove->Enabled());

    // The other way: the title group writes the label the Labels tab shows.
    Type(titleText, QStringLiteral("Flow"));
    EXPECT_EQ(title->Caption(), "Flow");
    EXPECT_EQ(caption->Text(), "Flow");
    Type(titleMargin, QStringLiteral("1.5"));
    EXPECT_EQ(Get<TgComponentEditorEdit>("LabelMarginBottomEdit")->AsFloat(), 1.5);
    EXPECT_FALSE(remove->Enabled());

    PickEntry("LabelListBox", 1);
    EXPECT_TRUE(remove->Enabled());
    Type(caption, QStringLiteral("Note"));
    EXPECT_EQ(plot->GetLabel(1)->Caption(), "Note");
    EXPECT_EQ(titleText->Text(), "Flow");
    EXPECT_EQ(title->Caption(), "Flow");
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// The title is the plot's first label, not the first entry of the list:
// dragged below another entry it still cannot be removed, it alone follows
// the title group, and the label dragged above it can be removed.
TEST_F(SmallTabs, TheTitleIsThePlotsFirstLabelWhereverTheListShowsIt)
{
    TgPlotLabel *title = plot->GetLabel(0), *other = plot->GetLabel(1);
    auto *list = Get<TgComponentEditorListBox>("LabelListBox");
    auto *remove = Get<TgComponentEditorButton>("LabelRemoveButton");
    Reveal(list);
    std::vector<QPoint> entries = TextEntries(list);
    ASSERT_EQ(entries.size(), 2u);
    DragEntry(list, entries[1], entries[0] - QPoint(0, 4));
    ASSERT_EQ(list->Items()->GetObject(0), other);

    PickEntry("LabelListBox", 0);
    EXPECT_TRUE(remove->Enabled());
    Type(Get<TgComponentEditorEdit>("LabelCaptionMemo"), QStringLiteral("Note"));
    EXPECT_EQ(Get<TgComponentEditorEdit>("TitleTextEdit")->Text(), title->Caption());

    PickEntry("LabelListBox", 1);
    EXPECT_FALSE(remove->Enabled());
    Type(Get<TgComponentEditorEdit>("TitleTextEdit"), QStringLiteral("Flow"));
    EXPECT_EQ(title->Caption(), "Flow");
    EXPECT_EQ(other->Caption(), "Note");
    EXPECT_EQ(Get<TgComponentEditorEdit>("LabelCaptionMemo")->Text(), "Flow");
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

} // namespace
