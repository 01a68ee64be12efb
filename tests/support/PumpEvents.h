#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

// Runs the UI event loop until pred() holds or timeoutMs passes; returns pred().
// For tests: events are handled at least every few milliseconds.
template <class Pred>
bool PumpUntil(Pred pred, int timeoutMs = 10000)
{
    QElapsedTimer t;
    t.start();
    while (!pred()) {
        if (t.elapsed() > timeoutMs)
            return pred();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

inline void PumpFor(int ms)
{
    PumpUntil([] { return false; }, ms);
}

// Runs the UI event loop until pred() holds or timeoutMs passes; returns pred().
// For measurements: the thread sleeps in the event loop and wakes on each
// event (a 5 ms tick wakes it for conditions that no event announces), so
// events are handled as soon as they come and no CPU is spent spinning.
template <class Pred>
bool WaitUntil(Pred pred, int timeoutMs = 10000)
{
    QTimer tick;
    tick.start(5);
    QElapsedTimer t;
    t.start();
    while (!pred()) {
        if (t.elapsed() > timeoutMs)
            return pred();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}
