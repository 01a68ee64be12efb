#include "Bitmap.h"
#include "Clipboard.h"
#include "Exceptions.h"
#include "JPEGImage.h"
#include "Metafile.h"
#include "Picture.h"
#include "Resources.h"
#include "Stream.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

TEST(Clipboard, RegisteredFormatsCarryBytes)
{
    unsigned fill = RegisterClipboardFormat("GDI+ Fill");
    EXPECT_GE(fill, 0xC000u);
    EXPECT_EQ(RegisterClipboardFormat("gdi+ fill"), fill);
    EXPECT_NE(RegisterClipboardFormat("Another"), fill);
    EXPECT_EQ(ClipboardFormatName(fill), "GDI+ Fill");
    EXPECT_EQ(RegisterClipboardFormat(""), 0u);

    QByteArray bytes("\x00\x01\xFFobject", 9);
    Clipboard()->SetBuffer(fill, bytes);
    EXPECT_TRUE(Clipboard()->HasFormat(fill));
    EXPECT_EQ(Clipboard()->GetBuffer(fill), bytes);
    Clipboard()->SetAsText("text"); // replaces the content
    EXPECT_FALSE(Clipboard()->HasFormat(fill));
    EXPECT_EQ(Clipboard()->AsText(), "text");

    Clipboard()->Open(); // both together
    Clipboard()->SetBuffer(fill, bytes);
    Clipboard()->SetAsText("both");
    Clipboard()->Close();
    EXPECT_EQ(Clipboard()->GetBuffer(fill), bytes);
    EXPECT_EQ(Clipboard()->AsText(), "both");

    EXPECT_THROW(Clipboard()->SetBuffer(0xBFFF, bytes), EClipboardException);
    EXPECT_THROW(Clipboard()->SetBuffer(CF_BITMAP, bytes), EClipboardException);
    EXPECT_EQ(Clipboard()->AsText(), "both"); // unchanged
    Clipboard()->Clear();
    EXPECT_FALSE(Clipboard()->HasFormat(fill));
    EXPECT_TRUE(Clipboard()->GetBuffer(fill).isEmpty());
}

TEST(Clipboard, PictureFormatsOtherProgramsRead)
{
    TMetafile metafile;
    metafile.SetSize(30, 20);
    {
        TMetafileCanvas c(&metafile, "Tarvex", "Strip Chart");
        c.Brush()->SetColor(clRed);
        c.FillRect(TRect(0, 0, 10, 10));
    }
    TPicture picture;
    picture.SetGraphic(&metafile); // through its holder, as a snapshot is
    Clipboard()->Assign(&picture);
    const QMimeData *m = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(m->hasFormat("image/x-emf"));
    EXPECT_TRUE(Clipboard()->HasFormat(CF_ENHMETAFILE));
    EXPECT_EQ(m->data("image/x-emf"), metafile.EmfBytes());

    TJPEGImage jpeg;
    QImage blue(16, 8, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    jpeg.SetImage(blue);
    jpeg.Compress();
    Clipboard()->Assign(&jpeg);
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data("image/jpeg"), jpeg.Data());
    EXPECT_FALSE(Clipboard()->HasFormat(CF_ENHMETAFILE)); // replaced

    // Bytes without their file's signature are refused; the clipboard keeps its content.
    EXPECT_THROW(Clipboard()->SetBuffer(CF_ENHMETAFILE, "not a metafile"), EClipboardException);
    EXPECT_THROW(Clipboard()->SetBuffer(CF_JPEG, "GIF89a"), EClipboardException);
    EXPECT_EQ(Clipboard()->GetBuffer(CF_JPEG), jpeg.Data());
}

