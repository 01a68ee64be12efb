#include "Button.h"

#include "HandlerGuard.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {
// The style shows a button's focus by the outline it gives the default button
// too, so a default button looks the same with and without the focus: this
// one draws the focus rectangle inside its face as well, once the keyboard has
// moved the focus in its window (as the desktop shows its focus cues).
class FocusMarkedButton : public QPushButton {
protected:
    void paintEvent(QPaintEvent *Event) override
    {
        QPushButton::paintEvent(Event);
        if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange))
            return;
        QStyleOptionButton button;
        initStyleOption(&button);
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(button);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &button, this);
        QPainter p(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
};
} // namespace

TButton::TButton(TComponent *AOwner) : TWinControl(AOwner, new FocusMarkedButton), button_(static_cast<QPushButton *>(Widget()))
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
