// Annotations on a shown XY plot: the reference frames, where each style
// answers the mouse, text placement, moving and resizing with their events,
// select-mode gating and clipping. Figures are found in the rendered
// picture by their colours; the mouse reaches the plot's own widget.
#include "Bitmap.h"
#include "Canvas.h"
#include "Cursors.h"
#include "ShownPlot.h"
#include "gDrawing.h"
#include "gPlotAnnotation.h"
#include "gPlotDataView.h"
#include "gXYPlot.h"
#include "gXYPlotChannel.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

QPoint Centre(const QRect &R) { return QPoint((R.left() + R.right()) / 2, (R.top() + R.bottom()) / 2); }
QRect ToArea(const TRect &R) { return QRect(R.Left, R.Top, R.Width(), R.Height()); }

struct AnnotationFixture : ::testing::Test {
    TShownPlot<TgXYPlot> shown{600, 400};
    TgXYPlot *plot = shown.plot;
    QStringList events;

    AnnotationFixture()
    {
        // Channel values 0..200 across and 0..400 up: 50 lies at a quarter
        // across and an eighth up, apart from the data view's 50 percent.
        plot->GetXAxis(0)->SetMinSpan(0, 200);
        plot->GetYAxis(0)->SetMinSpan(0, 400);
        plot->GetDataView(0)->SetGridShow(false);
        plot->OnClickAnnotation = [this](TObject *, int i) { events << QStringLiteral("click %1").arg(i); };
        plot->OnAnnotationMoveUser = [this](TObject *, int i) { events << QStringLiteral("move %1").arg(i); };
        plot->OnAnnotationResizeUser = [this](TObject *, int i) { events << QStringLiteral("resize %1").arg(i); };
        plot->OnAnnotationCoordinatesChange = [this](TObject *, int i) {
            events << QStringLiteral("coordinates %1").arg(i);
        };
        plot->OnAnnotationCoordinatesChangeFinished = [this](TObject *, int i) {
            events << QStringLiteral("finished %1").arg(i);
        };
    }
    TgPlotAnnotation *Add(TgPlotAnnotationStyle Style, TColor Pen)
    {
        TgPlotAnnotation *a = plot->GetAnnotation(plot->AddAnnotation());
        a->SetStyle(Style);
        a->SetPenColor(Pen);
        a->SetBrushStyle(bsClear);
        a->SetChannelName(plot->GetChannel(0)->Name());
        return a;
    }
    QImage Picture() { return shown.Shot(); }
    QRect Find(TColor Colour)
    {
        const QImage picture = Picture();
        return BoxOf(picture, Rgb(Colour), View());
    }
    QRect View() const { return ToArea(plot->GetDataView(0)->DrawRect()); }
    // A press at From, Steps even moves with the button held to To, the
    // release there.
    void DragSteps(QPoint From, QPoint To, int Steps)
    {
        SendMouse(shown.Widget(), QEvent::MouseButtonPress, From);
        for (int i = 1; i <= Steps; ++i)
            Move(shown.Widget(), From + (To - From) * i / Steps, Qt::LeftButton);
        SendMouse(shown.Widget(), QEvent::MouseButtonRelease, To);
    }
    void Hover(QPoint P) { Move(shown.Widget(), P); }
    int Count(const QString &Prefix) const { return events.filter(QRegularExpression("^" + Prefix)).size(); }
};

using Frames = AnnotationFixture;

