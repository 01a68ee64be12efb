#include "gPlotEditorTabs.h"

#include "gPlotMasterManager.h"

namespace {

using M = TgPlotMasterManager;

// By TgPlotEditorKind.
const TgEditorKindFrame kFrames[] = {
    {"ToolBar", "ToolBarTabSheet", "ToolBarListBox", nullptr, nullptr, false, nullptr, ieaUpdateAll, true, false,
     &M::AddToolBar},
    {"Legend", "LegendTabSheet", "LegendListBox", nullptr, nullptr, false, nullptr, ieaUpdateAll, true, false,
     &M::AddLegend},
    {"Table", "TablesTabSheet", "TableListBox", "gTableAddButton", "TableRemoveButton", true, nullptr, ieaNothing,
     false, false, &M::AddTable},
    {"XAxis", "XAxesTabSheet", "XAxisListBox", "XAxesAddButton", "XAxisRemoveButton", true, "LabelsFont.Color",
     ieaUpdateAll, true, true, &M::AddXAxis},
    {"YAxis", "YAxesTabSheet", "YAxisListBox", "YAxesAddButton", "YAxisRemoveButton", true, "LabelsFont.Color",
     ieaUpdateAll, true, true, &M::AddYAxis},
    {"DataView", "DataViewTabSheet", "DataViewListBox", nullptr, nullptr, false, nullptr, ieaUpdateAll, true, false,
     &M::AddDataView},
    {"Channel", "ChannelsTabSheet", "ChannelListBox", "gChannelAddButton", "ChannelRemoveButton", true, "Color",
     ieaUpdateAll, true, false, &M::AddChannel},
    {"DataCursor", "DataCursorTabSheet", "DataCursorListBox", "gDataCursorAddButton", "DataCursorRemoveButton", true,
     "Color", ieaOwnTab, false, false, &M::AddDataCursor},
    {"Limit", "LimitTabSheet", "LimitListBox", "gLimitAddButton", "LimitRemoveButton", true, "Color", ieaOwnTab, false,
     false, &M::AddLimit},
    {"Label", "LabelsTabSheet", "LabelListBox", "gLabelAddButton", "LabelRemoveButton", true, nullptr, ieaOwnTab,
     false, false, &M::AddLabel},
};

} // namespace

const TgEditorKindFrame &EditorKindFrame(TgPlotEditorKind Kind)
{
    return kFrames[Kind];
}

const QStringList &PenStyleItems()
{
    static const QStringList items{"Solid", "Dash", "Dot", "DashDot", "DashDotDot", "Clear", "Inside Frame"};
    return items;
}

const QStringList &BrushStyleItems()
{
    static const QStringList items{"Solid",     "Clear",     "Horizontal", "Vertical",
                                   "FDiagonal", "BDiagonal", "Cross",      "DiagCross"};
    return items;
}

TgEditorTabBody EditorTabBody(TgPlotEditorKind Kind)
{
    switch (Kind) {
    case iekLegend: return LegendTabBody();
    case iekTable: return TableTabBody();
    case iekToolBar: return ToolBarTabBody();
    case iekDataView: return DataViewTabBody();
    case iekChannel: return ChannelTabBody();
    case iekDataCursor: return DataCursorTabBody();
    case iekLimit: return LimitTabBody();
    case iekLabel: return LabelTabBody();
    case iekXAxis: return AxisTabBody(iekXAxis);
    case iekYAxis: return AxisTabBody(iekYAxis);
    default: return {};
    }
}
