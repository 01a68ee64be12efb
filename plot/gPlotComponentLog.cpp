// The plot's log file, AddDataArray, TransferChannelData and ClearAllData.
#include "gPlotComponent.h"

#include "Exceptions.h"
#include "Stream.h"
#include "gPlotChannel.h"
#include "gPlotDataFile.h"
#include "gPlotDataText.h"
#include "gPlotMasterManager.h"
#include "gXYPlotChannel.h"

#include <QtEndian>
#include <algorithm>

namespace {

enum : std::uint8_t { NoPoint, PlainPoint, NullPoint, EmptyPoint };

const char CompactHeader[] = "Compact Interval\r\n";

[[noreturn]] void DimensionError()
{
    throw Exception(QStringLiteral("Data Array must be 1 or 2 Dimensions"));
}

bool IsList(const QVariant &V)
{
    return V.metaType().id() == QMetaType::QVariantList;
}

double ToDouble(const QVariant &V)
{
    bool ok = false;
    const double v = V.toDouble(&ok);
    if (!ok)
        throw EConvertError(QStringLiteral("Could not convert variant to Double"));
    return v;
}

// The rows a compact log already holds (rows 0 and 1 carry X as well), with
// the X those rows hold for each channel; its header must be that of a log
// of Channels channels, and it must end with a whole row: rows appended after
// a piece of one would be read a piece out of step.
std::int64_t CompactLogRows(TStream &File, int Channels, std::vector<TgCompactX> &X)
{
    const QByteArray bytes = File.ReadAll();
    const QByteArray header = QByteArray(CompactHeader) + QByteArray::number(Channels) + "\r\n";
    if (!bytes.startsWith(header))
        throw Exception(QStringLiteral("The log file is not a Compact Interval log of %1 channels").arg(Channels));
    if (Channels == 0)
        return 0;
    const std::int64_t body = bytes.size() - header.size(), wide = 8LL * Channels, narrow = 4LL * Channels;
    const std::int64_t rows = body <= 2 * wide ? body / wide : 2 + (body - 2 * wide) / narrow;
    const std::int64_t whole = std::min<std::int64_t>(rows, 2) * wide + std::max<std::int64_t>(rows - 2, 0) * narrow;
    if (whole != body)
        throw Exception(QStringLiteral("The log file does not end with a whole row: %1 bytes after row %2 belong to "
                                       "no row, and rows appended after them would not read back")
                            .arg(body - whole)
                            .arg(rows));
    for (std::int64_t r = 0; r < std::min<std::int64_t>(rows, 2); ++r)
        for (int c = 0; c < Channels; ++c)
            X[size_t(c)].Hold(r, qFromLittleEndian<float>(bytes.constData() + header.size() + r * wide + 8 * c));
    return rows;
}

} // namespace

void TgPlotComponent::LogActivate(bool Append)
{
    if (FLogFileName.trimmed().isEmpty())
        throw Exception(QStringLiteral("Log File Name not Defined"));
    if (FLoggingActive)
        throw Exception(QStringLiteral("Logging Already Active"));
    const int channels = ChannelCount();
    std::int64_t rows = 0;
    std::vector<TgCompactX> x(static_cast<size_t>(channels));
    if (Append) {
        TFileStream file(FLogFileName, fmOpenReadWrite);
        if (FDataFileFormat == ipdffCompactInterval)
            rows = CompactLogRows(file, channels, x);
    } else {
        std::string header;
        if (FDataFileFormat == ipdffCompactInterval) {
            header = CompactHeader + std::to_string(channels) + "\r\n";
        } else {
            QString text = QStringLiteral("(X)");
            for (int c = 0; c < channels; ++c)
                text += QLatin1Char(GetDataFileSeparatorChar()) +
                        DataFileHeaderTitle(GetChannel(c), GetDataFileSeparatorChar()) + QStringLiteral("(Y)");
            header = text.toStdString() + "\r\n";
        }
        TFileStream file(FLogFileName, fmCreate);
        file.WriteBuffer(header.data(), std::int64_t(header.size()));
    }
    FLoggingActive = true;
    FLogChannels = channels;
    FLogRowsWritten = rows;
    FLogX = std::move(x);
    FLogRowX.clear();
    FLogCells.clear();
}

