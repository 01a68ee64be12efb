#pragma once
#include "Events.h"
#include "Types.h"

#include <QString>

class TCustomImageList;
class TgPlotObject;
class TgPlotMasterManager;

// What a plot object and the master manager ask of the plot that owns them:
// the per-kind user events fired on an object's behalf (the plot finds the
// object's index in its typed manager), texts translated, client points
// mapped to the screen, and the plot's editor settings. The plot component
// implements it; an object whose owner does not fires nothing and shows its
// texts as written, and such a master opens no editor.
class IgPlotObjectHost {
public:
    virtual void DoObjectMouseDown(TgPlotObject *Obj, TMouseButton Button, TShiftState Shift, int X, int Y) = 0;
    virtual void DoObjectMouseMove(TgPlotObject *Obj, TShiftState Shift, int X, int Y) = 0;
    virtual void DoObjectMouseUp(TgPlotObject *Obj, TMouseButton Button, TShiftState Shift, int X, int Y) = 0;
    virtual void DoObjectMouseWheel(TgPlotObject *Obj, int WheelDelta, TShiftState Shift, int X, int Y) = 0;
    virtual void DoObjectPopupMenu(TgPlotObject *Obj, bool &Cancel, int ScreenX, int ScreenY) = 0;
    // A completed click on the object (a double click when one is pending).
    virtual void DoObjectClick(TgPlotObject *Obj) = 0;
    virtual void DoObjectGotFocus(TgPlotObject *Obj) = 0;
    virtual void DoObjectLostFocus(TgPlotObject *Obj) = 0;
    virtual QString TranslateText(const QString &Text) = 0;
    virtual TPoint PlotClientToScreen(TPoint P) = 0;
    // Image list 0, 1 or 2; null for any other index.
    virtual TCustomImageList *GetImageList(int Index) const = 0;
    virtual bool EditorStayOnTop() const = 0;
    virtual bool UserCanAddRemoveChannels() const = 0;
    virtual void DoAfterOpenEditor(TObject *Sender) = 0;

protected:
    ~IgPlotObjectHost() = default;
};
