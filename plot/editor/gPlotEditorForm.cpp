#include "gPlotEditorForm.h"

#include "Label.h"
#include "PageControl.h"
#include "Panel.h"
#include "TypInfo.h"
#include "gComponentEditorButton.h"
#include "gComponentEditorComboBox.h"
#include "gComponentEditorListBox.h"
#include "gComponentEditorPageControl.h"
#include "gComponentEditorValueConverterPicker.h"
#include "gFormTranslation.h"
#include "gPlotChannelManager.h"
#include "gPlotComponent.h"
#include "gPlotEditorTabs.h"
#include "gPlotLayoutObject.h"
#include "gPlotMasterManager.h"
#include "gPlotTranslationManager.h"
#include "gPlotXAxisManager.h"
#include "gPlotYAxisManager.h"

namespace {

// The top-level tabs in their order; the object tabs by kind.
struct MainTab {
    const char *Caption;
    const char *Sheet;
    int Kind; // -1: the Control or the Layout tab
};

const MainTab kMainTabs[] = {
    {"Control", "GeneralTabSheet", -1},        {"Layout", "LayoutTabSheet", -1},
    {"Channels", "ChannelsTabSheet", iekChannel}, {"Cursors", "DataCursorTabSheet", iekDataCursor},
    {"Limits", "LimitTabSheet", iekLimit},       {"Labels", "LabelsTabSheet", iekLabel},
    {"X-Axes", "XAxesTabSheet", iekXAxis},       {"Y-Axes", "YAxesTabSheet", iekYAxis},
    {"Legend", "LegendTabSheet", iekLegend},     {"Tables", "TablesTabSheet", iekTable},
    {"ToolBar", "ToolBarTabSheet", iekToolBar},  {"Data View", "DataViewTabSheet", iekDataView},
};

// The page controls whose page the master remembers, by TgPlotEditorPageControl.
const char *const kRememberedPageControls[] = {
    "PageControl",     "ControlPageControl", "ChannelPageControl", "XAxisPageControl",
    "XAxisLabelsPageControl", "YAxisPageControl", "YAxisLabelsPageControl", "DataCursorPageControl",
    "LimitPageControl", "LabelPageControl", "LegendPageControl", "TablePageControl",
    "DataViewPageControl", "DataViewGridLinesCustomPageControl",
};

// UpdateAll's order.
constexpr TgPlotEditorKind kUpdateOrder[] = {iekToolBar, iekLegend,     iekXAxis, iekYAxis, iekChannel,
                                             iekDataView, iekDataCursor, iekLimit, iekLabel, iekTable};

// Wide enough for the twelve tabs in one row in the toolkit's font.
constexpr int kClientWidth = 760, kClientHeight = 320;
constexpr int kListPanelWidth = 130;

// The kinds whose names fill the lists, and the lists each kind's rename
// keeps in step.
bool ListOfKind(TgEditorNameList List, TgPlotEditorKind Kind)
{
    switch (Kind) {
    case iekXAxis: return List == ienlXAxis || List == ienlXAxisAll;
    case iekYAxis: return List == ienlYAxis || List == ienlYAxisAll;
    case iekChannel: return List == ienlChannel || List == ienlChannelAll;
    default: return false;
    }
}

void SelectEntry(TgComponentEditorComboBox *Combo, const QString &Text)
{
    int at = -1;
    for (int i = 0; i < Combo->Items()->Count() && at < 0; ++i)
        if (Combo->Items()->Get(i) == Text)
            at = i;
    Combo->SetAsInteger(at);
}

} // namespace

