// The fill description: painting cases, change events, copying, the INI
// record and the clipboard form.

#include "ComponentStream.h"
#include "GpFill.h"
#include "TestPictures.h"
#include "TestSurface.h"

#include "Clipboard.h"
#include "Exceptions.h"
#include "Font.h"
#include "IniFiles.h"
#include "Stream.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

bool sameRect(const TGPRectF &a, const TGPRectF &b)
{
    return a.X == b.X && a.Y == b.Y && a.Width == b.Width && a.Height == b.Height;
}

QColor at(const QImage &im, int x, int y) { return QColor(im.pixel(x, y)); }
} // namespace

TEST(Fill, NewFillPaintsAVerticalSilverToGrayGradient)
{
    TGpFill fill;
    Surface s(120, 70, SmoothingModeNone);
    const TGPRectF r = fill.Fill(s.g.get(), MakeRectF(0, 0, 100, 50));
    EXPECT_TRUE(sameRect(r, MakeRectF(0, 0, 100, 50)));
    EXPECT_TRUE(sameRect(fill.FocusRect, MakeRectF(1, 1, 98, 48)));
    const QImage &im = s.done();
    EXPECT_GT(at(im, 50, 1).red(), at(im, 50, 48).red());
    EXPECT_GE(at(im, 50, 0).red(), 0xBC);
    EXPECT_LE(at(im, 50, 49).red(), 0x84);
    EXPECT_EQ(at(im, 0, 25), at(im, 99, 25));  // rows are even: no border
    EXPECT_EQ(at(im, 100, 25), QColor(Qt::white));
}

TEST(Fill, OpacityArgumentsOverrideOnlyBelow255)
{
    TGpFill fill;
    fill.SetColorTo(clNone);
    fill.SetColor(clBlack);
    Surface a(120, 70, SmoothingModeNone), b(120, 70, SmoothingModeNone);
    fill.Fill(a.g.get(), MakeRectF(0, 0, 20, 20), 255, 255);
    fill.Fill(b.g.get(), MakeRectF(0, 0, 20, 20), 255, 127);
    EXPECT_EQ(at(a.done(), 10, 10), QColor(Qt::black));
    EXPECT_NEAR(at(b.done(), 10, 10).red(), 128, 3);
    EXPECT_EQ(fill.Opacity(), 255);
}

TEST(Fill, OnePixelHighRectangleDrawsOnlyTheBorderLine)
{
    TGpFill fill;
    Surface none(120, 70, SmoothingModeNone);
    fill.Fill(none.g.get(), MakeRectF(5, 10, 100, 1));
    const QImage &n = none.done();
    EXPECT_EQ(at(n, 50, 10), QColor(Qt::white));
    fill.SetBorderColor(clRed);
    Surface s(120, 70, SmoothingModeNone);
    fill.Fill(s.g.get(), MakeRectF(5, 10, 100, 1));
    const QImage &im = s.done();
    EXPECT_EQ(at(im, 50, 10), QColor(Qt::red));
    EXPECT_EQ(at(im, 50, 12), QColor(Qt::white));
}

TEST(Fill, ShadowShrinksTheResult)
{
    struct Case { TShadowType type; TGPRectF expected; };
    for (const Case &c : {Case{stRightBottom, MakeRectF(10, 10, 96, 46)},
                          Case{stSurround, MakeRectF(14, 14, 92, 42)},
                          Case{stBottom, MakeRectF(10, 10, 100, 46)}}) {
        TGpFill fill;
        fill.SetShadowOffset(4);
        fill.SetShadowType(c.type);
        Surface s(130, 80, SmoothingModeNone);
        const TGPRectF r = fill.Fill(s.g.get(), MakeRectF(10, 10, 100, 50));
        EXPECT_TRUE(sameRect(r, c.expected)) << c.type;
        const QImage &im = s.done();
        if (c.type == stRightBottom) {
            EXPECT_NE(at(im, 107, 40), QColor(Qt::white));  // the shade at the right
        }
    }
}

