#include "TextHelpers.h"

std::string IntToText(int value)
{
    return std::to_string(value);
}

std::string CharToText(uint8_t byte)
{
    return std::string(1, char(byte));
}
