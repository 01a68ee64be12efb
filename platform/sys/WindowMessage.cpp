#include "WindowMessage.h"

#include "SysEvent.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <exception>

namespace {

const QEvent::Type kMessageEvent = QEvent::Type(QEvent::registerEventType());

// States of a sent message: the sender and the window's thread race for it.
enum : int { kPending, kHandling, kDone, kWithdrawn };

struct SentRecord {
    std::vector<uint8_t> payload;
    std::atomic<int> state{kPending};
    AutoResetEvent done;
};

class MessageEvent : public QEvent {
public:
    MessageEvent(const WindowMessage &m, std::shared_ptr<const std::atomic<bool>> alive,
                 std::shared_ptr<SentRecord> rec)
        : QEvent(kMessageEvent), message(m), sourceAlive(std::move(alive)), record(std::move(rec))
    {
    }
    WindowMessage message;
    std::shared_ptr<const std::atomic<bool>> sourceAlive;
    std::shared_ptr<SentRecord> record;
};

std::atomic<uint32_t> nextSourceId{1};

} // namespace

MessageSource::MessageSource() : id(nextSourceId++), alive(std::make_shared<std::atomic<bool>>(true)) {}

MessageWindow::MessageWindow(QObject *parent) : QObject(parent) {}

void MessageWindow::DispatchFromLoop(const WindowMessage &m)
{
    // Nothing may leave a handler into the event loop, and a sender must
    // still be released when its handler failed.
    try {
        Dispatch(m);
    } catch (const std::exception &ex) {
        qWarning("window message 0x%X: handler failed: %s", unsigned(m.msg), ex.what());
    } catch (...) {
        qWarning("window message 0x%X: handler failed", unsigned(m.msg));
    }
}

bool MessageWindow::event(QEvent *e)
{
    if (e->type() != kMessageEvent)
        return QObject::event(e);
    auto *me = static_cast<MessageEvent *>(e);
    if (me->record) {
        int expected = kPending;
        if (!me->record->state.compare_exchange_strong(expected, kHandling))
            return true; // withdrawn by a sender that was stopped
        WindowMessage m = me->message;
        m.wParam = reinterpret_cast<uintptr_t>(&me->record->payload);
        DispatchFromLoop(m);
        me->record->state.store(kDone);
        me->record->done.Set();
        return true;
    }
    if (me->sourceAlive && !me->sourceAlive->load())
        return true; // its link was closed meanwhile
    DispatchFromLoop(me->message);
    return true;
}

void PostWindowMessage(MessageWindow *target, uint32_t msg, uintptr_t wParam, intptr_t lParam,
                       const MessageSource *source)
{
    if (!target)
        return;
    WindowMessage m{msg, wParam, lParam, source ? source->Id() : 0};
    QCoreApplication::postEvent(target, new MessageEvent(m, source ? source->Token() : nullptr, nullptr));
}

SendResult SendWindowMessage(MessageWindow *target, uint32_t msg, const std::vector<uint8_t> &payload,
                             intptr_t lParam, AutoResetEvent *stop, const MessageSource *source)
{
    if (!target)
        return SendResult::Failed;
    WindowMessage m{msg, 0, lParam, source ? source->Id() : 0};
    if (target->thread() == QThread::currentThread()) {
        std::vector<uint8_t> copy = payload;
        m.wParam = reinterpret_cast<uintptr_t>(&copy);
        target->Dispatch(m);
        return SendResult::Handled;
    }
    // The record owns its copy of the payload, so a handler still running after
    // the sender gave up never reads freed memory.
    auto rec = std::make_shared<SentRecord>();
    rec->payload = payload;
    if (!rec->done.IsValid())
        return SendResult::Failed;
    rec->state.store(kPending, std::memory_order_release); // publishes the payload to the receiver
    QCoreApplication::postEvent(target, new MessageEvent(m, nullptr, rec));
    WaitItem items[2] = {WaitItem::Of(rec->done), stop ? WaitItem::Of(*stop) : WaitItem::Of(rec->done)};
    const int r = WaitForAny(items, stop ? 2 : 1, kWaitInfinite);
    if (r == 0)
        return SendResult::Handled;
    int expected = kPending;
    rec->state.compare_exchange_strong(expected, kWithdrawn);
    return r == 1 ? SendResult::Stopped : SendResult::Failed;
}
