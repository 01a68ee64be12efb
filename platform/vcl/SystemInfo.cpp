#include "SystemInfo.h"

QString DesktopColorSchemeName()
{
    return QString();
}

int GetSystemMetrics(int Metric)
{
    switch (Metric) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL: return 17;
    default: return 0;
    }
}