TEST(Fill, MissingColoursMakeSolidOrNoBody)
{
    TGpFill fill;
    fill.SetColor(clRed);
    fill.SetColorTo(clNone);
    Surface s(120, 70, SmoothingModeNone);
    fill.Fill(s.g.get(), MakeRectF(0, 0, 40, 40));
    const QImage &im = s.done();
    EXPECT_EQ(at(im, 1, 1), QColor(Qt::red));
    EXPECT_EQ(at(im, 38, 38), QColor(Qt::red));
    fill.SetColor(clNone);
    Surface t(120, 70, SmoothingModeNone);
    fill.Fill(t.g.get(), MakeRectF(0, 0, 40, 40));
    EXPECT_EQ(at(t.done(), 20, 20), QColor(Qt::white));
}

// The two halves overlap by two pixels: (Y, 26) and (Y + 24, 26).
TEST(Fill, MirrorPartsOverlapInTheMiddle)
{
    TGpFill fill;
    fill.SetColor(clRed);
    fill.SetColorTo(clRed);
    fill.SetColorMirror(clBlue);
    fill.SetGradientMirrorType(gtSolid);
    Surface s(120, 70, SmoothingModeNone);
    fill.Fill(s.g.get(), MakeRectF(0, 0, 40, 50));
    const QImage &im = s.done();
    EXPECT_EQ(at(im, 20, 23), QColor(Qt::red));
    EXPECT_EQ(at(im, 20, 24), QColor(Qt::blue));
    EXPECT_EQ(at(im, 20, 49), QColor(Qt::blue));
    EXPECT_EQ(at(im, 20, 50), QColor(Qt::white));
}

TEST(Fill, TextureTilesOrPlacesTheBackgroundPicture)
{
    TGpFill fill;
    fill.SetGradientType(gtTexture);
    TMemoryStream png(EncodedPicture("PNG", 4, 4, Qt::blue));
    fill.BackGroundPicture()->LoadFromStream(&png);
    fill.SetBackGroundPicturePosition(ppTiled);
    Surface tiled(120, 70, SmoothingModeNone);
    fill.Fill(tiled.g.get(), MakeRectF(0, 0, 20, 20));
    const QImage &t = tiled.done();
    EXPECT_EQ(at(t, 4, 4), QColor(Qt::red));   // the second tile's corner
    EXPECT_EQ(at(t, 10, 10), QColor(Qt::blue));
    fill.SetBackGroundPicturePosition(ppCenterCenter);
    Surface placed(120, 70, SmoothingModeNone);
    fill.Fill(placed.g.get(), MakeRectF(0, 0, 20, 20));
    const QImage &p = placed.done();
    EXPECT_EQ(at(p, 8, 8), QColor(Qt::red));
    EXPECT_EQ(at(p, 10, 10), QColor(Qt::blue));
    EXPECT_EQ(at(p, 2, 2), QColor(Qt::white));
}

TEST(Fill, FitPictureSize)
{
    auto eq = [](TGPPointF p, float w, float h) { return p.X == w && p.Y == h; };
    EXPECT_TRUE(eq(TGpFill::FitPictureSize(200, 100, 100, 100, pmStretch), 100, 50));
    EXPECT_TRUE(eq(TGpFill::FitPictureSize(50, 40, 100, 100, pmNormal), 50, 40));
    EXPECT_TRUE(eq(TGpFill::FitPictureSize(50, 40, 100, 100, pmStretch), 100, 80));
    EXPECT_TRUE(eq(TGpFill::FitPictureSize(0, 40, 100, 100, pmStretch), 0, 0));
}

TEST(Fill, ChangeEventsAndAssign)
{
    TGpFill fill;
    int changes = 0;
    fill.OnChange = [&](TObject *) { ++changes; };
    fill.BeginUpdate();
    fill.SetColor(clRed);
    fill.SetRounding(4);
    fill.SetGlow(gmRadial);
    fill.EndUpdate();
    EXPECT_EQ(changes, 0);
    fill.SetColor(clRed);
    EXPECT_EQ(changes, 0);
    fill.SetColor(clBlue);
    EXPECT_EQ(changes, 1);
    TFont font;
    fill.Assign(&font);
    EXPECT_EQ(changes, 1);
    TGpFill other;
    other.Assign(&fill);
    EXPECT_EQ(other.Color(), clBlue);
    EXPECT_EQ(other.Rounding(), 4);
    EXPECT_EQ(other.Glow(), gmRadial);
}

namespace {
struct IniFixture : ::testing::Test {
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("fill.ini")); }
    void writeRaw(const QByteArray &text)
    {
        QFile f(path());
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(text);
    }
};
} // namespace

