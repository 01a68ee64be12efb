#include "CheckBox.h"

#include "HandlerGuard.h"

#include <QCheckBox>

TCheckBox::TCheckBox(TComponent *AOwner) : TWinControl(AOwner, new QCheckBox), box_(static_cast<QCheckBox *>(Widget()))
{
    SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks});
    SetTabStop(true);
    SetBounds(0, 0, 97, 17);
    QObject::connect(box_, &QCheckBox::stateChanged, box_, [this](int) { GuardHandler("click", Name(), [this] { Click(); }); });
}

TCheckBoxState TCheckBox::State() const
{
    switch (box_->checkState()) {
    case Qt::Checked: return cbChecked;
    case Qt::PartiallyChecked: return cbGrayed;
    default: return cbUnchecked;
    }
}

void TCheckBox::SetState(TCheckBoxState Value)
{
    if (Value == cbGrayed)
        box_->setTristate(true);
    box_->setCheckState(Value == cbChecked ? Qt::Checked : Value == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
}

bool TCheckBox::AllowGrayed() const
{
    return box_->isTristate();
}

void TCheckBox::SetAllowGrayed(bool Value)
{
    box_->setTristate(Value);
}

void TCheckBox::TextChanged()
{
    box_->setText(Caption());
}
