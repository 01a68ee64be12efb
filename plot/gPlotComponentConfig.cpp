// The plot's configuration file: every object and the plot's own settings.
#include "gPlotComponent.h"

#include "FloatFormat.h"
#include "Strings.h"
#include "gPlotChannelCustom.h"
#include "gPlotDataCursor.h"
#include "gPlotDataView.h"
#include "gPlotLabel.h"
#include "gPlotLayoutManager.h"
#include "gPlotLegend.h"
#include "gPlotLimit.h"
#include "gPlotMasterManager.h"
#include "gPlotTable.h"
#include "gPlotTextFile.h"
#include "gPlotToolBar.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gPropertyLines.h"

namespace {

// The kinds in the file's order: count key and line prefix.
enum TgKind { kChannel, kXAxis, kYAxis, kToolBar, kLegend, kTable, kLabel, kDataView, kDataCursor, kLimit, kKinds };
const char *const CountKeys[kKinds] = {"ChannelCount", "XAxisCount",  "YAxisCount",    "ToolBarCount",
                                       "LegendCount",  "TableCount",  "LabelCount",    "DataViewCount",
                                       "DataCursorCount", "LimitCount"};
const char *const Prefixes[kKinds] = {"Channel", "XAxis", "YAxis",    "ToolBar",    "Legend",
                                      "Table",   "Label", "DataView", "DataCursor", "Limit"};
// The control's own properties left out unless OptionSaveAllProperties.
const char *const LayoutNames[] = {"Left", "Top",     "Width", "Height", "Align",       "Cursor",     "ShowHint",
                                   "Tag",  "Visible", "Enabled", "Hint", "HelpContext", "HelpKeyword"};
// More objects of a kind than any plot holds: a damaged count.
constexpr long long MaxObjects = 10000;

const QString FileType = QStringLiteral("Plot Config");

int CountOf(const TgPlotComponent *Plot, int Kind)
{
    switch (Kind) {
    case kChannel: return Plot->ChannelCount();
    case kXAxis: return Plot->XAxisCount();
    case kYAxis: return Plot->YAxisCount();
    case kToolBar: return Plot->ToolBarCount();
    case kLegend: return Plot->LegendCount();
    case kTable: return Plot->TableCount();
    case kLabel: return Plot->LabelCount();
    case kDataView: return Plot->DataViewCount();
    case kDataCursor: return Plot->DataCursorCount();
    default: return Plot->LimitCount();
    }
}

TObject *ObjectOf(const TgPlotComponent *Plot, int Kind, int Index)
{
    switch (Kind) {
    case kChannel: return Plot->GetChannel(Index);
    case kXAxis: return Plot->GetXAxis(Index);
    case kYAxis: return Plot->GetYAxis(Index);
    case kToolBar: return Plot->GetToolBar(Index);
    case kLegend: return Plot->GetLegend(Index);
    case kTable: return Plot->GetTable(Index);
    case kLabel: return Plot->GetLabel(Index);
    case kDataView: return Plot->GetDataView(Index);
    case kDataCursor: return Plot->GetDataCursor(Index);
    default: return Plot->GetLimit(Index);
    }
}

// A new object of the kind (toolbars are never added by a load).
TObject *AddObject(TgPlotComponent *Plot, int Kind)
{
    switch (Kind) {
    case kChannel: {
        TgPlotChannelCustom *channel = Plot->GetChannel(Plot->AddChannel());
        channel->SetColor(255);
        return channel;
    }
    case kXAxis: return Plot->GetXAxis(Plot->AddXAxis());
    case kYAxis: return Plot->GetYAxis(Plot->AddYAxis());
    case kLegend: return Plot->GetLegend(Plot->AddLegend());
    case kTable: return Plot->GetTable(Plot->AddTable());
    case kLabel: return Plot->GetLabel(Plot->AddLabel());
    case kDataView: return Plot->GetDataView(Plot->AddDataView());
    case kDataCursor: return Plot->GetDataCursor(Plot->AddDataCursor());
    default: return Plot->GetLimit(Plot->AddLimit());
    }
}

struct TgConfiguration {
    explicit TgConfiguration(const TStrings *File) : Lines(File) {}
    int Counts[kKinds] = {};
    bool HasZHorz = false, HasZVert = false;
    int ZHorz = 0, ZVert = 0;
    TgPropertyLineList Lines;
};

long long WholeNumber(const QString &Text, int Line)
{
    long long v = 0;
    if (!TryStrToInt64(Text, v) || v != static_cast<int>(v))
        ThrowLineError(Line, QStringLiteral("'%1' is not a valid integer value").arg(Text));
    return v;
}

// The rebuild of the plot from a checked file; Lines is used up.
void ApplyConfiguration(TgPlotComponent *Plot, const TgConfiguration &Config, TgPropertyLineList Lines)
{
    if (Config.HasZHorz)
        Plot->SetDataViewZHorz(Config.ZHorz);
    if (Config.HasZVert)
        Plot->SetDataViewZVert(Config.ZVert);
    Plot->RemoveAllLegends();
    Plot->RemoveAllTables();
    Plot->RemoveAllLabels();
    Plot->RemoveAllLimits();
    Plot->RemoveAllXAxes();
    Plot->RemoveAllYAxes();
    Plot->RemoveAllDataViews();
    Plot->RemoveAllChannels();
    Plot->RemoveAllAnnotations();
    Plot->RemoveAllDataCursors();
    for (int kind = 0; kind < kKinds; ++kind) {
        for (int i = 0; i < Config.Counts[kind]; ++i) {
            const QString path = QLatin1String(Prefixes[kind]) + QString::number(i);
            TObject *object = nullptr;
            if (kind == kToolBar)
                object = i < Plot->ToolBarCount() ? Plot->GetToolBar(i) : nullptr;
            else if (kind == kLabel && i == 0 && Plot->LabelCount() > 0)
                object = Plot->GetLabel(0); // the title stays
            else
                object = AddObject(Plot, kind);
            if (object)
                Lines.Apply(object, path);
            else
                Lines.Skip(path); // a toolbar this plot does not have
        }
    }
    Lines.Apply(Plot, QString());
}

} // namespace

