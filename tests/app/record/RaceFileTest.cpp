#include "RaceFile.h"
#include "MainWindowFixture.h"
#include "MessageBar.h"
#include "RaceSheetTexts.h"
#include "SpinEdit.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

#include <optional>

#ifdef Q_OS_LINUX
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#endif

namespace {

// Set in the copy of the test that runs on a small disk of its own.
constexpr char kOnSmallDisk[] = "RUNDARO_TEST_ON_SMALL_DISK";

class RaceFileTest : public MainWindowFixture
{
protected:
    RaceFileTest() { env.now = QDateTime(QDate(2024, 5, 1), QTime(14, 3, 7)); }

    QStringList files() const { return QDir(env.racesFolder()).entryList(QDir::Files, QDir::Name); }
    // The bytes of a file, byte-order mark included.
    std::string bytes(const QString &path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }
    QString content(const QString &name) const
    {
        return QString::fromStdString(bytes(QDir(env.racesFolder()).filePath(name)));
    }
    // The race's file with the fields of each of its lines.
    QList<QStringList> lines(const QString &name) const
    {
        QList<QStringList> fields;
        for (const QString &line : content(name).split(QStringLiteral("\r\n")))
            fields << line.split(u';');
        return fields;
    }
    QList<QMessageBox *> messages() const { return form.findChildren<QMessageBox *>(); }
    // The message bar of a failed save: its text while it is shown, else nothing.
    std::optional<QString> failureShown() const
    {
        const auto *bar = form.findChild<MessageBar *>(QStringLiteral("RaceFileFailureBar"));
        return bar && bar->isVisible() ? std::optional(bar->text()) : std::nullopt;
    }
    // The queued write made and its file on disk, as some time after a command.
    void settle()
    {
        QCoreApplication::processEvents();
        child<RaceFile>("RaceFile")->flush();
    }
};

} // namespace

TEST_F(RaceFileTest, EachPassingRewritesTheFileWithTheSetUpAndTheLapTableAsShown)
{
    ctrl(Qt::Key_S);
    at(23456);
    ctrl(Qt::Key_L);
    // Written once the command has returned, not during it.
    EXPECT_TRUE(files().isEmpty());
    at(45000);
    ctrl(Qt::Key_L);
    settle();
    ASSERT_EQ(files(), QStringList(QStringLiteral("2024-05-01_14-03-07.csv")));
    const QString expected = QStringLiteral(
        "\uFEFF"
        "Datum;01.05.2024\r\nStart;14:03:07\r\nStreckenlänge;3000\r\nRundenlänge;200\r\nRunden;15\r\n"
        "Zusätzliche Meter;0\r\nGesamtsekunden;330\r\nStartzugabe;1,5\r\nRundenzeit;21,9\r\nStatus;läuft\r\nLäufer;\r\n"
        "\r\n"
        "Runden;Zeit;Sollzeit;in Min:Sek;km/h;RealZeit;RealSollzeit;in Min:Sek;km/h\r\n"
        "15;1,5;1,50;0:01,50;32,88;;;;\r\n"
        // 23,456 s cut off to 23,45; the lap after it 45,00 - 23,45.
        "14;21,9;23,40;0:23,40;32,88;23,45;23,45;0:23,45;30,7\r\n"
        "13;21,9;45,30;0:45,30;32,88;21,55;45,00;0:45,00;33,4\r\n"
        "12;21,9;67,20;1:07,20;32,88;;;;\r\n"
        "11;21,9;89,10;1:29,10;32,88;;;;\r\n"
        "10;21,9;111,00;1:51,00;32,88;;;;\r\n"
        "9;21,9;132,90;2:12,90;32,88;;;;\r\n"
        "8;21,9;154,80;2:34,80;32,88;;;;\r\n"
        "7;21,9;176,70;2:56,70;32,88;;;;\r\n"
        "6;21,9;198,60;3:18,60;32,88;;;;\r\n"
        "5;21,9;220,50;3:40,50;32,88;;;;\r\n"
        "4;21,9;242,40;4:02,40;32,88;;;;\r\n"
        "3;21,9;264,30;4:24,30;32,88;;;;\r\n"
        "2;21,9;286,20;4:46,20;32,88;;;;\r\n"
        "1;21,9;308,10;5:08,10;32,88;;;;\r\n"
        "0;21,9;330,00;5:30,00;32,88;;;;\r\n");
    EXPECT_EQ(bytes(QDir(env.racesFolder()).filePath(files().constFirst())), expected.toStdString());
}

