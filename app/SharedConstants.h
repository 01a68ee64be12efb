#pragma once
#include <cstdint>

// Product texts and the device's network defaults.
namespace SharedConstants {
inline constexpr const char *kTitle = "Brelland TQ-62 DSP Processor Editor";
inline constexpr const char *kVersion = "V1.0";
inline constexpr const char *kApplicationTitle = "TQ-62 DSP Processor Editor V1.0";
// The device answers here unless the network setup says otherwise.
inline constexpr const char *kDefaultDeviceAddress = "127.0.0.1";
inline constexpr uint16_t kDevicePort = 9761;
} // namespace SharedConstants
