#pragma once
#include "gPlotObjectOwnedManager.h"

class TgPlotAnnotation;

// The plot's annotations; they are held as they come, never named.
class TgPlotAnnotationManager : public TgPlotObjectOwnedManager {
public:
    using TgPlotObjectOwnedManager::TgPlotObjectOwnedManager;

    TgPlotObject *CreateObject() override;
    QString GetBaseName() const override { return QStringLiteral("Annotation"); }
    void NotificationInsert(TObject *Sender) override;
    TgPlotAnnotation *GetItem(int Index) const;
};