std::unique_ptr<TgPlotComponent> TgPlotComponent::CreateStagingPlot() const
{
    auto staging = std::make_unique<TgPlotComponent>(nullptr);
    staging->BeginUpdate(); // never shown, never painted
    staging->Master()->SetChannelClass(FMasterManager->ChannelClass());
    for (int i = 0; i < ToolBarCount(); ++i)
        staging->AddToolBar();
    if (LabelCount() > 0)
        staging->AddLabel();
    staging->FAnnotationDefaultBrushStyle = FAnnotationDefaultBrushStyle;
    staging->FAnnotationDefaultBrushColor = FAnnotationDefaultBrushColor;
    staging->FAnnotationDefaultPenStyle = FAnnotationDefaultPenStyle;
    staging->FAnnotationDefaultPenColor = FAnnotationDefaultPenColor;
    staging->FAnnotationDefaultPenWidth = FAnnotationDefaultPenWidth;
    staging->FAnnotationDefaultReference = FAnnotationDefaultReference;
    staging->FAnnotationDefaultReferenceXY = FAnnotationDefaultReferenceXY;
    staging->FAnnotationDefaultFont->Assign(FAnnotationDefaultFont.get());
    staging->FLogFileName = FLogFileName;
    staging->FLoggingActive = FLoggingActive;
    staging->FDataFileFormat = FDataFileFormat;
    staging->FDataFileColumnSeparator = FDataFileColumnSeparator;
    return staging;
}

