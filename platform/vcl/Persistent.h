#pragma once
#include "Object.h"

// An object whose state can be copied from another: Assign(Source) copies
// when this class knows Source's class, otherwise it asks Source->AssignTo
// (this), and when neither knows the other it throws EConvertError
// ("Cannot assign a TX to a TY"). Assign(nullptr) is for each class to define;
// the base throws the same error.
class TPublishedClass;

class TPersistent : public TObject {
public:
    virtual void Assign(TPersistent *Source);
    // The published properties of the object's class (TypInfo.h); none here.
    virtual const TPublishedClass *PublishedClass() const { return nullptr; }

protected:
    virtual void AssignTo(TPersistent *Dest);
    [[noreturn]] void AssignError(TPersistent *Source);
};
