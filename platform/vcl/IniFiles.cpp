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
    // A section name is read back trimmed: one with blanks at an end would lose its keys.
    if (hasBreak(Section) || Section.contains(u']') || Section != Section.trimmed() || hasBreak(Ident) ||
        key.isEmpty() || key.contains(u'=') || key.startsWith(u'[') || key.startsWith(u';') || hasBreak(Value))
        throw EIniFileException(QStringLiteral("Cannot store key \"%1\" of section \"%2\" in an INI file").arg(Ident, Section));
}

int DigitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int d = -1;
    if (u >= u'0' && u <= u'9')
        d = u - u'0';
    else if (u >= u'a' && u <= u'f')
        d = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        d = u - u'A' + 10;
    return d < base ? d : -1;
}

} // namespace

bool TryStrToInt(const QString &Text, int &Value)
{
    constexpr std::uint64_t kMaxPattern = 4294967295ULL, kMaxNegative = 2147483648ULL;
    const QString s = Text.trimmed();
    qsizetype i = 0;
    const bool negative = i < s.size() && s[i] == u'-';
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+'))
        ++i;
    int base = 10;
    if (i < s.size() && s[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size())
        return false;
    std::uint64_t v = 0;
    for (; i < s.size(); ++i) {
        const int d = DigitValue(s[i], base);
        if (d < 0)
            return false;
        v = v * std::uint64_t(base) + std::uint64_t(d);
        if (v > kMaxPattern) // stops long before 64 bits could overflow
            return false;
    }
    if (negative && v > kMaxNegative)
        return false;
    Value = negative ? int(-std::int64_t(v)) : int(std::uint32_t(v));
    return true;
}

int TCustomIniFile::ReadInteger(const QString &Section, const QString &Ident, int Default)
{
    int v = Default;
    return TryStrToInt(ReadString(Section, Ident, QString()), v) ? v : Default;
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
