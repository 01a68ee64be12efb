#pragma once

class TControl;

// Position access to the pages' sliders and spinners by their common base, in
// a unit of its own: the slider's header cannot share a unit with the custom
// controls' headers (both name a gradient direction).
namespace SliderAccess {

// Sets the position of a slider (which clamps it to its range) or a spinner;
// returns the position it holds afterwards, or Value when the control is
// neither (or missing).
int SetPosition(TControl *Control, int Value);
// False when the control is no slider or spinner.
bool Position(const TControl *Control, int &Value);
bool Max(const TControl *Control, int &Value);

} // namespace SliderAccess
