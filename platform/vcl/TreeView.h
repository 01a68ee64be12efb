#pragma once
#include "WinControl.h"

#include <QString>
#include <memory>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class TCustomImageList;
class TTreeView;

enum TSortType { stNone, stData, stText, stBoth };

// One node of a tree view: its text, its picture (ImageIndex) and the one it
// shows while selected (SelectedIndex), both from the view's image list.
class TTreeNode {
public:
    const QString &Text() const { return text_; }
    void SetText(const QString &Value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int Value);
    TTreeNode *Parent() const { return parent_; }
    int Count() const { return static_cast<int>(children_.size()); }
    TTreeNode *Item(int Index) const; // EListError out of range

private:
    friend class TTreeNodes;
    friend class TTreeView;
    TTreeNode(TTreeView *View, TTreeNode *Parent, const QString &Text);
    void UpdateIcon();

    TTreeView *view_;
    TTreeNode *parent_;
    QString text_;
    int imageIndex_ = -1, selectedIndex_ = -1;
    QTreeWidgetItem *item_ = nullptr;
    std::vector<std::unique_ptr<TTreeNode>> children_;
};

// The nodes of a tree view. Add puts a node beside Sibling (at the top level
// when none); AddChild under Parent (at the top level when none).
class TTreeNodes {
public:
    explicit TTreeNodes(TTreeView *View) : view_(View) {}
    void Clear();
    TTreeNode *Add(TTreeNode *Sibling, const QString &Text);
    TTreeNode *AddChild(TTreeNode *Parent, const QString &Text);
    int TopCount() const { return static_cast<int>(top_.size()); }
    TTreeNode *TopItem(int Index) const; // EListError out of range

private:
    friend class TTreeView;
    TTreeView *view_;
    std::vector<std::unique_ptr<TTreeNode>> top_;
};

// A tree view (a Qt tree widget inside): nodes with pictures from an image
// list, sorted by text when SortType asks, read-only texts when ReadOnly.
class TTreeView : public TWinControl {
public:
    explicit TTreeView(TComponent *AOwner);
    ~TTreeView() override;

    TTreeNodes *Items() { return &items_; }
    TCustomImageList *Images() const { return images_; }
    void SetImages(TCustomImageList *Value);
    TSortType SortType() const { return sortType_; }
    void SetSortType(TSortType Value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool Value);
    int Indent() const;
    void SetIndent(int Value);

    QTreeWidget *TreeWidget() const { return tree_; }

protected:
    void Notification(TComponent *AComponent, TOperation Operation) override;

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    void Resort();

    QTreeWidget *tree_;
    TTreeNodes items_{this};
    TCustomImageList *images_ = nullptr;
    TSortType sortType_ = stNone;
    bool readOnly_ = false;
};
