#include "gPlotTranslationObject.h"

#include "TypInfo.h"

TgPlotTranslationObject::TgPlotTranslationObject(TNotifyEvent AOnInsert, TNotifyEvent AOnRemove)
    : FOnInsert(std::move(AOnInsert)), FOnRemove(std::move(AOnRemove)),
      FOriginalString(QStringLiteral("Unknown")), FReplacementString(QStringLiteral("Unknown"))
{
    if (FOnInsert)
        FOnInsert(this);
}

TgPlotTranslationObject::~TgPlotTranslationObject()
{
    if (FOnRemove)
        FOnRemove(this);
}

const TPublishedClass *TgPlotTranslationObject::PublishedClass() const
{
    static const TPublishedClass info =
        TPublishedBuilder<TgPlotTranslationObject>()
            .String("OriginalString", &TgPlotTranslationObject::OriginalString,
                    &TgPlotTranslationObject::SetOriginalString)
            .String("ReplacementString", &TgPlotTranslationObject::ReplacementString,
                    &TgPlotTranslationObject::SetReplacementString)
            .Build();
    return &info;
}
