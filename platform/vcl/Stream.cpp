#include "Stream.h"

#include "Exceptions.h"

#include <algorithm>
#include <cstring>

void TStream::ReadBuffer(void *Buffer, std::int64_t Count)
{
    if (Count > 0 && Read(Buffer, Count) != Count)
        throw EReadError(QStringLiteral("Stream read error"));
}

void TStream::WriteBuffer(const void *Buffer, std::int64_t Count)
{
    if (Count > 0 && Write(Buffer, Count) != Count)
        throw EStreamError(QStringLiteral("Stream write error"));
}

QByteArray TStream::ReadAll()
{
    std::int64_t left = Size() - Position();
    if (left <= 0)
        return QByteArray();
    QByteArray bytes(static_cast<qsizetype>(left), Qt::Uninitialized);
    std::int64_t n = Read(bytes.data(), left);
    bytes.resize(static_cast<qsizetype>(std::max<std::int64_t>(n, 0)));
    return bytes;
}

std::int64_t TStream::CopyFrom(TStream *Source, std::int64_t Count)
{
    if (Count == 0) {
        Source->SetPosition(0);
        Count = Source->Size();
    }
    char buf[65536];
    std::int64_t done = 0;
    while (done < Count) {
        std::int64_t n = std::min<std::int64_t>(sizeof buf, Count - done);
        Source->ReadBuffer(buf, n);
        WriteBuffer(buf, n);
        done += n;
    }
    return done;
}

std::int64_t TMemoryStream::Read(void *Buffer, std::int64_t Count)
{
    std::int64_t n = std::clamp<std::int64_t>(Size() - pos_, 0, std::max<std::int64_t>(Count, 0));
    if (n > 0)
        std::memcpy(Buffer, data_.constData() + pos_, static_cast<size_t>(n));
    pos_ += n;
    return n;
}

std::int64_t TMemoryStream::Write(const void *Buffer, std::int64_t Count)
{
    if (Count <= 0)
        return 0;
    if (pos_ + Count > Size())
        data_.resize(static_cast<qsizetype>(pos_ + Count), '\0'); // a gap after a seek reads as zeros
    std::memcpy(data_.data() + pos_, Buffer, static_cast<size_t>(Count));
    pos_ += Count;
    return Count;
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin)
{
    std::int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? pos_ : Size();
    pos_ = std::max<std::int64_t>(0, base + Offset);
    return pos_;
}

void TMemoryStream::SetSize(std::int64_t NewSize)
{
    data_.resize(static_cast<qsizetype>(std::max<std::int64_t>(NewSize, 0)), '\0');
    pos_ = std::min<std::int64_t>(pos_, Size());
}

void TMemoryStream::LoadFromStream(TStream *Stream)
{
    Stream->SetPosition(0);
    data_ = Stream->ReadAll();
    pos_ = 0;
}

void TMemoryStream::SaveToStream(TStream *Stream) const
{
    Stream->WriteBytes(data_);
}

void TMemoryStream::LoadFromFile(const QString &FileName)
{
    TFileStream f(FileName, fmOpenRead);
    LoadFromStream(&f);
}

void TMemoryStream::SaveToFile(const QString &FileName) const
{
    TFileStream f(FileName, fmCreate);
    SaveToStream(&f);
}

TFileStream::TFileStream(const QString &FileName, TFileMode Mode) : file_(FileName)
{
    QIODevice::OpenMode m = QIODevice::ReadOnly;
    switch (Mode) {
    case fmOpenRead: m = QIODevice::ReadOnly; break;
    case fmOpenWrite: m = QIODevice::WriteOnly | QIODevice::ExistingOnly; break;
    case fmOpenReadWrite: m = QIODevice::ReadWrite | QIODevice::ExistingOnly; break;
    case fmCreate: m = QIODevice::ReadWrite | QIODevice::Truncate; break;
    }
    if (!file_.open(m))
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(FileName, file_.errorString()));
}

std::int64_t TFileStream::Read(void *Buffer, std::int64_t Count)
{
    if (Count <= 0)
        return 0;
    return std::max<std::int64_t>(0, file_.read(static_cast<char *>(Buffer), Count));
}

std::int64_t TFileStream::Write(const void *Buffer, std::int64_t Count)
{
    if (Count <= 0)
        return 0;
    return std::max<std::int64_t>(0, file_.write(static_cast<const char *>(Buffer), Count));
}

std::int64_t TFileStream::Seek(std::int64_t Offset, TSeekOrigin Origin)
{
    std::int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? file_.pos() : file_.size();
    file_.seek(std::max<std::int64_t>(0, base + Offset));
    return file_.pos();
}

void TFileStream::SetSize(std::int64_t NewSize)
{
    file_.resize(NewSize);
}

TAtomicFileStream::TAtomicFileStream(const QString &FileName) : file_(FileName)
{
    if (!file_.open(QIODevice::WriteOnly))
        throw EFOpenError(QStringLiteral("Cannot create file \"%1\". %2").arg(FileName, file_.errorString()));
}

std::int64_t TAtomicFileStream::Write(const void *Buffer, std::int64_t Count)
{
    if (Count <= 0)
        return 0;
    const std::int64_t n = std::max<std::int64_t>(0, file_.write(static_cast<const char *>(Buffer), Count));
    end_ = std::max<std::int64_t>(end_, file_.pos());
    return n;
}

std::int64_t TAtomicFileStream::Seek(std::int64_t Offset, TSeekOrigin Origin)
{
    std::int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? file_.pos() : file_.size();
    file_.seek(std::max<std::int64_t>(0, base + Offset));
    return file_.pos();
}

void TAtomicFileStream::SetSize(std::int64_t NewSize)
{
    if (file_.resize(NewSize))
        end_ = NewSize;
}

void TAtomicFileStream::Commit()
{
    const QString name = file_.fileName();
    // A full disk or a file-size limit can cut the buffered bytes short
    // without QSaveFile noticing: what reached the file is counted first.
    if (!file_.flush() || file_.size() != end_) {
        file_.cancelWriting();
        throw EStreamError(QStringLiteral("Cannot write file \"%1\" whole. %2").arg(name, file_.errorString()));
    }
    if (!file_.commit())
        throw EStreamError(QStringLiteral("Cannot write file \"%1\". %2").arg(name, file_.errorString()));
}

void SaveBytesAtomically(const QString &FileName, const QByteArray &Bytes)
{
    TAtomicFileStream file(FileName);
    file.WriteBytes(Bytes);
    file.Commit();
}