TEST_F(IniFixture, RoundTripWithPictures)
{
    TGpFill a;
    a.SetColor(RGB(1, 2, 3));
    a.SetColorMirror(clWindow);
    a.SetGradientType(gtHatch);
    a.SetHatchStyle_(HatchStyleSolidDiamond);
    a.SetPictureSize(psCustom);
    a.SetOpacityTo(17);
    a.SetRoundingType(rtLeft);
    a.SetGlow(gmRadialGradient);
    TMemoryStream png(EncodedPicture("PNG", 6, 5));
    a.Picture()->LoadFromStream(&png);
    a.SaveToFile(path(), QStringLiteral("Fill"));

    TGpFill b;
    int changes = 0;
    b.OnChange = [&](TObject *) { ++changes; };
    b.LoadFromFile(path(), QStringLiteral("Fill"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(b.Color(), RGB(1, 2, 3));
    EXPECT_EQ(b.ColorMirror(), clWindow);
    EXPECT_EQ(b.GradientType(), gtHatch);
    EXPECT_EQ(b.HatchStyle_(), HatchStyleSolidDiamond);
    EXPECT_EQ(b.PictureSize(), psCustom);
    EXPECT_EQ(b.OpacityTo(), 17);
    EXPECT_EQ(b.RoundingType(), rtLeft);
    EXPECT_EQ(b.Glow(), gmRadialGradient);
    EXPECT_EQ(b.Picture()->Data(), a.Picture()->Data());
    EXPECT_TRUE(b.BackGroundPicture()->Empty());

    TIniFile ini(path());
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Fill"), QStringLiteral("PictureSize"), -1), int(psCustom));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Fill"), QStringLiteral("ColorMirror"), 0), clWindow);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Fill"), QStringLiteral("BackgroundPictureSize"), -1), 0);
}

TEST_F(IniFixture, ThreeBytePictureIsSixHexDigits)
{
    TGpFill a;
    TMemoryStream three(QByteArray("\x01\xAB\xFF", 3));
    a.Picture()->LoadFromStream(&three);
    a.SaveToFile(path(), QStringLiteral("S"));
    TIniFile ini(path());
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("Picture"), QString()),
              QStringLiteral("01ABFF"));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("S"), QStringLiteral("PictureTextSize"), 0), 6);
}

// Records written before each value had its own key hold the picture
// text's length under "PictureSize".
TEST_F(IniFixture, OldRecordsStillLoad)
{
    writeRaw("[Old]\nColor=255\nPictureWidth=70\nPictureSize=6\nPicture=01ABFF\n"
             "BackgroundPicture=\nBackgroundPictureSize=0\n");
    TGpFill f;
    f.LoadFromFile(path(), QStringLiteral("Old"));
    EXPECT_EQ(f.Color(), clRed);
    EXPECT_EQ(f.PictureWidth(), 70);
    EXPECT_EQ(f.PictureSize(), psOriginal);
    EXPECT_EQ(f.Picture()->Data(), QByteArray("\x01\xAB\xFF", 3));
}

// Without a "Picture" text the section is no old record: "PictureSize" is
// the property.
TEST_F(IniFixture, PartialSectionReadsPictureSizeAsTheProperty)
{
    writeRaw("[P]\nPictureSize=1\nPictureWidth=80\n");
    TGpFill f;
    f.LoadFromFile(path(), QStringLiteral("P"));
    EXPECT_EQ(f.PictureSize(), psCustom);
    EXPECT_EQ(f.PictureWidth(), 80);
    EXPECT_TRUE(f.Picture()->Empty());
}

// A picture whose last load failed is empty and is saved as no picture,
// not as the bytes it held before.
TEST_F(IniFixture, FailedPictureLoadSavesNoPicture)
{
    TGpFill a;
    TMemoryStream png(EncodedPicture("PNG", 4, 4));
    a.Picture()->LoadFromStream(&png);
    a.Picture()->LoadFromFile(dir.filePath(QStringLiteral("gone.png")));
    ASSERT_TRUE(a.Picture()->Empty());
    a.SaveToFile(path(), QStringLiteral("S"));
    TIniFile ini(path());
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("Picture"), QStringLiteral("x")),
              QString());
    TGpFill b;
    b.LoadFromFile(path(), QStringLiteral("S"));
    EXPECT_TRUE(b.Picture()->Empty());
}

