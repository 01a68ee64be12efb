#pragma once
#include "ComponentStream.h"
#include "DateTime.h"
#include "JPEGImage.h"
#include "gComponent.h"

#include <QByteArray>
#include <QStringList>
#include <vector>
#include <memory>
#include <mutex>

class QPainter;
class TMetafile;
class TgOPCItem;
class TgOPCItemManager;

using TIndexObjectEvent = std::function<void(TObject *Sender, int Index)>;
using TBeforeOPCNewDataEvent = std::function<void(TObject *Sender, int Index, QVariant &Data)>;

// The windowed layer of the plot-library controls: the lock their paint and
// data changes share, a private timer (a first delay, then a steady
// interval), image export and the setting of published properties from
// variants by name (for OPC values and colour schemes).
class TgVCLComponent : public TgComponent, public IDefinesProperties {
public:
    explicit TgVCLComponent(TComponent *AOwner);
    ~TgVCLComponent() override;

    // A recursive lock; does nothing while the control is being destroyed.
    void Lock() override;
    void Unlock() override;

    bool GetTimerActive() const override { return FTimerActive; }
    // Nothing while a timer runs; FirstDelay 0 starts with Interval, both 0
    // start nothing. OnInternalTimer fires on every message.
    void TimerStart(int FirstDelay, int Interval) override;
    void TimerStop() override;
    TNotifyEvent OnInternalTimer;

    // The whole control painted onto DC with its top-left at (X, Y), clipped
    // to its size, cached drawing off meanwhile, under the lock; a failure
    // draws nothing more and raises nothing.
    void gPaintToDC(int X, int Y, bool Transparent, QPainter *DC);

    // Nothing (no repaint) when the bounds stay the same.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // A transparent control shows what lies under it: what its window holds
    // under it is taken at the next paint there that renews the whole
    // control (until then the background colour stands in), and taken again
    // after every move, resize and RepaintAll.
    bool Transparent() const { return FTransparentBitmap != nullptr; }
    void SetTransparent(bool Value);
    void RequestTransparentCapture();
    void RepaintAll() override;

    // The control drawn and encoded; files are written whole or not at all.
    // Compression out of range raises "Compression must be in the range of
    // 1-100" (JPEG) or "... 0-9" (PNG) before drawing.
    void SaveImageToJPEG(const QString &FileName, int Compression, bool Progressive);
    void SaveImageToPNG(const QString &FileName, int Compression);
    QByteArray GetBytesJPEG(int Compression, bool Progressive);
    QByteArray GetBytesPNG(int Compression);
    // A new compressed JPEG picture of the control (24-bit, quality =
    // Compression, progressive as asked); the caller frees it.
    TJPEGImage *CreateJPEGImage(int Compression, bool Progressive);
    // The control drawn into Metafile, which takes the control's size, with
    // the creator "Tarvex" and Description; an Enhanced Metafile file of it
    // (no description).
    void PaintToMetafile(TMetafile *Metafile, const QString &Description);
    void SaveImageToMetaFile(const QString &FileName);

    // OPC items (thin calls on the item manager); values the server sends
    // are written into the bound properties, property changes that are not
    // such an echo go out to the active items bound to them.
    int OPCAddItem();
    int OPCItemCount() const;
    void OPCRemoveAllItems();
    void OPCDeleteItem(int Index);
    TgOPCItem *OPCItem(int Index) const;
    TgOPCItemManager *OPCItemManager() const { return FOPCItemManager.get(); }
    void OPCItemActivate(int Index);
    void OPCItemDeactivate(int Index);
    void OPCItemUpdateResume(int Index);
    void OPCItemUpdateSuspend(int Index);
    void OPCItemLoaded(int Index);
    void SetOPCItemData(int Index, const QVariant &Value);
    void SetOPCItemComputerName(int Index, const QString &Value);
    void SetOPCItemServerName(int Index, const QString &Value);
    void SetOPCItemItemName(int Index, const QString &Value);
    void SetOPCItemPropertyName(int Index, const QString &Value);
    void SetOPCItemAutoConnect(int Index, bool Value);
    void SetOPCItemUpdateRate(int Index, int Value);
    QString GetOPCItemComputerName(int Index) const;
    QString GetOPCItemServerName(int Index) const;
    QString GetOPCItemItemName(int Index) const;
    QString GetOPCItemPropertyName(int Index) const;
    bool GetOPCItemAutoConnect(int Index) const;
    int GetOPCItemUpdateRate(int Index) const;
    QVariant GetOPCItemData(int Index) const;
    int GetOPCItemQuality(int Index) const;
    TDateTime GetOPCItemTimeStamp(int Index) const;
    bool OPCPropertyChanged(const QString &PropertyName, const QVariant &Value) override;
    TBeforeOPCNewDataEvent OnBeforeNewOPCData;
    TIndexObjectEvent OnNewOPCData;

