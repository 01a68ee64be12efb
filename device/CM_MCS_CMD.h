#pragma once
#include "LCmd.h"

// Codes that travel in a CM_MCS_CMD, or come back as replies the editor acts on.
constexpr uint8_t CMD_ACK = 0x01;                  // acknowledgement (received only)
constexpr uint8_t CMD_CONNECT = 0x10;              // connect probe
constexpr uint8_t CMD_DISCONNECT = 0x11;
constexpr uint8_t CMD_POLL = 0x12;                 // keep-alive and end marker of sequences
constexpr uint8_t CMD_IDENTITY = 0x13;             // reply: model and version text
constexpr uint8_t CMD_CURRENT_PRESET = 0x14;       // reply byte 0: current preset number
constexpr uint8_t CMD_READ_EEPROM_REPLY = 0x19;    // reply of CM_MCS_READ_EEPROM
constexpr uint8_t CMD_RECALL_PRESET = 0x20;        // argument: preset 0 (factory) to 20
constexpr uint8_t CMD_STORE_PRESET = 0x21;         // argument: preset 1 to 20
constexpr uint8_t CMD_UPLOAD_START = 0x22;         // reply: 20 slot bytes, 255 = stored
constexpr uint8_t CMD_PREPARE_DOWNLOAD = 0x23;
constexpr uint8_t CMD_PARAMETER_BLOCK = 0x24;      // command: select stored preset; reply: image block
constexpr uint8_t CMD_DOWNLOAD_REPLY = 0x25;       // reply of CM_MCS_DOWNLOAD: block number
constexpr uint8_t CMD_GET_PARAMETER_BLOCK = 0x27;  // argument: block number
constexpr uint8_t CMD_STORED_PRESET_BLOCK = 0x28;  // argument: block number
constexpr uint8_t CMD_PRESET_NAME = 0x29;          // argument: preset slot 0 to 19
constexpr uint8_t CMD_COPY_CHANNEL = 0x2A;         // arguments: source, destination channel
constexpr uint8_t CMD_LOCK_STATUS = 0x2C;
constexpr uint8_t CMD_PASS_SUBMIT_REPLY = 0x2D;    // reply of CM_MCS_PASS_SUBMIT
constexpr uint8_t CMD_LINK_MASK = 0x3B;            // arguments: channel, low byte of the mask
constexpr uint8_t CMD_EQ_BYPASS = 0x3C;            // arguments: channel, 1 bypassed / 0 active
constexpr uint8_t CMD_LEVELS = 0x40;
constexpr uint8_t CMD_GEQ_BYPASS = 0x49;           // arguments: input, 1 bypassed / 0 active

// Generic request with no, one or two argument bytes, in argument order.
class CM_MCS_CMD : public LCmd {
public:
    CM_MCS_CMD(uint8_t deviceId, uint8_t cmdCode);
    CM_MCS_CMD(uint8_t deviceId, uint8_t cmdCode, uint8_t arg1);
    CM_MCS_CMD(uint8_t deviceId, uint8_t cmdCode, uint8_t arg1, uint8_t arg2);
    ~CM_MCS_CMD() override;
};
