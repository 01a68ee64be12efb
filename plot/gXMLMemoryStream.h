#pragma once
#include "gMemoryStream.h"

// A line-oriented XML writer and a forward-only reader of the subset the
// theme files use: elements with text, no entities, attributes skipped. Every
// read goes through ReadChar, so running past the end raises "EOF".
class TgXMLMemoryStream : public TgMemoryStream {
public:
    using TgMemoryStream::TgMemoryStream;

    void StartElement(const QString &Name);                       // "<Name>" CR LF
    void EndElement(const QString &Name);                         // "</Name>" CR LF
    void WriteElement(const QString &Name, const QString &Value); // "<Name>Value</Name>" CR LF

    // The name of the next start tag; end tags on the way are passed over,
    // attributes after a blank ignored.
    QString GetNameElementStart();
    // Reads start tags until one named Value (case-sensitive).
    void GotoElementStart(const QString &Value);
    // The text up to the next "<", which stays unread.
    QString GetElementValue();
    // The name of the end tag that must come next; anything else raises
    // "XML Parsing Error - "<" not Found" or "... "/" not Found".
    QString GetNameElementStop();
    // The text of the next leaf element Name.
    QString GetElement(const QString &Name);
    // The next token after line ends: a tag without its brackets ("Scheme",
    // "/Scheme") or the text up to the next tag, blanks included.
    QString GetNextPiece();
    QString PeekNextPiece();
};
