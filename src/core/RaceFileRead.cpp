#include "RaceFileRead.h"

#include "RaceSheetSchema.h"
#include "RaceStatus.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace rundaro {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Splits at '\n', dropping a '\r' before it; `complete` is false when the
// last line has no line end.
std::vector<std::string_view> splitLines(std::string_view text, bool &complete)
{
    std::vector<std::string_view> lines;
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t end = text.find('\n', from);
        if (end == std::string_view::npos)
            break;
        std::string_view line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        from = end + 1;
    }
    complete = from >= text.size();
    if (!complete)
        lines.push_back(text.substr(from));
    return lines;
}

std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t from = 0;
    for (;;) {
        const std::size_t end = line.find(';', from);
        fields.push_back(line.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from));
        if (end == std::string_view::npos)
            return fields;
        from = end + 1;
    }
}

std::optional<std::int64_t> readInt(std::string_view text)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// A number with ',' or '.' before its decimals.
std::optional<double> readDecimal(std::string_view text)
{
    std::string plain(text);
    std::replace(plain.begin(), plain.end(), ',', '.');
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || plain.empty())
        return std::nullopt;
    return value;
}

// Seconds with decimals as whole milliseconds; nothing for what is not a
// finite number, and for a number far beyond any race.
std::optional<std::int64_t> readMs(std::string_view text)
{
    const std::optional<double> seconds = readDecimal(text);
    if (!seconds || !std::isfinite(*seconds))
        return std::nullopt;
    // Kept within range of the conversion: beyond the race clock either way.
    const double clamped = std::clamp(*seconds, -1e12, 1e12);
    return std::int64_t(Round(Real(clamped) * 1000));
}

std::string withPoint(std::string_view text)
{
    std::string plain(text);
    std::replace(plain.begin(), plain.end(), ',', '.');
    return plain;
}

RaceFileReading fault(RaceFileFault kind, std::string detail = {})
{
    RaceFileReading reading;
    reading.fault = kind;
    reading.detail = std::move(detail);
    return reading;
}

} // namespace

std::int32_t TargetLapMsOf(std::int64_t trackLength, std::int64_t lapLength, std::int64_t targetSeconds,
                           Real allowanceSeconds)
{
    if (lapLength < 1 || trackLength <= 0 || targetSeconds <= 0)
        return 0;
    const Real lapsExact = Real(trackLength) / Real(lapLength);
    const Real targetTime = Real(targetSeconds) - allowanceSeconds;
    if (targetTime <= 0)
        return 0;
    const auto ms = std::int32_t(std::uint32_t(std::uint64_t(Round(targetTime * 1000 / lapsExact))));
    return std::max(ms, 0);
}

