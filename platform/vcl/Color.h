#pragma once
#include <QColor>
#include <QString>
#include <cstdint>

// TColor: a 32-bit signed value 0x00BBGGRR (red in the low byte). A negative
// value (top byte 0xFF, or 0x80 as some stored layouts mark it) is a system
// colour whose index (0..30) is the low byte; it resolves through a fixed
// table, the same on every machine, never through the desktop palette.
// clNone (0x1FFFFFFF) means "draw nothing in this colour"; callers test it
// before drawing. ColorToRGB leaves every non-negative value, clNone
// included, unchanged.
using TColor = std::int32_t;

constexpr TColor TColorFromBits(std::uint32_t bits) { return static_cast<TColor>(bits); }

// Plain colours.
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// System colours, marked with top byte 0xFF.
constexpr std::uint32_t clSystemColor = 0xFF000000u;
constexpr TColor clScrollBar = TColorFromBits(clSystemColor | 0);
constexpr TColor clBackground = TColorFromBits(clSystemColor | 1);
constexpr TColor clActiveCaption = TColorFromBits(clSystemColor | 2);
constexpr TColor clInactiveCaption = TColorFromBits(clSystemColor | 3);
constexpr TColor clMenu = TColorFromBits(clSystemColor | 4);
constexpr TColor clWindow = TColorFromBits(clSystemColor | 5);
constexpr TColor clWindowFrame = TColorFromBits(clSystemColor | 6);
constexpr TColor clMenuText = TColorFromBits(clSystemColor | 7);
constexpr TColor clWindowText = TColorFromBits(clSystemColor | 8);
constexpr TColor clCaptionText = TColorFromBits(clSystemColor | 9);
constexpr TColor clActiveBorder = TColorFromBits(clSystemColor | 10);
constexpr TColor clInactiveBorder = TColorFromBits(clSystemColor | 11);
constexpr TColor clAppWorkSpace = TColorFromBits(clSystemColor | 12);
constexpr TColor clHighlight = TColorFromBits(clSystemColor | 13);
constexpr TColor clHighlightText = TColorFromBits(clSystemColor | 14);
constexpr TColor clBtnFace = TColorFromBits(clSystemColor | 15);
constexpr TColor clBtnShadow = TColorFromBits(clSystemColor | 16);
constexpr TColor clGrayText = TColorFromBits(clSystemColor | 17);
constexpr TColor clBtnText = TColorFromBits(clSystemColor | 18);
constexpr TColor clInactiveCaptionText = TColorFromBits(clSystemColor | 19);
constexpr TColor clBtnHighlight = TColorFromBits(clSystemColor | 20);
constexpr TColor cl3DDkShadow = TColorFromBits(clSystemColor | 21);
constexpr TColor cl3DLight = TColorFromBits(clSystemColor | 22);
constexpr TColor clInfoText = TColorFromBits(clSystemColor | 23);
constexpr TColor clInfoBk = TColorFromBits(clSystemColor | 24);
constexpr TColor clHotLight = TColorFromBits(clSystemColor | 26);
constexpr TColor clGradientActiveCaption = TColorFromBits(clSystemColor | 27);
constexpr TColor clGradientInactiveCaption = TColorFromBits(clSystemColor | 28);
constexpr TColor clMenuHighlight = TColorFromBits(clSystemColor | 29);
constexpr TColor clMenuBar = TColorFromBits(clSystemColor | 30);

constexpr TColor RGB(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) { return c & 0xFF; }
constexpr int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(TColor c) { return (c >> 16) & 0xFF; }

// True for a system colour (either marking).
constexpr bool IsSystemColor(TColor c) { return c < 0; }

// The RGB value (0x00BBGGRR) of a system colour index from the fixed table;
// 0 (black) for an index outside it.
TColor GetSysColor(int Index);
// A system colour resolved through the table; any other value unchanged.
TColor ColorToRGB(TColor Color);
// The opaque QColor of a colour (system colours resolved). clNone gives
// white, as its low three bytes say.
QColor ToQColor(TColor Color);
TColor FromQColor(const QColor &c);

// "clRed", "clBtnFace", ... for the named colours, else "$00BBGGRR" (the
// stored text form); StringToColor reads both, and decimal, and throws
// EConvertError for anything else.
QString ColorToString(TColor Color);
TColor StringToColor(const QString &S);
