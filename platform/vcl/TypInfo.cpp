#include "TypInfo.h"

#include "Exceptions.h"
#include "FloatFormat.h"

namespace {

[[noreturn]] void InvalidValue()
{
    throw EConvertError(QStringLiteral("Invalid property value"));
}

} // namespace

const std::vector<TPropInfo> &GetPropList(const TObject *Instance)
{
    static const std::vector<TPropInfo> none;
    const auto *p = dynamic_cast<const TPersistent *>(Instance);
    const TPublishedClass *cls = p ? p->PublishedClass() : nullptr;
    return cls ? cls->Properties() : none;
}

const TPropInfo *GetPropInfo(const TObject *Instance, const QString &Name)
{
    for (const TPropInfo &p : GetPropList(Instance))
        if (p.Name.compare(Name, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

TTypeKind PropType(const TObject *Instance, const QString &Name)
{
    const TPropInfo *p = GetPropInfo(Instance, Name);
    return p ? p->Kind : tkUnknown;
}

long long GetOrdProp(TObject *Instance, const TPropInfo &Info)
{
    return Info.GetOrd ? Info.GetOrd(Instance) : 0;
}

void SetOrdProp(TObject *Instance, const TPropInfo &Info, long long Value)
{
    if (!Info.SetOrd || !Info.Writable)
        return;
    CheckOrdValue(Info, Value);
    Info.SetOrd(Instance, Value);
}

void CheckOrdValue(const TPropInfo &Info, long long Value)
{
    if (Info.Kind == tkEnumeration && (Value < Info.MinValue || Value > Info.MaxValue))
        InvalidValue();
    if (Info.Kind == tkSet && (Value & ~Info.MaxValue) != 0)
        InvalidValue();
    if (Info.Kind == tkInteger && (Value < -2147483648LL || Value > 4294967295LL))
        InvalidValue(); // colours and masks are 32-bit patterns
    if (Info.Kind == tkInteger && Info.Bounded && (Value < Info.MinValue || Value > Info.MaxValue))
        InvalidValue();
    if (Info.Kind == tkChar && (Value < 0 || Value > 0xFFFF))
        InvalidValue();
}

double GetFloatProp(TObject *Instance, const TPropInfo &Info)
{
    return Info.GetFloat ? Info.GetFloat(Instance) : 0.0;
}

void SetFloatProp(TObject *Instance, const TPropInfo &Info, double Value)
{
    if (Info.SetFloat && Info.Writable)
        Info.SetFloat(Instance, Value);
}

QString GetStrProp(TObject *Instance, const TPropInfo &Info)
{
    return Info.GetStr ? Info.GetStr(Instance) : QString();
}

void SetStrProp(TObject *Instance, const TPropInfo &Info, const QString &Value)
{
    if (Info.SetStr && Info.Writable)
        Info.SetStr(Instance, Value);
}

TObject *GetObjectProp(TObject *Instance, const TPropInfo &Info)
{
    return Info.Kind == tkClass && Info.GetObject ? Info.GetObject(Instance) : nullptr;
}

bool IsStoredProp(TObject *Instance, const TPropInfo &Info)
{
    return !Info.Stored || Info.Stored(Instance);
}

bool IsDefaultOrdProp(TObject *Instance, const TPropInfo &Info)
{
    return Info.IsOrdinal() && Info.Default && GetOrdProp(Instance, Info) == *Info.Default;
}

bool FindPropPath(TObject *Root, const QString &Path, TObject *&Target, const TPropInfo *&Info)
{
    TObject *obj = Root;
    const QStringList parts = Path.split(u'.');
    for (int i = 0; i < parts.size(); ++i) {
        const TPropInfo *p = obj ? GetPropInfo(obj, parts[i].trimmed()) : nullptr;
        if (!p)
            return false;
        if (i == parts.size() - 1) {
            Target = obj;
            Info = p;
            return true;
        }
        if (p->Kind != tkClass)
            return false;
        obj = GetObjectProp(obj, *p);
    }
    return false;
}

QVariant GetPropValue(TObject *Root, const QString &Path)
{
    TObject *obj = nullptr;
    const TPropInfo *p = nullptr;
    if (!FindPropPath(Root, Path, obj, p))
        return {};
    if (p->IsOrdinal())
        return QVariant::fromValue(static_cast<qlonglong>(GetOrdProp(obj, *p)));
    if (p->Kind == tkFloat)
        return GetFloatProp(obj, *p);
    if (p->IsString())
        return GetStrProp(obj, *p);
    return {};
}

bool SetPropValue(TObject *Root, const QString &Path, const QVariant &Value)
{
    TObject *obj = nullptr;
    const TPropInfo *p = nullptr;
    if (!FindPropPath(Root, Path, obj, p))
        return false;
    if (p->IsOrdinal()) {
        bool ok = false;
        qlonglong v = 0;
        if (Value.typeId() == QMetaType::Double || Value.typeId() == QMetaType::Float) {
            const double d = Value.toDouble();
            ok = d >= -9.2e18 && d <= 9.2e18 && d == static_cast<double>(static_cast<qlonglong>(d));
            v = ok ? static_cast<qlonglong>(d) : 0;
        } else if (Value.typeId() == QMetaType::Bool) {
            ok = true;
            v = Value.toBool() ? 1 : 0;
        } else {
            v = Value.toLongLong(&ok);
        }
        if (!ok)
            throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(Value.toString()));
        SetOrdProp(obj, *p, v);
    } else if (p->Kind == tkFloat) {
        bool ok = false;
        const double d = Value.typeId() == QMetaType::QString ? StrToFloat(Value.toString()) : Value.toDouble(&ok);
        if (Value.typeId() != QMetaType::QString && !ok)
            throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(Value.toString()));
        SetFloatProp(obj, *p, d);
    } else if (p->IsString()) {
        SetStrProp(obj, *p, Value.toString());
    } else {
        return false;
    }
    return true;
}
