#include "MixLevelEntry.h"

#include "DynamicsText.h"
#include "PageHost.h"
#include "PageNames.h"
#include "RoundedControls.h"
#include "TypedEntry.h"
#include "UpDown.h"
#include "ValueBoxEntry.h"

void MixLevelEntry::Build(TWinControl *)
{
    Bind();
}

void MixLevelEntry::Bind()
{
    for (int output = 4; output < 12; ++output)
        for (int input = 0; input < 4; ++input) {
            const QString letter(QChar('A' + input));
            auto *box = PageNames::Find<TRoundedEdit>(host, "cvd" + letter + "MatrixOut" + PageNames::Suffix(output));
            if (!box)
                continue;
            const QString spinner = "udMixGain%1Out" + PageNames::Suffix(output);
            BindTypedEntry(box, [this, spinner](TRoundedEdit *b) {
                auto *target = PageNames::Find<TUpDown>(host, spinner.arg(QChar('A' + b->Tag())));
                if (!target)
                    return;
                const int current = target->Position();
                const TypedEntry::Result r = TypedEntry::DbPosition(b->Text(), TypedEntry::DbField::Mix, current);
                b->SetText("");
                if (!r.accepted) {
                    ShowRefused(b, MixText(current));
                    return;
                }
                target->SetPosition(r.position);
                b->SetText(MixText(target->Position()));
            });
        }
}
