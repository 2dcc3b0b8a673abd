#include "MainWindowFixture.h"
#include "Modules.h"
#include "SoundServer.h"
#include "SoundThread.h"
#include "SpinEdit.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSemaphore>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cmath>
#include <cstring>
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

TEST_F(RaceSoundsTest, CallOutsAfterEachPassingAndAtStopOnlyWhenSwitchedOn)
{
    using Said = std::vector<std::pair<std::string, std::int32_t>>;
    laps(3);
    ctrl(Qt::Key_S);
    at(20000);
    ctrl(Qt::Key_L); // off by default: nothing is said, no engine is made
    EXPECT_EQ(env.speech->made, 0);
    auto *onOff = child<QCheckBox>("cbCallOuts");
    EXPECT_EQ(onOff->text(), QStringLiteral("Ansage"));
    onOff->setChecked(true);
    EXPECT_EQ(env.speech->made, 1);
    // 3 laps in 330 s less 1,5 s allowance: 109,5 s a lap, the second due at 220,5.
    at(42000);
    ctrl(Qt::Key_L); // only STOP is left now
    at(65449);
    ctrl(Qt::Key_P);
    EXPECT_EQ(env.speech->said,
              (Said{{"22,0 \u2014 einhundertachtundsiebzig Komma fünf voraus \u2014 letzte Runde", 1100},
                    {"Endzeit eine Minute 5,4", 1000}}));
    onOff->setChecked(false);
    ctrl(Qt::Key_0);
    ctrl(Qt::Key_S);
    at(20000);
    ctrl(Qt::Key_L);
    EXPECT_EQ(env.speech->said.size(), 2u);
    EXPECT_EQ(env.speech->made, 1);
}

// The speech module's engine renders a phrase that can be heard: written as
// a WAV file for a person to listen to, and its samples checked.
TEST(CallOutEngine, RendersAPhraseThatIsNotSilent)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "no call-outs on Windows: the speech module is not built there";
#endif
    auto *module = qobject_cast<SpeechModule *>(LoadModule("rundaro_speech"));
    ASSERT_NE(module, nullptr);
    const std::unique_ptr<SpeechEngine> engine = module->createEngine("de");
    ASSERT_NE(engine, nullptr);
    const SpeechSamples speech = engine->render("23,4 \u2014 zwei Komma eins voraus \u2014 noch fünf Runden");
    ASSERT_GT(speech.rate, 0);
    // Some seconds of it, loud, and not one long tone: silences between words.
    EXPECT_GT(speech.samples.size(), std::size_t(speech.rate));
    int peak = 0;
    double energy = 0;
    int quiet = 0; // runs of 10 ms of near silence
    const std::size_t step = std::size_t(speech.rate / 100);
    for (std::size_t i = 0; i + step <= speech.samples.size(); i += step) {
        int localPeak = 0;
        for (std::size_t j = i; j < i + step; ++j) {
            localPeak = std::max(localPeak, std::abs(int(speech.samples[j])));
            energy += double(speech.samples[j]) * speech.samples[j];
        }
        peak = std::max(peak, localPeak);
        quiet += localPeak < 200;
    }
    const double rms = std::sqrt(energy / double(std::max<std::size_t>(1, speech.samples.size())));
    EXPECT_GT(peak, 4000);
    EXPECT_GT(rms, 300);
    EXPECT_GT(quiet, 2);

    QString dir = qEnvironmentVariable("RUNDARO_TEST_OUTPUT");
    if (dir.isEmpty())
        dir = QDir::currentPath() + QStringLiteral("/test-output");
    QDir().mkpath(dir);
    QFile wav(dir + QStringLiteral("/call_out.wav"));
    ASSERT_TRUE(wav.open(QIODevice::WriteOnly));
    const auto u32 = [&wav](std::uint32_t v) { wav.write(reinterpret_cast<const char *>(&v), 4); };
    const auto u16 = [&wav](std::uint16_t v) { wav.write(reinterpret_cast<const char *>(&v), 2); };
    const auto bytes = std::uint32_t(speech.samples.size() * 2);
    wav.write("RIFF", 4);
    u32(36 + bytes);
    wav.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(1);
    u32(std::uint32_t(speech.rate));
    u32(std::uint32_t(speech.rate * 2));
    u16(2);
    u16(16);
    wav.write("data", 4);
    u32(bytes);
    wav.write(reinterpret_cast<const char *>(speech.samples.data()), bytes);
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
    explicit ThreadLoggedSound(ThreadLog &log)
        : m_log(log)
    {
    }
    ~ThreadLoggedSound() override
    {
        record(nullptr);
        m_log.released.release();
    }
    void play(RaceCue cue) override { record(&cue); }

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
        SoundThread sounds([&log] { return std::make_unique<ThreadLoggedSound>(log); });
        sounds.play(RaceCue::Passing);
        sounds.play(RaceCue::LastLap);
        sounds.play(RaceCue::Stop);
    }
    ASSERT_TRUE(log.released.tryAcquire(1, 10000));
    EXPECT_FALSE(SoundThread::leftRunning());
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
    auto sounds = std::make_unique<SoundThread>([&] {
        answer.acquire();
        return std::make_unique<ThreadLoggedSound>(log);
    });
    // Neither playing nor ending waits for the server.
    sounds->play(RaceCue::Passing);
    sounds.reset();
    EXPECT_TRUE(SoundThread::leftRunning());

    clock.advance(1001);
    answer.release();
    ASSERT_TRUE(log.released.tryAcquire(1, 10000));
    EXPECT_TRUE(QTest::qWaitFor([] { return !SoundThread::leftRunning(); }, 10000));
    std::lock_guard lock(log.mutex);
    EXPECT_EQ(log.played, Cues{});
}

