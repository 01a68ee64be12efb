#include "LdCustomControl.h"

void TLdCustomControl::EndUpdate()
{
    if (updateCount_ > 0)
        --updateCount_;
    Changed();
}

void TLdCustomControl::Changed()
{
    if (!ComponentState().Contains(csLoading) && updateCount_ == 0)
        Repaint();
}

void TLdCustomControl::NotifyFontChange()
{
    if (OnFontChanged)
        OnFontChanged(this);
}

void TLdCustomControl::NotifyTextChange()
{
    if (OnTextChanged)
        OnTextChanged(this);
}

void TLdCustomControl::FontChanged()
{
    TCustomControl::FontChanged();
    NotifyFontChange();
}

void TLdCustomControl::TextChanged()
{
    TCustomControl::TextChanged();
    NotifyTextChange();
}

void TLdCustomImageControl::ClearBitmap()
{
    image_.SetSize(Width(), Height());
    image_.Canvas()->Brush()->SetStyle(bsSolid);
    image_.Canvas()->Brush()->SetColor(Color());
    image_.Canvas()->FillRect(Rect(0, 0, Width(), Height()));
}

void TLdCustomImageControl::Paint()
{
    Canvas()->Draw(0, 0, &image_);
}

void TLdCustomImageControl::FocusGained()
{
    TLdCustomControl::FocusGained();
    if (!focused_) {
        focused_ = true;
        Changed();
    }
}

void TLdCustomImageControl::FocusLost()
{
    TLdCustomControl::FocusLost();
    if (focused_) {
        focused_ = false;
        Changed();
    }
}

void TLdCustomImageControl::EnabledChanged()
{
    TLdCustomControl::EnabledChanged();
    Changed();
}