TEST_F(RaceFileTest, AfterUndoTheFileAgreesWithTheTable)
{
    ctrl(Qt::Key_S);
    for (int ms : {21000, 44000, 65000}) {
        at(ms);
        ctrl(Qt::Key_L);
    }
    at(90000);
    ctrl(Qt::Key_P);
    settle();
    const QString name = files().value(0);
    // Stopped after four of its passings: before its distance.
    EXPECT_EQ(lines(name)[9], QStringList({QStringLiteral("Status"), QStringLiteral("abgebrochen")}));
    ctrl(Qt::Key_Z);
    ctrl(Qt::Key_Z);
    settle();
    const QList<QStringList> fields = lines(name);
    EXPECT_EQ(fields[9], QStringList({QStringLiteral("Status"), QStringLiteral("läuft")}));
    for (int row = 1; row <= 16; ++row)
        EXPECT_EQ(fields[12 + row].mid(5), results(row)) << "row " << row;
    EXPECT_EQ(results(3).join(u' '), QStringLiteral("23,00 44,00 0:44,00 31,3"));
    EXPECT_EQ(results(4).join(QString()), QString());
}

// Closing the port at exit may still hand over a passing; no event loop runs
// after that, yet it reaches the file.
TEST_F(RaceFileTest, APassingWhileTheWindowClosesIsWritten)
{
    ctrl(Qt::Key_S);
    at(20000);
    ctrl(Qt::Key_L);
    settle();
    // The race runs: the close is asked about first.
    form.close();
    child<QPushButton>("bQuitNow")->click();
    ASSERT_FALSE(form.isVisible());
    at(41000);
    form.bLAPClick();
    const QString name = files().value(0);
    EXPECT_EQ(lines(name)[15][5], QStringLiteral("21,00"));
}

TEST_F(RaceFileTest, ARaceStartedInTheSameSecondGetsANameOfItsOwn)
{
    for (int ms : {20000, 30000}) {
        ctrl(Qt::Key_S);
        at(ms);
        ctrl(Qt::Key_L);
        ctrl(Qt::Key_P);
        ctrl(Qt::Key_0);
        settle();
    }
    ASSERT_EQ(files(),
              QStringList({QStringLiteral("2024-05-01_14-03-07-2.csv"), QStringLiteral("2024-05-01_14-03-07.csv")}));
    EXPECT_EQ(lines(files()[1])[14][5], QStringLiteral("20,00"));
    EXPECT_EQ(lines(files()[0])[14][5], QStringLiteral("30,00"));
}

