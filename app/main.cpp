#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <exception>
#include <string>

#include "Application.h"
#include "ConnectOption.h"
#include "EditorWindows.h"
#include "SharedConstants.h"
#include "SingleInstance.h"
#include "TfmMain.h"

int main(int argc, char **argv)
{
    ConnectOption option;
    std::string error;
    if (!ParseConnectOption(argc, argv, option, error)) {
        std::fprintf(stderr, "tq62edit: %s\n", error.c_str());
        return 2;
    }
    QApplication qt(argc, argv);
    // One copy per user: a second start brings the first one forward and ends.
    SingleInstance instance(QStringLiteral("tq62edit"));
    if (!instance.Claim())
        return 0;
    try {
        Application->SetTitle(SharedConstants::kApplicationTitle);
        Application->InstallExceptionBox();
        TfmMain::connectOption = option;
        CreateEditorWindows();
        instance.OnActivateRequest = [] {
            if (!fmMain)
                return;
            QWidget *w = fmMain->WindowWidget();
            w->showNormal();
            w->raise();
            w->activateWindow();
        };
        // Requests that came while the windows were made are answered once
        // the loop runs with the main window shown.
        QTimer::singleShot(0, [&instance] { instance.HandlePending(); });
        Application->Run();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "tq62edit: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "tq62edit: unknown exception\n");
    }
    DestroyEditorWindows();
    return 0;
}
