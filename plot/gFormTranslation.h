#pragma once
#include <QString>

#include <functional>

class TCustomForm;

// The texts a form shows, each passed through Translate: the form's caption,
// and of each component the form owns, in order, a control's caption (not
// the text of an edit or combo box, which is a value), a radio group's
// items, a combo box's items and a popup menu's top-level items.
void TranslateFormTexts(TCustomForm *Form, const std::function<QString(const QString &)> &Translate);
