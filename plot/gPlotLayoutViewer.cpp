#include "gPlotLayoutViewer.h"

#include "Font.h"
#include "gDrawing.h"
#include "gPlotAxis.h"
#include "gPlotDataView.h"
#include "gPlotLabel.h"
#include "gPlotLayoutObject.h"
#include "gPlotLegend.h"
#include "gPlotTable.h"
#include "gPlotToolBar.h"
#include "gPlotTranslationManager.h"

#include <cstdlib>

namespace {

constexpr int EndGrip = 6;       // pixels from a block's end that resize it
constexpr double SizeStep = 1.25; // span changes snap to this many percent

template <class T>
bool Is(const TgPlotLayoutObject *Object)
{
    return dynamic_cast<const T *>(Object) != nullptr;
}

// The data view itself or one of its places in the two stacking orders.
bool IsDataViewKind(const TgPlotLayoutObject *Object)
{
    return Is<TgPlotDataView>(Object) || Is<TgPlotDataViewLayout>(Object);
}

// Kinds whose ends can be dragged.
bool IsSizable(const TgPlotLayoutObject *Object)
{
    return Is<TgPlotAxis>(Object) || Is<TgPlotLabel>(Object) || Is<TgPlotTable>(Object) ||
           Is<TgPlotLegend>(Object);
}

// Pairs that may share a band: over such a row the band's middle third merges.
bool MayShareBand(const TgPlotLayoutObject *Dragged, const TgPlotLayoutObject *Row)
{
    return (Is<TgPlotAxis>(Dragged) && Is<TgPlotAxis>(Row)) || (Is<TgPlotLabel>(Dragged) && Is<TgPlotLabel>(Row)) ||
           (Is<TgPlotLabel>(Dragged) && Is<TgPlotLegend>(Row)) || (Is<TgPlotLegend>(Dragged) && Is<TgPlotLabel>(Row));
}

int PercentOf(int Length, double Percent)
{
    return RoundHalfEven(Length * Percent / 100);
}

} // namespace

TgPlotLayoutViewer::TgPlotLayoutViewer(TComponent *AOwner)
    : TgCustomComponent(AOwner), FViewerFont(std::make_unique<TFont>())
{
    FViewerFont->SetName(QStringLiteral("Arial"));
    FViewerFont->SetSize(10);
    FViewerFont->OnChange = [this](TObject *) { InvalidateChange(); };
}

TgPlotLayoutViewer::~TgPlotLayoutViewer() = default;

void TgPlotLayoutViewer::SetLayoutManager(TgPlotLayoutManager *Value)
{
    if (Value == FLayoutManager)
        return;
    // Nothing of the old plot may be held on to.
    FLayoutManager = Value;
    FEditMode = ilemNone;
    FMouseIsDown = false;
    FSelectedObject = FResizeBlock = FOverLayoutObject = nullptr;
    FDragOverRefBlock = nullptr;
    FBlockList.clear();
    InvalidateNow();
}

void TgPlotLayoutViewer::SetTranslationManager(TgPlotTranslationManager *Value)
{
    FTranslationManager = Value;
    InvalidateNow();
}

// -- layout -------------------------------------------------------------------

void TgPlotLayoutViewer::PaintToCanvas(TCanvas *Canvas)
{
    CalcLayout(Canvas);
    DrawViewBackground(Canvas);
    if (FLayoutManager)
        DrawBlocks(Canvas);
}

void TgPlotLayoutViewer::CalcLayout(TCanvas *Canvas)
{
    FViewRect = TRect(5, 5, Width() - 5, Height() - 5);
    if (!FLayoutManager)
        return;
    Canvas->Font()->Assign(FViewerFont.get());
    FCellWidth = RoundHalfEven(Canvas->TextHeight(QStringLiteral("ABC")) * 1.1);
    const TgPlotLayoutManager *m = FLayoutManager;
    FDataViewRect = TRect(FViewRect.Left + FCellWidth * m->LeftUniqueCount(),
                          FViewRect.Top + FCellWidth * m->TopUniqueCount(),
                          FViewRect.Right - FCellWidth * m->RightUniqueCount(),
                          FViewRect.Bottom - FCellWidth * m->BottomUniqueCount());
    FDataViewWidth = FDataViewRect.Width();
    FDataViewHeight = FDataViewRect.Height();
    // A drag holds on to a band of the list; the layout cannot change meanwhile.
    if (!FDragOverRefBlock)
        BuildBands();
    PlaceObjects();
}

