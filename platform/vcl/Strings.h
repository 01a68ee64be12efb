#pragma once
#include "Events.h"
#include "Persistent.h"

#include <QString>
#include <QStringList>
#include <vector>

class TStream;

// A list of text lines, each with an optional object pointer (not owned).
// TStrings is the interface controls publish (memo lines, list items); the
// storage is the subclass's. Text joins the lines with CR LF; setting it
// splits at CR LF, LF or CR. Values are "name=value" lines, names compared
// without regard to case.
class TStrings : public TPersistent {
public:
    virtual int Count() const = 0;
    virtual QString Get(int Index) const = 0;         // throws EListError out of range
    virtual void Put(int Index, const QString &S);
    virtual TObject *GetObject(int Index) const;
    virtual void PutObject(int Index, TObject *AObject);
    virtual void Insert(int Index, const QString &S) = 0;
    virtual void InsertObject(int Index, const QString &S, TObject *AObject);
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;
    virtual int IndexOf(const QString &S) const;      // without regard to case; -1 if missing

    QString Strings(int Index) const { return Get(Index); }
    QString operator[](int Index) const { return Get(Index); }
    TObject *Objects(int Index) const { return GetObject(Index); }
    virtual int Add(const QString &S);
    int AddObject(const QString &S, TObject *AObject);
    void AddStrings(const TStrings *Source);
    int IndexOfObject(const TObject *AObject) const;
    int IndexOfName(const QString &Name) const;
    QString Names(int Index) const;
    QString Values(const QString &Name) const;
    void SetValue(const QString &Name, const QString &Value); // empty value deletes the line
    void Move(int CurIndex, int NewIndex);
    void Exchange(int Index1, int Index2);

    virtual QString Text() const;
    virtual void SetText(const QString &Value);
    QString CommaText() const;
    QStringList ToStringList() const;
    void SetStrings(const QStringList &Lines);

    // Whole-file forms: UTF-8 text, lines as in Text. Throw EFOpenError or
    // EStreamError when the file cannot be read or written.
    void LoadFromFile(const QString &FileName);
    void SaveToFile(const QString &FileName) const;
    void LoadFromStream(TStream *Stream);
    void SaveToStream(TStream *Stream) const;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    bool Equals(const TStrings *Other) const;
    void Assign(TPersistent *Source) override;

protected:
    // Called when the update bracket opens (true) or closes (false).
    virtual void SetUpdateState(bool Updating);

private:
    int updateCount_ = 0;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

// The string list that stores its lines: optional sorting, duplicate rule,
// case sensitivity (off by default) and change events (not fired inside
// BeginUpdate/EndUpdate; EndUpdate fires one OnChange).
class TStringList : public TStrings {
public:
    TStringList() = default;
    ~TStringList() override;

    int Count() const override { return static_cast<int>(items_.size()); }
    QString Get(int Index) const override;
    void Put(int Index, const QString &S) override;
    TObject *GetObject(int Index) const override;
    void PutObject(int Index, TObject *AObject) override;
    void Insert(int Index, const QString &S) override;
    void InsertObject(int Index, const QString &S, TObject *AObject) override;
    void Delete(int Index) override;
    void Clear() override;
    int IndexOf(const QString &S) const override;
    int Add(const QString &S) override;

    // Binary search in a sorted list: true and the index when found, else
    // false and the insertion index.
    bool Find(const QString &S, int &Index) const;
    void Sort();

    bool Sorted() const { return sorted_; }
    void SetSorted(bool Value);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates Value) { duplicates_ = Value; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool Value);
    // When set, the list deletes the objects it holds as lines go.
    bool OwnsObjects() const { return ownsObjects_; }
    void SetOwnsObjects(bool Value) { ownsObjects_ = Value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool Updating) override;
    virtual void Changed();
    virtual void Changing();
    int Compare(const QString &a, const QString &b) const;

private:
    struct Item {
        QString text;
        TObject *object = nullptr;
    };
    void CheckIndex(int Index, bool allowEnd = false) const;
    void InsertItem(int Index, const QString &S, TObject *AObject);

    std::vector<Item> items_;
    bool sorted_ = false;
    TDuplicates duplicates_ = dupIgnore;
    bool caseSensitive_ = false;
    bool ownsObjects_ = false;
};
