#pragma once
#include <QByteArray>

class QTextDocument;

// Writes a Qt text document as rich text (RTF) in the subset RtfReader
// reads: fonts, colours, bold, italic, underline, strike-out, sizes,
// foreground and background colours, alignment, indents, spacing, tabs and
// line breaks; every character beyond ASCII as \uN. Reading what it wrote
// gives the same text and formats.
namespace RtfWriter {
QByteArray Write(const QTextDocument *Document);
} // namespace RtfWriter
