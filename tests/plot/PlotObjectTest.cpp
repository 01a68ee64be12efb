// Plot object base classes: change notices, spans, mouse and key handling,
// popup menus, focus, auto-repeat buttons and the ordering texts.
#include "MessageOf.h"
#include "MonotonicClock.h"
#include "PlotTestHost.h"
#include "VirtualKeys.h"
#include "gPlotButton.h"
#include "gPlotLayoutObject.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// A layout object whose menu holds the edit item.
class TMenuObject : public TgPlotLayoutObject {
public:
    using TgPlotLayoutObject::TgPlotLayoutObject;
    int builds = 0;
    void BuildPopupMenu(TPopupMenu *PopupMenu) override
    {
        TgPlotLayoutObject::BuildPopupMenu(PopupMenu);
        ++builds;
        AddEditMenuItem(PopupMenu);
    }
};

struct PlotObjectFixture : ::testing::Test {
    TTestPlotHost host;
    QStringList notices;
    TNotifyEvent Notice(const char *What)
    {
        return [this, What](TObject *) { notices << QString::fromLatin1(What); };
    }
    std::unique_ptr<TMenuObject> object = std::make_unique<TMenuObject>(
        &host, Notice("change"), Notice("insert"), Notice("remove"), Notice("rename"));
    TRecordingPopupMenu menu;

    void SetUp() override
    {
        object->SetName(QStringLiteral("Obj"));
        object->SetDrawRect(TRect(10, 10, 50, 30));
        object->SetOnLayoutChange(Notice("layout"));
        notices.clear();
    }
};

TEST_F(PlotObjectFixture, SettersNotifyOnlyOnRealChange)
{
    object->SetName(QStringLiteral("Obj"));
    object->SetVisible(true);
    object->SetLayer(100);
    EXPECT_TRUE(notices.isEmpty());

    object->SetName(QStringLiteral("OBJ")); // letter case alone is a change
    EXPECT_EQ(notices, QStringList({"rename", "change"}));
    EXPECT_EQ(object->NameOld(), QStringLiteral("Obj"));

    notices.clear();
    object->SetZOrder(3);
    object->SetLayer(7);
    EXPECT_EQ(notices, QStringList({"layout", "change", "change"}));
}

TEST_F(PlotObjectFixture, SpanClampsKeepOnePercentApart)
{
    struct Row {
        double start0, stop0;
        bool setStart;
        double value;
        double start, stop;
    } rows[] = {
        {0, 100, true, 150, 99, 100},  {0, 100, false, 0.5, 0, 1},  {0, 100, true, -3, 0, 100},
        {0, 50, true, 49.5, 49.5, 50.5}, {40, 100, false, 40.2, 39.2, 40.2}, {0, 100, false, 250, 0, 100},
    };
    for (const Row &r : rows) {
        object->SetStartStopPercent(r.start0, r.stop0);
        if (r.setStart)
            object->SetStartPercent(r.value);
        else
            object->SetStopPercent(r.value);
        EXPECT_DOUBLE_EQ(object->StartPercent(), r.start) << r.value;
        EXPECT_DOUBLE_EQ(object->StopPercent(), r.stop) << r.value;
    }
    object->SetStartPercent(std::nan(""));
    EXPECT_EQ(object->StartPercent(), 0);
}

TEST_F(PlotObjectFixture, OrderingTexts)
{
    object->SetLayer(7);
    EXPECT_EQ(object->GetLayerText(), QStringLiteral("000007"));
    object->SetLayer(-5);
    EXPECT_EQ(object->GetLayerText(), QStringLiteral("0000-5"));
    object->SetZOrder(5);
    object->SetStartPercent(12.6);
    EXPECT_EQ(object->GetZOrderText(), QStringLiteral("005"));
    EXPECT_EQ(object->GetStartPercentText(), QStringLiteral("013"));
    object->SetStartPercent(12.5); // halves to the even neighbour
    EXPECT_EQ(object->GetStartPercentText(), QStringLiteral("012"));
}

