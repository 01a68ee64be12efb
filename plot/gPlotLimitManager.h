#pragma once
#include "gPlotAxisBoundManager.h"

class TgPlotLimit;

// The plot's limits, named "Limit N"; one named here is bound to X and Y
// axis 0.
class TgPlotLimitManager : public TgPlotAxisBoundManager {
public:
    using TgPlotAxisBoundManager::TgPlotAxisBoundManager;

    TgPlotObject *CreateObject() override;
    QString GetBaseName() const override { return QStringLiteral("Limit"); }
    void NotificationInsert(TObject *Sender) override;
    TgPlotLimit *GetItem(int Index) const;
};
