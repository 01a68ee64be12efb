#pragma once
#include "CommandClasses.h"
#include "LCmd.h"

#include "ProcessCounts.h"
#include <string>

inline ByteVector Gain(uint8_t ch, uint16_t v) { return CM_MCS_GAIN(1, ch, v).ToBytes(1); }
inline ByteVector Mute(uint8_t ch, uint8_t m) { return CM_MCS_MUTE(1, ch, m).ToBytes(1); }

const ByteVector kPollFrame = {0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13};
// An acknowledgement from device 1.
const ByteVector kAck = {0x10, 0x02, 0x01, 0x00, 0x01, 0x01, 0x10, 0x03, 0x00};

