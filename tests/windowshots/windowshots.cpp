// windowshots DIR: the editor's windows made offline (empty fake HID bus, the
// scan pointed at a port nothing answers), then each page of the main window
// and each dialog rendered into DIR/<en|zh>-<name>.png for a look by eye.
#include "../app/WindowTour.h"
#include "EditorWindows.h"
#include "FakeHidBus.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTcpServer>
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
    uint16_t deadPort;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        deadPort = probe.serverPort();
    }
    TfmMain::connectOption = {true, "127.0.0.1", deadPort};
    CreateEditorWindows();
    fmMain->Show();
    for (const char *lang : {"English", "ChineseGB"}) {
        fmMain->SetLanguage(lang);
        const QString pre = dir + '/' + (QString(lang) == "English" ? "en-" : "zh-");
        PageNavigation *nav = TourNavigation();
        for (int page = 0; nav && page < PageNavigation::kPages; ++page) {
            nav->ShowPage(page);
            Save(fmMain, pre + QString("page%1.png").arg(page, 2, 10, QChar('0')));
        }
        for (auto [name, form] : TourDialogs()) {
            const bool shown = form->Visible();
            form->Show();
            Save(form, pre + name + ".png");
            if (!shown)
                form->Hide();
        }
    }
    DestroyEditorWindows();
    return 0;
}
