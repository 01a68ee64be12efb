#include "SkRegIniFile.h"

#include "Application.h"
#include "IniFiles.h"
#include "Stream.h"
#include "Strings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Where each special folder lies on this platform (the XDG folders).
QString SpecialFolderPath(TSkSpecialFolder Folder)
{
    switch (Folder) {
    case sfUserAppDataRoaming: return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    case sfUserAppDataLocal: return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    case sfUserDocuments: return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    case sfProgramData: return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    case sfNone: break;
    }
    return {};
}

QString ConfigFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString WithIniExtension(const QString &FileName)
{
    const QFileInfo info(FileName);
    const QString base = info.completeBaseName().isEmpty() ? info.fileName() : info.completeBaseName();
    return base + QStringLiteral(".ini");
}

QString ExeFileName()
{
    return QFileInfo(Application->ExeName()).fileName();
}

const char *const RootKeyNames[] = {
    "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS",
    "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA",
};

// The registry's access masks of each right, in the order of TSkRegAccessKey.
const unsigned AccessMasks[] = {0x1, 0x2, 0x4, 0x8, 0x10, 0x20, 0x20019, 0x20006, 0x20019, 0xF003F};

} // namespace

TSkRegIniFile::TSkRegIniFile(TComponent *AOwner) : TComponent(AOwner) {}

TSkRegIniFile::~TSkRegIniFile() = default;

void TSkRegIniFile::SetPath(const QString &Value)
{
    if (Value != path_) {
        path_ = Value;
        MarkChanged();
    }
}

void TSkRegIniFile::SetPathType(TSkPathType Value)
{
    if (Value != pathType_) {
        pathType_ = Value;
        MarkChanged();
    }
}

void TSkRegIniFile::SetRegKey(TSkRegKey Value)
{
    if (Value != regKey_) {
        regKey_ = Value;
        MarkChanged();
    }
}

void TSkRegIniFile::SetRegAccess(TSkRegAccess Value)
{
    if (Value != regAccess_) {
        regAccess_ = Value;
        MarkChanged();
    }
}

void TSkRegIniFile::SetSpecialFolder(TSkSpecialFolder Value)
{
    if (Value != specialFolder_) {
        specialFolder_ = Value;
        MarkChanged();
    }
}

void TSkRegIniFile::SetFileEncoding(TSkIniFileEncoding Value)
{
    if (Value != fileEncoding_) {
        fileEncoding_ = Value;
        MarkChanged();
    }
}

unsigned TSkRegIniFile::AccessMask(TSkRegAccess Access)
{
    unsigned mask = 0;
    for (int k = keyQueryValue; k <= keyAllAccess; ++k)
        if (Access.Contains(static_cast<TSkRegAccessKey>(k)))
            mask |= AccessMasks[k];
    return mask;
}

QString TSkRegIniFile::RegistryFileName()
{
    return QDir(ConfigFolder()).filePath(QStringLiteral("registry.ini"));
}

void TSkRegIniFile::RefreshStorage()
{
    if (!refresh_)
        return;
    ini_.reset();
    QString p = path_;
    if (pathType_ == ptIniFile) {
        if (specialFolder_ != sfNone) {
            const QString special = SpecialFolderPath(specialFolder_);
            if (!special.isEmpty()) {
                const QFileInfo info(p);
                const QString dir = p.isEmpty() || !p.contains(QLatin1Char('/')) ? special
                                    : QDir(special).filePath(info.path());
                if (QDir().mkpath(dir))
                    p = QDir(dir).filePath(WithIniExtension(p.isEmpty() ? ExeFileName() : info.fileName()));
            }
        }
        if (p.isEmpty()) {
            p = QDir(ConfigFolder()).filePath(WithIniExtension(ExeFileName()));
        } else if (!p.contains(QLatin1Char('/'))) {
            p = QDir(ConfigFolder()).filePath(WithIniExtension(p));
        }
        QDir().mkpath(QFileInfo(p).path());
        ini_ = std::make_unique<TMemIniFile>(p);
        keyPrefix_.clear();
    } else {
        if (p.isEmpty()) {
            QString title = Application->Title();
            if (title.isEmpty())
                title = QFileInfo(ExeFileName()).completeBaseName();
            p = QStringLiteral("\\Software\\Temp\\") + title;
        }
        QDir().mkpath(ConfigFolder());
        ini_ = std::make_unique<TIniFile>(RegistryFileName());
        keyPrefix_ = QLatin1String(RootKeyNames[regKey_]) + (p.startsWith(QLatin1Char('\\')) ? p : QLatin1Char('\\') + p);
        if (!keyPrefix_.endsWith(QLatin1Char('\\')))
            keyPrefix_ += QLatin1Char('\\');
    }
    path_ = p;
    refresh_ = false;
}

TCustomIniFile &TSkRegIniFile::Storage()
{
    RefreshStorage();
    return *ini_;
}

QString TSkRegIniFile::Key(const QString &Section) const
{
    return keyPrefix_ + Section;
}

void TSkRegIniFile::Written()
{
    ini_->UpdateFile();
}

