#include "Exceptions.h"
#include "Form.h"
#include "ImageList.h"
#include "TreeView.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(TreeView, NodesSortByTextWithTheirPictures)
{
    auto form = std::make_unique<TForm>(nullptr, CreateNew);
    auto *images = new TCustomImageList(form.get());
    for (QColor c : {Qt::red, Qt::green, Qt::blue}) {
        QImage img(16, 16, QImage::Format_ARGB32);
        img.fill(c);
        images->Add(img);
    }
    auto *tree = new TTreeView(form.get());
    tree->SetParent(form.get());
    tree->SetImages(images);
    tree->SetReadOnly(true);
    tree->SetSortType(stText);
    TTreeNode *servers = tree->Items()->Add(nullptr, "Servers");
    TTreeNode *groups = tree->Items()->Add(nullptr, "Groups");
    servers->SetImageIndex(0);
    groups->SetImageIndex(1);
    tree->Items()->AddChild(servers, "Zeta")->SetImageIndex(2);
    tree->Items()->AddChild(servers, "Alpha");

    EXPECT_EQ(tree->Items()->TopItem(0), groups); // sorted: "Groups" before "Servers"
    EXPECT_EQ(tree->TreeWidget()->topLevelItem(0)->text(0), "Groups");
    ASSERT_EQ(servers->Count(), 2);
    EXPECT_EQ(servers->Item(0)->Text(), "Alpha");
    EXPECT_EQ(servers->Item(1)->Parent(), servers);
    EXPECT_EQ(tree->TreeWidget()->topLevelItem(1)->child(1)->text(0), "Zeta");
    const QImage icon = tree->TreeWidget()->topLevelItem(1)->child(1)->icon(0).pixmap(16, 16).toImage();
    EXPECT_EQ(QColor(icon.pixel(8, 8)), QColor(Qt::blue));
    EXPECT_FALSE(tree->TreeWidget()->topLevelItem(0)->flags() & Qt::ItemIsEditable);
    EXPECT_THROW(servers->Item(2), EListError);

    tree->Items()->Clear();
    EXPECT_EQ(tree->Items()->TopCount(), 0);
    EXPECT_EQ(tree->TreeWidget()->topLevelItemCount(), 0);
    delete images; // the view forgets the list it showed
    EXPECT_EQ(tree->Images(), nullptr);
}

} // namespace
