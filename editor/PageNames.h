#pragma once
#include "PageHost.h"

#include <QString>

// Names of per-channel controls: channels 0-3 are the inputs "A" to "D",
// 4-11 the outputs "1" to "8".
namespace PageNames {

inline QString Suffix(int Channel)
{
    return Channel < 4 ? QString(QChar('A' + Channel)) : QString::number(Channel - 3);
}

// Stem + "In" + letter or Stem + "Out" + digit ("isDelay" -> "isDelayInA").
inline QString SideName(const char *Stem, int Channel)
{
    return QString::fromLatin1(Stem) + (Channel < 4 ? "In" : "Out") + Suffix(Channel);
}

// Prefix + letter or digit ("isCompThresholdOut" -> "isCompThresholdOut1").
inline QString Name(const char *Prefix, int Channel)
{
    return QString::fromLatin1(Prefix) + Suffix(Channel);
}

// The named control when it exists and is a T.
template <typename T>
T *Find(const PageHost &Host, const QString &Name)
{
    return dynamic_cast<T *>(Host.FindControl(Name));
}

} // namespace PageNames
