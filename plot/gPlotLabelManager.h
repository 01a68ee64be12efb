#pragma once
#include "gPlotObjectOwnedManager.h"

class TgPlotLabel;

// The plot's labels, named "Label N".
class TgPlotLabelManager : public TgPlotObjectOwnedManager {
public:
    using TgPlotObjectOwnedManager::TgPlotObjectOwnedManager;

    TgPlotObject *CreateObject() override;
    QString GetBaseName() const override { return QStringLiteral("Label"); }
    void NotificationInsert(TObject *Sender) override;
    TgPlotLabel *GetItem(int Index) const;
};
