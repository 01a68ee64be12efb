#include "LinkRig.h"
#include "LinkTestUtil.h"

#include <gtest/gtest.h>

namespace {

// A link whose received-input wait cannot work, as when its descriptor is gone.
template <class Proc>
class FailingWait : public Proc {
public:
    FailingWait(LinkOwner &o) : Proc(o, [](const uint8_t *, size_t) { return true; }) {}
    ~FailingWait() override { this->Close(); }

protected:
    WaitItem ReceiveItem() override { return WaitItem::Input(-1); }
};

template <class Proc>
void ExpectAFailedWaitIsReported(const char *kind)
{
    TestOwner owner;
    FailingWait<Proc> link(owner);
    link.SetPollingSuspended(true);
    ASSERT_TRUE(link.Open()) << kind;
    ASSERT_TRUE(PumpUntil([&] { return !owner.errors.empty(); })) << kind;
    EXPECT_EQ(owner.errors[0].code, int(LinkErrorWaitFailed)) << kind;
    EXPECT_EQ(owner.errors[0].source, link.Source().Id()) << kind;
    EXPECT_TRUE(PumpUntil([&] { return !link.IsOpen(); })) << kind;
    link.QueueFrame(Gain(4, 1), false); // the link takes nothing more
    EXPECT_FALSE(link.IsBusy()) << kind;
}

} // namespace

TEST(ChunkLinks, AWorkerEndingOnAFailedWaitPostsALinkError)
{
    ExpectAFailedWaitIsReported<LUsbProc>("usb");
    ExpectAFailedWaitIsReported<LNetProc>("net");
}

TEST(UsbLink, ChunksHandedInBeforeTheWorkerDrainsAreAllKept)
{
    UsbRig rig;
    ASSERT_TRUE(rig.Open());
    rig.link->SetPollingSuspended(true);
    rig.sim.knobs.silent = true;
    rig.link->QueueFrame(Gain(4, 1), false);
    ASSERT_TRUE(rig.sim.WaitForFrames(1, 2000));
    // Both halves go in at once, on the UI thread, before the worker runs.
    rig.link->PutReceived(kAck.data(), 4);
    rig.link->PutReceived(kAck.data() + 4, kAck.size() - 4);
    ASSERT_TRUE(PumpUntil([&] { return rig.owner.replies.size() == 1; }));
    EXPECT_EQ(rig.owner.replies[0].bytes, kAck);
    PumpFor(50);
    EXPECT_EQ(rig.owner.replies.size(), 1u);
}
