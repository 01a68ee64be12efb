#pragma once
#include <QObject>
#include <QWidget>

class TWinControl;

// The widget of our own windowed controls: it paints through its control
// (background, Paint, windowless children) and nothing else.
class ControlWidget : public QWidget {
public:
    explicit ControlWidget(TWinControl *Owner);

protected:
    void paintEvent(QPaintEvent *Event) override;

private:
    TWinControl *owner_;
};

// Watches the widget of a windowed control (ours or a standard Qt one) and
// turns its mouse, key, focus, enter/leave and resize events into the
// control's calls before the widget sees them.
class ControlEventBridge : public QObject {
public:
    explicit ControlEventBridge(TWinControl *Owner) : owner_(Owner) {}
    bool eventFilter(QObject *Watched, QEvent *Event) override;
    void Detach() { owner_ = nullptr; }

private:
    TWinControl *owner_;
};
