#include "Format.h"

#include "Exceptions.h"

#include <charconv>
#include <cmath>

namespace {

constexpr int kMaxWidth = 4096;
constexpr int kMaxPrecision = 100;

struct Spec {
    bool left = false, plus = false, space = false, alt = false, zero = false;
    int width = -1;
    int precision = -1;
    QChar conv;
};

[[noreturn]] void Bad(const QString &fmt, const QString &why)
{
    throw EConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument: %2").arg(fmt, why));
}

class Formatter {
public:
    Formatter(const QString &fmt, const std::vector<FormatArg> &args) : fmt_(fmt), args_(args) {}

    QString Run()
    {
        QString out;
        const int n = fmt_.size();
        int i = 0;
        while (i < n) {
            QChar c = fmt_[i++];
            if (c != u'%') {
                out += c;
                continue;
            }
            if (i < n && fmt_[i] == u'%') {
                out += u'%';
                ++i;
                continue;
            }
            Spec s;
            ParseSpec(i, s);
            out += Convert(s);
        }
        return out;
    }

private:
    const FormatArg &Next(const char *what)
    {
        if (next_ >= args_.size())
            Bad(fmt_, QStringLiteral("no argument for %1").arg(QLatin1String(what)));
        return args_[next_++];
    }

    int ReadNumber(int &i)
    {
        long long v = 0;
        while (i < fmt_.size() && fmt_[i].isDigit() && fmt_[i].unicode() < 128) {
            v = v * 10 + (fmt_[i].unicode() - '0');
            if (v > kMaxWidth * 10LL)
                Bad(fmt_, QStringLiteral("number too large"));
            ++i;
        }
        return static_cast<int>(v);
    }

    int StarArgument()
    {
        const FormatArg &a = Next("*");
        if (a.kind() != FormatArg::Integer)
            Bad(fmt_, QStringLiteral("* needs an integer"));
        return static_cast<int>(std::clamp<long long>(a.integer(), -kMaxWidth - 1, kMaxWidth + 1));
    }

    void ParseSpec(int &i, Spec &s)
    {
        const int n = fmt_.size();
        // Index form "%<n>:" of stored layouts.
        int save = i;
        if (i < n && fmt_[i].isDigit()) {
            int idx = ReadNumber(i);
            if (i < n && fmt_[i] == u':') {
                ++i;
                next_ = static_cast<size_t>(idx);
            } else {
                i = save;
            }
        }
        for (; i < n; ++i) {
            QChar c = fmt_[i];
            if (c == u'-') s.left = true;
            else if (c == u'+') s.plus = true;
            else if (c == u' ') s.space = true;
            else if (c == u'#') s.alt = true;
            else if (c == u'0') s.zero = true;
            else break;
        }
        if (i < n && fmt_[i] == u'*') {
            ++i;
            s.width = StarArgument();
            if (s.width < 0) {
                s.left = true;
                s.width = -s.width;
            }
        } else if (i < n && fmt_[i].isDigit()) {
            s.width = ReadNumber(i);
        }
        if (i < n && fmt_[i] == u'.') {
            ++i;
            if (i < n && fmt_[i] == u'*') {
                ++i;
                s.precision = StarArgument();
                if (s.precision < 0)
                    s.precision = -1;
            } else {
                s.precision = ReadNumber(i);
            }
        }
        if (s.width > kMaxWidth || s.precision > kMaxPrecision)
            Bad(fmt_, QStringLiteral("width or precision too large"));
        while (i < n && QStringLiteral("hlLqjzt").contains(fmt_[i]))
            ++i;
        if (i >= n)
            Bad(fmt_, QStringLiteral("incomplete conversion"));
        s.conv = fmt_[i++];
    }

    static QString Pad(QString body, const Spec &s, int signLen)
    {
        if (s.width < 0 || body.size() >= s.width)
            return body;
        int fill = s.width - body.size();
        if (s.left)
            return body + QString(fill, u' ');
        if (s.zero)
            return body.left(signLen) + QString(fill, u'0') + body.mid(signLen);
        return QString(fill, u' ') + body;
    }

    QString Integer(const FormatArg &a, const Spec &s)
    {
        const char conv = static_cast<char>(s.conv.unicode());
        long long v = a.integer();
        QString digits, sign;
        if (conv == 'd' || conv == 'i') {
            unsigned long long mag;
            if (a.isUnsigned() && a.wide()) {
                mag = static_cast<unsigned long long>(v);
            } else if (v < 0) {
                mag = static_cast<unsigned long long>(-(v + 1)) + 1;
                sign = QStringLiteral("-");
            } else {
                mag = static_cast<unsigned long long>(v);
            }
            if (sign.isEmpty() && s.plus)
                sign = QStringLiteral("+");
            else if (sign.isEmpty() && s.space)
                sign = QStringLiteral(" ");
            digits = QString::number(mag);
        } else {
            unsigned long long u = static_cast<unsigned long long>(v);
            if (!a.wide())
                u &= 0xFFFFFFFFull;
            int base = conv == 'o' ? 8 : (conv == 'x' || conv == 'X') ? 16 : 10;
            digits = QString::number(u, base);
            if (conv == 'X')
                digits = digits.toUpper();
            if (s.alt && u != 0) {
                if (conv == 'x') sign = QStringLiteral("0x");
                else if (conv == 'X') sign = QStringLiteral("0X");
                else if (conv == 'o') digits.prepend(u'0');
            }
        }
        if (s.precision >= 0) {
            if (s.precision == 0 && v == 0)
                digits.clear();
            else if (digits.size() < s.precision)
                digits.prepend(QString(s.precision - digits.size(), u'0'));
        }
        Spec t = s;
        if (s.precision >= 0)
            t.zero = false;
        return Pad(sign + digits, t, sign.size());
    }

