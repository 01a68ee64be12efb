#include "LevelMeters.h"

#include "LProgressBar.h"

namespace {
constexpr TColor kActivityDark = 20123, kActivityLight = 4629503;
}

void SetUpLevelMeter(LProgressBar *Meter, bool Input)
{
    Meter->SetMax(Input ? 9 : 8);
    Meter->SetFirstNum(1);
    Meter->SetSecondNum(Input ? 2 : 3);
    Meter->SetThirdNum(Input ? 6 : 4);
}

void SetUpActivityBar(LProgressBar *Meter)
{
    Meter->SetMax(1);
    Meter->SetFirstNum(0);
    Meter->SetSecondNum(1);
    Meter->SetThirdNum(0);
    Meter->SetSecondColor(kActivityDark);
    Meter->SetLSecondColor(kActivityLight);
}
