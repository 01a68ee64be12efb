#pragma once
#include "Bitmap.h"
#include "Component.h"
#include "gPlotDataView.h"
#include "gPlotOwner.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gXYPlotChannel.h"

#include <QStringList>
#include <memory>
#include <vector>

// A plot reduced to what axes, data views and channels ask of it: objects
// made and laid out by hand, events recorded as text, occupied rectangles
// kept by the paint's rule.
class TPlotOwnerStub : public TComponent, public IgPlotOwner {
public:
    TPlotOwnerStub() : TComponent(nullptr) {}

    template <class T>
    T *Make(const QString &Name)
    {
        auto none = [](TObject *) {};
        auto object = std::make_unique<T>(this, none, none, none, none);
        object->SetName(Name);
        T *raw = object.get();
        objects.push_back(std::move(object));
        return raw;
    }
    TgPlotXAxis *AddXAxis(const QString &Name = QStringLiteral("X"))
    {
        xAxes.push_back(Make<TgPlotXAxis>(Name));
        xAxes.back()->SetHorizontal(true);
        return xAxes.back();
    }
    TgPlotYAxis *AddYAxis(const QString &Name = QStringLiteral("Y"))
    {
        yAxes.push_back(Make<TgPlotYAxis>(Name));
        return yAxes.back();
    }
    TgXYPlotChannel *AddChannel(const QString &Name = QStringLiteral("C"))
    {
        auto *c = Make<TgXYPlotChannel>(Name);
        channels.push_back(c);
        if (!xAxes.empty())
            c->SetXAxisName(xAxes[0]->Name());
        if (!yAxes.empty())
            c->SetYAxisName(yAxes[0]->Name());
        return c;
    }
    TgPlotDataView *AddDataView()
    {
        views.push_back(Make<TgPlotDataView>(QStringLiteral("DataView")));
        if (!xAxes.empty())
            views.back()->SetGridXAxisName(xAxes[0]->Name());
        if (!yAxes.empty())
            views.back()->SetGridYAxisName(yAxes[0]->Name());
        return views.back();
    }

