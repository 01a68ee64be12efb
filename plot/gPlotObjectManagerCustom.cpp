#include "gPlotObjectManagerCustom.h"

#include "ComponentStream.h"
#include "Exceptions.h"
#include "gPlotObject.h"

#include <algorithm>
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
    // Owning descendants have emptied the list in their own destructors. A
    // handler's failure cannot leave a destructor.
    std::exception_ptr ignored;
    KeepFirstFailure(ignored, [this] { FOnRemove(this); });
}

void TgPlotObjectManagerCustom::Delete(int Index)
{
    Forget(Index);
}

void TgPlotObjectManagerCustom::Forget(int Index)
{
    const TObject *object = GetItem(Index);
    FHeld.erase(object);
    FList.erase(FList.begin() + Index);
    FLargestKnown = false; // the object may be freed: its name is not read
    DoForget(object);
}

void TgPlotObjectManagerCustom::InsertObject(TgPlotObject *AObject)
{
    if (!FHeld.insert(AObject).second)
        return;
    FList.push_back(AObject);
    if (FLargestKnown)
        FLargestNumber = std::max(FLargestNumber, NameNumber(AObject->Name()));
}

TgPlotObject *TgPlotObjectManagerCustom::GetItem(int Index) const
{
    if (Index < 0 || Index >= Count())
        ThrowListIndexError(Index);
    return FList[static_cast<size_t>(Index)];
}

TgPlotObject *TgPlotObjectManagerCustom::FirstStaying() const
{
    const auto at = std::find_if(FList.begin(), FList.end(), [](const TgPlotObject *o) { return !o->Removing(); });
    return at == FList.end() ? nullptr : *at;
}

int TgPlotObjectManagerCustom::GetIndex(const TObject *AObject) const
{
    if (!Holds(AObject))
        return -1;
    // Objects are held once: the one just added is looked for first, then
    // from the front, where a Clear takes its objects.
    if (FList.back() == AObject)
        return Count() - 1;
    return static_cast<int>(std::find(FList.begin(), FList.end(), AObject) - FList.begin());
}

TgPlotObject *TgPlotObjectManagerCustom::GetObjectByName(const QString &Value) const
{
    const int index = GetIndexByName(Value);
    return index < 0 ? nullptr : GetItem(index);
}

int TgPlotObjectManagerCustom::GetIndexByName(const QString &Value) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetItem(i)->Name().compare(Value, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

long long TgPlotObjectManagerCustom::NameNumber(const QString &Name) const
{
    const QString base = GetBaseName();
    if (Name.left(base.size()).compare(base, Qt::CaseInsensitive) != 0)
        return 0;
    // Leading blanks are allowed; anything else that is not a number
    // counts for nothing.
    QString rest = Name.mid(base.size());
    while (rest.startsWith(u' '))
        rest.remove(0, 1);
    bool ok = false;
    const int number = rest.toInt(&ok);
    return ok && number > 0 ? number : 0;
}

QString TgPlotObjectManagerCustom::GetNextName() const
{
    if (!FLargestKnown) {
        FLargestNumber = 0;
        for (const TgPlotObject *object : FList)
            FLargestNumber = std::max(FLargestNumber, NameNumber(object->Name()));
        FLargestKnown = true;
    }
    return GetBaseName() + u' ' + QString::number(FLargestNumber + 1);
}

void TgPlotObjectManagerCustom::NotificationRemove(TObject *Sender)
{
    const int i = GetIndex(Sender);
    if (i < 0)
        return;
    Forget(i);
    DoRemoveObject(static_cast<TgPlotObject *>(Sender));
    FOnChange(this);
}

void TgPlotObjectManagerCustom::NotificationRename(TObject *Sender)
{
    if (FLargestKnown && Holds(Sender)) {
        const auto *object = static_cast<const TgPlotObject *>(Sender);
        const long long number = NameNumber(object->Name());
        if (number >= FLargestNumber)
            FLargestNumber = number;
        else if (NameNumber(object->NameOld()) == FLargestNumber)
            FLargestKnown = false;
    }
    if (const auto *object = dynamic_cast<const TgPlotObject *>(Sender); object && object->FirstNaming())
        return;
    for (int i = 0; i < Count(); ++i)
        GetItem(i)->NotificationRename(Sender);
}

void TgPlotObjectManagerCustom::NotificationSetFocus(TObject *Sender)
{
    for (int i = 0; i < Count(); ++i)
        GetItem(i)->NotificationSetFocus(Sender);
}

void TgPlotObjectManagerCustom::WriteToStream(TWriter *Writer) const
{
    Writer->WriteValue(vaCollection);
    for (int i = 0; i < Count(); ++i) {
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
