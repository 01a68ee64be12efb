#include "Screen.h"

#include "Exceptions.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <climits>

namespace {
TScreen screenObject;
TMouse mouseObject;

// Squared distance from P to the nearest pixel of R.
long long DistanceSquared(TPoint P, const TRect &R)
{
    const long long dx = P.X < R.Left ? R.Left - P.X : (P.X >= R.Right ? P.X - (R.Right - 1) : 0);
    const long long dy = P.Y < R.Top ? R.Top - P.Y : (P.Y >= R.Bottom ? P.Y - (R.Bottom - 1) : 0);
    return dx * dx + dy * dy;
}
} // namespace

TScreen *const Screen = &screenObject;
TMouse *const Mouse = &mouseObject;

std::vector<TMonitor> TScreen::List() const
{
    if (!override_.empty())
        return override_;
    std::vector<TMonitor> list;
    const QScreen *primary = QGuiApplication::primaryScreen();
    int n = 0;
    for (const QScreen *s : QGuiApplication::screens()) {
        TMonitor m;
        m.MonitorNum = n++;
        m.BoundsRect = FromQRect(s->geometry());
        m.WorkareaRect = FromQRect(s->availableGeometry());
        m.Primary = s == primary;
        list.push_back(m);
    }
    if (list.empty()) { // no display at all: one of the classic size
        TMonitor m;
        m.BoundsRect = m.WorkareaRect = Rect(0, 0, 1024, 768);
        m.Primary = true;
        list.push_back(m);
    }
    return list;
}

void TScreen::SetMonitorsForTest(const std::vector<TMonitor> &Monitors)
{
    override_ = Monitors;
    const bool anyPrimary = std::any_of(override_.begin(), override_.end(), [](const TMonitor &m) { return m.Primary; });
    for (size_t i = 0; i < override_.size(); ++i) {
        override_[i].MonitorNum = static_cast<int>(i);
        if (!anyPrimary)
            override_[i].Primary = i == 0;
    }
}

int TScreen::MonitorCount() const
{
    return static_cast<int>(List().size());
}

TMonitor TScreen::Monitors(int Index) const
{
    const std::vector<TMonitor> list = List();
    if (Index < 0 || Index >= static_cast<int>(list.size()))
        ThrowListIndexError(Index);
    return list[static_cast<size_t>(Index)];
}

TMonitor TScreen::PrimaryMonitor() const
{
    const std::vector<TMonitor> list = List();
    for (const TMonitor &m : list)
        if (m.Primary)
            return m;
    return list.front();
}

TMonitor TScreen::MonitorFromPoint(TPoint P, TMonitorDefaultTo Default) const
{
    const std::vector<TMonitor> list = List();
    for (const TMonitor &m : list)
        if (m.BoundsRect.Contains(P))
            return m;
    if (Default == mdNull) {
        TMonitor none;
        none.MonitorNum = -1;
        return none;
    }
    if (Default == mdPrimary)
        return PrimaryMonitor();
    const TMonitor *best = &list.front();
    long long bestDistance = LLONG_MAX;
    for (const TMonitor &m : list) {
        const long long d = DistanceSquared(P, m.BoundsRect);
        if (d < bestDistance) {
            bestDistance = d;
            best = &m;
        }
    }
    return *best;
}

int TScreen::PixelsPerInch() const
{
    if (ppiOverride_ > 0)
        return ppiOverride_;
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? static_cast<int>(s->logicalDotsPerInch() + 0.5) : 96;
}

TPoint TMouse::CursorPos() const
{
    return fixed_ ? fixedPos_ : FromQPoint(QCursor::pos());
}

void TMouse::SetCursorPos(TPoint Value)
{
    if (fixed_)
        fixedPos_ = Value;
    else
        QCursor::setPos(ToQPoint(Value));
}

void TMouse::SetCursorPosForTest(TPoint Value)
{
    fixed_ = true;
    fixedPos_ = Value;
}
