#include "LNetProc.h"

LNetProc::~LNetProc() { Close(); }

bool LNetProc::Open()
{
    StartPollTimer();
    return LNet::Open();
}
