#pragma once
#include "Canvas.h"

#include <QImage>
#include <memory>

// A canvas that writes down every drawing call it receives (the kind, the
// points as given, the pen and the brush) for tests and benchmarks that count
// what a piece of drawing code emits. Made with a size it also draws, as a
// bitmap's canvas does, onto a white image of that size; made without one it
// only records (measuring still works, as on any canvas without a device).
class TRecordingCanvas : public TCanvas {
public:
    TRecordingCanvas();
    TRecordingCanvas(int Width, int Height);
    ~TRecordingCanvas() override;

    const std::vector<TCanvasCall> &Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }
    // Calls of one kind.
    int Count(TCanvasPrimitive Kind) const;
    // Straight pieces of line: one per LineTo, Count - 1 per polyline.
    int Segments() const;
    // The calls of one kind, in order.
    std::vector<TCanvasCall> Of(TCanvasPrimitive Kind) const;

    // The pixels drawn so far (a null image for a recording-only canvas).
    const QImage &Image() const { return image_; }

protected:
    void CreateHandle() override;
    const QImage *ReadableImage() override { return image_.isNull() ? nullptr : &image_; }
    QImage *WritableImage() override { return image_.isNull() ? nullptr : &image_; }

private:
    std::vector<TCanvasCall> calls_;
    QImage image_;
    std::unique_ptr<QPainter> painter_own_;
};
