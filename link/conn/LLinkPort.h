#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "LCmd.h"

// The connection logic's view of one open link (serial, USB or network): the
// request queue and its settings. LLinkFactory makes them over the real link
// classes; tests give fakes.
class LLinkPort {
public:
    enum class Kind { Com, Usb, Net };

    virtual ~LLinkPort();
    virtual Kind GetKind() const = 0;
    virtual void QueueFrame(const ByteVector &frame, bool append) = 0;
    // Read while a reply is being handled: the frames after the one it
    // answers (queued, or already on the wire). 0 means that the reply
    // answers the last frame queued so far.
    virtual size_t QueuedCount() const = 0;
    virtual void SetTimeout(unsigned ms) = 0;
    // The reply timeout in force (the link's idle poll sets its own).
    virtual unsigned GetTimeout() const = 0;
    virtual void SetRetryCount(int n) = 0;
    virtual void SetPollingSuspended(bool suspended) = 0;
    virtual void SetDeviceId(int id) = 0;
    // The next `n` reply timeouts rewrite the pending frame without using up
    // a resend. Only a serial link has them; the others ignore the grant.
    virtual void GrantExtraResends(int n) { (void)n; }
    // Stops the worker; no message of this link is delivered afterwards.
    virtual void Close() = 0;
};

// What a link reports, delivered on the UI thread.
class LLinkEvents {
public:
    virtual ~LLinkEvents();
    // One complete reply frame; the bytes are valid during the call.
    virtual void OnReplyFrame(const ByteVector &frame) = 0;
    // A LinkErrorCode with its argument.
    virtual void OnLinkError(int code, int argument) = 0;
    // A traffic-log line (built only while LogWanted() is true).
    virtual bool LogWanted() = 0;
    virtual void LogLine(const std::string &line) = 0;
};

// How the USB link writes one frame (the main window's USB report write), on
// the link's worker thread; false when the write failed.
using UsbFrameWriter = std::function<bool(const uint8_t *p, size_t n)>;

// Creates and opens links. Each returns the open link, or null when it could not
// be opened (nothing is left behind then). The link reports to `events`.
class LLinkFactory {
public:
    virtual ~LLinkFactory();
    // portName: "COM<n>", "\\.\COM<n>" or a device path such as /dev/ttyUSB0.
    virtual std::unique_ptr<LLinkPort> OpenCom(const std::string &portName, int deviceId,
                                               LLinkEvents *events) = 0;
    // Without a writer (no HID device held) frames go nowhere and the probe times out.
    virtual std::unique_ptr<LLinkPort> OpenUsb(int deviceId, LLinkEvents *events, UsbFrameWriter writer) = 0;
    virtual std::unique_ptr<LLinkPort> OpenNet(int deviceId, LLinkEvents *events) = 0;
};
