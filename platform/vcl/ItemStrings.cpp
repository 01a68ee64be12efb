#include "ItemStrings.h"

#include "Exceptions.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>
#include <vector>

namespace {
QVariant ObjectData(TObject *o)
{
    return QVariant::fromValue(static_cast<void *>(o));
}
} // namespace

// -- combo box ----------------------------------------------------------------

void TComboBoxStrings::Check(int Index, bool allowEnd) const
{
    if (Index < 0 || Index > Count() - (allowEnd ? 0 : 1))
        ThrowListIndexError(Index);
}

int TComboBoxStrings::Count() const
{
    return box_->count();
}

QString TComboBoxStrings::Get(int Index) const
{
    Check(Index);
    return box_->itemText(Index);
}

void TComboBoxStrings::Put(int Index, const QString &S)
{
    Check(Index);
    box_->setItemText(Index, S);
}

TObject *TComboBoxStrings::GetObject(int Index) const
{
    Check(Index);
    return static_cast<TObject *>(box_->itemData(Index).value<void *>());
}

void TComboBoxStrings::PutObject(int Index, TObject *AObject)
{
    Check(Index);
    box_->setItemData(Index, ObjectData(AObject));
}

void TComboBoxStrings::Insert(int Index, const QString &S)
{
    Check(Index, true);
    QSignalBlocker block(box_);
    int current = box_->currentIndex();
    QString text = box_->currentText();
    box_->insertItem(Index, S);
    // Qt selects the first item of an empty list; the control keeps none.
    if (current < 0)
        box_->setCurrentIndex(-1);
    if (box_->isEditable())
        box_->setEditText(text);
}

void TComboBoxStrings::Delete(int Index)
{
    Check(Index);
    if (deleting_) {
        deleting_(Index);
        if (Index >= Count())
            return; // the notice shortened the list: nothing left to remove there
    }
    QSignalBlocker block(box_);
    box_->removeItem(Index);
}

void TComboBoxStrings::Clear()
{
    if (deleting_)
        for (int i = 0; i < Count(); ++i)
            deleting_(i);
    QSignalBlocker block(box_);
    QString text = box_->currentText();
    box_->clear();
    if (box_->isEditable())
        box_->setEditText(text);
}

// -- list box -----------------------------------------------------------------

void TListBoxStrings::Check(int Index, bool allowEnd) const
{
    if (Index < 0 || Index > Count() - (allowEnd ? 0 : 1))
        ThrowListIndexError(Index);
}

int TListBoxStrings::Count() const
{
    return list_->count();
}

QString TListBoxStrings::Get(int Index) const
{
    Check(Index);
    return list_->item(Index)->text();
}

void TListBoxStrings::Put(int Index, const QString &S)
{
    Check(Index);
    list_->item(Index)->setText(S);
}

TObject *TListBoxStrings::GetObject(int Index) const
{
    Check(Index);
    return static_cast<TObject *>(list_->item(Index)->data(Qt::UserRole).value<void *>());
}

void TListBoxStrings::PutObject(int Index, TObject *AObject)
{
    Check(Index);
    list_->item(Index)->setData(Qt::UserRole, ObjectData(AObject));
}

void TListBoxStrings::Insert(int Index, const QString &S)
{
    Check(Index, true);
    *fromCode_ = true;
    list_->insertItem(Index, S);
    *fromCode_ = false;
}

void TListBoxStrings::Delete(int Index)
{
    Check(Index);
    *fromCode_ = true;
    delete list_->takeItem(Index);
    *fromCode_ = false;
}

int TListBoxStrings::Add(const QString &S)
{
    if (!sorted_)
        return TStrings::Add(S);
    int i = 0;
    while (i < Count() && Get(i).compare(S, Qt::CaseInsensitive) <= 0)
        ++i;
    Insert(i, S);
    return i;
}

void TListBoxStrings::SetSorted(bool Value)
{
    if (Value && !sorted_) {
        *fromCode_ = true;
        QListWidgetItem *current = list_->currentItem();
        std::vector<QListWidgetItem *> items;
        while (list_->count() > 0)
            items.push_back(list_->takeItem(0));
        std::stable_sort(items.begin(), items.end(), [](const QListWidgetItem *A, const QListWidgetItem *B) {
            return A->text().compare(B->text(), Qt::CaseInsensitive) < 0;
        });
        for (QListWidgetItem *item : items)
            list_->addItem(item);
        if (current)
            list_->setCurrentItem(current);
        *fromCode_ = false;
    }
    sorted_ = Value;
}

void TListBoxStrings::Clear()
{
    *fromCode_ = true;
    list_->clear();
    *fromCode_ = false;
}
