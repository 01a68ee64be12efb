#include "TypedEntry.h"

#include "FloatFormat.h"
#include "SharedConstants.h"
#include "ValueScales.h"

#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <cmath>
#include <limits>
#include <string>

namespace TypedEntry {
namespace {

const std::initializer_list<const char *> kDb = {"dB", "DB", "db", "Db"};
const std::initializer_list<const char *> kMs = {"ms", "Ms", "mS", "MS"};

bool OnlyOf(const QString &Text, const char *Allowed)
{
    for (QChar c : Text)
        if (c.unicode() == 0 || c.unicode() > 127 || !std::strchr(Allowed, char(c.unicode())))
            return false;
    return true;
}

// A decimal of the form [sign]digits[.digits] or [sign].digits, read without
// overflow: a value beyond the double range becomes +-infinity, which every
// caller limits.
bool ReadDecimal(const QString &Text, double &Value)
{
    static const QRegularExpression shape(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    if (!shape.match(Text).hasMatch())
        return false;
    std::string s = Text.toStdString();
    const bool negative = s[0] == '-';
    if (s[0] == '+' || s[0] == '-')
        s.erase(0, 1);
    double v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec == std::errc::result_out_of_range) {
        // Out of range upwards when the whole part has a digit other than 0,
        // else a tiny fraction.
        const std::string whole = s.substr(0, s.find('.'));
        v = whole.find_first_not_of('0') == std::string::npos ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (r.ec != std::errc()) {
        return false;
    }
    Value = negative ? -v : v;
    return true;
}

// The platform's reading, for texts that passed the checks: a text that is
// no number throws its EConvertError; an overlong number still reads.
double ConvertFloat(const QString &Text)
{
    double v = 0;
    return ReadDecimal(Text, v) ? v : StrToFloat(Text);
}

int TruncToInt(double v)
{
    if (!(v > -2147483648.0))
        return std::numeric_limits<int>::min();
    if (v >= 2147483647.0)
        return std::numeric_limits<int>::max();
    return int(v);
}

} // namespace

QString CutSuffixes(QString Text, std::initializer_list<const char *> Variants, int Length)
{
    for (const char *v : Variants)
        if (Text.contains(QLatin1String(v)))
            Text.chop(Length);
    return Text;
}

Result DelaySamples(const QString &Text, int Unit)
{
    QString t;
    switch (Unit) {
    case 1:
        t = CutSuffixes(Text, {"m", "M"}, 1);
        break;
    case 2:
        t = CutSuffixes(Text, {"ft", "Ft", "fT", "FT"}, 2);
        break;
    default:
        Unit = 0;
        t = CutSuffixes(Text, kMs, 2);
        break;
    }
    double v = 0;
    if (t.isEmpty() || !OnlyOf(t, "0123456789.") || !ReadDecimal(t, v))
        return Result::Refused();
    return Result::Accept(DelayToSamples(v, Unit));
}

Result ThresholdPosition(const QString &Text, int Current)
{
    const QString t = CutSuffixes(Text, kDb, 2);
    if (t.isEmpty() || t == "-" || t == "." || !OnlyOf(t, "0123456789.-+") || t.count('.') > 1 || t.count('-') > 1)
        return Result::Refused();
    const int point = t.indexOf('.');
    if (point >= 0 && (point + 1 >= t.size() || !t[point + 1].isDigit()))
        return Result::Refused();
    double v = 0;
    if (!ReadDecimal(t, v))
        return Result::Refused();
    v = std::clamp(v, -90.0, 20.0);
    if (v * 2 == Current)
        return Result::Refused();
    return Result::Accept(TruncToInt(v * 2));
}

// A time in ms read as slider position + 1, held to the slider's range;
// refused when it would not move the slider.
static Result MsStep(long long v, int Min, int Max, int Current)
{
    v = std::clamp<long long>(v, Min + 1LL, Max + 1LL);
    if (v == Current + 1)
        return Result::Refused();
    return Result::Accept(int(v - 1));
}

Result TimePosition(const QString &Text, int Min, int Max, int Current)
{
    const QString t = CutSuffixes(Text, kMs, 2);
    if (t.isEmpty() || !OnlyOf(t, "0123456789"))
        return Result::Refused();
    bool ok = false;
    long long v = t.toLongLong(&ok);
    if (!ok || v > std::numeric_limits<int>::max())
        return Result::Refused();
    return MsStep(v, Min, Max, Current);
}

Result RatioIndex(const QString &Text)
{
    const QString t = CutSuffixes(Text, kDb, 2);
    if (t.isEmpty() || t == ":" || t == "." || !OnlyOf(t, "0123456789:.") || t.count('.') > 1 || t.count(':') > 1)
        return Result::Refused();
    const bool colon = t.contains(':');
    if (colon && t[0] != '1')
        return Result::Refused();
    const QString number = colon ? Text.mid(2) : t;
    double v = 0;
    if (number.isEmpty() || number.endsWith('.') || !OnlyOf(number, "0123456789.") || !ReadDecimal(number, v))
        return Result::Refused();
    for (int m = 0; m < kRatioCount; ++m)
        if (v <= RatioValues[m])
            return Result::Accept(m);
    return Result::Accept(kRatioCount - 1);
}

Result DbPosition(const QString &Text, DbField Field, int Current)
{
    QString t = CutSuffixes(Text, kDb, 2);
    if (t.isEmpty() || t == "-" || t == "." || !OnlyOf(t, "0123456789.-+") || t.count('.') > 1 || t.count('-') > 1
        || t.endsWith('.'))
        return Result::Refused();
    const int point = t.indexOf('.');
    if (point >= 0) {
        // Decimals are put on the field's grid: the whole part for .0 to .4,
        // as typed for .5, and .5 for .6 to .9 (mix, only below -20 dB) or cut
        // after that digit (half-dB fields, which then truncate).
        const QChar first = t[point + 1];
        const auto wholePart = [&] {
            const QString whole = t.left(point);
            return whole.isEmpty() || whole == "-" || whole == "+" ? QStringLiteral("0")
                                                                   : QString::number(StrToInt(whole));
        };
        if (Field == DbField::Mix) {
            t = t.left(point + 2);
            if (ConvertFloat(t) < -20) {
                if (first >= '0' && first <= '4')
                    t = wholePart();
                else if (first >= '6' && first <= '9')
                    t = t.left(point + 1) + '5';
            }
        } else if (first >= '0' && first <= '4') {
            t = wholePart();
        } else if (first >= '6' && first <= '9') {
            t = t.left(point + 2);
        }
    }
    double v = ConvertFloat(t);
    const double low = Field == DbField::Mix ? -60 : Field == DbField::Threshold ? -90 : 0;
    const double high = Field == DbField::Mix ? 0 : Field == DbField::Threshold ? 20 : 12;
    v = std::clamp(v, low, high);
    int q = 0;
    bool unchanged = false;
    switch (Field) {
    case DbField::Mix:
        // At most one decimal is left, so v x 10 is a whole number up to the
        // binary error of the decimal, which the rounding removes.
        q = int(std::lround(v * 10));
        if (q < -200)
            q = (q + 200) / 5 - 200;
        unchanged = q == Current;
        break;
    case DbField::Threshold:
        q = TruncToInt(v * 2);
        unchanged = v * 2 == Current;
        break;
    case DbField::Knee:
        q = TruncToInt(v);
        unchanged = v == Current;
        break;
    }
    return unchanged ? Result::Refused() : Result::Accept(q);
}

Result MsPosition(const QString &Text, int Min, int Max, int Current)
{
    const QString t = CutSuffixes(Text, kMs, 2);
    if (t.isEmpty() || !IsNumericText(t.toStdString()))
        return Result::Refused();
    long long v = StrToInt(t);
    return MsStep(v, Min, Max, Current);
}

} // namespace TypedEntry
