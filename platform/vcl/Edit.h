#pragma once
#include "WinControl.h"

class QLineEdit;

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TImeMode { imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata,
                imChinese, imSHanguel, imHanguel };

// A one-line text edit (a Qt line edit inside). Text follows every edit;
// OnChange fires whenever the text changes, by the user or by code.
//
// Paint runs after the line edit has painted itself, on the same widget, so
// a descendant can draw over it. Entering the edit other than by a mouse
// press selects the whole text when AutoSelect is set, and selects nothing
// otherwise (also on Tab).
class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent *AOwner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool Value) { autoSelect_ = Value; }
    // Typed and set text is turned to upper or lower case.
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase Value);
    // False: the selection stays, and shows, while another control has the
    // focus; true: leaving the edit drops it.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool Value);
    // Typed characters other than digits are refused (pasted text is not
    // checked, as with the system's edit).
    bool NumbersOnly() const { return numbersOnly_; }
    void SetNumbersOnly(bool Value) { numbersOnly_ = Value; }
    // The grey cue text of an empty edit.
    // Only printable ASCII (0x20 to 0x7E) is kept, typed or set, so that one
    // character is one byte of the device's 8-bit texts.
    bool PrintableAsciiOnly() const { return asciiOnly_; }
    void SetPrintableAsciiOnly(bool Value);
    // A mouse press selects the whole text; the select is deferred until the
    // press has placed the caret, or the press would undo it.
    bool SelectAllOnClick() const { return selectOnClick_; }
    void SetSelectAllOnClick(bool Value) { selectOnClick_ = Value; }
    QString TextHint() const;
    void SetTextHint(const QString &Value);
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode Value);
    // 0 (the forms' bsNone): no frame; any other value: the sunken frame.
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int Value);
    // Stored only: the desktop's input methods need no setting here.
    bool OEMConvert() const { return oemConvert_; }
    void SetOEMConvert(bool Value) { oemConvert_ = Value; }
    TImeMode ImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode Value) { imeMode_ = Value; }
    const QString &ImeName() const { return imeName_; }
    void SetImeName(const QString &Value) { imeName_ = Value; }
    QLineEdit *LineEdit() const { return edit_; }

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int Value); // 0: no limit
    bool ReadOnly() const;
    void SetReadOnly(bool Value);
    QChar PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(QChar Value); // non-zero hides the text
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    QString SelText() const;
    void SelectAll();

    TNotifyEvent OnChange;

    void KeyPress(QChar &Key) override;

protected:
    virtual void Change();
    void TextChanged() override;
    void ColorChanged() override;
    void FontChanged() override;
    bool WidgetEvent(QObject *Watched, QEvent *Event) override;

private:
    // The text as the edit keeps it: cased, and filtered to printable ASCII.
    QString Cased(const QString &Text) const;
    // Disabled, the text is in the system's grey text colour, as on Windows,
    // readable on the field's own colour (a silver field included).
    void GreyDisabledText();
    QLineEdit *edit_;
    TAlignment alignment_ = taLeftJustify;
    bool autoSelect_ = true;
    TEditCharCase charCase_ = ecNormal;
    bool hideSelection_ = true;
    bool numbersOnly_ = false;
    TBiDiMode biDiMode_ = bdLeftToRight;
    int borderStyle_ = 1;
    bool oemConvert_ = false;
    TImeMode imeMode_ = imDontCare;
    QString imeName_;
    int maxLength_ = 0;
    QChar passwordChar_;
    bool syncing_ = false;
    bool asciiOnly_ = false;
    bool selectOnClick_ = false;
};