TEST_F(RaceFileTest, AFolderThatCannotBeWrittenIsReportedAtOnceAndTriedAgain)
{
    // A file where the folder should be: no folder can be made there.
    QFile blocker(env.racesFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ctrl(Qt::Key_S);
    at(20000);
    ctrl(Qt::Key_L);
    settle();
    ASSERT_TRUE(failureShown().has_value()) << "said during the race";
    EXPECT_TRUE(failureShown()->startsWith(QStringLiteral("Rennen nicht gespeichert: ")));
    EXPECT_TRUE(failureShown()->contains(QDir::toNativeSeparators(env.racesFolder())));
    EXPECT_TRUE(messages().isEmpty()) << "no box to close";
    // The folder is made possible: the next passing saves the race.
    ASSERT_TRUE(blocker.remove());
    at(40000);
    ctrl(Qt::Key_P);
    settle();
    EXPECT_FALSE(failureShown().has_value());
    ASSERT_EQ(files().size(), 1);
    EXPECT_EQ(lines(files()[0])[15][5], QStringLiteral("20,00"));
    EXPECT_EQ(results(3).join(u' '), QStringLiteral("20,00 40,00 0:40,00 36,0"));
}

#ifdef Q_OS_LINUX
// Fills a small disk of its own under the race: runs only in the copy of
// this test that "unshare -rm" starts, as the owner of a mount namespace of
// its own.
TEST_F(RaceFileTest, AFullDiskKeepsTheLastWholeFileAndSaysSo)
{
    if (qEnvironmentVariableIsEmpty(kOnSmallDisk))
        GTEST_SKIP() << "run by FullDiskTest in a mount namespace of its own";
    const QByteArray folder = QFile::encodeName(env.racesFolder());
    ASSERT_TRUE(QDir().mkpath(env.racesFolder()));
    ASSERT_EQ(::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=64k"), 0) << std::strerror(errno);
    const QString filler = QDir(env.racesFolder()).filePath(QStringLiteral("filler"));
    const auto fillDisk = [&filler] {
        QFile file(filler);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (file.write(block) == block.size()) { }
    };

    ctrl(Qt::Key_S);
    fillDisk();
    at(20000);
    ctrl(Qt::Key_L);
    settle();
    EXPECT_TRUE(files().filter(QStringLiteral(".csv")).isEmpty()) << "no empty file from the first write";
    ASSERT_TRUE(failureShown().has_value());
    EXPECT_TRUE(failureShown()->startsWith(QStringLiteral("Rennen nicht gespeichert: Datenträger voll \u2013 ")))
        << failureShown()->toStdString();

    ASSERT_TRUE(QFile::remove(filler));
    at(40000);
    ctrl(Qt::Key_L);
    settle();
    EXPECT_FALSE(failureShown().has_value());
    ASSERT_EQ(files().filter(QStringLiteral(".csv")).size(), 1);
    const QString name = files().filter(QStringLiteral(".csv"))[0];
    const std::string whole = bytes(QDir(env.racesFolder()).filePath(name));
    EXPECT_EQ(lines(name)[15][6], QStringLiteral("40,00"));

    fillDisk();
    at(60000);
    ctrl(Qt::Key_L);
    settle();
    EXPECT_EQ(bytes(QDir(env.racesFolder()).filePath(name)), whole) << "the last whole version stays";
    EXPECT_TRUE(failureShown().has_value());
    EXPECT_EQ(files().filter(QStringLiteral(".csv")), QStringList(name)) << "no temporary file left";

    ASSERT_TRUE(QFile::remove(filler));
    at(80000);
    ctrl(Qt::Key_P);
    settle();
    EXPECT_FALSE(failureShown().has_value());
    EXPECT_EQ(lines(name)[17][6], QStringLiteral("80,00"));
    ::umount2(folder.constData(), MNT_DETACH);
}

// The test above, where the machine lets a user own a mount namespace.
TEST(FullDiskTest, RunsTheRaceOnASmallDiskOfItsOwn)
{
    if (QProcess::execute(QStringLiteral("unshare"), {QStringLiteral("-rm"), QStringLiteral("true")}) != 0)
        GTEST_SKIP() << "no mount namespace of its own here (unshare -rm)";
    QProcess copy;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kOnSmallDisk), QStringLiteral("1"));
    copy.setProcessEnvironment(environment);
    copy.setProcessChannelMode(QProcess::MergedChannels);
    copy.start(QStringLiteral("unshare"),
               {QStringLiteral("-rm"), QCoreApplication::applicationFilePath(),
                QStringLiteral("--gtest_filter=RaceFileTest.AFullDisk*")});
    ASSERT_TRUE(copy.waitForFinished(120000));
    const QByteArray output = copy.readAll();
    EXPECT_EQ(copy.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}
#endif

TEST_F(RaceFileTest, ExportSavesTheRaceWhereTheUserChooses)
{
    ctrl(Qt::Key_S);
    at(20000);
    ctrl(Qt::Key_L);
    settle();
    const QString target = env.dir.filePath(QStringLiteral("export/mine"));
    QDir().mkpath(QFileInfo(target).absolutePath());
    QTimer::singleShot(0, &form, [&target] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(target);
        static_cast<QDialog *>(dialog)->accept(); // the file dialog's own check runs first
    });
    child<QPushButton>("bExport")->click();
    EXPECT_EQ(bytes(target + QStringLiteral(".csv")), bytes(QDir(env.racesFolder()).filePath(files().value(0))));

    QStringList popup;
    for (QAction *action : grid()->PopupMenu()->actions())
        popup << action->objectName();
    EXPECT_EQ(popup, QStringList({QStringLiteral("mUndo"), QStringLiteral("mExport")}));
}

