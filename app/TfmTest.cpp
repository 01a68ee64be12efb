#include "TfmTest.h"

#include "Button.h"
#include "CommandClasses.h"
#include "ComboBox.h"
#include "DialogControls.h"
#include "DialogHost.h"
#include "RadioButton.h"

#include <algorithm>

const char *const TfmTest::kSineFreqTexts[kSineFrequencies] = {
    "20Hz",   "25Hz",   "31.5Hz",  "40Hz",   "50Hz",   "63Hz",  "80Hz",    "100Hz",
    "125Hz",  "160Hz",  "200Hz",   "250Hz",  "315Hz",  "400Hz", "500Hz",   "630Hz",
    "800Hz",  "1KHz",   "1.25KHz", "1.6KHz", "2KHz",   "2.5KHz", "3.15KHz", "4KHz",
    "5KHz",   "6.3KHz", "8KHz",    "10KHz",  "12.5KHz", "16KHz", "20KHz"};

TfmTest::TfmTest(TComponent *AOwner, DialogHost *Host) : TForm(AOwner, CreateNew), host_(Host)
{
    SetName("fmTest");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(260);
    SetClientHeight(190);

    // Tag is the mode sent.
    struct Row {
        TRadioButton **button;
        const char *name;
        const char *caption;
    } rows[] = {{&rbAnalogIn, "rbAnalogIn", "Analog Input"},
                {&rbPinkNoise, "rbPinkNoise", "Pink Noise"},
                {&rbWhiteNoise, "rbWhiteNoise", "White Noise"},
                {&rbSineWave, "rbSineWave", "Sine Wave"}};
    for (int i = 0; i < 4; ++i) {
        TRadioButton *b = PlaceControl<TRadioButton>(this, rows[i].name, 20, 16 + 28 * i, 120, 20, rows[i].caption);
        b->SetTag(i);
        b->OnClick = [this, b](TObject *) { rbAnalogInClick(b); };
        *rows[i].button = b;
    }
    cbSineFreq = PlaceControl<TComboBox>(this, "cbSineFreq", 146, 98, 96, 21);
    cbSineFreq->SetStyle(csDropDownList);
    for (const char *t : kSineFreqTexts)
        cbSineFreq->Items()->Add(t);
    cbSineFreq->SetItemIndex(0);
    cbSineFreq->OnSelect = [this](TObject *) { cbSineFreqSelect(); };
    bnExit = PlaceControl<TButton>(this, "bnExit", 167, 150, 75, 25, "Exit");
    bnExit->SetCancel(true);
    bnExit->OnClick = [this](TObject *) { Close(); };

    showing_ = true;
    rbAnalogIn->SetChecked(true);
    showing_ = false;
    OnShow = [this](TObject *) { FormShow(); };
}

void TfmTest::FormShow()
{
    SetCaption(host_->Translate("SID_TEST_TITLE"));
    bnExit->SetCaption(host_->Translate("SID_EXIT"));
    rbAnalogIn->SetCaption(host_->Translate("SID_ANALOG_IN"));
    rbWhiteNoise->SetCaption(host_->Translate("SID_WHITE_IN"));
    rbPinkNoise->SetCaption(host_->Translate("SID_PINK_IN"));
    rbSineWave->SetCaption(host_->Translate("SID_SINE_IN"));
}

void TfmTest::ShowSignal(int Mode, int SineIndex)
{
    showing_ = true;
    cbSineFreq->SetItemIndex(std::clamp(SineIndex, 0, kSineFrequencies - 1));
    TRadioButton *buttons[] = {rbAnalogIn, rbPinkNoise, rbWhiteNoise, rbSineWave};
    if (Mode >= 0 && Mode < 4)
        buttons[Mode]->SetChecked(true);
    showing_ = false;
}

void TfmTest::SendMode(int Mode)
{
    const int index = std::max(cbSineFreq->ItemIndex(), 0);
    host_->SendCommand(CM_MCS_WORK_MODE(host_->GetDeviceId(), uint8_t(Mode), uint8_t(index)), true);
}

void TfmTest::rbAnalogInClick(TRadioButton *Sender)
{
    if (showing_ || host_->IsUpdatingControls())
        return;
    SendMode(Sender->Tag());
}

void TfmTest::cbSineFreqSelect()
{
    if (showing_ || host_->IsUpdatingControls())
        return;
    rbSineWave->SetChecked(true); // sends mode 3 when it was not selected yet
    SendMode(3);
}
