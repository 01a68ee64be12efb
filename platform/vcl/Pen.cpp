#include "Pen.h"

const QStringList &PenStyleNames()
{
    static const QStringList names{QStringLiteral("psSolid"),      QStringLiteral("psDash"),
                                   QStringLiteral("psDot"),        QStringLiteral("psDashDot"),
                                   QStringLiteral("psDashDotDot"), QStringLiteral("psClear"),
                                   QStringLiteral("psInsideFrame")};
    return names;
}

void TPen::SetColor(TColor Value)
{
    if (Value == color_)
        return;
    color_ = Value;
    Changed();
}

void TPen::SetWidth(int Value)
{
    if (Value < 1)
        Value = 1;
    if (Value == width_)
        return;
    width_ = Value;
    Changed();
}

void TPen::SetStyle(TPenStyle Value)
{
    if (Value == style_)
        return;
    style_ = Value;
    Changed();
}

void TPen::SetMode(TPenMode Value)
{
    if (Value == mode_)
        return;
    mode_ = Value;
    Changed();
}

void TPen::Assign(TPersistent *Source)
{
    if (auto *src = dynamic_cast<TPen *>(Source)) {
        if (src == this)
            return;
        color_ = src->color_;
        width_ = src->width_;
        style_ = src->style_;
        mode_ = src->mode_;
        Changed();
        return;
    }
    TPersistent::Assign(Source);
}
