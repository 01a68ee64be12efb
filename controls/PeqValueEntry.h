#pragma once
#include <QString>

// The three value cells of a PEQ band row: each holds an integer position on
// a fixed scale and shows the value of that position in a fixed format.
//   frequency p: 1000 * 2^(p/30) Hz, p from -170 (19.7 Hz) to 130 (20158.7 Hz)
//   Q q:         the Q table entry q, q from 0 (0.4) to 100 (128)
//   gain g:      g * 0.1 dB, g from -120 to 120
// Texts are written and read with "." as the decimal point whatever the
// locale, so a cell always reads back its own text.

constexpr int kPeqFreqPosMin = -170, kPeqFreqPosMax = 130;
constexpr int kPeqQPosMin = 0, kPeqQPosMax = 100;
constexpr int kPeqGainPosMin = -120, kPeqGainPosMax = 120;

// Typed text to a position. False (Position untouched) when the text is
// rejected: empty, a letter other than the unit suffix, two points, a comma,
// or a frequency or Q that reads as zero. Values beyond the limits are pulled
// to the nearest limit.
bool TypedFreqPosition(const QString &Text, int &Position);
bool TypedQPosition(const QString &Text, int &Position);
bool TypedGainPosition(const QString &Text, int &Position);

// Values from code to positions. A grid frequency maps to its own position;
// an off-grid one moves up a step only from a fraction of about 0.6. The gain
// truncates toward zero (1.25 dB gives 12). Frequency and Q positions are
// held to their ranges; a frequency that is not above 0 gives the lowest.
int FreqPositionFromHz(double Hz);
int GainPositionFromDb(double Db);
int QPositionFromValue(double Position);

double FreqOfPosition(int Position);
double QOfPosition(int Position);   // Position held to 0..100
double GainOfPosition(int Position);

// Display texts: "1.00KHz", "977.2Hz"; "0.40", "10.10"; "-3.5dB", "12dB".
QString FreqText(int Position);
QString QText(int Position);
QString GainPositionText(int Position);
// The shortest decimal text of a dB value from code, with "dB" ("1.25dB").
QString GainDbText(double Db);
