#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include <QString>

class LCmd;

// What the dialogs need of the main window, and nothing more: texts in the
// current language, the one send routine, the link state and the few calls
// that the dialogs' buttons end in. The main window implements it; tests use
// a recording fake. Every call comes on the UI thread.
class DialogHost {
public:
    virtual ~DialogHost();

    // Text of a SID key in the current language.
    virtual QString Translate(const char *sid) = 0;
    // True for English, false for the Chinese table.
    virtual bool IsEnglish() = 0;

    virtual uint8_t GetDeviceId() = 0;
    virtual bool IsLinked() = 0;
    // Set while pages are refreshed from the model: controls changed then send nothing.
    virtual bool IsUpdatingControls() = 0;
    // Frames the command and hands it to the open link; does nothing offline.
    virtual void SendCommand(const LCmd &cmd, bool append) = 0;
    // Runs `done` once the device has answered every command sent so far;
    // never when the link closes first or nothing is linked.
    virtual void CallWhenAnswered(std::function<void()> done) = 0;
    virtual void CloseLink() = 0;

    // Device ID (1-250 from the network setup) and the packed IPv4 address of
    // the device (first octet in the high byte, 0 none).
    virtual void SetDeviceId(int id) = 0;
    virtual uint32_t GetDeviceAddress() = 0;
    virtual void SetDeviceAddress(uint32_t packed) = 0;
    // Deactivates the network client socket, sets its address ("a.b.c.d")
    // on the port in force, activates it again, and shows "IP : " and the address.
    virtual void PointSocketAt(const QString &address) = 0;

    // Presets: slot 0-19 for U01-U20 with its 14 name bytes; number 0 for F00,
    // 1-20 for U01-U20.
    virtual void StorePreset(int slot, const uint8_t *name14) = 0;
    virtual void RecallPreset(int number) = 0;

    // Channel 0-11: the name as its 8 stored bytes (NUL padded); the setter
    // updates the captions and the model and sends the name.
    virtual std::string GetChannelName(int channel) = 0;
    virtual void SetChannelName(int channel, const uint8_t *name8) = 0;

    // EQ resets: the parametric EQ of channel 0-11, the graphic EQ of target 12-15.
    virtual void ResetPeq(int channel) = 0;
    virtual void ResetGeq(int target) = 0;
    virtual void StartFactoryDefault() = 0;

    // The information window (modal, `closed` after its OK) and the system's
    // plain message box with an OK button.
    virtual void ShowInformation(const QString &text, std::function<void()> closed = {}) = 0;
    virtual void ShowMessageBox(const QString &text) = 0;
};