// Each coordinate takes its own frame, or with ipriAuto the reference's;
// a channel frame without its channel draws nothing and hears nothing.
TEST_F(Frames, EachCoordinateInItsFrame)
{
    enum F { V, C }; // data view, channel
    const struct {
        const char *name;
        TgPlotReferenceType reference;
        TgPlotReferenceIndividual posX, posY, sizeX, sizeY;
        F x, y, w, h;
    } rows[] = {
        {"data view", iprtDataView, ipriAuto, ipriAuto, ipriAuto, ipriAuto, V, V, V, V},
        {"channel", iprtChannel, ipriAuto, ipriAuto, ipriAuto, ipriAuto, C, C, C, C},
        {"X channel, Y data view", iprtXChannelYDataView, ipriAuto, ipriAuto, ipriAuto, ipriAuto, C, V, C, V},
        {"X data view, Y channel", iprtXDataViewYChannel, ipriAuto, ipriAuto, ipriAuto, ipriAuto, V, C, V, C},
        {"own channel frames", iprtDataView, ipriChannel, ipriChannel, ipriChannel, ipriChannel, C, C, C, C},
        {"own data view frames", iprtChannel, ipriDataView, ipriAuto, ipriAuto, ipriDataView, V, C, C, V},
    };
    plot->SetClipAnnotationsToAxes(false);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        plot->RemoveAllAnnotations();
        auto set = [&row](TgPlotAnnotation *a) {
            a->SetReference(row.reference);
            a->SetReferencePositionX(row.posX);
            a->SetReferencePositionY(row.posY);
            a->SetReferenceSizeX(row.sizeX);
            a->SetReferenceSizeY(row.sizeY);
        };
        TgPlotAnnotation *lineX = Add(ipasLineX, clLime);
        lineX->SetX(50);
        set(lineX);
        TgPlotAnnotation *lineY = Add(ipasLineY, clYellow);
        lineY->SetY(50);
        set(lineY);
        TgPlotAnnotation *box = Add(ipasRectangle, clAqua);
        set(box);
        box->SetReferencePositionX(ipriDataView); // placed in the middle, sized by the row
        box->SetReferencePositionY(ipriDataView);
        box->SetX(50);
        box->SetY(50);
        box->SetWidth(50);
        box->SetHeight(40);

        const QImage picture = Picture();
        const QRect view = View();
        const QRect vertical = BoxOf(picture, Rgb(clLime), view);
        const QRect horizontal = BoxOf(picture, Rgb(clYellow), view);
        const QRect rect = BoxOf(picture, Rgb(clAqua), view);
        ASSERT_EQ(vertical.width(), 1);
        ASSERT_EQ(horizontal.height(), 1);
        const double w = view.width(), h = view.height();
        EXPECT_NEAR(vertical.left() - view.left(), row.x == C ? w / 4 : w / 2, 1.5);
        EXPECT_NEAR(view.bottom() + 1 - horizontal.top(), row.y == C ? h / 8 : h / 2, 1.5);
        EXPECT_NEAR(rect.width(), row.w == C ? w / 4 : w / 2, 2);
        EXPECT_NEAR(rect.height(), row.h == C ? h / 10 : h * 0.4, 2);
    }

    // Naming no channel: nothing is drawn, nothing answers the mouse.
    plot->RemoveAllAnnotations();
    plot->SetSelectActive(true);
    TgPlotAnnotation *box = Add(ipasRectangle, clAqua);
    box->SetReference(iprtChannel);
    box->SetX(100);
    box->SetY(200);
    box->SetWidth(100);
    box->SetHeight(200);
    const QRect drawn = Find(clAqua);
    ASSERT_FALSE(drawn.isEmpty());
    for (const QString &name : {QStringLiteral("nobody"), QString()}) {
        box->SetChannelName(name);
        EXPECT_TRUE(Find(clAqua).isEmpty());
        EXPECT_FALSE(box->Showing());
        events.clear();
        shown.ClickAt(Centre(drawn));
        EXPECT_EQ(Count("click"), 0);
    }
}

using HitRectangles = AnnotationFixture;

