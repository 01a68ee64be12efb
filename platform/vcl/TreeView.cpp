#include "TreeView.h"

#include "Exceptions.h"
#include "ImageList.h"

#include <QHeaderView>
#include <QIcon>
#include <QPixmap>
#include <QTreeWidget>
#include <algorithm>
#include <functional>

namespace {

template <typename List>
auto &At(const List &list, int Index)
{
    if (Index < 0 || Index >= static_cast<int>(list.size()))
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return list[Index];
}

} // namespace

TTreeNode::TTreeNode(TTreeView *View, TTreeNode *Parent, const QString &Text)
    : view_(View), parent_(Parent), text_(Text)
{
}

void TTreeNode::SetText(const QString &Value)
{
    text_ = Value;
    item_->setText(0, Value);
    view_->Resort();
}

void TTreeNode::SetImageIndex(int Value)
{
    imageIndex_ = Value;
    UpdateIcon();
}

void TTreeNode::SetSelectedIndex(int Value)
{
    selectedIndex_ = Value;
    UpdateIcon();
}

TTreeNode *TTreeNode::Item(int Index) const { return At(children_, Index).get(); }

void TTreeNode::UpdateIcon()
{
    TCustomImageList *images = view_->images_;
    QIcon icon;
    auto add = [&](int index, QIcon::Mode mode) {
        if (images && index >= 0 && index < images->Count())
            icon.addPixmap(QPixmap::fromImage(images->Image(index)), mode);
    };
    add(imageIndex_, QIcon::Normal);
    add(selectedIndex_, QIcon::Selected);
    item_->setIcon(0, icon);
}

void TTreeNodes::Clear()
{
    view_->tree_->clear(); // frees every item
    top_.clear();
}

TTreeNode *TTreeNodes::Add(TTreeNode *Sibling, const QString &Text)
{
    return AddChild(Sibling ? Sibling->parent_ : nullptr, Text);
}

TTreeNode *TTreeNodes::AddChild(TTreeNode *Parent, const QString &Text)
{
    std::unique_ptr<TTreeNode> node(new TTreeNode(view_, Parent, Text));
    node->item_ = new QTreeWidgetItem(QStringList{Text});
    if (!view_->readOnly_)
        node->item_->setFlags(node->item_->flags() | Qt::ItemIsEditable);
    if (Parent)
        Parent->item_->addChild(node->item_);
    else
        view_->tree_->addTopLevelItem(node->item_);
    TTreeNode *added = node.get();
    (Parent ? Parent->children_ : top_).push_back(std::move(node));
    view_->Resort();
    return added;
}

TTreeNode *TTreeNodes::TopItem(int Index) const { return At(top_, Index).get(); }

TTreeView::TTreeView(TComponent *AOwner)
    : TWinControl(AOwner, new QTreeWidget), tree_(static_cast<QTreeWidget *>(Widget()))
{
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    SetTabStop(true);
    SetBounds(0, 0, 121, 97);
    SetColor(clWindow);
}

TTreeView::~TTreeView() = default;

void TTreeView::SetImages(TCustomImageList *Value)
{
    images_ = Value;
    if (Value) {
        Value->FreeNotification(this);
        tree_->setIconSize(QSize(Value->Width(), Value->Height()));
    }
    std::function<void(TTreeNode *)> update = [&](TTreeNode *n) {
        n->UpdateIcon();
        for (int i = 0; i < n->Count(); ++i)
            update(n->Item(i));
    };
    for (int i = 0; i < items_.TopCount(); ++i)
        update(items_.TopItem(i));
}

void TTreeView::SetSortType(TSortType Value)
{
    sortType_ = Value;
    Resort();
}

void TTreeView::SetReadOnly(bool Value)
{
    readOnly_ = Value;
    tree_->setEditTriggers(Value ? QAbstractItemView::NoEditTriggers : QAbstractItemView::EditKeyPressed);
}

int TTreeView::Indent() const { return tree_->indentation(); }
void TTreeView::SetIndent(int Value) { tree_->setIndentation(Value); }

void TTreeView::Notification(TComponent *AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == images_)
        SetImages(nullptr);
}

void TTreeView::Resort()
{
    if (sortType_ != stText && sortType_ != stBoth)
        return;
    tree_->sortItems(0, Qt::AscendingOrder);
    // The node lists follow the order the view shows.
    std::function<void(std::vector<std::unique_ptr<TTreeNode>> &)> follow = [&](auto &list) {
        std::sort(list.begin(), list.end(), [this](const auto &a, const auto &b) {
            QTreeWidgetItem *pa = a->item_->parent();
            return pa ? pa->indexOfChild(a->item_) < pa->indexOfChild(b->item_)
                      : tree_->indexOfTopLevelItem(a->item_) < tree_->indexOfTopLevelItem(b->item_);
        });
        for (auto &n : list)
            follow(n->children_);
    };
    follow(items_.top_);
}
