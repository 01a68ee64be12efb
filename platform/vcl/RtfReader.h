#pragma once
#include <QByteArray>

class QTextDocument;

// Reads a rich-text (RTF) document into a Qt text document, which has no
// reader of its own. Understood: groups; \ansicpg and \deff; the font and
// colour tables; \b \i \ul \ulnone \strike \fs \f \cf \cb \highlight \plain;
// \par \pard \ql \qc \qr \qj \li \ri \fi \sb \sa \tab \line; \'hh through
// the code page of the font or document; \uN with \ucN; \binN. Other
// destinations (\* and the known ones) and unknown words are skipped.
//
// It ends on any input: every step consumes input, numbers saturate, group
// nesting beyond kRtfMaxDepth is read as text of the deepest kept group,
// \bin and \uc skips stay inside the data and group, font sizes are clamped
// to 1..kRtfMaxFontPoints points, indents to +-kRtfMaxPageTwips and paragraph
// spacing to 0..kRtfMaxPageTwips. Damaged input keeps what was read before
// the damage. Lengths are twips; the document gets them at 96 pixels per
// inch (15 twips a pixel).
namespace RtfReader {
inline constexpr int kRtfMaxDepth = 256;
inline constexpr int kRtfMaxFontPoints = 400;
inline constexpr int kRtfMaxPageTwips = 31680; // 22 inches, the largest page

// Replaces the document's content; false when the data is not RTF (does
// not start with "{\rtf"), in which case the document is left empty.
bool Read(const QByteArray &Rtf, QTextDocument *Document);
} // namespace RtfReader