void TgPlotLayoutViewer::BuildBands()
{
    FBlockList.clear();
    const TgPlotLayoutManager *m = FLayoutManager;
    const TRect &v = FViewRect, &dv = FDataViewRect;
    const int cw = FCellWidth;
    const auto add = [this](const TRect &R, int ZOrder, bool Horizontal, bool IsDataView, bool IsToolBar) {
        auto band = std::make_unique<TBlockObject>();
        band->BlockRect = R;
        band->ZOrder = ZOrder;
        band->Horizontal = Horizontal;
        band->IsDataView = IsDataView;
        band->IsToolBar = IsToolBar;
        FBlockList.push_back(std::move(band));
    };
    // Vertical orders grow from left to right, horizontal ones from bottom to top.
    int z = 0;
    for (int i = 0; i < m->LeftUniqueCount(); ++i)
        add(TRect(v.Left + i * cw, dv.Top, v.Left + (i + 1) * cw, dv.Bottom), z++, false, false, false);
    add(dv, z++, false, true, false);
    for (int i = 0; i < m->RightUniqueCount(); ++i)
        add(TRect(dv.Right + i * cw, dv.Top, dv.Right + (i + 1) * cw, dv.Bottom), z++, false, false, false);
    z = m->TopUniqueCount() + m->BottomUniqueCount();
    for (int i = 0; i < m->TopUniqueCount(); ++i)
        add(TRect(v.Left, v.Top + i * cw, v.Right, v.Top + (i + 1) * cw), z--, true, false, i == 0);
    add(dv, z--, true, true, false);
    for (int i = 0; i < m->BottomUniqueCount(); ++i)
        add(TRect(v.Left, dv.Bottom + i * cw, v.Right, dv.Bottom + (i + 1) * cw), z--, true, false, false);
}

void TgPlotLayoutViewer::PlaceObjects()
{
    const TRect &v = FViewRect, &dv = FDataViewRect;
    const int cw = FCellWidth;
    const int horzZ = static_cast<TgPlotLayoutObject *>(FLayoutManager->DataViewHorz())->ZOrder();
    const int vertZ = static_cast<TgPlotLayoutObject *>(FLayoutManager->DataViewVert())->ZOrder();
    for (int i = 0; i < FLayoutManager->Count(); ++i) {
        TgPlotLayoutObject *o = FLayoutManager->GetItem(i);
        if (IsDataViewKind(o)) {
            o->SetLayoutRect(dv);
        } else if (o->Horizontal()) {
            const int d = o->ZOrder() - horzZ;
            const int top = d > 0 ? dv.Top - d * cw : dv.Bottom + (-d - 1) * cw;
            // Axes span the data view, every other kind the whole width.
            const int from = Is<TgPlotAxis>(o) ? dv.Left : v.Left;
            const int length = Is<TgPlotAxis>(o) ? FDataViewWidth : v.Width();
            o->SetLayoutRect(TRect(from + PercentOf(length, o->StartPercent()), top,
                                   from + PercentOf(length, o->StopPercent()), top + cw));
        } else {
            const int d = o->ZOrder() - vertZ;
            const int left = d > 0 ? dv.Right + (d - 1) * cw : dv.Left + d * cw;
            o->SetLayoutRect(TRect(left, dv.Bottom - PercentOf(FDataViewHeight, o->StopPercent()), left + cw,
                                   dv.Bottom - PercentOf(FDataViewHeight, o->StartPercent())));
        }
    }
}

// -- drawing ------------------------------------------------------------------

void TgPlotLayoutViewer::DrawViewBackground(TCanvas *Canvas)
{
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clBlue);
    Canvas->FillRect(Canvas->ClipRect());
    Canvas->Brush()->SetColor(clWhite);
    Canvas->FillRect(FViewRect);
}

void TgPlotLayoutViewer::DrawBlocks(TCanvas *Canvas)
{
    Canvas->Pen()->SetColor(clBlack);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetWidth(1);
    Canvas->Font()->Assign(FViewerFont.get());
    for (int i = 0; i < FLayoutManager->Count(); ++i) {
        TgPlotLayoutObject *o = FLayoutManager->GetItem(i);
        // The horizontal placeholder stands for the data view, named "Data View".
        if (Is<TgPlotDataView>(o) || Is<TgPlotDataViewVert>(o))
            continue;
        const TRect r = o->LayoutRect();
        Canvas->Brush()->SetColor(o == FSelectedObject ? clYellow : clSilver);
        Canvas->Brush()->SetStyle(o->Visible() ? bsSolid : bsDiagCross);
        Canvas->Rectangle(r);
        Canvas->Brush()->SetStyle(bsClear);
        const QString name = FTranslationManager ? FTranslationManager->FindReplacement(o->Name()) : o->Name();
        TRect covered;
        DrawRotatedText(Canvas, name, r, o->Horizontal() ? ira000 : ira090, iahCenter, true, clWhite, covered);
    }
    const TRect target = TargetOutline();
    if (target.IsEmpty())
        return;
    Canvas->Pen()->SetWidth(2);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Rectangle(target);
    Canvas->Pen()->SetWidth(1);
}

