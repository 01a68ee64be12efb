#pragma once
#include <QString>

// The rules of typed values on the pages: a text typed into a value box is
// cleaned of its unit, checked, limited to its range and turned into the
// position of the slider or spinner beside the box. The page then sets that
// position (whose own handler commits the value) or, on a refusal, shows the
// control's value again.
namespace TypedEntry {

struct Result {
    bool accepted = false;
    int position = 0; // valid when accepted
    static Result Refused() { return {}; }
    static Result Accept(int p) { return {true, p}; }
};

// Cuts the last Length characters once for every variant the text contains,
// each tested on the text as cut so far (case-sensitive).
QString CutSuffixes(QString Text, std::initializer_list<const char *> Variants, int Length);

// Delay in unit 0 ms, 1 m, 2 ft (other units count as ms): digits and at most
// one point after the unit is cut; samples limited to 0..65280. A digit
// string of any length reads without overflow.
Result DelaySamples(const QString &Text, int Unit);

// The gate and compressor threshold box (-90..+20 dB, position = value x 2):
// refused unless it reads as a signed decimal; an unchanged value is refused.
Result ThresholdPosition(const QString &Text, int Current);
// The gate and compressor attack/release boxes: digits only, limited to
// Min + 1 .. Max + 1 ms, position = ms - 1; unchanged is refused.
Result TimePosition(const QString &Text, int Min, int Max, int Current);
// The compressor ratio box: "4", "1:4" (optional dB suffix) to the first
// ratio index whose value is not below the typed one (15 "Limit" above 20.1).
// The Original text is needed for the part after "1:".
Result RatioIndex(const QString &Text);

// The dB boxes of the matrix, limiter and knee fields. Mix: -60..0 dB in
// tenths (compressed below -20 dB onto half-dB steps); Threshold: -90..+20 dB
// in half dB; Knee: 0..12 dB. An unchanged value is refused. A text that
// passes the checks but is no number (a lone "+", "1-2", "1.+") throws the
// platform's EConvertError for an invalid number.
enum class DbField { Mix, Threshold, Knee };
Result DbPosition(const QString &Text, DbField Field, int Current);
// The ms boxes of the limiter and gate hold: digits and points pass the
// check, limited to Min + 1 .. Max + 1 ms, position = ms - 1; unchanged is
// refused. A point or a number beyond 32 bits throws EConvertError.
Result MsPosition(const QString &Text, int Min, int Max, int Current);

} // namespace TypedEntry
