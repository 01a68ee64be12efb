// The recording canvas: each drawing call is written down once with its pen
// and brush, whether or not the canvas also draws, and a sized one draws the
// same pixels as a bitmap's canvas.
#include "Bitmap.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

// The calls of a small drawing, one of each kind.
void DrawOneOfEach(TCanvas *C)
{
    C->Pen()->SetColor(clBlue);
    C->Brush()->SetStyle(bsBDiagonal);
    C->Brush()->SetColor(clRed);
    C->MoveTo(1, 1);
    C->LineTo(8, 1);
    C->Polyline({TPoint(1, 3), TPoint(5, 3), TPoint(5, 9)});
    C->Polygon({TPoint(10, 10), TPoint(14, 10), TPoint(12, 14)});
    C->Rectangle(2, 12, 9, 18);
    C->Ellipse(12, 2, 18, 8);
    C->FillRect(TRect(0, 18, 4, 20));
    C->SetPixel(19, 19, clGreen);
    C->TextOut(0, 0, QStringLiteral("A"));
}

TEST(RecordingCanvas, RecordsEachCallWithItsPenAndBrush)
{
    for (bool draws : {false, true}) {
        std::unique_ptr<TRecordingCanvas> c = draws ? std::make_unique<TRecordingCanvas>(20, 20)
                                                    : std::make_unique<TRecordingCanvas>();
        DrawOneOfEach(c.get());
        EXPECT_EQ(c->Count(cpLine), 1);
        EXPECT_EQ(c->Count(cpPolyline), 1);
        EXPECT_EQ(c->Count(cpPolygon), 1);
        EXPECT_EQ(c->Count(cpRectangle), 1);
        EXPECT_EQ(c->Count(cpEllipse), 1);
        EXPECT_EQ(c->Count(cpFillRect), 1);
        EXPECT_EQ(c->Count(cpPixel), 1);
        EXPECT_EQ(c->Count(cpText), 1);
        EXPECT_EQ(c->Segments(), 1 + 2);
        const TCanvasCall line = c->Of(cpLine)[0];
        EXPECT_EQ(line.Points, (std::vector<TPoint>{TPoint(1, 1), TPoint(8, 1)}));
        EXPECT_EQ(line.PenColor, clBlue);
        const TCanvasCall rect = c->Of(cpRectangle)[0];
        EXPECT_EQ(rect.BrushStyle, bsBDiagonal);
        EXPECT_EQ(rect.BrushColor, clRed);
        EXPECT_EQ(c->Of(cpText)[0].Text, QStringLiteral("A"));
        EXPECT_EQ(c->Image().isNull(), !draws);
        c->ClearCalls();
        EXPECT_TRUE(c->Calls().empty());
    }
}

// Recording changes no pixel: the sized canvas draws what a bitmap draws.
TEST(RecordingCanvas, DrawsTheSamePixelsAsABitmap)
{
    TRecordingCanvas recorded(20, 20);
    TBitmap plain(20, 20);
    DrawOneOfEach(&recorded);
    plain.Canvas()->Font()->Assign(recorded.Font());
    DrawOneOfEach(plain.Canvas());
    const QImage a = recorded.Image().convertToFormat(QImage::Format_RGB32);
    const QImage b = plain.Image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(a, b);
    EXPECT_EQ(recorded.Pixels(19, 19), clGreen);
}

} // namespace
