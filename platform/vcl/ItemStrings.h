#pragma once
#include "Strings.h"

#include <functional>

class QComboBox;
class QListWidget;

// TStrings that keep their lines in a Qt item widget, so that the control
// and its Items never disagree. Objects ride along as item data.
// Deleting is called with the index of each item about to be deleted or
// cleared, while it is still there.
class TComboBoxStrings : public TStrings {
public:
    TComboBoxStrings(QComboBox *Box, std::function<void(int Index)> Deleting)
        : box_(Box), deleting_(std::move(Deleting))
    {
    }
    int Count() const override;
    QString Get(int Index) const override;
    void Put(int Index, const QString &S) override;
    TObject *GetObject(int Index) const override;
    void PutObject(int Index, TObject *AObject) override;
    void Insert(int Index, const QString &S) override;
    void Delete(int Index) override;
    void Clear() override;

private:
    void Check(int Index, bool allowEnd = false) const;
    QComboBox *box_;
    std::function<void(int Index)> deleting_;
};

class TListBoxStrings : public TStrings {
public:
    explicit TListBoxStrings(QListWidget *List, bool *FromCode) : list_(List), fromCode_(FromCode) {}
    int Count() const override;
    QString Get(int Index) const override;
    void Put(int Index, const QString &S) override;
    TObject *GetObject(int Index) const override;
    void PutObject(int Index, TObject *AObject) override;
    void Insert(int Index, const QString &S) override;
    void Delete(int Index) override;
    void Clear() override;
    // Sorted: Add puts an entry after those whose text sorts before it or
    // equal (letter case aside); switching it on sorts the entries there,
    // each with its object, the chosen one staying chosen.
    int Add(const QString &S) override;
    bool Sorted() const { return sorted_; }
    void SetSorted(bool Value);

private:
    void Check(int Index, bool allowEnd = false) const;
    QListWidget *list_;
    bool *fromCode_;
    bool sorted_ = false;
};
