#pragma once
#include "EditorPage.h"

// Typed entry of the matrix page's mix levels: the box cvd<input>MatrixOut<n>
// (Tag = input 0-3) moves the spinner udMixGain<input>Out<n> (-280..0, whose
// own handler commits), in dB on the mix grid. The boxes belong to the matrix
// page; they are bound when they exist (at build and again at each refresh,
// so the order in which the pages are made does not matter).
class MixLevelEntry : public EditorPage {
public:
    explicit MixLevelEntry(PageHost &Host) : EditorPage(Host) {}

    void Build(TWinControl *Client) override;
    void Refresh() override { Bind(); }

private:
    void Bind();
};
