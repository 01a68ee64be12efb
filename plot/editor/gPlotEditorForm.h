#pragma once
#include "gCustomEditorForm.h"
#include "gPlotEditorInterface.h"
#include "gPlotEditorTab.h"

#include <QPointer>
#include <array>
#include <functional>

class TMenuItem;
class TPageControl;
class TPopupMenu;
class TTabSheet;
class TgComponentEditorListBox;
class TgPlotComponent;
class TgPlotLayoutObject;
class TgPlotLayoutViewer;

// The run-time property editor of a plot: one window with a tab per kind of
// plot object, each with its object list (hidden for toolbars, legends and
// data views, which edit the entry selected there), the Control tab for
// the plot itself and the Layout tab with the layout viewer. Every edit is
// written into the object at once through its own setters. The master
// manager makes the form (EditorFactory), fills its lists, opens it and
// keeps the lists in step with the plot. The controls are named as the
// enabling rule and the translation walk find them; the tabs are tables
// (gPlotEditorTab.h).
class TgPlotEditorForm : public TgCustomEditorForm, public IgPlotEditor {
public:
    TgPlotEditorForm(TgPlotMasterManager *AMaster, TComponent *APlot);
    ~TgPlotEditorForm() override;

    TgPlotMasterManager *Master() const { return FMaster; }
    TgPlotComponent *PlotComponent() const { return FPlotComponent; }
    bool IsClosing() const { return FIsClosing; }
    // The value-converter dialogs opened from the form are translated so.
    void SetFormTranslationMethod(const std::function<void(TCustomForm *)> &Value);

    // Refresh of every object tab (the Control tab is not one).
    void UpdateAll() override;
    void UpdateToolBarEdit() { UpdateKindEdit(iekToolBar); }
    void UpdateLegendEdit() { UpdateKindEdit(iekLegend); }
    void UpdateTableEdit() { UpdateKindEdit(iekTable); }
    void UpdateXAxesEdit() { UpdateKindEdit(iekXAxis); }
    void UpdateYAxesEdit() { UpdateKindEdit(iekYAxis); }
    void UpdateDataViewEdit() { UpdateKindEdit(iekDataView); }
    void UpdateChannelEdit() { UpdateKindEdit(iekChannel); }
    void UpdateDataCursorEdit() { UpdateKindEdit(iekDataCursor); }
    void UpdateLimitEdit() { UpdateKindEdit(iekLimit); }
    void UpdateLabelEdit() { UpdateKindEdit(iekLabel); }

    // Apply of an object tab: every row written into the selected object,
    // then the refresh the tab's frame names; nothing without a selection.
    void ApplyKind(TgPlotEditorKind Kind);
    void ToolBarChange(TObject *) { ApplyKind(iekToolBar); }
    void LegendChange(TObject *) { ApplyKind(iekLegend); }
    void TableChange(TObject *) { ApplyKind(iekTable); }
    void XAxisChange(TObject *) { ApplyKind(iekXAxis); }
    void YAxisChange(TObject *) { ApplyKind(iekYAxis); }
    void DataViewChange(TObject *) { ApplyKind(iekDataView); }
    void ChannelChange(TObject *) { ApplyKind(iekChannel); }
    void DataCursorChange(TObject *) { ApplyKind(iekDataCursor); }
    void LimitChange(TObject *) { ApplyKind(iekLimit); }
    void LabelChange(TObject *) { ApplyKind(iekLabel); }

    // The kind's object list, and the object of its selected entry (none
    // without a selection).
    TgComponentEditorListBox *ListBox(TgPlotEditorKind Kind) const;
    TObject *SelectedObject(TgPlotEditorKind Kind) const;
    TTabSheet *KindSheet(TgPlotEditorKind Kind) const;
    // The enabling rule for a page prefix ("Channel").
    void DisablePageControls(const QString &Prefix) { SetEditorControlsEnabled(this, Prefix, false); }
    void EnablePageControls(const QString &Prefix) { SetEditorControlsEnabled(this, Prefix, true); }
    // Refills a name combo: the list's entries, then the entry with the
    // text it showed before selected again (none when gone). Nothing while
    // the plot has no manager of the list's kind.
    void FillNameCombo(TgEditorNameList List, TComponent *Combo);
    void XAxisNameComboBoxDropDown(TObject *Sender) { FillNameCombo(ienlXAxis, static_cast<TComponent *>(Sender)); }
    void YAxisNameComboBoxDropDown(TObject *Sender) { FillNameCombo(ienlYAxis, static_cast<TComponent *>(Sender)); }
    void ChannelNameComboBoxDropDown(TObject *Sender)
    {
        FillNameCombo(ienlChannel, static_cast<TComponent *>(Sender));
    }
    // A tab's table, for its hooks and for tabs made on top of the frame.
    TgEditorTabBody &TabBody(TgPlotEditorKind Kind) { return FTabs[Kind]; }
    // Builds a tab body into the form and binds its rows to the kind's
    // apply; its rows follow those the tab has, its hooks run after the
    // tab's own (the form adds every tab listed in EditorTabBody so).
    void AddToTab(TgPlotEditorKind Kind, const TgEditorTabBody &Body);

