#include "Graphic.h"

#include "Stream.h"

void TGraphic::LoadFromFile(const QString &FileName)
{
    TFileStream f(FileName, fmOpenRead);
    LoadFromStream(&f);
}

void TGraphic::SaveToFile(const QString &FileName)
{
    TAtomicFileStream f(FileName);
    SaveToStream(&f);
    f.Commit();
}

void TGraphic::SetTransparent(bool Value)
{
    if (Value == transparent_)
        return;
    transparent_ = Value;
    Changed(this);
}

void TGraphic::Changed(TObject *)
{
    modified_ = true;
    if (OnChange)
        OnChange(this);
}
