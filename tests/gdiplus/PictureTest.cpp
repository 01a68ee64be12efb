// Pictures, their header readers and the picture container.

#include "GpPicture.h"
#include "GpPictureContainer.h"
#include "ImageHeaderReader.h"
#include "SmGDIPPicture.h"
#include "TestPictures.h"

#include "Bitmap.h"
#include "Exceptions.h"
#include "Resources.h"
#include "Stream.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {
template <typename Pic>
void loadBytes(Pic &pic, const QByteArray &bytes)
{
    TMemoryStream stream(bytes);
    pic.LoadFromStream(&stream);
}

struct Events {
    std::string log;
    template <typename Pic>
    void watch(Pic &pic)
    {
        pic.OnChange = [this](TObject *) { log += "change;"; };
        pic.OnClear = [this](TObject *) { log += "clear;"; };
    }
};

// A 24-bit BMP whose header declares w x h pixels over only 19 bytes of data.
QByteArray DeclaredBitmap(qint32 w, qint32 h)
{
    QByteArray b("BM");
    auto u32 = [&b](quint32 v) {
        for (int i = 0; i < 4; ++i)
            b.append(char((v >> (8 * i)) & 0xFF));
    };
    auto u16 = [&b](quint16 v) { b.append(char(v & 0xFF)).append(char(v >> 8)); };
    u32(73);
    u32(0);
    u32(54);
    u32(40);
    u32(quint32(w));
    u32(quint32(h));
    u16(1);
    u16(24);
    u32(0);
    u32(0);
    u32(2835);
    u32(2835);
    u32(0);
    u32(0);
    b.append(QByteArray(19, char(0x7F)));
    return b;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}
} // namespace

TEST(Pictures, NewPictureIsEmpty)
{
    TGpPicture gp;
    TSmGDIPPicture sm;
    EXPECT_TRUE(gp.Empty());
    EXPECT_TRUE(sm.Empty());
    EXPECT_EQ(gp.Width(), 0);
    EXPECT_EQ(sm.Height(), 0);
    EXPECT_FALSE(sm.Transparent());
    EXPECT_EQ(sm.TransparentColor(), clWhite);
}

TEST(Pictures, StreamLoadGivesSizeAndSavesIdenticalBytes)
{
    const QByteArray png = EncodedPicture("PNG", 12, 7);
    TGpPicture gp;
    TSmGDIPPicture sm;
    loadBytes(gp, png);
    loadBytes(sm, png);
    for (TGdipPictureBase *p : {static_cast<TGdipPictureBase *>(&gp), static_cast<TGdipPictureBase *>(&sm)}) {
        EXPECT_FALSE(p->Empty());
        EXPECT_EQ(p->Width(), 12);
        EXPECT_EQ(p->Height(), 7);
        TMemoryStream out;
        p->SaveToStream(&out);
        EXPECT_EQ(out.Bytes(), png);
    }
    EXPECT_EQ(sm.PixelDepth(), 0);  // refreshed only by GpDraw
}

// A stream without bytes leaves both kinds of picture empty.
// Bytes handed over with their decode make the picture that loading the bytes
// makes: size, bytes, events, pixel format and drawn pixels, translucent ones
// too (premultiplied on the way to the screen).
TEST(Pictures, BytesWithTheirDecodeAreThePictureTheBytesLoad)
{
    QImage art(9, 7, QImage::Format_ARGB32);
    art.fill(QColor(20, 90, 200, 120));
    art.setPixelColor(2, 3, QColor(250, 10, 10, 255));
    art.setPixelColor(5, 1, QColor(0, 0, 0, 0));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    art.save(&buffer, "PNG");
    const QImage decoded = QImage::fromData(png, "PNG");
    ASSERT_FALSE(decoded.isNull());

    TSmGDIPPicture loaded, given;
    Events loadedEvents, givenEvents;
    loadedEvents.watch(loaded);
    givenEvents.watch(given);
    loadBytes(loaded, png);
    given.LoadDecoded(png, decoded, ImageFormatPNG);
    EXPECT_EQ(givenEvents.log, loadedEvents.log);
    EXPECT_FALSE(given.Empty());
    EXPECT_EQ(std::make_pair(given.Width(), given.Height()), std::make_pair(9, 7));
    EXPECT_EQ(given.Data(), loaded.Data());

    auto draw = [](TSmGDIPPicture &pic) {
        QImage image(12, 10, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(240, 240, 0));
        QPainter painter(&image);
        TGPGraphics g(&painter);
        pic.GpDraw(&g, Rect(1, 2, 10, 9));
        return image;
    };
    EXPECT_EQ(draw(given), draw(loaded));
    EXPECT_EQ(given.GetPixelFormat(), loaded.GetPixelFormat());
    EXPECT_EQ(given.HasAlpha(), loaded.HasAlpha());
}

