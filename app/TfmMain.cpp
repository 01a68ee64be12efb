#include "TfmMain.h"

#include "Artwork.h"

#include "MainDialogs.h"

#include "Label.h"
#include "Application.h"
#include "FileDialogs.h"
#include "HandlerGuard.h"
#include "MainLayout.h"
#include "SmSplashScreen.h"
#include "SplashLayout.h"
#include "StatusBar.h"
#include "EditorCurves.h"
#include "EditorPage.h"
#include "EditorPages.h"
#include "LMainLink.h"
#include "LMainLinkHid.h"
#include "Menus.h"
#include "Panel.h"
#include "SharedConstants.h"
#include "SkBmpButton.h"
#include "SkGroupBox.h"
#include "SmProgressBar.h"
#include "TfmExit.h"
#include "TfmInformation.h"
#include "TfmNetwork.h"
#include "TfmProcess.h"
#include "gXYPlot.h"

#include <QMenuBar>
#include <QResizeEvent>
#include <QScrollBar>
#include <QMessageBox>
#include <QWidget>

#include <arpa/inet.h>

#include <limits>

TfmMain *fmMain = nullptr;
ConnectOption TfmMain::connectOption;
bool TfmMain::makePagesAtOnce = false;

namespace {

constexpr int kClientWidth = 1108;
constexpr int kClientHeight = 668;

QString Q(const std::string &s) { return QString::fromStdString(s); }

// The menu in layout order: parent (nullptr for the bar), name, caption key
// ("" keeps the layout caption), shown.
struct MenuRow {
    TMenuItem *TfmMain::*item;
    TMenuItem *TfmMain::*parent;
    const char *name;
    const char *sid;
    const char *layoutCaption;
    bool visible;
};

const MenuRow kMenu[] = {
    {&TfmMain::File, nullptr, "File", "SID_FILE", "File", true},
    {&TfmMain::Open, &TfmMain::File, "Open", "SID_OPEN", "Open", true},
    {&TfmMain::Save, &TfmMain::File, "Save", "SID_SAVE", "Save", true},
    {&TfmMain::Upload, &TfmMain::File, "Upload", "SID_UPLOAD", "Upload", true},
    {&TfmMain::Download, &TfmMain::File, "Download", "SID_DOWNLOAD", "Download", true},
    {&TfmMain::FactoryDefault, &TfmMain::File, "FactoryDefault", "SID_RETRUN_FACTORY", "Factory Default", false},
    {&TfmMain::Exit, &TfmMain::File, "Exit", "SID_EXIT", "Exit", true},
    {&TfmMain::Link, nullptr, "Link", "SID_LINK", "Link", true},
    {&TfmMain::Copy, nullptr, "Copy", "SID_COPY", "Copy", true},
    {&TfmMain::Lock, nullptr, "Lock", "SID_LOCK", "Lock", true},
    {&TfmMain::SettingID, nullptr, "SettingID", "SID_SET_ID", "Setting ID", false},
    // Shown by FormCreate.
    {&TfmMain::NetworkSetup, nullptr, "NetworkSetup", "SID_SET_NETWORK", "Network Setup", false},
    {&TfmMain::TestTone, nullptr, "TestTone", "SID_TEST_TONE", "Test Tone", true},
    {&TfmMain::ChNameList, nullptr, "ChNameList", "SID_CH_NAME_LIST", "Channel Name", true},
    {&TfmMain::LanguageSel, nullptr, "LanguageSel", "SID_LANGUAGE", "Language", true},
    {&TfmMain::ChineseSimplified, &TfmMain::LanguageSel, "ChineseSimplified", "SID_CHINESE_SIMPLIFIED", "简体中文", true},
    {&TfmMain::ChineseTraditional, &TfmMain::LanguageSel, "ChineseTraditional", "SID_CHINESE_TRODITIONAL", "繁體中文",
     false},
    {&TfmMain::English, &TfmMain::LanguageSel, "English", "SID_ENGLISH", "English", true},
    {&TfmMain::Help, nullptr, "Help", "SID_HELP", "Help", true},
    {&TfmMain::Rs232Code, &TfmMain::Help, "Rs232Code", "SID_RS232_CODE", "RS232 Code", true},
    {&TfmMain::MemoShow, &TfmMain::Help, "MemoShow", "", "Memo Show", false},
    {&TfmMain::HidData, &TfmMain::Help, "HidData", "", "HidData", false},
    {&TfmMain::LockSetup, &TfmMain::Help, "LockSetup", "SID_LOCK_SETUP", "Lock Setup", false},
    {&TfmMain::BlockDiagram, nullptr, "BlockDiagram", "SID_BLOCK", "Block Diagram", false},
    {&TfmMain::Connect, nullptr, "Connect", "SID_CONNECT", "Connect", false},
    {&TfmMain::Connected, &TfmMain::Connect, "Connected", "", "Connect", true},
    {&TfmMain::ConnectHelp, &TfmMain::Connect, "ConnectHelp", "SID_CONNECT_HELP", "Connect Help", false},
    {&TfmMain::About, nullptr, "About", "SID_ABOUT", "About", true},
};

// Packs dotted IPv4 text with the first octet in the high byte (0 when not an address).
uint32_t PackAddress(const std::string &text)
{
    in_addr a{};
    return inet_pton(AF_INET, text.c_str(), &a) == 1 ? ntohl(a.s_addr) : 0;
}

} // namespace