// Where each style answers a click: probes relative to the figure found in
// the picture, in select mode.
TEST_F(HitRectangles, EachStyleAnswersOnItsClickRectangle)
{
    struct Probe {
        QPoint offset; // from the figure's box corner named by the row
        bool hit;
    };
    const struct {
        const char *name;
        std::function<void(TgPlotAnnotation *)> setup;
        std::function<QPoint(const QRect &)> origin;
        std::vector<Probe> probes;
    } rows[] = {
        {"text: its block",
         [](TgPlotAnnotation *a) {
             a->SetStyle(ipasText);
             a->SetText(QStringLiteral("Note"));
             a->Font()->SetSize(14);
             a->Font()->SetColor(clLime);
         },
         [](const QRect &r) { return Centre(r); },
         {{QPoint(0, 0), true}, {QPoint(-40, 0), false}, {QPoint(0, 25), false}}},
        {"line: never",
         [](TgPlotAnnotation *a) {
             a->SetStyle(ipasLine);
             a->SetX(20);
             a->SetY(20);
             a->SetX2(80);
             a->SetY2(80);
         },
         [](const QRect &r) { return Centre(r); },
         {{QPoint(0, 0), false}, {QPoint(1, 0), false}, {QPoint(0, 1), false}}},
        {"line across X: 5 pixels each side",
         [](TgPlotAnnotation *a) { a->SetStyle(ipasLineX); },
         [](const QRect &r) { return Centre(r); },
         {{QPoint(0, 0), true}, {QPoint(4, 0), true}, {QPoint(-5, 0), true}, {QPoint(6, 0), false},
          {QPoint(-7, 0), false}}},
        {"line across Y: 5 pixels each side",
         [](TgPlotAnnotation *a) { a->SetStyle(ipasLineY); },
         [](const QRect &r) { return Centre(r); },
         {{QPoint(0, 4), true}, {QPoint(0, -5), true}, {QPoint(0, 6), false}, {QPoint(0, -7), false}}},
        {"rectangle: inside it",
         [](TgPlotAnnotation *a) {
             a->SetStyle(ipasRectangle);
             a->SetWidth(20);
             a->SetHeight(20);
         },
         [](const QRect &r) { return r.topLeft(); },
         {{QPoint(2, 2), true}, {QPoint(-6, -6), false}, {QPoint(-2, 10), false}}},
        {"ellipse: its whole rectangle",
         [](TgPlotAnnotation *a) {
             a->SetStyle(ipasEllipse);
             a->SetX(40);
             a->SetY(40);
             a->SetX2(60);
             a->SetY2(70);
         },
         [](const QRect &r) { return r.topLeft(); },
         {{QPoint(1, 1), true}, {QPoint(-6, -6), false}}},
        {"text box: the box",
         [](TgPlotAnnotation *a) {
             a->SetStyle(ipasTextBox);
             a->SetText(QStringLiteral("Box"));
             a->SetOuterMargin(8);
         },
         [](const QRect &r) { return r.topLeft(); },
         {{QPoint(2, 2), true}, {QPoint(-4, 2), false}}},
        {"polygon: its bounding box",
         [](TgPlotAnnotation *a) {
             a->SetStyle(ipasPolygon);
             a->PolyPointAdd(40, 40);
             a->PolyPointAdd(60, 40);
             a->PolyPointAdd(50, 70);
         },
         [](const QRect &r) { return r.topLeft(); },
         {{QPoint(3, 3), true}, {QPoint(-6, 0), false}}},
        {"image: its picture",
         [](TgPlotAnnotation *a) {
             a->SetStyle(ipasImage);
             TBitmap picture(20, 16);
             picture.Canvas()->Brush()->SetColor(clLime);
             picture.Canvas()->FillRect(TRect(0, 0, 20, 16));
             a->SetImage(&picture);
         },
         [](const QRect &r) { return r.topLeft(); },
         {{QPoint(1, 1), true}, {QPoint(19, 15), true}, {QPoint(-2, 0), false}, {QPoint(21, 0), false}}},
        {"rectangle over the edge: only inside the data view",
         [](TgPlotAnnotation *a) {
             a->SetStyle(ipasRectangle);
             a->SetX(98);
             a->SetWidth(20);
             a->SetHeight(20);
         },
         [](const QRect &r) { return QPoint(r.right(), r.center().y()); },
         {{QPoint(-3, 0), true}, {QPoint(4, 0), false}}},
    };
    plot->SetSelectActive(true);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        plot->RemoveAllAnnotations();
        TgPlotAnnotation *a = Add(ipasText, clLime);
        a->SetX(50);
        a->SetY(50);
        a->SetUserCanMove(true);
        row.setup(a);
        const QRect figure = Find(clLime);
        ASSERT_FALSE(figure.isEmpty());
        for (const Probe &probe : row.probes) {
            const QPoint at = row.origin(figure) + probe.offset;
            events.clear();
            shown.ClickAt(at);
            EXPECT_EQ(Count("click"), probe.hit ? 1 : 0) << at.x() << "," << at.y();
            EXPECT_EQ(Count("move"), 0) << "a click in place moves nothing";
        }
    }
}

using TextPlacement = AnnotationFixture;

