#pragma once
#include "Component.h"

#include <QString>
#include <functional>

class TCustomForm;

// The program object. It owns the forms made through CreateForm and knows
// the main form: the first form made through CreateForm, set once that form's
// constructor has returned (none while the main window is being built).
//
// There is one, `Application`, made on first use and never freed: forms that
// outlive a test or a run are freed by whoever made them.
class TApplication : public TComponent {
public:
    explicit TApplication(TComponent *AOwner);

    TCustomForm *MainForm() const { return mainForm_; }
    const QString &Title() const { return title_; }
    // Not Qt's application display name: the window system would append
    // that to every dialog's title, which must be the form's caption alone.
    void SetTitle(const QString &Value);
    // The full path of the running program.
    QString ExeName() const;
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool Value) { showMainForm_ = Value; }

    // Makes a form owned by the application; the first becomes MainForm.
    template <typename T>
    void CreateForm(T *&Reference)
    {
        Reference = new T(this);
        if (!mainForm_)
            mainForm_ = Reference;
    }

    // Handles the events waiting now (input included) and returns.
    void ProcessMessages();
    // Handles the waiting events that are no user input: a window just shown
    // gets exposed and painted while the program is still busy.
    void ProcessPendingNonInput();
    // Shows the main form (unless ShowMainForm was cleared) and handles events
    // until Terminate; at once when Terminate came before.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Blocks the UI thread for Milliseconds (the fades); tests replace it with
    // a recorder that does not wait. An empty handler restores the real wait.
    void Sleep(unsigned Milliseconds);
    void SetSleepHandler(std::function<void(unsigned)> Handler) { sleep_ = std::move(Handler); }

    // The standard exception box: the message in a box of its own, shown
    // without a loop of its own so that the program goes on. Tests replace
    // the box through the handler (empty restores it).
    void ShowException(const QString &Message);
    void SetExceptionBoxHandler(std::function<void(const QString &)> Handler) { exceptionBox_ = std::move(Handler); }
    // Every exception that an event handler lets out comes to ShowException.
    void InstallExceptionBox();

protected:
    void Notification(TComponent *AComponent, TOperation Operation) override;

private:
    TCustomForm *mainForm_ = nullptr;
    QString title_;
    bool showMainForm_ = true;
    bool terminated_ = false;
    std::function<void(unsigned)> sleep_;
    std::function<void(const QString &)> exceptionBox_;
};

extern TApplication *const Application;

// The application's Sleep, under the name the drawing code uses.
inline void Sleep(unsigned Milliseconds) { Application->Sleep(Milliseconds); }
