// Every window of the program and of the plot library painted on a real X
// display without a single Qt warning.
#include "../app/WindowTour.h"
#include "FakeHidBus.h"
#include "OnScreen.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

QStringList *heard = nullptr;
QString visiting;

void Listen(QtMsgType Type, const QMessageLogContext &, const QString &Message)
{
    if (heard && Type != QtDebugMsg && Type != QtInfoMsg)
        *heard << visiting + ": " + Message;
}

// Each window shown and painted on the screen, then rendered as the
// window tour renders it.
TEST(EveryWindow, PaintsWithoutAQtWarning)
{
    QStringList warnings;
    FakeHidBus bus;
    CreateOfflineWindows();
    const auto paint = [&](const QString &Name, TCustomForm *Form) {
        visiting = Name;
        heard = &warnings;
        const QtMessageHandler before = qInstallMessageHandler(Listen);
        QWidget *window = Form->WindowWidget();
        EXPECT_TRUE(WaitExposed(window)) << Name.toStdString();
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        window->grab();
        qInstallMessageHandler(before);
        heard = nullptr;
    };
    TourProgramWindows(paint);
    DestroyEditorWindows();
    TfmMain::connectOption = {};
    TourLibraryWindows(paint);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.size() << " warnings, the first: "
                                    << warnings.value(0).toStdString();
}

} // namespace