TgPlotEditorForm::TgPlotEditorForm(TgPlotMasterManager *AMaster, TComponent *APlot)
    : TgCustomEditorForm(nullptr), FMaster(AMaster), FPlotComponent(dynamic_cast<TgPlotComponent *>(APlot))
{
    if (FPlotComponent)
        FPlotWidget = FPlotComponent->Widget();
    SetName(QStringLiteral("PlotEditorForm"));
    SetCaption(QStringLiteral("Plot"));
    SetBorderStyle(bsDialog);
    SetAutoScroll(false);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);

    PageControl = new TgComponentEditorPageControl(this);
    PageControl->SetName(QStringLiteral("PageControl"));
    PageControl->SetParent(this);
    PageControl->SetAlign(alClient);
    for (const MainTab &t : kMainTabs) {
        auto *sheet = new TTabSheet(this);
        sheet->SetName(QString::fromLatin1(t.Sheet));
        sheet->SetPageControl(PageControl);
        sheet->SetCaption(QString::fromLatin1(t.Caption));
    }
    GeneralTabSheet = static_cast<TTabSheet *>(FindComponent(QStringLiteral("GeneralTabSheet")));
    LayoutTabSheet = static_cast<TTabSheet *>(FindComponent(QStringLiteral("LayoutTabSheet")));
    BuildControlTab();
    BuildLayoutTab();
    BuildObjectTabs();
    PageControl->SetActivePageIndex(0);
    // A stay-on-top editor shows what changed in the plot meanwhile.
    OnActivate = [this](TObject *) {
        if (FormStyle() == fsStayOnTop && !FIsClosing)
            UpdateAll();
    };
}

TgPlotEditorForm::~TgPlotEditorForm()
{
    if (FPlotWidget && FPlotComponent && !FPlotComponent->ComponentState().Contains(csDestroying) &&
        FPlotComponent->OnAfterCloseEditor)
        FPlotComponent->OnAfterCloseEditor(this);
}

void TgPlotEditorForm::SetFormTranslationMethod(const std::function<void(TCustomForm *)> &Value)
{
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto *picker = dynamic_cast<TgComponentEditorValueConverterPicker *>(Components(i)))
            picker->TranslationMethod = Value;
}

// --- object tabs --------------------------------------------------------------

void TgPlotEditorForm::BuildObjectTabs()
{
    for (int k = 0; k < int(FTabs.size()); ++k) {
        const auto kind = static_cast<TgPlotEditorKind>(k);
        const TgEditorKindFrame &frame = EditorKindFrame(kind);
        const QString prefix = QString::fromLatin1(frame.Prefix);
        TTabSheet *sheet = KindSheet(kind);
        auto *panel = new TPanel(this);
        panel->SetName(QStringLiteral("g%1ListPanel").arg(prefix));
        panel->SetParent(sheet);
        panel->SetCaption(QString());
        panel->SetBevelOuter(bvNone);
        panel->SetParentColor(true);
        panel->SetWidth(kListPanelWidth);
        panel->SetAlign(alLeft);
        panel->SetVisible(frame.ListShown);

        auto *list = new TgComponentEditorListBox(this);
        list->SetName(QString::fromLatin1(frame.ListBox));
        list->SetParent(panel);
        list->SetBounds(4, 4, kListPanelWidth - 8, kClientHeight - 76);
        list->OnClick = [this, kind](TObject *) { ListClick(kind); };
        list->OnGetData = [this, kind](TObject *, int Index, bool &DrawColorBox, TColor &AColor, QString &AText) {
            const char *colorPath = EditorKindFrame(kind).ColorPath;
            TObject *object = ListBox(kind)->Items()->GetObject(Index);
            DrawColorBox = colorPath && object;
            if (!object)
                return;
            AText = GetPropValue(object, QStringLiteral("Name")).toString();
            if (DrawColorBox)
                AColor = TColor(GetPropValue(object, QString::fromLatin1(colorPath)).toLongLong());
        };
        if (frame.AddButton) {
            auto *add = new TgComponentEditorButton(this);
            add->SetName(QString::fromLatin1(frame.AddButton));
            add->SetParent(panel);
            add->SetCaption(QStringLiteral("Add"));
            add->SetBounds(4, list->Top() + list->Height() + 6, 59, 25);
            add->OnClick = [this, kind](TObject *) { AddClick(kind); };
            auto *remove = new TgComponentEditorButton(this);
            remove->SetName(QString::fromLatin1(frame.RemoveButton));
            remove->SetParent(panel);
            remove->SetCaption(QStringLiteral("Remove"));
            remove->SetBounds(67, add->Top(), 59, 25);
            remove->OnClick = [this, kind](TObject *) { RemoveClick(kind); };
        }
        AddToTab(kind, EditorTabBody(kind));
    }
}

