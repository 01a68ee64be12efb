#pragma once
#include "WinControl.h"

class QLineEdit;

// A one-line text edit (a Qt line edit inside). Text follows every edit;
// OnChange fires whenever the text changes, by the user or by code.
class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent *AOwner);

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

protected:
    virtual void Change();
    void TextChanged() override;
    void ColorChanged() override;

private:
    QLineEdit *edit_;
    int maxLength_ = 0;
    QChar passwordChar_;
    bool syncing_ = false;
};
