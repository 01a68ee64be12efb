#include "Menus.h"

#include "Exceptions.h"
#include "HandlerGuard.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

TMenuItem::TMenuItem(TComponent *AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem()
{
    Clear();
    if (parent_)
        parent_->Remove(this);
}

TMenuItem *TMenuItem::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        ThrowListIndexError(Index);
    return items_[static_cast<size_t>(Index)];
}

void TMenuItem::Add(TMenuItem *Item)
{
    Insert(Count(), Item);
}

void TMenuItem::Insert(int Index, TMenuItem *Item)
{
    if (!Item)
        return;
    if (Index < 0 || Index > Count())
        ThrowListIndexError(Index);
    if (Item->parent_)
        Item->parent_->Remove(Item);
    items_.insert(items_.begin() + Index, Item);
    Item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem *Item)
{
    auto it = std::find(items_.begin(), items_.end(), Item);
    if (it == items_.end())
        return;
    items_.erase(it);
    Item->parent_ = nullptr;
}

void TMenuItem::Delete(int Index)
{
    delete Items(Index);
}

void TMenuItem::Clear()
{
    while (!items_.empty())
        delete items_.back();
}

int TMenuItem::IndexOf(const TMenuItem *Item) const
{
    auto it = std::find(items_.begin(), items_.end(), Item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Click()
{
    if (OnClick)
        OnClick(this);
}

namespace {
void Fill(QMenu *menu, TMenuItem *items)
{
    for (int i = 0; i < items->Count(); ++i) {
        TMenuItem *item = items->Items(i);
        if (!item->Visible())
            continue;
        if (item->Caption() == QLatin1String("-")) {
            menu->addSeparator();
            continue;
        }
        QString text = item->Caption();
        if (item->Count() > 0) {
            QMenu *sub = menu->addMenu(text);
            sub->setEnabled(item->Enabled());
            Fill(sub, item);
            continue;
        }
        QAction *a = menu->addAction(text);
        a->setEnabled(item->Enabled());
        a->setCheckable(item->Checked());
        a->setChecked(item->Checked());
        QObject::connect(a, &QAction::triggered, a, [item] {
            GuardHandler("menu", item->Name(), [item] { item->Click(); });
        });
    }
}
} // namespace

TPopupMenu::TPopupMenu(TComponent *AOwner) : TComponent(AOwner), items_(new TMenuItem(nullptr)) {}

TPopupMenu::~TPopupMenu()
{
    delete menu_.data();
    delete items_;
}

QMenu *TPopupMenu::Menu() const
{
    return menu_.data();
}

void TPopupMenu::Popup(int X, int Y)
{
    popupPoint_ = {X, Y};
    if (OnPopup)
        OnPopup(this);
    delete menu_.data();
    menu_ = new QMenu;
    menu_->setAttribute(Qt::WA_DeleteOnClose);
    Fill(menu_, items_);
    menu_->popup(QPoint(X, Y));
}