namespace {

template <class F>
F Chained(const F &First, const F &Then)
{
    if (!First || !Then)
        return First ? First : Then;
    return [First, Then](auto &&...Args) {
        First(Args...);
        Then(Args...);
    };
}

} // namespace

void TgPlotEditorForm::AddToTab(TgPlotEditorKind Kind, const TgEditorTabBody &Body)
{
    BuildEditorTab(this, Body);
    BindEditorRows(
        this, Body.Rows, [this, Kind](TObject *) { ApplyKind(Kind); },
        [this](TgEditorNameList List, TComponent *Combo) { FillNameCombo(List, Combo); });
    TgEditorTabBody &tab = FTabs[Kind];
    tab.Frames.insert(tab.Frames.end(), Body.Frames.begin(), Body.Frames.end());
    tab.Rows.insert(tab.Rows.end(), Body.Rows.begin(), Body.Rows.end());
    tab.Wire = Chained(tab.Wire, Body.Wire);
    tab.Refreshing = Chained(tab.Refreshing, Body.Refreshing);
    tab.BeforeFill = Chained(tab.BeforeFill, Body.BeforeFill);
    tab.AfterFill = Chained(tab.AfterFill, Body.AfterFill);
    tab.AfterApply = Chained(tab.AfterApply, Body.AfterApply);
    tab.ListChanged = Chained(tab.ListChanged, Body.ListChanged);
    if (Body.Wire)
        Body.Wire(*this);
}

TgComponentEditorListBox *TgPlotEditorForm::ListBox(TgPlotEditorKind Kind) const
{
    return static_cast<TgComponentEditorListBox *>(FindComponent(QString::fromLatin1(EditorKindFrame(Kind).ListBox)));
}

TObject *TgPlotEditorForm::SelectedObject(TgPlotEditorKind Kind) const
{
    TgComponentEditorListBox *list = ListBox(Kind);
    const int i = list->ItemIndex();
    return i >= 0 && i < list->Items()->Count() ? list->Items()->GetObject(i) : nullptr;
}

TTabSheet *TgPlotEditorForm::KindSheet(TgPlotEditorKind Kind) const
{
    return static_cast<TTabSheet *>(FindComponent(QString::fromLatin1(EditorKindFrame(Kind).Sheet)));
}

void TgPlotEditorForm::UpdateAll()
{
    for (TgPlotEditorKind kind : kUpdateOrder)
        UpdateKindEdit(kind);
}

void TgPlotEditorForm::FillNameCombos(TgPlotEditorKind Kind)
{
    for (const TgEditorRow &r : FTabs[Kind].Rows)
        if (r.Names != ienlNone)
            FillNameCombo(r.Names, FindComponent(r.Name));
}

void TgPlotEditorForm::UpdateKindEdit(TgPlotEditorKind Kind)
{
    const TgEditorKindFrame &frame = EditorKindFrame(Kind);
    const TgEditorTabBody &tab = FTabs[Kind];
    const QString prefix = QString::fromLatin1(frame.Prefix);
    TObject *object = SelectedObject(Kind);
    if (tab.Refreshing)
        tab.Refreshing(*this, object);
    if (!frame.FillAfterEnable)
        FillNameCombos(Kind);
    if (!object) {
        DisablePageControls(prefix);
        return;
    }
    EnablePageControls(prefix);
    if (frame.FillAfterEnable)
        FillNameCombos(Kind);
    if (tab.BeforeFill)
        tab.BeforeFill(*this, object);
    FillEditorRows(this, tab.Rows, object);
    if (tab.AfterFill)
        tab.AfterFill(*this, object);
    if (frame.RepaintList)
        ListBox(Kind)->Invalidate();
}

