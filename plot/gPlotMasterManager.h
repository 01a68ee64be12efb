#pragma once
#include "Events.h"
#include "Object.h"
#include "gPlotChannelCustom.h"
#include "gPlotEditorInterface.h"

#include <array>
#include <memory>

class TComponent;
class TCustomForm;
class TgPlotAnnotationManager;
class TgPlotChannelManager;
class TgPlotDataCursorManager;
class TgPlotDataViewManager;
class TgPlotLabelManager;
class TgPlotLayoutManager;
class TgPlotLegendManager;
class TgPlotLimitManager;
class TgPlotObjectManager;
class TgPlotObjectManagerCustom;
class TgPlotTableManager;
class TgPlotToolBarManager;
class TgPlotTranslationManager;
class TgPlotXAxisManager;
class TgPlotYAxisManager;

// The hub of one plot: it owns the object manager, the eleven typed
// managers, the layout manager and the translation table; it receives every
// object's insert, remove, rename, change, set-focus and edit callback and
// passes each to the right managers (a removal reaches the plot first, while
// every manager still holds the object); it creates objects of every kind
// and applies plot-wide switches; it opens the property editor and keeps
// its lists in step with the plot.
class TgPlotMasterManager : public TObject {
public:
    explicit TgPlotMasterManager(TComponent *AOwner);
    ~TgPlotMasterManager() override;

    TComponent *Owner() const { return FOwner; }

    // Each returns the new object's index in its typed manager.
    int AddChannel();
    int AddDataView();
    int AddDataCursor();
    int AddXAxis();
    int AddYAxis();
    int AddLegend();
    int AddTable();
    int AddToolBar();
    int AddLimit();
    int AddLabel();
    int AddAnnotation();
    int AddTranslation();

    // Opens the property editor (modal editors are freed when they close,
    // whatever happens meanwhile).
    void EditProperties();
    // The editor's control page changed: written back into the plot.
    void BasicPropertyChanged();
    void ShowToolBars(bool Value);
    void ClearAllData();
    void DeSelectAll();
    // Every caption of the editor through the translation table.
    void TranslateForm(IgPlotEditor *Form);
    // The same for one of the library's other forms: its caption, and of each
    // component it owns, in order, a control's caption (not the text of an
    // edit or combo box, which is a value), a radio group's items, a combo
    // box's items and a popup menu's top-level items. Nothing while the
    // table is empty.
    void TranslateForm(TCustomForm *Form);

    bool UserCanEditObjects() const { return FUserCanEditObjects; }
    void SetUserCanEditObjects(bool Value);
    bool XYAxesReverse() const { return FXYAxesReverse; }
    void SetXYAxesReverse(bool Value);
    TgPlotChannelClass ChannelClass() const { return FChannelClass; }
    void SetChannelClass(TgPlotChannelClass Value);

    TgPlotToolBarManager *ToolBarManager() const { return FToolBarManager; }
    TgPlotLegendManager *LegendManager() const { return FLegendManager; }
    TgPlotTableManager *TableManager() const { return FTableManager; }
    TgPlotXAxisManager *XAxisManager() const { return FXAxisManager; }
    TgPlotYAxisManager *YAxisManager() const { return FYAxisManager; }
    TgPlotChannelManager *ChannelManager() const { return FChannelManager; }
    TgPlotDataViewManager *DataViewManager() const { return FDataViewManager; }
    TgPlotDataCursorManager *DataCursorManager() const { return FDataCursorManager; }
    TgPlotLimitManager *LimitManager() const { return FLimitManager; }
    TgPlotLabelManager *LabelManager() const { return FLabelManager; }
    TgPlotAnnotationManager *AnnotationManager() const { return FAnnotationManager; }
    TgPlotTranslationManager *TranslationManager() const { return FTranslationManager; }
    TgPlotLayoutManager *LayoutManager() const { return FLayoutManager; }
    TgPlotObjectManager *ObjectManager() const { return FPlotObjectManager; }
    IgPlotEditor *EditorForm() const { return FEditorForm.get(); }
    int PageControlIndex(TgPlotEditorPageControl Control) const { return FPageControlIndex[Control]; }

    TNotifyEvent OnInvalidateNow;
    TNotifyEvent OnChange;
    TNotifyEvent OnInsert;
    TNotifyEvent OnRemove;

    // How editors are made (the library's editor form from the start);
    // unset, EditProperties and EditObject do nothing.
    static TgPlotEditorFactory EditorFactory;

    // The callbacks handed to every manager and object.
    void ObjectChange(TObject *Sender);
    void ObjectInsert(TObject *Sender);
    void ObjectRemove(TObject *Sender);
    void ObjectRename(TObject *Sender);
    void ObjectSetFocus(TObject *Sender);
    void EditObject(TObject *Sender);
    void EditorFormClose();

private:
    template <class T> int AddObject(T *Object, const TgPlotObjectManagerCustom *Manager);
    void CreateEditorForm();
    bool EditorOpen() const;
    // The typed managers in the order notifications reach them.
    std::array<TgPlotObjectManagerCustom *, 11> TypedManagers() const;
    template <class F> void ForEachObject(F &&Call) const;

    TComponent *FOwner;
    bool FUserCanEditObjects = true;
    TgPlotToolBarManager *FToolBarManager = nullptr;
    TgPlotLegendManager *FLegendManager = nullptr;
    TgPlotTableManager *FTableManager = nullptr;
    TgPlotXAxisManager *FXAxisManager = nullptr;
    TgPlotYAxisManager *FYAxisManager = nullptr;
    TgPlotChannelManager *FChannelManager = nullptr;
    TgPlotDataViewManager *FDataViewManager = nullptr;
    TgPlotDataCursorManager *FDataCursorManager = nullptr;
    TgPlotLimitManager *FLimitManager = nullptr;
    TgPlotLabelManager *FLabelManager = nullptr;
    TgPlotAnnotationManager *FAnnotationManager = nullptr;
    TgPlotTranslationManager *FTranslationManager = nullptr;
    TgPlotLayoutManager *FLayoutManager = nullptr;
    TgPlotObjectManager *FPlotObjectManager = nullptr;
    TgPlotChannelClass FChannelClass = nullptr;
    std::array<int, iepCount> FPageControlIndex{};
    std::unique_ptr<IgPlotEditor> FEditorForm;
    bool FXYAxesReverse = false;
};
