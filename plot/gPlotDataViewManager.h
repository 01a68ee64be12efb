#pragma once
#include "gPlotObjectOwnedManager.h"

class TgPlotDataView;
class TgPlotXAxisManager;
class TgPlotYAxisManager;

// The plot's data views, named "Data View N"; one named here binds its grid
// to X and Y axis 0.
class TgPlotDataViewManager : public TgPlotObjectOwnedManager {
public:
    using TgPlotObjectOwnedManager::TgPlotObjectOwnedManager;

    TgPlotObject *CreateObject() override;
    QString GetBaseName() const override { return QStringLiteral("Data View"); }
    void NotificationInsert(TObject *Sender) override;
    TgPlotDataView *GetItem(int Index) const;

    TgPlotXAxisManager *XAxisManager() const { return FXAxisManager; }
    void SetXAxisManager(TgPlotXAxisManager *Value) { FXAxisManager = Value; }
    TgPlotYAxisManager *YAxisManager() const { return FYAxisManager; }
    void SetYAxisManager(TgPlotYAxisManager *Value) { FYAxisManager = Value; }

private:
    TgPlotXAxisManager *FXAxisManager = nullptr;
    TgPlotYAxisManager *FYAxisManager = nullptr;
};
