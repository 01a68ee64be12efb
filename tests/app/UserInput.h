#pragma once
// Input as a user gives it: clicks and keys enter a top-level window through
// the window system's door, so Qt itself finds the widget under the pointer
// (a widget covered by a sibling does not get the click) and a window that a
// modal one blocks gets nothing. Places come from the widgets as laid out and
// drawn, never from the program's constants.
#include <QApplication>
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
