#include "gPlotToolBarImages.h"

#include <QPainter>
#include <QPolygon>

#include <functional>
#include <map>

namespace {

// The sixteen colours the pictures use (teal is the background).
const QColor kBlack(0, 0, 0), kGrey(128, 128, 128), kSilver(192, 192, 192), kWhite(255, 255, 255),
    kNavy(0, 0, 128), kBlue(0, 0, 255), kGreen(0, 128, 0), kLime(0, 255, 0), kMaroon(128, 0, 0), kRed(255, 0, 0),
    kOlive(128, 128, 0), kYellow(255, 255, 0), kAqua(0, 255, 255), kTeal(0, 128, 128);

// Every picture is drawn on a 24-unit grid; the small set scales it down.
using TPainterStep = std::function<void(QPainter &)>;

void Outlined(QPainter &P, const QColor &Fill)
{
    P.setPen(QPen(kBlack, 0));
    P.setBrush(Fill);
}

void Lens(QPainter &P, int X, int Y, int R, const QColor &Glass)
{
    P.setPen(QPen(kOlive, 3, Qt::SolidLine, Qt::FlatCap));
    P.drawLine(X + R - 1, Y + R - 1, X + R + 5, Y + R + 5);
    Outlined(P, Glass);
    P.drawEllipse(QPoint(X, Y), R, R);
}

void Sign(QPainter &P, int X, int Y, bool Plus)
{
    P.fillRect(X - 3, Y - 1, 7, 2, kBlack);
    if (Plus)
        P.fillRect(X - 1, Y - 3, 2, 7, kBlack);
}

void Page(QPainter &P, int L, int T, int R, int B)
{
    Outlined(P, kWhite);
    P.drawRect(L, T, R - L, B - T);
    P.setPen(QPen(kGrey, 0));
    for (int y = T + 3; y < B - 1; y += 3)
        P.drawLine(L + 2, y, R - 2, y);
}

void Arrowhead(QPainter &P, QPoint Tip, QPoint Back)
{
    const QPoint d = Tip - Back, n(-d.y(), d.x());
    P.drawPolygon(QPolygon({Tip, Back + n, Back - n}));
}

const std::map<QString, TPainterStep> &Pictures()
{
    static const std::map<QString, TPainterStep> pictures = {
        {QStringLiteral("AUTO"),
         [](QPainter &P) {
             Outlined(P, kLime);
             P.drawPolygon(QPolygon({{7, 4}, {19, 12}, {7, 20}}));
         }},
        {QStringLiteral("PAUSE"),
         [](QPainter &P) {
             Outlined(P, kBlue);
             P.drawRect(6, 5, 4, 14);
             P.drawRect(14, 5, 4, 14);
         }},
        {QStringLiteral("SCROLL"),
         [](QPainter &P) {
             P.fillRect(11, 6, 3, 13, kNavy);
             P.fillRect(6, 11, 13, 3, kNavy);
             Outlined(P, kNavy);
             Arrowhead(P, {12, 2}, {12, 6});
             Arrowhead(P, {12, 22}, {12, 18});
             Arrowhead(P, {2, 12}, {6, 12});
             Arrowhead(P, {22, 12}, {18, 12});
         }},
        {QStringLiteral("ZOOM"),
         [](QPainter &P) {
             Lens(P, 10, 10, 6, kAqua);
             P.setPen(QPen(kNavy, 0));
             P.drawLine(7, 10, 13, 10);
             P.drawLine(10, 7, 10, 13);
         }},
        {QStringLiteral("ZOOMOUT"),
         [](QPainter &P) {
             Lens(P, 10, 10, 6, kWhite);
             Sign(P, 10, 10, false);
         }},
        {QStringLiteral("ZOOMIN"),
         [](QPainter &P) {
             Lens(P, 10, 10, 6, kWhite);
             Sign(P, 10, 10, true);
         }},
        {QStringLiteral("SELECT"),
         [](QPainter &P) {
             Outlined(P, kWhite);
             P.drawPolygon(QPolygon({{7, 3}, {7, 19}, {11, 15}, {14, 21}, {16, 20}, {13, 14}, {18, 14}}));
         }},
        {QStringLiteral("SCROLLBOX"),
         [](QPainter &P) {
             P.setBrush(Qt::NoBrush);
             P.setPen(QPen(kBlack, 0, Qt::DashLine));
             P.drawRect(3, 4, 15, 12);
             Lens(P, 15, 14, 4, kAqua);
         }},
        {QStringLiteral("CURSOR"),
         [](QPainter &P) {
             P.setPen(QPen(kRed, 0));
             P.drawLine(12, 2, 12, 22);
             P.drawLine(2, 12, 22, 12);
             P.setBrush(Qt::NoBrush);
             P.setPen(QPen(kMaroon, 0));
             P.drawEllipse(QPoint(12, 12), 4, 4);
         }},
        {QStringLiteral("PROPERTIES"),
         [](QPainter &P) {
             Outlined(P, kSilver);
             P.drawRect(3, 3, 18, 18);
             P.fillRect(4, 4, 17, 3, kNavy);
             for (int y : {10, 15}) {
                 Outlined(P, kWhite);
                 P.drawRect(5, y, 3, 3);
                 P.fillRect(10, y + 1, 9, 2, kGrey);
             }
             P.fillRect(6, 11, 2, 2, kBlack);
         }},
        {QStringLiteral("COPY"),
         [](QPainter &P) {
             Page(P, 3, 2, 14, 15);
             Page(P, 9, 8, 20, 21);
         }},
        {QStringLiteral("SAVE"),
         [](QPainter &P) {
             Outlined(P, kNavy);
             P.drawRect(3, 3, 18, 18);
             P.fillRect(7, 4, 10, 6, kSilver);
             P.fillRect(13, 5, 2, 4, kNavy);
             P.fillRect(6, 13, 12, 8, kWhite);
             P.fillRect(8, 15, 8, 1, kGrey);
             P.fillRect(8, 18, 8, 1, kGrey);
         }},
        {QStringLiteral("PRINTER"),
         [](QPainter &P) {
             Outlined(P, kWhite);
             P.drawRect(7, 3, 10, 8);
             Outlined(P, kSilver);
             P.drawRect(2, 10, 20, 8);
             P.fillRect(18, 12, 2, 2, kGreen);
             Outlined(P, kWhite);
             P.drawRect(6, 16, 12, 5);
             P.fillRect(3, 11, 19, 1, kWhite);
         }},
        {QStringLiteral("PREVIEW"),
         [](QPainter &P) {
             Page(P, 3, 2, 16, 21);
             Lens(P, 14, 13, 4, kYellow);
         }},
    };
    return pictures;
}

} // namespace

QImage PlotToolBarImage(const QString &Name)
{
    const bool small = Name.startsWith(QStringLiteral("SMALL"));
    const auto it = Pictures().find(small ? Name.mid(5) : Name);
    if (it == Pictures().end())
        return QImage();
    const int size = small ? 16 : 24;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(kTeal);
    QPainter painter(&image);
    // Sixteen colours: no blending, so that only the background is teal.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(size / 24.0, size / 24.0);
    it->second(painter);
    painter.end();
    return image;
}
