#pragma once
#include "gPlotAxisBoundManager.h"

class TgPlotDataView;

// The plot's data views, named "Data View N"; one named here binds its grid
// to X and Y axis 0.
class TgPlotDataViewManager : public TgPlotAxisBoundManager {
public:
    using TgPlotAxisBoundManager::TgPlotAxisBoundManager;

    TgPlotObject *CreateObject() override;
    QString GetBaseName() const override { return QStringLiteral("Data View"); }
    void NotificationInsert(TObject *Sender) override;
    TgPlotDataView *GetItem(int Index) const;
};
