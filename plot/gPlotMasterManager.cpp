#include "gPlotMasterManager.h"

#include "Component.h"
#include "Form.h"
#include "gFormTranslation.h"
#include "gPlotAnnotation.h"
#include "gPlotAnnotationManager.h"
#include "gPlotChannelManager.h"
#include "gPlotDataCursor.h"
#include "gPlotDataCursorManager.h"
#include "gPlotDataView.h"
#include "gPlotDataViewManager.h"
#include "gPlotLabel.h"
#include "gPlotLabelManager.h"
#include "gPlotLayoutManager.h"
#include "gPlotLegend.h"
#include "gPlotLegendManager.h"
#include "gPlotLimit.h"
#include "gPlotLimitManager.h"
#include "gPlotObjectHost.h"
#include "gPlotObjectManager.h"
#include "gPlotTable.h"
#include "gPlotTableManager.h"
#include "gPlotToolBar.h"
#include "gPlotToolBarManager.h"
#include "gPlotTranslationManager.h"
#include "gPlotTranslationObject.h"
#include "gPlotXAxis.h"
#include "gPlotXAxisManager.h"
#include "gPlotYAxis.h"
#include "gPlotYAxisManager.h"

#include <QCoreApplication>
#include <QMetaObject>

TgPlotEditorFactory TgPlotMasterManager::EditorFactory = PlotEditorFactory();

namespace {

// Frees a modal editor however EditProperties is left.
struct ModalEditorRelease {
    std::unique_ptr<IgPlotEditor> &Editor;
    bool Modal;
    ~ModalEditorRelease()
    {
        if (Modal)
            Editor.reset();
    }
};

} // namespace

TgPlotMasterManager::TgPlotMasterManager(TComponent *AOwner) : FOwner(AOwner)
{
    const TNotifyEvent change = [this](TObject *S) { ObjectChange(S); };
    const TNotifyEvent insert = [this](TObject *S) { ObjectInsert(S); };
    const TNotifyEvent remove = [this](TObject *S) { ObjectRemove(S); };
    const TNotifyEvent rename = [this](TObject *S) { ObjectRename(S); };
    // Each manager announces itself from its base constructor, where it is
    // not yet of its own class: the fields are taken from the constructions.
    FPlotObjectManager = new TgPlotObjectManager(AOwner, change, insert, remove, rename);
    FToolBarManager = new TgPlotToolBarManager(AOwner, change, insert, remove, rename);
    FLegendManager = new TgPlotLegendManager(AOwner, change, insert, remove, rename);
    FTableManager = new TgPlotTableManager(AOwner, change, insert, remove, rename);
    FChannelManager = new TgPlotChannelManager(AOwner, change, insert, remove, rename);
    FDataCursorManager = new TgPlotDataCursorManager(AOwner, change, insert, remove, rename);
    FDataViewManager = new TgPlotDataViewManager(AOwner, change, insert, remove, rename);
    FXAxisManager = new TgPlotXAxisManager(AOwner, change, insert, remove, rename);
    FYAxisManager = new TgPlotYAxisManager(AOwner, change, insert, remove, rename);
    FLimitManager = new TgPlotLimitManager(AOwner, change, insert, remove, rename);
    FLabelManager = new TgPlotLabelManager(AOwner, change, insert, remove, rename);
    FAnnotationManager = new TgPlotAnnotationManager(AOwner, change, insert, remove, rename);
    FLayoutManager = new TgPlotLayoutManager(AOwner, change, insert, remove, rename);
    FTranslationManager = new TgPlotTranslationManager(insert, remove);

    FChannelManager->SetXAxisManager(FXAxisManager);
    FChannelManager->SetYAxisManager(FYAxisManager);
    FDataViewManager->SetXAxisManager(FXAxisManager);
    FDataViewManager->SetYAxisManager(FYAxisManager);
    FDataCursorManager->SetChannelManager(FChannelManager);
    FDataCursorManager->SetDataViewManager(FDataViewManager);
    FLimitManager->SetXAxisManager(FXAxisManager);
    FLimitManager->SetYAxisManager(FYAxisManager);
    SetUserCanEditObjects(true);
}