TfmMain::TfmMain(TComponent *AOwner) : TForm(AOwner, CreateNew)
{
    fmMain = this;
    SetName("fmMain");
    englishTable = LanguageTable::FromFile(":/lang/English.txt");
    chineseTable = LanguageTable::FromFile(":/lang/ChineseGB.txt");
    // The splash shows while the window is being built and goes on its first show.
    asScreen = new TSmSplashScreen(this);
    asScreen->SetName("asScreen");
    asScreen->BeginLoading();
    LoadProgramSplashLayout(asScreen);
    asScreen->EndLoading();
    Application->ProcessPendingNonInput();
    BuildMenu();
    BuildControls();
    SetPosition(poScreenCenter);
    OnClose = [this](TObject *, TCloseAction &Action) { FormClose(Action); };
    mainLink = std::make_unique<LMainLink>(this, &factory);
    // The HID controller is part of the window; its first enumeration runs
    // from the event loop, before the start timer's scan.
    linkHid = std::make_unique<LMainLinkHid>(*mainLink, factory, this);
    FormCreate();
    pagesState = makePagesAtOnce ? PagesState::All : PagesState::Later;
}

TfmMain::~TfmMain()
{
    // The connection logic calls back into this window and its dialogs: it goes
    // first, its HID side before it.
    linkHid.reset();
    mainLink.reset();
    dialogs.reset();
    if (fmMain == this)
        fmMain = nullptr;
}

void TfmMain::BuildMenu()
{
    MainMenu = new TMainMenu(this);
    MainMenu->SetName("MainMenu");
    for (const MenuRow &r : kMenu) {
        TMenuItem *item = new TMenuItem(this);
        item->SetName(r.name);
        item->SetCaption(QString::fromUtf8(r.layoutCaption));
        item->SetVisible(r.visible);
        (r.parent ? this->*r.parent : MainMenu->Items())->Add(item);
        this->*r.item = item;
    }
    English->SetChecked(true);
    Open->OnClick = [this](TObject *) { mainLink->OpenClick(); };
    Save->OnClick = [this](TObject *) { mainLink->SaveClick(); };
    Upload->OnClick = [this](TObject *) { mainLink->UploadClick(); };
    Download->OnClick = [this](TObject *) { mainLink->DownloadClick(); };
    FactoryDefault->OnClick = [this](TObject *) { mainLink->FactoryDefaultClick(); };
    Exit->OnClick = [this](TObject *) { ExitClick(); };
    Connected->OnClick = [this](TObject *) { mainLink->ConnectedClick(); };
    ChineseSimplified->OnClick = [this](TObject *) { LanguageClick(ChineseSimplified); };
    English->OnClick = [this](TObject *) { LanguageClick(English); };
    ChineseSimplified->SetTag(0);
    ChineseTraditional->SetTag(1);
    English->SetTag(2);
    // SettingID, BlockDiagram and ConnectHelp do nothing; the dialogs of the
    // other items are not part of this window.
    SetMenu(MainMenu);
}

