#include "FloatFormat.h"

#include "Exceptions.h"

#include <QStringList>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace {

// A magnitude as decimal digits: value = 0.d1d2d3... x 10^exponent, no
// trailing zeros; no digits is zero.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

void TrimZeros(Decimal &d)
{
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d.exponent = 0;
}

// |v| to 17 significant digits, which is enough to tell any two doubles apart
// and so to round from.
Decimal ToDecimal(double v)
{
    Decimal d;
    v = std::fabs(v);
    if (v == 0)
        return d;
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 16);
    const std::string s(buf, r.ptr);
    const size_t e = s.find('e');
    d.digits = s.substr(0, 1) + s.substr(2, e - 2);
    d.exponent = std::stoi(s.substr(e + 1)) + 1;
    TrimZeros(d);
    return d;
}

// Keeps the first n digits, rounding half away from zero on the next one.
void KeepDigits(Decimal &d, int n)
{
    if (n >= static_cast<int>(d.digits.size()))
        return;
    if (n < 0) {
        d.digits.clear();
        d.exponent = 0;
        return;
    }
    const bool up = d.digits[static_cast<size_t>(n)] >= '5';
    d.digits.resize(static_cast<size_t>(n));
    if (up) {
        int i = n - 1;
        while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9')
            d.digits[static_cast<size_t>(i--)] = '0';
        if (i < 0) {
            d.digits = "1";
            ++d.exponent;
        } else {
            ++d.digits[static_cast<size_t>(i)];
        }
    }
    TrimZeros(d);
}

// |v| rounded to Precision significant digits and then, when Decimals >= 0,
// to that many decimals.
Decimal Rounded(double v, int Precision, int Decimals = -1)
{
    Decimal d = ToDecimal(v);
    KeepDigits(d, Precision);
    if (Decimals >= 0 && !d.digits.empty())
        KeepDigits(d, d.exponent + Decimals);
    return d;
}

char DigitAt(const Decimal &d, int i)
{
    return i >= 0 && i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<size_t>(i)] : '0';
}

// The digits of the whole part, without leading zeros ("" below one).
QString WholeDigits(const Decimal &d)
{
    QString s;
    for (int i = 0; i < d.exponent; ++i)
        s += QLatin1Char(DigitAt(d, i));
    return s;
}

// The first Count digits after the point.
QString FractionDigits(const Decimal &d, int Count)
{
    QString s;
    for (int i = 0; i < Count; ++i)
        s += QLatin1Char(DigitAt(d, d.exponent + i));
    return s;
}

QString Grouped(const QString &Whole, QChar Separator)
{
    QString s;
    const int n = static_cast<int>(Whole.size());
    for (int i = 0; i < n; ++i) {
        s += Whole[i];
        const int left = n - 1 - i;
        if (left > 0 && left % 3 == 0)
            s += Separator;
    }
    return s;
}

QString ExponentText(int e, bool alwaysSign, int minDigits)
{
    QString digits = QString::number(std::abs(e));
    if (digits.size() < minDigits)
        digits.prepend(QString(minDigits - static_cast<int>(digits.size()), u'0'));
    if (e < 0)
        return u'-' + digits;
    return alwaysSign ? u'+' + digits : digits;
}

QString General(const Decimal &d, int Precision, int ExpDigits, const TFormatSettings &S)
{
    if (d.digits.empty())
        return QStringLiteral("0");
    const QString all = QString::fromLatin1(d.digits.c_str());
    if (d.exponent > Precision || d.exponent < -4) {
        QString m = all.left(1);
        if (all.size() > 1)
            m += S.DecimalSeparator + all.mid(1);
        return m + u'E' + ExponentText(d.exponent - 1, false, ExpDigits);
    }
    QString whole = WholeDigits(d);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    const int fracCount = static_cast<int>(d.digits.size()) - d.exponent;
    return fracCount > 0 ? whole + S.DecimalSeparator + FractionDigits(d, fracCount) : whole;
}

QString Exponent(const Decimal &d, int Precision, int ExpDigits, const TFormatSettings &S)
{
    QString m;
    for (int i = 0; i < Precision; ++i)
        m += QLatin1Char(DigitAt(d, i));
    QString text = m.left(1);
    if (Precision > 1)
        text += S.DecimalSeparator + m.mid(1);
    return text + u'E' + ExponentText(d.digits.empty() ? 0 : d.exponent - 1, true, ExpDigits);
}

