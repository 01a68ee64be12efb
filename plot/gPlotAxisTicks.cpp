#include "gPlotAxisTicks.h"

#include "DateTime.h"
#include "gUtilities.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int TickLimit = 5000;
// The calendar's whole range in days (years 1 to 9999): a longer span is
// counted as this, so that no day count overflows.
constexpr double CalendarDays = 3652059;

// Splits a date/time value into its calendar month (year * 12 + month - 1)
// and its time of day.
void SplitMonths(TDateTime Value, int &Months, int &Day, double &TimeOfDay)
{
    int y, m, d;
    DecodeDate(Value, y, m, d);
    Months = y * 12 + m - 1;
    Day = d;
    const double whole = std::trunc(Value);
    TimeOfDay = std::fabs(Value - whole);
}

// The first day of a calendar month with a time of day; months outside years
// 1 to 9999 are held at the ends.
TDateTime MonthStart(int Months, double TimeOfDay)
{
    Months = std::clamp(Months, 12, 9999 * 12 + 11);
    const TDateTime date = EncodeDate(Months / 12, Months % 12 + 1, 1);
    return date < 0 ? date - TimeOfDay : date + TimeOfDay;
}

// Value moved by a count of months, kept on the first of the month.
TDateTime AddMonths(TDateTime Value, int Count)
{
    int months, day;
    double time;
    SplitMonths(Value, months, day, time);
    return MonthStart(months + Count, time);
}

} // namespace

void TgPlotAxisTicks::AddTick(const TgPlotAxisScale &Scale, TgPlotTickType Type, double Position,
                              const TLabelText &LabelText)
{
    if (!Scale.PointOnScale(Position) || (Scale.ScaleType == ipstLog10 && Position <= 0))
        return;
    TgPlotTickObject tick;
    tick.TickType = Type;
    tick.Position = Position;
    if (Type == ipttMajor)
        tick.Text = LabelText(Position);
    Ticks.push_back(std::move(tick));
}

void TgPlotAxisTicks::ReplaceByMiddleTick(const TgPlotAxisScale &Scale, const TLabelText &LabelText)
{
    Ticks.clear();
    AddTick(Scale, ipttMajor, Scale.Min + Scale.Span / 2, LabelText);
}

void TgPlotAxisTicks::UpdateTickPixels(const TgPlotAxisScale &Scale)
{
    for (TgPlotTickObject &tick : Ticks) {
        tick.Show = Scale.PointOnScale(tick.Position);
        if (tick.Show)
            tick.PositionPixels = Scale.PositionToPixels(tick.Position);
    }
}

int TgPlotAxisTicks::ChooseNumericStep(double Span, int LabelCount)
{
    int d = int(std::trunc(std::log10(Span) - 1 - std::log10(double(LabelCount))));
    for (;; ++d) {
        for (double factor : {1.0, 2.0, 5.0}) {
            const double step = factor * std::pow(10.0, d);
            if (LabelCount >= Span / step) {
                MajorIncrement = step;
                return int(std::nearbyint(Span / step));
            }
        }
    }
}

int TgPlotAxisTicks::ChooseDateTimeStep(double Span, int LabelCount)
{
    Span = std::min(Span, CalendarDays);
    const long long a = LabelCount - 1;
    struct Level {
        long long count;
        double unitDays;
        std::vector<int> steps;
    };
    const Level levels[] = {
        {DateTimeToMilliseconds(Span), 1.0 / MSecsPerDay, {1, 2, 5, 10, 20, 50, 100, 200, 500}},
        {DateTimeToSeconds(Span), 1.0 / SecsPerDay, {1, 2, 5, 10, 15, 20, 30}},
        {DateTimeToMinutes(Span), 1.0 / MinsPerDay, {1, 2, 5, 10, 15, 20, 30}},
        {DateTimeToHours(Span), 1.0 / HoursPerDay, {1, 2, 4, 6, 12}},
    };
    for (const Level &level : levels)
        for (int k : level.steps)
            if (a >= level.count / k) {
                MajorIncrement = k * level.unitDays;
                return int(std::max(level.count / k, 1LL));
            }
    const long long days = static_cast<long long>(std::trunc(Span));
    for (int k : {1, 7, 14})
        if (a >= days / k) {
            MajorIncrement = k;
            return int(std::max(days / k, 1LL));
        }
    const int monthDays[] = {31, 61, 92, 183}, months[] = {1, 2, 3, 6};
    for (int i = 0; i < 4; ++i)
        if (a >= days / monthDays[i]) {
            MonthModeEnabled = true;
            MajorIncrement = months[i];
            return int(std::max(days / monthDays[i], 1LL));
        }
    YearModeEnabled = true;
    for (long long o = 1;; o *= 10)
        for (long long factor : {1, 2, 5})
            if (a >= days / (o * factor * 365)) {
                MajorIncrement = double(o * factor);
                return int(std::max(days / (o * factor * 365), 1LL));
            }
}

int TgPlotAxisTicks::ChoosePrice32ndsStep(double Span, int LabelCount)
{
    for (double step = 1.0 / 256; step <= 0.5; step *= 2)
        if (LabelCount >= Span / step) {
            MajorIncrement = step;
            return int(std::trunc(Span / step));
        }
    for (double o = 1;; o *= 10)
        for (double factor : {1.0, 2.0, 5.0})
            if (LabelCount >= Span / (o * factor)) {
                MajorIncrement = o * factor;
                return int(std::trunc(Span / MajorIncrement));
            }
}

