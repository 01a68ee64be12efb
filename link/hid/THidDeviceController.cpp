#include "THidDeviceController.h"

#include "HidApi.h"
#include "HidError.h"

#include "WindowMessage.h"

#include <QSocketNotifier>
#include <QtGlobal>

#include <algorithm>
#include <exception>
#include <utility>

namespace {

// The interface class of HID devices.
const QUuid StandardHidGuid(QStringLiteral("{4D1E55B2-F16F-11CF-88CB-001111000030}"));

// Exceptions of client handlers never cross the event loop.
template <typename F>
void Guarded(F f)
{
    try {
        f();
    } catch (const std::exception &e) {
        qWarning("HID device controller: %s", e.what());
    } catch (...) {
        qWarning("HID device controller: unknown exception");
    }
}

// The controller's hidden window: the start message reaches EventPipe
// through it once the event loop runs.
class THidPipeWindow : public MessageWindow
{
public:
    explicit THidPipeWindow(THidDeviceController *controller) : controller_(controller) {}
    void Dispatch(const WindowMessage &m) override
    {
        Guarded([&] { controller_->EventPipe(m.msg, m.wParam, m.lParam); });
    }

private:
    THidDeviceController *controller_;
};

} // namespace

struct THidDeviceController::PassScope
{
    explicit PassScope(THidDeviceController &controller) : c(controller) { c.BeginPass(); }
    ~PassScope() { c.EndPass(); }
    PassScope(const PassScope &) = delete;
    PassScope &operator=(const PassScope &) = delete;
    THidDeviceController &c;
};

THidDeviceController::THidDeviceController()
    : FHidGuid(StandardHidGuid), FVersion(QStringLiteral("1.0.34"))
{
    FSetupBound = LoadSetupApi();
    if (FSetupBound)
        LoadHid();
    if (!IsHidLoaded())
        return;
    FHWnd.reset(new THidPipeWindow(this));
    FMonitor = HidApi.MonitorOpen();
    int fd = FMonitor ? HidApi.MonitorFd(FMonitor) : -1;
    if (fd >= 0) {
        FNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, FHWnd.get());
        QObject::connect(FNotifier, &QSocketNotifier::activated, FHWnd.get(), [this] { OnMonitor(); });
    }
    // The first enumeration runs once the event loop runs, after the
    // client has assigned its handlers; -1 makes it report a change.
    PostWindowMessage(static_cast<MessageWindow *>(FHWnd.get()), WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, -1);
}

THidDeviceController::~THidDeviceController()
{
    FDeviceChangeEvent = nullptr;
    FDevUnplugEvent = nullptr;
    FEnumerateEvent = nullptr;
    bool hid = IsHidLoaded();
    if (hid) {
        delete FNotifier;
        FNotifier = nullptr;
        if (FMonitor && HidApi.MonitorClose)
            HidApi.MonitorClose(FMonitor);
        FMonitor = nullptr;
        FHWnd.reset();
    }
    std::vector<THidDevice *> list;
    list.swap(FList);
    {
        PassScope pass(*this);
        for (THidDevice *dev : list) {
            dev->FMyController = nullptr;
            if (dev->IsCheckedOut()) {
                // Its own unplug handler fires and may check it in.
                Guarded([dev] { dev->DoUnplug(); });
            } else {
                delete dev;
            }
        }
    }
    if (FSetupBound)
        UnloadSetupApi();
    UnloadHid();
}

void THidDeviceController::OnMonitor()
{
    // Take every waiting event, then enumerate once.
    for (int i = 0; i < 256 && HidApi.MonitorReceive && HidApi.MonitorReceive(FMonitor); ++i) {
    }
    Guarded([this] { EventPipe(WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0); });
}

void THidDeviceController::EventPipe(uint32_t Msg, uintptr_t WParam, intptr_t LParam)
{
    if (Msg != WM_DEVICECHANGE || WParam != DBT_DEVNODES_CHANGED || FInDeviceChange)
        return;
    FLParam = LParam;
    FInDeviceChange = true;
    struct Reset
    {
        bool &flag;
        ~Reset() { flag = false; }
    } reset{FInDeviceChange};
    DeviceChange();
}

int THidDeviceController::IndexOf(const THidDevice *dev) const
{
    auto it = std::find(FList.begin(), FList.end(), dev);
    return it == FList.end() ? -1 : int(it - FList.begin());
}

