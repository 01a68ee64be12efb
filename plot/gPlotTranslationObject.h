#pragma once
#include "Events.h"
#include "Persistent.h"

#include <QString>

// One entry of a plot's translation table: a text the library shows
// (matched exactly) and the text shown in its place. An entry announces
// itself through OnInsert when made and OnRemove when freed, so the table
// that owns it learns and forgets it without being asked.
class TgPlotTranslationObject : public TPersistent {
public:
    TgPlotTranslationObject(TNotifyEvent AOnInsert, TNotifyEvent AOnRemove);
    ~TgPlotTranslationObject() override;

    const QString &OriginalString() const { return FOriginalString; }
    void SetOriginalString(const QString &Value) { FOriginalString = Value; }
    const QString &ReplacementString() const { return FReplacementString; }
    void SetReplacementString(const QString &Value) { FReplacementString = Value; }

    const TPublishedClass *PublishedClass() const override;

private:
    TNotifyEvent FOnInsert;
    TNotifyEvent FOnRemove;
    QString FOriginalString;
    QString FReplacementString;
};
