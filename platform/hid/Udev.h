#pragma once
// libudev, bound at run time: only the entries that the enumeration of
// hidraw nodes and the device-change monitor call. Binding state is
// process-wide; callers count their users.

#include "HidDeviceInfoSet.h"
#include "ModuleLoader.h"

#include <string>

constexpr const char *UdevLibraryName = "libudev.so.1";

// Loads the library and looks up every entry; on a missing library or entry
// nothing stays bound and the result is false.
bool UdevBind(const std::string &libraryName = UdevLibraryName);
void UdevUnbind();
bool UdevIsBound();
TModuleHandle UdevModuleHandle();

// Every hidraw node present now; nullptr when udev cannot be used.
HidDeviceInfoSet *UdevGetHidrawDevs();

// A monitor of hidraw nodes coming and going. Its descriptor becomes
// readable when an event waits; Receive takes one event without blocking
// and is false when none waits.
struct UdevMonitor;
UdevMonitor *UdevMonitorOpen();
int UdevMonitorFd(UdevMonitor *monitor);
bool UdevMonitorReceive(UdevMonitor *monitor);
void UdevMonitorClose(UdevMonitor *monitor);
