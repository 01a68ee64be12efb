#include "EditorWindows.h"

#include "Application.h"
#include "TfmExit.h"
#include "TfmInformation.h"
#include "TfmMain.h"
#include "TfmNetwork.h"
#include "TfmProcess.h"

#include <QCoreApplication>
#include <QEvent>

void CreateEditorWindows()
{
    Application->CreateForm(fmMain);
    Application->CreateForm(fmNetwork);
    Application->CreateForm(fmProcess);
    Application->CreateForm(fmInformation);
    Application->CreateForm(fmExit);
    fmMain->CreateDialogs();
}

void DestroyEditorWindows()
{
    delete fmExit;
    fmExit = nullptr;
    delete fmInformation;
    fmInformation = nullptr;
    delete fmProcess;
    fmProcess = nullptr;
    delete fmNetwork;
    fmNetwork = nullptr;
    delete fmMain;
    fmMain = nullptr;
    // Each form's top-level window goes after it, deferred: gone here, so
    // that none is left on screen (or holding input, if it was modal).
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
