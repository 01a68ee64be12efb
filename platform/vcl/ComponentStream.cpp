#include "ComponentStream.h"

#include "Exceptions.h"
#include "Stream.h"

#include <cstring>
#include <limits>

namespace {

QString Joined(const QString &Prefix, const QString &Name)
{
    return Prefix.isEmpty() ? Name : Prefix + u'.' + Name;
}

} // namespace

// -- TWriter ------------------------------------------------------------------

void TWriter::WriteBytes(const void *Data, int Count)
{
    stream_->WriteBuffer(Data, Count);
}

void TWriter::WriteValue(TValueType Value)
{
    const unsigned char b = Value;
    WriteBytes(&b, 1);
}

void TWriter::WriteInteger(long long Value)
{
    if (Value >= -128 && Value <= 127) {
        WriteValue(vaInt8);
        const auto v = static_cast<std::int8_t>(Value);
        WriteBytes(&v, 1);
    } else if (Value >= -32768 && Value <= 32767) {
        WriteValue(vaInt16);
        const auto v = static_cast<std::int16_t>(Value);
        WriteBytes(&v, 2);
    } else if (Value >= std::numeric_limits<std::int32_t>::min() && Value <= std::numeric_limits<std::int32_t>::max()) {
        WriteValue(vaInt32);
        const auto v = static_cast<std::int32_t>(Value);
        WriteBytes(&v, 4);
    } else {
        WriteValue(vaInt64);
        const auto v = static_cast<std::int64_t>(Value);
        WriteBytes(&v, 8);
    }
}

void TWriter::WriteDouble(double Value)
{
    WriteValue(vaDouble);
    WriteBytes(&Value, 8);
}

void TWriter::WriteBoolean(bool Value)
{
    WriteValue(Value ? vaTrue : vaFalse);
}

void TWriter::WriteShortString(const QByteArray &Bytes)
{
    const unsigned char n = static_cast<unsigned char>(std::min<int>(static_cast<int>(Bytes.size()), 255));
    WriteBytes(&n, 1);
    WriteBytes(Bytes.constData(), n);
}

void TWriter::WriteString(const QString &Value)
{
    const QByteArray latin = Value.toLatin1();
    if (Value.size() <= 255 && QString::fromLatin1(latin) == Value) {
        WriteValue(vaString);
        WriteShortString(latin);
        return;
    }
    const QByteArray utf8 = Value.toUtf8();
    WriteValue(vaUTF8String);
    const auto n = static_cast<std::int32_t>(utf8.size());
    WriteBytes(&n, 4);
    WriteBytes(utf8.constData(), n);
}

void TWriter::WriteIdent(const QString &Ident)
{
    WriteValue(vaIdent);
    WriteShortString(Ident.toLatin1());
}

void TWriter::WriteBinary(const QByteArray &Bytes)
{
    WriteValue(vaBinary);
    const auto n = static_cast<std::int32_t>(Bytes.size());
    WriteBytes(&n, 4);
    WriteBytes(Bytes.constData(), n);
}

void TWriter::WritePropName(const QString &Name)
{
    WriteShortString(Name.toLatin1());
}

void TWriter::WriteProperty(TObject *Instance, const TPropInfo &Info, const QString &Prefix)
{
    const QString name = Joined(Prefix, Info.Name);
    if (Info.Kind == tkClass) {
        if (TObject *sub = GetObjectProp(Instance, Info))
            WriteProperties(sub, name);
        return;
    }
    if (Info.IsOrdinal() && IsDefaultOrdProp(Instance, Info))
        return; // only values that differ from the declared default are written
    WritePropName(name);
    if (Info.Kind == tkEnumeration && Info.MinValue == 0 && Info.MaxValue == 1 && Info.EnumNames.value(0) == "False")
        WriteBoolean(GetOrdProp(Instance, Info) != 0);
    else if (Info.Kind == tkEnumeration && !Info.EnumNames.isEmpty())
        WriteIdent(Info.EnumNames.value(static_cast<int>(GetOrdProp(Instance, Info))));
    else if (Info.IsOrdinal())
        WriteInteger(GetOrdProp(Instance, Info));
    else if (Info.Kind == tkFloat)
        WriteDouble(GetFloatProp(Instance, Info));
    else if (Info.IsString())
        WriteString(GetStrProp(Instance, Info));
}

void TWriter::WriteProperties(TObject *Instance, const QString &Prefix)
{
    for (const TPropInfo &p : GetPropList(Instance))
        if (p.Writable && IsStoredProp(Instance, p))
            WriteProperty(Instance, p, Prefix);
    if (auto *d = dynamic_cast<IDefinesProperties *>(Instance)) {
        const QString saved = prefix_;
        prefix_ = Prefix;
        d->DefineProperties(this);
        prefix_ = saved;
    }
}

