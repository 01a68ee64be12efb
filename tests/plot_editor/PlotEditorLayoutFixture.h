#pragma once
// The Layout tab of a shown plot's editor as its user meets it: the blocks
// of the layout viewer found in its rendered pixels, its popup raised with
// a right press on a block and its items clicked.
#include "PlotEditorFixture.h"
#include "Menus.h"
#include "gPlotLayoutViewer.h"

#include <QContextMenuEvent>
#include <QMenu>

// The blocks of the layout viewer as drawn: runs of the data view's grey
// down a column a quarter in (toolbar, title, data view, X axis) and along a
// row a quarter down (Y axis, data view, legend), clear of the names written
// in the blocks' middles; each as its middle point.
struct Blocks {
    std::vector<QPoint> down, across;
};

inline Blocks FindBlocks(const QImage &Shot)
{
    const QPoint middle(Shot.width() / 4, Shot.height() / 4);
    const QRgb grey = Shot.pixel(middle);
    Blocks b;
    const auto runs = [&](bool Down, std::vector<QPoint> &Out) {
        const int n = Down ? Shot.height() : Shot.width();
        int start = -1;
        for (int i = 0; i <= n; ++i) {
            const bool on = i < n && (Down ? Shot.pixel(middle.x(), i) : Shot.pixel(i, middle.y())) == grey;
            if (on && start < 0)
                start = i;
            if (!on && start >= 0) {
                const int at = (start + i - 1) / 2;
                if (i - start > 2)
                    Out.push_back(Down ? QPoint(middle.x(), at) : QPoint(at, middle.y()));
                start = -1;
            }
        }
    };
    runs(true, b.down);
    runs(false, b.across);
    return b;
}

struct PlotEditorLayout : TPlotEditorFixture<> {
    TgPlotLayoutViewer *viewer = nullptr;
    Blocks blocks;
    // The editor opened on its Layout tab, the blocks found.
    void OpenLayout()
    {
        Open();
        viewer = editor->gPlotLayoutViewer;
        Reveal(viewer);
        blocks = FindBlocks(Shot(viewer));
    }
    // The same on a default plot: toolbar, title, data view and X axis down,
    // Y axis, data view and legend across.
    void ShowLayout()
    {
        OpenLayout();
        ASSERT_EQ(blocks.down.size(), 4u);
        ASSERT_EQ(blocks.across.size(), 3u);
    }
    // A right press at At: the popup shows (the desktop asks for it on the
    // press).
    QMenu *PopUpAt(QPoint At)
    {
        QWidget *w = viewer->Widget();
        QTest::mousePress(w, Qt::RightButton, Qt::NoModifier, At);
        QContextMenuEvent ask(QContextMenuEvent::Mouse, At, w->mapToGlobal(At));
        QApplication::sendEvent(w, &ask);
        QTest::mouseRelease(w, Qt::RightButton, Qt::NoModifier, At);
        QMenu *menu = editor->LayoutPopupMenu->Menu();
        EXPECT_NE(menu, nullptr);
        return menu;
    }
    // The item with Caption clicked in the shown popup.
    void ChooseItem(QMenu *Menu, const QString &Caption)
    {
        for (QAction *a : Menu->actions())
            if (a->text() == Caption) {
                QTest::mouseClick(Menu, Qt::LeftButton, Qt::NoModifier, Menu->actionGeometry(a).center());
                return;
            }
        ADD_FAILURE() << "no item " << Caption.toStdString();
    }
    struct State {
        bool deleteOn, visibleOn, visibleChecked, editOn;
    };
    State Items() const
    {
        return {editor->DeleteMenuItem->Enabled(), editor->VisibleMenuItem->Enabled(),
                editor->VisibleMenuItem->Checked(), editor->EditMenuItem->Enabled()};
    }
};
