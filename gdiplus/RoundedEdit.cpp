// The placeholder edit and the value edit box.
#include "RoundedControls.h"

#include <QLineEdit>

// -- TEmptyEdit ---------------------------------------------------------------

void TEmptyEdit::Paint()
{
    if (!Text().isEmpty() || emptyText_.isEmpty())
        return;
    TCanvas *c = Canvas();
    TFont standard; // the toolkit's default canvas font, not the edit's
    c->SetFont(&standard);
    c->Font()->SetColor(clGray);
    c->Brush()->SetStyle(bsClear);
    c->TextOut(3, 0, emptyText_);
}

void TEmptyEdit::FocusGained()
{
    if (!emptyText_.isEmpty() && Text().isEmpty())
        Invalidate();
}

void TEmptyEdit::FocusLost()
{
    FocusGained();
}

// -- TRoundedEdit -------------------------------------------------------------

TRoundedEdit::TRoundedEdit(TComponent *AOwner) : TRoundedControlPanel(AOwner), edit_(new TEmptyEdit(this))
{
    edit_->SetBorderStyle(0);
    edit_->SetTabStop(false);
    edit_->SetParentFont(false);
    edit_->SetParent(this);
    edit_->SetBounds(edit_->Left(), 5, edit_->Width(), 18);
    SetBounds(Left(), Top(), 100, 24);
    BindForwarders();
    LayoutInnerEdit();
    edit_->SetFont(Font());
    edit_->SetColor(Color());
}

TRoundedEdit::~TRoundedEdit()
{
    // The edit goes with the box's children; its forwarders must not call
    // a box that is half gone.
    for (TNotifyEvent *e : {&edit_->OnChange, &edit_->OnClick, &edit_->OnDblClick, &edit_->OnEnter, &edit_->OnExit,
                            &edit_->OnMouseEnter, &edit_->OnMouseLeave})
        *e = nullptr;
    edit_->OnKeyDown = nullptr;
    edit_->OnKeyUp = nullptr;
    edit_->OnKeyPress = nullptr;
    edit_->OnMouseDown = nullptr;
    edit_->OnMouseUp = nullptr;
    edit_->OnMouseMove = nullptr;
}

// Each event of the edit reaches the box's event of the same name with the
// box as Sender; keys by reference, so that a handler can change or clear
// them, mouse positions in the edit's own coordinates.
void TRoundedEdit::BindForwarders()
{
    auto notify = [this](TNotifyEvent TRoundedEdit::*event) {
        return [this, event](TObject *) {
            if (this->*event)
                (this->*event)(this);
        };
    };
    auto notifyBase = [this](auto member) {
        return [this, member](TObject *) {
            if (this->*member)
                (this->*member)(this);
        };
    };
    edit_->OnChange = notify(&TRoundedEdit::OnChange);
    edit_->OnClick = notifyBase(&TRoundedEdit::OnClick);
    edit_->OnDblClick = notifyBase(&TRoundedEdit::OnDblClick);
    edit_->OnEnter = notifyBase(&TRoundedEdit::OnEnter);
    edit_->OnExit = notifyBase(&TRoundedEdit::OnExit);
    edit_->OnMouseEnter = notifyBase(&TRoundedEdit::OnMouseEnter);
    edit_->OnMouseLeave = notifyBase(&TRoundedEdit::OnMouseLeave);
    edit_->OnKeyDown = [this](TObject *, Word &Key, TShiftState Shift) {
        if (OnKeyDown)
            OnKeyDown(this, Key, Shift);
    };
    edit_->OnKeyUp = [this](TObject *, Word &Key, TShiftState Shift) {
        if (OnKeyUp)
            OnKeyUp(this, Key, Shift);
    };
    edit_->OnKeyPress = [this](TObject *, QChar &Key) {
        if (OnKeyPress)
            OnKeyPress(this, Key);
    };
    edit_->OnMouseDown = [this](TObject *, TMouseButton Button, TShiftState Shift, int X, int Y) {
        if (OnMouseDown)
            OnMouseDown(this, Button, Shift, X, Y);
    };
    edit_->OnMouseUp = [this](TObject *, TMouseButton Button, TShiftState Shift, int X, int Y) {
        if (OnMouseUp)
            OnMouseUp(this, Button, Shift, X, Y);
    };
    edit_->OnMouseMove = [this](TObject *, TShiftState Shift, int X, int Y) {
        if (OnMouseMove)
            OnMouseMove(this, Shift, X, Y);
    };
}

void TRoundedEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    (void)AHeight;
    TRoundedControlPanel::SetBounds(ALeft, ATop, AWidth, 24);
}

void TRoundedEdit::WndProc(TMessage &Message)
{
    if (Message.Msg == WM_KEYDOWN || Message.Msg == WM_KEYUP || Message.Msg == WM_CHAR)
        Message.Result = edit_->Perform(Message.Msg, Message.WParam, Message.LParam);
    else
        TRoundedControlPanel::WndProc(Message);
}

void TRoundedEdit::SetBiDiMode(TBiDiMode Value)
{
    biDiMode_ = Value;
    edit_->SetBiDiMode(Value);
}

void TRoundedEdit::LayoutInnerEdit()
{
    if (!edit_)
        return;
    const TRoundedControls *c = Controls();
    const int left = c->LeftSize() + Rounding() + c->LeftControlSize();
    const int width =
        Width() - 2 * Rounding() - (c->RightSize() + c->RightControlSize() + c->LeftSize() + c->LeftControlSize());
    edit_->SetBounds(left, 5, width, 18);
}

void TRoundedEdit::ColorChanged()
{
    TRoundedControlPanel::ColorChanged();
    if (edit_)
        edit_->SetColor(Color());
}

void TRoundedEdit::FontChanged()
{
    TRoundedControlPanel::FontChanged();
    if (edit_)
        edit_->SetFont(Font());
}

void TRoundedEdit::Resize()
{
    TRoundedControlPanel::Resize();
    LayoutInnerEdit();
}

// The box's own mouse input only works its embedded buttons: its mouse
// events are the inner edit's.
void TRoundedEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    (void)Button, (void)Shift, (void)Y;
    ButtonsMouseDown(X);
}

void TRoundedEdit::MouseMove(TShiftState Shift, int X, int Y)
{
    (void)Shift, (void)Y;
    ButtonsMouseMove(X);
}

void TRoundedEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    (void)Button, (void)Shift, (void)Y;
    ButtonsMouseUp(X);
}

void TRoundedEdit::MouseEnter() {}

void TRoundedEdit::MouseLeave()
{
    ButtonsMouseLeave();
}
