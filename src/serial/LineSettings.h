#pragma once

#include "SerialDevice.h"

#include <array>
#include <cstdint>

// The line settings a port is opened with, and how they become a device
// control block, time-outs and an event mask. Values are the ordinals of the
// component's enumerations, so this stays free of the component.
namespace rundaro::serial {

// Line speed of each baud-rate ordinal; the last one (user) is a placeholder
// for the user's own speed. The 76500 entry really runs at 57600.
inline constexpr std::array<std::uint32_t, 16> kBaudRates = {
    110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000, 0,
};
inline constexpr std::uint8_t kBaudUserOrdinal = 15;

// Port event bit of each event-set member, by ordinal (RxChar, TxEmpty,
// RxFlag, Ring, Break, CTS, DSR, Error, RLSD).
inline constexpr std::array<std::uint32_t, 9> kEventBits = {
    EV_RXCHAR, EV_TXEMPTY, EV_RXFLAG, EV_RING, EV_BREAK, EV_CTS, EV_DSR, EV_ERR, EV_RLSD,
};

// Order in which the events of one completed wait fire.
inline constexpr std::array<std::uint32_t, 9> kDispatchOrder = {
    EV_RXCHAR, EV_TXEMPTY, EV_BREAK, EV_RING, EV_CTS, EV_DSR, EV_RXFLAG, EV_RLSD, EV_ERR,
};

enum class FlowControl : std::uint8_t { None, RtsCts, XonXoff };

struct LineSettings
{
    std::uint8_t baudRate = 6; // ordinal into kBaudRates
    std::int32_t baudRateUser = 28800;
    std::uint8_t parity = NOPARITY;
    std::uint8_t stopBits = ONESTOPBIT;
    FlowControl flowControl = FlowControl::None;
    std::uint8_t dataBits = 8;
    bool enableDTR = true;
    // RTS on while open, where no RTS/CTS handshake drives it: the second
    // contact (between RTS and CTS) takes its voltage from it. Off, RTS
    // stays off.
    bool enableRTS = false;
    std::int32_t writeBufSize = 2048;
    std::int32_t readBufSize = 2048;
};

DeviceControlBlock BuildControlBlock(const LineSettings &settings);

// Reads return at once with what is buffered; writes time out after
// 1000 ms per byte plus 1500 ms.
CommTimeouts ApplyTimeouts(CommTimeouts timeouts);

// Port event mask of an event set given as bits by ordinal (bit 0 RxChar ...).
std::uint32_t EventMaskOf(std::uint16_t eventSet);

// Configures `device` in the order line state, time-outs (read, then set),
// queue sizes; returns false at the first refused call, whose error number
// the device then reports.
bool ApplySettings(Device &device, const LineSettings &settings);

} // namespace rundaro::serial
