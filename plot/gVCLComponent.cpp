#include "gVCLComponent.h"

#include "Bitmap.h"
#include "Exceptions.h"
#include "FloatFormat.h"
#include "ImageWriters.h"
#include "Metafile.h"
#include "Registry.h"
#include "Stream.h"
#include "Timer.h"
#include "WindowPixels.h"
#include "gXMLMemoryStream.h"
#include "gOPCItem.h"

#include <QFile>
#include <QPainter>

TgVCLComponent::TgVCLComponent(TComponent *AOwner)
    : TgComponent(AOwner), FOPCItemManager(std::make_unique<TgOPCItemManager>(this))
{
    FOPCItemManager->OnGetDesigning = [this](TObject *s, bool &d) { OPCGetDesigning(s, d); };
    FOPCItemManager->OnGetType = [this](TObject *s, const QString &n, TTypeKind &k) { OPCGetPropertyType(s, n, k); };
    FOPCItemManager->OnNewData = [this](TObject *s) { OPCNewData(s); };
    FOPCItemManager->OnErrorState = [this](bool e) { SetErrorActive(e); };
    FTimer = new TTimer(this);
    FTimer->SetEnabled(false);
    FTimer->OnTimer = [this](TObject *) {
        if (FTimerFirstMessage) {
            FTimerFirstMessage = false;
            FTimer->SetInterval(static_cast<unsigned>(std::max(FTimerInterval, 1)));
        }
        if (OnInternalTimer)
            OnInternalTimer(this);
    };
}

TgVCLComponent::~TgVCLComponent()
{
    FOPCItemManager.reset(); // the items deactivate while the control still stands
}

int TgVCLComponent::OPCAddItem()
{
    return FOPCItemManager->Add();
}

int TgVCLComponent::OPCItemCount() const
{
    return FOPCItemManager->Count();
}

void TgVCLComponent::OPCRemoveAllItems()
{
    FOPCItemManager->Clear();
}

void TgVCLComponent::OPCDeleteItem(int Index)
{
    FOPCItemManager->Delete(Index);
}

TgOPCItem *TgVCLComponent::OPCItem(int Index) const
{
    return FOPCItemManager->Item(Index);
}

void TgVCLComponent::OPCItemActivate(int Index) { OPCItem(Index)->Activate(); }
void TgVCLComponent::OPCItemDeactivate(int Index) { OPCItem(Index)->Deactivate(); }
void TgVCLComponent::OPCItemUpdateResume(int Index) { OPCItem(Index)->UpdateResume(); }
void TgVCLComponent::OPCItemUpdateSuspend(int Index) { OPCItem(Index)->UpdateSuspend(); }
void TgVCLComponent::OPCItemLoaded(int Index) { OPCItem(Index)->Loaded(); }
void TgVCLComponent::SetOPCItemData(int Index, const QVariant &Value) { OPCItem(Index)->SetData(Value); }
void TgVCLComponent::SetOPCItemComputerName(int Index, const QString &Value) { OPCItem(Index)->SetComputerName(Value); }
void TgVCLComponent::SetOPCItemServerName(int Index, const QString &Value) { OPCItem(Index)->SetServerName(Value); }
void TgVCLComponent::SetOPCItemItemName(int Index, const QString &Value) { OPCItem(Index)->SetItemName(Value); }
void TgVCLComponent::SetOPCItemPropertyName(int Index, const QString &Value) { OPCItem(Index)->SetPropertyName(Value); }
void TgVCLComponent::SetOPCItemAutoConnect(int Index, bool Value) { OPCItem(Index)->SetAutoConnect(Value); }
void TgVCLComponent::SetOPCItemUpdateRate(int Index, int Value) { OPCItem(Index)->SetUpdateRate(Value); }
QString TgVCLComponent::GetOPCItemComputerName(int Index) const { return OPCItem(Index)->ComputerName(); }
QString TgVCLComponent::GetOPCItemServerName(int Index) const { return OPCItem(Index)->ServerName(); }
QString TgVCLComponent::GetOPCItemItemName(int Index) const { return OPCItem(Index)->ItemName(); }
QString TgVCLComponent::GetOPCItemPropertyName(int Index) const { return OPCItem(Index)->PropertyName(); }
bool TgVCLComponent::GetOPCItemAutoConnect(int Index) const { return OPCItem(Index)->AutoConnect(); }
int TgVCLComponent::GetOPCItemUpdateRate(int Index) const { return OPCItem(Index)->UpdateRate(); }
QVariant TgVCLComponent::GetOPCItemData(int Index) const { return OPCItem(Index)->Data(); }
int TgVCLComponent::GetOPCItemQuality(int Index) const { return OPCItem(Index)->Quality(); }
TDateTime TgVCLComponent::GetOPCItemTimeStamp(int Index) const { return OPCItem(Index)->TimeStamp(); }

