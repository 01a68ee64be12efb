#include "HandlerGuard.h"

#include <QtDebug>

namespace {
TExceptionEvent &Reporter()
{
    static TExceptionEvent reporter;
    return reporter;
}
} // namespace

int HandlerGuardDetail::depth = 0;

void SetExceptionReporter(TExceptionEvent Reporter_)
{
    Reporter() = std::move(Reporter_);
}

bool InsideHandler()
{
    return HandlerGuardDetail::depth > 0;
}

void HandlerGuardDetail::Report(const char *What, const QString &Name, const char *Message) noexcept
{
    try {
        QString text = QStringLiteral("%1 of %2 failed: %3")
                           .arg(QLatin1String(What), Name.isEmpty() ? QStringLiteral("(unnamed)") : Name,
                                Message ? QString::fromUtf8(Message) : QStringLiteral("unknown exception"));
        if (Reporter())
            Reporter()(text);
        else
            qWarning("%s", qPrintable(text));
    } catch (...) {
        qWarning("%s: an exception reporter failed", What);
    }
}
