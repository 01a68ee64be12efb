#include "MessageOf.h"
#include "Exceptions.h"
#include "MonotonicClock.h"
#include "gLimitDataList.h"
#include "gPlotMinMaxPoint.h"
#include "gUpdateObject.h"
#include "gXMLMemoryStream.h"

#include <gtest/gtest.h>

namespace {


TEST(PlotMemoryStream, StringLimitAndBytes)
{
    TgXMLMemoryStream s;
    s.WriteString(QString(255, u'a'));
    EXPECT_EQ(s.Size(), 255);
    EXPECT_EQ(MessageOf([&] { s.WriteString(QString(256, u'a')); }), "String Exceeds 255 Characters");
    EXPECT_EQ(s.Size(), 255); // nothing of the refused text written

    TgXMLMemoryStream e;
    e.WriteElement("Name", "Blue");
    EXPECT_EQ(e.Bytes(), QByteArray("<Name>Blue</Name>\r\n")); // 17 + CR LF
    e.StartElement("Scheme");
    e.EndElement("Scheme");
    EXPECT_EQ(e.Bytes().mid(19), QByteArray("<Scheme>\r\n</Scheme>\r\n"));

    // The last byte is never delivered: reading it raises "EOF".
    TgMemoryStream r{QByteArray("ab")};
    EXPECT_EQ(r.ReadChar(), u'a');
    EXPECT_EQ(MessageOf([&] { r.ReadChar(); }), "EOF");
    TgMemoryStream latin{QByteArray("\xe9x")};
    EXPECT_EQ(latin.ReadChar(), QChar(0xE9));
}

TEST(PlotXmlReader, Elements)
{
    TgXMLMemoryStream s{QByteArray("<Theme>\r\n<Scheme kind=\"x\">\r\n<Name>Blue</Name>\r\n</Scheme>\r\n</Theme>\r\n")};
    EXPECT_EQ(s.GetNameElementStart(), "Theme");
    EXPECT_EQ(s.GetNameElementStart(), "Scheme"); // attributes skipped
    EXPECT_EQ(s.GetElement("Name"), "Blue");
    EXPECT_EQ(s.GetNextPiece(), "/Scheme");

    TgXMLMemoryStream t{QByteArray("<A>1</A>\r\n<B>2</B>\r\n")};
    EXPECT_EQ(t.GetElement("B"), "2");

    // The ">" that ends the stream is its last byte.
    TgXMLMemoryStream cut{QByteArray("<A>1</A>")};
    EXPECT_EQ(MessageOf([&] { cut.GetElement("A"); }), "EOF");

    TgXMLMemoryStream nested{QByteArray("<A><B>1</B></A>\r\n")};
    EXPECT_EQ(MessageOf([&] { nested.GetElement("A"); }), "XML Parsing Error - \"/\" not Found");
    TgXMLMemoryStream text{QByteArray("<A>1 x</A>\r\n")};
    text.GotoElementStart("A");
    EXPECT_EQ(text.GetElementValue(), "1 x");
    EXPECT_EQ(MessageOf([&] { text.GetElementValue(), text.GetNameElementStop(), text.GetNameElementStop(); }),
              "XML Parsing Error - \"<\" not Found");
}

TEST(PlotXmlReader, Pieces)
{
    TgXMLMemoryStream s{QByteArray("\r\n</Scheme>\r\n  <Name>Blue</Name>\r\n")};
    EXPECT_EQ(s.PeekNextPiece(), "/Scheme");
    EXPECT_EQ(s.PeekNextPiece(), "/Scheme");
    EXPECT_EQ(s.GetNextPiece(), "/Scheme");
    EXPECT_EQ(s.GetNextPiece(), "  "); // an indented tag comes back as its indentation
    EXPECT_EQ(s.GetNextPiece(), "Name");
    EXPECT_EQ(s.GetNextPiece(), "Blue");
    EXPECT_EQ(s.GetNextPiece(), "/Name");
}

TEST(PlotMinMaxPoint, OneColumn)
{
    TgPlotMinMaxPoint p;
    p.AddData(5.0, 3, 17);
    p.AddData(5.1, 1, 18);
    p.AddData(5.2, 2, 19);
    EXPECT_FALSE(p.Empty);
    EXPECT_EQ(p.XPixels, 17);
    EXPECT_EQ(p.XValue, 5.0);
    EXPECT_EQ(p.YFirst, 3);
    EXPECT_EQ(p.YLast, 2);
    EXPECT_EQ(p.YMax, 3);
    EXPECT_EQ(p.YMin, 1);
    TgPlotMinMaxPoint q;
    q.AssignDown(p);
    EXPECT_EQ(q.YMin, 1);
    q.Clear();
    q.AddData(9, -1e300, 2);
    EXPECT_EQ(q.YMax, -1e300); // any sample beats the cleared extremes
    EXPECT_EQ(q.YFirst, -1e300);
}

TEST(PlotLimitDataList, GrowthAndBounds)
{
    TgLimitDataList l;
    std::vector<int> capacities;
    for (int i = 0; i < 118; ++i) {
        const int before = l.Capacity();
        EXPECT_EQ(l.Add(i, i * 2, i * 3), i);
        if (l.Capacity() != before)
            capacities.push_back(l.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95, 118}));
    EXPECT_EQ(l.GetValue1(7), 7);
    EXPECT_EQ(l.GetValue2(7), 14);
    EXPECT_EQ(l.GetValue3(117), 351);
    EXPECT_EQ(MessageOf([&] { l.GetValue1(-1); }), "Index out of Bounds");
    EXPECT_EQ(MessageOf([&] { l.GetValue1(118); }), "Index out of Bounds");
    EXPECT_EQ(MessageOf([&] { l.SetCapacity(0x8000000); }), "Exceed Maximum List Size");
    l.SetCapacity(10);
    EXPECT_EQ(l.Count(), 10);
    l.Clear();
    EXPECT_EQ(l.Count(), 0);
    EXPECT_EQ(l.Capacity(), 0);
}

