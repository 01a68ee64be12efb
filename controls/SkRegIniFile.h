#pragma once
#include "Component.h"
#include "Set.h"
#include "SkCommon.h"

#include <QDateTime>
#include <QString>
#include <memory>

class TCustomIniFile;
class TStream;
class TStrings;


enum TSkPathType { ptIniFile, ptRegistry };
enum TSkRegKey {
    hkeyClassesRoot, hkeyCurrentUser, hkeyLocalMachine, hkeyUsers,
    hkeyPerformanceData, hkeyCurrentConfig, hkeyDynData,
};
enum TSkRegAccessKey {
    keyQueryValue, keySetValue, keyCreateSubKey, keyEnumerateSubKeys, keyNotify,
    keyCreateLink, keyRead, keyWrite, keyExecute, keyAllAccess,
};
using TSkRegAccess = TSet<TSkRegAccessKey>;
enum TSkSpecialFolder { sfNone, sfUserAppDataRoaming, sfUserAppDataLocal, sfUserDocuments, sfProgramData };
enum TSkIniFileEncoding { feDefault, feUTF8, feUnicode };

// One INI-style interface (sections of named values) over an INI file or a
// registry key, chosen by PathType.
//
// On this platform the registry is a second INI file, "registry.ini" in the
// user's configuration folder; a key is a section named by the root key and
// the key path ("HKEY_CURRENT_USER\Software\Temp\Editor\Colors"). The INI
// file without a path goes to the user's configuration folder under the
// executable's name (the program's own folder is not writable once
// installed); special folders map to the XDG folders.
//
// The storage opens lazily at the first access and again after any property
// change; Path then holds the resolved place. Every write saves the whole
// file at once (atomically). Errors of the file pass to the caller.
class TSkRegIniFile : public TComponent {
public:
    explicit TSkRegIniFile(TComponent *AOwner);
    ~TSkRegIniFile() override;

    const QString &Path() const { return path_; }
    void SetPath(const QString &Value);
    TSkPathType PathType() const { return pathType_; }
    void SetPathType(TSkPathType Value);
    TSkRegKey RegKey() const { return regKey_; }
    void SetRegKey(TSkRegKey Value);
    TSkRegAccess RegAccess() const { return regAccess_; }
    void SetRegAccess(TSkRegAccess Value);
    TSkSpecialFolder SpecialFolder() const { return specialFolder_; }
    void SetSpecialFolder(TSkSpecialFolder Value);
    TSkIniFileEncoding FileEncoding() const { return fileEncoding_; }
    void SetFileEncoding(TSkIniFileEncoding Value);

    bool SectionExists(const QString &Section);
    bool ValueExists(const QString &Section, const QString &Name);

    bool ReadBool(const QString &Section, const QString &Name, bool Default);
    int ReadInteger(const QString &Section, const QString &Name, int Default);
    double ReadFloat(const QString &Section, const QString &Name, double Default);
    QDate ReadDate(const QString &Section, const QString &Name, const QDate &Default);
    QTime ReadTime(const QString &Section, const QString &Name, const QTime &Default);
    QDateTime ReadDateTime(const QString &Section, const QString &Name, const QDateTime &Default);
    QString ReadString(const QString &Section, const QString &Name, const QString &Default);
    // Appends the stored bytes to Stream; the number of bytes, 0 when the
    // value is missing or not hexadecimal.
    int ReadBinaryStream(const QString &Section, const QString &Name, TStream *Stream);

    void WriteBool(const QString &Section, const QString &Name, bool Value);
    void WriteInteger(const QString &Section, const QString &Name, int Value);
    void WriteFloat(const QString &Section, const QString &Name, double Value);
    void WriteDate(const QString &Section, const QString &Name, const QDate &Value);
    void WriteTime(const QString &Section, const QString &Name, const QTime &Value);
    void WriteDateTime(const QString &Section, const QString &Name, const QDateTime &Value);
    void WriteString(const QString &Section, const QString &Name, const QString &Value);
    // Stores the bytes from Stream's position to its end.
    void WriteBinaryStream(const QString &Section, const QString &Name, TStream *Stream);

    void ReadSection(const QString &Section, TStrings *Strings);
    void ReadSections(TStrings *Strings);
    void ReadSectionValues(const QString &Section, TStrings *Strings);
    void EraseSection(const QString &Section);
    void DeleteKey(const QString &Section, const QString &Name);

    // The access mask of a set of rights (the registry's values, OR-ed).
    static unsigned AccessMask(TSkRegAccess Access);
    // The registry stand-in's file.
    static QString RegistryFileName();

private:
    void RefreshStorage();
    TCustomIniFile &Storage();
    // The section of the open storage that holds Section.
    QString Key(const QString &Section) const;
    void Written();
    void MarkChanged() { refresh_ = true; }

    QString path_;
    TSkPathType pathType_ = ptIniFile;
    TSkRegKey regKey_ = hkeyCurrentUser;
    TSkRegAccess regAccess_{keyAllAccess};
    TSkSpecialFolder specialFolder_ = sfNone;
    TSkIniFileEncoding fileEncoding_ = feDefault;
    bool refresh_ = true;
    std::unique_ptr<TCustomIniFile> ini_;
    QString keyPrefix_; // registry mode: root key and key path, ending in "\"
};
