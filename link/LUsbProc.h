#pragma once
#include "LUsb.h"
#include "LinkProc.h"

// The USB link as the main window uses it: LUsb with the request queue,
// the frame collector and the idle poll (reply timeout 5000 ms for a poll).
class LUsbProc : public LinkProc<LUsb> {
public:
    LUsbProc(LinkOwner &owner, LinkWriter writer) : LinkProc<LUsb>(owner, std::move(writer)) {}
    // Closes before any base is torn down: the worker never runs on a half-destroyed link.
    ~LUsbProc() override;

    // Starts the poll timer, then the worker.
    bool Open() override;
};
