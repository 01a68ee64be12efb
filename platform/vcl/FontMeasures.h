#pragma once
#include "Font.h"

#include <QFont>
#include <QRect>
#include <QString>

// The Qt font of a TFont and the measures of texts in it, kept for the fonts
// measured last: plots lay out and draw the same labels in the same few fonts
// on every paint, and making a Qt font and shaping a text cost far more than
// finding them again. The answers are those of TFont::ToQFont and
// QFontMetrics; the store is bounded and shared by all threads. Without a Qt
// GUI application nothing is kept (the font's families are not settled yet).
namespace FontMeasures {

QFont QtFont(const TFont &Font);
int TextWidth(const TFont &Font, const QString &Text);
// The cell height (ascent + descent), whatever the text.
int CellHeight(const TFont &Font);
// QFontMetrics::boundingRect of Text laid out with Flags (Qt::TextFlag and
// Qt::AlignmentFlag) in a rectangle of Area's size at the origin.
QRect TextBounds(const TFont &Font, QSize Area, int Flags, const QString &Text);

} // namespace FontMeasures
