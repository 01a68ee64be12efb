#pragma once
#include "LMainLinkUi.h"

class PageHost;
class TWinControl;

// One page (or one concern spread over the pages) of the editor: it makes its
// controls inside the frames the main window has built, wires their handlers
// to the model, stretches them with the window and fills them from the model.
class EditorPage {
public:
    explicit EditorPage(PageHost &Host) : host(Host) {}
    virtual ~EditorPage() = default;
    EditorPage(const EditorPage &) = delete;
    EditorPage &operator=(const EditorPage &) = delete;

    // Makes the page's controls; `Client` is the window's client area, the
    // parent of controls whose family names none.
    virtual void Build(TWinControl *Client) = 0;
    // Whether the page shows on the Gain page, where the window opens: such a
    // page is made with the window, every other one once the window has
    // painted (or first asked for). Pages shown at start come last in the
    // list, so that every page's controls stack as when all are made at once.
    virtual bool OnStartPage() const { return false; }
    // Applies the page's stretch rules (see ControlTable::Apply); false when a
    // named control is missing, which ends the window's resize there.
    virtual bool Stretch(int /*dw*/, int /*dh*/, bool /*Vertical*/, bool /*Horizontal*/) { return true; }
    // Captions of the current language.
    virtual void ApplyLanguage() {}

    // The connection logic's calls on the pages; the window passes each to
    // every page, in the order the pages were made.
    // Fills the page's controls from the model. Called by the window's page
    // refresh with the updating flag raised, after the named controls of every
    // channel were set (see PageRefresh), so handlers change and send nothing.
    virtual void Refresh() {}
    // The refresh's curve work after the updating flag came down, once every
    // channel's curves were rebuilt from the model and before the overlays are
    // drawn: e.g. select and draw the first PEQ band of every channel.
    virtual void RefreshCurves() {}
    virtual void InvalidateCurve(int /*Channel*/) {}
    virtual void ClearPeqBandSelection() {}
    // The link went or came (lost, a connect began, a device answered): a
    // press on a display ends here, whatever becomes of its release.
    virtual void EndGrab() {}
    virtual void HideGeqBandOverlay() {}
    virtual void ShowLevels(const LMainLinkUi::LevelDisplay & /*Levels*/) {}
    virtual void ResetMeters() {}
    // The EQ reset dialog's confirmations.
    virtual void ResetPeq(int /*Channel*/) {}
    virtual void ResetGeq(int /*Target*/) {}
    // The page switch brought `Page` to the front (see PageHost::PageShown).
    virtual void PageShown(int /*Page*/, int /*Shown*/) {}

protected:
    PageHost &host;
};