#ifdef Q_OS_LINUX
// A PulseAudio server of the test's own, playing into a null sink whose
// monitor is recorded (16-bit mono at 22050 Hz, the sounds' own format).
class RecordedSoundServer
{
public:
    RecordedSoundServer()
    {
        const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        const QString parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
        if (pulseaudio.isEmpty() || parec.isEmpty() || !m_dir.isValid())
            return;
        m_socket = m_dir.filePath(QStringLiteral("native"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_dir.path());
        environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), m_dir.filePath(QStringLiteral("runtime")));
        environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + m_socket);
        m_server.setProcessEnvironment(environment);
        m_server.setProgram(pulseaudio);
        m_server.setArguments(
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
             QStringLiteral("--disable-shm=yes"), QStringLiteral("--log-target=stderr"),
             QStringLiteral("--load=module-null-sink sink_name=race"),
             QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + m_socket});
        m_server.start();
        if (!m_server.waitForStarted() || !QTest::qWaitFor([&] { return QFileInfo::exists(m_socket); }, 20000))
            return;
        m_recorder.setProcessEnvironment(environment);
        m_recorder.setStandardOutputFile(m_dir.filePath(QStringLiteral("recording.raw")));
        m_recorder.start(parec,
                         {QStringLiteral("-d"), QStringLiteral("race.monitor"), QStringLiteral("--raw"),
                          QStringLiteral("--latency-msec=20"), QStringLiteral("--format=s16le"),
                          QStringLiteral("--rate=22050"), QStringLiteral("--channels=1")});
        // Recording once the first silence has come.
        m_running = m_recorder.waitForStarted()
            && QTest::qWaitFor([&] { return QFileInfo(recordingPath()).size() > 0; }, 20000);
        m_recording.start();
    }
    ~RecordedSoundServer()
    {
        for (QProcess *process : {&m_recorder, &m_server}) {
            process->terminate();
            if (!process->waitForFinished(10000))
                process->kill();
            process->waitForFinished(10000);
        }
    }
    bool running() const { return m_running; }
    // True once a program's stream plays into the server (as at the track,
    // where the output is made after the window's first frame, long before
    // the first passing).
    bool awaitStream()
    {
        return QTest::qWaitFor(
            [&] {
                QProcess list;
                list.setProcessEnvironment(m_recorder.processEnvironment());
                list.start(QStringLiteral("pactl"),
                           {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
                return list.waitForFinished(10000) && !list.readAllStandardOutput().trimmed().isEmpty();
            },
            20000);
    }
    QString address() const { return QStringLiteral("unix:") + m_socket; }
    // Returns once `ms` more of the server's output have been recorded.
    bool awaitRecorded(int ms)
    {
        const qint64 until = QFileInfo(recordingPath()).size() + qint64(ms) * 22050 * 2 / 1000;
        return QTest::qWaitFor([&] { return QFileInfo(recordingPath()).size() >= until; }, 20000);
    }
    // Stops recording once everything played so far has reached the file,
    // and returns what was recorded.
    std::vector<qint16> recording()
    {
        const qint64 bytesByNow = (m_recording.elapsed() - 200) * 22050 * 2 / 1000;
        // A recording that falls short shows in the beeps counted from it.
        [[maybe_unused]] const bool caughtUp
            = QTest::qWaitFor([&] { return QFileInfo(recordingPath()).size() >= bytesByNow; }, 20000);
        m_recorder.terminate();
        m_recorder.waitForFinished(10000);
        QFile file(recordingPath());
        std::vector<qint16> samples;
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            samples.resize(std::size_t(bytes.size() / 2));
            std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
        }
        return samples;
    }

private:
    QString recordingPath() const { return m_dir.filePath(QStringLiteral("recording.raw")); }

    QTemporaryDir m_dir;
    QString m_socket;
    QProcess m_server;
    QProcess m_recorder;
    bool m_running = false;
    QElapsedTimer m_recording; // since the first silence was recorded
};