TEST(Resources, LookedUpByNameIgnoringCaseOrByNumber)
{
    ClearResources();
    RegisterResource("SplashLogo", QByteArray("PNGDATA"));
    RegisterResource(101, QByteArray("BYID"));
    QByteArray data;
    EXPECT_TRUE(FindResource(HInstance, "SPLASHLOGO", RT_RCDATA, &data));
    EXPECT_EQ(data, "PNGDATA");
    EXPECT_FALSE(FindResource(HInstance, "SplashLogo", RT_BITMAP, nullptr));
    TResourceStream s(HInstance, 101, RT_RCDATA);
    EXPECT_EQ(s.ReadAll(), "BYID");
    EXPECT_THROW(TResourceStream(HInstance, "Missing", RT_RCDATA), EResNotFound);
    ClearResources();
}

TEST(Streams, MemoryStreamReadsWithinItsData)
{
    TMemoryStream m;
    m.WriteBytes("abcdef");
    m.SetPosition(4);
    char buf[8] = {};
    EXPECT_EQ(m.Read(buf, 8), 2);
    EXPECT_THROW(m.ReadBuffer(buf, 1), EReadError);
    m.Seek(-100, soCurrent);
    EXPECT_EQ(m.Position(), 0);
    EXPECT_THROW(TFileStream("/nonexistent/dir/file", fmOpenRead), EFOpenError);

    // Growing leaves zeros, never stale memory.
    for (int round = 0; round < 2; ++round) {
        TMemoryStream g;
        g.WriteBytes("ab");
        if (round == 0) {
            g.Seek(4096, soBeginning);
            g.WriteBytes("z");
        } else {
            g.SetSize(4097);
        }
        ASSERT_EQ(g.Size(), 4097);
        EXPECT_EQ(g.Bytes().mid(2, 4094), QByteArray(4094, '\0'));
    }
}

TEST(Stream, AnAtomicFileIsWrittenWholeOrNotAtAll)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("plot.txt");
    SaveBytesAtomically(name, "old");
    {
        TAtomicFileStream f(name);
        f.WriteBytes("half of a new file");
        // Freed without Commit: an exception on the way leaves the old file.
    }
    QFile read(name);
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(read.readAll(), "old");
    read.close();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"plot.txt"}); // no temporary left
    TAtomicFileStream f(name);
    f.WriteBytes("new");
    f.Commit();
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(read.readAll(), "new");
    EXPECT_THROW(SaveBytesAtomically(dir.filePath("missing/plot.txt"), "x"), EFOpenError);
    read.close();

    // A write cut short by the file system (a size limit here, which binds
    // root too; a full disk does the same) is not taken for the whole file.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 16;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    bool refused = false;
    try {
        SaveBytesAtomically(name, QByteArray(100, 'x'));
    } catch (const EStreamError &) {
        refused = true;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_TRUE(refused);
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(read.readAll(), "new");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"plot.txt"});
}

TEST(Bitmap, TransparentColourIsLeftOutWhenDrawn)
{
    TBitmap src(4, 4);
    src.Canvas()->Brush()->SetColor(clRed);
    src.Canvas()->FillRect(Rect(1, 1, 3, 3));
    src.SetTransparent(true); // auto: the bottom-left pixel's white
    TBitmap dst(6, 6);
    dst.Canvas()->Brush()->SetColor(clBlue);
    dst.Canvas()->FillRect(Rect(0, 0, 6, 6));
    dst.Canvas()->Draw(1, 1, &src);
    EXPECT_EQ(dst.Canvas()->Pixels(1, 1), clBlue);
    EXPECT_EQ(dst.Canvas()->Pixels(2, 2), clRed);

    // Saved and loaded again through a stream.
    TMemoryStream m;
    src.SaveToStream(&m);
    m.SetPosition(0);
    TBitmap copy;
    copy.LoadFromStream(&m);
    EXPECT_EQ(copy.Width(), 4);
    EXPECT_EQ(copy.Canvas()->Pixels(2, 2), clRed);
    TMemoryStream junk(QByteArray("not a picture"));
    EXPECT_THROW(copy.LoadFromStream(&junk), EInvalidGraphic);
    EXPECT_EQ(copy.Width(), 4); // unchanged
}

} // namespace
