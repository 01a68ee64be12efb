#include "TrafficLog.h"

#include "LCmd.h"

#include <cstdio>

std::string TrafficLine(const char *prefix, const uint8_t *p, size_t n)
{
    std::string s = prefix;
    s.reserve(s.size() + 3 * n);
    char hex[4];
    for (size_t i = 0; i < n; ++i) {
        std::snprintf(hex, sizeof hex, "%02X ", p[i]);
        s += hex;
    }
    return s;
}

size_t FirstFrameSize(const uint8_t *p, size_t n)
{
    if (n <= CommandFrame::kLenByte)
        return n;
    const size_t size = CommandFrame::SizeForLen(p[CommandFrame::kLenByte]);
    return size < n ? size : n;
}

std::string ComWriteLine(const uint8_t *p, size_t n) { return TrafficLine("COM W ", p, n); }
std::string ComReadLine(const uint8_t *p, size_t n) { return TrafficLine("COM R ", p, n); }

static std::string WithReportId(const char *format, uint8_t reportId, const uint8_t *p, size_t n)
{
    char head[16];
    std::snprintf(head, sizeof head, format, reportId);
    return TrafficLine(head, p, FirstFrameSize(p, n));
}

std::string UsbWriteLine(uint8_t reportId, const uint8_t *frame, size_t n)
{
    return WithReportId("USB W %02X  ", reportId, frame, n);
}

std::string UsbReadLine(uint8_t reportId, const uint8_t *data, size_t n)
{
    return WithReportId("USB R %02X  ", reportId, data, n);
}

std::string NetWriteLine(const uint8_t *p, size_t n) { return TrafficLine("NET W ", p, n); }
std::string NetReadLine(const uint8_t *p, size_t n) { return TrafficLine("NET R ", p, FirstFrameSize(p, n)); }