// The milliseconds of tone in each beep of a recording: 5 ms windows whose
// loudness stands well above silence, gathered into one beep while less
// than 200 ms of quiet lies between them (a stream that ran dry for a
// moment under load splits a beep, it does not shorten it).
std::vector<int> beepsIn(const std::vector<qint16> &samples)
{
    constexpr std::size_t kWindow = 22050 / 200;
    constexpr int kGapWindows = 40;
    std::vector<int> beeps;
    int quiet = kGapWindows;
    for (std::size_t at = 0; at + kWindow <= samples.size(); at += kWindow) {
        double energy = 0;
        for (std::size_t i = at; i < at + kWindow; ++i)
            energy += double(samples[i]) * samples[i];
        const bool loud = std::sqrt(energy / kWindow) > 3000;
        if (loud && quiet >= kGapWindows)
            beeps.push_back(0);
        if (loud)
            beeps.back() += 5;
        quiet = loud ? 0 : quiet + 1;
    }
    return beeps;
}

// A race of ten passings through the program's own sound output (the sound
// thread and the sound module) into a sound server: each passing's beep is
// heard, whole (80 ms; measured in 5 ms windows).
TEST(RaceSoundsHeard, TenPassingsGiveTenWholeBeeps)
{
    RecordedSoundServer server;
    if (!server.running())
        GTEST_SKIP() << "no PulseAudio server can run here (pulseaudio, parec)";
    const QByteArray userServer = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", server.address().toLocal8Bit());
    {
        std::unique_ptr<SoundOutput> output = MainServices().Resolved().Sounds();
        ASSERT_TRUE(output);
        ASSERT_TRUE(server.awaitStream());
        // The race begins a while after the output is made, as at the track.
        ASSERT_TRUE(server.awaitRecorded(1000));
        for (int passing = 0; passing < 10; ++passing) {
            output->play(RaceCue::Passing);
            QTest::qWait(500);
        }
        QTest::qWait(1500);
    }
    if (userServer.isNull())
        qunsetenv("PULSE_SERVER");
    else
        qputenv("PULSE_SERVER", userServer);
    const std::vector<int> beeps = beepsIn(server.recording());
    ASSERT_EQ(beeps.size(), 10u) << ::testing::PrintToString(beeps);
    for (int ms : beeps)
        EXPECT_GE(ms, 60) << ::testing::PrintToString(beeps); // 80 ms; cut ones had 30 to 50
}
#endif

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
