// Object managers and the master manager: naming and colours, lookups,
// notification order and fan-out, shutdown, streams.
#include "ComponentStream.h"
#include "MessageOf.h"
#include "PlotTestObjects.h"
#include "PlotTestPlot.h"
#include "ShownPlot.h"
#include "Stream.h"
#include "gPlotAnnotation.h"
#include "gPlotDataCursor.h"
#include "gPlotLegend.h"
#include "gPlotLegendManager.h"
#include "gPlotObjectManager.h"
#include "gPlotXAxis.h"
#include "gPlotXAxisManager.h"
#include "gPlotYAxisManager.h"
#include "gXYPlot.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A legend that records what it hears of other objects.
class TListeningLegend : public TgPlotLegend {
public:
    using TgPlotLegend::TgPlotLegend;
    QStringList *heard = nullptr;
    void NotificationRename(TObject *Sender) override
    {
        *heard << Name() + QStringLiteral(" rename ") + static_cast<TgPlotObject *>(Sender)->Name();
    }
    void NotificationSetFocus(TObject *Sender) override
    {
        *heard << Name() + QStringLiteral(" focus ") + static_cast<TgPlotObject *>(Sender)->Name();
    }
};

// Objects of kind T that count the removals they are told of.
template <class T>
class TCounting : public T {
public:
    using T::T;
    long *heard = nullptr;
    void NotificationRemove(TObject *Sender) override
    {
        ++*heard;
        T::NotificationRemove(Sender);
    }
};

TEST(ObjectManagers, ChannelNamesAndColours)
{
    TTestPlot plot;
    TgPlotChannelManager *channels = plot.master->ChannelManager();
    plot.master->AddXAxis();
    EXPECT_EQ(plot.master->AddChannel(), 0);
    EXPECT_EQ(plot.master->AddChannel(), 1);
    EXPECT_EQ(plot.master->AddChannel(), 2);
    EXPECT_EQ(channels->GetItem(0)->Name(), QStringLiteral("Channel 1"));
    EXPECT_EQ(channels->GetItem(0)->TitleText(), QStringLiteral("Channel 1"));
    EXPECT_EQ(channels->GetItem(0)->Color(), 0x0000FF); // red
    EXPECT_EQ(channels->GetItem(1)->Color(), 0x00FFFF); // yellow
    EXPECT_EQ(channels->GetItem(2)->Color(), 0xFF0000); // blue
    EXPECT_EQ(channels->GetItem(0)->XAxisName(), QStringLiteral("X-Axis 1"));
    EXPECT_EQ(channels->GetItem(0)->YAxisName(), QString()); // no Y axis

    delete channels->GetItem(1);
    EXPECT_EQ(channels->Count(), 2);
    plot.master->AddChannel();
    EXPECT_EQ(channels->GetItem(2)->Name(), QStringLiteral("Channel 4"));

    // Names that do not read as numbers are skipped; case is ignored.
    channels->GetItem(0)->SetName(QStringLiteral("channel x"));
    channels->GetItem(1)->SetName(QStringLiteral("CHANNEL 7"));
    EXPECT_EQ(channels->GetNextName(), QStringLiteral("Channel 8"));

    // A channel that comes named keeps everything it has.
    auto *named = plot.Make<TgXYPlotChannel>(QStringLiteral("Mine"));
    named->SetColor(0x123456);
    named->SetTitleText(QStringLiteral("T"));
    named->DoInsert();
    EXPECT_EQ(named->Name(), QStringLiteral("Mine"));
    EXPECT_EQ(named->Color(), 0x123456);
    EXPECT_EQ(named->TitleText(), QStringLiteral("T"));
    EXPECT_EQ(named->XAxisName(), QString());
}

