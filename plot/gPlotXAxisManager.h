#pragma once
#include "gPlotObjectOwnedManager.h"

class TgPlotXAxis;

// The plot's x-axiss, named "X-Axis N".
class TgPlotXAxisManager : public TgPlotObjectOwnedManager {
public:
    using TgPlotObjectOwnedManager::TgPlotObjectOwnedManager;

    TgPlotObject *CreateObject() override;
    QString GetBaseName() const override { return QStringLiteral("X-Axis"); }
    void NotificationInsert(TObject *Sender) override;
    TgPlotXAxis *GetItem(int Index) const;
};
