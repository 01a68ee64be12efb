#pragma once
#include "Color.h"

#include <memory>
#include <vector>

// How a curve's points are drawn: 0 line; 1 filled squares; 2 hollow
// squares; 3 line and filled squares; 4 line and hollow squares.
enum TMyPlotStyle : int {};

// One curve of a response plot: its own copies of the points, its pen
// colour and style, and the caller's key.
struct TPlotListMember {
    TPlotListMember() = default;
    // A copy of the source's points, colour, style and key, linked to nothing.
    TPlotListMember(const TPlotListMember &Source);
    TPlotListMember &operator=(const TPlotListMember &) = delete;

    std::vector<double> X;
    std::vector<double> Y;
    TColor Colour = clBlack;
    TMyPlotStyle Style{};
    int Key = 0;
    std::unique_ptr<TPlotListMember> Next;

    int Count() const { return static_cast<int>(Y.size()); }
};

// The curves of a response plot, newest first, each under a key of the
// caller's. Points handed in are always copied; the caller keeps its arrays.
class TPlotList {
public:
    TPlotList() = default;
    // The same curves in reverse order.
    TPlotList(const TPlotList &Source);
    TPlotList &operator=(const TPlotList &) = delete;
    ~TPlotList();

    void Clear();
    // Replaces the points of the curve under Key (its colour, style and place
    // stay; true) or adds a new curve at the head (false). The points are
    // copied into new storage before the old are let go, so X and Y may be
    // this list's own arrays. A count below 1 stores no points.
    bool AddOrReplace(const double *X, const double *Y, int Count, int Key, TColor Colour, TMyPlotStyle Style);
    bool Remove(int Key);
    // The first curve under Key, or none (false).
    bool Find(TPlotListMember *&Member, int Key) const;
    // AddOrReplace with each of Other's curves, head first; Other may be this list.
    void AddAll(const TPlotList &Other);

    TPlotListMember *Head() const { return head_.get(); }

private:
    std::unique_ptr<TPlotListMember> head_;
};
