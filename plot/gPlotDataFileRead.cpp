// Reading the channels' and the plot's data and log files into staged points.
#include "gPlotDataFile.h"

#include "Exceptions.h"
#include "gPlotChannelCustom.h"
#include "gPlotDataText.h"
#include "gPlotTextFile.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

QString Shown(std::string_view Text)
{
    return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
}

[[noreturn]] void Fail(int Line, const QString &Message)
{
    throw Exception(QStringLiteral("Line %1: %2").arg(Line).arg(Message));
}

double Number(std::string_view Text, bool CommaPoint, int Line)
{
    double v = 0;
    if (!ParseDataNumber(Text, CommaPoint, v))
        throw EConvertError(QStringLiteral("Line %1: '%2' is not a valid floating point value")
                                .arg(Line)
                                .arg(Shown(TrimmedField(Text))));
    return v;
}

// Lines of a text data file, with the blank-line rule: blank lines may end
// the file, but one followed by more text is damage.
class TgDataLines {
public:
    explicit TgDataLines(const QString &FileName) : FReader(FileName) {}
    bool Next(std::string_view &Line)
    {
        while (FReader.NextLine(Line)) {
            if (TrimmedField(Line).empty()) {
                if (FFirstBlank == 0)
                    FFirstBlank = FReader.LineNumber();
                continue;
            }
            if (FFirstBlank != 0)
                Fail(FFirstBlank, QStringLiteral("Empty line"));
            return true;
        }
        return false;
    }
    int Number() const { return FReader.LineNumber(); }
    TgLineReader &Reader() { return FReader; }

private:
    TgLineReader FReader;
    int FFirstBlank = 0;
};

void Split(std::string_view Line, char Separator, std::vector<std::string_view> &Fields)
{
    Fields.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = Line.find(Separator, start);
        if (at == std::string_view::npos) {
            Fields.push_back(Line.substr(start));
            return;
        }
        Fields.push_back(Line.substr(start, at - start));
        start = at + 1;
    }
}

// One Y field of a data or log line for the point at X: nothing for an
// empty field when EmptyAllowed, else "Null", "Empty" or a number.
void AddY(TgStagedPoints &Points, double X, std::string_view Field, bool CommaPoint, int Line)
{
    const std::string_view y = TrimmedField(Field);
    if (SameWord(y, "NULL"))
        Points.Add(X, 0, TgStagedPoints::Null);
    else if (SameWord(y, "EMPTY"))
        Points.Add(X, 0, TgStagedPoints::Empty);
    else
        Points.Add(X, Number(y, CommaPoint, Line), TgStagedPoints::Plain);
}

bool EndsWithY(std::string_view Field)
{
    Field = TrimmedField(Field);
    return Field.size() >= 3 && SameWord(Field.substr(Field.size() - 3), "(Y)");
}

void ReadCompact(TgLineReader &Reader, std::vector<TgStagedPoints> &Channels)
{
    std::string_view line;
    if (!Reader.NextLine(line))
        Fail(2, QStringLiteral("Channel count missing"));
    long long count = -1;
    {
        const std::string_view t = TrimmedField(line);
        bool digits = !t.empty() && t.size() < 10;
        for (char c : t)
            digits = digits && c >= '0' && c <= '9';
        if (!digits)
            throw EConvertError(QStringLiteral("Line 2: '%1' is not a valid integer value").arg(Shown(t)));
        count = std::stoll(std::string(t));
    }
    const int n = static_cast<int>(count);
    const int kept = std::min<int>(n, static_cast<int>(Channels.size()));
    std::vector<TgCompactX> xs(static_cast<size_t>(kept));
    auto single = [&](long long Row) {
        quint32 bits = 0;
        if (!Reader.ReadBytes(&bits, 4))
            throw Exception(QStringLiteral("Row %1: Invalid Data").arg(Row + 1));
        bits = qFromLittleEndian(bits);
        float f;
        std::memcpy(&f, &bits, 4);
        return double(f);
    };
    // The end marker is the file's last single: met there inside a row, or
    // with rows after a count of 0, the count is not the file's. (A marker
    // before the end ends the reading, as it always has.)
    const auto wrongCount = [&] {
        Fail(2, QStringLiteral("The channel count %1 does not match the point rows that follow").arg(count));
    };
    if (n == 0) {
        const bool empty = Reader.AtEnd() || (single(0) > 1.5e38 && Reader.AtEnd());
        if (!empty)
            wrongCount();
        return;
    }
    for (long long r = 0; !Reader.AtEnd(); ++r) {
        for (int i = 0; i < n; ++i) {
            double x = 0;
            if (r < 2) {
                x = single(r);
                if (x > 1.5e38) {
                    if (i != 0 && Reader.AtEnd())
                        wrongCount();
                    return; // the end marker
                }
            }
            const double y = single(r);
            if (y > 1.5e38) {
                if ((i != 0 || r < 2) && Reader.AtEnd())
                    wrongCount();
                return;
            }
            if (i >= kept)
                continue;
            const size_t k = static_cast<size_t>(i);
            if (r < 2)
                xs[k].Hold(r, x);
            else
                x = xs[k].At(r);
            if (x < 9e37 && y < 9e37)
                Channels[k].Add(x, y, TgStagedPoints::Plain);
        }
    }
}

} // namespace

