#include "gFontDialog.h"

#include "WinControl.h"

#include <QFontDialog>
#include <QFontInfo>

std::function<bool(const TgFontDialog &Dialog, QFont &Chosen)> TgFontDialog::Runner;

bool TgFontDialog::Execute()
{
    const QFont start = FFont.ToQFont();
    QFont chosen = start;
    bool ok = false;
    if (Runner) {
        ok = Runner(*this, chosen);
    } else {
        auto *owner = dynamic_cast<TWinControl *>(Owner());
        chosen = QFontDialog::getFont(&ok, start, owner ? owner->Widget() : nullptr);
    }
    if (!ok)
        return false;
    // The face the font resolved to counts as the same face.
    if (chosen.family() != start.family() && chosen.family() != QFontInfo(start).family())
        FFont.SetName(chosen.family());
    const int pixels = chosen.pixelSize() > 0 ? chosen.pixelSize() : QFontInfo(chosen).pixelSize();
    FFont.SetHeight(-pixels);
    TFontStyles style;
    if (chosen.weight() > 400)
        style.Include(fsBold);
    if (chosen.italic())
        style.Include(fsItalic);
    if (chosen.underline())
        style.Include(fsUnderline);
    if (chosen.strikeOut())
        style.Include(fsStrikeOut);
    FFont.SetStyle(style);
    return true;
}
