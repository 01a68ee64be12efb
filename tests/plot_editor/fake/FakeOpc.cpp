// A stand-in for the OPC support library, built as shared libraries for the
// binding's tests: it keeps subscriptions in memory, echoes written values
// and reports an error for a value "refuse". Built once whole and once
// without the SignalResume entry (FAKE_OPC_NO_RESUME).
#include "TarvexOpcApi.h"

#include <map>
#include <string>
#include <thread>

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct Signal {
    TqOpcSignalCallback callback = nullptr;
    void *context = nullptr;
    bool suspended = false;
    TqOpcValue value{tqoEmpty, 0, 0, {nullptr, 0}};
    std::string text;
    std::string item;
    std::string group;
    uint16_t quality = 0xC0;
};

std::map<int32_t, Signal> signals;

struct Group {
    std::string name;
    TqOpcGroupCallback before = nullptr, after = nullptr;
    void *context = nullptr;
    int32_t rate = 0;
    bool suspended = false;
};
std::map<int32_t, Group> groups;
int32_t nextHandle = 1;
std::string lastError;
std::string scratch;

TqOpcString Out(const std::string &s)
{
    scratch = s;
    return {scratch.data(), static_cast<int32_t>(scratch.size())};
}

Signal *Find(int32_t handle)
{
    auto it = signals.find(handle);
    lastError = it == signals.end() ? "Unknown handle" : "";
    return it == signals.end() ? nullptr : &it->second;
}

} // namespace

EXPORT void GetLastCallErrorString(TqOpcString *message)
{
    *message = Out(lastError);
}

EXPORT void SignalAdd(int32_t *handle, TqOpcString, TqOpcString, TqOpcString itemName, TqOpcString groupName,
                      int32_t, uint8_t suspended, uint16_t, TqOpcSignalCallback newData, void *context)
{
    Signal s;
    s.callback = newData;
    s.context = context;
    s.suspended = suspended != 0;
    s.item.assign(itemName.data, static_cast<size_t>(itemName.length));
    s.group.assign(groupName.data, static_cast<size_t>(groupName.length));
    *handle = nextHandle++;
    signals[*handle] = s;
    lastError.clear();
}

EXPORT void SignalRemove(int32_t handle)
{
    if (Find(handle))
        signals.erase(handle);
}

EXPORT void SignalSuspend(int32_t handle)
{
    if (Signal *s = Find(handle))
        s->suspended = true;
}

#ifndef FAKE_OPC_NO_RESUME
EXPORT void SignalResume(int32_t handle)
{
    if (Signal *s = Find(handle))
        s->suspended = false;
}
#endif

EXPORT void SignalGetActive(int32_t handle, uint8_t *value)
{
    *value = Find(handle) ? 1 : 0;
}

EXPORT void SignalGetUpdateSuspended(int32_t handle, uint8_t *value)
{
    Signal *s = Find(handle);
    *value = s && s->suspended ? 1 : 0;
}

EXPORT void SignalSendData(int32_t handle, const TqOpcValue *value)
{
    Signal *s = Find(handle);
    if (!s)
        return;
    std::string text = value->type == tqoString ? std::string(value->stringValue.data, static_cast<size_t>(value->stringValue.length)) : "";
    if (text == "refuse") {
        lastError = "Write refused by \"" + s->item + "\"";
        return;
    }
    s->value = *value;
    s->text = text;
    s->value.stringValue = {s->text.data(), static_cast<int32_t>(s->text.size())};
    if (s->callback && !s->suspended)
        s->callback(s->context);
}

EXPORT void SignalGetDataNow(int32_t handle)
{
    Find(handle);
}

EXPORT void SignalGetData(int32_t handle, TqOpcValue *value)
{
    if (Signal *s = Find(handle))
        *value = s->value;
}

EXPORT void SignalGetTimeStamp(int32_t handle, double *timeStamp)
{
    *timeStamp = Find(handle) ? 46000.5 : 0;
}