// A control as the scheduler sees it.
struct FakeControl : IUpdateControl {
    bool active = false, needs = false;
    int rate = 10;
    std::int64_t last = 0;
    int repaints = 0;
    std::function<void()> onRepaint;
    bool GetUpdateActive() const override { return active; }
    bool GetNeedsRepaint() const override { return needs; }
    int GetUpdateFrameRate() const override { return rate; }
    std::int64_t GetLastUpdate() const override { return last; }
    void DoInvalidate() override
    {
        needs = false;
        ++repaints;
        if (onRepaint)
            onRepaint();
    }
};

TEST(PlotUpdateObject, TickCompletesHeldRepaints)
{
    ManualClock clock(5000);
    ScopedClock scope(clock);
    TgUpdateObject scheduler;
    FakeControl held, bracketed, idle, freed;
    held.needs = bracketed.needs = freed.needs = true;
    held.last = bracketed.last = freed.last = 5000;
    bracketed.active = true;
    EXPECT_FALSE(scheduler.TimerEnabled());
    scheduler.AddUpdateControl(&held);
    scheduler.AddUpdateControl(&bracketed);
    scheduler.AddUpdateControl(&idle);
    scheduler.AddUpdateControl(&freed);
    EXPECT_TRUE(scheduler.TimerEnabled());
    held.onRepaint = [&] { scheduler.RemoveUpdateControl(&freed); };

    clock.Advance(999);
    EXPECT_EQ(held.repaints, 0);
    clock.Advance(1); // the one-second tick
    EXPECT_EQ(held.repaints, 1);
    EXPECT_EQ(bracketed.repaints, 0);
    EXPECT_EQ(idle.repaints, 0);
    EXPECT_EQ(freed.repaints, 0); // removed by the repaint before it: not visited

    // Within the frame interval a pending repaint waits for a later tick.
    held.needs = true;
    held.last = clock.NowMs() - 50;
    scheduler.UpdateTimerTick();
    EXPECT_EQ(held.repaints, 1);
    clock.Advance(1000);
    EXPECT_EQ(held.repaints, 2);

    for (FakeControl *c : {&held, &bracketed, &idle})
        scheduler.RemoveUpdateControl(c);
    EXPECT_FALSE(scheduler.TimerEnabled());
    EXPECT_EQ(clock.PendingAlarms(), 0u);
}

TEST(PlotUpdateObject, FrameInterval)
{
    struct Case {
        std::int64_t last;
        int rate;
        std::int64_t now;
        bool passed;
        std::int64_t wait;
    } cases[] = {
        {0, 10, 20, false, 80}, {0, 10, 100, true, 0}, {0, 0, 0, true, 0},  {0, 60, 16, false, 1},
        {0, 60, 17, true, 0},   {100, 10, 50, false, 150}, // the clock never runs back, but a late Last waits
    };
    for (const Case &c : cases) {
        EXPECT_EQ(FrameIntervalPassed(c.last, c.rate, c.now), c.passed) << c.rate << " " << c.now;
        EXPECT_EQ(MsUntilFrameInterval(c.last, c.rate, c.now), c.wait) << c.rate << " " << c.now;
    }
}

} // namespace
