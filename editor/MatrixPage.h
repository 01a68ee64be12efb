#pragma once
#include "EditorPage.h"

#include "UpDown.h"

class TCanvas;
class TControl;
class TObject;

// The matrix page: for every output a group of four route toggles (one per
// input), four mix-level boxes and four mix spinners, and between the input
// and output blocks the routing picture, one line per routed input. Route
// and mix belong to the one output: nothing is copied to its link group.
class MatrixPage : public EditorPage {
public:
    explicit MatrixPage(PageHost &Host) : EditorPage(Host) {}

    void Build(TWinControl *Client) override;

    // Asks the routing picture to paint itself again from the model.
    void PaintMatrixRouting();
    // Draws the routing lines of the model on Canvas, Width pixels wide.
    void DrawRouting(TCanvas &Canvas, int Width);

    // The handlers, public for the window's tests.
    void RouteClick(TObject *Sender);
    void MixChanging(TObject *Sender, bool &AllowChange, int NewValue, TUpDownDirection Direction);

private:
    // The output channel (4-11) of a control named ...Out1 to ...Out8.
    static int OutputOf(const TControl *Control);
};
