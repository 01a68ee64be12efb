// The toolbar's Copy as the programs of the desktop meet it: the button is
// found in the rendered plot and clicked, then a second program on the same
// X display reads the clipboard's formats and the picture it offers.
#include "Color.h"
#include "EmfRecords.h"
#include "Form.h"
#include "RenderedPlot.h"
#include "gPlotChannelCustom.h"
#include "gPlotToolBar.h"
#include "gXYPlot.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct TRead {
    QStringList Formats;
    QByteArray Bytes;
};

// Runs the reader for one format while this program keeps answering the X
// server's requests for the clipboard it owns.
TRead ReadFromAnotherProgram(const QString &Format)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("out"));
    QProcess reader;
    reader.start(QStringLiteral(CLIPBOARDREADER_PATH), {Format, file});
    const QDeadlineTimer deadline(60000);
    while (reader.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        reader.waitForFinished(20);
    }
    EXPECT_EQ(reader.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    TRead read;
    read.Formats = QString::fromLocal8Bit(reader.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QFile f(file);
    if (f.open(QIODevice::ReadOnly))
        read.Bytes = f.readAll();
    return read;
}

TEST(ClipboardTest, CopyOffersTheMetafileFirstAndAPngOfThePlotBesideIt)
{
    TForm form{nullptr};
    form.SetBounds(0, 0, 560, 360);
    auto *plot = new TgXYPlot(&form);
    plot->SetParent(&form);
    plot->SetBounds(0, 0, 500, 300);
    for (int i = 0; i <= 20; ++i)
        plot->GetChannel(0)->AddXY(i, (i * 7) % 11);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
    ASSERT_EQ(plot->CopyToClipBoardFormat(), ipefMetaFile);

    // Copy is the third button from the toolbar's end (Copy, Save, Print).
    const std::vector<QRect> buttons = ToolBarButtons(Shot(plot->Widget()));
    ASSERT_GE(buttons.size(), 3u);
    QTest::mouseClick(plot->Widget(), Qt::LeftButton, Qt::NoModifier, buttons[buttons.size() - 3].center());

    const TRead png = ReadFromAnotherProgram(QStringLiteral("image/png"));
    const qsizetype emfAt = png.Formats.indexOf(QStringLiteral("image/x-emf"));
    const qsizetype pngAt = png.Formats.indexOf(QStringLiteral("image/png"));
    ASSERT_GE(emfAt, 0) << png.Formats.join(u' ').toStdString();
    ASSERT_GE(pngAt, 0) << png.Formats.join(u' ').toStdString();
    EXPECT_LT(emfAt, pngAt);
    for (qsizetype i = 0; i < emfAt; ++i) // only the selection's own targets come before it
        EXPECT_FALSE(png.Formats[i].contains(u'/')) << png.Formats[i].toStdString();

    // The PNG is the plot without its toolbar, pixel for pixel as it paints.
    ASSERT_TRUE(png.Bytes.startsWith("\x89PNG\r\n\x1A\n"));
    const QImage pasted = QImage::fromData(png.Bytes, "PNG").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(pasted.size(), QSize(500, 300));
    EXPECT_LT(ToolBarButtons(pasted).size(), 3u);
    const QRect curve = ColourBox(pasted, ToQColor(plot->GetChannel(0)->Color()).rgb(), pasted.rect());
    EXPECT_GT(curve.width(), 250);
    EXPECT_GT(curve.height(), 100);
    EXPECT_TRUE(plot->GetToolBar(0)->Visible());
    plot->GetToolBar(0)->SetVisible(false);
    const QImage shown = plot->PaintToImage().convertToFormat(QImage::Format_RGB32);
    int differ = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 500; ++x)
            differ += shown.pixel(x, y) != pasted.pixel(x, y);
    EXPECT_LT(differ, 500 * 300 / 50);

    // The metafile itself still reaches the other program whole.
    const TRead emf = ReadFromAnotherProgram(QStringLiteral("image/x-emf"));
    const TEmfFile f = ReadEmf(emf.Bytes);
    ASSERT_TRUE(f.Error.isEmpty()) << f.Error.toStdString();
    EXPECT_EQ(f.Records.back().Type, uint32_t(U_EMR_EOF));
    EXPECT_EQ(f.Description.value(1), "Strip Chart");
}

} // namespace
