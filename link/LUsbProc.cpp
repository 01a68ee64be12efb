#include "LUsbProc.h"

LUsbProc::~LUsbProc() { Close(); }

bool LUsbProc::Open()
{
    StartPollTimer();
    return LUsb::Open();
}
