#pragma once

#include "GroupRace.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class RaceFeed;

// A pair: two skaters on one clock. Each skater's race is a race record of
// its own with a feed of its own, so the race file and whatever else follows
// a race follows each skater's as it follows a race run alone. START starts
// both; a passing is one skater's; the passing at the planned last line ends
// that skater's race. It is told which skater passed and decides nothing
// about keys, contacts or lanes.
class PairRace : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSkaters = 2;
    using PlanSource = std::function<rundaro::RaceSetup()>;

    // `plan`: the set-up the editors hold now, for the feeds.
    explicit PairRace(const PlanSource &plan, QObject *parent = nullptr);

    const rundaro::GroupRace &group() const { return m_group; }
    RaceFeed &feed(int skater) const { return *m_feeds[std::size_t(skater)]; }
    // The skater's name as the boards show it: the race's own once it is
    // started, until then the one typed for the next START.
    const std::string &skaterName(int skater) const;

    // A name typed for `skater`: the next START's, and while the skater's
    // race runs, that race's own (its file follows it).
    void nameSkater(int skater, const std::string &name);
    // Starts both skaters' races at `tick`, each in its start lane.
    void start(const rundaro::RaceSetup &setup, std::uint32_t tick, std::int64_t startedAt);
    // `skater` passed the line at `tick`; refused once the skater finished.
    rundaro::GroupRace::Passing pass(int skater, std::uint32_t tick);
    // Stops whoever still runs at `tick`.
    void stopRunning(std::uint32_t tick);
    // Takes `skater`'s latest passing back, down to the start line.
    bool undo(int skater);
    // RESET: the races are closed.
    void reset();
    // The tick of the latest passing of either skater, or START's: where
    // the common clock ends once nobody runs.
    std::uint32_t lastPassingTick() const;

signals:
    // After every change, once the feeds have given theirs.
    void changed();

private:
    Q_DISABLE_COPY(PairRace)

    rundaro::GroupRace m_group{kSkaters};
    std::array<RaceFeed *, kSkaters> m_feeds{};
};
