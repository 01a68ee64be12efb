// The master manager and the property editor behind its interface: modal
// editors freed and made anew with the pages left open, lists kept in step
// with insertions, removals and renames, stay-on-top closing, translation.
#include "PlotTestPlot.h"
#include "gPlotTranslationManager.h"
#include "gPlotTranslationObject.h"
#include "gPlotXAxis.h"
#include "gPlotXAxisManager.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// Records what the master asks of it; pages as plain numbers.
class TFakeEditor : public IgPlotEditor {
public:
    static inline int made = 0, freed = 0;
    static inline QStringList log;
    TFakeEditor() { ++made; }
    ~TFakeEditor() override { ++freed; }
    bool closing = false;
    std::map<int, std::vector<TgPlotObject *>> lists;
    std::map<int, int> selected;
    std::array<int, iepCount> pages{};
    QStringList captions{QStringLiteral("Edit..."), QStringLiteral("Channels")};

    bool Closing() const override { return closing; }
    void UpdateAll() override {}
    void SetPlotComponent(TComponent *) override {}
    void UpdateKindEdit(TgPlotEditorKind) override {}
    void AddListEntry(TgPlotEditorKind Kind, TgPlotObject *Object) override { lists[Kind].push_back(Object); }
    void SelectListEntry(TgPlotEditorKind Kind, int Index) override { selected[Kind] = Index; }
    void DeleteListEntry(TgPlotEditorKind Kind, TgPlotObject *Object) override
    {
        auto &l = lists[Kind];
        l.erase(std::remove(l.begin(), l.end(), Object), l.end());
    }
    int ListEntryCount(TgPlotEditorKind Kind) const override
    {
        auto it = lists.find(Kind);
        return it == lists.end() ? 0 : static_cast<int>(it->second.size());
    }
    void ShowKindPage(TgPlotEditorKind Kind) override { log << QStringLiteral("page %1").arg(Kind); }
    void FollowRename(TgPlotEditorKind, const QString &OldName, const QString &NewName) override
    {
        log << OldName + QStringLiteral(" -> ") + NewName;
    }
    int PageCount(TgPlotEditorPageControl) const override { return 5; }
    int ActivePageIndex(TgPlotEditorPageControl Control) const override { return pages[Control]; }
    void SetActivePageIndex(TgPlotEditorPageControl Control, int Index) override { pages[Control] = Index; }
    void SetChannelButtonsVisible(bool) override {}
    void LoadControlPage() override {}
    void StoreControlPage() override { log << QStringLiteral("store"); }
    void CenterOnScreen() override {}
    void Show(bool StayOnTop) override
    {
        log << (StayOnTop ? QStringLiteral("show") : QStringLiteral("modal"));
        if (!StayOnTop)
            pages[iepMain] = 3; // the user leaves page 3 open
    }
    void Translate(const std::function<QString(const QString &)> &T) override
    {
        for (QString &c : captions)
            c = T(c);
    }
};

struct MasterEditorFixture : ::testing::Test {
    TTestPlot plot;
    TFakeEditor *current = nullptr;
    void SetUp() override
    {
        TFakeEditor::made = TFakeEditor::freed = 0;
        TFakeEditor::log.clear();
        TgPlotMasterManager::EditorFactory = [this](TgPlotMasterManager *, TComponent *) {
            current = new TFakeEditor;
            return current;
        };
    }
    void TearDown() override { TgPlotMasterManager::EditorFactory = nullptr; }
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
    TTestPlot plot;
    plot.master->EditProperties();
    EXPECT_EQ(plot.master->EditorForm(), nullptr);
}

} // namespace
