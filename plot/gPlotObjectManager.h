#pragma once
#include "Types.h"
#include "gPlotObjectManagerCustom.h"

class TPopupMenu;
struct TgHintData;

// Sees every object of the plot (owning none): clears selections, pushes
// the shift state, passes input to the selected objects and silences all
// objects before the plot shuts down.
class TgPlotObjectManager : public TgPlotObjectManagerCustom {
public:
    using TgPlotObjectManagerCustom::TgPlotObjectManagerCustom;

    // Raises: this manager only refers to objects.
    TgPlotObject *CreateObject() override;
    QString GetBaseName() const override { return QStringLiteral("n/a"); }
    void NotificationInsert(TObject *Sender) override;

    void ClearAllUserSelections();
    void SetShiftState(TShiftState Value);
    void MouseDownFocusObjects(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                               TPopupMenu *PopupMenu);
    void MouseMoveFocusObjects(TgHintData &HintData, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                               bool DblClickActive);
    void MouseUpFocusObjects(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                             bool DblClickActive, TPopupMenu *PopupMenu);
    void KeyDownFocusObjects(Word &CharCode, TShiftState Shift, TPopupMenu *PopupMenu);
    // True when any selected object used the wheel (every one is asked).
    bool MouseWheelFocusObjects(int WheelDelta, TShiftState Shift, TPoint MousePos);
    // Clears every object's remove, layout-change and change callbacks, so
    // that the objects then die without telling anyone.
    void ShutDownSetup();

private:
    template <class F> void ForSelected(F &&Call);
};
