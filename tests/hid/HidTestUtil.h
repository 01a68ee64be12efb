#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

// Runs the event loop until cond holds or timeoutMs passes; cond's last value.
template <typename Cond>
bool PumpUntil(Cond cond, int timeoutMs = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!cond()) {
        if (t.elapsed() > timeoutMs)
            return cond();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

// Runs the event loop for ms milliseconds.
inline void PumpFor(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
}