    // Control tab.
    void GeneralChanged(TObject *Sender);
    void TitleChange(TObject *Sender);
    // The title group shown from the plot's first label (the Labels tab
    // calls it when that label changed).
    void RefreshTitleControls();
    // The log controls of a tab (Prefix "Control" or "Channel"): Activate,
    // the file name and its picker only while not logging, Deactivate only
    // while logging.
    void ShowLogState(const QString &Prefix, bool Logging);
    // The plot's title: its first label, wherever the label list shows it
    // (none without labels).
    TObject *TitleLabel() const;

    // Layout tab.
    void LayoutPopupMenuPopup(TObject *Sender);
    TgPlotLayoutObject *RightClickObject() const { return FRightClickObject; }

    // IgPlotEditor.
    bool Closing() const override { return FIsClosing; }
    void SetPlotComponent(TComponent *Plot) override;
    void UpdateKindEdit(TgPlotEditorKind Kind) override;
    void AddListEntry(TgPlotEditorKind Kind, TgPlotObject *Object) override;
    void SelectListEntry(TgPlotEditorKind Kind, int Index) override;
    void DeleteListEntry(TgPlotEditorKind Kind, TgPlotObject *Object) override;
    int ListEntryCount(TgPlotEditorKind Kind) const override;
    void ShowKindPage(TgPlotEditorKind Kind) override;
    void FollowRename(TgPlotEditorKind Kind, const QString &OldName, const QString &NewName) override;
    int PageCount(TgPlotEditorPageControl Control) const override;
    int ActivePageIndex(TgPlotEditorPageControl Control) const override;
    void SetActivePageIndex(TgPlotEditorPageControl Control, int Index) override;
    void SetChannelButtonsVisible(bool Value) override;
    void LoadControlPage() override;
    void StoreControlPage() override;
    void CenterOnScreen() override;
    using TCustomForm::Show;
    void Show(bool StayOnTop) override;
    void Translate(const std::function<QString(const QString &)> &Translate) override;

    TPageControl *PageControl;
    TTabSheet *GeneralTabSheet, *LayoutTabSheet;
    TgPlotLayoutViewer *gPlotLayoutViewer;
    TPopupMenu *LayoutPopupMenu;
    TMenuItem *XYAxesReverseMenuItem, *AddXAxisMenuItem, *AddYAxisMenuItem, *AddLabelMenuItem, *DeleteMenuItem,
        *VisibleMenuItem, *EditMenuItem;

protected:
    void DoClose(TCloseAction &Action) override;

private:
    void BuildObjectTabs();
    void BuildLayoutTab();
    void BuildControlTab();
    void AddClick(TgPlotEditorKind Kind);
    void RemoveClick(TgPlotEditorKind Kind);
    void ListClick(TgPlotEditorKind Kind);
    void FillNameCombos(TgPlotEditorKind Kind);
    void SetLogState();
    // File and log commands of the Control tab.
    void ControlFileChosen(const QString &Picker);
    void LayoutMenuClick(TMenuItem *Item);

    TgPlotMasterManager *FMaster;
    TgPlotComponent *FPlotComponent = nullptr;
    QPointer<QWidget> FPlotWidget;
    TgPlotLayoutObject *FRightClickObject = nullptr;
    bool FIsClosing = false;
    std::array<TgEditorTabBody, 10> FTabs;
    TgEditorTabBody FControlTab;
    std::vector<TgEditorRow> FTitleRows;
};
