#include "ComboBox.h"

#include "HandlerGuard.h"
#include "ItemStrings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

TComboBox::TComboBox(TComponent *AOwner)
    : TWinControl(AOwner, new QComboBox), box_(static_cast<QComboBox *>(Widget())),
      items_(std::make_unique<TComboBoxStrings>(box_))
{
    SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks});
    SetTabStop(true);
    SetBounds(0, 0, 145, 21);
    box_->setEditable(true);
    box_->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(box_, qOverload<int>(&QComboBox::activated), box_, [this](int) {
        syncing_ = true;
        SetText(box_->currentText());
        syncing_ = false;
        GuardHandler("selection", Name(), [this] {
            std::shared_ptr<bool> alive = aliveToken_;
            Click();
            if (*alive)
                Select();
        });
    });
    QObject::connect(box_, &QComboBox::editTextChanged, box_, [this](const QString &t) {
        if (!box_->lineEdit() || !box_->lineEdit()->isModified())
            return; // set by code or by a selection
        box_->lineEdit()->setModified(false);
        syncing_ = true;
        SetText(t);
        syncing_ = false;
        GuardHandler("change", Name(), [this] { Change(); });
    });
}

TComboBox::~TComboBox() = default;

int TComboBox::ItemIndex() const
{
    return box_->currentIndex();
}

void TComboBox::SetItemIndex(int Value)
{
    if (Value < -1 || Value >= box_->count())
        return;
    QSignalBlocker block(box_);
    box_->setCurrentIndex(Value);
    syncing_ = true;
    SetText(Value >= 0 ? box_->itemText(Value) : QString());
    syncing_ = false;
}

void TComboBox::SetStyle(TComboBoxStyle Value)
{
    if (Value == style_)
        return;
    style_ = Value;
    QSignalBlocker block(box_);
    int index = box_->currentIndex();
    box_->setEditable(Value == csDropDown);
    if (Value == csDropDown)
        box_->setInsertPolicy(QComboBox::NoInsert);
    box_->setCurrentIndex(index);
}

int TComboBox::DropDownCount() const
{
    return box_->maxVisibleItems();
}

void TComboBox::SetDropDownCount(int Value)
{
    box_->setMaxVisibleItems(std::max(Value, 1));
}

void TComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

void TComboBox::Select()
{
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TComboBox::TextChanged()
{
    if (syncing_)
        return;
    QSignalBlocker block(box_);
    int i = box_->findText(Text(), Qt::MatchFixedString);
    if (style_ == csDropDownList) {
        box_->setCurrentIndex(i);
        return;
    }
    if (i >= 0 && box_->currentIndex() != i)
        box_->setCurrentIndex(i);
    box_->setEditText(Text());
}
