#include "CodePage.h"

#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <vector>

namespace {

QByteArray IconvName(int codePage)
{
    switch (codePage) {
    case 0:
    case 1:
    case 1252: return "CP1252";
    case 65001: return "UTF-8";
    case 936: return "GBK";
    case 950: return "BIG5";
    case 932: return "SHIFT_JIS";
    case 949: return "CP949";
    case 874: return "CP874";
    default:
        if (codePage >= 1250 && codePage <= 1258)
            return "CP" + QByteArray::number(codePage);
        return "CP1252";
    }
}

// Runs iconv over the whole input; an unconvertible or cut sequence is
// replaced and skipped, so the call ends on any input.
QByteArray Convert(const QByteArray &from, const QByteArray &to, const QByteArray &input,
                   const QByteArray &replacement, int skip)
{
    iconv_t cd = iconv_open(to.constData(), from.constData());
    if (cd == iconv_t(-1))
        return QByteArray(); // the caller falls back to Latin-1
    QByteArray out;
    std::vector<char> buffer(4096);
    char *in = const_cast<char *>(input.constData());
    size_t inLeft = size_t(input.size());
    while (inLeft > 0) {
        char *o = buffer.data();
        size_t oLeft = buffer.size();
        const size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
        out.append(buffer.data(), int(buffer.size() - oLeft));
        if (r != size_t(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // EILSEQ or EINVAL: one unit that does not convert.
        out.append(replacement);
        const size_t step = std::min(inLeft, size_t(skip));
        in += step;
        inLeft -= step;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

} // namespace

QString MultiByteToWide(int CodePage, const QByteArray &Bytes)
{
    if (Bytes.isEmpty())
        return QString();
    static const QByteArray kReplacement("\xFD\xFF", 2); // U+FFFD, UTF-16LE
    const QByteArray utf16 = Convert(IconvName(CodePage), "UTF-16LE", Bytes, kReplacement, 1);
    if (utf16.isEmpty()) // no converter on this machine: keep the bytes as Latin-1
        return QString::fromLatin1(Bytes);
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(utf16.constData()), utf16.size() / 2);
}

QByteArray WideToMultiByte(int CodePage, const QString &Text)
{
    if (Text.isEmpty())
        return QByteArray();
    const QByteArray utf16(reinterpret_cast<const char *>(Text.utf16()), Text.size() * 2);
    const QByteArray bytes = Convert("UTF-16LE", IconvName(CodePage), utf16, "?", 2);
    return bytes.isEmpty() ? Text.toLatin1() : bytes;
}

int CodePageOfCharset(int Charset)
{
    switch (Charset) {
    case 0: return 1252;
    case 1: return 0; // the default set: the document's own code page
    case 2: return 0; // symbol
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    default: return 0;
    }
}

bool IsLeadByte(int CodePage, unsigned char Byte)
{
    switch (CodePage) {
    case 936:
    case 949:
    case 950: return Byte >= 0x81 && Byte <= 0xFE;
    case 932: return (Byte >= 0x81 && Byte <= 0x9F) || (Byte >= 0xE0 && Byte <= 0xFC);
    default: return false;
    }
}

QString TextFileToString(const QByteArray &Bytes)
{
    if (Bytes.startsWith("\xEF\xBB\xBF")) {
        // QString::fromUtf8 would drop a U+FEFF that starts the text.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return utf8(QByteArrayView(Bytes).sliced(3));
    }
    const bool le = Bytes.startsWith("\xFF\xFE");
    if (le || Bytes.startsWith("\xFE\xFF")) {
        QString text;
        for (int i = 2; i + 1 < Bytes.size(); i += 2) {
            const auto a = uchar(Bytes[i]), b = uchar(Bytes[i + 1]);
            text += QChar(le ? ushort(a | (b << 8)) : ushort((a << 8) | b));
        }
        return text;
    }
    return MultiByteToWide(1252, Bytes);
}

QString Utf8OrAnsiToString(const QByteArray &Bytes)
{
    if (Bytes.startsWith("\xEF\xBB\xBF") || Bytes.startsWith("\xFF\xFE") || Bytes.startsWith("\xFE\xFF"))
        return TextFileToString(Bytes);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(Bytes);
    return utf8.hasError() ? MultiByteToWide(1252, Bytes) : text;
}
