#include "gFontDialog.h"

#include "Control.h"
#include "gFontDialogForm.h"

#include <QFontInfo>

#include <memory>

std::function<bool(const TgFontDialog &Dialog, QFont &Chosen, TColor &ChosenColor)> TgFontDialog::Runner;

bool TgFontDialog::Execute()
{
    const QFont start = FFont.ToQFont();
    QFont chosen = start;
    TColor colour = FFont.Color();
    bool ok = false;
    if (Runner) {
        ok = Runner(*this, chosen, colour);
    } else {
        // Owned by the Owner's form, so that it stands over that window.
        auto *control = dynamic_cast<TControl *>(Owner());
        auto form = std::make_unique<TgFontDialogForm>(control ? GetParentForm(control) : nullptr);
        form->SetChosenFont(start);
        form->SetChosenColor(colour);
        form->FreeNotification(this);
        FForm = form.get();
        ok = form->ShowModal() == mrOk;
        if (!FForm) {
            (void)form.release(); // went with its owner
            return false;
        }
        FForm = nullptr;
        chosen = form->ChosenFont();
        colour = form->ChosenColor();
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
    FFont.SetColor(colour);
    return true;
}

void TgFontDialog::Notification(TComponent *AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FForm)
        FForm = nullptr;
}
