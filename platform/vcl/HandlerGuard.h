#pragma once
#include <QString>
#include <exception>
#include <functional>

// Every call from Qt into the layer (widget events, paints, signals of the
// standard widgets, timer ticks) runs its body through GuardHandler:
//  - an exception thrown there stops at the guard and goes to the exception
//    reporter, so that the Qt event loop never sees one;
//  - while a guarded body runs, a control that is freed hands its widget to
//    Qt for deletion once the event is over (the widget, or its window, may
//    be the one delivering that event).

// Called with "<What> of <Name> failed: <message>" for each exception a
// guard stops; none set: the text goes to the Qt warning log.
using TExceptionEvent = std::function<void(const QString &Message)>;
void SetExceptionReporter(TExceptionEvent Reporter);

// True while a guarded body runs (on the UI thread).
bool InsideHandler();

namespace HandlerGuardDetail {
extern int depth;
void Report(const char *What, const QString &Name, const char *Message) noexcept;
} // namespace HandlerGuardDetail

// Runs Body; returns false when it threw (the exception is reported). Name
// is taken by value: Body may free the object it names.
template <typename F>
bool GuardHandler(const char *What, QString Name, F &&Body) noexcept
{
    struct Depth {
        Depth() { ++HandlerGuardDetail::depth; }
        ~Depth() { --HandlerGuardDetail::depth; }
    } depth;
    try {
        Body();
        return true;
    } catch (const std::exception &e) {
        HandlerGuardDetail::Report(What, Name, e.what());
    } catch (...) {
        HandlerGuardDetail::Report(What, Name, nullptr);
    }
    return false;
}
