#include "DateTime.h"

#include "Exceptions.h"

#include <QDateTime>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// Days from 1 January 1970 of a Gregorian date (proleptic; Hinnant's method).
long long DaysFromCivil(long long y, int m, int d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int &y, int &m, int &d)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

const long long kDelta1970 = DaysFromCivil(1899, 12, 30); // negative: 1899 lies before 1970

bool IsLeapYear(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : days[m - 1];
}

// A value split into whole days and milliseconds of the day, rounded to the
// millisecond so that 0.99999999 reads as the next midnight, not 23:59:59.
struct Stamp {
    long long days;
    int msec;
};

Stamp Split(TDateTime v)
{
    if (!std::isfinite(v) || std::fabs(v) > 1e7)
        return {0, 0};
    const long long total = std::llround(std::fabs(v) * MSecsPerDay);
    const long long days = total / MSecsPerDay;
    return {v < 0 ? -days : days, static_cast<int>(total % MSecsPerDay)};
}

class DateTimeFormatter {
public:
    DateTimeFormatter(TDateTime v, const TFormatSettings &s) : s_(s)
    {
        const Stamp st = Split(v);
        CivilFromDays(st.days + kDelta1970, year_, month_, day_);
        hour_ = st.msec / 3600000;
        min_ = st.msec / 60000 % 60;
        sec_ = st.msec / 1000 % 60;
        msec_ = st.msec % 1000;
        dow_ = static_cast<int>(((st.days + kDelta1970) % 7 + 7 + 4) % 7); // 1 Jan 1970 was a Thursday
    }

    // Depth bounds settings whose patterns name each other ("c" in the short date).
    QString Run(const QString &f, int depth = 0)
    {
        QString out;
        if (depth > 2)
            return out;
        const int n = static_cast<int>(f.size());
        bool lastWasHour = false;
        for (int i = 0; i < n;) {
            const QChar c = f[i];
            const QChar u = c.toUpper();
            if (c == u'"' || c == u'\'') {
                const int end = static_cast<int>(f.indexOf(c, i + 1));
                const int stop = end < 0 ? n : end;
                out += f.mid(i + 1, stop - i - 1);
                i = stop + 1;
                continue;
            }
            if (u == u'A') {
                if (Match(f, i, "AM/PM")) {
                    const bool upper = f[i].isUpper();
                    out += QLatin1String(hour_ < 12 ? (upper ? "AM" : "am") : (upper ? "PM" : "pm"));
                    i += 5;
                    continue;
                }
                if (Match(f, i, "A/P")) { out += f[i].isUpper() ? (hour_ < 12 ? u'A' : u'P') : (hour_ < 12 ? u'a' : u'p'); i += 3; continue; }
                if (Match(f, i, "AMPM")) { out += hour_ < 12 ? s_.TimeAMString : s_.TimePMString; i += 4; continue; }
            }
            int count = 1;
            while (i + count < n && f[i + count].toUpper() == u && QStringLiteral("CDMYHNSZT").contains(u))
                ++count;
            bool hour = false;
            switch (u.unicode()) {
            case 'C':
                count = 1;
                out += Run(s_.ShortDateFormat, depth + 1);
                if (hour_ || min_ || sec_ || msec_)
                    out += u' ' + Run(s_.LongTimeFormat, depth + 1);
                break;
            case 'D':
                count = std::min(count, 6);
                if (count <= 2) out += Num(day_, count);
                else if (count == 3) out += s_.ShortDayNames[static_cast<size_t>(dow_)];
                else if (count == 4) out += s_.LongDayNames[static_cast<size_t>(dow_)];
                else out += Run(count == 5 ? s_.ShortDateFormat : s_.LongDateFormat, depth + 1);
                break;
            case 'M':
                count = std::min(count, 4);
                if (lastWasHour && count <= 2) out += Num(min_, count);
                else if (count <= 2) out += Num(month_, count);
                else out += (count == 3 ? s_.ShortMonthNames : s_.LongMonthNames)[static_cast<size_t>(month_ - 1)];
                break;
            case 'Y':
                out += count <= 2 ? Num(year_ % 100, 2) : Num(year_, 4);
                break;
            case 'H': {
                count = std::min(count, 2);
                int h = hour_;
                if (TwelveHourAhead(f, i + count)) {
                    h %= 12;
                    if (h == 0)
                        h = 12;
                }
                out += Num(h, count);
                hour = true;
                break;
            }
            case 'N': count = std::min(count, 2); out += Num(min_, count); break;
            case 'S': count = std::min(count, 2); out += Num(sec_, count); break;
            case 'Z': count = std::min(count, 3); out += count == 1 ? QString::number(msec_) : Num(msec_, 3); break;
            case 'T':
                count = std::min(count, 2);
                out += Run(count == 1 ? s_.ShortTimeFormat : s_.LongTimeFormat, depth + 1);
                break;
            case '/': out += s_.DateSeparator; break;
            case ':': out += s_.TimeSeparator; break;
            default: out += c; break;
            }
            if (QStringLiteral("CDMYHNSZT").contains(u))
                lastWasHour = hour; // separators between "hh" and "mm" keep the minutes reading
            i += count;
        }
        return out;
    }

private:
    static bool Match(const QString &f, int i, const char *word)
    {
        return f.mid(i, static_cast<int>(qstrlen(word))).compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }

