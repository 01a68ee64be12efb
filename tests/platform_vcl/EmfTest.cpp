// A metafile written as an Enhanced Metafile and read back with libUEMF's
// safe reader: the header, its bounds and description, every record whole
// and in the file, the end record last, and the drawing's geometry kept in
// device units.
#include "Bitmap.h"
#include "EmfRecords.h"
#include "Metafile.h"
#include "Stream.h"

#include <QPainter>
#include <QTemporaryDir>
#include <set>
#include <gtest/gtest.h>

namespace {

// Every kind of drawing the canvas makes, on a 200 x 100 area.
void DrawAll(TMetafile &M)
{
    M.SetSize(200, 100);
    TMetafileCanvas c(&M, QStringLiteral("Tarvex"), QStringLiteral("Strip Chart"));
    c.Brush()->SetColor(clBlue);
    c.FillRect(TRect(10, 20, 50, 40));
    c.Pen()->SetColor(clRed);
    c.Polyline({TPoint(0, 99), TPoint(100, 50), TPoint(199, 99)});
    c.Pen()->SetStyle(psDash);
    c.MoveTo(0, 5);
    c.LineTo(199, 5);
    c.Pen()->SetStyle(psSolid);
    c.Pen()->SetWidth(3);
    c.Brush()->SetStyle(bsCross);
    c.Polygon({TPoint(120, 10), TPoint(160, 10), TPoint(140, 40)});
    c.Pen()->SetWidth(1);
    c.Brush()->SetStyle(bsSolid);
    c.Rectangle(60, 60, 90, 80);
    c.Ellipse(100, 60, 130, 90);
    c.RoundRect(140, 60, 170, 90, 6, 6);
    c.Brush()->SetStyle(bsClear);
    c.Font()->SetHeight(-12);
    c.TextOut(20, 70, QStringLiteral("Level"));
    c.Font()->SetOrientation(900);
    c.TextOut(185, 90, QStringLiteral("dB"));
    c.Font()->SetOrientation(0);
    TBitmap opaque(8, 8), keyed(8, 8);
    opaque.Canvas()->Brush()->SetColor(clLime);
    opaque.Canvas()->FillRect(TRect(0, 0, 8, 8));
    c.Draw(176, 2, &opaque);
    keyed.SetPixelFormat(pf32bit);
    c.Draw(186, 2, &keyed);
    c.IntersectClipRect(TRect(5, 5, 60, 45));
    c.Brush()->SetStyle(bsSolid);
    c.FillRect(TRect(0, 0, 200, 100));
}

TEST(Emf, FileReadsBackWholeWithItsHeaderBoundsAndEndRecordLast)
{
    TMetafile m;
    DrawAll(m);
    const QByteArray bytes = m.EmfBytes();
    const TEmfFile f = ReadEmf(bytes);
    ASSERT_TRUE(f.Error.isEmpty()) << f.Error.toStdString();
    ASSERT_GE(f.Records.size(), 3u);
    EXPECT_EQ(f.Records.front().Type, uint32_t(U_EMR_HEADER));
    EXPECT_EQ(f.Records.back().Type, uint32_t(U_EMR_EOF));
    EXPECT_EQ(f.RecordBytes, uint64_t(bytes.size()));
    EXPECT_EQ(f.Header.dSignature, uint32_t(U_ENHMETA_SIGNATURE));
    EXPECT_EQ(f.Header.nBytes, uint32_t(bytes.size()));
    EXPECT_EQ(f.Header.nRecords, uint32_t(f.Records.size()));
    const U_RECTL b = f.Header.rclBounds, fr = f.Header.rclFrame;
    EXPECT_EQ(b.left, 0);
    EXPECT_EQ(b.top, 0);
    EXPECT_EQ(b.right, 199);
    EXPECT_EQ(b.bottom, 99);
    // The frame in hundredths of a millimetre at 96 dpi: 200 px = 52.9 mm.
    EXPECT_NEAR(fr.right, 5292, 2);
    EXPECT_NEAR(fr.bottom, 2646, 2);
    EXPECT_EQ(f.Description.value(0), "Tarvex");
    EXPECT_EQ(f.Description.value(1), "Strip Chart");

    // Objects are selected only once made and deleted once replaced.
    std::set<uint32_t> live;
    for (const TEmfRecord &r : f.Records) {
        const uint32_t h = TEmfFile::As<U_EMRSELECTOBJECT>(r).ihObject;
        if (r.Type == U_EMR_CREATEPEN || r.Type == U_EMR_CREATEBRUSHINDIRECT ||
            r.Type == U_EMR_EXTCREATEFONTINDIRECTW) {
            EXPECT_TRUE(live.insert(h).second);
        } else if (r.Type == U_EMR_SELECTOBJECT) {
            EXPECT_TRUE((h & 0x80000000u) || live.count(h)) << h;
        } else if (r.Type == U_EMR_DELETEOBJECT) {
            EXPECT_EQ(live.erase(h), 1u);
        }
    }
    EXPECT_TRUE(live.empty());
}

TEST(Emf, RecordsKeepTheDrawingsGeometry)
{
    TMetafile m;
    DrawAll(m);
    const QByteArray bytes = m.EmfBytes();
    const TEmfFile f = ReadEmf(bytes);
    ASSERT_TRUE(f.Error.isEmpty()) << f.Error.toStdString();

    // The fill covers exactly its pixels.
    const auto fills = f.Of(U_EMR_FILLRGN);
    ASSERT_FALSE(fills.empty());
    const U_RECTL fill = TEmfFile::As<U_EMRFILLRGN>(fills[0]).RgnData[0].Buffer[0];
    EXPECT_EQ(fill.left, 10);
    EXPECT_EQ(fill.top, 20);
    EXPECT_EQ(fill.right, 50);
    EXPECT_EQ(fill.bottom, 40);

    // The polyline's points as drawn.
    const auto lines = f.Of(U_EMR_POLYLINE);
    ASSERT_GE(lines.size(), 2u);
    const auto &curve = TEmfFile::As<U_EMRPOLYLINE>(lines[0]);
    ASSERT_EQ(curve.cptl, 3u);
    EXPECT_EQ(curve.aptl[1].x, 100);
    EXPECT_EQ(curve.aptl[1].y, 50);
    EXPECT_EQ(curve.aptl[2].x, 199);

    // Pens: the dashed one and the wide one.
    bool dashed = false, wide = false;
    for (const TEmfRecord &r : f.Of(U_EMR_CREATEPEN)) {
        const U_LOGPEN &pen = TEmfFile::As<U_EMRCREATEPEN>(r).lopn;
        dashed |= pen.lopnStyle == U_PS_DASH;
        wide |= pen.lopnWidth.x == 3;
    }
    EXPECT_TRUE(dashed);
    EXPECT_TRUE(wide);
    EXPECT_FALSE(f.Of(U_EMR_POLYGON).empty());
    EXPECT_FALSE(f.Of(U_EMR_ELLIPSE).empty());
    EXPECT_FALSE(f.Of(U_EMR_STROKEANDFILLPATH).empty()); // the rounded rectangle

    // Texts at their baselines; the rotated one with its escapement.
    const auto texts = f.Of(U_EMR_EXTTEXTOUTW);
    ASSERT_EQ(texts.size(), 2u);
    const U_EMRTEXT &level = TEmfFile::As<U_EMREXTTEXTOUTW>(texts[0]).emrtext;
    EXPECT_EQ(level.nChars, 5u);
    EXPECT_EQ(level.ptlReference.x, 20);
    EXPECT_GT(level.ptlReference.y, 70);
    EXPECT_LT(level.ptlReference.y, 82);
    const auto *chars = reinterpret_cast<const char16_t *>(texts[0].Data + level.offString);
    EXPECT_EQ(QString::fromUtf16(chars, 5), "Level");
    bool upright = false;
    for (const TEmfRecord &r : f.Of(U_EMR_EXTCREATEFONTINDIRECTW)) {
        const U_LOGFONT &lf = TEmfFile::As<U_EMREXTCREATEFONTINDIRECTW>(r).elfw.elfLogFont;
        EXPECT_EQ(lf.lfHeight, -12);
        upright |= lf.lfEscapement == 900;
    }
    EXPECT_TRUE(upright);

    // Pictures: the opaque one stretched, the one with alpha blended.
    const auto dibs = f.Of(U_EMR_STRETCHDIBITS);
    ASSERT_EQ(dibs.size(), 1u);
    EXPECT_EQ(TEmfFile::As<U_EMRSTRETCHDIBITS>(dibs[0]).Dest.x, 176);
    EXPECT_EQ(TEmfFile::As<U_EMRSTRETCHDIBITS>(dibs[0]).cDest.x, 8);
    EXPECT_EQ(f.Of(U_EMR_ALPHABLEND).size(), 1u);

    // The last clip is the rectangle the canvas was clipped to.
    const auto clips = f.Of(U_EMR_EXTSELECTCLIPRGN);
    ASSERT_FALSE(clips.empty());
    const auto &clip = TEmfFile::As<U_EMREXTSELECTCLIPRGN>(clips.back());
    EXPECT_EQ(clip.iMode, uint32_t(U_RGN_COPY));
    EXPECT_EQ(clip.RgnData[0].rdh.nCount, 1u);
    const U_RECTL cr = clip.RgnData[0].Buffer[0];
    EXPECT_EQ(cr.left, 5);
    EXPECT_EQ(cr.top, 5);
    EXPECT_EQ(cr.right, 60);
    EXPECT_EQ(cr.bottom, 45);
}

TEST(Emf, SavedFileAndEmptyMetafile)
{
    QTemporaryDir dir;
    TMetafile m;
    DrawAll(m);
    m.SaveToFile(dir.filePath("a.emf"));
    TMemoryStream back;
    back.LoadFromFile(dir.filePath("a.emf"));
    EXPECT_EQ(back.Bytes(), m.EmfBytes());

    TMetafile empty;
    const QByteArray none = empty.EmfBytes();
    const TEmfFile f = ReadEmf(none);
    ASSERT_TRUE(f.Error.isEmpty()) << f.Error.toStdString();
    EXPECT_EQ(f.Records.front().Type, uint32_t(U_EMR_HEADER));
    EXPECT_EQ(f.Records.back().Type, uint32_t(U_EMR_EOF));
    EXPECT_EQ(f.RecordBytes, uint64_t(none.size()));
}

} // namespace
