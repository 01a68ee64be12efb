#include "gMemoryStream.h"

#include "Exceptions.h"

void TgMemoryStream::WriteString(const QString &Value)
{
    if (Value.size() > 255)
        throw Exception(QStringLiteral("String Exceeds 255 Characters"));
    WriteBytes(Value.toLatin1());
}

void TgMemoryStream::WriteCRLF()
{
    WriteBuffer("\r\n", 2);
}

void TgMemoryStream::WriteStringCRLF(const QString &Value)
{
    WriteString(Value);
    WriteCRLF();
}

QChar TgMemoryStream::ReadChar()
{
    unsigned char c = 0;
    Read(&c, 1);
    if (Position() == Size())
        throw Exception(QStringLiteral("EOF"));
    return QChar(c);
}
