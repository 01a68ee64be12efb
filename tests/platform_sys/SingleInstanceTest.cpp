#include "SingleInstance.h"

#include "PumpEvents.h"

#include <QFile>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QString TestName()
{
    return QStringLiteral("tq62-single-test-%1").arg(getpid());
}

} // namespace

TEST(SingleInstance, SecondCopyAsksTheFirstToShowAndIsRefused)
{
    SingleInstance first(TestName());
    int requests = 0;
    first.OnActivateRequest = [&] { ++requests; };
    ASSERT_TRUE(first.Claim());

    SingleInstance second(TestName());
    EXPECT_FALSE(second.Claim());
    EXPECT_TRUE(PumpUntil([&] { return requests == 1; }, 5000));

    SingleInstance third(TestName());
    EXPECT_FALSE(third.Claim());
    EXPECT_TRUE(PumpUntil([&] { return requests == 2; }, 5000));
}

TEST(SingleInstance, SocketLeftByACrashedCopyIsTakenOver)
{
    // A socket file bound and never closed properly, as a crashed copy leaves it.
    const QByteArray path = SingleInstance(TestName()).SocketPath().toUtf8();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<size_t>(path.size()), sizeof addr.sun_path);
    std::memcpy(addr.sun_path, path.constData(), static_cast<size_t>(path.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(QString::fromUtf8(path)));

    SingleInstance next(TestName());
    EXPECT_TRUE(next.Claim());
    SingleInstance after(TestName());
    EXPECT_FALSE(after.Claim());
}

TEST(SingleInstance, FirstCopyGoneLetsTheNextOneStart)
{
    {
        SingleInstance first(TestName());
        ASSERT_TRUE(first.Claim());
    }
    SingleInstance next(TestName());
    EXPECT_TRUE(next.Claim());
}

// A copy started while the first one is still making its windows is not
// lost: its request waits until the first copy can show itself.
TEST(SingleInstance, RequestBeforeTheHandlerIsServedOnceItIsSet)
{
    SingleInstance first(TestName());
    ASSERT_TRUE(first.Claim());
    SingleInstance second(TestName());
    EXPECT_FALSE(second.Claim());
    PumpFor(50);
    int requests = 0;
    first.OnActivateRequest = [&] { ++requests; };
    first.HandlePending();
    EXPECT_EQ(requests, 1);
}