void TfmMain::BuildControls()
{
    SetColor(TColor(0x303030));
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);
    MainLayout::Build(*this, this);
    pages = CreateEditorPages(*this);
    pageMade.assign(pages.size(), false);
    for (size_t i = 0; i < pages.size(); ++i) {
        if (!makePagesAtOnce && !pages[i]->OnStartPage())
            continue;
        const int first = ComponentCount();
        pages[i]->Build(this);
        pageMade[i] = true;
        for (int c = first; c < ComponentCount(); ++c)
            if (auto *control = dynamic_cast<TControl *>(Components(c)))
                startControls.push_back(control);
    }

    auto find = [this](const char *name) { return FindControl(QString::fromLatin1(name)); };
    skbMenuLink = static_cast<TSkBmpButton *>(find("skbMenuLink"));
    skbMenuLink->OnClick = [this](TObject *) { mainLink->skbMenuLinkClick(); };
    // The preset area's buttons open the store and recall lists.
    find("bStore")->OnClick = [this](TObject *) {
        if (dialogs)
            dialogs->ShowStorePresets();
    };
    find("bRecall")->OnClick = [this](TObject *) {
        if (dialogs)
            dialogs->ShowRecallPresets();
    };
    skgPreset = static_cast<TSkGroupBox *>(find("skgPreset"));
    lbPstNum = static_cast<TLabel *>(find("lbPstNum"));
    lbPstName = static_cast<TLabel *>(find("lbPstName"));
    lbConInterface = static_cast<TLabel *>(find("lbConInterface"));
    lbShowIdNumber = static_cast<TLabel *>(find("lbShowIdNumber"));
    lbShowIp = static_cast<TLabel *>(find("lbShowIp"));
    lbStatus = static_cast<TLabel *>(find("lbStatus"));
    lbStatus->SetVisible(false);
    ipComp = static_cast<TgXYPlot *>(find("ipComp"));
    ipLimit = static_cast<TgXYPlot *>(find("ipLimit"));
    ipGate = static_cast<TgXYPlot *>(find("ipGate"));
}

TControl *TfmMain::FindControl(const QString &Name) const
{
    const QString key = Name.toUpper();
    if (TControl *c = byName.value(key, nullptr))
        return c;
    if (pagesState != PagesState::Later)
        return nullptr;
    const_cast<TfmMain *>(this)->MakeAllPages();
    return byName.value(key, nullptr);
}

const std::vector<std::unique_ptr<EditorPage>> &TfmMain::Pages()
{
    MakeAllPages();
    return pages;
}

void TfmMain::MakeAllPages()
{
    if (pagesState != PagesState::Later)
        return;
    pagesState = PagesState::All; // lookups while they are made look no further
    for (size_t i = 0; i < pages.size(); ++i)
        if (!pageMade[i]) {
            pages[i]->Build(this);
            pageMade[i] = true;
        }
    // The start page's controls were made first; made at once they would
    // have come last: above the other pages' controls in the same frames,
    // and after them in the tab order.
    for (TControl *c : startControls) {
        c->BringToFront();
        if (auto *w = dynamic_cast<TWinControl *>(c))
            w->SetTabOrder(std::numeric_limits<int>::max());
    }
    startControls.clear();
    FormResize();
    ApplyLanguage();
    isBuildingPages = true;
    RefreshAllPages();
    isBuildingPages = false;
    SeedTransferPlots(); // the refresh drew their pages' curves: seeded after it, as at start
    Artwork::PaintControls(*this);
    Artwork::SharePictures(*this);
}

void TfmMain::Paint()
{
    TForm::Paint();
    if (pagesState == PagesState::Later && !madeSent) {
        madeSent = true;
        QTimer::singleShot(0, Widget(), [this] { GuardHandler("timer", Name(), [this] { MakeAllPages(); }); });
    }
}

void TfmMain::RegisterControl(TControl *Control)
{
    byName.insert(Control->Name().toUpper(), Control);
}

LUnitControl &TfmMain::Model() { return mainLink->Model(); }

void TfmMain::GrantExtraResend() { mainLink->GrantExtraResend(); }

bool TfmMain::IsUpdatingControls() const { return mainLink->IsUpdatingControls(); }
void TfmMain::SetUpdatingControls(bool On) { mainLink->SetUpdatingControls(On); }

void TfmMain::SendCommand(const LCmd &Cmd, bool Append) { mainLink->SendCommand(Cmd, Append); }

uint8_t TfmMain::DeviceId() const { return mainLink->GetDeviceId(); }

void TfmMain::ShowEqReset(int Target)
{
    if (dialogs)
        dialogs->ShowEqReset(Target);
}

EditorCurves &TfmMain::Curves()
{
    if (!curves)
        curves = std::make_unique<EditorCurves>(*this);
    return *curves;
}

void TfmMain::Resize()
{
    TForm::Resize();
    FormResize();
}

