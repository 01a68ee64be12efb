#pragma once
#include "CustomControl.h"

#include <vector>

class QTabBar;
class TPageControl;

// One page of a page control: a container shown, filling the page
// control's display area, while it is the active page, hidden otherwise.
// Its Caption is the text of its tab.
class TTabSheet : public TCustomControl {
public:
    explicit TTabSheet(TComponent *AOwner);
    ~TTabSheet() override;

    TPageControl *PageControl() const { return pageControl_; }
    // Moves the page to the end of Value's pages (its parent becomes Value);
    // none takes it out of its page control.
    void SetPageControl(TPageControl *Value);
    // Place among the page control's pages; -1 without one.
    int PageIndex() const;
    // A page whose tab is hidden can still be made the active page.
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool Value);

protected:
    void TextChanged() override;

private:
    friend class TPageControl;
    TPageControl *pageControl_ = nullptr;
    bool tabVisible_ = true;
};

// A row of tabs over a display area that shows one page (TTabSheet) at a
// time. Choosing a tab with the mouse, or Left and Right while the page
// control has the focus (to the neighbouring shown tab, no wrapping), makes
// its page active and fires OnChange; setting ActivePage or ActivePageIndex
// does not fire it.
class TPageControl : public TCustomControl {
public:
    explicit TPageControl(TComponent *AOwner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet *Pages(int Index) const; // throws EListError out of range
    // The page shown; none shows no page.
    TTabSheet *ActivePage() const { return activePage_; }
    // A page of another page control is ignored.
    void SetActivePage(TTabSheet *Page);
    // -1 when no page is active; an index outside 0 .. PageCount - 1 leaves
    // no page active.
    int ActivePageIndex() const;
    void SetActivePageIndex(int Value);

    TNotifyEvent OnChange;

    void KeyDown(Word &Key, TShiftState Shift) override;

protected:
    // The display area: below the tabs, inside the frame.
    void AdjustClientRect(TRect &Rect) override;
    // The pages fill the display area; other children align as usual.
    void AlignControls(TControl *AControl, TRect &Rect) override;
    void Resize() override;
    void Paint() override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet *Page);
    void RemovePage(TTabSheet *Page);
    void TabChosen(int Index);
    void SyncTabs();
    void LayoutTabs();

    QTabBar *tabs_ = nullptr;
    std::vector<TTabSheet *> pages_;
    TTabSheet *activePage_ = nullptr;
};
