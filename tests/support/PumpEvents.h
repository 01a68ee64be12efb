#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

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
