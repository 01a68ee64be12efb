// The USB link as the HID side will drive it: frames leave through the writer
// given to OpenUsbLink as reports, received reports go to the open link.
#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>

#include "CM_MCS_CMD.h"
#include "ChunkLinkTransport.h"
#include "ConnFixture.h"
#include "LUsb.h"

namespace {

TEST(ConnUsb, HandshakeAndUploadThroughTheWriterHook)
{
    SimHid hid(1);
    LHeadlessUi ui;
    LSysLinkFactory factory;
    LMainLink main(&ui, &factory);
    ui.SetMain(&main);
    hid.WithSim([](SimProcessor &s) { s.image.outputs[4].gain = 222; });

    const int fd = hid.HostFd();
    auto writer = [fd](const uint8_t *p, size_t n) {
        uint8_t report[1 + SimHid::kReportData] = {};
        if (n > SimHid::kReportData)
            return false;
        std::copy(p, p + n, report + 1);
        return send(fd, report, sizeof report, MSG_NOSIGNAL) == ssize_t(sizeof report);
    };
    QSocketNotifier reader(fd, QSocketNotifier::Read);
    QObject::connect(&reader, &QSocketNotifier::activated, [&] {
        uint8_t report[1 + SimHid::kReportData + 8];
        const ssize_t got = recv(fd, report, sizeof report, 0);
        if (got < 1 + 9 || !factory.UsbLink())
            return;
        const size_t n = std::min<size_t>(size_t(report[1 + 4]) + 8, size_t(got - 1));
        factory.UsbLink()->PutReceived(report + 1, n);
    });

    ui.candidates.push_back({"USB", [&](LMainLink &m) { m.OpenUsbLink(writer); }, 6000});
    main.skbMenuLinkClick();
    ASSERT_TRUE(PumpUntil([&] { return main.IsOnline() && ui.pageRefreshes > 0 && main.GetSequence() == LMainLink::Sequence::None; }));
    EXPECT_EQ(ui.interfaceLabel, "USB");
    EXPECT_EQ(main.Model().GetGain(8), 222);
    main.CloseLink();
    EXPECT_EQ(factory.UsbLink(), nullptr);
}

} // namespace
