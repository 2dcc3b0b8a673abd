#include "RaceSheet.h"

#include "RaceStatus.h"

#include <algorithm>

namespace rundaro {

namespace {

// The texts of the race arithmetic carry a '.'; the sheet carries the
// caller's separator, whatever its length in UTF-8.
std::string withSeparator(const std::string &text, const std::string &separator)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '.')
            out += separator;
        else
            out += c;
    }
    return out;
}

} // namespace

RaceSheet MakeRaceSheet(const RaceRecord &race, const std::string &date, const std::string &startTime,
                        const std::string &separator)
{
    const RaceSetup &setup = race.Setup();
    const PlanFigures &plan = setup.plan;
    auto valueOf = [&](SetUpKey key) -> std::string {
        switch (key) {
        case SetUpKey::Date: return date;
        case SetUpKey::Start: return startTime;
        case SetUpKey::TrackLength: return IntToStr(setup.trackLength);
        case SetUpKey::LapLength: return IntToStr(plan.lapLength);
        case SetUpKey::Laps: return IntToStr(plan.laps);
        case SetUpKey::ExtraMetres: return IntToStr(plan.extraMetres);
        case SetUpKey::TargetSeconds: return IntToStr(setup.targetSeconds);
        case SetUpKey::Allowance: return withSeparator(FormatFixed(plan.allowanceSeconds, 1, '.'), separator);
        case SetUpKey::LapTime: return withSeparator(plan.lapTimeText, separator);
        case SetUpKey::Status:
            return std::string(race.IsStopped()
                                   ? JudgedRaceStatus(kStatusFinished, plan.laps, plan.extraMetres, race.Passings())
                                   : kStatusRunning);
        case SetUpKey::Skater: return race.Skater();
        case SetUpKey::StartLane: return race.StartLane();
        }
        return {};
    };
    RaceSheet sheet;
    sheet.setup.reserve(std::size(kSetUpKeyTable));
    for (const SetUpKeyInfo &info : kSetUpKeyTable) {
        // A skater alone has no start lane: the line is left out, so such a
        // race's file reads as it always has.
        if (info.key == SetUpKey::StartLane && race.StartLane().empty())
            continue;
        sheet.setup.emplace_back(std::string(info.text), valueOf(info.key));
    }

    const int passings = race.Passings();
    const std::int64_t rows = std::max<std::int64_t>(plan.laps + 1, passings > 0 ? race.Row(passings - 1) : 0);
    sheet.rows.resize(std::size_t(rows));
    for (std::int64_t i = 0; i < rows; ++i) {
        const PlanRowTexts target = PlanRow(plan, i, '.');
        RaceRowTexts &row = sheet.rows[std::size_t(i)];
        Cell(row, LapColumn::LapsToGo) = target.lapsToGo;
        Cell(row, LapColumn::SegmentTime) = target.segmentTime;
        Cell(row, LapColumn::TargetTime) = target.targetTime;
        Cell(row, LapColumn::TargetMinSec) = target.minSec;
        Cell(row, LapColumn::TargetSpeed) = target.speed;
    }
    for (int p = 0; p < passings; ++p) {
        const std::int64_t line = race.Row(p) - 1;
        const LapResultTexts result = LapResult(race.RaceMs(p), race.LapMs(p), SegmentMetres(plan, line), '.');
        RaceRowTexts &row = sheet.rows[std::size_t(line)];
        Cell(row, LapColumn::LapTime) = result.lapTime;
        Cell(row, LapColumn::RaceTime) = result.raceTime;
        Cell(row, LapColumn::RaceMinSec) = result.minSec;
        Cell(row, LapColumn::Speed) = result.speed;
    }
    for (RaceRowTexts &row : sheet.rows)
        for (std::string &text : row)
            text = withSeparator(text, separator);
    return sheet;
}

std::string RaceCsv(const RaceSheet &sheet, const RaceRowTexts &headers)
{
    std::string csv = "\xEF\xBB\xBF";
    for (const auto &[name, value] : sheet.setup)
        csv += name + ';' + value + "\r\n";
    csv += "\r\n";
    auto line = [&csv](const RaceRowTexts &fields) {
        for (std::size_t i = 0; i < fields.size(); ++i)
            csv += (i > 0 ? ";" : "") + fields[i];
        csv += "\r\n";
    };
    line(headers);
    for (const RaceRowTexts &row : sheet.rows)
        line(row);
    return csv;
}

std::string RaceCsv(const RaceSheet &sheet)
{
    return RaceCsv(sheet, LapColumnHeaders());
}

RaceRowTexts LapColumnHeaders()
{
    RaceRowTexts headers;
    for (LapColumn column : kLapColumnOrder)
        Cell(headers, column) = LapColumnHeader(column);
    return headers;
}

} // namespace rundaro
