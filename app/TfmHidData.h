#pragma once
#include "Form.h"

#include <string>

class TButton;
class TListBox;

// The traffic log: one line per frame sent or received, written by the link
// code only while this window is visible. It keeps the newest kMaxLines
// lines, so a long session cannot grow it without bound, and selects the
// newest so that it stays in view (once the event loop turns: see AddLine).
class TfmHidData : public TForm {
public:
    explicit TfmHidData(TComponent *AOwner);

    static constexpr int kMaxLines = 10000;

    bool Wanted() const { return Visible(); }
    // Adds a line when the window is visible; otherwise does nothing.
    void AddLine(const std::string &Line);
    int LineCount() const;

    TListBox *hbHidData;
    TButton *bnClear;

private:
    bool selectPending_ = false;
};
