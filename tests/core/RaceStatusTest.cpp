#include "RaceStatus.h"
#include "RaceRecord.h"
#include "RaceSheet.h"

#include <gtest/gtest.h>

using namespace rundaro;

namespace {

const RaceSetup kInitial{{15, 21900, 1.5L, 0, 200, "21,9", "32,88"}, 3000, 330};

// A race file's text as the program writes it: two laps taken, still running.
std::string runningRaceFile()
{
    RaceRecord race;
    race.Start(kInitial, 1000);
    race.AddPassing(21000);
    race.AddPassing(44000);
    RaceRowTexts headers;
    headers.fill("h");
    return RaceCsv(MakeRaceSheet(race, "01.05.2024", "14:03:07", ","), headers);
}

} // namespace

TEST(RaceStatus, TheStatusIsSetAndEveryOtherByteStays)
{
    std::string text = runningRaceFile();
    EXPECT_EQ(RaceSetUpValue(text, "Status"), std::string(kStatusRunning));
    EXPECT_EQ(RaceSetUpValue(text, "Start"), "14:03:07");
    EXPECT_EQ(RacePassings(text), 2);
    std::string expected = text;
    const std::string line = "Status;läuft\r\n";
    expected.replace(expected.find(line), line.size(), "Status;unterbrochen\r\n");
    ASSERT_TRUE(SetRaceStatus(text, kStatusInterrupted));
    EXPECT_EQ(text, expected);
    EXPECT_EQ(RaceSetUpValue(text, "Status"), std::string(kStatusInterrupted));
    EXPECT_EQ(RacePassings(text), 2);
}

// Only the head of a file is read when looking for its status: a line cut
// off there, a line of the rows or of another name is no status.
TEST(RaceStatus, OnlyAWholeSetUpLineOfThatNameCounts)
{
    struct Case
    {
        const char *text;
        std::optional<std::string> status;
        int passings;
    };
    const Case cases[] = {
        {"Datum;1\nStatus;beendet\n\nh\n0;1;2;3;4;5;6,0;7\n", "beendet", 1},
        {"\xEF\xBB\xBF"
         "Status;läuft\r\n",
         "läuft", 0},
        {"Datum;1\r\nStatus;lä", std::nullopt, 0},
        {"Statusse;läuft\r\n", std::nullopt, 0},
        {"Datum;1\r\n\r\nStatus;läuft\r\n", std::nullopt, 0},
        {"Runden;Zeit\r\n1;2;3\r\n", std::nullopt, 0},
        {"", std::nullopt, 0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(RaceSetUpValue(c.text, "Status"), c.status) << c.text;
        EXPECT_EQ(RacePassings(c.text), c.passings) << c.text;
        std::string text = c.text;
        EXPECT_EQ(SetRaceStatus(text, kStatusInterrupted), c.status.has_value()) << c.text;
        if (!c.status) {
            EXPECT_EQ(text, c.text);
        }
    }
}

// A stopped race is "beendet" only when its passings reach the schedule's
// last line; other states are not judged.
TEST(RaceStatus, AStoppedRaceIsJudgedByItsPassings)
{
    struct Case
    {
        std::string_view written;
        std::int64_t laps;
        std::int64_t extraMetres;
        std::int64_t passings;
        std::string_view judged;
    };
    const Case cases[] = {
        {kStatusFinished, 12, 200, 13, kStatusFinished}, // 5000 m: the extra metres, then 12 laps
        {kStatusFinished, 12, 200, 12, kStatusAborted},
        {kStatusFinished, 12, 200, 1, kStatusAborted}, // a false start
        {kStatusFinished, 15, 0, 15, kStatusFinished},
        {kStatusFinished, 15, 0, 16, kStatusFinished},
        {kStatusFinished, 15, 0, 3, kStatusAborted},
        {kStatusAborted, 15, 0, 15, kStatusFinished},
        {kStatusAborted, 15, 0, 2, kStatusAborted},
        {kStatusRunning, 15, 0, 2, kStatusRunning},
        {kStatusInterrupted, 15, 0, 0, kStatusInterrupted},
    };
    for (const Case &c : cases)
        EXPECT_EQ(JudgedRaceStatus(c.written, c.laps, c.extraMetres, c.passings), c.judged)
            << c.written << ' ' << c.laps << ' ' << c.extraMetres << ' ' << c.passings;
}
