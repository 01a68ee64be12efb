// The editor's ToolBar and Data View tabs as their user meets them: every
// control set with the mouse and keys reaching the toolbar or data view
// chosen in the hidden list and showing it again; the plot's toolbar
// drawn with the buttons the tab shows; a plot without a toolbar; the
// hidden lists following the object chosen elsewhere; "<All>" as the
// grid's axis in a translated editor; a grid line's Show refreshing every
// tab; a zoom factor that is not a number.
#include "PlotEditorFixture.h"
#include "RenderedPlot.h"
#include "gPlotDataView.h"
#include "gPlotToolBar.h"

#include <QAbstractButton>

namespace {

using PlotEditorTabs = TPlotEditorFixture<>;

#define TB(...) TQ62_EDITOR_ROW(TgPlotToolBar, __VA_ARGS__)
#define DV(...) TQ62_EDITOR_ROW(TgPlotDataView, __VA_ARGS__)

const TEditorRow<TgPlotToolBar> kToolBarRows[] = {
    TB("ToolBarVisibleCheckBox", false, true, Visible(), SetVisible(v.toBool())),
    TB("ToolBarEnabledCheckBox", false, true, Enabled(), SetEnabled(v.toBool())),
    TB("ToolBarPopupEnabledCheckBox", false, true, PopupEnabled(), SetPopupEnabled(v.toBool())),
    TB("ToolBarFlatBorderCheckBox", true, false, FlatBorder(), SetFlatBorder(v.toBool())),
    TB("ToolBarFlatButtonsCheckBox", true, false, FlatButtons(), SetFlatButtons(v.toBool())),
    TB("ToolBarSmallButtonsCheckBox", true, false, SmallButtons(), SetSmallButtons(v.toBool())),
    TB("ToolBarShowResumeButtonCheckBox", false, true, ShowResumeButton(), SetShowResumeButton(v.toBool())),
    TB("ToolBarShowPauseButtonCheckBox", false, true, ShowPauseButton(), SetShowPauseButton(v.toBool())),
    TB("ToolBarShowAxesModeButtonsCheckBox", false, true, ShowAxesModeButtons(), SetShowAxesModeButtons(v.toBool())),
    TB("ToolBarShowZoomInOutButtonsCheckBox", false, true, ShowZoomInOutButtons(),
       SetShowZoomInOutButtons(v.toBool())),
    TB("ToolBarShowSelectButtonCheckBox", true, false, ShowSelectButton(), SetShowSelectButton(v.toBool())),
    TB("ToolBarShowZoomBoxButtonCheckBox", false, true, ShowZoomBoxButton(), SetShowZoomBoxButton(v.toBool())),
    TB("ToolBarShowCursorButtonCheckBox", false, true, ShowCursorButton(), SetShowCursorButton(v.toBool())),
    TB("ToolBarShowEditButtonCheckBox", false, true, ShowEditButton(), SetShowEditButton(v.toBool())),
    TB("ToolBarShowCopyButtonCheckBox", false, true, ShowCopyButton(), SetShowCopyButton(v.toBool())),
    TB("ToolBarShowSaveButtonCheckBox", false, true, ShowSaveButton(), SetShowSaveButton(v.toBool())),
    TB("ToolBarShowPrintButtonCheckBox", false, true, ShowPrintButton(), SetShowPrintButton(v.toBool())),
    TB("ToolBarShowPreviewButtonCheckBox", true, false, ShowPreviewButton(), SetShowPreviewButton(v.toBool())),
    TB("ToolBarZoomInOutFactorEdit", 3.5, 1.25, ZoomInOutFactor(), SetZoomInOutFactor(v.toDouble())),
};

const TEditorRow<TgPlotDataView> kDataViewRows[] = {
    DV("DataViewEnabledCheckBox", false, true, Enabled(), SetEnabled(v.toBool())),
    DV("DataViewPopupEnabledCheckBox", false, true, PopupEnabled(), SetPopupEnabled(v.toBool())),
    DV("DataViewLayerEdit", 250, 70, Layer(), SetLayer(v.toInt())),
    DV("DataViewBackGroundTransparentCheckBox", false, true, BackgroundTransparent(),
       SetBackgroundTransparent(v.toBool())),
    DV("DataViewBackgroundColorPicker", clNavy, clMaroon, BackgroundColor(), SetBackgroundColor(TColor(v.toInt()))),
    DV("DataViewGridShow", false, true, GridShow(), SetGridShow(v.toBool())),
    DV("DataViewGridXAxisNameComboBox", "<None>", "<All>", GridXAxisName(), SetGridXAxisName(v.toString())),
    DV("DataViewGridYAxisNameComboBox", "<All>", "<None>", GridYAxisName(), SetGridYAxisName(v.toString())),
    DV("DataViewAxesControlEnabledCheckBox", true, false, AxesControlEnabled(), SetAxesControlEnabled(v.toBool())),
    DV("DataViewAxesControlAllowInSelectModeCheckBox", true, false, AxesControlAllowInSelectMode(),
       SetAxesControlAllowInSelectMode(v.toBool())),
    DV("DataViewAxesControlMouseStyleComboBox", 3, 0, AxesControlMouseStyle(),
       SetAxesControlMouseStyle(TgPlotAxesControlStyle(v.toInt()))),
    DV("DataViewAxesControlWheelStyleComboBox", 1, 2, AxesControlWheelStyle(),
       SetAxesControlWheelStyle(TgPlotAxesControlStyle(v.toInt()))),
    DV("DataViewGridLineColorPicker", clYellow, clTeal, GridLineColor(), SetGridLineColor(TColor(v.toInt()))),
    DV("DataViewGridLineShowLeft", false, true, GridLineShowLeft(), SetGridLineShowLeft(v.toBool())),
    DV("DataViewGridLineShowRight", false, true, GridLineShowRight(), SetGridLineShowRight(v.toBool())),
    DV("DataViewGridLineShowTop", false, true, GridLineShowTop(), SetGridLineShowTop(v.toBool())),
    DV("DataViewGridLineShowBottom", false, true, GridLineShowBottom(), SetGridLineShowBottom(v.toBool())),
    DV("DataViewGridLineShowXMajorsCheckBox", false, true, GridLineShowXMajors(), SetGridLineShowXMajors(v.toBool())),
    DV("DataViewGridLineShowXMinorsCheckBox", true, false, GridLineShowXMinors(), SetGridLineShowXMinors(v.toBool())),
    DV("DataViewGridLineShowYMajorsCheckBox", false, true, GridLineShowYMajors(), SetGridLineShowYMajors(v.toBool())),
    DV("DataViewGridLineShowYMinorsCheckBox", true, false, GridLineShowYMinors(), SetGridLineShowYMinors(v.toBool())),
    DV("DataViewGridLineMajorStyleComboBox", 2, 1, GridLineMajorStyle(),
       SetGridLineMajorStyle(TgPlotGridLineStyle(v.toInt()))),
    DV("DataViewGridLineMinorStyleComboBox", 1, 2, GridLineMinorStyle(),
       SetGridLineMinorStyle(TgPlotGridLineStyle(v.toInt()))),
    DV("DataViewGridLineXMajorCustomCheckBox", true, false, Grid(TgPlotDataView::XMajor).Custom,
       SetGridCustom(TgPlotDataView::XMajor, v.toBool())),
    DV("DataViewGridLineXMajorColorColorPicker", clRed, clBlue, Grid(TgPlotDataView::XMajor).Color,
       SetGridColor(TgPlotDataView::XMajor, TColor(v.toInt()))),
    DV("DataViewGridLineXMajorWidthEdit", 3, 7, Grid(TgPlotDataView::XMajor).Width,
       SetGridWidth(TgPlotDataView::XMajor, v.toInt())),
    DV("DataViewGridLineXMajorStyleComboBox", 1, 2, Grid(TgPlotDataView::XMajor).Style,
       SetGridStyle(TgPlotDataView::XMajor, TgPlotGridLineStyle(v.toInt()))),
    DV("DataViewGridLineXMinorCustomCheckBox", true, false, Grid(TgPlotDataView::XMinor).Custom,
       SetGridCustom(TgPlotDataView::XMinor, v.toBool())),
    DV("DataViewGridLineXMinorColorColorPicker", clLime, clOlive, Grid(TgPlotDataView::XMinor).Color,
       SetGridColor(TgPlotDataView::XMinor, TColor(v.toInt()))),
    DV("DataViewGridLineXMinorWidthEdit", 2, 9, Grid(TgPlotDataView::XMinor).Width,
       SetGridWidth(TgPlotDataView::XMinor, v.toInt())),
    DV("DataViewGridLineXMinorStyleComboBox", 2, 1, Grid(TgPlotDataView::XMinor).Style,
       SetGridStyle(TgPlotDataView::XMinor, TgPlotGridLineStyle(v.toInt()))),
    DV("DataViewGridLineYMajorCustomCheckBox", true, false, Grid(TgPlotDataView::YMajor).Custom,
       SetGridCustom(TgPlotDataView::YMajor, v.toBool())),
    DV("DataViewGridLineYMajorColorColorPicker", clPurple, clAqua, Grid(TgPlotDataView::YMajor).Color,
       SetGridColor(TgPlotDataView::YMajor, TColor(v.toInt()))),
    DV("DataViewGridLineYMajorWidthEdit", 4, 11, Grid(TgPlotDataView::YMajor).Width,
       SetGridWidth(TgPlotDataView::YMajor, v.toInt())),
    DV("DataViewGridLineYMajorStyleComboBox", 2, 1, Grid(TgPlotDataView::YMajor).Style,
       SetGridStyle(TgPlotDataView::YMajor, TgPlotGridLineStyle(v.toInt()))),
    DV("DataViewGridLineYMinorCustomCheckBox", true, false, Grid(TgPlotDataView::YMinor).Custom,
       SetGridCustom(TgPlotDataView::YMinor, v.toBool())),
    DV("DataViewGridLineYMinorColorColorPicker", clFuchsia, clSilver, Grid(TgPlotDataView::YMinor).Color,
       SetGridColor(TgPlotDataView::YMinor, TColor(v.toInt()))),
    DV("DataViewGridLineYMinorWidthEdit", 5, 1, Grid(TgPlotDataView::YMinor).Width,
       SetGridWidth(TgPlotDataView::YMinor, v.toInt())),
    DV("DataViewGridLineYMinorStyleComboBox", 1, 2, Grid(TgPlotDataView::YMinor).Style,
       SetGridStyle(TgPlotDataView::YMinor, TgPlotGridLineStyle(v.toInt()))),
};

#undef DV
#undef TB

TEST_F(PlotEditorTabs, EveryToolBarRowReachesTheToolBarAndShowsItAgain)
{
    Open();
    TgPlotToolBar *bar = plot->GetToolBar(0);
    const QString name = bar->Name();
    EveryRowReachesAndShows(bar, kToolBarRows);
    EXPECT_EQ(bar->Name(), name);
}

TEST_F(PlotEditorTabs, EveryDataViewRowReachesTheDataViewAndShowsItAgain)
{
    Open();
    TgPlotDataView *view = plot->GetDataView(0);
    const QString name = view->Name();
    EveryRowReachesAndShows(view, kDataViewRows);
    EXPECT_EQ(view->Name(), name);
}

// The plot's toolbar as drawn follows the tab: a button's box unticked
// takes it away, Zoom In/Out takes two, Small Buttons draws them smaller.
TEST_F(PlotEditorTabs, TheToolBarIsDrawnAsTheTabSays)
{
    Open();
    const std::vector<QRect> before = ToolBarButtons(Shot(plot));
    ASSERT_GE(before.size(), 10u);
    Click(Get<TgComponentEditorCheckBox>("ToolBarShowCopyButtonCheckBox"));
    EXPECT_EQ(ToolBarButtons(Shot(plot)).size(), before.size() - 1);
    Click(Get<TgComponentEditorCheckBox>("ToolBarShowZoomInOutButtonsCheckBox"));
    EXPECT_EQ(ToolBarButtons(Shot(plot)).size(), before.size() - 3);
    Click(Get<TgComponentEditorCheckBox>("ToolBarShowPreviewButtonCheckBox"));
    const std::vector<QRect> shown = ToolBarButtons(Shot(plot));
    EXPECT_EQ(shown.size(), before.size() - 2);

    Click(Get<TgComponentEditorCheckBox>("ToolBarSmallButtonsCheckBox"));
    const std::vector<QRect> small = ToolBarButtons(Shot(plot));
    ASSERT_EQ(small.size(), shown.size());
    EXPECT_LT(small[0].width(), shown[0].width());
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// Without a toolbar the tab is blank and disabled, and nothing on it adds
// one; the same when the plot's toolbar goes while the editor is open.
TEST_F(PlotEditorTabs, APlotWithoutAToolBarShowsTheTabBlankAndDisabled)
{
    const auto blankAndDisabled = [this] {
        for (const char *name : {"ToolBarVisibleCheckBox", "ToolBarSmallButtonsCheckBox",
                                 "ToolBarShowResumeButtonCheckBox", "ToolBarShowPrintButtonCheckBox"}) {
            auto *box = Get<TgComponentEditorCheckBox>(name);
            EXPECT_FALSE(box->Enabled()) << name;
            EXPECT_FALSE(box->AsBoolean()) << name;
        }
        auto *factor = Get<TgComponentEditorEdit>("ToolBarZoomInOutFactorEdit");
        EXPECT_FALSE(factor->Enabled());
        EXPECT_EQ(factor->Text(), "");
        // No button on the tab that could add one.
        Reveal(factor);
        for (QAbstractButton *b : editor->KindSheet(iekToolBar)->Widget()->findChildren<QAbstractButton *>())
            EXPECT_FALSE(b->isVisible() && b->isEnabled()) << b->text().toStdString();
    };

    plot->DeleteToolBar(0);
    Open();
    blankAndDisabled();
    // A click on a disabled box writes nothing and reports nothing.
    Click(Get<TgComponentEditorCheckBox>("ToolBarFlatBorderCheckBox"));
    EXPECT_EQ(plot->ToolBarCount(), 0);
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();

    plot->AddToolBar();
    EXPECT_TRUE(Get<TgComponentEditorCheckBox>("ToolBarVisibleCheckBox")->Enabled());
    EXPECT_TRUE(Get<TgComponentEditorCheckBox>("ToolBarVisibleCheckBox")->AsBoolean());
    plot->DeleteToolBar(0);
    editor->UpdateAll();
    blankAndDisabled();
}

// The tabs edit the object chosen in their hidden lists: a toolbar added
// by the plot, then the first one once the plot asks to edit it. The name
// edits show the chosen object's name, out of the user's reach, and leave
// the names as they are, a name given by the program meanwhile too.
TEST_F(PlotEditorTabs, TheHiddenListsFollowTheObjectChosenElsewhere)
{
    Open();
    TgPlotToolBar *first = plot->GetToolBar(0);
    plot->AddToolBar();
    TgPlotToolBar *second = plot->GetToolBar(1);
    auto *name = Get<TgComponentEditorEdit>("ToolBarNameEdit");
    EXPECT_FALSE(name->Showing());
    EXPECT_EQ(name->Text(), second->Name());
    Click(Get<TgComponentEditorCheckBox>("ToolBarFlatBorderCheckBox"));
    EXPECT_TRUE(second->FlatBorder());
    EXPECT_FALSE(first->FlatBorder());

    plot->Master()->EditObject(first);
    EXPECT_EQ(editor->PageControl->ActivePage(), editor->KindSheet(iekToolBar));
    EXPECT_EQ(name->Text(), first->Name());
    EXPECT_FALSE(Get<TgComponentEditorCheckBox>("ToolBarFlatBorderCheckBox")->AsBoolean());
    Type(Get<TgComponentEditorEdit>("ToolBarZoomInOutFactorEdit"), QStringLiteral("4"));
    EXPECT_EQ(first->ZoomInOutFactor(), 4);
    EXPECT_EQ(second->ZoomInOutFactor(), 2);
    EXPECT_NE(first->Name(), second->Name());
    // A name the program gives meanwhile stays.
    first->SetName(QStringLiteral("Main Bar"));
    Click(Get<TgComponentEditorCheckBox>("ToolBarSmallButtonsCheckBox"));
    EXPECT_TRUE(first->SmallButtons());
    EXPECT_EQ(first->Name().toStdString(), "Main Bar");
    EXPECT_EQ(name->Text(), "Main Bar");

    auto *viewName = Get<TgComponentEditorEdit>("DataViewNameEdit");
    EXPECT_FALSE(viewName->Showing());
    EXPECT_EQ(viewName->Text(), plot->GetDataView(0)->Name());
    // The data view's sub-tabs offer no way to the name.
    auto *pages = Get<TPageControl>("DataViewPageControl");
    Reveal(pages);
    auto *bar = pages->Widget()->findChild<QTabBar *>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(bar, nullptr);
    int shownTabs = 0;
    for (int i = 0; i < bar->count(); ++i)
        shownTabs += bar->isTabVisible(i);
    EXPECT_EQ(shownTabs, 2);
    plot->GetDataView(0)->SetName(QStringLiteral("Area"));
    Click(Get<TgComponentEditorCheckBox>("DataViewGridShow"));
    EXPECT_EQ(plot->GetDataView(0)->Name().toStdString(), "Area");
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// "<All>" in a translated editor: the entry shows translated, the data view
// gets the "<All>" it reads as every axis, and shows as that entry again.
TEST_F(PlotEditorTabs, AllAxesChosenInATranslatedEditorReachTheDataView)
{
    plot->AddTranslation(QStringLiteral("<All>"), QStringLiteral("<Alle>"));
    plot->AddTranslation(QStringLiteral("<None>"), QStringLiteral("<Keine>"));
    Open();
    TgPlotDataView *view = plot->GetDataView(0);
    auto *x = Get<TgComponentEditorComboBox>("DataViewGridXAxisNameComboBox");
    auto *y = Get<TgComponentEditorComboBox>("DataViewGridYAxisNameComboBox");
    EXPECT_EQ(x->Items()->Get(0), "<Keine>");
    EXPECT_EQ(x->Items()->Get(x->Items()->Count() - 1), "<Alle>");

    Enter(x, QStringLiteral("<Alle>"));
    EXPECT_EQ(view->GridXAxisName().toUpper().toStdString(), "<ALL>");
    EXPECT_EQ(x->AsString(), "<Alle>");
    // Another change keeps it.
    Enter(y, QStringLiteral("<Alle>"));
    EXPECT_EQ(view->GridXAxisName().toUpper().toStdString(), "<ALL>");
    EXPECT_EQ(view->GridYAxisName().toUpper().toStdString(), "<ALL>");

    view->SetGridXAxisName(QStringLiteral("<all>"));
    editor->UpdateDataViewEdit();
    EXPECT_EQ(x->AsString(), "<Alle>");
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

// Unticking Show on the X-Majors sub-tab takes the grid's X majors away at
// once and shows every tab anew: a toolbar changed behind the editor
// shows as it is.
TEST_F(PlotEditorTabs, AGridLineShowRefreshesEveryTab)
{
    Open();
    plot->GetToolBar(0)->SetFlatBorder(true);
    auto *flat = Get<TgComponentEditorCheckBox>("ToolBarFlatBorderCheckBox");
    ASSERT_FALSE(flat->AsBoolean());
    Click(Get<TgComponentEditorCheckBox>("DataViewGridLineShowXMajorsCheckBox"));
    EXPECT_FALSE(plot->GetDataView(0)->GridLineShowXMajors());
    EXPECT_TRUE(flat->AsBoolean());
    EXPECT_TRUE(plot->GetToolBar(0)->FlatBorder());
}

// A zoom factor that is not a number is refused and writes nothing; one
// below 1 is taken as 1, which the edit then shows.
TEST_F(PlotEditorTabs, TheZoomFactorTakesOnlyNumbers)
{
    Open();
    TgPlotToolBar *bar = plot->GetToolBar(0);
    auto *factor = Get<TgComponentEditorEdit>("ToolBarZoomInOutFactorEdit");
    Type(factor, QStringLiteral("abc"));
    EXPECT_TRUE(factor->Refused());
    EXPECT_EQ(factor->Text(), "2");
    EXPECT_EQ(bar->ZoomInOutFactor(), 2);
    Type(factor, QStringLiteral("0.5"));
    EXPECT_EQ(bar->ZoomInOutFactor(), 1);
    EXPECT_EQ(factor->AsFloat(), 1);
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

} // namespace
