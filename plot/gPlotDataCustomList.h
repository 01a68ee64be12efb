#pragma once
#include "Brush.h"
#include "Color.h"
#include "Pen.h"
#include "gTypes.h"

#include <cstdint>

// The points of one channel. A point index always counts from the oldest
// point (0) to the newest (Count - 1), whatever a ring buffer has done to the
// storage order. The list also carries the channel-wide style values (the
// Stored... properties) so that they follow the channel when its list kind
// changes. Failures raise Exception with "Index out of Bounds", "Exceed
// Maximum List Size" or the kind's delete-range message, and change nothing.
class TgPlotDataCustomList {
public:
    virtual ~TgPlotDataCustomList() = default;
    TgPlotDataCustomList(const TgPlotDataCustomList &) = delete;
    TgPlotDataCustomList &operator=(const TgPlotDataCustomList &) = delete;

    int Count() const { return FCount; }
    int Capacity() const { return FCapacity; }
    int Tail() const { return FTail; }
    int DataPointSize() const { return FDataPointSize; }
    int MaxDataPoints() const { return FMaxDataPoints; }
    std::int64_t MemoryUsed() const { return std::int64_t(FDataPointSize) * FCapacity; }

    bool RingBufferEnabled() const { return FRingBufferEnabled; }
    int RingBufferSize() const { return FRingBufferEnabled ? FCapacity : 0; }
    // 0 ends the ring mode (a ring that has wrapped is cleared); a size turns
    // it on, dropping the oldest points that do not fit. Negative sizes are
    // refused.
    void SetRingBufferSize(int Value);

    // Per-point values; the base answers "no such value".
    virtual double GetX(int Index) const = 0;
    virtual double GetY(int Index) const = 0;
    virtual bool GetEmpty(int Index) const;
    virtual bool GetNull(int Index) const;
    virtual double GetHigh(int Index) const;
    virtual double GetLow(int Index) const;
    virtual double GetOpen(int Index) const;
    virtual double GetClose(int Index) const;
    virtual void SetX(int Index, double Value) = 0;
    virtual void SetY(int Index, double Value) = 0;
    virtual void SetEmpty(int Index, bool Value);
    virtual void SetNull(int Index, bool Value);
    virtual void SetHigh(int Index, double Value);
    virtual void SetLow(int Index, double Value);
    virtual void SetOpen(int Index, double Value);
    virtual void SetClose(int Index, double Value);

    // Per-point styles: the base reads the stored (channel-wide) value and
    // ignores writes; list kinds that keep a style per point override them.
    virtual TColor GetTraceLineColor(int Index) const;
    virtual int GetTraceLineWidth(int Index) const;
    virtual TgPlotLineStyle GetTraceLineStyle(int Index) const;
    virtual bool GetMarkerVisible(int Index) const;
    virtual int GetMarkerSize(int Index) const;
    virtual TgPlotMarkerStyle GetMarkerStyle(int Index) const;
    virtual TColor GetMarkerPenColor(int Index) const;
    virtual int GetMarkerPenWidth(int Index) const;
    virtual TPenStyle GetMarkerPenStyle(int Index) const;
    virtual TColor GetMarkerBrushColor(int Index) const;
    virtual TBrushStyle GetMarkerBrushStyle(int Index) const;
    virtual char16_t GetMarkerCharacter(int Index) const;
    virtual bool GetBarVisible(int Index) const;
    virtual double GetBarReference(int Index) const;
    virtual double GetBarWidth(int Index) const;
    virtual TColor GetBarPenColor(int Index) const;
    virtual int GetBarPenWidth(int Index) const;
    virtual TPenStyle GetBarPenStyle(int Index) const;
    virtual TColor GetBarBrushColor(int Index) const;
    virtual TBrushStyle GetBarBrushStyle(int Index) const;
    virtual void SetTraceLineColor(int Index, TColor Value);
    virtual void SetTraceLineWidth(int Index, int Value);
    virtual void SetTraceLineStyle(int Index, TgPlotLineStyle Value);
    virtual void SetMarkerVisible(int Index, bool Value);
    virtual void SetMarkerSize(int Index, int Value);
    virtual void SetMarkerStyle(int Index, TgPlotMarkerStyle Value);
    virtual void SetMarkerPenColor(int Index, TColor Value);
    virtual void SetMarkerPenWidth(int Index, int Value);
    virtual void SetMarkerPenStyle(int Index, TPenStyle Value);
    virtual void SetMarkerBrushColor(int Index, TColor Value);
    virtual void SetMarkerBrushStyle(int Index, TBrushStyle Value);
    virtual void SetMarkerCharacter(int Index, char16_t Value);
    virtual void SetBarVisible(int Index, bool Value);
    virtual void SetBarReference(int Index, double Value);
    virtual void SetBarWidth(int Index, double Value);
    virtual void SetBarPenColor(int Index, TColor Value);
    virtual void SetBarPenWidth(int Index, int Value);
    virtual void SetBarPenStyle(int Index, TPenStyle Value);
    virtual void SetBarBrushColor(int Index, TColor Value);
    virtual void SetBarBrushStyle(int Index, TBrushStyle Value);

