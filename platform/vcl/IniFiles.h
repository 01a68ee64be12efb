#pragma once
#include "Object.h"

#include <QString>
#include <memory>

class TStrings;
class IniDocument;

// One integer and nothing else: an optional sign, then decimal digits, "$" and
// hexadecimal digits, or "0x" and hexadecimal digits; blanks only around it.
// Values from -2147483648 to 4294967295 (colours and masks are stored as
// 32-bit patterns and taken whole). False, and Value untouched, otherwise.
bool TryStrToInt(const QString &Text, int &Value);

// INI files: sections of "key=value" lines. Section and key names are
// compared without regard to case; values are trimmed and one pair of
// surrounding quotes is removed on reading. Lines that are neither a
// section, a key nor a comment are kept as they are when the file is
// written again, so a damaged file loses nothing. Files are UTF-8.
//
// Reads never fail: a missing file, section or key gives the default.
// ReadInteger accepts exactly one integer (TryStrToInt) and gives the
// default for anything else; floats use "." whatever the locale. A section,
// key or value that would not read back as written (line breaks, a section
// with "]" or blanks at either end, a key with "=" or starting with "[" or
// ";") is refused with EIniFileException, as is a file that cannot be
// written.
class TCustomIniFile : public TObject {
public:
    explicit TCustomIniFile(const QString &FileName) : fileName_(FileName) {}

    const QString &FileName() const { return fileName_; }

    virtual QString ReadString(const QString &Section, const QString &Ident, const QString &Default) = 0;
    virtual void WriteString(const QString &Section, const QString &Ident, const QString &Value) = 0;
    virtual void ReadSection(const QString &Section, TStrings *Strings) = 0;     // the keys
    virtual void ReadSections(TStrings *Strings) = 0;                            // the section names
    virtual void ReadSectionValues(const QString &Section, TStrings *Strings) = 0; // "key=value" lines
    virtual void EraseSection(const QString &Section) = 0;
    virtual void DeleteKey(const QString &Section, const QString &Ident) = 0;
    virtual void UpdateFile() = 0;

    int ReadInteger(const QString &Section, const QString &Ident, int Default);
    void WriteInteger(const QString &Section, const QString &Ident, int Value);
    bool ReadBool(const QString &Section, const QString &Ident, bool Default);
    void WriteBool(const QString &Section, const QString &Ident, bool Value);
    double ReadFloat(const QString &Section, const QString &Ident, double Default);
    void WriteFloat(const QString &Section, const QString &Ident, double Value);
    bool SectionExists(const QString &Section);
    bool ValueExists(const QString &Section, const QString &Ident);

private:
    QString fileName_;
};

// The INI operations over a parsed document, shared by both kinds below;
// they differ only in when the document meets the file (the two hooks).
class TDocumentIniFile : public TCustomIniFile {
public:
    ~TDocumentIniFile() override;

    QString ReadString(const QString &Section, const QString &Ident, const QString &Default) override;
    void WriteString(const QString &Section, const QString &Ident, const QString &Value) override;
    void ReadSection(const QString &Section, TStrings *Strings) override;
    void ReadSections(TStrings *Strings) override;
    void ReadSectionValues(const QString &Section, TStrings *Strings) override;
    void EraseSection(const QString &Section) override;
    void DeleteKey(const QString &Section, const QString &Ident) override;

protected:
    explicit TDocumentIniFile(const QString &FileName);
    // Before each operation: brings the document up to date.
    virtual void Reload() {}
    // After each change of the document.
    virtual void Written() {}
    // Writes the document to the file; EIniFileException on failure.
    void Save();
    IniDocument &Doc() { return *doc_; }

private:
    std::unique_ptr<IniDocument> doc_;
};

// Works on the file itself: every read looks at the file as it is now and
// every write updates the file at once.
class TIniFile : public TDocumentIniFile {
public:
    explicit TIniFile(const QString &FileName) : TDocumentIniFile(FileName) {}
    void UpdateFile() override {}

protected:
    void Reload() override;
    void Written() override { Save(); }
};

// Reads the file once at construction and keeps it in memory; writes stay in
// memory until UpdateFile.
class TMemIniFile : public TDocumentIniFile {
public:
    explicit TMemIniFile(const QString &FileName);

    void UpdateFile() override { Save(); }
    void Clear();
    // The whole file as lines / from lines.
    void GetStrings(TStrings *Strings);
    void SetStrings(TStrings *Strings);
};
