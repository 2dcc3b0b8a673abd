#include "PortLock.h"
#include "PosixDevice.h"
#include "Pty.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
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
    PortSafety safety() const { return {locks(), root + "/console", "/proc"}; }

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

// A program that holds the port open without any lock (a terminal program
// at 115200 baud): the port is refused, saying so, before anything is done
// to it, and opens once that program has let it go. A new lock is there
// whole, and nothing else is left in the lock folder.
TEST_F(PortLockTest, PortHeldOpenByAnotherProgramIsRefusedUntouched)
{
    const int other = open(device().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(other, 0);
    termios line = {};
    ASSERT_EQ(tcgetattr(other, &line), 0);
    cfsetspeed(&line, B115200);
    ASSERT_EQ(tcsetattr(other, TCSANOW, &line), 0);
    const OpenResult refused = OpenPath(device(), nullptr, safety());
    EXPECT_FALSE(refused.device);
    EXPECT_EQ(refused.error, std::uint32_t(EBUSY));
    EXPECT_EQ(refused.refusal.reason, OpenRefusal::Reason::HeldOpen);
    EXPECT_EQ(refused.refusal.pid, int(getpid()));
    EXPECT_FALSE(refused.refusal.program.empty());
    EXPECT_FALSE(std::filesystem::exists(lockFile()));
    ASSERT_EQ(tcgetattr(other, &line), 0);
    EXPECT_EQ(cfgetospeed(&line), speed_t(B115200));
    close(other);

    OpenResult opened = OpenPath(device(), nullptr, safety());
    ASSERT_TRUE(opened.device) << opened.error;
    EXPECT_EQ(lockText(), OwnLockText());
    int files = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(locks()))
        ++files;
    EXPECT_EQ(files, 1);
}

// What another user leaves in the lock folder, seen as that user "nobody"
// (a child process; root could remove anything): another user's stale lock
// in a sticky folder refuses the port with a message of its own, saying
// whose lock it is and how to remove it; a folder that cannot be searched
// holds no lock, for reading and taking alike.
TEST_F(PortLockTest, WhatAnotherUserLeavesIsToldApart)
{
    if (getuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    struct Case
    {
        const char *name;
        mode_t folder;
        bool staleLock;
        int exitCode;
    };
    // Exit codes of the child: 0 as expected, else the failed check.
    const Case cases[] = {
        {"stale lock of another user", 01777, true, 0},
        {"unsearchable lock folder", 0666, false, 0},
    };
    ASSERT_EQ(chmod(root.c_str(), 0755), 0);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(lockFile());
        const pid_t dead = c.staleLock ? deadProcess() : 0;
        if (c.staleLock)
            writeLock(dead);
        ASSERT_EQ(chmod(locks().c_str(), c.folder), 0);
        const pid_t child = fork();
        if (child == 0) {
            if (setgid(65534) != 0 || setuid(65534) != 0)
                _exit(10);
            std::uint32_t error = 0;
            OpenRefusal refusal;
            const std::unique_ptr<PortLock> lock = PortLock::Acquire(locks(), "ttyUSB0", error, &refusal);
            if (c.staleLock) {
                if (lock || error != EPERM)
                    _exit(11);
                // Whose lock, and the file the user needs to remove.
                if (refusal.reason != OpenRefusal::Reason::StaleLock || refusal.path != lockFile()
                    || refusal.user != "root" || refusal.pid != dead)
                    _exit(12);
            } else {
                if (!lock || lock->Holds() || ReadLock(locks(), "ttyUSB0") != LockState::None)
                    _exit(13);
            }
            _exit(0);
        }
        int status = -1;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), c.exitCode);
        chmod(locks().c_str(), 0755);
    }
}
