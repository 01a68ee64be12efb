#include "gPlotLayoutManager.h"

#include "gPlotDataView.h"
#include "gPlotLabel.h"
#include "gPlotLayoutObject.h"
#include "gPlotLegend.h"
#include "gPlotToolBar.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

#include <vector>

namespace {

void SortedWithDuplicates(TStringList &List)
{
    List.SetSorted(true);
    List.SetDuplicates(dupAccept);
}

bool IsMarker(const TgPlotObject *Object)
{
    return dynamic_cast<const TgPlotDataViewLayout *>(Object) != nullptr;
}

bool IsDataView(const TgPlotObject *Object)
{
    return dynamic_cast<const TgPlotDataView *>(Object) != nullptr;
}

bool SpansConflict(const TgPlotLayoutObject *A, const TgPlotLayoutObject *B)
{
    const bool overlap = A->StartPercent() < B->StopPercent() && A->StopPercent() > B->StartPercent();
    const bool identical = A->StartPercent() == B->StartPercent() && A->StopPercent() == B->StopPercent();
    return overlap || identical;
}

} // namespace

TgPlotLayoutManager::TgPlotLayoutManager(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                         TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TgPlotObjectManagerCustom(AOwner, AOnChange, AOnInsert, AOnRemove, AOnRename)
{
    SortedWithDuplicates(FTopList);
    SortedWithDuplicates(FBottomList);
    SortedWithDuplicates(FLeftList);
    SortedWithDuplicates(FRightList);
    // The markers are held here before they are announced: while this
    // manager is being built nobody can route their insertion back to it.
    FDataViewHorz = new TgPlotDataViewHorz(AOwner, AOnChange, AOnInsert, AOnRemove, AOnRename);
    FDataViewVert = new TgPlotDataViewVert(AOwner, AOnChange, AOnInsert, AOnRemove, AOnRename);
    FDataViewHorz->SetHorizontal(true);
    for (TgPlotLayoutObject *marker : {static_cast<TgPlotLayoutObject *>(FDataViewHorz),
                                       static_cast<TgPlotLayoutObject *>(FDataViewVert)}) {
        marker->SetName(QStringLiteral("Data View"));
        marker->SetZOrder(1);
        InsertObject(marker);
        marker->DoInsert();
    }
    FEnabled = true;
}

TgPlotLayoutManager::~TgPlotLayoutManager()
{
    delete FDataViewHorz;
    delete FDataViewVert;
}

TgPlotLayoutObject *TgPlotLayoutManager::GetItem(int Index) const
{
    return static_cast<TgPlotLayoutObject *>(TgPlotObjectManagerCustom::GetItem(Index));
}

void TgPlotLayoutManager::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    if (Value)
        RebuildSideLists();
}

void TgPlotLayoutManager::SetXYAxesReverse(bool Value)
{
    if (Value == FXYAxesReverse)
        return;
    FXYAxesReverse = Value;
    if (FEnabled)
        ReinsertAxes();
}

void TgPlotLayoutManager::NotificationInsert(TObject *Sender)
{
    auto *object = dynamic_cast<TgPlotLayoutObject *>(Sender);
    if (!object)
        return;
    InsertObject(object);
    if (dynamic_cast<TgPlotAxis *>(object) || dynamic_cast<TgPlotToolBar *>(object) ||
        dynamic_cast<TgPlotLegend *>(object) || IsDataView(object) || dynamic_cast<TgPlotLabel *>(object))
        object->SetOnLayoutChange([this](TObject *S) { RebuildSideLists(S); });
    if (dynamic_cast<TgPlotXAxis *>(object))
        object->SetHorizontal(!FXYAxesReverse);
    else if (dynamic_cast<TgPlotYAxis *>(object))
        object->SetHorizontal(FXYAxesReverse);
    if (FEnabled)
        InsertZOrder(object, 0, iidMerge);
}

void TgPlotLayoutManager::DoRemoveObject(TgPlotObject *AObject)
{
    for (TStringList *list : {&FTopList, &FBottomList, &FLeftList, &FRightList}) {
        const int index = list->IndexOfObject(AObject);
        if (index >= 0)
            list->Delete(index);
    }
    if (FEnabled)
        if (auto *object = dynamic_cast<TgPlotLayoutObject *>(AObject))
            RemoveZOrder(object);
}

