#include "Color.h"
#include "Exceptions.h"
#include "Font.h"
#include "FontSubstitution.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace {

TEST(Color, SystemColoursResolveFromTheFixedTableWithEitherMarking)
{
    struct Case {
        int index;
        TColor rgb;
    } cases[] = {
        {5, RGB(255, 255, 255)},  // window
        {8, RGB(0, 0, 0)},        // window text
        {15, RGB(240, 240, 240)}, // button face
        {16, RGB(160, 160, 160)}, // button shadow
        {17, RGB(109, 109, 109)}, // grey text
        {20, RGB(255, 255, 255)}, // button highlight
        {24, RGB(255, 255, 225)}, // info background
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(ColorToRGB(TColorFromBits(0xFF000000u | unsigned(c.index))), c.rgb);
        EXPECT_EQ(ColorToRGB(TColorFromBits(0x80000000u | unsigned(c.index))), c.rgb);
        EXPECT_EQ(GetSysColor(c.index), c.rgb);
    }
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(240, 240, 240));
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_LT(clBtnFace, 0); // stored files hold system colours as negative numbers
    EXPECT_EQ(ColorToRGB(TColorFromBits(0xFF0000FFu)), 0); // index beyond the table: black
}

TEST(Color, PlainColoursAndNoneAreUnchanged)
{
    EXPECT_EQ(ColorToRGB(clRed), 0x0000FF);
    EXPECT_EQ(ColorToRGB(RGB(1, 2, 3)), 0x030201);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(clNone, 0x1FFFFFFF);
    EXPECT_FALSE(IsSystemColor(clNone));
}

TEST(Color, ChannelsAndQtColours)
{
    TColor c = RGB(10, 20, 30);
    EXPECT_EQ(GetRValue(c), 10);
    EXPECT_EQ(GetGValue(c), 20);
    EXPECT_EQ(GetBValue(c), 30);
    EXPECT_EQ(ToQColor(c), QColor(10, 20, 30));
    EXPECT_EQ(ToQColor(clBtnShadow), QColor(160, 160, 160));
    EXPECT_EQ(ToQColor(TColorFromBits(0x80000010u)), QColor(160, 160, 160));
    EXPECT_EQ(ToQColor(clNone), QColor(255, 255, 255));
    EXPECT_EQ(FromQColor(QColor(10, 20, 30)), c);
}

TEST(Color, TextForms)
{
    EXPECT_EQ(ColorToString(clRed), "clRed");
    EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(ColorToString(RGB(0x12, 0x34, 0x56)), "$00563412");
    EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);
    EXPECT_EQ(StringToColor("$00563412"), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(StringToColor("-16777201"), clBtnFace);
    EXPECT_EQ(StringToColor("536870911"), clNone);
    EXPECT_THROW(StringToColor("reddish"), EConvertError);
}

TEST(Font, SizeAndHeightAt96Dpi)
{
    TFont f;
    f.SetSize(10);
    EXPECT_EQ(f.Height(), -13);
    EXPECT_EQ(f.Size(), 10);
    f.SetHeight(-11);
    EXPECT_EQ(f.Size(), 8);
    f.SetHeight(-16);
    EXPECT_EQ(f.Size(), 12);
    EXPECT_EQ(f.ToQFont().pixelSize(), 16);
    int changes = 0;
    f.OnChange = [&](TObject *) { ++changes; };
    f.SetHeight(-16);
    f.SetStyle({fsBold});
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(f.ToQFont().bold());
}

TEST(Font, WindowsFamiliesMapToInstalledFonts)
{
    struct Case {
        const char *windows;
        const char *installed;
    } cases[] = {
        // The metric twins of the Windows UI faces, added by the program itself.
        {"tahoma", "Tahoma"},             {"MS Sans Serif", "MS Sans Serif"},
        {"Small Fonts", "Small Fonts"},   {"Marlett", "Marlett"},
        {"Symbol", "Symbol"},             {"Wingdings", "Wingdings"},
        {"MS Shell Dlg 2", "Tahoma"},
        {"Arial", "Liberation Sans"},     {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"}, {"Verdana", "DejaVu Sans"},
        {"Segoe UI", "DejaVu Sans"},      {"SimSun", "WenQuanYi Micro Hei"},
        {"\xE5\xAE\x8B\xE4\xBD\x93", "WenQuanYi Micro Hei"},
        {"No Such Family 42", "DejaVu Sans"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(SubstituteFontFamily(QString::fromUtf8(c.windows)), QString::fromLatin1(c.installed)) << c.windows;
        // The set-up installed it: Qt draws with that very family.
        TFont f;
        f.SetName(QString::fromUtf8(c.windows));
        EXPECT_EQ(QFontInfo(f.ToQFont()).family(), QString::fromLatin1(c.installed)) << c.windows;
    }
    EXPECT_TRUE(AddWindowsFontTwins());
    EXPECT_TRUE(IsKnownFontFamily("Arial"));
    EXPECT_FALSE(IsKnownFontFamily("No Such Family 42"));
    QStringList fams = FontFamiliesFor("Verdana");
    ASSERT_EQ(fams.size(), 2);
    EXPECT_EQ(fams[1], "WenQuanYi Micro Hei");
}

TEST(Font, BoldTahomaDrawsWithItsOwnBoldFace)
{
    TFont f;
    f.SetStyle({fsBold});
    const QFontInfo info(f.ToQFont());
    EXPECT_EQ(info.family(), "Tahoma");
    EXPECT_TRUE(info.bold());
    EXPECT_EQ(info.styleName(), "Bold");
}

} // namespace
