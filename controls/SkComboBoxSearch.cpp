// Keyboard search (list styles) and auto-complete (edit styles) of the Sk
// combo box, with Enter as Tab, MaxLength and the read-only key rules.
#include "SkComboBox.h"

#include "Form.h"
#include "MessageBeep.h"
#include "Timer.h"
#include "VirtualKeys.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace {

constexpr QChar Backspace(8), Enter(13), Escape(27), CtrlC(3), CtrlV(22), CtrlX(24), TabChar(9);

bool IsNavigationKey(Word Key)
{
    return Key >= VK_PRIOR && Key <= VK_DOWN;
}

// The text with the last character removed, a surrogate pair as one.
void DropLast(QString &S)
{
    if (S.isEmpty())
        return;
    S.chop(S.size() >= 2 && S[S.size() - 1].isLowSurrogate() && S[S.size() - 2].isHighSurrogate() ? 2 : 1);
}

} // namespace

void TSkCustomComboBox::InvalidKeyPressed()
{
    if (beepOnInvalidKey_)
        MessageBeep();
}

void TSkCustomComboBox::SearchTimerTick()
{
    if (keyInProgress_ != 0)
        return;
    searchTimer_->SetEnabled(false);
    searchString_.clear();
}

void TSkCustomComboBox::PostTab()
{
    // Posted: the focus moves on after the key that asked for it is done.
    QPointer<QWidget> widget = Widget();
    QTimer::singleShot(0, Widget(), [this, widget] {
        if (!widget)
            return;
        if (TCustomForm *form = GetParentForm(this))
            form->SelectNext(this, true, true);
    });
}

void TSkCustomComboBox::KeyPressStep(QChar &Key)
{
    if (tabOnEnter_ && Key == Enter && !DroppedDown()) {
        Key = QChar();
        PostTab();
        return;
    }
    if (Style() == csDropDown && MaxLength() > 0 && Key.unicode() > 31 && Text().size() >= MaxLength() &&
        SelLength() == 0) {
        InvalidKeyPressed();
        Key = QChar();
    }
    TCustomComboBox::KeyPress(Key);
    if (!AutoDropDown())
        return;
    if (Key == TabChar)
        SetDroppedDown(false);
    else if (Key != Backspace && Key != Escape)
        SetDroppedDown(true);
}

void TSkCustomComboBox::SelectBySearch(const QString &S)
{
    const int n = FindItemByPrefix(S);
    if (n < 0) {
        InvalidKeyPressed();
        return;
    }
    SetItemIndex(n);
    searchString_ = S;
    Click();
    Change();
}

bool TSkCustomComboBox::CompleteFromSearch(const QString &S)
{
    const int previous = ItemIndex();
    const int n = FindItemByPrefix(S);
    if (n < 0)
        return false;
    const QString item = Items()->Strings(n);
    syncing_ = true;
    if (keepSearchCase_) {
        typing_ = true;
        SetText(S + item.mid(S.size()));
    } else {
        SetItemIndex(-1);
        SetItemIndex(n);
    }
    syncing_ = false;
    Click();
    Change();
    if (QLineEdit *e = LineEdit())
        e->setSelection(S.size(), e->text().size() - S.size());
    if (ItemIndex() != previous)
        Match();
    return true;
}

void TSkCustomComboBox::SyncSearchString()
{
    if (Style() != csDropDown)
        return;
    if (enterPressed_)
        enterPressed_ = false;
    else
        searchString_ = Text();
    const int n = FindItemByPrefix(searchString_);
    if (n < 0)
        return;
    syncing_ = true;
    SetItemIndex(n);
    syncing_ = false;
    if (QLineEdit *e = LineEdit())
        e->setSelection(searchString_.size(), e->text().size() - searchString_.size());
}

void TSkCustomComboBox::TextChanged()
{
    TCustomComboBox::TextChanged();
    if (syncing_)
        return;
    if (autoComplete_ && !ComponentState().Contains(csDesigning) && !typing_ && !DroppedDown() && LineEdit() &&
        LineEdit()->hasFocus())
        SyncSearchString();
    typing_ = false;
}