TEST_F(PlotObjectFixture, RightPressOpensTheTranslatedMenuOnRelease)
{
    object->gMouseDown(mbRight, {}, 20, 20, 300, 400, &menu);
    object->gMouseUp(mbRight, {}, 20, 20, 300, 400, false, &menu);
    EXPECT_EQ(host.events, QStringList({"down Obj 20,20", "popup Obj 300,400", "up Obj 20,20"}));
    EXPECT_EQ(menu.shown, QStringList({"300,400"}));
    ASSERT_EQ(menu.Items()->Count(), 1);
    EXPECT_EQ(menu.Items()->Items(0)->Caption(), QStringLiteral("Bearbeiten..."));

    // The menu is rebuilt from empty each time.
    object->gMouseDown(mbRight, {}, 20, 20, 300, 400, &menu);
    object->gMouseUp(mbRight, {}, 20, 20, 300, 400, false, &menu);
    EXPECT_EQ(menu.Items()->Count(), 1);

    // No edit item when editing is off.
    object->SetUserCanEdit(false);
    object->gMouseDown(mbRight, {}, 20, 20, 300, 400, &menu);
    object->gMouseUp(mbRight, {}, 20, 20, 300, 400, false, &menu);
    EXPECT_EQ(menu.Items()->Count(), 0);
}

TEST_F(PlotObjectFixture, PopupRefusedByPropertyOrCancelOrMissedRelease)
{
    object->SetPopupEnabled(false);
    object->gMouseDown(mbRight, {}, 20, 20, 0, 0, &menu);
    object->gMouseUp(mbRight, {}, 20, 20, 0, 0, false, &menu);
    EXPECT_EQ(host.events, QStringList({"down Obj 20,20", "up Obj 20,20"}));

    object->SetPopupEnabled(true);
    host.cancelPopup = true;
    object->gMouseDown(mbRight, {}, 20, 20, 0, 0, &menu);
    object->gMouseUp(mbRight, {}, 20, 20, 0, 0, false, &menu);
    EXPECT_EQ(object->builds, 0);
    EXPECT_TRUE(menu.shown.isEmpty());

    // Released off the object: no menu, but the press still ends with its up event.
    host.cancelPopup = false;
    host.events.clear();
    object->gMouseDown(mbRight, {}, 20, 20, 0, 0, &menu);
    object->gMouseUp(mbRight, {}, 200, 200, 0, 0, false, &menu);
    EXPECT_EQ(host.events, QStringList({"down Obj 20,20", "up Obj 200,200"}));
    EXPECT_TRUE(menu.shown.isEmpty());
}

TEST_F(PlotObjectFixture, MenuKeysOpenAtTheCentreOnScreen)
{
    struct Row {
        Word key;
        TShiftState shift;
        bool opens;
    } rows[] = {
        {VK_F10, TShiftState{ssShift}, true}, {VK_APPS, {}, true}, {VK_F10, {}, false}, {VK_RETURN, {ssShift}, false}};
    for (const Row &r : rows) {
        menu.shown.clear();
        Word key = r.key;
        object->gKeyDown(key, r.shift, &menu);
        EXPECT_EQ(menu.shown, r.opens ? QStringList({"1030,2020"}) : QStringList()) << r.key;
    }
    host.cancelPopup = true;
    menu.shown.clear();
    Word key = VK_APPS;
    object->gKeyDown(key, {}, &menu);
    EXPECT_TRUE(menu.shown.isEmpty());
}

TEST_F(PlotObjectFixture, DisablingTheSelectedObjectDeselectsIt)
{
    object->SetUserSelected(true);
    object->gMouseDown(mbLeft, {}, 20, 20, 0, 0, &menu);
    host.events.clear();
    object->SetEnabled(false);
    EXPECT_FALSE(object->UserSelected());
    EXPECT_FALSE(object->MouseDown());
    EXPECT_EQ(host.events, QStringList({"lost Obj"}));
    object->gMouseDown(mbLeft, {}, 20, 20, 0, 0, &menu); // disabled: ignored
    EXPECT_EQ(host.events, QStringList({"lost Obj"}));
}

TEST_F(PlotObjectFixture, SwappedAxesSwapTheAxisPixels)
{
    struct TProbe : TgPlotObject {
        using TgPlotObject::TgPlotObject;
        TgPlotMouseData last;
        void DoMouseLeft(const TgPlotMouseData &D) override { last = D; }
    } probe(&host, nullptr, nullptr, nullptr, nullptr);
    probe.SetXYAxesReversed(true);
    probe.gMouseDown(mbLeft, {}, 10, 20, 0, 0, nullptr);
    EXPECT_EQ(probe.last.XAxisPixels, 20);
    EXPECT_EQ(probe.last.YAxisPixels, 10);
}

