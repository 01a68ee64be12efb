#include "PeqValueEntry.h"

#include "Format.h"
#include "SharedConstants.h"
#include "ValueScales.h"

#include <algorithm>
#include <cmath>

namespace {

// The frequency grid's step: 2^(1/30), held as this double.
constexpr double GridStep = 1.023373891996775;

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The longest leading decimal number (optional minus, digits, at most one
// point); 0 when the text does not start with one.
double LeadingNumber(const QString &Text)
{
    int i = 0;
    if (i < Text.size() && Text[i] == QLatin1Char('-'))
        ++i;
    bool point = false;
    while (i < Text.size() && (IsDigit(Text[i]) || (Text[i] == QLatin1Char('.') && !point))) {
        point = point || Text[i] == QLatin1Char('.');
        ++i;
    }
    bool ok = false;
    const double v = Text.left(i).toDouble(&ok); // QString::toDouble reads "." only
    return ok && std::isfinite(v) ? v : 0.0;
}

// Only digits, points and (when AllowMinus) minus signs, at most one point
// and at most one minus. A comma ends the number on reading, so a text that
// holds one is refused rather than read short.
bool PlainNumberText(const QString &Text, bool AllowMinus)
{
    if (Text.count(QLatin1Char('.')) > 1 || Text.count(QLatin1Char('-')) > 1)
        return false;
    return std::all_of(Text.begin(), Text.end(), [&](QChar c) {
        return IsDigit(c) || c == QLatin1Char('.') || (AllowMinus && c == QLatin1Char('-'));
    });
}

// Drops the last Count characters when Text contains any of Suffixes, each
// tested in turn on the text as it then stands.
bool DropSuffix(QString &Text, std::initializer_list<const char *> Suffixes, int Count)
{
    bool found = false;
    for (const char *s : Suffixes)
        if (Text.contains(QLatin1String(s))) {
            Text.chop(Count);
            found = true;
        }
    return found;
}

} // namespace

bool TypedFreqPosition(const QString &Text, int &Position)
{
    QString t = Text;
    DropSuffix(t, {"HZ", "Hz", "hZ", "hz"}, 2);
    const bool kilo = DropSuffix(t, {"k", "K"}, 1);
    if (t.isEmpty() || t == QLatin1String(".") || !PlainNumberText(t, false))
        return false;
    double hz = LeadingNumber(t) * (kilo ? 1000.0 : 1.0);
    if (!(hz > 0)) // "0", "0.0", "00", ".0k": no frequency, and no logarithm of zero
        return false;
    const double x = std::log(hz / 1000.0) / std::log(GridStep) + kFreqIndexOneKHz;
    int n = static_cast<int>(std::clamp(x, -1.0, kFreqIndexMax + 1.0));
    if (x - n > 0.5)
        ++n;
    Position = std::clamp(n, kFreqIndexMin, kFreqIndexMax) - kFreqIndexOneKHz;
    return true;
}

bool TypedQPosition(const QString &Text, int &Position)
{
    if (Text.isEmpty() || Text == QLatin1String(".") || Text == QLatin1String("0") || !PlainNumberText(Text, false))
        return false;
    const double v = std::clamp(LeadingNumber(Text), 0.4, 128.0);
    Position = std::clamp(QToIndex(v), kPeqQPosMin, kPeqQPosMax);
    return true;
}

bool TypedGainPosition(const QString &Text, int &Position)
{
    QString t = Text;
    DropSuffix(t, {"DB", "Db", "dB", "db"}, 2);
    if (t.isEmpty() || t == QLatin1String("-") || t == QLatin1String(".") || !PlainNumberText(t, true))
        return false;
    const int point = t.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        if (point + 1 >= t.size())
            return false;
        t.truncate(point + 2); // one decimal stays; later digits are dropped, not rounded
    }
    const double v = std::clamp(LeadingNumber(t), -12.0, 12.0);
    Position = static_cast<int>(std::lround(v * 10)); // whole: v has at most one decimal
    return true;
}

int FreqPositionFromHz(double Hz)
{
    if (!(Hz > 0) || !std::isfinite(Hz))
        return Hz > 0 ? kPeqFreqPosMax : kPeqFreqPosMin;
    const double v = std::log(Hz / 1000.0) / std::log(GridStep);
    const double mag = std::fabs(v);
    if (mag > 1000)
        return v > 0 ? kPeqFreqPosMax : kPeqFreqPosMin;
    // Three significant digits, halves away from zero, as a scaled integer so
    // that the first decimal is read exactly.
    const int decimals = mag < 10 ? 2 : mag < 100 ? 1 : 0;
    const long scale = decimals == 2 ? 100 : decimals == 1 ? 10 : 1;
    const long m = std::lround(mag * scale);
    long whole = m / scale;
    const long firstDecimal = decimals == 0 ? 0 : (m % scale) / (scale / 10);
    if (firstDecimal >= 6)
        ++whole;
    const int p = static_cast<int>(v < 0 ? -whole : whole);
    return std::clamp(p, kPeqFreqPosMin, kPeqFreqPosMax);
}

int GainPositionFromDb(double Db)
{
    const double g = Db * 10;
    if (!std::isfinite(g))
        return 0;
    return static_cast<int>(std::clamp(std::trunc(g), -1e6, 1e6));
}

int QPositionFromValue(double Position)
{
    if (!std::isfinite(Position))
        return kPeqQPosMin;
    return static_cast<int>(std::clamp(std::trunc(Position), double(kPeqQPosMin), double(kPeqQPosMax)));
}

double FreqOfPosition(int Position)
{
    return 1000.0 * std::pow(GridStep, Position);
}

double QOfPosition(int Position)
{
    // The Q table's entries have at most three significant digits; the
    // double of that decimal, not of the single-precision entry.
    const float q = QTable[std::clamp(Position, kPeqQPosMin, kPeqQPosMax)];
    return QString::number(double(q), 'g', 3).toDouble();
}

double GainOfPosition(int Position)
{
    return Position * 0.1;
}

QString FreqText(int Position)
{
    const double f = FreqOfPosition(Position);
    return f >= 1000 ? Format("%4.2fKHz", f / 1000) : Format("%4.1fHz", f);
}

QString QText(int Position)
{
    return Format("%.2f", QString::number(QOfPosition(Position), 'g', 3).toDouble());
}

QString GainPositionText(int Position)
{
    return QString::number(Position / 10.0, 'g', 15) + QStringLiteral("dB");
}

QString GainDbText(double Db)
{
    return QString::number(Db, 'g', 15) + QStringLiteral("dB");
}
