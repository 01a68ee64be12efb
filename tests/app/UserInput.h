#pragma once
// Input as a user gives it: clicks and keys enter a top-level window through
// the window system's door, so Qt itself finds the widget under the pointer
// (a widget covered by a sibling does not get the click) and a window that a
// modal one blocks gets nothing. Places come from the widgets as laid out and
// drawn, never from the program's constants.
#include "WinControl.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace UserInput {

// Lets pending layout, paints and window-system events happen.
inline void Render()
{
    for (int i = 0; i < 4; ++i)
        QApplication::processEvents();
}

// The part of `w` that its ancestors leave on screen, in the coordinates of
// its top-level window; empty when none of it shows.
inline QRect VisibleRect(const QWidget *w)
{
    const QWidget *top = w->window();
    QRect r(w->mapTo(top, QPoint(0, 0)), w->size());
    for (const QWidget *p = w->parentWidget(); p && p != top; p = p->parentWidget())
        r &= QRect(p->mapTo(top, QPoint(0, 0)), p->size());
    return r & top->rect();
}

inline QPoint VisibleCentre(const QWidget *w)
{
    return VisibleRect(w).center();
}

// The widget that a press at `pos` of the top-level `window` lands on.
inline QWidget *WidgetAt(QWidget *window, QPoint pos)
{
    QWidget *w = window->childAt(pos);
    return w ? w : window;
}

// A left click (the pointer moved there first) at `pos` of the top-level `window`.
inline void ClickAt(QWidget *window, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    QWindow *handle = window->windowHandle();
    if (!handle)
        return;
    QTest::mouseMove(handle, pos);
    QTest::mouseClick(handle, button, Qt::NoModifier, pos);
}

// A click at the centre of what shows of `w`; false when nothing of it shows.
inline bool Click(QWidget *w)
{
    if (!w)
        return false;
    const QRect r = VisibleRect(w);
    if (r.isEmpty())
        return false;
    ClickAt(w->window(), r.center());
    return true;
}

// What shows of control `c` (windowed or drawn by its parent), in the
// coordinates of its top-level window; `window` gets that window. Empty when
// nothing of it shows.
inline QRect VisibleRect(const TControl *c, QWidget **window)
{
    *window = nullptr;
    if (auto *w = dynamic_cast<const TWinControl *>(c)) {
        if (!w->Widget() || !w->Widget()->isVisible())
            return {};
        *window = w->Widget()->window();
        return VisibleRect(w->Widget());
    }
    const TWinControl *parent = c->Parent();
    if (!c->Visible() || !parent || !parent->Widget() || !parent->Widget()->isVisible())
        return {};
    QWidget *p = parent->Widget();
    *window = p->window();
    const QRect r(p->mapTo(*window, QPoint(c->Left(), c->Top())), QSize(c->Width(), c->Height()));
    return r & VisibleRect(p);
}

// A click at the centre of what shows of control `c`; false when nothing shows.
inline bool Click(const TControl *c)
{
    QWidget *window = nullptr;
    const QRect r = VisibleRect(c, &window);
    if (r.isEmpty())
        return false;
    ClickAt(window, r.center());
    return true;
}

// Chooses a menu entry as a user does: a click on the bar's entry with the
// first caption, then on the entry with the next caption in each menu that
// opens. False when an entry is not shown.
inline bool ChooseMenu(QMenuBar *bar, const QStringList &path)
{
    auto find = [](const QList<QAction *> &actions, const QString &text) -> QAction * {
        for (QAction *a : actions)
            if (a->isVisible() && a->text() == text)
                return a;
        return nullptr;
    };
    QAction *action = path.isEmpty() ? nullptr : find(bar->actions(), path[0]);
    if (!action)
        return false;
    QWidget *window = bar->window();
    ClickAt(window, bar->mapTo(window, bar->actionGeometry(action).center()));
    for (qsizetype i = 1; i < path.size(); ++i) {
        Render();
        QMenu *menu = action->menu();
        if (!menu || !menu->isVisible() || !(action = find(menu->actions(), path[i])))
            return false;
        ClickAt(menu, menu->actionGeometry(action).center());
    }
    Render();
    return true;
}

// A key pressed and released in the top-level `window` (it reaches the
// window's focused widget).
inline void Key(QWidget *window, Qt::Key key)
{
    if (QWindow *handle = window->windowHandle())
        QTest::keyClick(handle, key);
}

// Plain text typed into the top-level `window`, one key per character.
inline void Type(QWidget *window, const char *text)
{
    if (QWindow *handle = window->windowHandle())
        for (const char *p = text; *p; ++p)
            QTest::keyClick(handle, *p);
}

} // namespace UserInput
