#include "gOPCExplorer.h"

#include "ImageList.h"
#include "TreeView.h"
#include "gOPCArtwork.h"
#include "gOPCLibrary.h"

TgOPCExplorerForm::TgOPCExplorerForm(TComponent *AOwner) : TForm(AOwner, CreateNew)
{
    SetCaption("Tarvex OPC Explorer");
    SetBounds(0, 0, 256, 319);
    SetConstraints({250, 300, 0, 0});
    SetBorderIcons(TBorderIcons{biSystemMenu});
    SetFormStyle(fsStayOnTop);
    SetPosition(poScreenCenter);
    Font()->SetName("MS Sans Serif");
    Font()->SetSize(8);

    images_ = new TCustomImageList(this);
    for (auto node : {OPCArtwork::ServersRoot, OPCArtwork::GroupsRoot, OPCArtwork::Connection})
        images_->Add(OPCArtwork::ExplorerNodeImage(node));

    tree_ = new TTreeView(this);
    tree_->SetName("tvExplorer");
    tree_->SetParent(this);
    tree_->SetAlign(alClient);
    tree_->SetReadOnly(true);
    tree_->SetSortType(stText);
    tree_->SetIndent(19);
    tree_->SetImages(images_);
}

void TgOPCExplorerForm::Refresh(TgOPCLibrary &Library)
{
    // The connections are read first: a failing library leaves the tree as it was.
    QStringList names;
    const int count = Library.ServerConnectionGetCount();
    for (int i = 0; i < count; ++i)
        names << Library.ServerConnectionGetName(i);

    tree_->Items()->Clear();
    auto add = [this](TTreeNode *parent, const QString &text, int image) {
        TTreeNode *n = parent ? tree_->Items()->AddChild(parent, text) : tree_->Items()->Add(nullptr, text);
        n->SetImageIndex(image);
        n->SetSelectedIndex(image);
        return n;
    };
    FServersTreeNode = add(nullptr, "Servers Connections", OPCArtwork::ServersRoot);
    FGroupsTreeNode = add(nullptr, "Groups", OPCArtwork::GroupsRoot);
    for (const QString &name : names)
        add(FServersTreeNode, name, OPCArtwork::Connection);
}
