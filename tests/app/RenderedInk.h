#pragma once
// What a window shows, found from its rendered pixels: where a control's
// caption is drawn, and a user's click at a point of the window.
#include "Control.h"
#include "Label.h"
#include "LdDemoButton.h"
#include "RoundedControls.h"
#include "SkGroupBox.h"
#include "SkTextUtils.h"
#include "TestInput.h"
#include "WinControl.h"

#include <QImage>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <vector>

// The ink box of the pixels of A and B that differ clearly (a quarter of the
// largest difference, at least 16 in one channel), offset by Origin.
inline QRect DiffBox(const QImage &A, const QImage &B, QPoint Origin)
{
    int most = 0;
    std::vector<int> diff(size_t(A.width()) * size_t(A.height()));
    for (int y = 0; y < A.height(); ++y)
        for (int x = 0; x < A.width(); ++x) {
            const QRgb a = A.pixel(x, y), b = B.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                    std::abs(qBlue(a) - qBlue(b))});
            diff[size_t(y) * size_t(A.width()) + size_t(x)] = d;
            most = std::max(most, d);
        }
    const int threshold = std::max(16, most / 4);
    QRect box;
    for (int y = 0; y < A.height(); ++y)
        for (int x = 0; x < A.width(); ++x)
            if (diff[size_t(y) * size_t(A.width()) + size_t(x)] >= threshold)
                box |= QRect(x, y, 1, 1);
    return box.isNull() ? QRect() : box.translated(Origin);
}

// The control's rectangle in Window's coordinates.
inline QRect AreaInWindow(TControl *C, QWidget *Window)
{
    QWidget *parent = C->Parent()->Widget();
    return QRect(parent->mapTo(Window, QPoint(C->Left(), C->Top())), QSize(C->Width(), C->Height()));
}

// The font the control writes its caption in: a bevelled push button its
// font for the mouse away, a group box its caption font, others their font.
inline QFont DrawingFont(TControl *C)
{
    if (auto *b = dynamic_cast<TLdDemoButton *>(C))
        return b->FontLeave()->ToQFont();
    if (auto *g = dynamic_cast<TSkCustomGroupBox *>(C))
        return g->CaptionFont()->ToQFont();
    return C->Font()->ToQFont();
}

// The text the control shows as its caption: a value box its value.
inline QString ShownText(TControl *C)
{
    if (auto *box = dynamic_cast<TRoundedEdit *>(C))
        return box->Text();
    return C->Caption();
}

inline void SetShownText(TControl *C, const QString &Text)
{
    if (auto *box = dynamic_cast<TRoundedEdit *>(C))
        box->SetText(Text);
    else
        C->SetCaption(Text);
}

// The ink of the control's caption as Window shows it (in Window's
// coordinates; empty when none shows): the window is rendered around the
// control with the caption and without it, and the pixels that differ are
// the caption's. With a scale factor the box is the device pixels' logical
// cover, and Device (when given) the device pixels themselves in the
// window's device coordinates.
inline QRect CaptionInk(TControl *C, QWidget *Window, QRect *Device = nullptr)
{
    const QString caption = ShownText(C);
    const QString shown = StripAccelerators(caption);
    const QRect area = AreaInWindow(C, Window);
    const int reach = QFontMetrics(DrawingFont(C)).horizontalAdvance(shown) + 8;
    const QRect around = area.adjusted(-reach, -8, reach, 8) & Window->rect();
    const QImage with = Window->grab(around).toImage().convertToFormat(QImage::Format_RGB32);
    // An auto-sized label keeps its size while its caption is away.
    auto *label = dynamic_cast<TCustomLabel *>(C);
    const bool autoSize = label && label->AutoSize();
    if (autoSize)
        label->SetAutoSize(false);
    SetShownText(C, QString());
    const QImage without = Window->grab(around).toImage().convertToFormat(QImage::Format_RGB32);
    SetShownText(C, caption);
    if (autoSize)
        label->SetAutoSize(true);
    const QRect device = DiffBox(with, without, QPoint());
    const qreal dpr = with.devicePixelRatio();
    if (Device)
        *Device = device.isEmpty() ? QRect() : device.translated((QPointF(around.topLeft()) * dpr).toPoint());
    if (device.isEmpty())
        return QRect();
    const QRectF logical(device.x() / dpr, device.y() / dpr, device.width() / dpr, device.height() / dpr);
    return logical.toAlignedRect().translated(around.topLeft());
}

// A left click of the mouse at Point of Window, delivered to the widget
// drawn there, as the user's click reaches it.
inline void ClickInWindow(QWidget *Window, QPoint Point)
{
    QWidget *target = Window->childAt(Point);
    if (!target)
        target = Window;
    Click(target, target->mapFrom(Window, Point));
}
