#pragma once

class PageHost;
class TWinControl;

// The main window's controls at their base geometry (outer size 1118 x 720),
// built from family tables expanded per channel, and the rules that stretch
// them when the window grows.
namespace MainLayout {

// Makes every control of the tables, owned by the window and parented to its
// family's parent (`Client` when none), named prefix + suffix, each entered
// in the host's name index.
void Build(PageHost &Form, TWinControl *Client);

// Applies the vertical rules with dh (when `Vertical`) and the horizontal ones
// with dw (when `Horizontal`). Stops at the first name that does not exist and
// returns false then.
bool Stretch(PageHost &Form, int dw, int dh, bool Vertical, bool Horizontal);

} // namespace MainLayout
