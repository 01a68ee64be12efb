#pragma once
#include <QChar>
#include <QString>
#include <array>

// The separators, names and patterns that number and date texts are made
// with. The program keeps one settable set, `FormatSettings`; its defaults do
// not follow the user's locale (the decimal point is "." everywhere) so that
// texts written on one machine read back on another. Tests and callers that
// want another convention change the set (and restore it) or pass their own.
struct TFormatSettings {
    QChar DecimalSeparator = u'.';
    QChar ThousandSeparator = u',';
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
    QString ShortDateFormat = QStringLiteral("MM/dd/yyyy");
    QString LongDateFormat = QStringLiteral("dddd, MMMM dd, yyyy");
    QString ShortTimeFormat = QStringLiteral("hh:nn");
    QString LongTimeFormat = QStringLiteral("hh:nn:ss");
    QString TimeAMString = QStringLiteral("AM");
    QString TimePMString = QStringLiteral("PM");
    QString CurrencyString = QStringLiteral("$");
    int CurrencyFormat = 0;     // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    int NegCurrFormat = 0;      // 0 to 15, the toolkit's negative-amount layouts
    int CurrencyDecimals = 2;
    std::array<QString, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<QString, 12> LongMonthNames{"January", "February", "March",     "April",   "May",      "June",
                                           "July",    "August",   "September", "October", "November", "December"};
    std::array<QString, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}; // Sunday first
    std::array<QString, 7> LongDayNames{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
};

// The program's one set (UI thread only).
extern TFormatSettings FormatSettings;

// Swaps in another set for its lifetime and puts the old one back (tests that
// switch to a "," decimal separator use it so that a failure leaves no trace).
class TFormatSettingsScope {
public:
    explicit TFormatSettingsScope(const TFormatSettings &Settings) : saved_(FormatSettings)
    {
        FormatSettings = Settings;
    }
    ~TFormatSettingsScope() { FormatSettings = saved_; }
    TFormatSettingsScope(const TFormatSettingsScope &) = delete;
    TFormatSettingsScope &operator=(const TFormatSettingsScope &) = delete;

private:
    TFormatSettings saved_;
};
