#include "PortScan.h"

#include "SerialDevice.h"

#include <algorithm>

namespace rundaro::serial {

PortScanResult ScanPorts(std::uint8_t last, const std::function<bool(std::uint8_t)> &probe)
{
    PortScanResult result;
    for (unsigned n = 1; n <= last; ++n) {
        const auto port = static_cast<std::uint8_t>(n);
        if (!probe(port))
            continue;
        // Only COM1-COM16 have a bit; the top half names the highest port.
        const std::uint32_t bit = n <= 16 ? (1u << (n - 1)) : 0u;
        result.mask = bit | (result.mask & 0xFFFFu) | (std::uint32_t(n) << 16);
        result.ports.push_back(port);
    }
    return result;
}

PortScanResult ScanPorts()
{
    const std::vector<std::uint8_t> present = ListPorts();
    return ScanPorts(HighestScannedPort(), [&present](std::uint8_t port) {
        return std::find(present.begin(), present.end(), port) != present.end();
    });
}

bool ProbePort(std::uint8_t port)
{
    const std::vector<std::uint8_t> present = ListPorts();
    return std::find(present.begin(), present.end(), port) != present.end();
}

std::uint8_t HighestScannedPort()
{
#ifdef _WIN32
    return 255;
#else
    return 96;
#endif
}

std::uint8_t PortNumberOf(const std::string &name)
{
    for (unsigned n = 1; n <= HighestScannedPort(); ++n) {
        const std::string device = PortDeviceName(static_cast<std::uint8_t>(n));
        if (!device.empty() && device.substr(device.find_last_of("\\/") + 1) == name)
            return static_cast<std::uint8_t>(n);
    }
    return 0;
}

std::string PortDisplayName(std::uint8_t port)
{
#ifdef _WIN32
    return "COM" + std::to_string(port);
#else
    return PortDeviceName(port);
#endif
}

} // namespace rundaro::serial