// Where a drop would land: the swap partner, or the band moved half a band
// towards the side a new band would be inserted on.
TRect TgPlotLayoutViewer::TargetOutline() const
{
    if (FOverLayoutObject)
        return FOverLayoutObject->LayoutRect();
    if (!FDragOverRefBlock)
        return TRect();
    const TBlockObject &band = *FDragOverRefBlock;
    const int half = FCellWidth / 2;
    const bool below = FInsertDirection == iidBelow;
    if (FInsertDirection == iidMerge)
        return band.BlockRect;
    if (band.IsDataView) {
        const TRect &dv = FDataViewRect;
        if (band.Horizontal) {
            const int edge = below ? dv.Bottom : dv.Top;
            return TRect(FViewRect.Left, edge - half, FViewRect.Right, edge - half + FCellWidth);
        }
        const int edge = below ? dv.Left : dv.Right;
        return TRect(edge - half, dv.Top, edge - half + FCellWidth, dv.Bottom);
    }
    TRect r = band.BlockRect;
    if (band.Horizontal)
        r.Offset(0, below ? half : -half);
    else
        r.Offset(below ? -half : half, 0);
    return r;
}

// -- hit tests ----------------------------------------------------------------

TgPlotLayoutObject *TgPlotLayoutViewer::GetMouseOverBlock(int X, int Y) const
{
    if (!FLayoutManager)
        return nullptr;
    for (int i = 0; i < FLayoutManager->Count(); ++i) {
        TgPlotLayoutObject *o = FLayoutManager->GetItem(i);
        if (!Is<TgPlotDataViewLayout>(o) && o->LayoutRect().Contains(X, Y))
            return o;
    }
    return nullptr;
}

TBlockObject *TgPlotLayoutViewer::GetMouseOverBlock2(int X, int Y) const
{
    for (const auto &band : FBlockList) {
        const TRect &r = band->BlockRect;
        if (!r.Contains(X, Y))
            continue;
        if (band->IsToolBar && Y < (r.Top + r.Bottom) / 2)
            continue;
        if (band->IsDataView) {
            const bool nearEdge = band->Horizontal ? (Y < r.Top + FCellWidth || Y >= r.Bottom - FCellWidth)
                                                   : (X < r.Left + FCellWidth || X >= r.Right - FCellWidth);
            if (!nearEdge)
                continue;
        }
        return band.get();
    }
    return nullptr;
}

TgPlotLayoutObject *TgPlotLayoutViewer::FindRowObject(TgPlotLayoutObject *Object, bool Horizontal, int ZOrder) const
{
    for (int i = 0; i < FLayoutManager->Count(); ++i) {
        TgPlotLayoutObject *o = FLayoutManager->GetItem(i);
        if (o == Object || Is<TgPlotDataView>(o))
            continue;
        if (Horizontal ? Is<TgPlotDataViewVert>(o) : Is<TgPlotDataViewHorz>(o))
            continue;
        if (o->Horizontal() == Horizontal && o->ZOrder() == ZOrder)
            return o;
    }
    return nullptr;
}

// -- mouse --------------------------------------------------------------------

void TgPlotLayoutViewer::gMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    // Only the left button drags; the right one is the popup's.
    if (!FLayoutManager || Button != mbLeft)
        return;
    if (FCellWidth == 0)
        CalcLayout(Canvas()); // pressed before the first paint
    TgPlotLayoutObject *o = GetMouseOverBlock(X, Y);
    if (!o || Is<TgPlotDataView>(o) || Is<TgPlotToolBar>(o))
        return;
    FSelectedObject = o;
    FMouseIsDown = true;
    FMouseDownX = X;
    FMouseDownY = Y;
    if (!Shift.Contains(ssLeft))
        FInsertDirection = iidMerge;
    // The end found by the hover is only trusted on the block pressed.
    if (FResizeBlock && FResizeBlock == o) {
        FEditMode = ilemSize;
        FMouseDownStartPercent = o->StartPercent();
        FMouseDownStopPercent = o->StopPercent();
    } else {
        FEditMode = ilemDrag;
    }
    InvalidateNow();
}

