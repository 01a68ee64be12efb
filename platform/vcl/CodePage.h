#pragma once
#include <QByteArray>
#include <QString>

// Conversion between Windows code pages (1252, 936, 950, 932, 949, 1250 ..
// 1258, 874; 0 and 1 mean 1252 here, 65001 UTF-8) and Unicode, through
// iconv. Bytes that the code page does not map become U+FFFD and the rest
// goes on; characters the code page lacks become "?".
QString MultiByteToWide(int CodePage, const QByteArray &Bytes);
QByteArray WideToMultiByte(int CodePage, const QString &Text);
// The code page of a font character set (ANSI_CHARSET 0 gives 1252,
// GB2312_CHARSET 134 gives 936, ...); 0 for a set without one (symbol).
int CodePageOfCharset(int Charset);
// True when Byte starts a two-byte character in the code page (936, 950,
// 932, 949).
bool IsLeadByte(int CodePage, unsigned char Byte);
// The text of a whole text file: a byte-order mark selects UTF-8, UTF-16 LE
// or UTF-16 BE (that one mark is dropped; a second one is text); without one
// the bytes are read in the ANSI code page 1252. UTF-16 keeps every code
// unit as it stands, unpaired surrogates too.
QString TextFileToString(const QByteArray &Bytes);
// The text of a file that is UTF-8 now and was 8-bit before: a byte-order
// mark decides as in TextFileToString; without one the bytes are UTF-8 when
// they are valid UTF-8, else the ANSI code page 1252.
QString Utf8OrAnsiToString(const QByteArray &Bytes);
