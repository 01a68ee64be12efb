#include "Color.h"

#include "Exceptions.h"

#include <array>

namespace {

// The system colour table: the classic defaults of a Windows 7 desktop.
constexpr std::array<TColor, 31> kSystemColors = {
    RGB(200, 200, 200), // 0  scroll bar
    RGB(0, 0, 0),       // 1  background
    RGB(153, 180, 209), // 2  active caption
    RGB(191, 205, 219), // 3  inactive caption
    RGB(240, 240, 240), // 4  menu
    RGB(255, 255, 255), // 5  window
    RGB(100, 100, 100), // 6  window frame
    RGB(0, 0, 0),       // 7  menu text
    RGB(0, 0, 0),       // 8  window text
    RGB(0, 0, 0),       // 9  caption text
    RGB(180, 180, 180), // 10 active border
    RGB(244, 247, 252), // 11 inactive border
    RGB(171, 171, 171), // 12 application work space
    RGB(51, 153, 255),  // 13 highlight
    RGB(255, 255, 255), // 14 highlight text
    RGB(240, 240, 240), // 15 button face
    RGB(160, 160, 160), // 16 button shadow
    RGB(109, 109, 109), // 17 grey text
    RGB(0, 0, 0),       // 18 button text
    RGB(67, 78, 84),    // 19 inactive caption text
    RGB(255, 255, 255), // 20 button highlight
    RGB(105, 105, 105), // 21 3-D dark shadow
    RGB(227, 227, 227), // 22 3-D light
    RGB(0, 0, 0),       // 23 info text
    RGB(255, 255, 225), // 24 info background
    RGB(0, 0, 0),       // 25 (unused)
    RGB(0, 102, 204),   // 26 hot light
    RGB(185, 209, 234), // 27 gradient active caption
    RGB(215, 228, 242), // 28 gradient inactive caption
    RGB(51, 153, 255),  // 29 menu highlight
    RGB(240, 240, 240), // 30 menu bar
};

struct NamedColor {
    TColor value;
    const char *name;
};

constexpr NamedColor kNames[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
    {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"}, {clSkyBlue, "clSkyBlue"}, {clCream, "clCream"},
    {clMedGray, "clMedGray"}, {clNone, "clNone"}, {clDefault, "clDefault"},
    {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"}, {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"}, {clWindow, "clWindow"}, {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"}, {clWindowText, "clWindowText"}, {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"}, {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"}, {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"}, {clBtnFace, "clBtnFace"}, {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"}, {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"}, {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"}, {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"}, {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"}, {clMenuBar, "clMenuBar"},
};

} // namespace

TColor GetSysColor(int Index)
{
    if (Index < 0 || Index >= static_cast<int>(kSystemColors.size()))
        return 0;
    return kSystemColors[static_cast<size_t>(Index)];
}

TColor ColorToRGB(TColor Color)
{
    return Color < 0 ? GetSysColor(Color & 0xFF) : Color;
}

QColor ToQColor(TColor Color)
{
    TColor c = ColorToRGB(Color);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor FromQColor(const QColor &c)
{
    return RGB(c.red(), c.green(), c.blue());
}

QString ColorToString(TColor Color)
{
    for (const NamedColor &n : kNames)
        if (n.value == Color)
            return QString::fromLatin1(n.name);
    return QStringLiteral("$%1").arg(static_cast<std::uint32_t>(Color), 8, 16, QLatin1Char('0')).toUpper();
}

TColor StringToColor(const QString &S)
{
    QString s = S.trimmed();
    for (const NamedColor &n : kNames)
        if (s.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return n.value;
    bool ok = false;
    std::uint32_t v = 0;
    if (s.startsWith(u'$'))
        v = s.mid(1).toUInt(&ok, 16);
    else if (s.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = s.mid(2).toUInt(&ok, 16);
    else {
        int i = s.toInt(&ok, 10);
        v = static_cast<std::uint32_t>(i);
    }
    if (!ok)
        throw EConvertError(QStringLiteral("'%1' is not a valid colour").arg(S));
    return static_cast<TColor>(v);
}
