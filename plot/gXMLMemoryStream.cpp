#include "gXMLMemoryStream.h"

#include "Exceptions.h"

void TgXMLMemoryStream::StartElement(const QString &Name)
{
    WriteStringCRLF(u'<' + Name + u'>');
}

void TgXMLMemoryStream::EndElement(const QString &Name)
{
    WriteStringCRLF(QStringLiteral("</") + Name + u'>');
}

void TgXMLMemoryStream::WriteElement(const QString &Name, const QString &Value)
{
    WriteString(u'<' + Name + u'>');
    WriteString(Value);
    WriteStringCRLF(QStringLiteral("</") + Name + u'>');
}

QString TgXMLMemoryStream::GetNameElementStart()
{
    while (ReadChar() != u'<') {
    }
    QString name;
    bool collecting = true;
    for (QChar c = ReadChar(); c != u'>'; c = ReadChar()) {
        if (c == u'/') {
            while (ReadChar() != u'<') {
            }
            name.clear();
            collecting = true;
        } else if (c == u' ') {
            collecting = false;
        } else if (collecting) {
            name += c;
        }
    }
    return name;
}

void TgXMLMemoryStream::GotoElementStart(const QString &Value)
{
    while (GetNameElementStart() != Value) {
    }
}

QString TgXMLMemoryStream::GetElementValue()
{
    QString value;
    for (QChar c = ReadChar(); c != u'<'; c = ReadChar())
        value += c;
    Seek(-1, soCurrent);
    return value;
}

QString TgXMLMemoryStream::GetNameElementStop()
{
    if (ReadChar() != u'<')
        throw Exception(QStringLiteral("XML Parsing Error - \"<\" not Found"));
    if (ReadChar() != u'/')
        throw Exception(QStringLiteral("XML Parsing Error - \"/\" not Found"));
    QString name;
    bool collecting = true;
    for (QChar c = ReadChar(); c != u'>'; c = ReadChar()) {
        if (c == u' ')
            collecting = false;
        else if (collecting)
            name += c;
    }
    return name;
}

QString TgXMLMemoryStream::GetElement(const QString &Name)
{
    GotoElementStart(Name);
    const QString value = GetElementValue();
    while (GetNameElementStop() != Name) {
    }
    return value;
}

QString TgXMLMemoryStream::GetNextPiece()
{
    QChar c = ReadChar();
    while (c == u'\r' || c == u'\n')
        c = ReadChar();
    QString piece;
    if (c == u'<') {
        for (c = ReadChar(); c != u'>'; c = ReadChar())
            piece += c;
        return piece;
    }
    while (c != u'<') {
        piece += c;
        c = ReadChar();
    }
    Seek(-1, soCurrent);
    return piece;
}

QString TgXMLMemoryStream::PeekNextPiece()
{
    const std::int64_t at = Position();
    struct Restore {
        TgXMLMemoryStream *s;
        std::int64_t at;
        ~Restore() { s->SetPosition(at); }
    } restore{this, at};
    return GetNextPiece();
}
