#include "CM_MCS_CMD.h"

CM_MCS_CMD::CM_MCS_CMD(uint8_t deviceId, uint8_t cmdCode) : LCmd(deviceId, cmdCode) {}

CM_MCS_CMD::CM_MCS_CMD(uint8_t deviceId, uint8_t cmdCode, uint8_t arg1) : LCmd(deviceId, cmdCode)
{
    PutByte(arg1);
}

CM_MCS_CMD::CM_MCS_CMD(uint8_t deviceId, uint8_t cmdCode, uint8_t arg1, uint8_t arg2)
    : LCmd(deviceId, cmdCode)
{
    PutByte(arg1);
    PutByte(arg2);
}

CM_MCS_CMD::~CM_MCS_CMD() = default;
