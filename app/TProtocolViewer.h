#pragma once
#include "Form.h"

#include <vector>

class TRTFLabel;
class TScrollBox;
class TSmOfficeImage;

// A viewer of the device's serial protocol document: the text in a rich-text
// label and ten frame pictures in the room that each section leaves under its
// last paragraph, in one column that stays centred in
// wide windows. The window handles the scroll keys itself (Page Up/Down by
// its height, arrows by 30) and the wheel (30 a notch). Closing it returns it
// to 755 x 666, not maximised, for the next opening.
class TProtocolViewer : public TForm {
public:
    static constexpr int kPictures = 10;
    static constexpr int kStep = 30;
    static constexpr int kDesignWidth = 755, kDesignHeight = 666;

    TProtocolViewer(TComponent *AOwner, bool English);

    TScrollBox *ScrollBox;
    TRTFLabel *RTFLabel;
    std::vector<TSmOfficeImage *> SmOfficeImages;

    void FormResize();
    // Virtual-key scrolling; other keys are left alone (false).
    bool ScrollKey(Word Key);

private:
    void FormClose();
};

// The English document's window ("RS232 Protocal Code").
class TfmRs232CodeEnglish : public TProtocolViewer {
public:
    explicit TfmRs232CodeEnglish(TComponent *AOwner);
};

// The Chinese document's window.
class TfmRs232Code : public TProtocolViewer {
public:
    explicit TfmRs232Code(TComponent *AOwner);
};
