#include "CallOuts.h"

#include <gtest/gtest.h>

#include <vector>

using namespace rundaro;

namespace {

RaceRecord Race(std::int64_t laps, std::int32_t targetLapMs, std::int64_t extraMetres,
                const std::vector<std::int32_t> &passingsMs, bool stopped = false)
{
    RaceSetup setup;
    setup.plan.laps = laps;
    setup.plan.targetLapMs = targetLapMs;
    setup.plan.lapLength = 400;
    setup.plan.extraMetres = extraMetres;
    RaceRecord race;
    const std::uint32_t start = 0xFFFFFF00u; // across the tick counter's wrap
    race.Start(setup, start);
    for (std::size_t i = 0; i < passingsMs.size(); ++i)
        race.AddPassing(start + std::uint32_t(passingsMs[i]), stopped && i + 1 == passingsMs.size());
    return race;
}

} // namespace

TEST(CallOuts, SayTheLapTheGapToTheScheduleAndTheLapsToGo)
{
    struct Case
    {
        std::int64_t laps;
        std::int32_t targetLapMs;
        std::int64_t extraMetres;
        std::vector<std::int32_t> passingsMs;
        const char *phrase; // after the last passing
    };
    const Case cases[] = {
        {6, 25000, 0, {22900}, "22,9 — zwei Komma eins voraus — noch fünf Runden"},
        {6, 25000, 0, {22900, 48440}, "25,5 — eins Komma sechs voraus — noch vier Runden"},
        {6, 25000, 0, {25000, 50000, 75000, 100000, 126000}, "26,0 — eins Komma null zurück — letzte Runde"},
        {6, 25000, 0, {25040}, "25,0 — im Plan — noch fünf Runden"},
        {6, 25000, 0, {25050}, "25,1 — null Komma eins zurück — noch fünf Runden"},
        {6, 0, 0, {23449}, "23,4 — noch fünf Runden"},
        // 100 extra metres: their quarter of the target lap, then the whole laps.
        {2, 40000, 100, {9000}, "9,0 — eins Komma null voraus — noch zwei Runden"},
        {2, 40000, 100, {9000, 52000}, "43,0 — zwei Komma null zurück — letzte Runde"},
        {22, 30000, 0, {30000}, "30,0 — im Plan — noch einundzwanzig Runden"},
    };
    for (const Case &c : cases) {
        const RaceRecord race = Race(c.laps, c.targetLapMs, c.extraMetres, c.passingsMs);
        EXPECT_EQ(PassingCallOut(race, race.Passings() - 1), c.phrase);
    }
}

TEST(CallOuts, SayTheFinalTimeAtStop)
{
    const std::pair<std::int32_t, const char *> cases[] = {
        {45649, "Endzeit 45,6"},
        {75430, "Endzeit eine Minute 15,4"},
        {125000, "Endzeit zwei Minuten 5,0"},
        {119960, "Endzeit zwei Minuten 0,0"},
    };
    for (const auto &[ms, phrase] : cases)
        EXPECT_EQ(StopCallOut(Race(6, 25000, 0, {ms / 2, ms}, true)), phrase);
}

TEST(CallOuts, NumberWords)
{
    const std::pair<std::int64_t, const char *> cases[] = {
        {0, "null"},
        {1, "eins"},
        {16, "sechzehn"},
        {21, "einundzwanzig"},
        {30, "dreißig"},
        {101, "einhunderteins"},
        {999, "neunhundertneunundneunzig"},
        {1000, "1000"},
        {-1, "-1"},
    };
    for (const auto &[n, words] : cases)
        EXPECT_EQ(NumberWords(n), words);
}
