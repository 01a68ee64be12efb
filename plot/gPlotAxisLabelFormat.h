#pragma once
#include "gTypes.h"
#include "gUtilities.h"

#include <QString>

// One set of text settings of an axis (labels, cursor or legend texts).
struct TgPlotAxisTextFormat {
    TgPlotTextFormat FormatStyle = iptfValue;
    QString DateTimeFormat = QStringLiteral("hh:nn:ss");
    int Precision = 3;
    TgPrecisionStyle PrecisionStyle = ipsSignificantDigits;
};

// The text of an axis value by one set of settings; Span and ScaleType are
// the axis's (plain values take their decimals from the span, so all labels
// of an axis agree). A plain or thousands text of more than 20 significant
// digits is written in exponent form instead; NaN and the infinities read
// "NaN", "INF" and "-INF". Any failure gives "Error", a style outside the six
// "Unknown". Final is set when the text must not be customized further (a
// value not above 0 on a log axis, "Unknown").
QString FormatAxisValue(const TgPlotAxisTextFormat &Format, double Span, TgPlotScaleType ScaleType, double Value,
                        bool &Final);

// A price in 32nds: the sign, the whole part, the 32nds (0 to 31) and the
// eighths of a 32nd (0 to 7) of a value's magnitude counted in 256ths,
// rounded to the nearest 256th or truncated to it; a fraction that rounds up
// to a whole carries into the whole part.
struct TgPrice32nds {
    bool Negative = false;
    double Whole = 0;
    int ThirtySeconds = 0;
    int Eighths = 0;
};
TgPrice32nds SplitPrice32nds(double Value, bool Rounded);
