#include "PortScan.h"

#include <gtest/gtest.h>

#include <set>

#ifndef _WIN32
#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#endif

using namespace rundaro::serial;

namespace {

PortScanResult scanWith(std::set<int> present, std::uint8_t last = 16)
{
    return ScanPorts(last, [&](std::uint8_t port) { return present.count(port) > 0; });
}

} // namespace

TEST(PortScan, MaskAndListInIncreasingOrder)
{
    const PortScanResult three = scanWith({1, 3, 4});
    EXPECT_EQ(three.mask, 0x0004000Du);
    EXPECT_EQ(three.ports, (std::vector<std::uint8_t>{1, 3, 4}));

    const PortScanResult none = scanWith({});
    EXPECT_EQ(none.mask, 0u);
    EXPECT_TRUE(none.ports.empty());

    EXPECT_EQ(scanWith({16}).mask, 0x00108000u);
}

TEST(PortScan, PortsBeyondSixteenNameOnlyTheHighest)
{
    const PortScanResult usb = scanWith({2, 33, 65}, 96);
    EXPECT_EQ(usb.mask, (65u << 16) | 0x2u);
    EXPECT_EQ(usb.ports, (std::vector<std::uint8_t>{2, 33, 65}));
    EXPECT_EQ(scanWith({17}, 96).mask, 17u << 16);
}

TEST(PortScan, ProbesEachPortOnceUpToTheLast)
{
    std::vector<int> probed;
    ScanPorts(5, [&](std::uint8_t port) {
        probed.push_back(port);
        return false;
    });
    EXPECT_EQ(probed, (std::vector<int>{1, 2, 3, 4, 5}));
}

#ifndef _WIN32
TEST(PortScan, LinuxNamesAreDevicePaths)
{
    EXPECT_EQ(HighestScannedPort(), 96);
    EXPECT_EQ(PortDisplayName(1), "/dev/ttyS0");
    EXPECT_EQ(PortDisplayName(33), "/dev/ttyUSB0");
    EXPECT_EQ(PortDisplayName(66), "/dev/ttyACM1");
}
#endif

#ifndef _WIN32
// The ports as sysfs and the device folder describe them, found without
// opening anything: the device folder's nodes are plain files here, and
// inotify counts every open of one.
TEST(PortScan, ListedAndToldApartFromSysfsWithoutOpening)
{
    const std::filesystem::path root
        = std::filesystem::temp_directory_path() / ("rundaro-sysfs-" + std::to_string(getpid()));
    const PortFolders folders{(root / "class/tty").string(), (root / "dev").string()};
    struct Tty
    {
        const char *name;
        const char *type;
        bool device;
        bool node;
        const char *usb;
        const char *serial;
    };
    const Tty ttys[] = {
        {"ttyS0", "4", true, true, nullptr, nullptr}, // a detected UART
        {"ttyS1", "0", true, true, nullptr, nullptr}, // none behind the node
        {"tty1", nullptr, false, true, nullptr, nullptr}, // a virtual terminal
        {"ttyUSB0", nullptr, true, true, "0403:6001", "A9X2"}, // an adapter with a serial
        {"ttyUSB1", nullptr, true, false, "0403:6001", "B7"}, // udev has not made its node yet
        {"ttyACM0", nullptr, true, true, "2341:0043", nullptr},
    };
    for (const Tty &tty : ttys) {
        const auto folder = root / "class/tty" / tty.name;
        std::filesystem::create_directories(folder);
        if (tty.type)
            std::ofstream(folder / "type") << tty.type << '\n';
        if (tty.node) {
            std::filesystem::create_directories(root / "dev");
            std::ofstream(root / "dev" / tty.name) << "";
        }
        if (!tty.device)
            continue;
        // The tty sits in the USB interface's folder, below the device's.
        const auto usb = root / "devices" / tty.name;
        const auto tail = usb / "1-1:1.0" / tty.name;
        std::filesystem::create_directories(tail);
        if (tty.usb) {
            const std::string ids = tty.usb;
            std::ofstream(usb / "idVendor") << ids.substr(0, 4) << '\n';
            std::ofstream(usb / "idProduct") << ids.substr(5) << '\n';
            if (tty.serial)
                std::ofstream(usb / "serial") << tty.serial << '\n';
        }
        std::filesystem::create_directory_symlink(tail, folder / "device");
    }
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, (root / "dev").c_str(), IN_OPEN), 0);

    EXPECT_EQ(ListPorts(folders), (std::vector<std::uint8_t>{1, 33, 65}));
    EXPECT_EQ(PortIdentity(33, folders), "0403:6001:A9X2");
    EXPECT_EQ(PortIdentity(34, folders), "0403:6001:B7");
    EXPECT_EQ(PortIdentity(65, folders), "2341:0043");
    EXPECT_EQ(PortIdentity(1, folders), "");
    EXPECT_EQ(PortIdentity(2, folders), "");

    char events[4096];
    EXPECT_LT(read(watch, events, sizeof events), 0) << "a device node was opened";
    close(watch);
    std::filesystem::remove_all(root);
}
#endif
