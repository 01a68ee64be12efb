#pragma once
#include "Menus.h"

#include <QString>

// A popup-menu item that carries the value it stands for (a channel name,
// say); its click handler reads AString back.
class TgMenuItem : public TMenuItem {
public:
    using TMenuItem::TMenuItem;
    QString AString;
};
