#include "ScrollBox.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <QWidget>

#include <algorithm>

namespace {
constexpr int kBarSize = 17;
}

int TControlScrollBar::MaxPosition() const
{
    const int visible = vertical_ ? box_->ClientHeight() : box_->ClientWidth();
    return std::max(0, range_ - visible);
}

bool TControlScrollBar::IsVisible() const
{
    return MaxPosition() > 0;
}

void TControlScrollBar::SetPosition(int Value)
{
    const int p = std::clamp(Value, 0, MaxPosition());
    if (p == position_)
        return;
    const int delta = p - position_;
    position_ = p;
    box_->Moved(this, delta);
}

TScrollBox::TScrollBox(TComponent *AOwner) : TCustomControl(AOwner)
{
    for (TControlScrollBar *b : {&vert_, &horz_}) {
        b->bar_ = new QScrollBar(b->vertical_ ? Qt::Vertical : Qt::Horizontal, Widget());
        b->bar_->hide();
        QObject::connect(b->bar_, &QScrollBar::valueChanged, b->bar_, [b](int v) { b->SetPosition(v); });
    }
    SetBounds(0, 0, 185, 41);
}

TScrollBox::~TScrollBox() = default;

void TScrollBox::UpdateRange()
{
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl *c = Controls(i);
        if (!c->Visible())
            continue;
        right = std::max(right, c->Left() + c->Width() + horz_.position_);
        bottom = std::max(bottom, c->Top() + c->Height() + vert_.position_);
    }
    horz_.range_ = right;
    vert_.range_ = bottom;
    // A shrunk range holds the positions to the new span.
    vert_.SetPosition(vert_.position_);
    horz_.SetPosition(horz_.position_);
    LayoutBars();
}

void TScrollBox::Resize()
{
    TCustomControl::Resize();
    vert_.SetPosition(vert_.position_);
    horz_.SetPosition(horz_.position_);
    LayoutBars();
}

void TScrollBox::Moved(TControlScrollBar *Bar, int Delta)
{
    for (int i = 0; i < ControlCount(); ++i) {
        TControl *c = Controls(i);
        if (Bar->vertical_)
            c->SetBounds(c->Left(), c->Top() - Delta, c->Width(), c->Height());
        else
            c->SetBounds(c->Left() - Delta, c->Top(), c->Width(), c->Height());
    }
    if (Bar->bar_->value() != Bar->position_) {
        QSignalBlocker block(Bar->bar_);
        Bar->bar_->setValue(Bar->position_);
    }
    Invalidate();
}

void TScrollBox::LayoutBars()
{
    if (!vert_.bar_ || !horz_.bar_)
        return; // still being made
    const int w = ClientWidth(), h = ClientHeight();
    for (TControlScrollBar *b : {&vert_, &horz_}) {
        QSignalBlocker block(b->bar_);
        b->bar_->setRange(0, b->MaxPosition());
        b->bar_->setPageStep(b->vertical_ ? h : w);
        b->bar_->setSingleStep(wheelStep_);
        b->bar_->setValue(b->position_);
        b->bar_->setVisible(b->IsVisible());
    }
    vert_.bar_->setGeometry(w - kBarSize, 0, kBarSize, h - (horz_.IsVisible() ? kBarSize : 0));
    horz_.bar_->setGeometry(0, h - kBarSize, w - (vert_.IsVisible() ? kBarSize : 0), kBarSize);
    vert_.bar_->raise();
    horz_.bar_->raise();
}

bool TScrollBox::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos))
        return true;
    vert_.SetPosition(vert_.position_ - wheelStep_);
    return true;
}

bool TScrollBox::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos))
        return true;
    vert_.SetPosition(vert_.position_ + wheelStep_);
    return true;
}