QString FixedAmount(const Decimal &d, int Digits, bool grouped, const TFormatSettings &S)
{
    QString whole = WholeDigits(d);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    if (grouped)
        whole = Grouped(whole, S.ThousandSeparator);
    return Digits > 0 ? whole + S.DecimalSeparator + FractionDigits(d, Digits) : whole;
}

QString Currency(const QString &Amount, bool negative, const TFormatSettings &S)
{
    const QString &c = S.CurrencyString;
    if (!negative) {
        switch (S.CurrencyFormat) {
        case 1: return Amount + c;
        case 2: return c + u' ' + Amount;
        case 3: return Amount + u' ' + c;
        default: return c + Amount;
        }
    }
    switch (S.NegCurrFormat) {
    case 1: return u'-' + c + Amount;
    case 2: return c + u'-' + Amount;
    case 3: return c + Amount + u'-';
    case 4: return u'(' + Amount + c + u')';
    case 5: return u'-' + Amount + c;
    case 6: return Amount + u'-' + c;
    case 7: return Amount + c + u'-';
    case 8: return u'-' + Amount + u' ' + c;
    case 9: return u'-' + c + u' ' + Amount;
    case 10: return Amount + u' ' + c + u'-';
    case 11: return c + u' ' + Amount + u'-';
    case 12: return c + u' ' + u'-' + Amount;
    case 13: return Amount + u'-' + u' ' + c;
    case 14: return u'(' + c + u' ' + Amount + u')';
    case 15: return u'(' + Amount + u' ' + c + u')';
    default: return u'(' + c + Amount + u')';
    }
}

// -- picture formats ----------------------------------------------------------

struct Token {
    enum Kind { Literal, Whole, Point, Fraction, Exp } kind;
    QString text;     // literal text
    QChar digit;      // '0' or '#' for digit places; 'E' or 'e' for the exponent
    QChar sign;       // '+' or '-' of the exponent
    int expDigits = 0;
};

struct Picture {
    std::vector<Token> tokens;
    bool grouping = false;
    bool scientific = false;
    int wholeCount = 0, fracCount = 0;
    int firstWholeZero = -1; // index of the first "0" among the whole places
    int lastFracZero = -1;  // index of the last "0" among the decimal places
};

Picture ParsePicture(const QString &F)
{
    Picture p;
    bool afterPoint = false;
    const int n = static_cast<int>(F.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = F[i];
        if (c == u'"' || c == u'\'') {
            const int end = static_cast<int>(F.indexOf(c, i + 1));
            const int stop = end < 0 ? n : end;
            p.tokens.push_back({Token::Literal, F.mid(i + 1, stop - i - 1), {}, {}, 0});
            i = stop;
        } else if (c == u'0' || c == u'#') {
            if (afterPoint) {
                if (c == u'0')
                    p.lastFracZero = p.fracCount;
                ++p.fracCount;
                p.tokens.push_back({Token::Fraction, {}, c, {}, 0});
            } else {
                if (c == u'0' && p.firstWholeZero < 0)
                    p.firstWholeZero = p.wholeCount;
                ++p.wholeCount;
                p.tokens.push_back({Token::Whole, {}, c, {}, 0});
            }
        } else if (c == u'.') {
            if (!afterPoint && !p.scientific) {
                afterPoint = true;
                p.tokens.push_back({Token::Point, {}, {}, {}, 0});
            }
        } else if (c == u',') {
            if (!afterPoint)
                p.grouping = true;
        } else if ((c == u'E' || c == u'e') && !p.scientific && i + 1 < n && (F[i + 1] == u'+' || F[i + 1] == u'-')) {
            p.scientific = true;
            Token t{Token::Exp, {}, c, F[i + 1], 0};
            i += 2;
            while (i < n && F[i] == u'0') {
                ++t.expDigits;
                ++i;
            }
            --i;
            t.expDigits = std::min(t.expDigits, 4);
            p.tokens.push_back(t);
        } else {
            p.tokens.push_back({Token::Literal, QString(c), {}, {}, 0});
        }
    }
    if (p.firstWholeZero < 0)
        p.firstWholeZero = p.wholeCount;
    return p;
}

