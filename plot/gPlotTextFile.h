#pragma once
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

class TStream;
class TStrings;

// Text files of the plot library. They are written in UTF-8 with every line
// ended by CR LF, through an atomic save (a temporary file in the target's
// folder, renamed over the target), so that a save that cannot finish leaves
// the old file whole. They are read as UTF-8 or, when the bytes are not
// UTF-8, in the old 8-bit form; lines may end in CR LF, LF or CR, and a final
// line end adds no empty line.
void SaveTextFile(const QString &FileName, const TStrings *Lines);
// Raises EFOpenError when the file cannot be read.
void LoadTextFile(const QString &FileName, TStrings *Lines);
// The message of a failure: the library's own text, or what() of another.
QString FailureText(const std::exception &Failure);

// A file read line by line, a block at a time, so that data files of
// millions of lines are never held whole. Lines are the bytes as they stand
// (the numbers of data files are ASCII); a UTF-8 byte-order mark at the start
// is skipped. The constructor raises EFOpenError.
class TgLineReader {
public:
    explicit TgLineReader(const QString &FileName);

    // The next line without its end, valid until the next call; false at
    // the end of the file.
    bool NextLine(std::string_view &Line);
    // The number of the line NextLine gave last, from 1.
    int LineNumber() const { return FLineNumber; }
    // The next Count bytes after what was read; false (and nothing taken)
    // when fewer remain.
    bool ReadBytes(void *Buffer, std::size_t Count);
    // No byte left after what was read.
    bool AtEnd();

private:
    // Keeps the unread bytes and appends the next block; false at the end.
    bool Fill();

    QFile FFile;
    std::string FBuffer;
    std::size_t FPos = 0;
    bool FEnd = false;
    int FLineNumber = 0;
};

// Bytes gathered in memory and handed to a stream a block at a time.
class TgBlockWriter {
public:
    explicit TgBlockWriter(TStream *Stream) : FStream(Stream) {}
    void Append(std::string_view Text)
    {
        FBuffer.append(Text);
        if (FBuffer.size() >= BlockSize)
            Flush();
    }
    void Append(char C)
    {
        FBuffer.push_back(C);
        if (FBuffer.size() >= BlockSize)
            Flush();
    }
    // Room for Count more bytes at the end; Commit(n) keeps the first n.
    char *Reserve(std::size_t Count)
    {
        FReserved = FBuffer.size();
        FBuffer.resize(FReserved + Count);
        return FBuffer.data() + FReserved;
    }
    void Commit(std::size_t Used)
    {
        FBuffer.resize(FReserved + Used);
        if (FBuffer.size() >= BlockSize)
            Flush();
    }
    // Writes what is gathered (EStreamError when the stream refuses it).
    void Flush();

private:
    static constexpr std::size_t BlockSize = std::size_t(1) << 20;
    TStream *FStream;
    std::string FBuffer;
    std::size_t FReserved = 0;
};
