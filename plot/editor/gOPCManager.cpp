#include "gOPCManager.h"

#include "Application.h"
#include "ImageList.h"
#include "gOPCArtwork.h"
#include "gOPCExplorer.h"

#include "Exceptions.h"
#include "Pen.h"
#include "TypInfo.h"
#include "gOPCLibrary.h"

namespace {

// The stream form of a group: its four values, all writable.
class TgOPCGroupStream : public TPersistent {
public:
    QString Name, ComputerName, OPCServerName;
    int UpdateRate = 0;
    QString GetName() const { return Name; }
    void SetName(const QString &v) { Name = v; }
    QString GetComputerName() const { return ComputerName; }
    void SetComputerName(const QString &v) { ComputerName = v; }
    QString GetOPCServerName() const { return OPCServerName; }
    void SetOPCServerName(const QString &v) { OPCServerName = v; }
    int GetUpdateRate() const { return UpdateRate; }
    void SetUpdateRate(int v) { UpdateRate = v; }
    const TPublishedClass *PublishedClass() const override
    {
        static const TPublishedClass info =
            TPublishedBuilder<TgOPCGroupStream>()
                .String("Name", &TgOPCGroupStream::GetName, &TgOPCGroupStream::SetName)
                .String("ComputerName", &TgOPCGroupStream::GetComputerName, &TgOPCGroupStream::SetComputerName)
                .String("OPCServerName", &TgOPCGroupStream::GetOPCServerName, &TgOPCGroupStream::SetOPCServerName)
                .Integer("UpdateRate", &TgOPCGroupStream::GetUpdateRate, &TgOPCGroupStream::SetUpdateRate)
                .Build();
        return &info;
    }
};

} // namespace

void TgOPCGroupObject::SetUpdateRate(int Value)
{
    if (Value == FUpdateRate)
        return;
    FUpdateRate = Value;
    library_->GroupSetUpdateRate(FDLLGroupHandle, Value);
}

void TgOPCGroupObject::Resume()
{
    library_->GroupResume(FDLLGroupHandle);
}

void TgOPCGroupObject::Suspend()
{
    library_->GroupSuspend(FDLLGroupHandle);
}

TgOPCManager::TgOPCManager(TComponent *AOwner, TgOPCLibrary *Library)
    : TCustomControl(AOwner), library_(Library)
{
    FFirstInstance = this->Library().ManagerCreated();
    explorer_ = nullptr;
    FImageList = new TCustomImageList(this);
    FImageList->SetWidth(24);
    FImageList->SetHeight(24);
    FImageList->Add(OPCArtwork::ManagerImage());
    SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks, csReplicatable});
    TCustomControl::SetBounds(Left(), Top(), 28, 28);
    SetVisible(false);
}

TgOPCManager::~TgOPCManager()
{
    // The window goes with a manager rather than at the application's end.
    delete explorer_;
    explorer_ = nullptr;
    GroupClear(true);
    if (FFirstInstance) {
        try {
            Library().ManagerDestroyed();
        } catch (...) {
            // teardown never fails
        }
    }
}

TgOPCLibrary &TgOPCManager::Library() const
{
    return library_ ? *library_ : OPCLibrary();
}

int TgOPCManager::GroupAdd(const QString &Name, const QString &ComputerName, const QString &OPCServerName,
                           int UpdateRate)
{
    auto group = std::make_unique<TgOPCGroupObject>();
    group->library_ = &Library();
    group->FName = Name;
    group->FComputerName = ComputerName;
    group->FOPCServerName = OPCServerName;
    group->FUpdateRate = UpdateRate;
    if (!Library().LibraryMissing())
        group->FDLLGroupHandle = Library().GroupAdd(
            Name, ComputerName, OPCServerName,
            [this](int h) {
                if (OnBeforeGroupUpdate)
                    OnBeforeGroupUpdate(this, NameOfHandle(h));
            },
            [this](int h) {
                if (OnAfterGroupUpdate)
                    OnAfterGroupUpdate(this, NameOfHandle(h));
            },
            UpdateRate);
    groups_.push_back(std::move(group));
    return GetGroupCount() - 1;
}

void TgOPCManager::GroupDelete(int Index)
{
    TgOPCGroupObject *g = GetGroup(Index);
    const int handle = g->FDLLGroupHandle;
    groups_.erase(groups_.begin() + Index); // gone from the list even when the library objects
    if (handle != 0)
        Library().GroupDelete(handle);
}

void TgOPCManager::GroupClear(bool Teardown)
{
    while (!groups_.empty()) {
        if (!Teardown) {
            GroupDelete(0);
            continue;
        }
        try {
            GroupDelete(0);
        } catch (...) {
            // a library error must not escape the destructor
        }
    }
}

TgOPCGroupObject *TgOPCManager::GetGroup(int Index) const
{
    if (Index < 0 || Index >= GetGroupCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return groups_[static_cast<size_t>(Index)].get();
}

int TgOPCManager::GetGroupIndex(const QString &Name) const
{
    for (int i = 0; i < GetGroupCount(); ++i)
        if (groups_[static_cast<size_t>(i)]->FName.compare(Name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TgOPCManager::NameOfHandle(int Handle) const
{
    for (const auto &g : groups_)
        if (g->FDLLGroupHandle == Handle)
            return g->FName;
    return {};
}

void TgOPCManager::CloseAllServerConnections()
{
    Library().CloseAllServerConnections();
}

void TgOPCManager::SetBounds(int ALeft, int ATop, int, int)
{
    TCustomControl::SetBounds(ALeft, ATop, 28, 28);
}

void TgOPCManager::Paint()
{
    TCanvas *c = Canvas();
    const int w = Width(), h = Height();
    c->Pen()->SetColor(clBtnHighlight);
    c->Polyline({{0, h - 1}, {0, 0}, {w - 1, 0}});
    c->Pen()->SetColor(clBtnShadow);
    c->Polyline({{w - 1, 1}, {w - 1, h - 1}, {0, h - 1}});
    FImageList->Draw(c, 2, 2, 0, Enabled());
}

TgOPCExplorerForm *TgOPCManager::explorer_ = nullptr;

void TgOPCManager::ExplorerShow()
{
    if (!explorer_)
        explorer_ = new TgOPCExplorerForm(Application);
    explorer_->Refresh(Library());
    explorer_->Show();
}

void TgOPCManager::DefineProperties(TFiler *Filer)
{
    Filer->DefineProperty(
        QStringLiteral("Groups"), [this](TReader *r) { ReadGroups(r); }, [this](TWriter *w) { WriteGroups(w); },
        GetGroupCount() > 0);
}

void TgOPCManager::WriteGroups(TWriter *Writer)
{
    Writer->WriteValue(vaCollection);
    for (const auto &g : groups_) {
        TgOPCGroupStream s;
        s.Name = g->FName;
        s.ComputerName = g->FComputerName;
        s.OPCServerName = g->FOPCServerName;
        s.UpdateRate = g->FUpdateRate;
        Writer->WriteListBegin();
        WritePersistentProperties(Writer, &s);
        Writer->WriteListEnd();
    }
    Writer->WriteListEnd();
}

void TgOPCManager::ReadGroups(TReader *Reader)
{
    GroupClear();
    if (Reader->ReadValue() != vaCollection)
        return;
    while (!Reader->EndOfList()) {
        TgOPCGroupStream s;
        Reader->ReadListBegin();
        Reader->ReadProperties(&s);
        GroupAdd(s.Name, s.ComputerName, s.OPCServerName, s.UpdateRate);
    }
    Reader->ReadListEnd();
}