bool TSkRegIniFile::SectionExists(const QString &Section)
{
    return Storage().SectionExists(Key(Section));
}

bool TSkRegIniFile::ValueExists(const QString &Section, const QString &Name)
{
    return Storage().ValueExists(Key(Section), Name);
}

bool TSkRegIniFile::ReadBool(const QString &Section, const QString &Name, bool Default)
{
    return Storage().ReadBool(Key(Section), Name, Default);
}

int TSkRegIniFile::ReadInteger(const QString &Section, const QString &Name, int Default)
{
    return Storage().ReadInteger(Key(Section), Name, Default);
}

double TSkRegIniFile::ReadFloat(const QString &Section, const QString &Name, double Default)
{
    return Storage().ReadFloat(Key(Section), Name, Default);
}

QDate TSkRegIniFile::ReadDate(const QString &Section, const QString &Name, const QDate &Default)
{
    const QDate d = QDate::fromString(ReadString(Section, Name, QString()), Qt::ISODate);
    return d.isValid() ? d : Default;
}

QTime TSkRegIniFile::ReadTime(const QString &Section, const QString &Name, const QTime &Default)
{
    const QTime t = QTime::fromString(ReadString(Section, Name, QString()), Qt::ISODateWithMs);
    return t.isValid() ? t : Default;
}

QDateTime TSkRegIniFile::ReadDateTime(const QString &Section, const QString &Name, const QDateTime &Default)
{
    const QDateTime t = QDateTime::fromString(ReadString(Section, Name, QString()), Qt::ISODateWithMs);
    return t.isValid() ? t : Default;
}

QString TSkRegIniFile::ReadString(const QString &Section, const QString &Name, const QString &Default)
{
    return Storage().ReadString(Key(Section), Name, Default);
}

int TSkRegIniFile::ReadBinaryStream(const QString &Section, const QString &Name, TStream *Stream)
{
    const QString text = ReadString(Section, Name, QString()).remove(QLatin1Char(' '));
    const QByteArray hex = text.toLatin1();
    if (hex.size() % 2 != 0)
        return 0;
    for (char c : hex)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return 0;
    const QByteArray bytes = QByteArray::fromHex(hex);
    Stream->WriteBytes(bytes);
    return static_cast<int>(bytes.size());
}

void TSkRegIniFile::WriteBool(const QString &Section, const QString &Name, bool Value)
{
    Storage().WriteBool(Key(Section), Name, Value);
    Written();
}

void TSkRegIniFile::WriteInteger(const QString &Section, const QString &Name, int Value)
{
    Storage().WriteInteger(Key(Section), Name, Value);
    Written();
}

void TSkRegIniFile::WriteFloat(const QString &Section, const QString &Name, double Value)
{
    Storage().WriteFloat(Key(Section), Name, Value);
    Written();
}

void TSkRegIniFile::WriteDate(const QString &Section, const QString &Name, const QDate &Value)
{
    WriteString(Section, Name, Value.toString(Qt::ISODate));
}

void TSkRegIniFile::WriteTime(const QString &Section, const QString &Name, const QTime &Value)
{
    WriteString(Section, Name, Value.toString(Qt::ISODateWithMs));
}

void TSkRegIniFile::WriteDateTime(const QString &Section, const QString &Name, const QDateTime &Value)
{
    WriteString(Section, Name, Value.toString(Qt::ISODateWithMs));
}

void TSkRegIniFile::WriteString(const QString &Section, const QString &Name, const QString &Value)
{
    Storage().WriteString(Key(Section), Name, Value);
    Written();
}

void TSkRegIniFile::WriteBinaryStream(const QString &Section, const QString &Name, TStream *Stream)
{
    WriteString(Section, Name, QString::fromLatin1(Stream->ReadAll().toHex(' ').toUpper()));
}

void TSkRegIniFile::ReadSection(const QString &Section, TStrings *Strings)
{
    Storage().ReadSection(Key(Section), Strings);
}

void TSkRegIniFile::ReadSections(TStrings *Strings)
{
    TCustomIniFile &ini = Storage();
    if (keyPrefix_.isEmpty()) {
        ini.ReadSections(Strings);
        return;
    }
    // Registry mode: only the subkeys of this key, without the prefix.
    TStringList all;
    ini.ReadSections(&all);
    Strings->BeginUpdate();
    Strings->Clear();
    for (int i = 0; i < all.Count(); ++i) {
        const QString s = all.Strings(i);
        if (s.startsWith(keyPrefix_, Qt::CaseInsensitive) && s.size() > keyPrefix_.size())
            Strings->Add(s.mid(keyPrefix_.size()));
    }
    Strings->EndUpdate();
}

void TSkRegIniFile::ReadSectionValues(const QString &Section, TStrings *Strings)
{
    Storage().ReadSectionValues(Key(Section), Strings);
}

void TSkRegIniFile::EraseSection(const QString &Section)
{
    Storage().EraseSection(Key(Section));
    Written();
}

void TSkRegIniFile::DeleteKey(const QString &Section, const QString &Name)
{
    Storage().DeleteKey(Key(Section), Name);
    Written();
}