TEST(Pictures, ZeroByteStreamLeavesThePictureEmpty)
{
    TGpPicture gp;
    TSmGDIPPicture sm;
    loadBytes(gp, QByteArray());
    loadBytes(sm, QByteArray());
    EXPECT_TRUE(gp.Empty());
    EXPECT_TRUE(sm.Empty());
    loadBytes(sm, EncodedPicture("PNG", 3, 3));
    loadBytes(sm, QByteArray());
    EXPECT_FALSE(sm.Empty());
    EXPECT_EQ(sm.Width(), 3);
}

namespace {
// A stream of zeros that claims more bytes than any picture has; a 32-bit
// size would wrap to 16 bytes and load a cut picture.
struct HugeStream : TStream {
    std::int64_t Read(void *Buffer, std::int64_t Count) override
    {
        std::memset(Buffer, 0, size_t(Count));
        return Count;
    }
    std::int64_t Write(const void *, std::int64_t) override { return 0; }
    std::int64_t Seek(std::int64_t, TSeekOrigin) override { return 0; }
    std::int64_t Size() const override { return (std::int64_t(1) << 32) + 16; }
    void SetSize(std::int64_t) override {}
};
} // namespace

// An oversized stream is refused with a clear error; the picture keeps what
// it had.
TEST(Pictures, OversizedStreamIsRefused)
{
    TGpPicture gp;
    TSmGDIPPicture sm;
    loadBytes(gp, EncodedPicture("PNG", 3, 3));
    loadBytes(sm, EncodedPicture("PNG", 3, 3));
    HugeStream huge;
    EXPECT_THROW(gp.LoadFromStream(&huge), EReadError);
    EXPECT_THROW(sm.LoadFromStream(&huge), EReadError);
    EXPECT_THROW(sm.ReadData(&huge), EReadError);
    EXPECT_EQ(gp.Width(), 3);
    EXPECT_EQ(sm.Width(), 3);
    EXPECT_FALSE(sm.Empty());
}

TEST(Pictures, UndecodableDataHasNoSize)
{
    // The size a load gives is the size a drawing finds: 0 x 0 throughout.
    const QByteArray rows[] = {
        QByteArray("this is no picture"),
        QByteArray("\0\0\0\x08", 4), // a header of 0 x 8 pixels
        QByteArray("\0\0\x01\0", 4), // 1 x 0
        QByteArray("\0\0\0\0", 4),
    };
    for (const QByteArray &bytes : rows) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        TSmGDIPPicture sm;
        TGpPicture gp;
        loadBytes(sm, bytes);
        loadBytes(gp, bytes);
        EXPECT_FALSE(sm.Empty());
        EXPECT_EQ(std::make_pair(sm.Width(), sm.Height()), std::make_pair(0, 0));
        EXPECT_EQ(std::make_pair(gp.Width(), gp.Height()), std::make_pair(0, 0));
        TBitmap target;
        target.SetSize(8, 8);
        QImage image(8, 8, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        TGPGraphics g(&painter);
        sm.GpDraw(&g, Rect(0, 0, 8, 8));
        sm.Draw(target.Canvas(), Rect(0, 0, 8, 8));
        gp.Draw(target.Canvas(), Rect(0, 0, 8, 8));
        EXPECT_EQ(std::make_pair(sm.Width(), sm.Height()), std::make_pair(0, 0));
        EXPECT_EQ(std::make_pair(gp.Width(), gp.Height()), std::make_pair(0, 0));
    }
}