// The next name and colour follow every change made after the channels
// came: recolouring, renaming (down as well as up) and deleting; a first
// name is told to no other object, a later one to all.
TEST(ObjectManagers, NextNameAndColourFollowEveryChange)
{
    TTestPlot plot;
    TgPlotChannelManager *channels = plot.master->ChannelManager();
    for (int i = 0; i < 3; ++i)
        plot.master->AddChannel(); // red, yellow, blue
    EXPECT_EQ(channels->GetNextChannelColor(), 0xFF00FF);
    channels->GetItem(0)->SetColor(0xFF00FF);
    EXPECT_EQ(channels->GetNextChannelColor(), 0x0000FF); // red is free again
    delete channels->GetItem(1);                          // yellow goes
    channels->GetItem(1)->SetColor(0x0000FF);             // blue becomes red
    EXPECT_EQ(channels->GetNextChannelColor(), 0x00FFFF);

    TgPlotChannelCustom *last = channels->GetItem(1); // "Channel 3"
    last->SetName(QStringLiteral("Channel 10"));
    EXPECT_EQ(channels->GetNextName(), QStringLiteral("Channel 11"));
    last->SetName(QStringLiteral("Channel 5"));
    EXPECT_EQ(channels->GetNextName(), QStringLiteral("Channel 6"));
    delete last;
    EXPECT_EQ(channels->GetNextName(), QStringLiteral("Channel 2"));

    QStringList heard;
    auto *legend = plot.Make<TListeningLegend>(QStringLiteral("L"));
    legend->heard = &heard;
    legend->DoInsert();
    heard.clear();
    plot.master->AddChannel();
    EXPECT_EQ(heard, QStringList());
    channels->GetItem(1)->SetName(QStringLiteral("Renamed"));
    EXPECT_EQ(heard, QStringList({"L rename Renamed", "L rename Renamed"}));
}

TEST(ObjectManagers, LookupsAndKinds)
{
    TTestPlot plot;
    plot.master->AddXAxis();
    plot.master->AddLegend();
    TgPlotXAxisManager *axes = plot.master->XAxisManager();
    EXPECT_EQ(axes->GetItem(0)->Title(), QStringLiteral("X-Axis 1"));
    EXPECT_EQ(axes->GetObjectByName(QStringLiteral("x-axis 1")), axes->GetItem(0));
    EXPECT_EQ(axes->GetIndexByName(QStringLiteral("nothing")), -1);
    EXPECT_EQ(axes->GetObjectByName(QStringLiteral("nothing")), nullptr);

    // A legend offered to the X-axis manager is ignored; forced in, it is
    // refused as an X axis.
    TgPlotLegend *legend = plot.master->LegendManager()->GetItem(0);
    axes->NotificationInsert(legend);
    EXPECT_EQ(axes->Count(), 1);
    axes->InsertObject(legend);
    EXPECT_EQ(MessageOf([&] { axes->GetItem(1); }), QStringLiteral("Invalid class typecast"));
    axes->Delete(1);
    EXPECT_EQ(MessageOf([&] { axes->GetItem(5); }), QStringLiteral("List index out of bounds (5)"));
    EXPECT_EQ(MessageOf([&] { plot.master->ObjectManager()->CreateObject(); }),
              QStringLiteral("Object Manager does not support creation of objects"));

    // Delete drops the entry only: the axis lives on in the other lists.
    TgPlotXAxis *axis = axes->GetItem(0);
    axes->Delete(0);
    EXPECT_EQ(axes->Count(), 0);
    EXPECT_GE(plot.master->ObjectManager()->GetIndex(axis), 0);
    EXPECT_GE(plot.Layout()->GetIndex(axis), 0);
    delete axis;
    EXPECT_EQ(plot.master->ObjectManager()->GetIndex(axis), -1);
}

TEST(ObjectManagers, ConstructorChecksInOrder)
{
    TTestPlotHost host;
    const TNotifyEvent n = [](TObject *) {};
    const auto make = [&](TComponent *o, TNotifyEvent c, TNotifyEvent i, TNotifyEvent r, TNotifyEvent rn) {
        return MessageOf([&] { TgPlotLegendManager manager(o, c, i, r, rn); });
    };
    EXPECT_EQ(make(nullptr, n, n, n, n), QStringLiteral("Owner must be Assigned"));
    EXPECT_EQ(make(&host, nullptr, nullptr, n, n), QStringLiteral("OnChange event handler can not be null"));
    EXPECT_EQ(make(&host, n, nullptr, nullptr, n), QStringLiteral("OnInsert event handler can not be null"));
    EXPECT_EQ(make(&host, n, n, nullptr, nullptr), QStringLiteral("OnRemove event handler can not be null"));
    EXPECT_EQ(make(&host, n, n, n, nullptr), QStringLiteral("AOnRename event handler can not be null"));
}

