// Picture files: the BMP forms a bitmap writes, and files that are written
// whole or not at all.
#include "Bitmap.h"
#include "Exceptions.h"
#include "Stream.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray Saved(TBitmap &B)
{
    TMemoryStream s;
    B.SaveToStream(&s);
    return s.Bytes();
}

int Le16(const QByteArray &B, int At) { return qFromLittleEndian<qint16>(B.constData() + At); }
int Le32(const QByteArray &B, int At) { return qFromLittleEndian<qint32>(B.constData() + At); }

TEST(BitmapFile, WritesBmpOfItsPixelFormatAt96Dpi)
{
    struct Row {
        TPixelFormat format;
        int bits;
    };
    for (const Row &row : {Row{pf24bit, 24}, Row{pf1bit, 1}}) {
        TBitmap b(13, 5);
        b.SetPixelFormat(row.format);
        b.Canvas()->Brush()->SetColor(clBlack);
        b.Canvas()->FillRect(TRect(0, 0, 4, 5));
        const QByteArray bytes = Saved(b);
        ASSERT_TRUE(bytes.startsWith("BM")) << row.bits;
        EXPECT_EQ(Le32(bytes, 2), bytes.size());
        EXPECT_EQ(Le32(bytes, 14), 40); // BITMAPINFOHEADER
        EXPECT_EQ(Le32(bytes, 18), 13);
        EXPECT_EQ(Le32(bytes, 22), 5);
        EXPECT_EQ(Le16(bytes, 28), row.bits);
        EXPECT_EQ(Le32(bytes, 38), 3780);

        TMemoryStream in(bytes);
        TBitmap back;
        back.LoadFromStream(&in);
        EXPECT_EQ(QColor(back.Image().pixel(1, 2)), QColor(Qt::black));
        EXPECT_EQ(QColor(back.Image().pixel(8, 2)), QColor(Qt::white));
    }
}

// A picture whose writing fails half way.
class TFailingGraphic : public TBitmap {
public:
    void SaveToStream(TStream *Stream) override
    {
        Stream->WriteBytes("half");
        throw EStreamError(QStringLiteral("disk full"));
    }
};

TEST(BitmapFile, AFailedSaveLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("plot.bmp");
    TBitmap good(4, 4);
    good.SaveToFile(name);
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();

    TFailingGraphic bad;
    EXPECT_THROW(bad.SaveToFile(name), EStreamError);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"plot.bmp"}); // no temporary left
}

} // namespace
