// Drag and drop between the program's controls: one drag at a time, driven
// by the window that holds the press (WinControl.cpp hands it the mouse).
#include "Control.h"
#include "WinControl.h"

#include <QApplication>
#include <QWidget>
#include <cstdlib>

// The drag under way. The controls are watched through their alive tokens:
// a handler may free the source or the target.
class TDragSession {
public:
    static TDragSession &Current()
    {
        static TDragSession session;
        return session;
    }

    TControl *Source() const { return Alive(sourceAlive_) ? source_ : nullptr; }
    // Where the mouse was last seen: the press that may start a drag, then
    // the drag's moves.
    TPoint Last() const { return last_; }
    void NotePress(TPoint Screen) { last_ = Screen; }

    void Begin(TControl *Source, bool Immediate, int Threshold)
    {
        if (this->Source())
            End(nullptr, last_, false);
        source_ = Source;
        sourceAlive_ = Source->aliveToken_;
        dragObject_ = nullptr;
        active_ = false;
        target_ = nullptr;
        accepted_ = false;
        threshold_ = Threshold < 0 ? 5 : Threshold;
        start_ = last_;
        Source->DoStartDrag(dragObject_);
        if (Immediate && this->Source())
            Activate();
    }

    void Move(TPoint Screen)
    {
        if (!Source())
            return;
        last_ = Screen;
        if (!active_) {
            if (std::abs(Screen.X - start_.X) < threshold_ && std::abs(Screen.Y - start_.Y) < threshold_)
                return;
            Activate();
        }
        TPoint client;
        TControl *target = FindTarget(Screen, client);
        if (target != Target()) {
            Leave(Screen);
            target_ = target;
            targetAlive_ = target ? target->aliveToken_ : nullptr;
            Ask(target, client, dsDragEnter);
        } else if (target) {
            Ask(target, client, dsDragMove);
        }
        UpdateCursor();
    }

    void Release(TPoint Screen)
    {
        if (!Source())
            return;
        // A release where the last move was asks nobody again.
        if (active_ && !(Screen == last_))
            Move(Screen);
        End(Target(), Screen, active_ && accepted_);
    }

    // Ends the drag: a drop on Target when Drop, else none; the source
    // hears the end either way.
    void End(TControl *Target, TPoint Screen, bool Drop)
    {
        TControl *source = Source();
        if (!source)
            return;
        TObject *carried = Carried();
        const std::shared_ptr<bool> sourceAlive = sourceAlive_;
        if (!Drop)
            Leave(Screen);
        source_ = nullptr;
        sourceAlive_.reset();
        target_ = nullptr;
        targetAlive_.reset();
        if (active_)
            QApplication::restoreOverrideCursor();
        active_ = false;
        TObject *endTarget = nullptr;
        TPoint at = source->ScreenToClient(Screen);
        if (Drop && Target) {
            const std::shared_ptr<bool> targetAlive = Target->aliveToken_;
            const TPoint client = Target->ScreenToClient(Screen);
            Target->DragDrop(carried, client.X, client.Y);
            if (*targetAlive) {
                endTarget = Target;
                at = client;
            }
        }
        if (*sourceAlive)
            source->DoEndDrag(endTarget, at.X, at.Y);
    }

    void Forget(TControl *Control)
    {
        if (Control == source_) {
            if (active_)
                QApplication::restoreOverrideCursor();
            source_ = nullptr;
            sourceAlive_.reset();
            target_ = nullptr;
            targetAlive_.reset();
            active_ = false;
        } else if (Control == target_) {
            target_ = nullptr;
            targetAlive_.reset();
            accepted_ = false;
        }
    }

private:
    static bool Alive(const std::shared_ptr<bool> &Token) { return Token && *Token; }
    TControl *Target() const { return Alive(targetAlive_) ? target_ : nullptr; }
    TObject *Carried() const { return dragObject_ ? static_cast<TObject *>(dragObject_) : source_; }

    void Activate()
    {
        active_ = true;
        QApplication::setOverrideCursor(CursorToQt(crNoDrop));
    }

    void Ask(TControl *Target, TPoint Client, TDragState State)
    {
        accepted_ = false;
        if (!Target)
            return;
        bool accept = false;
        Target->DragOver(Carried(), Client.X, Client.Y, State, accept);
        accepted_ = accept && State != dsDragLeave;
    }

    void Leave(TPoint Screen)
    {
        if (TControl *old = Target()) {
            const TPoint client = old->ScreenToClient(Screen);
            Ask(old, client, dsDragLeave);
        }
        accepted_ = false;
    }

    void UpdateCursor()
    {
        if (active_)
            QApplication::changeOverrideCursor(CursorToQt(accepted_ ? crDrag : crNoDrop));
    }

    // The enabled control under the screen point, windowless ones included,
    // and the point in its client coordinates.
    static TControl *FindTarget(TPoint Screen, TPoint &Client)
    {
        QWidget *widget = QApplication::widgetAt(ToQPoint(Screen));
        TWinControl *window = widget ? TWinControl::FindControl(widget) : nullptr;
        if (!window || !window->EnabledInParents())
            return nullptr;
        Client = window->ScreenToClient(Screen);
        if (TControl *child = window->ControlAtPos(Client)) {
            Client = child->ScreenToClient(Screen);
            return child;
        }
        return window;
    }

    TControl *source_ = nullptr;
    std::shared_ptr<bool> sourceAlive_;
    TDragObject *dragObject_ = nullptr;
    TControl *target_ = nullptr;
    std::shared_ptr<bool> targetAlive_;
    bool active_ = false;
    bool accepted_ = false;
    int threshold_ = 5;
    TPoint start_, last_;
};

void TControl::BeginDrag(bool Immediate, int Threshold)
{
    TDragSession::Current().Begin(this, Immediate, Threshold);
}

void TControl::EndDrag(bool Drop)
{
    TDragSession &session = TDragSession::Current();
    if (session.Source() != this)
        return;
    if (Drop)
        session.Release(session.Last());
    else
        session.End(nullptr, session.Last(), false);
}

bool TControl::Dragging() const
{
    return TDragSession::Current().Source() == this;
}

void TControl::DragOver(TObject *Source, int X, int Y, TDragState State, bool &Accept)
{
    Accept = false;
    if (OnDragOver) {
        Accept = true;
        OnDragOver(this, Source, X, Y, State, Accept);
    }
}

void TControl::DragDrop(TObject *Source, int X, int Y)
{
    if (OnDragDrop)
        OnDragDrop(this, Source, X, Y);
}

void TControl::DoStartDrag(TDragObject *&DragObject)
{
    if (OnStartDrag)
        OnStartDrag(this, DragObject);
}

void TControl::DoEndDrag(TObject *Target, int X, int Y)
{
    if (OnEndDrag)
        OnEndDrag(this, Target, X, Y);
}

TControl *DragSourceControl()
{
    return TDragSession::Current().Source();
}

void DragMouseMove(TPoint Screen)
{
    TDragSession::Current().Move(Screen);
}

void DragMouseRelease(TPoint Screen)
{
    TDragSession::Current().Release(Screen);
}

void DragNotePress(TPoint Screen)
{
    TDragSession::Current().NotePress(Screen);
}

void CancelDrag()
{
    TDragSession &session = TDragSession::Current();
    session.End(nullptr, session.Last(), false);
}

void ForgetDragControl(TControl *Control)
{
    TDragSession::Current().Forget(Control);
}
