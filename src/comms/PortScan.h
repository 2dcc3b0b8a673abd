#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Finding the serial ports present at start, for the port list.
namespace rundaro::serial {

struct PortScanResult
{
    // Bit n-1 set for each port n <= 16 found; bits 16-31 the number of the
    // highest port found (0 when none was found).
    std::uint32_t mask = 0;
    // Every port found, in increasing number.
    std::vector<std::uint8_t> ports;
};

// Probes ports 1 to `last` in increasing order (by default with ProbePort).
PortScanResult ScanPorts(std::uint8_t last, const std::function<bool(std::uint8_t)> &probe);
PortScanResult ScanPorts();

// The highest port number probed: 16 on Windows (COM1-COM16), 96 on Linux
// (the /dev/ttyS, ttyUSB and ttyACM ranges of the device table).
std::uint8_t HighestScannedPort();

// The port number whose device is named `name` (without its folder:
// "ttyUSB0" on Linux, "COM3" on Windows); 0 when it names none.
std::uint8_t PortNumberOf(const std::string &name);

// What the port list shows for a port: "COM3" on Windows, the device's path
// ("/dev/ttyUSB0") on Linux.
std::string PortDisplayName(std::uint8_t port);

} // namespace rundaro::serial