TEST(PlotManagerObject, ConstructorChecksInOrder)
{
    TTestPlotHost host;
    const TNotifyEvent n = [](TObject *) {};
    const auto make = [&](TComponent *o, TNotifyEvent c, TNotifyEvent i, TNotifyEvent r, TNotifyEvent rn) {
        return MessageOf([&] { TgPlotLayoutObject object(o, c, i, r, rn); });
    };
    EXPECT_EQ(make(nullptr, nullptr, nullptr, nullptr, nullptr), QStringLiteral("Owner must be assigned"));
    EXPECT_EQ(make(&host, nullptr, nullptr, nullptr, nullptr), QStringLiteral("OnChange event handler can not be null"));
    EXPECT_EQ(make(&host, n, nullptr, nullptr, nullptr), QStringLiteral("OnInsert event handler can not be null"));
    EXPECT_EQ(make(&host, n, n, nullptr, nullptr), QStringLiteral("OnRemove event handler can not be null"));
    EXPECT_EQ(make(&host, n, n, n, nullptr), QStringLiteral("AOnRename event handler can not be null"));
    EXPECT_EQ(make(&host, n, n, n, n), QStringLiteral("(nothing raised)"));
}

struct ButtonFixture : ::testing::Test {
    ManualClock clock{1000};
    ScopedClock scope{clock};
    TgPlotButton button{nullptr, nullptr, nullptr, nullptr, nullptr};
    std::vector<int64_t> clicks;
    void SetUp() override
    {
        button.SetDrawRect(TRect(0, 0, 20, 20));
        button.OnClick = [this](TObject *) { clicks.push_back(clock.NowMs() - 1000); };
    }
};

TEST_F(ButtonFixture, AutoRepeatClicksAt500ThenEvery50)
{
    button.SetTimerEnabled(true);
    button.gMouseDown(mbLeft, {}, 5, 5, 0, 0, nullptr);
    clock.Advance(1000);
    ASSERT_EQ(clicks.size(), 11u); // 500, 550, ..., 1000
    EXPECT_EQ(clicks.front(), 500);
    EXPECT_EQ(clicks[1], 550);
    EXPECT_EQ(clicks.back(), 1000);

    // Released outside: no final click, and the repeat stops.
    button.gMouseUp(mbLeft, {}, 50, 50, 0, 0, false, nullptr);
    clock.Advance(500);
    EXPECT_EQ(clicks.size(), 11u);
}

TEST_F(ButtonFixture, PlainButtonClicksOnReleaseInside)
{
    int groupClicks = 0;
    button.OnGroupClick = [&](TObject *) { ++groupClicks; };
    button.gMouseDown(mbLeft, {}, 5, 5, 0, 0, nullptr);
    clock.Advance(1000);
    EXPECT_TRUE(clicks.empty());
    button.gMouseUp(mbLeft, {}, 19, 19, 0, 0, false, nullptr);
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_EQ(groupClicks, 0);

    button.SetGroupIndex(2);
    button.gMouseDown(mbLeft, {}, 5, 5, 0, 0, nullptr);
    button.gMouseUp(mbLeft, {}, 20, 5, 0, 0, false, nullptr); // right edge is outside
    EXPECT_EQ(clicks.size(), 1u);
    button.gMouseDown(mbLeft, {}, 5, 5, 0, 0, nullptr);
    button.gMouseUp(mbLeft, {}, 0, 0, 0, 0, false, nullptr);
    EXPECT_EQ(clicks.size(), 2u);
    EXPECT_EQ(groupClicks, 1);
}

TEST_F(ButtonFixture, DisablingStopsTheRepeat)
{
    button.SetTimerEnabled(true);
    button.gMouseDown(mbLeft, {}, 5, 5, 0, 0, nullptr);
    clock.Advance(520);
    button.SetEnabled(false);
    clock.Advance(500);
    EXPECT_EQ(clicks.size(), 1u);
}

} // namespace
