#pragma once
#include "Component.h"
#include "Font.h"

#include <QFont>
#include <functional>

// The font question of the editor's pickers (the font window over the form
// of the Owner, a control). Execute asks modally, starting on Font; true
// when the user took a font: Font then has its face (the old name kept when
// the face stayed), pixel height, bold for weights above 400, italic,
// underline, strike-out and colour (the old colour kept unless another was
// picked). A cancelled question changes nothing.
class TgFontDialog : public TComponent {
public:
    using TComponent::TComponent;

    TFont *Font() { return &FFont; }
    void SetFont(TFont *Value) { FFont.Assign(Value); }
    bool Execute();

    // Answers in place of the window when set (tests): Chosen and
    // ChosenColor start on the dialog's font; true takes what they hold then.
    static std::function<bool(const TgFontDialog &Dialog, QFont &Chosen, TColor &ChosenColor)> Runner;

protected:
    void Notification(TComponent *AComponent, TOperation Operation) override;

private:
    TFont FFont;
    // The window while it asks; none once its owner freed it.
    TComponent *FForm = nullptr;
};