// Damaged icons and GIFs, whose header, file-name reader and decode tell
// different sizes: a copy (Assign, a container item) reports the size its
// original reports, loaded from a stream or a file, drawn or not.
template <typename Pic> void CopiesReportTheOriginalsSize(const QString &Path, const QByteArray &Bytes)
{
    for (bool fromFile : {false, true})
        for (bool drawn : {false, true}) {
            SCOPED_TRACE(testing::Message() << "file " << fromFile << " drawn " << drawn);
            Pic original;
            if (fromFile)
                original.LoadFromFile(Path);
            else
                loadBytes(original, Bytes);
            if (drawn) {
                TBitmap target;
                target.SetSize(8, 8);
                original.Draw(target.Canvas(), Rect(0, 0, 8, 8));
            }
            Pic copy;
            copy.Assign(&original);
            EXPECT_EQ(copy.Data(), original.Data());
            EXPECT_EQ(copy.Empty(), original.Empty());
            EXPECT_EQ(std::make_pair(copy.Width(), copy.Height()),
                      std::make_pair(original.Width(), original.Height()));
            Pic second; // a copy of the copy as well
            second.Assign(&copy);
            EXPECT_EQ(std::make_pair(second.Width(), second.Height()),
                      std::make_pair(original.Width(), original.Height()));
        }
}

TEST(Pictures, CopiesOfDamagedIconsAndGifsReportTheOriginalsSize)
{
    const QByteArray icon = EncodedPicture("ICO", 32, 32), gif = GifPicture(20, 10);
    QByteArray wideIcon = icon, wideGif = gif, flatGif = gif;
    wideIcon[6] = char(64);        // the directory's width of the one entry
    wideGif[13 + 6 + 8 + 5] = char(200); // the image descriptor's width
    flatGif[8] = 0;                // the screen's height
    const struct {
        const char *name;
        QByteArray bytes;
    } rows[] = {
        {"icon.ico", icon.left(icon.size() - 40)}, // its pixels cut short
        {"icon-wide.ico", wideIcon},
        {"icon-header.ico", icon.left(22)},
        {"cut.gif", gif.left(40)},
        {"wide.gif", wideGif},
        {"flat.gif", flatGif},
    };
    QTemporaryDir dir;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = writeFile(dir, QString::fromLatin1(row.name), row.bytes);
        CopiesReportTheOriginalsSize<TSmGDIPPicture>(path, row.bytes);
        CopiesReportTheOriginalsSize<TGpPicture>(path, row.bytes);
    }
    // The container's items copy their pictures the same way.
    TSmGDIPPicture original;
    original.LoadFromFile(writeFile(dir, QStringLiteral("item.gif"), wideGif));
    TGpPictureContainer container(nullptr);
    TPictureItem *item = container.Items()->Add();
    item->SetPicture(&original);
    EXPECT_EQ(item->Picture()->Width(), original.Width());
    EXPECT_EQ(item->Picture()->Height(), original.Height());
}

TEST(Pictures, MissingFileLeavesEmptyWithoutEvents)
{
    TGpPicture gp;
    TSmGDIPPicture sm;
    Events eg, es;
    eg.watch(gp);
    es.watch(sm);
    gp.LoadFromFile(QStringLiteral("/nonexistent/picture.png"));
    sm.LoadFromFile(QStringLiteral("/nonexistent/picture.png"));
    EXPECT_TRUE(gp.Empty());
    EXPECT_TRUE(sm.Empty());
    EXPECT_EQ(eg.log, "");
    EXPECT_EQ(es.log, "");
}

TEST(Pictures, FileLoadFiresClearThenChange)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("a.jpg"), EncodedPicture("JPEG", 30, 20));
    TSmGDIPPicture sm;
    Events e;
    e.watch(sm);
    sm.LoadFromFile(path);
    EXPECT_EQ(e.log, "clear;change;");
    EXPECT_EQ(sm.Width(), 30);
    EXPECT_EQ(sm.Height(), 20);
}

// The size read from a picture's header follows its bytes: a new load tells
// the new size, a copy its original's.
TEST(Pictures, SizesFollowTheBytes)
{
    for (auto [w, h] : {std::pair{5, 4}, std::pair{9, 8}, std::pair{3, 7}}) {
        TGpPicture gp, copy;
        loadBytes(gp, EncodedPicture("PNG", 2, 2));
        ASSERT_TRUE(gp.GetImageSizes());
        loadBytes(gp, EncodedPicture("PNG", w, h));
        ASSERT_TRUE(gp.GetImageSizes());
        EXPECT_EQ(std::make_pair(gp.Width(), gp.Height()), std::make_pair(w, h));
        copy.Assign(&gp);
        ASSERT_TRUE(copy.GetImageSizes());
        EXPECT_EQ(std::make_pair(copy.Width(), copy.Height()), std::make_pair(w, h));
        loadBytes(copy, EncodedPicture("BMP", h, w));
        ASSERT_TRUE(copy.GetImageSizes());
        EXPECT_EQ(std::make_pair(copy.Width(), copy.Height()), std::make_pair(h, w));
    }
}