TEST(ObjectManagers, RemovalReachesThePlotWhileManagersStillHoldTheObject)
{
    TTestPlot plot;
    plot.master->AddChannel();
    plot.master->AddChannel();
    QStringList seen;
    plot.master->OnRemove = [&](TObject *Sender) {
        seen << QStringLiteral("%1 %2 %3")
                    .arg(plot.master->ChannelManager()->GetIndex(Sender))
                    .arg(plot.master->ObjectManager()->GetIndex(Sender) >= 0)
                    .arg(plot.master->ChannelManager()->Count());
    };
    delete plot.master->ChannelManager()->GetItem(1);
    plot.master->OnRemove = nullptr;
    EXPECT_EQ(seen, QStringList({"1 1 2"}));
    EXPECT_EQ(plot.master->ChannelManager()->Count(), 1);
    EXPECT_EQ(plot.master->ObjectManager()->Count(), 3); // two markers and the channel
}

TEST(ObjectManagers, RenameAndFocusFanOut)
{
    TTestPlot plot;
    QStringList heard;
    auto *a = plot.Make<TListeningLegend>(QStringLiteral("A"));
    a->heard = &heard;
    a->DoInsert();
    auto *b = plot.Make<TListeningLegend>(QStringLiteral("B"));
    b->heard = &heard;
    b->DoInsert();
    heard.clear();
    b->SetName(QStringLiteral("C"));
    // Through the legend manager, then through the layout manager; the
    // sender hears it too.
    EXPECT_EQ(heard, QStringList({"A rename C", "C rename C", "A rename C", "C rename C"}));
    heard.clear();
    a->SetUserSelected(true);
    EXPECT_EQ(heard, QStringList({"A focus A", "C focus A", "A focus A", "C focus A"}));
    EXPECT_EQ(plot.host.events.last(), QStringLiteral("got A"));
}

TEST(ObjectManagers, ShutDownIsSilent)
{
    TTestPlot plot;
    plot.master->AddChannel();
    plot.master->AddLegend();
    int removals = 0, changes = 0;
    plot.master->OnRemove = [&](TObject *S) { removals += dynamic_cast<TgPlotObject *>(S) != nullptr; };
    plot.master->OnChange = [&](TObject *) { ++changes; };
    plot.master->ObjectManager()->ShutDownSetup();
    plot.master.reset();
    EXPECT_EQ(removals, 0);
    EXPECT_EQ(changes, 0);
}

// Clearing a manager leaves the objects of the other managers as removing
// its objects one by one would: an annotation and a data cursor bound to a
// channel let go of it, and then find a new channel of its name.
TEST(ObjectManagers, ClearLeavesTheOtherObjectsAsSingleRemovalsDo)
{
    for (const bool clear : {true, false}) {
        SCOPED_TRACE(clear ? "RemoveAllChannels" : "DeleteChannel one by one");
        TShownPlot<TgXYPlot> shown;
        TgXYPlot *plot = shown.plot;
        TgPlotXAxis *wide = plot->GetXAxis(plot->AddXAxis());
        wide->SetTrackingEnabled(false);
        wide->SetMinSpan(0, 1000);
        plot->AddChannel();
        const TgPlotChannelCustom *bound = plot->GetChannel(1);
        TgPlotAnnotation *note = plot->GetAnnotation(plot->AddAnnotation());
        note->SetReference(iprtChannel);
        note->SetChannelName(bound->Name());
        TgPlotDataCursor *cursor = plot->GetDataCursor(0);
        cursor->SetChannelName(bound->Name());
        shown.Shot();
        const int before = note->PositionXToPixels(50);
        ASSERT_NE(before, 0);
        ASSERT_EQ(cursor->FindChannel(), bound);

        if (clear)
            plot->RemoveAllChannels();
        else
            while (plot->ChannelCount() > 0)
                plot->DeleteChannel(0);
        EXPECT_EQ(cursor->FindChannel(), nullptr);
        EXPECT_EQ(note->PositionXToPixels(50), 0); // no channel, no channel frame

        TgPlotChannelCustom *renewed = plot->GetChannel(plot->AddChannel());
        renewed->SetName(note->ChannelName());
        renewed->SetXAxisName(wide->Name());
        shown.Shot();
        EXPECT_EQ(cursor->FindChannel(), renewed);
        EXPECT_NE(note->PositionXToPixels(50), before); // through the new channel's axis
    }
}

// Axes may refer to one another (one aligned to another): in a clear they
// still hear of each removal, so a handler meanwhile finds a freed axis gone.
TEST(ObjectManagers, ClearedAxesHearOfOneAnother)
{
    TgXYPlot plot(nullptr);
    plot.AddXAxis();
    TgPlotXAxis *aligned = plot.GetXAxis(plot.AddXAxis());
    aligned->SetAlignRefAxisName(plot.GetXAxis(0)->Name());
    ASSERT_EQ(aligned->AlignRefAxis(), plot.GetXAxis(0));
    QStringList seen;
    plot.OnRemoveXAxis = [&](TObject *, int) {
        if (plot.XAxisCount() > 1) // the aligned axis, the last, is not the one going
            seen << (aligned->AlignRefAxis() ? "aligned" : "alone");
    };
    plot.RemoveAllXAxes();
    EXPECT_EQ(seen, QStringList({"aligned", "alone"}));
    EXPECT_EQ(plot.XAxisCount(), 0);
}