void TgPlotComponent::LogDeactivate()
{
    if (!FLoggingActive)
        throw Exception(QStringLiteral("Logging not Active"));
    FLoggingActive = false;
    FlushLog();
}

QString TgPlotComponent::BufferLogRow(double X, int Width)
{
    const size_t first = FLogCells.size();
    for (int c = 0; c < FLogChannels; ++c) {
        TgLogCell cell{0, 0, NoPoint};
        if (c < Width && c < ChannelCount() && GetChannel(c)->Count() > 0) {
            const TgPlotChannelCustom *channel = GetChannel(c);
            bool empty, null;
            channel->GetXYEmptyNull(channel->Count() - 1, cell.X, cell.Y, empty, null);
            cell.Kind = null ? NullPoint : empty ? EmptyPoint : PlainPoint;
        }
        FLogCells.push_back(cell);
    }
    if (FDataFileFormat == ipdffCompactInterval) {
        // The file's row: the first two fix each channel's X, every later one
        // is checked whole against them, so that a refused row leaves no trace.
        const std::int64_t row = FLogRowsWritten + std::int64_t(FLogRowX.size());
        for (size_t c = 0; c < size_t(FLogChannels); ++c) {
            const TgLogCell &cell = FLogCells[first + c];
            if (row < 2) {
                FLogX[c].Hold(row, cell.Kind == NoPoint ? CompactNoPoint : cell.X);
                continue;
            }
            const QString off = cell.Kind == NoPoint ? QString() : FLogX[c].Off(row, cell.X);
            if (!off.isEmpty()) {
                FLogCells.resize(first);
                return CompactRefusal(GetChannel(int(c)), c, off);
            }
        }
    }
    FLogRowX.push_back(X);
    return {};
}

void TgPlotComponent::FlushLog()
{
    const size_t rows = FLogRowX.size();
    if (rows == 0)
        return;
    std::string bytes;
    char number[DataNumberMaxLength];
    const size_t width = static_cast<size_t>(FLogChannels);
    for (size_t r = 0; r < rows; ++r) {
        const TgLogCell *cells = FLogCells.data() + r * width;
        if (FDataFileFormat == ipdffCompactInterval) {
            const bool withX = FLogRowsWritten + std::int64_t(r) < 2;
            for (size_t c = 0; c < width; ++c) {
                const bool held = cells[c].Kind != NoPoint;
                if (withX)
                    AppendCompactValue(bytes, held ? cells[c].X : CompactNoPoint);
                AppendCompactValue(bytes, held ? cells[c].Y : CompactNoPoint);
            }
            continue;
        }
        bytes.append(number, FormatDataNumber(FLogRowX[r], number));
        for (size_t c = 0; c < width; ++c) {
            bytes += GetDataFileSeparatorChar();
            switch (cells[c].Kind) {
            case NoPoint: break;
            case NullPoint: bytes += "Null"; break;
            case EmptyPoint: bytes += "Empty"; break;
            default: bytes.append(number, FormatDataNumber(cells[c].Y, number));
            }
        }
        bytes += "\r\n";
    }
    TFileStream file(FLogFileName, fmOpenReadWrite);
    file.Seek(0, soEnd);
    file.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    FLogRowsWritten += std::int64_t(rows);
    FLogRowX.clear();
    FLogCells.clear();
}

