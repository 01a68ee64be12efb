#include "Button.h"

#include "HandlerGuard.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPushButton>

TButton::TButton(TComponent *AOwner) : TWinControl(AOwner, new QPushButton), button_(static_cast<QPushButton *>(Widget()))
{
    // The Qt button reports clicks itself; the generic click would double them.
    SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks});
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
    button_->setAutoDefault(false);
    QObject::connect(button_, &QPushButton::clicked, button_, [this]() { GuardHandler("click", Name(), [this] { Click(); }); });
}

void TButton::Click()
{
    std::shared_ptr<bool> alive = aliveToken_;
    if (TCustomForm *form = GetParentForm(this))
        form->SetModalResult(modalResult_);
    if (*alive)
        TWinControl::Click();
}

void TButton::SetDefault(bool Value)
{
    default_ = Value;
    button_->setDefault(Value);
}

void TButton::SetGlyph(const QImage &Value)
{
    button_->setIcon(Value.isNull() ? QIcon() : QIcon(QPixmap::fromImage(Value)));
    if (!Value.isNull())
        button_->setIconSize(Value.size());
}

void TButton::TextChanged()
{
    button_->setText(Caption());
}
