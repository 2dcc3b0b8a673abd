#include "RaceFile.h"
#include "RaceFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

// The race file on a race record and its feed alone: what is on disk after
// the race's commands.
namespace {

enum class Do { Start, Lap, Stop, Undo, Reset, Settle, Interrupt };

struct Step
{
    Do what;
    std::int32_t ms = 0; // of a LAP or the STOP, after START
};

struct Case
{
    const char *name;
    std::vector<Step> steps;
    const char *status; // the file's "Status"; null: no file
    std::vector<std::string> laps; // the lap times of the rows with results, in order
    int writes; // the file's writes reported
};

void PrintTo(const Case &c, std::ostream *out)
{
    *out << c.name;
}

// A 3000 m's 14 LAPs and its STOP, each lap 22 s.
std::vector<Step> wholeRace()
{
    std::vector<Step> steps{{Do::Start}};
    for (int passing = 1; passing <= 15; ++passing)
        steps.push_back({passing < 15 ? Do::Lap : Do::Stop, passing * 22000});
    return steps;
}

// clang-format off
const Case kCases[] = {
    {"StartAloneWritesNothing", {{Do::Start}}, nullptr, {}, 0},
    {"APassingWritesTheRace", {{Do::Start}, {Do::Lap, 23456}}, "läuft", {"23,45"}, 1},
    {"PassingsInARowMakeOneWrite", {{Do::Start}, {Do::Lap, 23456}, {Do::Lap, 45000}}, "läuft", {"23,45", "21,55"}, 1},
    {"StopBeforeTheDistance",
     {{Do::Start}, {Do::Lap, 21000}, {Do::Lap, 44000}, {Do::Lap, 65000}, {Do::Stop, 90000}},
     "abgebrochen", {"21,00", "23,00", "21,00", "25,00"}, 1},
    {"UndoTakesTheStopAndALapOffTheFile",
     {{Do::Start}, {Do::Lap, 21000}, {Do::Lap, 44000}, {Do::Lap, 65000}, {Do::Stop, 90000}, {Do::Settle},
      {Do::Undo}, {Do::Undo}},
     "läuft", {"21,00", "23,00"}, 2},
    {"TheWholeDistance", wholeRace(), "beendet",
     {"22,00", "22,00", "22,00", "22,00", "22,00", "22,00", "22,00", "22,00", "22,00", "22,00", "22,00", "22,00",
      "22,00", "22,00", "22,00"}, 1},
    {"ResetLeavesTheFileAsItWas", {{Do::Start}, {Do::Lap, 20000}, {Do::Stop, 40000}, {Do::Settle}, {Do::Reset}},
     "abgebrochen", {"20,00", "20,00"}, 1},
    {"TheSessionEndingMarksARunningRace", {{Do::Start}, {Do::Lap, 20000}, {Do::Interrupt}}, "unterbrochen",
     {"20,00"}, 1},
    {"APassingAfterThatSaysItRunsAgain",
     {{Do::Start}, {Do::Lap, 20000}, {Do::Interrupt}, {Do::Lap, 42000}}, "läuft", {"20,00", "22,00"}, 2},
};
// clang-format on

class RaceFileFeedTest : public ::testing::TestWithParam<Case>
{
protected:
    RaceFileFeedTest()
    {
        QObject::connect(file, &RaceFile::raceWritten, file, [this] { ++writes; });
    }
    // The queued write made and on disk, as some time after a command.
    void settle()
    {
        QCoreApplication::processEvents();
        file->flush();
    }
    // The names and bytes of the races folder's files.
    QByteArray disk() const
    {
        QByteArray all;
        for (const QString &name : QDir(folder.path()).entryList(QDir::Files)) {
            QFile in(QDir(folder.path()).filePath(name));
            all += name.toUtf8() + '\n' + (in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("?"));
        }
        return all;
    }
    // The set-up lines by their keys, and the rows' fields by the header's
    // names, of the file `name` in the races folder.
    struct Sheet
    {
        std::map<QString, QString> setUp;
        std::vector<std::map<QString, QString>> rows;
    };
    Sheet read(const QString &name) const
    {
        QFile in(QDir(folder.path()).filePath(name));
        EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = in.readAll();
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << "the byte-order mark";
        const QString text = QString::fromUtf8(bytes.mid(3));
        Sheet sheet;
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        int i = 0;
        for (; i < lines.size() && !lines[i].isEmpty(); ++i)
            sheet.setUp[lines[i].section(u';', 0, 0)] = lines[i].section(u';', 1);
        const QStringList header = lines.value(i + 1).split(u';');
        for (i += 2; i < lines.size() && !lines[i].isEmpty(); ++i) {
            const QStringList fields = lines[i].split(u';');
            auto &row = sheet.rows.emplace_back();
            for (int f = 0; f < header.size(); ++f)
                row[header[f]] = fields.value(f);
        }
        return sheet;
    }

    QTemporaryDir folder;
    RaceFixture race;
    // What the race file takes as the window: never shown.
    QWidget window;
    RaceFile *file = new RaceFile(race.feed(), &window, folder.path());
    int writes = 0;
};

TEST_P(RaceFileFeedTest, WritesWhatTheRaceHolds)
{
    const Case &c = GetParam();
    for (const Step &step : c.steps) {
        const QByteArray before = disk();
        switch (step.what) {
        case Do::Start: race.start(); break;
        case Do::Lap: race.lap(step.ms); break;
        case Do::Stop: race.stop(step.ms); break;
        case Do::Undo: ASSERT_TRUE(race.undo()); break;
        case Do::Reset: race.reset(); break;
        case Do::Settle: settle(); break;
        case Do::Interrupt: file->writeInterrupted(); break;
        }
        // Written once the command has returned, never during it.
        if (step.what != Do::Settle && step.what != Do::Interrupt) {
            EXPECT_EQ(disk(), before);
        }
    }
    settle();
    const QStringList files = QDir(folder.path()).entryList(QDir::Files);
    EXPECT_EQ(writes, c.writes);
    if (!c.status) {
        EXPECT_TRUE(files.isEmpty());
        EXPECT_TRUE(file->path().isEmpty());
        return;
    }
    const QString name = QStringLiteral("2024-05-01_14-03-07.csv");
    ASSERT_EQ(files, QStringList(name));
    EXPECT_EQ(file->path(), QDir(folder.path()).filePath(name));
    const Sheet sheet = read(name);
    EXPECT_EQ(sheet.setUp.at(QStringLiteral("Status")), QString::fromUtf8(c.status));
    EXPECT_EQ(sheet.setUp.at(QStringLiteral("Streckenlänge")), QStringLiteral("3000"));
    ASSERT_EQ(sheet.rows.size(), 16u) << "the start line and the 15 laps";
    std::vector<std::string> laps;
    for (const auto &row : sheet.rows)
        if (!row.at(QStringLiteral("RealZeit")).isEmpty())
            laps.push_back(row.at(QStringLiteral("RealZeit")).toStdString());
    EXPECT_EQ(laps, c.laps);
}

INSTANTIATE_TEST_SUITE_P(Races, RaceFileFeedTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

} // namespace
