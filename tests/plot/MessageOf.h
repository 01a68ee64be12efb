#pragma once
#include "Exceptions.h"

#include <QString>
#include <functional>

// The message of the library exception that Call raises, or a marker text
// when it raises none.
inline QString MessageOf(const std::function<void()> &Call)
{
    try {
        Call();
    } catch (const Exception &e) {
        return e.Message();
    }
    return QStringLiteral("(nothing raised)");
}