void TgVCLComponent::OPCNewData(TObject *Sender)
{
    auto *item = dynamic_cast<TgOPCItem *>(Sender);
    if (!item || item->PropertyName().isEmpty())
        return;
    const int index = FOPCItemManager->FindIndex(item);
    QVariant value = item->Data();
    if (OnBeforeNewOPCData)
        OnBeforeNewOPCData(this, index, value);
    struct Incoming {
        bool &f;
        explicit Incoming(bool &v) : f(v) { f = true; }
        ~Incoming() { f = false; }
    } incoming(FOPCIncomingActive);
    if (item->GetQualityGood() && !OPCApplyIncomingValue(item->PropertyName(), value))
        SetPropertyByPath(this, QString(), value, item->PropertyName());
    if (OnNewOPCData)
        OnNewOPCData(this, index);
}

bool TgVCLComponent::OPCPropertyChanged(const QString &PropertyName, const QVariant &Value)
{
    if (FOPCIncomingActive) {
        FOPCIncomingActive = false; // the echo of an incoming value goes nowhere
        return false;
    }
    bool sent = false;
    for (int i = 0; i < FOPCItemManager->Count(); ++i) {
        TgOPCItem *item = FOPCItemManager->Item(i);
        if (item->GetActive() && item->PropertyName().compare(PropertyName, Qt::CaseInsensitive) == 0) {
            item->SetData(Value);
            sent = true;
        }
    }
    return sent;
}

void TgVCLComponent::DefineProperties(TFiler *Filer)
{
    Filer->DefineProperty(
        QStringLiteral("OPCItems"), [this](TReader *r) { FOPCItemManager->ReadFromStream(r); },
        [this](TWriter *w) { FOPCItemManager->WriteToStream(w); }, FOPCItemManager->DoWriteToStream());
}

void TgVCLComponent::Lock()
{
    if (!ComponentState().Contains(csDestroying))
        FDataCriticalSection.lock();
}

void TgVCLComponent::Unlock()
{
    if (!ComponentState().Contains(csDestroying))
        FDataCriticalSection.unlock();
}

void TgVCLComponent::TimerStart(int FirstDelay, int Interval)
{
    if (FTimerActive)
        return;
    FTimerInterval = Interval;
    int first = 0;
    if (FirstDelay != 0) {
        first = FirstDelay;
        FTimerFirstMessage = true;
    } else if (Interval != 0) {
        first = Interval;
    } else {
        return;
    }
    FTimer->SetInterval(static_cast<unsigned>(std::max(first, 1)));
    FTimer->SetEnabled(true);
    FTimerActive = true;
}

void TgVCLComponent::TimerStop()
{
    FTimer->SetEnabled(false);
    FTimerActive = false;
    FTimerFirstMessage = false;
}

void TgVCLComponent::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (ALeft == Left() && ATop == Top() && AWidth == Width() && AHeight == Height())
        return;
    TgComponent::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FTransparentBitmap && AWidth > 0 && AHeight > 0)
        FTransparentBitmap->SetSize(AWidth, AHeight);
    RequestTransparentCapture();
    if (AWidth > 0 && AHeight > 0 && CachedDrawing())
        GetBackGroundBitmap()->SetSize(AWidth, AHeight);
    BackGroundChange();
}

void TgVCLComponent::SetTransparent(bool Value)
{
    if (Value == Transparent())
        return;
    TControlStyle style = ControlStyle();
    if (Value) {
        FTransparentBitmap = std::make_unique<TBitmap>(std::max(1, Width()), std::max(1, Height()));
        style.Include(csParentBackground);
        SetControlStyle(style);
        RequestTransparentCapture();
    } else {
        FTransparentBitmap.reset();
        FNeedsTransparentCapture = false;
        style.Exclude(csParentBackground);
        SetControlStyle(style);
    }
    BackGroundChange();
}

