#include "gPlotAxisLabelFormat.h"

#include "DateTime.h"
#include "FloatFormat.h"
#include "Format.h"

#include <cmath>

namespace {

// Value with Decimals decimals, however large the value or the count.
QString FixedText(double Value, int Decimals)
{
    if (Decimals <= 18 && std::fabs(Value) < 1e15)
        return FloatToStrF(Value, ffFixed, 17, Decimals);
    return Format(QStringLiteral("%.") + QString::number(Decimals) + QStringLiteral("f"), Value);
}

// Scientific notation with the precision's digits.
QString ExponentText(const TgPlotAxisTextFormat &F, double Value)
{
    const int digits = F.PrecisionStyle == ipsSignificantDigits ? F.Precision : F.Precision + 1;
    return FloatToStrF(Value, ffExponent, std::clamp(digits, 1, 17), 3);
}

// A fixed-point text longer than 20 significant digits (2e300 has 301)
// would fill the control: such values are written in exponent form.
QString FixedOrExponent(const TgPlotAxisTextFormat &F, double Value, const QString &Fixed)
{
    int digits = 0;
    for (QChar c : Fixed)
        if (c.isDigit() && (digits > 0 || c != u'0'))
            ++digits;
    return digits > 20 ? ExponentText(F, Value) : Fixed;
}

QString PrefixText(const TgPlotAxisTextFormat &F, double Span, double Value)
{
    static const char16_t *const Letters[] = {u"y", u"z", u"a", u"f", u"p", u"n", u"\u00B5", u"m", u"",
                                              u"K", u"M", u"G", u"T", u"P", u"E", u"Z", u"Y"};
    const int d = Value == 0 ? 0 : int(std::trunc(std::log10(std::fabs(Value)) / 3)) * 3;
    const double s = Value / std::pow(10.0, d);
    const int n = PrecisionDecimals(F.Precision, F.PrecisionStyle, s, 0);
    if (Span > 1e-10 && Value > -1e-12 && Value < 1e-12)
        return n > 0 ? QStringLiteral("0.") + QString(n, u'0') : QStringLiteral("0.");
    if (std::abs(d) > 24)
        return QStringLiteral("Unknown");
    return FixedText(s, n) + QString::fromUtf16(Letters[d / 3 + 8]);
}

// Whole part, then 32nds (two digits) and eighths of a 32nd (one digit),
// rounded to the nearest 256th; the sign goes in front of the absolute value.
QString Price32ndsText(double Value)
{
    const TgPrice32nds p = SplitPrice32nds(Value, true);
    return (p.Negative ? QStringLiteral("-") : QString()) + Format(QStringLiteral("%.0f"), p.Whole) + u'.' +
           QString::number(p.ThirtySeconds).rightJustified(2, u'0') + QString::number(p.Eighths);
}

QString DateTimeText(const QString &Pattern, double Value)
{
    if (!Pattern.isEmpty() && Pattern[0].toUpper() == u'J')
        return QString::number(static_cast<long long>(std::trunc(Value))) + u' ' +
               FormatDateTime(Pattern.mid(1), Value);
    return FormatDateTime(Pattern, Value);
}

} // namespace

TgPrice32nds SplitPrice32nds(double Value, bool Rounded)
{
    TgPrice32nds p;
    p.Negative = Value < 0;
    const double a = std::fabs(Value);
    if (!(a < 0x1p53)) { // no fraction left (or no number): the whole is all
        p.Whole = a;
        return p;
    }
    // Scaling by 256 is exact, so is the remainder; one rounding at most.
    const double scaled = a * 256;
    double n = std::floor(scaled);
    if (Rounded && scaled - n >= 0.5)
        n += 1;
    p.Whole = std::floor(n / 256);
    const int rest = int(n - p.Whole * 256);
    p.ThirtySeconds = rest / 8;
    p.Eighths = rest % 8;
    return p;
}

QString FormatAxisValue(const TgPlotAxisTextFormat &F, double Span, TgPlotScaleType ScaleType, double Value,
                        bool &Final)
{
    Final = false;
    QString result = QStringLiteral("Unknown");
    if (std::isnan(Value))
        return QStringLiteral("NaN");
    if (std::isinf(Value))
        return Value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    try {
        switch (F.FormatStyle) {
        case iptfValue:
            if (ScaleType == ipstLinear) {
                result = FixedOrExponent(
                    F, Value, FixedText(Value, PrecisionDecimals(F.Precision, F.PrecisionStyle, Span, 0)));
            } else if (Value <= 0) {
                Final = true;
                return result;
            } else {
                const int n = F.PrecisionStyle == ipsFixedDecimalPoints
                                  ? F.Precision
                                  : F.Precision - int(std::trunc(std::log10(Value))) - 1;
                result = FixedOrExponent(F, Value, FixedText(Value, std::max(n, 0)));
            }
            break;
        case iptfExponent:
            result = ExponentText(F, Value);
            break;
        case iptfPrefix:
            result = PrefixText(F, Span, Value);
            break;
        case iptfDateTime:
            result = DateTimeText(F.DateTimeFormat, Value);
            break;
        case iptfPrice32nds:
            result = Price32ndsText(Value);
            break;
        case iptfThousands: {
            const int n = PrecisionDecimals(F.Precision, F.PrecisionStyle, Span, 0);
            result = FixedOrExponent(
                F, Value,
                FormatFloat(n > 0 ? QStringLiteral("#,#0.") + QString(n, u'0') : QStringLiteral("#,#0"), Value));
            break;
        }
        }
    } catch (const std::exception &) {
        result = QStringLiteral("Error");
    }
    return result.trimmed();
}
