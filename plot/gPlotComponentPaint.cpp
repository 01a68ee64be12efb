// The plot's layout pass and layered paint.
#include "Bitmap.h"
#include "Font.h"
#include "gPlotAnnotation.h"
#include "gPlotAnnotationManager.h"
#include "gPlotAxis.h"
#include "gPlotChannelManager.h"
#include "gPlotComponent.h"
#include "gPlotDataCursor.h"
#include "gPlotDataCursorManager.h"
#include "gPlotDataView.h"
#include "gPlotDataViewManager.h"
#include "gPlotLabel.h"
#include "gPlotLabelManager.h"
#include "gPlotLayoutManager.h"
#include "gPlotLegend.h"
#include "gPlotLegendManager.h"
#include "gPlotLimit.h"
#include "gPlotLimitManager.h"
#include "gPlotMasterManager.h"
#include "gPlotTable.h"
#include "gPlotTableManager.h"
#include "gPlotToolBar.h"
#include "gPlotToolBarManager.h"
#include "gPlotXAxis.h"
#include "gPlotXAxisManager.h"
#include "gPlotYAxis.h"
#include "gPlotYAxisManager.h"

#include <algorithm>
#include <unordered_map>

namespace {

using TSideList = std::vector<TgPlotLayoutObject *>;

// What each object asks for, measured once per layout pass.
struct TMeasures {
    std::unordered_map<const TgPlotLayoutObject *, std::pair<int, int>> values; // space, end margin
    TCanvas *canvas = nullptr;
    const std::pair<int, int> &Of(TgPlotLayoutObject *Object)
    {
        auto it = values.find(Object);
        if (it == values.end())
            it = values.emplace(Object, std::make_pair(Object->GetRequiredSpace(canvas), Object->GetEndMargin(canvas)))
                     .first;
        return it->second;
    }
    int Space(TgPlotLayoutObject *Object) { return Of(Object).first; }
    int EndMargin(TgPlotLayoutObject *Object) { return Of(Object).second; }
};

bool IsCartesianAxis(const TgPlotLayoutObject *Object)
{
    const auto *axis = dynamic_cast<const TgPlotAxis *>(Object);
    return axis && axis->IsCartesian();
}

// Both stacking flags of every object of one side, from its order of bands.
void MarkStacking(const TSideList &List)
{
    for (TgPlotLayoutObject *object : List) {
        object->SetStartStacked(false);
        object->SetStopStacked(false);
    }
    TgPlotLayoutObject *previous = nullptr;
    int previousZOrder = -1;
    for (TgPlotLayoutObject *object : List) {
        if (IsCartesianAxis(object))
            continue;
        if (object->ForceStacking()) {
            object->SetStartStacked(true);
            object->SetStopStacked(true);
            previous = object;
        } else if (object->ZOrder() == previousZOrder) {
            if (previous)
                previous->SetStopStacked(true);
            object->SetStartStacked(true);
            previous = object;
        } else {
            previous = object;
            previousZOrder = object->ZOrder();
        }
    }
}

// The largest end margin at the start (AtStart) or stop end among the
// side's objects not stacked at that end.
int SideEndMargin(const TSideList &List, TMeasures &Canvas, bool AtStart)
{
    int margin = 0;
    for (TgPlotLayoutObject *object : List) {
        if (IsCartesianAxis(object) || (AtStart ? object->StartStacked() : object->StopStacked()))
            continue;
        margin = std::max(margin, Canvas.EndMargin(object));
    }
    return margin;
}

int GroupRequiredSpace(const TSideList &List, TMeasures &Canvas, int ZOrder)
{
    int space = 0;
    for (TgPlotLayoutObject *object : List)
        if (object->ZOrder() == ZOrder && !IsCartesianAxis(object))
            space = std::max(space, Canvas.Space(object));
    return space;
}

int SideRequiredSpace(const TSideList &List, TMeasures &Canvas)
{
    int sum = 0;
    const TgPlotLayoutObject *previous = nullptr;
    for (TgPlotLayoutObject *object : List) {
        if (!previous || object->ZOrder() != previous->ZOrder())
            sum += GroupRequiredSpace(List, Canvas, object->ZOrder());
        previous = object;
    }
    return sum;
}

// Places the bands of one side outward from Start. Place(object, P, G)
// sets the object's extent across the side.
template <class Order, class PlaceFn>
void PlaceBands(const TSideList &List, TMeasures &Canvas, int Start, int Direction, Order &&Walk, PlaceFn &&Place)
{
    int p = Start;
    int current = -1;
    int g = 0;
    Walk([&](TgPlotLayoutObject *object) {
        if (object->ZOrder() != current) {
            p += Direction * g;
            current = object->ZOrder();
            g = GroupRequiredSpace(List, Canvas, current);
        }
        Place(object, p, g);
    });
}

void SetSides(TgPlotLayoutObject *Object, int Left, int Top, int Right, int Bottom)
{
    Object->SetDrawRect(TRect(Left, Top, Right, Bottom));
}

} // namespace

