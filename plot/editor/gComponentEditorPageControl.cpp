#include "gComponentEditorPageControl.h"

#include "gEditorFocusMark.h"

#include <QTabBar>
#include <QWidget>

TgComponentEditorPageControl::TgComponentEditorPageControl(TComponent *AOwner) : TPageControl(AOwner)
{
    if (auto *tabs = Widget()->findChild<QTabBar *>(QString(), Qt::FindDirectChildrenOnly))
        new TgEditorFocusMark(
            this, tabs, [tabs] { return tabs->tabRect(tabs->currentIndex()).adjusted(3, 3, -3, -2); }, false);
}
