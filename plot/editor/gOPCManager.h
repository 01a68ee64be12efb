#pragma once
#include "ComponentStream.h"
#include "CustomControl.h"

#include <functional>
#include <memory>
#include <vector>

class TCustomImageList;
class TgOPCExplorerForm;
class TgOPCLibrary;

using TGroupUpdateEvent = std::function<void(TObject *Sender, const QString &GroupName)>;

// One OPC group the items may name: registered with the support library
// while the manager holds it (handle 0 when the library is absent).
class TgOPCGroupObject : public TPersistent {
public:
    const QString &Name() const { return FName; }
    const QString &ComputerName() const { return FComputerName; }
    const QString &OPCServerName() const { return FOPCServerName; }
    int UpdateRate() const { return FUpdateRate; }
    void SetUpdateRate(int Value); // raises without the library
    int DLLGroupHandle() const { return FDLLGroupHandle; }
    void Resume();
    void Suspend();

private:
    friend class TgOPCManager;
    TgOPCLibrary *library_ = nullptr;
    QString FName, FComputerName, FOPCServerName;
    int FUpdateRate = 0;
    int FDLLGroupHandle = 0;
};

// The OPC groups of a form or channel, streamed as its "Groups" property; a
// 28 x 28 marker that shows only in a designer.
class TgOPCManager : public TCustomControl, public IDefinesProperties {
public:
    explicit TgOPCManager(TComponent *AOwner, TgOPCLibrary *Library = nullptr);
    ~TgOPCManager() override;

    int GroupAdd(const QString &Name, const QString &ComputerName, const QString &OPCServerName, int UpdateRate);
    void GroupDelete(int Index);
    // Deletes every group; when Teardown, library errors are swallowed.
    void GroupClear(bool Teardown = false);
    TgOPCGroupObject *GetGroup(int Index) const; // EListError out of range
    int GetGroupCount() const { return static_cast<int>(groups_.size()); }
    int GetGroupIndex(const QString &Name) const; // ignoring case; -1 when none
    void CloseAllServerConnections();
    // Shows the one explorer window all managers share (made when none is
    // remembered, owned by the application), its list read anew. Without the
    // library this raises "Tarvex OPC DLL Not Found.". The window goes when
    // a manager goes.
    void ExplorerShow();
    // The shared explorer window, or none; making a manager forgets it.
    static TgOPCExplorerForm *Explorer() { return explorer_; }
    // The binding groups added from now on register with (the program's
    // unless set; tests set a fake).
    void SetLibrary(TgOPCLibrary *Library) { library_ = Library; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override; // always 28 x 28
    void Paint() override;
    void DefineProperties(TFiler *Filer) override;

    TGroupUpdateEvent OnBeforeGroupUpdate;
    TGroupUpdateEvent OnAfterGroupUpdate;

private:
    TgOPCLibrary &Library() const;
    QString NameOfHandle(int Handle) const; // empty when no group has it
    void WriteGroups(TWriter *Writer);
    void ReadGroups(TReader *Reader);

    TgOPCLibrary *library_;
    TCustomImageList *FImageList;
    bool FFirstInstance = false;
    static TgOPCExplorerForm *explorer_;
    std::vector<std::unique_ptr<TgOPCGroupObject>> groups_;
};
