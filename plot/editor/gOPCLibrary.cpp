#include "gOPCLibrary.h"

#include "Exceptions.h"
#include "HandlerGuard.h"
#include "ModuleLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QThread>

namespace {

// A string argument and the UTF-8 bytes it points into.
struct Utf8 {
    QByteArray bytes;
    explicit Utf8(const QString &s) : bytes(s.toUtf8()) {}
    TqOpcString Get() const { return {bytes.constData(), static_cast<int32_t>(bytes.size())}; }
};

QString FromOpc(const TqOpcString &s)
{
    return s.data && s.length > 0 ? QString::fromUtf8(s.data, s.length) : QString();
}

// Runs Fire on the UI thread: now when called there, else posted.
void OnUiThread(std::function<void()> Fire)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        GuardHandler("OPC callback", QString(), Fire);
        return;
    }
    QMetaObject::invokeMethod(app, [Fire] { GuardHandler("OPC callback", QString(), Fire); }, Qt::QueuedConnection);
}

} // namespace

struct TgOPCLibrary::SignalContext : std::enable_shared_from_this<SignalContext> {
    std::function<void()> newData;
    static void Trampoline(void *context) noexcept
    {
        try {
            std::weak_ptr<SignalContext> weak = static_cast<SignalContext *>(context)->weak_from_this();
            OnUiThread([weak] {
                if (auto self = weak.lock(); self && self->newData)
                    self->newData();
            });
        } catch (...) {
            // nothing may unwind into the library
        }
    }
};

struct TgOPCLibrary::GroupContext : std::enable_shared_from_this<GroupContext> {
    std::function<void(int)> before, after;
    static void Call(void *context, int32_t handle, bool isBefore) noexcept
    {
        try {
            std::weak_ptr<GroupContext> weak = static_cast<GroupContext *>(context)->weak_from_this();
            OnUiThread([weak, handle, isBefore] {
                if (auto self = weak.lock()) {
                    auto &f = isBefore ? self->before : self->after;
                    if (f)
                        f(handle);
                }
            });
        } catch (...) {
        }
    }
    static void Before(void *context, int32_t handle) noexcept { Call(context, handle, true); }
    static void After(void *context, int32_t handle) noexcept { Call(context, handle, false); }
};

TgOPCLibrary::TgOPCLibrary(const QString &FileName) : fileName_(FileName)
{
    const bool bare = !FileName.contains(u'/');
    if (!FileName.isEmpty() && (bare || QDir::isAbsolutePath(FileName)))
        module_ = std::make_unique<TModuleLoader>(FileName.toStdString());
}

TgOPCLibrary::~TgOPCLibrary() = default;

bool TgOPCLibrary::LibraryMissing() const
{
    return !module_ || !module_->Loaded();
}

void TgOPCLibrary::CheckLibrary() const
{
    if (LibraryMissing())
        throw Exception(QStringLiteral("Tarvex OPC DLL Not Found."));
}

void *TgOPCLibrary::Entry(const char *Name) const
{
    CheckLibrary();
    void *entry = nullptr;
    if (!module_->GetProcedure(Name, entry) || !entry)
        throw Exception(QStringLiteral("Function \"%1\" not found in \"%2\".").arg(QLatin1String(Name), fileName_));
    return entry;
}

QString TgOPCLibrary::GetLastCallErrorString()
{
    if (LibraryMissing())
        return {};
    void *entry = nullptr;
    if (!module_->GetProcedure("GetLastCallErrorString", entry) || !entry)
        return {};
    TqOpcString message{nullptr, 0};
    reinterpret_cast<TqGetLastCallErrorString>(entry)(&message);
    return FromOpc(message);
}

void TgOPCLibrary::CheckCallError()
{
    const QString message = GetLastCallErrorString();
    if (!message.isEmpty())
        throw Exception(message);
}

#define TQ_OPC_CALL(Type, Name, ...)                                                                               \
    do {                                                                                                           \
        auto fn = reinterpret_cast<Type>(Entry(Name));                                                             \
        fn(__VA_ARGS__);                                                                                           \
        CheckCallError();                                                                                          \
    } while (false)