QStringList Sections(const QString &F)
{
    QStringList out;
    QString cur;
    QChar quote;
    for (QChar c : F) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u';') {
            out << cur;
            cur.clear();
            continue;
        }
        cur += c;
    }
    out << cur;
    return out;
}

// Lays |v| out by one section; Zero tells whether it rounded to zero.
QString FormatSection(const QString &Section, double v, bool negative, bool &Zero, const TFormatSettings &S)
{
    const Picture p = ParsePicture(Section);
    QString wholeText, fracText;
    int fracShown = 0, exponent = 0;
    if (p.scientific) {
        const int wholeCount = std::max(p.wholeCount, 1);
        const Decimal d = Rounded(v, std::min(wholeCount + p.fracCount, 17));
        Zero = d.digits.empty();
        exponent = Zero ? 0 : d.exponent - wholeCount;
        for (int i = 0; i < wholeCount; ++i)
            wholeText += QLatin1Char(DigitAt(d, i));
        for (int i = 0; i < p.fracCount; ++i)
            fracText += QLatin1Char(DigitAt(d, wholeCount + i));
    } else {
        const Decimal d = Rounded(v, 15, p.fracCount);
        Zero = d.digits.empty();
        wholeText = WholeDigits(d);
        const int minWhole = p.wholeCount - p.firstWholeZero;
        if (wholeText.size() < minWhole)
            wholeText.prepend(QString(minWhole - static_cast<int>(wholeText.size()), u'0'));
        fracText = FractionDigits(d, p.fracCount);
    }
    fracShown = p.lastFracZero + 1;
    for (int i = static_cast<int>(fracText.size()) - 1; i >= fracShown; --i)
        if (fracText[i] != u'0') {
            fracShown = i + 1;
            break;
        }

    const int L = static_cast<int>(wholeText.size());
    const bool group = p.grouping && !p.scientific;
    QString out;
    auto emitWhole = [&](int i) {
        out += wholeText[i];
        const int left = L - 1 - i;
        if (group && left > 0 && left % 3 == 0)
            out += S.ThousandSeparator;
    };
    int wholeIndex = 0, fracIndex = 0;
    bool wholeDone = p.wholeCount > 0; // without whole places the digits go before the point
    for (const Token &t : p.tokens) {
        switch (t.kind) {
        case Token::Literal:
            out += t.text;
            break;
        case Token::Whole: {
            if (wholeIndex == 0)
                for (int i = 0; i < L - p.wholeCount; ++i)
                    emitWhole(i);
            const int pos = wholeIndex + L - p.wholeCount;
            if (pos >= 0)
                emitWhole(pos);
            ++wholeIndex;
            break;
        }
        case Token::Point:
            if (!wholeDone) {
                for (int i = 0; i < L; ++i)
                    emitWhole(i);
                wholeDone = true;
            }
            if (fracShown > 0)
                out += S.DecimalSeparator;
            break;
        case Token::Fraction:
            if (fracIndex < fracShown)
                out += fracText[fracIndex];
            ++fracIndex;
            break;
        case Token::Exp:
            out += t.digit;
            if (exponent < 0 || t.sign == u'+')
                out += exponent < 0 ? u'-' : u'+';
            {
                QString e = QString::number(std::abs(exponent));
                if (e.size() < t.expDigits)
                    e.prepend(QString(t.expDigits - static_cast<int>(e.size()), u'0'));
                out += e;
            }
            break;
        }
    }
    return negative && !Zero ? u'-' + out : out;
}

QString NotANumber(double v)
{
    return std::isnan(v) ? QStringLiteral("NAN") : v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

} // namespace

QString FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits, const TFormatSettings &S)
{
    if (!std::isfinite(Value))
        return NotANumber(Value);
    Precision = std::clamp(Precision, 1, 17);
    const bool negative = std::signbit(Value);
    Decimal d = Rounded(Value, Precision);
    QString text;
    switch (Format) {
    case ffGeneral:
        text = General(d, Precision, std::clamp(Digits, 0, 4), S);
        break;
    case ffExponent:
        text = Exponent(d, Precision, std::clamp(Digits, 0, 4), S);
        break;
    case ffFixed:
    case ffNumber:
    case ffCurrency:
        Digits = std::clamp(Digits, 0, 18);
        if (d.exponent > Precision) {
            text = General(d, Precision, 0, S);
            break;
        }
        KeepDigits(d, d.exponent + Digits);
        text = FixedAmount(d, Digits, Format != ffFixed, S);
        if (Format == ffCurrency)
            return Currency(text, negative && !d.digits.empty(), S);
        break;
    }
    return negative && !d.digits.empty() ? u'-' + text : text;
}

