#include "RaceFileRead.h"
#include "RaceSheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using namespace rundaro;

namespace {

const RaceSetup kInitial{{15, 21900, 1.5L, 0, 200, "21,9", "32,88"}, 3000, 330};
const RaceRowTexts kHeaders{"Runden",   "Zeit",         "Sollzeit",   "in Min:Sek", "km/h",
                            "RealZeit", "RealSollzeit", "in Min:Sek", "km/h"};

// The race file of a 3000 m with two laps run, as the program writes it.
std::string fileOf(const std::string &skater, bool stopped, const std::string &separator = ",")
{
    RaceRecord race;
    race.SetSkater(skater);
    race.Start(kInitial, 1000);
    race.AddPassing(1000 + 23460);
    race.AddPassing(1000 + 45000, stopped);
    return RaceCsv(MakeRaceSheet(race, "01.05.2024", "14:03:07", separator), kHeaders);
}

std::string without(std::string text, const std::string &line)
{
    text.erase(text.find(line), line.size());
    return text;
}

std::string withLf(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

} // namespace

TEST(RaceFileRead, GoodUnnamedOldTruncatedAndForeignFiles)
{
    const std::string named = fileOf("Anna", true);
    struct Case
    {
        const char *name;
        std::string bytes;
        RaceFileFault fault;
        std::string detail;
        std::string skater;
        std::string status;
    };
    const Case cases[] = {
        // Stopped after two of its fifteen laps.
        {"named, stopped", named, RaceFileFault::None, "", "Anna", "abgebrochen"},
        {"named, '.' and LF", withLf(fileOf("Anna", true, ".")), RaceFileFault::None, "", "Anna", "abgebrochen"},
        {"written finished before its distance",
         [&] {
             std::string text = named;
             text.replace(text.find("abgebrochen"), 11, "beendet");
             return text;
         }(),
         RaceFileFault::None, "", "Anna", "abgebrochen"},
        {"unnamed, running", fileOf("", false), RaceFileFault::None, "", "", "läuft"},
        {"old format without the name", without(fileOf("", false), "Läufer;\r\n"), RaceFileFault::None, "", "",
         "läuft"},
        {"interrupted",
         [&] {
             std::string text = named;
             text.replace(text.find("abgebrochen"), 11, "unterbrochen");
             return text;
         }(),
         RaceFileFault::None, "", "Anna", "unterbrochen"},
        {"cut in the table", named.substr(0, named.size() - 200), RaceFileFault::Truncated, "", "", ""},
        {"cut in the set-up", named.substr(0, named.find("Runden;")), RaceFileFault::Truncated, "Runden", "", ""},
        {"set-up line missing", without(named, "Gesamtsekunden;330\r\n"), RaceFileFault::MissingSetup, "Gesamtsekunden",
         "", ""},
        {"unknown status", without(named, "abgebrochen"), RaceFileFault::BadValue, "Status", "", ""},
        {"a text", "Einkaufsliste\nBrot\nMilch\n", RaceFileFault::NotCsv, "", "", ""},
        {"a picture", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), RaceFileFault::NotCsv, "", "", ""},
        {"empty", "", RaceFileFault::Truncated, "", "", ""},
    };
    for (const Case &c : cases) {
        const RaceFileReading reading = ReadRaceFile(c.bytes);
        EXPECT_EQ(reading.fault, c.fault) << c.name;
        EXPECT_EQ(reading.detail, c.detail) << c.name;
        if (!reading.ok())
            continue;
        const StoredRace &race = reading.race;
        EXPECT_EQ(race.skater, c.skater) << c.name;
        EXPECT_EQ(race.status, c.status) << c.name;
        EXPECT_EQ(race.date, "01.05.2024") << c.name;
        EXPECT_EQ(race.start, "14:03:07") << c.name;
        EXPECT_EQ(race.raceMs, (std::vector<std::int32_t>{23460, 45000})) << c.name;
        EXPECT_EQ(race.setup.trackLength, 3000) << c.name;
        EXPECT_EQ(race.setup.targetSeconds, 330) << c.name;
        EXPECT_EQ(race.setup.plan.laps, 15) << c.name;
        EXPECT_EQ(race.setup.plan.lapLength, 200) << c.name;
        EXPECT_EQ(race.setup.plan.targetLapMs, 21900) << c.name;
        EXPECT_EQ(race.setup.plan.allowanceSeconds, 1.5L) << c.name;
    }
}

// A race read back makes the same file again, extra metres included.
TEST(RaceFileRead, RoundTrip)
{
    const RaceSetup k5000{{12, 33480, 1.5L, 200, 400, "33.5", "43.01"}, 5000, 420};
    RaceRecord race;
    race.SetSkater("Jan de Vries");
    race.Start(k5000, 0xFFFFFFFFu - 20000);
    for (std::uint32_t ms : {18240u, 51720u, 85200u})
        race.AddPassing(0xFFFFFFFFu - 20000 + ms);
    race.AddPassing(0xFFFFFFFFu - 20000 + 90000, true);
    const std::string file = RaceCsv(MakeRaceSheet(race, "07.12.2026", "10:00:00", ","), kHeaders);

    const RaceFileReading reading = ReadRaceFile(file);
    ASSERT_TRUE(reading.ok());
    EXPECT_EQ(reading.race.setup.plan.targetLapMs, 33480);
    EXPECT_EQ(reading.race.FinalMs(), 90000);
    // Four of the thirteen passings: stopped before its distance.
    EXPECT_EQ(reading.race.status, "abgebrochen");
    EXPECT_FALSE(reading.race.Finished());
    EXPECT_TRUE(reading.race.Stopped());
    EXPECT_EQ(RaceCsv(MakeRaceSheet(RecordOf(reading.race), "07.12.2026", "10:00:00", ","), kHeaders), file);
}

// Hand-edited times: each one found, with the row it is in. The race of
// fileOf has its passings in rows 2 ("23,46;23,46") and 3 ("21,54;45,00").
TEST(RaceFileRead, TimesNoRaceHasAreRejectedWithTheirRow)
{
    struct Case
    {
        const char *from;
        const char *to;
        RaceFileFault fault;
        const char *row;
    };
    const Case cases[] = {
        {"21,54;45,00", "21,54;nan", RaceFileFault::BadTime, "3"},
        {"21,54;45,00", "21,54;inf", RaceFileFault::BadTime, "3"},
        {"21,54;45,00", "21,54;", RaceFileFault::None, ""}, // no passing in that row
        {"23,46;23,46", "-23,46;-23,46", RaceFileFault::NegativeTime, "2"},
        {"21,54;45,00", "2147460,54;2147484,00", RaceFileFault::TimeTooLarge, "3"},
        {"21,54;45,00", "-3,46;20,00", RaceFileFault::TimeOutOfOrder, "3"},
        {"21,54;45,00", "21,54;1999999,99", RaceFileFault::LapDoesNotFit, "3"},
        {"21,54;45,00", "x;45,00", RaceFileFault::LapDoesNotFit, "3"},
        {"21,54;45,00", "21,55;45,00", RaceFileFault::None, ""}, // a hundredth off: rounding
        {"21,54;45,00", "21,56;45,00", RaceFileFault::LapDoesNotFit, "3"},
    };
    for (const Case &c : cases) {
        std::string text = fileOf("Anna", true);
        const std::size_t at = text.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.from;
        text.replace(at, std::strlen(c.from), c.to);
        const RaceFileReading reading = ReadRaceFile(text);
        EXPECT_EQ(reading.fault, c.fault) << c.to;
        EXPECT_EQ(reading.detail, c.row) << c.to;
    }
}
