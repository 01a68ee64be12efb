// What the user sees of the main window and its dialogs, read from the
// rendered pixels: the colour of the value boxes, the gate plot's title and
// its curve brought back by "Zoom to Fit", the labels at the window's foot,
// the link grid's buttons, the meter panels of the dynamics pages and the
// network setup online.
#include "EditorWindowsFixture.h"
#include "Button.h"
#include "Edit.h"
#include "FirstUpload.h"
#include "MainDialogs.h"
#include "OfflineUserInput.h"
#include "Menus.h"
#include "PumpEvents.h"
#include "RenderedInk.h"
#include "RenderedPlot.h"
#include "SkBmpButton.h"
#include "SkGroupBox.h"
#include "TfmLinkSel.h"
#include "TfmNetworkSetup.h"
#include "WindowTour.h"
#include "gXYPlot.h"

#include <QApplication>
#include <QHash>
#include <QImage>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QImage Shot(TCustomForm *Form)
{
    QApplication::processEvents();
    return Form->WindowWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The colour that covers most of Area of Image.
QColor MostCommon(const QImage &Image, const QRect &Area)
{
    QHash<QRgb, int> count;
    const QRect r = Area & Image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++count[Image.pixel(x, y)];
    QRgb best = 0;
    int most = -1;
    for (auto it = count.begin(); it != count.end(); ++it)
        if (it.value() > most)
            best = it.key(), most = it.value();
    return QColor(best);
}

// The mean colour of Area of Image.
QColor Mean(const QImage &Image, const QRect &Area)
{
    const QRect r = Area & Image.rect();
    qint64 red = 0, green = 0, blue = 0, n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x, ++n) {
            const QRgb p = Image.pixel(x, y);
            red += qRed(p), green += qGreen(p), blue += qBlue(p);
        }
    return n ? QColor(int(red / n), int(green / n), int(blue / n)) : QColor();
}

int Distance(const QColor &A, const QColor &B)
{
    return std::abs(A.red() - B.red()) + std::abs(A.green() - B.green()) + std::abs(A.blue() - B.blue());
}

// The user works in the main window once the connect dialog found nothing
// and Demo was clicked.
class VisualWindows : public OfflineUserInput {
protected:
    static QWidget *MainWindow() { return fmMain->WindowWidget(); }
    // A user's click on the caption of a page button, as drawn.
    static void OpenPage(const char *Button)
    {
        TControl *b = fmMain->FindControl(Button);
        ASSERT_NE(b, nullptr) << Button;
        const QRect ink = CaptionInk(b, MainWindow());
        ASSERT_FALSE(ink.isEmpty()) << Button;
        ClickInWindow(MainWindow(), ink.center());
        QApplication::processEvents();
    }
};

TEST_F(VisualWindows, ReadOnlyValueBoxesAreLightCyanAndTypedEntryBoxesWhite)
{
    OpenPage("skbMenuInA");
    ASSERT_TRUE(fmMain->FindControl("cvdGainInA")->Showing());
    const QImage page = Shot(fmMain);
    const QColor cyan(223, 255, 255), white(255, 255, 255);
    for (const char *box : {"cvdGainInA", "cvdEqFreqInA", "cvdEqBwInA", "cvdEqGainInA", "cvdLowCutFreqInA",
                            "cvdHighCutFreqInA"})
        EXPECT_EQ(MostCommon(page, AreaInWindow(fmMain->FindControl(box), MainWindow())), cyan) << box;
    OpenPage("skbMenuDelay");
    ASSERT_TRUE(fmMain->FindControl("cvdDelayInA")->Showing());
    const QImage delay = Shot(fmMain);
    EXPECT_EQ(MostCommon(delay, AreaInWindow(fmMain->FindControl("cvdDelayInA"), MainWindow())), white);
    OpenPage("skbMenuGate");
    const QImage gate = Shot(fmMain);
    EXPECT_EQ(MostCommon(gate, AreaInWindow(fmMain->FindControl("cvdGateThresholdInC"), MainWindow())), white);
}

