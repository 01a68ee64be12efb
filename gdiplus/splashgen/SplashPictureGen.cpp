// Paints the splash picture (620 x 350, blue, shapes only) and writes it as
// a PNG file and as a C++ source holding the PNG bytes and, beside them, the
// pixels the PNG decodes to, so that the program shows the picture without
// decoding it. Run by the build.

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>

namespace {

QImage PaintSplash()
{
    const int w = 620, h = 350;
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, QColor(8, 32, 92));
    sky.setColorAt(0.55, QColor(18, 70, 168));
    sky.setColorAt(1.0, QColor(40, 120, 220));
    p.fillRect(img.rect(), sky);

    // Soft light from the upper right.
    QRadialGradient glow(QPointF(520, 40), 260);
    glow.setColorAt(0.0, QColor(120, 190, 255, 110));
    glow.setColorAt(1.0, QColor(120, 190, 255, 0));
    p.fillRect(img.rect(), glow);

    // Concentric rings, as a speaker cone seen from the front.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 46 - i * 6), 2.0 + i));
        const double r = 34 + i * 26;
        p.drawEllipse(QPointF(540, 70), r, r);
    }

    // Two response curves running across the lower half.
    for (int k = 0; k < 2; ++k) {
        QPainterPath curve;
        for (int x = 0; x <= w; x += 4) {
            const double y = 262 + k * 18 + 22 * std::sin(x / 70.0 + k * 1.3) * std::exp(-x / 900.0);
            if (x == 0)
                curve.moveTo(x, y);
            else
                curve.lineTo(x, y);
        }
        p.setPen(QPen(QColor(150, 215, 255, k == 0 ? 170 : 110), k == 0 ? 3.0 : 2.0));
        p.drawPath(curve);
    }

    // Level-meter bars along the bottom edge.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 24; ++i) {
        const int bar = 14 + int(38 * (0.5 + 0.5 * std::sin(i * 0.7)));
        QLinearGradient g(0, h - bar, 0, h);
        g.setColorAt(0.0, QColor(170, 225, 255, 170));
        g.setColorAt(1.0, QColor(90, 160, 240, 90));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(18 + i * 25, h - 8 - bar, 15, bar), 3, 3);
    }

    // A thin light rule under the heading area.
    QLinearGradient rule(40, 0, 580, 0);
    rule.setColorAt(0.0, QColor(255, 255, 255, 0));
    rule.setColorAt(0.5, QColor(255, 255, 255, 150));
    rule.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(40, 190, 540, 2), rule);
    p.end();
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s picture.png source.cpp\n", argv[0]);
        return 2;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!PaintSplash().save(&buffer, "PNG"))
        return 1;
    // Decoded as the program's picture loader decodes it: the same format
    // and pixels. Every 32-bit format keeps one word per pixel with no padding.
    const QImage decoded = QImage::fromData(png, "PNG");
    if (decoded.isNull() || decoded.depth() != 32)
        return 1;
    QFile picture(QString::fromLocal8Bit(argv[1]));
    if (!picture.open(QIODevice::WriteOnly) || picture.write(png) != png.size())
        return 1;
    QByteArray src = "// Made by the build from the splash picture generator; not edited.\n"
                     "#include \"SplashPicture.h\"\n\n"
                     "namespace {\nconst unsigned char kPng[] = {";
    for (int i = 0; i < png.size(); ++i) {
        if (i % 16 == 0)
            src += "\n   ";
        src += ' ' + QByteArray::number(static_cast<unsigned char>(png[i])) + ',';
    }
    src += "\n};\n\nconst quint32 kPixels[] = {";
    for (int y = 0; y < decoded.height(); ++y) {
        const auto *line = reinterpret_cast<const quint32 *>(decoded.constScanLine(y));
        for (int x = 0; x < decoded.width(); ++x) {
            if (x % 8 == 0)
                src += "\n   ";
            src += " 0x" + QByteArray::number(line[x], 16).rightJustified(8, '0') + ',';
        }
    }
    const QByteArray w = QByteArray::number(decoded.width()), h = QByteArray::number(decoded.height());
    src += "\n};\n} // namespace\n\nQByteArray SplashPicturePng()\n{\n"
           "    return QByteArray::fromRawData(reinterpret_cast<const char *>(kPng), int(sizeof kPng));\n}\n\n"
           "QImage SplashPictureImage()\n{\n"
           "    return QImage(reinterpret_cast<const uchar *>(kPixels), " + w + ", " + h + ", " + w + " * 4, QImage::Format("
           + QByteArray::number(int(decoded.format())) + "));\n}\n";
    QFile source(QString::fromLocal8Bit(argv[2]));
    if (!source.open(QIODevice::WriteOnly) || source.write(src) != src.size())
        return 1;
    return 0;
}
