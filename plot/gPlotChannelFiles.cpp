// The channel's configuration, data and log files.
#include "gPlotChannelCustom.h"

#include "Exceptions.h"
#include "Stream.h"
#include "Strings.h"
#include "gPlotComponent.h"
#include "gPlotDataFile.h"
#include "gPlotDataText.h"
#include "gPlotOwner.h"
#include "gPlotTextFile.h"
#include "gPropertyLines.h"

#include <algorithm>

namespace {

const QString ChannelFileType = QStringLiteral("Plot Channel Config");
const QString ChannelPath = QStringLiteral("Channel");

} // namespace

char TgPlotChannelCustom::DataFileSeparator() const
{
    const IgPlotOwner *plot = Plot();
    return plot ? plot->GetDataFileSeparatorChar() : '\t';
}

void TgPlotChannelCustom::CheckAppend(int Count, const std::function<double(int)> &XAt, bool Replacing) const
{
    const std::int64_t held = Replacing ? 0 : this->Count();
    if (!FData->RingBufferEnabled() && held + Count > MaxDataPoints())
        throw Exception(QStringLiteral("Exceed Maximum List Size"));
    for (int i = 0; i < Count; ++i)
        CheckFiniteX(XAt(i));
}

void TgPlotChannelCustom::SavePropertiesToFile(const QString &FileName)
{
    try {
        TStringList lines;
        lines.Add(QStringLiteral("File Type = ") + ChannelFileType);
        TStringList exclude;
        exclude.Add(ChannelPath + QStringLiteral(".Name"));
        const IgPlotOwner *plot = Plot();
        SavePropertiesToStrings(this, ChannelPath, &lines, plot && plot->DifferentialPropertySave(), &exclude);
        SaveTextFile(FileName, &lines);
    } catch (const std::exception &e) {
        throw Exception(QStringLiteral("Error Saving Properties - ") + FailureText(e));
    }
}

void TgPlotChannelCustom::LoadPropertiesFromFile(const QString &FileName)
{
    try {
        TStringList file;
        LoadTextFile(FileName, &file);
        TgPropertyLineList lines(&file);
        QString type;
        int typeLine = 0;
        if (!lines.Extract(QStringLiteral("File Type"), type, typeLine) ||
            type.compare(ChannelFileType, Qt::CaseInsensitive) != 0)
            throw Exception(QStringLiteral("Incompatible Plot Channel Configuration File Type"));
        lines.RemoveName(ChannelPath, QStringLiteral("Name"));

        TgPropertyLineList rest = lines;
        rest.Skip(ChannelPath);
        rest.CheckUsed(QStringLiteral("\"%1\" is not a channel property line"));
        // The whole file first goes to a stand-in of this channel (same
        // class, same settings, same logging state): only when every line
        // takes there does this channel change.
        if (auto *plot = dynamic_cast<TgPlotComponent *>(Owner())) {
            std::unique_ptr<TgPlotComponent> staging = plot->CreateStagingPlot();
            TgPlotChannelCustom *standIn = staging->GetChannel(staging->AddChannel());
            TStringList current;
            SavePropertiesToStrings(this, QString(), &current, false, nullptr);
            LoadPropertiesFromStrings(standIn, QString(), &current);
            standIn->FLogFileName = FLogFileName;
            standIn->FLoggingActive = FLoggingActive;
            TgPropertyLineList trial = lines;
            trial.Apply(standIn, ChannelPath);
        }
        lines.Apply(this, ChannelPath);
    } catch (const std::exception &e) {
        throw Exception(QStringLiteral("Error Loading Properties - ") + FailureText(e));
    }
}

void TgPlotChannelCustom::SaveDataToFile(const QString &FileName)
{
    WriteChannelDataFile(FileName, this, DataFileSeparator());
}

void TgPlotChannelCustom::LoadDataFromFile(const QString &FileName, bool ClearPreviousData)
{
    const TgStagedPoints points = ReadChannelDataFile(FileName);
    const int kept = ClearPreviousData ? 0 : Count();
    if (!FData->RingBufferEnabled() && std::int64_t(kept) + points.Count() > MaxDataPoints())
        throw Exception(QStringLiteral("Exceed Maximum List Size"));
    if (FLoggingActive)
        LogDeactivate();
    if (ClearPreviousData)
        Clear();
    points.AppendTo(this, true);
}

void TgPlotChannelCustom::SetLogFileName(const QString &Value)
{
    if (Value == FLogFileName)
        return;
    if (FLoggingActive)
        throw Exception(TranslateText(QStringLiteral("Log File Name can not be changed while logging is active.")));
    ChangeString(FLogFileName, Value, &TgPlotObject::DoChange);
}

void TgPlotChannelCustom::LogActivate(bool Append)
{
    if (FLogFileName.trimmed().isEmpty())
        throw Exception(QStringLiteral("Log File Name not Defined"));
    if (FLoggingActive)
        throw Exception(QStringLiteral("Logging Already Active"));
    TFileStream(FLogFileName, Append ? fmOpenReadWrite : fmCreate);
    FLoggingActive = true;
    FLogBufferCount = 0;
}

void TgPlotChannelCustom::LogDeactivate()
{
    if (!FLoggingActive)
        throw Exception(QStringLiteral("Logging not Active"));
    FLoggingActive = false;
    if (FLogBufferCount > 0)
        FlushLog();
}

void TgPlotChannelCustom::FlushLog()
{
    const int n = std::min(FLogBufferCount, Count());
    if (n > 0) {
        const char separator = DataFileSeparator();
        std::string bytes;
        char number[DataNumberMaxLength];
        for (int i = Count() - n; i < Count(); ++i) {
            double x, y;
            bool empty, null;
            FData->GetXYEmptyNull(i, x, y, empty, null);
            std::string line(number, FormatDataNumber(x, number));
            line += separator;
            line.append(number, FormatDataNumber(y, number));
            line.resize(std::min<size_t>(line.size(), 255));
            bytes += line;
            bytes += "\r\n";
        }
        TFileStream file(FLogFileName, fmOpenReadWrite);
        file.Seek(0, soEnd);
        file.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    }
    FLogBufferCount = 0;
}
