#include "ComparePage.h"
#include "EventPump.h"
#include "RaceFile.h"
#include "RaceFixture.h"
#include "RaceHistory.h"

#include <QComboBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The comparison page on a race record and its feed alone: the race line by
// line against the skater's best saved race, its reference written by the
// race file from races run before.
namespace {

enum class Do { Nothing, Start, Lap, Stop, Undo, Reset };

struct Step
{
    Do what;
    std::int32_t ms; // of a LAP or the STOP, after START
    int rows;
    const char *lastRow; // the last line's columns, joined by '|'
    const char *lastGap; // as the full screen would show it
};

TEST(ComparePageFeed, ComparesTheRaceLineByLineWithTheSkatersBest)
{
    QTemporaryDir folder;
    RaceFixture race;
    QWidget window;
    auto *file = new RaceFile(race.feed(), &window, folder.path());
    // Three 3000 m run to the end: Anna's best is the second.
    const auto run = [&](int day, const char *skater, std::int32_t firstMs, std::int32_t lapMs) {
        race.setStartedAt(QDateTime(QDate(2024, 5, day), QTime(10, 0, 0)));
        race.setNextSkater(skater);
        race.start();
        for (int passing = 0; passing < 14; ++passing)
            race.lap(firstMs + passing * lapMs);
        race.stop(firstMs + 14 * lapMs);
        race.reset();
        file->flush();
    };
    run(1, "Anna", 23400, 21800); // 5:28,60
    run(2, "Anna", 23000, 21700); // 5:26,80
    run(3, "Jan", 22000, 21000); // 5:16,00, not hers
    ASSERT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 3);

    RaceHistory history(folder.path(), nullptr);
    ComparePage page(race.feed(), history);
    race.setNextSkater("Anna");
    page.show();
    ASSERT_TRUE(PumpUntil([&] { return history.isComplete(); }));
    EXPECT_EQ(page.findChild<QComboBox *>(QStringLiteral("cbReference"))->currentText(),
              QStringLiteral("Bestzeit: 02.05.2024 10:00:00 \u2013 Anna \u2013 5:26,80"));

    const auto row = [&page](int r) {
        QStringList texts;
        for (int col = 0; col < page.table()->columnCount(); ++col)
            texts << (page.table()->item(r, col) ? page.table()->item(r, col)->text() : QStringLiteral("?"));
        return texts.join(u'|');
    };
    // clang-format off
    const Step steps[] = {
        // Before the first passing: the reference's lines alone.
        {Do::Nothing,     0, 15, "0||5:26,80|",                 "\u2013"},
        {Do::Start,       0, 15, "0||5:26,80|",                 "\u2013"},
        {Do::Lap,     23500,  1, "14|0:23,50|0:23,00|-0,50",    "-0,50"},
        {Do::Lap,     45000,  2, "13|0:45,00|0:44,70|-0,30",    "-0,30"},
        {Do::Undo,        0,  1, "14|0:23,50|0:23,00|-0,50",    "-0,50"},
        {Do::Lap,     44000,  2, "13|0:44,00|0:44,70|+0,70",    "+0,70"},
        {Do::Stop,    66000,  3, "12|1:06,00|1:06,40|+0,40",    "+0,40"},
        {Do::Reset,       0, 15, "0||5:26,80|",                 "\u2013"},
    };
    // clang-format on
    for (const Step &step : steps) {
        switch (step.what) {
        case Do::Nothing: break;
        case Do::Start: race.start(); break;
        case Do::Lap: race.lap(step.ms); break;
        case Do::Stop: race.stop(step.ms); break;
        case Do::Undo: ASSERT_TRUE(race.undo()); break;
        case Do::Reset: race.reset(); break;
        }
        ASSERT_EQ(page.table()->rowCount(), step.rows) << "at " << step.ms << " ms";
        EXPECT_EQ(row(step.rows - 1), QString::fromUtf8(step.lastRow)) << "at " << step.ms << " ms";
        EXPECT_EQ(page.lastGap(), QString::fromUtf8(step.lastGap)) << "at " << step.ms << " ms";
    }
    EXPECT_EQ(row(0), QStringLiteral("14||0:23,00|"));
}

} // namespace