void TgPlotLayoutManager::InsertZOrder(TgPlotLayoutObject *NewObject, int DesiredZOrder,
                                       TgInsertDirection InsertDirection)
{
    std::vector<TgPlotLayoutObject *> peers;
    for (int i = 0; i < Count(); ++i) {
        TgPlotLayoutObject *peer = GetItem(i);
        if (peer != NewObject && peer->Horizontal() == NewObject->Horizontal() && !IsDataView(peer))
            peers.push_back(peer);
    }
    bool merged = false;
    if (InsertDirection == iidMerge) {
        bool conflict = false;
        for (TgPlotLayoutObject *peer : peers)
            if (peer->ZOrder() == DesiredZOrder && SpansConflict(peer, NewObject))
                conflict = true;
        merged = !conflict;
    }
    if (merged) {
        NewObject->SetZOrder(DesiredZOrder);
    } else {
        for (TgPlotLayoutObject *peer : peers) {
            const bool moves = InsertDirection == iidAbove ? peer->ZOrder() > DesiredZOrder
                                                           : peer->ZOrder() >= DesiredZOrder;
            if (moves)
                peer->SetZOrder(peer->ZOrder() + 1);
        }
        NewObject->SetZOrder(InsertDirection == iidAbove ? DesiredZOrder + 1 : DesiredZOrder);
    }
    RebuildSideLists();
}

void TgPlotLayoutManager::RemoveZOrder(TgPlotLayoutObject *AObject)
{
    for (int i = 0; i < Count(); ++i) {
        TgPlotLayoutObject *peer = GetItem(i);
        if (peer != AObject && peer->Horizontal() == AObject->Horizontal() && !IsDataView(peer) &&
            peer->ZOrder() == AObject->ZOrder()) {
            RebuildSideLists();
            return;
        }
    }
    for (int i = 0; i < Count(); ++i) {
        TgPlotLayoutObject *other = GetItem(i);
        if (other != AObject && other->Horizontal() == AObject->Horizontal() && other->ZOrder() > AObject->ZOrder())
            other->SetZOrder(other->ZOrder() - 1);
    }
    RebuildSideLists();
}

int TgPlotLayoutManager::VisibleCount(const TStringList *AList) const
{
    int count = 0;
    for (int i = 0; i < AList->Count(); ++i)
        if (static_cast<TgPlotObject *>(AList->GetObject(i))->Visible())
            ++count;
    return count;
}

void TgPlotLayoutManager::ClearSideLists()
{
    FTopList.Clear();
    FBottomList.Clear();
    FLeftList.Clear();
    FRightList.Clear();
}

void TgPlotLayoutManager::RebuildSideLists(TObject *)
{
    if (!FEnabled)
        return;
    ClearSideLists();
    for (int i = 0; i < Count(); ++i) {
        TgPlotLayoutObject *object = GetItem(i);
        if (IsDataView(object) || IsMarker(object))
            continue;
        const QString key = object->GetZOrderText() + object->GetStartPercentText();
        if (object->Horizontal()) {
            const bool above = FDataViewHorz->ZOrder() < object->ZOrder();
            object->SetReverseSide(above);
            (above ? FTopList : FBottomList).AddObject(key, object);
        } else {
            const bool right = FDataViewVert->ZOrder() < object->ZOrder();
            object->SetReverseSide(right);
            (right ? FRightList : FLeftList).AddObject(key, object);
        }
    }
    FTopUniqueCount = CountUniqueZOrders(FTopList);
    FBottomUniqueCount = CountUniqueZOrders(FBottomList);
    FLeftUniqueCount = CountUniqueZOrders(FLeftList);
    FRightUniqueCount = CountUniqueZOrders(FRightList);
}

int TgPlotLayoutManager::CountUniqueZOrders(const TStringList &List)
{
    int count = 0;
    int last = -1;
    for (int i = 0; i < List.Count(); ++i) {
        const int zorder = List.Get(i).left(3).toInt();
        if (zorder > last) {
            ++count;
            last = zorder;
        }
    }
    return count;
}

void TgPlotLayoutManager::ReinsertAxes()
{
    // Ordered by ZOrder as text (10 before 2), as the stacking always was.
    TStringList axes;
    SortedWithDuplicates(axes);
    for (int i = 0; i < Count(); ++i)
        if (auto *axis = dynamic_cast<TgPlotAxis *>(GetItem(i)))
            axes.AddObject(QString::number(axis->ZOrder()), axis);
    for (int i = 0; i < axes.Count(); ++i) {
        auto *axis = static_cast<TgPlotAxis *>(axes.GetObject(i));
        RemoveZOrder(axis);
        axis->SetHorizontal(dynamic_cast<TgPlotXAxis *>(axis) ? !FXYAxesReverse : FXYAxesReverse);
        InsertZOrder(axis, 0, iidMerge);
    }
}
