#pragma once
#include <QString>

class PageHost;
class TControl;

// Fills the named controls of one channel from the model, block by block in
// the order the pages show them (name, GEQ, PEQ, gate, crossover, gain,
// polarity, mute and the bypass texts of an input; name, routing, mix,
// crossover, PEQ, compressor, limiter, gain, polarity, mute and the EQ
// bypass text of an output; the delay page fills its own controls). Expects the host's updating flag raised,
// so that the change events raised here change and send nothing. A control
// that does not exist is skipped. Reads the model only.
namespace PageRefresh {

void Input(PageHost &Host, int Channel, bool BuildingPages);
void Output(PageHost &Host, int Channel);

// Setting helpers over the kinds of control the pages use. SetPosition
// returns the position the control holds afterwards (a slider clamps it),
// or Value when there is no such control.
int SetPosition(TControl *Control, int Value);
void SetText(TControl *Control, const QString &Text);
void SetDown(TControl *Control, bool Down);

} // namespace PageRefresh