TEST(Pictures, AssignNoneEmptyAndLoaded)
{
    TSmGDIPPicture a, b, empty;
    loadBytes(a, EncodedPicture("PNG", 5, 4));
    Events e;
    e.watch(a);
    a.Assign(nullptr);
    EXPECT_EQ(e.log, "change;clear;");
    EXPECT_TRUE(a.Empty());
    loadBytes(b, EncodedPicture("PNG", 9, 8));
    a.Assign(&b);
    EXPECT_FALSE(a.Empty());
    EXPECT_EQ(a.Data(), b.Data());
    EXPECT_EQ(a.Width(), 9);
    a.Assign(&empty);
    EXPECT_TRUE(a.Empty());
    // A class-library bitmap is taken as the file its SaveToStream writes.
    TBitmap bmp(6, 3);
    TGpPicture gp;
    gp.Assign(&bmp);
    EXPECT_FALSE(gp.Empty());
    EXPECT_EQ(gp.Width(), 6);
    EXPECT_EQ(gp.Height(), 3);
}

TEST(Pictures, BitmapWithWhiteCornerIsTransparentThroughDraw)
{
    // 4 x 4 BMP, white except a black top-left pixel.
    const QByteArray bmp = EncodedPicture("BMP", 4, 4, Qt::white);
    TSmGDIPPicture sm;
    loadBytes(sm, bmp);
    TBitmap target(8, 8);
    target.Canvas()->Brush()->SetColor(clBlue);
    target.Canvas()->FillRect(Rect(0, 0, 8, 8));
    sm.Draw(target.Canvas(), Rect(2, 2, 6, 6));
    const QImage &im = target.Image();
    EXPECT_EQ(QColor(im.pixel(2, 2)), QColor(255, 0, 0));   // the red corner pixel
    EXPECT_EQ(QColor(im.pixel(4, 4)), QColor(0, 0, 255));   // white left out

    // Through GpDraw it is opaque unless Transparent is set.
    for (bool transparent : {false, true}) {
        QImage out(8, 8, QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::blue);
        {
            QPainter p(&out);
            TGPGraphics g(&p);
            sm.SetTransparent(transparent);
            sm.GpDraw(&g, Rect(2, 2, 6, 6));
        }
        EXPECT_EQ(QColor(out.pixel(4, 4)), transparent ? QColor(0, 0, 255) : QColor(255, 255, 255));
        EXPECT_EQ(QColor(out.pixel(2, 2)), QColor(255, 0, 0));
    }
    EXPECT_EQ(sm.PixelDepth(), 24);
    EXPECT_FALSE(sm.HasAlpha());
}

// A few bytes that declare a huge picture: drawing it costs what is drawn,
// not what is declared, also with its colour key; above 64 million pixels
// the picture is refused and stays empty.
TEST(Pictures, DeclaredHugeBitmapsAreBoundedAndDrawQuickly)
{
    const QByteArray tall = DeclaredBitmap(3, 8388610);
    ASSERT_EQ(tall.size(), 73);
    TSmGDIPPicture sm;
    loadBytes(sm, tall);
    ASSERT_FALSE(sm.Empty());
    EXPECT_EQ(sm.Height(), 8388610);
    sm.SetTransparent(true);
    QImage out(64, 64, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::blue);
    QElapsedTimer timer;
    timer.start();
    {
        QPainter p(&out);
        TGPGraphics g(&p);
        sm.GpDraw(&g, Rect(0, 0, 64, 64));
        sm.GpDraw(&g, MakeRectF(0, 0, 64, 64));
        sm.FillRect(&g, MakeRectF(0, 0, 64, 64));
    }
    TBitmap target(64, 64);
    sm.Draw(target.Canvas(), Rect(0, 0, 64, 64));
    TGpPicture gp;
    loadBytes(gp, tall);
    gp.Draw(target.Canvas(), Rect(0, 0, 64, 64));
    EXPECT_LT(timer.elapsed(), 1500);

    for (const QByteArray &bytes : {DeclaredBitmap(8, 8000001), DeclaredBitmap(65536, 65536)}) {
        TSmGDIPPicture big;
        loadBytes(big, bytes);
        EXPECT_TRUE(big.Empty());
        EXPECT_EQ(big.Width(), 0);
        big.SetTransparent(true);
        QPainter p(&out);
        TGPGraphics g(&p);
        big.GpDraw(&g, Rect(0, 0, 64, 64));
        TGpPicture gpBig;
        loadBytes(gpBig, bytes);
        EXPECT_TRUE(gpBig.Empty());
    }
}

