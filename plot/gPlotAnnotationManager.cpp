#include "gPlotAnnotationManager.h"

#include "gPlotAnnotation.h"

TgPlotObject *TgPlotAnnotationManager::CreateObject()
{
    return new TgPlotAnnotation(Owner(), OnChange(), OnInsert(), OnRemove(), OnRename());
}

void TgPlotAnnotationManager::NotificationInsert(TObject *Sender)
{
    if (auto *annotation = dynamic_cast<TgPlotAnnotation *>(Sender))
        InsertObject(annotation);
}

TgPlotAnnotation *TgPlotAnnotationManager::GetItem(int Index) const
{
    return ItemAs<TgPlotAnnotation>(Index);
}