void TfmMain::FormResize()
{
    if (pages.empty())
        return; // still being built
    const int width = Width(), height = Height();
    const int dh = height - 720, dw = width - 1118;
    // Below the base the pages keep their size and the window scrolls; a
    // direction below the base keeps the positions of its last stretch.
    SetAutoScroll(width < 1118 || height < 720);
    if (dh >= 0)
        matrixRowPitch = dh;
    // A missing control ends the resize where it stands.
    bool whole = MainLayout::Stretch(*this, dw, dh, dh >= 0, dw >= 0);
    ForMadePages([&](EditorPage &page) { whole = whole && page.Stretch(dw, dh, dh >= 0, dw >= 0); });
    if (!whole)
        return;
    if (TControl *main = FindControl("skgMain")) {
        main->SetVisible(false);
        main->SetVisible(true);
    }
}

void TfmMain::SeedTransferPlots()
{
    const double comp[][2] = {{20, 20}, {-10, -10}, {-10, -10}, {-100, -100}};
    const double gate[][2] = {{20, 20}, {-90, -90}, {-90, -100}};
    auto seed = [](TgXYPlot *Plot, int Channel, const double (*Points)[2], int Count) {
        TgXYPlotChannel *c = Plot->GetChannel(Channel);
        c->DeletePoints(c->Count());
        for (int i = 0; i < Count; ++i)
            c->AddXY(Points[i][0], Points[i][1]);
    };
    const double compMarker[][2] = {{19.8, 20.4}}, gateMarker[][2] = {{-89.8, -90.4}};
    for (TgXYPlot *plot : {ipComp, ipLimit}) {
        seed(plot, 0, comp, 4);
        seed(plot, 1, compMarker, 1);
    }
    seed(ipGate, 0, gate, 3);
    seed(ipGate, 1, gateMarker, 1);
}

void TfmMain::FormCreate()
{
    SetCaption(QString("%1 %2").arg(SharedConstants::kTitle, SharedConstants::kVersion));
    mainLink->SetDeviceId(1);
    currentPage = 14;
    gatePlotChannel = 0;
    compPlotChannel = 4;
    limitPlotChannel = 4;
    matrixRowPitch = 0;
    language = "English";
    ChineseSimplified->SetChecked(false);
    ChineseTraditional->SetChecked(false);
    English->SetChecked(true);
    SetBounds(Left(), Top(), 1118, 720);
    FormResize();
    ApplyLanguage();
    isBuildingPages = true;
    RefreshAllPages();
    isBuildingPages = false;
    // The Gain page is the start page.
    for (const char *front : {"skgFftGain", "skgParamGain"})
        if (TControl *c = FindControl(QString::fromLatin1(front)))
            c->BringToFront();
    mainLink->StartConnectTimer();
    SeedTransferPlots();
    // The network device: the default address, or the one address of the test option.
    const std::string address =
        connectOption.given ? connectOption.host : std::string(SharedConstants::kDefaultDeviceAddress);
    const uint16_t port = connectOption.given ? connectOption.port : SharedConstants::kDevicePort;
    factory.SetNetAddress(address, port);
    deviceAddress = PackAddress(address);
    NetworkSetup->SetVisible(true);
    MainMenu->Rebuild();
    // The buttons' and sliders' pictures, drawn once and shared; the last
    // step, so that a missing name ends the window's set-up here.
    Artwork::PaintControls(*this);
    Artwork::SharePictures(*this);
}

void TfmMain::FormClose(TCloseAction &Action)
{
    if (fmExit)
        fmExit->Show();
    if (mayClose != 1) {
        Action = caNone;
        return;
    }
    Action = caHide;
    if (fmExit)
        fmExit->Hide();
    mainLink->CloseLink();
}

void TfmMain::ExitClick()
{
    if (fmExit)
        fmExit->ShowModal();
}

void TfmMain::LanguageClick(TMenuItem *Item)
{
    SetLanguage(Item == English ? "English" : "ChineseGB");
}

void TfmMain::SetLanguage(const QString &Name)
{
    language = Name == "ChineseGB" ? "ChineseGB" : "English";
    ChineseSimplified->SetChecked(language == "ChineseGB");
    English->SetChecked(language == "English");
    ApplyLanguage();
}

