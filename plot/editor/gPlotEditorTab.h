#pragma once
// How a tab of the plot editor is made.
//
// A tab is one table, TgEditorTabBody, returned by its own function in its
// own file (gPlotEditorControlTab.cpp is the example) and listed in
// EditorTabBody (gPlotEditorTabs.cpp):
//  - Frames: the containers of the tab (sub page controls and their sheets,
//    group boxes), each placed in a container made before it;
//  - Rows: one per control, in the order in which applying writes them:
//    the control's name and kind, its caption, the property path on the
//    edited object ("Name", "LabelsFont", "Pen.Color"), its place, and what
//    the kind needs (combo items, an up-down or value-converter picker
//    beside an edit, the name list of a name combo, the file filter of a
//    file picker); rows without a path are placed, never bound;
//  - the rules peculiar to the tab, as hooks beside the table.
// The form builds the controls (owned by the form, named as the rows say),
// binds each bound control's change event to the tab's apply, fills the
// controls from the selected object with their silent setters, writes them
// back in row order on apply (each control that holds a value), disables
// the tab's controls by name prefix while its list has no selection, and
// refreshes after apply as the tab's frame in gPlotEditorTabs.cpp says.
#include "Events.h"
#include "gComponentEditorEdit.h"
#include "gValueConverterEditForm.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class TComponent;
class TObject;
class TWinControl;
class TgCustomEditorForm;
class TgPlotEditorForm;

// The control of a row and how its value travels between it and the
// property.
enum TgEditorRowKind {
    // Bound to the property at Path:
    ierEdit,       // TgComponentEditorEdit read as its ValueKind; an up-down
                   // or a value-converter picker may stand beside it
    ierCheckBox,   // TgComponentEditorCheckBox: a Boolean
    ierComboIndex, // TgComponentEditorComboBox, list only: item index = ordinal
    ierComboText,  // TgComponentEditorComboBox: the text; a name combo (Names
                   // set, list only) the entry chosen, none leaving the
                   // property as it is
    ierRadioIndex, // TgComponentEditorRadioGroup: item index = ordinal
    ierColor,      // TgComponentEditorColorPicker
    ierFont,       // TgComponentEditorFontPicker: copied into the font property
    // Placed, never bound:
    ierButton,     // TgComponentEditorButton
    ierOpenPicker, // TgComponentEditorOpenPicker
    ierSavePicker, // TgComponentEditorSavePicker
    ierLabel       // TLabel showing a text (Caption)
};

// The lists of names that fill a name combo, each first entry translated.
enum TgEditorNameList {
    ienlNone,
    ienlXAxis,        // "<None>", every X axis
    ienlYAxis,        // "<None>", every Y axis
    ienlXAxisAll,     // "<None>", every X axis, "<All>"
    ienlYAxisAll,     // "<None>", every Y axis, "<All>"
    ienlChannelAll,   // "<All>", every channel
    ienlChannel       // "<None>", every channel
};

// One control of a tab (see the top of this file). Built by the functions
// below and their chained settings.
struct TgEditorRow {
    QString Name;
    TgEditorRowKind Kind = ierEdit;
    QString Caption;
    QString Path;
    // Place: in the container Parent at (X, Y), Width x Height (0: the
    // kind's own); a caption label (for the kinds that do not show their
    // caption themselves) at (X, Y + 3) and the control LabelWidth to its
    // right. Rows without a Parent are bindings of controls placed before.
    QString Parent;
    int X = 0, Y = 0, LabelWidth = 0, Width = 0, Height = 0;
    QString LabelName;
    TgEditorValueKind Value = ievkText;
    QStringList Items;
    // The ordinal each item of a combo or radio group stands for, in item
    // order (empty: the item index is the ordinal).
    std::vector<int> Ordinals;
    // Up-down beside an edit (Min = Max = 0: no bounds).
    QString UpDown;
    int Min = 0, Max = 100, Increment = 1;
    // Value-converter picker beside an edit.
    QString Picker;
    TgValueConverterPageType PickerPage = ivcptInterval;
    TgEditorNameList Names = ienlNone;
    // A name combo refilled when it drops down; else only by the refresh.
    bool FillOnDropDown = true;
    // File pickers.
    QString Filter, DefaultExt;
    bool FileMustExist = false;
    // The row counts for an object only when When says so (neither filled
    // nor written otherwise); after filling, the control is enabled only
    // when Enabled says so.
    std::function<bool(TObject *)> When;
    std::function<bool(TObject *)> Enabled;

    TgEditorRow &In(const QString &AParent, int AX, int AY, int ALabelWidth, int AWidth, int AHeight = 0);
    TgEditorRow &WithUpDown(const QString &AName, int AMin, int AMax, int AIncrement = 1);
    TgEditorRow &WithPicker(const QString &AName, TgValueConverterPageType APage);
    TgEditorRow &WithOrdinals(std::vector<int> AOrdinals);
    TgEditorRow &Named(const QString &ALabelName);
    TgEditorRow &FilledOnRefreshOnly();
    TgEditorRow &Only(std::function<bool(TObject *)> AWhen);
    TgEditorRow &EnabledWhen(std::function<bool(TObject *)> AEnabled);
    TgEditorRow &File(const QString &AFilter, const QString &AExt, bool AMustExist = false);
};