void TgPlotComponent::ArrangeLayoutObjects(TCanvas *DrawCanvas)
{
    TMeasures Canvas;
    Canvas.canvas = DrawCanvas;
    TgPlotLayoutManager *layout = LayoutManager();
    const int W = Width(), H = Height();
    const int B = BorderStyle() != ibsNone ? 2 : 0;
    const TStringList *managerLists[4] = {layout->LeftList(), layout->RightList(), layout->TopList(),
                                          layout->BottomList()};
    for (int side = 0; side < 4; ++side) {
        FVisibleLists[side].clear();
        for (int i = 0; i < managerLists[side]->Count(); ++i) {
            auto *object = static_cast<TgPlotLayoutObject *>(managerLists[side]->GetObject(i));
            if (object->Visible())
                FVisibleLists[side].push_back(object);
        }
        MarkStacking(FVisibleLists[side]);
    }
    const TSideList &L = FVisibleLists[isLeft], &R = FVisibleLists[isRight], &T = FVisibleLists[isTop],
                    &Bt = FVisibleLists[isBottom];
    const int Ts = SideEndMargin(T, Canvas, true), Te = SideEndMargin(T, Canvas, false);
    const int Bs = SideEndMargin(Bt, Canvas, true), Be = SideEndMargin(Bt, Canvas, false);
    const int Ls = SideEndMargin(L, Canvas, true), Le = SideEndMargin(L, Canvas, false);
    const int Rs = SideEndMargin(R, Canvas, true), Re = SideEndMargin(R, Canvas, false);
    int Tsum = SideRequiredSpace(T, Canvas), Bsum = SideRequiredSpace(Bt, Canvas);
    int Lsum = SideRequiredSpace(L, Canvas), Rsum = SideRequiredSpace(R, Canvas);

    const int vertStop = std::max({0, Le, Re});
    const int vertStart = std::max({0, Ls, Rs});
    const int horzStop = std::max({0, Te, Be});
    const int horzStart = std::max({0, Ts, Bs});
    Lsum = std::max(Lsum, horzStart);
    Rsum = std::max(Rsum, horzStop);
    Tsum = std::max(Tsum, vertStop);
    Bsum = std::max(Bsum, vertStart);

    const bool onlyToolBar = T.size() == 1 && dynamic_cast<TgPlotToolBar *>(T.front());
    const int topOff = Tsum + B + FOuterMarginTop + (onlyToolBar ? vertStop : 0);
    const int topShift = onlyToolBar ? vertStop : 0;
    const int bottomOff = Bsum + B + FOuterMarginBottom;
    const int leftOff = Lsum + B + FOuterMarginLeft;
    const int rightOff = Rsum + B + FOuterMarginRight;
    const TRect area(leftOff, topOff, W - rightOff - 1, H - bottomOff - 1);

    const auto reversed = [](const TSideList &List) {
        return [&List](auto &&Visit) {
            for (auto it = List.rbegin(); it != List.rend(); ++it)
                Visit(*it);
        };
    };
    const auto forward = [](const TSideList &List) {
        return [&List](auto &&Visit) {
            for (TgPlotLayoutObject *object : List)
                Visit(object);
        };
    };
    PlaceBands(L, Canvas, area.Left, -1, reversed(L), [](TgPlotLayoutObject *o, int p, int g) {
        SetSides(o, p - g, o->Top(), p, o->Bottom());
    });
    PlaceBands(R, Canvas, area.Right, +1, forward(R), [](TgPlotLayoutObject *o, int p, int g) {
        SetSides(o, p, o->Top(), p + g, o->Bottom());
    });
    {
        bool shifted = false;
        int p = area.Top, current = -1, g = 0;
        for (TgPlotLayoutObject *o : T) {
            if (o->ZOrder() != current) {
                p -= g;
                current = o->ZOrder();
                g = GroupRequiredSpace(T, Canvas, current);
            }
            if (!shifted && !dynamic_cast<TgPlotAxis *>(o)) {
                p -= topShift;
                shifted = true;
            }
            if (dynamic_cast<TgPlotToolBar *>(o))
                SetSides(o, o->Left(), B, o->Right(), Canvas.Space(o) + B);
            else
                SetSides(o, o->Left(), p - g, o->Right(), p);
        }
    }
    PlaceBands(Bt, Canvas, area.Bottom, +1, reversed(Bt), [](TgPlotLayoutObject *o, int p, int g) {
        SetSides(o, o->Left(), p, o->Right(), p + g);
    });

    TgPlotDataView *view = DataViewCount() > 0 ? GetDataView(0) : nullptr;
    if (view)
        view->SetDrawRect(area);
    const int dvW = view ? view->Width() : 0, dvH = view ? view->Height() : 0;

    for (int i = 0; i < layout->Count(); ++i) {
        TgPlotLayoutObject *o = layout->GetItem(i);
        if (dynamic_cast<TgPlotDataView *>(o) || dynamic_cast<TgPlotDataViewLayout *>(o))
            continue;
        const double start = o->StartPercent() / 100, stop = o->StopPercent() / 100;
        const bool spanned = dynamic_cast<TgPlotLegend *>(o) || dynamic_cast<TgPlotTable *>(o) ||
                             dynamic_cast<TgPlotAxis *>(o);
        if (o->Horizontal()) {
            if (dynamic_cast<TgPlotToolBar *>(o)) {
                SetSides(o, RoundHalfEven(start * (W - 2 * B)) + B, o->Top(), RoundHalfEven(stop * (W - 2 * B)) + B - 1,
                         o->Bottom());
            } else if (dynamic_cast<TgPlotLabel *>(o)) {
                const int span = W - B - FOuterMarginLeft - FOuterMarginRight;
                SetSides(o, RoundHalfEven(start * span) + B + FOuterMarginLeft, o->Top(),
                         RoundHalfEven(stop * span) + B + FOuterMarginLeft, o->Bottom());
            } else if (spanned) {
                SetSides(o, RoundHalfEven(dvW * start) + area.Left, o->Top(), RoundHalfEven(dvW * stop) + area.Left,
                         o->Bottom());
            }
        } else if (spanned || dynamic_cast<TgPlotLabel *>(o)) {
            SetSides(o, o->Left(), area.Bottom - RoundHalfEven(dvH * stop), o->Right(),
                     area.Bottom - RoundHalfEven(dvH * start));
        }
    }

    if (!view)
        return;
    // Cartesian axes run through the data view.
    for (int i = 0; i < layout->Count(); ++i) {
        auto *axis = dynamic_cast<TgPlotAxis *>(layout->GetItem(i));
        if (!axis || axis->CartesianStyle() != ipcsMaster)
            continue;
        const TRect v = view->DrawRect();
        if (axis->Horizontal())
            axis->SetDrawRect(TRect(v.Left, (v.Top + v.Bottom) / 2, v.Right, (v.Top + v.Bottom) / 2));
        else
            axis->SetDrawRect(TRect((v.Left + v.Right) / 2, v.Top, (v.Left + v.Right) / 2, v.Bottom));
    }
    for (int i = 0; i < layout->Count(); ++i) {
        auto *axis = dynamic_cast<TgPlotAxis *>(layout->GetItem(i));
        if (!axis || axis->CartesianStyle() != ipcsChild)
            continue;
        const bool isX = dynamic_cast<TgPlotXAxis *>(axis) != nullptr;
        const TgPlotAxis *ref = isX ? static_cast<TgPlotAxis *>(GetYAxisByName(axis->CartesianChildRefAxisName()))
                                    : static_cast<TgPlotAxis *>(GetXAxisByName(axis->CartesianChildRefAxisName()));
        const TRect v = view->DrawRect();
        if (!ref) {
            axis->SetDrawRect(TRect());
            continue;
        }
        const int pixel = ref->PositionToPixels(axis->CartesianChildRefValue());
        if (axis->Horizontal())
            axis->SetDrawRect(TRect(v.Left, pixel, v.Right, pixel));
        else
            axis->SetDrawRect(TRect(pixel, v.Top, pixel, v.Bottom));
    }
    // Aligned axes take their reference's extent and stacking.
    for (int i = 0; i < layout->Count(); ++i) {
        auto *axis = dynamic_cast<TgPlotAxis *>(layout->GetItem(i));
        if (!axis || axis->AlignRefAxisName().isEmpty())
            continue;
        const bool isX = dynamic_cast<TgPlotXAxis *>(axis) != nullptr;
        const TgPlotAxis *ref = isX ? static_cast<TgPlotAxis *>(GetXAxisByName(axis->AlignRefAxisName()))
                                    : static_cast<TgPlotAxis *>(GetYAxisByName(axis->AlignRefAxisName()));
        if (!ref)
            continue;
        const TRect r = axis->DrawRect(), from = ref->DrawRect();
        if (axis->Horizontal())
            axis->SetDrawRect(TRect(from.Left, r.Top, from.Right, r.Bottom));
        else
            axis->SetDrawRect(TRect(r.Left, from.Top, r.Right, from.Bottom));
        axis->SetStartStacked(ref->StartStacked());
        axis->SetStopStacked(ref->StopStacked());
        axis->CalcScaleRect();
    }
    // The data view follows the scales of the axes across and along it.
    if (XAxisCount() + YAxisCount() == 0)
        return;
    TRect fitted = view->DrawRect();
    int top = H, bottom = 0, left = W, right = 0;
    bool across = false, along = false;
    const auto take = [&](TgPlotAxis *axis, bool vertical) {
        axis->CalcScaleRect();
        const TRect s = axis->ScaleRect();
        if (vertical) {
            top = std::min(top, s.Top);
            bottom = std::max(bottom, s.Bottom);
            across = true;
        } else {
            left = std::min(left, s.Left);
            right = std::max(right, s.Right);
            along = true;
        }
    };
    for (int i = 0; i < YAxisCount(); ++i)
        take(GetYAxis(i), !XYAxesReverse());
    for (int i = 0; i < XAxisCount(); ++i)
        take(GetXAxis(i), XYAxesReverse());
    if (across) {
        fitted.Top = top;
        fitted.Bottom = bottom;
    }
    if (along) {
        fitted.Left = left;
        fitted.Right = right;
    }
    view->SetDrawRect(fitted);
}

