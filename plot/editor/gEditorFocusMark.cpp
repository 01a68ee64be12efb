#include "gEditorFocusMark.h"

#include "WinControl.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

TgEditorFocusMark::TgEditorFocusMark(TWinControl *Control, QWidget *Target, std::function<QRect()> Part,
                                     bool OnlyWithoutCues)
    : QObject(Control->Widget()), FControl(Control), FTarget(Target), FPart(std::move(Part)),
      FOnlyWithoutCues(OnlyWithoutCues)
{
    Control->Widget()->installEventFilter(this);
    if (Target != Control->Widget())
        Target->installEventFilter(this);
}

bool TgEditorFocusMark::eventFilter(QObject *Watched, QEvent *Event)
{
    const QEvent::Type type = Event->type();
    if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
        FTarget->update();
        return false;
    }
    if (type != QEvent::Paint || Watched != FTarget || FPainting || !FControl->Focused())
        return false;
    if (FOnlyWithoutCues && FTarget->window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return false;
    const QRect part = FPart();
    if (part.isEmpty())
        return false;
    // The widget paints first, within this same paint; the frame goes on top.
    FPainting = true;
    QApplication::sendEvent(FTarget, Event);
    FPainting = false;
    QPainter painter(FTarget);
    QStyleOptionFocusRect frame;
    frame.initFrom(FTarget);
    frame.rect = part;
    frame.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    frame.backgroundColor = FTarget->palette().color(FTarget->backgroundRole());
    FTarget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, FTarget);
    return true;
}
