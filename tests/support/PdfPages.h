#pragma once
// What a PDF file written by the printer holds, read from its object
// dictionaries (which Qt writes uncompressed).
#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QSizeF>

#include <vector>

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
