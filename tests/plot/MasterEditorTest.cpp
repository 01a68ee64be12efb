// The master manager and the property editor behind its interface: modal
// editors freed and made anew with the pages left open, lists kept in step
// with insertions, removals and renames, stay-on-top closing, translation.
#include "FakePlotEditor.h"
#include "PlotTestPlot.h"
#include "gPlotTranslationManager.h"
#include "gPlotTranslationObject.h"
#include "gPlotXAxis.h"
#include "gPlotXAxisManager.h"

#include <gtest/gtest.h>
#include <map>

namespace {

struct MasterEditorFixture : ::testing::Test {
    TTestPlot plot;
    TFakeEditor *current = nullptr;
    TgPlotEditorFactory libraryFactory = TgPlotMasterManager::EditorFactory;
    void SetUp() override
    {
        TFakeEditor::made = TFakeEditor::freed = 0;
        TFakeEditor::log.clear();
        TgPlotMasterManager::EditorFactory = [this](TgPlotMasterManager *, TComponent *) {
            current = new TFakeEditor;
            return current;
        };
    }
    void TearDown() override { TgPlotMasterManager::EditorFactory = libraryFactory; }
};

TEST_F(MasterEditorFixture, ModalEditorsComeAndGoKeepingThePages)
{
    plot.master->AddXAxis();
    plot.master->EditProperties();
    EXPECT_EQ(TFakeEditor::made, 1);
    EXPECT_EQ(TFakeEditor::freed, 1);
    EXPECT_EQ(plot.master->EditorForm(), nullptr);
    EXPECT_EQ(plot.master->PageControlIndex(iepMain), 3);
    EXPECT_TRUE(plot.host.events.contains(QStringLiteral("editor opened")));

    plot.master->EditObject(plot.master->XAxisManager()->GetItem(0));
    EXPECT_EQ(TFakeEditor::made, 2);
    EXPECT_EQ(TFakeEditor::log, QStringList({"modal", QStringLiteral("page %1").arg(iekXAxis), "modal"}));
}

TEST_F(MasterEditorFixture, StayOnTopEditorFollowsThePlot)
{
    plot.host.stayOnTop = true;
    plot.master->AddXAxis();
    plot.master->EditProperties();
    ASSERT_NE(plot.master->EditorForm(), nullptr);
    TFakeEditor *editor = current;
    EXPECT_EQ(editor->lists[iekXAxis].size(), 1u);
    EXPECT_EQ(editor->selected[iekXAxis], 0);

    plot.master->AddXAxis();
    EXPECT_EQ(editor->lists[iekXAxis].size(), 2u);
    EXPECT_EQ(editor->selected[iekXAxis], 1);
    plot.master->XAxisManager()->GetItem(0)->SetName(QStringLiteral("Time"));
    EXPECT_TRUE(TFakeEditor::log.contains(QStringLiteral("X-Axis 1 -> Time")));
    delete plot.master->XAxisManager()->GetItem(1);
    EXPECT_EQ(editor->lists[iekXAxis].size(), 1u);
    plot.master->BasicPropertyChanged();
    EXPECT_TRUE(TFakeEditor::log.contains(QStringLiteral("store")));

    // A closing editor is left alone.
    editor->closing = true;
    plot.master->AddXAxis();
    EXPECT_EQ(editor->lists[iekXAxis].size(), 1u);
    editor->closing = false;
    editor->OnClosed();
    EXPECT_EQ(plot.master->EditorForm(), nullptr);
}

TEST_F(MasterEditorFixture, TranslateFormOnlyWithEntries)
{
    TFakeEditor editor;
    plot.master->TranslateForm(&editor);
    EXPECT_EQ(editor.captions, QStringList({"Edit...", "Channels"}));
    plot.master->TranslationManager()->Add();
    plot.master->TranslationManager()->GetItem(0)->SetOriginalString(QStringLiteral("Channels"));
    plot.master->TranslationManager()->GetItem(0)->SetReplacementString(QStringLiteral("Kanäle"));
    plot.master->TranslateForm(&editor);
    EXPECT_EQ(editor.captions, QStringList({"Edit...", QStringLiteral("Kanäle")}));
}

TEST(MasterManager, NoEditorWithoutFactoryOrPlot)
{
    const TgPlotEditorFactory libraryFactory = TgPlotMasterManager::EditorFactory;
    EXPECT_TRUE(libraryFactory) << "the library's editor is there from the start";
    TgPlotMasterManager::EditorFactory = nullptr;
    TTestPlot plot;
    plot.master->EditProperties();
    EXPECT_EQ(plot.master->EditorForm(), nullptr);
    TgPlotMasterManager::EditorFactory = libraryFactory;
}

} // namespace
