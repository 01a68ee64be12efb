#pragma once
// The program's own form behind a shown window, as a user finds the window
// on the screen (a modal window included).
#include "WinControl.h"

#include <QApplication>
#include <QWidget>

// The form of class F that a shown top-level window holds; null when none.
template <class F>
F *ShownForm()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        if (auto *f = dynamic_cast<F *>(TWinControl::FindControl(top)))
            return f;
        for (QWidget *w : top->findChildren<QWidget *>())
            if (auto *f = dynamic_cast<F *>(TWinControl::FindControl(w)))
                return f;
    }
    return nullptr;
}
