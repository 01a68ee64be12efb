#pragma once
#include "PageHost.h"

// Raises the host's updating flag for its lifetime and lowers it on every way
// out, also when a step throws or returns early. Lowered means lowered: a flag
// the caller had raised before is down afterwards too.
class UpdatingScope {
public:
    explicit UpdatingScope(PageHost &Host) : host(Host) { host.SetUpdatingControls(true); }
    ~UpdatingScope() { End(); }
    UpdatingScope(const UpdatingScope &) = delete;
    UpdatingScope &operator=(const UpdatingScope &) = delete;

    // Lowers the flag now (the destructor then does nothing more).
    void End()
    {
        if (active) {
            active = false;
            host.SetUpdatingControls(false);
        }
    }

private:
    PageHost &host;
    bool active = true;
};