void TgVCLComponent::RequestTransparentCapture()
{
    if (!Transparent() || FNeedsTransparentCapture)
        return;
    FNeedsTransparentCapture = true;
    BackGroundChange();
}

void TgVCLComponent::RepaintAll()
{
    TgComponent::RepaintAll();
    RequestTransparentCapture();
}

void TgVCLComponent::WndProc(TMessage &Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DLGC_WANTALLKEYS; return;
    case CM_WANTSPECIALKEY: {
        TgComponent::WndProc(Message);
        Word key = static_cast<Word>(Message.WParam);
        int result = static_cast<int>(Message.Result);
        IsWantedKey(key, result);
        Message.Result = result;
        return;
    }
    default: TgComponent::WndProc(Message); return;
    }
}

void TgVCLComponent::DrawBackGround(TCanvas *Canvas, TColor Color)
{
    if (FPaintDCTransparent) {
        FBackGroundChanged = false;
        return;
    }
    if (!Transparent()) {
        TgComponent::DrawBackGround(Canvas, Color);
        return;
    }
    if (FNeedsTransparentCapture)
        CaptureTransparentBackground();
    FBackGroundChanged = false;
    Canvas->Draw(0, 0, FTransparentBitmap.get());
}

void TgVCLComponent::CaptureTransparentBackground()
{
    // Taken from the control's own window while it paints there, when this
    // paint renews the whole control (its corners, five pixels in): by then
    // the parent and the siblings below have been painted under it. Anything
    // else leaves the colour standing in and a later paint tries again.
    const int w = Width(), h = Height();
    bool seen = w > 0 && h > 0;
    for (TPoint p : {TPoint(5, 5), TPoint(w - 5, 5), TPoint(5, h - 5), TPoint(w - 5, h - 5)})
        seen = seen && WindowPtVisible(this, p);
    const QImage under = seen ? WindowPixels(this, TRect(0, 0, w, h)) : QImage();
    if (under.isNull()) {
        TCanvas *c = FTransparentBitmap->Canvas();
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(BackGroundColor());
        c->FillRect(TRect(0, 0, w, h));
        return;
    }
    FTransparentBitmap->SetImage(under);
    FNeedsTransparentCapture = false;
}

void TgVCLComponent::gPaintToDC(int X, int Y, bool Transparent, QPainter *DC)
{
    if (!DC)
        return;
    DC->save();
    DC->setClipRect(QRect(X, Y, Width(), Height()), Qt::IntersectClip);
    FPaintDCTransparent = Transparent;
    const bool cached = CachedDrawing();
    TCanvas canvas;
    try {
        Lock();
        struct Unlocked {
            TgVCLComponent *c;
            ~Unlocked() { c->Unlock(); }
        } unlock{this};
        canvas.Attach(DC, TPoint(X, Y), TRect(0, 0, Width(), Height()));
        SetCachedDrawing(false);
        PaintToCanvas(&canvas);
    } catch (const Exception &) {
        // a failed paint leaves the device as far as it got
    }
    canvas.Detach();
    SetCachedDrawing(cached);
    FPaintDCTransparent = false;
    DC->restore();
}

QImage TgVCLComponent::Picture()
{
    TBitmap bmp(Width(), Height());
    PaintToCanvas(bmp.Canvas());
    return bmp.Image();
}

namespace {

void CheckJpeg(int Compression)
{
    if (Compression < 1 || Compression > 100)
        throw Exception(QStringLiteral("Compression must be in the range of 1-100"));
}

void CheckPng(int Compression)
{
    if (Compression < 0 || Compression > 9)
        throw Exception(QStringLiteral("Compression must be in the range of 0-9"));
}

// Lock for the scope.
struct Locked {
    TgVCLComponent *c;
    explicit Locked(TgVCLComponent *x) : c(x) { c->Lock(); }
    ~Locked() { c->Unlock(); }
};

} // namespace

