#pragma once

class MessageWindow;
class TrafficLogSink;

// What a link needs of the window that owns it (the main window): where its
// messages go, the device ID of its poll frames and the traffic log.
class LinkOwner {
public:
    virtual ~LinkOwner() = default;
    // Receives WM_LINK_REPLY (sent) and WM_LINK_ERROR (posted) on the UI thread.
    virtual MessageWindow *LinkWindow() = 0;
    // Device ID of every command, 1 to 254.
    virtual int GetDeviceId() const = 0;
    // Where traffic lines go, or nullptr while nobody shows them. Called on the
    // UI thread and on link workers.
    virtual TrafficLogSink *TrafficLog() { return nullptr; }
};
