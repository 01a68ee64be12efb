// Removing plot objects while the plot's removal handlers read the object,
// add and remove others and clear its kind: every case completes, each
// object is freed once (the sanitizer stops the case otherwise), and no
// exception leaves a destructor.
#include "Bitmap.h"
#include "Exceptions.h"
#include "MessageOf.h"
#include "gPlotAnnotation.h"
#include "gPlotChannelCustom.h"
#include "gPlotDataCursor.h"
#include "gPlotDataView.h"
#include "gPlotLegend.h"
#include "gPlotLimit.h"
#include "gPlotTable.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gXYPlot.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

// One kind of plot object, as the plot's own operations reach it.
struct TKind {
    const char *Name;
    TgPlotObjectEvent TgPlotComponent::*OnRemove;
    int (TgPlotComponent::*Add)();
    void (TgPlotComponent::*Delete)(int);
    void (TgPlotComponent::*RemoveAll)();
    int (TgPlotComponent::*Count)() const;
    // Through the kind's typed access, which reads the object as its class.
    TgPlotObject *(*Get)(const TgPlotComponent &, int);
};

#define TQ62_KIND(Kind, Kinds)                                                                                     \
    TKind                                                                                                          \
    {                                                                                                              \
        #Kinds, &TgPlotComponent::OnRemove##Kind, &TgPlotComponent::Add##Kind, &TgPlotComponent::Delete##Kind,     \
            &TgPlotComponent::RemoveAll##Kinds, &TgPlotComponent::Kind##Count,                                     \
            [](const TgPlotComponent &P, int I) -> TgPlotObject * { return P.Get##Kind(I); }                       \
    }
const TKind Kinds[] = {TQ62_KIND(Channel, Channels),     TQ62_KIND(XAxis, XAxes),       TQ62_KIND(YAxis, YAxes),
                       TQ62_KIND(DataCursor, DataCursors), TQ62_KIND(DataView, DataViews), TQ62_KIND(Legend, Legends),
                       TQ62_KIND(Limit, Limits),         TQ62_KIND(Table, Tables),      TQ62_KIND(Annotation, Annotations)};
#undef TQ62_KIND

// What the removal handler does with the object it is told of.
enum THandler { hReadsIt, hAddsOthers, hRemovesAnother, hRemovesAllOfItsKind, hRemovesItself };
const char *const HandlerNames[] = {"ReadsIt", "AddsOthers", "RemovesAnother", "RemovesAllOfItsKind",
                                    "RemovesItself"};
// What the test asks of the plot.
enum TRemoval { rDeleteOne, rRemoveAll };
const char *const RemovalNames[] = {"DeleteOne", "RemoveAll"};

QStringList NamesOf(const TgPlotComponent &Plot, const TKind &Kind)
{
    QStringList names;
    for (int i = 0; i < (Plot.*Kind.Count)(); ++i)
        names << Kind.Get(Plot, i)->Name();
    return names;
}

// Every object the plot still holds is drawn: one left referring to a freed
// object is read here.
void Paint(TgPlotComponent &Plot)
{
    TBitmap image(400, 300);
    Plot.PaintToCanvas(image.Canvas());
}

class ObjectRemoval : public testing::TestWithParam<std::tuple<int, THandler, TRemoval>> {};

// Each case starts with three objects of the kind and ends with the plot's
// destruction, handlers still set: it tells them nothing.
TEST_P(ObjectRemoval, CompletesAndFreesEachObjectOnce)
{
    const TKind &kind = Kinds[std::get<0>(GetParam())];
    const THandler handler = std::get<1>(GetParam());
    const TRemoval removal = std::get<2>(GetParam());
    auto plot = std::make_unique<TgXYPlot>(nullptr);
    plot->SetBounds(0, 0, 400, 300);
    while ((plot.get()->*kind.Count)() < 3)
        (plot.get()->*kind.Add)();
    for (int i = 0; i < 3; ++i) // annotations come unnamed
        if (TgPlotObject *object = kind.Get(*plot, i); object->Name().isEmpty())
            object->SetName(QStringLiteral("Note %1").arg(i));
    const QStringList before = NamesOf(*plot, kind);

    QStringList told;
    int calls = 0, added = 0;
    TgXYPlot *p = plot.get();
    p->*kind.OnRemove = [&, p](TObject *, int Index) {
        ++calls;
        switch (handler) {
        case hReadsIt:
            told << kind.Get(*p, Index)->Name();
            break;
        case hAddsOthers:
            // Its own kind, and the kinds whose insertion binds to the first
            // axis, data view or channel.
            (p->*kind.Add)();
            ++added;
            for (int (TgPlotComponent::*add)() : {&TgPlotComponent::AddChannel, &TgPlotComponent::AddDataView,
                                                  &TgPlotComponent::AddDataCursor, &TgPlotComponent::AddLimit})
                if (add != kind.Add)
                    (p->*add)();
            break;
        case hRemovesAnother: // whose handler removes another in turn
            if (const int count = (p->*kind.Count)(); count > 1)
                (p->*kind.Delete)(Index == count - 1 ? 0 : count - 1);
            break;
        case hRemovesAllOfItsKind:
            (p->*kind.RemoveAll)();
            break;
        case hRemovesItself:
            (p->*kind.Delete)(Index);
            break;
        }
    };

    if (removal == rDeleteOne)
        (plot.get()->*kind.Delete)(1);
    else
        (plot.get()->*kind.RemoveAll)();

    const QStringList after = NamesOf(*plot, kind);
    EXPECT_FALSE(after.contains(before[1]));
    if (removal == rRemoveAll) {
        for (const QString &name : before)
            EXPECT_FALSE(after.contains(name)) << name.toStdString();
    }
    const int expected[2][5] = {
        // reads, adds, removes another, removes all, removes itself
        {2, 2 + added, 0, 0, 2}, // DeleteOne
        {0, added, 0, 0, 0},     // RemoveAll
    };
    EXPECT_EQ(after.size(), expected[removal][handler]);
    if (handler == hReadsIt) {
        EXPECT_EQ(told, removal == rDeleteOne ? QStringList{before[1]} : before);
    }
    Paint(*plot);

    const int beforeDestruction = calls;
    plot.reset();
    EXPECT_EQ(calls, beforeDestruction);
}

INSTANTIATE_TEST_SUITE_P(
    KindsByHandlers, ObjectRemoval,
    testing::Combine(testing::Range(0, int(std::size(Kinds))),
                     testing::Values(hReadsIt, hAddsOthers, hRemovesAnother, hRemovesAllOfItsKind, hRemovesItself),
                     testing::Values(rDeleteOne, rRemoveAll)),
    [](const testing::TestParamInfo<ObjectRemoval::ParamType> &Info) {
        return std::string(Kinds[std::get<0>(Info.param)].Name) + "_" + HandlerNames[std::get<1>(Info.param)] + "_" +
               RemovalNames[std::get<2>(Info.param)];
    });

// A handler's exception reaches the caller once the removal is complete:
// after a Delete the object is gone, after a RemoveAll every object is.
TEST(ObjectRemovalFailures, AHandlersExceptionReachesTheCallerAfterTheRemoval)
{
    TgXYPlot plot(nullptr);
    plot.AddChannel();
    plot.AddChannel();
    int calls = 0;
    plot.OnRemoveChannel = [&](TObject *, int) {
        ++calls;
        throw Exception(QStringLiteral("refused by the handler"));
    };
    EXPECT_EQ(MessageOf([&] { plot.DeleteChannel(1); }), QStringLiteral("refused by the handler"));
    EXPECT_EQ(plot.ChannelCount(), 2);
    EXPECT_EQ(MessageOf([&] { plot.RemoveAllChannels(); }), QStringLiteral("refused by the handler"));
    EXPECT_EQ(plot.ChannelCount(), 0);
    EXPECT_EQ(calls, 3);
    Paint(plot);
}

// A plain delete announces the removal from the destructors, where the
// object is no longer of its class: the handler's typed read fails there,
// and that failure stays inside the destructor.
TEST(ObjectRemovalFailures, APlainDeleteKeepsAHandlersFailureInside)
{
    TgXYPlot plot(nullptr);
    plot.AddAnnotation();
    plot.AddTable();
    QStringList failures;
    plot.OnRemoveAnnotation = [&](TObject *, int Index) {
        failures << MessageOf([&] { plot.GetAnnotation(Index); });
        plot.GetAnnotation(Index);
    };
    plot.OnRemoveTable = [&](TObject *, int Index) { plot.GetTable(Index); };
    delete plot.GetAnnotation(0);
    delete plot.GetTable(0);
    EXPECT_EQ(failures, QStringList{QStringLiteral("Invalid class typecast")});
    EXPECT_EQ(plot.AnnotationCount(), 0);
    EXPECT_EQ(plot.TableCount(), 0);
    Paint(plot);
}

// An object added while another goes binds to the first of the objects
// that stay, never to the one going.
TEST(ObjectRemovalBinding, AnObjectAddedMeanwhileBindsToOneThatStays)
{
    struct TRow {
        const char *Name;
        const TKind &Going;
        int (TgPlotComponent::*Add)();
        QString (*BoundTo)(const TgPlotComponent &); // what the added object refers to
    };
    const TRow rows[] = {
        {"LimitWhileAYAxisGoes", Kinds[2], &TgPlotComponent::AddLimit,
         [](const TgPlotComponent &P) { return P.GetLimit(P.LimitCount() - 1)->YAxisName(); }},
        {"ChannelWhileAnXAxisGoes", Kinds[1], &TgPlotComponent::AddChannel,
         [](const TgPlotComponent &P) { return P.GetChannel(P.ChannelCount() - 1)->XAxisName(); }},
        {"CursorWhileADataViewGoes", Kinds[4], &TgPlotComponent::AddDataCursor,
         [](const TgPlotComponent &P) {
             const TgPlotDataView *view = P.GetDataCursor(P.DataCursorCount() - 1)->DataView();
             return view ? view->Name() : QString();
         }},
        {"CursorWhileAChannelGoes", Kinds[0], &TgPlotComponent::AddDataCursor,
         [](const TgPlotComponent &P) { return P.GetDataCursor(P.DataCursorCount() - 1)->ChannelName(); }},
    };
    for (const TRow &row : rows) {
        SCOPED_TRACE(row.Name);
        TgXYPlot plot(nullptr);
        (plot.*row.Going.Add)();
        const QString staying = row.Going.Get(plot, 1)->Name();
        QString bound = QStringLiteral("(none added)");
        plot.*row.Going.OnRemove = [&](TObject *, int) {
            (plot.*row.Add)();
            bound = row.BoundTo(plot);
        };
        (plot.*row.Going.Delete)(0);
        EXPECT_EQ(bound, staying);
        plot.*row.Going.OnRemove = nullptr;
        Paint(plot);
    }
}

} // namespace
