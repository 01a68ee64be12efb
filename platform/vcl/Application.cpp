#include "Application.h"

#include "Form.h"
#include "HandlerGuard.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMessageBox>
#include <chrono>
#include <thread>

namespace {
TApplication *MakeApplication()
{
    // Never freed: its forms hold widgets that must not outlive Qt's own
    // application object, whose end comes before static destructors.
    static TApplication *instance = new TApplication(nullptr);
    return instance;
}
} // namespace

TApplication *const Application = MakeApplication();

TApplication::TApplication(TComponent *AOwner) : TComponent(AOwner) {}

void TApplication::SetTitle(const QString &Value)
{
    title_ = Value;
}

QString TApplication::ExeName() const
{
    return QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
}

void TApplication::ProcessMessages()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::ProcessPendingNonInput()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TApplication::Run()
{
    if (terminated_ || !QCoreApplication::instance())
        return;
    if (mainForm_ && showMainForm_)
        mainForm_->Show();
    QEventLoop loop;
    while (!terminated_) {
        loop.processEvents(QEventLoop::WaitForMoreEvents);
        // The main form closed ends the program, as closing it does on Windows.
        if (mainForm_ && showMainForm_ && !mainForm_->Visible())
            terminated_ = true;
    }
}

void TApplication::Terminate()
{
    terminated_ = true;
    if (QCoreApplication::instance())
        QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::None));
}

void TApplication::Sleep(unsigned Milliseconds)
{
    if (sleep_) {
        sleep_(Milliseconds);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(Milliseconds));
}

void TApplication::Notification(TComponent *AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == mainForm_)
        mainForm_ = nullptr;
}

void TApplication::ShowException(const QString &Message)
{
    if (exceptionBox_) {
        exceptionBox_(Message);
        return;
    }
    if (!QCoreApplication::instance())
        return;
    auto *box = new QMessageBox(QMessageBox::Critical, title_, Message, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void TApplication::InstallExceptionBox()
{
    SetExceptionReporter([this](const QString &Message) { ShowException(Message); });
}
