#pragma once
#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TgPlotChannelCustom;

// The points of one channel as read from a file and checked, before any of
// them reaches the channel: a load changes the plot only once every line of
// its file is good. Kept in blocks, so that growing never copies (and never
// leaves freed copies behind): a staged point costs 17 bytes.
class TgStagedPoints {
public:
    enum : std::uint8_t { Plain, Null, Empty };

    int Count() const { return FCount; }
    void Add(double X, double Y, std::uint8_t Kind)
    {
        if (FCount % BlockPoints == 0)
            FBlocks.emplace_back(new TgBlock); // not zeroed: pages are touched as points come
        TgBlock &b = *FBlocks.back();
        const int at = FCount++ % BlockPoints;
        b.X[at] = X;
        b.Y[at] = Y;
        b.Kind[at] = Kind;
    }
    double X(int Index) const { return FBlocks[size_t(Index / BlockPoints)]->X[Index % BlockPoints]; }
    double Y(int Index) const { return FBlocks[size_t(Index / BlockPoints)]->Y[Index % BlockPoints]; }
    std::uint8_t Kind(int Index) const { return FBlocks[size_t(Index / BlockPoints)]->Kind[Index % BlockPoints]; }
    // Raises what Channel would raise on taking these points (CheckAppend),
    // after its own points when Replacing is false, else in their place.
    void CheckInto(const TgPlotChannelCustom *Channel, bool Replacing = false) const;
    // Appends every point to Channel (DoAddXY when Direct, else AddXYFlags),
    // with room made for them first.
    void AppendTo(TgPlotChannelCustom *Channel, bool Direct) const;

private:
    static constexpr int BlockPoints = 1 << 16;
    struct TgBlock {
        double X[BlockPoints], Y[BlockPoints];
        std::uint8_t Kind[BlockPoints];
    };
    std::vector<std::unique_ptr<TgBlock>> FBlocks;
    int FCount = 0;
};

// A channel's data file: "X <separator> Y" or "X <separator> Null" per
// point. The separator is TAB when the first line holds one (a "," is then
// also a decimal point), else ",". Damage raises EConvertError or Exception
// with "Line <n>: " before the cause; a missing file EFOpenError.
TgStagedPoints ReadChannelDataFile(const QString &FileName);
// Every point that is not Empty, saved whole or not at all.
void WriteChannelDataFile(const QString &FileName, const TgPlotChannelCustom *Channel, char Separator);

// A plot's data file in either form, or its text or compact log: the points
// for channels 0 .. ChannelCount - 1. A compact file's X after its first two
// rows is counted from them (X0 + r * (X1 - X0)). A first line "(X)" followed
// by one field ending in "(Y)" per channel marks a log file; anything else
// is a data file of X and Y column pairs. Damage raises as above ("Row <n>:
// Invalid Data" in a compact file).
std::vector<TgStagedPoints> ReadPlotDataFile(const QString &FileName, int ChannelCount);
// Text form: a header of "<title>(X)" and "<title>(Y)" per channel (the
// channel's Name where its title is blank), then one line per point index
// with X and Y, "Null" or "Empty" per channel, or two empty fields.
void WritePlotTextData(const QString &FileName, const std::vector<const TgPlotChannelCustom *> &Channels,
                       char Separator);
// Compact-interval form. A channel whose X the form would not give back (see
// TgCompactX) or that holds a value it cannot hold is refused before
// anything is written.
void WritePlotCompactData(const QString &FileName, const std::vector<const TgPlotChannelCustom *> &Channels);

// The text a data or log file heads a channel's columns with.
QString DataFileTitle(const TgPlotChannelCustom *Channel);
// The same as a header field: a comma becomes ";" in comma columns, and a
// TAB (which would make a reader take TAB columns) or a line break a blank,
// so that the header keeps one field per column, on one line.
QString DataFileHeaderTitle(const TgPlotChannelCustom *Channel, char Separator);
// Four bytes of a little-endian IEEE single.
void AppendSingle(std::string &Out, double Value);
// The single a compact row holds where a channel has no point.
constexpr double CompactNoPoint = 1e38;
// Whether a compact file gives Value back as a single: a value from -3.4E38
// to below 9E37, or -infinity (a NaN would read back as no point).
bool CompactHolds(double Value);
// The single a compact file holds for Value: Value, or CompactNoPoint where
// the form cannot hold it.
double CompactSingle(double Value);
// Value as its CompactSingle: a value the reader would take for the end
// marker must not end the file.
void AppendCompactValue(std::string &Out, double Value);
// "Channel <n> (<title>): <Why>, which the Compact Interval form cannot hold".
QString CompactRefusal(const TgPlotChannelCustom *Channel, size_t Index, const QString &Why);

// How a compact file gives one channel's X back: rows 0 and 1 hold it as
// singles, every later row counts it from them, X0 + Row * (X1 - X0) (or X0,
// else 0, where row 1, or row 0, holds no point). Its save and its log check
// each X against it, so that what they write reads back at the same X.
class TgCompactX {
public:
    // Row 0 or 1 holds X (CompactNoPoint: no point).
    void Hold(std::int64_t Row, double X) { (Row == 0 ? FX0 : FX1) = CompactSingle(X); }
    // The X that row Row, from 2 on, gives back.
    double At(std::int64_t Row) const;
    // Empty where a point at X in row Row (from 2 on) comes back at X as
    // closely as singles can tell (within a millionth of the X involved);
    // else why not, naming the row (counted from 1) and the interval.
    QString Off(std::int64_t Row, double X) const;

private:
    bool Counted() const { return FX0 < 9e37 && FX1 < 9e37; }
    double FX0 = CompactNoPoint, FX1 = CompactNoPoint;
};
