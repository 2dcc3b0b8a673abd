#include "EventPump.h"
#include "InterruptedRaces.h"
#include "MainWindowFixture.h"
#include "MessageBar.h"
#include "QuitSignals.h"
#include "RaceFile.h"
#include "RaceFileWriter.h"
#include "TestOutput.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QPushButton>
#include <QTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray raceFile(const char *status)
{
    return QByteArrayLiteral("\xEF\xBB\xBF"
                             "Datum;01.05.2024\r\nStart;14:03:07\r\nRunden;15\r\nStatus;")
        + status
        + QByteArrayLiteral("\r\n\r\nRunden;Zeit;Sollzeit;in Min:Sek;km/h;RealZeit;RealSollzeit;in Min:Sek;km/h\r\n"
                            "15;1,5;1,50;0:01,50;32,88;;;;\r\n"
                            "14;21,9;23,40;0:23,40;32,88;23,46;23,46;0:23,46;30,7\r\n"
                            "13;21,9;45,30;0:45,30;32,88;21,54;45,00;0:45,00;33,4\r\n"
                            "12;21,9;67,20;1:07,20;32,88;;;;\r\n");
}

class QuitWhileRunningTest : public MainWindowFixture
{
protected:
    QuitWhileRunningTest() { env.now = QDateTime(QDate(2024, 5, 1), QTime(14, 3, 7)); }

    MessageBar *question() const { return form.findChild<MessageBar *>(QStringLiteral("QuitQuestionBar")); }
    bool asking() const { return question() && question()->isVisible(); }
    // The status line of the race's file, once what waits is written. On
    // Windows a read can meet the writer replacing the file and fail: it
    // is read again.
    QString status()
    {
        child<RaceFile>("RaceFile")->flush();
        const QStringList files = QDir(env.racesFolder()).entryList({QStringLiteral("*.csv")}, QDir::Files);
        if (files.size() != 1)
            return QStringLiteral("%1 files").arg(files.size());
        QStringList lines;
        (void)QTest::qWaitFor(
            [&] {
                lines = QString::fromUtf8(readAll(QDir(env.racesFolder()).filePath(files[0])))
                            .split(QStringLiteral("\r\n"));
                return lines.size() > 9;
            },
            5000);
        return lines.size() > 9 ? lines[9] : QStringLiteral("unreadable");
    }
    void quit() { press(Qt::Key_B, Qt::AltModifier); }
    // The race's own lock, as another copy of the program finds it.
    bool locked() const
    {
        const QString race = QDir(env.racesFolder()).filePath(QStringLiteral("2024-05-01_14-03-07.csv"));
        QLockFile lock(RaceFileWriter::LockPath(race));
        lock.setStaleLockTime(0);
        return !lock.tryLock(0);
    }
};

} // namespace

