// Writing the channels' and the plot's data files, each whole or not at all.
#include "gPlotDataFile.h"

#include "Exceptions.h"
#include "Stream.h"
#include "gPlotChannelCustom.h"
#include "gPlotDataText.h"
#include "gPlotTextFile.h"

#include <QLocale>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int BlockSize = 512;

void AppendNumber(TgBlockWriter &Out, double Value)
{
    Out.Commit(FormatDataNumber(Value, Out.Reserve(DataNumberMaxLength)));
}

// A channel's points read a block at a time (cheapest in index order).
class TgPointBlocks {
public:
    explicit TgPointBlocks(const TgPlotChannelCustom *Channel) : FChannel(Channel) {}
    // Point Index; none past the last point.
    const TgPlotDataCustomList::XYEmptyNull *At(int Index)
    {
        if (Index >= FChannel->Count())
            return nullptr;
        if (Index < FFirst || Index >= FFirst + FLength) {
            FFirst = Index;
            FLength = std::min(BlockSize, FChannel->Count() - Index);
            FChannel->Data().GetXYEmptyNullBlock(FFirst, FLength, FBlock);
        }
        return &FBlock[Index - FFirst];
    }

private:
    const TgPlotChannelCustom *FChannel;
    TgPlotDataCustomList::XYEmptyNull FBlock[BlockSize];
    int FFirst = 0, FLength = 0;
};

std::vector<TgPointBlocks> BlocksOf(const std::vector<const TgPlotChannelCustom *> &Channels)
{
    std::vector<TgPointBlocks> points;
    points.reserve(Channels.size());
    for (const TgPlotChannelCustom *c : Channels)
        points.emplace_back(c);
    return points;
}

int LargestCount(const std::vector<const TgPlotChannelCustom *> &Channels)
{
    int largest = 0;
    for (const TgPlotChannelCustom *c : Channels)
        largest = std::max(largest, c->Count());
    return largest;
}

float Single(double Value)
{
    return static_cast<float>(Value);
}

QString Number(double Value)
{
    return QString::number(Value, 'g', QLocale::FloatingPointShortest);
}

// Raises when the compact form cannot give Channel's points back.
void CheckCompact(const TgPlotChannelCustom *Channel, size_t Index)
{
    TgPointBlocks points(Channel);
    TgCompactX x;
    for (int i = 0; i < Channel->Count(); ++i) {
        const TgPlotDataCustomList::XYEmptyNull &p = *points.At(i);
        for (const double v : {p.X, p.Y})
            if (!CompactHolds(v))
                throw Exception(CompactRefusal(
                    Channel, Index,
                    QStringLiteral("point %1 holds the value %2 (the form holds values from -3.4E38 to below 9E37)")
                        .arg(i)
                        .arg(v)));
        if (i < 2) {
            x.Hold(i, p.X);
            continue;
        }
        const QString off = x.Off(i, p.X);
        if (!off.isEmpty())
            throw Exception(CompactRefusal(Channel, Index, off));
    }
}

} // namespace

QString DataFileTitle(const TgPlotChannelCustom *Channel)
{
    return Channel->TitleText().trimmed().isEmpty() ? Channel->Name() : Channel->TitleText();
}

QString DataFileHeaderTitle(const TgPlotChannelCustom *Channel, char Separator)
{
    QString title = DataFileTitle(Channel);
    for (QChar &c : title)
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
        else if (c == u',' && Separator == ',')
            c = u';';
    return title;
}

void AppendSingle(std::string &Out, double Value)
{
    float f = Single(Value);
    quint32 bits;
    std::memcpy(&bits, &f, 4);
    bits = qToLittleEndian(bits);
    Out.append(reinterpret_cast<const char *>(&bits), 4);
}

// Its reader takes singles from 9E37 up (and NaN) for "no point" and above
// 1.5E38 for the end, and no single holds a finite value beyond 3.4E38.
bool CompactHolds(double Value)
{
    const float f = Single(Value);
    return f < 9e37f && (std::isfinite(f) || !std::isfinite(Value));
}

double CompactSingle(double Value)
{
    return CompactHolds(Value) ? double(Single(Value)) : CompactNoPoint;
}

void AppendCompactValue(std::string &Out, double Value)
{
    AppendSingle(Out, CompactSingle(Value));
}

QString CompactRefusal(const TgPlotChannelCustom *Channel, size_t Index, const QString &Why)
{
    return QStringLiteral("Channel %1 (%2): %3, which the Compact Interval form cannot hold")
        .arg(Index)
        .arg(DataFileTitle(Channel), Why);
}

