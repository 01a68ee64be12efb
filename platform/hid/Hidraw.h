#pragma once
// The calls on a hidraw device node. Each returns false (or -1) with errno
// set on failure. Report buffers begin with the report-ID byte as the
// hidraw node expects it on writes and feature reports.

#include "HidTypes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum THidAccess { HidAccessNone, HidAccessRead, HidAccessWrite, HidAccessReadWrite };

// Opens the node. HidAccessNone gives a handle good for identification
// only (attributes and strings), which needs no permission on the node.
int HidrawOpen(const char *path, THidAccess access);
void HidrawClose(int fd);
// Waits at most timeoutMs (-1: no limit) for one report and reads it:
// its byte count, 0 when none came in time, -1 on failure.
int HidrawRead(int fd, void *buffer, size_t length, int timeoutMs);
// Writes one report: the byte count written or -1.
int HidrawWrite(int fd, const void *buffer, size_t length);

// Vendor, product and release: from the node, or from sysfs for a handle
// opened without access.
bool HidrawGetAttributes(int fd, HidAttributes &attributes);
bool HidrawGetReportDescriptor(int fd, std::vector<uint8_t> &descriptor);
bool HidrawGetFeature(int fd, void *buffer, size_t length);
bool HidrawSetFeature(int fd, const void *buffer, size_t length);
// Input and output reports over the control pipe; only where the kernel
// headers have the calls (HidrawHasInputOutputReports).
extern const bool HidrawHasInputOutputReports;
bool HidrawGetInputReport(int fd, void *buffer, size_t length);
bool HidrawSetOutputReport(int fd, const void *buffer, size_t length);
// Drops the input reports queued on this handle.
bool HidrawFlushQueue(int fd);
// The node queues a fixed number of input reports per handle: the getter
// gives it, the setter accepts only that number.
bool HidrawGetNumInputBuffers(int fd, uint32_t &count);
bool HidrawSetNumInputBuffers(int fd, uint32_t count);
// A string attribute ("manufacturer", "product", "serial") of the USB
// device above the node, as UTF-8 without the trailing newline.
bool HidrawGetUsbString(int fd, const char *attribute, std::string &value);
// Any other control call on the node's handle, as the kernel takes it.
int HidrawIoctl(int fd, unsigned long request, void *argument);
// Release of the kernel that provides the hidraw service.
std::string HidrawServiceVersion();