int TgOPCLibrary::SignalAdd(const QString &ComputerName, const QString &ServerName, const QString &ItemName,
                            const QString &GroupName, int UpdateRate, bool Suspended, int VarType,
                            std::function<void()> NewData)
{
    auto context = std::make_shared<SignalContext>();
    context->newData = std::move(NewData);
    const Utf8 computer(ComputerName), server(ServerName), item(ItemName), group(GroupName);
    int32_t handle = 0;
    TQ_OPC_CALL(TqSignalAdd, "SignalAdd", &handle, computer.Get(), server.Get(), item.Get(), group.Get(), UpdateRate,
                Suspended ? 1 : 0, static_cast<uint16_t>(VarType), &SignalContext::Trampoline, context.get());
    signals_[handle] = std::move(context);
    return handle;
}

void TgOPCLibrary::CallRemoving(const char *Name, int Handle, const std::function<void()> &Disarm)
{
    try {
        TQ_OPC_CALL(TqHandleCall, Name, Handle);
    } catch (...) {
        // The caller counts the subscription or group gone (and may be freed
        // next): whatever the library still delivers for it goes nowhere.
        Disarm();
        throw;
    }
}

void TgOPCLibrary::SignalRemove(int Handle)
{
    const auto it = signals_.find(Handle);
    const std::shared_ptr<SignalContext> context = it != signals_.end() ? it->second : nullptr;
    CallRemoving("SignalRemove", Handle, [&] {
        if (context)
            context->newData = nullptr;
    });
    signals_.erase(Handle);
}

void TgOPCLibrary::SignalSuspend(int Handle) { TQ_OPC_CALL(TqHandleCall, "SignalSuspend", Handle); }
void TgOPCLibrary::SignalResume(int Handle) { TQ_OPC_CALL(TqHandleCall, "SignalResume", Handle); }
void TgOPCLibrary::SignalGetDataNow(int Handle) { TQ_OPC_CALL(TqHandleCall, "SignalGetDataNow", Handle); }

bool TgOPCLibrary::SignalGetActive(int Handle)
{
    uint8_t v = 0;
    TQ_OPC_CALL(TqSignalGetFlag, "SignalGetActive", Handle, &v);
    return v != 0;
}

bool TgOPCLibrary::SignalGetUpdateSuspended(int Handle)
{
    uint8_t v = 0;
    TQ_OPC_CALL(TqSignalGetFlag, "SignalGetUpdateSuspended", Handle, &v);
    return v != 0;
}

void TgOPCLibrary::SignalSendData(int Handle, const QVariant &Value)
{
    TqOpcValue v{tqoEmpty, 0, 0, {nullptr, 0}};
    QByteArray text;
    switch (Value.typeId()) {
    case QMetaType::UnknownType: break;
    case QMetaType::Bool: v.type = tqoBool; v.integerValue = Value.toBool() ? 1 : 0; break;
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::Short:
    case QMetaType::UShort: case QMetaType::Char: case QMetaType::UChar:
        v.type = tqoInteger;
        v.integerValue = Value.toLongLong();
        break;
    case QMetaType::Double: case QMetaType::Float: v.type = tqoDouble; v.doubleValue = Value.toDouble(); break;
    default:
        text = Value.toString().toUtf8();
        v.type = tqoString;
        v.stringValue = {text.constData(), static_cast<int32_t>(text.size())};
        break;
    }
    TQ_OPC_CALL(TqSignalSendData, "SignalSendData", Handle, &v);
}

QVariant TgOPCLibrary::SignalGetData(int Handle)
{
    // Strings the library hands out last only until its next call: convert
    // before asking for the error text.
    TqOpcValue v{tqoEmpty, 0, 0, {nullptr, 0}};
    reinterpret_cast<TqSignalGetData>(Entry("SignalGetData"))(Handle, &v);
    QVariant result;
    switch (v.type) {
    case tqoBool: result = QVariant(v.integerValue != 0); break;
    case tqoInteger: result = QVariant(static_cast<qlonglong>(v.integerValue)); break;
    case tqoDouble: result = QVariant(v.doubleValue); break;
    case tqoString: result = QVariant(FromOpc(v.stringValue)); break;
    default: break;
    }
    CheckCallError();
    return result;
}

