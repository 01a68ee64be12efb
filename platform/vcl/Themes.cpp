#include "Themes.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

bool themesEnabled = false;

// Face colours (top, bottom) and outline per button state.
struct ButtonLook {
    QColor top, bottom, outline;
};

ButtonLook LookOf(TThemedButtonState State)
{
    switch (State) {
    case TThemedButtonState::Hot: return {QColor(234, 246, 253), QColor(190, 230, 253), QColor(60, 127, 177)};
    case TThemedButtonState::Pressed: return {QColor(229, 244, 252), QColor(152, 209, 239), QColor(44, 98, 139)};
    case TThemedButtonState::Disabled: return {QColor(244, 244, 244), QColor(244, 244, 244), QColor(173, 178, 181)};
    case TThemedButtonState::Defaulted: return {QColor(242, 242, 242), QColor(207, 207, 207), QColor(51, 153, 255)};
    case TThemedButtonState::Normal: break;
    }
    return {QColor(242, 242, 242), QColor(207, 207, 207), QColor(112, 112, 112)};
}

void DrawFace(TCanvas *Canvas, const TRect &R, TThemedButtonState State)
{
    QPainter *p = Canvas->Handle();
    if (!p || R.Width() <= 0 || R.Height() <= 0)
        return;
    const ButtonLook look = LookOf(State);
    p->save();
    p->setRenderHint(QPainter::Antialiasing, false);
    QLinearGradient g(0, R.Top, 0, R.Bottom);
    g.setColorAt(0, look.top);
    g.setColorAt(1, look.bottom);
    p->fillRect(QRect(R.Left + 1, R.Top + 1, R.Width() - 2, R.Height() - 2), g);
    p->setPen(look.outline);
    // Outline with the corner pixels left out.
    p->drawLine(R.Left + 1, R.Top, R.Right - 2, R.Top);
    p->drawLine(R.Left + 1, R.Bottom - 1, R.Right - 2, R.Bottom - 1);
    p->drawLine(R.Left, R.Top + 1, R.Left, R.Bottom - 2);
    p->drawLine(R.Right - 1, R.Top + 1, R.Right - 1, R.Bottom - 2);
    p->restore();
}

} // namespace

bool ThemesEnabled()
{
    return themesEnabled;
}

void SetThemesEnabled(bool Value)
{
    themesEnabled = Value;
}

void DrawThemedPushButton(TCanvas *Canvas, const TRect &R, TThemedButtonState State)
{
    DrawFace(Canvas, R, State);
}

void DrawThemedComboButton(TCanvas *Canvas, const TRect &R, TThemedButtonState State)
{
    DrawFace(Canvas, R, State);
    QPainter *p = Canvas->Handle();
    if (!p)
        return;
    const int x = R.Left + R.Width() / 2, y = R.Top + R.Height() / 2;
    p->save();
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setPen(Qt::NoPen);
    p->setBrush(State == TThemedButtonState::Disabled ? QColor(173, 178, 181) : QColor(77, 97, 133));
    const QPoint arrow[3] = {QPoint(x - 4, y - 2), QPoint(x + 4, y - 2), QPoint(x, y + 2)};
    p->drawPolygon(arrow, 3);
    p->restore();
}

void DrawThemedGroupBox(TCanvas *Canvas, const TRect &R)
{
    QPainter *p = Canvas->Handle();
    if (!p || R.Width() <= 1 || R.Height() <= 1)
        return;
    p->save();
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setPen(QColor(213, 223, 229));
    p->drawLine(R.Left + 1, R.Top, R.Right - 2, R.Top);
    p->drawLine(R.Left + 1, R.Bottom - 1, R.Right - 2, R.Bottom - 1);
    p->drawLine(R.Left, R.Top + 1, R.Left, R.Bottom - 2);
    p->drawLine(R.Right - 1, R.Top + 1, R.Right - 1, R.Bottom - 2);
    p->restore();
}

TColor ThemeColor(TThemeColor Kind)
{
    switch (Kind) {
    case TThemeColor::EditBorder: return RGB(171, 173, 179);
    case TThemeColor::ExplorerBarGroupText: return RGB(33, 93, 198);
    case TThemeColor::ExplorerBarSpecialGroupText: return RGB(255, 255, 255);
    case TThemeColor::ExplorerBarGroupFill: return RGB(214, 223, 247);
    case TThemeColor::ExplorerBarGradient: return RGB(122, 161, 230);
    case TThemeColor::ExplorerBarSpecialHeadFill: return RGB(38, 94, 213);
    case TThemeColor::GroupBoxText: return RGB(0, 70, 213);
    case TThemeColor::SpinBorder: return RGB(171, 173, 179);
    }
    return clWhite;
}