TEST_F(IniFixture, EmptySectionChangesNothingAndNotifiesOnce)
{
    writeRaw("[Other]\nColor=1\n");
    TGpFill f;
    f.SetColor(clTeal);
    int changes = 0;
    f.OnChange = [&](TObject *) { ++changes; };
    f.LoadFromFile(path(), QStringLiteral("Empty"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(f.Color(), clTeal);
    EXPECT_EQ(f.ColorTo(), clGray);
}

// A bad record is refused whole: nothing of it is applied.
TEST_F(IniFixture, BadRecordsAreRefusedBeforeAnythingIsApplied)
{
    struct Case { const char *text; };
    const Case cases[] = {
        {"[F]\nColor=255\nPicture=01AG\nPictureTextSize=4\n"},
        {"[F]\nColor=255\nPicture=01AB\nPictureTextSize=8\n"},
        {"[F]\nColor=255\nPicture=01A\nPictureTextSize=3\n"},
        {"[F]\nColor=255\nPicture=01AB\nPictureTextSize=2000000000\n"},
        {"[F]\nColor=255\nBackgroundPicture=zz\nBackgroundPictureSize=2\n"},
        {"[F]\nColor=255\nGradientType=11\n"},
        {"[F]\nColor=255\nOpacity=256\n"},
        {"[F]\nColor=255\nHatchStyle=-1\n"},
        {"[F]\nColor=255\nRounding=2147483647\n"},
        {"[F]\nColor=255\nPictureWidth=-40000\n"},
        {"[F]\nColor=255\nShadowOffset=1073741824\n"},
    };
    for (const Case &c : cases) {
        writeRaw(c.text);
        TGpFill f;
        int changes = 0;
        f.OnChange = [&](TObject *) { ++changes; };
        QElapsedTimer timer;
        timer.start();
        EXPECT_THROW(f.LoadFromFile(path(), QStringLiteral("F")), EConvertError) << c.text;
        EXPECT_LT(timer.elapsed(), 5000);
        EXPECT_EQ(f.Color(), clSilver) << c.text;
        EXPECT_TRUE(f.Picture()->Empty());
        EXPECT_EQ(changes, 0);
    }
    writeRaw("[F]\nPicture=01AG\nPictureTextSize=4\n");
    TGpFill f;
    try {
        f.LoadFromFile(path(), QStringLiteral("F"));
        FAIL();
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("No Hex-Number"));
    }
}

TEST(Fill, ClipboardRoundTrip)
{
    TGpFill a;
    a.SetColor(clLime);
    a.SetShadowType(stSurround);
    a.SetPictureAspectMode(pmNormal);
    TMemoryStream png(EncodedPicture("PNG", 3, 2));
    a.Picture()->LoadFromStream(&png);
    a.SaveToClipBoard();
    TGpFill b;
    b.SetRounding(9);
    b.LoadFromClipBoard();
    EXPECT_EQ(b.Color(), clLime);
    EXPECT_EQ(b.ShadowType(), stSurround);
    EXPECT_EQ(b.PictureAspectMode(), pmNormal);
    EXPECT_EQ(b.Rounding(), 0);  // always stored
    EXPECT_EQ(b.Picture()->Data(), a.Picture()->Data());
}

// Damaged clipboard data is refused whole, quickly: nothing of it is set and
// no change is raised.
TEST(Fill, DamagedClipboardDataIsRefusedWhole)
{
    const unsigned format = RegisterClipboardFormat(QStringLiteral("GDI+ Fill"));
    // A stream that starts well (a colour) and then goes wrong.
    auto stream = [](const std::function<void(TWriter &)> &rest, bool end = true) {
        TMemoryStream s;
        TWriter w(&s);
        w.WritePropName("SaveObject.Color");
        w.WriteInteger(255);
        rest(w);
        if (end)
            w.WriteListEnd();
        return s.Bytes();
    };
    QByteArray truncated = stream([](TWriter &) {});
    truncated.chop(1);
    QByteArray hugeBlock = stream([](TWriter &w) { w.WritePropName("SaveObject.Picture.Data"); }, false);
    hugeBlock.append(char(vaBinary)).append(QByteArray("\xFF\xFF\xFF\x7F", 4)).append("AB");
    const QByteArray cases[] = {
        stream([](TWriter &w) { w.WritePropName("SaveObject.GradientType"), w.WriteInteger(11); }),
        stream([](TWriter &w) { w.WritePropName("SaveObject.GradientType"), w.WriteIdent("gtSideways"); }),
        stream([](TWriter &w) { w.WritePropName("SaveObject.Opacity"), w.WriteInteger(300); }),
        stream([](TWriter &w) { w.WritePropName("SaveObject.Rounding"), w.WriteInteger(99999999); }),
        stream([](TWriter &w) { w.WritePropName("SaveObject.Rounding"), w.WriteString("5"); }),
        stream([](TWriter &w) { w.WritePropName("SaveObject.Nothing"), w.WriteInteger(1); }),
        truncated,
        hugeBlock,
        QByteArray("not a stream"),
    };
    for (const QByteArray &data : cases) {
        Clipboard()->SetBuffer(format, data);
        TGpFill f;
        int changes = 0;
        f.OnChange = [&](TObject *) { ++changes; };
        QElapsedTimer timer;
        timer.start();
        EXPECT_THROW(f.LoadFromClipBoard(), Exception) << data.toHex().left(80).constData();
        EXPECT_LT(timer.elapsed(), 5000);
        EXPECT_EQ(f.Color(), clSilver);
        EXPECT_EQ(f.GradientType(), gtVertical);
        EXPECT_TRUE(f.Picture()->Empty());
        EXPECT_EQ(changes, 0);
    }
    // Another format on the clipboard: nothing happens.
    Clipboard()->Clear();
    TGpFill f;
    f.LoadFromClipBoard();
    EXPECT_EQ(f.Color(), clSilver);
}

// The clipboard holds the fill's properties as a component stream of nested
// "SaveObject" names: only values away from their defaults, the always-stored
// ones, enumerations by name.
TEST(Fill, ClipboardHoldsTheComponentStreamOfTheFill)
{
    TGpFill a;
    a.SetGradientType(gtRadial);
    a.SaveToClipBoard();
    TMemoryStream s(Clipboard()->GetBuffer(RegisterClipboardFormat(QStringLiteral("GDI+ Fill"))));
    TReader r(&s);
    QStringList names;
    while (!r.EndOfList()) {
        names << r.ReadPropName();
        if (names.last() == "SaveObject.GradientType")
            EXPECT_EQ(r.ReadIdent(), "gtRadial");
        else
            r.SkipValue();
    }
    EXPECT_EQ(names, (QStringList{"SaveObject.ColorMirror", "SaveObject.ColorMirrorTo", "SaveObject.GradientType",
                                  "SaveObject.BorderColor", "SaveObject.Rounding", "SaveObject.ShadowOffset",
                                  "SaveObject.Glow"}));
}

// The largest values a record may hold paint in bounded time, whatever the
// shadow, body and glow.
TEST_F(IniFixture, LargestStoredValuesPaintQuickly)
{
    writeRaw("[L]\nRounding=32767\nShadowOffset=32767\nBorderWidth=32767\nBorderColor=0\n"
             "PictureWidth=32767\nPictureHeight=-32767\nPictureLeft=32767\nPictureTop=-32767\n"
             "ColorMirror=255\nGlow=3\n");
    TGpFill f;
    f.LoadFromFile(path(), QStringLiteral("L"));
    ASSERT_EQ(f.Rounding(), 32767);
    TMemoryStream png(EncodedPicture("PNG", 4, 4));
    f.Picture()->LoadFromStream(&png);
    f.Focus = true;
    QElapsedTimer timer;
    timer.start();
    for (TShadowType shadow : {stRightBottom, stBottom, stSurround})
        for (TSmGradientType kind : {gtVertical, gtRadial, gtHatch}) {
            for (TFillPictureSize size : {psOriginal, psCustom})
                for (TFillPicturePosition pos : {ppCustom, ppStretched, ppBottomRight}) {
                    f.SetShadowType(shadow);
                    f.SetGradientType(kind);
                    f.SetGradientMirrorType(kind);
                    f.SetPictureSize(size);
                    f.SetPicturePosition(pos);
                    Surface s(120, 70, SmoothingModeAntiAlias);
                    f.Fill(s.g.get(), MakeRectF(0, 0, 100, 50));
                }
        }
    EXPECT_LT(timer.elapsed(), 10000);
}
