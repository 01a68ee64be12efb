#pragma once
// A fake device-setup and HID service for the tests: interfaces that tests
// plug in and out, a monitor that signals each change, and device nodes
// backed by SOCK_SEQPACKET pairs whose far end plays the device.

#include "HidApi.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <map>
#include <string>
#include <vector>

struct FakeHidInterface
{
    std::string id;    // instance identifier
    std::string path;  // device node
    uint16_t vid = 0x0168, pid = 0x0821;
    std::vector<uint8_t> descriptor;
    bool openable = true;  // false: no open at all
    bool readWrite = true; // false: only opens without access
    std::string manufacturer = "Brelland", product = "TQ-62", serial = "0001";
    int node = -1;  // the host's end, duplicated for every open
    int far = -1;   // the device's end
    ~FakeHidInterface();
};

class FakeHidBus
{
public:
    // Installs this bus as the source of the bound services; the bus it
    // replaces (the program's empty one, see NoHidDevices) is bound again
    // when this one goes.
    FakeHidBus();
    ~FakeHidBus();
    static FakeHidBus *Current;

    std::shared_ptr<FakeHidInterface> Add(const std::string &id, uint16_t vid = 0x0168, uint16_t pid = 0x0821,
                                          std::vector<uint8_t> descriptor = {});
    void Remove(const std::shared_ptr<FakeHidInterface> &dev);
    void Signal();  // one monitor event

    THidApi table;
    std::vector<std::shared_ptr<FakeHidInterface>> present;
    std::atomic<int> classDevCalls{0};
    std::atomic<int> readCalls{0};
    std::atomic<int> failReadsWith{0};  // errno that every read fails with; 0: none
    int monitor[2] = {-1, -1};

    std::mutex lock;
    std::map<int, std::shared_ptr<FakeHidInterface>> open;  // fd to its interface
    std::shared_ptr<FakeHidInterface> OfFd(int fd);

private:
    FakeHidBus *previous = nullptr;
};

// A vendor-defined descriptor: 64 input and 64 output bytes, with or
// without report IDs (1 input, 2 output).
std::vector<uint8_t> VendorDescriptor64(bool reportIds);
// The boot keyboard's descriptor.
std::vector<uint8_t> KeyboardDescriptor();
