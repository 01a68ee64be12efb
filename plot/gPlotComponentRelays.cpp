// The relays of the plot's channels' data-point events and its annotations'
// events.
#include "gPlotAnnotation.h"
#include "gPlotChannelCustom.h"
#include "gPlotComponent.h"

bool TgPlotComponent::IndexOfKind(const TObject *Object, TgPlotEventKind Wanted, int &Index) const
{
    TgPlotEventKind kind;
    return KindOf(Object, kind, Index) && kind == Wanted;
}

void TgPlotComponent::DoDataPointMouseDown(TgPlotChannelCustom *Channel, int DataIndex, const TgPlotMouseData &Data)
{
    int channel;
    if (!IsLoading() && OnMouseDownDataPoint && IndexOfKind(Channel, ipekChannel, channel))
        OnMouseDownDataPoint(this, channel, DataIndex, Data.Button, Data.Shift, Data.X, Data.Y);
}

void TgPlotComponent::DoDataPointMouseMove(TgPlotChannelCustom *Channel, int DataIndex, const TgPlotMouseData &Data)
{
    int channel;
    if (!IsLoading() && OnMouseMoveDataPoint && IndexOfKind(Channel, ipekChannel, channel))
        OnMouseMoveDataPoint(this, channel, DataIndex, Data.Shift, Data.X, Data.Y);
}

void TgPlotComponent::DoDataPointMouseUp(TgPlotChannelCustom *Channel, int DataIndex, const TgPlotMouseData &Data)
{
    int channel;
    if (!IsLoading() && OnMouseUpDataPoint && IndexOfKind(Channel, ipekChannel, channel))
        OnMouseUpDataPoint(this, channel, DataIndex, Data.Button, Data.Shift, Data.X, Data.Y);
}

void TgPlotComponent::DoDataPointClick(TgPlotChannelCustom *Channel, int DataIndex)
{
    int channel;
    if (IsLoading() || !IndexOfKind(Channel, ipekChannel, channel))
        return;
    const TgPlotClickDataPointEvent &event = FDblClickActive ? OnDblClickDataPoint : OnClickDataPoint;
    if (event)
        event(this, channel, DataIndex);
}

void TgPlotComponent::DoDataPointMoved(TgPlotChannelCustom *Channel, int DataIndex, double OldX, double OldY,
                                       double NewX, double NewY)
{
    int channel;
    if (!IsLoading() && OnDataPointMoved && IndexOfKind(Channel, ipekChannel, channel))
        OnDataPointMoved(this, channel, DataIndex, OldX, OldY, NewX, NewY);
}

void TgPlotComponent::DoDataPointCustomizeHint(TgPlotChannelCustom *Channel, int DataIndex, QString &Text)
{
    int channel;
    if (!IsLoading() && OnDataPointCustomizeHint && IndexOfKind(Channel, ipekChannel, channel))
        OnDataPointCustomizeHint(this, channel, DataIndex, Text);
}

void TgPlotComponent::FireAnnotationEvent(TgPlotAnnotation *Annotation, const TgPlotObjectEvent &Event)
{
    int index;
    if (!IsLoading() && Event && IndexOfKind(Annotation, ipekAnnotation, index))
        Event(this, index);
}

void TgPlotComponent::DoAnnotationCoordinatesChange(TgPlotAnnotation *Annotation)
{
    FireAnnotationEvent(Annotation, OnAnnotationCoordinatesChange);
}

void TgPlotComponent::DoAnnotationMoveUser(TgPlotAnnotation *Annotation)
{
    FireAnnotationEvent(Annotation, OnAnnotationMoveUser);
}

void TgPlotComponent::DoAnnotationResizeUser(TgPlotAnnotation *Annotation)
{
    FireAnnotationEvent(Annotation, OnAnnotationResizeUser);
}

void TgPlotComponent::DoAnnotationCoordinatesChangeFinished(TgPlotAnnotation *Annotation)
{
    FireAnnotationEvent(Annotation, OnAnnotationCoordinatesChangeFinished);
}
