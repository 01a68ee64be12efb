#include "InvertRect.h"

#include <QPaintDevice>
#include <QPainter>

void InvertRect(TCanvas *Canvas, const TRect &R)
{
    QPainter *p = Canvas->Handle();
    if (!p || R.IsEmpty())
        return;
    if (!p->device() || p->device()->devType() != QInternal::Image) {
        Canvas->DrawFocusRect(R);
        return;
    }
    p->save();
    p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p->fillRect(ToQRect(R), Qt::white);
    p->restore();
}
