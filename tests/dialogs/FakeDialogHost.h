#pragma once
#include "DialogHost.h"
#include "LCmd.h"

#include <QStringList>

#include <map>
#include <vector>

// Records what the dialogs ask of the main window. Translate answers
// "<key>" in English mode and "中<key>" in Chinese mode, so a caption shows
// which key it came from.
struct FakeDialogHost : DialogHost {
    struct Sent {
        uint8_t code;
        ByteVector data;
        bool append;
    };
    bool english = true;
    bool linked = true;
    bool updating = false;
    uint8_t deviceId = 1;
    std::vector<Sent> sent;
    std::vector<std::function<void()>> answerWaiters;
    std::vector<std::pair<int, std::string>> stored;
    std::vector<int> recalled;
    std::map<int, std::string> channelNames;
    std::vector<std::pair<int, std::string>> namesSet;
    std::vector<int> peqResets, geqResets;
    int factoryStarts = 0;
    int closeLinks = 0;
    uint32_t deviceAddress = 0;
    QStringList socketTargets;
    QStringList information, messageBoxes;

    QString Translate(const char *sid) override { return (english ? QString() : QStringLiteral("中")) + sid; }
    bool IsEnglish() override { return english; }
    uint8_t GetDeviceId() override { return deviceId; }
    bool IsLinked() override { return linked; }
    bool IsUpdatingControls() override { return updating; }
    void SendCommand(const LCmd &cmd, bool append) override
    {
        if (linked)
            sent.push_back({cmd.GetCode(), cmd.GetData(), append});
    }
    void CallWhenAnswered(std::function<void()> done) override
    {
        if (linked)
            answerWaiters.push_back(std::move(done));
    }
    // The device answers everything sent so far.
    void AnswerAll()
    {
        std::vector<std::function<void()>> done;
        done.swap(answerWaiters);
        for (const auto &f : done)
            f();
    }
    void CloseLink() override
    {
        ++closeLinks;
        linked = false;
        answerWaiters.clear();
    }
    void SetDeviceId(int id) override { deviceId = uint8_t(id); }
    uint32_t GetDeviceAddress() override { return deviceAddress; }
    void SetDeviceAddress(uint32_t packed) override { deviceAddress = packed; }
    void PointSocketAt(const QString &address) override { socketTargets << address; }
    void StorePreset(int slot, const uint8_t *name14) override
    {
        stored.emplace_back(slot, std::string(reinterpret_cast<const char *>(name14), 14));
    }
    void RecallPreset(int number) override { recalled.push_back(number); }
    std::string GetChannelName(int channel) override
    {
        auto it = channelNames.find(channel);
        return it == channelNames.end() ? std::string(8, '\0') : it->second;
    }
    void SetChannelName(int channel, const uint8_t *name8) override
    {
        std::string n(reinterpret_cast<const char *>(name8), 8);
        namesSet.emplace_back(channel, n);
        channelNames[channel] = n;
    }
    void ResetPeq(int channel) override { peqResets.push_back(channel); }
    void ResetGeq(int target) override { geqResets.push_back(target); }
    void StartFactoryDefault() override { ++factoryStarts; }
    void ShowInformation(const QString &text, std::function<void()> closed) override
    {
        information << text;
        if (closed)
            closed();
    }
    void ShowMessageBox(const QString &text) override { messageBoxes << text; }
};
