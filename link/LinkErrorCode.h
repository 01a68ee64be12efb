#pragma once

// wParam of WM_LINK_ERROR. lParam is the device ID of the frame in the send
// buffer for NoReply, WaitFailed and a ConnectionLost from a failed send, else 0.
enum LinkErrorCode : int {
    LinkErrorNoReply = 0,        // the frame was rewritten as often as allowed and stayed unanswered
    LinkErrorWaitStart = 1,      // the serial port's event wait cannot start
    LinkErrorStopTimeout = 5,    // the worker had not ended 5000 ms after the stop request
    LinkErrorWaitFailed = 6,     // the worker's wait or the port failed (hang-up); the worker ended
    LinkErrorConnectionLost = 7, // the TCP connection failed, was closed or a send failed
};

#include <string>

// The error as a user reads it, with its code: "no reply from the device (link error 0)".
std::string LinkErrorText(int code);