void TgVCLComponent::SaveImageToJPEG(const QString &FileName, int Compression, bool Progressive)
{
    CheckJpeg(Compression);
    SaveBytesAtomically(FileName, EncodeJPEG(Picture(), Compression, Progressive));
}

void TgVCLComponent::SaveImageToPNG(const QString &FileName, int Compression)
{
    CheckPng(Compression);
    SaveBytesAtomically(FileName, EncodePNG(Picture(), Compression));
}

void TgVCLComponent::PaintToMetafile(TMetafile *Metafile, const QString &Description)
{
    Metafile->SetSize(Width(), Height());
    TMetafileCanvas canvas(Metafile, QStringLiteral("Tarvex"), Description);
    PaintToCanvas(&canvas);
}

void TgVCLComponent::SaveImageToMetaFile(const QString &FileName)
{
    TMetafile metafile;
    PaintToMetafile(&metafile, QString());
    metafile.SaveToFile(FileName);
}

QByteArray TgVCLComponent::GetBytesJPEG(int Compression, bool Progressive)
{
    Locked lock(this);
    CheckJpeg(Compression);
    return EncodeJPEG(Picture(), Compression, Progressive, jpBestSpeed);
}

TJPEGImage *TgVCLComponent::CreateJPEGImage(int Compression, bool Progressive)
{
    Locked lock(this);
    CheckJpeg(Compression);
    auto *jpeg = new TJPEGImage;
    jpeg->CompressionQuality = Compression;
    jpeg->ProgressiveEncoding = Progressive;
    jpeg->SetImage(Picture());
    jpeg->Compress();
    return jpeg;
}

QByteArray TgVCLComponent::GetBytesPNG(int Compression)
{
    Locked lock(this);
    CheckPng(Compression);
    return EncodePNG(Picture(), Compression);
}

void SetPropertyByPath(TObject *Instance, const QString &Path, const QVariant &Value, const QString &PropertyName)
{
    for (const TPropInfo &p : GetPropList(Instance)) {
        if (!p.Writable)
            continue;
        const QString full = Path.trimmed().isEmpty() ? p.Name : Path + u'.' + p.Name;
        if (p.Kind == tkClass) {
            if (auto *sub = dynamic_cast<TPersistent *>(GetObjectProp(Instance, p)))
                SetPropertyByPath(sub, full, Value, PropertyName);
            continue;
        }
        if (full.compare(PropertyName, Qt::CaseInsensitive) != 0)
            continue;
        QString text = Value.toString();
        if (p.IsOrdinal()) {
            if (p.Kind == tkEnumeration) {
                if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
                    text = QStringLiteral("1");
                else if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
                    text = QStringLiteral("0");
                if (p.MinValue == 0 && p.MaxValue == 1 && text != QLatin1String("0"))
                    text = QStringLiteral("1");
            }
            SetOrdProp(Instance, p, StrToInt64(text));
        } else if (p.Kind == tkFloat) {
            SetFloatProp(Instance, p, StrToFloat(text));
        } else if (p.IsString()) {
            SetStrProp(Instance, p, text);
        }
    }
}

// -- themes -------------------------------------------------------------------

namespace {

[[noreturn]] void Malformed()
{
    throw Exception(QStringLiteral("Error Loading Scheme. XML File Malformed"));
}

// The two theme folders: the machine's values, replaced by the user's
// non-empty ones; a non-empty path ends in a separator.
void ReadThemePaths(QString &VendorPath, QString &UserPath)
{
    const QString key = QStringLiteral("SOFTWARE\\Tarvex\\Themes");
    for (TRootKey root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        TRegistry reg(root);
        if (!reg.OpenKeyReadOnly(key))
            continue;
        const QString vendor = reg.ReadString(QStringLiteral("Tarvex Defined Theme Path")).trimmed();
        const QString user = reg.ReadString(QStringLiteral("User Defined Theme Path")).trimmed();
        if (root == HKEY_LOCAL_MACHINE || !vendor.isEmpty())
            VendorPath = vendor;
        if (root == HKEY_LOCAL_MACHINE || !user.isEmpty())
            UserPath = user;
    }
    for (QString *p : {&VendorPath, &UserPath})
        if (!p->isEmpty() && !p->endsWith(u'/'))
            *p += u'/';
}

} // namespace

