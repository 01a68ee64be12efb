#pragma once
#include <QChar>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

// One argument of Format, remembering its kind so that the conversion can be
// checked against it.
class FormatArg {
public:
    enum Kind { Integer, Float, Text, Character, Pointer };

    FormatArg(int v) : kind_(Integer), i_(v), wide_(false) {}
    FormatArg(long v) : kind_(Integer), i_(v), wide_(sizeof(long) > 4) {}
    FormatArg(long long v) : kind_(Integer), i_(v), wide_(true) {}
    FormatArg(short v) : kind_(Integer), i_(v), wide_(false) {}
    FormatArg(unsigned v) : kind_(Integer), i_(static_cast<long long>(v)), wide_(false), unsigned_(true) {}
    FormatArg(unsigned long v) : kind_(Integer), i_(static_cast<long long>(v)), wide_(sizeof(long) > 4), unsigned_(true) {}
    FormatArg(unsigned long long v) : kind_(Integer), i_(static_cast<long long>(v)), wide_(true), unsigned_(true) {}
    FormatArg(unsigned short v) : kind_(Integer), i_(v), wide_(false), unsigned_(true) {}
    FormatArg(unsigned char v) : kind_(Integer), i_(v), wide_(false), unsigned_(true) {}
    FormatArg(signed char v) : kind_(Integer), i_(v), wide_(false) {}
    FormatArg(bool v) : kind_(Integer), i_(v ? 1 : 0), wide_(false) {}
    FormatArg(char v) : kind_(Character), i_(static_cast<unsigned char>(v)), wide_(false) {}
    FormatArg(char16_t v) : kind_(Character), i_(v), wide_(false) {}
    FormatArg(QChar v) : kind_(Character), i_(v.unicode()), wide_(false) {}
    FormatArg(double v) : kind_(Float), d_(v) {}
    FormatArg(float v) : kind_(Float), d_(v) {}
    FormatArg(long double v) : kind_(Float), d_(static_cast<double>(v)) {}
    FormatArg(const QString &v) : kind_(Text), s_(v) {}
    FormatArg(const char *v) : kind_(Text), s_(QString::fromUtf8(v ? v : "")) {}
    FormatArg(const std::string &v) : kind_(Text), s_(QString::fromStdString(v)) {}
    FormatArg(const void *v) : kind_(Pointer), i_(static_cast<long long>(reinterpret_cast<std::uintptr_t>(v))), wide_(true) {}

    Kind kind() const { return kind_; }
    long long integer() const { return i_; }
    bool wide() const { return wide_; }
    bool isUnsigned() const { return unsigned_; }
    double real() const { return d_; }
    const QString &text() const { return s_; }

private:
    Kind kind_;
    long long i_ = 0;
    bool wide_ = false;
    bool unsigned_ = false;
    double d_ = 0;
    QString s_;
};

// printf-style formatting, checked: each conversion must match its argument
// (d i u x X o take integers and characters, c a character or an integer
// code, s text or a character, f F e E g G floating-point numbers, p a
// pointer, %% a percent sign). Flags - + space # 0, width and precision
// (numbers or * taking an integer argument) and the length letters h hh l ll
// L q j z t (accepted and ignored) are understood, as is the index form
// "%1:s" of stored layouts. A conversion that does not fit its argument, a
// missing argument, an unknown conversion or %n throws EConvertError; extra
// arguments are ignored. The decimal point is always ".", whatever the
// locale.
QString FormatList(const QString &Fmt, const std::vector<FormatArg> &Args);

template <typename... Args>
QString Format(const QString &Fmt, const Args &...args)
{
    return FormatList(Fmt, std::vector<FormatArg>{FormatArg(args)...});
}

// The same without exceptions: false (and Result untouched) on an error,
// whose message goes to Error when given.
bool TryFormatList(QString &Result, const QString &Fmt, const std::vector<FormatArg> &Args,
                   QString *Error = nullptr);

template <typename... Args>
bool TryFormat(QString &Result, const QString &Fmt, const Args &...args)
{
    return TryFormatList(Result, Fmt, std::vector<FormatArg>{FormatArg(args)...});
}
