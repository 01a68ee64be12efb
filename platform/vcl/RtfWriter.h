#pragma once
#include <QByteArray>

class QTextDocument;

// Writes a Qt text document as rich text (RTF) in the subset RtfReader
// reads: fonts, colours, bold, italic, underline, strike-out, sizes,
// foreground and background colours, alignment, indents, spacing, tabs and
// line breaks; every character beyond ASCII as \uN, other control
// characters as \'hh. Reading what it wrote gives the same text and formats,
// the settings of an empty last paragraph and font names with any character.
namespace RtfWriter {
QByteArray Write(const QTextDocument *Document);
} // namespace RtfWriter
