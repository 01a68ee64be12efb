#include "FormFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>

FormFrame::FormFrame()
    : viewport_(new QWidget(this)), horz_(new QScrollBar(Qt::Horizontal, this)),
      vert_(new QScrollBar(Qt::Vertical, this))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    horz_->hide();
    vert_->hide();
    QObject::connect(horz_, &QScrollBar::valueChanged, this, [this] { Scrolled(); });
    QObject::connect(vert_, &QScrollBar::valueChanged, this, [this] { Scrolled(); });
}

void FormFrame::SetClient(QWidget *Client)
{
    client_ = Client;
    if (!Client)
        return;
    Client->setParent(viewport_);
    Client->installEventFilter(this);
    Client->move(0, 0);
    Client->show();
}

QWidget *FormFrame::TakeClient()
{
    QWidget *c = client_;
    client_ = nullptr;
    if (c)
        c->removeEventFilter(this);
    if (c && c->parentWidget() == viewport_) {
        c->hide();
        c->setParent(nullptr);
    }
    return c;
}

void FormFrame::SetMenuBar(QMenuBar *Bar)
{
    bar_ = Bar;
    if (Bar && Bar->parentWidget() != this)
        Bar->setParent(this);
}

QMenuBar *FormFrame::MenuBar() const { return bar_; }

int FormFrame::MenuBarHeight() const
{
    return bar_ ? bar_->sizeHint().height() : 0;
}

void FormFrame::Layout(QSize Client, QSize Content, bool AutoScroll)
{
    layingOut_ = true;
    const int barH = MenuBarHeight();
    if (bar_) {
        bar_->setGeometry(0, 0, Client.width(), barH);
        bar_->show();
    }
    content_ = Content;
    // A bar taken by one direction can make the other one needed.
    const int ext = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool hb = AutoScroll && Content.width() > Client.width();
    const bool vb = AutoScroll && Content.height() > Client.height() - (hb ? ext : 0);
    if (vb && !hb)
        hb = AutoScroll && Content.width() > Client.width() - ext;
    const int vw = std::max(0, Client.width() - (vb ? ext : 0));
    const int vh = std::max(0, Client.height() - (hb ? ext : 0));
    viewport_->setGeometry(0, barH, vw, vh);
    horz_->setGeometry(0, barH + vh, vw, ext);
    vert_->setGeometry(vw, barH, ext, vh);
    horz_->setRange(0, hb ? std::max(0, Content.width() - vw) : 0);
    vert_->setRange(0, vb ? std::max(0, Content.height() - vh) : 0);
    horz_->setPageStep(std::max(1, vw));
    vert_->setPageStep(std::max(1, vh));
    horz_->setVisible(hb);
    vert_->setVisible(vb);
    if (client_) {
        const int cw = AutoScroll ? std::max(vw, Content.width()) : vw;
        const int ch = AutoScroll ? std::max(vh, Content.height()) : vh;
        client_->setGeometry(-horz_->value(), -vert_->value(), cw, ch);
    }
    layingOut_ = false;
}

void FormFrame::Scrolled()
{
    if (client_)
        client_->move(-horz_->value(), -vert_->value());
}

void FormFrame::resizeEvent(QResizeEvent *Event)
{
    QWidget::resizeEvent(Event);
    if (!layingOut_ && OnGeometry)
        OnGeometry();
}

void FormFrame::moveEvent(QMoveEvent *Event)
{
    QWidget::moveEvent(Event);
    if (!layingOut_ && OnGeometry)
        OnGeometry();
}

void FormFrame::closeEvent(QCloseEvent *Event)
{
    // The form decides (it may keep the window open, or close it itself).
    Event->ignore();
    if (OnCloseRequest)
        OnCloseRequest();
}

void FormFrame::changeEvent(QEvent *Event)
{
    QWidget::changeEvent(Event);
    if (Event->type() == QEvent::ActivationChange && OnActivation)
        OnActivation();
}

bool FormFrame::ForwardKey(QKeyEvent *Event)
{
    // Only a key sent to the window itself: one that rose from the client
    // (or a control inside it) has been offered to the form already.
    QWidget *focus = QApplication::focusWidget();
    const bool risen = Event == clientKey_;
    clientKey_ = nullptr;
    if (!client_ || risen || (focus && focus != this)) {
        Event->ignore();
        return false;
    }
    QApplication::sendEvent(client_, Event);
    return true;
}

bool FormFrame::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Watched == client_ && (Event->type() == QEvent::KeyPress || Event->type() == QEvent::KeyRelease))
        clientKey_ = Event;
    return false;
}

void FormFrame::keyPressEvent(QKeyEvent *Event) { ForwardKey(Event); }

void FormFrame::keyReleaseEvent(QKeyEvent *Event) { ForwardKey(Event); }

void FormFrame::wheelEvent(QWheelEvent *Event)
{
    // What the client did not take scrolls it, the vertical bar first.
    QScrollBar *bar = vert_->isVisible() ? vert_ : horz_->isVisible() ? horz_ : nullptr;
    if (bar)
        QApplication::sendEvent(bar, Event);
    else
        Event->ignore();
}