std::vector<THidDevice *> THidDeviceController::EnumerateInterfaces()
{
    std::vector<THidDevice *> fresh;
    if (!IsHidLoaded() || !HidApi.GetClassDevs)
        return fresh;
    HidDeviceInfoSet *set = HidApi.GetClassDevs();
    if (!set)
        return fresh;
    std::string id, path;
    for (uint32_t i = 0; HidApi.EnumDeviceInterfaces(set, i, id, path); ++i) {
        if (path.empty())
            continue;
        auto info = std::make_unique<THidPnPInfo>(set, i, QString::fromStdString(id), QString::fromLocal8Bit(path.c_str()));
        try {
            fresh.push_back(new THidDevice(std::move(info), this));
        } catch (const EControllerError &) {
            // Cannot be opened or identified: left out without a report.
        }
    }
    HidApi.DestroyDeviceInfoList(set);
    return fresh;
}

void THidDeviceController::Discard(THidDevice *dev)
{
    dev->FMyController = nullptr;
    if (FPassDepth > 0)
        FDiscarded.push_back(dev);
    else
        delete dev;
}

void THidDeviceController::EndPass()
{
    if (--FPassDepth > 0)
        return;
    std::vector<THidDevice *> doomed;
    doomed.swap(FDiscarded);
    for (THidDevice *dev : doomed)
        delete dev;
}

void THidDeviceController::Recount()
{
    FNumCheckedInDevices = FNumCheckedOutDevices = FNumUnpluggedDevices = 0;
    for (THidDevice *dev : FList) {
        if (dev->IsCheckedOut())
            ++FNumCheckedOutDevices;
        else
            ++FNumCheckedInDevices;
        if (!dev->IsPluggedIn())
            ++FNumUnpluggedDevices;
    }
    FNumCheckedOutDevices -= FNumUnpluggedDevices;
}

void THidDeviceController::DeviceChange()
{
    bool changed = FLParam == -1;
    {
        PassScope pass(*this);
        std::vector<THidDevice *> fresh = EnumerateInterfaces();
        // Fresh devices that the list has not taken are freed, also when a
        // handler throws.
        struct FreeFresh
        {
            std::vector<THidDevice *> &fresh;
            ~FreeFresh()
            {
                for (THidDevice *f : fresh) {
                    if (f)
                        f->FMyController = nullptr;
                    delete f;
                }
            }
        } freeFresh{fresh};
        auto present = [&](const THidDevice *dev) {
            for (THidDevice *f : fresh)
                if (f && f->PnPInfo()->DeviceID() == dev->PnPInfo()->DeviceID())
                    return true;
            return false;
        };

        // Removal: collect the vanished devices first; handlers may check
        // them in (which takes them out of the list), but they stay alive
        // until the pass ends.
        std::vector<THidDevice *> vanished;
        for (size_t i = FList.size(); i-- > 0;) {
            THidDevice *dev = FList[i];
            if (!(dev->IsPluggedIn() && present(dev)))
                vanished.push_back(dev);
        }
        for (THidDevice *dev : vanished) {
            if (IndexOf(dev) < 0)
                continue;  // a handler has already dealt with it
            changed = true;
            dev->DoUnplug();
            FireInCallback(FRemovalEvent, dev);
            int idx = IndexOf(dev);
            if (idx >= 0 && !dev->IsCheckedOut()) {
                FList.erase(FList.begin() + idx);
                Discard(dev);
            }
        }

        // Duplicates: interfaces already known and plugged in.
        for (THidDevice *&f : fresh) {
            for (THidDevice *dev : FList) {
                if (dev->IsPluggedIn() && dev->PnPInfo()->DeviceID() == f->PnPInfo()->DeviceID()) {
                    f->FMyController = nullptr;
                    delete f;
                    f = nullptr;
                    break;
                }
            }
        }

        // Arrivals.
        for (THidDevice *&f : fresh) {
            if (!f)
                continue;
            THidDevice *dev = std::exchange(f, nullptr);
            FList.push_back(dev);
            changed = true;
            FireInCallback(FArrivalEvent, dev);
        }
        Recount();
    }
    if (changed && FDeviceChangeEvent) {
        THidNotifyEvent event = FDeviceChangeEvent;
        event(this);
    }
}

void THidDeviceController::FireInCallback(const THidPlugEvent &event, THidDevice *dev)
{
    if (!event)
        return;
    THidPlugEvent handler = event;
    dev->FIsEnumerated = true;
    handler(dev);
    dev->FIsEnumerated = false;
}

void THidDeviceController::CloseAll(THidDevice *dev)
{
    dev->CloseFile();
    dev->CloseFileEx(omhRead);
    dev->CloseFileEx(omhWrite);
}

