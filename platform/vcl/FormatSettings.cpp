#include "FormatSettings.h"

TFormatSettings FormatSettings;