bool TgPlotComponent::TryOccupyRect(const TRect &Rect)
{
    const TRect view = DataViewCount() > 0 ? GetDataView(0)->DrawRect() : TRect();
    for (const TgPlotRectObject &o : FOccupiedRects) {
        const TRect r(o.Left, o.Top, o.Right, o.Bottom);
        const bool intersects = r.Left < Rect.Right && Rect.Left < r.Right && r.Top < Rect.Bottom && Rect.Top < r.Bottom;
        if (intersects)
            return false;
        const TRect u(std::min(Rect.Left, view.Left), std::min(Rect.Top, view.Top), std::max(Rect.Right, view.Right),
                      std::max(Rect.Bottom, view.Bottom));
        if (u.Left != view.Left || u.Top != view.Top || u.Right != view.Right || u.Bottom != view.Bottom)
            return false;
    }
    AddOccupiedRect(Rect);
    return true;
}

void TgPlotComponent::AddOccupiedRect(const TRect &Rect)
{
    FOccupiedRects.push_back({Rect.Left, Rect.Top, Rect.Right, Rect.Bottom});
}

void TgPlotComponent::ReCalcLayout()
{
    TBitmap bitmap(std::max(Width(), 1), std::max(Height(), 1));
    PaintToCanvas(bitmap.Canvas());
}

