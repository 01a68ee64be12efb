#pragma once
#include "DateTime.h"
#include "TarvexOpcApi.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <map>
#include <memory>
#include <string>

class TModuleLoader;

// The binding of the optional OPC support library. Each operation checks
// that the library and its entry exist ("Tarvex OPC DLL Not Found.",
// "Function "<entry>" not found in "<file>".") calls the entry and raises the
// library's error text, when it reports one, as it stands (all Exception).
// Callbacks reach the caller on the UI thread: one arriving on another
// thread is posted there; an exception in a callback stays on our side.
class TgOPCLibrary {
public:
    // FileName: a bare library name (the system search path, which does not
    // include the current folder) or an absolute path; a relative path is
    // never loaded. A library that is absent leaves the binding off, silently.
    explicit TgOPCLibrary(const QString &FileName);
    ~TgOPCLibrary();
    TgOPCLibrary(const TgOPCLibrary &) = delete;
    TgOPCLibrary &operator=(const TgOPCLibrary &) = delete;

    bool LibraryMissing() const;
    const QString &FileName() const { return fileName_; }
    void CheckLibrary() const; // raises "Tarvex OPC DLL Not Found."

    int SignalAdd(const QString &ComputerName, const QString &ServerName, const QString &ItemName,
                  const QString &GroupName, int UpdateRate, bool Suspended, int VarType, std::function<void()> NewData);
    // After either removal the callbacks never reach the caller again, even
    // when the library objects to it (the error is raised all the same).
    void SignalRemove(int Handle);
    void SignalSuspend(int Handle);
    void SignalResume(int Handle);
    bool SignalGetActive(int Handle);
    bool SignalGetUpdateSuspended(int Handle);
    void SignalSendData(int Handle, const QVariant &Value);
    void SignalGetDataNow(int Handle);
    QVariant SignalGetData(int Handle);
    TDateTime SignalGetTimeStamp(int Handle);
    int SignalGetQuality(int Handle);
    int GroupAdd(const QString &Name, const QString &ComputerName, const QString &ServerName,
                 std::function<void(int)> BeforeUpdate, std::function<void(int)> AfterUpdate, int UpdateRate);
    void GroupDelete(int Handle);
    void GroupResume(int Handle);
    void GroupSuspend(int Handle);
    void GroupSetUpdateRate(int Handle, int UpdateRate);
    void CloseAllServerConnections();
    int ServerConnectionGetCount();
    QString ServerConnectionGetName(int Index);
    // False when the library or the entry is missing.
    bool ManagerCreated();
    // Skipped when the library or the entry is missing.
    void ManagerDestroyed();
    // Empty when the library or the entry is missing.
    QString GetLastCallErrorString();

    struct SignalContext;
    struct GroupContext;

private:
    void *Entry(const char *Name) const;
    void CheckCallError();
    // Calls the entry that ends Handle; when it raises, Disarm runs first.
    void CallRemoving(const char *Name, int Handle, const std::function<void()> &Disarm);

    QString fileName_;
    std::unique_ptr<TModuleLoader> module_;
    std::map<int, std::shared_ptr<SignalContext>> signals_;
    std::map<int, std::shared_ptr<GroupContext>> groups_;
};

// The program's binding, loaded at first use from "libtarvexopc.so".
TgOPCLibrary &OPCLibrary();
