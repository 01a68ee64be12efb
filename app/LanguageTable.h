#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

// One language of the editor: lines of key/text pairs, a key line ("SID_...")
// followed by its text taken whole (leading blanks kept), "//" lines comments.
// Lookup follows the table's own rule: the first line equal to the key, case
// ignored, gives the line after it; an absent key gives the table's first line.
class LanguageTable {
public:
    LanguageTable() = default;
    explicit LanguageTable(const QStringList &lines) { SetLines(lines); }

    // Reads a UTF-8 table from a file or a resource path (":/lang/English.txt");
    // an unreadable one gives an empty table.
    static LanguageTable FromFile(const QString &path);

    void SetLines(const QStringList &lines);
    const QStringList &Lines() const { return lines_; }

    QString Translate(const QString &key) const;

private:
    QStringList lines_;
    QHash<QString, int> firstIndex_;   // upper-cased line -> its first index
};
