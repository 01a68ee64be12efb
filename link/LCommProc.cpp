#include "LCommProc.h"

LCommProc::~LCommProc() { Close(); }

bool LCommProc::Open(int port, uint32_t baud, uint8_t byteSize, uint8_t parity, uint8_t stopBits)
{
    StartPollTimer();
    return LComm::Open(port, baud, byteSize, parity, stopBits);
}

bool LCommProc::Open(const std::string &devicePath, uint32_t baud, uint8_t byteSize, uint8_t parity,
                     uint8_t stopBits)
{
    StartPollTimer();
    return LComm::Open(devicePath, baud, byteSize, parity, stopBits);
}