    // Colour schemes from "<vendor path><class>.xml" and "<user path><class>User.xml",
    // the paths read from the registry key "SOFTWARE\Tarvex\Themes" (the
    // user's values over the machine's). A malformed file raises "Error
    // Loading Scheme. XML File Malformed" and keeps what was read before.
    void LoadThemes();
    int GetThemeCategoryCount() const { return static_cast<int>(FThemeCategoryList.size()); }
    QString GetThemeCategoryName(int CategoryIndex) const;
    int GetThemeCategorySchemeCount(int CategoryIndex) const;
    QString GetThemeCategorySchemeName(int CategoryIndex, int SchemeIndex) const;
    bool GetThemeCategorySchemeIsUser(int CategoryIndex, int SchemeIndex) const;
    // Sets each property line of the scheme through SetPropertyByPath.
    void ApplyScheme(int CategoryIndex, int SchemeIndex);

    // "OPCItems", written when the control has items.
    void DefineProperties(TFiler *Filer) override;

protected:
    void DrawBackGround(TCanvas *Canvas, TColor Color) override;
    // WM_GETDLGCODE claims all keys (Enter and Escape stay with the control),
    // not the arrows or Tab; CM_WANTSPECIALKEY claims what IsWantedKey sets.
    void WndProc(TMessage &Message) override;
    // True when a descendant applied an incoming value itself.
    virtual bool OPCApplyIncomingValue(const QString &PropertyName, QVariant &Value) { return false; }

private:
    struct Scheme {
        QString name;
        bool user = false;
        QStringList lines; // "name = value"
    };
    struct Category {
        QString name;
        std::vector<Scheme> schemes;
    };
    const Category &CategoryAt(int Index) const;
    const Scheme &SchemeAt(int CategoryIndex, int SchemeIndex) const;
    void LoadSchemeFile(const QString &FileName, bool User);
    void OPCNewData(TObject *Sender);
    QImage Picture();
    std::recursive_mutex FDataCriticalSection;
    TTimer *FTimer = nullptr;
    bool FTimerActive = false;
    bool FTimerFirstMessage = false;
    int FTimerInterval = 0;
    std::unique_ptr<TgOPCItemManager> FOPCItemManager;
    bool FOPCIncomingActive = false;
    bool FPaintDCTransparent = false;
    void CaptureTransparentBackground();
    std::unique_ptr<TBitmap> FTransparentBitmap;
    bool FNeedsTransparentCapture = false;
    std::vector<Category> FThemeCategoryList;
};

// The plot components, check box and radio group derive from this.
class TgCustomComponent : public TgVCLComponent {
public:
    using TgVCLComponent::TgVCLComponent;
};

// Sets every writable property of Instance (and of its sub-objects, under
// dotted names) whose full name is PropertyName, ignoring case, from Value's
// text: ordinals by StrToInt ("True"/"False" for enumerations, any text but
// "0" for a Boolean), floats by StrToFloat, texts unchanged. Raises
// EConvertError for a value that does not convert or an ordinal out of range.
void SetPropertyByPath(TObject *Instance, const QString &Path, const QVariant &Value, const QString &PropertyName);
