// The gate page's transfer plot keeps the plot library's axis mouse input:
// the user drags the Y axis until the curve has left the plot, then picks
// "Zoom to Fit" from the axis's menu, and the curve is in view again.
// Everything is found on the rendered window and done with the mouse.
#include "EditorWindowsFixture.h"
#include "RenderedInk.h"
#include "RenderedPlot.h"
#include "TestInput.h"
#include "gXYPlot.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class GatePlotWindow : public OfflineEditorWindows {
protected:
    void SetUp() override
    {
        OfflineEditorWindows::SetUp();
        fmMain->Show();
        MainWindow()->activateWindow();
        QApplication::processEvents();
    }
    static QWidget *MainWindow() { return fmMain->WindowWidget(); }
};

TEST_F(GatePlotWindow, ZoomToFitBringsADraggedAwayCurveBack)
{
    TControl *button = fmMain->FindControl("skbMenuGate");
    const QRect ink = CaptionInk(button, MainWindow());
    ASSERT_FALSE(ink.isEmpty());
    ClickInWindow(MainWindow(), ink.center());
    QWidget *plot = fmMain->ipGate->Widget();
    ASSERT_TRUE(plot->isVisible());

    // The axes' lines are the longest white lines; the curve (white too) is
    // the white between them (clear of the selected axis's dotted frame).
    const QRgb white = 0xFFFFFFFF;
    const QImage before = Shot(plot);
    const TRun yLine = LongestRun(before, white, false), xLine = LongestRun(before, white, true);
    ASSERT_GT(yLine.Length(), 100);
    ASSERT_GT(xLine.Length(), 300);
    const QRect view(QPoint(yLine.At + 5, yLine.From), QPoint(xLine.To, xLine.At - 5));
    const auto curvePixels = [&](const QImage &Image) {
        int n = 0;
        for (int y = view.top(); y <= view.bottom(); ++y)
            for (int x = view.left(); x <= view.right(); ++x)
                n += Image.pixel(x, y) == white;
        return n;
    };
    const int shown = curvePixels(before);
    ASSERT_GT(shown, xLine.Length()); // the curve crosses the plot

    // Drag the Y axis beside its line down by more than its length: the
    // curve follows the mouse out of the plot.
    const QPoint grip(yLine.At - 6, yLine.Middle()), away = grip + QPoint(0, yLine.Length() + 40);
    QTest::mousePress(plot, Qt::LeftButton, Qt::NoModifier, grip);
    SendMouse(plot, QEvent::MouseMove, (grip + away) / 2, Qt::NoButton, Qt::LeftButton);
    SendMouse(plot, QEvent::MouseMove, away, Qt::NoButton, Qt::LeftButton);
    QTest::mouseRelease(plot, Qt::LeftButton, Qt::NoModifier, away);
    EXPECT_EQ(curvePixels(Shot(plot)), 0);

    // The axis's menu, opened with the right button, and its "Zoom to Fit".
    QTest::mouseClick(plot, Qt::RightButton, Qt::NoModifier, grip);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction *fit = nullptr;
    for (QAction *a : menu->actions())
        if (a->text() == QStringLiteral("Zoom to Fit"))
            fit = a;
    ASSERT_NE(fit, nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(fit).center());
    EXPECT_FALSE(menu->isVisible());
    const int back = curvePixels(Shot(plot));
    EXPECT_GT(back, shown * 9 / 10);
    EXPECT_LT(back, shown * 11 / 10);
}

} // namespace
