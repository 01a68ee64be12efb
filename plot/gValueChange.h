#pragma once
#include "gComponent.h"

#include <memory>

// The change events of the library's check box and radio group, in their
// order: FOnChangeProtected with the property's name, OnChange, then, when
// the user made the change, OnChangeUser; none while Sender is loading, and
// no more once a handler has freed Sender (Alive turns false).
void FireValueChange(TgComponent *Sender, const std::shared_ptr<bool> &Alive, const QString &PropertyName,
                     const TNotifyEvent &OnChange, const TNotifyEvent &OnChangeUser);