TgPlotMasterManager::~TgPlotMasterManager()
{
    FEditorForm.reset();
    // Each manager's removal notice clears its field on the way.
    delete FToolBarManager;
    delete FLegendManager;
    delete FTableManager;
    delete FChannelManager;
    delete FXAxisManager;
    delete FYAxisManager;
    delete FDataViewManager;
    delete FDataCursorManager;
    delete FLimitManager;
    delete FLabelManager;
    delete FAnnotationManager;
    delete FTranslationManager;
    delete FPlotObjectManager;
    delete FLayoutManager;
}

std::array<TgPlotObjectManagerCustom *, 11> TgPlotMasterManager::TypedManagers() const
{
    return {FToolBarManager, FLegendManager,  FTableManager,     FXAxisManager, FYAxisManager,    FChannelManager,
            FDataViewManager, FDataCursorManager, FLimitManager, FLabelManager, FAnnotationManager};
}

// Every object of the channel, X-axis, Y-axis, data-view, toolbar, legend,
// table, data-cursor, limit, label and annotation managers, in that order.
template <class F>
void TgPlotMasterManager::ForEachObject(F &&Call) const
{
    for (TgPlotObjectManagerCustom *manager :
         {static_cast<TgPlotObjectManagerCustom *>(FChannelManager), static_cast<TgPlotObjectManagerCustom *>(FXAxisManager),
          static_cast<TgPlotObjectManagerCustom *>(FYAxisManager), static_cast<TgPlotObjectManagerCustom *>(FDataViewManager),
          static_cast<TgPlotObjectManagerCustom *>(FToolBarManager), static_cast<TgPlotObjectManagerCustom *>(FLegendManager),
          static_cast<TgPlotObjectManagerCustom *>(FTableManager), static_cast<TgPlotObjectManagerCustom *>(FDataCursorManager),
          static_cast<TgPlotObjectManagerCustom *>(FLimitManager), static_cast<TgPlotObjectManagerCustom *>(FLabelManager),
          static_cast<TgPlotObjectManagerCustom *>(FAnnotationManager)})
        if (manager)
            for (int i = 0; i < manager->Count(); ++i)
                Call(manager->GetItem(i));
}

namespace {

// The editor's list of a plot object, by its class (live objects only).
bool EditorKindOf(const TObject *Object, TgPlotEditorKind &Kind)
{
    if (dynamic_cast<const TgPlotToolBar *>(Object))
        Kind = iekToolBar;
    else if (dynamic_cast<const TgPlotLegend *>(Object))
        Kind = iekLegend;
    else if (dynamic_cast<const TgPlotTable *>(Object))
        Kind = iekTable;
    else if (dynamic_cast<const TgPlotXAxis *>(Object))
        Kind = iekXAxis;
    else if (dynamic_cast<const TgPlotYAxis *>(Object))
        Kind = iekYAxis;
    else if (dynamic_cast<const TgPlotDataView *>(Object))
        Kind = iekDataView;
    else if (dynamic_cast<const TgPlotChannelCustom *>(Object))
        Kind = iekChannel;
    else if (dynamic_cast<const TgPlotDataCursor *>(Object))
        Kind = iekDataCursor;
    else if (dynamic_cast<const TgPlotLimit *>(Object))
        Kind = iekLimit;
    else if (dynamic_cast<const TgPlotLabel *>(Object))
        Kind = iekLabel;
    else
        return false;
    return true;
}

} // namespace

template <class T>
int TgPlotMasterManager::AddObject(T *Object, const TgPlotObjectManagerCustom *Manager)
{
    Object->DoInsert();
    return Manager->Count() - 1;
}

#define TQ62_ADD(Kind, Class, Manager)                                                                             \
    int TgPlotMasterManager::Add##Kind()                                                                           \
    {                                                                                                              \
        return AddObject(static_cast<TgPlotObject *>(Manager->CreateObject()), Manager);                           \
    }
