#include "LineSettings.h"
#include "SimulatedLine.h"

#include <gtest/gtest.h>

using namespace rundaro::serial;

TEST(LineSettings, BaudRateOrdinalsGiveTheLineSpeed)
{
    const std::uint32_t expected[]
        = {110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000};
    for (std::uint8_t ordinal = 0; ordinal < std::size(expected); ++ordinal) {
        LineSettings s;
        s.baudRate = ordinal;
        EXPECT_EQ(BuildControlBlock(s).BaudRate, expected[ordinal]) << int(ordinal);
    }
    LineSettings user;
    user.baudRate = kBaudUserOrdinal;
    EXPECT_EQ(BuildControlBlock(user).BaudRate, 28800u);
    user.baudRateUser = 31250;
    EXPECT_EQ(BuildControlBlock(user).BaudRate, 31250u);
}

TEST(LineSettings, ControlBlockOfTheMainWindowsPort)
{
    LineSettings s;
    s.dataBits = 5;
    s.writeBufSize = 64;
    s.readBufSize = 64;
    const DeviceControlBlock dcb = BuildControlBlock(s);
    EXPECT_EQ(dcb.DCBlength, 28u);
    EXPECT_EQ(dcb.BaudRate, 9600u);
    EXPECT_EQ(dcb.Flags, DCB_BINARY | DCB_DTR_CONTROL_ENABLE);
    EXPECT_EQ(dcb.XonLim, 16);
    EXPECT_EQ(dcb.XoffLim, 1);
    EXPECT_EQ(dcb.ByteSize, 5);
    EXPECT_EQ(dcb.Parity, NOPARITY);
    EXPECT_EQ(dcb.StopBits, ONESTOPBIT);
    EXPECT_EQ(dcb.XonChar, 0x11);
    EXPECT_EQ(dcb.XoffChar, 0x13);
    EXPECT_EQ(dcb.ErrorChar, 0);
    EXPECT_EQ(dcb.EofChar, 0);
    EXPECT_EQ(dcb.EvtChar, 0);
}

TEST(LineSettings, FlagWordFollowsHandshakeAndIgnoresParity)
{
    struct Case
    {
        FlowControl flow;
        bool dtr;
        std::uint8_t parity;
        std::uint32_t flags;
        bool rts = false; // the second contact's voltage
    };
    const Case cases[] = {
        {FlowControl::None, false, NOPARITY, 0x0001},
        {FlowControl::None, true, EVENPARITY, 0x0011},
        {FlowControl::RtsCts, true, ODDPARITY, 0x0001 | 0x0010 | 0x0004 | 0x2000},
        {FlowControl::XonXoff, false, MARKPARITY, 0x0001 | 0x0100 | 0x0200},
        {FlowControl::None, true, NOPARITY, 0x0001 | 0x0010 | 0x1000, true},
        // The handshake drives RTS itself.
        {FlowControl::RtsCts, true, NOPARITY, 0x0001 | 0x0010 | 0x0004 | 0x2000, true},
    };
    for (const Case &c : cases) {
        LineSettings s;
        s.flowControl = c.flow;
        s.enableDTR = c.dtr;
        s.enableRTS = c.rts;
        s.parity = c.parity;
        const DeviceControlBlock dcb = BuildControlBlock(s);
        EXPECT_EQ(dcb.Flags, c.flags);
        EXPECT_EQ(dcb.Parity, c.parity);
    }
}

TEST(LineSettings, XonLimitIsAQuarterOfTheTransmitQueue)
{
    const std::pair<std::int32_t, std::uint16_t> cases[] = {{64, 16}, {2048, 512}, {7, 1}, {3, 0}};
    for (const auto &[size, limit] : cases) {
        LineSettings s;
        s.writeBufSize = size;
        s.readBufSize = 1;
        EXPECT_EQ(BuildControlBlock(s).XonLim, limit) << size;
        EXPECT_EQ(BuildControlBlock(s).XoffLim, 1);
    }
}

TEST(LineSettings, TimeoutsAreAllOverwritten)
{
    const CommTimeouts t = ApplyTimeouts({1, 2, 3, 4, 5});
    EXPECT_EQ(t, (CommTimeouts{0xFFFFFFFF, 0, 0, 1000, 1500}));
}

TEST(LineSettings, EventMaskFromTheEventSet)
{
    EXPECT_EQ(EventMaskOf(1u << 6), 0x0010u); // DSR only
    EXPECT_EQ(EventMaskOf(0x01FF), 0x01FFu);
    EXPECT_EQ(EventMaskOf(0), 0u);
    // RxChar, TxEmpty, RxFlag, Ring, Break, CTS, DSR, Error, RLSD
    const std::uint32_t bits[] = {0x1, 0x4, 0x2, 0x100, 0x40, 0x8, 0x10, 0x80, 0x20};
    for (int ordinal = 0; ordinal < 9; ++ordinal)
        EXPECT_EQ(EventMaskOf(static_cast<std::uint16_t>(1u << ordinal)), bits[ordinal]);
}

TEST(LineSettings, ApplyStopsAtTheFirstRefusedCall)
{
    using Call = SimulatedLine::Call;
    const Call calls[] = {Call::SetState, Call::GetTimeouts, Call::SetTimeouts, Call::SetupQueues};
    for (Call call : calls) {
        auto line = SimulatedLine::Create();
        line->FailCall(call, 31);
        OpenResult opened = line->Open(1);
        ASSERT_TRUE(opened.device);
        EXPECT_FALSE(ApplySettings(*opened.device, LineSettings{}));
        EXPECT_EQ(opened.device->LastError(), 31u);
    }
    auto line = SimulatedLine::Create();
    OpenResult opened = line->Open(1);
    LineSettings s;
    s.readBufSize = 64;
    s.writeBufSize = 128;
    ASSERT_TRUE(ApplySettings(*opened.device, s));
    const SimulatedLine::State state = line->Snapshot();
    EXPECT_EQ(state.dcb, BuildControlBlock(s));
    EXPECT_EQ(state.timeouts, ApplyTimeouts({}));
    EXPECT_EQ(state.receiveQueue, 64);
    EXPECT_EQ(state.transmitQueue, 128);
}
