#pragma once
#include "Form.h"

#include "ChannelLinkHost.h"
#include "ConnectOption.h"
#include "LMainLinkUi.h"
#include "LSysLinkFactory.h"
#include "LanguageTable.h"
#include "PageHost.h"

#include <QHash>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

class EditorCurves;
class EditorPage;
class LMainLink;
class LMainLinkHid;
class MainDialogs;
class TSkBmpButton;
class TSmSplashScreen;
class TSkGroupBox;
class TgXYPlot;
class TLabel;
class TMainMenu;
class TMenuItem;
class TPanel;

// The editor's main window: the menu, the link button and the status labels
// around the pages, and the windows' side of the connection logic, which it
// owns and forwards to.
class TfmMain : public TForm, public LMainLinkUi, public PageHost, public ChannelLinkHost {
public:
    explicit TfmMain(TComponent *AOwner);
    ~TfmMain() override;

    // The scan of the connect window tries only this address when given
    // (set before the window is created: FormCreate reads it).
    static ConnectOption connectOption;

    LMainLink &MainLink() { return *mainLink; }
    LSysLinkFactory &Factory() { return factory; }
    // The HID controller's side: the processor while it is plugged in over USB.
    LMainLinkHid &LinkHid() { return *linkHid; }
    // The processor is held over USB: the connect scan tries it first.
    bool HasHidDevice() const;
    const QString &Language() const { return language; }
    void SetLanguage(const QString &Name); // "English" or "ChineseGB"
    void ApplyLanguage();
    QString TranslateQ(const char *Sid) const override;
    int MayClose() const { return mayClose; }
    void SetMayClose(int Flag) { mayClose = Flag; }
    bool DiscoverDevices() { return factory.DiscoverDevices(); }
    // The network device's address (first octet in the high byte); 0 leaves
    // the network out of the connect scan.
    uint32_t DeviceAddress() const { return deviceAddress; }
    void SetDeviceAddress(uint32_t Packed) { deviceAddress = Packed; }
    bool HasDeviceAddress() const { return deviceAddress != 0; }
    int CurrentPage() const override { return currentPage; }
    void SetCurrentPage(int Page) override { currentPage = Page; }
    void GrantExtraResend() override;
    void PageShown(int Page, int Shown) override;
    void ShowChannelName(int Channel) override;

    // System message box; tests replace it.
    std::function<void(const QString &Text)> messageBox;

    // LMainLinkUi.
    std::string Translate(const std::string &sid) override;
    void ShowInformation(const std::string &text, std::function<void()> closed) override;
    void SetBusyStatus(const std::string &text) override;
    void SetBusyMax(int max) override;
    void SetBusyPosition(int position) override;
    void ShowBusy(bool modal) override;
    void CloseBusy() override;
    void BusyInterrupted(const std::string &why) override;
    void ConnectResult(bool connected) override;
    void ShowLinkBroken() override;
    bool IsConnectDialogConnected() override;
    bool IsConnectDialogVisible() override;
    void HideConnectDialog() override;
    void ShowConnectDialog() override;
    void ClearScanProgress() override;
    void StartConnectScan() override;
    void SetStorePresetName(int row, const std::string &name) override;
    void SetRecallPresetName(int row, const std::string &name) override;
    void AskSaveFileName(FileKind kind, std::function<void(const std::string &)> chosen) override;
    void AskOpenFileName(FileKind kind, std::function<void(const std::string &)> chosen) override;
    void ShowUnlockDialog() override;
    void SetUnlockResult(uint8_t answer) override;
    void ShowFactoryConfirmation() override;
    void SetWindowCaption(const std::string &text) override;
    void SetLinkButtonCaption(const std::string &text) override;
    void SetConnectItemCaption(const std::string &text) override;
    void SetLinkButtonEnabled(bool enabled) override;
    void SetLinkButtonDown(bool down) override;
    void SetInterfaceLabel(const std::string &text) override;
    void SetDeviceIdLabel(const std::string &text) override;
    void SetPresetLabels(const std::string &number, const std::string &name) override;
    void SetMainWindowEnabled(bool enabled) override;
    void SetStatusLabel(const std::string &text) override;
    void RefreshAllPages() override;
    void ClearPeqBandSelection() override;
    void HideGeqBandOverlay() override;
    void InvalidateCurve(int channel) override;
    void ShowLevels(const LevelDisplay &levels) override;
    void ResetMeters() override;
    void ShowMessageBox(const std::string &text) override;
    bool IsTrafficLogVisible() override;
    void AddTrafficLine(const std::string &line) override;

    // Link groups (ChannelLinkHost): masks of the model, the channel copy and
    // the reload after a link change (online: an upload from the device once
    // it has answered every frame queued before), the link look.
    int GetLinkMask(int Channel) override;
    void SetLinkMask(int Channel, int Mask) override;
    int FindGroupLinkMask(int Channel);
    void CopyChannel(int From, int To, bool Reload) override;
    void ReloadAfterLinkChange() override;
    void SetLinkedMenuCaption(int Leader, int Member) override;
    void RefreshLinkedShowButtons(int Channel, bool Visible) override;
    void ShowGainPage() override;
    void SelectGeqInputA() override;