double TgCompactX::At(std::int64_t Row) const
{
    if (Counted())
        return FX0 + double(Row) * (FX1 - FX0);
    return FX0 < 9e37 ? FX0 : 0.0;
}

QString TgCompactX::Off(std::int64_t Row, double X) const
{
    const double given = At(Row);
    const bool counted = Counted();
    // The first X is in the scale: an X near 0 counted from far away is as
    // close as the interval's singles allow, not as close as 0 is.
    const double scale = std::max({std::fabs(X), std::fabs(given), counted ? std::fabs(FX0) : 0.0});
    if (std::fabs(X - given) <= 1e-6 * scale)
        return {};
    const QString where = counted ? QStringLiteral("the interval %1 from X %2 puts it at %3")
                                        .arg(Number(FX1 - FX0), Number(FX0), Number(given))
                                  : QStringLiteral("row %1 holds no X to count from").arg(FX0 < 9e37 ? 2 : 1);
    return QStringLiteral("X-Values are not evenly spaced (row %1 is at X %2, where %3)")
        .arg(Row + 1)
        .arg(Number(X), where);
}

void WriteChannelDataFile(const QString &FileName, const TgPlotChannelCustom *Channel, char Separator)
{
    TAtomicFileStream file(FileName);
    TgBlockWriter out(&file);
    TgPointBlocks points(Channel);
    for (int i = 0; i < Channel->Count(); ++i) {
        const TgPlotDataCustomList::XYEmptyNull &p = *points.At(i);
        if (p.Empty)
            continue;
        AppendNumber(out, p.X);
        out.Append(Separator);
        if (p.Null)
            out.Append("Null");
        else
            AppendNumber(out, p.Y);
        out.Append("\r\n");
    }
    out.Flush();
    file.Commit();
}

void WritePlotTextData(const QString &FileName, const std::vector<const TgPlotChannelCustom *> &Channels,
                       char Separator)
{
    TAtomicFileStream file(FileName);
    TgBlockWriter out(&file);
    QString header;
    for (size_t c = 0; c < Channels.size(); ++c) {
        const QString title = DataFileHeaderTitle(Channels[c], Separator);
        if (c > 0)
            header += QLatin1Char(Separator);
        header += title + QStringLiteral("(X)") + QLatin1Char(Separator) + title + QStringLiteral("(Y)");
    }
    const QByteArray head = header.toUtf8();
    out.Append(std::string_view(head.constData(), static_cast<size_t>(head.size())));
    out.Append("\r\n");
    std::vector<TgPointBlocks> points = BlocksOf(Channels);
    const int rows = LargestCount(Channels);
    for (int r = 0; r < rows; ++r) {
        for (size_t c = 0; c < points.size(); ++c) {
            if (c > 0)
                out.Append(Separator);
            const TgPlotDataCustomList::XYEmptyNull *p = points[c].At(r);
            if (!p) {
                out.Append(Separator);
                continue;
            }
            AppendNumber(out, p->X);
            out.Append(Separator);
            if (p->Null)
                out.Append("Null");
            else if (p->Empty)
                out.Append("Empty");
            else
                AppendNumber(out, p->Y);
        }
        out.Append("\r\n");
    }
    out.Flush();
    file.Commit();
}

void WritePlotCompactData(const QString &FileName, const std::vector<const TgPlotChannelCustom *> &Channels)
{
    for (size_t c = 0; c < Channels.size(); ++c)
        CheckCompact(Channels[c], c);
    TAtomicFileStream file(FileName);
    TgBlockWriter out(&file);
    out.Append("Compact Interval\r\n");
    out.Append(std::to_string(Channels.size()));
    out.Append("\r\n");
    std::vector<TgPointBlocks> points = BlocksOf(Channels);
    const int rows = LargestCount(Channels);
    std::string row;
    for (int r = 0; r < rows; ++r) {
        row.clear();
        for (TgPointBlocks &channel : points) {
            const TgPlotDataCustomList::XYEmptyNull *p = channel.At(r);
            if (r < 2)
                AppendCompactValue(row, p ? p->X : CompactNoPoint);
            AppendCompactValue(row, p ? p->Y : CompactNoPoint);
        }
        out.Append(row);
    }
    std::string end;
    AppendSingle(end, 2e38);
    out.Append(end);
    out.Flush();
    file.Commit();
}
