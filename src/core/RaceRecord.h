#pragma once

#include "LapTexts.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The facts of one race: the set-up it was started with, the tick of its
// START and the raw tick of every passing (the LAPs and the STOP). The lap
// table, the race file, the chart and the sounds all follow this record; it
// knows nothing of any of them and draws nothing. Times are reckoned from the
// ticks exactly as the race clock reckons them, so a race across the tick
// counter's wrap reads right.
namespace rundaro {

// The set-up in force at START.
struct RaceSetup
{
    PlanFigures plan; // the schedule's figures (laps, lap length, target lap, ...)
    std::int64_t trackLength = 0; // metres
    std::int64_t targetSeconds = 0; // target time of the whole race
};

class RaceRecord
{
public:
    // Begins a new race; the passings of the previous one go. `startedAt`:
    // the calendar time of START in ms since 1970 (UTC), which names its file.
    void Start(const RaceSetup &setup, std::uint32_t startTick, std::int64_t startedAt = 0);
    // Records a passing at `tick`; the STOP is the last passing of a race.
    void AddPassing(std::uint32_t tick, bool isStop = false);
    // Takes the last passing back (a STOP too); false when there is none.
    bool UndoPassing();
    // Forgets the race (RESET): nothing can be taken back after it.
    void Close() { m_open = false; }
    // The skater's name, given before START or afterwards; a new START
    // keeps it. Empty: unnamed.
    void SetSkater(std::string name) { m_skater = std::move(name); }
    const std::string &Skater() const { return m_skater; }
    // The lane the skater starts in, in a pair ("innen" or "außen" as the
    // race file writes it); empty for a skater alone. A new START keeps it.
    void SetStartLane(std::string lane) { m_startLane = std::move(lane); }
    const std::string &StartLane() const { return m_startLane; }

    // True from START until RESET.
    bool IsOpen() const { return m_open; }
    // True when the last passing is the STOP.
    bool IsStopped() const { return m_stopped; }

    const RaceSetup &Setup() const { return m_setup; }
    std::uint32_t StartTick() const { return m_startTick; }
    std::int64_t StartedAt() const { return m_startedAt; }
    // True once a race has been started: until the next START its passings
    // stay, also after RESET.
    bool HasRace() const { return m_open || !m_passings.empty(); }
    int Passings() const { return int(m_passings.size()); }
    std::uint32_t PassingTick(int i) const { return m_passings[std::size_t(i)]; }
    // Race time at passing `i` (0-based) in ms since START, to the
    // millisecond the clock read; 0 for i < 0.
    std::int32_t ExactMs(int i) const;
    // Race time at passing `i` as every display, file and printout gives it:
    // cut off to hundredths, as skating results are (140018 ms: 140010, read
    // 2:20,01); 0 for i < 0.
    std::int32_t RaceMs(int i) const;
    // Time of the lap closed by passing `i`: its cut race time less the
    // previous one's, so that the laps add up to the race time.
    std::int32_t LapMs(int i) const;
    // The lap table row that passing `i` writes: with extra metres the first
    // passing closes the start line's segment (row 1), without them the
    // first whole lap (row 2).
    int Row(int i) const { return i + 1 + (m_setup.plan.extraMetres == 0 ? 1 : 0); }
    // The number of LAPs after which only STOP is left.
    std::int64_t LapLimit() const;

private:
    RaceSetup m_setup;
    std::uint32_t m_startTick = 0;
    std::int64_t m_startedAt = 0;
    std::vector<std::uint32_t> m_passings;
    std::string m_skater;
    std::string m_startLane;
    bool m_open = false;
    bool m_stopped = false;
};

} // namespace rundaro