void TgVCLComponent::LoadThemes()
{
    FThemeCategoryList.clear();
    QString vendor, user;
    ReadThemePaths(vendor, user);
    const QString vendorFile = vendor + ClassName() + QStringLiteral(".xml");
    if (QFile::exists(vendorFile))
        LoadSchemeFile(vendorFile, false);
    const QString userFile = user + ClassName() + QStringLiteral("User.xml");
    if (QFile::exists(userFile))
        LoadSchemeFile(userFile, true);
}

void TgVCLComponent::LoadSchemeFile(const QString &FileName, bool User)
{
    TgXMLMemoryStream s;
    s.LoadFromFile(FileName);
    s.GotoElementStart(QStringLiteral("SchemeTypes"));
    while (s.PeekNextPiece() == QLatin1String("SchemeType")) {
        s.GotoElementStart(QStringLiteral("SchemeType"));
        const QString categoryName = s.GetElement(QStringLiteral("Name"));
        Category *category = nullptr;
        for (Category &c : FThemeCategoryList)
            if (c.name.compare(categoryName, Qt::CaseInsensitive) == 0)
                category = &c;
        if (!category) {
            FThemeCategoryList.push_back({categoryName, {}});
            category = &FThemeCategoryList.back();
        }
        while (s.PeekNextPiece() == QLatin1String("Scheme")) {
            s.GotoElementStart(QStringLiteral("Scheme"));
            Scheme scheme;
            scheme.name = s.GetElement(QStringLiteral("Name"));
            scheme.user = User;
            category->schemes.push_back(scheme);
            Scheme &added = category->schemes.back();
            s.GotoElementStart(QStringLiteral("Properties"));
            while (s.PeekNextPiece() != QLatin1String("/Properties")) {
                const QString tag = s.GetNextPiece();
                const QString value = s.GetElementValue();
                if (s.GetNameElementStop() != tag)
                    Malformed();
                if (!tag.isEmpty())
                    added.lines << tag + QStringLiteral(" = ") + value;
            }
            if (s.GetNextPiece() != QLatin1String("/Properties") || s.GetNextPiece() != QLatin1String("/Scheme"))
                Malformed();
        }
        if (s.GetNextPiece() != QLatin1String("/SchemeType"))
            Malformed();
    }
    if (s.GetNextPiece() != QLatin1String("/SchemeTypes"))
        Malformed();
}

const TgVCLComponent::Category &TgVCLComponent::CategoryAt(int Index) const
{
    if (Index < 0 || Index >= GetThemeCategoryCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FThemeCategoryList[static_cast<size_t>(Index)];
}

const TgVCLComponent::Scheme &TgVCLComponent::SchemeAt(int CategoryIndex, int SchemeIndex) const
{
    const Category &c = CategoryAt(CategoryIndex);
    if (SchemeIndex < 0 || SchemeIndex >= static_cast<int>(c.schemes.size()))
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(SchemeIndex));
    return c.schemes[static_cast<size_t>(SchemeIndex)];
}

QString TgVCLComponent::GetThemeCategoryName(int CategoryIndex) const
{
    return CategoryAt(CategoryIndex).name;
}

int TgVCLComponent::GetThemeCategorySchemeCount(int CategoryIndex) const
{
    return static_cast<int>(CategoryAt(CategoryIndex).schemes.size());
}

QString TgVCLComponent::GetThemeCategorySchemeName(int CategoryIndex, int SchemeIndex) const
{
    return SchemeAt(CategoryIndex, SchemeIndex).name;
}

bool TgVCLComponent::GetThemeCategorySchemeIsUser(int CategoryIndex, int SchemeIndex) const
{
    return SchemeAt(CategoryIndex, SchemeIndex).user;
}

void TgVCLComponent::ApplyScheme(int CategoryIndex, int SchemeIndex)
{
    const QStringList lines = SchemeAt(CategoryIndex, SchemeIndex).lines;
    for (const QString &line : lines) {
        const int eq = static_cast<int>(line.indexOf(u'='));
        const QString name = eq < 0 ? QString() : line.left(eq).trimmed();
        if (name.isEmpty())
            continue;
        SetPropertyByPath(this, QString(), line.mid(eq + 2), name); // the blank after "=" is dropped
    }
}
