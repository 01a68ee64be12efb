#pragma once
#include <atomic>
#include <memory>
#include <string>

#include "ClientSocket.h"
#include "LLinkPort.h"
#include "LinkOwner.h"
#include "LinkWriter.h"
#include "NetLinkSocket.h"
#include "TrafficLog.h"
#include "WindowMessage.h"

class LUsb;

// The links of the system: serial ports, the USB link writing through an
// injected writer, and the network link over the main window's TCP client
// socket. It owns the window that the links' messages reach and hands them to
// the connection logic on the UI thread.
class LSysLinkFactory : public LLinkFactory, public LinkOwner {
public:
    LSysLinkFactory();
    ~LSysLinkFactory() override;

    // Network: the device address and port (9761 by default) and the socket.
    void SetNetAddress(const std::string &ipv4, uint16_t port);
    // A new device address on the port in force (the one given with the
    // address, or 9761).
    void SetNetAddress(const std::string &ipv4) { SetNetAddress(ipv4, socket.Port()); }
    ClientSocket &Socket() { return socket; }
    // Manual address mode: starts connecting the socket to the device address.
    bool DiscoverDevices();

    // USB: the open USB link that received reports go to (nullptr when none).
    LUsb *UsbLink() const { return usbLink; }

    // LLinkFactory.
    std::unique_ptr<LLinkPort> OpenCom(const std::string &portName, int deviceId, LLinkEvents *events) override;
    std::unique_ptr<LLinkPort> OpenUsb(int deviceId, LLinkEvents *events, UsbFrameWriter writer) override;
    std::unique_ptr<LLinkPort> OpenNet(int deviceId, LLinkEvents *events) override;

    // LinkOwner.
    MessageWindow *LinkWindow() override;
    int GetDeviceId() const override { return deviceId.load(); }
    TrafficLogSink *TrafficLog() override;

    // Port number of "COM<n>" (4th character on) or "\\.\COM<n>" (8th on), or 0
    // when the name is neither (then it is opened as a device path).
    static int PortNumber(const std::string &portName);

private:
    class Window;
    class LogSink;
    template <class Proc> class Port;
    friend class Window;

    void Bind(int id, LLinkEvents *events);
    // The port closes the link it wraps; network links also deactivate the socket.
    void Closed(LLinkPort::Kind kind);
    // Closes the socket for a new connection or address.
    void DropSocket();

    std::unique_ptr<Window> window;
    std::unique_ptr<LogSink> logSink;
    std::atomic<int> deviceId{1};
    LLinkEvents *events = nullptr;
    ClientSocket socket;
    NetLinkSocket netSocket;
    LUsb *usbLink = nullptr;
};