void TgPlotEditorForm::ApplyKind(TgPlotEditorKind Kind)
{
    TObject *object = SelectedObject(Kind);
    if (!object)
        return;
    const TgEditorTabBody &tab = FTabs[Kind];
    try {
        ApplyEditorRows(this, tab.Rows, object);
        if (tab.AfterApply)
            tab.AfterApply(*this, object);
    } catch (...) {
        // A value the object refused: the tab shows the object as it is.
        UpdateKindEdit(Kind);
        throw;
    }
    switch (EditorKindFrame(Kind).AfterApply) {
    case ieaUpdateAll: UpdateAll(); break;
    case ieaOwnTab:
        UpdateKindEdit(Kind);
        ListBox(Kind)->Invalidate();
        break;
    case ieaNothing: break;
    }
}

void TgPlotEditorForm::ListClick(TgPlotEditorKind Kind)
{
    UpdateKindEdit(Kind);
    if (FTabs[Kind].ListChanged)
        FTabs[Kind].ListChanged(*this);
}

void TgPlotEditorForm::AddClick(TgPlotEditorKind Kind)
{
    // The master appends the new object's entry to the list.
    (FMaster->*EditorKindFrame(Kind).Add)();
    ListBox(Kind)->SelectLast();
    UpdateKindEdit(Kind);
    if (FTabs[Kind].ListChanged)
        FTabs[Kind].ListChanged(*this);
}

void TgPlotEditorForm::RemoveClick(TgPlotEditorKind Kind)
{
    ListBox(Kind)->DeleteSelectedObject();
    // Channels name their axes.
    if (Kind == iekXAxis || Kind == iekYAxis)
        UpdateChannelEdit();
    UpdateKindEdit(Kind);
    if (FTabs[Kind].ListChanged)
        FTabs[Kind].ListChanged(*this);
}

// --- name lists -----------------------------------------------------------------

void TgPlotEditorForm::FillNameCombo(TgEditorNameList List, TComponent *Combo)
{
    auto *combo = dynamic_cast<TgComponentEditorComboBox *>(Combo);
    if (!combo || List == ienlNone)
        return;
    const TgPlotObjectManagerCustom *manager = List == ienlXAxis || List == ienlXAxisAll ? FMaster->XAxisManager()
                                               : List == ienlYAxis || List == ienlYAxisAll
                                                   ? static_cast<const TgPlotObjectManagerCustom *>(FMaster->YAxisManager())
                                                   : FMaster->ChannelManager();
    if (!manager)
        return;
    const auto translated = [this](const char *Text) {
        const QString text = QString::fromLatin1(Text);
        return FMaster->TranslationManager() ? FMaster->TranslationManager()->FindReplacement(text) : text;
    };
    const QString remembered = combo->AsString();
    combo->Items()->BeginUpdate();
    combo->Items()->Clear();
    combo->Items()->Add(translated(List == ienlChannelAll ? "<All>" : "<None>"));
    for (int i = 0; i < manager->Count(); ++i)
        combo->Items()->Add(manager->GetItem(i)->Name());
    if (List == ienlXAxisAll || List == ienlYAxisAll)
        combo->Items()->Add(translated("<All>"));
    combo->Items()->EndUpdate();
    SelectEntry(combo, remembered);
}

void TgPlotEditorForm::FollowRename(TgPlotEditorKind Kind, const QString &OldName, const QString &NewName)
{
    for (const TgEditorTabBody &tab : FTabs)
        for (const TgEditorRow &r : tab.Rows) {
            if (!ListOfKind(r.Names, Kind))
                continue;
            auto *combo = dynamic_cast<TgComponentEditorComboBox *>(FindComponent(r.Name));
            if (!combo || combo->AsString() != OldName)
                continue;
            FillNameCombo(r.Names, combo);
            SelectEntry(combo, NewName);
        }
    // A name given elsewhere shows in the tab's name edit at once: the tab's
    // next apply would otherwise write the old name back.
    if (TObject *selected = SelectedObject(Kind)) {
        std::vector<TgEditorRow> names;
        for (const TgEditorRow &r : FTabs[Kind].Rows)
            if (r.Path == QLatin1String("Name"))
                names.push_back(r);
        FillEditorRows(this, names, selected);
    }
}

