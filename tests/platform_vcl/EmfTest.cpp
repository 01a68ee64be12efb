// A metafile written as an Enhanced Metafile and read back with libUEMF's
// safe reader: the header, its bounds and description, every record whole
// and in the file, the end record last, and the drawing's geometry kept in
// device units.
#include "Bitmap.h"
#include "EmfRecords.h"
#include "Metafile.h"
#include "Stream.h"

#include "EmfPaintDevice.h"

#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>
#include <cmath>
#include <limits>
#include <functional>
#include <set>
#include <sys/resource.h>
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

// The process's peak resident size so far, in megabytes.
long PeakMegabytes()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024;
}

// What a painter draws on a 200 x 100 device, read back.
template <class Draw> QByteArray Painted(Draw &&D)
{
    TEmfPaintDevice device(200, 100, QStringLiteral("Tarvex"), QString());
    QPainter p(&device);
    D(p);
    p.end();
    return device.Bytes();
}

// Rectangles far off, huge or NaN: every record holds coordinates of the
// device's 32-bit range, and one that reaches past the page covers it.
TEST(Emf, HostileRectanglesBecomeBoundedRecords)
{
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = HUGE_VAL;
    const struct {
        const char *name;
        QRectF rect;
        bool coversPage; // from its top-left corner to past the page's far corner
    } rows[] = {
        {"wide", QRectF(10, 10, 3e9, 4e9), true},
        {"huge", QRectF(10, 10, 1e300, 1e300), true},
        {"infinite", QRectF(10, 10, inf, inf), true},
        {"from far left", QRectF(-3e9, -3e9, 3e9 + 150, 3e9 + 80), false},
        {"NaN corner", QRectF(nan, 10, 50, 50), false},
        {"NaN size", QRectF(10, 10, nan, nan), false},
    };
    constexpr int32_t kBound = (1 << 29) + 4; // the writer keeps well inside 32 bits
    const auto inRange = [&](const U_RECTL &r) {
        return std::abs(r.left) < kBound && std::abs(r.top) < kBound && std::abs(r.right) < kBound &&
               std::abs(r.bottom) < kBound;
    };
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::green);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QByteArray bytes = Painted([&](QPainter &p) {
            p.fillRect(row.rect, Qt::blue);
            p.setPen(Qt::red);
            p.setBrush(Qt::yellow);
            p.drawRect(row.rect);
            p.drawEllipse(row.rect);
            p.drawImage(row.rect, picture);
            p.scale(1e12, 1e12); // the same through the transform
            p.drawRect(QRectF(row.rect.topLeft() / 1e12, row.rect.size()));
        });
        const TEmfFile f = ReadEmf(bytes);
        ASSERT_TRUE(f.Error.isEmpty()) << f.Error.toStdString();
        EXPECT_EQ(f.Records.back().Type, uint32_t(U_EMR_EOF));
        const auto fills = f.Of(U_EMR_FILLRGN);
        const auto rects = f.Of(U_EMR_RECTANGLE);
        const auto ellipses = f.Of(U_EMR_ELLIPSE);
        const auto images = f.Of(U_EMR_STRETCHDIBITS);
        ASSERT_LE(fills.size(), 1u);
        ASSERT_EQ(rects.size(), 2u);
        ASSERT_EQ(ellipses.size(), 1u);
        ASSERT_LE(images.size(), 1u);
        std::vector<U_RECTL> boxes = {TEmfFile::As<U_EMRRECTANGLE>(rects[0]).rclBox,
                                      TEmfFile::As<U_EMRRECTANGLE>(rects[1]).rclBox,
                                      TEmfFile::As<U_EMRELLIPSE>(ellipses[0]).rclBox};
        if (!fills.empty())
            boxes.push_back(TEmfFile::As<U_EMRFILLRGN>(fills[0]).RgnData[0].Buffer[0]);
        for (const U_RECTL &b : boxes) {
            EXPECT_TRUE(inRange(b)) << b.left << ' ' << b.top << ' ' << b.right << ' ' << b.bottom;
            EXPECT_LE(b.left, b.right);
            EXPECT_LE(b.top, b.bottom);
            if (row.coversPage) {
                EXPECT_EQ(b.left, 10);
                EXPECT_GE(b.right, 200);
                EXPECT_GE(b.bottom, 100);
            }
        }
        if (!images.empty()) {
            const auto &image = TEmfFile::As<U_EMRSTRETCHDIBITS>(images[0]);
            EXPECT_GE(image.cDest.x, 0);
            EXPECT_GE(image.cDest.y, 0);
            EXPECT_LT(image.Dest.x + int64_t(image.cDest.x), kBound);
            if (row.coversPage) {
                EXPECT_EQ(image.Dest.x, 10);
                EXPECT_GE(image.Dest.x + image.cDest.x, 200);
            }
        }
    }
}

