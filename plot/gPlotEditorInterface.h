#pragma once
#include <QString>

#include <functional>

class TComponent;
class TgPlotMasterManager;
class TgPlotObject;

// The kinds of plot object that the property editor lists, each with its
// list box, its main page and its update operation.
enum TgPlotEditorKind {
    iekToolBar, iekLegend, iekTable, iekXAxis, iekYAxis, iekDataView, iekChannel, iekDataCursor, iekLimit, iekLabel
};

// The page controls of the editor whose active page the master remembers
// between editors, in the master's order.
enum TgPlotEditorPageControl {
    iepMain, iepControl, iepChannel, iepXAxis, iepXAxisLabels, iepYAxis, iepYAxisLabels, iepDataCursor, iepLimit,
    iepLabel, iepLegend, iepTable, iepDataView, iepDataViewGridLinesCustom, iepCount
};

// What the master manager needs of the run-time property editor. The editor
// form implements it; the master creates it through EditorFactory and keeps
// its object lists in step with the plot.
class IgPlotEditor {
public:
    virtual ~IgPlotEditor() = default;

    virtual bool Closing() const = 0;
    virtual void UpdateAll() = 0;
    virtual void SetPlotComponent(TComponent *Plot) = 0;
    // UpdateToolBarEdit ... UpdateLabelEdit.
    virtual void UpdateKindEdit(TgPlotEditorKind Kind) = 0;
    // The kind's list box: append an entry (empty text, the object attached),
    // select an entry (-1: none), delete the object's entry, count.
    virtual void AddListEntry(TgPlotEditorKind Kind, TgPlotObject *Object) = 0;
    virtual void SelectListEntry(TgPlotEditorKind Kind, int Index) = 0;
    virtual void DeleteListEntry(TgPlotEditorKind Kind, TgPlotObject *Object) = 0;
    virtual int ListEntryCount(TgPlotEditorKind Kind) const = 0;
    // Shows the kind's main page.
    virtual void ShowKindPage(TgPlotEditorKind Kind) = 0;
    // An object of Kind was renamed: name combo boxes showing OldName of an X
    // axis, Y axis or channel are refilled and set to NewName, and the kind's
    // name edit shows the selected object's name.
    virtual void FollowRename(TgPlotEditorKind Kind, const QString &OldName, const QString &NewName) = 0;
    virtual int PageCount(TgPlotEditorPageControl Control) const = 0;
    // -1 when the control shows no page.
    virtual int ActivePageIndex(TgPlotEditorPageControl Control) const = 0;
    virtual void SetActivePageIndex(TgPlotEditorPageControl Control, int Index) = 0;
    // Shows the channel list's add and remove buttons.
    virtual void SetChannelButtonsVisible(bool Value) = 0;
    // The control page from the plot's settings, and back into the plot.
    virtual void LoadControlPage() = 0;
    virtual void StoreControlPage() = 0;
    virtual void CenterOnScreen() = 0;
    // Stay-on-top: shown and returns; modal: returns once closed.
    virtual void Show(bool StayOnTop) = 0;
    // Every caption of the form passed through Translate.
    virtual void Translate(const std::function<QString(const QString &)> &Translate) = 0;
    // Fired when the form has closed (stay-on-top: the master lets it go).
    std::function<void()> OnClosed;
};

// Creates the editor of a plot.
using TgPlotEditorFactory = std::function<IgPlotEditor *(TgPlotMasterManager *Master, TComponent *Plot)>;

// The library's own editor form (editor/gPlotEditorForm.cpp): what the
// master managers make from the start.
TgPlotEditorFactory PlotEditorFactory();
