#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Receives the lines of the traffic log. AddTrafficLine may be called on any
// thread (a link's worker logs the frames it writes from its queue); the
// implementation shows them on the UI thread.
class TrafficLogSink {
public:
    virtual ~TrafficLogSink() = default;
    virtual void AddTrafficLine(const std::string &line) = 0;
};

// The text of one traffic line: prefix, then "%02X " for each byte.
std::string TrafficLine(const char *prefix, const uint8_t *p, size_t n);
// Of n received bytes, those that belong to the first frame: at most byte 4 + 8.
size_t FirstFrameSize(const uint8_t *p, size_t n);

// "COM W " / "COM R ": every byte of the frame written or the reply received.
std::string ComWriteLine(const uint8_t *p, size_t n);
std::string ComReadLine(const uint8_t *p, size_t n);
// "USB W %02X  ": the report ID, then the byte 4 + 8 bytes of the frame.
std::string UsbWriteLine(uint8_t reportId, const uint8_t *frame, size_t n);
// "USB R %02X  ": the report ID, then the data bytes below byte 4 + 8.
std::string UsbReadLine(uint8_t reportId, const uint8_t *data, size_t n);
// "NET W ": the frame written; "NET R ": the bytes read below byte 4 + 8.
std::string NetWriteLine(const uint8_t *p, size_t n);
std::string NetReadLine(const uint8_t *p, size_t n);
