#pragma once
#include "gPlotObjectOwnedManager.h"

class TgPlotLimit;
class TgPlotXAxisManager;
class TgPlotYAxisManager;

// The plot's limits, named "Limit N"; one named here is bound to X and Y
// axis 0.
class TgPlotLimitManager : public TgPlotObjectOwnedManager {
public:
    using TgPlotObjectOwnedManager::TgPlotObjectOwnedManager;

    TgPlotObject *CreateObject() override;
    QString GetBaseName() const override { return QStringLiteral("Limit"); }
    void NotificationInsert(TObject *Sender) override;
    TgPlotLimit *GetItem(int Index) const;

    TgPlotXAxisManager *XAxisManager() const { return FXAxisManager; }
    void SetXAxisManager(TgPlotXAxisManager *Value) { FXAxisManager = Value; }
    TgPlotYAxisManager *YAxisManager() const { return FYAxisManager; }
    void SetYAxisManager(TgPlotYAxisManager *Value) { FYAxisManager = Value; }

private:
    TgPlotXAxisManager *FXAxisManager = nullptr;
    TgPlotYAxisManager *FYAxisManager = nullptr;
};
