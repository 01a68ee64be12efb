#pragma once
#include "LComm.h"
#include "LinkProc.h"

// The serial link as the main window uses it: LComm with the request queue,
// the frame collector and the idle poll (reply timeout 2000 ms for a poll).
class LCommProc : public LinkProc<LComm> {
public:
    explicit LCommProc(LinkOwner &owner) : LinkProc<LComm>(owner) {}
    // Closes before any base is torn down: the worker never runs on a half-destroyed link.
    ~LCommProc() override;

    // Starts the poll timer, then opens the port (see LComm::Open).
    bool Open(int port, uint32_t baud, uint8_t byteSize, uint8_t parity, uint8_t stopBits) override;
    bool Open(const std::string &devicePath, uint32_t baud, uint8_t byteSize, uint8_t parity,
              uint8_t stopBits) override;
};
