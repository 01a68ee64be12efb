#pragma once
// What a real display shows of a window: the X server's own pixels of it
// (not a render of the widgets), for tests that run on the xcb platform.
#include "PumpEvents.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>

// The window that holds W, as its screen shows it now.
inline QImage ScreenShot(QWidget *W)
{
    QWidget *window = W->window();
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// Where W lies in ScreenShot(W).
inline QRect AreaOnScreen(QWidget *W)
{
    return QRect(W->mapTo(W->window(), QPoint(0, 0)), W->size());
}

// Waits until the window that holds W is mapped and shown by the server.
inline bool WaitExposed(QWidget *W, int TimeoutMs = 10000)
{
    return PumpUntil(
        [W] {
            QWindow *handle = W->window()->windowHandle();
            return handle && handle->isExposed();
        },
        TimeoutMs);
}