    // An am/pm field anywhere after the hour makes it a 12-hour hour.
    static bool TwelveHourAhead(const QString &f, int from)
    {
        for (int i = from; i < f.size(); ++i) {
            if (f[i] == u'"' || f[i] == u'\'') {
                const int end = static_cast<int>(f.indexOf(f[i], i + 1));
                if (end < 0)
                    return false;
                i = end;
            } else if (Match(f, i, "AM/PM") || Match(f, i, "A/P") || Match(f, i, "AMPM")) {
                return true;
            }
        }
        return false;
    }

    static QString Num(int v, int width) { return QString::number(v).rightJustified(width, u'0'); }

    const TFormatSettings &s_;
    int year_ = 0, month_ = 0, day_ = 0, hour_ = 0, min_ = 0, sec_ = 0, msec_ = 0, dow_ = 0;
};

} // namespace

bool TryEncodeDate(int Year, int Month, int Day, TDateTime &Date)
{
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInMonth(Year, Month))
        return false;
    Date = static_cast<double>(DaysFromCivil(Year, Month, Day) - kDelta1970);
    return true;
}

TDateTime EncodeDate(int Year, int Month, int Day)
{
    TDateTime d = 0;
    if (!TryEncodeDate(Year, Month, Day, d))
        throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    return d;
}

bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime &Time)
{
    if (Hour < 0 || Hour >= 24 || Min < 0 || Min >= 60 || Sec < 0 || Sec >= 60 || MSec < 0 || MSec >= 1000)
        return false;
    Time = ((Hour * 60 + Min) * 60 + Sec) * 1000.0 + MSec;
    Time /= MSecsPerDay;
    return true;
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec)
{
    TDateTime t = 0;
    if (!TryEncodeTime(Hour, Min, Sec, MSec, t))
        throw EConvertError(QStringLiteral("Invalid argument to time encode"));
    return t;
}

void DecodeDate(TDateTime Date, int &Year, int &Month, int &Day)
{
    CivilFromDays(Split(Date).days + kDelta1970, Year, Month, Day);
}

void DecodeTime(TDateTime Time, int &Hour, int &Min, int &Sec, int &MSec)
{
    const int ms = Split(Time).msec;
    Hour = ms / 3600000;
    Min = ms / 60000 % 60;
    Sec = ms / 1000 % 60;
    MSec = ms % 1000;
}

int DayOfWeek(TDateTime Date)
{
    const long long z = Split(Date).days + kDelta1970;
    return static_cast<int>(((z % 7) + 7 + 4) % 7) + 1;
}

namespace {

class LocalWallClock : public WallClock {
public:
    TDateTime Now() const override
    {
        const QDateTime now = QDateTime::currentDateTime();
        const QDate d = now.date();
        const QTime t = now.time();
        return EncodeDate(d.year(), d.month(), d.day()) + EncodeTime(t.hour(), t.minute(), t.second(), t.msec());
    }
};

WallClock *installedWallClock = nullptr;

} // namespace

WallClock &SystemWallClock()
{
    static LocalWallClock clock;
    return clock;
}

WallClock &CurrentWallClock()
{
    return installedWallClock ? *installedWallClock : SystemWallClock();
}

ScopedWallClock::ScopedWallClock(WallClock &Clock) : previous_(installedWallClock)
{
    installedWallClock = &Clock;
}

ScopedWallClock::~ScopedWallClock()
{
    installedWallClock = previous_;
}

TDateTime Now()
{
    return CurrentWallClock().Now();
}

TDateTime Date()
{
    return std::floor(Now());
}

