#include "FloatToStr.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The decimal digits (no trailing zeros, at least one) and decimal exponent
// of |v| rounded to `precision` significant digits: v = 0.d1d2... x 10^exp.
void Digitize(double v, int precision, std::string &digits, int &exp)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", precision - 1, std::fabs(v));
    digits.clear();
    for (const char *p = buf; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits.push_back(*p);
    exp = std::atoi(std::strchr(buf, 'e') + 1) + 1;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    if (digits == "0")
        exp = 0;
}

QString ExponentText(int e, int minDigits, bool plus)
{
    QString s = QString::number(std::abs(e)).rightJustified(minDigits, QLatin1Char('0'));
    return (e < 0 ? QStringLiteral("E-") : plus ? QStringLiteral("E+") : QStringLiteral("E")) + s;
}

QString GroupThousands(const QString &intPart)
{
    QString out;
    const int n = intPart.size();
    for (int i = 0; i < n; ++i) {
        out += intPart[i];
        if ((n - i - 1) % 3 == 0 && i < n - 1)
            out += QLatin1Char(',');
    }
    return out;
}

} // namespace

QString FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits)
{
    if (std::isnan(Value))
        return QStringLiteral("NAN");
    if (std::isinf(Value))
        return Value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    Precision = std::clamp(Precision, 1, 18);
    Digits = std::clamp(Digits, 0, 18);
    const QString sign = Value < 0 ? QStringLiteral("-") : QString();
    std::string d;
    int exp = 0;
    switch (Format) {
    case ffGeneral: {
        Digitize(Value, Precision, d, exp);
        if (d == "0")
            return QStringLiteral("0");
        const QString digits = QString::fromStdString(d);
        if (exp > Precision || exp < -3) {
            QString m = digits.left(1);
            if (digits.size() > 1)
                m += QLatin1Char('.') + digits.mid(1);
            return sign + m + ExponentText(exp - 1, std::min(Digits, 4), false);
        }
        if (exp <= 0)
            return sign + QStringLiteral("0.") + QString(-exp, QLatin1Char('0')) + digits;
        if (digits.size() <= exp)
            return sign + digits + QString(exp - digits.size(), QLatin1Char('0'));
        return sign + digits.left(exp) + QLatin1Char('.') + digits.mid(exp);
    }
    case ffExponent: {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*e", Precision - 1, std::fabs(Value));
        const char *e = std::strchr(buf, 'e');
        return sign + QString::fromLatin1(buf, static_cast<int>(e - buf)) +
               ExponentText(std::atoi(e + 1), std::min(Digits, 4), true);
    }
    case ffFixed:
    case ffNumber:
    case ffCurrency: {
        // Beyond Precision significant digits the general form takes over.
        if (Value != 0 && std::floor(std::log10(std::fabs(Value))) + 1 > Precision)
            return FloatToStrF(Value, ffGeneral, Precision, Digits);
        char buf[400];
        std::snprintf(buf, sizeof buf, "%.*f", Digits, std::fabs(Value));
        QString text = QString::fromLatin1(buf);
        if (Format != ffFixed) {
            const int dot = text.indexOf(QLatin1Char('.'));
            text = GroupThousands(dot < 0 ? text : text.left(dot)) + (dot < 0 ? QString() : text.mid(dot));
        }
        bool zero = text.count(QLatin1Char('0')) + text.count(QLatin1Char('.')) + text.count(QLatin1Char(',')) ==
                    text.size();
        const QString s = zero ? QString() : sign;
        return Format == ffCurrency ? s + QLatin1Char('$') + text : s + text;
    }
    }
    return QString();
}

QString FloatToStr(double Value)
{
    return FloatToStrF(Value, ffGeneral, 15, 0);
}
