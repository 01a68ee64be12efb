#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One serial port over termios, opened exclusively in raw mode. Every failing
// call leaves a text in LastError().
class SerialPort {
public:
    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 98;

    struct Settings {
        uint32_t baud = 0;
        uint8_t byteSize = 8; // 5 to 8
        uint8_t parity = 0;   // 0 none, 1 odd, 2 even
        uint8_t stopBits = 0; // 0 one, 2 two
    };

    // Device paths of the serial ports, in a stable order: ttyS* (only those
    // with a real UART behind them), then ttyUSB*, then ttyACM*, each by number.
    // Port number n is entry n - 1.
    static std::vector<std::string> ListPorts(const std::string &sysClassTty = "/sys/class/tty",
                                              const std::string &devDir = "/dev");
    // The device path of port number 1..98, or "" when there is no such port.
    static std::string PortPath(int number, const std::string &sysClassTty = "/sys/class/tty",
                                const std::string &devDir = "/dev");
    // True for a rate that the system can set.
    static bool IsSupportedRate(uint32_t baud);

    SerialPort() = default;
    ~SerialPort();
    SerialPort(const SerialPort &) = delete;
    SerialPort &operator=(const SerialPort &) = delete;

    // Opens a port by number (see ListPorts) or by device path; fails when the
    // port is absent or already open elsewhere.
    bool Open(int number);
    bool Open(const std::string &path);
    void Close();
    bool IsOpen() const { return fd >= 0; }

    // Raw mode, no flow control, the given framing.
    bool Configure(const Settings &s);
    // Changes nothing, so it may run beside the thread that reads and writes.
    bool ReadSettings(Settings &s) const;
    // Drops everything queued in both directions.
    void Purge();
    // Bytes waiting to be read, or -1 on failure.
    int Available();
    // Waits up to timeoutMs for input; true when some is there.
    bool WaitInput(int timeoutMs);
    // Reads what is there without waiting: the count read, 0 when nothing,
    // -1 on failure or hang-up.
    long Read(uint8_t *p, size_t n);
    // Writes all n bytes; false on failure.
    bool Write(const uint8_t *p, size_t n);

    int Fd() const { return fd; }
    const std::string &Path() const { return path; }
    const std::string &LastError() const { return error; }

private:
    bool Fail(const std::string &what);
    int fd = -1;
    std::string path;
    std::string error;
};
