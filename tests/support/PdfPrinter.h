#pragma once
// The program printer writing a PDF file for a test, and what the file
// holds, read from its object dictionaries (which Qt writes uncompressed).
#include "Printers.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QTemporaryDir>

#include <vector>

// While it lives, the program printer writes File (in a temporary folder)
// on the paper given; afterwards the printer is as it was, with no
// document open, no injected geometry and no print-question runner.
struct TPdfPrinter {
    QTemporaryDir dir;
    QString file = dir.filePath("out.pdf");
    QPageLayout layout = Printer()->pageLayout();
    int resolution = Printer()->resolution();
    QPrinter::OutputFormat format = Printer()->outputFormat();
    QString before = Printer()->outputFileName();

    explicit TPdfPrinter(QPageSize::PageSizeId Paper = QPageSize::Letter)
    {
        Printer()->setOutputFormat(QPrinter::PdfFormat);
        Printer()->setOutputFileName(file);
        Printer()->setPageSize(QPageSize(Paper));
    }
    ~TPdfPrinter()
    {
        PrinterEndDoc();
        InjectPrinterGeometry(std::nullopt);
        TPrintDialog::Runner = nullptr;
        Printer()->setOutputFileName(before);
        Printer()->setOutputFormat(format);
        Printer()->setResolution(resolution);
        Printer()->setPageLayout(layout);
    }
};

inline QByteArray PdfBytes(const QString &FileName)
{
    QFile f(FileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The page objects ("/Type /Page", not "/Pages").
inline int PdfPageCount(const QString &FileName)
{
    const QString text = QString::fromLatin1(PdfBytes(FileName));
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
}

// Each page's media box in points (1/72 inch), in file order.
inline std::vector<QSizeF> PdfMediaBoxes(const QString &FileName)
{
    std::vector<QSizeF> boxes;
    const QString text = QString::fromLatin1(PdfBytes(FileName));
    QRegularExpression box(QStringLiteral("/MediaBox\\s*\\[\\s*([-0-9.]+)\\s+([-0-9.]+)\\s+([-0-9.]+)\\s+([-0-9.]+)"));
    for (auto it = box.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        boxes.emplace_back(m.captured(3).toDouble() - m.captured(1).toDouble(),
                           m.captured(4).toDouble() - m.captured(2).toDouble());
    }
    return boxes;
}

// Each page as paper shows it, rasterised by poppler's pdftoppm at Dpi
// pixels per inch without smoothing, so that every colour stays exact; empty
// when the file cannot be rasterised.
inline std::vector<QImage> PdfPages(const QString &FileName, int Dpi)
{
    std::vector<QImage> pages;
    QTemporaryDir dir;
    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-png"),
                                             QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"),
                                             QStringLiteral("no"), FileName, dir.filePath(QStringLiteral("page"))});
    if (!raster.waitForFinished(100000) || raster.exitStatus() != QProcess::NormalExit || raster.exitCode() != 0)
        return pages;
    // page-1.png .. page-N.png, the number padded to the width of N.
    const QStringList names = QDir(dir.path()).entryList({QStringLiteral("page-*.png")}, QDir::Files, QDir::Name);
    for (const QString &name : names)
        pages.push_back(QImage(dir.filePath(name)).convertToFormat(QImage::Format_RGB32));
    return pages;
}
