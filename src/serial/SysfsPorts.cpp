// The serial ports as the kernel describes them in sysfs: found and told
// apart without opening a device.
#include "PortScan.h"
#include "SerialDevice.h"

#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <fstream>

namespace rundaro::serial {

namespace {

std::string BaseName(const std::string &path)
{
    return path.substr(path.find_last_of('/') + 1);
}

// The first line of a small attribute file; empty when it cannot be read.
std::string ReadWord(const std::string &path)
{
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r'))
        line.pop_back();
    return line;
}

bool Exists(const std::string &path)
{
    struct stat info = {};
    return stat(path.c_str(), &info) == 0;
}

bool Present(const std::string &name, const PortFolders &folders)
{
    const std::string tty = folders.sysfs + "/" + name;
    // Virtual terminals and pseudo-terminals have no device behind them.
    if (!Exists(tty + "/device") || !Exists(folders.devices + "/" + name))
        return false;
    // The on-board UART driver makes a device for every possible port; only
    // one whose chip was detected has a type other than 0.
    const std::string type = ReadWord(tty + "/type");
    return type != "0";
}

} // namespace

std::vector<std::uint8_t> ListPorts(const PortFolders &folders)
{
    std::vector<std::uint8_t> ports;
    for (unsigned n = 1; n <= HighestScannedPort(); ++n) {
        const auto port = static_cast<std::uint8_t>(n);
        if (Present(BaseName(PortDeviceName(port)), folders))
            ports.push_back(port);
    }
    return ports;
}

std::string PortIdentity(std::uint8_t port, const PortFolders &folders)
{
    const std::string name = PortDeviceName(port);
    if (name.empty())
        return {};
    char resolved[PATH_MAX];
    if (realpath((folders.sysfs + "/" + BaseName(name) + "/device").c_str(), resolved) == nullptr)
        return {};
    // The USB device lies a few folders above its interface and tty.
    std::string folder = resolved;
    for (int up = 0; up < 4 && folder.size() > 1; ++up) {
        const std::string vendor = ReadWord(folder + "/idVendor");
        if (!vendor.empty()) {
            const std::string serial = ReadWord(folder + "/serial");
            return vendor + ":" + ReadWord(folder + "/idProduct") + (serial.empty() ? "" : ":" + serial);
        }
        folder = folder.substr(0, folder.find_last_of('/'));
    }
    return {};
}

} // namespace rundaro::serial
