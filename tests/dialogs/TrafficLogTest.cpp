#include "Button.h"
#include "ListBox.h"
#include "Memo.h"
#include "TfmHidData.h"
#include "TfmMemo.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

TEST(TrafficLog, LinesOnlyWhileVisibleNewestSelectedAndCapped)
{
    TfmHidData log(nullptr);
    log.AddLine("COM W 10 02 ");
    EXPECT_EQ(log.LineCount(), 0);
    log.bnClear->Click(); // empty: nothing happens
    log.Show();
    for (int i = 0; i < TfmHidData::kMaxLines + 5; ++i)
        log.AddLine("NET R " + std::to_string(i));
    EXPECT_EQ(log.LineCount(), TfmHidData::kMaxLines);
    EXPECT_EQ(log.hbHidData->Items()->Get(0), "NET R 5");
    EXPECT_EQ(log.hbHidData->Items()->Get(TfmHidData::kMaxLines - 1), "NET R 10004");
    QCoreApplication::processEvents();
    EXPECT_EQ(log.hbHidData->ItemIndex(), TfmHidData::kMaxLines - 1);
    log.AddLine("COM R 10 03 ");
    QCoreApplication::processEvents();
    EXPECT_EQ(log.hbHidData->ItemIndex(), TfmHidData::kMaxLines - 1);
    EXPECT_EQ(log.hbHidData->Items()->Get(TfmHidData::kMaxLines - 1), "COM R 10 03 ");
    log.bnClear->Click();
    EXPECT_EQ(log.LineCount(), 0);
    log.Hide();
    log.AddLine("USB W 00  10 ");
    EXPECT_EQ(log.LineCount(), 0);
}

TEST(MessageList, StartsWithMemoAndClears)
{
    TfmMemo memo(nullptr);
    ASSERT_EQ(memo.Memo->Lines()->Count(), 1);
    EXPECT_EQ(memo.Memo->Lines()->Get(0), "Memo");
    memo.Memo->Lines()->Add("second");
    memo.Memo->Lines()->Insert(0, "first");
    EXPECT_EQ(memo.Memo->Lines()->Text(), "first\r\nMemo\r\nsecond\r\n");
    memo.Memo->Lines()->Delete(2);
    memo.Memo->Lines()->Delete(0);
    EXPECT_EQ(memo.Memo->Lines()->Text(), "Memo\r\n");
    memo.bnClearMemo->Click();
    EXPECT_EQ(memo.Memo->Lines()->Count(), 0);
}
