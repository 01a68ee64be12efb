#pragma once
#include "EditorPage.h"

class TControl;
class TObject;

// The delay page: per channel a slider (samples at 96 per ms) with its value
// box, and on the delay picture a speaker marker that moves along a dashed
// line with the delay text beside it; three buttons choose the unit (ms, m,
// ft) in which every delay is shown and typed. The model holds the samples
// and the unit.
class DelayPage : public EditorPage {
public:
    explicit DelayPage(PageHost &Host) : EditorPage(Host) {}

    void Build(TWinControl *Client) override;
    bool Stretch(int dw, int dh, bool Vertical, bool Horizontal) override;
    void ApplyLanguage() override;
    void Refresh() override;

    // Places the time label beside channel's marker and draws the dashed line
    // up to the marker (one "-" per 6 pixels travelled).
    void DrawDelayLine(int Channel);
    // Shows position p (marker at MarkerLeft) on every channel of Channel's
    // link group.
    void RefreshLinkedDelay(int Channel, int Position, int MarkerLeft);
    // Puts every marker where its slider's position says (after a resize).
    void PlaceMarkers();

    bool IsDraggingMarker() const { return isDraggingDelay != 0; }

private:
    bool Updating() const;
    int Unit() const;
    void SliderChange(TObject *Sender);
    void UnitClick(TObject *Sender);
    void LineMouseDown(TObject *Sender, int X, int Y);
    void LineMouseMove(TObject *Sender, int X, int Y);
    void TypedDelay(TControl *Box);

    bool updating = false;
    int isDraggingDelay = 0;
};
