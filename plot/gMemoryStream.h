#pragma once
#include "Stream.h"

#include <QString>

// A memory stream of 8-bit text lines, the carrier of theme files. Text is
// written one byte per character (characters beyond Latin-1 become "?"), and
// read back byte by byte as the character of that code.
class TgMemoryStream : public TMemoryStream {
public:
    using TMemoryStream::TMemoryStream;

    // More than 255 characters raise "String Exceeds 255 Characters"; no
    // length or terminator is written.
    void WriteString(const QString &Value);
    void WriteCRLF();
    void WriteStringCRLF(const QString &Value);
    // Raises "EOF" when the read leaves the position at the end, so the last
    // byte of a stream is never delivered (files end in CR LF, which no
    // reader needs).
    QChar ReadChar();
};
