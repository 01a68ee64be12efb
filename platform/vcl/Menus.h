#pragma once
#include "Component.h"
#include "Events.h"

#include <QMenuBar>
#include <QPointer>
#include <QString>
#include <vector>

class QMenu;
class QWidget;

// One entry of a menu, and the list of entries below it. The item frees
// its sub-items. Click runs OnClick.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent *AOwner);
    ~TMenuItem() override;

    const QString &Caption() const { return caption_; }
    void SetCaption(const QString &Value) { caption_ = Value; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value) { enabled_ = Value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool Value) { visible_ = Value; }
    bool Checked() const { return checked_; }
    void SetChecked(bool Value) { checked_ = Value; }

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem *Items(int Index) const; // throws EListError out of range
    TMenuItem *Parent() const { return parent_; }
    void Add(TMenuItem *Item);
    void Insert(int Index, TMenuItem *Item);
    // Takes the item out without freeing it.
    void Remove(TMenuItem *Item);
    void Delete(int Index); // frees the item
    void Clear();
    int IndexOf(const TMenuItem *Item) const;

    virtual void Click();
    TNotifyEvent OnClick;

private:
    QString caption_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    TMenuItem *parent_ = nullptr;
    std::vector<TMenuItem *> items_;
};

// A context menu shown at a screen point. Popup shows a Qt menu built from
// Items and returns at once; choosing an entry runs its Click.
class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent *AOwner);
    ~TPopupMenu() override;

    TMenuItem *Items() const { return items_; }
    // Fires OnPopup, then shows the menu with its top-left corner at (X, Y);
    // the control that held the mouse capture loses it to the menu.
    virtual void Popup(int X, int Y);
    // The screen point of the last Popup.
    TPoint PopupPoint() const { return popupPoint_; }
    // The Qt menu of the last Popup while it exists (tests choose from it).
    QMenu *Menu() const;
    TNotifyEvent OnPopup;

private:
    TMenuItem *items_;
    TPoint popupPoint_;
    QPointer<QMenu> menu_;
};

struct TMenuEntry;

// A window's menu bar. Items are its top-level entries; Attach puts a Qt menu
// bar into a window and Rebuild shows the items as they are now (call it after
// changing captions, checks or visibility): the bar's actions and submenus
// stay while the same items show, only their texts and states change. Hidden
// items stay in Items and their Click still runs their handler.
class TMainMenu : public TComponent {
public:
    explicit TMainMenu(TComponent *AOwner);
    ~TMainMenu() override;

    TMenuItem *Items() const { return items_; }
    // Makes the bar a child of `Window` (nullptr detaches it) and fills it.
    void Attach(QWidget *Window);
    void Rebuild();
    QMenuBar *Bar() const { return bar_; }

private:
    TMenuItem *items_;
    QPointer<QMenuBar> bar_;
    std::vector<TMenuEntry> shown_;
};