// A text at the data view's centre: its block lies against the anchor as
// the alignments say, a margin of character sizes away; turned a quarter,
// width and height change places. The ink stays inside the block.
TEST_F(TextPlacement, AlignmentsMarginsAndRotation)
{
    const struct {
        TgAlignmentHorizontal horz;
        TgAlignmentVertical vert;
        TgRotationAngle rotation;
        double horzMargin, vertMargin;
    } rows[] = {
        {iahCenter, iavCenter, ira000, 1, 1}, {iahLeft, iavCenter, ira000, 1, 1},
        {iahRight, iavTop, ira000, 2, 0.5},   {iahLeft, iavBottom, ira000, 0.5, 2},
        {iahLeft, iavTop, ira090, 1, 1},      {iahRight, iavBottom, ira270, 1, 1},
        {iahCenter, iavCenter, ira180, 1, 1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::Message() << row.horz << " " << row.vert << " " << row.rotation);
        plot->RemoveAllAnnotations();
        TgPlotAnnotation *a = Add(ipasText, clLime);
        a->SetText(QStringLiteral("Wide text"));
        a->Font()->SetSize(16);
        a->Font()->SetColor(clLime);
        a->SetX(50);
        a->SetY(50);
        a->SetTextHorzAlignment(row.horz);
        a->SetTextVertAlignment(row.vert);
        a->SetTextRotation(row.rotation);
        a->SetTextHorzMargin(row.horzMargin);
        a->SetTextVertMargin(row.vertMargin);
        const QRect ink = Find(clLime);
        ASSERT_FALSE(ink.isEmpty());

        TCanvas measure;
        measure.SetFont(a->Font());
        int tw = measure.TextWidth(a->Text()), th = measure.TextHeight(a->Text());
        const int m = RoundHalfEven(measure.TextWidth(QStringLiteral("A")) * row.horzMargin);
        const int n = RoundHalfEven(measure.TextHeight(QStringLiteral("A")) * row.vertMargin);
        const bool turned = row.rotation == ira090 || row.rotation == ira270;
        if (turned)
            std::swap(tw, th);
        const TRect v = plot->GetDataView(0)->DrawRect();
        const int cx = v.Left + RoundHalfEven(v.Width() / 2.0), cy = v.Top + RoundHalfEven(v.Height() / 2.0);
        const int left = row.horz == iahLeft ? cx + m : row.horz == iahRight ? cx - m - tw : cx - tw / 2;
        const int top = row.vert == iavTop ? cy + n : row.vert == iavBottom ? cy - n - th : cy - th / 2;
        const TRect block = a->ClickRect();
        EXPECT_NEAR(block.Left, left, 1);
        EXPECT_NEAR(block.Top, top, 1);
        EXPECT_EQ(block.Width(), tw);
        EXPECT_EQ(block.Height(), th);
        EXPECT_TRUE(QRect(block.Left - 1, block.Top - 1, block.Width() + 2, block.Height() + 2).contains(ink))
            << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
        EXPECT_EQ(ink.height() > ink.width(), turned);
    }
}

// In a text rectangle the margins run from the rectangle's edges, in widths
// of "0" and heights of "A".
TEST_F(TextPlacement, InsideATextRectangle)
{
    TgPlotAnnotation *a = Add(ipasTextRectangle, clAqua);
    a->SetText(QStringLiteral("Inside"));
    a->Font()->SetSize(14);
    a->Font()->SetColor(clLime);
    a->SetX(50);
    a->SetY(50);
    a->SetWidth(60);
    a->SetHeight(50);
    a->SetTextHorzMargin(2);
    a->SetTextVertMargin(1);
    TCanvas measure;
    measure.SetFont(a->Font());
    const int m = RoundHalfEven(measure.TextWidth(QStringLiteral("0")) * 2);
    const int n = RoundHalfEven(measure.TextHeight(QStringLiteral("A")) * 1);
    for (const bool nearCorner : {true, false}) {
        a->SetTextHorzAlignment(nearCorner ? iahLeft : iahRight);
        a->SetTextVertAlignment(nearCorner ? iavTop : iavBottom);
        const QImage picture = Picture();
        const QRect frame = BoxOf(picture, Rgb(clAqua), View());
        const QRect ink = BoxOf(picture, Rgb(clLime), View());
        ASSERT_FALSE(frame.isEmpty());
        ASSERT_FALSE(ink.isEmpty());
        if (nearCorner) {
            EXPECT_GE(ink.left(), frame.left() + m);
            EXPECT_LE(ink.left(), frame.left() + m + 3);
            EXPECT_GE(ink.top(), frame.top() + n);
        } else {
            EXPECT_LE(ink.right(), frame.right() + 1 - m);
            EXPECT_GE(ink.right(), frame.right() + 1 - m - 3);
            EXPECT_LE(ink.bottom(), frame.bottom() + 1 - n);
        }
    }
}

using Dragging = AnnotationFixture;

