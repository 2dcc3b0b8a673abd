#include "PortScan.h"

#include <gtest/gtest.h>

#include <set>

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
