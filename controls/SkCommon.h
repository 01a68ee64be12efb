#pragma once
#include "Set.h"

// Enumerations shared by the Sk controls (values in declared order from 0).

enum TFrameStyleEx {
    fsNone, fsFlat, fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp,
    fsStatus, fsPopup, fsFlatBold, fsFlatRounded,
};
// The frame styles without fsFlatRounded.
using TFrameStyle = TFrameStyleEx;

enum TSide { sdLeft, sdTop, sdRight, sdBottom };
using TSides = TSet<TSide>;
constexpr TSides sdAllSides{sdLeft, sdTop, sdRight, sdBottom};

enum TAlignmentVertical { avTop, avCenter, avBottom };
enum TBlinkState { bsOn, bsOff };
enum TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };
enum TFramingPreference { fpCustomFraming, fpXPThemes };
// Shapes of the two-colour gradient fills.
enum TGradientDirection {
    gdDiagonalUp, gdDiagonalDown, gdHorizontalEnd, gdHorizontalCenter, gdHorizontalBox,
    gdVerticalEnd, gdVerticalCenter, gdVerticalBox, gdSquareBox, gdBigSquareBox,
};
enum TSkHotTrackColorType { htctComplement, htctActual };
enum TSkGradientColorStyle { gcsSystem, gcsMSOffice, gcsCustom };
enum TSkVisualStyle { vsClassic, vsWinXP, vsGradient };
enum TSkAboutInfo { aiVelmoComponents };
