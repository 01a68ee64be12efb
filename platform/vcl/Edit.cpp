#include "Edit.h"

#include "HandlerGuard.h"

#include <QLineEdit>
#include <QPalette>

TEdit::TEdit(TComponent *AOwner) : TWinControl(AOwner, new QLineEdit), edit_(static_cast<QLineEdit *>(Widget()))
{
    SetControlStyle(TControlStyle{csClickEvents, csSetCaption, csDoubleClicks});
    SetTabStop(true);
    SetBounds(0, 0, 121, 21);
    QObject::connect(edit_, &QLineEdit::textChanged, edit_, [this](const QString &t) {
        syncing_ = true;
        SetText(t);
        syncing_ = false;
        GuardHandler("change", Name(), [this] { Change(); });
    });
}

void TEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TEdit::TextChanged()
{
    if (!syncing_ && edit_->text() != Text())
        edit_->setText(Text()); // the edit's signal fires Change
}

void TEdit::ColorChanged()
{
    QPalette p = edit_->palette();
    p.setColor(QPalette::Base, ToQColor(Color()));
    edit_->setPalette(p);
    TWinControl::ColorChanged();
}

void TEdit::SetMaxLength(int Value)
{
    maxLength_ = std::max(Value, 0);
    edit_->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
}

bool TEdit::ReadOnly() const
{
    return edit_->isReadOnly();
}

void TEdit::SetReadOnly(bool Value)
{
    edit_->setReadOnly(Value);
}

void TEdit::SetPasswordChar(QChar Value)
{
    passwordChar_ = Value;
    edit_->setEchoMode(Value.isNull() ? QLineEdit::Normal : QLineEdit::Password);
}

int TEdit::SelStart() const
{
    return edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
}

void TEdit::SetSelStart(int Value)
{
    edit_->setCursorPosition(Value);
}

int TEdit::SelLength() const
{
    return edit_->selectedText().size();
}

void TEdit::SetSelLength(int Value)
{
    edit_->setSelection(SelStart(), Value);
}

QString TEdit::SelText() const
{
    return edit_->selectedText();
}

void TEdit::SelectAll()
{
    edit_->selectAll();
}