TgEditorRow EditRow(const QString &Name, const QString &Caption, const QString &Path, TgEditorValueKind Value);
TgEditorRow CheckRow(const QString &Name, const QString &Caption, const QString &Path);
TgEditorRow ComboIndexRow(const QString &Name, const QString &Caption, const QString &Path, const QStringList &Items);
TgEditorRow ComboTextRow(const QString &Name, const QString &Caption, const QString &Path,
                         TgEditorNameList Names = ienlNone);
TgEditorRow RadioRow(const QString &Name, const QString &Caption, const QString &Path, const QStringList &Items);
TgEditorRow ColorRow(const QString &Name, const QString &Caption, const QString &Path);
TgEditorRow FontRow(const QString &Name, const QString &Caption, const QString &Path);
TgEditorRow ButtonRow(const QString &Name, const QString &Caption);
TgEditorRow OpenPickerRow(const QString &Name, const QString &Caption);
TgEditorRow SavePickerRow(const QString &Name, const QString &Caption);
TgEditorRow LabelRow(const QString &Name, const QString &Caption);
// A control placed by another row, bound here to Path (a second table of
// the same controls, as the title group's).
TgEditorRow BindRow(const QString &Name, TgEditorRowKind Kind, const QString &Path);

enum TgEditorFrameKind { iefPageControl, iefTabSheet, iefGroupBox };

// A container of a tab: a page control (filling its parent beside the
// parent's other aligned children when Width is 0), a sheet of a page
// control (Parent), or a group box.
struct TgEditorFrame {
    QString Name;
    TgEditorFrameKind Kind = iefGroupBox;
    QString Caption;
    QString Parent;
    int X = 0, Y = 0, Width = 0, Height = 0;
};

TgEditorFrame PageControlFrame(const QString &Name, const QString &Parent, int X = 0, int Y = 0, int Width = 0,
                               int Height = 0);
TgEditorFrame SheetFrame(const QString &Name, const QString &Caption, const QString &PageControl);
TgEditorFrame GroupFrame(const QString &Name, const QString &Caption, const QString &Parent, int X, int Y, int Width,
                         int Height);

// The rules peculiar to a tab, each with the form and, where there is one,
// the object being edited.
using TgEditorTabHook = std::function<void(TgPlotEditorForm &Form, TObject *Object)>;

struct TgEditorTabBody {
    std::vector<TgEditorFrame> Frames;
    std::vector<TgEditorRow> Rows;
    // Once the controls are made: handlers of buttons and pickers.
    std::function<void(TgPlotEditorForm &Form)> Wire;
    // Refresh: first of all, with the selected object or none (what the
    // tab shows whatever is selected);
    TgEditorTabHook Refreshing;
    // after the controls are enabled and the name combos filled, before the
    // rows are filled; then after they are.
    TgEditorTabHook BeforeFill, AfterFill;
    // Apply: after the rows are written, before the refresh.
    TgEditorTabHook AfterApply;
    // The user picked, added or removed an entry of the tab's list.
    std::function<void(TgPlotEditorForm &Form)> ListChanged;
};

// Makes the frames and the controls of the rows that have a place, owned
// by Form, and sets the Tab order of every container by place (top to
// bottom, then left to right). Raises when a parent is missing.
void BuildEditorTab(TgCustomEditorForm *Form, const TgEditorTabBody &Body);
// Binds the change event of every bound row's control to Handler (edits
// OnUpdate, check boxes OnClick, the others OnChange); the name combos'
// drop-downs (those FillOnDropDown) to Fill with the combo.
void BindEditorRows(TComponent *Form, const std::vector<TgEditorRow> &Rows, const TNotifyEvent &Handler,
                    const std::function<void(TgEditorNameList, TComponent *)> &Fill);
// Shows Object's properties in the rows' controls, silently.
void FillEditorRows(TComponent *Form, const std::vector<TgEditorRow> &Rows, TObject *Object);
// Writes the rows' controls into Object in row order: each control that
// holds a value (an edit whose text reads as its kind, a combo or radio
// group with a selection; a text combo without names always).
void ApplyEditorRows(TComponent *Form, const std::vector<TgEditorRow> &Rows, TObject *Object);
// The enabling rule: every component owned by Form whose name begins with
// Prefix (letter case aside), and the up-downs and pickers beside such
// edits, page controls, tab sheets and labels left out: the editor controls
// through their Disable (which blanks the value) or Enable, the others by
// their enabled state.
void SetEditorControlsEnabled(TComponent *Form, const QString &Prefix, bool Enabled);