    int XAxisCount() const override { return int(xAxes.size()); }
    TgPlotXAxis *GetXAxis(int Index) const override { return xAxes[size_t(Index)]; }
    int YAxisCount() const override { return int(yAxes.size()); }
    TgPlotYAxis *GetYAxis(int Index) const override { return yAxes[size_t(Index)]; }
    int ChannelCount() const override { return int(channels.size()); }
    TgPlotChannelCustom *GetChannel(int Index) const override { return channels[size_t(Index)]; }
    int DataViewCount() const override { return int(views.size()); }
    TgPlotDataView *GetDataView(int Index) const override { return views[size_t(Index)]; }
    int ToolBarCount() const override { return 0; }
    TgPlotToolBar *GetToolBar(int) const override { return nullptr; }
    template <class A>
    static A *ByName(const std::vector<A *> &List, const QString &Name)
    {
        for (A *a : List)
            if (a->Name().compare(Name, Qt::CaseInsensitive) == 0)
                return a;
        return nullptr;
    }
    TgPlotXAxis *GetXAxisByName(const QString &Value) const override { return ByName(xAxes, Value); }
    TgPlotYAxis *GetYAxisByName(const QString &Value) const override { return ByName(yAxes, Value); }
    TgPlotChannelCustom *GetChannelByName(const QString &Value) const override { return ByName(channels, Value); }
    bool PlotLoading() const override { return false; }
    bool TryOccupyRect(const TRect &Rect) override
    {
        const TgPlotDataView *view = FirstDataView();
        for (const TRect &r : occupied)
            if (r.Left < Rect.Right && Rect.Left < r.Right && r.Top < Rect.Bottom && Rect.Top < r.Bottom)
                return false;
        if (view && !(Rect.Left >= view->Left() && Rect.Top >= view->Top() && Rect.Right <= view->Right() &&
                      Rect.Bottom <= view->Bottom()))
            return false;
        occupied.push_back(Rect);
        return true;
    }
    void AddOccupiedRect(const TRect &Rect) override { occupied.push_back(Rect); }
    void DisableAllTracking() override { events << QStringLiteral("tracking off"); }
    void DoAxisMinChange(TgPlotAxis *Axis, double OldValue, double NewValue) override
    {
        events << QStringLiteral("min %1 %2>%3").arg(Axis->Name()).arg(OldValue).arg(NewValue);
    }
    void DoAxisSpanChange(TgPlotAxis *Axis, double OldValue, double NewValue) override
    {
        events << QStringLiteral("span %1 %2>%3").arg(Axis->Name()).arg(OldValue).arg(NewValue);
    }
    void DoAxisMinSpanChange(TgPlotAxis *Axis, double OldMin, double OldSpan, double NewMin, double NewSpan) override
    {
        events << QStringLiteral("minspan %1 %2,%3>%4,%5").arg(Axis->Name()).arg(OldMin).arg(OldSpan).arg(NewMin).arg(NewSpan);
    }
    void DoAxisMinSpanChangeFinished(TgPlotAxis *Axis, double, double, double, double) override
    {
        events << QStringLiteral("finished %1").arg(Axis->Name());
    }
    void DoAxisCustomizeLabel(TgPlotAxis *Axis, double Value, QString &Label) override
    {
        if (customizeLabel)
            customizeLabel(Axis, Value, Label);
    }
    void DoAxisCustomizeHint(TgPlotAxis *, QString &) override {}
    void DoBeforeZoomBox(TgPlotDataView *, TRect &ZoomRect, bool &Cancel) override
    {
        events << QStringLiteral("zoom box %1,%2,%3,%4").arg(ZoomRect.Left).arg(ZoomRect.Top).arg(ZoomRect.Right).arg(ZoomRect.Bottom);
        Cancel = cancelZoomBox;
    }
    void DoObjectClick(TgPlotObject *) override { events << QStringLiteral("click"); }
    void DoObjectGetMouseCursor(TgPlotObject *, int &) override {}
    bool GetSelectActive() const override { return selectActive; }
    TFont *HintsFont() const override { return nullptr; }
    bool ClipAnnotationsToAxes() const override { return clipAnnotations; }
    void DoDataPointMouseDown(TgPlotChannelCustom *, int DataIndex, const TgPlotMouseData &) override
    {
        events << QStringLiteral("point down %1").arg(DataIndex);
    }
    void DoDataPointMouseMove(TgPlotChannelCustom *, int DataIndex, const TgPlotMouseData &) override
    {
        events << QStringLiteral("point move %1").arg(DataIndex);
    }
    void DoDataPointMouseUp(TgPlotChannelCustom *, int DataIndex, const TgPlotMouseData &) override
    {
        events << QStringLiteral("point up %1").arg(DataIndex);
    }
    void DoDataPointClick(TgPlotChannelCustom *, int DataIndex) override
    {
        events << QStringLiteral("point click %1").arg(DataIndex);
    }
    void DoDataPointMoved(TgPlotChannelCustom *, int DataIndex, double OldX, double OldY, double NewX,
                          double NewY) override
    {
        events << QStringLiteral("point moved %1 %2,%3>%4,%5").arg(DataIndex).arg(OldX).arg(OldY).arg(NewX).arg(NewY);
    }
    void DoDataPointCustomizeHint(TgPlotChannelCustom *, int, QString &) override {}
    void DoAnnotationCoordinatesChange(TgPlotAnnotation *) override { events << QStringLiteral("coordinates"); }
    void DoAnnotationMoveUser(TgPlotAnnotation *) override { events << QStringLiteral("moved"); }
    void DoAnnotationResizeUser(TgPlotAnnotation *) override { events << QStringLiteral("resized"); }
    void DoAnnotationCoordinatesChangeFinished(TgPlotAnnotation *) override { events << QStringLiteral("finished"); }
    void DoBeforeDataCursorUpdate(TgPlotDataCursor *) override { events << QStringLiteral("before cursor"); }
    void DoDataCursorChange(TgPlotDataCursor *) override { events << QStringLiteral("cursor change"); }

    // Lays out a bottom X axis and a left Y axis around the data view
    // rectangle View, as the plot's layout pass would, and builds the ticks.
    void Layout(TCanvas *Canvas, const TRect &View)
    {
        for (TgPlotXAxis *x : xAxes) {
            x->SetDrawRect(TRect(View.Left, View.Bottom, View.Right, View.Bottom + 40));
            x->CalcTicks(Canvas);
        }
        for (TgPlotYAxis *y : yAxes) {
            y->SetDrawRect(TRect(View.Left - 40, View.Top, View.Left, View.Bottom));
            y->CalcTicks(Canvas);
        }
        for (TgPlotDataView *v : views)
            v->SetDrawRect(View);
        for (TgXYPlotChannel *c : channels)
            c->UpdateCanDraw();
    }

    std::vector<std::unique_ptr<TgPlotObject>> objects;
    std::vector<TgPlotXAxis *> xAxes;
    std::vector<TgPlotYAxis *> yAxes;
    std::vector<TgXYPlotChannel *> channels;
    std::vector<TgPlotDataView *> views;
    std::vector<TRect> occupied;
    QStringList events;
    bool cancelZoomBox = false;
    bool selectActive = false;
    bool clipAnnotations = true;
    std::function<void(TgPlotAxis *, double, QString &)> customizeLabel;
};

// A black image to draw on.
inline std::unique_ptr<TBitmap> BlackImage(int Width, int Height)
{
    auto bitmap = std::make_unique<TBitmap>(Width, Height);
    bitmap->Canvas()->Brush()->SetColor(clBlack);
    bitmap->Canvas()->FillRect(TRect(0, 0, Width, Height));
    return bitmap;
}
