// The plot's clipboard copy, snapshot and image files as the user reaches
// them: the toolbar's Copy and Save buttons found in the rendered plot and
// clicked, the save question answered through the file question service,
// files in a temporary folder checked by their signatures and read back.
#include "Bitmap.h"
#include "EmfRecords.h"
#include "FileDialogs.h"
#include "Form.h"
#include "JPEGImage.h"
#include "Metafile.h"
#include "Picture.h"
#include "RenderedPlot.h"
#include "gPlotChannelCustom.h"
#include "gPlotToolBar.h"
#include "gXYPlot.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// A shown XY plot with its toolbar and a curve.
struct ExportTest : ::testing::Test {
    TForm form{nullptr};
    TgXYPlot *plot = nullptr;
    QTemporaryDir dir;

    void SetUp() override
    {
        form.SetBounds(0, 0, 560, 360);
        plot = new TgXYPlot(&form);
        plot->SetParent(&form);
        plot->SetBounds(0, 0, 500, 300);
        for (int i = 0; i <= 20; ++i)
            plot->GetChannel(0)->AddXY(i, (i * 7) % 11);
        form.Show();
        QApplication::setActiveWindow(form.Widget());
    }
    void TearDown() override
    {
        TFileDialog::Runner = nullptr;
        QApplication::setActiveWindow(nullptr);
    }
    QWidget *W() const { return plot->Widget(); }
    // The row of the toolbar ends with Copy, Save and Print.
    void ClickFromEnd(size_t FromEnd)
    {
        const std::vector<QRect> buttons = ToolBarButtons(Shot(W()));
        ASSERT_GT(buttons.size(), FromEnd);
        QTest::mouseClick(W(), Qt::LeftButton, Qt::NoModifier, buttons[buttons.size() - 1 - FromEnd].center());
    }
    void ClickCopy() { ClickFromEnd(2); }
    void ClickSave() { ClickFromEnd(1); }
    QByteArray Read(const QString &Name) const
    {
        QFile f(dir.filePath(Name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

const QMimeData *ClipboardData()
{
    return QGuiApplication::clipboard()->mimeData();
}

TEST_F(ExportTest, CopyLeavesTheToolbarOutOfTheImageAndShowsItAgain)
{
    const size_t shown = ToolBarButtons(Shot(W())).size();
    ASSERT_GE(shown, 10u);
    struct Row {
        TgPlotExportFormat format;
        const char *mime;
    };
    for (const Row &row : {Row{ipefBitmap, "application/x-qt-image"}, Row{ipefMetaFile, "image/x-emf"},
                           Row{ipefJPEG, "image/jpeg"}}) {
        QGuiApplication::clipboard()->clear();
        plot->SetCopyToClipBoardFormat(row.format);
        ClickCopy();
        const QMimeData *m = ClipboardData();
        ASSERT_NE(m, nullptr);
        EXPECT_TRUE(m->hasFormat(row.mime)) << row.mime;
        EXPECT_TRUE(plot->GetToolBar(0)->Visible());
        EXPECT_EQ(ToolBarButtons(Shot(W())).size(), shown) << row.mime;

        if (row.format == ipefBitmap) {
            const QImage copied = qvariant_cast<QImage>(m->imageData()).convertToFormat(QImage::Format_RGB32);
            EXPECT_EQ(copied.size(), QSize(500, 300));
            EXPECT_LT(ToolBarButtons(copied).size(), 3u);
        } else if (row.format == ipefMetaFile) {
            const QByteArray bytes = m->data(row.mime);
            const TEmfFile f = ReadEmf(bytes);
            ASSERT_TRUE(f.Error.isEmpty()) << f.Error.toStdString();
            EXPECT_EQ(f.Records.back().Type, uint32_t(U_EMR_EOF));
            EXPECT_EQ(f.Header.rclBounds.right, 499);
            EXPECT_EQ(f.Header.rclBounds.bottom, 299);
            EXPECT_EQ(f.Description.value(1), "Strip Chart");
        } else {
            const QByteArray bytes = m->data(row.mime);
            EXPECT_TRUE(bytes.startsWith("\xFF\xD8"));
            EXPECT_EQ(QImage::fromData(bytes, "JPG").size(), QSize(500, 300));
        }
    }
    // Without the toolbar shown, the copy leaves it hidden.
    plot->GetToolBar(0)->SetVisible(false);
    plot->CopyToClipBoard();
    EXPECT_FALSE(plot->GetToolBar(0)->Visible());
}

TEST_F(ExportTest, SnapShotIsTheOnePictureOfThePlotAsItStands)
{
    TPicture *picture = plot->GetSnapShotPicture();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(plot->GetSnapShotPicture(), picture);
    ASSERT_NE(dynamic_cast<TMetafile *>(picture->Graphic()), nullptr);
    EXPECT_EQ(picture->Width(), 500);
    EXPECT_EQ(picture->Height(), 300);

    // Played back at its size it shows what the plot shows, toolbar included.
    TBitmap played(500, 300);
    played.Canvas()->StretchDraw(TRect(0, 0, 500, 300), picture->Graphic());
    const QImage shown = plot->PaintToImage().convertToFormat(QImage::Format_RGB32);
    const QImage snap = played.Image().convertToFormat(QImage::Format_RGB32);
    int differ = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 500; ++x)
            differ += shown.pixel(x, y) != snap.pixel(x, y);
    EXPECT_LT(differ, 500 * 300 / 20);
    EXPECT_EQ(ToolBarButtons(snap).size(), ToolBarButtons(shown).size());
}

// The signature of each image file.
bool IsPng(const QByteArray &B) { return B.startsWith("\x89PNG\r\n\x1A\n"); }
bool IsBmp(const QByteArray &B)
{
    return B.startsWith("BM") && B.size() > 30 && qFromLittleEndian<qint16>(B.constData() + 28) == 24;
}
// A progressive JPEG has a start-of-frame marker of kind 2.
bool IsProgressiveJpeg(const QByteArray &B) { return B.startsWith("\xFF\xD8\xFF") && B.contains("\xFF\xC2"); }
bool IsEmf(const QByteArray &B)
{
    const TEmfFile f = ReadEmf(B);
    return f.Error.isEmpty() && f.Records.size() > 2 && f.Records.front().Type == U_EMR_HEADER &&
           f.Records.back().Type == U_EMR_EOF && f.RecordBytes == uint64_t(B.size()) &&
           f.Header.rclBounds.right == 499 && f.Header.rclBounds.bottom == 299 &&
           f.Description.value(0) == "Tarvex" && f.Description.value(1).isEmpty();
}

TEST_F(ExportTest, SaveWritesTheFormatOfTheNamesEndingWhateverItsCase)
{
    plot->SetDefaultSaveImageDirectory(dir.path());
    plot->SetDefaultSaveImageFormat(ipifPNG);
    const struct {
        const char *typed;
        int filter;           // the filter chosen in the question
        const char *written;  // the file that appears
        bool (*is)(const QByteArray &);
    } rows[] = {
        {"plot.PNG", 4, "plot.PNG", IsPng},
        {"plot.png", 1, "plot.png", IsPng},
        {"plot.jpeg", 4, "plot.jpeg", IsProgressiveJpeg},
        {"plot.JPG", 4, "plot.JPG", IsProgressiveJpeg},
        {"plot.Emf", 4, "plot.Emf", IsEmf},
        {"plot.bmp", 4, "plot.bmp", IsBmp},
        {"plot", 1, "plot.bmp", IsBmp},
        {"chart", 2, "chart.emf", IsEmf},
        {"plot.txt", 4, "plot.txt.png", IsPng},
    };
    for (const auto &row : rows) {
        TFileDialog::Runner = [&](TFileDialog &q) {
            EXPECT_TRUE(q.IsSave());
            EXPECT_EQ(q.InitialDir, dir.path());
            EXPECT_EQ(q.FileName, "Untitled");
            EXPECT_EQ(q.FilterIndex, 4); // PNG, the default format
            EXPECT_EQ(q.Filters(), QStringList({"Bitmap (*.bmp)", "Enhanced Metafile (*.emf)", "JPEG File (*.jpg)",
                                                "PNG (*.png)"}));
            q.FilterIndex = row.filter;
            return dir.filePath(row.typed);
        };
        ClickSave();
        EXPECT_TRUE(row.is(Read(row.written))) << row.typed;
        QFile::remove(dir.filePath(row.written));
    }
    EXPECT_TRUE(plot->GetToolBar(0)->Visible());
}

TEST_F(ExportTest, CancelledSaveWritesNothing)
{
    plot->SetDefaultSaveImageDirectory(dir.path());
    TFileDialog::Runner = [](TFileDialog &) { return QString(); };
    ClickSave();
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

} // namespace

// The summed squared error of a JPEG's decoded pixels against the original.
double JpegError(const QByteArray &Jpeg, const QImage &Original)
{
    const QImage back = QImage::fromData(Jpeg, "JPG").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(back.size(), Original.size());
    double sum = 0;
    for (int y = 0; y < std::min(back.height(), Original.height()); ++y)
        for (int x = 0; x < std::min(back.width(), Original.width()); ++x) {
            const QRgb a = back.pixel(x, y), b = Original.pixel(x, y);
            for (int d : {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)})
                sum += double(d) * d;
        }
    return sum;
}

// The byte export takes the fast transform, the picture object the accurate
// one: the same plot at the same quality gives other bytes, as close to it.
TEST_F(ExportTest, ByteExportEncodesFasterThanThePictureObject)
{
    const QImage shown = plot->PaintToImage().convertToFormat(QImage::Format_RGB32);
    for (int quality : {75, 100})
        for (bool progressive : {false, true}) {
            const QByteArray fast = plot->GetBytesJPEG(quality, progressive);
            std::unique_ptr<TJPEGImage> image(plot->CreateJPEGImage(quality, progressive));
            const QByteArray accurate = image->Data();
            EXPECT_NE(fast, accurate) << quality << progressive;
            EXPECT_EQ(fast.contains(QByteArray("\xFF\xC2", 2)), progressive);
            const double fastError = JpegError(fast, shown), accurateError = JpegError(accurate, shown);
            EXPECT_LT(fastError, accurateError * 1.5) << quality << progressive;
            EXPECT_LT(accurateError, fastError * 1.5) << quality << progressive;
        }
}