QString FloatToStr(double Value, const TFormatSettings &Settings)
{
    return FloatToStrF(Value, ffGeneral, 15, 0, Settings);
}

QString FormatFloat(const QString &Format, double Value, const TFormatSettings &S)
{
    if (Format.isEmpty() || !std::isfinite(Value))
        return FloatToStr(Value, S);
    const QStringList sections = Sections(Format);
    const bool negative = Value < 0;
    const bool ownNegative = negative && sections.size() >= 2 && !sections[1].isEmpty();
    bool zero = false;
    QString text = FormatSection(sections[ownNegative ? 1 : 0], Value, negative && !ownNegative, zero, S);
    if (zero && sections.size() >= 3 && !sections[2].isEmpty())
        text = FormatSection(sections[2], 0, false, zero, S);
    return text;
}

bool TryStrToFloat(const QString &S, double &Value, const TFormatSettings &Settings)
{
    const QString t = S.trimmed();
    std::string ascii;
    int i = 0;
    const int n = static_cast<int>(t.size());
    if (i < n && (t[i] == u'+' || t[i] == u'-')) {
        if (t[i] == u'-')
            ascii += '-';
        ++i;
    }
    int digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9') {
            ascii += static_cast<char>(c.unicode());
            ++digits;
        } else if (c == Settings.DecimalSeparator && !point) {
            ascii += '.';
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        ascii += 'e';
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            ascii += static_cast<char>(t[i++].unicode());
        int expDigits = 0;
        for (; i < n && t[i] >= u'0' && t[i] <= u'9'; ++i, ++expDigits)
            ascii += static_cast<char>(t[i].unicode());
        if (expDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    double v = 0;
    const auto r = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
    if (r.ec != std::errc() || r.ptr != ascii.data() + ascii.size() || !std::isfinite(v))
        return false;
    Value = v;
    return true;
}

double StrToFloat(const QString &S, const TFormatSettings &Settings)
{
    double v = 0;
    if (!TryStrToFloat(S, v, Settings))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(S));
    return v;
}

double StrToFloatDef(const QString &S, double Default, const TFormatSettings &Settings)
{
    double v = 0;
    return TryStrToFloat(S, v, Settings) ? v : Default;
}

bool TryStrToInt64(const QString &S, long long &Value)
{
    int i = 0;
    const int n = static_cast<int>(S.size());
    while (i < n && S[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (S[i] == u'+' || S[i] == u'-'))
        negative = S[i++] == u'-';
    int base = 10;
    if (i < n && S[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && S[i] == u'0' && (S[i + 1] == u'x' || S[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return false;
    unsigned long long mag = 0;
    for (; i < n; ++i) {
        const int d = S[i].isDigit() && S[i].unicode() < 128 ? S[i].unicode() - '0'
                      : base == 16 && S[i].toLower() >= u'a' && S[i].toLower() <= u'f' ? S[i].toLower().unicode() - 'a' + 10
                                                                                       : -1;
        if (d < 0)
            return false;
        if (mag > (~0ULL - static_cast<unsigned>(d)) / static_cast<unsigned>(base))
            return false;
        mag = mag * static_cast<unsigned>(base) + static_cast<unsigned>(d);
    }
    if (mag > (negative ? 9223372036854775808ULL : 9223372036854775807ULL))
        return false;
    Value = negative ? static_cast<long long>(0 - mag) : static_cast<long long>(mag);
    return true;
}

long long StrToInt64(const QString &S)
{
    long long v = 0;
    if (!TryStrToInt64(S, v))
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(S));
    return v;
}

int StrToInt(const QString &S)
{
    long long v = 0;
    if (!TryStrToInt64(S, v) || v < -2147483648LL || v > 2147483647LL)
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(S));
    return static_cast<int>(v);
}