// A two-corner shape moves whole, however many moves the drag takes; a
// sized shape moves its centre. Each move is told, the end once.
TEST_F(Dragging, MovingKeepsTheShape)
{
    plot->SetSelectActive(true);
    for (const bool twoCorner : {true, false}) {
        SCOPED_TRACE(twoCorner ? "two corners" : "sized");
        plot->RemoveAllAnnotations();
        TgPlotAnnotation *a = Add(twoCorner ? ipasRectangle2 : ipasRectangle, clLime);
        a->SetUserCanMove(true);
        a->SetX(30);
        a->SetY(30);
        a->SetX2(60);
        a->SetY2(60);
        a->SetWidth(30);
        a->SetHeight(30);
        const QRect before = Find(clLime);
        ASSERT_FALSE(before.isEmpty());
        events.clear();
        DragSteps(Centre(before), Centre(before) + QPoint(30, -15), 3);
        EXPECT_EQ(Count("move"), 3);
        EXPECT_EQ(Count("finished"), 1);
        EXPECT_EQ(Count("resize"), 0);
        EXPECT_GE(Count("coordinates"), 3);
        const QRect after = Find(clLime);
        EXPECT_NEAR(after.left() - before.left(), 30, 1);
        EXPECT_NEAR(after.top() - before.top(), -15, 1);
        EXPECT_NEAR(after.width(), before.width(), 1);
        EXPECT_NEAR(after.height(), before.height(), 1);
        if (twoCorner) {
            EXPECT_NEAR(a->X2() - a->X(), 30, 1e-9);
            EXPECT_NEAR(a->Y2() - a->Y(), 30, 1e-9);
        } else {
            EXPECT_EQ(a->Width(), 30);
            EXPECT_EQ(a->Height(), 30);
        }
    }
}

// Dragging the bottom-right handle keeps the top-left corner; each move is
// a resize, the release finishes once. The handles show the sizing cursors.
TEST_F(Dragging, ResizingByTheBottomRightHandle)
{
    plot->SetSelectActive(true);
    for (const TgPlotAnnotationStyle style : {ipasRectangle, ipasRectangle2, ipasEllipse2}) {
        SCOPED_TRACE(style);
        plot->RemoveAllAnnotations();
        TgPlotAnnotation *a = Add(style, clLime);
        a->SetUserCanSize(true);
        a->SetX(40);
        a->SetY(60);
        a->SetX2(60);
        a->SetY2(40);
        a->SetWidth(20);
        a->SetHeight(20);
        const QRect before = Find(clLime);
        ASSERT_FALSE(before.isEmpty());
        const QPoint corner = before.bottomRight();
        shown.ClickAt(Centre(before)); // selects it
        Hover(corner);
        EXPECT_EQ(plot->Cursor(), crSizeNWSE);
        Hover(Centre(before));
        EXPECT_EQ(plot->Cursor(), crHandPoint);
        Hover(before.topRight());
        EXPECT_EQ(plot->Cursor(), crSizeNESW);

        plot->OnGetMouseCursorAnnotation = [](TObject *, int, int &Cursor) {
            if (Cursor == crHandPoint)
                Cursor = crCross;
        };
        Hover(Centre(before) + QPoint(1, 0));
        EXPECT_EQ(plot->Cursor(), crCross) << "the plot's event has the last word";
        plot->OnGetMouseCursorAnnotation = nullptr;

        events.clear();
        DragSteps(corner, corner + QPoint(24, 12), 2);
        EXPECT_EQ(Count("resize"), 2);
        EXPECT_EQ(Count("finished"), 1);
        EXPECT_EQ(Count("move"), 0);
        const QRect after = Find(clLime);
        EXPECT_NEAR(after.left(), before.left(), 1);
        EXPECT_NEAR(after.top(), before.top(), 1);
        EXPECT_NEAR(after.right() - before.right(), 24, 1);
        EXPECT_NEAR(after.bottom() - before.bottom(), 12, 1);
    }
}

