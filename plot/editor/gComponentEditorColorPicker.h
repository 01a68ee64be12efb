#pragma once
#include "CustomControl.h"

class TgComponentEditorButton;

// The editor's colour field: a swatch of Color (button face while disabled)
// with a "..." button at its right edge. The button, or a double click on
// the swatch, asks for a colour starting on Color; a colour taken becomes
// Color, is reported to the owning editor form and fires OnChange. Setting
// Color from code fires nothing.
class TgComponentEditorColorPicker : public TCustomControl {
public:
    explicit TgComponentEditorColorPicker(TComponent *AOwner);

    void ShowColorDialog();
    void Disable();
    void Enable();

    TNotifyEvent OnChange;

    void Paint() override;
    void DblClick() override;

protected:
    void Resize() override;
    void ColorChanged() override;
    void EnabledChanged() override;

private:
    TgComponentEditorButton *FButton;
};
