#include "gComponentEditorEdit.h"

#include "FloatFormat.h"
#include "MessageBeep.h"
#include "VirtualKeys.h"
#include "gCustomEditorForm.h"
#include "gEditorSilence.h"

#include <limits>

namespace {

bool ReadInteger(const QString &Text, int &Value)
{
    long long v = 0;
    if (!TryStrToInt64(Text.trimmed(), v) || v < std::numeric_limits<int>::min() ||
        v > std::numeric_limits<int>::max())
        return false;
    Value = static_cast<int>(v);
    return true;
}

} // namespace

TgComponentEditorEdit::TgComponentEditorEdit(TComponent *AOwner) : TEdit(AOwner)
{
    SetHeight(21);
}

// -- typed views ------------------------------------------------------------

int TgComponentEditorEdit::AsInteger() const
{
    int v = 0;
    return ReadInteger(Text(), v) ? v : 0;
}

double TgComponentEditorEdit::AsFloat() const
{
    double v = 0;
    return TryStrToFloat(Text().trimmed(), v) ? v : 0;
}

TDateTime TgComponentEditorEdit::AsDateTime() const
{
    return StrToDateTime(Text().trimmed());
}

bool TgComponentEditorEdit::TextIsValid(const QString &Text) const
{
    switch (FValueKind) {
    case ievkInteger: {
        int v = 0;
        return ReadInteger(Text, v);
    }
    case ievkFloat: {
        double v = 0;
        return TryStrToFloat(Text.trimmed(), v);
    }
    case ievkDateTime: {
        TDateTime v = 0;
        return TryStrToDateTime(Text, v);
    }
    default: return true;
    }
}

void TgComponentEditorEdit::SetSilently(const QString &Value)
{
    TgEditorSilence silence(FBlockingEvents, {&OnChange});
    SetRefused(false);
    FOriginalText = Value;
    SetText(Value);
}

void TgComponentEditorEdit::SetAsInteger(int Value)
{
    SetSilently(QString::number(Value));
}

void TgComponentEditorEdit::SetAsFloat(double Value)
{
    SetSilently(FloatToStr(Value));
}

void TgComponentEditorEdit::SetAsString(const QString &Value)
{
    SetSilently(Value);
}

void TgComponentEditorEdit::SetAsDateTime(TDateTime Value)
{
    SetSilently(DateTimeToStr(Value));
}

// -- commits ----------------------------------------------------------------

void TgComponentEditorEdit::CommitText()
{
    if (Text() == FOriginalText)
        return;
    if (!TextIsValid(Text())) {
        RestoreOriginal();
        SetRefused(true);
        MessageBeep();
        return;
    }
    SetRefused(false);
    FOriginalText = Text();
    std::shared_ptr<bool> alive = aliveToken_;
    if (OnUpdate)
        OnUpdate(this);
    if (*alive && !FBlockingEvents)
        NotifyUserChange(this);
}

void TgComponentEditorEdit::SetStringWithEvent(const QString &Value)
{
    SetText(Value);
    std::shared_ptr<bool> alive = aliveToken_;
    NotifyUserChange(this);
    if (*alive)
        CommitText();
}

void TgComponentEditorEdit::SetIntegerWithEvent(int Value)
{
    SetStringWithEvent(QString::number(Value));
}

void TgComponentEditorEdit::SetDoubleWithEvent(double Value)
{
    SetStringWithEvent(FloatToStr(Value));
}

void TgComponentEditorEdit::RestoreOriginal()
{
    FRestoring = true;
    SetText(FOriginalText);
    FRestoring = false;
}

void TgComponentEditorEdit::SetRefused(bool Value)
{
    if (Value == FRefused)
        return;
    FRefused = Value;
    Invalidate();
}

void TgComponentEditorEdit::Change()
{
    if (!FRestoring)
        SetRefused(false);
    TEdit::Change();
}

void TgComponentEditorEdit::FocusLost()
{
    TEdit::FocusLost();
    CommitText();
}

// -- keys -------------------------------------------------------------------

void TgComponentEditorEdit::KeyDown(Word &Key, TShiftState Shift)
{
    TEdit::KeyDown(Key, Shift);
    if (Key == VK_RETURN) {
        Key = 0;
        std::shared_ptr<bool> alive = aliveToken_;
        CommitText();
        if (*alive)
            SelectAll();
    } else if (Key == VK_ESCAPE) {
        Key = 0;
        RestoreOriginal();
        SelectAll();
    }
}

void TgComponentEditorEdit::KeyPress(QChar &Key)
{
    if (Key == u'\n') {
        Key = QChar();
        return;
    }
    TEdit::KeyPress(Key);
}

// -- state ------------------------------------------------------------------

void TgComponentEditorEdit::EnabledChanged()
{
    TEdit::EnabledChanged();
    SetColor(Enabled() ? clWindow : clBtnFace);
}

void TgComponentEditorEdit::Disable()
{
    TgEditorSilence silence(FBlockingEvents, {&OnChange});
    SetEnabled(false);
    SetRefused(false);
    SetText(QString());
    FOriginalText.clear();
}

void TgComponentEditorEdit::Enable()
{
    SetEnabled(true);
}

void TgComponentEditorEdit::DisableNoClear()
{
    SetEnabled(false);
}

void TgComponentEditorEdit::Paint()
{
    if (!FRefused)
        return;
    TCanvas *c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clRed);
    c->FrameRect(ClientRect());
    c->FrameRect(TRect(1, 1, Width() - 1, Height() - 1));
}

void TgEditAssociate::Set(TgComponentEditorEdit *Value)
{
    if (FEdit)
        FEdit->RemoveFreeNotification(FControl);
    FEdit = Value;
    if (!Value)
        return;
    Value->FreeNotification(FControl);
    if (!FControl->Parent() && Value->Parent())
        FControl->SetParent(Value->Parent());
    FControl->SetBounds(Value->Left() + Value->Width(), Value->Top(), FControl->Width(), Value->Height());
}