RaceFileReading ReadRaceFile(std::string_view bytes)
{
    if (bytes.substr(0, kBom.size()) == kBom)
        bytes.remove_prefix(kBom.size());
    if (bytes.find('\0') != std::string_view::npos)
        return fault(RaceFileFault::NotCsv);
    bool complete = false;
    const std::vector<std::string_view> lines = splitLines(bytes, complete);
    if (lines.empty() || lines.front().find(';') == std::string_view::npos)
        return fault(lines.empty() ? RaceFileFault::Truncated : RaceFileFault::NotCsv);

    // The value of each set-up key this program knows, the first line of
    // each; a key it does not know (a newer program's) is passed over.
    std::array<std::optional<std::string_view>, kSetUpKeyCount> values;
    std::size_t at = 0;
    for (; at < lines.size() && !lines[at].empty(); ++at) {
        const std::size_t cut = lines[at].find(';');
        if (cut == std::string_view::npos)
            return fault(RaceFileFault::NotCsv);
        if (const std::optional<SetUpKey> key = FindSetUpKey(lines[at].substr(0, cut)))
            if (!values[std::size_t(*key)])
                values[std::size_t(*key)] = lines[at].substr(cut + 1);
    }
    for (const SetUpKeyInfo &info : kSetUpKeyTable)
        if (info.required && !values[std::size_t(info.key)])
            return fault(at >= lines.size() ? RaceFileFault::Truncated : RaceFileFault::MissingSetup,
                         std::string(info.text));

    // Each value as what it holds: a whole number, tenths of a second or a
    // status; text as written.
    std::array<std::int64_t, kSetUpKeyCount> numbers{};
    std::array<double, kSetUpKeyCount> decimals{};
    for (const SetUpKeyInfo &info : kSetUpKeyTable) {
        const std::optional<std::string_view> text = values[std::size_t(info.key)];
        if (!text)
            continue;
        switch (info.holds) {
        case SetUpValue::Text: break;
        case SetUpValue::WholeNumber: {
            const std::optional<std::int64_t> number = readInt(*text);
            if (!number || *number < 0 || *number > kMaxSetUpNumber)
                return fault(RaceFileFault::BadValue, std::string(info.text));
            numbers[std::size_t(info.key)] = *number;
            break;
        }
        case SetUpValue::Tenths: {
            const std::optional<double> seconds = readDecimal(*text);
            if (!seconds)
                return fault(RaceFileFault::BadValue, std::string(info.text));
            decimals[std::size_t(info.key)] = *seconds;
            break;
        }
        case SetUpValue::Status:
            if (*text != kStatusRunning && *text != kStatusFinished && *text != kStatusAborted
                && *text != kStatusInterrupted)
                return fault(RaceFileFault::BadValue, std::string(info.text));
            break;
        }
    }
    auto textOf
        = [&values](SetUpKey key) { return std::string(values[std::size_t(key)].value_or(std::string_view())); };
    auto numberOf = [&numbers](SetUpKey key) { return numbers[std::size_t(key)]; };

    RaceFileReading reading;
    StoredRace &race = reading.race;
    race.date = textOf(SetUpKey::Date);
    race.start = textOf(SetUpKey::Start);
    race.status = textOf(SetUpKey::Status);
    race.skater = textOf(SetUpKey::Skater);
    race.startLane = textOf(SetUpKey::StartLane);
    RaceSetup &setup_ = race.setup;
    PlanFigures &plan = setup_.plan;
    setup_.trackLength = numberOf(SetUpKey::TrackLength);
    plan.lapLength = numberOf(SetUpKey::LapLength);
    plan.laps = numberOf(SetUpKey::Laps);
    plan.extraMetres = numberOf(SetUpKey::ExtraMetres);
    setup_.targetSeconds = numberOf(SetUpKey::TargetSeconds);
    // The allowance is written with one decimal, so its tenths are exact.
    plan.allowanceSeconds = Real(Round(Real(decimals[std::size_t(SetUpKey::Allowance)]) * 10)) / 10;
    plan.targetLapMs = TargetLapMsOf(setup_.trackLength, plan.lapLength, setup_.targetSeconds, plan.allowanceSeconds);
    plan.lapTimeText = withPoint(textOf(SetUpKey::LapTime));
    if (plan.targetLapMs > 0)
        plan.lapSpeedText = FormatFixed((Real(plan.lapLength) / 1000) / (Real(plan.targetLapMs) / 1000 / 3600), 2, '.');

    // The empty line, the header, then one row per line of the schedule.
    // A newer program's file may carry columns after the ones this program
    // knows, on the header and on every row: they are passed over.
    if (at + 1 >= lines.size())
        return fault(RaceFileFault::Truncated);
    const std::size_t firstRow = at + 2;
    const std::size_t rowCount = lines.size() - std::min(lines.size(), firstRow) - (complete ? 0 : 1);
    if (splitFields(lines[at + 1]).size() < std::size_t(kLapColumnCount) || std::int64_t(rowCount) < plan.laps + 1)
        return fault(RaceFileFault::Truncated);
    for (std::size_t i = firstRow; i < firstRow + rowCount; ++i) {
        const std::vector<std::string_view> fields = splitFields(lines[i]);
        if (fields.size() < std::size_t(kLapColumnCount))
            return fault(RaceFileFault::Truncated);
        const std::string_view raceTime = fields[ColumnIndex(LapColumn::RaceTime)];
        if (raceTime.empty())
            continue;
        const std::string row = std::to_string(i - firstRow + 1);
        const std::optional<std::int64_t> ms = readMs(raceTime);
        if (!ms)
            return fault(RaceFileFault::BadTime, row);
        if (*ms < 0)
            return fault(RaceFileFault::NegativeTime, row);
        if (*ms > kMaxStoredRaceMs)
            return fault(RaceFileFault::TimeTooLarge, row);
        const std::int64_t previous = race.raceMs.empty() ? 0 : race.raceMs.back();
        if (*ms < previous)
            return fault(RaceFileFault::TimeOutOfOrder, row);
        // Both are written rounded to hundredths: their difference may be a
        // hundredth off the lap time, never more.
        const std::optional<std::int64_t> lapMs = readMs(fields[ColumnIndex(LapColumn::LapTime)]);
        if (!lapMs || std::abs(*lapMs - (*ms - previous)) > 10)
            return fault(RaceFileFault::LapDoesNotFit, row);
        race.raceMs.push_back(std::int32_t(*ms));
    }
    race.status
        = std::string(JudgedRaceStatus(race.status, plan.laps, plan.extraMetres, std::int64_t(race.raceMs.size())));
    return reading;
}

RaceRecord RecordOf(const StoredRace &race, std::int64_t startedAt)
{
    RaceRecord record;
    record.SetSkater(race.skater);
    record.Start(race.setup, 0, startedAt);
    for (std::size_t i = 0; i < race.raceMs.size(); ++i)
        record.AddPassing(std::uint32_t(race.raceMs[i]), race.Stopped() && i + 1 == race.raceMs.size());
    return record;
}

} // namespace rundaro