void TgPlotLayoutViewer::gMouseMove(TShiftState Shift, int X, int Y)
{
    TCursor cursor = crDefault;
    if (!Shift.Contains(ssLeft) && FEditMode == ilemDrag) {
        SetCursor(cursor);
        return;
    }
    if (FLayoutManager) {
        FOverLayoutObject = nullptr;
        FDragOverRefBlock = nullptr;
        TgPlotLayoutObject *o = GetMouseOverBlock(X, Y);
        TBlockObject *band = GetMouseOverBlock2(X, Y);
        if (FEditMode == ilemNone)
            HoverEnds(o, X, Y, cursor);
        else if (FEditMode == ilemDrag && FMouseIsDown)
            DragOver(o, band, X, Y);
        else if (FEditMode == ilemSize && FMouseIsDown)
            SizeTo(X, Y);
    }
    SetCursor(cursor);
    InvalidateNow();
}

void TgPlotLayoutViewer::HoverEnds(TgPlotLayoutObject *Object, int X, int Y, TCursor &Cursor)
{
    FResizeBlock = nullptr;
    if (!Object || !IsSizable(Object))
        return;
    const TRect r = Object->LayoutRect();
    const bool horizontal = Object->Horizontal();
    // Percent counts rightwards and upwards: the left or bottom end is the start.
    const int at = horizontal ? X : Y;
    if (std::abs((horizontal ? r.Left : r.Bottom) - at) <= EndGrip)
        FSizingSide = ilssStart;
    else if (std::abs((horizontal ? r.Right : r.Top) - at) <= EndGrip)
        FSizingSide = ilssStop;
    else
        return;
    Cursor = horizontal ? crSizeWE : crSizeNS;
    FResizeBlock = Object;
}

void TgPlotLayoutViewer::DragOver(TgPlotLayoutObject *Object, TBlockObject *Band, int X, int Y)
{
    TgPlotLayoutObject *sel = FSelectedObject;
    if (Object && !Is<TgPlotDataView>(Object) && Object != sel && Object->Horizontal() == sel->Horizontal() &&
        Object->ZOrder() == sel->ZOrder())
        FOverLayoutObject = Object;
    // Axes keep their orientation.
    if (!Band || (Is<TgPlotAxis>(sel) && Band->Horizontal != sel->Horizontal()))
        return;
    FDragOverRefBlock = Band;
    TgPlotLayoutObject *row = FindRowObject(sel, Band->Horizontal, Band->ZOrder);
    if (!row)
        return; // an empty row keeps the direction it had
    const TRect &r = Band->BlockRect;
    const int h = r.Height(), w = r.Width();
    if (MayShareBand(sel, row)) {
        if (Band->IsToolBar) {
            if (Y > r.Top + 2 * h / 3)
                FInsertDirection = iidBelow;
            else
                FDragOverRefBlock = nullptr;
        } else if (Band->Horizontal) {
            FInsertDirection = Y > r.Top + 2 * h / 3 ? iidBelow : Y > r.Top + h / 3 ? iidMerge : iidAbove;
        } else {
            FInsertDirection = X < r.Left + w / 3 ? iidBelow : X < r.Left + 2 * w / 3 ? iidMerge : iidAbove;
        }
    } else if (Band->Horizontal) {
        FInsertDirection = Y > r.Top + h / 2 ? iidBelow : iidAbove;
    } else {
        FInsertDirection = X < r.Left + w / 2 ? iidBelow : iidAbove;
    }
}

void TgPlotLayoutViewer::SizeTo(int X, int Y)
{
    TgPlotLayoutObject *o = FSelectedObject;
    const int length = o->Horizontal() ? FDataViewWidth : FDataViewHeight;
    if (length <= 0)
        return;
    const int offset = o->Horizontal() ? X - FMouseDownX : FMouseDownY - Y;
    const double percent = RoundHalfEven(offset * 100.0 / length / SizeStep) * SizeStep;
    if (FSizingSide == ilssStart)
        o->SetStartPercent(FMouseDownStartPercent + percent);
    else
        o->SetStopPercent(FMouseDownStopPercent + percent);
}

