#pragma once

#include "RaceBoard.h"
#include "RaceRecord.h"

#include <cstdint>
#include <string>
#include <vector>

// Several skaters timed on one clock: a pair (two skaters) or more. They
// share the plan and the START; each skater's race is a race record of its
// own, with its own passings, so everything that follows one race (the
// board, the lap texts, the race file) follows each skater's. A skater has
// finished, the final time fixed, once the planned last line is passed.
// This class decides nothing about keys, contacts or lanes: it is told
// which skater passed.
namespace rundaro {

class GroupRace
{
public:
    // What a passing did.
    enum class Passing {
        Refused, // no race, or the skater has finished already
        Lap, // a passing before the last line
        Finish, // the planned last line: the skater's race is over
    };

    // `skaters`: how many skaters share the clock (at least one).
    explicit GroupRace(int skaters = 2);

    int Skaters() const { return int(m_races.size()); }
    // Skater `skater`'s race (0 for the first).
    const RaceRecord &Race(int skater) const { return m_races[std::size_t(skater)]; }
    // The skater's name, kept over a new START as a race record keeps it.
    void SetSkater(int skater, std::string name);
    // The lane the skater starts in, as the race file names it; kept over a
    // new START as the name is.
    void SetStartLane(int skater, std::string lane);

    // Starts every skater's race with the same set-up at the same tick; the
    // passings of the previous races go.
    void Start(const RaceSetup &setup, std::uint32_t startTick, std::int64_t startedAt = 0);
    // A passing of `skater` at `tick`, never earlier than that skater's last
    // passing (a contact's stamp may come after a key taken later). The
    // passing at the planned last line ends that skater's race.
    Passing AddPassing(int skater, std::uint32_t tick);
    // Stops every skater still running at `tick` (never earlier than each
    // one's last passing); returns who was stopped, in order.
    std::vector<int> StopRunning(std::uint32_t tick);
    // Takes `skater`'s latest passing back (a finish too, which makes the
    // skater run again), down to the start line; false when there is none or
    // no race is open.
    bool UndoPassing(int skater);
    // Forgets the races (RESET): nothing can be taken back after it.
    void Close();

    // True from START until RESET.
    bool IsOpen() const { return !m_races.empty() && m_races.front().IsOpen(); }
    // The skater's race is open and not yet stopped.
    bool IsRunning(int skater) const;
    // Some skater is still running.
    bool AnyRunning() const;
    std::uint32_t StartTick() const { return m_races.front().StartTick(); }
    // The number of passings that ends a skater's race: the planned last line.
    std::int64_t FinishPassings() const;
    // The common running time at tick `now`; once nobody runs, the latest
    // final time.
    std::int32_t TimeMs(std::uint32_t now) const;

private:
    std::vector<RaceRecord> m_races;
};

// One skater's figures at tick `now` in a group on one clock, where the
// schedule's running countdown would be the same for every skater: the laps
// this skater has still to run, counted at the skater's own passings (0 at
// the finish), and from the first passing the gap at the last line the
// skater passed, held until the next; before it, the running countdown. A
// STOP before the last line passed no line and counts for neither.
RaceBoard SkaterBoardOf(const RaceRecord &race, std::uint32_t now);
// Each skater's display figures at tick `now` (BoardOf of each race).
std::vector<RaceBoard> BoardsOf(const GroupRace &group, std::uint32_t now);
// Each skater's board at the line at tick `now` (BoardAtLine of each race).
std::vector<RaceBoard> BoardsAtLine(const GroupRace &group, std::uint32_t now);

} // namespace rundaro