void TgPlotAxisTicks::CalcLogTicks(const TgPlotAxisScale &Scale, int LabelCount, const TLabelText &LabelText)
{
    const double lmin = std::log10(Scale.LogMin()), decades = std::log10(Scale.LogMax()) - lmin;
    const double e = Scale.LogMin();
    int step = 1, g;
    const bool minors = LabelCount >= decades;
    if (minors) {
        g = int(std::trunc(lmin)) - 1;
    } else {
        step = 200;
        for (int h : {2, 5, 10, 20, 50, 100})
            if (LabelCount >= decades / h) {
                step = h;
                break;
            }
        g = int(std::trunc(std::log10(e)));
    }
    const double last = Scale.LogMax();
    for (double v = std::pow(10.0, g); v <= last; g += step, v = std::pow(10.0, g)) {
        AddTick(Scale, ipttMajor, v, LabelText);
        if (minors)
            for (int k = 2; k <= 9; ++k)
                AddTick(Scale, ipttMinor, k * v, LabelText);
        if (int(Ticks.size()) > TickLimit) {
            ReplaceByMiddleTick(Scale, LabelText);
            return;
        }
    }
}

void TgPlotAxisTicks::Generate(TgPlotAxisScale &Scale, const TgPlotTickSettings &S, int LabelCount,
                               const TLabelText &LabelText)
{
    MonthModeEnabled = YearModeEnabled = false;
    Ticks.clear();
    int c = std::max(LabelCount, 1);
    if (Scale.ScaleType == ipstLog10 && std::log10(Scale.LogMax()) - std::log10(Scale.LogMin()) > 1) {
        CalcLogTicks(Scale, c, LabelText);
        return;
    }
    const double span = Scale.Span;
    MajorIncrement = 0;
    int n = 0;
    if (span <= 1e-299) {
        n = 1;
        MajorIncrement = span;
    }
    if (n == 0 && S.DesiredIncrement != 0 && !S.LabelsVisible &&
        span / S.DesiredIncrement < double(Scale.ScaleLength()) / (S.MinorCount + 1)) {
        n = int(std::nearbyint(span / S.DesiredIncrement));
        MajorIncrement = S.DesiredIncrement;
        c = n;
    }
    if (n == 0 && S.DesiredIncrement != 0 && c > span / S.DesiredIncrement) {
        n = int(std::nearbyint(span / S.DesiredIncrement));
        MajorIncrement = S.DesiredIncrement;
        c = n;
    }
    c = std::max(c, 1);
    if (n == 0) {
        if (S.LabelsFormatStyle == iptfDateTime)
            n = ChooseDateTimeStep(span, c);
        else if (S.LabelsFormatStyle == iptfPrice32nds)
            n = ChoosePrice32ndsStep(span, c);
        else
            n = ChooseNumericStep(span, c);
    }
    if (n < 2 && c > 1) {
        MajorIncrement /= 2;
        n = 2;
    }
    if (c < n) {
        n = c;
        MajorIncrement = span / c;
    }

    MinorIncrement = MajorIncrement / (S.MinorCount + 1);
    const bool withMinors = S.MinorCount >= 1 && !MonthModeEnabled && !YearModeEnabled && MinorIncrement != 0;
    const int calendarStep = int(std::max(1.0, std::nearbyint(MajorIncrement)));
    double p;
    if (S.DesiredStart != 0 && Scale.Min <= S.DesiredStart && S.DesiredStart <= Scale.Max()) {
        p = S.DesiredStart;
        while (p > Scale.Min && p - MajorIncrement != p)
            p -= MajorIncrement;
    } else if (MonthModeEnabled || YearModeEnabled) {
        Scale.Min = std::clamp(Scale.Min, MonthModeEnabled ? 0.0 : -182625.0, 2593224.0);
        Scale.Span = std::min(Scale.Span, 36525.0);
        MajorIncrement = std::max(MajorIncrement, 1.0);
        int months, day;
        double time;
        SplitMonths(Scale.Min, months, day, time);
        if (MonthModeEnabled) {
            const int k = (months % 12 + 1) / calendarStep * calendarStep; // month 0 is the previous December
            p = MonthStart(months / 12 * 12 + k - 1 - calendarStep, time);
        } else {
            const int year = months / 12 / calendarStep * calendarStep;
            p = MonthStart((year - calendarStep) * 12, time);
        }
    } else {
        p = std::trunc(Scale.Min / MajorIncrement) * MajorIncrement - MajorIncrement;
    }

    while (p <= Scale.Max() + MajorIncrement) {
        AddTick(Scale, ipttMajor, p, LabelText);
        if (withMinors) {
            for (int i = 0; i < S.MinorCount; ++i) {
                p += MinorIncrement;
                AddTick(Scale, ipttMinor, p, LabelText);
            }
        } else {
            const double next = MonthModeEnabled  ? AddMonths(p, calendarStep)
                                : YearModeEnabled ? AddMonths(p, calendarStep * 12)
                                                  : p + MajorIncrement;
            if (next == p)
                break;
            p = next;
        }
        if (int(Ticks.size()) > TickLimit || p + MinorIncrement == p) {
            ReplaceByMiddleTick(Scale, LabelText);
            return;
        }
        if (withMinors)
            p += MinorIncrement;
    }
}
