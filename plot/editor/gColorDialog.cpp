#include "gColorDialog.h"

#include "WinControl.h"

#include <QColorDialog>

std::function<bool(const TgColorDialog &Dialog, QColor &Chosen)> TgColorDialog::Runner;

bool TgColorDialog::Execute()
{
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, QColor(Qt::white));
    QColor chosen = ToQColor(FColor);
    bool ok = false;
    if (Runner) {
        ok = Runner(*this, chosen);
    } else {
        auto *owner = dynamic_cast<TWinControl *>(Owner());
        chosen = QColorDialog::getColor(chosen, owner ? owner->Widget() : nullptr);
        ok = chosen.isValid();
    }
    if (!ok || !chosen.isValid())
        return false;
    FColor = FromQColor(chosen);
    return true;
}