    QString Real(double v, const Spec &s)
    {
        const char conv = static_cast<char>(s.conv.unicode());
        const bool upper = conv == 'F' || conv == 'E' || conv == 'G';
        int prec = s.precision < 0 ? 6 : s.precision;
        QString sign;
        if (std::signbit(v) && !std::isnan(v)) {
            sign = QStringLiteral("-");
            v = -v;
        } else if (s.plus) {
            sign = QStringLiteral("+");
        } else if (s.space) {
            sign = QStringLiteral(" ");
        }
        QString body;
        Spec t = s;
        if (std::isnan(v) || std::isinf(v)) {
            body = std::isnan(v) ? QStringLiteral("nan") : QStringLiteral("inf");
            t.zero = false;
        } else {
            char buf[512];
            std::to_chars_result r{};
            switch (conv) {
            case 'f': case 'F':
                r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, prec);
                break;
            case 'e': case 'E':
                r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, prec);
                break;
            default:
                r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, prec == 0 ? 1 : prec);
                break;
            }
            if (r.ec != std::errc())
                Bad(fmt_, QStringLiteral("number too long"));
            body = QString::fromLatin1(buf, static_cast<int>(r.ptr - buf));
            if (s.alt && prec == 0 && (conv == 'f' || conv == 'F') && !body.contains(u'.'))
                body += u'.';
        }
        if (upper)
            body = body.toUpper();
        return Pad(sign + body, t, sign.size());
    }

    QString Convert(const Spec &s)
    {
        const char conv = s.conv.unicode() < 128 ? static_cast<char>(s.conv.unicode()) : '?';
        switch (conv) {
        case 'd': case 'i': case 'u': case 'x': case 'X': case 'o': {
            const FormatArg &a = Next("an integer conversion");
            if (a.kind() != FormatArg::Integer && a.kind() != FormatArg::Character)
                Bad(fmt_, QStringLiteral("%%%1 needs an integer").arg(s.conv));
            return Integer(a, s);
        }
        case 'c': {
            const FormatArg &a = Next("%c");
            if (a.kind() != FormatArg::Character && a.kind() != FormatArg::Integer)
                Bad(fmt_, QStringLiteral("%c needs a character"));
            long long code = a.integer();
            if (code < 0 || code > 0x10FFFF)
                Bad(fmt_, QStringLiteral("%c code out of range"));
            char32_t c32 = static_cast<char32_t>(code);
            Spec t = s;
            t.zero = false;
            return Pad(QString::fromUcs4(&c32, 1), t, 0);
        }
        case 's': {
            const FormatArg &a = Next("%s");
            QString text;
            if (a.kind() == FormatArg::Text)
                text = a.text();
            else if (a.kind() == FormatArg::Character)
                text = QChar(static_cast<char16_t>(a.integer()));
            else
                Bad(fmt_, QStringLiteral("%s needs text"));
            if (s.precision >= 0)
                text = text.left(s.precision);
            Spec t = s;
            t.zero = false;
            return Pad(text, t, 0);
        }
        case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': {
            const FormatArg &a = Next("a floating-point conversion");
            if (a.kind() != FormatArg::Float)
                Bad(fmt_, QStringLiteral("%%%1 needs a floating-point number").arg(s.conv));
            return Real(a.real(), s);
        }
        case 'p': {
            const FormatArg &a = Next("%p");
            if (a.kind() != FormatArg::Pointer)
                Bad(fmt_, QStringLiteral("%p needs a pointer"));
            Spec t = s;
            t.zero = false;
            return Pad(QStringLiteral("0x") + QString::number(static_cast<unsigned long long>(a.integer()), 16), t, 0);
        }
        default:
            Bad(fmt_, QStringLiteral("unknown conversion %%%1").arg(s.conv));
        }
    }

    const QString &fmt_;
    const std::vector<FormatArg> &args_;
    size_t next_ = 0;
};

} // namespace

QString FormatList(const QString &Fmt, const std::vector<FormatArg> &Args)
{
    return Formatter(Fmt, Args).Run();
}

bool TryFormatList(QString &Result, const QString &Fmt, const std::vector<FormatArg> &Args, QString *Error)
{
    try {
        Result = FormatList(Fmt, Args);
        return true;
    } catch (const EConvertError &e) {
        if (Error)
            *Error = e.Message();
        return false;
    }
}