EXPORT void SignalGetQuality(int32_t handle, uint16_t *quality)
{
    Signal *s = Find(handle);
    *quality = s ? s->quality : 0;
}

EXPORT int32_t ServerConnectionGetCount()
{
    lastError.clear();
    return 2;
}

EXPORT void ServerConnectionGetName(TqOpcString *name, int32_t index)
{
    lastError = index == 0 || index == 1 ? "" : "Index out of range";
    *name = Out(index == 0 ? "Server \xE4\xB8\xAD" : "Other");
}

EXPORT uint8_t ManagerCreated()
{
    lastError.clear();
    return 1;
}

// Test hook: the subscription's callback, called from a thread of the library.
EXPORT void FakeFireFromThread(int32_t handle)
{
    Signal *s = Find(handle);
    if (!s)
        return;
    std::thread t([s] { s->callback(s->context); });
    t.join();
}

// Test hook: the quality the next values arrive with.
EXPORT void FakeSetQuality(int32_t handle, uint16_t quality)
{
    if (Signal *s = Find(handle))
        s->quality = quality;
}

EXPORT void GroupAdd(int32_t *handle, TqOpcString name, TqOpcString, TqOpcString, TqOpcGroupCallback before,
                     TqOpcGroupCallback after, void *context, int32_t updateRate)
{
    Group g;
    g.name.assign(name.data, static_cast<size_t>(name.length));
    g.before = before;
    g.after = after;
    g.context = context;
    g.rate = updateRate;
    *handle = nextHandle++;
    groups[*handle] = g;
    lastError.clear();
}

EXPORT void GroupDelete(int32_t handle)
{
    auto it = groups.find(handle);
    lastError = it == groups.end() ? "Unknown group" : it->second.name == "busy" ? "Group busy" : "";
    if (it != groups.end())
        groups.erase(it);
}

static void SetGroupSuspended(int32_t handle, bool suspended)
{
    auto it = groups.find(handle);
    lastError = it == groups.end() ? "Unknown group" : "";
    if (it != groups.end())
        it->second.suspended = suspended;
}

EXPORT void GroupResume(int32_t handle)
{
    SetGroupSuspended(handle, false);
}

EXPORT void GroupSuspend(int32_t handle)
{
    SetGroupSuspended(handle, true);
}

EXPORT void GroupSetUpdateRate(int32_t handle, int32_t updateRate)
{
    auto it = groups.find(handle);
    lastError = it == groups.end() ? "Unknown group" : "";
    if (it != groups.end())
        it->second.rate = updateRate;
}

EXPORT void CloseAllServerConnections()
{
    lastError.clear();
}

// Test hooks: the number of registered groups, and a group notification
// delivered for any handle through the callbacks of the group `via`.
EXPORT int32_t FakeGroupCount()
{
    return static_cast<int32_t>(groups.size());
}

EXPORT void FakeNotifyGroup(int32_t via, int32_t handle)
{
    auto it = groups.find(via);
    if (it == groups.end())
        return;
    it->second.before(it->second.context, handle);
    it->second.after(it->second.context, handle);
}

// Test hook: a delivery of the group as the library makes it (before, new
// data of each subscription in the group, after), on a thread of the library
// when fromThread; nothing while the group is suspended.
EXPORT void FakeDeliverGroup(int32_t handle, uint8_t fromThread)
{
    auto it = groups.find(handle);
    if (it == groups.end() || it->second.suspended)
        return;
    const Group g = it->second;
    auto deliver = [g, handle] {
        g.before(g.context, handle);
        for (auto &entry : signals)
            if (entry.second.group == g.name && !entry.second.suspended)
                entry.second.callback(entry.second.context);
        g.after(g.context, handle);
    };
    if (!fromThread) {
        deliver();
        return;
    }
    std::thread t(deliver);
    t.join();
}
