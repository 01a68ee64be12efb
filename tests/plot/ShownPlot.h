#pragma once
// A plot on a shown form, as its user meets it: rendered into an image, with
// what the user finds in the picture (the data view's frame, lines and boxes
// of a colour) and real mouse and key input at those places.
#include "Color.h"
#include "Form.h"
#include "TestInput.h"
#include "gPlotAxis.h"
#include "gPlotComponent.h"
#include "gPlotLegend.h"
#include "gPlotToolBar.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <vector>

inline QRgb Rgb(TColor Colour)
{
    return ToQColor(Colour).rgb();
}

// The plot alone with its data view and axes: no toolbar, legend or title
// around it, axes 0..100 that do not follow data.
template <class P>
struct TShownPlot {
    TForm form{nullptr};
    P *plot;
    explicit TShownPlot(int Width = 500, int Height = 300)
    {
        form.SetBounds(0, 0, Width + 20, Height + 20);
        plot = new P(&form);
        plot->SetParent(&form);
        plot->SetBounds(0, 0, Width, Height);
        plot->GetToolBar(0)->SetVisible(false);
        plot->GetLegend(0)->SetVisible(false);
        plot->SetTitleVisible(false);
        for (TgPlotAxis *axis : {static_cast<TgPlotAxis *>(plot->GetXAxis(0)),
                                 static_cast<TgPlotAxis *>(plot->GetYAxis(0))}) {
            axis->SetTrackingEnabled(false);
            axis->SetMinSpan(0, 100);
        }
        form.Show();
        QApplication::setActiveWindow(form.Widget());
    }
    ~TShownPlot() { QApplication::setActiveWindow(nullptr); }
    QImage Shot() { return plot->PaintToImage().convertToFormat(QImage::Format_RGB32); }
    QWidget *Widget() { return plot->Widget(); }

    // A press at From, a move with the button held to each of Via, and the
    // release at the last point.
    void Drag(QPoint From, std::initializer_list<QPoint> Via, Qt::MouseButton Button = Qt::LeftButton)
    {
        QWidget *w = Widget();
        Move(w, From);
        SendMouse(w, QEvent::MouseButtonPress, From, Button);
        QPoint last = From;
        for (QPoint p : Via) {
            Move(w, p, Button);
            last = p;
        }
        SendMouse(w, QEvent::MouseButtonRelease, last, Button);
    }
    void ClickAt(QPoint At, Qt::MouseButton Button = Qt::LeftButton) { Drag(At, {}, Button); }
};

// The bounding box of the pixels of exactly this colour (null when none).
inline QRect BoxOf(const QImage &Image, QRgb Colour, QRect Within = QRect())
{
    const QRect area = Within.isNull() ? Image.rect() : Within & Image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((Image.pixel(x, y) & 0xFFFFFF) == (Colour & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
    return box;
}

// The data view as drawn: the frame its border lines (the grid colour) give.
inline QRect DataViewFrame(const QImage &Image)
{
    return BoxOf(Image, Rgb(clGreen));
}

// Columns (Vertical) or rows holding a run of at least MinRun pixels of the
// colour; neighbouring ones count once, at their middle.
inline std::vector<int> LinesOf(const QImage &Image, QRgb Colour, bool Vertical, int MinRun)
{
    std::vector<int> found;
    const int across = Vertical ? Image.width() : Image.height();
    const int along = Vertical ? Image.height() : Image.width();
    int groupStart = -1;
    for (int a = 0; a <= across; ++a) {
        bool line = false;
        for (int b = 0, run = 0; a < across && b < along && !line; ++b) {
            const QRgb p = Vertical ? Image.pixel(a, b) : Image.pixel(b, a);
            run = (p & 0xFFFFFF) == (Colour & 0xFFFFFF) ? run + 1 : 0;
            line = run >= MinRun;
        }
        if (line && groupStart < 0)
            groupStart = a;
        if (!line && groupStart >= 0) {
            found.push_back((groupStart + a - 1) / 2);
            groupStart = -1;
        }
    }
    return found;
}

// The pixel of a percent position of the frame: across (X, from the left)
// or up (Y, from the bottom).
inline int PercentX(const QRect &Frame, double Percent)
{
    return Frame.left() + qRound((Frame.width() - 1) * Percent / 100);
}
inline int PercentY(const QRect &Frame, double Percent)
{
    return Frame.top() + qRound((Frame.height() - 1) * (100 - Percent) / 100);
}

// Every edge within Tolerance pixels.
inline ::testing::AssertionResult NearBox(const QRect &Seen, const QRect &Expected, int Tolerance = 1)
{
    const bool near = std::abs(Seen.left() - Expected.left()) <= Tolerance &&
                      std::abs(Seen.right() - Expected.right()) <= Tolerance &&
                      std::abs(Seen.top() - Expected.top()) <= Tolerance &&
                      std::abs(Seen.bottom() - Expected.bottom()) <= Tolerance;
    if (near)
        return ::testing::AssertionSuccess();
    const auto text = [](const QRect &R) {
        return QStringLiteral("(%1,%2)-(%3,%4)").arg(R.left()).arg(R.top()).arg(R.right()).arg(R.bottom()).toStdString();
    };
    return ::testing::AssertionFailure() << "seen " << text(Seen) << ", expected " << text(Expected);
}

// The frame's rectangle between two percent positions across and two up.
inline QRect PercentRect(const QRect &Frame, double X1, double X2, double Y1, double Y2)
{
    return QRect(QPoint(PercentX(Frame, X1), PercentY(Frame, Y2)), QPoint(PercentX(Frame, X2), PercentY(Frame, Y1)));
}
