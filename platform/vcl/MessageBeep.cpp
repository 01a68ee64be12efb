#include "MessageBeep.h"

#include <QApplication>

namespace {

std::function<void(unsigned)> &Handler()
{
    static std::function<void(unsigned)> handler;
    return handler;
}

} // namespace

void MessageBeep(unsigned Type)
{
    if (Handler())
        Handler()(Type);
    else
        QApplication::beep();
}

void SetMessageBeepHandler(std::function<void(unsigned)> Handler_)
{
    Handler() = std::move(Handler_);
}