void TgPlotComponent::PaintToCanvas(TCanvas *Canvas)
{
    struct Active {
        bool &flag;
        explicit Active(bool &f) : flag(f) { flag = true; }
        ~Active() { flag = false; }
    } active(FPaintingActive);
    const int W = Width(), H = Height();
    if (ToolBarCount() == 0 || LegendCount() == 0 || DataViewCount() == 0) {
        // Nothing to lay out, but the image must not show stale pixels.
        DrawBackGround(Canvas, BackGroundColor());
        return;
    }
    TgPlotDataView *view = GetDataView(0);
    const TColor objectBackGround = view->BackgroundTransparent() ? BackGroundColor() : view->BackgroundColor();
    FOccupiedRects.clear();

    // The readings come before the layout, so that the legend can make room
    // for the cursor's columns when one cursor reads every channel.
    TgPlotLegend *legend = GetLegend(0);
    legend->SetCursorAllChannels(false);
    for (int i = 0; i < DataCursorCount(); ++i) {
        TgPlotDataCursor *cursor = GetDataCursor(i);
        cursor->UpdateReadings();
        if (cursor->Visible() && cursor->ChannelName() == TgPlotDataCursor::AllChannels() &&
            cursor->ChannelShowAllInLegend())
            legend->SetCursorAllChannels(true);
    }

    for (int i = 0; i < XAxisCount(); ++i)
        GetXAxis(i)->CalcTicks();
    for (int i = 0; i < YAxisCount(); ++i)
        GetYAxis(i)->CalcTicks();
    ArrangeLayoutObjects(Canvas);
    ArrangeLayoutObjects(Canvas);
    for (int i = 0; i < XAxisCount(); ++i)
        GetXAxis(i)->CalcTicks();
    for (int i = 0; i < YAxisCount(); ++i)
        GetYAxis(i)->CalcTicks();
    for (int i = 0; i < ChannelCount(); ++i)
        GetChannel(i)->UpdateCanDraw();
    for (int i = 0; i < XAxisCount(); ++i)
        GetXAxis(i)->UpdateCanDraw();
    for (int i = 0; i < YAxisCount(); ++i)
        GetYAxis(i)->UpdateCanDraw();
    for (int i = 0; i < AnnotationCount(); ++i) {
        GetAnnotation(i)->SetDataView(view);
        GetAnnotation(i)->SetXYAxesReversed(XYAxesReverse());
    }
    for (int i = 0; i < DataCursorCount(); ++i)
        GetDataCursor(i)->SetDataView(view);

    if (FBackGroundGradientEnabled) {
        Canvas->SaveState();
        Canvas->IntersectClipRect(TRect(0, 0, W, H));
        FillGradient(Canvas, TRect(0, 0, W, H), FBackGroundGradientDirection, FBackGroundGradientStartColor,
                     FBackGroundGradientStopColor);
        Canvas->RestoreState();
    } else {
        DrawBackGround(Canvas, BackGroundColor());
    }
    if (!view->BackgroundTransparent()) {
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(view->BackgroundColor());
        Canvas->FillRect(view->DrawRect());
    }

    // Layer list: key = layer text + kind letter; an equal key goes before
    // the ones already there, so a later channel is drawn first.
    TStringList layers;
    layers.SetSorted(true);
    layers.SetDuplicates(dupAccept);
    const auto add = [&layers](TgPlotObject *o, char letter) {
        layers.AddObject(o->GetLayerText() + QLatin1Char(letter), o);
    };
    for (int i = 0; i < LimitCount(); ++i)
        if (GetLimit(i)->IsFilledStyle())
            add(GetLimit(i), 'A');
    add(view, 'B');
    for (int i = 0; i < LimitCount(); ++i)
        if (!GetLimit(i)->IsFilledStyle())
            add(GetLimit(i), 'C');
    for (int i = 0; i < YAxisCount(); ++i)
        if (GetYAxis(i)->IsCartesian())
            add(GetYAxis(i), 'D');
    for (int i = 0; i < XAxisCount(); ++i)
        if (GetXAxis(i)->IsCartesian())
            add(GetXAxis(i), 'E');
    for (int i = 0; i < ChannelCount(); ++i)
        if (GetChannel(i)->CanDraw())
            add(GetChannel(i), 'F');
    for (int i = 0; i < AnnotationCount(); ++i)
        add(GetAnnotation(i), 'G');
    const TRect v = view->DrawRect();
    for (int i = 0; i < layers.Count(); ++i) {
        Canvas->SaveState();
        Canvas->IntersectClipRect(TRect(v.Left, v.Top, v.Right + 1, v.Bottom + 1));
        static_cast<TgPlotObject *>(layers.GetObject(i))->Draw(Canvas, objectBackGround);
        Canvas->RestoreState();
    }
    view->DrawZoomBox(Canvas);
    DrawOuterObjects(Canvas);
    for (int i = 0; i < DataCursorCount(); ++i)
        GetDataCursor(i)->Draw(Canvas, objectBackGround);
    for (int i = 0; i < LegendCount(); ++i)
        GetLegend(i)->Draw(Canvas, BackGroundColor());
    for (int i = 0; i < TableCount(); ++i)
        GetTable(i)->Draw(Canvas, BackGroundColor());
    DrawHint(Canvas);
    FPaintingActive = false;
    if (OnAfterPaint)
        OnAfterPaint(this);
}

