#include "Cursors.h"

#include <map>

namespace {
std::map<TCursor, QCursor> &Registered()
{
    static std::map<TCursor, QCursor> m;
    return m;
}
} // namespace

void RegisterCursor(TCursor Id, const QCursor &Cursor)
{
    Registered()[Id] = Cursor;
}

QCursor CursorToQt(TCursor Cursor)
{
    switch (Cursor) {
    case crNone: return QCursor(Qt::BlankCursor);
    case crCross: return QCursor(Qt::CrossCursor);
    case crIBeam: return QCursor(Qt::IBeamCursor);
    case crSizeNESW: return QCursor(Qt::SizeBDiagCursor);
    case crSizeNS: case crVSplit: return QCursor(Qt::SizeVerCursor);
    case crSizeNWSE: return QCursor(Qt::SizeFDiagCursor);
    case crSizeWE: case crHSplit: return QCursor(Qt::SizeHorCursor);
    case crUpArrow: return QCursor(Qt::UpArrowCursor);
    case crHourGlass: case crSQLWait: return QCursor(Qt::WaitCursor);
    case crDrag: case crMultiDrag: return QCursor(Qt::DragCopyCursor);
    case crNoDrop: case crNo: return QCursor(Qt::ForbiddenCursor);
    case crAppStart: return QCursor(Qt::BusyCursor);
    case crHelp: return QCursor(Qt::WhatsThisCursor);
    case crHandPoint: return QCursor(Qt::PointingHandCursor);
    case crSizeAll: return QCursor(Qt::SizeAllCursor);
    default: break;
    }
    auto it = Registered().find(Cursor);
    return it != Registered().end() ? it->second : QCursor(Qt::ArrowCursor);
}

void RegisterProgramCursors()
{
    RegisterCursor(crProgramHandPoint, QCursor(Qt::PointingHandCursor));
}
