#pragma once
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

class TCustomForm;

// The open and save file questions over QFileDialog. Execute asks, modally,
// and fills FileName (and Files); a name typed without extension gets
// DefaultExt on save. Names are absolute paths, kept whole however long.
// Every question of the program goes through one service, `Runner`, which
// tests replace so that they never see a window nor wait for one.
class TFileDialog {
public:
    explicit TFileDialog(bool Save) : save_(Save) {}
    virtual ~TFileDialog() = default;

    // "Preset (*.prs)", several separated by ";;", or description and
    // pattern pairs separated by "|" ("Bitmap (*.bmp)|*.bmp|PNG (*.png)|*.png").
    QString Filter;
    QString DefaultExt; // without the dot
    QString FileName;   // in: the proposed name; out: the chosen one
    QString InitialDir; // the folder of a proposed name without one
    QString Title;
    int FilterIndex = 1; // from 1; in: the filter offered; out: the one chosen
    // Open only: a name must be of a file that exists; several may be chosen.
    bool FileMustExist = true;
    bool AllowMultiSelect = false;
    // Out: every name chosen (FileName is the first).
    QStringList Files;
    bool IsSave() const { return save_; }

    // The filters as the window lists them, each with its patterns in
    // brackets ("Bitmap (*.bmp)"); "*.*" becomes "*", which also matches
    // names without a dot.
    QStringList Filters() const;
    // The extension of filter Index's first pattern, without the dot ("bmp");
    // empty for a pattern without one ("*") or an Index out of range.
    QString FilterExtension(int Index) const;

    // True when a name was chosen (FileName and FilterIndex then hold it).
    bool Execute(TCustomForm *Parent = nullptr);

    // Answers in place of the window when set: returns the chosen name, or an
    // empty text for a cancelled question; it may set FilterIndex, and Files
    // when it chooses several (left empty, Files is the one name).
    static std::function<QString(TFileDialog &Dialog)> Runner;

private:
    // (description, pattern) of each filter.
    std::vector<std::pair<QString, QString>> Parsed() const;
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
