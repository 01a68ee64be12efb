#include "SerialPort.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A pseudo-terminal pair; the port under test opens the slave.
struct Pty {
    Pty()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        grantpt(master);
        unlockpt(master);
        char name[128];
        ptsname_r(master, name, sizeof name);
        path = name;
    }
    ~Pty()
    {
        if (master >= 0)
            close(master);
    }
    int master = -1;
    std::string path;
};

} // namespace

TEST(SerialPort, OpensRawAt115200_8N1AndReadsItBack)
{
    Pty pty;
    SerialPort port;
    ASSERT_TRUE(port.Open(pty.path)) << port.LastError();
    SerialPort::Settings s;
    s.baud = 115200;
    ASSERT_TRUE(port.Configure(s)) << port.LastError();
    SerialPort::Settings back;
    ASSERT_TRUE(port.ReadSettings(back));
    EXPECT_EQ(back.baud, 115200u);
    EXPECT_EQ(back.byteSize, 8);
    EXPECT_EQ(back.parity, 0);
    EXPECT_EQ(back.stopBits, 0);
    termios t;
    ASSERT_EQ(tcgetattr(port.Fd(), &t), 0);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO), 0u);
}

TEST(SerialPort, IsExclusive)
{
    Pty pty;
    SerialPort a, b;
    ASSERT_TRUE(a.Open(pty.path));
    EXPECT_FALSE(b.Open(pty.path));
    EXPECT_NE(b.LastError().find("in use"), std::string::npos);
    a.Close();
    EXPECT_TRUE(b.Open(pty.path)) << b.LastError();
}

TEST(SerialPort, RefusesPortNumbersOutside1To98AndRatesTheSystemLacks)
{
    SerialPort p;
    EXPECT_FALSE(p.Open(0));
    EXPECT_NE(p.LastError().find("1 to 98"), std::string::npos);
    EXPECT_FALSE(p.Open(99));
    Pty pty;
    ASSERT_TRUE(p.Open(pty.path));
    for (uint32_t rate : {14400u, 28800u, 56000u, 128000u}) {
        SerialPort::Settings s;
        s.baud = rate;
        EXPECT_FALSE(p.Configure(s)) << rate;
        EXPECT_NE(p.LastError().find("not available"), std::string::npos) << p.LastError();
    }
    EXPECT_TRUE(SerialPort::IsSupportedRate(9600));
}

TEST(SerialPort, WritesReadsWaitsAndSeesTheHangUp)
{
    Pty pty;
    SerialPort port;
    ASSERT_TRUE(port.Open(pty.path));
    ASSERT_TRUE(port.Configure({115200, 8, 0, 0}));
    const uint8_t out[] = {0x10, 0x02, 0x00, 0x01};
    ASSERT_TRUE(port.Write(out, sizeof out));
    uint8_t got[8];
    ASSERT_EQ(read(pty.master, got, sizeof got), 4);
    EXPECT_FALSE(port.WaitInput(10));
    ASSERT_EQ(write(pty.master, "\x10\x03", 2), 2);
    ASSERT_TRUE(port.WaitInput(2000));
    EXPECT_EQ(port.Available(), 2);
    EXPECT_EQ(port.Read(got, sizeof got), 2);
    EXPECT_EQ(port.Read(got, sizeof got), 0);
    close(pty.master);
    pty.master = -1;
    EXPECT_EQ(port.Read(got, sizeof got), -1);
}

TEST(SerialPort, ListsRealPortsInAStableOrder)
{
    const fs::path root = fs::temp_directory_path() / ("tq62-tty-" + std::to_string(getpid()));
    fs::remove_all(root);
    auto entry = [&](const std::string &name, const char *type, bool device) {
        fs::create_directories(root / name);
        if (type)
            std::ofstream(root / name / "type") << type << "\n";
        if (device)
            fs::create_directories(root / name / "device");
    };
    entry("ttyS1", "4", true);  // a 16550A
    entry("ttyS0", "0", true);  // a placeholder without a UART
    entry("ttyS3", nullptr, false);
    entry("ttyUSB10", nullptr, true);
    entry("ttyUSB2", nullptr, true);
    entry("ttyACM0", nullptr, true);
    entry("tty0", nullptr, false);
    entry("ttyUSBx", nullptr, true);
    const auto ports = SerialPort::ListPorts(root.string(), "/dev");
    EXPECT_EQ(ports, (std::vector<std::string>{"/dev/ttyS1", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0"}));
    EXPECT_EQ(SerialPort::PortPath(2, root.string()), "/dev/ttyUSB2");
    EXPECT_EQ(SerialPort::PortPath(5, root.string()), "");
    EXPECT_EQ(SerialPort::PortPath(0, root.string()), "");
    fs::remove_all(root);
}
