// windowshots DIR: the editor's windows made offline (empty fake HID bus, the
// scan pointed at a port nothing answers), then each page of the main window
// and each dialog rendered into DIR/<en|zh>-<name>.png for a look by eye; last
// the plot library's property editor of a default XY plot, each page and
// sub-page into DIR/plot-editor-<page>[-<sub-page>].png, and its print
// preview with the preview's settings dialog into DIR/plot-preview.png and
// DIR/plot-preview-settings.png (their texts are the library's own, in
// English).
#include "../app/WindowTour.h"
#include "FakeHidBus.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>

#include <cstdio>

namespace {

void Save(TCustomForm *form, const QString &path)
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    form->WindowWidget()->grab().toImage().save(path);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: windowshots DIR\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    FakeHidBus bus;
    CreateOfflineWindows();
    const auto save = [&](const QString &Name, TCustomForm *Form) { Save(Form, dir + '/' + Name + ".png"); };
    TourProgramWindows(save);
    DestroyEditorWindows();
    TourLibraryWindows(save);
    return 0;
}
