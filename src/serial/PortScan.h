#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Finding the serial ports present, for the port list, without opening any
// of them: opening a port raises its DTR and RTS lines, which resets some
// boards and keys some radios, and may take another program's line.
namespace rundaro::serial {

// Where the system describes its serial ports.
struct PortFolders
{
    // Linux: one folder per tty device (/sys/class/tty) and the folder of
    // the device nodes (/dev). Tests give folders of their own. Not used on
    // Windows, where the system's list lives in the registry.
    std::string sysfs = "/sys/class/tty";
    std::string devices = "/dev";
};

// The port numbers of the serial ports present now, in increasing order,
// found without opening a device.
//  Linux:   a device of the port table with a `device` link in the sysfs
//           folder and a node in the device folder; an on-board UART whose
//           chip was not detected (`type` 0) is not present.
//  Windows: the system's list of serial ports (the registry's
//           HARDWARE\DEVICEMAP\SERIALCOMM), COM1 to COM255.
std::vector<std::uint8_t> ListPorts(const PortFolders &folders = {});

// What tells one adapter from another at the same port: the USB vendor and
// product and, where it has one, the serial number, as "vvvv:pppp:serial"
// or "vvvv:pppp". Empty where the device tells nothing of the kind (an
// on-board port, a pseudo-terminal, and on Windows).
std::string PortIdentity(std::uint8_t port, const PortFolders &folders = {});

struct PortScanResult
{
    // Bit n-1 set for each port n <= 16 found; bits 16-31 the number of the
    // highest port found (0 when none was found).
    std::uint32_t mask = 0;
    // Every port found, in increasing number.
    std::vector<std::uint8_t> ports;
};

// Probes ports 1 to `last` in increasing order (by default with ProbePort,
// which opens nothing).
PortScanResult ScanPorts(std::uint8_t last, const std::function<bool(std::uint8_t)> &probe);
PortScanResult ScanPorts();

// The highest port number probed: 255 on Windows (COM1-COM255, all that the
// stored port number can name), 96 on Linux (the /dev/ttyS, ttyUSB and
// ttyACM ranges of the device table).
std::uint8_t HighestScannedPort();

// The port number whose device is named `name` (without its folder:
// "ttyUSB0" on Linux, "COM3" on Windows); 0 when it names none.
std::uint8_t PortNumberOf(const std::string &name);

// What the port list shows for a port: "COM3" on Windows, the device's path
// ("/dev/ttyUSB0") on Linux.
std::string PortDisplayName(std::uint8_t port);

} // namespace rundaro::serial
