#include "../plot/MessageOf.h"
#include "Form.h"
#include "TreeView.h"
#include "gOPCExplorer.h"
#include "gOPCLibrary.h"
#include "gOPCManager.h"

#include <QImage>
#include <gtest/gtest.h>

#include <memory>

namespace {

QStringList Texts(TTreeNode *n)
{
    QStringList out;
    for (int i = 0; i < n->Count(); ++i)
        out << n->Item(i)->Text();
    return out;
}

TEST(OPCExplorer, ListsTheLibrarysServerConnectionsInOneSharedWindow)
{
    TgOPCLibrary fake{QStringLiteral(FAKE_OPC_FULL)};
    TgOPCManager m(nullptr, &fake);
    EXPECT_EQ(TgOPCManager::Explorer(), nullptr);
    m.ExplorerShow();
    TgOPCExplorerForm *w = TgOPCManager::Explorer();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Caption(), "Tarvex OPC Explorer");
    EXPECT_TRUE(w->Visible());
    ASSERT_NE(w->FServersTreeNode, nullptr);
    EXPECT_EQ(Texts(w->FServersTreeNode), (QStringList{"Other", QString::fromUtf8("Server \xE4\xB8\xAD")}));
    EXPECT_EQ(w->FGroupsTreeNode->Count(), 0);
    EXPECT_EQ(w->FServersTreeNode->Item(0)->ImageIndex(), 2);
    // Shown again: the same window, listed anew (not twice).
    m.ExplorerShow();
    EXPECT_EQ(TgOPCManager::Explorer(), w);
    EXPECT_EQ(w->TreeView()->Items()->TopCount(), 2);
    EXPECT_EQ(w->FServersTreeNode->Count(), 2);
    // A new manager forgets the window; the next show makes another.
    TgOPCManager other(nullptr, &fake);
    EXPECT_EQ(TgOPCManager::Explorer(), nullptr);
}

TEST(OPCExplorer, WithoutTheLibraryShowingRaises)
{
    TgOPCManager m(nullptr);
    EXPECT_EQ(MessageOf([&] { m.ExplorerShow(); }), "Tarvex OPC DLL Not Found.");
}

// The marker shows its picture inside the 3-D frame, greyed when disabled.
TEST(OPCExplorer, ManagerMarkerDrawsItsPicture)
{
    auto form = std::make_unique<TForm>(nullptr, CreateNew);
    form->SetBounds(0, 0, 60, 60);
    form->SetColor(clWhite);
    auto *m = new TgOPCManager(form.get());
    m->SetParent(form.get());
    m->SetVisible(true);
    form->Show();
    auto colouredPixels = [&] {
        const QImage img = form->PaintToImage();
        int n = 0;
        for (int y = 2; y < 26; ++y)
            for (int x = 2; x < 26; ++x) {
                const QColor c(img.pixel(x, y));
                n += c.saturation() > 80;
            }
        return n;
    };
    EXPECT_GT(colouredPixels(), 40);
    m->SetEnabled(false);
    EXPECT_EQ(colouredPixels(), 0);
}

} // namespace