void TgPlotComponent::DrawOuterObjects(TCanvas *Canvas)
{
    Canvas->Brush()->SetColor(BackGroundColor());
    Canvas->Brush()->SetStyle(bsSolid);
    DrawBorder(Canvas);
    for (int i = 0; i < XAxisCount(); ++i)
        if (!GetXAxis(i)->IsCartesian())
            GetXAxis(i)->Draw(Canvas, BackGroundColor());
    for (int i = 0; i < YAxisCount(); ++i)
        if (!GetYAxis(i)->IsCartesian())
            GetYAxis(i)->Draw(Canvas, BackGroundColor());
    for (int i = 0; i < LabelCount(); ++i)
        GetLabel(i)->Draw(Canvas, BackGroundColor());
    for (int i = 0; i < ToolBarCount(); ++i)
        GetToolBar(i)->Draw(Canvas, BackGroundColor());
}

void TgPlotComponent::DrawHint(TCanvas *Canvas)
{
    FHintShowing = false;
    if (!FHint.Visible)
        return;
    Canvas->Font()->Assign(FHintsFont.get());
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clInfoBk);
    Canvas->Font()->SetColor(clInfoText);
    Canvas->Pen()->SetStyle(psClear);
    TRect r(FHint.Left, FHint.Top, FHint.Left + FHint.Width, FHint.Top + FHint.Height);
    Canvas->FillRect(r);
    DrawTextWithFlags(Canvas, FHint.Text, r, itfLeft | itfTop, true, clInfoBk);
    FHintShowing = true;
}