// Loading annotations over many held ones tells each object of another
// manager of every removal once, and the held annotations hear of none of
// one another's: the notices grow with the count, not with its square.
TEST(ObjectManagers, LoadingAnnotationsOverManyHeldTellsInProportion)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("notes.txt"));
    {
        TgXYPlot source(nullptr);
        source.GetAnnotation(source.AddAnnotation())->SetText(QStringLiteral("Loaded"));
        source.SaveAnnotationsToFile(file);
    }
    constexpr long Held = 3000;
    TgXYPlot plot(nullptr);
    long heardByNotes = 0, heardByCursor = 0;
    auto *cursor = MakePlotObject<TCounting<TgPlotDataCursor>>(&plot);
    cursor->heard = &heardByCursor;
    cursor->DoInsert();
    for (long i = 0; i < Held; ++i) {
        auto *note = MakePlotObject<TCounting<TgPlotAnnotation>>(&plot);
        note->heard = &heardByNotes;
        note->DoInsert();
    }
    plot.LoadAnnotationsFromFile(file);
    ASSERT_EQ(plot.AnnotationCount(), 1);
    EXPECT_EQ(plot.GetAnnotation(0)->Text(), QStringLiteral("Loaded"));
    EXPECT_EQ(heardByCursor, Held);
    EXPECT_LE(heardByNotes, Held);
}

TEST(ObjectManagers, PlotWideSwitches)
{
    TTestPlot plot;
    plot.master->AddChannel();
    plot.master->AddXAxis();
    int now = 0;
    plot.master->OnInvalidateNow = [&](TObject *) { ++now; };
    plot.master->SetUserCanEditObjects(false);
    EXPECT_FALSE(plot.master->ChannelManager()->GetItem(0)->UserCanEdit());
    plot.master->AddLegend(); // a new object takes the plot's setting
    EXPECT_FALSE(plot.master->LegendManager()->GetItem(0)->UserCanEdit());

    plot.master->SetXYAxesReverse(true);
    EXPECT_TRUE(plot.master->ChannelManager()->GetItem(0)->XYAxesReversed());
    EXPECT_FALSE(plot.master->XAxisManager()->GetItem(0)->Horizontal());
    EXPECT_EQ(now, 1);
    plot.master->ShowToolBars(false);
}

TEST(ObjectManagers, StreamRoundTrip)
{
    TMemoryStream stream;
    {
        TTestPlot plot;
        plot.master->AddXAxis();
        plot.master->AddChannel();
        plot.master->AddChannel();
        plot.master->ChannelManager()->GetItem(1)->SetName(QStringLiteral("Second"));
        plot.master->ChannelManager()->GetItem(0)->SetColor(0x00FF00);
        EXPECT_FALSE(plot.master->LegendManager()->DoWriteToStream());
        ASSERT_TRUE(plot.master->ChannelManager()->DoWriteToStream());
        TWriter writer(&stream);
        plot.master->ChannelManager()->WriteToStream(&writer);
        writer.WriteInteger(77); // not a collection
    }
    stream.SetPosition(0);
    TTestPlot plot;
    plot.master->AddChannel(); // replaced by what is read
    TReader reader(&stream);
    plot.master->ChannelManager()->ReadFromStream(&reader);
    TgPlotChannelManager *channels = plot.master->ChannelManager();
    ASSERT_EQ(channels->Count(), 2);
    EXPECT_EQ(channels->GetItem(0)->Name(), QStringLiteral("Channel 1"));
    EXPECT_EQ(channels->GetItem(0)->Color(), 0x00FF00);
    EXPECT_EQ(channels->GetItem(0)->XAxisName(), QStringLiteral("X-Axis 1"));
    EXPECT_EQ(channels->GetItem(1)->Name(), QStringLiteral("Second"));
    EXPECT_EQ(plot.master->ObjectManager()->GetIndex(channels->GetItem(1)), 3);

    plot.master->LegendManager()->ReadFromStream(&reader);
    EXPECT_EQ(plot.master->LegendManager()->Count(), 0);
}

} // namespace
