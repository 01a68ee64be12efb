#include "gPlotTextFile.h"

#include "CodePage.h"
#include "Exceptions.h"
#include "Stream.h"
#include "Strings.h"

#include <algorithm>
#include <cstring>

void SaveTextFile(const QString &FileName, const TStrings *Lines)
{
    SaveBytesAtomically(FileName, Lines->Text().toUtf8());
}

void LoadTextFile(const QString &FileName, TStrings *Lines)
{
    TFileStream file(FileName, fmOpenRead);
    Lines->SetText(Utf8OrAnsiToString(file.ReadAll()));
}

QString FailureText(const std::exception &Failure)
{
    if (const auto *own = dynamic_cast<const Exception *>(&Failure))
        return own->Message();
    return QString::fromUtf8(Failure.what());
}

namespace {
constexpr std::size_t ReadBlockSize = std::size_t(1) << 20;
}

TgLineReader::TgLineReader(const QString &FileName) : FFile(FileName)
{
    if (!FFile.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(FileName, FFile.errorString()));
    Fill();
    if (FBuffer.compare(0, 3, "\xEF\xBB\xBF") == 0)
        FPos = 3;
}

bool TgLineReader::Fill()
{
    if (FEnd)
        return false;
    FBuffer.erase(0, FPos);
    FPos = 0;
    const std::size_t kept = FBuffer.size();
    FBuffer.resize(kept + ReadBlockSize);
    const qint64 n = FFile.read(FBuffer.data() + kept, qint64(ReadBlockSize));
    FBuffer.resize(kept + std::size_t(std::max<qint64>(n, 0)));
    if (n <= 0) {
        if (n < 0)
            throw EReadError(QStringLiteral("Cannot read file \"%1\". %2").arg(FFile.fileName(), FFile.errorString()));
        FEnd = true;
        return false;
    }
    return true;
}

bool TgLineReader::NextLine(std::string_view &Line)
{
    std::size_t scanned = 0; // bytes of this line already looked at, from FPos
    for (;;) {
        const char *p = FBuffer.data();
        const std::size_t n = FBuffer.size();
        std::size_t i = FPos + scanned;
        while (i < n && p[i] != '\n' && p[i] != '\r')
            ++i;
        // A CR that ends the block may be the first half of CR LF.
        const bool crAtBlockEnd = i < n && p[i] == '\r' && i + 1 == n && !FEnd;
        if (i < n && !crAtBlockEnd) {
            Line = std::string_view(p + FPos, i - FPos);
            FPos = i + 1;
            if (p[i] == '\r' && FPos < n && p[FPos] == '\n')
                ++FPos;
            ++FLineNumber;
            return true;
        }
        if (i >= n && FEnd) {
            if (FPos >= n)
                return false;
            Line = std::string_view(p + FPos, n - FPos);
            FPos = n;
            ++FLineNumber;
            return true;
        }
        scanned = i - FPos;
        Fill(); // moves the unread bytes to the front; at the end it sets FEnd
    }
}

bool TgLineReader::ReadBytes(void *Buffer, std::size_t Count)
{
    while (FBuffer.size() - FPos < Count)
        if (!Fill())
            return false;
    std::memcpy(Buffer, FBuffer.data() + FPos, Count);
    FPos += Count;
    return true;
}

bool TgLineReader::AtEnd()
{
    return FPos >= FBuffer.size() && !Fill();
}

void TgBlockWriter::Flush()
{
    if (FBuffer.empty())
        return;
    FStream->WriteBuffer(FBuffer.data(), std::int64_t(FBuffer.size()));
    FBuffer.clear();
}
