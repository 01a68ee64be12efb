#include "FakeDialogHost.h"

#include "Edit.h"
#include "MonotonicClock.h"
#include "TfmLockPassWord.h"
#include "TfmLockSetup.h"

#include <gtest/gtest.h>

namespace {
constexpr uint8_t kSetLock = 47, kPassSubmit = 45, kUploadStart = 34;

struct LockFixture : ::testing::Test {
    ManualClock clock;
    ScopedClock scope{clock};
    FakeDialogHost host;
};
} // namespace

TEST_F(LockFixture, LockSetupSendsUpperCasePasswordAndClosesLinkOnTheAnswer)
{
    TfmLockSetup dlg(nullptr, &host);
    dlg.Show();
    EXPECT_EQ(dlg.edName->Text(), "8265");
    dlg.edName->SetText("ab");
    EXPECT_EQ(dlg.edName->Text(), "AB");
    dlg.SkBmpButton1Click();
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0].code, kSetLock);
    EXPECT_EQ(host.sent[0].data, (ByteVector{'A', 'B', 0, 0}));

    // A poll in flight delays the answer: the link stays open meanwhile.
    clock.Advance(500);
    dlg.Close();
    EXPECT_TRUE(dlg.Visible());
    EXPECT_EQ(host.closeLinks, 0);
    host.AnswerAll();
    EXPECT_EQ(host.closeLinks, 1);
    EXPECT_FALSE(dlg.Visible());
    EXPECT_TRUE(host.information.isEmpty());
    clock.Advance(5000);
    EXPECT_EQ(host.closeLinks, 1);
}

TEST_F(LockFixture, LockSetupWithoutAnswerReportsAndCloses)
{
    TfmLockSetup dlg(nullptr, &host);
    dlg.SetReplyTimeout(800);
    dlg.Show();
    dlg.SkBmpButton1Click();
    clock.Advance(799);
    EXPECT_EQ(host.closeLinks, 0);
    clock.Advance(1);
    EXPECT_EQ(host.closeLinks, 1);
    EXPECT_EQ(host.information, QStringList{"SID_INFO_ERROR_CMD"});
    EXPECT_FALSE(dlg.Visible());
}

TEST_F(LockFixture, UnlockSubmitsAndUploadsOnceAccepted)
{
    TfmLockPassWord dlg(nullptr, &host);
    dlg.Show();
    EXPECT_EQ(dlg.edName->Text(), "****");
    dlg.edName->SetText("ab");
    dlg.SkBmpButton1Click();
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0].code, kPassSubmit);
    EXPECT_EQ(host.sent[0].data, (ByteVector{0, 'A', 'B', 0, 0}));
    clock.Advance(200);
    EXPECT_EQ(dlg.CheckCount(), 2);
    dlg.SetResult(1);
    clock.Advance(100); // the check sees the answer
    EXPECT_TRUE(dlg.Visible());
    clock.Advance(100); // the upload request
    ASSERT_EQ(host.sent.size(), 2u);
    EXPECT_EQ(host.sent[1].code, kUploadStart);
    EXPECT_FALSE(host.sent[1].append);
    EXPECT_FALSE(dlg.Visible());
    clock.Advance(2000);
    EXPECT_EQ(host.sent.size(), 2u);
    EXPECT_EQ(host.closeLinks, 0);
}

TEST_F(LockFixture, UnlockWrongPasswordLetsTheUserRetry)
{
    TfmLockPassWord dlg(nullptr, &host);
    dlg.Show();
    dlg.edName->SetText("ZZ");
    dlg.SkBmpButton1Click();
    dlg.SetResult(0);
    clock.Advance(100);
    EXPECT_EQ(host.messageBoxes, QStringList{"Password Error!!"});
    EXPECT_EQ(dlg.edName->Text(), "****");
    EXPECT_TRUE(dlg.Visible());
    clock.Advance(5000);
    EXPECT_EQ(host.messageBoxes.size(), 1);
    EXPECT_EQ(host.closeLinks, 0);
}

TEST_F(LockFixture, UnlockTimesOutAfterThirtyOneChecks)
{
    TfmLockPassWord dlg(nullptr, &host);
    dlg.Show();
    dlg.SkBmpButton1Click();
    clock.Advance(3000);
    EXPECT_TRUE(host.messageBoxes.isEmpty());
    EXPECT_EQ(host.closeLinks, 0);
    clock.Advance(100);
    EXPECT_EQ(host.messageBoxes, QStringList{"Check Time Out!"});
    EXPECT_EQ(host.closeLinks, 1);
    EXPECT_FALSE(dlg.Visible());
}
