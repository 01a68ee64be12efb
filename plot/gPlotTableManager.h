#pragma once
#include "gPlotObjectOwnedManager.h"

class TgPlotTable;

// The plot's tables, named "Table N".
class TgPlotTableManager : public TgPlotObjectOwnedManager {
public:
    using TgPlotObjectOwnedManager::TgPlotObjectOwnedManager;

    TgPlotObject *CreateObject() override;
    QString GetBaseName() const override { return QStringLiteral("Table"); }
    void NotificationInsert(TObject *Sender) override;
    TgPlotTable *GetItem(int Index) const;
};
