#include "gValueChange.h"

void FireValueChange(TgComponent *Sender, const std::shared_ptr<bool> &Alive, const QString &PropertyName,
                     const TNotifyEvent &OnChange, const TNotifyEvent &OnChangeUser)
{
    if (Sender->IsLoading())
        return;
    const std::shared_ptr<bool> alive = Alive; // the caller's copy may go with Sender
    if (Sender->FOnChangeProtected)
        Sender->FOnChangeProtected(Sender, PropertyName);
    if (*alive && OnChange)
        OnChange(Sender);
    if (*alive && Sender->UserGenerated() && OnChangeUser)
        OnChangeUser(Sender);
}
