#pragma once
#include "gPlotObjectOwnedManager.h"

class TgPlotToolBar;

// The plot's toolbars, named "Toolbar N".
class TgPlotToolBarManager : public TgPlotObjectOwnedManager {
public:
    using TgPlotObjectOwnedManager::TgPlotObjectOwnedManager;

    TgPlotObject *CreateObject() override;
    QString GetBaseName() const override { return QStringLiteral("Toolbar"); }
    void NotificationInsert(TObject *Sender) override;
    TgPlotToolBar *GetItem(int Index) const;
};
