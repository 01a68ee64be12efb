#include "Registry.h"

#include "Exceptions.h"

#include <QSettings>

namespace {

QString GroupOf(QString Key)
{
    Key.replace(u'\\', u'/');
    while (Key.startsWith(u'/'))
        Key.remove(0, 1);
    return Key;
}

} // namespace

TRegistry::TRegistry(TRootKey RootKey)
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat,
                                            RootKey == HKEY_LOCAL_MACHINE ? QSettings::SystemScope : QSettings::UserScope,
                                            QStringLiteral("TQ62"), QStringLiteral("Registry")))
{
}

TRegistry::~TRegistry() = default;

bool TRegistry::OpenKeyReadOnly(const QString &Key)
{
    const QString group = GroupOf(Key);
    settings_->beginGroup(group);
    const bool exists = !settings_->allKeys().isEmpty();
    settings_->endGroup();
    key_ = exists ? group : QString();
    return exists;
}

bool TRegistry::OpenKey(const QString &Key, bool CanCreate)
{
    if (OpenKeyReadOnly(Key))
        return true;
    if (!CanCreate)
        return false;
    key_ = GroupOf(Key);
    return true;
}

void TRegistry::CloseKey()
{
    settings_->sync();
    key_.clear();
}

bool TRegistry::ValueExists(const QString &Name) const
{
    return !key_.isEmpty() && settings_->contains(key_ + u'/' + Name);
}

QString TRegistry::ReadString(const QString &Name) const
{
    if (key_.isEmpty())
        return QString();
    const QVariant v = settings_->value(key_ + u'/' + Name);
    if (v.isValid() && v.typeId() != QMetaType::QString)
        throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(Name));
    return v.toString();
}

void TRegistry::WriteString(const QString &Name, const QString &Value)
{
    if (!key_.isEmpty())
        settings_->setValue(key_ + u'/' + Name, Value);
}
