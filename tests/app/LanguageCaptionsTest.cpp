#include "EditorWindowsFixture.h"
#include "MainDialogs.h"
#include "Menus.h"
#include "TfmRecallPreset.h"
#include "TfmStorePreset.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Caption {
    QString name;
    const char *sid;
};

// The window's captions that follow the language: single controls, and the
// controls of every input page and every output page.
std::vector<Caption> CaptionTable()
{
    std::vector<Caption> rows = {
        {"lPreset", "SID_PRESET"},       {"lAddress", "SID_ADDRESS"},
        {"bStore", "SID_BT_STORE"},      {"bRecall", "SID_BT_RECALL"},
        {"lbDelayInput", "SID_IN"},      {"lbFftGainIn", "SID_IN"},
        {"lbDelayOutput", "SID_OUT"},    {"lbFftGainOut", "SID_OUT"},
        {"lbGainInput", "SID_IN"},       {"lbGainOutput", "SID_OUT"},
        {"lbDelayUnit", "SID_DELAY_UNIT"}, {"lbFftDelayIn", "SID_IN_DELAY"}, {"lbFftDelayOut", "SID_OUT_DELAY"},
        {"skbUnit0", "SID_UNIT_MS"},     {"skbUnit1", "SID_UNIT_M"},         {"skbUnit2", "SID_UNIT_FT"},
    };
    const Caption channel[] = {
        {"lbFftParam", "SID_PARAM_KEY"}, {"skbMute", "SID_MUTE"},
        {"lbGain", "SID_GAIN"},          {"lbEqParam", "SID_EQ_PARAM"},
        {"lbEqFreq", "SID_EQ_FREQ"},     {"lbEqBw", "SID_EQ_BW"},
        {"lbEqGain", "SID_EQ_GAIN"},     {"lbEq", "SID_EQ_PARAM_TITLE"},    {"lbLowCutFreq", "SID_HPF"},
        {"lbLowCutSlop", "SID_HLP_SLOP"}, {"skbLowCutBypass", "SID_HLP_BYPASS"}, {"lbHighCutFreq", "SID_LPF"},
        {"lbHighCutSlop", "SID_HLP_SLOP"}, {"skbHighCutBypass", "SID_HLP_BYPASS"},
        {"ldbEqShowAll", "SID_SHOW_ALL_EQ"}, {"ldbEqReset", "SID_RESET_EQ"}, {"ldbEqBypass", "SID_BYPASS_EQ"},
    };
    for (const char *in : {"A", "B", "C", "D"}) {
        for (const Caption &c : channel)
            rows.push_back({c.name + "In" + in, c.sid});
        rows.push_back({QString("lbGateThresholdIn") + in, "SID_COMP_THRESHOLD"});
        rows.push_back({QString("lbGateAttackIn") + in, "SID_COMP_ATTACK"});
        rows.push_back({QString("lbGateReleaseIn") + in, "SID_COMP_RELEASE"});
        rows.push_back({QString("lbGateHoldIn") + in, "SID_GATE_HOLD"});
        rows.push_back({QString("ldbEqResetGeqIn") + in, "SID_RESET_EQ"});
        rows.push_back({QString("ldbEqBypassGeqIn") + in, "SID_BYPASS_EQ"});
    }
    for (int out = 1; out <= 8; ++out) {
        const QString n = QString::number(out);
        for (const Caption &c : channel)
            rows.push_back({c.name + "Out" + n, c.sid});
        const Caption dynamics[] = {
            {"lbCompRatioOut", "SID_COMP_RATIO"},         {"lbCompThresholdOut", "SID_COMP_THRESHOLD"},
            {"lbLimitThresholdOut", "SID_COMP_THRESHOLD"}, {"lbCompAttackOut", "SID_COMP_ATTACK"},
            {"lbLimitAttackOut", "SID_COMP_ATTACK"},       {"lbCompReleaseOut", "SID_COMP_RELEASE"},
            {"lbLimitReleaseOut", "SID_COMP_RELEASE"},     {"lbCompKneeOut", "SID_COMP_KNEE"},
            {"lbLimitKneeOut", "SID_COMP_KNEE"},
        };
        for (const Caption &c : dynamics)
            rows.push_back({c.name + n, c.sid});
    }
    return rows;
}

class LanguageCaptions : public OfflineEditorWindows {
protected:
    // Every row's control carries its key's text in the current language.
    static void ExpectCaptions(const char *when)
    {
        for (const Caption &row : CaptionTable()) {
            TControl *c = fmMain->FindControl(row.name);
            if (!c) {
                ADD_FAILURE() << "missing control " << row.name.toStdString();
                continue;
            }
            EXPECT_EQ(c->Caption(), fmMain->TranslateQ(row.sid)) << when << ": " << row.name.toStdString();
        }
    }
};

TEST_F(LanguageCaptions, EveryCaptionFollowsTheLanguageAndComesBack)
{
    ExpectCaptions("English at start");
    const QString englishGate = fmMain->FindControl("lbGateName")->Caption();
    EXPECT_EQ(englishGate, "In A  Gate");
    EXPECT_EQ(fmMain->FindControl("lbCompName")->Caption(), "Out 1  RMS Compressor");
    EXPECT_EQ(fmMain->FindControl("lbLimitName")->Caption(), "Out 1  Peak Limit");
    fmMain->SetLanguage("ChineseGB");
    ExpectCaptions("Chinese");
    EXPECT_NE(fmMain->FindControl("lbGateName")->Caption(), englishGate);
    EXPECT_EQ(fmMain->FindControl("lbFftParamInA")->Caption(), fmMain->TranslateQ("SID_PARAM_KEY"));
    // The language items read the same in both tables.
    EXPECT_EQ(fmMain->ChineseSimplified->Caption(), fmMain->TranslateQ("SID_CHINESE_SIMPLIFIED"));
    EXPECT_EQ(fmMain->English->Caption(), "English");
    fmMain->SetLanguage("English");
    ExpectCaptions("English again");
    EXPECT_EQ(fmMain->ChineseSimplified->Caption(), QString::fromUtf8("\xE4\xB8\xAD\xE6\x96\x87")); // 中文
    EXPECT_EQ(fmMain->English->Caption(), "English");
    EXPECT_EQ(fmMain->FindControl("lbGateName")->Caption(), englishGate);
}

} // namespace

namespace {

using PresetArea = OfflineEditorWindows;

TEST_F(PresetArea, StoreAndRecallButtonsOpenTheirLists)
{
    MainDialogs *d = fmMain->Dialogs();
    ASSERT_NE(d, nullptr);
    EXPECT_FALSE(d->fmStorePreset->Visible());
    fmMain->FindControl("bStore")->Click();
    EXPECT_TRUE(d->fmStorePreset->Visible());
    d->fmStorePreset->Close();
    EXPECT_FALSE(d->fmRecallPreset->Visible());
    fmMain->FindControl("bRecall")->Click();
    EXPECT_TRUE(d->fmRecallPreset->Visible());
    d->fmRecallPreset->Close();
}

} // namespace
