#pragma once
#include <QString>

#include <functional>

class TCustomForm;

// The open and save file questions over QFileDialog. Execute asks, modally,
// and fills FileName; a name typed without extension gets DefaultExt. Tests
// replace the question itself through `Runner` and never see a window.
class TFileDialog {
public:
    explicit TFileDialog(bool Save) : save_(Save) {}
    virtual ~TFileDialog() = default;

    QString Filter;     // "Preset (*.prs)" or several separated by ";;"
    QString DefaultExt; // without the dot
    QString FileName;   // in: the proposed name; out: the chosen one
    QString Title;
    bool IsSave() const { return save_; }

    // True when a name was chosen (FileName then holds it).
    bool Execute(TCustomForm *Parent = nullptr);

    // Answers in place of the window when set: returns the chosen name, or an
    // empty text for a cancelled question.
    static std::function<QString(const TFileDialog &Dialog)> Runner;

private:
    bool save_;
};

class TOpenDialog : public TFileDialog {
public:
    TOpenDialog() : TFileDialog(false) {}
};

class TSaveDialog : public TFileDialog {
public:
    TSaveDialog() : TFileDialog(true) {}
};
