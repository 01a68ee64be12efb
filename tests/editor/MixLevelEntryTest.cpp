#include "Application.h"
#include "MatrixPage.h"
#include "MixLevelEntry.h"
#include "PageFixture.h"
#include "UpDown.h"

#include <gtest/gtest.h>

// The matrix page's boxes and spinners as that page makes them; the spinner's
// own handler is the one that commits.
TEST(MixLevelEntry, TypedLevelsMoveTheSpinnerOnTheMixGrid)
{
    PageFixture f;
    std::vector<QString> errors;
    Application->SetExceptionBoxHandler([&](const QString &m) { errors.push_back(m); });
    auto *spinner = new TUpDown(f.host.form);
    spinner->SetName("udMixGainCOut2");
    spinner->SetMin(-280);
    spinner->SetMax(0);
    std::vector<int> committed;
    spinner->OnChangingEx = [&](TObject *, bool &, int v, TUpDownDirection) { committed.push_back(v); };
    auto *box = new TRoundedEdit(f.host.form);
    box->SetParent(f.host.form);
    box->SetName("cvdCMatrixOut2");
    box->SetTag(2);
    f.host.RegisterControl(spinner);
    f.host.RegisterControl(box);
    f.Add<MixLevelEntry>();

    struct Row {
        const char *text;
        int position;
        const char *shown;
    };
    const Row rows[] = {
        {"-25.3dB", -210, "-25.0dB"}, {"-25.7", -211, "-25.5dB"}, {"-20.3", -200, "-20.0dB"}, {"-70", -280, "-60.0dB"},
        {"5", 0, "+0.0dB"},           {"-0.5", -5, "-0.5dB"},     {"abc", -5, "-0.5dB"},     {"-0.5", -5, "-0.5dB"},
    };
    for (const Row &r : rows) {
        f.Type("cvdCMatrixOut2", r.text);
        EXPECT_EQ(spinner->Position(), r.position) << r.text;
        EXPECT_EQ(box->Text(), r.shown) << r.text;
    }
    EXPECT_EQ(committed, (std::vector<int>{-210, -211, -200, -280, 0, -5}));
    f.Type("cvdCMatrixOut2", "-3.+");
    EXPECT_EQ(box->Text(), "-3.+");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(spinner->Position(), -5);
    Application->SetExceptionBoxHandler(nullptr);
}

TEST(MixLevelEntry, OnTheMatrixPageTheSpinnerCommitsTheLevel)
{
    PageFixture f;
    f.Add<MatrixPage>();
    f.Add<MixLevelEntry>();
    f.sent.clear();
    f.Type("cvdBMatrixOut3", "-25.7dB");
    EXPECT_EQ(f.Get<TUpDown>("udMixGainBOut3")->Position(), -211);
    EXPECT_EQ(f.Get<TRoundedEdit>("cvdBMatrixOut3")->Text(), "-25.5dB");
    EXPECT_EQ(f.host.model.GetMixLevel(6, 1), 280 - 211);
    ASSERT_EQ(f.Codes(0x41).size(), 1u);
    EXPECT_EQ(f.Codes(0x41)[0].payload, (ByteVector{6, 1, 69, 0}));
}