void TSkCustomComboBox::KeyDown(Word &Key, TShiftState Shift)
{
    if (!EditStyle()) {
        if (readOnly_) {
            Key = 0;
            return;
        }
        if (Key == VK_ESCAPE || IsNavigationKey(Key))
            searchString_.clear();
        TCustomComboBox::KeyDown(Key, Shift);
        return;
    }
    if (Shift.Contains(ssAlt)) { // a system key
        systemKey_ = true;
        if (readOnly_ && Key != VK_F4)
            Key = 0;
        else
            TCustomComboBox::KeyDown(Key, Shift);
        return;
    }
    systemKey_ = false;
    if (autoComplete_) {
        switch (Key) {
        case VK_PRIOR:
        case VK_NEXT:
        case VK_UP:
        case VK_DOWN:
            typing_ = true;
            searchString_.clear();
            if (readOnly_)
                Key = 0;
            break;
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_RIGHT:
            searchString_ = Text();
            break;
        case VK_INSERT:
            if (!allowEdit_)
                Key = 0;
            break;
        case VK_DELETE: {
            searchString_ = Text();
            const int n = std::max(SelLength(), 1);
            searchString_.remove(SelStart(), n);
            if (!allowEdit_ && SelLength() != Text().size())
                Key = 0;
            break;
        }
        case VK_F4:
            if (readOnly_)
                Key = 0;
            break;
        default:
            break;
        }
    } else if (readOnly_ && (IsNavigationKey(Key) || Key == VK_F4)) {
        Key = 0;
    }
    if (Key != 0)
        TCustomComboBox::KeyDown(Key, Shift);
}

void TSkCustomComboBox::KeyPress(QChar &Key)
{
    if (EditStyle())
        EditStyleKeyPress(Key);
    else
        ListStyleKeyPress(Key);
}

void TSkCustomComboBox::ListStyleKeyPress(QChar &Key)
{
    if (readOnly_) {
        Key = QChar();
        return;
    }
    QString s = searchString_;
    if (Key == Backspace) {
        if (s.isEmpty()) {
            // Nothing left to take back; an empty search selects nothing.
            InvalidKeyPressed();
        } else {
            DropLast(s);
            if (!s.isEmpty()) {
                SelectBySearch(s);
            } else {
                SetItemIndex(0);
                Click();
                Change();
                searchString_.clear();
                QChar step = Key;
                KeyPressStep(step);
            }
        }
        Key = QChar();
        return;
    }
    const ushort code = Key.unicode();
    if (code >= 32 && code <= 255) {
        keyInProgress_ = 1;
        SelectBySearch(s + Key);
        searchTimer_->SetEnabled(false);
        searchTimer_->SetInterval(1500);
        searchTimer_->SetEnabled(true);
        keyInProgress_ = 0;
        Key = QChar();
        return;
    }
    KeyPressStep(Key);
}

void TSkCustomComboBox::EditStyleKeyPress(QChar &Key)
{
    if (systemKey_) {
        systemKey_ = false;
        KeyPressStep(Key);
        return;
    }
    if (readOnly_) {
        if (Key == Enter && tabOnEnter_ && !DroppedDown())
            PostTab();
        if (Key != CtrlC)
            Key = QChar();
        return;
    }
    if (!autoComplete_) {
        KeyPressStep(Key);
        return;
    }
    QString s = searchString_;
    if (Key == Backspace) {
        if (s.isEmpty()) {
            InvalidKeyPressed();
        } else {
            if (SelStart() >= s.size()) {
                DropLast(s);
            } else if (SelLength() > 0 && allowEdit_) {
                const int start = SelStart();
                s.remove(start, SelLength());
                syncing_ = true;
                SetItemIndex(-1);
                syncing_ = false;
                SetSelStart(start);
            } else if (allowEdit_ && SelStart() > 0) {
                s.remove(SelStart() - 1, 1);
            }
            Change();
            if (s.isEmpty()) {
                syncing_ = true;
                SetItemIndex(-1);
                if (keepSearchCase_)
                    SetText(QString());
                syncing_ = false;
                searchString_.clear();
                Click();
                Change();
                QChar step = Key;
                KeyPressStep(step);
            }
        }
        searchString_ = s;
        if (CompleteFromSearch(s))
            Key = QChar();
        else
            KeyPressStep(Key);
        return;
    }
    if (Key == Enter) {
        if (DroppedDown())
            SelEndOk();
        enterPressed_ = true;
        KeyPressStep(Key);
        return;
    }
    if (Key == CtrlV || Key == CtrlX) {
        if (!allowEdit_)
            Key = QChar();
        KeyPressStep(Key);
        return;
    }
    if (Key == Escape) {
        searchString_.clear();
        if (DroppedDown())
            KeyPressStep(Key);
        else
            Key = QChar();
        return;
    }
    if (Key.unicode() < 32) {
        KeyPressStep(Key);
        return;
    }
    KeyPressStep(Key);
    if (Key.isNull() || Key.unicode() < 32)
        return;
    if (SelLength() > 0)
        searchString_.remove(SelStart(), SelLength());
    const QString old = searchString_;
    searchString_.insert(std::min(SelStart(), static_cast<int>(searchString_.size())), Key);
    if (CompleteFromSearch(searchString_)) {
        Key = QChar();
    } else if (!allowEdit_) {
        InvalidKeyPressed();
        searchString_ = old;
        Key = QChar();
    }
}
