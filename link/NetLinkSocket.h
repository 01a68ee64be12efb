#pragma once
#include "ClientSocket.h"
#include "LinkWriter.h"

#include <atomic>
#include <cstdint>
#include <mutex>

class LNet;
class TrafficLogSink;

// The main window's side of the network link: it owns nothing but ties the
// TCP client socket to the open LNet. NetWrite is the link's writer (worker
// thread); the socket handlers run on the UI thread. Every byte read goes to
// the link's collector; a connect failure, the other side closing or a failed
// send becomes WM_LINK_ERROR code 7 of the open link.
class NetLinkSocket {
public:
    static constexpr size_t kLastFrameSize = 70;
    static constexpr int kReadSize = 100;

    // Installs the socket's read, error and disconnect handlers.
    explicit NetLinkSocket(ClientSocket &socket);

    // The open network link, or nullptr; set by whoever opens and closes it.
    void SetLink(LNet *l) { link.store(l); }
    void SetTrafficLog(TrafficLogSink *sink) { log = sink; }
    // The writer to give the LNetProc.
    LinkWriter Writer();

    // TfmMain::NetWrite: keeps the frame for a repeat, sends it, logs "NET W ".
    bool NetWrite(const uint8_t *p, size_t n);
    // TfmMain::ClientSocketRead: reads up to 100 bytes, logs "NET R " and hands
    // them to the link; with no link open, sends the last frame written once more.
    void ClientSocketRead();
    // TfmMain::ClientSocketError: silences the error and tells the link.
    void ClientSocketError(ClientSocket::ErrorEvent e, int &errorCode);
    void ClientSocketDisconnect();

private:
    ClientSocket &socket;
    std::atomic<LNet *> link{nullptr}; // read by NetWrite on the worker
    TrafficLogSink *log = nullptr;
    std::mutex lastLock; // lastNetFrame is written by the worker, read on the UI thread
    uint8_t lastNetFrame[kLastFrameSize] = {};
    uint8_t lastNetFrameLength = 0;
};
