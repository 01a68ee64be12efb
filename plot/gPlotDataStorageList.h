#pragma once
#include "Exceptions.h"
#include "gPlotDataCustomList.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <memory>
#include <type_traits>

// The storage every list kind shares: one contiguous array of TPoint (no
// allocation per point), grown by the base's rule, used as a ring when the
// ring buffer is on. Before any operation that moves or cuts points on a ring
// that has wrapped, the oldest point is rotated back to slot 0, so that the
// index mapping stays right afterwards.
template <class TPoint>
class TgPlotDataStorageList : public TgPlotDataCustomList {
    static_assert(std::is_trivially_copyable_v<TPoint> && std::is_trivially_default_constructible_v<TPoint>,
                  "points live in realloc'd storage and are moved as bytes");

public:
    void SetCapacity(int NewCapacity) override
    {
        CheckCapacity(NewCapacity);
        if (NewCapacity == FCapacity)
            return;
        Unwrap();
        if (NewCapacity <= 0) { // CheckCapacity let only 0 through
            FData.reset();
            // A ring of no slots has nowhere to put a point: as its size
            // (0) says, the ring is off, and the list grows again.
            FRingBufferEnabled = false;
        } else {
            // realloc keeps the points in index order and, for large
            // blocks, moves the pages instead of copying them.
            void *data = std::realloc(FData.get(), sizeof(TPoint) * static_cast<size_t>(NewCapacity));
            if (!data)
                throw std::bad_alloc();
            (void)FData.release();
            FData.reset(static_cast<TPoint *>(data));
        }
        FCapacity = NewCapacity;
        if (FCount > NewCapacity)
            FCount = NewCapacity;
    }

    // Accepts 0 <= Size < Count (or <= Count where the kind allows emptying).
    void DeletePoints(int Size) override
    {
        if (Size < 0 || Size > FCount || (Size == FCount && !DeleteMayEmpty()))
            throw Exception(DeleteRangeMessage());
        if (Size == 0)
            return;
        Unwrap();
        std::memmove(FData.get(), FData.get() + Size, sizeof(TPoint) * static_cast<size_t>(FCount - Size));
        FCount -= Size;
    }

    // Points Index .. Index + Count - 1 read in place, as at most two runs of
    // contiguous storage (a wrapped ring ends and starts again at slot 0):
    // Run(first point, number of points) for each. Raises "Index out of
    // Bounds" before any run when the range leaves the list. For loops over
    // large numbers of points.
    template <class F>
    void ForEachRun(int Index, int Count, F &&Run) const
    {
        if (Count <= 0)
            return;
        const int first = GetStorageIndex(Index);
        GetStorageIndex(Index + Count - 1);
        const int straight = std::min(Count, FCount - first);
        Run(Storage() + first, straight);
        if (Count > straight)
            Run(Storage(), Count - straight);
    }

protected:
    TgPlotDataStorageList() : TgPlotDataCustomList(static_cast<int>(sizeof(TPoint))) {}

    TPoint &At(int Index) { return FData.get()[GetStorageIndex(Index)]; }
    const TPoint &At(int Index) const { return FData.get()[GetStorageIndex(Index)]; }
    const TPoint *Storage() const { return FData.get(); }

    // Appends Point (growing, or overwriting the oldest point of a full
    // ring) and returns its index.
    int AddPoint(const TPoint &Point)
    {
        if (!FRingBufferEnabled || FCount < FCapacity) {
            if (FCount == FCapacity)
                SetCapacity(GrownCapacity());
            FData.get()[FCount] = Point;
            return FCount++;
        }
        FTail = FTail + 1 == FCount ? 0 : FTail + 1;
        FData.get()[FTail == 0 ? FCount - 1 : FTail - 1] = Point;
        return FCount - 1;
    }

    virtual QString DeleteRangeMessage() const { return QStringLiteral("Delete size out of Range"); }
    virtual bool DeleteMayEmpty() const { return false; }

    // Puts the oldest point back into slot 0 (Tail 0), keeping index order.
    void Unwrap()
    {
        if (FTail == 0)
            return;
        std::rotate(FData.get(), FData.get() + FTail, FData.get() + FCount);
        FTail = 0;
    }

private:
    struct Free {
        void operator()(TPoint *p) const { std::free(p); }
    };
    std::unique_ptr<TPoint, Free> FData;
};
