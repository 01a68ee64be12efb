#pragma once
#include "gPlotObjectOwnedManager.h"

class TgPlotYAxis;

// The plot's y-axiss, named "Y-Axis N".
class TgPlotYAxisManager : public TgPlotObjectOwnedManager {
public:
    using TgPlotObjectOwnedManager::TgPlotObjectOwnedManager;

    TgPlotObject *CreateObject() override;
    QString GetBaseName() const override { return QStringLiteral("Y-Axis"); }
    void NotificationInsert(TObject *Sender) override;
    TgPlotYAxis *GetItem(int Index) const;
};
