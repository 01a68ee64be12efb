#pragma once
#include "Strings.h"
#include "gPlotObjectManagerCustom.h"

class TgPlotLayoutObject;
class TgPlotDataViewHorz;
class TgPlotDataViewVert;

enum TgInsertDirection { iidMerge, iidBelow, iidAbove };

// Keeps the z-order of a plot's layout objects and sorts them into the four
// side lists of the data view. Among horizontal objects ZOrder grows from
// the bottom edge upward, among vertical ones from the left edge rightward;
// the two markers hold the data view's place in each order (greater ZOrder:
// above / right of it). Objects of one side with equal ZOrder share a band.
// Side lists are keyed ZZZSSS (ZOrder, rounded StartPercent), text order,
// an equal key placed before the ones already there.
class TgPlotLayoutManager : public TgPlotObjectManagerCustom {
public:
    TgPlotLayoutManager(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                        TNotifyEvent AOnRename);
    ~TgPlotLayoutManager() override;

    TgPlotObject *CreateObject() override { return nullptr; }
    QString GetBaseName() const override { return QStringLiteral("Layout Object"); }
    // Takes layout objects only; hooks the layout-change callback of axes,
    // toolbars, legends, data views and labels, lays axes out by
    // XYAxesReverse and, when enabled, merges the object in at z-order 0.
    void NotificationInsert(TObject *Sender) override;
    TgPlotLayoutObject *GetItem(int Index) const;

    // Gives NewObject DesiredZOrder: merged into that band when no peer there
    // conflicts with its span, otherwise the peers at (iidMerge, iidBelow) or
    // above (iidAbove) it move out by one.
    void InsertZOrder(TgPlotLayoutObject *NewObject, int DesiredZOrder, TgInsertDirection InsertDirection = iidMerge);
    // Closes the gap AObject leaves when it was alone in its band.
    void RemoveZOrder(TgPlotLayoutObject *AObject);
    int VisibleCount(const TStringList *AList) const;
    void RebuildSideLists(TObject *Sender = nullptr);

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    bool XYAxesReverse() const { return FXYAxesReverse; }
    void SetXYAxesReverse(bool Value);
    TgPlotDataViewHorz *DataViewHorz() const { return FDataViewHorz; }
    TgPlotDataViewVert *DataViewVert() const { return FDataViewVert; }
    const TStringList *TopList() const { return &FTopList; }
    const TStringList *BottomList() const { return &FBottomList; }
    const TStringList *LeftList() const { return &FLeftList; }
    const TStringList *RightList() const { return &FRightList; }
    int TopUniqueCount() const { return FTopUniqueCount; }
    int BottomUniqueCount() const { return FBottomUniqueCount; }
    int LeftUniqueCount() const { return FLeftUniqueCount; }
    int RightUniqueCount() const { return FRightUniqueCount; }

protected:
    void DoRemoveObject(TgPlotObject *AObject) override;

private:
    static int CountUniqueZOrders(const TStringList &List);
    void ReinsertAxes();
    void ClearSideLists();

    bool FXYAxesReverse = false;
    TgPlotDataViewHorz *FDataViewHorz = nullptr;
    TgPlotDataViewVert *FDataViewVert = nullptr;
    bool FEnabled = false;
    TStringList FTopList, FBottomList, FLeftList, FRightList;
    int FTopUniqueCount = 0, FBottomUniqueCount = 0, FLeftUniqueCount = 0, FRightUniqueCount = 0;
};
