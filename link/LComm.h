#pragma once
#include "LinkTransport.h"
#include "SerialPort.h"

#include <string>

// The serial link's transport: one COM port, written and read by the worker.
// A reply timeout while a frame is outstanding rewrites it, first as long as
// uncounted resends are granted, then up to the resend count; one more timeout
// gives it up with WM_LINK_ERROR code 0. A hang-up or failure of the port ends
// the worker with code 6.
class LComm : public LinkTransport {
public:
    static constexpr size_t kSendBufferSize = 1024;
    static constexpr uint32_t kMinRate = 1200;
    static constexpr uint32_t kMaxRate = 128000;

    explicit LComm(LinkOwner &owner);
    ~LComm() override;

    // Opens port number 1..98 of the system's port list, or a device path, with
    // the given framing (parity 0 none, stopBits 0 one); false when the link is
    // open, the arguments are out of range, the port cannot be opened or set up
    // (LastError() tells why) or the worker cannot start.
    virtual bool Open(int port, uint32_t baud, uint8_t byteSize, uint8_t parity, uint8_t stopBits);
    virtual bool Open(const std::string &devicePath, uint32_t baud, uint8_t byteSize, uint8_t parity,
                      uint8_t stopBits);
    void Close() override;

    // Coming timeouts on which the frame is rewritten without counting a resend.
    void SetUncountedResends(int n) { uncountedResends.store(n); }
    // The port's current settings; false when not open. UI thread, also while
    // a reply is being handled.
    bool GetPortSettings(SerialPort::Settings &s) const;
    const std::string &LastError() const { return lastError; }

protected:
    static constexpr uint32_t kPollTimeoutMs = 2000;
    // Line noise may start a frame that never ends: a pause this long in a
    // frame ends it, and the collector looks for the next one.
    static constexpr int64_t kFrameGapMs = 200;
    // The message for a reply: WM_LINK_REPLY at 115200 baud, else WM_LINK_REPLY_ALT.
    uint32_t ReplyMessageId();
    // "COM R " line of a reply.
    void LogReply(const ByteVector &reply);
    WaitItem ReceiveItem() override { return WaitItem::Input(port.Fd()); }
    // ReadAvailable: every byte the port holds, in order, to OnByte.
    bool DrainReceived() override;
    bool WriteOut(const uint8_t *p, size_t n) override;
    void OnReplyTimeout() override;
    void LogSend(const uint8_t *p, size_t n) override;

private:
    bool OpenPort(const std::string &path, int number, uint32_t baud, uint8_t byteSize, uint8_t parity,
                  uint8_t stopBits);
    SerialPort port;
    std::atomic<int> uncountedResends{0};
    std::string lastError;
};
