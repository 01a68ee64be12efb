#include "FloatToStr.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(FloatToStrF, FormsOfTheNumbers)
{
    struct Case {
        double value;
        TFloatFormat format;
        int precision, digits;
        const char *text;
    } cases[] = {
        {18, ffGeneral, 5, 4, "18"},
        {-12, ffGeneral, 5, 4, "-12"},
        {0, ffGeneral, 5, 4, "0"},
        {std::pow(10.0, 1.301029996), ffGeneral, 4, 4, "20"},
        {0.001 * std::pow(10.0, 3.301029996), ffGeneral, 4, 4, "2"},
        {-0.25, ffGeneral, 15, 0, "-0.25"},
        {0.0001, ffGeneral, 15, 0, "0.0001"},
        {0.00001, ffGeneral, 15, 0, "1E-5"},
        {3.141592653589793e-100, ffGeneral, 5, 4, "3.1416E-0100"},
        {3.141592653589793e20, ffGeneral, 5, 0, "3.1416E20"},
        {31415.9, ffGeneral, 5, 4, "31416"},
        {1234.5678, ffFixed, 15, 2, "1234.57"},
        {-0.001, ffFixed, 15, 2, "0.00"},
        {1234567.5, ffNumber, 15, 1, "1,234,567.5"},
        {-1234.56, ffExponent, 4, 2, "-1.235E+03"},
        {std::numeric_limits<double>::quiet_NaN(), ffGeneral, 5, 4, "NAN"},
        {-std::numeric_limits<double>::infinity(), ffFixed, 5, 4, "-INF"},
    };
    for (const Case &k : cases)
        EXPECT_EQ(FloatToStrF(k.value, k.format, k.precision, k.digits), QString::fromLatin1(k.text)) << k.text;
    EXPECT_EQ(FloatToStr(0.1), QStringLiteral("0.1"));
}

} // namespace
