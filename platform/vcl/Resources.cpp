#include "Resources.h"

#include "Exceptions.h"

#include <map>
#include <utility>

namespace {

using Key = std::pair<int, QString>; // type, upper-cased name ("#<n>" for numbers)

std::map<Key, QByteArray> &Table()
{
    static std::map<Key, QByteArray> table;
    return table;
}

QString NameKey(const QString &Name)
{
    return Name.toUpper();
}

QString IdKey(int Id)
{
    return QStringLiteral("#%1").arg(Id);
}

} // namespace

void RegisterResource(const QString &Name, const QByteArray &Data, TResourceType Type)
{
    Table()[{Type, NameKey(Name)}] = Data;
}

void RegisterResource(int Id, const QByteArray &Data, TResourceType Type)
{
    Table()[{Type, IdKey(Id)}] = Data;
}

void ClearResources()
{
    Table().clear();
}

static bool Lookup(const QString &key, TResourceType Type, QByteArray *Data)
{
    auto it = Table().find({Type, key});
    if (it == Table().end())
        return false;
    if (Data)
        *Data = it->second;
    return true;
}

bool FindResource(HINSTANCE, const QString &Name, TResourceType Type, QByteArray *Data)
{
    return Lookup(NameKey(Name), Type, Data);
}

bool FindResource(HINSTANCE, int Id, TResourceType Type, QByteArray *Data)
{
    return Lookup(IdKey(Id), Type, Data);
}

TResourceStream::TResourceStream(HINSTANCE Instance, const QString &Name, TResourceType Type)
{
    QByteArray data;
    if (!FindResource(Instance, Name, Type, &data))
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(Name));
    WriteBytes(data);
    SetPosition(0);
}

TResourceStream::TResourceStream(HINSTANCE Instance, int Id, TResourceType Type)
{
    QByteArray data;
    if (!FindResource(Instance, Id, Type, &data))
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(Id));
    WriteBytes(data);
    SetPosition(0);
}