void TgPlotComponent::SavePropertiesToFile(const QString &FileName)
{
    try {
        TStringList exclude;
        exclude.Add(QStringLiteral("Name"));
        if (!OptionSaveAllProperties())
            for (const char *name : LayoutNames)
                exclude.Add(QLatin1String(name));
        TStringList lines;
        lines.Add(QStringLiteral("File Type = ") + FileType);
        for (int kind = 0; kind < kKinds; ++kind)
            lines.Add(QLatin1String(CountKeys[kind]) + QStringLiteral(" = ") + QString::number(CountOf(this, kind)));
        lines.Add(QStringLiteral("DataViewZHorz = ") + QString::number(DataViewZHorz()));
        lines.Add(QStringLiteral("DataViewZVert = ") + QString::number(DataViewZVert()));
        for (int kind = 0; kind < kKinds; ++kind)
            for (int i = 0; i < CountOf(this, kind); ++i)
                SavePropertiesToStrings(ObjectOf(this, kind, i), QLatin1String(Prefixes[kind]) + QString::number(i),
                                        &lines, FDifferentialPropertySave, &exclude);
        SavePropertiesToStrings(this, QString(), &lines, FDifferentialPropertySave, &exclude);
        SaveTextFile(FileName, &lines);
    } catch (const std::exception &e) {
        throw Exception(QStringLiteral("Error Saving Properties - ") + FailureText(e));
    }
    FLastPropertiesFileName = FileName;
    if (OnAfterSaveProperties)
        OnAfterSaveProperties(this);
}

void TgPlotComponent::LoadPropertiesFromFile(const QString &FileName)
{
    if (OnBeforeLoadProperties)
        OnBeforeLoadProperties(this);
    try {
        TStringList file;
        LoadTextFile(FileName, &file);
        TgConfiguration config(&file);
        QString value;
        int line = 0;
        if (!config.Lines.Extract(QStringLiteral("File Type"), value, line) ||
            value.toUpper() != FileType.toUpper())
            throw Exception(QStringLiteral("Incompatible Plot Configuration File Type"));
        for (int kind = 0; kind < kKinds; ++kind) {
            if (!config.Lines.Extract(QLatin1String(CountKeys[kind]), value, line))
                continue; // a missing count is 0
            const long long count = WholeNumber(value, line);
            if (count < 0 || count > MaxObjects)
                ThrowLineError(line, QStringLiteral("%1 %2 is out of range (0 to %3)")
                                         .arg(QLatin1String(CountKeys[kind]))
                                         .arg(count)
                                         .arg(MaxObjects));
            config.Counts[kind] = static_cast<int>(count);
        }
        if ((config.HasZHorz = config.Lines.Extract(QStringLiteral("DataViewZHorz"), value, line)))
            config.ZHorz = static_cast<int>(WholeNumber(value, line));
        if ((config.HasZVert = config.Lines.Extract(QStringLiteral("DataViewZVert"), value, line)))
            config.ZVert = static_cast<int>(WholeNumber(value, line));

        ApplyConfiguration(CreateStagingPlot().get(), config, config.Lines);

        // The file is good: the real rebuild, in one update with the layout
        // manager off, both as they were afterwards however it ends.
        struct Bracket {
            TgPlotComponent *plot;
            bool layout = plot->LayoutManager()->Enabled(), updating = plot->GetUpdateActive();
            explicit Bracket(TgPlotComponent *p) : plot(p)
            {
                plot->DisableLayoutManager();
                plot->BeginUpdate();
            }
            ~Bracket()
            {
                if (layout)
                    plot->EnableLayoutManager();
                if (!updating)
                    plot->EndUpdate();
            }
        } bracket(this);
        ApplyConfiguration(this, config, config.Lines);
    } catch (const std::exception &e) {
        throw Exception(QStringLiteral("Error Loading Properties - ") + FailureText(e));
    }
    FLastPropertiesFileName = FileName;
    if (OnAfterLoadProperties)
        OnAfterLoadProperties(this);
}