// With SelectModeOnlyInteraction (the default) the annotation ignores the
// mouse until the toolbar's select mode is on; without it, always answers.
TEST_F(Dragging, SelectModeGating)
{
    const struct {
        bool onlyInSelectMode, selectMode, answers;
    } rows[] = {{true, false, false}, {true, true, true}, {false, false, true}, {false, true, true}};
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::Message() << row.onlyInSelectMode << row.selectMode);
        plot->RemoveAllAnnotations();
        plot->SetSelectActive(row.selectMode);
        TgPlotAnnotation *a = Add(ipasRectangle, clLime);
        a->SetSelectModeOnlyInteraction(row.onlyInSelectMode);
        a->SetUserCanMove(true);
        a->SetX(50);
        a->SetY(50);
        a->SetWidth(20);
        a->SetHeight(20);
        const QRect before = Find(clLime);
        events.clear();
        DragSteps(Centre(before), Centre(before) + QPoint(20, 20), 1);
        EXPECT_EQ(Count("move"), row.answers ? 1 : 0);
        EXPECT_EQ(Count("finished"), row.answers ? 1 : 0);
        EXPECT_EQ(a->X() != 50, row.answers);
    }
}

// With the plot's axes exchanged, X runs up the data view and Y across it;
// a dragged shape still follows the mouse.
TEST_F(Dragging, ExchangedAxes)
{
    plot->SetXYAxesReverse(true);
    plot->SetSelectActive(true);
    TgPlotAnnotation *line = Add(ipasLineX, clYellow);
    line->SetReference(iprtChannel);
    line->SetX(50); // a quarter of the X axis: a quarter up from the bottom
    TgPlotAnnotation *a = Add(ipasRectangle2, clLime);
    a->SetUserCanMove(true);
    a->SetX(20);
    a->SetY(30);
    a->SetX2(40);
    a->SetY2(60);
    const QImage picture = Picture();
    const QRect view = View();
    const QRect across = BoxOf(picture, Rgb(clYellow), view);
    ASSERT_EQ(across.height(), 1);
    EXPECT_NEAR(across.width(), view.width(), 1);
    EXPECT_NEAR(view.bottom() + 1 - across.top(), view.height() / 4.0, 1.5);
    const QRect before = BoxOf(picture, Rgb(clLime), view);
    EXPECT_NEAR(before.width(), view.width() * 0.3, 2) << "Y from 30 to 60 percent runs across";
    EXPECT_NEAR(before.height(), view.height() * 0.2, 2) << "X from 20 to 40 percent runs up";
    DragSteps(Centre(before), Centre(before) + QPoint(25, -10), 2);
    const QRect after = Find(clLime);
    EXPECT_NEAR(after.left() - before.left(), 25, 1);
    EXPECT_NEAR(after.top() - before.top(), -10, 1);
    EXPECT_EQ(after.size(), before.size());
}

using Clipping = AnnotationFixture;

// Clipping to the axes with every frame the data view (no channel needed):
// the drawing stays inside the data view. With the channel's frame it
// stays inside the channel's axes.
TEST_F(Clipping, ClipToAxes)
{
    TgPlotAnnotation *a = Add(ipasRectangle, clLime);
    a->SetBrushStyle(bsSolid);
    a->SetBrushColor(clLime);
    a->SetClipToAxes(true);
    a->SetX(50);
    a->SetY(50);
    a->SetWidth(150);
    a->SetHeight(150);
    Picture();
    const QRect view = View();
    for (const QString &channel : {QString(), QStringLiteral("nobody")}) {
        a->SetChannelName(channel);
        const QImage picture = Picture();
        const QRect drawn = BoxOf(picture, Rgb(clLime));
        EXPECT_TRUE(QRect(view.left(), view.top(), view.width() + 1, view.height() + 1).contains(drawn));
        EXPECT_GE(drawn.width(), view.width());
        EXPECT_GE(drawn.height(), view.height());
    }

    // The channel's own Y axis spans the data view's upper half only (a
    // second axis spans it whole): the drawing stays in that half.
    TgPlotYAxis *half = plot->GetYAxis(plot->AddYAxis());
    half->SetStartPercent(50);
    half->SetTrackingEnabled(false);
    half->SetMinSpan(0, 400);
    plot->GetChannel(0)->SetYAxisName(half->Name());
    a->SetChannelName(plot->GetChannel(0)->Name());
    a->SetReference(iprtChannel);
    a->SetX(100);
    a->SetY(200);
    a->SetWidth(300);
    a->SetHeight(600);
    const QImage picture = Picture();
    const QRect drawn = BoxOf(picture, Rgb(clLime));
    const QRect whole = View();
    ASSERT_FALSE(drawn.isEmpty());
    EXPECT_NEAR(drawn.top(), whole.top(), 1);
    EXPECT_NEAR(drawn.bottom(), whole.top() + whole.height() / 2, 2);
    EXPECT_GE(drawn.width(), whole.width());
}

} // namespace