// One instant reads the same hundredths on the digits, in the table, the
// file and the printout: race times are cut off to hundredths, and a lap
// time is the difference of the cut race times, so the laps add up.
TEST_F(RaceFileTest, OneInstantReadsTheSameHundredthsEverywhere)
{
    struct Case
    {
        std::vector<std::int32_t> passingMs; // the last one is the STOP
        const char *digits;
        const char *lap;
        const char *raceTime;
        const char *minSec;
    };
    const Case cases[] = {
        {{140018}, "02.20,01", "140,01", "140,01", "2:20,01"},
        {{2235}, "00.02,23", "2,23", "2,23", "0:02,23"}, // a false start
        {{59996}, "00.59,99", "59,99", "59,99", "0:59,99"},
        {{33509, 66738}, "01.06,73", "33,23", "66,73", "1:06,73"},
    };
    for (const Case &c : cases) {
        const QStringList lastRow{QString::fromLatin1(c.lap), QString::fromLatin1(c.raceTime),
                                  QString::fromLatin1(c.minSec)};
        env.now = env.now.addSecs(60);
        ctrl(Qt::Key_S);
        for (std::size_t i = 0; i < c.passingMs.size(); ++i) {
            at(c.passingMs[i]);
            ctrl(i + 1 == c.passingMs.size() ? Qt::Key_P : Qt::Key_L);
        }
        settle();
        const int row = form.Race().Row(form.Race().Passings() - 1);
        EXPECT_EQ(digits(), QString::fromLatin1(c.digits));
        EXPECT_EQ(QStringList({cell(5, row), cell(6, row), cell(7, row)}), lastRow) << c.digits;
        const QStringList line = lines(QFileInfo(child<RaceFile>("RaceFile")->path()).fileName()).value(12 + row);
        EXPECT_EQ(line.mid(5, 3), lastRow) << c.digits;
        EXPECT_TRUE(RaceSummaryText(form.Race()).contains(QStringLiteral("Endzeit: ") + lastRow[2])) << c.digits;
        ctrl(Qt::Key_0);
    }
}

// The plan and the skater's name are stored when a race starts: a program
// that dies in the race brings both back at its next start.
TEST_F(RaceFileTest, ACrashAfterStartBringsBackThePlanAndTheName)
{
    auto *name = child<QLineEdit>("eSkater");
    name->setText(QStringLiteral("Eva"));
    child<TSpinEdit>("seKrugov")->setValue(10);
    EXPECT_NE(env.stored("Krugs"), std::optional<std::uint32_t>(10));
    ctrl(Qt::Key_S);
    QCoreApplication::processEvents();
    EXPECT_EQ(env.stored("Krugs"), std::optional<std::uint32_t>(10));

    // The first window never ends: it stands for the program that died.
    TFormMain next{env.services()};
    EXPECT_EQ(next.findChild<TSpinEdit *>(QStringLiteral("seKrugov"))->value(), 10);
    EXPECT_EQ(next.findChild<QLineEdit *>(QStringLiteral("eSkater"))->text(), QStringLiteral("Eva"));
}
