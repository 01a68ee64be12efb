#include "Strings.h"

#include "Exceptions.h"
#include "Stream.h"

#include <QFile>
#include <algorithm>

void TStrings::Put(int Index, const QString &S)
{
    TObject *obj = GetObject(Index);
    BeginUpdate();
    Delete(Index);
    InsertObject(Index, S, obj);
    EndUpdate();
}

TObject *TStrings::GetObject(int) const
{
    return nullptr;
}

void TStrings::PutObject(int, TObject *) {}

void TStrings::InsertObject(int Index, const QString &S, TObject *AObject)
{
    Insert(Index, S);
    PutObject(Index, AObject);
}

int TStrings::IndexOf(const QString &S) const
{
    for (int i = 0; i < Count(); ++i)
        if (Get(i).compare(S, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TStrings::Add(const QString &S)
{
    int i = Count();
    Insert(i, S);
    return i;
}

int TStrings::AddObject(const QString &S, TObject *AObject)
{
    int i = Add(S);
    PutObject(i, AObject);
    return i;
}

void TStrings::AddStrings(const TStrings *Source)
{
    if (!Source)
        return;
    BeginUpdate();
    for (int i = 0; i < Source->Count(); ++i)
        AddObject(Source->Get(i), Source->GetObject(i));
    EndUpdate();
}

int TStrings::IndexOfObject(const TObject *AObject) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == AObject)
            return i;
    return -1;
}

int TStrings::IndexOfName(const QString &Name) const
{
    for (int i = 0; i < Count(); ++i) {
        QString s = Get(i);
        int p = s.indexOf(u'=');
        if (p >= 0 && s.left(p).compare(Name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString TStrings::Names(int Index) const
{
    QString s = Get(Index);
    int p = s.indexOf(u'=');
    return p >= 0 ? s.left(p) : QString();
}

QString TStrings::Values(const QString &Name) const
{
    int i = IndexOfName(Name);
    if (i < 0)
        return QString();
    QString s = Get(i);
    return s.mid(s.indexOf(u'=') + 1);
}

void TStrings::SetValue(const QString &Name, const QString &Value)
{
    int i = IndexOfName(Name);
    if (Value.isEmpty()) {
        if (i >= 0)
            Delete(i);
        return;
    }
    QString line = Name + u'=' + Value;
    if (i >= 0)
        Put(i, line);
    else
        Add(line);
}

void TStrings::Move(int CurIndex, int NewIndex)
{
    if (CurIndex == NewIndex)
        return;
    BeginUpdate();
    QString s = Get(CurIndex);
    TObject *o = GetObject(CurIndex);
    Delete(CurIndex);
    InsertObject(NewIndex, s, o);
    EndUpdate();
}

void TStrings::Exchange(int Index1, int Index2)
{
    BeginUpdate();
    QString s1 = Get(Index1), s2 = Get(Index2);
    TObject *o1 = GetObject(Index1), *o2 = GetObject(Index2);
    Put(Index1, s2);
    PutObject(Index1, o2);
    Put(Index2, s1);
    PutObject(Index2, o1);
    EndUpdate();
}

QString TStrings::Text() const
{
    QString r;
    for (int i = 0; i < Count(); ++i) {
        r += Get(i);
        r += QStringLiteral("\r\n");
    }
    return r;
}

void TStrings::SetText(const QString &Value)
{
    BeginUpdate();
    Clear();
    int start = 0;
    const int n = Value.size();
    while (start < n) {
        int end = start;
        while (end < n && Value[end] != u'\r' && Value[end] != u'\n')
            ++end;
        Add(Value.mid(start, end - start));
        if (end < n && Value[end] == u'\r')
            ++end;
        if (end < n && Value[end] == u'\n')
            ++end;
        start = end;
    }
    EndUpdate();
}

QString TStrings::CommaText() const
{
    QStringList parts;
    for (int i = 0; i < Count(); ++i) {
        QString s = Get(i);
        bool quote = s.isEmpty() || s.contains(u',') || s.contains(u' ') || s.contains(u'"');
        if (quote) {
            s.replace(u'"', QStringLiteral("\"\""));
            s = u'"' + s + u'"';
        }
        parts << s;
    }
    return parts.join(u',');
}

QStringList TStrings::ToStringList() const
{
    QStringList r;
    for (int i = 0; i < Count(); ++i)
        r << Get(i);
    return r;
}

void TStrings::SetStrings(const QStringList &Lines)
{
    BeginUpdate();
    Clear();
    for (const QString &s : Lines)
        Add(s);
    EndUpdate();
}

void TStrings::LoadFromFile(const QString &FileName)
{
    TFileStream f(FileName, fmOpenRead);
    LoadFromStream(&f);
}

void TStrings::SaveToFile(const QString &FileName) const
{
    TFileStream f(FileName, fmCreate);
    SaveToStream(&f);
}

void TStrings::LoadFromStream(TStream *Stream)
{
    QByteArray bytes = Stream->ReadAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    SetText(QString::fromUtf8(bytes));
}

void TStrings::SaveToStream(TStream *Stream) const
{
    Stream->WriteBytes(Text().toUtf8());
}

void TStrings::BeginUpdate()
{
    if (updateCount_ == 0)
        SetUpdateState(true);
    ++updateCount_;
}

void TStrings::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

bool TStrings::Equals(const TStrings *Other) const
{
    if (!Other || Other->Count() != Count())
        return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != Other->Get(i))
            return false;
    return true;
}

void TStrings::Assign(TPersistent *Source)
{
    if (auto *src = dynamic_cast<TStrings *>(Source)) {
        if (src == this)
            return;
        BeginUpdate();
        Clear();
        AddStrings(src);
        EndUpdate();
        return;
    }
    TPersistent::Assign(Source);
}

TStringList::~TStringList()
{
    OnChange = nullptr;
    OnChanging = nullptr;
    Clear();
}

void TStringList::CheckIndex(int Index, bool allowEnd) const
{
    int limit = Count() + (allowEnd ? 1 : 0);
    if (Index < 0 || Index >= limit)
        ThrowListIndexError(Index);
}

QString TStringList::Get(int Index) const
{
    CheckIndex(Index);
    return items_[static_cast<size_t>(Index)].text;
}

void TStringList::Put(int Index, const QString &S)
{
    if (sorted_)
        throw EListError(QStringLiteral("Operation not allowed on sorted list"));
    CheckIndex(Index);
    Changing();
    items_[static_cast<size_t>(Index)].text = S;
    Changed();
}

TObject *TStringList::GetObject(int Index) const
{
    CheckIndex(Index);
    return items_[static_cast<size_t>(Index)].object;
}

void TStringList::PutObject(int Index, TObject *AObject)
{
    CheckIndex(Index);
    Changing();
    items_[static_cast<size_t>(Index)].object = AObject;
    Changed();
}

void TStringList::Insert(int Index, const QString &S)
{
    InsertObject(Index, S, nullptr);
}

void TStringList::InsertObject(int Index, const QString &S, TObject *AObject)
{
    if (sorted_)
        throw EListError(QStringLiteral("Operation not allowed on sorted list"));
    CheckIndex(Index, true);
    InsertItem(Index, S, AObject);
}

void TStringList::InsertItem(int Index, const QString &S, TObject *AObject)
{
    Changing();
    items_.insert(items_.begin() + Index, Item{S, AObject});
    Changed();
}

int TStringList::Add(const QString &S)
{
    if (!sorted_) {
        int i = Count();
        InsertItem(i, S, nullptr);
        return i;
    }
    int i = 0;
    if (Find(S, i)) {
        if (duplicates_ == dupIgnore)
            return i;
        if (duplicates_ == dupError)
            throw EListError(QStringLiteral("String list does not allow duplicates"));
    }
    InsertItem(i, S, nullptr);
    return i;
}

void TStringList::Delete(int Index)
{
    CheckIndex(Index);
    Changing();
    TObject *o = items_[static_cast<size_t>(Index)].object;
    items_.erase(items_.begin() + Index);
    if (ownsObjects_)
        delete o;
    Changed();
}

void TStringList::Clear()
{
    if (items_.empty())
        return;
    Changing();
    std::vector<Item> old;
    old.swap(items_);
    if (ownsObjects_)
        for (Item &it : old)
            delete it.object;
    Changed();
}

int TStringList::Compare(const QString &a, const QString &b) const
{
    return a.compare(b, caseSensitive_ ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

int TStringList::IndexOf(const QString &S) const
{
    if (sorted_) {
        int i = 0;
        return Find(S, i) ? i : -1;
    }
    for (int i = 0; i < Count(); ++i)
        if (Compare(items_[static_cast<size_t>(i)].text, S) == 0)
            return i;
    return -1;
}

bool TStringList::Find(const QString &S, int &Index) const
{
    int lo = 0, hi = Count() - 1;
    bool found = false;
    while (lo <= hi) {
        int mid = (lo + hi) / 2;
        int c = Compare(items_[static_cast<size_t>(mid)].text, S);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) {
                found = true;
                if (duplicates_ != dupAccept)
                    lo = mid;
            }
        }
    }
    Index = lo;
    return found;
}

void TStringList::Sort()
{
    Changing();
    std::stable_sort(items_.begin(), items_.end(),
                     [this](const Item &a, const Item &b) { return Compare(a.text, b.text) < 0; });
    Changed();
}

void TStringList::SetSorted(bool Value)
{
    if (sorted_ == Value)
        return;
    if (Value)
        Sort();
    sorted_ = Value;
}

void TStringList::SetCaseSensitive(bool Value)
{
    if (caseSensitive_ == Value)
        return;
    caseSensitive_ = Value;
    if (sorted_)
        Sort();
}

void TStringList::SetUpdateState(bool Updating)
{
    if (Updating)
        Changing();
    else
        Changed();
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}
