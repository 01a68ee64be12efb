#include "DialogControls.h"

#include <string>

std::string FixedBytes(const QString &Text, size_t size, char pad)
{
    std::string s = Text.toLatin1().toStdString();
    s.resize(size, pad);
    return s;
}
