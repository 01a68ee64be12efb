#include "ListBox.h"

#include "HandlerGuard.h"
#include "ItemDrawing.h"
#include "ItemStrings.h"

#include <QListWidget>
#include <QStyledItemDelegate>

// Draws the items of the owner-drawn style through the control.
class ListItemDelegate : public QStyledItemDelegate {
public:
    ListItemDelegate(TListBox *Owner, QObject *Parent) : QStyledItemDelegate(Parent), owner_(Owner) {}
    void paint(QPainter *Painter, const QStyleOptionViewItem &Option, const QModelIndex &Index) const override
    {
        if (owner_->style_ != lbOwnerDrawFixed) {
            QStyledItemDelegate::paint(Painter, Option, Index);
            return;
        }
        TOwnerDrawState state;
        if (Option.state & QStyle::State_Selected)
            state.Include(odSelected);
        if (Option.state & QStyle::State_HasFocus)
            state.Include(odFocused);
        if (!(Option.state & QStyle::State_Enabled))
            state.Include(odDisabled);
        DrawOwnerItem(owner_, owner_->Canvas(), Painter, Option.rect, state,
                      [&](const TRect &r) { owner_->DrawItem(Index.row(), r, state); });
    }
    QSize sizeHint(const QStyleOptionViewItem &Option, const QModelIndex &Index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(Option, Index);
        if (owner_->style_ == lbOwnerDrawFixed)
            s.setHeight(owner_->itemHeight_);
        return s;
    }

private:
    TListBox *owner_;
};

TListBox::TListBox(TComponent *AOwner)
    : TWinControl(AOwner, new QListWidget), list_(static_cast<QListWidget *>(Widget())),
      items_(std::make_unique<TListBoxStrings>(list_, &fromCode_))
{
    SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks});
    SetTabStop(true);
    SetBounds(0, 0, 121, 97);
    SetColor(clWindow);
    list_->setItemDelegate(new ListItemDelegate(this, list_));
    list_->setUniformItemSizes(true);
    RouteMouseOf(list_->viewport());
    // The selection, not the current row: focus coming to a list with no
    // selection makes its first row current, which selects nothing.
    QObject::connect(list_, &QListWidget::itemSelectionChanged, list_, [this] {
        if (!fromCode_)
            GuardHandler("click", Name(), [this] { Click(); });
    });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, list_, [this](QListWidgetItem *) {
        GuardHandler("double click", Name(), [this] { DblClick(); });
    });
}

TListBox::~TListBox() = default;

int TListBox::ItemIndex() const
{
    const int row = list_->currentRow();
    return row >= 0 && list_->item(row)->isSelected() ? row : -1;
}

void TListBox::SetItemIndex(int Value)
{
    if (Value < -1 || Value >= list_->count())
        return;
    fromCode_ = true;
    list_->setCurrentRow(Value);
    if (Value < 0)
        list_->clearSelection();
    fromCode_ = false;
}

int TListBox::TopIndex() const
{
    QListWidgetItem *top = list_->itemAt(0, 0);
    return top ? list_->row(top) : 0;
}

void TListBox::SetStyle(TListBoxStyle Value)
{
    if (Value == style_)
        return;
    style_ = Value;
    list_->doItemsLayout();
    list_->viewport()->update();
}

void TListBox::SetItemHeight(int Value)
{
    if (Value < 1 || Value == itemHeight_)
        return;
    itemHeight_ = Value;
    list_->doItemsLayout();
    list_->viewport()->update();
}

int TListBox::ItemAtPos(TPoint Pos, bool Existing) const
{
    const QPoint at = list_->viewport()->mapFrom(list_, ToQPoint(Pos));
    const QModelIndex index = list_->indexAt(QPoint(std::max(at.x(), 0), std::max(at.y(), 0)));
    if (index.isValid())
        return index.row();
    return Existing ? -1 : list_->count();
}

TRect TListBox::ItemRect(int Index) const
{
    QListWidgetItem *item = list_->item(Index);
    if (!item)
        return TRect();
    const QRect r = list_->visualItemRect(item);
    return FromQRect(QRect(list_->viewport()->mapTo(list_, r.topLeft()), r.size()));
}

void TListBox::DrawItem(int Index, const TRect &Rect, TOwnerDrawState State)
{
    if (OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    Canvas()->FillRect(Rect);
    if (Index >= 0 && Index < items_->Count())
        Canvas()->TextOut(Rect.Left + 2, Rect.Top, items_->Get(Index));
}

bool TListBox::Sorted() const
{
    return static_cast<const TListBoxStrings *>(items_.get())->Sorted();
}

void TListBox::SetSorted(bool Value)
{
    static_cast<TListBoxStrings *>(items_.get())->SetSorted(Value);
}
