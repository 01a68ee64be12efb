#include "../plot/MessageOf.h"
#include "ModuleLoader.h"
#include "Stream.h"
#include "gOPCLibrary.h"
#include "gOPCManager.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

struct OPCManagerFixture : ::testing::Test {
    TgOPCLibrary fake{QStringLiteral(FAKE_OPC_FULL)};
    TModuleLoader hooks{FAKE_OPC_FULL};
    int RegisteredGroups()
    {
        void *f = nullptr;
        EXPECT_TRUE(hooks.GetProcedure("FakeGroupCount", f));
        return f ? reinterpret_cast<int32_t (*)()>(f)() : -1;
    }
};

TEST(OPCManager, WithoutTheLibraryGroupsRecordNamesOnly)
{
    TgOPCManager m(nullptr);
    m.SetBounds(5, 6, 100, 50);
    EXPECT_EQ(m.BoundsRect(), TRect(5, 6, 33, 34));
    EXPECT_EQ(m.GroupAdd("Line1", "Local", "Srv", 250), 0);
    m.GroupAdd("Line2", "Local", "Srv", 500);
    EXPECT_EQ(m.GetGroup(0)->DLLGroupHandle(), 0);
    EXPECT_EQ(m.GetGroupIndex("LINE1"), 0);
    EXPECT_EQ(m.GetGroupIndex("line2"), 1);
    EXPECT_EQ(m.GetGroupIndex("Line3"), -1);
    EXPECT_EQ(MessageOf([&] { m.GetGroup(0)->Resume(); }), "Tarvex OPC DLL Not Found.");
    EXPECT_EQ(MessageOf([&] { m.CloseAllServerConnections(); }), "Tarvex OPC DLL Not Found.");
    m.GroupDelete(0);
    EXPECT_EQ(m.GetGroupCount(), 1);
}

TEST_F(OPCManagerFixture, GroupsStreamAndRegisterAgain)
{
    TMemoryStream stream;
    {
        TgOPCManager m(nullptr, &fake);
        m.GroupAdd("Line1", "Local", QString::fromUtf8("Server \xE4\xB8\xAD"), 250);
        m.GroupAdd("Line2", "Host", "Other", 1000);
        EXPECT_EQ(RegisteredGroups(), 2);
        TWriter w(&stream);
        w.WriteProperties(&m);
        w.WriteListEnd();
    }
    EXPECT_EQ(RegisteredGroups(), 0); // the manager's end ends its groups
    stream.SetPosition(0);
    TgOPCManager copy(nullptr, &fake);
    TReader r(&stream);
    r.ReadProperties(&copy);
    ASSERT_EQ(copy.GetGroupCount(), 2);
    EXPECT_EQ(copy.GetGroup(0)->Name(), "Line1");
    EXPECT_EQ(copy.GetGroup(0)->OPCServerName(), QString::fromUtf8("Server \xE4\xB8\xAD"));
    EXPECT_EQ(copy.GetGroup(1)->ComputerName(), "Host");
    EXPECT_EQ(copy.GetGroup(1)->UpdateRate(), 1000);
    EXPECT_NE(copy.GetGroup(1)->DLLGroupHandle(), 0);
    EXPECT_EQ(RegisteredGroups(), 2);
    copy.GetGroup(1)->SetUpdateRate(100);
    copy.GetGroup(1)->Suspend();
    copy.GetGroup(1)->Resume();
    copy.CloseAllServerConnections();
}

TEST_F(OPCManagerFixture, NotificationsNameTheirGroup)
{
    TgOPCManager m(nullptr, &fake);
    m.GroupAdd("Line1", "Local", "Srv", 250);
    std::vector<QString> before, after;
    m.OnBeforeGroupUpdate = [&](TObject *, const QString &n) { before.push_back(n); };
    m.OnAfterGroupUpdate = [&](TObject *, const QString &n) { after.push_back(n); };
    void *notify = nullptr;
    ASSERT_TRUE(hooks.GetProcedure("FakeNotifyGroup", notify));
    const int handle = m.GetGroup(0)->DLLGroupHandle();
    reinterpret_cast<void (*)(int32_t, int32_t)>(notify)(handle, handle);
    reinterpret_cast<void (*)(int32_t, int32_t)>(notify)(handle, 9999); // no group has it
    EXPECT_EQ(before, (std::vector<QString>{"Line1", ""}));
    EXPECT_EQ(after, before);
}

TEST_F(OPCManagerFixture, TeardownSwallowsLibraryErrors)
{
    auto m = std::make_unique<TgOPCManager>(nullptr, &fake);
    m->GroupAdd("busy", "Local", "Srv", 250);
    m->GroupAdd("Line2", "Local", "Srv", 250);
    EXPECT_EQ(MessageOf([&] { m->GroupDelete(0); }), "Group busy"); // raised when called directly
    EXPECT_EQ(m->GetGroupCount(), 1);
    m->GroupAdd("busy", "Local", "Srv", 250);
    EXPECT_NO_THROW(m.reset());
    EXPECT_EQ(RegisteredGroups(), 0);
}

TEST_F(OPCManagerFixture, AGroupLetGoHearsNothingMoreEvenWhenTheLibraryObjects)
{
    auto m = std::make_unique<TgOPCManager>(nullptr, &fake);
    m->GroupAdd("busy", "Local", "Srv", 250);
    int heard = 0;
    m->OnAfterGroupUpdate = [&](TObject *, const QString &) { ++heard; };
    void *deliver = nullptr;
    ASSERT_TRUE(hooks.GetProcedure("FakeDeliverGroup", deliver));
    // A delivery from a library thread waits on the UI thread's queue...
    reinterpret_cast<void (*)(int32_t, uint8_t)>(deliver)(m->GetGroup(0)->DLLGroupHandle(), 1);
    // ...while the group goes, the library objecting.
    EXPECT_EQ(MessageOf([&] { m->GroupDelete(0); }), "Group busy");
    QCoreApplication::processEvents();
    EXPECT_EQ(heard, 0);
}

} // namespace
