#include "WindowActivation.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

bool BlockedByModal(const QWidget *Window)
{
    const QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == Window || modal->isAncestorOf(Window))
        return false;
    for (const QWindow *w = Window->windowHandle(); w; w = w->transientParent())
        if (w == modal->windowHandle())
            return false;
    return true;
}

bool ActivateWindowNow(QWidget *Window)
{
    if (Window->isActiveWindow())
        return true;
    if (BlockedByModal(Window))
        return false;
    Window->activateWindow();
    QApplication::setActiveWindow(Window);
    return true;
}
