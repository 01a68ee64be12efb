#include "Menus.h"

#include "Control.h"
#include "Exceptions.h"
#include "HandlerGuard.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
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
void Fill(QMenu *menu, TMenuItem *items);

// One visible item as a menu action or a submenu of `menu` (QMenu or QMenuBar).
template <typename Menu>
void AddItem(Menu *menu, TMenuItem *item)
{
    if (item->Count() > 0) {
        QMenu *sub = menu->addMenu(item->Caption());
        sub->setEnabled(item->Enabled());
        Fill(sub, item);
        return;
    }
    QAction *a = menu->addAction(item->Caption());
    a->setEnabled(item->Enabled());
    a->setCheckable(item->Checked());
    a->setChecked(item->Checked());
    QObject::connect(a, &QAction::triggered, a, [item] {
        GuardHandler("menu", item->Name(), [item] { item->Click(); });
    });
}

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
        AddItem(menu, item);
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
    // The menu takes the mouse from the control that held it.
    CancelCaptureControl();
    menu_->popup(QPoint(X, Y));
}

TMainMenu::TMainMenu(TComponent *AOwner) : TComponent(AOwner), items_(new TMenuItem(nullptr)) {}

TMainMenu::~TMainMenu()
{
    delete bar_.data();
    delete items_;
}

void TMainMenu::Attach(QWidget *Window)
{
    delete bar_.data();
    if (!Window)
        return;
    bar_ = new QMenuBar(Window);
    bar_->setNativeMenuBar(false); // inside the window on every desktop
    Rebuild();
}

void TMainMenu::Rebuild()
{
    if (!bar_)
        return;
    bar_->clear();
    for (int i = 0; i < items_->Count(); ++i) {
        TMenuItem *item = items_->Items(i);
        if (item->Visible())
            AddItem(bar_.data(), item);
    }
    // New captions keep the width the window gave the bar.
    const QSize hint = bar_->sizeHint();
    bar_->resize(std::max(bar_->width(), hint.width()), hint.height());
}
