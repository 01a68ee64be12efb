#pragma once
#include "Form.h"

class DialogHost;
class TButton;
class TComboBox;
class TRadioButton;

// The test-signal choice: analogue input, pink noise, white noise or a sine
// of one of 31 frequencies. Every choice goes to the device at once as one
// work-mode command (mode, sine index); the model is not written here.
class TfmTest : public TForm {
public:
    TfmTest(TComponent *AOwner, DialogHost *Host);

    static constexpr int kSineFrequencies = 31;
    static const char *const kSineFreqTexts[kSineFrequencies];

    // The page refresh: shows a mode (0-3) and a sine index from the model or a
    // file without sending; an index past the list is held to its last entry.
    void ShowSignal(int Mode, int SineIndex);

    TRadioButton *rbAnalogIn;
    TRadioButton *rbPinkNoise;
    TRadioButton *rbWhiteNoise;
    TRadioButton *rbSineWave;
    TComboBox *cbSineFreq;
    TButton *bnExit;

    void cbSineFreqSelect();

private:
    void rbAnalogInClick(TRadioButton *Sender);
    void SendMode(int Mode);
    void FormShow();

    DialogHost *host_;
    bool showing_ = false; // ShowSignal is setting the controls
};
