#pragma once
#include "Form.h"

class TCustomImageList;
class TgOPCLibrary;
class TTreeNode;
class TTreeView;

// The window that lists the support library's open server connections under
// "Servers Connections" (and an empty "Groups" root).
class TgOPCExplorerForm : public TForm {
public:
    explicit TgOPCExplorerForm(TComponent *AOwner);

    // Lists the connections of Library again. Without the library this
    // raises "Tarvex OPC DLL Not Found." and the tree keeps what it showed.
    void Refresh(TgOPCLibrary &Library);

    TTreeView *TreeView() const { return tree_; }
    TTreeNode *FServersTreeNode = nullptr;
    TTreeNode *FGroupsTreeNode = nullptr;

private:
    TCustomImageList *images_;
    TTreeView *tree_;
};
