#include "gPlotManagerObject.h"

namespace {

// Raises before any base is built.
TComponent *CheckedOwner(TComponent *AOwner, const TNotifyEvent &AOnChange, const TNotifyEvent &AOnInsert,
                         const TNotifyEvent &AOnRemove, const TNotifyEvent &AOnRename)
{
    CheckPlotArguments(AOwner, QStringLiteral("Owner must be assigned"), AOnChange, AOnInsert, AOnRemove, AOnRename);
    return AOwner;
}

} // namespace

TgPlotManagerObject::TgPlotManagerObject(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                         TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    // Copies, not moves: the check must see the callbacks whatever order
    // the arguments are evaluated in.
    : TgPlotObject(CheckedOwner(AOwner, AOnChange, AOnInsert, AOnRemove, AOnRename), AOnChange, AOnInsert,
                   AOnRemove, AOnRename)
{
}
