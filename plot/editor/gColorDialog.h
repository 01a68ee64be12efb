#pragma once
#include "Color.h"
#include "Component.h"

#include <QColor>
#include <functional>

// The colour question of the editor's pickers (a Qt colour dialog over the
// Owner's window). Execute asks modally, starting on Color with the sixteen
// custom colours white each time; true when the user took a colour, which
// Color then holds.
class TgColorDialog : public TComponent {
public:
    using TComponent::TComponent;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    bool Execute();

    // Answers in place of the window when set (tests): Chosen starts on the
    // dialog's colour; true takes what it holds then.
    static std::function<bool(const TgColorDialog &Dialog, QColor &Chosen)> Runner;

private:
    TColor FColor = clBlack;
};
