#include "FakeDialogHost.h"

#include "ComboBox.h"
#include "RadioButton.h"
#include "TfmTest.h"

#include <gtest/gtest.h>

namespace {
constexpr uint8_t kWorkMode = 57;

struct TestSignalFixture : ::testing::Test {
    FakeDialogHost host;
    TfmTest dlg{nullptr, &host};
    std::vector<ByteVector> Payloads() const
    {
        std::vector<ByteVector> out;
        for (const auto &s : host.sent) {
            EXPECT_EQ(s.code, kWorkMode);
            EXPECT_TRUE(s.append);
            out.push_back(s.data);
        }
        return out;
    }
    void Choose(int index)
    {
        dlg.cbSineFreq->SetItemIndex(index);
        dlg.cbSineFreqSelect();
    }
};
} // namespace

TEST_F(TestSignalFixture, EachModeSendsItsPayloadWithTheListedFrequency)
{
    dlg.ShowSignal(0, 17); // 1KHz shown, nothing sent
    EXPECT_TRUE(host.sent.empty());
    struct Case {
        TRadioButton *TfmTest::*button;
        uint8_t mode;
    } cases[] = {{&TfmTest::rbPinkNoise, 1}, {&TfmTest::rbWhiteNoise, 2}, {&TfmTest::rbSineWave, 3},
                 {&TfmTest::rbAnalogIn, 0}};
    for (const Case &c : cases) {
        host.sent.clear();
        (dlg.*c.button)->SetChecked(true);
        EXPECT_EQ(Payloads(), (std::vector<ByteVector>{{c.mode, 17}})) << int(c.mode);
    }
}

TEST_F(TestSignalFixture, FrequencyChoiceSelectsSineButton)
{
    dlg.ShowSignal(2, 0);
    Choose(20); // 2KHz while white noise: the sine button's own frame, then the choice's
    EXPECT_TRUE(dlg.rbSineWave->Checked());
    EXPECT_EQ(Payloads(), (std::vector<ByteVector>{{3, 20}, {3, 20}}));
    host.sent.clear();
    Choose(30); // sine already selected: one frame
    EXPECT_EQ(Payloads(), (std::vector<ByteVector>{{3, 30}}));
}

TEST_F(TestSignalFixture, IndexPastTheListIsClampedAndOfflineSendsNothing)
{
    dlg.ShowSignal(3, 200);
    EXPECT_EQ(dlg.cbSineFreq->ItemIndex(), 30);
    dlg.ShowSignal(1, -5);
    EXPECT_EQ(dlg.cbSineFreq->ItemIndex(), 0);
    EXPECT_TRUE(dlg.rbPinkNoise->Checked());
    EXPECT_TRUE(host.sent.empty());

    host.linked = false;
    dlg.rbWhiteNoise->SetChecked(true);
    EXPECT_TRUE(dlg.rbWhiteNoise->Checked());
    EXPECT_TRUE(host.sent.empty());

    host.linked = true;
    host.updating = true; // the page refresh
    Choose(5);
    EXPECT_TRUE(host.sent.empty());
}

TEST(TestSignalTable, ThirtyOneFrequenciesInOrder)
{
    EXPECT_STREQ(TfmTest::kSineFreqTexts[0], "20Hz");
    EXPECT_STREQ(TfmTest::kSineFreqTexts[17], "1KHz");
    EXPECT_STREQ(TfmTest::kSineFreqTexts[20], "2KHz");
    EXPECT_STREQ(TfmTest::kSineFreqTexts[30], "20KHz");
}
