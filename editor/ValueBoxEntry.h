#pragma once
#include <QString>

#include <functional>

class TRoundedEdit;

// Typed entry in the pages' value boxes: Entry runs when Enter is pressed in
// the box (other keys are left alone) and when the box loses the focus. A
// text that cannot be converted (the platform's EConvertError) stops the
// entry there: the message goes to the application's error message for an
// invalid number and the box keeps the text as typed.
void BindTypedEntry(TRoundedEdit *Box, std::function<void(TRoundedEdit *Box)> Entry);

// After a refused or unchanged entry: the box shows Text with the caret at
// its end (an End key sent to the box).
void ShowRefused(TRoundedEdit *Box, const QString &Text);