bool THidDeviceController::DoEnumerate(THidDevice *dev, int32_t idx)
{
    if (!FEnumerateEvent)
        return false;
    THidEnumerateEvent handler = FEnumerateEvent;
    dev->FIsEnumerated = true;
    bool result = handler(dev, idx);
    dev->FIsEnumerated = false;
    if (!dev->IsCheckedOut())
        CloseAll(dev);
    return result;
}

int32_t THidDeviceController::Enumerate()
{
    int32_t count = 0;
    PassScope pass(*this);
    std::vector<THidDevice *> snapshot = FList;
    for (size_t i = 0; i < snapshot.size(); ++i) {
        THidDevice *dev = snapshot[i];
        int idx = IndexOf(dev);  // handlers may have changed the list
        if (idx < 0 || !dev->IsPluggedIn())
            continue;
        ++count;
        if (!DoEnumerate(dev, idx))
            break;
    }
    return count;
}

bool THidDeviceController::CheckThisOut(THidDevice *&HidDev, size_t idx, bool match)
{
    if (!match || idx >= FList.size() || FList[idx]->IsCheckedOut())
        return false;
    THidDevice *dev = FList[idx];
    HidDev = dev;
    dev->FIsCheckedOut = true;
    ++FNumCheckedOutDevices;
    --FNumCheckedInDevices;
    dev->StartThread();
    return true;
}

template <typename Match>
bool THidDeviceController::CheckOutWhere(THidDevice *&HidDev, Match match)
{
    HidDev = nullptr;
    PassScope pass(*this);
    bool ok = false;
    std::vector<THidDevice *> snapshot = FList;
    for (THidDevice *dev : snapshot) {
        if (IndexOf(dev) < 0)
            continue;
        bool m = match(dev);
        int idx = IndexOf(dev);
        if (idx >= 0 && CheckThisOut(HidDev, size_t(idx), m)) {
            ok = true;
            break;
        }
    }
    return ok;
}

bool THidDeviceController::CheckOut(THidDevice *&HidDev)
{
    return CheckOutWhere(HidDev, [](THidDevice *) { return true; });
}

bool THidDeviceController::CheckOutByIndex(THidDevice *&HidDev, int32_t Idx)
{
    HidDev = nullptr;
    if (Idx < 0 || size_t(Idx) >= FList.size())
        return false;
    return CheckThisOut(HidDev, size_t(Idx), true);
}

bool THidDeviceController::CheckOutByID(THidDevice *&HidDev, int32_t Vid, int32_t Pid)
{
    return CheckOutWhere(HidDev, [&](THidDevice *dev) {
        return dev->Attributes().VendorID == Vid && (Pid == -1 || dev->Attributes().ProductID == Pid);
    });
}

QString THidDeviceController::NameOf(THidDevice *dev, bool product)
{
    // The name is read with the device marked as inside a controller call,
    // so that a device checked in can be asked too.
    bool was = dev->FIsEnumerated;
    dev->FIsEnumerated = true;
    QString name = product ? dev->ProductName() : dev->VendorName();
    dev->FIsEnumerated = was;
    if (!dev->IsCheckedOut())
        CloseAll(dev);
    return name;
}

bool THidDeviceController::CheckOutByProductName(THidDevice *&HidDev, const QString &ProductName)
{
    HidDev = nullptr;
    if (ProductName.isEmpty())
        return false;
    return CheckOutWhere(HidDev, [&](THidDevice *dev) { return NameOf(dev, true) == ProductName; });
}

bool THidDeviceController::CheckOutByVendorName(THidDevice *&HidDev, const QString &VendorName)
{
    HidDev = nullptr;
    if (VendorName.isEmpty())
        return false;
    return CheckOutWhere(HidDev, [&](THidDevice *dev) { return NameOf(dev, false) == VendorName; });
}

bool THidDeviceController::CheckOutByClass(THidDevice *&HidDev, const QString &ClassName)
{
    HidDev = nullptr;
    if (ClassName.isEmpty())
        return false;
    return CheckOutWhere(HidDev, [&](THidDevice *dev) { return dev->PnPInfo()->ClassDescr() == ClassName; });
}

bool THidDeviceController::CheckInCallback(THidCheckCallback check, THidDevice *dev)
{
    dev->FIsEnumerated = true;
    bool result = check(dev);
    dev->FIsEnumerated = false;
    return result;
}

