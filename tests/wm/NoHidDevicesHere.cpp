#include "NoHidDevices.h"

// The main window's HID controller enumerates an empty fake bus in every test.
[[maybe_unused]] static testing::Environment *const kNoHidDevices =
    testing::AddGlobalTestEnvironment(new NoHidDevices);
