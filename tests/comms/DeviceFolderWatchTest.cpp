#include "DeviceFolderWatch.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

using rundaro::serial::DeviceFolderWatch;
using Names = std::vector<std::string>;

TEST(DeviceFolderWatch, NodesMadeChangedAndRemoved)
{
    char folder[] = "/tmp/rundaro-devXXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string dir = folder;
    DeviceFolderWatch watch(dir);
    ASSERT_GE(watch.Fd(), 0) << watch.Error();
    EXPECT_EQ(watch.ReadChanges(), Names{});

    ASSERT_EQ(symlink("/dev/null", (dir + "/ttyUSB0").c_str()), 0);
    ASSERT_EQ(symlink("/dev/null", (dir + "/ttyUSB1").c_str()), 0);
    EXPECT_EQ(watch.ReadChanges(), (Names{"ttyUSB0", "ttyUSB1"}));

    const std::string node = dir + "/ttyS0";
    ASSERT_EQ(close(creat(node.c_str(), 0600)), 0);
    watch.ReadChanges();
    ASSERT_EQ(chmod(node.c_str(), 0660), 0); // what udev does after the node is made
    EXPECT_EQ(watch.ReadChanges(), Names{"ttyS0"});

    for (const char *name : {"ttyUSB0", "ttyUSB1", "ttyS0"})
        ASSERT_EQ(unlink((dir + "/" + name).c_str()), 0);
    EXPECT_EQ(watch.ReadChanges(), (Names{"ttyUSB0", "ttyUSB1", "ttyS0"}));
    rmdir(folder);
}

TEST(DeviceFolderWatch, FolderThatCannotBeWatched)
{
    DeviceFolderWatch watch("/rundaro-no-such-folder");
    EXPECT_EQ(watch.Fd(), -1);
    EXPECT_EQ(watch.Error(), std::uint32_t(ENOENT));
    EXPECT_EQ(watch.ReadChanges(), Names{});
}
