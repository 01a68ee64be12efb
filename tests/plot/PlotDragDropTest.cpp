// A plot in drag and drop: dragged onto another control (its OnStartDrag and
// OnEndDrag), and taking a drag of another control (its OnDragOver and
// OnDragDrop), by Qt mouse events on the widget that holds the press.
#include "Panel.h"
#include "ShownPlot.h"
#include "gPlotDataView.h"
#include "gXYPlot.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct PlotDragDrop : ::testing::Test {
    TShownPlot<TgXYPlot> shown{300, 200};
    TgXYPlot *plot = shown.plot;
    TPanel *panel = new TPanel(&shown.form);
    QStringList events;

    PlotDragDrop()
    {
        shown.form.SetClientWidth(500);
        panel->SetParent(&shown.form);
        panel->SetName(QStringLiteral("panel"));
        panel->SetBounds(350, 20, 100, 100);
        plot->SetName(QStringLiteral("plot"));
    }
    static QString NameOf(TObject *Object)
    {
        const auto *c = dynamic_cast<TComponent *>(Object);
        return c ? c->Name() : QStringLiteral("none");
    }
    void Listen(TControl *Target)
    {
        Target->OnDragOver = [this](TObject *Sender, TObject *Source, int X, int Y, TDragState State, bool &) {
            events << QStringLiteral("%1 over from %2 %3 %4,%5")
                          .arg(NameOf(Sender), NameOf(Source))
                          .arg(int(State))
                          .arg(X)
                          .arg(Y);
        };
        Target->OnDragDrop = [this](TObject *Sender, TObject *Source, int X, int Y) {
            events << QStringLiteral("%1 drop from %2 %3,%4").arg(NameOf(Sender), NameOf(Source)).arg(X).arg(Y);
        };
    }
    std::string Events() const { return events.join(QStringLiteral(" | ")).toStdString(); }
};

// The application starts the drag from the plot's OnMouseDown; the plot's
// own objects hear nothing of the drag's moves.
TEST_F(PlotDragDrop, ThePlotDraggedOntoAPanel)
{
    Listen(panel);
    plot->OnMouseDown = [this](TObject *, TMouseButton, TShiftState, int, int) { plot->BeginDrag(false); };
    plot->OnStartDrag = [this](TObject *Sender, TDragObject *&) { events << "start " + NameOf(Sender); };
    plot->OnEndDrag = [this](TObject *Sender, TObject *Target, int X, int Y) {
        events << QStringLiteral("end %1 on %2 %3,%4").arg(NameOf(Sender), NameOf(Target)).arg(X).arg(Y);
    };
    plot->GetXAxis(0)->SetTrackingEnabled(false);
    const double min = plot->GetXAxis(0)->Min();
    plot->GetDataView(0)->SetAxesControlEnabled(true);
    const TRect view = plot->GetDataView(0)->DrawRect();
    shown.Shot();
    shown.Drag(QPoint((view.Left + view.Right) / 2, (view.Top + view.Bottom) / 2), {QPoint(360, 30)});
    EXPECT_EQ(Events(), "start plot | panel over from plot 0 10,10 | panel drop from plot 10,10 | end plot on panel 10,10");
    EXPECT_EQ(plot->GetXAxis(0)->Min(), min) << "the data view did not drag the axes";
}

// A panel dragged over the plot: the plot is asked in its own coordinates
// and takes the drop.
TEST_F(PlotDragDrop, ThePlotTakesADrop)
{
    Listen(plot);
    panel->OnMouseDown = [this](TObject *, TMouseButton, TShiftState, int, int) { panel->BeginDrag(true); };
    QWidget *w = panel->Widget();
    const QPoint toPlot(-350 + 40, -20 + 50); // the plot's (40, 50) from the panel
    SendMouse(w, QEvent::MouseButtonPress, QPoint(5, 5));
    SendMouse(w, QEvent::MouseMove, toPlot, Qt::NoButton, Qt::LeftButton);
    SendMouse(w, QEvent::MouseMove, toPlot + QPoint(10, 0), Qt::NoButton, Qt::LeftButton);
    SendMouse(w, QEvent::MouseButtonRelease, toPlot + QPoint(10, 0));
    EXPECT_EQ(Events(), "plot over from panel 0 40,50 | plot over from panel 2 50,50 | plot drop from panel 50,50");
}

} // namespace