TEST(Pictures, LoadFromUrlByScheme)
{
    RegisterResource(QStringLiteral("Logo"), EncodedPicture("PNG", 11, 3));
    TSmGDIPPicture sm;
    sm.LoadFromURL(QStringLiteral("res://Logo"));
    EXPECT_EQ(sm.Width(), 11);
    TSmGDIPPicture other;
    other.LoadFromURL(QStringLiteral("http://Logo"));
    other.LoadFromURL(QStringLiteral("RES://"));
    EXPECT_TRUE(other.Empty());
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("p.png"), EncodedPicture("PNG", 2, 9));
    other.LoadFromURL(QStringLiteral("File://") + path);
    EXPECT_EQ(other.Height(), 9);
    ClearResources();
}

TEST(Pictures, ContainerFindsByNameIgnoringAsciiCase)
{
    TGpPictureContainer c(nullptr);
    EXPECT_EQ(c.FindPicture(QStringLiteral("logo")), nullptr);
    TPictureItem *a = c.Items()->Add();
    a->SetName(QStringLiteral("Logo"));
    TPictureItem *b = c.Items()->Add();
    b->SetName(QStringLiteral("LOGO"));
    TPictureItem *d = c.Items()->Add();
    d->SetName(QStringLiteral("Other"));
    EXPECT_EQ(c.FindPicture(QStringLiteral("logo")), a->Picture());
    EXPECT_EQ(c.FindPicture(QStringLiteral("oTHER")), d->Picture());
    EXPECT_EQ(c.FindPicture(QStringLiteral("missing")), nullptr);
    EXPECT_EQ(c.Version(), QStringLiteral("1.0.0.0"));
    TSmGDIPPicture font;
    EXPECT_THROW(a->Assign(&font), EInvalidCast);
    b->Assign(d);
    EXPECT_EQ(b->Name(), QStringLiteral("Other"));
}

struct HeaderCase {
    const char *name;
    QByteArray data;
    int w, h;
};

TEST(PictureHeaders, EveryReaderFindsTheSize)
{
    // A JPEG whose SOF comes after an extra application segment.
    QByteArray jpeg = EncodedPicture("JPEG", 321, 123);
    jpeg.insert(2, QByteArray("\xFF\xE5\x00\x06\x01\x02\x03\x04\xFF\xFF", 10));
    const HeaderCase cases[] = {
        {"a.jpg", jpeg, 321, 123},
        {"a.JPEG", EncodedPicture("JPEG", 5, 6), 5, 6},
        {"a.png", EncodedPicture("PNG", 300, 2), 300, 2},
        {"a.bmp", EncodedPicture("BMP", 17, 19), 17, 19},
        {"a.tiff", TiffHeader(640, 480, false), 640, 480},
        {"a.TIFF", TiffHeader(640, 480, true), 640, 480},
        {"a.gif", GifPicture(13, 4), 13, 4},
        {"a.tif", TiffHeader(640, 480, false), 0, 0},
        {"a.xyz", EncodedPicture("PNG", 3, 3), 0, 0},
    };
    for (const HeaderCase &c : cases) {
        ImageHeaderSize size;
        const bool found = ReadHeaderSizeByName(QString::fromLatin1(c.name), c.data, size);
        EXPECT_EQ(found, c.w != 0) << c.name;
        EXPECT_EQ(size.Width, c.w) << c.name;
        EXPECT_EQ(size.Height, c.h) << c.name;
    }
    // Qt reads the hand-made GIF too.
    TSmGDIPPicture gif;
    loadBytes(gif, GifPicture(13, 4));
    EXPECT_EQ(gif.Width(), 13);
}

