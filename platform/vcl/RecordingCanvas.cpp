#include "RecordingCanvas.h"

#include <QPainter>
#include <algorithm>

TRecordingCanvas::TRecordingCanvas()
{
    record_ = &calls_;
}

TRecordingCanvas::TRecordingCanvas(int Width, int Height) : image_(Width, Height, QImage::Format_RGB32)
{
    record_ = &calls_;
    image_.fill(Qt::white);
}

TRecordingCanvas::~TRecordingCanvas()
{
    Detach();
}

void TRecordingCanvas::CreateHandle()
{
    if (image_.isNull())
        return;
    painter_own_ = std::make_unique<QPainter>(&image_);
    Attach(painter_own_.get(), TPoint(0, 0), Bounds(0, 0, image_.width(), image_.height()));
}

int TRecordingCanvas::Count(TCanvasPrimitive Kind) const
{
    return int(std::count_if(calls_.begin(), calls_.end(), [Kind](const TCanvasCall &c) { return c.Kind == Kind; }));
}

int TRecordingCanvas::Segments() const
{
    int n = 0;
    for (const TCanvasCall &c : calls_)
        if (c.Kind == cpLine)
            ++n;
        else if (c.Kind == cpPolyline && c.Points.size() > 1)
            n += int(c.Points.size()) - 1;
    return n;
}

std::vector<TCanvasCall> TRecordingCanvas::Of(TCanvasPrimitive Kind) const
{
    std::vector<TCanvasCall> result;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(result),
                 [Kind](const TCanvasCall &c) { return c.Kind == Kind; });
    return result;
}
