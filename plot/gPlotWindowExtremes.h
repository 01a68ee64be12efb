#pragma once
#include <algorithm>
#include <cstdint>
#include <deque>

// The smallest and largest value over a run of a channel's points that moves
// forward (points join at its end, and leave at its start as a ring drops
// them or a view scrolls on), named by sequence numbers that never repeat.
// Two monotonic queues take and drop each point once, so following the run
// costs a constant amortized time per point however long it is; a run that
// moves back, or shrinks at its end, is counted again from its start.
class TgPlotWindowExtremes {
public:
    // Forgets every point: the next MoveTo reads its whole run.
    void Clear();
    // Makes From .. To the run. Read(Sequence, Value) gives whether the point
    // counts (a valid point) and its value; it is asked only for points that
    // join the run.
    template <class F>
    void MoveTo(std::int64_t From, std::int64_t To, F &&Read)
    {
        if (From < FFrom || To < FTo || From > FTo + 1) {
            Clear();
            FTo = From - 1;
        }
        FFrom = From;
        for (std::int64_t s = FTo + 1; s <= To; ++s) {
            double v;
            if (Read(s, v))
                Push(s, v);
        }
        FTo = std::max(FTo, To);
        while (!FLow.empty() && FLow.front().Sequence < From)
            FLow.pop_front();
        while (!FHigh.empty() && FHigh.front().Sequence < From)
            FHigh.pop_front();
    }
    // Whether the run holds a point that counts.
    bool Any() const { return !FLow.empty(); }
    // The earliest point of the smallest (largest) value; Any() first.
    std::int64_t LowestAt() const { return FLow.front().Sequence; }
    std::int64_t HighestAt() const { return FHigh.front().Sequence; }
    double Lowest() const { return FLow.front().Value; }
    double Highest() const { return FHigh.front().Value; }

private:
    struct Entry {
        std::int64_t Sequence;
        double Value;
    };
    void Push(std::int64_t Sequence, double Value);

    std::deque<Entry> FLow, FHigh; // values rising (falling) from the front
    std::int64_t FFrom = 0, FTo = -1;
};
