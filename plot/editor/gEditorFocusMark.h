#pragma once
#include <QObject>
#include <QRect>

#include <functional>

class QWidget;
class TWinControl;

// The keyboard-focus frame of the style drawn over a part of a standard
// widget while its editor control holds the focus, on top of what the widget
// paints: the editor's Tab walk gives the focus by code, and the standard
// page control and combo box show it only after Qt's own Tab handling (the
// page control never, as its row of tabs does not take the focus itself).
// Part gives the frame's rectangle in Target's coordinates, empty for none;
// with OnlyWithoutCues no frame is drawn once the window shows Qt's focus
// cues, where the widget draws its own. Owned by the control's widget.
class TgEditorFocusMark : public QObject {
public:
    TgEditorFocusMark(TWinControl *Control, QWidget *Target, std::function<QRect()> Part, bool OnlyWithoutCues);
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    TWinControl *FControl;
    QWidget *FTarget;
    std::function<QRect()> FPart;
    bool FOnlyWithoutCues;
    bool FPainting = false;
};