// At start every file that still says its race runs and whose lock nobody
// alive holds is reported once and marked interrupted, its rows untouched; a
// race another copy of the program runs is left alone.
TEST(InterruptedRaces, ARaceCutShortIsReportedOnceAndMarkedInterrupted)
{
    enum Lock { None, Stale, Live };
    struct Case
    {
        const char *name;
        const char *status;
        Lock lock;
        bool interrupted;
    };
    const Case cases[] = {
        {"2024-05-01_14-03-07.csv", "läuft", None, true},
        {"2024-05-02_10-00-00.csv", "läuft", Stale, true},
        {"2024-05-03_10-00-00.csv", "läuft", Live, false},
        {"2024-05-04_10-00-00.csv", "beendet", None, false},
    };
    TestServices env;
    const QDir folder(env.racesFolder());
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    std::unique_ptr<QLockFile> held;
    for (const Case &c : cases) {
        const QString path = folder.filePath(QString::fromLatin1(c.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(raceFile(c.status));
        file.close();
        if (c.lock == Stale) {
            // Left by a program that is gone: no process has this number.
            QFile lock(RaceFileWriter::LockPath(path));
            ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
            lock.write("2147483646\nrundaro\n\n");
        } else if (c.lock == Live) {
            held = std::make_unique<QLockFile>(RaceFileWriter::LockPath(path));
            ASSERT_TRUE(held->tryLock(0));
        }
    }

    {
        TFormMain form{env.services()};
        form.show();
        MessageBar *notice = nullptr;
        ASSERT_TRUE(PumpUntil([&] {
            notice = form.findChild<MessageBar *>(QStringLiteral("InterruptedRacesBar"));
            return notice && notice->isVisible();
        }));
        EXPECT_EQ(notice->text().count(QStringLiteral("Durchgänge: 2")), 2) << notice->text().toStdString();
        EXPECT_TRUE(notice->text().contains(QStringLiteral("Rennen vom 01.05.2024, Start 14:03:07")));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        saveTestPng(&form, QStringLiteral("interrupted-races-notice"));
    }
    for (const Case &c : cases) {
        const QString path = folder.filePath(QString::fromLatin1(c.name));
        QByteArray expected = raceFile(c.interrupted ? "unterbrochen" : c.status);
        EXPECT_EQ(readAll(path), expected) << c.name;
        EXPECT_EQ(QFile::exists(RaceFileWriter::LockPath(path)), c.lock == Live) << c.name;
    }
    std::atomic<bool> stop{false};
    EXPECT_TRUE(InterruptedRaces::search(folder.path(), stop).isEmpty()) << "reported once";
    held.reset();
    EXPECT_EQ(InterruptedRaces::search(folder.path(), stop).size(), 1) << "its holder gone, it was cut short";
}

// The question holds up nothing: a passing is taken while it is shown.
// "Weiterlaufen" takes it away; STOP answers it too.
TEST_F(QuitWhileRunningTest, QuitWhileTheClockRunsAsksInTheWindow)
{
    ctrl(Qt::Key_S);
    quit();
    EXPECT_TRUE(asking());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    at(20000);
    ctrl(Qt::Key_L);
    EXPECT_EQ(cell(6, 2), QStringLiteral("20,00"));
    saveTestPng(&form, QStringLiteral("quit-question"));
    EXPECT_EQ(status(), QStringLiteral("Status;läuft"));
    EXPECT_TRUE(locked()) << "a running race is never taken for one cut short";
    child<QPushButton>("bKeepRunning")->click();
    EXPECT_FALSE(asking());
    form.close();
    EXPECT_TRUE(asking()) << "the close button asks as Alt+B does";
    at(40000);
    ctrl(Qt::Key_P);
    EXPECT_FALSE(asking());
    EXPECT_EQ(status(), QStringLiteral("Status;abgebrochen"));
    EXPECT_FALSE(locked());
    ctrl(Qt::Key_Z);
    EXPECT_EQ(status(), QStringLiteral("Status;läuft"));
    EXPECT_TRUE(locked()) << "the undo of STOP lets the race run on";
    ctrl(Qt::Key_P);
    quit();
    EXPECT_FALSE(form.isVisible()) << "after STOP the program ends without a question";
}

TEST_F(QuitWhileRunningTest, QuitBeforeStartEndsWithoutAQuestion)
{
    quit();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(question(), nullptr);
}

TEST_F(QuitWhileRunningTest, EndingAfterTheQuestionWritesTheRaceInterrupted)
{
    ctrl(Qt::Key_S);
    at(20000);
    ctrl(Qt::Key_L);
    quit();
    child<QPushButton>("bQuitNow")->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(status(), QStringLiteral("Status;unterbrochen"));
}

#ifdef Q_OS_UNIX
// SIGTERM ends the event loop as it does in the program: the race on disk
// says it was cut short, with its passings, and nobody is asked.
TEST_F(QuitWhileRunningTest, SigtermWritesTheRunningRaceInterrupted)
{
    ctrl(Qt::Key_S);
    at(20000);
    ctrl(Qt::Key_L);
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::received, qApp, [] { QCoreApplication::exit(0); });
    QTimer::singleShot(0, qApp, [] { ::kill(::getpid(), SIGTERM); });
    // Should the signal be lost, the test fails instead of hanging.
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(asking());
    EXPECT_EQ(status(), QStringLiteral("Status;unterbrochen"));
    EXPECT_EQ(cell(6, 2), QStringLiteral("20,00"));
}
#endif