TQ62_ADD(Channel, TgPlotChannelCustom, FChannelManager)
TQ62_ADD(DataView, TgPlotDataView, FDataViewManager)
TQ62_ADD(DataCursor, TgPlotDataCursor, FDataCursorManager)
TQ62_ADD(XAxis, TgPlotXAxis, FXAxisManager)
TQ62_ADD(YAxis, TgPlotYAxis, FYAxisManager)
TQ62_ADD(Legend, TgPlotLegend, FLegendManager)
TQ62_ADD(Table, TgPlotTable, FTableManager)
TQ62_ADD(ToolBar, TgPlotToolBar, FToolBarManager)
TQ62_ADD(Limit, TgPlotLimit, FLimitManager)
TQ62_ADD(Label, TgPlotLabel, FLabelManager)
TQ62_ADD(Annotation, TgPlotAnnotation, FAnnotationManager)
#undef TQ62_ADD

int TgPlotMasterManager::AddTranslation()
{
    return FTranslationManager->Add();
}

bool TgPlotMasterManager::EditorOpen() const
{
    return FEditorForm && !FEditorForm->Closing();
}

void TgPlotMasterManager::ObjectChange(TObject *)
{
    if (OnChange)
        OnChange(this);
}

void TgPlotMasterManager::ObjectInsert(TObject *Sender)
{
    if (auto *object = dynamic_cast<TgPlotObject *>(Sender)) {
        if (FPlotObjectManager)
            FPlotObjectManager->NotificationInsert(Sender);
        if (FLayoutManager && dynamic_cast<TgPlotLayoutObject *>(Sender))
            FLayoutManager->NotificationInsert(Sender);
        for (TgPlotObjectManagerCustom *manager : TypedManagers()) {
            if (!manager)
                continue;
            manager->NotificationInsert(Sender);
            if (manager->Holds(Sender))
                break;
        }
        object->SetOnSetFocus([this](TObject *S) { ObjectSetFocus(S); });
        object->SetOnInvalidateNow(OnInvalidateNow);
        object->SetUserCanEdit(FUserCanEditObjects);
        object->SetOnEdit([this](TObject *S) { EditObject(S); });
        object->SetXYAxesReversed(FXYAxesReverse);
        TgPlotEditorKind kind;
        if (EditorOpen() && EditorKindOf(Sender, kind)) {
            FEditorForm->AddListEntry(kind, object);
            FEditorForm->SelectListEntry(kind, FEditorForm->ListEntryCount(kind) - 1);
            FEditorForm->UpdateKindEdit(kind);
        }
    } else if (dynamic_cast<TgPlotTranslationObject *>(Sender)) {
        if (FTranslationManager)
            FTranslationManager->NotificationInsert(Sender);
    }
    if (OnInsert)
        OnInsert(Sender);
}

void TgPlotMasterManager::ObjectRemove(TObject *Sender)
{
    // Whatever the plot's handler raises, every manager lets go of Sender
    // before it is raised.
    std::exception_ptr failure;
    if (OnRemove)
        KeepFirstFailure(failure, [&] { OnRemove(Sender); });
    if (dynamic_cast<TgPlotTranslationObject *>(Sender)) {
        if (FTranslationManager)
            FTranslationManager->NotificationRemove(Sender);
    } else if (dynamic_cast<TgPlotObject *>(Sender)) {
        if (EditorOpen()) {
            // By the manager that holds it: a dying object may no longer
            // be of its own class.
            static constexpr TgPlotEditorKind kinds[] = {iekToolBar, iekLegend, iekTable, iekXAxis, iekYAxis,
                                                         iekChannel, iekDataView, iekDataCursor, iekLimit, iekLabel};
            const auto managers = TypedManagers();
            for (int i = 0; i < 10; ++i)
                if (managers[i] && managers[i]->GetIndex(Sender) >= 0)
                    FEditorForm->DeleteListEntry(kinds[i], static_cast<TgPlotObject *>(Sender));
        }
        if (FPlotObjectManager)
            FPlotObjectManager->NotificationRemove(Sender);
        if (FLayoutManager)
            FLayoutManager->NotificationRemove(Sender);
        for (TgPlotObjectManagerCustom *manager : TypedManagers())
            if (manager)
                manager->NotificationRemove(Sender);
    }
    const auto clear = [Sender](auto *&Field) {
        if (Field && static_cast<TObject *>(Field) == Sender)
            Field = nullptr;
    };
    clear(FPlotObjectManager);
    clear(FToolBarManager);
    clear(FLegendManager);
    clear(FTableManager);
    clear(FXAxisManager);
    clear(FYAxisManager);
    clear(FChannelManager);
    clear(FDataViewManager);
    clear(FDataCursorManager);
    clear(FLimitManager);
    clear(FLabelManager);
    clear(FAnnotationManager);
    clear(FLayoutManager);
    clear(FTranslationManager);
    if (failure)
        std::rethrow_exception(failure);
}

