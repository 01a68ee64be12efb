// Writing the channels' and the plot's data files, each whole or not at all.
#include "gPlotDataFile.h"

#include "Exceptions.h"
#include "Stream.h"
#include "gPlotChannelCustom.h"
#include "gPlotDataText.h"
#include "gPlotTextFile.h"

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

// Whether the compact form's X (the first two X as singles and a row count)
// gives the channel's X back as closely as singles can hold them.
bool EvenlySpaced(const TgPlotChannelCustom *Channel)
{
    const int n = Channel->Count();
    if (n < 3)
        return true;
    TgPointBlocks points(Channel);
    const double x0 = Single(points.At(0)->X), x1 = Single(points.At(1)->X);
    const double last = points.At(n - 1)->X;
    const double scale = std::max({std::fabs(x0), std::fabs(last), std::fabs(x0 + (n - 1) * (x1 - x0))});
    const double tolerance = 1e-6 * scale;
    for (int r = 0; r < n; ++r) {
        const double x = points.At(r)->X;
        if (!(std::fabs(x - (x0 + r * (x1 - x0))) <= tolerance))
            return false;
    }
    return true;
}

// Raises when the compact form cannot give Channel's points back.
void CheckCompact(const TgPlotChannelCustom *Channel, size_t Index)
{
    const auto refuse = [&](const QString &Why) {
        throw Exception(QStringLiteral("Channel %1 (%2): %3, which the Compact Interval form cannot hold")
                            .arg(Index)
                            .arg(DataFileTitle(Channel), Why));
    };
    if (!EvenlySpaced(Channel))
        refuse(QStringLiteral("X-Values are not evenly spaced"));
    TgPointBlocks points(Channel);
    for (int i = 0; i < Channel->Count(); ++i) {
        const TgPlotDataCustomList::XYEmptyNull &p = *points.At(i);
        for (const double v : {p.X, p.Y})
            if (!CompactHolds(v))
                refuse(QStringLiteral("point %1 holds the value %2 (the form holds values from -3.4E38 to below "
                                      "9E37)")
                           .arg(i)
                           .arg(v));
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

// Its reader takes singles from 9E37 up for "no point" and above 1.5E38 for
// the end, and no single holds a finite value beyond 3.4E38.
bool CompactHolds(double Value)
{
    const float f = Single(Value);
    return std::isnan(Value) || (f < 9e37f && (std::isfinite(f) || !std::isfinite(Value)));
}

void AppendCompactValue(std::string &Out, double Value)
{
    AppendSingle(Out, CompactHolds(Value) ? Value : CompactNoPoint);
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
