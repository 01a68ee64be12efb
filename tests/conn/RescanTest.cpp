#include <memory>

#include "CommandClasses.h"
#include "ConnFixture.h"

namespace {

// How the network candidate's attempt ended while the device was away.
enum class AttemptEnd { Failed, Halted };

class NetworkRescan : public testing::TestWithParam<AttemptEnd> {};

// The socket that Rescan (or the network setup) connects after an attempt
// ended belongs to no attempt: nothing opens a link over it until the scan's
// next attempt does, and that one goes online over the socket and keeps it.
TEST_P(NetworkRescan, ASocketConnectedAfterTheAttemptEndedOpensNothing)
{
    ConnFixture f(Transport::Tcp);
    f.ui.candidates.resize(1);
    const uint16_t port = static_cast<SimTcp &>(*f.sim).Port();
    f.sim.reset();
    f.Connect();
    if (GetParam() == AttemptEnd::Failed) {
        ASSERT_TRUE(PumpUntil([&] { return f.ui.scanFailed; }, 10000));
    } else {
        // The attempt waits for the socket; Demo closes the dialog.
        PumpFor(300);
        ASSERT_FALSE(f.ui.scanFailed);
        f.ui.HideConnectDialog();
    }
    f.sim = std::make_unique<SimTcp>(1, port);
    f.factory.DiscoverDevices();
    ASSERT_TRUE(PumpUntil([&] { return f.factory.Socket().IsConnected(); }, 5000));
    PumpFor(300);
    EXPECT_EQ(f.sim->FrameCount(), 0u) << "a probe without an attempt";
    EXPECT_FALSE(f.main.HasLink());

    f.ui.dialogVisible = true;
    f.ui.StartConnectScan();
    ASSERT_TRUE(PumpUntil([&] { return f.UploadDone() && !f.ui.dialogVisible; }, 30000));
    PumpFor(300);
    EXPECT_TRUE(f.main.HasLinkOfKind(LLinkPort::Kind::Net));
    EXPECT_TRUE(f.factory.Socket().IsConnected());
    EXPECT_EQ(f.ui.linkButtonCaption, "OnLine");
    EXPECT_TRUE(f.main.IsLevelPolling());
    f.main.Model().SetMute(0, 1);
    EXPECT_TRUE(PumpUntil([&] { return f.sim->WithSim([](SimProcessor &s) { return s.image.inputMuteMask & 1; }); },
                          5000));
}

INSTANTIATE_TEST_SUITE_P(Ends, NetworkRescan, testing::Values(AttemptEnd::Failed, AttemptEnd::Halted),
                         [](const testing::TestParamInfo<AttemptEnd> &p) {
                             return p.param == AttemptEnd::Failed ? "Failed" : "Halted";
                         });

} // namespace