void TgPlotMasterManager::ObjectSetFocus(TObject *Sender)
{
    for (TgPlotObjectManagerCustom *manager : TypedManagers())
        if (manager)
            manager->NotificationSetFocus(Sender);
    if (FLayoutManager)
        FLayoutManager->NotificationSetFocus(Sender);
}

void TgPlotMasterManager::ObjectRename(TObject *Sender)
{
    for (TgPlotObjectManagerCustom *manager : TypedManagers())
        if (manager)
            manager->NotificationRename(Sender);
    if (FLayoutManager)
        FLayoutManager->NotificationRename(Sender);
    if (!EditorOpen())
        return;
    auto *object = dynamic_cast<TgPlotObject *>(Sender);
    TgPlotEditorKind kind;
    // Every kind: the name combos follow axes and channels, and each tab's
    // name edit shows a name given while the editor is open.
    if (object && EditorKindOf(object, kind))
        FEditorForm->FollowRename(kind, object->NameOld(), object->Name());
}

void TgPlotMasterManager::SetUserCanEditObjects(bool Value)
{
    FUserCanEditObjects = Value;
    ForEachObject([Value](TgPlotObject *o) { o->SetUserCanEdit(Value); });
}

void TgPlotMasterManager::SetXYAxesReverse(bool Value)
{
    FXYAxesReverse = Value;
    FLayoutManager->SetXYAxesReverse(Value);
    ForEachObject([Value](TgPlotObject *o) { o->SetXYAxesReversed(Value); });
    if (OnInvalidateNow)
        OnInvalidateNow(this);
}

void TgPlotMasterManager::SetChannelClass(TgPlotChannelClass Value)
{
    FChannelClass = Value;
    FChannelManager->SetChannelClass(Value);
}

void TgPlotMasterManager::ShowToolBars(bool Value)
{
    for (int i = 0; i < FToolBarManager->Count(); ++i)
        FToolBarManager->GetItem(i)->SetVisible(Value);
}

void TgPlotMasterManager::ClearAllData()
{
    for (int i = 0; i < FChannelManager->Count(); ++i)
        FChannelManager->GetItem(i)->Clear();
    // The next value aligns every axis again.
    for (int i = 0; i < FXAxisManager->Count(); ++i)
        FXAxisManager->GetItem(i)->ResetFirstAlign();
    for (int i = 0; i < FYAxisManager->Count(); ++i)
        FYAxisManager->GetItem(i)->ResetFirstAlign();
}

void TgPlotMasterManager::DeSelectAll()
{
    FPlotObjectManager->ClearAllUserSelections();
}

