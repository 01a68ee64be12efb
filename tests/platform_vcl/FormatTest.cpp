#include "Exceptions.h"
#include "Format.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

namespace {

TEST(Format, GoodConversions)
{
    struct Case {
        QString got;
        const char *want;
    } cases[] = {
        {Format("%d", 42), "42"},
        {Format("%i|%5d|%-5d|%05d", -7, 42, 42, -42), "-7|   42|42   |-0042"},
        {Format("%+d % d", 5, 5), "+5  5"},
        {Format("%.3d", 7), "007"},
        {Format("%u", -1), "4294967295"},
        {Format("%x %X %#x %o", 255, 255, 255, 8), "ff FF 0xff 10"},
        {Format("%02X", 10), "0A"},
        {Format("USB R %02X  ", 0xab), "USB R AB  "},
        {Format("%lld", 1234567890123LL), "1234567890123"},
        {Format("%c%c", 'A', 0x4E2D), "A\xE4\xB8\xAD"},
        {Format("%s|%5s|%-5s|%.2s", "ab", "ab", "ab", "abcdef"), "ab|   ab|ab   |ab"},
        {Format("%s", QString::fromUtf8("\xE9\x9F\xB3")), "\xE9\x9F\xB3"},
        {Format("+%3.1fdB", 2.25), "+2.2dB"},
        {Format("%3.1f", 12.35), "12.3"},
        {Format("%.0f", 2.5), "2"},
        {Format("%8.3f|%-8.3f|%08.3f", 3.14159, 3.14159, -3.14159), "   3.142|3.142   |-003.142"},
        {Format("%e", 1234.5), "1.234500e+03"},
        {Format("%E", 0.5), "5.000000E-01"},
        {Format("%g %g %G", 0.0001, 123456789.0, 1e-10), "0.0001 1.23457e+08 1E-10"},
        {Format("%*d|%.*f", 4, 7, 2, 1.0), "   7|1.00"},
        {Format("%d%%", 50), "50%"},
        {Format("%1:s %0:s", "a", "b"), "b a"},
        {Format("no conversions"), "no conversions"},
        {Format("%d", true), "1"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.got, QString::fromUtf8(c.want));
}

TEST(Format, MismatchedConversionsThrow)
{
    EXPECT_THROW(Format("%d", 1.5), EConvertError);
    EXPECT_THROW(Format("%f", 1), EConvertError);
    EXPECT_THROW(Format("%s", 3), EConvertError);
    EXPECT_THROW(Format("%d", "text"), EConvertError);
    EXPECT_THROW(Format("%c", 2.0), EConvertError);
    EXPECT_THROW(Format("%d %d", 1), EConvertError);   // missing argument
    EXPECT_THROW(Format("%n", 1), EConvertError);      // never writes through an argument
    EXPECT_THROW(Format("%q", 1), EConvertError);      // length letter without conversion
    EXPECT_THROW(Format("%y", 1), EConvertError);      // unknown conversion
    EXPECT_THROW(Format("%", 1), EConvertError);       // incomplete
    EXPECT_THROW(Format("%*d", "x", 1), EConvertError);
    EXPECT_THROW(Format("%99999d", 1), EConvertError); // absurd width
    EXPECT_THROW(Format("%c", -1), EConvertError);
    EXPECT_EQ(Format("%d", 1, 2, 3), "1");              // extra arguments are ignored

    QString out = "unchanged", error;
    EXPECT_FALSE(TryFormatList(out, "%d", {FormatArg(1.0)}, &error));
    EXPECT_EQ(out, "unchanged");
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(TryFormat(out, "%d dB", -3));
    EXPECT_EQ(out, "-3 dB");
}

TEST(Format, DecimalPointIsAlwaysAPointWhateverTheLocale)
{
    QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    // Any comma locale the machine has; the test stands without one too.
    for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name))
            break;
    EXPECT_EQ(Format("%3.1f|%e|%g", 1.5, 2.5, 0.25), "1.5|2.500000e+00|0.25");
    std::setlocale(LC_NUMERIC, previous.c_str());
    QLocale::setDefault(saved);
}

} // namespace
