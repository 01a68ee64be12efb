#pragma once
#include <QString>
#include <QStringList>
#include <vector>

// The parsed text of an INI file, kept line by line so that writing it back
// changes only what was written.
class IniDocument {
public:
    void Parse(const QString &Text);
    QString ToText() const;
    // Reads the file; a missing or unreadable file gives an empty document.
    void LoadFile(const QString &FileName);
    // Writes the file whole (through a temporary file); false on failure.
    bool SaveFile(const QString &FileName) const;

    bool Find(const QString &Section, const QString &Key, QString *Value) const;
    void Set(const QString &Section, const QString &Key, const QString &Value);
    QStringList Keys(const QString &Section) const;
    QStringList Sections() const;
    QStringList Values(const QString &Section) const;
    bool HasSection(const QString &Section) const;
    void EraseSection(const QString &Section);
    void DeleteKey(const QString &Section, const QString &Key);
    void Clear() { sections_.clear(); }

private:
    struct Line {
        QString key;   // empty for a comment or an unknown line
        QString value; // as read, already unquoted
        QString raw;   // the line as read; empty once the value was set: then written anew
    };
    struct Section {
        QString name;
        bool header = true; // false for lines before the first section
        std::vector<Line> lines;
    };
    Section *FindSection(const QString &Name);
    const Section *FindSection(const QString &Name) const;
    std::vector<Section> sections_;
};