TDateTime Time()
{
    const TDateTime n = Now();
    return n - std::floor(n);
}

QString FormatDateTime(const QString &Format, TDateTime DateTime, const TFormatSettings &Settings)
{
    return DateTimeFormatter(DateTime, Settings).Run(Format.isEmpty() ? QStringLiteral("c") : Format);
}

QString DateTimeToStr(TDateTime DateTime, const TFormatSettings &Settings)
{
    return FormatDateTime(QStringLiteral("c"), DateTime, Settings);
}

namespace {

// Whole numbers joined by Separator, each of at most MaxDigits digits.
bool SplitNumbers(const QString &Text, QChar Separator, int MaxDigits, std::vector<int> &Numbers)
{
    for (const QString &part : Text.split(Separator)) {
        if (part.isEmpty() || part.size() > MaxDigits)
            return false;
        for (QChar c : part)
            if (!c.isDigit() || c.unicode() > '9')
                return false;
        Numbers.push_back(part.toInt());
    }
    return true;
}

bool ReadDate(const QString &Text, const TFormatSettings &Settings, TDateTime &Date)
{
    std::vector<int> n;
    if (!SplitNumbers(Text, Settings.DateSeparator, 4, n) || n.size() != 3)
        return false;
    // The order of day, month and year in the short date format.
    const QString f = Settings.ShortDateFormat.toLower();
    const int at[3] = {int(f.indexOf(u'd')), int(f.indexOf(u'm')), int(f.indexOf(u'y'))};
    if (at[0] < 0 || at[1] < 0 || at[2] < 0)
        return false;
    const auto rank = [&](int Field) { return int((at[Field] > at[0]) + (at[Field] > at[1]) + (at[Field] > at[2])); };
    const int day = n[size_t(rank(0))], month = n[size_t(rank(1))];
    int year = n[size_t(rank(2))];
    if (year < 100)
        year += year < 50 ? 2000 : 1900;
    return TryEncodeDate(year, month, day, Date);
}

bool ReadTime(QString Text, const TFormatSettings &Settings, TDateTime &Time)
{
    int half = 0; // 1 AM, 2 PM
    for (auto [marker, value] : {std::pair{Settings.TimeAMString, 1}, std::pair{Settings.TimePMString, 2}}) {
        if (!marker.isEmpty() && Text.endsWith(marker, Qt::CaseInsensitive)) {
            Text = Text.left(Text.size() - marker.size()).trimmed();
            half = value;
            break;
        }
    }
    int msec = 0;
    const qsizetype dot = Text.indexOf(Settings.DecimalSeparator);
    if (dot >= 0) {
        std::vector<int> z;
        const QString digits = Text.mid(dot + 1);
        if (!SplitNumbers(digits, u' ', 3, z) || z.size() != 1)
            return false;
        msec = z[0] * (digits.size() == 1 ? 100 : digits.size() == 2 ? 10 : 1);
        Text = Text.left(dot);
    }
    std::vector<int> n;
    if (!SplitNumbers(Text, Settings.TimeSeparator, 2, n) || n.size() < 2 || n.size() > 3)
        return false;
    int hour = n[0];
    if (half != 0) {
        if (hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (half == 2 ? 12 : 0);
    }
    return TryEncodeTime(hour, n[1], n.size() > 2 ? n[2] : 0, msec, Time);
}

} // namespace

bool TryStrToDateTime(const QString &S, TDateTime &Value, const TFormatSettings &Settings)
{
    const QString text = S.trimmed();
    if (text.isEmpty())
        return false;
    TDateTime date = 0, time = 0;
    const qsizetype blank = text.indexOf(u' ');
    const QString first = blank < 0 ? text : text.left(blank);
    if (first.contains(Settings.DateSeparator) && !first.contains(Settings.TimeSeparator)) {
        if (!ReadDate(first, Settings, date))
            return false;
        const QString rest = blank < 0 ? QString() : text.mid(blank + 1).trimmed();
        if (!rest.isEmpty() && !ReadTime(rest, Settings, time))
            return false;
    } else if (!ReadTime(text, Settings, time)) {
        return false;
    }
    Value = date < 0 ? date - time : date + time;
    return true;
}

TDateTime StrToDateTime(const QString &S, const TFormatSettings &Settings)
{
    TDateTime v = 0;
    if (!TryStrToDateTime(S, v, Settings))
        throw EConvertError(QStringLiteral("'%1' is not a valid date and time").arg(S));
    return v;
}