TDateTime TgOPCLibrary::SignalGetTimeStamp(int Handle)
{
    double t = 0;
    TQ_OPC_CALL(TqSignalGetTimeStamp, "SignalGetTimeStamp", Handle, &t);
    return t;
}

int TgOPCLibrary::SignalGetQuality(int Handle)
{
    uint16_t q = 0;
    TQ_OPC_CALL(TqSignalGetQuality, "SignalGetQuality", Handle, &q);
    return q;
}

int TgOPCLibrary::GroupAdd(const QString &Name, const QString &ComputerName, const QString &ServerName,
                           std::function<void(int)> BeforeUpdate, std::function<void(int)> AfterUpdate, int UpdateRate)
{
    auto context = std::make_shared<GroupContext>();
    context->before = std::move(BeforeUpdate);
    context->after = std::move(AfterUpdate);
    const Utf8 name(Name), computer(ComputerName), server(ServerName);
    int32_t handle = 0;
    TQ_OPC_CALL(TqGroupAdd, "GroupAdd", &handle, name.Get(), computer.Get(), server.Get(), &GroupContext::Before,
                &GroupContext::After, context.get(), UpdateRate);
    groups_[handle] = std::move(context);
    return handle;
}

void TgOPCLibrary::GroupDelete(int Handle)
{
    const auto it = groups_.find(Handle);
    const std::shared_ptr<GroupContext> context = it != groups_.end() ? it->second : nullptr;
    CallRemoving("GroupDelete", Handle, [&] {
        if (context)
            context->before = context->after = nullptr;
    });
    groups_.erase(Handle);
}

void TgOPCLibrary::GroupResume(int Handle) { TQ_OPC_CALL(TqHandleCall, "GroupResume", Handle); }
void TgOPCLibrary::GroupSuspend(int Handle) { TQ_OPC_CALL(TqHandleCall, "GroupSuspend", Handle); }

void TgOPCLibrary::GroupSetUpdateRate(int Handle, int UpdateRate)
{
    TQ_OPC_CALL(TqGroupSetUpdateRate, "GroupSetUpdateRate", Handle, UpdateRate);
}

void TgOPCLibrary::CloseAllServerConnections() { TQ_OPC_CALL(TqNoArguments, "CloseAllServerConnections"); }

int TgOPCLibrary::ServerConnectionGetCount()
{
    auto fn = reinterpret_cast<TqServerConnectionGetCount>(Entry("ServerConnectionGetCount"));
    const int count = fn();
    CheckCallError();
    return count;
}

QString TgOPCLibrary::ServerConnectionGetName(int Index)
{
    TqOpcString name{nullptr, 0};
    reinterpret_cast<TqServerConnectionGetName>(Entry("ServerConnectionGetName"))(&name, Index);
    const QString text = FromOpc(name);
    CheckCallError();
    return text;
}

bool TgOPCLibrary::ManagerCreated()
{
    void *entry = nullptr;
    if (LibraryMissing() || !module_->GetProcedure("ManagerCreated", entry) || !entry)
        return false;
    const bool result = reinterpret_cast<TqManagerCreated>(entry)() != 0;
    CheckCallError();
    return result;
}

void TgOPCLibrary::ManagerDestroyed()
{
    void *entry = nullptr;
    if (LibraryMissing() || !module_->GetProcedure("ManagerDestroyed", entry) || !entry)
        return;
    reinterpret_cast<TqNoArguments>(entry)();
    CheckCallError();
}

TgOPCLibrary &OPCLibrary()
{
    static TgOPCLibrary library(QStringLiteral("libtarvexopc.so"));
    return library;
}
