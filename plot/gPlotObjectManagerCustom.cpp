#include "gPlotObjectManagerCustom.h"

#include "ComponentStream.h"
#include "gPlotObject.h"

#include <memory>

TgPlotObjectManagerCustom::TgPlotObjectManagerCustom(TComponent *AOwner, TNotifyEvent AOnChange,
                                                     TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                                                     TNotifyEvent AOnRename)
{
    CheckPlotArguments(AOwner, QStringLiteral("Owner must be Assigned"), AOnChange, AOnInsert, AOnRemove, AOnRename);
    FOwner = AOwner;
    FOnChange = std::move(AOnChange);
    FOnInsert = std::move(AOnInsert);
    FOnRemove = std::move(AOnRemove);
    FOnRename = std::move(AOnRename);
    FOnInsert(this);
}

TgPlotObjectManagerCustom::~TgPlotObjectManagerCustom()
{
    // Owning descendants have emptied the list in their own destructors.
    FOnRemove(this);
}

void TgPlotObjectManagerCustom::Delete(int Index)
{
    FList.Delete(Index);
}

void TgPlotObjectManagerCustom::InsertObject(TgPlotObject *AObject)
{
    if (FList.IndexOfObject(AObject) < 0)
        FList.AddObject(QString(), AObject);
}

TgPlotObject *TgPlotObjectManagerCustom::GetItem(int Index) const
{
    return static_cast<TgPlotObject *>(FList.GetObject(Index));
}

int TgPlotObjectManagerCustom::GetIndex(const TObject *AObject) const
{
    return FList.IndexOfObject(AObject);
}

TgPlotObject *TgPlotObjectManagerCustom::GetObjectByName(const QString &Value) const
{
    const int index = GetIndexByName(Value);
    return index < 0 ? nullptr : GetItem(index);
}

int TgPlotObjectManagerCustom::GetIndexByName(const QString &Value) const
{
    for (int i = 0; i < FList.Count(); ++i)
        if (GetItem(i)->Name().compare(Value, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TgPlotObjectManagerCustom::GetNextName() const
{
    const QString base = GetBaseName();
    long long largest = 0;
    for (int i = 0; i < FList.Count(); ++i) {
        const QString name = GetItem(i)->Name();
        if (name.left(base.size()).compare(base, Qt::CaseInsensitive) != 0)
            continue;
        // Leading blanks are allowed; anything else that is not a number
        // skips the name.
        QString rest = name.mid(base.size());
        while (rest.startsWith(u' '))
            rest.remove(0, 1);
        bool ok = false;
        const int number = rest.toInt(&ok);
        if (ok && number > largest)
            largest = number;
    }
    return base + u' ' + QString::number(largest + 1);
}

void TgPlotObjectManagerCustom::NotificationRemove(TObject *Sender)
{
    for (int i = FList.Count() - 1; i >= 0; --i) {
        if (FList.GetObject(i) == Sender) {
            FList.Delete(i);
            DoRemoveObject(static_cast<TgPlotObject *>(Sender));
            FOnChange(this);
            return;
        }
    }
}

void TgPlotObjectManagerCustom::NotificationRename(TObject *Sender)
{
    for (int i = 0; i < FList.Count(); ++i)
        GetItem(i)->NotificationRename(Sender);
}

void TgPlotObjectManagerCustom::NotificationSetFocus(TObject *Sender)
{
    for (int i = 0; i < FList.Count(); ++i)
        GetItem(i)->NotificationSetFocus(Sender);
}

void TgPlotObjectManagerCustom::WriteToStream(TWriter *Writer) const
{
    Writer->WriteValue(vaCollection);
    for (int i = 0; i < FList.Count(); ++i) {
        Writer->WriteListBegin();
        Writer->WriteProperties(GetItem(i));
        Writer->WriteListEnd();
    }
    Writer->WriteListEnd();
}

void TgPlotObjectManagerCustom::ReadFromStream(TReader *Reader)
{
    Clear();
    if (Reader->ReadValue() != vaCollection)
        return;
    while (!Reader->EndOfList()) {
        // Owned until registered: a damaged stream frees the half-read object.
        std::unique_ptr<TgPlotObject> object(CreateObject());
        Reader->ReadListBegin();
        Reader->ReadProperties(object.get());
        object.release()->DoInsert();
    }
    Reader->ReadListEnd();
}
