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
