#include "ValueBoxEntry.h"

#include "Application.h"
#include "Exceptions.h"
#include "RoundedControls.h"
#include "VirtualKeys.h"

namespace {

void Run(TRoundedEdit *Box, const std::function<void(TRoundedEdit *)> &Entry)
{
    try {
        Entry(Box);
    } catch (const EConvertError &e) {
        Application->ShowException(e.Message());
    }
}

} // namespace

void BindTypedEntry(TRoundedEdit *Box, std::function<void(TRoundedEdit *Box)> Entry)
{
    Box->OnKeyDown = [Box, Entry](TObject *, Word &Key, TShiftState) {
        if (Key == VK_RETURN)
            Run(Box, Entry);
    };
    Box->OnExit = [Box, Entry](TObject *) { Run(Box, Entry); };
}

void ShowRefused(TRoundedEdit *Box, const QString &Text)
{
    Box->SetText(Text);
    Box->Edit()->Perform(WM_KEYDOWN, VK_END);
    Box->Edit()->Perform(WM_KEYUP, VK_END);
}
