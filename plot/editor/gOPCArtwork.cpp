#include "gOPCArtwork.h"

#include <QPainter>

namespace OPCArtwork {
namespace {

QImage Blank(int Size)
{
    QImage img(Size, Size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// A small server: a framed box with two drive slots.
void Server(QPainter &p, const QRect &r, const QColor &body)
{
    p.setPen(QColor(40, 40, 60));
    p.setBrush(body);
    p.drawRect(r);
    p.setPen(QColor(230, 230, 240));
    for (int i = 1; i <= 2; ++i) {
        const int y = r.top() + i * r.height() / 3;
        p.drawLine(r.left() + 2, y, r.right() - 2, y);
    }
}

} // namespace

QImage ManagerImage()
{
    QImage img = Blank(24);
    QPainter p(&img);
    Server(p, QRect(2, 3, 8, 17), QColor(70, 110, 170));
    Server(p, QRect(14, 3, 8, 17), QColor(60, 140, 90));
    p.setPen(QPen(QColor(200, 120, 20), 2));
    p.drawLine(10, 11, 14, 11);
    return img;
}

QImage ExplorerNodeImage(ExplorerNode Node)
{
    QImage img = Blank(16);
    QPainter p(&img);
    switch (Node) {
    case ServersRoot: // a monitor
        p.setPen(QColor(40, 40, 60));
        p.setBrush(QColor(90, 150, 220));
        p.drawRect(1, 2, 13, 9);
        p.drawLine(7, 12, 7, 13);
        p.drawLine(4, 14, 10, 14);
        break;
    case GroupsRoot: // a folder
        p.setPen(QColor(120, 90, 20));
        p.setBrush(QColor(240, 200, 80));
        p.drawRect(1, 4, 13, 9);
        p.drawRect(1, 2, 5, 2);
        break;
    case Connection: // a plug
        p.setPen(QColor(40, 40, 60));
        p.setBrush(QColor(60, 140, 90));
        p.drawRect(3, 5, 8, 7);
        p.drawLine(5, 2, 5, 5);
        p.drawLine(9, 2, 9, 5);
        p.drawLine(7, 12, 7, 15);
        break;
    }
    return img;
}

} // namespace OPCArtwork
