#include "gPlotDataText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

std::size_t FormatDataNumber(double Value, char *Out)
{
    if (std::isnan(Value)) {
        std::memcpy(Out, "NAN", 3);
        return 3;
    }
    if (std::isinf(Value)) {
        if (Value < 0) {
            std::memcpy(Out, "-INF", 4);
            return 4;
        }
        std::memcpy(Out, "INF", 3);
        return 3;
    }
    if (Value == 0) {
        Out[0] = '0';
        return 1;
    }
    // 17 significant digits tell any two doubles apart; they are rounded to
    // 15 half away from zero, as FloatToStr rounds.
    char sci[40];
    const auto r = std::to_chars(sci, sci + sizeof sci, std::fabs(Value), std::chars_format::scientific, 16);
    char digits[18];
    int count = 0;
    const char *p = sci;
    for (; p < r.ptr && *p != 'e'; ++p)
        if (*p != '.')
            digits[count++] = *p;
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), r.ptr, exponent);
    exponent += 1; // value = 0.d1d2... x 10^exponent
    const bool up = digits[15] >= '5';
    count = 15;
    if (up) {
        int i = 14;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i < 0) {
            digits[0] = '1';
            ++exponent;
        } else {
            ++digits[i];
        }
    }
    while (count > 0 && digits[count - 1] == '0')
        --count;

    char *o = Out;
    if (Value < 0)
        *o++ = '-';
    if (exponent > 15 || exponent < -4) {
        *o++ = digits[0];
        if (count > 1) {
            *o++ = '.';
            std::memcpy(o, digits + 1, std::size_t(count - 1));
            o += count - 1;
        }
        *o++ = 'E';
        o = std::to_chars(o, o + 8, exponent - 1).ptr;
    } else if (exponent <= 0) {
        *o++ = '0';
        *o++ = '.';
        for (int i = exponent; i < 0; ++i)
            *o++ = '0';
        std::memcpy(o, digits, std::size_t(count));
        o += count;
    } else {
        for (int i = 0; i < exponent; ++i)
            *o++ = i < count ? digits[i] : '0';
        if (count > exponent) {
            *o++ = '.';
            std::memcpy(o, digits + exponent, std::size_t(count - exponent));
            o += count - exponent;
        }
    }
    return std::size_t(o - Out);
}

std::string_view TrimmedField(std::string_view Text)
{
    std::size_t b = 0, e = Text.size();
    while (b < e && (Text[b] == ' ' || Text[b] == '\t'))
        ++b;
    while (e > b && (Text[e - 1] == ' ' || Text[e - 1] == '\t'))
        --e;
    return Text.substr(b, e - b);
}

bool SameWord(std::string_view Text, std::string_view Word)
{
    if (Text.size() != Word.size())
        return false;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        char a = Text[i], b = Word[i];
        if (a >= 'a' && a <= 'z')
            a = char(a - 'a' + 'A');
        if (b >= 'a' && b <= 'z')
            b = char(b - 'a' + 'A');
        if (a != b)
            return false;
    }
    return true;
}

bool ParseDataNumber(std::string_view Text, bool CommaPoint, double &Value)
{
    Text = TrimmedField(Text);
    if (Text.empty() || Text.size() > 64)
        return false;
    char buf[64];
    std::size_t n = 0;
    std::size_t i = 0;
    bool negative = false;
    if (Text[0] == '+' || Text[0] == '-') {
        negative = Text[0] == '-';
        ++i;
    }
    const std::string_view rest = Text.substr(i);
    if (SameWord(rest, "NAN")) {
        Value = std::nan("");
        return true;
    }
    if (SameWord(rest, "INF")) {
        Value = negative ? -HUGE_VAL : HUGE_VAL;
        return true;
    }
    if (negative)
        buf[n++] = '-';
    int digits = 0;
    bool point = false;
    for (; i < Text.size(); ++i) {
        const char c = Text[i];
        if (c >= '0' && c <= '9') {
            buf[n++] = c;
            ++digits;
        } else if ((c == '.' || (c == ',' && CommaPoint)) && !point) {
            buf[n++] = '.';
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return false;
    if (i < Text.size() && (Text[i] == 'e' || Text[i] == 'E')) {
        buf[n++] = 'e';
        ++i;
        if (i < Text.size() && (Text[i] == '+' || Text[i] == '-'))
            buf[n++] = Text[i++];
        int expDigits = 0;
        for (; i < Text.size() && Text[i] >= '0' && Text[i] <= '9'; ++i, ++expDigits)
            buf[n++] = Text[i];
        if (expDigits == 0)
            return false;
    }
    if (i != Text.size())
        return false;
    double v = 0;
    const auto r = std::from_chars(buf, buf + n, v);
    if (r.ptr != buf + n)
        return false;
    if (r.ec == std::errc::result_out_of_range) {
        // 15 digits of the largest doubles round above them: such a text
        // stands for the largest double, anything further off is refused.
        long double wide = 0;
        std::from_chars(buf, buf + n, wide);
        const long double largest = std::numeric_limits<double>::max();
        if (std::fabs(wide) > largest * (1 + 1e-14L) || std::fabs(wide) < 1)
            return false;
        v = wide < 0 ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    } else if (r.ec != std::errc() || !std::isfinite(v)) {
        return false;
    }
    Value = v;
    return true;
}
