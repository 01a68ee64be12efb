#pragma once
#include "DateTime.h"
#include "Edit.h"

// What the text of an editor edit must read as for a commit to take it.
enum TgEditorValueKind { ievkText, ievkInteger, ievkFloat, ievkDateTime };

// The one-line edit of the editor forms. Its value takes effect once per
// commit (Enter, leaving the edit, or a set-with-event), not per keystroke:
// a commit of a text that differs from the last committed one fires
// OnUpdate and reports a user change to the owning editor form. A text that
// does not read as the edit's ValueKind is refused on commit: the last
// committed text comes back, the edit is marked (a red frame, until the
// next accepted commit, typed change or set) and beeps, and nothing fires.
// Esc brings the last committed text back. The As* setters are silent: they
// fire nothing and count as committed.
class TgComponentEditorEdit : public TEdit {
public:
    explicit TgComponentEditorEdit(TComponent *AOwner);

    TgEditorValueKind ValueKind() const { return FValueKind; }
    void SetValueKind(TgEditorValueKind Value) { FValueKind = Value; }

    // The trimmed text as a decimal integer / a number (locale decimal
    // separator); 0 when it does not read as one.
    int AsInteger() const;
    double AsFloat() const;
    const QString &AsString() const { return Text(); }
    // The trimmed text as a date-time; raises EConvertError when it is none.
    TDateTime AsDateTime() const;
    void SetAsInteger(int Value);
    // The general form, up to 15 significant digits.
    void SetAsFloat(double Value);
    void SetAsString(const QString &Value);
    // The locale's date-time text.
    void SetAsDateTime(TDateTime Value);

    // The text set as if the user had typed it and committed it.
    void SetStringWithEvent(const QString &Value);
    void SetIntegerWithEvent(int Value);
    void SetDoubleWithEvent(double Value);

    // True when the text reads as ValueKind.
    bool TextIsValid(const QString &Text) const;
    const QString &OriginalText() const { return FOriginalText; }
    // The last commit was refused; cleared by the next accepted one, a
    // typed change and every setter.
    bool Refused() const { return FRefused; }

    // Disabled with an empty text (events detached meanwhile); Enable
    // undoes the disabling only; DisableNoClear keeps the text.
    void Disable();
    void Enable();
    void DisableNoClear();

    TNotifyEvent OnUpdate;

    void KeyDown(Word &Key, TShiftState Shift) override;
    void KeyPress(QChar &Key) override;
    void Paint() override;

protected:
    // The commit rule (see the class).
    void CommitText();
    void Change() override;
    void FocusLost() override;
    void EnabledChanged() override;

private:
    void SetSilently(const QString &Value);
    void SetRefused(bool Value);
    void RestoreOriginal();

    QString FOriginalText;
    bool FBlockingEvents = false;
    bool FRefused = false;
    bool FRestoring = false;
    TgEditorValueKind FValueKind = ievkText;
};

// The link of a control (an up-down, a picker) to the edit it stands
// beside: setting it moves the control to the edit's right edge, at the
// edit's top and height (into the edit's parent when the control has none);
// the link drops when the edit goes (the control's Notification passes the
// news on through Removed).
class TgEditAssociate {
public:
    explicit TgEditAssociate(TControl *Control) : FControl(Control) {}
    TgComponentEditorEdit *Get() const { return FEdit; }
    void Set(TgComponentEditorEdit *Value);
    void Removed(TComponent *AComponent, TOperation Operation)
    {
        if (Operation == opRemove && AComponent == FEdit)
            FEdit = nullptr;
    }

private:
    TControl *FControl;
    TgComponentEditorEdit *FEdit = nullptr;
};