// A clip many times the page's size is cut to the page before it becomes a
// region: it costs what a page-sized clip does and clips as it should.
TEST(Emf, HugeClipsAreBoundedByThePage)
{
    const long before = PeakMegabytes();
    const struct {
        const char *name;
        std::function<void(QPainter &)> clip;
        QRect written; // the clip on the page; empty: nothing shows
    } rows[] = {
        {"ellipse round the page",
         [](QPainter &p) {
             QPainterPath path;
             path.addEllipse(QPointF(100, 50), 1e7, 1e7);
             p.setClipPath(path);
         },
         QRect(0, 0, 200, 100)},
        {"turned square",
         [](QPainter &p) {
             p.translate(100, 50);
             p.rotate(30);
             p.setClipRect(QRectF(-1e7, -1e7, 2e7, 2e7));
             p.resetTransform();
         },
         QRect(0, 0, 200, 100)},
        {"turned region",
         [](QPainter &p) {
             p.translate(100, 50);
             p.rotate(45);
             p.setClipRegion(QRegion(-10000000, -10000000, 20000000, 20000000));
             p.resetTransform();
         },
         QRect(0, 0, 200, 100)},
        {"triangle with a far corner",
         [](QPainter &p) {
             p.setClipPath([] {
                 QPainterPath t;
                 t.moveTo(20, 20);
                 t.lineTo(80, 20);
                 t.lineTo(20, 2e7);
                 t.closeSubpath();
                 return t;
             }());
         },
         QRect(20, 20, 60, 80)},
        {"far off", [](QPainter &p) { p.setClipRect(QRectF(1e9, 1e9, 5e8, 5e8)); }, QRect()},
        {"scaled far", [](QPainter &p) {
             p.scale(1e300, 1e300);
             p.setClipRect(QRectF(-1, -1, 2, 2));
             p.resetTransform();
         },
         QRect(0, 0, 200, 100)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QByteArray bytes = Painted([&](QPainter &p) {
            row.clip(p);
            p.fillRect(QRect(0, 0, 200, 100), Qt::blue);
        });
        const TEmfFile f = ReadEmf(bytes);
        ASSERT_TRUE(f.Error.isEmpty()) << f.Error.toStdString();
        const auto clips = f.Of(U_EMR_EXTSELECTCLIPRGN);
        if (row.written.isEmpty() && clips.empty()) { // the painter drew nothing at all
            EXPECT_TRUE(f.Of(U_EMR_FILLRGN).empty());
            continue;
        }
        if (clips.empty()) {
            ADD_FAILURE() << "no clip written";
            continue;
        }
        const U_RGNDATA &region = TEmfFile::As<U_EMREXTSELECTCLIPRGN>(clips.back()).RgnData[0];
        EXPECT_LE(region.rdh.nCount, 101u); // at most a band per pixel row
        const U_RECTL b = region.rdh.rclBounds;
        const QRect bounds = QRect(QPoint(b.left, b.top), QPoint(b.right - 1, b.bottom - 1));
        if (row.written.isEmpty()) {
            EXPECT_TRUE(bounds.isEmpty() || bounds.width() == 0) << b.left << ' ' << b.right;
        } else {
            // The triangle's slanted side is within a pixel of where it runs.
            EXPECT_LE(std::abs(bounds.left() - row.written.left()), 1);
            EXPECT_LE(std::abs(bounds.top() - row.written.top()), 1);
            EXPECT_LE(std::abs(bounds.right() - row.written.right()), 1);
            EXPECT_LE(std::abs(bounds.bottom() - row.written.bottom()), 1);
        }
    }
    EXPECT_LT(PeakMegabytes() - before, 100);
}

} // namespace
