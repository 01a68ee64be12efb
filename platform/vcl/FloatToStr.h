#pragma once
#include <QString>

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// A number as text, "." as the decimal point whatever the locale.
//  - ffGeneral: the shortest form with at most Precision significant digits
//    (trailing zeros dropped); scientific ("3.1416E-5", "1E20", exponent of
//    at least Digits digits) when the exponent is Precision or more or below
//    -4;
//  - ffExponent: "-d.dddE+xxxx", Precision digits, exponent of at least
//    Digits digits;
//  - ffFixed: Digits decimals ("-123.45"); ffNumber adds "," thousands
//    separators; ffCurrency is ffNumber behind a "$";
// Precision is held within 1 to 18, Digits within 0 to 18 (4 for the
// exponent forms); infinities and NaN give "INF", "-INF" and "NAN".
QString FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits);
// ffGeneral with 15 digits.
QString FloatToStr(double Value);
