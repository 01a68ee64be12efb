#pragma once

class QWidget;

// Activation of top-level windows as the desktop the layer stands for does
// it: at once, where Qt alone waits for the window system.

// True when a modal window holds back the input of the top-level `Window`:
// one other than it, of which it is neither a part nor a transient (a window
// shown over the modal one).
bool BlockedByModal(const QWidget *Window);

// Makes the top-level `Window` the active window now (its focus widget gets
// the focus); false, and nothing changes, when a modal window holds it back.
bool ActivateWindowNow(QWidget *Window);
