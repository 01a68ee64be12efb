// The layout manager's z-order: merging, shifting, closing gaps, the side
// lists and the reinsertion of axes when X and Y swap.
#include "PlotTestPlot.h"
#include "gPlotLabel.h"
#include "gPlotLayoutObject.h"
#include "gPlotLegend.h"
#include "gPlotLegendManager.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

#include <gtest/gtest.h>
#include <functional>
#include <map>

namespace {

// An X axis that records its turns from horizontal to vertical.
class TTurningXAxis : public TgPlotXAxis {
public:
    using TgPlotXAxis::TgPlotXAxis;
    QStringList *turns = nullptr;
    void DoLayoutChange() override
    {
        if (turns && !Horizontal() && !turns->contains(Name()))
            *turns << Name();
        TgPlotXAxis::DoLayoutChange();
    }
};

QString Names(const TStringList *List)
{
    QStringList names;
    for (int i = 0; i < List->Count(); ++i)
        names << static_cast<TgPlotObject *>(List->GetObject(i))->Name() + u'@' + List->Get(i);
    return names.join(u' ');
}

struct ZOrderCase {
    const char *name;
    // Builds the plot with the layout manager disabled, then acts on it
    // once it is enabled again.
    std::function<void(TTestPlot &)> setup;
    std::function<void(TTestPlot &)> act;
    std::map<QString, int> zorders; // "HDV"/"VDV": the markers
    const char *left = nullptr, *right = nullptr, *top = nullptr, *bottom = nullptr;
};

TgPlotLayoutObject *ByName(TTestPlot &P, const QString &Name)
{
    if (Name == QStringLiteral("HDV"))
        return static_cast<TgPlotLayoutObject *>(P.Layout()->DataViewHorz());
    if (Name == QStringLiteral("VDV"))
        return static_cast<TgPlotLayoutObject *>(P.Layout()->DataViewVert());
    for (int i = 0; i < P.Layout()->Count(); ++i)
        if (P.Layout()->GetItem(i)->Name() == Name)
            return P.Layout()->GetItem(i);
    return nullptr;
}

TEST(LayoutManager, ZOrderCases)
{
    const ZOrderCase cases[] = {
        {"merge into a conflicting band shifts it and everything beyond",
         [](TTestPlot &p) {
             p.Place<TgPlotLegend>("L1", false, 2);
             p.Place<TgPlotLegend>("L3", false, 3);
             p.Place<TgPlotYAxis>("Y", false, 0);
             p.Place<TgPlotLegend>("L2", false, 0, 0, 50);
         },
         [](TTestPlot &p) { p.Layout()->InsertZOrder(ByName(p, "L2"), 2, iidMerge); },
         {{"L1", 3}, {"L3", 4}, {"Y", 0}, {"L2", 2}, {"VDV", 1}, {"HDV", 1}}},
        {"merge beside a span that does not overlap keeps the band",
         [](TTestPlot &p) {
             p.Place<TgPlotLegend>("L1", false, 2, 0, 50);
             p.Place<TgPlotLegend>("L2", false, 0, 50, 100);
         },
         [](TTestPlot &p) { p.Layout()->InsertZOrder(ByName(p, "L2"), 2, iidMerge); },
         {{"L1", 2}, {"L2", 2}, {"VDV", 1}},
         "", "L1@002000 L2@002050"},
        {"merge at the marker's order always shifts (the marker spans all)",
         [](TTestPlot &p) { p.Place<TgPlotLegend>("L", false, 0, 10, 20); },
         [](TTestPlot &p) { p.Layout()->InsertZOrder(ByName(p, "L"), 1, iidMerge); },
         {{"L", 1}, {"VDV", 2}},
         "L@001010", ""},
        {"above moves only greater orders and takes the next one",
         [](TTestPlot &p) {
             p.Place<TgPlotLabel>("T", true, 2);
             p.Place<TgPlotLabel>("U", true, 1);
             p.Place<TgPlotLabel>("N", true, 0);
         },
         [](TTestPlot &p) { p.Layout()->InsertZOrder(ByName(p, "N"), 1, iidAbove); },
         {{"T", 3}, {"U", 1}, {"N", 2}, {"HDV", 1}},
         nullptr, nullptr, "N@002000 T@003000", "U@001000"},
        {"a legend added beside the Y axis goes left of it",
         [](TTestPlot &p) {
             p.Place<TgPlotYAxis>("Y", false, 0);
             p.Place<TgPlotLegend>("L1", false, 2);
         },
         [](TTestPlot &p) { p.master->AddLegend(); },
         {{"Y", 1}, {"VDV", 2}, {"L1", 3}, {"Legend 1", 0}},
         "Legend 1@000000 Y@001000", "L1@003000"},
        {"removing the only object of a band closes the gap",
         [](TTestPlot &p) {
             p.Place<TgPlotLabel>("A", true, 2);
             p.Place<TgPlotLabel>("B", true, 3);
             p.Place<TgPlotLabel>("C", true, 4);
             p.Place<TgPlotLabel>("D", true, 5);
             p.Place<TgPlotLegend>("V", false, 5);
         },
         [](TTestPlot &p) { delete ByName(p, "B"); },
         {{"A", 2}, {"C", 3}, {"D", 4}, {"V", 5}, {"HDV", 1}},
         nullptr, nullptr, "A@002000 C@003000 D@004000"},
        {"removing one of a shared band leaves the orders",
         [](TTestPlot &p) {
             p.Place<TgPlotLabel>("A", true, 3, 0, 50);
             p.Place<TgPlotLabel>("B", true, 3, 50, 100);
             p.Place<TgPlotLabel>("C", true, 4);
         },
         [](TTestPlot &p) { delete ByName(p, "A"); },
         {{"B", 3}, {"C", 4}}},
        {"equal keys: the object taken later stands first",
         [](TTestPlot &p) {
             p.Place<TgPlotLabel>("A", true, 0, 10.4, 50);
             p.Place<TgPlotLabel>("B", true, 0, 9.6, 60);
         },
         [](TTestPlot &) {},
         {{"A", 0}, {"B", 0}},
         nullptr, nullptr, nullptr, "B@000010 A@000010"},
    };
    for (const ZOrderCase &c : cases) {
        SCOPED_TRACE(c.name);
        TTestPlot plot;
        plot.Layout()->SetEnabled(false);
        c.setup(plot);
        plot.Layout()->SetEnabled(true);
        c.act(plot);
        for (const auto &[name, z] : c.zorders) {
            TgPlotLayoutObject *object = ByName(plot, name);
            ASSERT_NE(object, nullptr) << name.toStdString();
            EXPECT_EQ(object->ZOrder(), z) << name.toStdString();
        }
        const auto sideIs = [](const char *expected, const TStringList *list) {
            if (expected) {
                EXPECT_EQ(Names(list), QString::fromUtf8(expected));
            }
        };
        sideIs(c.left, plot.Layout()->LeftList());
        sideIs(c.right, plot.Layout()->RightList());
        sideIs(c.top, plot.Layout()->TopList());
        sideIs(c.bottom, plot.Layout()->BottomList());
    }
}

TEST(LayoutManager, SideFlagsAndUniqueCounts)
{
    TTestPlot plot;
    plot.Layout()->SetEnabled(false);
    auto *top = plot.Place<TgPlotLabel>("T", true, 2, 0, 50);
    plot.Place<TgPlotLabel>("T2", true, 2, 50, 100);
    plot.Place<TgPlotLabel>("T3", true, 3);
    auto *bottom = plot.Place<TgPlotLabel>("B", true, 1);
    plot.Layout()->SetEnabled(true);
    EXPECT_TRUE(top->ReverseSide());
    EXPECT_FALSE(bottom->ReverseSide());
    EXPECT_EQ(plot.Layout()->TopUniqueCount(), 2);
    EXPECT_EQ(plot.Layout()->BottomUniqueCount(), 1);
    EXPECT_EQ(plot.Layout()->LeftUniqueCount(), 0);
    top->SetVisible(false);
    EXPECT_EQ(plot.Layout()->VisibleCount(plot.Layout()->TopList()), 2);

    // Disabled: inserted objects keep their orders and the lists wait.
    plot.Layout()->SetEnabled(false);
    plot.Place<TgPlotLabel>("Late", true, 7);
    EXPECT_EQ(plot.Layout()->TopList()->Count(), 3);
    plot.Layout()->SetEnabled(true);
    EXPECT_EQ(plot.Layout()->TopList()->Count(), 4);
    EXPECT_EQ(ByName(plot, "Late")->ZOrder(), 7);

    // A hooked object's layout change re-sorts at once.
    bottom->SetZOrder(5);
    EXPECT_EQ(plot.Layout()->BottomList()->Count(), 0);
}

TEST(LayoutManager, AxesReinsertedInTextOrderOfTheirZOrders)
{
    TTestPlot plot;
    QStringList turns;
    plot.Layout()->SetEnabled(false);
    for (int z : {2, 10, 0, 1}) {
        auto *axis = plot.Place<TTurningXAxis>(QStringLiteral("X%1").arg(z), true, z);
        axis->turns = &turns;
    }
    plot.Layout()->SetEnabled(true);
    plot.master->SetXYAxesReverse(true);
    EXPECT_EQ(turns, QStringList({"X0", "X1", "X10", "X2"}));
    for (int z : {2, 10, 0, 1})
        EXPECT_FALSE(ByName(plot, QStringLiteral("X%1").arg(z))->Horizontal());
}

} // namespace
