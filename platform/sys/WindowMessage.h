#pragma once
#include <QObject>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class AutoResetEvent;

// Messages that a link sends to the main window.
constexpr uint32_t WM_LINK_BYTE = 0x54F;      // one received byte (never sent by a link in use)
constexpr uint32_t WM_LINK_REPLY = 0x550;     // one complete reply frame, sent synchronously
constexpr uint32_t WM_LINK_ERROR = 0x551;     // a LinkErrorCode, posted
constexpr uint32_t WM_LINK_REPLY_ALT = 0x552; // a reply from a port not at 115200 baud

// Who sent a message. A source is retired when its link closes; messages
// posted by it that arrive later are dropped instead of dispatched.
class MessageSource {
public:
    MessageSource();
    uint32_t Id() const { return id; }
    void Retire() { alive->store(false); }
    std::shared_ptr<const std::atomic<bool>> Token() const { return alive; }

private:
    uint32_t id;
    std::shared_ptr<std::atomic<bool>> alive;
};

// One window message as the receiver sees it. For a message sent with a
// payload, wParam is the address of a std::vector<uint8_t> valid during the
// call only.
struct WindowMessage {
    uint32_t msg = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
    uint32_t sourceId = 0; // MessageSource::Id of the sender, 0 for none
};

// A window that receives messages on the thread it lives on (the UI thread)
// through the Qt event loop.
class MessageWindow : public QObject {
public:
    explicit MessageWindow(QObject *parent = nullptr);
    // Called on the window's thread for every message delivered. An exception
    // that leaves it is caught and logged, never passed to the event loop.
    virtual void Dispatch(const WindowMessage &m) = 0;

protected:
    bool event(QEvent *e) override;

private:
    void DispatchFromLoop(const WindowMessage &m);
};

// Queues a message for the window and returns at once; delivered later on the
// window's thread unless the source has been retired by then.
void PostWindowMessage(MessageWindow *target, uint32_t msg, uintptr_t wParam, intptr_t lParam,
                       const MessageSource *source = nullptr);

enum class SendResult { Handled, Stopped, Failed };

// Sends a message carrying payload and waits until the window has handled it.
// The waiting thread also wakes on stop: the message is then withdrawn if not
// yet handled (or left to finish on its own if being handled) and Stopped is
// returned, so a closing link never waits on the UI thread. On the window's own
// thread the call dispatches directly.
SendResult SendWindowMessage(MessageWindow *target, uint32_t msg, const std::vector<uint8_t> &payload,
                             intptr_t lParam, AutoResetEvent *stop, const MessageSource *source = nullptr);
