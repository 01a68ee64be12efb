#pragma once
#include "Events.h"
#include "Object.h"
#include "Strings.h"

#include <QString>
#include <utility>
#include <vector>

class TgPlotTranslationObject;
class TReader;
class TWriter;

// A plot's table of text replacements, newest entry first: when two entries
// share a source text, the one added last wins. Entries are owned by the
// table; each registers itself through the callbacks the table hands it
// (the master manager routes them back to NotificationInsert and
// NotificationRemove). The table announces itself the same way when made
// and when freed.
class TgPlotTranslationManager : public TObject {
public:
    // Raises when either callback is missing.
    TgPlotTranslationManager(TNotifyEvent AOnInsert, TNotifyEvent AOnRemove);
    ~TgPlotTranslationManager() override;

    void Clear();
    void Delete(int Index);
    TgPlotTranslationObject *CreateObject();
    // A new entry ("Unknown" in both texts); returns its position, always 0.
    int Add();
    int Count() const { return FList.Count(); }
    TgPlotTranslationObject *GetItem(int Index) const;

    // The replacement of the newest entry whose source text equals
    // OriginalString exactly; OriginalString itself when there is none.
    QString FindReplacement(const QString &OriginalString) const;

    // One line per entry, oldest first, "source TAB replacement" ended by
    // CR LF, in UTF-8 with a byte-order mark; in UTF-16 LE with its mark when
    // a text holds an unpaired surrogate, which UTF-8 cannot carry. Saved
    // whole or not at all (the old file stays when the save cannot finish).
    // A line break in a text, or a TAB in a source text, which the file
    // cannot give back, is refused before anything is written.
    // Failures raise "Error Saving Translation Data - " and the cause.
    void SaveToFile(const QString &FileName) const;
    // Reads a file of that form (a byte-order mark selects UTF-8 or UTF-16,
    // otherwise code page 1252). The table is replaced only when every line
    // parses; otherwise it is left as it was and "Error Loading Data - " and
    // the cause is raised.
    void LoadFromFile(const QString &FileName);

    // The form stream: a collection of entries, oldest first, each its
    // published properties. Written only when the table holds entries.
    // Reading replaces the table once the whole collection has been read.
    bool DoWriteToStream() const { return FList.Count() > 0; }
    void WriteToStream(TWriter *Writer) const;
    void ReadFromStream(TReader *Reader);

    void NotificationInsert(TObject *Sender);
    void NotificationRemove(TObject *Sender);

private:
    void Replace(const std::vector<std::pair<QString, QString>> &Entries);

    TStringList FList; // sorted, duplicates accepted, all keys empty: inserts land at 0
    TNotifyEvent FOnInsert;
    TNotifyEvent FOnRemove;
};