// Damaged headers: a zero segment length (that never moved on), offsets and
// counts past the end, cut files; all give 0 x 0 quickly.
TEST(PictureHeaders, DamagedHeadersEndInBoundedTime)
{
    const QByteArray zeroLength("\xFF\xD8\xFF\xE0\x00\x00\xFF\xE0\x00\x00", 10);
    QByteArray farIfd = TiffHeader(10, 10, false);
    farIfd[4] = char(0xF0);
    farIfd[7] = char(0x7F);
    QByteArray manyEntries = TiffHeader(10, 10, true);
    manyEntries[8] = char(0xFF);
    manyEntries[9] = char(0xFF);
    manyEntries.truncate(30);
    QByteArray hugeTable = GifPicture(3, 3);
    hugeTable[10] = char(0x87);
    const HeaderCase damaged[] = {
        {"z.jpg", zeroLength, 0, 0},
        {"z.jpg", QByteArray("\xFF\xD8\xFF", 3), 0, 0},
        {"z.jpg", QByteArray("\xFF\xD8\x00\x00", 4), 0, 0},
        {"z.tiff", farIfd, 0, 0},
        {"z.tiff", manyEntries, 0, 0},
        {"z.tiff", QByteArray("XX\x2A\x00", 4), 0, 0},
        {"z.gif", hugeTable, 0, 0},
        {"z.gif", GifPicture(3, 3).left(20), 0, 0},
        {"z.png", EncodedPicture("PNG", 3, 3).left(20), 0, 0},
        {"z.bmp", QByteArray("BM", 2), 0, 0},
    };
    for (const HeaderCase &c : damaged) {
        ImageHeaderSize size{7, 7};
        EXPECT_FALSE(ReadHeaderSizeByName(QString::fromLatin1(c.name), c.data, size)) << c.name;
        EXPECT_EQ(size.Width, 0);
        EXPECT_EQ(size.Height, 0);
    }
    // Every cut and random damage of real headers ends, and fast.
    QElapsedTimer timer;
    timer.start();
    QRandomGenerator rng(42);
    const HeaderCase sources[] = {{"r.jpg", EncodedPicture("JPEG", 40, 30), 0, 0},
                                  {"r.tiff", TiffHeader(40, 30, true), 0, 0},
                                  {"r.gif", GifPicture(8, 8), 0, 0}};
    for (const HeaderCase &src : sources) {
        for (int cut = 0; cut < src.data.size(); ++cut) {
            ImageHeaderSize size;
            ReadHeaderSizeByName(QString::fromLatin1(src.name), src.data.left(cut), size);
        }
        for (int round = 0; round < 300; ++round) {
            QByteArray d = src.data;
            for (int k = 0; k < 4; ++k)
                d[int(rng.bounded(int(d.size())))] = char(rng.bounded(256));
            ImageHeaderSize size;
            ReadHeaderSizeByName(QString::fromLatin1(src.name), d, size);
        }
    }
    EXPECT_LT(timer.elapsed(), 10000);
}

TEST(PictureHeaders, FileNameReaderSetsTheStoredSize)
{
    QTemporaryDir dir;
    const QString tiff = writeFile(dir, QStringLiteral("t.tiff"), TiffHeader(77, 55, true));
    TSmGDIPPicture sm;
    sm.LoadFromFile(tiff);
    EXPECT_FALSE(sm.Empty());
    EXPECT_EQ(sm.Width(), 77);
    EXPECT_EQ(sm.Height(), 55);
    const QString tif = writeFile(dir, QStringLiteral("t.tif"), TiffHeader(77, 55, false));
    sm.LoadFromFile(tif);
    EXPECT_EQ(sm.Width(), 0);
    const QString gifPath = writeFile(dir, QStringLiteral("g.gif"), GifPicture(21, 2));
    sm.LoadFromFile(gifPath);
    EXPECT_EQ(sm.Width(), 21);
    EXPECT_THROW(sm.GetImageSizesFromFileName(dir.filePath(QStringLiteral("gone.png"))), EFOpenError);
    EXPECT_FALSE(sm.GetImageSizesFromFileName(dir.filePath(QStringLiteral("gone.gif"))));
    // A name no reader takes gives 0 x 0 without opening anything.
    sm.LoadFromFile(gifPath);
    EXPECT_FALSE(sm.GetImageSizesFromFileName(dir.filePath(QStringLiteral("gone.xyz"))));
    EXPECT_EQ(sm.Width(), 0);
}
