#include "gPlotAnnotation.h"

#include "TypInfo.h"

TgPlotAnnotation::TgPlotAnnotation(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                   TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TgPlotObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))
{
    FFont.SetName(QStringLiteral("Arial"));
    FFont.SetColor(clWhite);
    FFont.OnChange = [this](TObject *) { DoChange(); };
}

void TgPlotAnnotation::NotificationRemove(TObject *Sender)
{
    TgPlotObject::NotificationRemove(Sender);
    // Told from the object's base destructor: compare addresses only.
    if (static_cast<void *>(Sender) == static_cast<void *>(FDataView))
        FDataView = nullptr;
}

const TPublishedClass *TgPlotAnnotation::StaticPublished()
{
    using A = TgPlotAnnotation;
    static const QStringList references{QStringLiteral("iprtDataView"), QStringLiteral("iprtChannel"),
                                        QStringLiteral("iprtXChannelYDataView"),
                                        QStringLiteral("iprtXDataViewYChannel")};
    static const QStringList individual{QStringLiteral("ipriDataView"), QStringLiteral("ipriChannel"),
                                        QStringLiteral("ipriAuto")};
    // PenWidth starts at 0 but is stored against 1, as declared.
    static const TPublishedClass info =
        TPublishedBuilder<A>(TgPlotObject::StaticPublished())
            .Enumeration("Reference", &A::Reference, &A::SetReference, references, iprtDataView)
            .Enumeration("ReferencePositionX", &A::ReferencePositionX, &A::SetReferencePositionX, individual, ipriAuto)
            .Enumeration("ReferencePositionY", &A::ReferencePositionY, &A::SetReferencePositionY, individual, ipriAuto)
            .Enumeration("ReferenceSizeX", &A::ReferenceSizeX, &A::SetReferenceSizeX, individual, ipriAuto)
            .Enumeration("ReferenceSizeY", &A::ReferenceSizeY, &A::SetReferenceSizeY, individual, ipriAuto)
            .Integer("PenColor", &A::PenColor, &A::SetPenColor, clWhite)
            .Integer("PenWidth", &A::PenWidth, &A::SetPenWidth, 1)
            .Enumeration("PenStyle", &A::PenStyle, &A::SetPenStyle, PenStyleNames(), psSolid)
            .Integer("BrushColor", &A::BrushColor, &A::SetBrushColor, clWhite)
            .Enumeration("BrushStyle", &A::BrushStyle, &A::SetBrushStyle, BrushStyleNames(), bsSolid)
            .Object("Font", [](A *a) -> TObject * { return a->Font(); })
            .Build();
    return &info;
}