void TfmMain::ApplyLanguage()
{
    for (const MenuRow &r : kMenu)
        if (*r.sid)
            (this->*r.item)->SetCaption(TranslateQ(r.sid));
    Connected->SetCaption(TranslateQ(mainLink && mainLink->IsOnline() ? "SID_DISCONNECT" : "SID_CONNECT"));
    skbMenuLink->SetCaption(TranslateQ(mainLink && mainLink->IsOnline() ? "SID_ONLINE" : "SID_OFFLINE"));
    for (const auto &[name, sid] : {std::pair{"lPreset", "SID_PRESET"}, std::pair{"lAddress", "SID_ADDRESS"},
                                    std::pair{"bStore", "SID_BT_STORE"}, std::pair{"bRecall", "SID_BT_RECALL"}})
        if (TControl *c = FindControl(QString::fromLatin1(name)))
            c->SetCaption(TranslateQ(sid));
    ForMadePages([](EditorPage &page) { page.ApplyLanguage(); });
    MainMenu->Rebuild();
}

QString TfmMain::TranslateQ(const char *Sid) const
{
    return (language == "ChineseGB" ? chineseTable : englishTable).Translate(QString::fromLatin1(Sid));
}

std::string TfmMain::Translate(const std::string &sid)
{
    return TranslateQ(sid.c_str()).toStdString();
}

// ---------------------------------------------------------------------------
// Information and busy windows

void TfmMain::ShowInformation(const std::string &text, std::function<void()> closed)
{
    if (fmInformation)
        fmInformation->ShowMessage(Q(text), std::move(closed));
    else if (closed)
        closed();
}

void TfmMain::SetBusyStatus(const std::string &text)
{
    if (fmProcess)
        fmProcess->StatusBar->SetSimpleText(Q(text));
}

void TfmMain::SetBusyMax(int max)
{
    if (fmProcess)
        fmProcess->ProgressBar->SetMax(max);
}

void TfmMain::SetBusyPosition(int position)
{
    if (fmProcess)
        fmProcess->ProgressBar->SetPosition(position);
}

void TfmMain::ShowBusy(bool modal)
{
    if (fmProcess)
        fmProcess->ShowBusy(modal);
}

void TfmMain::CloseBusy()
{
    if (fmProcess)
        fmProcess->CloseBusy();
}

void TfmMain::BusyInterrupted(const std::string &why)
{
    SetBusyStatus(Translate("SID_LINK_BROKEN") + ": " + why);
}

// ---------------------------------------------------------------------------
// Connect window

void TfmMain::ConnectResult(bool connected)
{
    EndGrabs();
    if (fmNetwork)
        fmNetwork->ConnectResult(connected);
}

void TfmMain::ShowLinkBroken()
{
    EndGrabs();
    if (fmNetwork)
        fmNetwork->ShowLinkBroken();
    CloseBusy();
}

bool TfmMain::IsConnectDialogConnected() { return fmNetwork && fmNetwork->IsConnected(); }
bool TfmMain::IsConnectDialogVisible() { return fmNetwork && fmNetwork->Visible(); }

void TfmMain::HideConnectDialog()
{
    if (fmNetwork)
        fmNetwork->HideDialog();
}

void TfmMain::ShowConnectDialog()
{
    EndGrabs();
    if (fmNetwork)
        fmNetwork->Show();
}

void TfmMain::ClearScanProgress()
{
    if (fmNetwork)
        fmNetwork->pbScan->SetPosition(0);
}

void TfmMain::StartConnectScan()
{
    if (fmNetwork)
        fmNetwork->StartScan();
}

// ---------------------------------------------------------------------------
// Dialog stand-ins

void TfmMain::CreateDialogs()
{
    if (dialogs)
        return;
    dialogs = std::make_unique<MainDialogs>(this);
    dialogs->Attach();
    dialogs->resetPeq = [this](int channel) {
        ForEachPage([channel](EditorPage &page) { page.ResetPeq(channel); });
    };
    dialogs->resetGeq = [this](int target) {
        ForEachPage([target](EditorPage &page) { page.ResetGeq(target); });
    };
}

void TfmMain::SetStorePresetName(int row, const std::string &name)
{
    if (dialogs)
        dialogs->SetStorePresetName(row, name);
}

void TfmMain::SetRecallPresetName(int row, const std::string &name)
{
    if (dialogs)
        dialogs->SetRecallPresetName(row, name);
}

namespace {

// The question for a ".prs" or ".unt" file; an empty name when cancelled.
std::string AskFileName(TFileDialog &&Dialog, LMainLinkUi::FileKind Kind, TCustomForm *Parent)
{
    const bool preset = Kind == LMainLinkUi::FileKind::Preset;
    Dialog.Filter = preset ? "Preset (*.prs)" : "Unit (*.unt)";
    Dialog.DefaultExt = preset ? "prs" : "unt";
    return Dialog.Execute(Parent) ? Dialog.FileName.toStdString() : std::string();
}

} // namespace

