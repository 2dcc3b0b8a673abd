#include "MainWindowFixture.h"
#include "SoundServer.h"
#include "SoundThread.h"
#include "SpinEdit.h"

#include <QCheckBox>
#include <QDir>
#include <QSemaphore>
#include <QThread>

#include <mutex>
#ifdef Q_OS_LINUX
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

// The race sounds through the real window; the output only logs its cues.
namespace {

using Cues = std::vector<RaceCue>;

class RaceSoundsTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        frame();
    }
    // A frame of the window, and whatever it queued.
    void frame()
    {
        form.repaint();
        QCoreApplication::processEvents();
    }
    const Cues &played() const { return env.sounds->played; }
    void laps(int n) { child<TSpinEdit>("seKrugov")->setValue(n); }
};

TEST_F(RaceSoundsTest, EachPassingItsToneTheLastLapItsSignalStopItsOwn)
{
    laps(3);
    ctrl(Qt::Key_S);
    at(20000);
    ctrl(Qt::Key_L);
    // Played behind the command, never within it.
    EXPECT_EQ(played(), Cues{});
    QCoreApplication::processEvents();
    EXPECT_EQ(played(), (Cues{RaceCue::Passing, RaceCue::Passing}));
    at(40000);
    ctrl(Qt::Key_L); // only STOP is left now
    at(60000);
    ctrl(Qt::Key_P);
    ctrl(Qt::Key_0);
    QCoreApplication::processEvents();
    EXPECT_EQ(played(), (Cues{RaceCue::Passing, RaceCue::Passing, RaceCue::LastLap, RaceCue::Stop}));
    EXPECT_EQ(env.sounds->made, 1);
}

TEST_F(RaceSoundsTest, ARaceWithoutLapsBeginsWithItsLastLap)
{
    child<TSpinEdit>("seLength")->setValue(200);
    ctrl(Qt::Key_S);
    at(30000);
    ctrl(Qt::Key_P);
    QCoreApplication::processEvents();
    EXPECT_EQ(played(), (Cues{RaceCue::LastLap, RaceCue::Stop}));
}

TEST(RaceSoundsSetUp, AfterTheFirstFrameAndOnlyWhenSwitchedOn)
{
    FakeClock clock(5000);
    TestServices env;
    TFormMain form(env.services());
    auto *sound = form.findChild<QCheckBox *>(QStringLiteral("cbSound"));
    ASSERT_TRUE(sound);
    QCoreApplication::processEvents();
    EXPECT_EQ(env.sounds->made, 0); // no frame yet

    sound->setChecked(false);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(env.sounds->made, 0); // switched off

    QMetaObject::invokeMethod(&form, "bStartClick");
    QCoreApplication::processEvents();
    EXPECT_TRUE(env.sounds->played.empty());
    sound->setChecked(true);
    EXPECT_EQ(env.sounds->made, 1);
    QMetaObject::invokeMethod(&form, "bLAPClick");
    QCoreApplication::processEvents();
    EXPECT_EQ(env.sounds->played, Cues{RaceCue::Passing});
}

// What the sound thread did, seen from the test's thread.
struct ThreadLog
{
    std::mutex mutex;
    std::vector<RaceCue> played;
    std::vector<QThread *> threads; // where the output was made, played and released
    QSemaphore released;
};

class ThreadLoggedSound : public SoundOutput
{
public:
    explicit ThreadLoggedSound(ThreadLog &log) : m_log(log) {}
    ~ThreadLoggedSound() override
    {
        record(nullptr);
        m_log.released.release();
    }
    void Play(RaceCue cue) override { record(&cue); }

private:
    void record(const RaceCue *cue)
    {
        std::lock_guard lock(m_log.mutex);
        if (cue)
            m_log.played.push_back(*cue);
        m_log.threads.push_back(QThread::currentThread());
    }
    ThreadLog &m_log;
};

TEST(SoundThread, MakesPlaysAndReleasesTheOutputOnItsOwnThreadInOrder)
{
    FakeClock clock(5000);
    ThreadLog log;
    {
        TSoundThread sounds([&log] { return std::make_unique<ThreadLoggedSound>(log); });
        sounds.Play(RaceCue::Passing);
        sounds.Play(RaceCue::LastLap);
        sounds.Play(RaceCue::Stop);
    }
    ASSERT_TRUE(log.released.tryAcquire(1, 10000));
    EXPECT_FALSE(TSoundThread::LeftRunning());
    std::lock_guard lock(log.mutex);
    EXPECT_EQ(log.played, (Cues{RaceCue::Passing, RaceCue::LastLap, RaceCue::Stop}));
    ASSERT_EQ(log.threads.size(), 4u);
    for (QThread *thread : log.threads) {
        EXPECT_EQ(thread, log.threads.front());
        EXPECT_NE(thread, QThread::currentThread());
    }
}

TEST(SoundThread, AServerThatDoesNotAnswerHoldsUpNothingAndALateCueIsDropped)
{
    FakeClock clock(5000);
    ThreadLog log;
    QSemaphore answer; // the sound server's answer, which the output waits for
    auto sounds = std::make_unique<TSoundThread>([&] {
        answer.acquire();
        return std::make_unique<ThreadLoggedSound>(log);
    });
    // Neither playing nor ending waits for the server.
    sounds->Play(RaceCue::Passing);
    sounds.reset();
    EXPECT_TRUE(TSoundThread::LeftRunning());

    clock.advance(1001);
    answer.release();
    ASSERT_TRUE(log.released.tryAcquire(1, 10000));
    EXPECT_TRUE(QTest::qWaitFor([] { return !TSoundThread::LeftRunning(); }, 10000));
    std::lock_guard lock(log.mutex);
    EXPECT_EQ(log.played, Cues{});
}

// Elsewhere the system's own sound output is always there.
#ifdef Q_OS_LINUX
TEST(SoundServer, FoundByItsSocketOrWhereTheUserNamesIt)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(QDir(runtime.path()).mkpath(QStringLiteral("pulse")));
    const std::string path = (runtime.path() + QStringLiteral("/pulse/native")).toStdString();
    const int server = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(bind(server, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);

    qunsetenv("PULSE_SERVER");
    const QByteArray userRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    EXPECT_TRUE(SoundServerPresent());
    close(server);
    QFile::remove(QString::fromStdString(path));
    // A file that is no socket is no server; this holds unless the machine
    // runs a server of its own where the library also looks.
    QFile plain(QString::fromStdString(path));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    const bool systemServer = QFileInfo::exists(QStringLiteral("/run/pulse/native"))
        || QFileInfo::exists(QStringLiteral("/run/user/%1/pulse/native").arg(getuid()));
    if (!systemServer) {
        EXPECT_FALSE(SoundServerPresent());
    }
    qputenv("PULSE_SERVER", "tcp:localhost");
    EXPECT_TRUE(SoundServerPresent());
    qunsetenv("PULSE_SERVER");
    if (userRuntime.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", userRuntime);
}
#endif

} // namespace
