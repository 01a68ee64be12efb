#include "ListBox.h"

#include "HandlerGuard.h"
#include "ItemStrings.h"

#include <QListWidget>

TListBox::TListBox(TComponent *AOwner)
    : TWinControl(AOwner, new QListWidget), list_(static_cast<QListWidget *>(Widget())),
      items_(std::make_unique<TListBoxStrings>(list_, &fromCode_))
{
    SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks});
    SetTabStop(true);
    SetBounds(0, 0, 121, 97);
    SetColor(clWindow);
    QObject::connect(list_, &QListWidget::currentRowChanged, list_, [this](int) {
        if (!fromCode_)
            GuardHandler("click", Name(), [this] { Click(); });
    });
}

TListBox::~TListBox() = default;

int TListBox::ItemIndex() const
{
    return list_->currentRow();
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