void TWriter::DefineProperty(const QString &Name, const std::function<void(TReader *)> &,
                             const std::function<void(TWriter *)> &WriteData, bool HasData)
{
    if (!HasData || !WriteData)
        return;
    WritePropName(Joined(prefix_, Name));
    WriteData(this);
}

void WritePersistentProperties(TWriter *Writer, TObject *Instance)
{
    try {
        Writer->WriteProperties(Instance);
    } catch (const Exception &) {
        // ends the writing, as the library's streams expect
    }
}

// -- TReader ------------------------------------------------------------------

void TReader::Invalid(const QString &What)
{
    throw EReadError(QStringLiteral("Invalid stream format: %1").arg(What));
}

void TReader::ReadBytes(void *Data, int Count)
{
    if (stream_->Read(Data, Count) != Count)
        Invalid(QStringLiteral("unexpected end"));
}

TValueType TReader::ReadValue()
{
    unsigned char b = 0;
    ReadBytes(&b, 1);
    if (b > vaDouble)
        Invalid(QStringLiteral("unknown value tag %1").arg(b));
    return static_cast<TValueType>(b);
}

bool TReader::EndOfList()
{
    unsigned char b = 0;
    ReadBytes(&b, 1);
    stream_->Seek(-1, soCurrent);
    return b == vaNull;
}

TValueType TReader::NextValue()
{
    const TValueType v = ReadValue();
    stream_->Seek(-1, soCurrent);
    return v;
}

void TReader::CheckValue(TValueType Expected)
{
    if (ReadValue() != Expected)
        Invalid(QStringLiteral("a list was expected"));
}

long long TReader::ReadInteger()
{
    switch (ReadValue()) {
    case vaInt8: { std::int8_t v; ReadBytes(&v, 1); return v; }
    case vaInt16: { std::int16_t v; ReadBytes(&v, 2); return v; }
    case vaInt32: { std::int32_t v; ReadBytes(&v, 4); return v; }
    case vaInt64: { std::int64_t v; ReadBytes(&v, 8); return v; }
    default: Invalid(QStringLiteral("an integer was expected"));
    }
}

double TReader::ReadDouble()
{
    switch (NextValue()) {
    case vaDouble: {
        ReadValue();
        double v;
        ReadBytes(&v, 8);
        return v;
    }
    case vaSingle: {
        ReadValue();
        float v;
        ReadBytes(&v, 4);
        return v;
    }
    default:
        return static_cast<double>(ReadInteger());
    }
}

bool TReader::ReadBoolean()
{
    const TValueType v = ReadValue();
    if (v != vaTrue && v != vaFalse)
        Invalid(QStringLiteral("a Boolean was expected"));
    return v == vaTrue;
}

QByteArray TReader::ReadShortString()
{
    unsigned char n = 0;
    ReadBytes(&n, 1);
    QByteArray b(n, '\0');
    ReadBytes(b.data(), n);
    return b;
}

QByteArray TReader::ReadBinary()
{
    CheckValue(vaBinary);
    std::int32_t n = 0;
    ReadBytes(&n, 4);
    if (n < 0 || n > stream_->Size() - stream_->Position())
        Invalid(QStringLiteral("binary length"));
    QByteArray b(n, '\0');
    ReadBytes(b.data(), n);
    return b;
}

QString TReader::ReadStringOf(TValueType Type)
{
    switch (Type) {
    case vaString: return QString::fromLatin1(ReadShortString());
    case vaLString:
    case vaUTF8String: {
        std::int32_t n = 0;
        ReadBytes(&n, 4);
        if (n < 0 || n > stream_->Size() - stream_->Position())
            Invalid(QStringLiteral("string length"));
        QByteArray b(n, '\0');
        ReadBytes(b.data(), n);
        return Type == vaUTF8String ? QString::fromUtf8(b) : QString::fromLatin1(b);
    }
    case vaWString: {
        std::int32_t n = 0;
        ReadBytes(&n, 4);
        if (n < 0 || 2LL * n > stream_->Size() - stream_->Position())
            Invalid(QStringLiteral("string length"));
        QString s(n, QChar());
        ReadBytes(s.data(), 2 * n);
        return s;
    }
    default: Invalid(QStringLiteral("a string was expected"));
    }
}

QString TReader::ReadString()
{
    return ReadStringOf(ReadValue());
}

