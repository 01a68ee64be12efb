#pragma once
#include "Panel.h"

#include <vector>

// A vertical LED-style level meter: a column of rectangular segments that
// light from the bottom up, in three colour zones counted from the top
// (FirstNum red, SecondNum yellow, ThirdNum green segments by default), each
// zone with an unlit and a lit colour. Position is the number of lit
// segments when Max equals the segment count.
//
// A segment's state is its colour: lighting turns a zone's unlit colour into
// its lit one and back; any other colour a segment holds is left alone. Only
// a change of some segment's colour repaints the meter. A meter whose Max is
// 0 or below shows every segment dark.
//
// Segment k (1 at the top, N at the bottom) of a W x H meter lies at left 0,
// width W, top trunc(H / N * (k - 1)) - 1, height H / N + 2 (neighbours
// overlap); after a resize the segments keep their places until the next
// paint lays them out again.
class LProgressBar : public TPanel {
public:
    explicit LProgressBar(TComponent *AOwner);

    TColor FirstColor() const { return firstColor_; }
    void SetFirstColor(TColor Value) { SetZoneColor(0, Value); }
    TColor SecondColor() const { return secondColor_; }
    void SetSecondColor(TColor Value) { SetZoneColor(1, Value); }
    TColor ThirdColor() const { return thirdColor_; }
    void SetThirdColor(TColor Value) { SetZoneColor(2, Value); }
    TColor LFirstColor() const { return lFirstColor_; }
    void SetLFirstColor(TColor Value) { SetZoneLitColor(0, Value); }
    TColor LSecondColor() const { return lSecondColor_; }
    void SetLSecondColor(TColor Value) { SetZoneLitColor(1, Value); }
    TColor LThirdColor() const { return lThirdColor_; }
    void SetLThirdColor(TColor Value) { SetZoneLitColor(2, Value); }
    int FirstNum() const { return firstNum_; }
    void SetFirstNum(int Value) { SetZoneCount(0, Value); }
    int SecondNum() const { return secondNum_; }
    void SetSecondNum(int Value) { SetZoneCount(1, Value); }
    int ThirdNum() const { return thirdNum_; }
    void SetThirdNum(int Value) { SetZoneCount(2, Value); }
    int Position() const { return position_; }
    void SetPosition(int Value);
    // The bounds only clamp later positions; nothing is redrawn.
    int Max() const { return max_; }
    void SetMax(int Value) { max_ = Value; }
    int Min() const { return min_; }
    void SetMin(int Value) { min_ = Value; }

    int SegmentCount() const { return static_cast<int>(segments_.size()); }
    // Segment k, 1 (top) to SegmentCount() (bottom).
    TColor SegmentColor(int K) const { return segments_.at(K - 1).color; }
    void SetSegmentColor(int K, TColor Value);
    TRect SegmentBounds(int K) const { return segments_.at(K - 1).bounds; }

    void Paint() override;

private:
    struct Segment {
        TColor color;
        TRect bounds;
    };
    // The zone (0, 1, 2) of segment k.
    int ZoneOf(int K) const;
    TColor &Unlit(int Zone);
    TColor &Lit(int Zone);
    void SetZoneColor(int Zone, TColor Value);
    void SetZoneLitColor(int Zone, TColor Value);
    void SetZoneCount(int Zone, int Value);
    void Rebuild();
    void LayOut();
    // Recolours segment k; true when its colour changed.
    bool Recolor(int K, TColor Value);

    TColor firstColor_ = 128, secondColor_ = 32896, thirdColor_ = 32768;
    TColor lFirstColor_ = 255, lSecondColor_ = 65535, lThirdColor_ = 65280;
    int firstNum_ = 1, secondNum_ = 1, thirdNum_ = 3;
    int position_ = 0;
    int max_ = 100, min_ = 0;
    int laidOutWidth_ = 14, laidOutHeight_ = 132;
    std::vector<Segment> segments_;
};
