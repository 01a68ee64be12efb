#include "LinkErrorCode.h"

std::string LinkErrorText(int code)
{
    const char *what;
    switch (code) {
    case LinkErrorNoReply:
        what = "no reply from the device";
        break;
    case LinkErrorWaitStart:
        what = "the port's wait cannot start";
        break;
    case LinkErrorStopTimeout:
        what = "the link did not stop in time";
        break;
    case LinkErrorWaitFailed:
        what = "the port failed or was hung up";
        break;
    case LinkErrorConnectionLost:
        what = "the network connection was lost";
        break;
    default:
        what = "link failure";
        break;
    }
    return std::string(what) + " (link error " + std::to_string(code) + ")";
}
