#pragma once
#include "LNet.h"
#include "LinkProc.h"

// The network link as the main window uses it: LNet with the request queue,
// the frame collector and the idle poll (reply timeout 5000 ms for a poll).
class LNetProc : public LinkProc<LNet> {
public:
    LNetProc(LinkOwner &owner, LinkWriter writer) : LinkProc<LNet>(owner, std::move(writer)) {}
    // Closes before any base is torn down: the worker never runs on a half-destroyed link.
    ~LNetProc() override;

    // Starts the poll timer, then the worker.
    bool Open() override;
};
