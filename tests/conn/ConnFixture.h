#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include <gtest/gtest.h>

#include "LHeadlessUi.h"
#include "LMainLink.h"
#include "LSysLinkFactory.h"
#include "LUnitControl.h"
#include "PumpEvents.h"
#include "SimFrontEnd.h"

// Whole files as bytes.
inline ByteVector ReadFile(const std::string &name)
{
    std::ifstream in(name, std::ios::binary);
    return ByteVector(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string &name, const ByteVector &bytes)
{
    std::ofstream out(name, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

enum class Transport { Pty, Tcp };

inline const char *TransportName(const testing::TestParamInfo<Transport> &p)
{
    return p.param == Transport::Pty ? "Pty" : "Tcp";
}

// The editor's connection logic over the real links, against the simulated
// processor behind a pseudo-terminal or a loopback TCP server.
class ConnFixture {
public:
    explicit ConnFixture(Transport t, uint8_t simId = 1) : transport(t), main(&ui, &factory)
    {
        ui.SetMain(&main);
        // The scan visits the device three times: on a loaded machine (many
        // tests at once) a 100 ms probe may go unanswered twice.
        if (t == Transport::Pty) {
            auto pty = std::make_unique<SimPty>(simId);
            ui.candidates.assign(3, LHeadlessUi::ComCandidate(pty->SlavePath()));
            sim = std::move(pty);
        } else {
            auto tcp = std::make_unique<SimTcp>(simId);
            factory.SetNetAddress("127.0.0.1", tcp->Port());
            ui.candidates.assign(3, LHeadlessUi::NetCandidate(factory));
            sim = std::move(tcp);
        }
    }

    ~ConnFixture() { main.CloseLink(); }

    // Presses the link button offline: the scan runs over the one candidate.
    void Connect()
    {
        if (transport == Transport::Tcp)
            factory.DiscoverDevices();
        main.skbMenuLinkClick();
    }

    bool UploadDone() const
    {
        return main.IsOnline() && ui.pageRefreshes > 0 && main.GetSequence() == LMainLink::Sequence::None;
    }

    // Connects and waits until the upload has ended.
    bool ConnectAndUpload(int timeoutMs = 30000)
    {
        Connect();
        return PumpUntil([this] { return UploadDone(); }, timeoutMs);
    }

    bool Settled() const
    {
        return main.GetSequence() == LMainLink::Sequence::None && main.GetAfterLoadStep() == 0 && !ui.busyVisible;
    }

    // Frames from the connect probe that was answered on (earlier probes
    // of a second scan round dropped).
    std::vector<ByteVector> FramesFromLastProbe() const
    {
        std::vector<ByteVector> frames = sim->Frames();
        size_t first = 0;
        while (first + 1 < frames.size() && frames[first + 1].size() > 5 && frames[first + 1][5] == 0x10)
            ++first;
        frames.erase(frames.begin(), frames.begin() + long(first));
        return frames;
    }

    // Command codes of the frames the simulator received.
    std::vector<uint8_t> Codes() const
    {
        std::vector<uint8_t> codes;
        for (const ByteVector &f : sim->Frames())
            codes.push_back(f.size() > 5 ? f[5] : 0);
        return codes;
    }

    Transport transport;
    std::unique_ptr<SimFrontEnd> sim;
    LHeadlessUi ui;
    LSysLinkFactory factory;
    LMainLink main;
};
