#pragma once
#include "Object.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <cstdint>

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

// A byte stream with a position. Read returns how many bytes it could read;
// ReadBuffer/WriteBuffer throw EReadError / EStreamError when the whole count
// cannot be transferred.
class TStream : public TObject {
public:
    virtual std::int64_t Read(void *Buffer, std::int64_t Count) = 0;
    virtual std::int64_t Write(const void *Buffer, std::int64_t Count) = 0;
    virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;
    virtual std::int64_t Size() const = 0;
    virtual void SetSize(std::int64_t NewSize) = 0;

    std::int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(std::int64_t Pos) { Seek(Pos, soBeginning); }

    void ReadBuffer(void *Buffer, std::int64_t Count);
    void WriteBuffer(const void *Buffer, std::int64_t Count);
    // Everything from the position to the end.
    QByteArray ReadAll();
    void WriteBytes(const QByteArray &Bytes) { WriteBuffer(Bytes.constData(), Bytes.size()); }
    // Copies Count bytes from Source's position (Count 0: the whole of Source,
    // from its start); returns the number copied.
    std::int64_t CopyFrom(TStream *Source, std::int64_t Count);
};

// A stream over a growable block of memory.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(const QByteArray &Bytes) : data_(Bytes) {}

    std::int64_t Read(void *Buffer, std::int64_t Count) override;
    std::int64_t Write(const void *Buffer, std::int64_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    std::int64_t Size() const override { return data_.size(); }
    void SetSize(std::int64_t NewSize) override;

    void Clear() { data_.clear(); pos_ = 0; }
    const QByteArray &Bytes() const { return data_; }
    const char *Memory() const { return data_.constData(); }
    void LoadFromStream(TStream *Stream);
    void SaveToStream(TStream *Stream) const;
    void LoadFromFile(const QString &FileName);
    void SaveToFile(const QString &FileName) const;

private:
    QByteArray data_;
    std::int64_t pos_ = 0;
};

enum TFileMode { fmOpenRead, fmOpenWrite, fmOpenReadWrite, fmCreate };

// A stream over a file; the constructor throws EFOpenError when the file
// cannot be opened (fmCreate creates or truncates it).
class TFileStream : public TStream {
public:
    TFileStream(const QString &FileName, TFileMode Mode);

    std::int64_t Read(void *Buffer, std::int64_t Count) override;
    std::int64_t Write(const void *Buffer, std::int64_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    std::int64_t Size() const override { return file_.size(); }
    void SetSize(std::int64_t NewSize) override;

private:
    QFile file_;
};

// A new file written whole or not at all: the bytes go to a temporary file in
// the target's folder, and Commit puts it in the target's place in one rename.
// Until Commit the target is untouched; a stream freed without Commit (an
// exception on the way) leaves no trace. The constructor throws EFOpenError
// when the temporary file cannot be made, Commit EStreamError when the bytes
// or the rename fail.
class TAtomicFileStream : public TStream {
public:
    explicit TAtomicFileStream(const QString &FileName);

    // Write only: reads give nothing.
    std::int64_t Read(void *, std::int64_t) override { return 0; }
    std::int64_t Write(const void *Buffer, std::int64_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    std::int64_t Size() const override { return file_.size(); }
    void SetSize(std::int64_t NewSize) override;
    void Commit();

private:
    QSaveFile file_;
    std::int64_t end_ = 0; // the size the written bytes make
};

// Bytes saved as one TAtomicFileStream: the old file stays whole on failure.
void SaveBytesAtomically(const QString &FileName, const QByteArray &Bytes);
