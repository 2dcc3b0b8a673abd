#include "PortLock.h"
#include "PosixDevice.h"
#include "Pty.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

using namespace rundaro::serial;

namespace {

// A lock folder and a device folder of the test's own: ttyUSB0 is a link to
// a pseudo-terminal.
class PortLockTest : public ::testing::Test
{
protected:
    PortLockTest()
    {
        char folder[] = "/tmp/rundaro-lockXXXXXX";
        root = mkdtemp(folder);
        std::filesystem::create_directories(locks());
        std::filesystem::create_directories(root + "/dev");
        std::filesystem::create_symlink(pty.SlaveName(), device());
    }
    ~PortLockTest() override { std::filesystem::remove_all(root); }

    std::string locks() const { return root + "/lock"; }
    std::string lockFile() const { return locks() + "/LCK..ttyUSB0"; }
    std::string device() const { return root + "/dev/ttyUSB0"; }
    PortSafety safety() const { return {locks(), root + "/console"}; }

    void writeLock(pid_t pid) const { std::ofstream(lockFile()) << "      " << pid << '\n'; }
    std::string lockText() const
    {
        std::ifstream in(lockFile());
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static pid_t deadProcess()
    {
        const pid_t child = fork();
        if (child == 0)
            _exit(0);
        waitpid(child, nullptr, 0);
        return child;
    }

    Pty pty;
    std::string root;
};

std::string OwnLockText()
{
    char text[16];
    std::snprintf(text, sizeof text, "%10d\n", int(getpid()));
    return text;
}

} // namespace

TEST_F(PortLockTest, NoLockIsTakenHeldAndGiven)
{
    EXPECT_TRUE(ProbePath(device(), safety()));
    OpenResult opened = OpenPath(device(), nullptr, safety());
    ASSERT_TRUE(opened.device) << opened.error;
    EXPECT_EQ(lockText(), OwnLockText());
    EXPECT_EQ(ReadLock(locks(), "ttyUSB0"), LockState::Live);
    EXPECT_FALSE(ProbePath(device(), safety()));
    EXPECT_EQ(OpenPath(device(), nullptr, safety()).error, std::uint32_t(EBUSY));
    opened.device.reset();
    EXPECT_FALSE(std::filesystem::exists(lockFile()));
}

TEST_F(PortLockTest, LockOfALiveProcessKeepsThePortUnusedAndUntouched)
{
    writeLock(getppid());
    const std::string held = lockText();
    EXPECT_FALSE(ProbePath(device(), safety()));
    EXPECT_EQ(OpenPath(device(), nullptr, safety()).error, std::uint32_t(EBUSY));
    EXPECT_EQ(lockText(), held);
    EXPECT_TRUE(OpenPath(device()).device) << "a refused open left the device open";
}

TEST_F(PortLockTest, LockOfADeadProcessIsReplacedByANewFile)
{
    writeLock(deadProcess());
    struct stat stale = {};
    ASSERT_EQ(stat(lockFile().c_str(), &stale), 0);
    EXPECT_EQ(ReadLock(locks(), "ttyUSB0"), LockState::Stale);
    EXPECT_TRUE(ProbePath(device(), safety()));
    EXPECT_EQ(ReadLock(locks(), "ttyUSB0"), LockState::Stale); // looking changes nothing
    // The stale file stays open here, so its inode cannot be reused.
    std::ifstream keep(lockFile());
    OpenResult opened = OpenPath(device(), nullptr, safety());
    ASSERT_TRUE(opened.device) << opened.error;
    struct stat taken = {};
    ASSERT_EQ(stat(lockFile().c_str(), &taken), 0);
    EXPECT_NE(taken.st_ino, stale.st_ino);
    EXPECT_EQ(lockText(), OwnLockText());
}

TEST_F(PortLockTest, LinkInPlaceOfTheLockIsNeitherFollowedNorRemoved)
{
    const std::string target = root + "/target";
    std::ofstream(target) << "precious\n";
    std::filesystem::create_symlink(target, lockFile());
    EXPECT_EQ(ReadLock(locks(), "ttyUSB0"), LockState::Unreadable);
    EXPECT_FALSE(ProbePath(device(), safety()));
    EXPECT_EQ(OpenPath(device(), nullptr, safety()).error, std::uint32_t(EBUSY));
    EXPECT_TRUE(std::filesystem::is_symlink(lockFile()));
    std::ifstream in(target);
    std::string text;
    std::getline(in, text);
    EXPECT_EQ(text, "precious");
}

TEST_F(PortLockTest, ActiveConsoleIsNeverOpened)
{
    std::ofstream(root + "/console") << "tty0 ttyUSB0\n";
    EXPECT_EQ(ActiveConsoles(root + "/console"), (std::vector<std::string>{"tty0", "ttyUSB0"}));
    EXPECT_FALSE(ProbePath(device(), safety()));
    EXPECT_EQ(OpenPath(device(), nullptr, safety()).error, std::uint32_t(EBUSY));
    EXPECT_FALSE(std::filesystem::exists(lockFile()));
    std::ofstream(root + "/console") << "tty0\n";
    EXPECT_TRUE(ProbePath(device(), safety()));
}
