#include "SkFrameController.h"
#include "SkRegIniFile.h"
#include "StoreFixture.h"

#include "Control.h"

#include <algorithm>
#include <vector>

namespace {

// A plain control that publishes some of the controller's properties and
// records every write.
class PropertyControl : public TControl, public ISkFramePropertyTarget {
public:
    PropertyControl(std::vector<QString> published, TSkFrameControllerNotifications n = fcpAllNotifications)
        : TControl(nullptr), published_(std::move(published)), notifications_(n) {}
    TSkFrameControllerNotifications FrameControllerNotifications() const override { return notifications_; }
    bool WriteFrameProperty(const QString &Name, int Value) override
    {
        if (std::find(published_.begin(), published_.end(), Name) == published_.end())
            return false;
        writes.push_back({Name, Value});
        return true;
    }
    std::vector<std::pair<QString, int>> writes;

private:
    std::vector<QString> published_;
    TSkFrameControllerNotifications notifications_;
};

std::vector<QString> AllNames()
{
    std::vector<QString> v;
    for (int p = fcpColor; p < fcpAll; ++p)
        v.push_back(QLatin1String(FrameControllerPropertyName(static_cast<TSkFrameControllerProperty>(p))));
    return v;
}

std::vector<QString> NamesOf(const PropertyControl &c)
{
    std::vector<QString> v;
    for (auto &w : c.writes)
        v.push_back(w.first);
    return v;
}

TEST(FrameController, AttachingPushesEveryPublishedPropertyByName)
{
    TSkFrameController fc(nullptr);
    PropertyControl all(AllNames());
    fc.AddControl(&all);
    const std::vector<QString> order = {
        "ParentColor", "Color", "DisabledColor", "ReadOnlyColor", "ReadOnlyColorOnFocus", "FocusColor",
        "FlatButtonColor", "FlatButtons", "FrameColor", "FrameHotColor", "FrameHotTrack", "FrameHotStyle",
        "FrameSides", "FrameStyle", "FrameVisible", "FramingPreference"};
    EXPECT_EQ(NamesOf(all), order);
    EXPECT_EQ(all.writes[12].second, 0xF) << "sides as their bits";

    // Only what the control publishes and accepts; attaching twice adds nothing.
    PropertyControl some({QStringLiteral("Color"), QStringLiteral("FrameColor"), QStringLiteral("FrameStyle")},
                         TSkFrameControllerNotifications{fcpColor, fcpFrameStyle});
    fc.AddControl(&some);
    fc.AddControl(&some);
    EXPECT_EQ(NamesOf(some), (std::vector<QString>{"Color", "FrameStyle"}));
    EXPECT_EQ(fc.ControlCount(), 2);

    // A setter pushes its one property; an unchanged value pushes nothing.
    all.writes.clear();
    some.writes.clear();
    fc.SetFrameColor(clRed);
    fc.SetFrameColor(clRed);
    ASSERT_EQ(all.writes.size(), 1u);
    EXPECT_EQ(all.writes[0], std::make_pair(QStringLiteral("FrameColor"), clRed));
    EXPECT_TRUE(some.writes.empty()) << "FrameColor is not among its notifications";

    // ParentColor keeps Color from being written in a full update.
    fc.SetParentColor(true);
    all.writes.clear();
    fc.UpdateControls();
    const std::vector<QString> names = NamesOf(all);
    EXPECT_EQ(std::count(names.begin(), names.end(), QStringLiteral("Color")), 0);
    EXPECT_EQ(names.size(), order.size() - 1);
    fc.RemoveControl(&all);
    fc.RemoveControl(&some);
}

TEST(FrameController, SettingRules)
{
    TSkFrameController fc(nullptr);
    EXPECT_EQ(fc.FocusColor(), fc.Color());
    fc.SetColor(clYellow);
    EXPECT_EQ(fc.FocusColor(), clYellow) << "focus colour moves along with an equal colour";
    fc.SetFocusColor(clAqua);
    fc.SetColor(clLime);
    EXPECT_EQ(fc.FocusColor(), clAqua);

    fc.SetFrameSides({sdLeft});
    fc.SetFrameHotTrack(true);
    EXPECT_TRUE(fc.FrameVisible());
    EXPECT_EQ(fc.FrameSides(), sdAllSides);
}

TEST(FrameController, UpdatesAreBatchedBetweenBeginAndEnd)
{
    TSkFrameController fc(nullptr);
    PropertyControl c(AllNames());
    fc.AddControl(&c);
    c.writes.clear();
    fc.BeginUpdate();
    fc.BeginUpdate();
    fc.SetFrameColor(clRed);
    fc.SetFrameStyle(fsGroove);
    fc.EndUpdate();
    EXPECT_TRUE(c.writes.empty()) << "still inside the outer pair";
    fc.EndUpdate();
    EXPECT_EQ(c.writes.size(), 16u) << "one full push";
    // An unmatched EndUpdate still pushes everything and leaves the count at 0.
    c.writes.clear();
    fc.EndUpdate();
    EXPECT_EQ(c.writes.size(), 16u);
    c.writes.clear();
    fc.SetFrameVisible(true);
    EXPECT_EQ(c.writes.size(), 1u) << "not stuck in an update";
    fc.RemoveControl(&c);
}

TEST(FrameController, FreedControlLeavesTheList)
{
    TSkFrameController fc(nullptr);
    auto *c = new PropertyControl(AllNames());
    fc.AddControl(c);
    delete c;
    EXPECT_EQ(fc.ControlCount(), 0);
    fc.SetColor(clRed); // must not touch the freed control
}

struct NotifyControl : TControl, IRzFrameControllerNotify {
    NotifyControl() : TControl(nullptr) {}
    void FrameControllerNotify(TSkFrameController *) override { ++calls; }
    int calls = 0;
};

TEST(FrameController, SelfApplyingControlsAreOnlyNotified)
{
    TSkFrameController fc(nullptr);
    NotifyControl c;
    fc.AddControl(&c);
    fc.SetFrameColor(clRed);
    EXPECT_EQ(c.calls, 2);
    fc.RemoveControl(&c);
}

TEST_F(StoreFixture, FrameControllerLoadsAndSavesThroughTheStore)
{
    TSkFrameController fc(nullptr);
    try {
        fc.Load(QStringLiteral("Frames"));
        FAIL() << "no store";
    } catch (const ENoRegIniFile &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot load Custom Framing settings--No TSkRegIniFile component specified"));
    }
    EXPECT_THROW(fc.Save(QStringLiteral("Frames")), ENoRegIniFile);

    TSkRegIniFile store(nullptr);
    store.SetPath(QStringLiteral("frames"));
    fc.SetRegIniFile(&store);
    PropertyControl c(AllNames());
    fc.AddControl(&c);

    // An empty section gives the defaults; DisabledColor's default there is clWindow.
    fc.SetDisabledColor(clRed);
    fc.SetFrameStyle(fsGroove);
    c.writes.clear();
    fc.Load(QStringLiteral("Empty"));
    EXPECT_EQ(fc.DisabledColor(), clWindow);
    EXPECT_EQ(fc.FrameStyle(), fsFlat);
    EXPECT_EQ(fc.FrameHotStyle(), fsFlatBold);
    EXPECT_EQ(fc.FrameSides(), sdAllSides);
    EXPECT_EQ(fc.FramingPreference(), fpXPThemes);
    EXPECT_EQ(c.writes.size(), 16u) << "controls updated once at the end";

    fc.SetColor(clTeal);
    fc.SetFrameSides({sdTop, sdBottom});
    fc.SetFrameHotStyle(fsLowered);
    fc.Save(QStringLiteral("Frames"));
    TSkFrameController other(nullptr);
    other.SetRegIniFile(&store);
    other.Load(QStringLiteral("Frames"));
    EXPECT_EQ(other.Color(), clTeal);
    EXPECT_EQ(other.FrameSides(), (TSides{sdTop, sdBottom}));
    EXPECT_EQ(other.FrameHotStyle(), fsLowered);
    EXPECT_EQ(store.ReadBool(QStringLiteral("Frames"), QStringLiteral("FrameSides_Left"), true), false);
    fc.RemoveControl(&c);
}

} // namespace