void TgPlotComponent::AddDataArray(double XValue, const QVariant &Data)
{
    // The shape and every value first: nothing is added from a bad array.
    if (!IsList(Data))
        DimensionError();
    const QVariantList outer = Data.toList();
    int lists = 0;
    for (const QVariant &v : outer)
        lists += IsList(v) ? 1 : 0;
    const bool twoD = lists > 0;
    if (twoD && lists != outer.size())
        DimensionError();
    std::vector<std::vector<double>> values; // per channel
    for (const QVariant &v : outer) {
        std::vector<double> channel;
        if (twoD) {
            const QVariantList inner = v.toList();
            if (inner.size() != outer.front().toList().size())
                DimensionError(); // rows of different lengths are no array
            for (const QVariant &e : inner) {
                if (IsList(e))
                    DimensionError();
                channel.push_back(ToDouble(e));
            }
        } else {
            channel.push_back(ToDouble(v));
        }
        values.push_back(std::move(channel));
    }
    if (static_cast<int>(values.size()) > ChannelCount())
        throw Exception(QStringLiteral("Data Array holds values for %1 channels, the plot has %2")
                            .arg(values.size())
                            .arg(ChannelCount()));
    const int points = values.empty() ? 0 : static_cast<int>(values.front().size());
    const int width = static_cast<int>(values.size());
    for (int c = 0; c < width; ++c) {
        const TgPlotChannelCustom *channel = GetChannel(c);
        std::vector<double> xs;
        double x = twoD ? (channel->Count() > 0 ? channel->XLast() + XValue : 0.0) : XValue;
        for (int j = 0; j < points; ++j, x += XValue)
            xs.push_back(x);
        channel->CheckAppend(points, [&xs](int i) { return xs[size_t(i)]; });
    }

    QString refused; // the first row the log refuses: every point is added all the same
    if (!twoD) {
        for (int c = 0; c < width; ++c) {
            TgPlotChannelCustom *channel = GetChannel(c);
            const double v = values[size_t(c)][0];
            const bool null = IsNullValue(v), empty = !null && IsEmptyValue(v);
            auto *xy = dynamic_cast<TgXYPlotChannel *>(channel);
            if (!null && !empty)
                channel->AddXY(XValue, v);
            else if (xy)
                null ? xy->AddNull() : xy->AddEmpty();
            else
                channel->AddXYFlags(XValue, 0, null, empty);
        }
        if (FLoggingActive && width > 0)
            refused = BufferLogRow(XValue, width);
    } else {
        for (int j = 0; j < points; ++j) {
            double rowX = XValue;
            for (int c = 0; c < width; ++c) {
                TgPlotChannelCustom *channel = GetChannel(c);
                const double x = channel->Count() > 0 ? channel->XLast() + XValue : 0.0;
                channel->AddXY(x, values[size_t(c)][size_t(j)]);
                if (c == 0)
                    rowX = x;
            }
            if (FLoggingActive) {
                const QString off = BufferLogRow(rowX, width);
                if (refused.isEmpty())
                    refused = off;
            }
        }
    }
    if (FLoggingActive && LogBufferCount() >= FLogBufferSize)
        FlushLog();
    if (!refused.isEmpty())
        throw Exception(QStringLiteral("Error Logging Data - ") + refused);
}

void TgPlotComponent::TransferChannelData(int SourceChannelIndex, int DestinationChannelIndex, int StartIndex,
                                          int StopIndex)
{
    if (StartIndex < 0)
        throw Exception(QStringLiteral("Start Index Must be 0 or Greater"));
    const TgPlotChannelCustom *source = GetChannel(SourceChannelIndex);
    TgPlotChannelCustom *destination = GetChannel(DestinationChannelIndex);
    if (StopIndex > source->Count() - 1)
        throw Exception(QStringLiteral("StopIndex Must Out Of Range"));
    if (StopIndex < StartIndex)
        return;
    // Read whole first: a channel may be copied onto itself.
    TgStagedPoints points;
    for (int i = StartIndex; i <= StopIndex; ++i) {
        double x, y;
        bool empty, null;
        source->GetXYEmptyNull(i, x, y, empty, null);
        points.Add(x, y, null ? TgStagedPoints::Null : empty ? TgStagedPoints::Empty : TgStagedPoints::Plain);
    }
    points.CheckInto(destination);
    points.AppendTo(destination, false);
}

void TgPlotComponent::ClearAllData()
{
    if (FLoggingActive)
        LogDeactivate();
    FMasterManager->ClearAllData();
}