void TgPlotLayoutViewer::gMouseUp(TMouseButton, TShiftState, int, int)
{
    FMouseIsDown = false;
    if (FLayoutManager && FSelectedObject) {
        if (FEditMode == ilemDrag && FDragOverRefBlock) {
            Drop();
        } else if (FEditMode == ilemSize && FResizeBlock) {
            // The side lists are keyed by the start.
            FLayoutManager->RebuildSideLists();
            DoViewerChange();
        }
    }
    EndEdit();
}

void TgPlotLayoutViewer::CaptureChanged(TControl *NewCapture)
{
    TgCustomComponent::CaptureChanged(NewCapture);
    if (NewCapture != this && (FMouseIsDown || FEditMode != ilemNone)) {
        FMouseIsDown = false;
        EndEdit();
    }
}

void TgPlotLayoutViewer::EndEdit()
{
    FEditMode = ilemNone;
    SetCursor(crDefault);
    FOverLayoutObject = nullptr;
    FDragOverRefBlock = nullptr;
    FSelectedObject = nullptr;
    FResizeBlock = nullptr;
    InvalidateNow();
}

// -- drops --------------------------------------------------------------------

void TgPlotLayoutViewer::Drop()
{
    TgPlotLayoutObject *sel = FSelectedObject;
    const TBlockObject &band = *FDragOverRefBlock;
    if (FOverLayoutObject) {
        SwapObjects();
        DoViewerChange();
        return;
    }
    TgPlotLayoutObject *row = FindRowObject(sel, band.Horizontal, band.ZOrder);
    if (band.Horizontal != sel->Horizontal()) {
        if (sel->Horizontal())
            MoveToVertical(row);
        else
            MoveToHorizontal(row);
        DoViewerChange();
        return;
    }
    if (FInsertDirection == iidMerge) {
        MergeIntoRow(row);
        DoViewerChange();
    } else if (row) {
        FLayoutManager->RemoveZOrder(sel);
        FLayoutManager->InsertZOrder(sel, row->ZOrder(), FInsertDirection);
        sel->SetStartStopPercent(0, 100);
        DoViewerChange();
    }
}

void TgPlotLayoutViewer::SwapObjects()
{
    TgPlotLayoutObject *a = FSelectedObject, *b = FOverLayoutObject;
    const double start = a->StartPercent(), stop = a->StopPercent();
    a->SetStartStopPercent(b->StartPercent(), b->StopPercent());
    b->SetStartStopPercent(start, stop);
    // The side lists are keyed by the start.
    FLayoutManager->RebuildSideLists();
}

// The row's blocks and then the dropped one share the band in equal parts.
void TgPlotLayoutViewer::MergeIntoRow(TgPlotLayoutObject *RowObject)
{
    TgPlotLayoutObject *sel = FSelectedObject;
    const TBlockObject &band = *FDragOverRefBlock;
    std::vector<TgPlotLayoutObject *> row;
    for (int i = 0; i < FLayoutManager->Count(); ++i) {
        TgPlotLayoutObject *o = FLayoutManager->GetItem(i);
        if (o != sel && !IsDataViewKind(o) && o->Horizontal() == band.Horizontal && o->ZOrder() == band.ZOrder)
            row.push_back(o);
    }
    row.push_back(sel);
    const double share = 100.0 / static_cast<double>(row.size());
    for (size_t k = 0; k < row.size(); ++k)
        row[k]->SetStartStopPercent(share * static_cast<double>(k), share * static_cast<double>(k + 1));
    if (!RowObject)
        return;
    // Leaving a band of its own closes it, so no empty band stays behind.
    FLayoutManager->RemoveZOrder(sel);
    FLayoutManager->InsertZOrder(sel, RowObject->ZOrder(), iidMerge);
}

void TgPlotLayoutViewer::MoveToVertical(TgPlotLayoutObject *RowObject)
{
    MoveAcross(RowObject, false);
}

void TgPlotLayoutViewer::MoveToHorizontal(TgPlotLayoutObject *RowObject)
{
    MoveAcross(RowObject, true);
}

void TgPlotLayoutViewer::MoveAcross(TgPlotLayoutObject *RowObject, bool Horizontal)
{
    TgPlotLayoutObject *sel = FSelectedObject;
    FLayoutManager->RemoveZOrder(sel);
    sel->SetHorizontal(Horizontal);
    // A band whose row holds nothing is placed by its own position.
    const int z = RowObject ? RowObject->ZOrder() : FDragOverRefBlock->ZOrder;
    FLayoutManager->InsertZOrder(sel, z, FInsertDirection);
}

void TgPlotLayoutViewer::DoViewerChange()
{
    if (OnChange)
        OnChange(this);
}
