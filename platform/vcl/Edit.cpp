#include "Edit.h"

#include "HandlerGuard.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QTimer>

TEdit::TEdit(TComponent *AOwner) : TWinControl(AOwner, new QLineEdit), edit_(static_cast<QLineEdit *>(Widget()))
{
    SetControlStyle(TControlStyle{csClickEvents, csSetCaption, csDoubleClicks});
    SetTabStop(true);
    SetBounds(0, 0, 121, 21);
    // A pixel of room each side, as the system's edit keeps: at a fractional
    // scale a glyph's edge would otherwise fall outside the text area.
    edit_->setTextMargins(1, 0, 1, 0);
    GreyDisabledText();
    QObject::connect(edit_, &QLineEdit::textChanged, edit_, [this](const QString &t) {
        if ((charCase_ != ecNormal || asciiOnly_) && Cased(t) != t) {
            const int cursor = edit_->cursorPosition();
            edit_->setText(Cased(t)); // comes back here with the cased text
            edit_->setCursorPosition(cursor);
            return;
        }
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

void TEdit::FontChanged()
{
    TWinControl::FontChanged();
    GreyDisabledText();
}

void TEdit::GreyDisabledText()
{
    QPalette p = edit_->palette();
    p.setColor(QPalette::Disabled, QPalette::Text, ToQColor(clGrayText));
    edit_->setPalette(p);
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

QString TEdit::Cased(const QString &Text) const
{
    QString s = Text;
    if (asciiOnly_)
        s.removeIf([](QChar c) { return c.unicode() < 0x20 || c.unicode() > 0x7E; });
    switch (charCase_) {
    case ecUpperCase: return s.toUpper();
    case ecLowerCase: return s.toLower();
    default: return s;
    }
}

void TEdit::SetPrintableAsciiOnly(bool Value)
{
    asciiOnly_ = Value;
    if (Cased(edit_->text()) != edit_->text())
        edit_->setText(Cased(edit_->text()));
}

void TEdit::SetAlignment(TAlignment Value)
{
    alignment_ = Value;
    Qt::Alignment a = Value == taCenter ? Qt::AlignHCenter : (Value == taRightJustify ? Qt::AlignRight : Qt::AlignLeft);
    edit_->setAlignment(a | Qt::AlignVCenter);
}

void TEdit::SetCharCase(TEditCharCase Value)
{
    if (Value == charCase_)
        return;
    charCase_ = Value;
    if (Cased(edit_->text()) != edit_->text())
        edit_->setText(Cased(edit_->text()));
}

void TEdit::SetHideSelection(bool Value)
{
    hideSelection_ = Value;
    QPalette p = edit_->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        // Unfocused, the selection keeps its focused colours or fades into the text.
        p.setColor(QPalette::Inactive, role,
                   Value ? (role == QPalette::Highlight ? p.color(QPalette::Active, QPalette::Base)
                                                        : p.color(QPalette::Active, QPalette::Text))
                         : p.color(QPalette::Active, role));
    }
    edit_->setPalette(p);
}

QString TEdit::TextHint() const
{
    return edit_->placeholderText();
}

void TEdit::SetTextHint(const QString &Value)
{
    edit_->setPlaceholderText(Value);
}

void TEdit::SetBiDiMode(TBiDiMode Value)
{
    biDiMode_ = Value;
    edit_->setLayoutDirection(Value == bdLeftToRight ? Qt::LeftToRight : Qt::RightToLeft);
}

void TEdit::SetBorderStyle(int Value)
{
    borderStyle_ = Value;
    edit_->setFrame(Value != 0);
}

void TEdit::KeyPress(QChar &Key)
{
    TWinControl::KeyPress(Key);
    if (numbersOnly_ && !Key.isNull() && Key.isPrint() && !Key.isDigit())
        Key = QChar();
    if (asciiOnly_ && Key.unicode() > 0x7E)
        Key = QChar();
}

bool TEdit::WidgetEvent(QObject *Watched, QEvent *Event)
{
    if (Watched == edit_ && Event->type() == QEvent::Paint) {
        edit_->event(Event); // the line edit's own painting first
        QPainter p(edit_);
        PaintWith(&p, ClientRect());
        return true;
    }
    if (Watched == edit_ && Event->type() == QEvent::FocusIn) {
        std::shared_ptr<bool> alive = aliveToken_;
        TWinControl::WidgetEvent(Watched, Event);
        if (!*alive)
            return true;
        edit_->event(Event);
        if (autoSelect_ && static_cast<QFocusEvent *>(Event)->reason() != Qt::MouseFocusReason)
            edit_->selectAll();
        else if (!autoSelect_ && static_cast<QFocusEvent *>(Event)->reason() != Qt::MouseFocusReason)
            edit_->deselect();
        return true;
    }
    if (Watched == edit_ && Event->type() == QEvent::FocusOut && !hideSelection_) {
        // The line edit drops its selection when the focus leaves; an edit
        // that does not hide its selection keeps it.
        const int start = edit_->selectionStart(), length = edit_->selectedText().size();
        std::shared_ptr<bool> alive = aliveToken_;
        TWinControl::WidgetEvent(Watched, Event);
        if (!*alive)
            return true;
        edit_->event(Event);
        if (length > 0)
            edit_->setSelection(start, length);
        return true;
    }
    if (Watched == edit_ && Event->type() == QEvent::MouseButtonPress && selectOnClick_) {
        QPointer<QLineEdit> edit = edit_;
        QTimer::singleShot(0, edit_, [edit] {
            if (edit)
                edit->selectAll();
        });
    }
    return TWinControl::WidgetEvent(Watched, Event);
}
