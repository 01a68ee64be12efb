#pragma once
#include "Component.h"
#include "Font.h"

#include <QFont>
#include <functional>

// The font question of the editor's pickers (a Qt font dialog over the
// Owner's window). Execute asks modally, starting on Font; true when the
// user took a font: Font then has its face (the old name kept when the face
// stayed), pixel height, bold for weights above 400, italic, underline and
// strike-out; its colour stays.
class TgFontDialog : public TComponent {
public:
    using TComponent::TComponent;

    TFont *Font() { return &FFont; }
    void SetFont(TFont *Value) { FFont.Assign(Value); }
    bool Execute();

    // Answers in place of the window when set (tests): Chosen starts on the
    // dialog's font; true takes what it holds then.
    static std::function<bool(const TgFontDialog &Dialog, QFont &Chosen)> Runner;

private:
    TFont FFont;
};
