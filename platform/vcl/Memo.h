#pragma once
#include "Strings.h"
#include "WinControl.h"

#include <memory>

class QPlainTextEdit;

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line text edit (a Qt plain-text edit inside) whose Lines are the
// text's lines as TStrings, so that the control and its Lines never disagree.
// Long lines wrap unless a horizontal scroll bar is asked for.
class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent *AOwner);
    ~TMemo() override;

    TStrings *Lines() { return lines_.get(); }
    void Clear();
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle Value);
    bool ReadOnly() const;
    void SetReadOnly(bool Value);
    QPlainTextEdit *TextEdit() const { return edit_; }

private:
    QPlainTextEdit *edit_;
    std::unique_ptr<TStrings> lines_;
    TScrollStyle scrollBars_ = ssNone;
};
