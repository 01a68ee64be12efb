// The plot's data and annotation files.
#include "gPlotComponent.h"

#include "FloatFormat.h"
#include "Strings.h"
#include "gPlotAnnotation.h"
#include "gPlotChannelCustom.h"
#include "gPlotDataFile.h"
#include "gPlotTextFile.h"
#include "gPropertyLines.h"

namespace {

// An update of the plot, closed again however the work ends (unless it was
// open before).
class TgUpdate {
public:
    explicit TgUpdate(TgPlotComponent *Plot) : FPlot(Plot), FWasOpen(Plot->GetUpdateActive()) { Plot->BeginUpdate(); }
    ~TgUpdate()
    {
        if (!FWasOpen)
            FPlot->EndUpdate();
    }
    TgUpdate(const TgUpdate &) = delete;
    TgUpdate &operator=(const TgUpdate &) = delete;

private:
    TgPlotComponent *FPlot;
    bool FWasOpen;
};

const QString AnnotationPath = QStringLiteral("Annotation");
constexpr long long MaxAnnotations = 100000;

// Adds Count annotations to Plot, each with its lines; Lines is used up and
// must hold nothing else.
void ApplyAnnotations(TgPlotComponent *Plot, int Count, TgPropertyLineList Lines)
{
    Plot->RemoveAllAnnotations();
    for (int i = 0; i < Count; ++i)
        Lines.Apply(Plot->GetAnnotation(Plot->AddAnnotation()), AnnotationPath + QString::number(i));
    Lines.CheckUsed(QStringLiteral("\"%1\" belongs to none of the file's annotations"));
}

} // namespace

void TgPlotComponent::SaveDataToFile(const QString &FileName)
{
    try {
        std::vector<const TgPlotChannelCustom *> channels;
        for (int i = 0; i < ChannelCount(); ++i)
            channels.push_back(GetChannel(i));
        if (FDataFileFormat == ipdffCompactInterval)
            WritePlotCompactData(FileName, channels);
        else
            WritePlotTextData(FileName, channels, GetDataFileSeparatorChar());
    } catch (const std::exception &e) {
        throw Exception(QStringLiteral("Error Saving Data - ") + FailureText(e));
    }
    FLastDataFileName = FileName;
    if (OnAfterSaveData)
        OnAfterSaveData(this);
}

void TgPlotComponent::LoadDataFromFile(const QString &FileName, bool ClearPreviousData)
{
    try {
        std::vector<TgStagedPoints> staged = ReadPlotDataFile(FileName, ChannelCount());
        for (size_t c = 0; c < staged.size(); ++c)
            staged[c].CheckInto(GetChannel(static_cast<int>(c)), ClearPreviousData);
        TgUpdate update(this);
        if (ClearPreviousData)
            ClearAllData();
        for (size_t c = 0; c < staged.size(); ++c) {
            staged[c].AppendTo(GetChannel(static_cast<int>(c)), false);
            staged[c] = TgStagedPoints(); // the copy goes as soon as the channel holds it
        }
    } catch (const std::exception &e) {
        throw Exception(QStringLiteral("Error Loading Data - ") + FailureText(e));
    }
    FLastDataFileName = FileName;
    if (OnAfterLoadData)
        OnAfterLoadData(this);
}

void TgPlotComponent::SaveAnnotationsToFile(const QString &FileName)
{
    try {
        TStringList lines;
        lines.Add(QStringLiteral("AnnotationCount = ") + QString::number(AnnotationCount()));
        for (int i = 0; i < AnnotationCount(); ++i)
            SavePropertiesToStrings(GetAnnotation(i), AnnotationPath + QString::number(i), &lines, true, nullptr);
        SaveTextFile(FileName, &lines);
    } catch (const std::exception &e) {
        throw Exception(QStringLiteral("Error Saving Annotations - ") + FailureText(e));
    }
}

void TgPlotComponent::LoadAnnotationsFromFile(const QString &FileName)
{
    try {
        TStringList file;
        LoadTextFile(FileName, &file);
        TgPropertyLineList lines(&file);
        QString value;
        int line = 0;
        long long count = 0;
        if (lines.Extract(QStringLiteral("AnnotationCount"), value, line)) {
            if (!TryStrToInt64(value, count))
                ThrowLineError(line, QStringLiteral("'%1' is not a valid integer value").arg(value));
            if (count < 0 || count > MaxAnnotations)
                ThrowLineError(line, QStringLiteral("AnnotationCount %1 is out of range (0 to %2)")
                                         .arg(count)
                                         .arg(MaxAnnotations));
        }
        ApplyAnnotations(CreateStagingPlot().get(), static_cast<int>(count), lines);
        TgUpdate update(this);
        ApplyAnnotations(this, static_cast<int>(count), lines);
    } catch (const std::exception &e) {
        throw Exception(QStringLiteral("Error Loading Annotations - ") + FailureText(e));
    }
}
