#include "THidDeviceReadThread.h"

#include "HidError.h"
#include "THidDevice.h"

#include <cerrno>
#include <cstring>

THidDeviceReadThread::THidDeviceReadThread(bool)
{
    throw EControllerError(QStringLiteral("Direct creation of a TDeviceReadThread object is not allowed"));
}

THidDeviceReadThread::THidDeviceReadThread(THidDevice *device, int readFd, uint16_t reportLength,
                                           bool usesReportIds)
    : Device(device), Report(reportLength, 0), FReadFd(readFd), FUsesReportIds(usesReportIds)
{
}

THidDeviceReadThread::~THidDeviceReadThread()
{
    Terminate();
    WaitFor();
}

void THidDeviceReadThread::Resume()
{
    if (!FThread.Joinable())
        FThread.Start([this] { Execute(); });
}

void THidDeviceReadThread::WaitFor()
{
    FThread.Join();
}

void THidDeviceReadThread::Execute()
{
    const size_t length = Report.size();
    // Input reports of the ID byte alone carry no data: nothing to read,
    // and no empty reads to spin on.
    while (FReadFd >= 0 && length >= 2 && !Terminated()) {
        std::memset(Report.data(), 0, length);
        // The wait is re-read each time, so a new ThreadSleepTime takes
        // effect with the next wait.
        int n = Device->ReadReport(FReadFd, Report.data(), length, FUsesReportIds, Device->ThreadSleepTime());
        if (n < 0) {
            FErr = uint32_t(errno);
            Device->PostDataError(FErr);
            break;
        }
        if (n > 0 && !Terminated()) {
            NumBytesRead = uint32_t(n);
            Device->PostData(Report.data(), size_t(n));
        }
    }
}