void TgPlotMasterManager::CreateEditorForm()
{
    auto *host = dynamic_cast<IgPlotObjectHost *>(FOwner);
    if (host && EditorFactory) {
        FEditorForm.reset(EditorFactory(this, FOwner));
        FEditorForm->OnClosed = [this] { EditorFormClose(); };
        const auto managers = TypedManagers();
        // List order of the editor: toolbar, legend, table, X, Y, data view,
        // channel, data cursor, limit, label.
        static constexpr std::pair<TgPlotEditorKind, int> lists[] = {
            {iekToolBar, 0}, {iekLegend, 1},     {iekTable, 2},      {iekXAxis, 3}, {iekYAxis, 4},
            {iekDataView, 6}, {iekChannel, 5}, {iekDataCursor, 7}, {iekLimit, 8}, {iekLabel, 9}};
        for (const auto &[kind, m] : lists) {
            for (int i = 0; i < managers[m]->Count(); ++i)
                FEditorForm->AddListEntry(kind, managers[m]->GetItem(i));
            FEditorForm->SelectListEntry(kind, managers[m]->Count() > 0 ? 0 : -1);
            FEditorForm->UpdateKindEdit(kind);
        }
        for (int c = 0; c < iepCount; ++c) {
            const auto control = static_cast<TgPlotEditorPageControl>(c);
            if (FPageControlIndex[c] < FEditorForm->PageCount(control))
                FEditorForm->SetActivePageIndex(control, FPageControlIndex[c]);
        }
        FEditorForm->SetChannelButtonsVisible(host->UserCanAddRemoveChannels());
    }
    TranslateForm(FEditorForm.get());
}

void TgPlotMasterManager::EditProperties()
{
    if (!FEditorForm)
        CreateEditorForm();
    auto *host = dynamic_cast<IgPlotObjectHost *>(FOwner);
    if (!FEditorForm || !host)
        return;
    const bool stayOnTop = host->EditorStayOnTop();
    ModalEditorRelease release{FEditorForm, !stayOnTop};
    FEditorForm->UpdateAll();
    FEditorForm->SetPlotComponent(FOwner);
    FEditorForm->LoadControlPage();
    FEditorForm->CenterOnScreen();
    host->DoAfterOpenEditor(this);
    IgPlotEditor *editor = FEditorForm.get();
    editor->Show(stayOnTop);
    if (FEditorForm.get() == editor)
        for (int c = 0; c < iepCount; ++c)
            FPageControlIndex[c] = FEditorForm->ActivePageIndex(static_cast<TgPlotEditorPageControl>(c));
}

void TgPlotMasterManager::BasicPropertyChanged()
{
    if (EditorOpen() && dynamic_cast<IgPlotObjectHost *>(FOwner))
        FEditorForm->StoreControlPage();
}

void TgPlotMasterManager::EditObject(TObject *Sender)
{
    if (!FEditorForm)
        CreateEditorForm();
    if (!FEditorForm)
        return;
    TgPlotEditorKind kind;
    if (EditorKindOf(Sender, kind)) {
        FEditorForm->ShowKindPage(kind);
        const auto managers = TypedManagers();
        static constexpr int managerOf[] = {0, 1, 2, 3, 4, 6, 5, 7, 8, 9}; // by TgPlotEditorKind
        FEditorForm->SelectListEntry(kind, managers[managerOf[kind]]->GetIndex(Sender));
    }
    EditProperties();
}

void TgPlotMasterManager::EditorFormClose()
{
    auto *host = dynamic_cast<IgPlotObjectHost *>(FOwner);
    if (!host || !host->EditorStayOnTop() || !FEditorForm)
        return;
    // Freed once its closing has completed, not inside its own handler.
    IgPlotEditor *editor = FEditorForm.release();
    if (QCoreApplication *app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, [editor] { delete editor; }, Qt::QueuedConnection);
    else
        delete editor;
}

void TgPlotMasterManager::TranslateForm(IgPlotEditor *Form)
{
    if (!Form || !FTranslationManager || FTranslationManager->Count() == 0 || Form->Closing())
        return;
    Form->Translate([this](const QString &Text) { return FTranslationManager->FindReplacement(Text); });
}

void TgPlotMasterManager::TranslateForm(TCustomForm *Form)
{
    if (!Form || !FTranslationManager || FTranslationManager->Count() == 0)
        return;
    TranslateFormTexts(Form, [this](const QString &Text) { return FTranslationManager->FindReplacement(Text); });
}
