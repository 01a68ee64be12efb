#include "Exceptions.h"
#include "ModuleLoader.h"
#include "gOPCLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QThread>
#include <gtest/gtest.h>

namespace {

QString MessageOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const Exception &e) {
        return e.Message();
    }
    return QStringLiteral("(nothing raised)");
}

TEST(OPCLibrary, AbsentIsSilentAndInert)
{
    for (const char *name : {"libno-such-opc-library.so", "/nonexistent/libtarvexopc.so", "", "relative/" FAKE_OPC_FULL}) {
        TgOPCLibrary lib(QString::fromUtf8(name));
        EXPECT_TRUE(lib.LibraryMissing()) << name;
        EXPECT_EQ(MessageOf([&] { lib.CheckLibrary(); }), "Tarvex OPC DLL Not Found.");
        EXPECT_EQ(MessageOf([&] { lib.SignalAdd("", "S", "I", "G", 100, false, 0, {}); }), "Tarvex OPC DLL Not Found.");
        EXPECT_EQ(MessageOf([&] { lib.GroupResume(1); }), "Tarvex OPC DLL Not Found.");
        EXPECT_FALSE(lib.ManagerCreated());
        lib.ManagerDestroyed();
        EXPECT_TRUE(lib.GetLastCallErrorString().isEmpty());
    }
    // The program's own binding: no library is installed here.
    EXPECT_TRUE(OPCLibrary().LibraryMissing());
}

TEST(OPCLibrary, RelativePathIsNeverLoaded)
{
    // The fake library reached through a relative path from the working folder.
    const QString relative = QDir::current().relativeFilePath(QStringLiteral(FAKE_OPC_FULL));
    ASSERT_FALSE(QDir::isAbsolutePath(relative));
    TgOPCLibrary lib(relative);
    EXPECT_TRUE(lib.LibraryMissing());
}

TEST(OPCLibrary, CallsAndValues)
{
    TgOPCLibrary lib(QStringLiteral(FAKE_OPC_FULL));
    ASSERT_FALSE(lib.LibraryMissing());
    EXPECT_TRUE(lib.ManagerCreated());
    int calls = 0;
    const int h = lib.SignalAdd("", "Server", QString::fromUtf8("Tag \xE4\xB8\xAD"), "Group", 100, false, 5, [&] { ++calls; });
    EXPECT_GT(h, 0);
    EXPECT_TRUE(lib.SignalGetActive(h));
    lib.SignalSuspend(h);
    EXPECT_TRUE(lib.SignalGetUpdateSuspended(h));
    lib.SignalResume(h);
    EXPECT_FALSE(lib.SignalGetUpdateSuspended(h));

    const QVariant values[] = {QVariant(true), QVariant(-42), QVariant(2.5), QVariant(QString::fromUtf8("x \xE4\xB8\xAD"))};
    for (const QVariant &v : values) {
        lib.SignalSendData(h, v);
        EXPECT_EQ(lib.SignalGetData(h).toString(), v.toString());
    }
    EXPECT_EQ(calls, 4); // the fake reports each written value back at once
    EXPECT_EQ(lib.SignalGetQuality(h), 0xC0);
    EXPECT_EQ(lib.SignalGetTimeStamp(h), 46000.5);
    EXPECT_EQ(lib.ServerConnectionGetCount(), 2);
    EXPECT_EQ(lib.ServerConnectionGetName(0), QString::fromUtf8("Server \xE4\xB8\xAD"));

    // A library error after a call is raised as it stands.
    EXPECT_EQ(MessageOf([&] { lib.SignalSendData(h, "refuse"); }), QString::fromUtf8("Write refused by \"Tag \xE4\xB8\xAD\""));
    EXPECT_EQ(MessageOf([&] { lib.ServerConnectionGetName(7); }), "Index out of range");
    lib.SignalRemove(h);
    EXPECT_EQ(MessageOf([&] { lib.SignalGetActive(h); }), "Unknown handle");

    lib.ManagerDestroyed(); // an entry the fake lacks: skipped
}

TEST(OPCLibrary, MissingEntry)
{
    TgOPCLibrary lib(QStringLiteral(FAKE_OPC_NORESUME));
    ASSERT_FALSE(lib.LibraryMissing());
    const int h = lib.SignalAdd("", "S", "I", "G", 100, true, 0, {});
    EXPECT_EQ(MessageOf([&] { lib.SignalResume(h); }),
              QStringLiteral("Function \"SignalResume\" not found in \"%1\".").arg(FAKE_OPC_NORESUME));
    lib.SignalSuspend(h); // the other entries work
    EXPECT_TRUE(lib.SignalGetUpdateSuspended(h));
}

TEST(OPCLibrary, CallbackFromAnotherThreadRunsOnTheUiThread)
{
    TgOPCLibrary lib(QStringLiteral(FAKE_OPC_FULL));
    ASSERT_FALSE(lib.LibraryMissing());
    QThread *seen = nullptr;
    int calls = 0;
    const int h = lib.SignalAdd("", "S", "I", "G", 100, false, 0, [&] {
        seen = QThread::currentThread();
        ++calls;
        throw Exception("stays on our side");
    });
    TModuleLoader fake(FAKE_OPC_FULL);
    void *fire = nullptr;
    ASSERT_TRUE(fake.GetProcedure("FakeFireFromThread", fire));
    reinterpret_cast<void (*)(int32_t)>(fire)(h);
    EXPECT_EQ(calls, 0); // posted, not run on the library's thread
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seen, QCoreApplication::instance()->thread());

    // Removed before the posted call runs: it is dropped.
    reinterpret_cast<void (*)(int32_t)>(fire)(h);
    lib.SignalRemove(h);
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 1);
}

} // namespace