    // Appends a point and returns its index; a full ring buffer overwrites
    // its oldest point (the result is then Count - 1).
    virtual int Add(double X, double Y, bool Null, bool Empty) = 0;
    // Empties the list; without a ring buffer the storage is released.
    virtual void Clear();
    // Reallocates to NewCapacity points (kept in index order); Count is cut
    // to it. Above MaxDataPoints raises "Exceed Maximum List Size".
    virtual void SetCapacity(int NewCapacity) = 0;
    // Removes the Size oldest points.
    virtual void DeletePoints(int Size) = 0;
    virtual void GetXYEmptyNull(int Index, double &X, double &Y, bool &Empty, bool &Null) const = 0;
    // Points Index .. Index + Count - 1 into Out, as GetXYEmptyNull gives
    // them one by one; raises "Index out of Bounds" before writing anything
    // if the range leaves the list. One call per block for drawing loops.
    struct XYEmptyNull {
        double X, Y;
        bool Empty, Null;
    };
    virtual void GetXYEmptyNullBlock(int Index, int Count, XYEmptyNull *Out) const;

    // Channel-wide style values.
    TColor StoredTraceLineColor = 0;
    int StoredTraceLineWidth = 0;
    TgPlotLineStyle StoredTraceLineStyle = iplsSolid;
    bool StoredMarkerVisible = false;
    int StoredMarkerSize = 0;
    TgPlotMarkerStyle StoredMarkerStyle = ipmsCircle;
    TColor StoredMarkerPenColor = 0;
    int StoredMarkerPenWidth = 0;
    TPenStyle StoredMarkerPenStyle = psSolid;
    TColor StoredMarkerBrushColor = 0;
    TBrushStyle StoredMarkerBrushStyle = bsSolid;
    char16_t StoredMarkerCharacter = 0;
    bool StoredBarVisible = true;
    double StoredBarReference = 0;
    double StoredBarWidth = 0;
    TColor StoredBarPenColor = 0;
    int StoredBarPenWidth = 0;
    TPenStyle StoredBarPenStyle = psSolid;
    TColor StoredBarBrushColor = 0;
    TBrushStyle StoredBarBrushStyle = bsSolid;

protected:
    explicit TgPlotDataCustomList(int DataPointSize);

    // The storage slot of a point index; raises "Index out of Bounds".
    int GetStorageIndex(int Index) const;
    // The capacity after one growth step: +4 up to 8, +16 up to 64, then a
    // quarter more, never above MaxDataPoints (a full list raises "Exceed
    // Maximum List Size").
    int GrownCapacity() const;
    // Raises "Exceed Maximum List Size" above MaxDataPoints and refuses
    // negative sizes.
    void CheckCapacity(int NewCapacity) const;

    int FCount = 0;
    int FCapacity = 0;
    int FTail = 0;
    bool FRingBufferEnabled = false;

private:
    int FDataPointSize;
    int FMaxDataPoints;
};
