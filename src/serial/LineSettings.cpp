#include "LineSettings.h"

namespace rundaro::serial {

DeviceControlBlock BuildControlBlock(const LineSettings &s)
{
    DeviceControlBlock dcb;
    dcb.BaudRate = s.baudRate == kBaudUserOrdinal || s.baudRate >= kBaudRates.size()
        ? static_cast<std::uint32_t>(s.baudRateUser)
        : kBaudRates[s.baudRate];
    dcb.Flags = DCB_BINARY;
    if (s.enableDTR)
        dcb.Flags |= DCB_DTR_CONTROL_ENABLE;
    if (s.flowControl == FlowControl::RtsCts)
        dcb.Flags |= DCB_OUTX_CTS_FLOW | DCB_RTS_CONTROL_HANDSHAKE;
    else if (s.enableRTS)
        dcb.Flags |= DCB_RTS_CONTROL_ENABLE;
    if (s.flowControl == FlowControl::XonXoff)
        dcb.Flags |= DCB_OUTX | DCB_INX;
    dcb.XonLim = static_cast<std::uint16_t>(s.writeBufSize / 4);
    dcb.XoffLim = 1;
    dcb.ByteSize = s.dataBits;
    dcb.Parity = s.parity;
    dcb.StopBits = s.stopBits;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    return dcb;
}

CommTimeouts ApplyTimeouts(CommTimeouts t)
{
    t.ReadIntervalTimeout = 0xFFFFFFFF;
    t.ReadTotalTimeoutMultiplier = 0;
    t.ReadTotalTimeoutConstant = 0;
    t.WriteTotalTimeoutMultiplier = 1000;
    t.WriteTotalTimeoutConstant = 1500;
    return t;
}

std::uint32_t EventMaskOf(std::uint16_t eventSet)
{
    std::uint32_t mask = 0;
    for (std::size_t i = 0; i < kEventBits.size(); ++i) {
        if (eventSet & (1u << i))
            mask |= kEventBits[i];
    }
    return mask;
}

bool ApplySettings(Device &device, const LineSettings &settings)
{
    if (!device.SetState(BuildControlBlock(settings)))
        return false;
    CommTimeouts timeouts;
    if (!device.GetTimeouts(timeouts))
        return false;
    if (!device.SetTimeouts(ApplyTimeouts(timeouts)))
        return false;
    return device.SetupQueues(settings.readBufSize, settings.writeBufSize);
}

} // namespace rundaro::serial
