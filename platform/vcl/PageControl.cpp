#include "PageControl.h"

#include "ButtonFace.h"
#include "Exceptions.h"
#include "VirtualKeys.h"

#include <QSignalBlocker>
#include <QTabBar>

#include <algorithm>

namespace {
// The frame round the display area and the margin inside it.
constexpr int kFrame = 2;
constexpr int kMargin = 2;
} // namespace

TTabSheet::TTabSheet(TComponent *AOwner) : TCustomControl(AOwner)
{
    SetVisible(false); // shown only as the active page
}

TTabSheet::~TTabSheet()
{
    if (pageControl_)
        pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl *Value)
{
    if (pageControl_ == Value)
        return;
    if (pageControl_)
        pageControl_->RemovePage(this);
    if (Value)
        Value->InsertPage(this);
}

int TTabSheet::PageIndex() const
{
    if (!pageControl_)
        return -1;
    const auto &pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetTabVisible(bool Value)
{
    if (tabVisible_ == Value)
        return;
    tabVisible_ = Value;
    if (pageControl_)
        pageControl_->SyncTabs();
}

void TTabSheet::TextChanged()
{
    TCustomControl::TextChanged();
    if (pageControl_)
        pageControl_->SyncTabs();
}

TPageControl::TPageControl(TComponent *AOwner) : TCustomControl(AOwner)
{
    tabs_ = new QTabBar(Widget());
    tabs_->setDrawBase(false);
    tabs_->setUsesScrollButtons(true);
    QObject::connect(tabs_, &QTabBar::currentChanged, tabs_, [this](int i) { TabChosen(i); });
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl()
{
    // The pages go with the other children; they need not leave one by one.
    for (TTabSheet *p : pages_)
        p->pageControl_ = nullptr;
    pages_.clear();
    activePage_ = nullptr;
}

TTabSheet *TPageControl::Pages(int Index) const
{
    if (Index < 0 || Index >= PageCount())
        ThrowListIndexError(Index);
    return pages_[static_cast<size_t>(Index)];
}

int TPageControl::ActivePageIndex() const
{
    return activePage_ ? activePage_->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int Value)
{
    SetActivePage(Value >= 0 && Value < PageCount() ? pages_[static_cast<size_t>(Value)] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet *Page)
{
    if (Page && Page->pageControl_ != this)
        return;
    if (Page == activePage_)
        return;
    TTabSheet *old = activePage_;
    activePage_ = Page;
    if (Page)
        Page->SetVisible(true);
    if (old)
        old->SetVisible(false);
    SyncTabs();
}

void TPageControl::InsertPage(TTabSheet *Page)
{
    Page->pageControl_ = this;
    pages_.push_back(Page);
    Page->SetParent(this);
    SyncTabs();
}

void TPageControl::RemovePage(TTabSheet *Page)
{
    auto it = std::find(pages_.begin(), pages_.end(), Page);
    if (it == pages_.end())
        return;
    pages_.erase(it);
    Page->pageControl_ = nullptr;
    if (activePage_ == Page) {
        activePage_ = nullptr;
        Page->SetVisible(false);
    }
    if (Page->Parent() == this)
        Page->SetParent(nullptr);
    SyncTabs();
}

// One tab per page, in page order, hidden where the page's tab is; the
// current tab is the active page's.
void TPageControl::SyncTabs()
{
    QSignalBlocker block(tabs_);
    while (tabs_->count() > PageCount())
        tabs_->removeTab(tabs_->count() - 1);
    while (tabs_->count() < PageCount())
        tabs_->addTab(QString());
    for (int i = 0; i < PageCount(); ++i) {
        tabs_->setTabText(i, pages_[static_cast<size_t>(i)]->Caption());
        tabs_->setTabVisible(i, pages_[static_cast<size_t>(i)]->TabVisible());
    }
    if (activePage_)
        tabs_->setCurrentIndex(activePage_->PageIndex());
    LayoutTabs();
    Realign(); // the row of tabs comes with the first page and goes with the last
}

void TPageControl::TabChosen(int Index)
{
    if (Index < 0 || Index >= PageCount() || pages_[static_cast<size_t>(Index)] == activePage_)
        return;
    SetActivePage(pages_[static_cast<size_t>(Index)]);
    if (OnChange)
        OnChange(this);
}

void TPageControl::KeyDown(Word &Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if ((Key != VK_LEFT && Key != VK_RIGHT) || Shift.Contains(ssAlt))
        return;
    const int step = Key == VK_RIGHT ? 1 : -1;
    for (int i = ActivePageIndex() + step; i >= 0 && i < PageCount(); i += step) {
        if (pages_[static_cast<size_t>(i)]->TabVisible()) {
            Key = 0;
            TabChosen(i);
            return;
        }
    }
}

void TPageControl::AdjustClientRect(TRect &Rect)
{
    const int top = tabs_ && tabs_->count() > 0 ? tabs_->sizeHint().height() : 0;
    Rect = TRect(Rect.Left + kFrame + kMargin, Rect.Top + top + kFrame + kMargin, Rect.Right - kFrame - kMargin,
                 Rect.Bottom - kFrame - kMargin);
    Rect.Right = std::max(Rect.Right, Rect.Left);
    Rect.Bottom = std::max(Rect.Bottom, Rect.Top);
}

void TPageControl::AlignControls(TControl *AControl, TRect &Rect)
{
    for (TTabSheet *p : pages_)
        p->SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
    TCustomControl::AlignControls(AControl, Rect);
}

void TPageControl::Resize()
{
    LayoutTabs();
    TCustomControl::Resize();
}

void TPageControl::LayoutTabs()
{
    if (tabs_)
        tabs_->setGeometry(0, 0, ClientWidth(), tabs_->count() > 0 ? tabs_->sizeHint().height() : 0);
}

void TPageControl::Paint()
{
    TRect r = ClientRect();
    AdjustClientRect(r);
    r = TRect(r.Left - kMargin - kFrame, r.Top - kMargin - kFrame, r.Right + kMargin + kFrame,
              r.Bottom + kMargin + kFrame);
    DrawEdge(Canvas(), r, EDGE_RAISED, BF_RECT);
}
