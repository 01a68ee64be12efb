#include "DateTime.h"
#include "Exceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(DateTime, EncodeAndDecode)
{
    struct Case {
        int y, m, d;
        double want;
    } cases[] = {{1899, 12, 30, 0}, {1899, 12, 29, -1}, {1900, 1, 1, 2}, {2000, 1, 1, 36526},
                 {2024, 2, 29, 45351}, {1, 1, 1, -693593}, {9999, 12, 31, 2958465}};
    for (const Case &c : cases) {
        EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.want) << c.y << "-" << c.m << "-" << c.d;
        int y = 0, m = 0, d = 0;
        DecodeDate(c.want, y, m, d);
        EXPECT_EQ(y * 10000 + m * 100 + d, c.y * 10000 + c.m * 100 + c.d);
    }
    for (auto [y, m, d] : {std::tuple{2023, 2, 29}, {0, 1, 1}, {10000, 1, 1}, {2026, 13, 1}, {2026, 4, 31}, {2026, 1, 0}})
        EXPECT_THROW(EncodeDate(y, m, d), EConvertError) << y << "-" << m << "-" << d;

    EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);

    int h = 0, n = 0, s = 0, ms = 0;
    DecodeTime(EncodeTime(23, 59, 59, 999), h, n, s, ms);
    EXPECT_EQ((std::tuple{h, n, s, ms}), (std::tuple{23, 59, 59, 999}));

    // Before the epoch the fraction still counts from midnight.
    int y = 0, m = 0, d = 0;
    DecodeDate(-1.25, y, m, d);
    DecodeTime(-1.25, h, n, s, ms);
    EXPECT_EQ((std::tuple{y, m, d, h, n}), (std::tuple{1899, 12, 29, 6, 0}));

    // A hair below midnight is midnight of the next day, not 23:59:59.
    DecodeDate(1.9999999999, y, m, d);
    DecodeTime(1.9999999999, h, n, s, ms);
    EXPECT_EQ((std::tuple{y, m, d, h, n, s}), (std::tuple{1900, 1, 1, 0, 0, 0}));

    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 10)), 5); // a Thursday
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7); // a Saturday
    EXPECT_EQ(DayOfWeek(-1), 6);
}

TEST(DateTime, FormatTable)
{
    const TDateTime t = EncodeDate(2026, 3, 7) + EncodeTime(14, 5, 9, 45);
    struct Case {
        const char *format;
        const char *want;
    } cases[] = {
        {"hh:nn:ss", "14:05:09"},
        {"h:n:s", "14:5:9"},
        {"yyyy-mm-dd", "2026-03-07"},
        {"d/m/yy", "7/3/26"},
        {"ddd dddd", "Sat Saturday"},
        {"mmm MMMM", "Mar March"},
        {"hh:mm", "14:05"},             // minutes right after an hour
        {"h:mm am/pm", "2:05 pm"},
        {"hh:nn AM/PM", "02:05 PM"},
        {"h a/p", "2 p"},
        {"hh ampm", "02 PM"},
        {"zzz z", "045 45"},
        {"c", "03/07/2026 14:05:09"},
        {"", "03/07/2026 14:05:09"},
        {"ddddd", "03/07/2026"},
        {"dddddd", "Saturday, March 07, 2026"},
        {"t|tt", "14:05|14:05:09"},
        {"'hh' \"nn\" hh", "hh nn 14"},
        {"hh:nn\r\nss", "14:05\r\n09"},  // line breaks make two-line labels
        {"x = yyyy", "x = 2026"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatDateTime(QLatin1String(c.format), t), QLatin1String(c.want)) << c.format;

    EXPECT_EQ(FormatDateTime("c", EncodeDate(2026, 3, 7)), "03/07/2026");
    EXPECT_EQ(FormatDateTime("h am/pm", EncodeTime(0, 30, 0, 0)), "12 am");

    TFormatSettings s;
    s.DateSeparator = u'.';
    s.TimeSeparator = u'-';
    s.ShortDateFormat = QStringLiteral("dd/mm/yyyy c"); // names itself: stops, does not recurse forever
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:nn", t, s), "2026.03.07 14-05");
    EXPECT_TRUE(FormatDateTime("c", t, s).startsWith("07.03.2026"));
}

// What DateTimeToStr writes reads back, in the default and another
// convention; what is not a date and time is refused.
TEST(DateTime, ReadBackWhatIsWritten)
{
    TFormatSettings german;
    german.DateSeparator = u'.';
    german.ShortDateFormat = QStringLiteral("dd.mm.yyyy");
    for (const TFormatSettings &s : {TFormatSettings(), german}) {
        for (TDateTime v : {EncodeDate(2026, 3, 7) + EncodeTime(14, 5, 9, 0), EncodeDate(1999, 12, 31),
                            EncodeDate(1850, 6, 1), EncodeDate(1850, 6, 1) - EncodeTime(6, 0, 0, 0),
                            EncodeTime(8, 30, 0, 0)}) {
            const QString text = DateTimeToStr(v, s);
            TDateTime back = -1;
            EXPECT_TRUE(TryStrToDateTime(text, back, s)) << text.toStdString();
            EXPECT_NEAR(back, v, 1e-9) << text.toStdString();
        }
    }
    struct Case {
        const char *text;
        bool valid;
        TDateTime value;
    } cases[] = {
        {" 03/07/26 ", true, EncodeDate(2026, 3, 7)},
        {"3/7/1975 2:05 PM", true, EncodeDate(1975, 3, 7) + EncodeTime(14, 5, 0, 0)},
        {"12:00:00 AM", true, 0},
        {"10:20:30.5", true, EncodeTime(10, 20, 30, 500)},
        {"02/30/2026", false, 0},
        {"25:00", false, 0},
        {"13:00 PM", false, 0},
        {"abc", false, 0},
        {"", false, 0},
        {"03/07/2026 x", false, 0},
    };
    for (const Case &c : cases) {
        TDateTime v = 0;
        EXPECT_EQ(TryStrToDateTime(QLatin1String(c.text), v), c.valid) << c.text;
        if (c.valid) {
            EXPECT_NEAR(v, c.value, 1e-9) << c.text;
        }
    }
    EXPECT_THROW(StrToDateTime("abc"), EConvertError);
}

// Now, Date and Time read the installed wall clock; the real one returns
// when the scope ends.
TEST(DateTime, ManualWallClockStandsInForNow)
{
    const TDateTime start = EncodeDate(2026, 3, 7) + EncodeTime(23, 59, 30, 0);
    {
        ManualWallClock clock(start);
        ScopedWallClock use(clock);
        EXPECT_EQ(Now(), start);
        clock.AdvanceSeconds(45);
        EXPECT_NEAR((Now() - start) * SecsPerDay, 45, 1e-6);
        EXPECT_EQ(Date(), EncodeDate(2026, 3, 8)); // past midnight
        EXPECT_NEAR(Time() * SecsPerDay, 15, 1e-6);
    }
    EXPECT_GT(Now(), EncodeDate(2020, 1, 1));
}

} // namespace
