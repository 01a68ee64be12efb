#pragma once
#include "FormatSettings.h"

#include <QString>

// Number-to-text conversions of the toolkit. Every routine rounds halves away
// from zero on the decimal digits (2.5 gives 3) after first taking the value
// to its precision, so that 1.005 with two decimals gives 1.01 as a reader of
// the text expects. NaN and the infinities give "NAN", "INF" and "-INF".

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// Precision counts significant digits (1 to 17). Digits: for ffGeneral and
// ffExponent the least number of exponent digits (0 to 4), for the others the
// number of decimals (0 to 18). ffGeneral gives the shorter of fixed and
// scientific ("1E20", "0.5"), ffExponent "1.2340E+003", ffFixed and ffNumber
// (with thousands separators) fall back to ffGeneral when the whole part has
// more digits than Precision, ffCurrency lays the amount out by the
// settings' currency fields.
QString FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits,
                    const TFormatSettings &Settings = FormatSettings);

// The shortest text of Value with up to 15 significant digits.
QString FloatToStr(double Value, const TFormatSettings &Settings = FormatSettings);

// Picture formatting: up to three sections "positive;negative;zero"; "0" a
// digit always shown, "#" a digit shown when significant, "." the decimal
// point (the first one), "," anywhere in the whole part groups the thousands,
// "E+" "E-" "e+" "e-" with following "0"s scientific form, '...' and "..."
// literal text, any other character itself. An empty format gives
// FloatToStr. A negative section is written without a minus sign; a rounded
// zero takes the zero section when there is one.
QString FormatFloat(const QString &Format, double Value, const TFormatSettings &Settings = FormatSettings);

// Text to number: optional blanks, sign, digits with at most one of the
// settings' decimal separator, an optional exponent; nothing else. StrToFloat
// throws EConvertError "'<text>' is not a valid floating point value".
bool TryStrToFloat(const QString &S, double &Value, const TFormatSettings &Settings = FormatSettings);
double StrToFloat(const QString &S, const TFormatSettings &Settings = FormatSettings);
double StrToFloatDef(const QString &S, double Default, const TFormatSettings &Settings = FormatSettings);

// Whole numbers: optional blanks before, a sign, decimal digits or "$" / "0x"
// hexadecimal. StrToInt throws EConvertError "'<text>' is not a valid integer
// value", also when the number does not fit in 32 bits (64 for StrToInt64).
// (TryStrToInt of IniFiles.h also takes 32-bit patterns up to 4294967295.)
bool TryStrToInt64(const QString &S, long long &Value);
int StrToInt(const QString &S);
long long StrToInt64(const QString &S);
