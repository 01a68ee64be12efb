#pragma once
#include <QPointer>
#include <QWidget>
#include <functional>

class QMenuBar;
class QScrollBar;

// The top-level window of a form: the menu bar along the top, below it the
// viewport that shows the form's client widget, and the scroll bars beside
// the viewport while the client's content does not fit. Layout places them
// at once (the form asks after every change); a size or place given by the
// window system is reported through OnGeometry. Keys that reach the window
// itself (no control inside has the focus) go on to the client.
class FormFrame : public QWidget {
public:
    FormFrame();

    // The client widget shown in the viewport (reparented there); TakeClient
    // hands it back without a parent.
    void SetClient(QWidget *Client);
    QWidget *TakeClient();
    QWidget *Client() const { return client_; }
    void SetMenuBar(QMenuBar *Bar);
    QMenuBar *MenuBar() const;
    // The height the menu bar takes on screen (0 without one).
    int MenuBarHeight() const;

    // Places the bar, the viewport and the scroll bars for a client area of
    // Client (below the menu bar); with AutoScroll a scroll bar shows in each
    // direction where Content reaches past what the viewport shows, and the
    // client widget is as large as the content.
    void Layout(QSize Client, QSize Content, bool AutoScroll);
    QScrollBar *HorzBar() const { return horz_; }
    QScrollBar *VertBar() const { return vert_; }
    QWidget *Viewport() const { return viewport_; }

    std::function<void()> OnGeometry;
    std::function<void()> OnCloseRequest;
    // The window became the active one, or stopped being it.
    std::function<void()> OnActivation;

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;
    void resizeEvent(QResizeEvent *Event) override;
    void moveEvent(QMoveEvent *Event) override;
    void closeEvent(QCloseEvent *Event) override;
    void changeEvent(QEvent *Event) override;
    void keyPressEvent(QKeyEvent *Event) override;
    void keyReleaseEvent(QKeyEvent *Event) override;
    void wheelEvent(QWheelEvent *Event) override;

private:
    void Scrolled();
    bool ForwardKey(QKeyEvent *Event);

    QPointer<QWidget> client_;
    QPointer<QMenuBar> bar_;
    QWidget *viewport_;
    QScrollBar *horz_;
    QScrollBar *vert_;
    QSize content_;
    bool layingOut_ = false;
    // The last key the client saw: one that rises on to the window from
    // there is not given to the client a second time.
    const QEvent *clientKey_ = nullptr;
};
