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

// What a menu shows for one visible item: its action (a separator line's
// too) and, for an item with sub-items, the submenu and what that shows.
struct TMenuEntry {
    TMenuItem *item = nullptr;
    QPointer<QAction> action;
    QPointer<QMenu> menu;
    std::vector<TMenuEntry> children;
};

namespace {
std::vector<TMenuEntry> Fill(QMenu *menu, TMenuItem *items);

// A QMenu shows "-" as a separator line; a bar shows every item as an entry.
bool IsSeparator(const TMenuItem *item, bool separators)
{
    return separators && item->Caption() == QLatin1String("-");
}

void ShowState(QAction *a, const TMenuItem *item)
{
    a->setText(item->Caption());
    a->setEnabled(item->Enabled());
    a->setCheckable(item->Checked());
    a->setChecked(item->Checked());
}

// One visible item as a menu action or a submenu of `menu` (QMenu or QMenuBar).
template <typename Menu>
TMenuEntry AddItem(Menu *menu, TMenuItem *item)
{
    if (item->Count() > 0) {
        QMenu *sub = menu->addMenu(item->Caption());
        sub->setEnabled(item->Enabled());
        return {item, sub->menuAction(), sub, Fill(sub, item)};
    }
    QAction *a = menu->addAction(item->Caption());
    ShowState(a, item);
    QObject::connect(a, &QAction::triggered, a, [item] {
        GuardHandler("menu", item->Name(), [item] { item->Click(); });
    });
    return {item, a, nullptr, {}};
}

std::vector<TMenuEntry> Fill(QMenu *menu, TMenuItem *items)
{
    std::vector<TMenuEntry> shown;
    for (int i = 0; i < items->Count(); ++i) {
        TMenuItem *item = items->Items(i);
        if (!item->Visible())
            continue;
        if (IsSeparator(item, true))
            shown.push_back({item, menu->addSeparator(), nullptr, {}});
        else
            shown.push_back(AddItem(menu, item));
    }
    return shown;
}

// Whether the entries still stand for the visible sub-items of `items`, in
// their order, each shown as what it is now (separator, action or submenu).
bool SameShape(const std::vector<TMenuEntry> &shown, const TMenuItem *items, bool separators)
{
    size_t at = 0;
    for (int i = 0; i < items->Count(); ++i) {
        const TMenuItem *item = items->Items(i);
        if (!item->Visible())
            continue;
        if (at == shown.size())
            return false;
        const TMenuEntry &e = shown[at++];
        const bool separator = IsSeparator(item, separators);
        if (e.item != item || !e.action || e.action->isSeparator() != separator ||
            e.menu.isNull() == (item->Count() > 0 && !separator))
            return false;
        if (e.menu && !SameShape(e.children, item, true))
            return false;
    }
    return at == shown.size();
}

// Captions, enabled and check states onto entries of the same shape.
void ShowStates(const std::vector<TMenuEntry> &shown)
{
    for (const TMenuEntry &e : shown) {
        if (e.menu) {
            e.menu->setTitle(e.item->Caption());
            e.menu->setEnabled(e.item->Enabled());
            ShowStates(e.children);
        } else if (!e.action->isSeparator()) {
            ShowState(e.action, e.item);
        }
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
    shown_.clear();
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
    // New texts and states go onto the entries there are: making the entries
    // again makes the bar measure every caption again, at once when it shows.
    if (SameShape(shown_, items_, false)) {
        ShowStates(shown_);
    } else {
        bar_->clear();
        shown_.clear();
        for (int i = 0; i < items_->Count(); ++i) {
            TMenuItem *item = items_->Items(i);
            if (item->Visible())
                shown_.push_back(AddItem(bar_.data(), item));
        }
    }
    // New captions keep the width the window gave the bar.
    const QSize hint = bar_->sizeHint();
    bar_->resize(std::max(bar_->width(), hint.width()), hint.height());
}
