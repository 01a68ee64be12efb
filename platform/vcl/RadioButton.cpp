#include "RadioButton.h"

#include "HandlerGuard.h"

#include <QRadioButton>

TRadioButton::TRadioButton(TComponent *AOwner)
    : TWinControl(AOwner, new QRadioButton), button_(static_cast<QRadioButton *>(Widget()))
{
    SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks});
    SetTabStop(true);
    SetBounds(0, 0, 113, 17);
    QObject::connect(button_, &QRadioButton::toggled, button_, [this](bool on) {
        if (on)
            GuardHandler("click", Name(), [this] { Click(); });
    });
}

bool TRadioButton::Checked() const
{
    return button_->isChecked();
}

void TRadioButton::SetChecked(bool Value)
{
    button_->setChecked(Value);
}

void TRadioButton::TextChanged()
{
    button_->setText(Caption());
}
