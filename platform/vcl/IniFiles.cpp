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

// -- TDocumentIniFile --------------------------------------------------------

TDocumentIniFile::TDocumentIniFile(const QString &FileName)
    : TCustomIniFile(FileName), doc_(std::make_unique<IniDocument>())
{
}

TDocumentIniFile::~TDocumentIniFile() = default;

void TDocumentIniFile::Save()
{
    if (!doc_->SaveFile(FileName()))
        throw EIniFileException(QStringLiteral("Unable to write to %1").arg(FileName()));
}

QString TDocumentIniFile::ReadString(const QString &Section, const QString &Ident, const QString &Default)
{
    Reload();
    QString v;
    return doc_->Find(Section, Ident, &v) ? v : Default;
}

void TDocumentIniFile::WriteString(const QString &Section, const QString &Ident, const QString &Value)
{
    CheckStorable(Section, Ident, Value);
    Reload();
    doc_->Set(Section, Ident.trimmed(), Value);
    Written();
}

void TDocumentIniFile::ReadSection(const QString &Section, TStrings *Strings)
{
    Reload();
    Fill(Strings, doc_->Keys(Section));
}

void TDocumentIniFile::ReadSections(TStrings *Strings)
{
    Reload();
    Fill(Strings, doc_->Sections());
}

void TDocumentIniFile::ReadSectionValues(const QString &Section, TStrings *Strings)
{
    Reload();
    Fill(Strings, doc_->Values(Section));
}

void TDocumentIniFile::EraseSection(const QString &Section)
{
    Reload();
    if (!doc_->HasSection(Section))
        return;
    doc_->EraseSection(Section);
    Written();
}

void TDocumentIniFile::DeleteKey(const QString &Section, const QString &Ident)
{
    Reload();
    if (!doc_->Find(Section, Ident, nullptr))
        return;
    doc_->DeleteKey(Section, Ident);
    Written();
}

// -- TIniFile ---------------------------------------------------------------

void TIniFile::Reload()
{
    Doc().LoadFile(FileName());
}

// -- TMemIniFile ------------------------------------------------------------

TMemIniFile::TMemIniFile(const QString &FileName) : TDocumentIniFile(FileName)
{
    Doc().LoadFile(FileName);
}

void TMemIniFile::Clear()
{
    Doc().Clear();
}

void TMemIniFile::GetStrings(TStrings *Strings)
{
    if (Strings)
        Strings->SetText(Doc().ToText());
}

void TMemIniFile::SetStrings(TStrings *Strings)
{
    Doc().Parse(Strings ? Strings->Text() : QString());
}
