#pragma once
// The tabs of the plot editor: the frame of each object tab (its page
// prefix, sheet, object list and refresh rules) and the tables of the tabs.
// A tab's table comes from its own function (see gPlotEditorTab.h); list it
// in EditorTabBody. The object list of a kind stands in a container named
// "g" + prefix + "ListPanel" at the sheet's left (hidden with the list), and
// a tab's first frames fill the rest of the sheet.
#include "gPlotEditorInterface.h"
#include "gPlotEditorTab.h"

// What a tab's apply refreshes after writing its object.
enum TgEditorAfterApply {
    ieaUpdateAll, // every object tab
    ieaOwnTab,    // its own tab, then its list repaints
    ieaNothing
};

struct TgEditorKindFrame {
    const char *Prefix;
    const char *Sheet;
    const char *ListBox;
    const char *AddButton; // none for hidden lists
    const char *RemoveButton;
    bool ListShown;
    // Property path of the colour box of the list's entries; none: no box.
    const char *ColorPath;
    TgEditorAfterApply AfterApply;
    // The refresh ends by repainting the list.
    bool RepaintList;
    // The name combos are filled after the controls are enabled (the axis
    // tabs), else first of all.
    bool FillAfterEnable;
    // The master manager's Add of the kind.
    int (TgPlotMasterManager::*Add)();
};

const TgEditorKindFrame &EditorKindFrame(TgPlotEditorKind Kind);

// The items of the combos that choose a pen style and a brush style, in
// the styles' order.
const QStringList &PenStyleItems();
const QStringList &BrushStyleItems();

// The table of an object tab (empty for a tab not made yet).
TgEditorTabBody EditorTabBody(TgPlotEditorKind Kind);
// The Control tab: its rows bound to the plot in the order that
// BasicPropertyChanged writes them; the title group bound to the plot's
// first label.
TgEditorTabBody ControlTabBody();
std::vector<TgEditorRow> TitleRows();
// The Legend tab: the legend selected in its hidden list.
TgEditorTabBody LegendTabBody();
// The Tables tab.
TgEditorTabBody TableTabBody();
// The ToolBar and Data View tabs: the toolbar and the data view chosen in
// their hidden lists.
TgEditorTabBody ToolBarTabBody();
TgEditorTabBody DataViewTabBody();
// The Channels tab: the rows of every channel, then those of strip-chart
// channels only; the files, the log and the statistics beside them.
TgEditorTabBody ChannelTabBody();
// The Cursors tab.
TgEditorTabBody DataCursorTabBody();
// The Limits tab.
TgEditorTabBody LimitTabBody();
// The Labels tab; its first entry, the plot's title, also shows in the
// Control tab's title group.
TgEditorTabBody LabelTabBody();
// The X-Axes or the Y-Axes tab (Kind iekXAxis or iekYAxis).
TgEditorTabBody AxisTabBody(TgPlotEditorKind Kind);