    // Makes the dialogs and points the menu at them; until then the calls that
    // reach dialogs answer as if none were shown.
    void CreateDialogs();
    MainDialogs *Dialogs() const { return dialogs.get(); }

    // Menu.
    TMainMenu *MainMenu;
    TMenuItem *File, *Open, *Save, *Upload, *Download, *FactoryDefault, *Exit;
    TMenuItem *Link, *Copy, *Lock, *SettingID, *NetworkSetup, *TestTone, *ChNameList;
    TMenuItem *LanguageSel, *ChineseSimplified, *ChineseTraditional, *English;
    TMenuItem *Help, *Rs232Code, *MemoShow, *HidData, *LockSetup;
    TMenuItem *BlockDiagram, *Connect, *Connected, *ConnectHelp, *About;

    TSmSplashScreen *asScreen = nullptr;
    TSkBmpButton *skbMenuLink;
    TLabel *lbConInterface, *lbShowIdNumber, *lbShowIp, *lbStatus;
    TSkGroupBox *skgPreset;
    TLabel *lbPstNum, *lbPstName;
    TgXYPlot *ipComp, *ipLimit, *ipGate;

    // Named controls of the layout, looked up with the case of the name ignored.
    TControl *FindControl(const QString &Name) const override;
    void RegisterControl(TControl *Control) override;

    // PageHost.
    TComponent *ControlOwner() override { return this; }
    LUnitControl &Model() override;
    bool IsUpdatingControls() const override;
    void SetUpdatingControls(bool On) override;
    bool IsBuildingPages() const override { return isBuildingPages; }
    bool IsEnglish() const override { return language == "English"; }
    void SendCommand(const LCmd &Cmd, bool Append) override;
    uint8_t DeviceId() const override;
    EditorCurves &Curves() override;
    void ShowEqReset(int Target) override;
    // Every page, each made (see MakeAllPages).
    const std::vector<std::unique_ptr<EditorPage>> &Pages();
    // The window is made with the pages its start page shows; the others are
    // made once it has painted, or as soon as a control of theirs is looked
    // up, a page is shown or the pages are refreshed, whichever comes first.
    // They are then filled, captioned and stretched as if made with the window.
    void MakeAllPages() override;
    // Tests: make every page with the window, as one list.
    static bool makePagesAtOnce;
    int ControlCount() const { return int(byName.size()); }

    int MatrixRowPitch() const override { return matrixRowPitch; }
    void FormResize();

private:
    // A grab of a curve handle ends when the link goes or comes, whatever
    // becomes of the press's release.
    void EndGrabs();
    // The link dialog's row of a channel and its publication of the grid to
    // the menu buttons; nothing while the dialog does not exist.
    void ShowLinkRow(int Channel);
    void PublishLinks();
    // Once the device has answered every frame queued so far: transfer state
    // 6 and a code 18 frame, whose acknowledgement starts the full upload.
    void UploadWhenAnswered();
    void BuildMenu();
    void BuildControls();
    void FormCreate();
    void FormClose(TCloseAction &Action);
    // The window's first paint sends for the pages not made yet.
    void Paint() override;
    // Calls F for each page made so far, in the list's order: the window's
    // own passes (captions, stretch), which MakeAllPages repeats for the rest.
    template <class F> void ForMadePages(F f)
    {
        for (size_t i = 0; i < pages.size(); ++i)
            if (pageMade[i])
                f(*pages[i]);
    }
    // The pages made first (none while the window is being made): what the
    // connection logic and the dialogs tell the pages reaches every one.
    template <class F> void ForEachPage(F f)
    {
        MakeAllPages();
        ForMadePages(f);
    }
    void SeedTransferPlots();
    // Every size change, from code or the window system, runs FormResize.
    void Resize() override;
    void LanguageClick(TMenuItem *Item);
    void ExitClick();

    LanguageTable englishTable, chineseTable;
    QString language = "English";
    int mayClose = 0;
    int currentPage = 14;
    bool isBuildingPages = false;
    int compPlotChannel = 4, gatePlotChannel = 0, limitPlotChannel = 4;
    int matrixRowPitch = 0;
    uint32_t deviceAddress = 0;
    bool linkButtonDown = false;
    QHash<QString, TControl *> byName;

    LSysLinkFactory factory;
    std::unique_ptr<LMainLink> mainLink;
    // Serves mainLink and factory: destroyed before them.
    std::unique_ptr<LMainLinkHid> linkHid;
    std::unique_ptr<MainDialogs> dialogs;
    std::unique_ptr<EditorCurves> curves;
    std::vector<std::unique_ptr<EditorPage>> pages;
    std::vector<bool> pageMade;
    // None until the window is made; then Later while pages wait, All once made.
    enum class PagesState { Making, Later, All } pagesState = PagesState::Making;
    // The controls of the pages made with the window, in the order made: they
    // go back on top of their siblings once the others are made.
    std::vector<TControl *> startControls;
    bool madeSent = false; // the first paint sent for the other pages
};

extern TfmMain *fmMain;
