#include "Memo.h"

#include "Exceptions.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace {
// The lines of the edit's document. An empty document holds no line (the
// document itself always keeps one empty block).
class TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(QPlainTextEdit *Edit) : edit_(Edit) {}

    int Count() const override
    {
        const QTextDocument *d = edit_->document();
        return d->isEmpty() ? 0 : d->blockCount();
    }
    QString Get(int Index) const override
    {
        Check(Index);
        return edit_->document()->findBlockByNumber(Index).text();
    }
    void Put(int Index, const QString &S) override
    {
        Check(Index);
        QTextCursor c(edit_->document()->findBlockByNumber(Index));
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        c.insertText(S);
    }
    void Insert(int Index, const QString &S) override
    {
        Check(Index, true);
        const int n = Count();
        if (n == 0) {
            edit_->setPlainText(S);
        } else if (Index == n) {
            QTextCursor c(edit_->document());
            c.movePosition(QTextCursor::End);
            c.insertText(QStringLiteral("\n") + S);
        } else {
            QTextCursor c(edit_->document()->findBlockByNumber(Index));
            c.insertText(S + QStringLiteral("\n"));
        }
    }
    void Delete(int Index) override
    {
        Check(Index);
        const int n = Count();
        if (n == 1) {
            edit_->clear();
            return;
        }
        QTextBlock b = edit_->document()->findBlockByNumber(Index);
        QTextCursor c(b);
        if (Index == n - 1) { // the last line takes the line break before it
            c.movePosition(QTextCursor::PreviousBlock);
            c.movePosition(QTextCursor::EndOfBlock);
            c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        } else {
            c.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        }
        c.removeSelectedText();
    }
    void Clear() override { edit_->clear(); }

private:
    void Check(int Index, bool allowEnd = false) const
    {
        if (Index < 0 || Index > Count() - (allowEnd ? 0 : 1))
            ThrowListIndexError(Index);
    }
    QPlainTextEdit *edit_;
};
} // namespace

TMemo::TMemo(TComponent *AOwner)
    : TWinControl(AOwner, new QPlainTextEdit), edit_(static_cast<QPlainTextEdit *>(Widget())),
      lines_(std::make_unique<TMemoStrings>(edit_))
{
    SetControlStyle(TControlStyle{csClickEvents, csSetCaption, csDoubleClicks});
    SetTabStop(true);
    SetBounds(0, 0, 185, 89);
    SetColor(clWindow);
    SetScrollBars(ssNone);
}

TMemo::~TMemo() = default;

void TMemo::Clear()
{
    edit_->clear();
}

void TMemo::SetScrollBars(TScrollStyle Value)
{
    scrollBars_ = Value;
    const bool v = Value == ssVertical || Value == ssBoth;
    const bool h = Value == ssHorizontal || Value == ssBoth;
    edit_->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit_->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit_->setLineWrapMode(h ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
}

bool TMemo::ReadOnly() const
{
    return edit_->isReadOnly();
}

void TMemo::SetReadOnly(bool Value)
{
    edit_->setReadOnly(Value);
}