// --- the master's side ------------------------------------------------------------

void TgPlotEditorForm::SetPlotComponent(TComponent *Plot)
{
    FPlotComponent = dynamic_cast<TgPlotComponent *>(Plot);
    FPlotWidget = FPlotComponent ? FPlotComponent->Widget() : nullptr;
}

void TgPlotEditorForm::AddListEntry(TgPlotEditorKind Kind, TgPlotObject *Object)
{
    ListBox(Kind)->Items()->AddObject(QString(), Object);
}

void TgPlotEditorForm::SelectListEntry(TgPlotEditorKind Kind, int Index)
{
    ListBox(Kind)->SetItemIndex(Index);
}

void TgPlotEditorForm::DeleteListEntry(TgPlotEditorKind Kind, TgPlotObject *Object)
{
    if (static_cast<TObject *>(FRightClickObject) == Object)
        FRightClickObject = nullptr;
    ListBox(Kind)->DeleteObjectIndex(Object);
}

int TgPlotEditorForm::ListEntryCount(TgPlotEditorKind Kind) const
{
    return ListBox(Kind)->Items()->Count();
}

void TgPlotEditorForm::ShowKindPage(TgPlotEditorKind Kind)
{
    PageControl->SetActivePage(KindSheet(Kind));
}

int TgPlotEditorForm::PageCount(TgPlotEditorPageControl Control) const
{
    auto *pages = dynamic_cast<TPageControl *>(FindComponent(QString::fromLatin1(kRememberedPageControls[Control])));
    return pages ? pages->PageCount() : 0;
}

int TgPlotEditorForm::ActivePageIndex(TgPlotEditorPageControl Control) const
{
    auto *pages = dynamic_cast<TPageControl *>(FindComponent(QString::fromLatin1(kRememberedPageControls[Control])));
    return pages ? pages->ActivePageIndex() : -1;
}

void TgPlotEditorForm::SetActivePageIndex(TgPlotEditorPageControl Control, int Index)
{
    if (auto *pages =
            dynamic_cast<TPageControl *>(FindComponent(QString::fromLatin1(kRememberedPageControls[Control]))))
        pages->SetActivePageIndex(Index);
}

void TgPlotEditorForm::SetChannelButtonsVisible(bool Value)
{
    for (const char *name : {"gChannelAddButton", "ChannelRemoveButton"})
        static_cast<TControl *>(FindComponent(QString::fromLatin1(name)))->SetVisible(Value);
}

void TgPlotEditorForm::CenterOnScreen()
{
    SetPosition(poScreenCenter);
}

void TgPlotEditorForm::Show(bool StayOnTop)
{
    if (StayOnTop) {
        SetFormStyle(fsStayOnTop);
        TCustomForm::Show();
    } else {
        ShowModal();
    }
}

void TgPlotEditorForm::Translate(const std::function<QString(const QString &)> &Translate)
{
    TranslateFormTexts(this, Translate);
}

void TgPlotEditorForm::DoClose(TCloseAction &Action)
{
    FIsClosing = true;
    TgCustomEditorForm::DoClose(Action);
    if (OnClosed)
        OnClosed();
}

// --- the factory --------------------------------------------------------------------

TgPlotEditorFactory PlotEditorFactory()
{
    return [](TgPlotMasterManager *Master, TComponent *Plot) -> IgPlotEditor * {
        auto *form = new TgPlotEditorForm(Master, Plot);
        form->SetFormTranslationMethod([Master](TCustomForm *Form) { Master->TranslateForm(Form); });
        return form;
    };
}