void TfmMain::AskSaveFileName(FileKind kind, std::function<void(const std::string &)> chosen)
{
    chosen(AskFileName(TSaveDialog(), kind, this));
}

void TfmMain::AskOpenFileName(FileKind kind, std::function<void(const std::string &)> chosen)
{
    chosen(AskFileName(TOpenDialog(), kind, this));
}

void TfmMain::ShowUnlockDialog()
{
    if (dialogs) {
        dialogs->ShowUnlockDialog();
        return;
    }
    // Without the password dialog a locked device cannot be unlocked: give the link up.
    QTimer::singleShot(0, Widget(), [this] { mainLink->CloseLink(); });
}

void TfmMain::SetUnlockResult(uint8_t answer)
{
    if (dialogs)
        dialogs->SetUnlockResult(answer);
}

void TfmMain::ShowFactoryConfirmation()
{
    if (dialogs)
        dialogs->ShowFactoryConfirmation();
}

bool TfmMain::IsTrafficLogVisible() { return dialogs && dialogs->IsTrafficLogVisible(); }

void TfmMain::AddTrafficLine(const std::string &line)
{
    if (dialogs)
        dialogs->AddTrafficLine(line);
}

// ---------------------------------------------------------------------------
// Captions and state

void TfmMain::SetWindowCaption(const std::string &text) { SetCaption(Q(text)); }
void TfmMain::SetLinkButtonCaption(const std::string &text) { skbMenuLink->SetCaption(Q(text)); }

void TfmMain::SetConnectItemCaption(const std::string &text)
{
    Connected->SetCaption(Q(text));
    MainMenu->Rebuild();
}

void TfmMain::SetLinkButtonEnabled(bool enabled)
{
    skbMenuLink->SetEnabled(enabled);
    Connect->SetEnabled(enabled);
}

void TfmMain::SetLinkButtonDown(bool down) { linkButtonDown = down; }
void TfmMain::SetInterfaceLabel(const std::string &text) { lbConInterface->SetCaption(Q(text)); }
void TfmMain::SetDeviceIdLabel(const std::string &text) { lbShowIdNumber->SetCaption(Q(text)); }

void TfmMain::SetPresetLabels(const std::string &number, const std::string &name)
{
    lbPstNum->SetCaption(Q(number));
    // The name is a fixed-size field: it ends at its first NUL.
    lbPstName->SetCaption(Q(std::string(name.c_str())));
}

void TfmMain::SetMainWindowEnabled(bool enabled) { SetEnabled(enabled); }

bool TfmMain::HasHidDevice() const { return linkHid && linkHid->HidDevice() != nullptr; }

void TfmMain::SetStatusLabel(const std::string &text)
{
    // The processor's leaving is shown only while the window is.
    if (text == "OffLine" && !Visible())
        return;
    lbStatus->SetCaption(Q(text));
}
void TfmMain::InvalidateCurve(int channel)
{
    ForEachPage([&channel](EditorPage &page) { page.InvalidateCurve(channel); });
}

void TfmMain::EndGrabs()
{
    ForMadePages([](EditorPage &page) { page.EndGrab(); });
}

void TfmMain::ClearPeqBandSelection()
{
    ForEachPage([](EditorPage &page) { page.ClearPeqBandSelection(); });
}

void TfmMain::HideGeqBandOverlay()
{
    ForEachPage([](EditorPage &page) { page.HideGeqBandOverlay(); });
}

void TfmMain::ShowLevels(const LevelDisplay &levels)
{
    ForEachPage([&levels](EditorPage &page) { page.ShowLevels(levels); });
}
void TfmMain::PageShown(int Page, int Shown)
{
    ForMadePages([Page, Shown](EditorPage &page) { page.PageShown(Page, Shown); });
}

void TfmMain::ShowChannelName(int Channel)
{
    if (dialogs)
        dialogs->ShowChannelName(Channel);
}

void TfmMain::ResetMeters()
{
    ForEachPage([](EditorPage &page) { page.ResetMeters(); });
}

void TfmMain::ShowMessageBox(const std::string &text)
{
    if (messageBox) {
        messageBox(Q(text));
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Information, Caption(), Q(text), QMessageBox::Ok, Widget());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
