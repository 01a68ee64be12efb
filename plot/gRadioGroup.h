#pragma once
#include "Strings.h"
#include "gVCLComponent.h"

#include <memory>

// The library's owner-drawn radio group: an etched frame with a caption and
// one round mark per item, the items filling the columns top to bottom.
// A change of ItemIndex fires FOnChangeProtected ("ItemIndex"), OnChange
// and, when the user made it (a click released over the pressed item, or an
// arrow key), OnChangeUser. The arrow keys walk the items, wrapping at
// either end.
class TgRadioGroup : public TgCustomComponent {
public:
    explicit TgRadioGroup(TComponent *AOwner);
    ~TgRadioGroup() override;

    TStrings *Items() const;
    void SetItems(TStrings *Value);
    // -1 for none; a value outside -1 .. Count - 1 is clamped.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    // Values below 1 are ignored.
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    using TgCustomComponent::BackGroundColor;
    using TgCustomComponent::SetBackGroundColor;

    // The item whose mark row and column lie nearest (X, Y), as last laid
    // out by a paint; -1 when none does, and when the rows or columns are
    // less than a pixel apart (a control too small for its items).
    int ItemAtPoint(int X, int Y) const;

    TNotifyEvent OnChange;
    TNotifyEvent OnChangeUser;

    void PaintToCanvas(TCanvas *Canvas) override;

    const TPublishedClass *PublishedClass() const override;
    static const TPublishedClass *StaticPublished();

protected:
    virtual void DoChange();
    void DoSetFocus() override;
    void DoKillFocus() override;
    void IsWantedKey(Word &Key, int &Result) override;
    void gKeyUp(Word &Key, TShiftState Shift) override;
    void gKeyDown(Word &Key, TShiftState Shift) override;
    void gMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void gMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void gMouseMove(TShiftState Shift, int X, int Y) override;
    void TextChanged() override;
    void FontChanged() override;

private:
    void ItemsChanged();
    int Count() const;
    TPoint ItemCentre(int Index) const;
    void DrawMark(TCanvas *Canvas, int Index, TPoint Centre);

    std::unique_ptr<TStringList> FItems;
    bool FMouseIsDown = false;
    bool FKeyIsDown = false;
    int FItemIndex = 0;
    int FMouseDownIndex = 0;
    int FColumns = 1;
    // The items' layout, computed by each paint for the control's size and font.
    int FMaxRows = 0;
    int FItemsRowStart = 0;
    double FItemsRowSpacing = 0;
    int FItemsColStart = 0;
    double FItemsColSpacing = 0;
};
