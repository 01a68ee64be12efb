#pragma once
#include "gPlotObjectOwnedManager.h"

class TgPlotLegend;

// The plot's legends, named "Legend N".
class TgPlotLegendManager : public TgPlotObjectOwnedManager {
public:
    using TgPlotObjectOwnedManager::TgPlotObjectOwnedManager;

    TgPlotObject *CreateObject() override;
    QString GetBaseName() const override { return QStringLiteral("Legend"); }
    void NotificationInsert(TObject *Sender) override;
    TgPlotLegend *GetItem(int Index) const;
};
