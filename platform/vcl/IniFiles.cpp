#include "IniFiles.h"

#include "Exceptions.h"
#include "IniDocument.h"
#include "Strings.h"

#include <charconv>
#include <cstdlib>

namespace {

void CheckStorable(const QString &Section, const QString &Ident, const QString &Value)
{
    auto hasBreak = [](const QString &s) { return s.contains(u'\n') || s.contains(u'\r'); };
    QString key = Ident.trimmed();
    if (hasBreak(Section) || Section.contains(u']') || hasBreak(Ident) || key.isEmpty() ||
        key.contains(u'=') || key.startsWith(u'[') || key.startsWith(u';') || hasBreak(Value))
        throw EIniFileException(QStringLiteral("Cannot store key \"%1\" of section \"%2\" in an INI file").arg(Ident, Section));
}

} // namespace

int TCustomIniFile::ReadInteger(const QString &Section, const QString &Ident, int Default)
{
    QString s = ReadString(Section, Ident, QString()).trimmed();
    if (s.isEmpty())
        return Default;
    bool ok = false;
    long long v = 0;
    bool negative = s.startsWith(u'-');
    QString body = negative ? s.mid(1) : s;
    if (body.startsWith(u'$'))
        v = body.mid(1).toLongLong(&ok, 16);
    else if (body.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = body.mid(2).toLongLong(&ok, 16);
    else
        v = body.toLongLong(&ok, 10);
    if (!ok)
        return Default;
    if (negative)
        v = -v;
    // Colours and masks are stored as 32-bit patterns: accept them whole.
    if (v < -2147483648LL || v > 4294967295LL)
        return Default;
    return static_cast<int>(static_cast<std::uint32_t>(v));
}

void TCustomIniFile::WriteInteger(const QString &Section, const QString &Ident, int Value)
{
    WriteString(Section, Ident, QString::number(Value));
}

bool TCustomIniFile::ReadBool(const QString &Section, const QString &Ident, bool Default)
{
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const QString &Section, const QString &Ident, bool Value)
{
    WriteString(Section, Ident, Value ? QStringLiteral("1") : QStringLiteral("0"));
}

double TCustomIniFile::ReadFloat(const QString &Section, const QString &Ident, double Default)
{
    QByteArray s = ReadString(Section, Ident, QString()).trimmed().toLatin1();
    if (s.isEmpty())
        return Default;
    double v = 0;
    auto r = std::from_chars(s.constData(), s.constData() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.constData() + s.size())
        return Default;
    return v;
}

void TCustomIniFile::WriteFloat(const QString &Section, const QString &Ident, double Value)
{
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, Value);
    WriteString(Section, Ident, QString::fromLatin1(buf, static_cast<int>(r.ptr - buf)));
}

bool TCustomIniFile::SectionExists(const QString &Section)
{
    TStringList keys;
    ReadSections(&keys);
    return keys.IndexOf(Section) >= 0;
}

bool TCustomIniFile::ValueExists(const QString &Section, const QString &Ident)
{
    TStringList keys;
    ReadSection(Section, &keys);
    return keys.IndexOf(Ident) >= 0;
}

static void Fill(TStrings *Strings, const QStringList &Lines)
{
    if (Strings)
        Strings->SetStrings(Lines);
}

// -- TIniFile ---------------------------------------------------------------

TIniFile::TIniFile(const QString &FileName) : TCustomIniFile(FileName), doc_(std::make_unique<IniDocument>()) {}
TIniFile::~TIniFile() = default;

IniDocument &TIniFile::Load()
{
    doc_->LoadFile(FileName());
    return *doc_;
}

void TIniFile::Save()
{
    if (!doc_->SaveFile(FileName()))
        throw EIniFileException(QStringLiteral("Unable to write to %1").arg(FileName()));
}

QString TIniFile::ReadString(const QString &Section, const QString &Ident, const QString &Default)
{
    QString v;
    return Load().Find(Section, Ident, &v) ? v : Default;
}

void TIniFile::WriteString(const QString &Section, const QString &Ident, const QString &Value)
{
    CheckStorable(Section, Ident, Value);
    Load().Set(Section, Ident.trimmed(), Value);
    Save();
}

void TIniFile::ReadSection(const QString &Section, TStrings *Strings)
{
    Fill(Strings, Load().Keys(Section));
}

void TIniFile::ReadSections(TStrings *Strings)
{
    Fill(Strings, Load().Sections());
}

void TIniFile::ReadSectionValues(const QString &Section, TStrings *Strings)
{
    Fill(Strings, Load().Values(Section));
}

void TIniFile::EraseSection(const QString &Section)
{
    if (!Load().HasSection(Section))
        return;
    doc_->EraseSection(Section);
    Save();
}

void TIniFile::DeleteKey(const QString &Section, const QString &Ident)
{
    if (!Load().Find(Section, Ident, nullptr))
        return;
    doc_->DeleteKey(Section, Ident);
    Save();
}

// -- TMemIniFile ------------------------------------------------------------

TMemIniFile::TMemIniFile(const QString &FileName) : TCustomIniFile(FileName), doc_(std::make_unique<IniDocument>())
{
    doc_->LoadFile(FileName);
}

TMemIniFile::~TMemIniFile() = default;

QString TMemIniFile::ReadString(const QString &Section, const QString &Ident, const QString &Default)
{
    QString v;
    return doc_->Find(Section, Ident, &v) ? v : Default;
}

void TMemIniFile::WriteString(const QString &Section, const QString &Ident, const QString &Value)
{
    CheckStorable(Section, Ident, Value);
    doc_->Set(Section, Ident.trimmed(), Value);
}

void TMemIniFile::ReadSection(const QString &Section, TStrings *Strings)
{
    Fill(Strings, doc_->Keys(Section));
}

void TMemIniFile::ReadSections(TStrings *Strings)
{
    Fill(Strings, doc_->Sections());
}

void TMemIniFile::ReadSectionValues(const QString &Section, TStrings *Strings)
{
    Fill(Strings, doc_->Values(Section));
}

void TMemIniFile::EraseSection(const QString &Section)
{
    doc_->EraseSection(Section);
}

void TMemIniFile::DeleteKey(const QString &Section, const QString &Ident)
{
    doc_->DeleteKey(Section, Ident);
}

void TMemIniFile::UpdateFile()
{
    if (!doc_->SaveFile(FileName()))
        throw EIniFileException(QStringLiteral("Unable to write to %1").arg(FileName()));
}

void TMemIniFile::Clear()
{
    doc_->Clear();
}

void TMemIniFile::GetStrings(TStrings *Strings)
{
    if (Strings)
        Strings->SetText(doc_->ToText());
}

void TMemIniFile::SetStrings(TStrings *Strings)
{
    doc_->Parse(Strings ? Strings->Text() : QString());
}
