#pragma once
#include "Form.h"

#include <QImage>
#include <QWidget>

#include <cstdlib>

// Renders a shown form into an image (and, when DIALOG_PNG_DIR is set, into
// a PNG there for a look by eye). The number of distinct colours tells a
// drawn dialog from an empty window.
inline QImage RenderForm(TCustomForm &form, const QString &name)
{
    QImage img = form.Widget()->grab().toImage();
    const QByteArray dir = qgetenv("DIALOG_PNG_DIR");
    if (!dir.isEmpty())
        img.save(QString::fromLocal8Bit(dir) + '/' + name + ".png");
    return img;
}

inline int DistinctColours(const QImage &img)
{
    QSet<QRgb> seen;
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2)
            seen.insert(img.pixel(x, y));
    return int(seen.size());
}