QString TReader::ReadIdent()
{
    const TValueType v = ReadValue();
    if (v == vaFalse || v == vaTrue)
        return v == vaTrue ? QStringLiteral("True") : QStringLiteral("False");
    if (v != vaIdent)
        Invalid(QStringLiteral("an identifier was expected"));
    return QString::fromLatin1(ReadShortString());
}

QString TReader::ReadPropName()
{
    return QString::fromLatin1(ReadShortString());
}

void TReader::SkipValue()
{
    switch (const TValueType v = ReadValue()) {
    case vaNull: case vaFalse: case vaTrue: case vaNil: return;
    case vaInt8: case vaInt16: case vaInt32: case vaInt64:
        stream_->Seek(-1, soCurrent);
        ReadInteger();
        return;
    case vaDouble: stream_->Seek(8, soCurrent); return;
    case vaSingle: stream_->Seek(4, soCurrent); return;
    case vaExtended: stream_->Seek(10, soCurrent); return;
    case vaCurrency: case vaDate: stream_->Seek(8, soCurrent); return;
    case vaIdent: ReadShortString(); return;
    case vaString: case vaLString: case vaUTF8String: case vaWString: ReadStringOf(v); return;
    case vaBinary:
        stream_->Seek(-1, soCurrent);
        ReadBinary();
        return;
    case vaList:
        while (!EndOfList())
            SkipValue();
        ReadListEnd();
        return;
    case vaCollection:
        while (!EndOfList()) {
            if (NextValue() != vaList)
                SkipValue(); // an item's index
            ReadListBegin();
            while (!EndOfList()) {
                ReadPropName();
                SkipValue();
            }
            ReadListEnd();
        }
        ReadListEnd();
        return;
    default: Invalid(QStringLiteral("value tag %1 cannot be skipped").arg(static_cast<int>(v)));
    }
}

void TReader::ReadProperty(TObject *Instance)
{
    const QString name = ReadPropName();
    TObject *target = nullptr;
    const TPropInfo *info = nullptr;
    if (FindPropPath(Instance, name, target, info) && info->Kind != tkClass) {
        if (info->Kind == tkEnumeration) {
            long long v = 0;
            if (NextValue() == vaIdent || NextValue() == vaFalse || NextValue() == vaTrue) {
                const QString ident = ReadIdent();
                const QStringList names = info->EnumNames.isEmpty() && info->MaxValue == 1
                                              ? QStringList{QStringLiteral("False"), QStringLiteral("True")}
                                              : info->EnumNames;
                v = -1;
                for (int i = 0; i < names.size(); ++i)
                    if (names[i].compare(ident, Qt::CaseInsensitive) == 0)
                        v = i;
                if (v < 0)
                    throw EReadError(QStringLiteral("Invalid property value %1 for %2").arg(ident, name));
            } else {
                v = ReadInteger();
            }
            SetOrdProp(target, *info, v);
        } else if (info->IsOrdinal()) {
            SetOrdProp(target, *info, ReadInteger());
        } else if (info->Kind == tkFloat) {
            SetFloatProp(target, *info, ReadDouble());
        } else if (info->IsString()) {
            SetStrProp(target, *info, ReadString());
        } else {
            SkipValue();
        }
        return;
    }
    // A defined property of the object that holds the last name part.
    const int dot = static_cast<int>(name.lastIndexOf(u'.'));
    TObject *owner = Instance;
    if (dot >= 0) {
        const TPropInfo *head = nullptr;
        TObject *holder = nullptr;
        if (!FindPropPath(Instance, name.left(dot), holder, head) || head->Kind != tkClass)
            throw EReadError(QStringLiteral("Error reading %1: Property %1 does not exist").arg(name));
        owner = GetObjectProp(holder, *head);
    }
    auto *d = dynamic_cast<IDefinesProperties *>(owner);
    pendingName_ = dot >= 0 ? name.mid(dot + 1) : name;
    definedRead_ = false;
    if (d)
        d->DefineProperties(this);
    pendingName_.clear();
    if (!definedRead_)
        throw EReadError(QStringLiteral("Error reading %1: Property %1 does not exist").arg(name));
}

void TReader::ReadProperties(TObject *Instance)
{
    while (!EndOfList())
        ReadProperty(Instance);
    ReadListEnd();
}

void TReader::DefineProperty(const QString &Name, const std::function<void(TReader *)> &ReadData,
                             const std::function<void(TWriter *)> &, bool)
{
    if (definedRead_ || !ReadData || Name.compare(pendingName_, Qt::CaseInsensitive) != 0)
        return;
    definedRead_ = true;
    ReadData(this);
}
