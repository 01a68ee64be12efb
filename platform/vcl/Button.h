#pragma once
#include "Form.h"
#include "WinControl.h"

class QImage;
class QPushButton;

// A push button (a Qt push button inside). Click (a mouse click, the space
// key, or code) first sets the parent form's ModalResult to the button's own
// (which closes the form only when it is shown modally), then fires OnClick.
// Enter in the form clicks its Default button, Escape its Cancel button.
class TButton : public TWinControl {
public:
    explicit TButton(TComponent *AOwner);

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult Value) { modalResult_ = Value; }
    bool Default() const { return default_; }
    void SetDefault(bool Value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool Value) { cancel_ = Value; }
    // A picture shown at its own size before the caption (a null image
    // removes it).
    void SetGlyph(const QImage &Value);

    void Click() override;

protected:
    void TextChanged() override;

private:
    QPushButton *button_;
    TModalResult modalResult_ = mrNone;
    bool default_ = false;
    bool cancel_ = false;
};
