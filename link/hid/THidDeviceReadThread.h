#pragma once
// The reader of a checked-out device: reads input reports on its own
// handle in waits of the device's ThreadSleepTime and hands each one to
// the UI thread without waiting for it, so that stopping it never waits on
// the UI thread. A failed read is reported once and ends the reader.

#include "SysThread.h"

#include <atomic>
#include <cstdint>
#include <vector>

class THidDevice;

class THidDeviceReadThread
{
public:
    // Readers are made by their device only.
    explicit THidDeviceReadThread(bool createSuspended);
    ~THidDeviceReadThread();
    THidDeviceReadThread(const THidDeviceReadThread &) = delete;
    THidDeviceReadThread &operator=(const THidDeviceReadThread &) = delete;

    void Resume();
    void Terminate() { FTerminated = true; }
    bool Terminated() const { return FTerminated; }
    // Waits until the reader has ended (returns at once when it never ran).
    void WaitFor();
    // True while Execute runs.
    bool Running() const { return !FThread.IsFinished(); }

    std::atomic<uint32_t> FErr{0};  // error number of the read that failed
    THidDevice *Device = nullptr;
    std::atomic<uint32_t> NumBytesRead{0};
    std::vector<uint8_t> Report;  // InputReportByteLength bytes, report ID first

private:
    friend class THidDevice;
    // readFd stays open until the reader has ended; usesReportIds tells
    // whether reports come with their ID byte or need ID 0 put back.
    THidDeviceReadThread(THidDevice *device, int readFd, uint16_t reportLength, bool usesReportIds);
    void Execute();

    int FReadFd = -1;
    bool FUsesReportIds = false;
    std::atomic<bool> FTerminated{false};
    SysThread FThread;
};