bool THidDeviceController::CheckOutByCallback(THidDevice *&HidDev, THidCheckCallback Check)
{
    if (!Check) {
        HidDev = nullptr;
        return false;
    }
    return CheckOutWhere(HidDev, [&](THidDevice *dev) {
        if (dev->IsCheckedOut())
            return false;
        bool m = CheckInCallback(Check, dev);
        if (!m)
            CloseAll(dev);
        return m;
    });
}

void THidDeviceController::CheckIn(THidDevice *&HidDev)
{
    THidDevice *dev = HidDev;
    if (!dev)
        return;
    HidDev = nullptr;
    dev->StopThread();
    CloseAll(dev);
    if (dev->IsPluggedIn()) {
        if (dev->IsCheckedOut()) {
            dev->FIsCheckedOut = false;
            --FNumCheckedOutDevices;
            ++FNumCheckedInDevices;
        }
        return;
    }
    int idx = dev->FMyController == this ? IndexOf(dev) : -1;
    if (idx >= 0) {
        FList.erase(FList.begin() + idx);
        --FNumUnpluggedDevices;
    }
    Discard(dev);
}

namespace {
template <typename Match>
int32_t CountIn(const std::vector<THidDevice *> &list, Match match)
{
    int32_t n = 0;
    std::vector<THidDevice *> snapshot = list;
    for (THidDevice *dev : snapshot)
        if (dev->IsPluggedIn() && match(dev))
            ++n;
    return n;
}
} // namespace

int32_t THidDeviceController::CountByID(int32_t Vid, int32_t Pid)
{
    return CountIn(FList, [&](THidDevice *dev) {
        return dev->Attributes().VendorID == Vid && (Pid == -1 || dev->Attributes().ProductID == Pid);
    });
}

int32_t THidDeviceController::CountByProductName(const QString &ProductName)
{
    if (ProductName.isEmpty())
        return 0;
    return CountIn(FList, [&](THidDevice *dev) { return NameOf(dev, true) == ProductName; });
}

int32_t THidDeviceController::CountByVendorName(const QString &VendorName)
{
    if (VendorName.isEmpty())
        return 0;
    return CountIn(FList, [&](THidDevice *dev) { return NameOf(dev, false) == VendorName; });
}

int32_t THidDeviceController::CountByClass(const QString &ClassName)
{
    if (ClassName.isEmpty())
        return 0;
    return CountIn(FList, [&](THidDevice *dev) { return dev->PnPInfo()->ClassDescr() == ClassName; });
}

int32_t THidDeviceController::CountByCallback(THidCheckCallback Check)
{
    if (!Check)
        return 0;
    PassScope pass(*this);
    return CountIn(FList, [&](THidDevice *dev) {
        bool m = CheckInCallback(Check, dev);
        if (!dev->IsCheckedOut())
            CloseAll(dev);
        return m;
    });
}

QString THidDeviceController::HidVersion()
{
    return QString::fromStdString(HidrawServiceVersion());
}

void THidDeviceController::SetDevThreadSleepTime(int32_t ms)
{
    if (ms == FDevThreadSleepTime)
        return;
    for (THidDevice *dev : FList)
        if (dev->ThreadSleepTime() == FDevThreadSleepTime)
            dev->SetThreadSleepTime(ms);
    FDevThreadSleepTime = ms;
}

void THidDeviceController::SetOnDeviceChange(const THidNotifyEvent &h)
{
    if (h == FDeviceChangeEvent)
        return;
    FDeviceChangeEvent = h;
    if (!FLoading)
        DeviceChange();
}

void THidDeviceController::SetOnDeviceData(const THidDataEvent &h)
{
    if (h == FDevDataEvent)
        return;
    std::vector<THidDevice *> snapshot = FList;
    for (THidDevice *dev : snapshot)
        if (dev->OnData() == FDevDataEvent)
            dev->SetDataEvent(h);
    FDevDataEvent = h;
}

void THidDeviceController::SetOnDeviceDataError(const THidDataErrorEvent &h)
{
    if (h == FDevDataErrorEvent)
        return;
    for (THidDevice *dev : FList)
        if (dev->OnDataError() == FDevDataErrorEvent)
            dev->SetOnDataError(h);
    FDevDataErrorEvent = h;
}

void THidDeviceController::SetOnDeviceUnplug(const THidPlugEvent &h)
{
    if (h == FDevUnplugEvent)
        return;
    for (THidDevice *dev : FList)
        if (dev->OnUnplug() == FDevUnplugEvent)
            dev->SetOnUnplug(h);
    FDevUnplugEvent = h;
}
