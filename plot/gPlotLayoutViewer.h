#pragma once
#include "gPlotLayoutManager.h"
#include "gVCLComponent.h"

#include <memory>
#include <vector>

class TFont;
class TgPlotLayoutObject;
class TgPlotMasterManager;
class TgPlotTranslationManager;

enum TgLayoutEditMode { ilemNone, ilemDrag, ilemSize };
enum TgLayoutSizingSide { ilssStart, ilssStop };

// One band of the layout schematic: a stacking position (ZOrder) on one side
// of the data view, or the data view itself in either order.
class TBlockObject : public TObject {
public:
    TRect BlockRect;
    int ZOrder = 0;
    bool Horizontal = false;
    bool IsDataView = false;
    bool IsToolBar = false;
};

// A schematic of a plot's layout: the data view in the middle, one band per
// stacking position on each side, every layout object a named grey block in
// its band along its StartPercent..StopPercent span (hatched when hidden).
// Dragging a block moves it to another band (a new band below or above the
// row, or shared with it), swaps it with a block of its own row, or turns it
// to the other orientation (never an axis); dragging a block's end changes
// its span in steps of 1.25 %. It works on the plot's layout manager
// directly; every completed change fires OnChange. The blocks' layout rects
// are overwritten with schematic coordinates on every paint.
class TgPlotLayoutViewer : public TgCustomComponent {
public:
    explicit TgPlotLayoutViewer(TComponent *AOwner);
    ~TgPlotLayoutViewer() override;

    // The first object of the layout manager (the data view's placeholders
    // left out) whose schematic rect holds the point; none when there is none.
    TgPlotLayoutObject *GetMouseOverBlock(int X, int Y) const;
    // The band under the point: the toolbar band only in its lower half, the
    // data-view band only within one band of its edges across its orientation.
    TBlockObject *GetMouseOverBlock2(int X, int Y) const;

    // The block being dragged or resized.
    TgPlotLayoutObject *SelectedObject() const { return FSelectedObject; }
    // Without a layout manager nothing is drawn and the mouse edits nothing.
    TgPlotLayoutManager *LayoutManager() const { return FLayoutManager; }
    void SetLayoutManager(TgPlotLayoutManager *Value);
    TgPlotMasterManager *Master() const { return FMaster; }
    void SetMaster(TgPlotMasterManager *Value) { FMaster = Value; }
    // Block names are shown through it when one is set.
    TgPlotTranslationManager *TranslationManager() const { return FTranslationManager; }
    void SetTranslationManager(TgPlotTranslationManager *Value);
    TFont *ViewerFont() const { return FViewerFont.get(); }

    TNotifyEvent OnChange;

    void PaintToCanvas(TCanvas *Canvas) override;

protected:
    void gMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void gMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void gMouseMove(TShiftState Shift, int X, int Y) override;
    // A popup (or anything else) taking the mouse ends a drag or resize
    // without a drop: its release never comes here.
    void CaptureChanged(TControl *NewCapture) override;

private:
    // Back to no edit: nothing selected, no target, the default cursor.
    void EndEdit();
    void CalcLayout(TCanvas *Canvas);
    void BuildBands();
    void PlaceObjects();
    void DrawViewBackground(TCanvas *Canvas);
    void DrawBlocks(TCanvas *Canvas);
    TRect TargetOutline() const;
    TgPlotLayoutObject *FindRowObject(TgPlotLayoutObject *Object, bool Horizontal, int ZOrder) const;
    void HoverEnds(TgPlotLayoutObject *Object, int X, int Y, TCursor &Cursor);
    void DragOver(TgPlotLayoutObject *Object, TBlockObject *Band, int X, int Y);
    void SizeTo(int X, int Y);
    void Drop();
    void SwapObjects();
    void MergeIntoRow(TgPlotLayoutObject *RowObject);
    void MoveToVertical(TgPlotLayoutObject *RowObject);
    void MoveToHorizontal(TgPlotLayoutObject *RowObject);
    void MoveAcross(TgPlotLayoutObject *RowObject, bool Horizontal);
    void DoViewerChange();

    std::vector<std::unique_ptr<TBlockObject>> FBlockList;
    int FCellWidth = 0;
    bool FMouseIsDown = false;
    int FMouseDownX = 0, FMouseDownY = 0;
    double FMouseDownStartPercent = 0, FMouseDownStopPercent = 0;
    TRect FViewRect, FDataViewRect;
    int FDataViewHeight = 0, FDataViewWidth = 0;
    TgLayoutEditMode FEditMode = ilemNone;
    TgLayoutSizingSide FSizingSide = ilssStart;
    TgPlotLayoutObject *FSelectedObject = nullptr;
    TgPlotLayoutObject *FResizeBlock = nullptr;
    TgPlotLayoutObject *FOverLayoutObject = nullptr;
    TBlockObject *FDragOverRefBlock = nullptr;
    TgInsertDirection FInsertDirection = iidMerge;
    TgPlotLayoutManager *FLayoutManager = nullptr;
    TgPlotMasterManager *FMaster = nullptr;
    std::unique_ptr<TFont> FViewerFont;
    TgPlotTranslationManager *FTranslationManager = nullptr;
};
