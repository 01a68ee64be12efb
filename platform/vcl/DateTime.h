#pragma once
#include "FormatSettings.h"

#include <QString>

// Dates and times as the toolkit keeps them: days since 30 December 1899,
// the time of day as the fraction of a day. Before that day the whole part is
// negative and the fraction still counts forward from midnight
// (-1.25 is 29 December 1899, 06:00).
using TDateTime = double;

constexpr int HoursPerDay = 24;
constexpr int MinsPerDay = HoursPerDay * 60;
constexpr int SecsPerDay = MinsPerDay * 60;
constexpr int MSecsPerDay = SecsPerDay * 1000;

// Years 1 to 9999 of the Gregorian calendar; false (Date untouched) for an
// impossible date. EncodeDate throws EConvertError "Invalid argument to date
// encode".
bool TryEncodeDate(int Year, int Month, int Day, TDateTime &Date);
TDateTime EncodeDate(int Year, int Month, int Day);
// Hour 0 to 23, minutes and seconds 0 to 59, milliseconds 0 to 999. EncodeTime
// throws EConvertError "Invalid argument to time encode".
bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime &Time);
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);

// Splits a value rounded to the millisecond.
void DecodeDate(TDateTime Date, int &Year, int &Month, int &Day);
void DecodeTime(TDateTime Time, int &Hour, int &Min, int &Sec, int &MSec);
int DayOfWeek(TDateTime Date); // 1 Sunday to 7 Saturday

// The local wall clock. Throttling and timeouts use the monotonic clock, not
// these: the wall clock can be set back. Now, Date and Time read
// CurrentWallClock(); tests install a ManualWallClock in its place and set
// or move the time by hand.
class WallClock {
public:
    virtual ~WallClock() = default;
    virtual TDateTime Now() const = 0;
};

// A wall clock that stands still until it is set or moved on.
class ManualWallClock : public WallClock {
public:
    explicit ManualWallClock(TDateTime Start = 0) : now_(Start) {}
    TDateTime Now() const override { return now_; }
    void Set(TDateTime Value) { now_ = Value; }
    void AdvanceSeconds(double Seconds) { now_ += Seconds / SecsPerDay; }

private:
    TDateTime now_;
};

// The system's local time.
WallClock &SystemWallClock();
// The wall clock in use: the system's unless a test installed another.
WallClock &CurrentWallClock();

// Installs a wall clock for the scope's lifetime (tests), restoring the
// previous one.
class ScopedWallClock {
public:
    explicit ScopedWallClock(WallClock &Clock);
    ~ScopedWallClock();
    ScopedWallClock(const ScopedWallClock &) = delete;
    ScopedWallClock &operator=(const ScopedWallClock &) = delete;

private:
    WallClock *previous_;
};

TDateTime Now();
TDateTime Date();
TDateTime Time();

// Picture formatting of a date and time; letters in any case:
//   c  short date, then the long time unless it is midnight
//   d dd ddd dddd  day, two-digit day, short and long day name
//   ddddd dddddd   short and long date
//   m mm mmm mmmm  month likewise (minutes right after an h or hh)
//   yy yyyy        year;  h hh  hour (12-hour when an am/pm field follows)
//   n nn  minutes;  s ss  seconds;  z zzz  milliseconds
//   t tt  short and long time;  am/pm a/p ampm  half-day markers
//   / :   the settings' separators;  '...' "..."  literal text
// Every other character stands for itself. An empty format is "c".
QString FormatDateTime(const QString &Format, TDateTime DateTime, const TFormatSettings &Settings = FormatSettings);
QString DateTimeToStr(TDateTime DateTime, const TFormatSettings &Settings = FormatSettings);

// Reads what DateTimeToStr writes: a date, a time, or a date, blanks and a
// time. The date is three numbers in the order of the short date format
// joined by the date separator (a year below 100 is taken in 1950 .. 2049);
// the time is hours, minutes and optional seconds joined by the time
// separator, optional milliseconds after the decimal separator, and an
// optional AM or PM. A time alone is on day 0. StrToDateTime throws
// EConvertError "'<text>' is not a valid date and time".
bool TryStrToDateTime(const QString &S, TDateTime &Value, const TFormatSettings &Settings = FormatSettings);
TDateTime StrToDateTime(const QString &S, const TFormatSettings &Settings = FormatSettings);
