#include "Brush.h"

const QStringList &BrushStyleNames()
{
    static const QStringList names{QStringLiteral("bsSolid"),     QStringLiteral("bsClear"),
                                   QStringLiteral("bsHorizontal"), QStringLiteral("bsVertical"),
                                   QStringLiteral("bsFDiagonal"), QStringLiteral("bsBDiagonal"),
                                   QStringLiteral("bsCross"),     QStringLiteral("bsDiagCross")};
    return names;
}

void TBrush::SetColor(TColor Value)
{
    // Setting a colour makes a clear brush solid again, as GDI brushes do.
    if (Value == color_ && style_ != bsClear)
        return;
    color_ = Value;
    if (style_ == bsClear)
        style_ = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value)
{
    if (Value == style_)
        return;
    style_ = Value;
    Changed();
}

void TBrush::Assign(TPersistent *Source)
{
    if (auto *src = dynamic_cast<TBrush *>(Source)) {
        if (src == this)
            return;
        color_ = src->color_;
        style_ = src->style_;
        Changed();
        return;
    }
    TPersistent::Assign(Source);
}