TEST_F(VisualWindows, GatePlotTitleNamesTheClickedInputByItsLetter)
{
    OpenPage("skbMenuGate");
    TControl *title = fmMain->FindControl("lbGateName");
    ASSERT_TRUE(title->Showing());
    EXPECT_EQ(title->Caption(), "In A  Gate");
    const QRect before = CaptionInk(title, MainWindow());
    EXPECT_FALSE(before.isEmpty());
    // The user clicks input C's name over its column.
    const QRect c = CaptionInk(fmMain->FindControl("lbGateInC"), MainWindow());
    ASSERT_FALSE(c.isEmpty());
    ClickInWindow(MainWindow(), c.center());
    EXPECT_EQ(title->Caption(), "In C  Gate");
    EXPECT_EQ(fmMain->FindControl("lbHeadGateIn")->Caption(), "In C");
    EXPECT_FALSE(CaptionInk(title, MainWindow()).isEmpty());
}

// The gate page's transfer plot keeps the plot library's axis mouse input:
// the user drags the Y axis until the curve has left the plot, then picks
// "Zoom to Fit" from the axis's menu, and the curve is in view again.
TEST_F(VisualWindows, GatePlotZoomToFitBringsADraggedAwayCurveBack)
{
    OpenPage("skbMenuGate");
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

TEST_F(VisualWindows, TheFootLabelsShowWhereTheLayoutPutsThem)
{
    // Client y 630 to 664: the window's foot beside the preset area.
    QWidget *client = fmMain->Widget();
    const QPoint origin = client->mapTo(MainWindow(), QPoint(0, 0));
    const QRect foot(origin + QPoint(0, 630), QSize(client->width(), 35));
    for (int page : {0, 12, 14, 18}) {
        TourNavigation()->ShowPage(page);
        const QRect id = CaptionInk(fmMain->FindControl("lbShowIdNumber"), MainWindow());
        EXPECT_FALSE(id.isEmpty()) << "page " << page;
        EXPECT_TRUE(foot.contains(id)) << "page " << page;
    }
    // Set in the network setup shows the address there too.
    fmMain->NetworkSetup->Click();
    TfmNetworkSetup *setup = fmMain->Dialogs()->fmNetworkSetup;
    ASSERT_TRUE(setup->Visible());
    ClickInWindow(setup->WindowWidget(), AreaInWindow(setup->bnSet, setup->WindowWidget()).center());
    EXPECT_FALSE(setup->Visible());
    TControl *ip = fmMain->FindControl("lbShowIp");
    EXPECT_TRUE(ip->Caption().startsWith("IP : "));
    const QRect shown = CaptionInk(ip, MainWindow());
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_TRUE(foot.contains(shown));
}

TEST_F(VisualWindows, TheDynamicsPagesActivityBarStandsInItsMeterPanel)
{
    for (const char *page : {"skbMenuComp", "skbMenuLimit"}) {
        OpenPage(page);
        const QString side = QString(page) == "skbMenuComp" ? "CompOut" : "LimitOut";
        TControl *frameControl = fmMain->FindControl("skgFft" + side.left(side.size() - 3));
        TControl *panelControl = fmMain->FindControl("plLevel" + side);
        TControl *barControl = fmMain->FindControl("pbLimit" + side);
        ASSERT_TRUE(frameControl && panelControl && barControl) << page;
        const QRect frame = AreaInWindow(frameControl, MainWindow());
        const QRect panel = AreaInWindow(panelControl, MainWindow());
        const QRect bar = AreaInWindow(barControl, MainWindow());
        EXPECT_TRUE(panel.contains(bar)) << page;
        EXPECT_TRUE(frame.contains(panel)) << page;
        const QRect label = CaptionInk(fmMain->FindControl("lbLimit" + side), MainWindow());
        EXPECT_TRUE(panel.contains(label)) << page;
        EXPECT_GE(label.top(), bar.bottom()) << page;
    }
}

TEST_F(VisualWindows, ALinkRowsDownButtonLooksDownAndMovesWithTheClick)
{
    TfmLinkSel *links = fmMain->Dialogs()->fmLinkSel;
    links->Show();
    QWidget *window = links->WindowWidget();
    auto *itself = dynamic_cast<TSkBmpButton *>(links->FindComponent("skbBLinkInB"));
    auto *leader = dynamic_cast<TSkBmpButton *>(links->FindComponent("skbBLinkInA"));
    ASSERT_TRUE(itself && leader);
    auto face = [&](TSkBmpButton *b) { return Mean(Shot(links), AreaInWindow(b, window).adjusted(2, 2, -2, -2)); };
    const QColor down = face(itself), up = face(leader);
    EXPECT_GT(Distance(down, up), 60) << down.name().toStdString() << " " << up.name().toStdString();
    // Another up button of the grid looks the same as this one.
    EXPECT_LT(Distance(face(dynamic_cast<TSkBmpButton *>(links->FindComponent("skbCLinkInA"))), up), 12);
    window->activateWindow();
    QApplication::processEvents();
    ClickInWindow(window, AreaInWindow(leader, window).center());
    EXPECT_TRUE(leader->Down());
    EXPECT_FALSE(itself->Down());
    EXPECT_LT(Distance(face(leader), down), 12);
    EXPECT_LT(Distance(face(itself), up), 12);
    links->bnExitClick();
}

TEST_F(VisualWindows, TheNetworkSetupGroupsItsFieldsInGroupBoxes)
{
    fmMain->NetworkSetup->Click();
    TfmNetworkSetup *setup = fmMain->Dialogs()->fmNetworkSetup;
    QWidget *window = setup->WindowWidget();
    for (TSkGroupBox *group : {setup->gbIpSetting, setup->gbIdSetting}) {
        const QRect frame = AreaInWindow(group, window), caption = CaptionInk(group, window);
        EXPECT_FALSE(caption.isEmpty()) << group->Name().toStdString();
        EXPECT_TRUE(frame.contains(caption)) << group->Name().toStdString();
    }
    for (TEdit *e : setup->edIp)
        EXPECT_TRUE(AreaInWindow(setup->gbIpSetting, window).contains(AreaInWindow(e, window)));
    EXPECT_TRUE(AreaInWindow(setup->gbIdSetting, window).contains(AreaInWindow(setup->edId, window)));
    setup->bnExitClick();
}

// The program online with the simulated device over loopback TCP.
class VisualWindowsOnline : public EditorWindowsFixture {
protected:
    void SetUp() override
    {
        CreateWindows(sim.Port());
        fmMain->Show();
        LMainLink &link = fmMain->MainLink();
        ASSERT_TRUE(PumpUntil([&] { return FirstUploadEnded(link) && UploadClosingPollArrived(sim); }, 30000));
    }
    SimTcp sim;
};

TEST_F(VisualWindowsOnline, TheLinkKindShowsAtTheFootAndTheGreyedAddressStaysReadable)
{
    QWidget *main = fmMain->WindowWidget();
    TControl *kind = fmMain->FindControl("lbConInterface");
    EXPECT_EQ(kind->Caption(), "NET");
    QWidget *client = fmMain->Widget();
    const QRect foot(client->mapTo(main, QPoint(0, 630)), QSize(client->width(), 35));
    const QRect ink = CaptionInk(kind, main);
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_TRUE(foot.contains(ink));

    fmMain->NetworkSetup->Click();
    TfmNetworkSetup *setup = fmMain->Dialogs()->fmNetworkSetup;
    ASSERT_TRUE(setup->Visible());
    ASSERT_FALSE(setup->edIp[0]->EnabledInParents());
    QWidget *window = setup->WindowWidget();
    const QImage shot = Shot(setup);
    for (TEdit *e : setup->edIp) {
        // The digits stand out of the silver field: their darkest pixel is
        // at least as dark as the system's grey text.
        const QRect area = AreaInWindow(e, window).adjusted(3, 3, -3, -3);
        EXPECT_EQ(MostCommon(shot, area), QColor(192, 192, 192));
        int darkest = 255;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                darkest = std::min(darkest, qGray(shot.pixel(x, y)));
        EXPECT_LE(darkest, 120) << e->Name().toStdString();
    }
    setup->bnExitClick();
}

} // namespace
