#pragma once
#include "LCmd.h"

#include <deque>

// Frames waiting for a busy link. A frame queued without the append flag
// replaces the frame at the back when that one was also queued without it and
// both address the same thing: the same command code and the same address bytes
// (the channel; channel and band for PEQ and GEQ; output and input for MIX). So
// a burst of moves of one control leaves as one frame, the latest, and edits of
// different channels or kinds are all kept, in order.
class RequestQueue {
public:
    void Push(const ByteVector &frame, bool append);
    bool Empty() const { return frames.empty(); }
    size_t Size() const { return frames.size(); }
    // Removes and returns the front frame; false when empty.
    bool PopFront(ByteVector &frame);
    void Clear();
    const std::deque<ByteVector> &Frames() const { return frames; }

    // True when two frames address the same thing (see above).
    static bool SameTarget(const ByteVector &a, const ByteVector &b);

private:
    std::deque<ByteVector> frames;
    bool backIsTarget = false; // the back frame may still be replaced
};
