#pragma once
// A printed plot as paper shows it, against the plot as the screen shows it:
// the page (a PDF page rasterised) holds the plot scaled into the area
// inside the print margins with its aspect kept, and the screen's frame, grid
// lines and trace land where that scale carries them.
#include "ShownPlot.h"

#include <QSizeF>

#include <algorithm>
#include <cmath>
#include <vector>

constexpr int kPageDpi = 100; // the resolution pages are rasterised at

// Where a plot of PlotSize screen pixels lands on a page of Paper inches
// with Margin inches on every side, in page pixels.
struct TPrintedPlace {
    QPointF origin;
    double scale = 0; // page pixels per screen pixel

    TPrintedPlace(QSize PlotSize, QSizeF Paper, double Margin)
    {
        const double inchesPerPixel = std::min((Paper.width() - 2 * Margin) / PlotSize.width(),
                                               (Paper.height() - 2 * Margin) / PlotSize.height());
        origin = QPointF(Margin, Margin) * kPageDpi;
        scale = inchesPerPixel * kPageDpi;
    }
    int X(int ScreenX) const { return qRound(origin.x() + ScreenX * scale); }
    int Y(int ScreenY) const { return qRound(origin.y() + ScreenY * scale); }
    // A box of screen pixels as the page covers it.
    QRect Of(const QRect &Screen) const
    {
        return QRect(QPoint(X(Screen.left()), Y(Screen.top())),
                     QPoint(X(Screen.right() + 1) - 1, Y(Screen.bottom() + 1) - 1));
    }
};

// The box of every pixel that is not paper white.
inline QRect InkBox(const QImage &Page)
{
    QRect box;
    for (int y = 0; y < Page.height(); ++y)
        for (int x = 0; x < Page.width(); ++x)
            if ((Page.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The page shows the screen's plot (Screen, its picture at its own size) at
// Place: the plot fills its rectangle and nothing else is drawn; the data
// view's frame, every grid line (a run of half the frame: the trace may
// cross it) and the trace (colour Trace) lie where the scale carries them,
// within Tolerance page pixels.
inline ::testing::AssertionResult ShowsPlotAsOnScreen(const QImage &Page, const QImage &Screen,
                                                      const TPrintedPlace &Place, QRgb Trace, int Tolerance = 2)
{
    if (Page.isNull())
        return ::testing::AssertionFailure() << "no page";
    if (auto r = NearBox(InkBox(Page), Place.Of(Screen.rect()), Tolerance); !r)
        return r << " (the plot's area)";
    const QRect frame = DataViewFrame(Screen);
    if (auto r = NearBox(DataViewFrame(Page), Place.Of(frame), Tolerance); !r)
        return r << " (the data view's frame)";
    for (bool vertical : {true, false}) {
        const int along = vertical ? frame.height() : frame.width();
        const std::vector<int> seen = LinesOf(Page, Rgb(clGreen), vertical, qRound(along * Place.scale * 0.45));
        const std::vector<int> screen = LinesOf(Screen, Rgb(clGreen), vertical, along * 45 / 100);
        bool same = seen.size() == screen.size();
        for (size_t i = 0; same && i < seen.size(); ++i)
            same = std::abs(seen[i] - (vertical ? Place.X(screen[i]) : Place.Y(screen[i]))) <= Tolerance;
        if (!same) {
            auto failure = ::testing::AssertionFailure() << (vertical ? "vertical" : "horizontal")
                                                          << " grid lines at";
            for (int at : seen)
                failure << ' ' << at;
            failure << ", expected at";
            for (int at : screen)
                failure << ' ' << (vertical ? Place.X(at) : Place.Y(at));
            return failure;
        }
    }
    const QRect trace = BoxOf(Screen, Trace, frame);
    if (trace.isNull())
        return ::testing::AssertionFailure() << "no trace on screen";
    if (auto r = NearBox(BoxOf(Page, Trace, Place.Of(frame)), Place.Of(trace), Tolerance + 1); !r)
        return r << " (the trace)";
    return ::testing::AssertionSuccess();
}
