#include "Persistent.h"

#include "Exceptions.h"

void TPersistent::Assign(TPersistent *Source)
{
    if (Source)
        Source->AssignTo(this);
    else
        AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent *Dest)
{
    Dest->AssignError(this);
}

void TPersistent::AssignError(TPersistent *Source)
{
    QString source = Source ? Source->ClassName() : QStringLiteral("nil");
    throw EConvertError(QStringLiteral("Cannot assign a %1 to a %2").arg(source, ClassName()));
}