void TgStagedPoints::CheckInto(const TgPlotChannelCustom *Channel, bool Replacing) const
{
    if (FCount > 0)
        Channel->CheckAppend(FCount, [this](int i) { return X(i); }, Replacing);
}

void TgStagedPoints::AppendTo(TgPlotChannelCustom *Channel, bool Direct) const
{
    if (FCount == 0)
        return;
    if (Channel->RingBufferSize() == 0 && Channel->Capacity() < Channel->Count() + FCount)
        Channel->SetCount(Channel->Count() + FCount);
    for (int i = 0; i < FCount; ++i) {
        const TgBlock &b = *FBlocks[size_t(i / BlockPoints)];
        const int at = i % BlockPoints;
        const bool null = b.Kind[at] == Null, empty = b.Kind[at] == Empty;
        if (Direct)
            Channel->DoAddXY(b.X[at], b.Y[at], null, empty);
        else
            Channel->AddXYFlags(b.X[at], b.Y[at], null, empty);
    }
}

TgStagedPoints ReadChannelDataFile(const QString &FileName)
{
    TgStagedPoints points;
    TgDataLines lines(FileName);
    std::string_view line;
    char separator = ',';
    bool first = true;
    while (lines.Next(line)) {
        const int number = lines.Number();
        if (first && line.find('\t') != std::string_view::npos)
            separator = '\t';
        first = false;
        const std::size_t at = line.find(separator);
        if (at == std::string_view::npos)
            Fail(number, QStringLiteral("Column separator missing in \"%1\"").arg(Shown(line)));
        const std::string_view left = TrimmedField(line.substr(0, at));
        if (left.empty())
            Fail(number, QStringLiteral("X value missing in \"%1\"").arg(Shown(line)));
        const bool commaPoint = separator == '\t';
        const double x = Number(left, commaPoint, number);
        const std::string_view right = TrimmedField(line.substr(at + 1));
        if (SameWord(right, "NULL"))
            points.Add(x, 0, TgStagedPoints::Null);
        else
            points.Add(x, Number(right, commaPoint, number), TgStagedPoints::Plain);
    }
    return points;
}

std::vector<TgStagedPoints> ReadPlotDataFile(const QString &FileName, int ChannelCount)
{
    std::vector<TgStagedPoints> channels(static_cast<size_t>(std::max(ChannelCount, 0)));
    TgDataLines lines(FileName);
    std::string_view header;
    if (!lines.Reader().NextLine(header))
        return channels;
    if (TrimmedField(header).empty()) {
        std::string_view more;
        if (lines.Next(more))
            Fail(1, QStringLiteral("Empty line"));
        return channels;
    }
    if (SameWord(header, "Compact Interval")) {
        ReadCompact(lines.Reader(), channels);
        return channels;
    }
    const char separator = header.find('\t') != std::string_view::npos ? '\t' : ',';
    const bool commaPoint = separator == '\t';
    std::vector<std::string_view> fields;
    Split(header, separator, fields);
    bool log = header.size() >= 3 && SameWord(header.substr(0, 3), "(X)") &&
               fields.size() == static_cast<size_t>(ChannelCount) + 1;
    for (size_t k = 1; log && k < fields.size(); ++k)
        log = EndsWithY(fields[k]);

    std::string_view line;
    while (lines.Next(line)) {
        const int number = lines.Number();
        Split(line, separator, fields);
        if (log) {
            const std::string_view xs = TrimmedField(fields[0]);
            if (xs.empty())
                Fail(number, QStringLiteral("X value missing"));
            const double x = Number(xs, commaPoint, number);
            for (size_t k = 1; k < fields.size() && k <= channels.size(); ++k)
                if (!TrimmedField(fields[k]).empty())
                    AddY(channels[k - 1], x, fields[k], commaPoint, number);
            continue;
        }
        for (size_t i = 0; i < channels.size() && 2 * i < fields.size(); ++i) {
            const std::string_view xs = TrimmedField(fields[2 * i]);
            const std::string_view ys = 2 * i + 1 < fields.size() ? TrimmedField(fields[2 * i + 1]) : std::string_view();
            if (xs.empty()) {
                if (!ys.empty())
                    Fail(number, QStringLiteral("X value missing for channel %1").arg(i));
                continue;
            }
            const double x = Number(xs, commaPoint, number);
            if (ys.empty())
                Fail(number, QStringLiteral("Y value missing for channel %1").arg(i));
            AddY(channels[i], x, ys, commaPoint, number);
        }
    }
    return channels;
}
