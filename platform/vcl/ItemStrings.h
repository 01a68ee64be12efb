#pragma once
#include "Strings.h"

class QComboBox;
class QListWidget;

// TStrings that keep their lines in a Qt item widget, so that the control
// and its Items never disagree. Objects ride along as item data.
class TComboBoxStrings : public TStrings {
public:
    explicit TComboBoxStrings(QComboBox *Box) : box_(Box) {}
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

private:
    void Check(int Index, bool allowEnd = false) const;
    QListWidget *list_;
    bool *fromCode_;
};
